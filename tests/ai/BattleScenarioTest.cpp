// Six computer-flown ships over a planet in an asteroid field fight to a result through the
// runner, and leaving the result screen writes the outcome.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "GameRootCopy.h"
#include "core/Adf.h"

namespace {

struct TRun {
  TGameRootCopy Root;
  nlohmann::json Json;
  int Code = -1;
  void Go(long long ticks, const std::string& script) {
    const std::string keys = Root.Path + "keys.txt";
    std::ofstream(keys) << script;
    const std::string json = Root.Path + "state.json";
    const std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 7 --root " + Root.Path +
                            " --battle-file " + std::string(STARWAKE_SOURCE_DIR) + "/tests/ai/six_ships.adf --script " + keys + " --ticks " + std::to_string(ticks) +
                            " --state-json " + json + " 2>/dev/null";
    const int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(json);
    Json = nlohmann::json::parse(in);
  }
};

TEST(ComputerBattle, SixComputerShipsFightToAWinnerAndTheOutcomeIsWrittenOnEscape) {
  // Any key leaves the pre-battle screen; nobody touches the controls after that.
  TRun fight;
  fight.Go(3000, "2 key 32\n");
  ASSERT_EQ(fight.Code, 0);
  EXPECT_EQ(fight.Json["errors"], nlohmann::json::array());
  const auto& b = fight.Json["battle"];
  ASSERT_TRUE(b.is_object());
  EXPECT_EQ(b["phase"], 2) << "the fight is over";
  const int winner = b["winning_side"];
  ASSERT_TRUE(winner == 1 || winner == 2);
  int alive[3] = {0, 0, 0};
  for (const auto& o : b["objects"])
    if (o["kind"] == 1 && o["ai"] == true && !o["removed"] && !o["derelict"]) ++alive[o["side"].get<int>()];
  EXPECT_EQ(alive[3 - winner], 0) << "the losing side has nothing left that fights";
  EXPECT_GT(alive[winner], 0);

  // The same battle, left with Escape from the result screen.
  TRun leave;
  leave.Go(3002, "2 key 32\n3001 key 27\n");
  ASSERT_EQ(leave.Code, 0);
  EXPECT_TRUE(leave.Json["battle"].is_null()) << "the battle is gone";
  EXPECT_EQ(leave.Json["game_state"], 4) << "back on the dogfight set-up";
  const std::string outcome = leave.Root.Path + "outcome.adf";
  ASSERT_TRUE(std::filesystem::exists(outcome));
  EXPECT_EQ(sw::AdfReadInteger(outcome, "OUTCOME", "WINNING_SIDE", 0), winner);
  // Every flagship and escort of the battle file is listed with its side.
  int listed[3] = {0, 0, 0};
  for (const std::string& section : sw::AdfReadSections(outcome)) {
    const int side = sw::AdfReadInteger(outcome, section, "SIDE", 0);
    if (side == 1 || side == 2) ++listed[side];
  }
  EXPECT_GE(listed[1], 3);
  EXPECT_GE(listed[2], 3);
}

}  // namespace
