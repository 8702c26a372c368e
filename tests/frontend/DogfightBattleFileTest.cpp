// The battle file a dogfight writes: which ship goes into which section, the designations,
// sides, computer flags, add-on prefixes, the asteroid count and the planet.
#include <filesystem>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "battle/BattleFile.h"
#include "core/Adf.h"
#include "core/Numbers.h"
#include "screens/DogfightBattleFile.h"

using namespace sw;

namespace {

class DogfightBattleFile : public ::testing::Test {
protected:
  void SetUp() override {
    SetFixedSeed(11);
    Path = Folder.Path + "/battle.adf";
  }
  void TearDown() override {
    SetFixedSeed(std::nullopt);
    AdfFlushCache();
  }
  static TFleetShip Ship(const std::string& cls, const std::string& race, const std::string& prefix = "") {
    return TFleetShip{cls, race, prefix};
  }
  std::string Read(const std::string& section, const std::string& key) {
    return AdfReadString(Path, section, key, "<missing>");
  }
  int ReadInt(const std::string& section, const std::string& key) { return AdfReadInteger(Path, section, key, -999); }

  TTempFolder Folder;
  std::string Path;
};


TEST_F(DogfightBattleFile, AMissingFlagshipDeletesTheOldFileAndWritesNothing) {
  for (int missing : {0, 3}) {
    std::filesystem::remove(Path);
    AdfWriteString(Path, "MISC", "TOTAL_SHIPS", "2");  // an old battle
    TDogfightBattle b;
    for (int s = 0; s < 6; ++s)
      if (s != missing) b.Slots[s] = Ship("TFG_Lancer", "TFG");
    EXPECT_FALSE(WriteDogfightBattle(Path, b)) << missing;
    EXPECT_FALSE(std::filesystem::exists(Path)) << missing;
  }
}

TEST_F(DogfightBattleFile, TwoFlagshipsAloneMakeATwoShipBattle) {
  TDogfightBattle b;
  b.Slots[0] = Ship("TFG_Lancer", "TFG");
  b.Slots[3] = Ship("VSK_Spore", "VSK");
  ASSERT_TRUE(WriteDogfightBattle(Path, b));
  EXPECT_EQ(ReadInt("MISC", "TOTAL_SHIPS"), 2);
  EXPECT_FALSE(AdfSectionExists(Path, "SHIP3"));
  EXPECT_EQ(Read("SHIP1", "CLASS"), "TFG_Lancer");
  EXPECT_EQ(Read("SHIP1", "DESIG"), "player1ship");
  EXPECT_EQ(Read("SHIP2", "DESIG"), "player2ship");
  EXPECT_EQ(Read("SHIP2", "RACE"), "VSK");
  for (auto [section, side, x, angle] : {std::tuple{"SHIP1", 1, 50, 90}, {"SHIP2", 2, 750, 270}}) {
    EXPECT_EQ(ReadInt(section, "SIDE"), side);
    EXPECT_EQ(ReadInt(section, "XPOS"), x);
    EXPECT_EQ(ReadInt(section, "ANGLE"), angle);
  }
  // The battle reads it back as a fight between the two flagships.
  TBattleSetup setup = ReadBattleFile(Path);
  EXPECT_NO_THROW(RequireFlagships(setup, Path));
  EXPECT_EQ(setup.Ships.size(), 2u);
}

TEST_F(DogfightBattleFile, SupportShipsAlternateSidesFirstSupportsFirst) {
  TDogfightBattle b;
  b.Slots[0] = Ship("F1", "R1");
  b.Slots[1] = Ship("S2", "R1");
  b.Slots[2] = Ship("S3", "R1");
  b.Slots[3] = Ship("F4", "R2");
  b.Slots[4] = Ship("S5", "R2");
  b.Slots[5] = Ship("S6", "R2", "add-ons\\meridian\\");
  b.Side1Computer = true;
  b.Side2Computer = false;
  ASSERT_TRUE(WriteDogfightBattle(Path, b));
  EXPECT_EQ(ReadInt("MISC", "TOTAL_SHIPS"), 6);
  // The flagships follow the side switches; the computer always flies the support ships.
  EXPECT_EQ(Read("SHIP1", "AI"), "1");
  EXPECT_EQ(Read("SHIP2", "AI"), "0");
  for (int n = 3; n <= 6; ++n) EXPECT_EQ(Read("SHIP" + std::to_string(n), "AI"), "1") << n;
  // Add-on ships carry their folder, base ships none.
  EXPECT_EQ(Read("SHIP6", "PREFIX"), "add-ons\\meridian\\");
  EXPECT_EQ(ReadBattleFile(Path).Ships[5].Prefix, "add-ons\\meridian\\");
  EXPECT_EQ(Read("SHIP5", "PREFIX"), "");
  const std::pair<const char*, int> expected[] = {{"S2", 1}, {"S5", 2}, {"S3", 1}, {"S6", 2}};
  for (int n = 3; n <= 6; ++n) {
    const std::string section = "SHIP" + std::to_string(n);
    EXPECT_EQ(Read(section, "CLASS"), expected[n - 3].first) << section;
    EXPECT_EQ(ReadInt(section, "SIDE"), expected[n - 3].second) << section;
    EXPECT_EQ(Read(section, "DESIG"), "ship" + std::to_string(n));
    EXPECT_EQ(ReadInt(section, "XPOS"), expected[n - 3].second == 1 ? 50 : 750);
    EXPECT_EQ(ReadInt(section, "ANGLE"), expected[n - 3].second == 1 ? 90 : 270);
  }
}

TEST_F(DogfightBattleFile, GapsInTheSupportSlotsAreSkippedInNumbering) {
  TDogfightBattle b;
  b.Slots[0] = Ship("F1", "R1");
  b.Slots[2] = Ship("S3", "R1");
  b.Slots[3] = Ship("F4", "R2");
  b.Slots[5] = Ship("S6", "R2");
  ASSERT_TRUE(WriteDogfightBattle(Path, b));
  EXPECT_EQ(ReadInt("MISC", "TOTAL_SHIPS"), 4);
  EXPECT_EQ(Read("SHIP3", "CLASS"), "S3");
  EXPECT_EQ(ReadInt("SHIP3", "SIDE"), 1);
  EXPECT_EQ(Read("SHIP4", "CLASS"), "S6");
  EXPECT_EQ(ReadInt("SHIP4", "SIDE"), 2);
  EXPECT_FALSE(AdfSectionExists(Path, "SHIP5"));
}

TEST_F(DogfightBattleFile, AsteroidsAreTheDensityLessOne) {
  for (auto [density, written] : {std::pair{0, -1}, {1, 0}, {40, 39}, {55, 39}, {-3, -1}}) {
    TDogfightBattle b;
    b.Slots[0] = Ship("F1", "R1");
    b.Slots[3] = Ship("F4", "R2");
    b.Density = density;
    ASSERT_TRUE(WriteDogfightBattle(Path, b));
    EXPECT_EQ(ReadInt("MISC", "ASTEROIDS"), written) << density;
  }
}

TEST_F(DogfightBattleFile, ThePlanetAndEveryShipStartWellInsideTheArena) {
  TDogfightBattle b;
  for (int s = 0; s < 6; ++s) b.Slots[s] = Ship("C", "R");
  b.PlanetImage = "verdant";
  b.PlanetGravity = 14;
  for (int seed = 1; seed <= 30; ++seed) {
    SetFixedSeed(seed);
    ASSERT_TRUE(WriteDogfightBattle(Path, b));
    EXPECT_EQ(Read("MISC", "PLANET_NAME"), "verdant");
    EXPECT_EQ(ReadInt("MISC", "PLANET_GRAV_FORCE"), 14);
    const int x = ReadInt("MISC", "PLANET_X"), y = ReadInt("MISC", "PLANET_Y");
    EXPECT_TRUE(x >= 200 && x < 600) << x;
    EXPECT_TRUE(y >= 150 && y < 450) << y;
    for (int n = 1; n <= 6; ++n) {
      const int ship = ReadInt("SHIP" + std::to_string(n), "YPOS");
      EXPECT_TRUE(ship >= 100 && ship < 500) << "SHIP" << n << " at y " << ship;
    }
  }
  b.PlanetImage.clear();
  ASSERT_TRUE(WriteDogfightBattle(Path, b));
  for (const char* key : {"PLANET_NAME", "PLANET_X", "PLANET_Y", "PLANET_GRAV_FORCE"})
    EXPECT_FALSE(AdfKeyExists(Path, "MISC", key)) << key;
}

}  // namespace
