// The database, the mission log and find a star on the test campaign: categories are chosen by
// prefix, articles bring their text, picture and values (and show nothing for what is missing),
// the list follows its selection, logs come 14 lines a page, and a star is found by its name.
#include <filesystem>
#include <fstream>

#include "CampaignKit.h"
#include "campaign/CampaignCheck.h"
#include "campaign/screens/ArchiveScreens.h"
#include "media/BitmapFile.h"
#include "media/ImageList.h"
#include "media/Input.h"
#include "media/Surface.h"

using namespace sw;

namespace {

struct TArchiveRoot : TCampaignRoot {
  TArchiveRoot() {
    // The relic's notes lose their picture: the archive reports it once and shows none.
    std::filesystem::remove(Path + "graphics/campaigns/testcamp/relic_notes.img");
    auto env = Env();
    env.Images = &Images;
    Game = std::make_unique<TGameMain>(env, "testcamp\\", "", "Archive Test");
  }
  // Writes a small picture of that width below the root's graphics folder.
  void Picture(const std::string& path, int width) const {
    std::filesystem::create_directories(std::filesystem::path(Path + "graphics/" + path).parent_path());
    TBitmap bmp;
    bmp.Width = width;
    bmp.Height = 2;
    bmp.Pixels.assign(static_cast<size_t>(width) * 2, 0x00336699);
    std::ofstream(Path + "graphics/" + path, std::ios::binary) << EncodeBitmap24(bmp);
  }
  int PictureWidth() { return Images.Find("blueprint").Width(); }
  std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const auto& name : Game->DbNames) titles.push_back(Game->DbTitle(name));
    return titles;
  }
  int ReportsAbout(const std::string& text) const {
    int n = 0;
    for (const auto& r : Reports) n += r.find(text) != std::string::npos;
    return n;
  }
  TDXImageList Images;
  std::unique_ptr<TGameMain> Game;
};

// The y of the first and last rows of the surface with a lit pixel between x0 and x1.
std::pair<int, int> LitRows(const TSurface& s, int x0, int x1, int y0, int y1) {
  int first = -1, last = -1;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      if (s.Get(x, y) != 0) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

}  // namespace

TEST(Archive, CategoriesMatchByPrefixAndEveryArticleBringsItsTextAndPicture) {
  TArchiveRoot root;
  TGameMain& g = *root.Game;
  root.Picture("race_tfg.img", 3);
  root.Picture("race_vsk.img", 4);
  root.Picture("campaigns/testcamp/schematics/cruiser.img", 5);
  root.Picture("campaigns/testcamp/coms/rhee.img", 6);
  g.FindRace("TFG")->FullBmp = "race_tfg";
  g.FindRace("VSK")->FullBmp = "race_vsk";
  g.FindShipInfo("Cruiser")->BmpImage = "cruiser";
  g.DbEntries = {"RACE@TFG", "SHIP@Cruiser", "MISC@ART@Relic", "RACE@VSK", "ART@Relic", "WEAPON@Gun",
                 "CHAR@Admiral Rhee", "MISC@neb", "RACE@XYZ", "race@tfg", "RACE@"};

  // Races: the race's text, its portrait and its five lines of racial information.
  g.OpenDatabase();
  EXPECT_EQ(g.SubScreen(), csDatabase);
  EXPECT_EQ(g.DbNames, (std::vector<std::string>{"TFG", "VSK", "XYZ"})) << "no repeated or empty names";
  EXPECT_EQ(root.Titles(), (std::vector<std::string>{"Test Guard", "Test Raiders", "XYZ"}));
  EXPECT_EQ(g.ArticleLines, (std::vector<std::string>{"Keepers of the test lanes.", "They answer to a council."}));
  ASSERT_TRUE(g.ArticlePicture);
  EXPECT_EQ(root.PictureWidth(), 3);
  EXPECT_EQ(root.Images.Find("blueprint").TransparentColor, clBlack);
  ASSERT_EQ(g.RaceInfoLines.size(), 5u);
  EXPECT_EQ(g.RaceInfoLines[0].rfind("Race homeworld : ", 0), 0u);
  EXPECT_EQ(g.RaceInfoLines[4].rfind("Government : ", 0), 0u);

  // An article of no lines still shows its picture; a name the campaign does not know shows no
  // text, no picture and no racial lines, and is reported once; the list stops at its ends.
  g.ScrollDb(1);
  EXPECT_TRUE(g.ArticleLines.empty());
  EXPECT_TRUE(g.ArticlePicture);
  EXPECT_EQ(root.PictureWidth(), 4);
  g.ScrollDb(1);
  g.ScrollDb(1);
  EXPECT_EQ(g.DbSelectedName(), "XYZ");
  EXPECT_TRUE(g.ArticleLines.empty());
  EXPECT_FALSE(g.ArticlePicture) << "the last race's portrait is not shown for it";
  EXPECT_TRUE(g.RaceInfoLines.empty());
  g.ScrollDb(-1);
  g.ScrollDb(1);
  EXPECT_EQ(root.ReportsAbout("[RACE@XYZ]"), 1);
  for (int i = 0; i < 5; ++i) g.ScrollDb(-1);
  EXPECT_EQ(g.DbIndex, 0);

  // A misc entry that starts with "ART@" stays a misc entry; the artifacts list only the relic.
  g.ShowDbCategory(3);
  EXPECT_EQ(g.DbNames, std::vector<std::string>{"Relic"});
  EXPECT_EQ(root.Titles(), std::vector<std::string>{"An old relic"});
  EXPECT_EQ(g.ArticleLines, std::vector<std::string>{"Older than the lanes."});
  EXPECT_FALSE(g.ArticlePicture) << "artifacts have no picture";
  g.ShowDbCategory(5, 1);
  EXPECT_EQ(g.DbNames, (std::vector<std::string>{"ART@Relic", "neb"}));
  EXPECT_EQ(root.Titles(), (std::vector<std::string>{"Notes on relics", "The Nebula"}));
  EXPECT_TRUE(g.ArticleLines.empty()) << "the nebula has no article section";
  g.ScrollDb(-1);
  EXPECT_EQ(g.ArticleLines, std::vector<std::string>{"What the archive knows of relics."});
  EXPECT_FALSE(g.ArticlePicture) << "its picture file is missing";
  EXPECT_EQ(root.ReportsAbout("relic_notes.img"), 1);

  // Characters: the portrait on the aqua key; vessels: the schematic, opened at a class.
  g.ShowDbCategory(4);
  EXPECT_EQ(root.Titles(), std::vector<std::string>{"Admiral Rhee"});
  EXPECT_EQ(g.ArticleLines, std::vector<std::string>{"Commands the home guard."});
  EXPECT_EQ(root.PictureWidth(), 6);
  EXPECT_EQ(root.Images.Find("blueprint").TransparentColor, static_cast<TColor>(0xFFFF00));
  EXPECT_TRUE(g.ShowVesselArticle("cruiser"));
  EXPECT_EQ(g.DbCategory, 1);
  EXPECT_EQ(g.DbSelectedName(), "Cruiser");
  EXPECT_EQ(root.PictureWidth(), 5);
  EXPECT_EQ(root.Images.Find("blueprint").TransparentColor, clBlack);
  g.ShowDbCategory(4);
  EXPECT_FALSE(g.ShowVesselArticle("Barge")) << "not unlocked";
  EXPECT_EQ(g.DbCategory, 4) << "nothing changes";
  EXPECT_EQ(root.PictureWidth(), 6);

  // An empty database opens and shows nothing.
  g.DbEntries.clear();
  g.OpenDatabase();
  EXPECT_TRUE(g.DbNames.empty());
  EXPECT_TRUE(g.ArticleLines.empty());
  EXPECT_FALSE(g.ArticlePicture);
  g.ScrollDb(1);
  EXPECT_EQ(g.DbIndex, 0);
}

TEST(Archive, VesselAndWeaponArticlesShowTheirValuesBelowTheText) {
  TArchiveRoot root;
  TGameMain& g = *root.Game;
  g.DbEntries = {"SHIP@Cruiser", "WEAPON@Gun"};
  TShipInfo& cruiser = *g.FindShipInfo("Cruiser");
  cruiser.Thrusters = 1.25;
  cruiser.EnergyR = 0.5;
  cruiser.Energy = 30;
  cruiser.TurnRate = 4;
  cruiser.Weapon1 = "EMPTY";
  using V = std::vector<std::tuple<int, int, std::string>>;
  auto values = [&] {
    V v;
    for (const auto& d : g.ArticleValues()) v.emplace_back(d.Column, d.Row, d.Text);
    return v;
  };

  // MAX_SPEED 650 is read as 6.5; with no first weapon only the second shows, on its own row.
  g.ShowDbCategory(1);
  EXPECT_EQ(values(), (V{{0, 1, "Max speed 6.5"}, {1, 1, "Thrusters 1.25"}, {0, 2, "Structure 40"}, {1, 2, "Crew 20"},
                         {0, 3, "Energy 30"}, {1, 3, "Energy rate 0.5"}, {0, 4, "Turn rate 4"}, {0, 6, "Weapons"},
                         {0, 8, "Test Gun"}}));

  TWeapInfo& gun = *g.FindWeapInfo("Gun");
  gun.EnergyUsage = 5;
  gun.ReloadTime = 10;
  gun.LifeSpan = 40;
  gun.AIDriven = true;
  g.ShowDbCategory(2);
  EXPECT_EQ(values(), (V{{0, 1, "Energy usage 5"}, {0, 2, "Reload time 10"}, {0, 3, "Damage 3"}, {0, 4, "Range 40"},
                         {0, 5, "Guided Yes"}, {0, 6, "Turret No"}}));
  gun.Turret = true;
  gun.WeaponArc = 90;
  gun.AIDriven = false;
  const V turret = values();
  ASSERT_EQ(turret.size(), 7u);
  EXPECT_EQ(turret[4], (std::tuple<int, int, std::string>{0, 5, "Guided No"}));
  EXPECT_EQ(turret[5], (std::tuple<int, int, std::string>{0, 6, "Turret Yes"}));
  EXPECT_EQ(turret[6], (std::tuple<int, int, std::string>{0, 7, "Turret arc 90"}));

  // On the screen the 3-line text runs from y 225 and "Energy usage" stands at y 273, at x 70.
  TSurface surface(800, 600);
  DrawDatabase(g, surface);
  const auto [top, bottom] = LitRows(surface, 70, 200, 215, 270);
  EXPECT_GE(top, 225);
  EXPECT_LT(bottom, 225 + 36);
  EXPECT_GE(LitRows(surface, 70, 200, 273, 285).first, 273);
  EXPECT_EQ(LitRows(surface, 70, 200, 262, 272).first, -1) << "an empty row between the text and the values";
}

// Owning a ship or a design of a class puts its vessel entry in the database, however it came
// (a trade post, a battle, a story event): logistics' "dbase1"/"dbase2" always open it.
TEST(Archive, OwnedShipsAndDesignsAlwaysHaveTheirVesselArticle) {
  TCampaignRoot root;
  auto g = root.Load();
  TFleet& p = *g->PlayerFleet();
  EXPECT_FALSE(g->ShowVesselArticle("Fortress")) << "a class the player has nothing of stays locked";
  auto fortress = std::make_unique<TShip>();
  fortress->ShipClass = "Fortress";
  fortress->Count = 1;
  p.Ships.Add("SHIP9", std::move(fortress));  // as a battle's capture adds it
  g->ShowScreen(csLogistics);
  g->SelectedShip = p.Ships.Count() - 1;
  ASSERT_TRUE(RouteArchiveKey(*g, "dbase2"));
  EXPECT_EQ(g->SubScreen(), csDatabase);
  EXPECT_EQ(g->DbCategory, 1);
  EXPECT_EQ(g->DbSelectedName(), "Fortress");

  // A blueprint bought at a post: its class is listed at once and "dbase1" opens it.
  g->SelectedFleet = g->Fleets.IndexOf("Drifter");
  ASSERT_TRUE(g->OpenTrade());
  p.RU = 300;
  g->SelectedBlueprint = 1;
  g->BuyBlueprint();
  ASSERT_EQ(g->Designs.IndexOf("Barge"), 1);
  EXPECT_NE(std::find(g->DbEntries.begin(), g->DbEntries.end(), "SHIP@Barge"), g->DbEntries.end());
  g->ShowScreen(csLogistics);
  g->SelectedDesign = 1;
  ASSERT_TRUE(RouteArchiveKey(*g, "dbase1"));
  EXPECT_EQ(g->SubScreen(), csDatabase);
  EXPECT_EQ(g->DbSelectedName(), "Barge");
}

TEST(Archive, TheListFollowsItsSelectionARowAFrame) {
  TArchiveRoot root;
  TGameMain& g = *root.Game;
  g.DbEntries = {"RACE@A", "RACE@B", "RACE@C", "RACE@D", "RACE@E", "RACE@F"};
  TSurface surface(800, 600);
  g.OpenDatabase();
  for (int i = 0; i < 4; ++i) g.ScrollDb(1);
  DrawDatabase(g, surface);
  EXPECT_EQ(g.DbOffset, -1) << "the fifth of six entries scrolls the list by one row";
  g.ScrollDb(1);
  DrawDatabase(g, surface);
  EXPECT_EQ(g.DbOffset, -2);
  for (int i = 0; i < 5; ++i) g.ScrollDb(-1);
  DrawDatabase(g, surface);
  EXPECT_EQ(g.DbOffset, -1) << "one row a frame";
  DrawDatabase(g, surface);
  DrawDatabase(g, surface);
  EXPECT_EQ(g.DbOffset, 0);
  // Opened deep in a list (a class from the logistics screen), the selection is in sight at once.
  g.ShowDbCategory(0, 5);
  EXPECT_EQ(g.DbOffset, -2);
}

TEST(Archive, LogsComeFourteenLinesAPage) {
  TArchiveRoot root;
  TGameMain& g = *root.Game;
  auto logsOf = [&](int lines) {
    g.Logs.Items.clear();
    for (int i = 0; i < lines; ++i) g.Logs.Set("Mission " + std::to_string(i), i % 2 ? "1" : "0");
    g.OpenLogs();
    return g.LogPageCount;
  };
  EXPECT_EQ(logsOf(28), 2);
  EXPECT_EQ(g.SubScreen(), csLogs);
  EXPECT_EQ(logsOf(29), 3);
  EXPECT_EQ(logsOf(70), 5);
  EXPECT_EQ(logsOf(71), 6);
  EXPECT_EQ(logsOf(0), 0);
  g.TurnLogPage(1);
  EXPECT_EQ(g.LogPage, 0) << "no page to turn to";

  logsOf(29);
  g.LogPage = 0;
  g.TurnLogPage(-1);
  EXPECT_EQ(g.LogPage, 0);
  for (int i = 0; i < 5; ++i) g.TurnLogPage(1);
  EXPECT_EQ(g.LogPage, 2);
  g.TurnLogPage(-1);
  EXPECT_EQ(g.LogPage, 1);
  for (const char* status : {"1", "2", "done"}) EXPECT_TRUE(TGameMain::LogFinished(status)) << status;
  EXPECT_FALSE(TGameMain::LogFinished("0"));

  // The page buttons are dimmed at the ends: one page dims both.
  TSurface surface(800, 600);
  logsOf(3);
  DrawLogs(g, surface);
  EXPECT_EQ(g.Buttons->Find("log_prior_page").Alpha, AlphaDimmed);
  EXPECT_EQ(g.Buttons->Find("log_next_page").Alpha, AlphaDimmed);
  logsOf(15);
  DrawLogs(g, surface);
  EXPECT_EQ(g.Buttons->Find("log_next_page").Alpha, AlphaNormal);
  EXPECT_EQ(g.Buttons->Find("log_prior_page").Alpha, AlphaDimmed);
}

TEST(Archive, FindAStarTakesTypedNamesAndCentresTheMapOnAKnownOne) {
  TArchiveRoot root;
  TGameMain& g = *root.Game;
  g.SelectedFleet = 0;
  const int far = g.Locations.IndexOf("Far");
  auto type = [&](const std::string& text) {
    for (char ch : text) g.SearchKey(static_cast<unsigned char>(ch));
  };

  // Only digits, capitals and the space are taken, up to 41 characters; backspace takes one back.
  g.OpenFindAStar();
  EXPECT_EQ(g.SubScreen(), csFindAStar);
  type("AB 9");
  g.SearchKey(0x61);  // the numeric keypad's 1
  g.SearchKey(0xBE);  // the full stop
  EXPECT_EQ(g.SearchText, "AB 9");
  type(std::string(50, 'X'));
  EXPECT_EQ(g.SearchText.size(), 41u);
  for (int i = 0; i < 60; ++i) g.SearchKey(8);
  EXPECT_EQ(g.SearchText, "");

  // An unknown name does nothing; a hidden place is not given away by its name.
  type("FARTHER");
  g.SearchKey(13);
  EXPECT_EQ(g.SubScreen(), csFindAStar);
  EXPECT_EQ(g.SelectedFleet, 0);
  g.OpenFindAStar();
  type("RIFT");
  EXPECT_FALSE(g.FindStar()) << "unknown debris";

  // While a name is typed the letters of other screens' hotkeys only type; the window keeps
  // Escape and F9 to F12. Elsewhere D opens the database, and its button closes it again, but
  // not while an event screen holds the keys.
  g.OpenFindAStar();
  EXPECT_TRUE(ArchiveKeyDown(g, 'D', false, false, false));
  EXPECT_TRUE(ArchiveKeyDown(g, 'L', false, false, false));
  EXPECT_FALSE(ArchiveKeyDown(g, vk::Escape, false, false, false));
  EXPECT_FALSE(ArchiveKeyDown(g, vk::F9, false, false, false));
  EXPECT_EQ(g.SearchText, "DL");
  EXPECT_EQ(g.SubScreen(), csFindAStar);
  g.ShowScreen(csMap);
  EXPECT_TRUE(ArchiveKeyDown(g, 'D', false, false, false));
  EXPECT_EQ(g.SubScreen(), csDatabase);
  EXPECT_TRUE(RouteArchiveKey(g, "database"));
  EXPECT_EQ(g.SubScreen(), csMap);
  g.ShowScreen(csEvent);
  EXPECT_TRUE(RouteArchiveKey(g, "database"));
  EXPECT_EQ(g.SubScreen(), csEvent);

  // The name matches without regard to letter case.
  g.OpenFindAStar();
  EXPECT_EQ(g.SearchText, "");
  type("FAR");
  g.SearchKey(13);
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.SelectedLocation, far);
  EXPECT_EQ(g.SelectedFleet, -1);
  EXPECT_EQ(g.MapOffsetX, 400 - 1000);
  EXPECT_EQ(g.MapOffsetY, 300 - 600);
}

// The data check names a database entry in no category or without its article, and an unlocked
// vessel without its schematic, by the file, section and key that unlock them.
TEST(Archive, TheDataCheckFindsEntriesWithoutArticlesOrSchematics) {
  TCampaignRoot root;
  EXPECT_EQ(CheckCampaigns(root.Path), std::vector<std::string>{});
  root.Edit("data/testcamp/map.adf", "[DB]\nRACE@TFG=1", "[DB]\nRACE@TFG=1\nSHIP@Cruiser=1\nLORE@Old=1\nRACE@VSK=1");
  root.Edit("data/ships.adf", "[Cruiser]\n", "[Cruiser]\nBMP_IMAGE=cruiser\n");
  std::ofstream(root.Campaign() + "events.adf", std::ios::app) << "\n[EV_LORE]\nDB_ENTRIES=1\nDB_ENTRY0=CHAR@Nobody\nDB_ENTRY1=SHIP@Cruiser\n";
  AdfFlushCache();
  const auto lines = CheckCampaigns(root.Path);
  const std::string schematic = "the vessel has no schematic graphics/campaigns/testcamp/schematics/cruiser.img";
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "data/testcamp/map.adf:DB:SHIP@Cruiser: " + schematic,
                       "data/testcamp/map.adf:DB:LORE@Old: the database entry \"LORE@Old\" is in no category",
                       "data/testcamp/events.adf:EV_LORE:DB_ENTRY0: the database entry \"CHAR@Nobody\" has no article in "
                       "data/testcamp/desc.adf",
                       "data/testcamp/events.adf:EV_LORE:DB_ENTRY1: " + schematic}));
}
