#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/Adf.h"

#include "media/headless/HeadlessAudio.h"
#include "screens/Splash.h"
#include "shell/fmMain.h"

using namespace sw;

namespace {

// The main window over the built game root.
class SplashScreen : public ::testing::Test {
protected:
  void SetUp() override {
    TPlatform p;
    p.Audio = &Audio;
    p.Now = [] { return static_cast<std::time_t>(0); };
    Main = std::make_unique<TfmMain>(p, STARWAKE_TEST_ROOT);
    Main->FormCreate();
    Main->DXDrawInitializeSurface();
  }
  // The colour of a screen pixel after the tick, as 0x00RRGGBB.
  uint32_t Pixel(int x, int y) { return Main->DXDraw->Frame()[static_cast<size_t>(y) * 800 + x]; }

  THeadlessAudio Audio;
  std::unique_ptr<TfmMain> Main;
};


TEST(SplashTimeline, CaptionsShowOnlyInsideTheirFrames) {
  for (int n : {170, 220, 240, 290, 310, 360, 0, 400}) EXPECT_EQ(TSplash::CaptionAt(n), "") << n;
  EXPECT_EQ(TSplash::CaptionAt(171), "PRESENTS");
  EXPECT_EQ(TSplash::CaptionAt(219), "PRESENTS");
  EXPECT_EQ(TSplash::CaptionAt(241), "A GAME BY");
  EXPECT_EQ(TSplash::CaptionAt(359), "THE STARWAKE TEAM");
}

TEST(SplashTimeline, StoryPanelsChangeEveryThousandFramesWithGapsBetween) {
  for (int n : {400, 1400, 2400, 3400, 4400, 4401}) EXPECT_EQ(TSplash::StoryPanelAt(n), 0) << n;
  EXPECT_EQ(TSplash::StoryPanelAt(401), 1);
  EXPECT_EQ(TSplash::StoryPanelAt(1399), 1);
  EXPECT_EQ(TSplash::StoryPanelAt(1401), 2);
  EXPECT_EQ(TSplash::StoryPanelAt(2401), 3);
  EXPECT_EQ(TSplash::StoryPanelAt(4399), 4);
}

TEST_F(SplashScreen, LetterboxBarsCoverTopAndBottomUntilFrame4400) {
  Main->Splash->FrameCounter = 1000;
  Main->DXTimerTimer();
  EXPECT_EQ(Pixel(400, 50), 0u);
  EXPECT_EQ(Pixel(400, 550), 0u);
  Main->Splash->FrameCounter = 4400;
  Main->DXTimerTimer();
  // No bars at all: the scrolled picture shows at the very top and bottom.
  int lit = 0;
  for (int x = 0; x < 800; x += 4) lit += Pixel(x, 2) != 0 ? 1 : 0;
  EXPECT_GT(lit, 100);
  EXPECT_TRUE(Main->Errors.empty()) << Main->Errors.front();
}

TEST_F(SplashScreen, TheSequenceEndsInTheMenuByItself) {
  Main->Splash->FrameCounter = 4500;
  Main->DXTimerTimer();
  EXPECT_EQ(Main->GameState, gsSplash);
  Main->DXTimerTimer();  // frame 4501: the immediate change
  EXPECT_EQ(Main->GameState, gsMenu);
  EXPECT_EQ(Main->FadeOutStep, 5);
  EXPECT_TRUE(Main->CursorVisible);
}

TEST_F(SplashScreen, MenuAndCreditsButtonsShareOneList) {
  EXPECT_EQ(Main->Splash->HitTest(376, 321), "start");
  EXPECT_EQ(Main->Splash->HitTest(487, 466), "exit");
  EXPECT_EQ(Main->Splash->HitTest(375, 330), "");  // the border is not the button
  EXPECT_EQ(Main->Splash->HitTest(60, 40), "back");
}

TEST_F(SplashScreen, AHugeLineCountDrawsOnlyTheLinesOnTheScreen) {
  TTempFolder dir;
  std::string text = "[INTRO1]\nLINES=%\n";
  for (int i = 1; i <= 40; ++i) text += "L" + std::to_string(i) + "=story line number " + std::to_string(i) + "\n";
  auto frameWith = [&](const std::string& lines) {
    std::string t = text;
    t.replace(t.find('%'), 1, lines);
    Main->Splash->IntroFile = dir.Path + "/intro.adf";
    std::ofstream(Main->Splash->IntroFile, std::ios::binary) << t;
    AdfFlushCache();
    Main->Splash->FrameCounter = 500;
    Main->DXTimerTimer();
    const auto& f = Main->DXDraw->Frame();
    return std::vector<uint32_t>(f.begin(), f.end());
  };
  const auto thirty = frameWith("30"), twentyNine = frameWith("29");
  EXPECT_NE(thirty, twentyNine) << "the thirtieth line, at y 585, is still on the screen";
  // Two hundred million lines: the frame is drawn at once, and looks like thirty.
  EXPECT_EQ(frameWith("200000000"), thirty);
  EXPECT_EQ(frameWith("31"), thirty);
  EXPECT_TRUE(Main->Errors.empty()) << Main->Errors.front();
}

}  // namespace
