// Launch: the battle file the campaign writes for the battle, read back as the battle reads it.
#include <fstream>
#include <set>

#include "BattleWorld.h"
#include "battle/BattleFile.h"
#include "battle/ShipRoster.h"

using namespace sw;

namespace {

// Six ships: the player's Lancer (an add-on class), Cruiser and Scout against three of the
// Raider's six ships.
void FullBattle(TBattleWorld& w) {
  TGameMain& g = w.G();
  w.Counts("Raider", {2, 4});
  w.Target("Raider");
  ASSERT_TRUE(g.Attack());
  ASSERT_EQ(g.ForcesRatio(), -1);
  g.SelectedShip = 2;
  g.FillSlot(1);
  g.SelectedShip = 0;
  g.FillSlot(2);
  g.SelectedShip = 1;
  g.FillSlot(3);
  g.SelectEnemies();
  ASSERT_GE(g.EnemySupport2, 0);
}

}  // namespace

TEST(Launch, WritesBothSidesShipsAsTheBattleReadsThem) {
  TBattleWorld w;
  TGameMain& g = w.G();
  FullBattle(w);
  std::ofstream(w.OutcomeFile()) << "[OUTCOME]\nWINNING_SIDE=1\nSALVAGE=999\n";
  ASSERT_TRUE(g.Launch());
  EXPECT_FALSE(std::filesystem::exists(w.OutcomeFile())) << "an old outcome is never taken for this battle's";

  EXPECT_EQ(w.ReadInt("MISC", "TOTAL_SHIPS"), 6);
  struct TWant {
    const char* Desig;
    int Side;
    std::string Class;
    int Damage, Crew;
  };
  const TFleet& raider = w.Fleet("Raider");
  auto enemy = [&](int slot) { return raider.Ships.At(slot); };
  const TWant want[] = {
      {"player1ship", 1, "Lancer", 30, 8},
      {"player2ship", 2, enemy(g.EnemyFlagship)->ShipClass, enemy(g.EnemyFlagship)->Structure, enemy(g.EnemyFlagship)->Crew},
      {"ship3", 1, "Cruiser", 30, 15},
      {"ship4", 2, enemy(g.EnemySupport1)->ShipClass, enemy(g.EnemySupport1)->Structure, enemy(g.EnemySupport1)->Crew},
      {"ship5", 1, "Scout", 7, 2},
      {"ship6", 2, enemy(g.EnemySupport2)->ShipClass, enemy(g.EnemySupport2)->Structure, enemy(g.EnemySupport2)->Crew},
  };
  for (int n = 1; n <= 6; ++n) {
    const TWant& s = want[n - 1];
    const std::string sec = "SHIP" + std::to_string(n);
    SCOPED_TRACE(sec);
    EXPECT_EQ(w.Read(sec, "DESIG"), s.Desig);
    EXPECT_EQ(w.Read(sec, "CLASS"), s.Class);
    EXPECT_EQ(w.ReadInt(sec, "SIDE"), s.Side);
    EXPECT_EQ(w.ReadInt(sec, "XPOS"), s.Side == 1 ? 50 : 750);
    EXPECT_EQ(w.ReadInt(sec, "ANGLE"), s.Side == 1 ? 90 : 270);
    EXPECT_EQ(w.ReadInt(sec, "AI"), n == 1 ? 0 : 1) << "the player flies the flagship";
    EXPECT_EQ(w.ReadInt(sec, "DAMAGE"), s.Damage);
    EXPECT_EQ(w.ReadInt(sec, "CREW"), s.Crew);
    EXPECT_EQ(w.Read(sec, "RACE"), s.Side == 1 ? "TFG" : "VSK") << "each side flies its own fleet's race";
    EXPECT_EQ(w.ReadInt(sec, "AISKILL"), s.Side == 1 ? 2 : 1)
        << "the enemy flies at its race's skill (a Veteran here), the player's own ships at their best";
    EXPECT_EQ(w.Read(sec, "PREFIX"), s.Class == "Lancer" ? "add-ons\\pack\\" : "<none>");
  }

  // The battle's own reader finds both flagships, and the add-on class in the add-on's files.
  const TBattleSetup setup = ReadBattleFile(w.BattleFile(), nullptr);
  EXPECT_NO_THROW(RequireFlagships(setup, w.BattleFile()));
  ASSERT_EQ(setup.Ships.size(), 6u);
  EXPECT_EQ(setup.Ships[1].AISkill, 1);
  EXPECT_EQ(setup.Ships[0].AISkill, 2);
  EXPECT_TRUE(AdfSectionExists(ShipDataFile(w.Path + "data/", setup.Ships[0].Prefix, "ships"), "Lancer"));

  // The slotted ships stay out of their entries until the outcome brings the survivors back.
  EXPECT_EQ(w.CountsOf("Vanguard"), (std::vector<int>{1, 0, 0, 2}));
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 3);
}

TEST(Launch, PositionsAsteroidsAndPlanetStayInTheirRanges) {
  TBattleWorld w;
  TGameMain& g = w.G();
  FullBattle(w);
  std::set<std::string> planets;
  std::set<int> asteroids;
  for (int round = 0; round < 40; ++round) {
    ASSERT_TRUE(g.Launch());
    for (int n = 1; n <= 6; ++n) {
      const int y = w.ReadInt("SHIP" + std::to_string(n), "YPOS");
      EXPECT_TRUE(y >= 100 && y <= 499) << "every ship starts inside the arena, not at y " << y;
    }
    asteroids.insert(w.ReadInt("MISC", "ASTEROIDS"));
    const std::string planet = w.Read("MISC", "PLANET_NAME");
    planets.insert(planet);
    const int x = w.ReadInt("MISC", "PLANET_X"), y = w.ReadInt("MISC", "PLANET_Y");
    EXPECT_TRUE(x >= 200 && x <= 599 && y >= 150 && y <= 449);
    EXPECT_EQ(w.ReadInt("MISC", "PLANET_GRAV_FORCE"), planet == "ember_bmp" ? 14 : 9);
  }
  // Home has a planet and an asteroid density of 2; the planet that means no planet is never
  // chosen.
  EXPECT_EQ(planets, (std::set<std::string>{"ember_bmp", "frost_bmp"}));
  EXPECT_GE(*asteroids.begin(), 4);
  EXPECT_LE(*asteroids.rbegin(), 9);

  auto noPlanet = [&] { return !AdfKeyExists(w.BattleFile(), "MISC", "PLANET_NAME"); };
  // Density 0 makes no asteroids, 4 twenty to thirty-nine (the value is their number minus one).
  w.Location("Home").Asteroids = 0;
  ASSERT_TRUE(g.Launch());
  EXPECT_EQ(w.ReadInt("MISC", "ASTEROIDS"), -1);
  w.Location("Home").Asteroids = 4;
  ASSERT_TRUE(g.Launch());
  EXPECT_GE(w.ReadInt("MISC", "ASTEROIDS"), 20);
  EXPECT_LE(w.ReadInt("MISC", "ASTEROIDS"), 39);

  // A location without planets gives none; so does a starbase in the fight; and a planet list
  // holding only the no-planet entry.
  w.Location("Home").PlanetList.Clear();
  ASSERT_TRUE(g.Launch());
  EXPECT_TRUE(noPlanet());
  TBattleWorld w2;
  FullBattle(w2);
  w2.Player().Ships.At(0)->ShipClass = "Fortress";  // the second support is now a starbase
  ASSERT_TRUE(w2.G().Launch());
  EXPECT_FALSE(AdfKeyExists(w2.BattleFile(), "MISC", "PLANET_NAME"));
  w2.Player().Ships.At(0)->ShipClass = "Cruiser";
  std::ofstream(w2.Path + "data/planets.adf", std::ios::trunc) << "[NOPLANET]\nPLANET_BMP=noplanet\nGRAVITY=0\n";
  AdfFlushCache();
  ASSERT_TRUE(w2.G().Launch());
  EXPECT_FALSE(AdfKeyExists(w2.BattleFile(), "MISC", "PLANET_NAME"));
}

TEST(Launch, WithoutBothFlagshipsThereIsNoBattle) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  ASSERT_TRUE(g.Attack());
  std::ofstream(w.BattleFile()) << "[MISC]\nTOTAL_SHIPS=2\n";
  g.SelectEnemies();
  EXPECT_FALSE(g.Launch());
  EXPECT_FALSE(std::filesystem::exists(w.BattleFile())) << "an old battle file is gone";
  g.FillSlot(1);
  EXPECT_TRUE(g.Launch());
  EXPECT_EQ(w.ReadInt("MISC", "TOTAL_SHIPS"), 2);
}
