// Talks: which file and section a talk opens in for fleets, planets and characters, the answers
// (relation changes, events, next sections) and the commands that end a talk.
#include "TalkKit.h"

#include "campaign/CampaignCheck.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

std::vector<std::string> AnswerTexts(const TGameMain& g) {
  std::vector<std::string> texts;
  for (int i = 0; i < g.Responds.Count(); ++i) texts.push_back(g.Responds.At(i)->Text);
  return texts;
}

}  // namespace

// A hostile raider is hailed, talked into peace, paid and left: the whole walk of a generic talk.
TEST(Talk, AGenericFleetTalkFromHailToTheEnd) {
  TTalkRoot root;
  auto g = root.Load();
  SelectFleet(*g, "Raider 101");
  const int ru = g->PlayerFleet()->RU;

  g->OpenTalk(0);
  EXPECT_EQ(g->SubScreen(), csCommunication);
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(g->ComMode, 0);
  EXPECT_EQ(g->DialogFile, "fleet_VSK");
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_000");
  EXPECT_EQ(g->TalkPartner, "Unknown");
  EXPECT_EQ(g->ReplyLines, (std::vector<std::string>{"Cut your engines, stranger.", "Or we cut them for you."}));
  ASSERT_EQ(g->Responds.Count(), 4);
  EXPECT_EQ(g->Responds.At(0)->Next, "HOSTILE_GENERIC_RAIDER_001");
  EXPECT_EQ(g->Responds.At(0)->RelationDelta, 15);
  EXPECT_EQ(g->Responds.At(1)->RelationDelta, -5);
  EXPECT_EQ(g->Responds.At(1)->EventName, "GOT_RU");
  EXPECT_EQ(g->RaceInfoLines, (std::vector<std::string>{"Test Raiders", "Race homeworld : Far", "Species : Raptorial",
                                                        "Class : Carnivore", "Species homeworld : Old Far",
                                                        "Government : Warband"}));
  EXPECT_TRUE(HasState(*g, "RAIDERS_HAILED")) << "the race's trigger fires when the talk opens";

  // The answer moves the relation and loads the next section.
  g->ChooseAnswer(0);
  EXPECT_EQ(g->Relation("VSK"), 25);
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_001");
  EXPECT_EQ(g->ReplyLines, (std::vector<std::string>{"Peace costs. Pay, or go."}));
  EXPECT_EQ(g->SubScreen(), csCommunication);

  // An unknown command only runs the answer's event: the talk stays where it was.
  g->ChooseAnswer(2);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 25);
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_001");
  EXPECT_EQ(g->SubScreen(), csCommunication);

  // The event of an answer with a next section runs before the section loads.
  g->ChooseAnswer(0);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 50);
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_002");

  // "#TRADE" ends the talk until trade is in the game: map, clock running.
  g->ChooseAnswer(0);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  // "#END" with an event: the talk ends and the event still runs.
  g->OpenTalk(0);
  g->ChooseAnswer(0);
  EXPECT_EQ(g->Relation("VSK"), 40);
  g->ChooseAnswer(1);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 75);
  EXPECT_TRUE(g->Problems.empty()) << g->Problems.front();
}

// Which file and section a talk opens: attitude prefixes, section words, characters, planets and
// internal talks.
TEST(Talk, SectionSelectionForGenericAndCharacterTalks) {
  TTalkRoot root;
  auto g = root.Load();

  // Neutral (50) with section word 2: NEUTRAL_GENERIC_2_000 of fleet_DRN.
  SelectFleet(*g, "Oro Band");
  g->OpenTalk(0);
  EXPECT_EQ(g->DialogFile, "fleet_DRN");
  EXPECT_EQ(g->TalkSection, "NEUTRAL_GENERIC_2_000");
  // Friendly (80), a race without a section word.
  SelectFleet(*g, "Drifter");
  g->OpenTalk(0);
  EXPECT_EQ(g->TalkSection, "FRIENDLY_GENERIC__000");
  EXPECT_EQ(AnswerTexts(*g), (std::vector<std::string>{"Later."}));
  // A relation outside 0..100 gives no prefix.
  g->Relations.Set("VSK", "150");
  SelectFleet(*g, "Raider 101");
  g->OpenTalk(0);
  EXPECT_EQ(g->TalkSection, "GENERIC_RAIDER_000");
  g->Relations.Set("VSK", "10");

  // A commander who is a character: the heroes file of the race, the character's own section,
  // picked after the character's trigger moved her story on.
  SelectFleet(*g, "Rhee Flight");
  g->OpenTalk(0);
  EXPECT_EQ(g->TalkPartner, "Admiral Rhee");
  EXPECT_EQ(g->DialogFile, "heroes_VSK");
  EXPECT_EQ(g->TalkSection, "RHEE_LATER_000");
  EXPECT_EQ(g->ReplyLines, (std::vector<std::string>{"We meet at last, Captain."}));

  // A planet with a character living on it, and one without: the location owner's race.
  g->SelectedLocation = g->Locations.IndexOf("Home");
  g->SelectedPlanet = 0;
  g->OpenTalk(1);
  EXPECT_EQ(g->ComMode, 1);
  EXPECT_EQ(g->DialogFile, "heroes_TFG");
  EXPECT_EQ(g->TalkSection, "RHEE_LATER_000");
  g->SelectedPlanet = 1;
  g->OpenTalk(1);
  EXPECT_EQ(g->TalkPartner, "NONE");
  EXPECT_EQ(g->DialogFile, "planet_TFG");
  EXPECT_EQ(g->TalkSection, "NEUTRAL_GENERIC_2_000");
  EXPECT_EQ(g->RaceInfoLines.size(), 6u);

  // An internal talk: the heroes_internal file, no prefix, the player's fleet selected and no
  // race particulars.
  g->OpenTalk(2, "Admiral Rhee");
  EXPECT_EQ(g->ComMode, 2);
  EXPECT_EQ(g->SelectedFleet, 0);
  EXPECT_EQ(g->DialogFile, "heroes_internal");
  EXPECT_EQ(g->TalkSection, "RHEE_LATER_000");
  EXPECT_TRUE(g->RaceInfoLines.empty());
  EXPECT_TRUE(g->Problems.empty()) << g->Problems.front();

  // No talk opens without a partner: the player's own fleet, a planet that is not there, or an
  // internal talk with someone who is not a character (a data error).
  g->ShowScreen(csMap);
  g->SetSpeed(1);
  g->SelectedFleet = 0;
  g->OpenTalk(0);
  g->SelectedPlanet = 7;
  g->OpenTalk(1);
  g->OpenTalk(2, "Nobody");
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);
  ASSERT_EQ(g->Problems.size(), 1u);
  EXPECT_NE(g->Problems[0].find("Nobody"), std::string::npos);
}

// A section that is missing, or has nothing to answer, still lets the player leave.
TEST(Talk, ASectionWithoutAnswersOffersOneThatEndsTheTalk) {
  TTalkRoot root;
  auto g = root.Load();
  SelectFleet(*g, "Oro Band");
  g->OpenTalk(0);
  EXPECT_EQ(g->ReplyLines, (std::vector<std::string>{"..."}));
  ASSERT_EQ(AnswerTexts(*g), (std::vector<std::string>{"End transmission"}));
  g->ChooseAnswer(1);  // not offered: nothing happens
  EXPECT_EQ(g->SubScreen(), csCommunication);
  g->ChooseAnswer(0);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  g->OpenTalk(0);
  g->LoadSection("NO_SUCH_SECTION");
  EXPECT_TRUE(g->ReplyLines.empty());
  EXPECT_EQ(AnswerTexts(*g), (std::vector<std::string>{"End transmission"}));
}

TEST(Talk, RelationsAreClampedToZeroAndHundred) {
  TTalkRoot root;
  auto g = root.Load();
  root.Edit("data/testcamp/dialogs/fleet_VSK.adf", "We come in peace.;HOSTILE_GENERIC_RAIDER_001;+15",
            "We come in peace.;HOSTILE_GENERIC_RAIDER_001;+10");
  SelectFleet(*g, "Raider 101");
  g->Relations.Set("VSK", "3");
  g->OpenTalk(0);
  g->ChooseAnswer(1);  // -5
  EXPECT_EQ(g->Relation("VSK"), 0);
  g->Relations.Set("VSK", "25");
  g->OpenTalk(0);
  g->Relations.Set("VSK", "95");
  g->ChooseAnswer(0);  // +10
  EXPECT_EQ(g->Relation("VSK"), 100);
}

// "#JOIN" in a fleet talk: the ships come over, the fleet leaves the world without firing the
// triggers of a destroyed fleet, and the map returns with the clock running.
TEST(Talk, AJoiningFleetBringsItsShipsAndFiresNoKillTrigger) {
  TTalkRoot root;
  auto g = root.Load();
  SelectFleet(*g, "Raider 101");
  const int entries = g->PlayerFleet()->Ships.Count();
  g->OpenTalk(0);
  g->ChooseAnswer(2);
  EXPECT_EQ(g->FindFleet("Raider 101"), nullptr);
  EXPECT_EQ(g->WhereIsFleet("Raider 101"), -1);
  ASSERT_EQ(g->PlayerFleet()->Ships.Count(), entries + 1);
  const TShip& joined = *g->PlayerFleet()->Ships.At(entries);
  EXPECT_EQ(joined.ShipClass, "Cruiser");
  EXPECT_EQ(joined.Count, 2);
  EXPECT_EQ(g->PlayerFleet()->Ships.NameAt(entries), "SHIP" + std::to_string(entries + 1));
  EXPECT_FALSE(HasState(*g, "RAIDER_GONE"));
  EXPECT_EQ(g->SelectedFleet, 0);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  // A character's fleet joins with its relation change; the selected location stays on the
  // location it was (the flight sat in a star system).
  SelectFleet(*g, "Rhee Flight");
  const std::string at = g->Locations.At(g->SelectedLocation)->LocName;
  g->OpenTalk(0);
  g->ChooseAnswer(0);
  EXPECT_EQ(g->FindFleet("Rhee Flight"), nullptr);
  EXPECT_EQ(g->Relation("VSK"), 30);
  EXPECT_EQ(g->Locations.At(g->SelectedLocation)->LocName, at);
}

// In a planet or an internal talk there is no other fleet: "#JOIN" ends the talk like "#END",
// the answer's event still runs, and the player's fleet is untouched. "#BATTLE" fights only a
// fleet that can fight.
TEST(Talk, CommandsThatNeedAnotherFleet) {
  TTalkRoot root;
  auto g = root.Load();
  const int fleets = g->Fleets.Count();
  const int entries = g->PlayerFleet()->Ships.Count();
  const int ru = g->PlayerFleet()->RU;
  g->Characters.Find("Admiral Rhee")->CurrentSection = "LATER";
  g->OpenTalk(2, "Admiral Rhee");
  ASSERT_EQ(g->TalkSection, "RHEE_LATER_000");
  g->ChooseAnswer(0);  // #JOIN, +5 on the player's own race, event GOT_RU
  EXPECT_EQ(g->Fleets.Count(), fleets);
  EXPECT_EQ(g->PlayerFleet()->Ships.Count(), entries);
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 25);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  // In a fleet talk "#BATTLE" opens the combat set-up against that fleet, and its event runs.
  SelectFleet(*g, "Raider 101");
  g->OpenTalk(0);
  g->ChooseAnswer(1);
  EXPECT_EQ(g->SubScreen(), csCombat);
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(g->Fleets.At(g->SelectedFleet)->Name, "Raider 101");
  EXPECT_EQ(g->PlayerFleet()->RU, ru + 50);
  // A fleet without a ship to field cannot be fought: the talk just ends.
  g->GiveBackSlots();
  g->FindFleet("Raider 101")->Ships.Clear();
  g->OpenTalk(0);
  g->ChooseAnswer(1);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);
}

// An answer whose event opens an internal talk leaves that talk on screen instead of loading
// its own next section into the new talk's file.
TEST(Talk, AnAnswerEventThatOpensAnotherTalkKeepsIt) {
  TTalkRoot root;
  auto g = root.Load();
  g->Characters.Find("Admiral Rhee")->CurrentSection = "LATER";
  SelectFleet(*g, "Raider 101");
  g->OpenTalk(0);
  g->LoadSection("HOSTILE_GENERIC_RAIDER_002");
  g->ChooseAnswer(1);  // event CALL_RHEE, next HOSTILE_GENERIC_RAIDER_000
  EXPECT_EQ(g->ComMode, 2);
  EXPECT_EQ(g->DialogFile, "heroes_internal");
  EXPECT_EQ(g->TalkSection, "RHEE_LATER_000");
  EXPECT_EQ(g->SubScreen(), csCommunication);
}

// The portrait: the character's own picture, else the race's; one that cannot be loaded leaves
// no picture (never the last talk's), is reported, and the talk goes on.
TEST(Talk, PortraitsAreLoadedAndAMissingOneLeavesNone) {
  TTalkRoot root;
  std::filesystem::create_directories(root.Path + "graphics/campaigns/testcamp/coms");
  TBitmap face;
  face.Width = 4;
  face.Height = 3;
  face.Pixels.assign(12, 0x00C08040);
  std::ofstream(root.Path + "graphics/campaigns/testcamp/coms/rhee.img", std::ios::binary) << EncodeBitmap24(face);
  TDXImageList images;
  auto env = root.Env();
  env.Images = &images;
  TGameMain g(env, "testcamp\\", "", "Talk Test");

  SelectFleet(g, "Rhee Flight");
  g.OpenTalk(0);
  ASSERT_TRUE(images.Has("com_pic"));
  EXPECT_EQ(images.Find("com_pic").Width(), 4);
  EXPECT_EQ(images.Find("com_pic").TransparentColor, clBlack);

  const size_t before = root.Reports.size();
  SelectFleet(g, "Raider 101");  // no VSK0.img
  g.OpenTalk(0);
  EXPECT_FALSE(images.Has("com_pic"));
  EXPECT_EQ(g.SubScreen(), csCommunication);
  EXPECT_EQ(g.TalkSection, "HOSTILE_GENERIC_RAIDER_000");
  ASSERT_GT(root.Reports.size(), before);
  EXPECT_NE(root.Reports.back().find("VSK0.img"), std::string::npos) << root.Reports.back();
}

// The data check reads every dialogue file: the test campaign's are clean; a broken copy is
// named by file, section and key.
TEST(Talk, TheDataCheckFindsAnswersLeadingNowhere) {
  TTalkRoot root;
  auto dialogueLines = [&] {
    std::vector<std::string> found;
    // The answers' own faults; which sections a talk can reach is checked on its own.
    for (const auto& line : CheckCampaignFolder(root.Path, "testcamp\\"))
      if (line.find("dialogs/") != std::string::npos && line.find("::") == std::string::npos &&
          line.find("never offered") == std::string::npos)
        found.push_back(line);
    return found;
  };
  EXPECT_EQ(dialogueLines(), std::vector<std::string>{});

  root.Edit("data/testcamp/dialogs/fleet_VSK.adf", ";HOSTILE_GENERIC_RAIDER_001;", ";HOSTILE_GENERIC_RAIDER_01;");
  root.Edit("data/testcamp/dialogs/fleet_VSK.adf", "We go.;#END;0;", "We go.;#END;lots;");
  root.Edit("data/testcamp/dialogs/planet_TFG.adf", "RESPONDS=1", "RESPONDS=2");
  EXPECT_EQ(dialogueLines(),
            (std::vector<std::string>{
                "data/testcamp/dialogs/fleet_VSK.adf:HOSTILE_GENERIC_RAIDER_000:RESPOND1: the next section "
                "\"HOSTILE_GENERIC_RAIDER_01\" is not in the file",
                "data/testcamp/dialogs/fleet_VSK.adf:HOSTILE_GENERIC_RAIDER_001:RESPOND2: the relation change \"lots\" "
                "is not a number",
                "data/testcamp/dialogs/planet_TFG.adf:NEUTRAL_GENERIC_2_000:RESPOND2: the answer is missing"}));
}
