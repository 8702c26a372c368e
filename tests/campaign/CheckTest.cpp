// The data check of campaign folders.
#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "campaign/CampaignCheck.h"

using namespace sw;

namespace {

bool Names(const std::vector<std::string>& lines, const std::string& start) {
  for (const auto& l : lines)
    if (l.rfind(start, 0) == 0) return true;
  return false;
}

}  // namespace

TEST(CampaignCheck, ACleanFolderPassesAndABrokenCopyIsReportedByFileSectionAndKey) {
  TCampaignRoot root;
  const auto clean = CheckCampaigns(root.Path);
  EXPECT_TRUE(clean.empty()) << clean.front();

  const std::string map = "data/testcamp/map.adf";
  root.Edit(map, "SHIP1=Cruiser;3;0;0", "SHIP1=Crusier;3;0;0");
  root.Edit(map, "SHIP2=Scout;1;7;2", "SHIP2=Scout;1;7");
  root.Edit(map, "PLANET1=Home I;1;100;5000;1;3;;;", "PLANET1=Home I;1;100");
  root.Edit(map, "SPECTRA=WormA", "SPECTRA=WormZ");
  root.Edit(map, "DSYSTEM=Rift", "DSYSTEM=Rfit");
  root.Edit(map, "SYSTEM=Far", "SYSTEM=Farr");
  root.Edit(map, "RACE=QLL\nX=800", "RACE=QQQ\nX=800");
  root.Edit(map, "STARBASE=Fortress", "STARBASE=Scout");
  root.Edit("data/testcamp/prefixmap.adf", "Lancer=pack\\", "Lancer=..\\..\\pack\\");
  root.Edit("data/testcamp/camp_race.adf", "MINOR_PAT_CRAFT=Scout\nMAJOR_PAT_MAX=2", "MINOR_PAT_CRAFT=Skout\nMAJOR_PAT_MAX=2");
  const auto lines = CheckCampaigns(root.Path);
  EXPECT_TRUE(Names(lines, map + ":FLEET1:SHIP1: ")) << "unknown class";
  EXPECT_TRUE(Names(lines, map + ":FLEET1:SHIP2: ")) << "short ship line";
  EXPECT_TRUE(Names(lines, map + ":LOCATION1:PLANET1: ")) << "short planet line";
  EXPECT_TRUE(Names(lines, map + ":LOCATION5:SPECTRA: ")) << "wormhole end";
  EXPECT_TRUE(Names(lines, map + ":FLEET4:DSYSTEM: ")) << "destination";
  EXPECT_TRUE(Names(lines, map + ":FLEET3:SYSTEM: ")) << "system";
  EXPECT_TRUE(Names(lines, map + ":FLEET2:RACE: ")) << "race";
  EXPECT_TRUE(Names(lines, map + ":LOCATION6:STARBASE: ")) << "a starbase that is no starbase";
  EXPECT_TRUE(Names(lines, "data/testcamp/prefixmap.adf:SHIPS:Lancer: ")) << "prefix outside the add-ons";
  EXPECT_TRUE(Names(lines, "data/testcamp/camp_race.adf:VSK:MINOR_PAT_CRAFT: ")) << "patrol craft";
  EXPECT_TRUE(Names(lines, map + ":FLEET4:SHIP1: ")) << "the Lancer, gone with its prefix";
  EXPECT_TRUE(Names(lines, map + ":FLEET1:TOTAL_SHIPS: ")) << "both of the player's ship lines are gone";
  EXPECT_EQ(lines.size(), 12u) << ::testing::PrintToString(lines);

  root.Edit(map, "[FLEET1]", "[FLEET0]");
  const auto refused = CheckCampaigns(root.Path);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_TRUE(Names(refused, map + ":FLEET1:")) << refused.front();
  root.Edit("data/campaigns.adf", "FOLDER=testcamp\\", "FOLDER=..\\testcamp\\");
  EXPECT_TRUE(Names(CheckCampaigns(root.Path), "data/campaigns.adf:TEST:FOLDER: "));
}

TEST(CampaignCheck, TheShippedCampaignsPass) {
  const auto lines = CheckCampaigns(STARWAKE_TEST_ROOT);
  EXPECT_TRUE(lines.empty()) << lines.size() << " problems, the first: " << lines.front();
}
