// The event script: every key family in its fixed order, fail events, the nesting limit, the
// event screen with its picture, and names that do not resolve.
#include <gtest/gtest.h>

#include "StoryKit.h"
#include "media/ImageList.h"

using namespace sw;

namespace {

bool Reported(const TGameMain& g, const std::string& start) {
  for (const auto& p : g.Problems)
    if (p.rfind(start, 0) == 0) return true;
  return false;
}

const std::string Events = "data/testcamp/events.adf:";

}  // namespace

TEST(Events, EveryKeyFamilyChangesTheWorld) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  auto killed = std::make_unique<TTrigger>();
  killed->EventName = "LOG_A";
  killed->KillFleet = "Raider 101";
  g->Triggers.Add("KILLED", std::move(killed));
  TFleet& p = *g->PlayerFleet();
  p.Crew = 0;
  g->SelectedFleet = g->Fleets.IndexOf("Wanderer");
  g->RunEvent("EVERYTHING");

  // Resources: 100 + 25 - 50; crew 0 + 4 - 1; fuel 40 + 100 held to 50, then - 5.
  EXPECT_EQ(p.RU, 75);
  EXPECT_EQ(p.Crew, 3);
  EXPECT_EQ(p.Fuel, 45);
  EXPECT_EQ(p.Devices, std::vector<std::string>{"Relic"});
  EXPECT_EQ(p.Vips, std::vector<std::string>{"Dr Aya"});
  // Relations held to 0..100; DRN, not named, keeps its value.
  EXPECT_EQ(g->Relation("VSK"), 100);
  EXPECT_EQ(g->Relation("QLL"), 0);
  EXPECT_EQ(g->Relation("DRN"), 50);
  EXPECT_TRUE(g->GameOver);
  EXPECT_EQ(*g->Logs.Find("Find the relic"), "1");
  EXPECT_EQ(*g->Logs.Find("Meet the envoy"), "0");
  EXPECT_TRUE(g->FindLocation("WormA")->Known);
  EXPECT_TRUE(g->FindLocation("WormB")->Known) << "a wormhole's other end";
  const TPlanet& homeOne = *g->FindLocation("Home")->PlanetList.Find("Home I");
  EXPECT_EQ(homeOne.Artifact, "Scanner");
  EXPECT_EQ(homeOne.Vip, "Envoy");
  EXPECT_EQ(g->FindLocation("Far")->Owner, "TFG");
  EXPECT_EQ(p.WarpMod, 2);
  EXPECT_EQ(p.MaxFuel, 60);
  // Ships given one at a time at full strength, after the two entries the player had.
  ASSERT_EQ(p.Ships.Count(), 4);
  EXPECT_EQ(p.Ships.NameAt(2), "SHIP3");
  EXPECT_EQ(p.Ships.At(2)->ShipClass, "Scout");
  EXPECT_EQ(p.Ships.At(3)->ShipClass, "Cruiser");
  EXPECT_EQ(p.Ships.At(3)->Count, 1);
  EXPECT_EQ(p.Ships.At(3)->Structure, 40);
  EXPECT_EQ(p.Ships.At(3)->Crew, 20);
  // The trader is at Near now; the wanderer heads for Edge.
  const TFleet& drifter = *g->FindFleet("Drifter");
  EXPECT_EQ(drifter.System, "Near");
  EXPECT_EQ(drifter.X, 720);
  EXPECT_EQ(g->FindLocation("Near")->FleetNames, std::vector<std::string>{"Drifter"});
  EXPECT_EQ(g->FleetLocationOf("Drifter"), -1) << "its fleet location went with it";
  EXPECT_EQ(g->FindFleet("Wanderer")->DSystem, "Edge");
  EXPECT_EQ(g->FindRace("VSK")->RaceSect, "PEACE");
  EXPECT_EQ(*g->Designs.Find("Cruiser"), "300");
  EXPECT_EQ(g->DbEntries, (std::vector<std::string>{"RACE@TFG", "SHIP@Scout"})) << "no empty or repeated entries";
  EXPECT_EQ(g->States, std::vector<std::string>{"CHAPTER2"});
  EXPECT_EQ(g->ScanRange, 60);
  EXPECT_EQ(g->ComRange, 5);
  EXPECT_TRUE(g->CanTrade);
  EXPECT_TRUE(g->CanRecycle);
  EXPECT_FALSE(g->CanMine);
  EXPECT_EQ(g->FindCharacter("Admiral Rhee")->CurrentSection, "SECOND");
  // The raider lost a cruiser, then went; its trigger fired; the selection stayed on the wanderer.
  EXPECT_EQ(g->FindFleet("Raider 101"), nullptr);
  EXPECT_TRUE(g->FindLocation("Far")->FleetNames.empty());
  EXPECT_EQ(g->Triggers.Find("KILLED")->ExecTimes, 0);
  EXPECT_EQ(g->Fleets.At(g->SelectedFleet)->Name, "Wanderer");
  EXPECT_TRUE(WorldConsistent(*g));
  EXPECT_TRUE(g->Problems.empty()) << g->Problems.front();
}

TEST(Events, LacksRunTheFailEventAndTheRestOfTheEventStillRuns) {
  TStoryRoot root;
  auto g = root.Load();
  TFleet& p = *g->PlayerFleet();
  p.RU = 30;
  p.Crew = 0;
  g->RunEvent("PAY");
  // The RU lack and the missing VIP each run BROKE; then 30 are gotten and 50 paid from 60.
  EXPECT_EQ(p.RU, 10);
  EXPECT_EQ(p.Crew, 2);
  EXPECT_EQ(*g->Logs.Find("Broke"), "0");
  EXPECT_EQ(g->EventText, std::vector<std::string>{"You cannot pay."}) << "the fail event's text is what shows";
  EXPECT_EQ(g->SubScreen(), csEvent);

  // Paying with too little: the payment is not made.
  p.RU = 10;
  g->RunEvent("PAY");
  EXPECT_EQ(p.RU, 40);

  // Order: the state is set after the device is gained, so a trigger that needs it stays silent.
  g->Triggers.Clear();
  auto t = std::make_unique<TTrigger>();
  t->EventName = "TICK";
  t->GainDev = "Relic";
  t->OnStates = {"READY"};
  TTrigger& gated = *g->Triggers.Add("GATED", std::move(t));
  g->RunEvent("ORDER");
  EXPECT_EQ(gated.ExecTimes, 1);
  EXPECT_EQ(g->States.back(), "READY");

  // An event that fails into itself stops at the nesting limit as a data error; the game goes on.
  const int before = p.RU;
  g->RunEvent("LOOP");
  EXPECT_EQ(p.RU, before + 32) << "32 events deep, each finishing its own rows";
  EXPECT_TRUE(Reported(*g, Events + "LOOP::"));
  g->RunEvent("TICK");
  EXPECT_EQ(p.RU, before + 33);
  g->RunEvent("NO_SUCH_EVENT");
  EXPECT_EQ(p.RU, before + 33);
}

// PAID_EVENT runs after the payments, only when every one of them was made.
TEST(Events, APaidEventRunsOnlyWhenThePaymentsAreMade) {
  TStoryRoot root;
  auto g = root.Load();
  TFleet& p = *g->PlayerFleet();
  p.RU = 19;
  p.Crew = 3;
  g->RunEvent("HIRE");
  EXPECT_EQ(p.RU, 19);
  EXPECT_EQ(p.Crew, 3) << "no hands without their pay";
  EXPECT_EQ(*g->Logs.Find("Broke"), "0");
  p.RU = 25;
  g->RunEvent("HIRE");
  EXPECT_EQ(p.RU, 5);
  EXPECT_EQ(p.Crew, 9);
}

TEST(Events, TheEventScreenShowsItsLinesAndPictureAndClosesToTheMapOrTheMenu) {
  TStoryRoot root;
  TDXImageList images;
  TCampaignEnv env = root.Env();
  env.Images = &images;
  std::vector<std::string> reports;
  env.Report = [&](const std::string& m) { reports.push_back(m); };
  TGameMain g(env, "testcamp\\", "", "Test Campaign");
  EXPECT_EQ(g.Speed, 1);

  // The opening trigger fires on the first frame of its day, at any speed.
  g.FrameUpdate(false);
  EXPECT_EQ(g.SubScreen(), csEvent);
  EXPECT_EQ(g.Speed, 0);
  EXPECT_EQ(g.EventText, (std::vector<std::string>{"The Vanguard stands ready.", "Find the relic.", ""}))
      << "TEXT_LINES 2 shows three lines";
  ASSERT_TRUE(images.Has("event_pic"));
  EXPECT_EQ(images.At(images.IndexOf("event_pic"))->Width(), 4);
  EXPECT_FALSE(g.CloseEventScreen());
  EXPECT_EQ(g.SubScreen(), csMap);
  g.FrameUpdate(false);
  EXPECT_EQ(g.SubScreen(), csEvent) << "its second execution, on the next frame of the day";
  g.CloseEventScreen();
  g.FrameUpdate(false);
  EXPECT_EQ(g.SubScreen(), csMap);

  // A picture that cannot be loaded is reported; no old picture shows and the event goes on.
  const int crew = g.PlayerFleet()->Crew;
  g.RunEvent("NOPIC");
  EXPECT_FALSE(images.Has("event_pic"));
  EXPECT_TRUE(Reported(g, Events + "NOPIC:IMAGE: "));
  EXPECT_EQ(g.PlayerFleet()->Crew, crew + 5);
  EXPECT_EQ(g.EventText, std::vector<std::string>{""});
  EXPECT_EQ(g.SubScreen(), csEvent);

  // A game over leaves for the menu when the screen closes.
  g.GameOver = true;
  EXPECT_TRUE(g.CloseEventScreen());
}

TEST(Events, NamesThatDoNotResolveAreDataErrorsAndFleetsMoveConsistently) {
  TStoryRoot root;
  auto g = root.Load();
  g->Triggers.Clear();
  g->RunEvent("STRAY");
  // The player's fleet leaves Home for a fleet location of its own at the point.
  const TFleet& p = *g->PlayerFleet();
  EXPECT_EQ(p.System, "");
  EXPECT_EQ(p.X, 300);
  EXPECT_EQ(p.Y, 250);
  EXPECT_TRUE(g->FindLocation("Home")->FleetNames.empty());
  const int own = g->FleetLocationOf(p.Name);
  ASSERT_GE(own, 0);
  EXPECT_EQ(g->SelectedLocation, own) << "the selection follows the player";
  EXPECT_TRUE(WorldConsistent(*g));
  // A destination that is not on the map clears the old one; the player's fleet is never destroyed;
  // a talk with someone who is no character does not open.
  EXPECT_FALSE(g->FindFleet("Wanderer")->HasDestination());
  EXPECT_TRUE(Reported(*g, Events + "STRAY:SEND@Wanderer: "));
  EXPECT_EQ(g->Fleets.At(0), &p);
  EXPECT_TRUE(Reported(*g, Events + "STRAY:DESTROY_FLEET@Vanguard: "));
  EXPECT_TRUE(Reported(*g, Events + "STRAY:ENVOKE_DIALOG: "));
  EXPECT_EQ(g->SubScreen(), csMap);

  // Teleported from open space into a system: the fleet location goes.
  root.Edit("data/testcamp/events.adf", "TELEPORT@Vanguard=300x250", "TELEPORT@Vanguard=#Glow");
  g->RunEvent("STRAY");
  EXPECT_EQ(p.System, "Glow");
  EXPECT_EQ(g->FleetLocationOf(p.Name), -1);
  EXPECT_EQ(g->SelectedLocation, g->Locations.IndexOf("Glow"));
  EXPECT_TRUE(WorldConsistent(*g));

  // A character's internal talk opens on the communication screen.
  g->RunEvent("CALL");
  EXPECT_EQ(g->SubScreen(), csCommunication);
  EXPECT_EQ(g->ComMode, 2);
  EXPECT_EQ(g->TalkPartner, "Admiral Rhee");
}
