// The data check of campaign folders.
#include <filesystem>
#include <fstream>

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
  // A trigger naming a star in another letter case never fires; a race without its portrait.
  root.Edit("data/testcamp/triggers.adf", "TRIGGER_EVENT=HELLO", "TRIGGER_EVENT=HELLO\nTRIGGER_SYSTEM=near");
  std::filesystem::remove(root.Path + "graphics/campaigns/testcamp/coms/DRN0.img");
  // Pictures that exist but cannot be shown: a screen picture cut short, a portrait emptied, an
  // article picture that is no picture. Each is read, not only found.
  const auto cut = [&](const std::string& file, size_t keep) {
    std::filesystem::resize_file(root.Path + file, keep);
  };
  cut("graphics/dbmenu.img", 60);
  cut("graphics/campaigns/testcamp/coms/rhee.img", 0);
  std::ofstream(root.Path + "graphics/campaigns/testcamp/nebula.img", std::ios::trunc) << "not a picture";
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
  EXPECT_TRUE(Names(lines, "data/testcamp/dialogs/heroes_TFG.adf::: ")) << "Admiral Rhee's planet is gone: no talk reaches her";
  EXPECT_TRUE(Names(lines, "data/testcamp/triggers.adf:START:TRIGGER_SYSTEM: \"near\" is spelled \"Near\""));
  EXPECT_TRUE(Names(lines, map + "::: race DRN has no portrait graphics/campaigns/testcamp/coms/DRN0.img"));
  EXPECT_TRUE(Names(lines, "graphics/dbmenu.img::: the campaign screen picture cannot be read: "));
  EXPECT_TRUE(Names(lines, "data/testcamp/chars.adf:Admiral Rhee:IMAGE: the portrait graphics/campaigns/testcamp/coms/rhee.img cannot be read: "));
  EXPECT_TRUE(Names(lines, "data/testcamp/desc.adf::IMAGE: the picture of \"neb\", graphics/campaigns/testcamp/nebula.img, cannot be read: "));
  EXPECT_EQ(lines.size(), 18u) << ::testing::PrintToString(lines);

  root.Edit(map, "[FLEET1]", "[FLEET0]");
  const auto refused = CheckCampaigns(root.Path);
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_TRUE(Names(refused, map + ":FLEET1:")) << refused.front();
  root.Edit("data/campaigns.adf", "FOLDER=testcamp\\", "FOLDER=..\\testcamp\\");
  EXPECT_TRUE(Names(CheckCampaigns(root.Path), "data/campaigns.adf:TEST:FOLDER: "));
}

// The dialogues as talks reach them. The clean campaign's raider talk goes on through a chain
// of answers (HOSTILE_GENERIC_RAIDER_000 -> _001 -> _002) and Admiral Rhee's planet opens her
// section: none of that is reported. The story then gives the raiders a new section word and
// the admiral a new current section, and calls her on the internal channel; a fourth answer
// and the sections only it leads to are never reached, and a file no talk opens is named once.
TEST(CampaignCheck, DialoguesAreCheckedAsTheTalksReachThem) {
  TCampaignRoot root;
  auto append = [&](const std::string& file, const std::string& text) {
    std::ofstream(root.Path + file, std::ios::app) << "\n" << text << "\n";
    AdfFlushCache();
  };
  const std::string dialogs = "data/testcamp/dialogs/";
  append("data/testcamp/events.adf",
         "[RAIDERS_TAMED]\nRACE@VSK=TAME\n[RHEE_PROMOTED]\nCHARS@Admiral Rhee=LATER\n"
         "[CALL_RHEE]\nENVOKE_DIALOG=Admiral Rhee\n");
  append(dialogs + "fleet_VSK.adf",
         "[FRIENDLY_GENERIC_TAME_000]\nREPLY_LINES=1\nREPLY1=Tame now.\nRESPONDS=1\nRESPOND1=Good.;#END;0;#NONE\n"
         "[RAIDER_SECRET]\nREPLY_LINES=1\nREPLY1=A secret.\nRESPONDS=1\nRESPOND1=More.;RAIDER_LORE;0;#NONE\n"
         "[RAIDER_LORE]\nREPLY_LINES=1\nREPLY1=Old lore.\n");
  root.Edit(dialogs + "fleet_VSK.adf", "RESPONDS=1\nRESPOND1=We go.;#END;0;#NONE\n\n[NEUTRAL",
            "RESPONDS=4\nRESPOND1=We go.;#END;0;#NONE\nRESPOND2=We stay.;#END;0;#NONE\n"
            "RESPOND3=We fight.;#BATTLE;0;#NONE\nRESPOND4=Tell us a secret.;RAIDER_SECRET;0;#NONE\n\n[NEUTRAL");
  append(dialogs + "heroes_TFG.adf",
         "[RHEE_LATER_000]\nREPLY_LINES=1\nREPLY1=Later.\nRESPONDS=1\nRESPOND1=Go on.;RHEE_LATER_001;0;#NONE\n"
         "[RHEE_LATER_001]\nREPLY_LINES=1\nREPLY1=Done.\n");
  append(dialogs + "fleet_DRN.adf", "[NEUTRAL_GENERIC__000]\nREPLY_LINES=1\nREPLY1=Drifting.\n[DRN_AFTER]\nREPLY_LINES=0\n");

  const std::string raiders = dialogs + "fleet_VSK.adf:";
  const std::string tame = " (hailing the fleet Raider 101; section word \"TAME\" set by event RAIDERS_TAMED)";
  const std::string internal = dialogs + "heroes_internal.adf:";
  const std::string never = ":: the section is never reached from an opening or an answer";
  EXPECT_EQ(CheckCampaigns(root.Path),
            (std::vector<std::string>{
                dialogs + "fleet_DRN.adf::: no talk ever opens the file",
                raiders + "HOSTILE_GENERIC_TAME_000:: the opening is missing" + tame,
                raiders + "NEUTRAL_GENERIC_TAME_000:: the opening is missing" + tame,
                raiders + "HOSTILE_GENERIC_RAIDER_002:RESPOND4: the answer is never offered: the communication screen "
                          "shows the first three",
                raiders + "RAIDER_SECRET" + never,
                raiders + "RAIDER_LORE" + never,
                internal + "RHEE_START_000:: the opening is missing: the file does not exist (event CALL_RHEE calls "
                           "Admiral Rhee; current section \"START\" of chars.adf)",
                internal + "RHEE_LATER_000:: the opening is missing: the file does not exist (event CALL_RHEE calls "
                           "Admiral Rhee; current section \"LATER\" set by event RHEE_PROMOTED)"}));
}

TEST(CampaignCheck, TheShippedCampaignsPass) {
  const auto lines = CheckCampaigns(STARWAKE_TEST_ROOT);
  EXPECT_TRUE(lines.empty()) << lines.size() << " problems, the first: " << lines.front();
}
