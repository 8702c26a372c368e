#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/Errors.h"
#include "media/BitmapFile.h"
#include "media/ImageDraw.h"
#include "media/ImageList.h"

using namespace sw;

namespace {

TBitmap Solid(int w, int h, uint32_t rgb) {
  TBitmap b;
  b.Width = w;
  b.Height = h;
  b.Pixels.assign(static_cast<size_t>(w) * h, rgb);
  return b;
}

std::string Save(const std::string& path, const TBitmap& b) {
  std::ofstream(path, std::ios::binary) << EncodeBitmap24(b);
  return path;
}

// A 4 x 2 picture whose top-left pixel is white and the rest black (the key).
TImageItem Marker() {
  TBitmap b = Solid(4, 2, 0);
  b.Pixels[0] = 0xFFFFFF;
  TImageItem item;
  item.AssignBitmap(b);
  item.MakeReady();
  return item;
}

const uint16_t White = 0xFFFF;

}  // namespace

TEST(ImageList, FindIgnoresLetterCaseAndNamesTheMissingImage) {
  TTempFolder dir;
  TDXImageList list;
  list.LoadImage("Cursor", Save(dir.Path + "/c.img", Solid(2, 2, 0xFF0000)), clBlack);
  EXPECT_EQ(&list.Find("cursor"), &list.Find("CURSOR"));
  EXPECT_EQ(list.IndexOf("cUrSoR"), 0);
  EXPECT_EQ(list.IndexOf("nothing"), -1);
  try {
    list.Find("nothing");
    FAIL();
  } catch (const EGameError& e) {
    EXPECT_STREQ(e.what(), "Image 'nothing' not found");
  }
}

TEST(ImageList, AMissingPictureIsReportedOnceAndThenDrawsNothing) {
  TTempFolder dir;
  TDXImageList list;
  std::vector<std::string> reported;
  list.OnMissing = [&](const std::string& m) { reported.push_back(m); };
  list.LoadImage("ship", Save(dir.Path + "/s.img", Solid(4, 4, 0xFFFFFF)), clBlack);
  TSurface surface(8, 8);
  // Frame after frame a screen asks for a picture that is not there: one report, no raise
  // after the first, and the pictures drawn after it still appear.
  EXPECT_THROW(list.Find("star2"), EGameError);
  for (int frame = 0; frame < 3; ++frame) {
    EXPECT_EQ(list.Lookup("a_left"), nullptr);
    EXPECT_NO_THROW(list.Find("STAR2").Draw(surface, 0, 0));
    EXPECT_EQ(list.Find("star2").Width(), 0);
    DrawCentered(surface, list, "a_left", 4, 4, 8, 8);
    DrawCentered(surface, list, "ship", 4, 4, 4, 4);
  }
  EXPECT_EQ(reported, std::vector<std::string>{"Image 'a_left' not found"});
  EXPECT_EQ(list.MissingNames(), (std::vector<std::string>{"star2", "a_left"}));
  EXPECT_EQ(surface.Row(4)[4], White);
  // Loaded again and lost again, it is a new fault and reported again.
  list.LoadImage("a_left", Save(dir.Path + "/a.img", Solid(2, 2, 0xFFFFFF)), clBlack);
  list.Remove("A_LEFT");
  EXPECT_FALSE(list.Has("a_left"));
  EXPECT_EQ(list.Lookup("a_left"), nullptr);
  EXPECT_EQ(reported.size(), 2u);
}

TEST(ImageList, ASheetGivesOnlyTheFramesInsideItWhateverTheCountsSay) {
  TTempFolder dir;
  TDXImageList list;
  const std::string path = Save(dir.Path + "/sheet.img", Solid(30, 10, 0x808080));
  // 100000 columns of 10 x 5 frames asked from a 30 x 10 sheet: three columns, two rows.
  list.CutSheet("boom", path, 5, 10, 2, 100000);
  EXPECT_EQ(list.Count(), 6);
  // A frame larger than the sheet is the whole sheet, once.
  list.CutSheet("huge", path, 100000, 100000, 100000, 100000);
  EXPECT_EQ(list.Count(), 7);
  EXPECT_EQ(list.Find("huge_1").Width(), 30);
  EXPECT_EQ(list.IndexOf("huge_2"), -1);
}

TEST(ImageList, LoadingAnExistingNameReloadsInPlace) {
  TTempFolder dir;
  TDXImageList list;
  list.LoadImage("a", Save(dir.Path + "/a.img", Solid(2, 2, 0x112233)), clBlack);
  list.LoadImage("b", Save(dir.Path + "/b.img", Solid(3, 3, 0x112233)), clBlack);
  list.LoadImage("A", Save(dir.Path + "/a2.img", Solid(5, 7, 0x445566)), clRed);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(0)->Width(), 5);
  EXPECT_EQ(list.At(0)->Height(), 7);
  EXPECT_EQ(list.At(0)->TransparentColor, clRed);
  EXPECT_EQ(list.At(1)->Name, "b");
}

TEST(ImageList, AMissingFileLeavesTheListAsItWas) {
  TTempFolder dir;
  TDXImageList list;
  EXPECT_THROW(list.LoadImage("x", dir.Path + "/none.img", clBlack), EGameError);
  EXPECT_EQ(list.Count(), 0);
}

TEST(ImageList, SheetsAreCutRowByRowAndAlwaysAppended) {
  TTempFolder dir;
  // A 3 x 2 sheet of 10 x 5 frames, each frame filled with its own colour.
  TBitmap sheet = Solid(30, 10, 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x) sheet.Pixels[y * 30 + x] = static_cast<uint32_t>(((y / 5) * 3 + x / 10 + 1) * 0x101010);
  std::string path = Save(dir.Path + "/sheet.img", sheet);
  TDXImageList list;
  list.CutSheet("boom", path, 5, 10, 2, 3);
  ASSERT_EQ(list.Count(), 6);
  for (int k = 1; k <= 6; ++k) {
    const TImageItem& f = list.Find("boom_" + std::to_string(k));
    EXPECT_EQ(f.Width(), 10);
    EXPECT_EQ(f.Height(), 5);
    EXPECT_EQ(f.Picture().At(4, 2), static_cast<uint32_t>(k * 0x101010)) << "frame " << k;
  }
  list.CutSheet("boom", path, 5, 10, 2, 3);
  EXPECT_EQ(list.Count(), 12);
  EXPECT_EQ(list.At(6)->Name, "boom_1");
  list.CutSheet("none", path, 5, 10, 0, 3);
  EXPECT_EQ(list.Count(), 12);
}

TEST(Blitting, PlainDrawSkipsTheKeyAndClips) {
  TSurface s(8, 8);
  s.Fill(0x1234);
  TImageItem img = Marker();
  img.Draw(s, 6, 7);
  EXPECT_EQ(s.Get(6, 7), White);
  EXPECT_EQ(s.Get(7, 7), 0x1234);  // key pixel left alone
  img.Draw(s, -1, 0);              // the white pixel is off the surface
  EXPECT_EQ(s.Get(0, 0), 0x1234);
  img.Draw(s, 100, 100);  // wholly off: nothing, no crash
}

TEST(Blitting, RotationTurnsClockwiseInQuarterSteps) {
  // An 8 x 8 image with one white pixel at the top middle, drawn about its centre at (20, 20).
  TBitmap b = Solid(8, 8, 0);
  b.Pixels[0 * 8 + 4] = 0xFFFFFF;
  TImageItem img;
  img.AssignBitmap(b);
  img.MakeReady();
  auto whiteAt = [&](int angle) {
    TSurface s(40, 40);
    img.DrawRotate(s, 20, 20, 8, 8, 0, 0.5, 0.5, angle);
    std::vector<std::pair<int, int>> found;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (s.Get(x, y) == White) found.emplace_back(x, y);
    return found;
  };
  auto up = whiteAt(0);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0], std::make_pair(20, 16));      // above the centre
  EXPECT_EQ(whiteAt(256), up);                    // a full turn draws like 0
  auto right = whiteAt(64);
  ASSERT_EQ(right.size(), 1u);
  EXPECT_EQ(right[0], std::make_pair(23, 20));    // a quarter turn clockwise: to the right
  auto down = whiteAt(128);
  ASSERT_EQ(down.size(), 1u);
  EXPECT_EQ(down[0], std::make_pair(19, 23));
}

TEST(Blitting, AlphaZeroDrawsNothingAndFullAlphaDrawsLikeAScaledCopy) {
  TImageItem img = Marker();
  TSurface a(16, 16), b(16, 16);
  a.Fill(0x0841);
  b.Fill(0x0841);
  img.DrawAlpha(a, Bounds(2, 2, 8, 4), 0, 0);
  EXPECT_EQ(a.Pixels, b.Pixels);
  img.DrawAlpha(a, Bounds(2, 2, 8, 4), 0, 255);
  // Scaled two times: the white pixel becomes a 2 x 2 block at the rectangle's corner.
  EXPECT_EQ(a.Get(2, 2), White);
  EXPECT_EQ(a.Get(3, 3), White);
  EXPECT_EQ(a.Get(4, 2), 0x0841);
  // Half alpha blends between the two.
  TSurface c(16, 16);
  img.DrawAlpha(c, Bounds(0, 0, 4, 2), 0, 128);
  int r = c.Get(0, 0) >> 11;
  EXPECT_GT(r, 10);
  EXPECT_LT(r, 22);
}

TEST(Blitting, NearBlackTurnsIntoTheKeyAfterConversion) {
  // A colour whose 16-bit form equals black is transparent against a black key.
  TBitmap b = Solid(1, 1, 0x070307);
  TImageItem img;
  img.AssignBitmap(b);
  img.MakeReady();
  TSurface s(1, 1);
  s.Fill(0x1111);
  img.Draw(s, 0, 0);
  EXPECT_EQ(s.Get(0, 0), 0x1111);
}
