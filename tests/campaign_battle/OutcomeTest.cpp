// After the battle: the outcome taken back into the world (salvage, survivors, captures, losses
// and their triggers, "DEATH"), the removal of a beaten fleet with the starbase rules, and what
// happens when there is no outcome to take.
#include <fstream>

#include "BattleWorld.h"

using namespace sw;

namespace {

TOutcomeShip Ship(const std::string& desig, int side, int damage, int crew, const std::string& shipClass) {
  return {desig, side, damage, crew, shipClass};
}

// The player's Cruiser and Scout (7 hull, 2 crew) against what the enemy sends, launched.
void Fight(TBattleWorld& w, const std::string& fleet) {
  TGameMain& g = w.G();
  ASSERT_TRUE(g.Attack());
  g.SelectedShip = 0;
  g.FillSlot(1);
  g.SelectedShip = 1;
  g.FillSlot(2);
  g.SelectEnemies();
  ASSERT_TRUE(g.Launch()) << "against " << fleet;
}

}  // namespace

TEST(Outcome, AWonBattleBringsSalvageSurvivorsAndCapturesAndRemovesTheBeatenFleet) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Counts("Raider", {1, 0});
  w.Target("Raider");
  Fight(w, "Raider");
  ASSERT_EQ(g.EnemyFlagship, 0);
  w.Outcome(1, 120,
            {Ship("player1ship", 1, 25, 10, "Cruiser"),
             Ship("player2ship", 1, 12, 3, "Cruiser"),  // boarded: now the player's
             Ship("ship3", 1, 0, 0, "Scout"),            // the Scout was destroyed
             Ship("player1shipfighter", 1, 5, 1, "Scout")});  // a craft of the battle, not a fleet ship
  g.ProcessOutcome();

  EXPECT_EQ(w.Player().RU, 220);
  EXPECT_EQ(w.EntriesOf("Vanguard"), (std::vector<std::string>{"Cruiser 1 30 15", "Lancer 1 30 8", "Scout 2 10 3",
                                                               "Cruiser 1 25 10", "Cruiser 1 12 3"}))
      << "the emptied Scout entry goes; survivors and the capture come back as entries of one";
  EXPECT_EQ(w.Player().Crew, 1) << "one Scout lost: its trigger fired once";
  EXPECT_EQ(g.FindFleet("Raider"), nullptr);
  EXPECT_TRUE(w.Location("Home").FleetNames == std::vector<std::string>{"Vanguard"});
  EXPECT_TRUE(w.HasState("RAIDER_GONE")) << "the fleet's destruction fires its triggers";
  EXPECT_EQ(g.SelectedFleet, 0);
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 1);
  for (int s : {g.PlayerFlagship, g.PlayerSupport1, g.PlayerSupport2, g.EnemyFlagship, g.EnemySupport1, g.EnemySupport2})
    EXPECT_EQ(s, -1);
  EXPECT_TRUE(w.Reports.empty());
}

// Survivors come back under names no other entry has, also after an entry in the middle went.
TEST(Outcome, SurvivorsComeBackUnderNamesNoOtherEntryHas) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Counts("Raider", {1, 0});
  w.Target("Raider");
  g.PlayerFleet()->Ships.Delete(2);  // the Lancer was sold: SHIP1, SHIP2 and SHIP4 are left
  Fight(w, "Raider");
  w.Outcome(1, 0, {Ship("player1ship", 1, 25, 10, "Cruiser"), Ship("player2ship", 1, 5, 1, "Scout")});
  g.ProcessOutcome();
  const TFleet& p = *g.PlayerFleet();
  ASSERT_EQ(p.TotalShips(), 5);
  for (int i = 0; i < p.Ships.Count(); ++i)
    for (int k = i + 1; k < p.Ships.Count(); ++k) EXPECT_NE(p.Ships.NameAt(i), p.Ships.NameAt(k));
}

TEST(Outcome, ALostBattleHandsTheSurvivorsToTheEnemyWhichCanBeAttackedAgain) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  Fight(w, "Raider");  // 6 against 3: the Raider sends one ship
  const std::string enemyClass = w.EnemyClass(g.EnemyFlagship);
  w.Outcome(2, 50,
            {Ship("player1ship", 1, 20, 5, "Cruiser"), Ship("player2ship", 2, 30, 12, enemyClass),
             Ship("ship3", 1, 0, 0, "Scout")});
  g.ProcessOutcome();

  EXPECT_EQ(w.Player().RU, 100) << "the winner's salvage is not the player's";
  EXPECT_EQ(w.EntriesOf("Vanguard"), (std::vector<std::string>{"Cruiser 1 30 15", "Lancer 1 30 8", "Scout 2 10 3"}));
  EXPECT_EQ(w.Player().Crew, 101) << "the captured Cruiser and the destroyed Scout are both lost";
  const TFleet& raider = w.Fleet("Raider");
  EXPECT_EQ(raider.TotalShips(), 4);
  EXPECT_EQ(raider.Ships.At(raider.Ships.Count() - 2)->ShipClass, "Cruiser");
  EXPECT_EQ(raider.Ships.At(raider.Ships.Count() - 2)->Structure, 20);
  EXPECT_EQ(raider.Ships.At(raider.Ships.Count() - 1)->Structure, 30);
  for (int i = 0; i < raider.Ships.Count(); ++i) EXPECT_GE(raider.Ships.At(i)->Count, 1);
  // The enemy held out: the map with the clock stopped, the fleet still selected.
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 0);
  EXPECT_EQ(g.Fleets.At(g.SelectedFleet)->Name, "Raider");
  EXPECT_FALSE(g.GameOver);
  EXPECT_TRUE(g.Attack());
}

TEST(Outcome, DeathRunsWhenThePlayerHasNoShipsLeftAndItsScreenStays) {
  for (int winner : {2, 1}) {
    SCOPED_TRACE(winner);
    TBattleWorld w;
    TGameMain& g = w.G();
    w.Counts("Vanguard", {1, 0, 0, 0});
    w.Counts("Raider", {1, 0});
    w.Target("Raider");
    ASSERT_TRUE(g.Attack());
    g.FillSlot(1);
    g.SelectEnemies();
    ASSERT_TRUE(g.Launch());
    // Lost, or won with both flagships destroyed at once.
    w.Outcome(winner, 0, {Ship("player1ship", 1, 0, 0, "Cruiser"), Ship("player2ship", 2, winner == 2 ? 9 : 0, 4, "Cruiser")});
    g.ProcessOutcome();
    EXPECT_EQ(w.Player().TotalShips(), 0);
    EXPECT_TRUE(w.HasState("DEAD"));
    EXPECT_TRUE(g.GameOver);
    EXPECT_EQ(g.SubScreen(), csEvent) << "the end of the game is shown, not hidden by the map";
    EXPECT_EQ(g.FindFleet("Raider") == nullptr, winner == 1);
  }
}

TEST(Outcome, StarbasesAreDestroyedOrCapturedInASystemAndAtAStarbaseLocation) {
  struct TCase {
    const char* Location;
    bool Captured;
  };
  for (const TCase c : {TCase{"Pit", false}, TCase{"Pit", true}, TCase{"Bastion", false}, TCase{"Bastion", true}}) {
    SCOPED_TRACE(std::string(c.Location) + (c.Captured ? " captured" : " destroyed"));
    TBattleWorld w;
    TGameMain& g = w.G();
    const std::string fleet = SameText(c.Location, "Pit") ? "Raider" : "Garrison";
    if (fleet == "Raider") {
      w.MoveTo("Raider", "Pit");
      w.Counts("Raider", {1, 0});
    }
    w.Counts("Vanguard", {1, 1, 0, 0});
    w.Target(fleet);
    // Two against the fleet's ship and the location's starbase: all four fight.
    Fight(w, fleet);
    EXPECT_EQ(g.EnemyStarbaseClass, "Fortress");
    EXPECT_EQ(w.Fleet(fleet).TotalShips(), 0);
    const std::string desigs[] = {"player2ship", "ship4"};
    std::vector<TOutcomeShip> ships{Ship("player1ship", 1, 30, 15, "Cruiser"), Ship("ship3", 1, 7, 2, "Scout")};
    for (int k = 0; k < 2; ++k) {
      const std::string cls = w.EnemyClass(k == 0 ? g.EnemyFlagship : g.EnemySupport1);
      const bool base = cls == "Fortress";
      ships.push_back(Ship(desigs[k], base && c.Captured ? 1 : 2, base && c.Captured ? 150 : 0, 0, cls));
    }
    w.Outcome(1, 10, ships);
    g.ProcessOutcome();

    const TLocation& loc = w.Location(c.Location);
    EXPECT_EQ(g.FindFleet(fleet), nullptr);
    EXPECT_EQ(TGameMain::LastShipOfClass(w.Player(), "Fortress"), -1) << "the base never travels with the fleet";
    if (loc.LocName == "Pit") {
      EXPECT_EQ(loc.LocType, ltStarSystem);
      EXPECT_EQ(loc.Starbase, "");
      EXPECT_EQ(loc.Owner, "VSK");
      EXPECT_EQ(w.Player().RU, c.Captured ? 100 + 10 + 150 : 110) << "a captured base is broken up for its hull";
    } else if (c.Captured) {
      EXPECT_EQ(loc.LocType, ltStarbase);
      EXPECT_EQ(loc.Starbase, "Fortress");
      EXPECT_EQ(loc.Owner, "TFG");
      EXPECT_EQ(w.Player().RU, 110);
    } else {
      EXPECT_EQ(loc.LocType, ltDebris);
      EXPECT_EQ(loc.Starbase, "");
      EXPECT_EQ(loc.Owner, "NONE");
    }
  }
}

TEST(Outcome, ThePlayersOwnStarbaseJoinsTheFightAndStaysAtItsLocation) {
  for (bool destroyed : {false, true}) {
    SCOPED_TRACE(destroyed);
    TBattleWorld w;
    TGameMain& g = w.G();
    w.MoveTo("Raider", "Outpost");
    w.Counts("Raider", {1, 0});
    w.Target("Raider");
    ASSERT_TRUE(g.Attack());
    EXPECT_EQ(g.PlayerStarbaseClass, "Fortress");
    const int base = TGameMain::LastShipOfClass(w.Player(), "Fortress");
    ASSERT_EQ(base, 4);
    EXPECT_EQ(w.EntriesOf("Vanguard")[4], "Fortress 1 300 90");
    g.SelectedShip = base;
    g.FillSlot(1);
    g.SelectEnemies();
    ASSERT_TRUE(g.Launch());
    EXPECT_FALSE(AdfKeyExists(w.BattleFile(), "MISC", "PLANET_NAME"));
    w.Outcome(1, 0, {Ship("player1ship", 1, destroyed ? 0 : 200, 60, "Fortress"), Ship("player2ship", 2, 0, 0, "Cruiser")});
    g.ProcessOutcome();
    const TLocation& outpost = w.Location("Outpost");
    EXPECT_EQ(TGameMain::LastShipOfClass(w.Player(), "Fortress"), -1);
    EXPECT_EQ(outpost.LocType, destroyed ? ltDebris : ltStarbase);
    EXPECT_EQ(outpost.Owner, destroyed ? "NONE" : "TFG");
    EXPECT_EQ(outpost.Starbase, destroyed ? "" : "Fortress");
  }
}

TEST(Outcome, WithoutAnOutcomeOfThisBattleTheShipsComeBackAndNothingElseChanges) {
  for (const char* file : {"", "[player1ship]\nSIDE=1\nDAMAGE=3\nCREW=1\nCLASS=Cruiser\n"}) {
    TBattleWorld w;
    TGameMain& g = w.G();
    w.MoveTo("Raider", "Pit");
    w.Target("Raider");
    const auto before = w.EntriesOf("Vanguard");
    const auto enemyBefore = w.EntriesOf("Raider");
    Fight(w, "Raider");
    if (*file) std::ofstream(w.OutcomeFile()) << file;
    g.ProcessOutcome();
    EXPECT_EQ(w.Reports.size(), 1u);
    EXPECT_EQ(w.EntriesOf("Vanguard"), before);
    EXPECT_EQ(w.EntriesOf("Raider"), enemyBefore) << "the starbase went back to its location too";
    EXPECT_EQ(w.Player().RU, 100);
    EXPECT_EQ(w.Location("Pit").Starbase, "Fortress");
    EXPECT_EQ(g.PlayerFlagship, -1);
    EXPECT_EQ(g.EnemyFlagship, -1);
  }
}

TEST(Outcome, TheDebugKeyRemovesTheEnemyFromTheSetUpGivingBackTheSlottedShips) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Target("Raider");
  ASSERT_TRUE(g.Attack());
  g.FillSlot(1);
  g.SelectEnemies();
  g.RemoveEnemyFleet();
  EXPECT_EQ(w.CountsOf("Vanguard"), (std::vector<int>{2, 1, 1, 2}));
  EXPECT_EQ(g.FindFleet("Raider"), nullptr);
  EXPECT_TRUE(w.HasState("RAIDER_GONE"));
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 1);

  // A fleet in open space: its fleet location goes and the player's location is selected.
  w.Target("Lurker");
  ASSERT_EQ(g.Locations.At(g.SelectedLocation)->LocType, ltFleetLocation);
  ASSERT_TRUE(g.Attack());
  g.RemoveEnemyFleet();
  EXPECT_EQ(g.FindFleet("Lurker"), nullptr);
  EXPECT_EQ(g.FindLocation("Lurker"), nullptr);
  EXPECT_EQ(g.SelectedLocation, g.Locations.IndexOf("Home"));
  EXPECT_EQ(g.SelectedFleet, 0);
}

TEST(Outcome, WhenTheEnemyHoldsOutNoStarbaseTravelsWithAFleet) {
  // The player's own base at Outpost joins the player's side but does not fight; the battle
  // is lost.
  {
    TBattleWorld w;
    TGameMain& g = w.G();
    w.MoveTo("Raider", "Outpost");
    w.Target("Raider");
    Fight(w, "Raider");
    w.Outcome(2, 0, {Ship("player1ship", 1, 20, 5, "Cruiser"), Ship("player2ship", 2, 30, 4, w.EnemyClass(g.EnemyFlagship))});
    g.ProcessOutcome();
    ASSERT_NE(g.FindFleet("Raider"), nullptr);
    EXPECT_EQ(TGameMain::LastShipOfClass(w.Player(), "Fortress"), -1);
    EXPECT_EQ(TGameMain::LastShipOfClass(w.Fleet("Raider"), "Fortress"), -1);
    EXPECT_EQ(w.Location("Outpost").Starbase, "Fortress");
    EXPECT_EQ(w.Location("Outpost").Owner, "TFG");
  }
  // The enemy's base at Pit stays out of the fight; the battle is won.
  for (bool onlyTheBaseLeft : {false, true}) {
    SCOPED_TRACE(onlyTheBaseLeft);
    TBattleWorld w;
    TGameMain& g = w.G();
    w.MoveTo("Raider", "Pit");
    w.Counts("Raider", {1, onlyTheBaseLeft ? 0 : 2});
    w.Target("Raider");
    ASSERT_TRUE(g.Attack());
    TShip& base = *w.Fleet("Raider").Ships.At(TGameMain::LastShipOfClass(w.Fleet("Raider"), "Fortress"));
    TShip& scouts = *w.Fleet("Raider").Ships.At(1);
    base.Crew = scouts.Crew = 0;  // the enemy sends its Cruiser
    if (onlyTheBaseLeft) w.Counts("Vanguard", {2, 0, 0, 0});
    g.FillSlot(1);
    g.SelectEnemies();
    base.Crew = 90;
    scouts.Crew = 4;
    ASSERT_EQ(w.EnemyClass(g.EnemyFlagship), "Cruiser");
    ASSERT_TRUE(g.Launch());
    w.Outcome(1, 0, {Ship("player1ship", 1, 30, 15, "Cruiser"), Ship("player2ship", 2, 0, 0, "Cruiser")});
    g.ProcessOutcome();
    EXPECT_EQ(w.Location("Pit").Starbase, "Fortress");
    EXPECT_EQ(w.Location("Pit").Owner, "VSK");
    if (onlyTheBaseLeft) {
      EXPECT_EQ(g.FindFleet("Raider"), nullptr) << "the fleet is beaten; its base stays where it was";
      EXPECT_TRUE(w.HasState("RAIDER_GONE"));
    } else {
      ASSERT_NE(g.FindFleet("Raider"), nullptr);
      EXPECT_EQ(w.EntriesOf("Raider"), (std::vector<std::string>{"Scout 2 10 4"}));
    }
  }
}

TEST(Outcome, TheSalvageOfADamagedOutcomeNeverWrapsTheResources) {
  TBattleWorld w;
  TGameMain& g = w.G();
  w.Counts("Raider", {1, 0});
  w.Target("Raider");
  Fight(w, "Raider");
  w.Outcome(1, 2147483647, {Ship("player1ship", 1, 30, 15, "Cruiser"), Ship("player2ship", 2, 0, 0, "Cruiser")});
  g.ProcessOutcome();
  EXPECT_EQ(w.Player().RU, 2147483647);
}
