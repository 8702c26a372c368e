// Battles through the headless runner, one per family of beams and devices: each is flown by
// scripted keys (player 1: "1" and "2"; player 2: "9" and "0"), must end with a winner, and its
// screenshots must show the effect drawn.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "GameRootCopy.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

struct TRun {
  TGameRootCopy Root;
  nlohmann::json Json;
  int Code = -1;

  // Runs the battle file of this folder with the script (the first key leaves the pre-battle
  // screen) and takes a screenshot after each tick listed.
  void Go(const std::string& battle, const std::string& script, int ticks, std::vector<int> shots = {}) {
    const std::string keys = Root.Path + "keys.txt";
    std::ofstream(keys) << "2 key 32\n" << script;
    const std::string json = Root.Path + "state.json";
    std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 4 --root " + Root.Path + " --battle-file " +
                      STARWAKE_SOURCE_DIR + "/tests/weapons_beams/" + battle + " --script " + keys + " --ticks " +
                      std::to_string(ticks) + " --state-json " + json;
    for (int t : shots) cmd += " --shot " + std::to_string(t) + ":" + Shot(t);
    cmd += " 2>/dev/null";
    const int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(json);
    Json = nlohmann::json::parse(in);
  }
  std::string Shot(int tick) const { return Root.Path + "shot" + std::to_string(tick) + ".bmp"; }
  const nlohmann::json& Object(const std::string& name) const {
    for (const auto& o : Json["battle"]["objects"])
      if (o["name"] == name) return o;
    throw std::runtime_error("no object " + name);
  }
  // The battle is over and the side won; nothing went wrong on the way.
  void ExpectWinner(int side) const {
    EXPECT_EQ(Code, 0);
    EXPECT_EQ(Json["errors"], nlohmann::json::array());
    ASSERT_FALSE(Json["battle"].is_null());
    EXPECT_EQ(Json["battle"]["phase"], 2);
    EXPECT_EQ(Json["battle"]["winning_side"], side);
  }
};

// Pixels of the shot inside the rectangle for which the test holds.
int Count(const TBitmap& bmp, int left, int top, int right, int bottom, const std::function<bool(int, int, int)>& test) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const uint32_t p = bmp.At(x, y);
      n += test((p >> 16) & 255, (p >> 8) & 255, p & 255);
    }
  return n;
}

TEST(BeamScenario, APrismLanceBurnsDownAZealotInAGlowingAquaLine) {
  TRun run;
  run.Go("beams.adf", "5 down 49\n", 60, {8});
  run.ExpectWinner(1);
  EXPECT_TRUE(run.Object("player2ship")["removed"]);
  // Between the two ships, in the middle of the screen, the beam's aqua core and glow.
  const TBitmap shot = LoadBitmapFile(run.Shot(8));
  EXPECT_GT(Count(shot, 390, 200, 410, 400, [](int r, int g, int b) { return r < 120 && g > 150 && b > 150; }), 150);
}

TEST(BeamScenario, AChainOfLightningAndADrainMeetBetweenTwoShips) {
  TRun run;
  run.Go("lightning.adf", "4 down 49\n4 down 57\n", 120, {7});
  run.ExpectWinner(1);
  // Fuchsia chain lightning and red drain bolts between the ships; nothing of either colour
  // away from the line that joins them.
  const TBitmap shot = LoadBitmapFile(run.Shot(7));
  auto fuchsia = [](int r, int g, int b) { return r > 150 && b > 150 && g < 100; };
  auto red = [](int r, int g, int b) { return r > 150 && g < 60 && b < 60; };
  EXPECT_GT(Count(shot, 300, 250, 480, 380, fuchsia), 30);
  EXPECT_GT(Count(shot, 300, 250, 480, 380, red), 30);
  EXPECT_EQ(Count(shot, 0, 420, 800, 600, fuchsia), 0);
}

TEST(DeviceScenario, ARageCoreRingsOutAndDestroysItsOwnShip) {
  TRun run;
  run.Go("waves.adf", "5 key 50\n6 key 48\n", 120, {12});
  run.ExpectWinner(1);
  EXPECT_TRUE(run.Object("player2ship")["removed"]) << "the raging ship goes with its wave";
  EXPECT_FALSE(run.Object("player1ship")["removed"]);
  // The rage rings (dark red) around the ship on the right.
  const TBitmap shot = LoadBitmapFile(run.Shot(12));
  EXPECT_GT(Count(shot, 560, 200, 800, 400, [](int r, int g, int b) { return r > 90 && g < 40 && b < 40; }), 200);
}

TEST(DeviceScenario, ShieldsUpTheGreenOverlayShowsAndTheTimedShieldDrinksTheFirstHits) {
  TRun bare, run;
  bare.Go("shields.adf", "5 key 48\n", 26, {26});
  run.Go("shields.adf", "4 key 50\n5 key 48\n30 down 49\n", 120, {26});
  run.ExpectWinner(1);
  // The same moment with and without the green shield: around the player's ship (the lower
  // middle of the close view) the shielded picture is greener.
  const TBitmap without = LoadBitmapFile(bare.Shot(26)), with = LoadBitmapFile(run.Shot(26));
  int greener = 0;
  for (int y = 380; y < 520; ++y)
    for (int x = 330; x < 470; ++x) greener += ((with.At(x, y) >> 8) & 255) > ((without.At(x, y) >> 8) & 255) + 20;
  EXPECT_GT(greener, 300);
  TRun mid;
  mid.Go("shields.adf", "4 key 50\n5 key 48\n", 26);
  EXPECT_TRUE(mid.Object("player1ship")["device_on"]);
  EXPECT_TRUE(mid.Object("player2ship")["device_on"]);
}

TEST(DeviceScenario, ACloakAndARockDisguiseHideTheirShipsUntilABeamFindsTheCloakedOne) {
  TRun mid;
  mid.Go("cloaks.adf", "4 key 50\n5 key 48\n", 35, {35});
  EXPECT_EQ(mid.Json["errors"], nlohmann::json::array());
  for (const char* name : {"player1ship", "player2ship"}) {
    EXPECT_TRUE(mid.Object(name)["cloaked"]) << name;
    EXPECT_EQ(mid.Object(name)["opacity"], 255) << name;
  }
  // Two pilots share the screen: the cloaked ship is not drawn at all, and the disguised one is
  // a grey rock: nothing on screen shows the cloaked ship's pointer or the other's own colours.
  const TBitmap shot = LoadBitmapFile(mid.Shot(35));
  EXPECT_EQ(Count(shot, 0, 90, 800, 600, [](int r, int g, int b) { return r > 200 && g < 150 && b > 150; }), 0);

  TRun run;
  run.Go("cloaks.adf", "4 key 50\n5 key 48\n40 key 48\n65 down 57\n", 150, {67});
  run.ExpectWinner(2);
  const TBitmap beam = LoadBitmapFile(run.Shot(67));
  EXPECT_GT(Count(beam, 370, 100, 430, 400, [](int r, int g, int b) { return r > 200 && g > 150 && b < 120; }), 200)
      << "the twin lance's glow";
}

TEST(DeviceScenario, APhaseStepDimsJumpsAndReturnsWhileTheEnemyRagesItselfToDeath) {
  TRun dim;
  dim.Go("devices.adf", "4 key 50\n", 12);
  EXPECT_EQ(dim.Object("player1ship")["opacity"], 30);
  EXPECT_EQ(dim.Object("player1ship")["x"], 200.0);
  TRun run;
  run.Go("devices.adf", "4 key 50\n30 key 48\n", 120);
  run.ExpectWinner(1);
  const auto& ship = run.Object("player1ship");
  EXPECT_EQ(ship["opacity"], 255);
  EXPECT_TRUE(ship["x"] != 200.0 || ship["y"] != 300.0) << "it jumped";
}

}  // namespace
