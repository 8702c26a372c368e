// The key handler, driven through the headless game with scripted key presses.
#include <gtest/gtest.h>

#include "GameRun.h"
#include "media/Input.h"

using namespace sw;

namespace {

// Leaves the splash at tick 1; the menu is live from tick 5 on.
const std::string LeaveSplash = "1 key 32\n";

std::string Key(int tick, int vk, const std::string& mods = "") {
  return std::to_string(tick) + " key " + std::to_string(vk) + (mods.empty() ? "" : " " + mods) + "\n";
}

}  // namespace

TEST(KeyHandler, TheFirstKeyOnTheSplashOnlyLeavesIt) {
  TGameRoot game;
  auto s = game.Run(Key(1, vk::Escape) + Key(2, vk::F12, "ctrl") + Key(3, vk::F10, "alt"), 12);
  ASSERT_FALSE(s.contains("runner_failed"));
  EXPECT_EQ(s["game_state"], 2) << "the splash fades to the menu";
  EXPECT_EQ(s["pending_state"], 2) << "Escape on the splash opens no options screen";
  EXPECT_EQ(s["gamma_offset"], 0);
  EXPECT_EQ(s["sfx_volume"], 0);
}

TEST(KeyHandler, F9StillTakesAScreenshotOnTheSplash) {
  TGameRoot game;
  auto s = game.Run(Key(2, vk::F9), 12);
  EXPECT_EQ(s["game_state"], 2);
  EXPECT_TRUE(std::filesystem::exists(game.Screenshots() + "/image_8122026_1200.bmp")) << game.ScreenshotNames();
  EXPECT_TRUE(Played(s, "snapshot"));
}

TEST(KeyHandler, EscapeOpensTheOptionsAndEscapeThereGoesBack) {
  TGameRoot game;
  auto opened = game.Run(LeaveSplash + Key(10, vk::Escape), 16);
  EXPECT_EQ(opened["game_state"], 6);
  EXPECT_EQ(opened["options_return_state"], 2);

  auto back = game.Run(LeaveSplash + Key(10, vk::Escape) + Key(20, vk::Escape), 30);
  EXPECT_EQ(back["game_state"], 2);
}

TEST(KeyHandler, EscapeOnTheMenuDuringTheSplashFadeDoesNotOpenOptions) {
  TGameRoot game;
  // Still fading from the splash: the game is in the splash state until tick 5.
  auto s = game.Run(LeaveSplash + Key(3, vk::Escape), 16);
  EXPECT_EQ(s["game_state"], 2);
}

TEST(KeyHandler, SoundVolumeStepsStopAtTheirLimits) {
  TGameRoot game;
  auto up = game.Run(LeaveSplash + Key(10, vk::F10, "ctrl"), 12);  // no config.ini: full volume
  EXPECT_EQ(up["sfx_volume"], 0) << "F10 with Ctrl at full volume stays at 0";

  game.WriteConfig("[MISC]\nSFX_VOLUME=-3800\n");
  auto down = game.Run(LeaveSplash + Key(10, vk::F10, "alt"), 12);
  EXPECT_EQ(down["sfx_volume"], -4000);
  game.WriteConfig("[MISC]\nSFX_VOLUME=-3800\n");
  auto twice = game.Run(LeaveSplash + Key(10, vk::F10, "alt") + Key(11, vk::F10, "alt"), 12);
  EXPECT_EQ(twice["sfx_volume"], -4000);

  game.WriteConfig("[MISC]\nSFX_VOLUME=-2000\n");
  auto both = game.Run(LeaveSplash + Key(10, vk::F10, "ctrl alt"), 12);
  EXPECT_EQ(both["sfx_volume"], -1600) << "Ctrl wins over Alt";
  game.WriteConfig("[MISC]\nSFX_VOLUME=-2000\n");
  auto reset = game.Run(LeaveSplash + Key(10, vk::F10), 12);
  EXPECT_EQ(reset["sfx_volume"], 0);
  EXPECT_EQ(reset["music_volume"], 0);
}

TEST(KeyHandler, MusicVolumeStepsWithF11) {
  TGameRoot game;
  game.WriteConfig("[MISC]\nMUSIC_VOLUME=-1000\nSFX_VOLUME=-3000\n");
  auto s = game.Run(LeaveSplash + Key(10, vk::F11, "alt") + Key(11, vk::F11, "alt") + Key(12, vk::F11, "ctrl"), 14);
  EXPECT_EQ(s["music_volume"], -1400);
  EXPECT_EQ(s["sfx_volume"], -3000) << "F11 leaves the sound effects alone";
}

TEST(KeyHandler, BrightnessStepsWithF12) {
  TGameRoot game;
  std::string five;
  for (int t = 10; t < 15; ++t) five += Key(t, vk::F12, "ctrl");
  auto s = game.Run(LeaveSplash + five, 16);
  EXPECT_EQ(s["gamma_offset"], 5000);
  EXPECT_EQ(s["gamma_ramp_sample"][0], 5000) << "the darkest ramp entry is lifted by the offset";
  EXPECT_EQ(s["gamma_ramp_sample"][2], 65535) << "entries are held at full intensity";

  game.WriteConfig("");  // each run starts from a fresh config.ini
  auto down = game.Run(LeaveSplash + Key(10, vk::F12, "alt") + Key(11, vk::F12, "alt"), 16);
  EXPECT_EQ(down["gamma_offset"], -2000);
  EXPECT_EQ(down["gamma_ramp_sample"][0], 0);

  game.WriteConfig("");
  auto reset = game.Run(LeaveSplash + Key(10, vk::F12, "ctrl") + Key(11, vk::F12), 16);
  EXPECT_EQ(reset["gamma_offset"], 0);
  EXPECT_EQ(reset["gamma_ramp_sample"][0], 0);
}

TEST(KeyHandler, BrightnessBeyondAnyUseDoesNotOverflow) {
  TGameRoot game;
  game.WriteConfig("[MISC]\nGAMMA=2147483647\n");
  auto s = game.Run(LeaveSplash + Key(10, vk::F12, "ctrl"), 12);
  ASSERT_FALSE(s.contains("runner_failed")) << "no crash (the sanitizers stop on overflow)";
  EXPECT_GT(s["gamma_offset"].get<long long>(), 0);
  EXPECT_EQ(s["gamma_ramp_sample"][0], 65535);
}

// With a real battle on the game's own data: a private root linked to the built one.
#include "GameRootCopy.h"

TEST(KeyHandler, EscapeOnThePreBattleScreenStartsTheFightAndOpensTheOptions) {
  TGameRootCopy root;
  TTempFolder work;
  TGameRoot::WriteFile(work.Path + "/script.txt", "3 key 27\n");
  std::string json = work.Path + "/state.json";
  std::string cmd = std::string("'") + STARWAKE_HEADLESS + "' --root '" + root.Path + "' --battle-file '" + root.Path +
                    "bench/battle.adf' --seed 1 --ticks 10 --script '" + work.Path + "/script.txt' --state-json '" +
                    json + "' 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  auto s = nlohmann::json::parse(TGameRoot::ReadFile(json));
  EXPECT_EQ(s["game_state"], 6) << "the options screen opened in the same key press";
  EXPECT_EQ(s["options_return_state"], 5);
  ASSERT_TRUE(s["battle"].is_object());
  EXPECT_EQ(s["battle"]["phase"], 1) << "the pre-battle screen gave way to the fight";
  EXPECT_TRUE(Played(s, "MeleeMusic"));
}
