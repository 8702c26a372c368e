#include <gtest/gtest.h>

#include <cmath>

#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/ColorModel.h"
#include "media/Drawing.h"
#include "media/ImageDraw.h"
#include "media/Markers.h"
#include "media/TextFit.h"
#include "WidgetTestImages.h"

using namespace sw;

namespace {

const uint16_t White565 = ColorTo565(clWhite);

struct DrawingTest : ::testing::Test {
  TSurface surface{800, 600};
  TDXImageList images;
  bool Painted(int x, int y) const { return surface.Get(x, y) != 0; }
  int CountPainted() const {
    int n = 0;
    for (uint16_t p : surface.Pixels) n += p != 0;
    return n;
  }
};


TEST_F(DrawingTest, DrawCenteredAtItsOwnSizeIsThePlainDraw) {
  AddSolidImage(images, "box", 20, 10, 0xFFFFFF);
  DrawCentered(surface, images, "box", 100, 50, 20, 10);
  // Top-left at (100 - 10, 50 - 5), exactly 20 x 10 pixels.
  EXPECT_TRUE(Painted(90, 45));
  EXPECT_TRUE(Painted(109, 54));
  EXPECT_FALSE(Painted(89, 45));
  EXPECT_FALSE(Painted(110, 54));
  EXPECT_FALSE(Painted(90, 44));
  EXPECT_FALSE(Painted(90, 55));
  EXPECT_EQ(CountPainted(), 200);
}

TEST_F(DrawingTest, DrawCenteredSkipsOnlyImagesWhollyOffTheScreen) {
  AddSolidImage(images, "box", 40, 20, 0xFFFFFF);
  DrawCentered(surface, images, "box", 810, 300, 40, 20);
  EXPECT_TRUE(Painted(790, 300)) << "the left part of an image centred at x = 810 shows";
  EXPECT_TRUE(Painted(799, 300));
  surface.Fill(0);
  DrawCentered(surface, images, "box", 821, 300, 40, 20);
  DrawCentered(surface, images, "box", -21, 300, 40, 20);
  DrawCentered(surface, images, "box", 400, -11, 40, 20);
  EXPECT_EQ(CountPainted(), 0);
  DrawCentered(surface, images, "box", -19, 300, 40, 20);
  EXPECT_TRUE(Painted(0, 300));
}

TEST_F(DrawingTest, DrawCenteredScalesTurnsAndBlends) {
  AddSolidImage(images, "box", 10, 10, 0xFFFFFF);
  // Opaque at another size: scaled to 40 x 20 around the centre.
  DrawCentered(surface, images, "box", 200, 200, 40, 20);
  EXPECT_TRUE(Painted(181, 191));
  EXPECT_TRUE(Painted(218, 208));
  EXPECT_FALSE(Painted(200, 185));
  // A quarter turn: the 40 x 20 box stands 20 x 40.
  surface.Fill(0);
  DrawCentered(surface, images, "box", 200, 200, 40, 20, 64);
  EXPECT_TRUE(Painted(200, 183));
  EXPECT_FALSE(Painted(183, 200));
  // Blended at another size without turning: scaled into the rectangle, dimmer than white.
  surface.Fill(0);
  DrawCentered(surface, images, "box", 200, 200, 40, 20, 0, 128);
  EXPECT_TRUE(Painted(181, 191));
  EXPECT_NE(surface.Get(200, 200), White565);
  EXPECT_FALSE(Painted(179, 200));
}

TEST_F(DrawingTest, RingsDarkenInwardAndStartBlack) {
  surface.Fill(ColorTo565(RGB(0, 0, 255)));  // a blue background shows the black rings
  DrawRings(surface, {100, 100}, RGB(200, 200, 200), false, 1, 20);
  // Diameters 20, 15, 10, 5: each circle passes through (100 - f div 2, 100).
  EXPECT_EQ(surface.Get(90, 100), ColorTo565(clBlack));
  EXPECT_EQ(surface.Get(93, 100), ColorTo565(RGB(194, 194, 194)));
  EXPECT_EQ(surface.Get(95, 100), ColorTo565(RGB(188, 188, 188)));
  EXPECT_EQ(surface.Get(98, 100), ColorTo565(RGB(182, 182, 182)));
  EXPECT_EQ(surface.Get(100, 100), ColorTo565(RGB(0, 0, 255))) << "rings are not filled";
}

TEST_F(DrawingTest, RingsOfALargerStepDarkenByThreeAndSkipBlack) {
  const uint16_t background = ColorTo565(RGB(0, 0, 255));
  surface.Fill(background);
  DrawRings(surface, {100, 100}, RGB(200, 200, 200), true, 2, 20);
  // Diameters 20 and 10 only.
  EXPECT_EQ(surface.Get(90, 100), background) << "the black outer ring is left out";
  EXPECT_EQ(surface.Get(95, 100), ColorTo565(RGB(197, 197, 197)));
  EXPECT_EQ(surface.Get(93, 100), background);
}

TEST_F(DrawingTest, RingsTurnBlackOnceTheColourCannotDarkenFurther) {
  const uint16_t background = ColorTo565(RGB(0, 0, 255));
  surface.Fill(background);
  DrawRings(surface, {100, 100}, RGB(10, 10, 10), false, 1, 20);
  EXPECT_EQ(surface.Get(93, 100), ColorTo565(RGB(4, 4, 4)));
  EXPECT_EQ(surface.Get(95, 100), ColorTo565(clBlack));
  EXPECT_EQ(surface.Get(98, 100), ColorTo565(clBlack));
  surface.Fill(background);
  DrawRings(surface, {100, 100}, RGB(10, 10, 10), true, 1, 20);
  EXPECT_EQ(surface.Get(95, 100), background);
  EXPECT_EQ(surface.Get(98, 100), background);
}

TEST_F(DrawingTest, RingsWithAStepBelowOneStillEnd) {
  DrawRings(surface, {100, 100}, clWhite, false, 0, 30);
  DrawRings(surface, {100, 100}, clWhite, false, -4, 30);
  EXPECT_TRUE(Painted(100 - 10, 100));  // f = 20, with the step taken as 1
}

TEST_F(DrawingTest, GlowLineHasWideDarkStrokesOnlyInTheCloseView) {
  const TColor c = RGB(120, 200, 255);
  TCanvas canvas(surface);
  DrawGlowLine(canvas, {100, 100}, {300, 100}, 1, c);
  EXPECT_EQ(surface.Get(200, 100), ColorTo565(c));
  EXPECT_FALSE(Painted(200, 101));

  surface.Fill(0);
  DrawGlowLine(canvas, {100, 100}, {300, 100}, 3, c);
  EXPECT_EQ(surface.Get(200, 100), ColorTo565(c)) << "the core is the colour itself";
  EXPECT_EQ(surface.Get(200, 101), ColorTo565(AdjustLightness(c, -65)));
  EXPECT_EQ(surface.Get(200, 103), ColorTo565(AdjustLightness(c, -100)));
  EXPECT_EQ(surface.Get(200, 106), ColorTo565(AdjustLightness(c, -115)));
  EXPECT_FALSE(Painted(200, 109));
}

TEST_F(DrawingTest, GlowLinePairDrawsStrokeByStroke) {
  const TColor c = RGB(255, 120, 60);
  TCanvas canvas(surface);
  // Two parallel segments 4 pixels apart: the second's wide strokes must not cover the first's core.
  DrawGlowLinePair(canvas, {100, 100}, {300, 100}, {100, 104}, {300, 104}, 3, c);
  EXPECT_EQ(surface.Get(200, 100), ColorTo565(c));
  EXPECT_EQ(surface.Get(200, 104), ColorTo565(c));
}

TEST_F(DrawingTest, LightningRunsFromStartToEndWithinItsJitter) {
  RandSeed(7);
  const TColor c = RGB(200, 220, 255);
  TCanvas canvas(surface);
  DrawLightning(canvas, {100, 300}, {500, 300}, false, 30, 1, 1, c);
  EXPECT_TRUE(Painted(100, 300)) << "the bolt starts at the start";
  // The last segment ends at the end point (the end pixel itself is not painted).
  bool nearEnd = false;
  for (int dx = -2; dx <= 0; ++dx)
    for (int dy = -2; dy <= 2; ++dy) nearEnd |= Painted(500 + dx, 300 + dy);
  EXPECT_TRUE(nearEnd);
  // The brightest bolt wanders at most 7 pixels off the line, and is in the colour itself.
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x)
      if (Painted(x, y)) {
        ASSERT_LE(std::abs(y - 300), 8) << x << "," << y;
        ASSERT_EQ(surface.Get(x, y), ColorTo565(c));
      }
}

TEST_F(DrawingTest, LightningDrawsDimmerBoltsBeneathTheBrightest) {
  RandSeed(11);
  const TColor c = RGB(255, 255, 120);
  TCanvas canvas(surface);
  DrawLightning(canvas, {100, 300}, {500, 300}, false, 30, 3, 1, c);
  int bright = 0, dimmer = 0, other = 0;
  for (uint16_t p : surface.Pixels) {
    if (p == 0) continue;
    if (p == ColorTo565(c)) ++bright;
    else if (p == ColorTo565(AdjustLightness(c, -30)) || p == ColorTo565(AdjustLightness(c, -60))) ++dimmer;
    else ++other;
  }
  EXPECT_GT(bright, 300);
  EXPECT_GT(dimmer, 100);
  EXPECT_EQ(other, 0);
}

TEST_F(DrawingTest, TriangleMarkerPointsDownAtTheObject) {
  // Object at (100, 100), 40 high, unit 2: apex (100, 72), base row 66, half-width 6.
  DrawTriangleMarker(surface, 100, 100, true, 1, 2, 40);
  const uint16_t lit = ColorTo565(MarkerColor(1, true));
  EXPECT_EQ(surface.Get(100, 69), lit);
  EXPECT_EQ(surface.Get(97, 67), lit);
  EXPECT_EQ(surface.Get(103, 67), lit);
  EXPECT_FALSE(Painted(100, 74));
  EXPECT_FALSE(Painted(100, 64));
  EXPECT_FALSE(Painted(96, 71)) << "narrow at the apex";
}

TEST_F(DrawingTest, CircleAndCrossMarkersSitAboveTheObject) {
  // Circle: box (100 - 12, 80 - 12) to (100, 80) for unit 2, object top at 80.
  DrawCircleMarker(surface, 100, 100, false, 2, 2, 40);
  const uint16_t dim2 = ColorTo565(MarkerColor(2, false));
  EXPECT_EQ(surface.Get(94, 74), dim2);
  EXPECT_FALSE(Painted(100, 74));
  EXPECT_FALSE(Painted(94, 81));

  surface.Fill(0);
  // Cross: unit 1, r = 100 - 20 - 4 = 76, strokes from (97, 76) to (103, 70) and (97, 70) to (103, 76).
  DrawCrossMarker(surface, 100, 100, true, 5, 1, 40);
  const uint16_t neutral = ColorTo565(MarkerColor(5, true));
  EXPECT_EQ(surface.Get(97, 76), neutral);
  EXPECT_EQ(surface.Get(97, 70), neutral);
  EXPECT_EQ(surface.Get(100, 73), neutral);
  EXPECT_FALSE(Painted(100, 71)) << "the cross is not filled";
}

TEST_F(DrawingTest, MapMarkerIsASmallTrianglePointingDown) {
  const TColor c = RGB(255, 128, 0);
  DrawMapMarker(surface, 200, 100, c);
  const uint16_t p = ColorTo565(c);
  EXPECT_EQ(surface.Get(204, 100), p);
  EXPECT_FALSE(Painted(203, 100));
  EXPECT_EQ(surface.Get(203, 99), p);
  EXPECT_EQ(surface.Get(205, 99), p);
  EXPECT_FALSE(Painted(206, 99));
  EXPECT_EQ(surface.Get(201, 97), p);
  EXPECT_EQ(surface.Get(207, 97), p);
  EXPECT_FALSE(Painted(200, 97));
  EXPECT_FALSE(Painted(208, 97));
  EXPECT_EQ(CountPainted(), 1 + 3 + 5 + 7);
}

TEST_F(DrawingTest, CornerBracketsFrameTheBox) {
  DrawCornerBrackets(surface, 100, 100, 20, 10);
  const uint16_t p = ColorTo565(RGB(185, 255, 162));
  // Top-left: row 93 from x 88 out to 86, then down column 86 toward row 96.
  EXPECT_EQ(surface.Get(88, 93), p);
  EXPECT_EQ(surface.Get(86, 93), p);
  EXPECT_EQ(surface.Get(86, 95), p);
  // Bottom-right: row 107 from 112 out to 114, then up column 114 toward row 104.
  EXPECT_EQ(surface.Get(112, 107), p);
  EXPECT_EQ(surface.Get(114, 105), p);
  EXPECT_FALSE(Painted(100, 93)) << "only the corners are drawn";
  EXPECT_FALSE(Painted(86, 100));
}

TEST_F(DrawingTest, CrewIconsForBothSides) {
  AddSolidImage(images, "man_alive", 2, 2, 0x00FF00);
  AddSolidImage(images, "man_alive_not", 2, 2, 0x808080);
  AddSolidImage(images, "man_marine", 2, 2, 0xFF0000);
  const uint16_t alive = ColorTo565(RGB(0, 255, 0)), lost = ColorTo565(RGB(128, 128, 128)),
                 marine = ColorTo565(RGB(255, 0, 0));
  DrawCrewIcons(surface, images, 5, 1, 2, 3);
  const int xs[] = {100, 107, 114, 121, 128, 135, 142};
  const uint16_t want[] = {alive, alive, alive, lost, lost, marine, marine};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(surface.Get(xs[i], 33), want[i]) << "icon " << i;
  EXPECT_FALSE(Painted(149, 33));

  surface.Fill(0);
  DrawCrewIcons(surface, images, 2, 2, 1, 4);  // more crew than capacity: none missing
  EXPECT_EQ(surface.Get(693, 33), alive);
  EXPECT_EQ(surface.Get(672, 33), alive);
  EXPECT_EQ(surface.Get(665, 33), marine);
  EXPECT_FALSE(Painted(658, 33));
}

TEST_F(DrawingTest, CrewIconsStopAtTheEdgeOfTheScreen) {
  AddSolidImage(images, "man_alive", 2, 2, 0x00FF00);
  AddSolidImage(images, "man_alive_not", 2, 2, 0x808080);
  AddSolidImage(images, "man_marine", 2, 2, 0xFF0000);
  DrawCrewIcons(surface, images, 0, 1, 2000000000, 2000000000);
  EXPECT_TRUE(Painted(100, 33));
  EXPECT_TRUE(Painted(793, 33));
}

TEST_F(DrawingTest, FitTextCutsToTheWidthWithAnEllipsis) {
  TCanvas canvas(surface);
  canvas.Font.Size = 8;
  const std::string text = "ABCDEFGHIJKLMN";  // 14 characters
  int nine = canvas.TextWidth("ABCDEFGHI...");
  ASSERT_LT(nine, canvas.TextWidth("ABCDEFGHIJ..."));
  EXPECT_EQ(FitText(canvas, text, nine), "ABCDEFGHI...");
  EXPECT_EQ(FitText(canvas, text, nine - 1), "ABCDEFGH...");
  EXPECT_EQ(FitText(canvas, text, canvas.TextWidth(text)), text) << "text that just fits is kept whole";
  EXPECT_EQ(FitText(canvas, text, 1), "...") << "too narrow for anything: no endless loop";
  EXPECT_EQ(FitText(canvas, "Caf\xC3\xA9 du Monde", canvas.TextWidth("Caf...")), "Caf...");
}

TEST_F(DrawingTest, TextCenteredAcrossTheScreen) {
  TCanvas canvas(surface);
  canvas.Font.Size = 12;
  canvas.Font.Color = clWhite;
  canvas.Brush.Style = TBrushStyle::bsClear;
  DrawTextCentered(canvas, 100, "Mission complete");
  int left = 800, right = -1;
  for (int y = 100; y < 130; ++y)
    for (int x = 0; x < 800; ++x)
      if (Painted(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, 0);
  EXPECT_NEAR((left + right) / 2.0, 400, 3);
  EXPECT_FALSE(Painted(400, 99)) << "text starts at row y";
}

// A range circle's outline: one wider than the screen around it draws nothing, one crossing the
// screen draws its arc there, exactly on its radius.
TEST_F(DrawingTest, AnOutlineIsDrawnWhereItCrossesTheSurfaceOnly) {
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = clWhite;
  c.Ellipse(400 - 1000, 300 - 1000, 400 + 1000, 300 + 1000);
  EXPECT_EQ(CountPainted(), 0);
  c.Ellipse(100 - 600, 100 - 600, 100 + 600, 100 + 600);
  EXPECT_GT(CountPainted(), 300);
  for (int x = 0; x < 800; ++x)
    for (int y = 0; y < 600; ++y)
      if (Painted(x, y)) { EXPECT_NEAR(std::hypot(x - 99.5, y - 99.5), 599.5, 1.5) << x << "," << y; }
}

}  // namespace
