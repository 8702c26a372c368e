// The combat set-up: the attack, the player's slots taking and giving back ships, the forces
// ratio with its slot limits, and the enemy's own choice of ships.
#include "BattleWorld.h"

using namespace sw;

namespace {
using Counts = std::vector<int>;
}

TEST(CombatSetup, SlotsTakeShipsFromTheirEntriesAndGiveThemBack) {
  TBattleWorld w;
  TGameMain& g = w.G();
  // Vanguard: Cruiser x2, Scout x1, Lancer x1, Scout x2 (6 ships); Raider: Cruiser, Scout x2.
  w.Target("Raider");
  ASSERT_TRUE(g.Attack());
  EXPECT_EQ(g.SubScreen(), csCombat);
  EXPECT_EQ(g.Speed, 0);
  EXPECT_EQ(g.SelectedShip, 0);
  EXPECT_EQ(g.ForcesRatio(), 2);

  g.FillSlot(1);
  EXPECT_EQ(g.PlayerFlagship, 0);
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{1, 1, 1, 2}));
  g.FillSlot(1);  // the same entry again: the ship goes back and is taken again
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{1, 1, 1, 2}));

  w.Player().Ships.At(3)->Crew = 0;  // an entry without crew cannot fight
  g.SelectedShip = 3;
  g.FillSlot(2);
  EXPECT_EQ(g.PlayerSupport1, -1);

  g.SelectedShip = 1;
  g.FillSlot(2);
  EXPECT_EQ(g.PlayerSupport1, 1);
  g.FillSlot(1);  // its only ship is already slotted
  EXPECT_EQ(g.PlayerFlagship, 0);
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{1, 0, 1, 2}));

  g.SelectedShip = 0;
  g.FillSlot(3);  // at 2 to 1 only the flagship and the first support may be set
  EXPECT_EQ(g.PlayerSupport2, -1);
  EXPECT_EQ(g.ForcesRatio(), 2) << "slotted ships still count for their side";

  g.SelectedShip = 2;
  g.FillSlot(1);  // another entry in the flagship slot: the Cruiser goes back
  EXPECT_EQ(g.PlayerFlagship, 2);
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{2, 0, 0, 2}));
  g.ClearSlot(2);
  EXPECT_EQ(g.PlayerSupport1, -1);
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{2, 1, 0, 2}));

  g.SelectEnemies();
  EXPECT_GE(g.EnemyFlagship, 0);
  g.GiveBackSlots();
  EXPECT_EQ(w.CountsOf("Vanguard"), (Counts{2, 1, 1, 2}));
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 3);
  for (int s : {g.PlayerFlagship, g.PlayerSupport1, g.PlayerSupport2, g.EnemyFlagship, g.EnemySupport1, g.EnemySupport2})
    EXPECT_EQ(s, -1);
  EXPECT_EQ(w.EntriesOf("Vanguard"),
            (std::vector<std::string>{"Cruiser 2 30 15", "Scout 1 7 2", "Lancer 1 30 8", "Scout 2 10 0"}))
      << "structure and crew never change in the set-up";
}

TEST(CombatSetup, TheRatioLimitsThePlayersSlotsAndSetsTheEnemysNumber) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  auto enemySlots = [&] { return (g.EnemyFlagship >= 0) + (g.EnemySupport1 >= 0) + (g.EnemySupport2 >= 0); };

  // Three against one: 3 to 1, every player slot works and the enemy sends one ship.
  w.Counts("Vanguard", {3, 0, 0, 0});
  w.Counts("Raider", {1, 0});
  ASSERT_TRUE(g.Attack());
  EXPECT_EQ(g.ForcesRatio(), 3);
  for (int slot : {1, 2, 3}) g.FillSlot(slot);
  EXPECT_EQ(g.PlayerSupport2, 0);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 1);
  g.GiveBackSlots();

  // One against four: 1 to 4, only the flagship slot works and the enemy sends three.
  w.Counts("Vanguard", {1, 0, 0, 0});
  w.Counts("Raider", {2, 2});
  ASSERT_TRUE(g.Attack());
  EXPECT_EQ(g.ForcesRatio(), -4);
  g.FillSlot(2);
  EXPECT_EQ(g.PlayerSupport1, -1);
  g.FillSlot(1);
  EXPECT_EQ(g.PlayerFlagship, 0);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 3);
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 1);
  g.GiveBackSlots();

  // Two against five: 1 to 2, two player slots and two enemy ships.
  w.Counts("Vanguard", {2, 0, 0, 0});
  w.Counts("Raider", {3, 2});
  ASSERT_TRUE(g.Attack());
  EXPECT_EQ(g.ForcesRatio(), -2);
  for (int slot : {1, 2, 3}) g.FillSlot(slot);
  EXPECT_EQ(g.PlayerSupport1, 0);
  EXPECT_EQ(g.PlayerSupport2, -1);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 2);
  g.GiveBackSlots();

  // Even forces: the enemy matches the player's filled slots, at least one, and follows them
  // as they change, giving back what it no longer needs.
  w.Counts("Vanguard", {1, 1, 1, 0});
  w.Counts("Raider", {1, 2});
  ASSERT_TRUE(g.Attack());
  EXPECT_EQ(g.ForcesRatio(), -1);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 1);
  g.FillSlot(1);
  g.SelectedShip = 1;
  g.FillSlot(2);
  g.SelectedShip = 2;
  g.FillSlot(3);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 3);
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 0);
  g.ClearSlot(3);
  g.ClearSlot(2);
  g.SelectEnemies();
  EXPECT_EQ(enemySlots(), 1);
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 2);
  g.GiveBackSlots();

  // The whole part of the larger side over the smaller.
  w.Counts("Vanguard", {5, 0, 0, 0});
  w.Counts("Raider", {3, 0});
  EXPECT_EQ(g.ForcesRatio(), 1);
  w.Counts("Vanguard", {7, 0, 0, 0});
  EXPECT_EQ(g.ForcesRatio(), 2);
  w.Counts("Vanguard", {3, 0, 0, 0});
  w.Counts("Raider", {5, 0});
  EXPECT_EQ(g.ForcesRatio(), -1);
  // A side without ships: the most favourable ratio for the side that has them.
  w.Counts("Raider", {0, 0});
  EXPECT_GE(g.ForcesRatio(), 3);
  w.Counts("Vanguard", {0, 0, 0, 0});
  w.Counts("Raider", {2, 0});
  EXPECT_LE(g.ForcesRatio(), -3);
}

TEST(CombatSetup, TheEnemyPicksOnlyShipsThatCanFightAndNeverHangs) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  ASSERT_TRUE(g.Attack());
  // The Cruiser has lost its crew: every pick falls on the Scouts.
  w.Fleet("Raider").Ships.At(0)->Crew = 0;
  for (int round = 0; round < 30; ++round) {
    g.SelectEnemies();
    ASSERT_EQ(g.EnemyFlagship, 1);
    g.GiveBackSlots();
  }
  // No entry that can fight is left: the slots stay empty and the screen goes on.
  w.Fleet("Raider").Ships.At(1)->Crew = 0;
  g.SelectEnemies();
  EXPECT_EQ(g.EnemyFlagship, -1);
  EXPECT_EQ(w.Fleet("Raider").TotalShips(), 3);
  g.FillSlot(1);
  EXPECT_FALSE(g.Launch()) << "no battle without the enemy's flagship";
  EXPECT_FALSE(std::filesystem::exists(w.BattleFile()));
}

TEST(CombatSetup, AnAttackNeedsAFlagshipOnBothSides) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  for (int i = 0; i < w.Player().Ships.Count(); ++i) w.Player().Ships.At(i)->Crew = 0;
  EXPECT_FALSE(g.Attack());
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 1);
  w.Player().Ships.At(0)->Crew = 5;
  w.Counts("Raider", {0, 0});
  EXPECT_FALSE(g.Attack());
  EXPECT_EQ(g.SubScreen(), csMap);
  w.Counts("Raider", {1, 0});
  g.SelectedFleet = 0;
  EXPECT_FALSE(g.Attack()) << "the player never attacks the own fleet";
  w.Target("Raider");
  EXPECT_TRUE(g.Attack());
}
