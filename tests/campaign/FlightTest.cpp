// Fleets on the move: speed, fuel, departures, flight, arrivals, chases and discovery.
#include <gtest/gtest.h>

#include "CampaignKit.h"

using namespace sw;

namespace {

void Step(TGameMain& g) {
  g.Departures();
  g.FlightAndArrivals();
}

}  // namespace

TEST(CampaignFlight, FleetSpeedIsTheSlowestClassRoundedAtLeastOnePlusWarp) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& player = *g->PlayerFleet();
  EXPECT_EQ(g->FleetSpeed(player), 2);                      // Cruiser 6.5 -> 6, Scout 2
  EXPECT_EQ(g->FleetSpeed(*g->FindFleet("Raider 101")), 6);  // 6.5 rounds to the even 6
  EXPECT_EQ(g->FleetSpeed(*g->FindFleet("Drifter")), 1);     // 0.4 is raised to 1
  player.WarpMod = 1;
  EXPECT_EQ(g->FleetSpeed(player), 3);
  player.Ships.Clear();
  EXPECT_EQ(g->FleetSpeed(player), 1000);
}

TEST(CampaignFlight, TheStepBurnsFuelForWhatItFliesAndStrandsWithoutEnough) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& player = *g->PlayerFleet();
  player.DSystem = "Far";  // 300 to the east; the fleet flies 6 a step
  g->SetSpeed(10);
  Step(*g);
  EXPECT_EQ(player.X, 706);
  EXPECT_EQ(player.Y, 600);
  EXPECT_EQ(player.Fuel, 34);
  EXPECT_EQ(player.System, "");
  EXPECT_TRUE(g->FindLocation("Home")->FleetNames.empty());
  EXPECT_EQ(g->SelectedLocation, 0);  // the selection stays on Home
  EXPECT_TRUE(WorldConsistent(*g));

  player.Fuel = 5;
  Step(*g);
  EXPECT_EQ(player.X, 706);
  EXPECT_EQ(player.Fuel, 5);

  // Four short of Far: it arrives exactly and pays 4, not a whole step.
  player.Fuel = 40;
  TLocation& open = *g->Locations.At(g->WhereIsFleet("Vanguard"));
  open.X = player.X = 996;
  g->SelectedLocation = g->WhereIsFleet("Vanguard");
  const int far = g->Locations.IndexOf("Far");
  Step(*g);
  EXPECT_EQ(player.X, 1000);
  EXPECT_EQ(player.Fuel, 36);
  EXPECT_EQ(player.System, "Far");
  EXPECT_FALSE(player.HasDestination());
  EXPECT_EQ(g->FindLocation("Far")->FleetNames, (std::vector<std::string>{"Raider 101", "Vanguard"}));
  EXPECT_EQ(g->FleetLocationOf("Vanguard"), -1);
  EXPECT_EQ(g->SelectedLocation, far);  // the selected fleet location moved on to the destination
  EXPECT_EQ(g->Speed, 1);
  EXPECT_TRUE(g->FindLocation("Far")->Known);
  EXPECT_TRUE(WorldConsistent(*g));
}

// Without the fuel for its first step the fleet does not leave its system (nothing would see it
// go), and keeps its order until the fuel is there.
TEST(CampaignFlight, AFleetWithoutFuelForItsFirstStepStaysInItsSystem) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& player = *g->PlayerFleet();
  player.DSystem = "Far";
  player.Fuel = 5;  // a step costs 6
  Step(*g);
  EXPECT_EQ(player.System, "Home");
  EXPECT_EQ(g->FindLocation("Home")->FleetNames, std::vector<std::string>{"Vanguard"});
  EXPECT_EQ(g->FleetLocationOf("Vanguard"), -1);
  EXPECT_EQ(player.DSystem, "Far");
  EXPECT_EQ(player.Fuel, 5);
  EXPECT_TRUE(WorldConsistent(*g));
  player.Fuel = 6;
  Step(*g);
  EXPECT_EQ(player.System, "");
  EXPECT_EQ(player.X, 706);
  EXPECT_EQ(player.Fuel, 0);
  EXPECT_TRUE(WorldConsistent(*g));
}

TEST(CampaignFlight, APointDestinationIsReachedExactlyAndTheFleetStaysInOpenSpace) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& player = *g->PlayerFleet();
  player.DX = 710;
  player.DY = 610;  // 14.1 away at 6 a step
  Step(*g);
  EXPECT_EQ(player.X, 704);
  EXPECT_EQ(player.Y, 604);
  EXPECT_EQ(player.Fuel, 34);
  Step(*g);
  EXPECT_EQ(player.X, 709);
  EXPECT_EQ(player.Y, 609);
  EXPECT_EQ(player.Fuel, 28);
  Step(*g);  // 1.4 left: pays 1
  EXPECT_EQ(player.X, 710);
  EXPECT_EQ(player.Y, 610);
  EXPECT_EQ(player.Fuel, 27);
  EXPECT_EQ(player.DX, -1);
  EXPECT_EQ(player.DY, -1);
  EXPECT_EQ(player.System, "");
  EXPECT_EQ(g->Locations.At(g->WhereIsFleet("Vanguard"))->LocType, ltFleetLocation);
  EXPECT_TRUE(WorldConsistent(*g));
}

TEST(CampaignFlight, ChasersFollowTheirQuarryAndOnlyThePlayerMakesAnEncounter) {
  TCampaignRoot root;
  auto g = root.Load();
  // The Drifter chases the Wanderer, which reaches Rift in its fourth step (100 at 27 a step).
  g->FindFleet("Drifter")->DSystem = "Wanderer";
  for (int i = 0; i < 3; ++i) Step(*g);
  EXPECT_EQ(g->FindFleet("Drifter")->DSystem, "Wanderer");
  Step(*g);
  EXPECT_EQ(g->FindFleet("Wanderer")->System, "Rift");
  EXPECT_EQ(g->FindFleet("Drifter")->DSystem, "Rift");
  EXPECT_TRUE(WorldConsistent(*g));

  // Two other fleets meeting in open space just stop there.
  TFleet& drifter = *g->FindFleet("Drifter");
  PutInOpenSpace(*g, *g->FindFleet("Wanderer"), drifter.X + 2, drifter.Y);
  drifter.DSystem = "Wanderer";
  Step(*g);
  EXPECT_EQ(drifter.X, g->FindFleet("Wanderer")->X);
  EXPECT_FALSE(drifter.HasDestination());
  EXPECT_EQ(g->Speed, 1);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_TRUE(WorldConsistent(*g));

  // A patrol that catches the player: the encounter is with the patrol.
  TFleet& player = *g->PlayerFleet();
  PutInOpenSpace(*g, player, 1010, 600);
  g->FindFleet("Raider 101")->DSystem = "Vanguard";
  Step(*g);
  EXPECT_EQ(g->SelectedFleet, g->Fleets.IndexOf("Raider 101"));
  EXPECT_EQ(g->SelectedLocation, g->FleetLocationOf("Raider 101"));
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(g->SubScreen(), csEncounter);
  EXPECT_TRUE(WorldConsistent(*g));

  // The player sent after itself (an event's order) meets no one.
  g->ShowScreen(csMap);
  g->SetSpeed(1);
  player.DSystem = "Vanguard";
  Step(*g);
  EXPECT_FALSE(player.HasDestination());
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  // The player catching a fleet: the encounter is with that fleet.
  g->ShowScreen(csMap);
  player.DSystem = "Drifter";
  PutInOpenSpace(*g, player, drifter.X - 3, drifter.Y);
  Step(*g);
  EXPECT_EQ(g->SelectedFleet, g->Fleets.IndexOf("Drifter"));
  EXPECT_EQ(g->SelectedLocation, g->FleetLocationOf("Drifter"));
  EXPECT_EQ(g->SubScreen(), csEncounter);
}

TEST(CampaignFlight, ADestinationThatIsNoLocationIsClearedAndTheFleetStays) {
  TCampaignRoot root;
  auto g = root.Load();
  g->PlayerFleet()->DSystem = "Atlantis";
  g->FindFleet("Wanderer")->DSystem = "Nowhere";
  const int wandererX = g->FindFleet("Wanderer")->X;
  Step(*g);
  EXPECT_EQ(g->PlayerFleet()->System, "Home");
  EXPECT_FALSE(g->PlayerFleet()->HasDestination());
  EXPECT_EQ(g->FindFleet("Wanderer")->X, wandererX);
  EXPECT_FALSE(g->FindFleet("Wanderer")->HasDestination());
  EXPECT_EQ(g->Problems.size(), 2u);
  EXPECT_TRUE(WorldConsistent(*g));
}

TEST(CampaignFlight, ScanningDiscoversNearLocationsAndBothEndsOfAWormhole) {
  TCampaignRoot root;
  auto g = root.Load();
  g->Discovery();
  EXPECT_TRUE(g->FindLocation("Near")->Known);  // 20 away
  EXPECT_FALSE(g->FindLocation("WormA")->Known);
  PutInOpenSpace(*g, *g->PlayerFleet(), 700, 680);
  g->Discovery();
  EXPECT_TRUE(g->FindLocation("WormA")->Known);
  EXPECT_TRUE(g->FindLocation("WormB")->Known);  // 850 away, but the other end
  EXPECT_FALSE(g->FindLocation("Far")->Known);
}
