// config.ini: read when the display is ready, section MISC written back at shutdown.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "core/Adf.h"
#include "media/Input.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

using namespace sw;

namespace {

const nlohmann::json DefaultKeys1 = {37, 39, 38, 49, 50, 65, 51, 52};
const nlohmann::json DefaultKeys2 = {73, 80, 79, 57, 48, 56, 55, 54};

void ExpectDefaults(nlohmann::json s) {
  EXPECT_EQ(s["timer_interval"], 30);
  EXPECT_EQ(s["sfx_volume"], 0);
  EXPECT_EQ(s["music_volume"], 0);
  EXPECT_EQ(s["gamma_offset"], 0);
  EXPECT_EQ(s["draw_pointers"], true);
  EXPECT_EQ(s["player1_joystick"], false);
  EXPECT_EQ(s["player2_joystick"], false);
  EXPECT_EQ(s["controls"]["player1"], DefaultKeys1);
  EXPECT_EQ(s["controls"]["player2"], DefaultKeys2);
}

}  // namespace

TEST(Config, AMissingFileGivesTheDefaultsQuietly) {
  TGameRoot game;
  auto s = game.Run("", 2);
  ExpectDefaults(s);
  EXPECT_FALSE(AnyErrorMentions(s, "config"));
  // Shutdown writes the settings, and only them.
  std::string written = game.ReadConfig();
  EXPECT_NE(written.find("[MISC]"), std::string::npos);
  EXPECT_NE(written.find("GAME_SPEED=30"), std::string::npos);
  EXPECT_NE(written.find("DRAW_POINTERS=1"), std::string::npos);
  EXPECT_EQ(written.find("PLAYER"), std::string::npos);
}

TEST(Config, AGarbledFileGivesTheDefaultsQuietly) {
  TGameRoot game;
  game.WriteConfig(std::string("\x01\xFF\xFEgarbage\0\n[MISC\nGAME_SPEED=fast\nSFX_VOLUME=\n=5\n[PLAYER1]\nTHRUST=up\n", 70));
  auto s = game.Run("", 2);
  ExpectDefaults(s);
  EXPECT_FALSE(AnyErrorMentions(s, "config"));
}

TEST(Config, ValuesAreReadAndHeldToTheirRanges) {
  TGameRoot game;
  game.WriteConfig(
      "[misc]\ngame_speed=-5\nSFX_VOLUME=-9000\nMUSIC_VOLUME=700\nGAMMA=0x7D0\nDRAW_POINTERS=0\n"
      "[PLAYER1]\nCON_TYPE=1\nTHRUST=87\n"
      "[PLAYER2]\nCON_TYPE=2\nTURN_LEFT=$41\nLOCK=75\n");
  auto s = game.Run("", 2);
  EXPECT_EQ(s["timer_interval"], 0);
  EXPECT_EQ(s["sfx_volume"], -4000);
  EXPECT_EQ(s["music_volume"], 0);
  EXPECT_EQ(s["gamma_offset"], 2000);
  EXPECT_EQ(s["gamma_ramp_sample"][0], 2000) << "the gamma offset is applied at start";
  EXPECT_EQ(s["draw_pointers"], false);
  EXPECT_EQ(s["player1_joystick"], true);
  EXPECT_EQ(s["player2_joystick"], false) << "control type 2 is the second pad, not the shared joystick";
  EXPECT_EQ(s["controls"]["pad_slots"], (nlohmann::json{1, 2}));
  EXPECT_EQ(s["controls"]["player1"], (nlohmann::json{37, 39, 87, 49, 50, 65, 51, 52}));
  EXPECT_EQ(s["controls"]["player2"], (nlohmann::json{65, 80, 79, 57, 48, 56, 55, 75}));
}

TEST(Config, SettingsChangedInPlayComeBackNextTimeAndPlayerSectionsStayAsWritten) {
  TGameRoot game;
  const std::string players =
      "[PLAYER1]\nCON_TYPE=1\nTHRUST=87\n; my own keys\n\n[PLAYER2]\nTURN_LEFT=65\nTURN_RIGHT=68\n";
  game.WriteConfig("[MISC]\nGAME_SPEED=25\nSFX_VOLUME=-400\nMUSIC_VOLUME=-800\nGAMMA=0\nDRAW_POINTERS=0\n\n" +
                   players);
  auto first = game.Run("1 key 32\n10 key 121 alt\n11 key 122 ctrl\n12 key 123 ctrl\n", 14);
  EXPECT_EQ(first["sfx_volume"], -800);
  EXPECT_EQ(first["music_volume"], -400);
  EXPECT_EQ(first["gamma_offset"], 1000);

  std::string written = game.ReadConfig();
  EXPECT_NE(written.find("SFX_VOLUME=-800"), std::string::npos) << written;
  EXPECT_NE(written.find("MUSIC_VOLUME=-400"), std::string::npos) << written;
  EXPECT_NE(written.find("GAMMA=1000"), std::string::npos) << written;
  EXPECT_NE(written.find("GAME_SPEED=25"), std::string::npos) << written;
  EXPECT_NE(written.find("DRAW_POINTERS=0"), std::string::npos) << written;
  EXPECT_NE(written.find("[PLAYER1]\nCON_TYPE=1\nTHRUST=87\n"), std::string::npos) << written;
  EXPECT_NE(written.find("[PLAYER2]\nTURN_LEFT=65\nTURN_RIGHT=68\n"), std::string::npos) << written;
  EXPECT_EQ(written.find("TURN_LEFT=37"), std::string::npos) << "player keys are never written";

  auto second = game.Run("", 2);
  EXPECT_EQ(second["timer_interval"], 25);
  EXPECT_EQ(second["sfx_volume"], -800);
  EXPECT_EQ(second["music_volume"], -400);
  EXPECT_EQ(second["gamma_offset"], 1000);
  EXPECT_EQ(second["draw_pointers"], false);
  EXPECT_EQ(second["player1_joystick"], true);
}

namespace {

// The main window on a game root of its own, without the runner.
struct TDirectGame {
  explicit TDirectGame(const std::string& root) {
    platform.Audio = &audio;
    platform.Now = [] { return std::time_t(0); };
    main = std::make_unique<TfmMain>(platform, root);
    main->FormCreate();
  }
  THeadlessAudio audio;
  TPlatform platform;
  std::unique_ptr<TfmMain> main;
};

}  // namespace

TEST(Config, NothingIsWrittenWhenTheSettingsWereNeverRead) {
  TGameRoot game;
  game.WriteConfig("[MISC]\nSFX_VOLUME=-1200\n");
  {
    TDirectGame g(game.Root());
    g.main->SfxVolume = 0;
  }  // shut down before the display was ever ready
  EXPECT_EQ(game.ReadConfig(), "[MISC]\nSFX_VOLUME=-1200\n");
}

TEST(Config, AFailedWriteAtShutdownIsReportedNotFatal) {
  TGameRoot game;
  std::filesystem::create_directories(game.Config());  // a folder where the file should be
  TDirectGame g(game.Root());
  g.main->DXDrawInitializeSurface();
  g.main->FormDestroy();
  bool reported = false;
  for (const auto& e : g.main->Errors) reported |= e.find("config.ini") != std::string::npos;
  EXPECT_TRUE(reported);
  AdfFlushCache();
}

TEST(Config, LeavingTheGameKeepsThePlayersFileAsHeWroteIt) {
  // Saved by a Windows editor: a byte-order mark, the player's keys first, comments, blank
  // lines, a key of his own, and a game speed far beyond any sense.
  TGameRoot game;
  const std::string bom = "\xEF\xBB\xBF";
  game.WriteConfig(bom +
                   "[PLAYER1]\r\n; WASD\r\nTURN_LEFT=65\r\nTURN_RIGHT=68\r\n\r\n"
                   "[MISC]\r\n; slow for my old machine\r\nGAME_SPEED=2147483647\r\nSFX_VOLUME=-400\r\nMY_NOTE=hello\r\n");
  auto s = game.Run("1 key 32\n10 key 121 ctrl\n", 12);
  EXPECT_EQ(s["controls"]["player1"][0], 65) << "the first section is read despite the mark";
  EXPECT_EQ(s["controls"]["player1"][1], 68);
  EXPECT_EQ(s["timer_interval"], 1000) << "the game speed is held at one second a frame";
  EXPECT_EQ(s["sfx_volume"], 0);
  EXPECT_EQ(game.ReadConfig(), bom +
                                   "[PLAYER1]\r\n; WASD\r\nTURN_LEFT=65\r\nTURN_RIGHT=68\r\n\r\n"
                                   "[MISC]\r\n; slow for my old machine\r\nGAME_SPEED=1000\r\nSFX_VOLUME=0\r\n"
                                   "MY_NOTE=hello\r\nMUSIC_VOLUME=0\r\nGAMMA=0\r\nDRAW_POINTERS=1\r\n"
                                   "PAD_DEADZONE=50\r\nPAD_SENSITIVITY=100\r\nNET_ADDRESS=\r\nNET_PORT=4520\r\n");

  // A file the player made read-only is left as it is, and the failed write is reported.
  const std::string before = game.ReadConfig();
  std::filesystem::permissions(game.Config(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  TDirectGame g(game.Root());
  g.main->DXDrawInitializeSurface();
  g.main->SfxVolume = -2000;
  g.main->FormDestroy();
  EXPECT_EQ(game.ReadConfig(), before);
  bool reported = false;
  for (const auto& e : g.main->Errors) reported |= e.find("config.ini") != std::string::npos;
  EXPECT_TRUE(reported);
  AdfFlushCache();
}
