#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TempFolder.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

using namespace sw;

namespace {

void WriteWave(const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::string d = "RIFF";
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) d += static_cast<char>((v >> (8 * i)) & 0xFF); };
  auto u16 = [&](uint16_t v) { d += static_cast<char>(v & 0xFF); d += static_cast<char>(v >> 8); };
  u32(36 + 200);
  d += "WAVEfmt ";
  u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
  d += "data";
  u32(200);
  d.append(200, '\0');
  std::ofstream(path, std::ios::binary) << d;
}

// A main window over a small game root holding only the menu theme, and a config.ini.
class MainWindow : public ::testing::Test {
protected:
  void Start(int musicVolume = 0) {
    WriteWave(Root.Path + "/sounds/music/intro.wav");
    std::ofstream(Root.Path + "/config.ini") << "[MISC]\nMUSIC_VOLUME=" << musicVolume << "\n";
    TPlatform p;
    p.Audio = &Audio;
    p.Now = [] { return static_cast<std::time_t>(0); };
    Main = std::make_unique<TfmMain>(p, Root.Path + "/");
    Main->MusicVolume = musicVolume;
    Main->FormCreate();
    Main->DXDrawInitializeSurface();
  }
  int RampRed0() const { return Main->DXDraw->GetGammaRamp()[0][0]; }
  int RampGreen255() const { return Main->DXDraw->GetGammaRamp()[1][255]; }

  TTempFolder Root;
  THeadlessAudio Audio;
  std::unique_ptr<TfmMain> Main;
};


TEST_F(MainWindow, StartsInTheSplashWithoutCursorPlayingTheMenuTheme) {
  Start();
  EXPECT_EQ(Main->GameState, gsSplash);
  EXPECT_FALSE(Main->CursorVisible);
  EXPECT_EQ(Audio.Playing(), std::vector<std::string>{"MenuMusic"});
}

TEST_F(MainWindow, AFadeBrightensFourTicksSwitchesOnTheFifthAndDarkensBack) {
  Start();
  Main->SetGameState(gsMenu, false);
  std::vector<int> ramp;
  std::vector<int> state;
  for (int t = 0; t < 10; ++t) {
    Main->DXTimerTimer();
    ramp.push_back(RampRed0());
    state.push_back(Main->GameState);
  }
  EXPECT_EQ(ramp, (std::vector<int>{13200, 26400, 39600, 52800, 52800, 39600, 26400, 13200, 0, 0}));
  EXPECT_EQ(state, (std::vector<int>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2}));
  EXPECT_TRUE(Main->CursorVisible);
  // Brightening is clamped at full white.
  EXPECT_EQ(RampGreen255(), 65535);
}

TEST_F(MainWindow, ASecondRequestRestartsTheFadeWithTheNewTarget) {
  Start();
  Main->SetGameState(gsMenu, false);
  Main->DXTimerTimer();
  Main->DXTimerTimer();
  Main->DXTimerTimer();
  Main->SetGameState(gsCredits, false);
  EXPECT_EQ(Main->FadeOutStep, 0);
  Main->DXTimerTimer();
  EXPECT_EQ(RampRed0(), 13200);
  for (int t = 0; t < 4; ++t) Main->DXTimerTimer();
  EXPECT_EQ(Main->GameState, gsCredits);
}

TEST_F(MainWindow, TheGammaOffsetWaitsForTheEndOfTheFade) {
  Start();
  Main->GammaOffset = 3000;
  Main->SetGameState(gsMenu, false);
  for (int t = 0; t < 8; ++t) {
    Main->DXTimerTimer();
    EXPECT_EQ(RampRed0() % 13200, 0) << "tick " << t + 1;
  }
  Main->DXTimerTimer();
  EXPECT_EQ(RampRed0(), 3000);
}

TEST_F(MainWindow, GammaOffsetClampsEachEntry) {
  Start();
  Main->SetGammaOffset(2000);
  EXPECT_EQ(RampRed0(), 2000);
  EXPECT_EQ(RampGreen255(), 65535);
  Main->SetGammaOffset(-3000);
  EXPECT_EQ(RampRed0(), 0);
  EXPECT_EQ(RampGreen255(), 65535 - 3000);
  Main->SetGammaOffset(0);
  EXPECT_EQ(Main->DXDraw->GetGammaRamp(), Main->SavedGammaRamp);
}

TEST_F(MainWindow, NoMusicAtStartWhenTheMusicVolumeIsAtItsLowest) {
  Start(-4000);
  EXPECT_TRUE(Audio.Playing().empty());
  EXPECT_TRUE(Audio.Played().empty());
}

TEST_F(MainWindow, TheBattleAndTheCampaignStopTheMenuTheme) {
  Start();
  Main->SetGameState(gsDogfight, true);
  EXPECT_EQ(Audio.Playing(), std::vector<std::string>{"MenuMusic"});
  EXPECT_TRUE(Main->CursorVisible);
  Main->SetGameState(gsBattle, true);
  EXPECT_TRUE(Audio.Playing().empty());
  EXPECT_FALSE(Main->CursorVisible);
}

TEST_F(MainWindow, VolumesAreClampedAndMusicKeepsItsOwnVolume) {
  Start();
  Main->SfxVolume = -5000;
  Main->MusicVolume = -2000;
  Main->ApplySfxVolume();
  EXPECT_EQ(Main->SfxVolume, -4000);
  EXPECT_EQ(Main->DXWaveList->Find("MenuMusic").Volume(), -2000);
  Main->MusicVolume = 300;
  Main->ApplyMusicVolume();
  EXPECT_EQ(Main->MusicVolume, 0);
  EXPECT_NEAR(Audio.GainOf("MenuMusic"), 1.0, 1e-9);
}

TEST_F(MainWindow, AMissingFileIsReportedAndTheGameGoesOn) {
  Start();
  // Nothing but the menu theme exists in this root: every start-up picture is reported.
  ASSERT_FALSE(Main->Errors.empty());
  EXPECT_NE(Main->Errors.front().find("Cannot open file"), std::string::npos);
  size_t before = Main->Errors.size();
  Main->SetGameState(gsMenu, true);
  // The menu picture and the cursor are missing: both reported, and the tick still flips.
  Main->DXTimerTimer();
  ASSERT_EQ(Main->Errors.size(), before + 2);
  EXPECT_EQ(Main->Errors[before], "Image 'menu' not found");
  EXPECT_EQ(Main->Errors.back(), "Image 'cursor' not found");
  Main->DXTimerTimer();
  EXPECT_EQ(Main->TickCount, 2);
}

TEST_F(MainWindow, LosingActivationStopsTheTimerAndComingBackRestartsIt) {
  Start();
  Main->FormDeactivate();
  EXPECT_FALSE(Main->DXTimer.Enabled);
  EXPECT_FALSE(Main->DXDraw->CanDraw());
  Main->FormActivate();
  EXPECT_TRUE(Main->DXTimer.Enabled);
  EXPECT_TRUE(Main->DXDraw->CanDraw());
}

}  // namespace
