#include <gtest/gtest.h>

#include <cstdlib>

#include "media/ColorModel.h"

using namespace sw;

TEST(ColorModel, KnownColoursSplitIntoHueSaturationLightness) {
  THsl red = ColorToHsl(RGB(255, 0, 0));
  EXPECT_EQ(red.Hue, 0);
  EXPECT_EQ(red.Saturation, 256);
  EXPECT_EQ(red.Lightness, 128);  // 127.5 rounds to the even 128
  THsl blue = ColorToHsl(RGB(0, 0, 255));
  EXPECT_EQ(blue.Hue, 170);  // 4 x 42.6
  THsl green = ColorToHsl(RGB(0, 255, 0));
  EXPECT_EQ(green.Hue, 85);  // 2 x 42.6
  THsl magenta = ColorToHsl(RGB(255, 0, 128));
  EXPECT_LT(magenta.Hue, 0) << "reds leaning to blue come out negative";
  THsl grey = ColorToHsl(RGB(128, 128, 128));
  EXPECT_EQ(grey.Hue, 0);
  EXPECT_EQ(grey.Saturation, 0);
  EXPECT_EQ(grey.Lightness, 128);
}

TEST(ColorModel, RoundTripGivesTheColourBack) {
  // Hue runs in steps of 42.6 per sixth of the wheel (255.6 for the whole turn), so a colour
  // may come back a few levels off; greys come back exactly.
  const TColor colours[] = {RGB(255, 0, 0),    RGB(0, 255, 0),    RGB(0, 0, 255),    RGB(200, 100, 50),
                            RGB(10, 200, 180), RGB(255, 0, 128),  RGB(162, 185, 255), RGB(91, 0, 2),
                            RGB(255, 255, 0),  RGB(30, 30, 200),  RGB(240, 230, 220), RGB(1, 2, 3)};
  for (TColor c : colours) {
    TColor back = HslToColor(ColorToHsl(c));
    EXPECT_LE(std::abs(GetRValue(back) - GetRValue(c)), 4) << std::hex << c << " -> " << back;
    EXPECT_LE(std::abs(GetGValue(back) - GetGValue(c)), 4) << std::hex << c << " -> " << back;
    EXPECT_LE(std::abs(GetBValue(back) - GetBValue(c)), 4) << std::hex << c << " -> " << back;
  }
  for (int v : {0, 1, 77, 128, 254, 255}) EXPECT_EQ(HslToColor(ColorToHsl(RGB(v, v, v))), RGB(v, v, v));
}

TEST(ColorModel, AdjustLightnessDarkensBrightensAndNeverWraps) {
  EXPECT_EQ(AdjustLightness(RGB(100, 100, 100), -30), RGB(70, 70, 70));
  EXPECT_EQ(AdjustLightness(RGB(100, 100, 100), 30), RGB(130, 130, 130));
  TColor dark = AdjustLightness(RGB(200, 40, 40), -60);
  EXPECT_GT(GetRValue(dark), GetGValue(dark)) << "the hue survives";
  EXPECT_LT(GetRValue(dark), 200);
  // Darkened past black it stays black; brightened past white it stays white.
  EXPECT_EQ(AdjustLightness(RGB(40, 10, 10), -115), clBlack);
  EXPECT_EQ(AdjustLightness(RGB(30, 30, 30), -100), clBlack);
  EXPECT_EQ(AdjustLightness(RGB(200, 240, 250), 300), clWhite);
}
