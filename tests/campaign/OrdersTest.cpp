// What the world does on its own each step: the hostile check, patrols locking on, traders,
// new patrols; and keeping the selections when a fleet leaves the world.
#include <gtest/gtest.h>

#include <set>

#include "CampaignKit.h"

using namespace sw;

namespace {

// Moves a fleet from its location to another location of the map.
void MoveTo(TGameMain& g, const std::string& fleetName, const std::string& locationName) {
  TFleet& f = *g.FindFleet(fleetName);
  auto& names = g.Locations.At(g.WhereIsFleet(fleetName))->FleetNames;
  names.erase(std::find(names.begin(), names.end(), fleetName));
  TLocation& to = *g.FindLocation(locationName);
  f.System = to.LocName;
  f.X = to.X;
  f.Y = to.Y;
  to.FleetNames.push_back(fleetName);
}

}  // namespace

TEST(CampaignOrders, AHostileFleetAtThePlayersLocationStartsAnEncounter) {
  TCampaignRoot root;
  auto g = root.Load();
  // The player's own race turned hostile never makes the player meet its own fleet.
  g->Relations.Set("TFG", "0");
  g->HostileCheck();
  EXPECT_EQ(g->Speed, 1);
  EXPECT_EQ(g->SubScreen(), csMap);

  // A friendly fleet is passed over; the hostile one behind it is met, at the location examined.
  PutInOpenSpace(*g, *g->FindFleet("Drifter"), 0, 0);
  g->RemoveLocation(g->FleetLocationOf("Drifter"));
  g->FindLocation("Home")->FleetNames.push_back("Drifter");
  g->FindFleet("Drifter")->System = "Home";
  MoveTo(*g, "Raider 101", "Home");
  g->SelectedLocation = 5;
  g->HostileCheck();
  EXPECT_EQ(g->SelectedLocation, 0);
  EXPECT_EQ(g->SelectedFleet, g->Fleets.IndexOf("Raider 101"));
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(g->SubScreen(), csEncounter);
}

TEST(CampaignOrders, APatrolLocksOnOnlyWhenHostileNearFastEnoughAndNotInGhostMode) {
  TCampaignRoot root;
  RandSeed(7);
  auto g = root.Load();
  TFleet& raider = *g->FindFleet("Raider 101");
  TFleet& player = *g->PlayerFleet();
  // Far away, the patrol just picks one of its race's locations.
  g->PatrolOrders(false);
  EXPECT_TRUE(raider.DSystem == "Far" || raider.DSystem == "Bastion" || raider.DSystem == "Edge") << raider.DSystem;

  PutInOpenSpace(*g, player, 1030, 600);  // 30 from the patrol at Far
  raider.ClearDestination();
  g->PatrolOrders(true);
  EXPECT_NE(raider.DSystem, "Vanguard");  // ghost mode
  g->Relations.Set("VSK", "31");
  g->PatrolOrders(false);
  EXPECT_NE(raider.DSystem, "Vanguard");  // not hostile enough
  g->Relations.Set("VSK", "30");
  player.WarpMod = 5;  // 7 against the patrol's 6
  g->PatrolOrders(false);
  EXPECT_NE(raider.DSystem, "Vanguard");
  player.WarpMod = 4;
  g->PatrolOrders(false);
  EXPECT_EQ(raider.DSystem, "Vanguard");

  // At a location the patrol heads for that location.
  PutInOpenSpace(*g, player, 0, 0);
  g->RemoveLocation(g->FleetLocationOf("Vanguard"));
  g->FindLocation("Far")->FleetNames.push_back("Vanguard");
  player.System = "Far";
  player.X = 1000;
  player.Y = 600;
  g->PatrolOrders(false);
  EXPECT_EQ(raider.DSystem, "Far");
}

TEST(CampaignOrders, TradersPickANearbyLocationAndNeverHangWithoutOne) {
  TCampaignRoot root;
  RandSeed(3);
  auto g = root.Load();
  TFleet& drifter = *g->FindFleet("Drifter");
  std::set<std::string> picked;
  for (int i = 0; i < 40; ++i) {
    drifter.ClearDestination();
    g->TraderOrders();
    picked.insert(drifter.DSystem);
  }
  EXPECT_EQ(picked, (std::set<std::string>{"Home", "Near"}));  // the only ones closer than 200
  drifter.ClearDestination();
  PutInOpenSpace(*g, drifter, 100, 1150);
  g->TraderOrders();
  EXPECT_FALSE(drifter.HasDestination());
}

TEST(CampaignOrders, RacesGetOneNewPatrolAStepUpToTheirMinimumWithNamesNeverRepeated) {
  TCampaignRoot root;
  RandSeed(11);
  auto g = root.Load();
  auto patrols = [&](const std::string& race) {
    int n = 0;
    for (int f = 0; f < g->Fleets.Count(); ++f) n += g->Fleets.At(f)->Patrol && g->Fleets.At(f)->Race == race;
    return n;
  };
  // The raiders want three; the drifters want one but own no location, which must not hang the step.
  g->SpawnPatrols();
  EXPECT_EQ(patrols("VSK"), 2);
  g->SpawnPatrols();
  g->SpawnPatrols();
  EXPECT_EQ(patrols("VSK"), 3);
  EXPECT_EQ(patrols("DRN"), 0);

  const TFleet& spawned = *g->Fleets.At(4);
  EXPECT_EQ(spawned.Name.rfind("Raider ", 0), 0u);
  const int number = std::stoi(spawned.Name.substr(7));
  EXPECT_GE(number, 90);
  EXPECT_LE(number, 989);
  EXPECT_TRUE(spawned.Cmdr == "Vex" || spawned.Cmdr == "Kell") << spawned.Cmdr;
  EXPECT_TRUE(spawned.System == "Far" || spawned.System == "Bastion" || spawned.System == "Edge");
  EXPECT_EQ(spawned.MaxFuel, 0);
  ASSERT_EQ(spawned.Ships.Count(), 2);
  EXPECT_EQ(spawned.Ships.At(0)->ShipClass, "Cruiser");
  EXPECT_EQ(spawned.Ships.At(0)->Structure, 40);
  EXPECT_GE(spawned.Ships.At(0)->Count, 1);
  EXPECT_LE(spawned.Ships.At(0)->Count, 2);
  EXPECT_EQ(spawned.Ships.At(1)->ShipClass, "Scout");
  EXPECT_LE(spawned.Ships.At(1)->Count, 3);
  EXPECT_TRUE(WorldConsistent(*g));

  // Many patrols, never two of one name.
  g->FindRace("VSK")->MinPatrolers = 300;
  for (int i = 0; i < 300; ++i) g->SpawnPatrols();
  std::set<std::string> names;
  for (int f = 0; f < g->Fleets.Count(); ++f) names.insert(g->Fleets.At(f)->Name);
  EXPECT_EQ(patrols("VSK"), 300);
  EXPECT_EQ(static_cast<int>(names.size()), g->Fleets.Count());

  // Given a location, the drifters get their patrol: one entry when both crafts are one class.
  g->FindLocation("Near")->Owner = "DRN";
  g->SpawnPatrols();
  const TFleet& drift = *g->Fleets.At(g->Fleets.Count() - 1);
  EXPECT_EQ(drift.Race, "DRN");
  EXPECT_EQ(drift.Cmdr, "Oro");
  ASSERT_EQ(drift.Ships.Count(), 1);
  EXPECT_EQ(drift.Ships.At(0)->Count, 2);

  // A patrol whose race owns nothing any more keeps no destination, and the step goes on.
  g->FindLocation("Near")->Owner = "TFG";
  g->FindFleet(drift.Name)->ClearDestination();
  g->WorldStep(false);
  EXPECT_FALSE(g->FindFleet(drift.Name)->HasDestination());
}

TEST(CampaignOrders, RemovingAFleetKeepsTheSelectionsOnTheSameObjects) {
  TCampaignRoot root;
  auto g = root.Load();
  // The Drifter chases the Wanderer, whose fleet location is selected with it.
  g->FindFleet("Drifter")->DSystem = "Wanderer";
  g->SelectedFleet = g->Fleets.IndexOf("Wanderer");
  g->SelectedLocation = g->FleetLocationOf("Wanderer");
  g->RemoveFleet(g->Fleets.IndexOf("Wanderer"));
  EXPECT_EQ(g->SelectedFleet, 0);
  EXPECT_EQ(g->SelectedLocation, 0);  // the player's location
  EXPECT_FALSE(g->FindFleet("Wanderer"));
  EXPECT_EQ(g->WhereIsFleet("Wanderer"), -1);
  EXPECT_FALSE(g->FindFleet("Drifter")->HasDestination());
  EXPECT_TRUE(WorldConsistent(*g));

  // Removing a fleet listed before the selected ones shifts their indexes, not what they name.
  PutInOpenSpace(*g, *g->FindFleet("Raider 101"), 50, 50);
  g->SelectedFleet = g->Fleets.IndexOf("Raider 101");
  g->SelectedLocation = g->FleetLocationOf("Raider 101");
  g->RemoveFleet(g->Fleets.IndexOf("Drifter"));
  EXPECT_EQ(g->Fleets.At(g->SelectedFleet)->Name, "Raider 101");
  EXPECT_EQ(g->Locations.At(g->SelectedLocation)->LocName, "Raider 101");
  g->RemoveFleet(0);  // never the player's
  EXPECT_EQ(g->PlayerFleet()->Name, "Vanguard");
  EXPECT_TRUE(WorldConsistent(*g));
}
