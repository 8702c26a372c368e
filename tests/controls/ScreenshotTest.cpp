#include <gtest/gtest.h>

#include "GameRun.h"
#include "media/BitmapFile.h"
#include "media/Input.h"
#include "shell/Screenshot.h"

using namespace sw;

TEST(Screenshot, FileNamesHaveNoLeadingZerosOrSeparators) {
  std::tm t{};
  t.tm_mday = 8;
  t.tm_mon = 11;
  t.tm_year = 2026 - 1900;
  t.tm_hour = 4;
  t.tm_min = 20;
  t.tm_sec = 5;
  EXPECT_EQ(ScreenshotFileName(t), "image_8122026_4205.bmp");
  t.tm_mday = 31;
  t.tm_mon = 0;
  t.tm_year = 2027 - 1900;
  t.tm_hour = 23;
  t.tm_min = 59;
  t.tm_sec = 0;
  EXPECT_EQ(ScreenshotFileName(t), "image_3112027_23590.bmp");
}

TEST(Screenshot, F9SavesTheScreenAsAnEightHundredBySixHundredBitmap) {
  TGameRoot game;
  // Brightness raised first: the picture is saved as the player sees it.
  auto s = game.Run("1 key 32\n10 key 123 ctrl\n20 key 120\n", 22);
  std::string path = game.Screenshots() + "/image_8122026_1200.bmp";
  ASSERT_TRUE(std::filesystem::exists(path));
  TBitmap shot;
  std::string why;
  ASSERT_TRUE(DecodeBitmap(TGameRoot::ReadFile(path), shot, why)) << why;
  EXPECT_EQ(shot.Width, 800);
  EXPECT_EQ(shot.Height, 600);
  // Nothing is drawn on this bare game root, so every pixel is black lifted by the offset.
  int lifted = (1000 * 255 + 32767) / 65535;
  EXPECT_NEAR(static_cast<int>(shot.At(400, 300) & 0xFF), lifted, 1);
  EXPECT_TRUE(Played(s, "snapshot"));
}

TEST(Screenshot, AMissingFolderIsReportedAndTheGameGoesOn) {
  TGameRoot game(false);
  auto s = game.Run("1 key 32\n10 key 120\n10 key 123 ctrl\n", 12);
  EXPECT_TRUE(AnyErrorMentions(s, "screenshots/image_8122026_1200.bmp"));
  EXPECT_FALSE(Played(s, "snapshot"));
  EXPECT_EQ(s["game_state"], 2);
  EXPECT_FALSE(std::filesystem::exists(game.Screenshots()));
}
