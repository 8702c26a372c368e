#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "GameRootCopy.h"
#include "battle/Outcome.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

// Player 1 flies a gun ship toward player 2's damaged raider, turns, and holds fire.
const char* DuelScript =
    "2 key 32\n"   // leaves the pre-battle screen
    "5 down 38\n"  // thrust
    "25 up 38\n"
    "30 down 39\n"  // a little to the right
    "33 up 39\n"
    "34 down 37\n"  // and back
    "37 up 37\n"
    "40 down 49\n";  // weapon 1 held from here on

struct TRun {
  TGameRootCopy Root;
  nlohmann::json Json;
  int Code = -1;

  void Go(long long ticks, const std::string& extraScript, const std::string& shots = "") {
    std::string script = Root.Path + "keys.txt";
    std::ofstream(script) << DuelScript << extraScript;
    std::string json = Root.Path + "state.json";
    std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 11 --root " + Root.Path + " --battle-file " +
                      STARWAKE_SOURCE_DIR + "/tests/battle_loop/duel.adf --script " + script + " --ticks " +
                      std::to_string(ticks) + " --state-json " + json + " " + shots + " 2>/dev/null";
    int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(json);
    Json = nlohmann::json::parse(in);
  }
  const nlohmann::json* Object(const std::string& name) const {
    for (const auto& o : Json["battle"]["objects"])
      if (o["name"] == name) return &o;
    return nullptr;
  }
};

}  // namespace

TEST(BattleScenario, ShotsFlyWhileTheFireKeyIsHeldAndTheViewZoomsIn) {
  TRun run;
  run.Go(45, "");
  ASSERT_EQ(run.Code, 0);
  EXPECT_EQ(run.Json["errors"], nlohmann::json::array());
  const auto& b = run.Json["battle"];
  EXPECT_EQ(b["phase"], 1);
  EXPECT_EQ(b["zoom"], 3) << "the two ships are close enough for the close view";
  int shots = 0;
  for (const auto& o : b["objects"])
    if (o["kind"] == 2 && o["launcher"] == "player1ship") ++shots;
  EXPECT_GE(shots, 1);
  const auto* p1 = run.Object("player1ship");
  ASSERT_NE(p1, nullptr);
  EXPECT_LT((*p1)["y"].get<double>(), 470 * 3) << "thrust moved the ship up the screen";
  EXPECT_NE(std::find(run.Json["sounds"]["played"].begin(), run.Json["sounds"]["played"].end(), "MeleeMusic"),
            run.Json["sounds"]["played"].end());
}

TEST(BattleScenario, TheTargetExplodesSideOneWinsAndEscapeWritesTheOutcome) {
  TRun run;
  run.Go(56, "", "--shot 1:" + run.Root.Path + "pre.bmp --shot 44:" + run.Root.Path + "mid.bmp");
  // The explosion runs through its frames.
  const auto* p2 = run.Object("player2ship");
  ASSERT_NE(p2, nullptr);
  EXPECT_EQ((*p2)["dying"], true);
  EXPECT_GE((*p2)["explosion_frame"].get<int>(), 2);
  EXPECT_EQ(run.Json["battle"]["phase"], 1);

  TRun full;
  full.Go(200, "150 key 27\n", "--shot 120:" + full.Root.Path + "result.bmp");
  EXPECT_EQ(full.Json["errors"], nlohmann::json::array());
  EXPECT_EQ(full.Json["game_state"], 4) << "Escape returns to the dogfight set-up";
  EXPECT_EQ(full.Json["battle"], nullptr);
  auto played = full.Json["sounds"]["played"];
  EXPECT_NE(std::find(played.begin(), played.end(), "explosion1"), played.end());
  TBattleOutcome out = ReadOutcomeFile(full.Root.Path + "outcome.adf");
  EXPECT_EQ(out.WinningSide, 1);
  ASSERT_EQ(out.Ships.size(), 2u);
  EXPECT_EQ(out.Ships[0].Designation, "player1ship");
  EXPECT_EQ(out.Ships[0].Side, 1);
  EXPECT_EQ(out.Ships[0].Class, "MER_Skiff");
  EXPECT_GT(out.Ships[0].Damage, 0);
  EXPECT_GT(out.Ships[0].Crew, 0);
  EXPECT_EQ(out.Ships[1].Side, 2);
  EXPECT_EQ(out.Ships[1].Damage, 0);
  EXPECT_EQ(out.Ships[1].Class, "ZHA_Raider");
  EXPECT_GT(out.Salvage, 0);

  // The three screens: the pre-battle screen is mostly its own picture, the close view and the
  // result screen are drawn.
  for (const std::string name : {"pre.bmp", "mid.bmp"}) {
    TBitmap shot = LoadBitmapFile(run.Root.Path + name);
    EXPECT_EQ(shot.Width, 800);
    EXPECT_EQ(shot.Height, 600);
  }
  TBitmap result = LoadBitmapFile(full.Root.Path + "result.bmp");
  TBitmap pre = LoadBitmapFile(run.Root.Path + "pre.bmp");
  int differ = 0;
  for (size_t i = 0; i < result.Pixels.size(); i += 97) differ += result.Pixels[i] != pre.Pixels[i] ? 1 : 0;
  EXPECT_GT(differ, 1000) << "the result screen is not the pre-battle screen";
}

TEST(BattleScenario, ABattleFileWithoutBothFlagshipsIsReportedAndNothingIsWritten) {
  TGameRootCopy root;
  std::string file = root.Path + "broken.adf";
  std::ofstream(file) << "[MISC]\nTOTAL_SHIPS=1\n[SHIP1]\nSIDE=1\nDESIG=player1ship\nCLASS=TFG_Lancer\nRACE=TFG\n";
  std::string json = root.Path + "s.json";
  std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + root.Path + " --battle-file " + file +
                    " --ticks 3 --state-json " + json + " 2>/dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::ifstream in(json);
  auto j = nlohmann::json::parse(in);
  ASSERT_EQ(j["errors"].size(), 1u);
  EXPECT_NE(j["errors"][0].get<std::string>().find("player2ship"), std::string::npos);
  EXPECT_EQ(j["battle"], nullptr);
  EXPECT_EQ(j["game_state"], 1);
  EXPECT_FALSE(std::filesystem::exists(root.Path + "outcome.adf"));
}
