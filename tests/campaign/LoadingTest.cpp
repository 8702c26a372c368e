// Loading a campaign: the world read from its files, fleets placed, the map ready.
#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "core/Errors.h"

using namespace sw;

TEST(CampaignLoading, ReadsTheWorldAndOpensOnTheMap) {
  TCampaignRoot root;
  auto g = root.Load();
  EXPECT_TRUE(g->Problems.empty()) << g->Problems.front();

  // Classes from the base files and from the add-on the prefix map names (its file name's case
  // differs on disk), and the race of no one last.
  ASSERT_EQ(g->ShipInfos.Count(), 5);
  EXPECT_EQ(g->FindShipInfo("Lancer")->DispName, "Add-on Lancer");
  EXPECT_EQ(g->FindShipInfo("Lancer")->Prefix, "add-ons\\pack\\");
  EXPECT_DOUBLE_EQ(g->FindShipInfo("Cruiser")->MaxSpeed, 6.5);
  EXPECT_EQ(g->FindWeapInfo("Gun")->Class, "DOUBLE_GUN");
  ASSERT_EQ(g->Races.Count(), 5);
  EXPECT_EQ(g->Races.NameAt(4), "NONE");
  EXPECT_EQ(g->Races.At(4)->Color, RGB(128, 128, 128));
  EXPECT_EQ(g->FindRace("VSK")->MinPatrolers, 3);
  EXPECT_EQ(g->FindRace("VSK")->RaceSect, "RAIDER");
  EXPECT_EQ(g->FindRace("QLL")->Color, 0xFF8000u);

  // "Cruiser;3;0;0" is three ships at full structure and crew; given values stay.
  const TFleet& player = *g->PlayerFleet();
  EXPECT_EQ(player.Name, "Vanguard");
  ASSERT_EQ(player.Ships.Count(), 2);
  const TShip& cruisers = *player.Ships.At(0);
  EXPECT_EQ(cruisers.Count, 3);
  EXPECT_EQ(cruisers.Structure, 40);
  EXPECT_EQ(cruisers.Crew, 20);
  EXPECT_EQ(player.Ships.At(1)->Structure, 7);
  EXPECT_EQ(player.Ships.At(1)->Crew, 2);
  EXPECT_EQ(player.TotalShips(), 4);
  EXPECT_EQ(player.Devices, std::vector<std::string>{"Scanner"});
  EXPECT_EQ(player.Vips, std::vector<std::string>{"Envoy"});

  // The player's fleet sits at its system; fleets without one sit on fleet locations of their own.
  const TLocation& home = *g->FindLocation("Home");
  EXPECT_EQ(home.FleetNames, std::vector<std::string>{"Vanguard"});
  EXPECT_EQ(player.X, 700);
  EXPECT_EQ(g->Locations.Count(), 9 + 2);
  const int drifterAt = g->WhereIsFleet("Drifter");
  ASSERT_GE(drifterAt, 9);
  const TLocation& drift = *g->Locations.At(drifterAt);
  EXPECT_EQ(drift.LocType, ltFleetLocation);
  EXPECT_EQ(drift.LocName, "Drifter");
  EXPECT_EQ(drift.X, 800);
  EXPECT_EQ(drift.Y, 500);
  EXPECT_EQ(drift.IconWidth, 5);
  EXPECT_EQ(drift.Owner, "QLL");
  EXPECT_FALSE(drift.Known);
  EXPECT_EQ(g->FindFleet("Drifter")->System, "");
  EXPECT_EQ(g->FindFleet("Wanderer")->DSystem, "Rift");
  EXPECT_EQ(g->Locations.At(g->WhereIsFleet("Wanderer"))->LocType, ltFleetLocation);

  // Locations and planets.
  EXPECT_EQ(home.StarImage, "Red_star");
  EXPECT_EQ(home.IconWidth, 10);
  EXPECT_EQ(g->FindLocation("Rift")->IconWidth, 13);
  ASSERT_EQ(home.PlanetList.Count(), 2);
  EXPECT_TRUE(home.PlanetList.At(0)->LifeSupport);
  EXPECT_FALSE(home.PlanetList.At(1)->LifeSupport);
  EXPECT_EQ(home.PlanetList.At(1)->Artifact, "Relic");
  EXPECT_EQ(home.PlanetList.At(1)->Vip, "Dr Aya");
  EXPECT_EQ(g->FindLocation("Near")->Owner, "TFG");
  EXPECT_EQ(g->FindLocation("WormB")->Owner, "NONE");

  // Story lists, characters and database texts (triggers, trade and events are present and harmless).
  EXPECT_EQ(g->States, std::vector<std::string>{"START"});
  EXPECT_EQ(g->Relation("VSK"), 10);
  EXPECT_EQ(g->Relation("TFG"), 50);  // not listed: neutral
  EXPECT_EQ(*g->Designs.Find("scout"), "120");
  EXPECT_EQ(g->Logs.Count(), 1);
  EXPECT_EQ(g->DbEntries, std::vector<std::string>{"RACE@TFG"});
  EXPECT_EQ(g->FindCharacter("Admiral Rhee")->CurrentSection, "START");
  EXPECT_EQ(g->MiscEntries.Find("neb")->Image, "nebula");
  EXPECT_EQ(g->ArtEntries.Find("Relic")->Title, "An old relic");

  // Ready on the map at speed 1, the player's fleet and location selected and centred.
  const auto date = g->StarDateParts();
  EXPECT_EQ(date.Day, 21);
  EXPECT_EQ(date.Month, 5);
  EXPECT_EQ(date.Year, 2309);
  EXPECT_EQ(g->LastStepMinutes, g->StarDateMinutes);
  EXPECT_EQ(g->Speed, 1);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->SelectedFleet, 0);
  EXPECT_EQ(g->SelectedLocation, 0);
  EXPECT_EQ(g->MapOffsetX, -300);
  EXPECT_EQ(g->MapOffsetY, -300);
  EXPECT_EQ(g->PreviousFuel, 40);
}

TEST(CampaignLoading, WorldFilesComeFromTheSaveSlotAndTheRestFromTheCampaign) {
  TCampaignRoot root;
  namespace fs = std::filesystem;
  fs::create_directories(root.Path + "saves/slot1");
  fs::copy(root.Campaign() + "map.adf", root.Path + "saves/slot1/map.adf");
  std::ofstream(root.Path + "saves/slot1/chars.adf") << "[Saved Hero]\nCURRENT_SECTION=LATER\n";
  root.Edit("saves/slot1/map.adf", "FUEL=40", "FUEL=13");

  auto saved = root.Load("slot1\\");
  EXPECT_EQ(saved->PlayerFleet()->Fuel, 13);
  EXPECT_TRUE(saved->FindCharacter("Saved Hero"));
  EXPECT_FALSE(saved->FindCharacter("Admiral Rhee"));
  // Classes and patrol settings are the campaign's own, never the slot's.
  EXPECT_EQ(saved->ShipInfos.Count(), 5);
  EXPECT_EQ(saved->FindRace("VSK")->PatName, "Raider");

  auto fresh = root.Load();
  EXPECT_EQ(fresh->PlayerFleet()->Fuel, 40);
  EXPECT_TRUE(fresh->FindCharacter("Admiral Rhee"));
}

TEST(CampaignLoading, RefusesACampaignWithoutThePlayersFleetOrAFolderOutsideData) {
  TCampaignRoot root;
  root.Edit("data/testcamp/map.adf", "[FLEET1]", "[FLEET9]");
  try {
    root.Load();
    FAIL() << "a campaign without FLEET1 was accepted";
  } catch (const EGameError& e) {
    EXPECT_NE(std::string(e.what()).find("FLEET1"), std::string::npos);
  }
  EXPECT_THROW(TGameMain(root.Env(), "../testcamp\\", "", ""), EGameError);
  EXPECT_THROW(TGameMain(root.Env(), "/etc/", "", ""), EGameError);
  EXPECT_THROW(TGameMain(root.Env(), "testcamp\\", "..\\..\\", ""), EGameError);
  EXPECT_THROW(TGameMain(root.Env(), "nowhere\\", "", ""), EGameError);
}

TEST(CampaignLoading, BadLinesAreDataErrorsNamingFileSectionAndKey) {
  TCampaignRoot root;
  root.Edit("data/testcamp/map.adf", "SHIP2=Scout;1;7;2", "SHIP2=Scout;x;7;2");
  root.Edit("data/testcamp/map.adf", "PLANET2=Home II;2;50;0;0;4;Relic;Dr Aya;", "PLANET2=Home II;2;lots;0;0;4;;;");
  root.Edit("data/testcamp/map.adf", "SYSTEM=Far", "SYSTEM=Farr");
  root.Edit("data/testcamp/chars.adf", "IMAGE=rhee", "IMAGE=../../secret");
  auto g = root.Load();
  auto has = [&](const std::string& start) {
    for (const auto& p : g->Problems)
      if (p.rfind(start, 0) == 0) return true;
    return false;
  };
  EXPECT_TRUE(has("data/testcamp/map.adf:FLEET1:SHIP2: "));
  EXPECT_TRUE(has("data/testcamp/map.adf:LOCATION1:PLANET2: "));
  EXPECT_TRUE(has("data/testcamp/map.adf:FLEET3:SYSTEM: "));
  EXPECT_TRUE(has("data/testcamp/chars.adf:Admiral Rhee:IMAGE: "));
  // What could not be read is left out; a fleet whose system is unknown waits in open space.
  EXPECT_EQ(g->PlayerFleet()->Ships.Count(), 1);
  EXPECT_EQ(g->FindLocation("Home")->PlanetList.Count(), 1);
  EXPECT_EQ(g->Locations.At(g->WhereIsFleet("Raider 101"))->LocType, ltFleetLocation);
  EXPECT_EQ(g->FindCharacter("Admiral Rhee")->Image, "");
}

TEST(CampaignLoading, ATruncatedMapLoadsWhatItHasOrIsRefused) {
  TCampaignRoot root;
  std::ifstream in(root.Campaign() + "map.adf");
  std::stringstream text;
  text << in.rdbuf();
  const std::string whole = text.str();
  int loaded = 0;
  for (size_t cut = 0; cut < whole.size(); cut += 131) {
    std::ofstream(root.Campaign() + "map.adf", std::ios::trunc) << whole.substr(0, cut);
    AdfFlushCache();
    try {
      auto g = root.Load();
      ++loaded;
      EXPECT_TRUE(WorldConsistent(*g)) << "cut at " << cut;
      for (int t = 0; t < 200; ++t) g->FrameUpdate(false);
      EXPECT_TRUE(WorldConsistent(*g)) << "cut at " << cut;
    } catch (const EGameError&) {
      // No player's fleet yet: refused.
    }
  }
  EXPECT_GT(loaded, 0);
}
