// The weapon families in whole battles through the runner: each pair of roster ships fires its
// weapons (or launches its craft), the launched objects are in the battle summary and on screen,
// and the fight comes to an end.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "GameRootCopy.h"
#include "media/BitmapFile.h"

namespace {

struct TRun {
  TGameRootCopy Root;
  nlohmann::json Json;
  int Code = -1;

  // Runs the battle file of this folder with the scripted keys for `ticks` frames.
  void Go(const std::string& battle, const std::string& keys, int ticks, const std::string& shots = "") {
    const std::string script = Root.Path + "keys.txt";
    std::ofstream(script) << "2 key 32\n" << keys;  // any key leaves the pre-battle screen
    const std::string json = Root.Path + "state.json";
    const std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 4 --root " + Root.Path + " --battle-file " +
                            STARWAKE_SOURCE_DIR + "/tests/weapons_fire/" + battle + ".adf --script " + script +
                            " --ticks " + std::to_string(ticks) + " --state-json " + json + " " + shots +
                            " 2>/dev/null";
    const int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(json);
    Json = nlohmann::json::parse(in);
  }
  std::string Shot(const std::string& name) const { return Root.Path + name; }
  // Ships of a class launched by a ship, whether flying or breaking up.
  std::vector<nlohmann::json> Craft(const std::string& cls, const std::string& launcher) const {
    std::vector<nlohmann::json> out;
    for (const auto& o : Json["battle"]["objects"])
      if (o["class"] == cls && o["launcher"] == launcher) out.push_back(o);
    return out;
  }
  // Objects of a kind launched by a ship.
  std::vector<nlohmann::json> Launched(int kind, const std::string& launcher) const {
    std::vector<nlohmann::json> out;
    for (const auto& o : Json["battle"]["objects"])
      if (o["kind"] == kind && o["launcher"] == launcher) out.push_back(o);
    return out;
  }
  const nlohmann::json& Object(const std::string& name) const {
    for (const auto& o : Json["battle"]["objects"])
      if (o["name"] == name) return o;
    static const nlohmann::json none;
    return none;
  }
};

// Whether the two screenshots differ within a few pixels of a world point at zoom 1 (where the
// camera does not move): the object there was drawn in one and not the other.
bool DrawnAt(const sw::TBitmap& with, const sw::TBitmap& without, double x, double y) {
  int differ = 0;
  for (int dy = -4; dy <= 4; ++dy)
    for (int dx = -4; dx <= 4; ++dx) {
      const int px = static_cast<int>(std::lround(x)) + dx, py = static_cast<int>(std::lround(y)) + dy;
      if (px < 0 || py < 0 || px >= with.Width || py >= with.Height) continue;
      differ += with.At(px, py) != without.At(px, py);
    }
  return differ > 0;
}

// Both players hold their first weapon: the twin railguns against the slug cannons.
const char* GunKeys = "4 down 49\n4 down 57\n";

TEST(FireScenario, DoubleGunsFireInPairsAreDrawnAndTheDuelEnds) {
  TRun firing, idle;
  firing.Go("guns", GunKeys, 30, "--shot 30:" + firing.Shot("fire.bmp"));
  idle.Go("guns", "", 30, "--shot 30:" + idle.Shot("idle.bmp"));
  ASSERT_EQ(firing.Code, 0);
  EXPECT_EQ(firing.Json["errors"], nlohmann::json::array());
  ASSERT_EQ(firing.Json["battle"]["zoom"], 1);
  const auto rails = firing.Launched(2, "player1ship");
  const auto slugs = firing.Launched(2, "player2ship");
  EXPECT_GE(rails.size(), 4u);
  EXPECT_GE(slugs.size(), 2u);
  EXPECT_EQ(rails.size() % 2, 0u) << "railgun shots leave in pairs";
  EXPECT_TRUE(idle.Launched(2, "player1ship").empty());
  const sw::TBitmap with = sw::LoadBitmapFile(firing.Shot("fire.bmp"));
  const sw::TBitmap without = sw::LoadBitmapFile(idle.Shot("idle.bmp"));
  int drawn = 0, flying = 0;
  for (const auto& group : {rails, slugs})
    for (const auto& o : group)
      if (o["dying"] == false) {
        ++flying;
        drawn += DrawnAt(with, without, o["x"], o["y"]);
      }
  EXPECT_GT(flying, 0);
  EXPECT_EQ(drawn, flying);

  TRun duel;
  duel.Go("guns", GunKeys, 900);
  EXPECT_EQ(duel.Json["errors"], nlohmann::json::array());
  EXPECT_EQ(duel.Json["battle"]["phase"], 2);
  EXPECT_NE(duel.Json["battle"]["winning_side"], 0);
}

TEST(FireScenario, MinesAreLaidBehindBothShipsAndTheFightEnds) {
  // The hauler runs up the screen laying limpet mines; the spore runner lays plasma mines.
  const char* keys = "4 down 38\n4 down 49\n4 down 57\n40 up 38\n";
  TRun run, idle;
  run.Go("mines", keys, 50, "--shot 50:" + run.Shot("mines.bmp"));
  idle.Go("mines", "4 down 38\n40 up 38\n", 50, "--shot 50:" + idle.Shot("idle.bmp"));
  EXPECT_EQ(run.Json["errors"], nlohmann::json::array());
  const auto limpets = run.Launched(2, "player1ship");
  const auto spores = run.Launched(2, "player2ship");
  ASSERT_FALSE(limpets.empty());
  ASSERT_FALSE(spores.empty());
  const double haulerY = run.Object("player1ship")["y"];
  const double runnerY = run.Object("player2ship")["y"];
  const sw::TBitmap with = sw::LoadBitmapFile(run.Shot("mines.bmp"));
  const sw::TBitmap without = sw::LoadBitmapFile(idle.Shot("idle.bmp"));
  for (const auto& m : limpets) {
    EXPECT_GT(m["y"].get<double>(), haulerY) << "laid behind a ship flying up";
    EXPECT_GT(m["vy"].get<double>(), 0);
    EXPECT_TRUE(DrawnAt(with, without, m["x"], m["y"]));
  }
  for (const auto& m : spores) EXPECT_GT(m["y"].get<double>(), runnerY);

  TRun fight;
  fight.Go("mines", keys, 600);
  EXPECT_EQ(fight.Json["errors"], nlohmann::json::array());
  EXPECT_EQ(fight.Json["battle"]["phase"], 2);
  EXPECT_NE(fight.Json["battle"]["winning_side"], 0);
}

TEST(FireScenario, AShuttleBoardsTheTugAndItsCrewTakeIt) {
  // The hauler launches its boarding shuttle backwards at a tug with one crew member left.
  const char* keys = "4 down 38\n4 down 50\n14 up 38\n20 up 50\n";
  TRun run;
  run.Go("craft", keys, 16, "--shot 16:" + run.Shot("craft.bmp"));
  EXPECT_EQ(run.Json["errors"], nlohmann::json::array());
  const auto shuttles = run.Launched(2, "player1ship");
  ASSERT_EQ(shuttles.size(), 1u);
  EXPECT_GT(shuttles[0]["vy"].get<double>(), 0) << "it leaves backwards";
  EXPECT_LT(run.Object("player1ship")["crew"].get<double>(), 26) << "its crew came from the hauler";

  TRun fight;
  fight.Go("craft", keys, 400);
  EXPECT_EQ(fight.Json["errors"], nlohmann::json::array());
  EXPECT_EQ(fight.Json["battle"]["phase"], 2);
  EXPECT_EQ(fight.Json["battle"]["winning_side"], 1);
  EXPECT_EQ(fight.Object("player2ship")["side"], 1) << "the tug was taken by boarding";
}

TEST(FireScenario, FightersAndDronesJoinTheBattleAsShips) {
  // The carrier launches fighters from the start; the damaged brood ship releases its crew.
  TRun run;
  run.Go("fighters", "4 down 49\n30 key 48\n", 60, "--shot 60:" + run.Shot("craft.bmp"));
  EXPECT_EQ(run.Json["errors"], nlohmann::json::array());
  const auto fighters = run.Craft("TFG_Kestrel", "player1ship");
  const auto drones = run.Craft("VSK_Broodling", "player2ship");
  ASSERT_GE(fighters.size(), 1u);
  for (const auto& f : fighters) {
    EXPECT_EQ(f["side"], 1);
    EXPECT_EQ(f["ai"], true);
  }
  EXPECT_EQ(drones.size(), 4u) << "one drone for each of the four crew";
  for (const auto& d : drones) EXPECT_EQ(d["side"], 2);
  EXPECT_EQ(run.Object("player2ship")["removed"], true) << "the mother ship is gone";
  EXPECT_EQ(run.Json["battle"]["phase"], 1) << "its drones fight on";
}

}  // namespace
