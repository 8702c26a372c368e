// Planets: what the planet panel offers, what a party meets, and the landing and mining runs
// frame by frame at the clock's slowest and fastest speeds.
#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "campaign/screens/LocationScreens.h"

using namespace sw;

namespace {

// The test world with Home II open to landings, a trigger on gaining its relic that pays 7 RUs
// (it may fire up to five times, so a second firing would show) and one on gaining its VIP that
// shows an event screen.
std::unique_ptr<TGameMain> LoadWithFinds(const TCampaignRoot& root) {
  const std::string camp = "data/testcamp/";
  root.Edit(camp + "map.adf", "PLANET2=Home II;2;50;0;0;4;Relic;Dr Aya;", "PLANET2=Home II;2;50;0;1;4;Relic;Dr Aya;");
  root.Edit(camp + "triggers.adf", "[START]",
            "[RELIC_FOUND]\nTRIGGER_EVENT=PAY_FOR_RELIC\nTRIGGER_GAIN_DEV=Relic\nTRIGGER_EXEC_TIMES=5\n\n"
            "[AYA_ABOARD]\nTRIGGER_EVENT=AYA_SPEAKS\nTRIGGER_GAIN_VIP=Dr Aya\n\n[START]");
  root.Edit(camp + "events.adf", "[HELLO]",
            "[PAY_FOR_RELIC]\nGET_RU=7\n\n[AYA_SPEAKS]\nSHOW_EVENT_SCREEN=1\nTEXT_LINES=0\nTEXT1=Thank you\n\n[HELLO]");
  auto g = root.Load();
  g->SelectedLocation = g->Locations.IndexOf("Home");
  g->CanLand = g->CanMine = true;
  g->PlayerFleet()->Crew = 8;
  return g;
}

// Runs the screen's frames until it gives way; the number of frames it took.
template <typename Tick>
int RunUntilDone(TGameMain& g, uint8_t screen, Tick tick) {
  int frames = 0;
  while (g.SubScreen() == screen && frames < 5000) {
    tick();
    ++frames;
  }
  return frames;
}

}  // namespace

TEST(Expedition, ThePanelOffersHailLandAndMineOnlyWhereTheyCanBeDone) {
  TCampaignRoot root;
  auto g = root.Load();
  g->SelectedLocation = g->Locations.IndexOf("Home");
  g->SelectedPlanet = 0;  // Home I: approachable, 5000M people
  TFleet& player = *g->PlayerFleet();
  ASSERT_EQ(player.Crew, 0);
  EXPECT_TRUE(g->CanHailPlanet());
  EXPECT_FALSE(g->CanLandOnPlanet()) << "no spare crew";
  EXPECT_FALSE(g->CanMinePlanet());
  EXPECT_FALSE(g->StartLanding());
  EXPECT_EQ(g->SubScreen(), csMap);

  player.Crew = 3;
  EXPECT_FALSE(g->CanLandOnPlanet()) << "the story has not allowed landings yet";
  g->CanLand = true;
  EXPECT_TRUE(g->CanLandOnPlanet());
  EXPECT_FALSE(g->CanMinePlanet()) << "mining needs its own leave";
  g->CanMine = true;
  EXPECT_TRUE(g->CanMinePlanet());
  g->CanLand = false;
  EXPECT_FALSE(g->CanMinePlanet()) << "mining is a landing too";
  g->CanLand = true;

  g->SelectedPlanet = 1;  // Home II cannot be approached
  EXPECT_FALSE(g->CanHailPlanet());
  EXPECT_FALSE(g->CanLandOnPlanet());
  EXPECT_FALSE(g->CanMinePlanet());
  g->CurrentPlanet()->Approachable = 1;
  EXPECT_FALSE(g->CanHailPlanet()) << "nobody lives there";
  EXPECT_TRUE(g->CanLandOnPlanet());

  player.X += 5;  // just out of hailing range (5)
  EXPECT_FALSE(g->CanLandOnPlanet());
  g->SelectedPlanet = 0;
  EXPECT_FALSE(g->CanHailPlanet());
  g->SelectedPlanet = 7;  // no such planet
  player.X -= 5;
  EXPECT_FALSE(g->CanHailPlanet());
  EXPECT_FALSE(g->StartMining());
}

TEST(Expedition, ResistanceFollowsThePopulationAndTheOwnersRelation) {
  TCampaignRoot root;
  auto g = root.Load();
  g->PlayerFleet()->Crew = 3;
  TPlanet planet;
  planet.Population = 0;
  g->MeetResistance(planet, "VSK", 1, 109);
  EXPECT_EQ(g->ResistanceText, "No resistance");
  EXPECT_EQ(g->Casualties, 0);
  EXPECT_EQ(g->PartySize, 3) << "the spare crew, when fewer than five";
  EXPECT_EQ(g->ExpeditionTime, 1);
  g->MeetResistance(planet, "VSK", 0, 109);  // an empty world resists only on a draw of 0
  EXPECT_EQ(g->ResistanceText, "Hostile resistance");
  EXPECT_EQ(g->Casualties, 3) << "never more than the party";
  EXPECT_EQ(g->PendingCasualties, 3);

  g->PlayerFleet()->Crew = 20;
  planet.Population = 299;  // resists whatever the draw
  g->MeetResistance(planet, "VSK", 299, 109);
  EXPECT_EQ(g->PartySize, 5);
  EXPECT_EQ(g->Casualties, 5);
  g->MeetResistance(planet, "VSK", 299, 60);
  EXPECT_EQ(g->Casualties, 3);
  g->MeetResistance(planet, "VSK", 299, 9);
  EXPECT_EQ(g->Casualties, 0);
  g->MeetResistance(planet, "QLL", 299, 109);  // 80
  EXPECT_EQ(g->ResistanceText, "Friendly population");
  EXPECT_EQ(g->Casualties, 0);
  g->MeetResistance(planet, "TFG", 299, 109);  // not listed: neutral
  EXPECT_EQ(g->ResistanceText, "Neutral population");
  EXPECT_EQ(g->Casualties, 0);
  g->Relations.Set("TFG", "30");
  g->MeetResistance(planet, "TFG", 299, 109);
  EXPECT_EQ(g->ResistanceText, "Hostile resistance");
  EXPECT_EQ(g->Casualties, 0) << "only a relation below 30 costs lives";
  g->Relations.Set("TFG", "29");
  g->MeetResistance(planet, "TFG", 299, 109);
  EXPECT_EQ(g->Casualties, 5);
  g->Relations.Set("TFG", "71");
  g->MeetResistance(planet, "TFG", 299, 109);
  EXPECT_EQ(g->ResistanceText, "Friendly population");
  g->Relations.Set("TFG", "70");
  g->MeetResistance(planet, "TFG", 299, 109);
  EXPECT_EQ(g->ResistanceText, "Neutral population");
  planet.Population = 298;
  g->MeetResistance(planet, "TFG", 299, 109);
  EXPECT_EQ(g->ResistanceText, "No resistance");
}

TEST(Expedition, TheLandingBringsTheFindsBackOnceAtEitherSpeed) {
  for (int speed : {1, 10}) {
    SCOPED_TRACE(speed);
    TCampaignRoot root;
    auto g = LoadWithFinds(root);
    g->SetSpeed(speed);
    g->SelectedPlanet = 1;
    TFleet& player = *g->PlayerFleet();
    const int ru = player.RU;
    ASSERT_TRUE(g->StartLanding());
    EXPECT_EQ(g->SubScreen(), csLanding);
    EXPECT_EQ(g->FoundArtifact, "Relic");
    EXPECT_EQ(g->FoundVip, "Dr Aya");
    EXPECT_EQ(g->PartySize, 5);
    // Nobody lives there, so nobody resists (unless the draw was 0: settle it).
    g->MeetResistance(*g->CurrentPlanet(), "TFG", 299, 0);
    EXPECT_EQ(g->ResistanceText, "No resistance");

    int frames = 0;
    while (g->ExpeditionTime + speed <= 220) {
      g->LandingTick();
      ++frames;
      ASSERT_EQ(g->SubScreen(), csLanding);
    }
    EXPECT_EQ(g->CurrentPlanet()->Artifact, "Relic") << "nothing leaves the planet before the party is back";
    g->LandingTick();
    EXPECT_EQ(frames + 1, speed == 1 ? 220 : 22);
    EXPECT_EQ(g->SubScreen(), csEvent) << "the panel returns first, then the VIP's trigger shows its event";
    EXPECT_EQ(g->CurrentPlanet()->Artifact, "");
    EXPECT_EQ(g->CurrentPlanet()->Vip, "");
    EXPECT_EQ(player.Devices, (std::vector<std::string>{"Scanner", "Relic"}));
    EXPECT_EQ(player.Vips, (std::vector<std::string>{"Envoy", "Dr Aya"}));
    EXPECT_EQ(player.RU, ru + 7) << "the relic's trigger fires once";
    EXPECT_EQ(player.Crew, 8);
  }
}

TEST(Expedition, CasualtiesFallDueOnceAndNeverTakeTheCrewBelowNone) {
  TCampaignRoot root;
  auto g = LoadWithFinds(root);
  g->SelectedPlanet = 1;
  g->Relations.Set("TFG", "10");
  TFleet& player = *g->PlayerFleet();
  ASSERT_TRUE(g->StartLanding());
  g->MeetResistance(*g->CurrentPlanet(), "TFG", 0, 60);  // hostile: 3 of 5 lost
  ASSERT_EQ(g->Casualties, 3);
  while (g->ExpeditionTime <= 80) g->LandingTick();
  EXPECT_EQ(player.Crew, 5) << "8 spare, 3 lost";
  EXPECT_EQ(g->PendingCasualties, 0);
  g->LandingTick();
  EXPECT_EQ(player.Crew, 5) << "taken once";
  RunUntilDone(*g, csLanding, [&] { g->LandingTick(); });
  EXPECT_EQ(player.Crew, 5);
  EXPECT_EQ(player.Devices.back(), "Relic") << "two came back with the relic";

  // The whole party lost, and an event emptied the crew while it was down: the crew stays at 0,
  // nothing is found and the planet keeps its VIP; the party is given up sooner.
  TCampaignRoot root2;
  auto h = LoadWithFinds(root2);
  h->SelectedPlanet = 1;
  h->Relations.Set("TFG", "10");
  ASSERT_TRUE(h->StartLanding());
  h->MeetResistance(*h->CurrentPlanet(), "TFG", 0, 109);
  ASSERT_EQ(h->Casualties, 5);
  h->PlayerFleet()->Crew = 2;
  const int frames = RunUntilDone(*h, csLanding, [&] { h->LandingTick(); });
  EXPECT_EQ(frames, 180);
  EXPECT_EQ(h->SubScreen(), csPlanetPanel);
  EXPECT_EQ(h->PlayerFleet()->Crew, 0);
  EXPECT_EQ(h->CurrentPlanet()->Artifact, "Relic");
  EXPECT_EQ(h->CurrentPlanet()->Vip, "Dr Aya");
  EXPECT_EQ(h->PlayerFleet()->Devices.size(), 1u);

  // A mining party wiped out comes back at 80 with nothing.
  h->PlayerFleet()->Crew = 4;
  h->SelectedPlanet = 0;
  const int ru = h->PlayerFleet()->RU;
  ASSERT_TRUE(h->StartMining());
  h->MeetResistance(*h->CurrentPlanet(), "TFG", 0, 100);
  EXPECT_EQ(RunUntilDone(*h, csMining, [&] { h->MiningTick(); }), 80);
  EXPECT_EQ(h->PlayerFleet()->Crew, 0);
  EXPECT_EQ(h->PlayerFleet()->RU, ru);
  EXPECT_EQ(h->CurrentPlanet()->Resources, 100);
}

// A party called back before its casualties showed (the side menu's planet button, the close
// button, any screen) still loses them: landing again cannot draw the resistance afresh.
TEST(Expedition, LeavingARunningExpeditionStillCountsItsCasualties) {
  TCampaignRoot root;
  auto g = LoadWithFinds(root);
  g->SelectedPlanet = 1;
  g->Relations.Set("TFG", "10");
  TFleet& player = *g->PlayerFleet();
  ASSERT_TRUE(g->StartLanding());
  g->MeetResistance(*g->CurrentPlanet(), "TFG", 0, 60);  // hostile: 3 of 5 lost
  for (int i = 0; i < 10; ++i) g->LandingTick();
  ASSERT_EQ(player.Crew, 8) << "not counted yet";
  ASSERT_TRUE(RoutePlaceKey(*g, "planet1"));
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
  EXPECT_EQ(player.Crew, 5);
  EXPECT_EQ(g->CurrentPlanet()->Artifact, "") << "another planet is selected now";
  EXPECT_EQ(g->FindLocation("Home")->PlanetList.At(1)->Artifact, "Relic") << "nothing was brought up";

  g->SelectedPlanet = 0;
  ASSERT_TRUE(g->StartMining());
  g->MeetResistance(*g->CurrentPlanet(), "TFG", 0, 60);
  for (int i = 0; i < 10; ++i) g->MiningTick();
  g->ShowScreen(csMap);
  EXPECT_EQ(player.Crew, 2);
  g->ShowScreen(csPlanetPanel);
  EXPECT_EQ(player.Crew, 2) << "counted once";
}

TEST(Expedition, MiningBringsThePlanetsResourcesUpInTenPortionsAtEitherSpeed) {
  for (int speed : {1, 10}) {
    SCOPED_TRACE(speed);
    TCampaignRoot root;
    auto g = LoadWithFinds(root);
    g->SetSpeed(speed);
    g->SelectedPlanet = 0;
    g->CurrentPlanet()->Resources = 105;
    TFleet& player = *g->PlayerFleet();
    const int ru = player.RU;
    ASSERT_TRUE(g->StartMining());
    EXPECT_EQ(g->SubScreen(), csMining);
    EXPECT_EQ(g->MinedPortion, 10);
    EXPECT_EQ(g->MinedRest, 5);
    EXPECT_EQ(g->StageInterval, 50);
    EXPECT_EQ(g->Portions[0], 15);
    EXPECT_EQ(g->Portions[9], 10);
    EXPECT_EQ(g->ResistanceText, "Neutral population") << "5000M people always meet the party";
    // Each portion comes up once its time has passed: portion i once the time is above 50 i + 40.
    int frames = 0;
    while (g->SubScreen() == csMining && frames < 1000) {
      g->MiningTick();
      ++frames;
      int due = 0;
      for (int i = 1; i <= 10; ++i) due += g->ExpeditionTime > 50 * i + 40;
      const int mined = due == 0 ? 0 : 15 + 10 * (due - 1);
      ASSERT_EQ(player.RU - ru, mined) << "at " << g->ExpeditionTime;
      ASSERT_EQ(g->CurrentPlanet()->Resources, 105 - mined);
    }
    EXPECT_EQ(frames, speed == 1 ? 680 : 68) << "the party is back after 10 x 50 + 180";
    EXPECT_EQ(g->SubScreen(), csPlanetPanel);
    EXPECT_EQ(g->MinedSoFar, 105);
    EXPECT_EQ(g->CurrentPlanet()->Resources, 0);
  }

  // Fewer than ten RUs come up at once, in the first portion.
  TCampaignRoot root;
  auto g = LoadWithFinds(root);
  g->SelectedPlanet = 0;
  g->CurrentPlanet()->Resources = 7;
  const int ru = g->PlayerFleet()->RU;
  ASSERT_TRUE(g->StartMining());
  EXPECT_EQ(g->StageInterval, 0);
  while (g->ExpeditionTime <= 40) g->MiningTick();
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 7);
  EXPECT_EQ(g->CurrentPlanet()->Resources, 0);
  EXPECT_EQ(RunUntilDone(*g, csMining, [&] { g->MiningTick(); }), 140);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 7);
}

TEST(Expedition, ThePlaceButtonsAndKeysOpenTheirScreensUnlessAnotherScreenHoldsTheKeys) {
  TCampaignRoot root;
  auto g = LoadWithFinds(root);
  EXPECT_TRUE(RoutePlaceKey(*g, "system_map"));
  EXPECT_EQ(g->SubScreen(), csSystem);
  EXPECT_TRUE(PlaceHotkey(*g, 'S'));
  EXPECT_EQ(g->SubScreen(), csSystem) << "S keeps the system view open";
  RoutePlaceKey(*g, "system_map");
  EXPECT_EQ(g->SubScreen(), csMap) << "the button closes it";
  RoutePlaceKey(*g, "show_planets");
  EXPECT_EQ(g->SubScreen(), csPlanets);
  PlaceHotkey(*g, 'A');
  EXPECT_EQ(g->SubScreen(), csFleets);
  PlaceHotkey(*g, 'P');
  EXPECT_EQ(g->SubScreen(), csPlanets);
  RoutePlaceKey(*g, "show_planets");
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_FALSE(PlaceHotkey(*g, 'Q'));
  EXPECT_FALSE(RoutePlaceKey(*g, "fleet1"));

  RoutePlaceKey(*g, "planet3");  // Home has two planets
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->SelectedPlanet, -1);
  RoutePlaceKey(*g, "planet2");
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
  EXPECT_EQ(g->SelectedPlanet, 1);
  RoutePlaceKey(*g, "land_plan");
  EXPECT_EQ(g->SubScreen(), csLanding);

  // The encounter menu holds the keys: nothing here moves it.
  g->ShowScreen(csEncounter);
  for (const char* key : {"system_map", "show_planets", "planet1", "land_plan", "mine_plan", "hail_plan"}) {
    EXPECT_TRUE(RoutePlaceKey(*g, key)) << key;
    EXPECT_EQ(g->SubScreen(), csEncounter) << key;
  }
  EXPECT_EQ(g->SelectedPlanet, 1);
  // Out of reach, the panel's actions do nothing even when clicked.
  g->ShowScreen(csPlanetPanel);
  g->PlayerFleet()->X += 50;
  RoutePlaceKey(*g, "mine_plan");
  RoutePlaceKey(*g, "land_plan");
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
}
