// The front end under the data and the timing a player can give it: a missing selector
// picture, a data set with very few ships, leaving a battle for the menu and changing one's
// mind during the fade, and the slowest game speed.
#include <filesystem>

#include "FrontEndRoot.h"
#include "media/Input.h"

using namespace sw;

namespace fs = std::filesystem;

namespace {

// Replaces one linked folder of the root with a folder of its own whose files are linked one
// by one, leaving out the names given.
void OwnFolder(const std::string& root, const std::string& folder, const std::vector<std::string>& without) {
  const fs::path own = root + folder;
  fs::remove(own);
  fs::create_directory(own);
  for (const auto& entry : fs::directory_iterator(fs::path(STARWAKE_TEST_ROOT) / folder)) {
    const std::string name = entry.path().filename().string();
    if (std::find(without.begin(), without.end(), name) == without.end()) fs::create_symlink(entry.path(), own / name);
  }
}

// The main window over a root, with its screens created.
std::unique_ptr<TfmMain> StartGame(const std::string& root, THeadlessAudio& audio) {
  TPlatform p;
  p.Audio = &audio;
  p.Now = [] { return static_cast<std::time_t>(0); };
  auto main = std::make_unique<TfmMain>(p, root);
  main->FormCreate();
  main->DXDrawInitializeSurface();
  return main;
}

void Click(TfmMain& main, const TButtonList& list, const std::string& key) {
  const TButton& b = list.Find(key);
  main.DXDrawMouseDown(1, b.X + b.Width / 2, b.Y + b.Height / 2);
}

void Settle(TfmMain& main) {
  for (int i = 0; i < 12; ++i) main.DXTimerTimer();
}

}  // namespace

TEST(FrontEndFaults, WithoutTheSelectorPictureItsButtonsReportAndStay) {
  TFrontEndRoot game;
  OwnFolder(game.Root, "graphics", {"selector.img"});
  THeadlessAudio audio;
  auto main = StartGame(game.Root, audio);
  ASSERT_FALSE(main->Selector) << "the selector cannot be built without its picture";
  ASSERT_TRUE(main->Splash && main->Dogfight && main->Options);

  main->SetGameState(gsMenu, true);
  for (const char* key : {"start", "men_load"}) {
    const size_t errors = main->Errors.size();
    Click(*main, main->Splash->Buttons, key);
    EXPECT_EQ(main->Errors.size(), errors + 1) << key << ": the click is reported";
    Settle(*main);
    EXPECT_EQ(main->GameState, gsMenu) << key;
  }
  main->SetGameState(gsDogfight, true);
  Click(*main, main->Dogfight->Buttons, "mod_sel");
  Settle(*main);
  EXPECT_EQ(main->GameState, gsDogfight);
  EXPECT_NE(main->Errors.back().find("selector"), std::string::npos) << main->Errors.back();
  // Everything else still works: the set-up starts a battle.
  Click(*main, main->Dogfight->Buttons, "Plus1");
  Click(*main, main->Dogfight->Buttons, "Plus4");
  Click(*main, main->Dogfight->Buttons, "Start");
  EXPECT_EQ(main->GameState, gsBattle);
  EXPECT_TRUE(main->BattleExists());
}

TEST(FrontEndFaults, ADataSetWithFewShipsStillFillsTheFleetAndStarts) {
  // Two ships of one race, one race, and two planet choices: every carousel shorter than the
  // four slots that reach the middle.
  TFrontEndRoot game;
  game.OwnData();
  const std::string data = game.Root + "data/";
  fs::remove(data + "add-ons");
  fs::create_directories(data + "add-ons");
  TFrontEndRoot::WriteFile(data + "add-ons/add-ons.adf", "");
  auto ownCopy = [&](const std::string& name) {
    const std::string text = TFrontEndRoot::ReadFile(data + name);
    fs::remove(data + name);
    TFrontEndRoot::WriteFile(data + name, text);
  };
  for (const char* f : {"ships.adf", "races.adf", "planets.adf"}) ownCopy(f);
  AdfFlushCache();
  {
    TAdfBatch ships(data + "ships.adf");
    for (const std::string& s : AdfReadSections(data + "ships.adf"))
      if (s != "TFG_Lancer" && s != "TFG_Bastion") ships.WriteBool(s, "DF_INCLUDE", false);
    ships.Commit();
  }
  for (const std::string f : {"races.adf", "planets.adf"}) {
    TAdfDocument doc;
    doc.Parse(TFrontEndRoot::ReadFile(data + f));
    const std::vector<std::string> all = doc.Sections();
    for (const std::string& s : all)
      if (s != "TFG" && s != "NOPLANET" && !(f == "planets.adf" && s == all.back())) doc.EraseSection(s);
    TFrontEndRoot::WriteFile(data + f, doc.Serialize());
  }
  AdfFlushCache();

  THeadlessAudio audio;
  auto main = StartGame(game.Root, audio);
  ASSERT_TRUE(main->Dogfight);
  TDogfight& d = *main->Dogfight;
  ASSERT_EQ(d.Carousels.Count(ikShip), 2);
  ASSERT_EQ(d.Carousels.Count(ikRace), 1);
  ASSERT_EQ(d.Carousels.Count(ikPlanet), 2);
  EXPECT_EQ(d.Carousels.Selected[ikRace], "TFG");
  EXPECT_EQ(d.Carousels.Selected[ikPlanet], "NOPLANET");
  // Turning the ships shows each of them in turn, in the middle.
  std::vector<std::string> chosen;
  main->SetGameState(gsDogfight, true);
  for (int i = 0; i < 3; ++i) {
    chosen.push_back(d.Carousels.Selected[ikShip]);
    Click(*main, d.Buttons, "ShipsRight");
    Settle(*main);  // a flashing button takes no click
  }
  EXPECT_TRUE(chosen[0] == "TFG_Lancer" || chosen[0] == "TFG_Bastion") << chosen[0];
  EXPECT_NE(chosen[1], chosen[0]);
  EXPECT_EQ(chosen[2], chosen[0]);
  Click(*main, d.Buttons, "PlanetsRight");
  EXPECT_NE(d.Carousels.Selected[ikPlanet], "NOPLANET");

  Click(*main, d.Buttons, "Plus1");
  Click(*main, d.Buttons, "Plus4");
  Click(*main, d.Buttons, "Start");
  EXPECT_EQ(main->GameState, gsBattle);
  ASSERT_TRUE(main->BattleExists());
  EXPECT_NE(main->Battle->FindObject("player1ship"), nullptr);
  EXPECT_NE(main->Battle->FindObject("player2ship"), nullptr);
}

TEST_F(FrontEndGame, QuittingABattleAndGoingBackDuringTheFadeLeadsToTheMenu) {
  for (bool withEscape : {true, false}) {
    Main->SetGameState(gsDogfight, true);
    Settle();  // the set-up's buttons end their flash
    ClickButton(Main->Dogfight->Buttons, "Plus1");
    ClickButton(Main->Dogfight->Buttons, "Plus4");
    ClickButton(Main->Dogfight->Buttons, "Start");
    ASSERT_EQ(Main->GameState, gsBattle) << withEscape << " " << ErrorText();
    Main->FormKeyDown(vk::Escape, false, false, false);  // starts the fight and opens the options
    Settle();
    ASSERT_EQ(Main->GameState, gsOptions);
    ClickButton(Main->Options->Buttons, "op10");
    Main->DXTimerTimer();
    // The player changes his mind while the screen still fades.
    if (withEscape) Main->FormKeyDown(vk::Escape, false, false, false);
    else ClickButton(Main->Options->Buttons, "op1");
    Settle();
    EXPECT_EQ(Main->GameState, gsMenu) << (withEscape ? "Escape" : "back button");
    EXPECT_FALSE(Main->BattleExists());
    EXPECT_TRUE(Main->CursorVisible);
  }
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

TEST_F(FrontEndGame, TheSpeedArrowStopsAtOneSecondAFrame) {
  Main->OptionsReturnState = gsMenu;
  Main->SetGameState(gsOptions, true);
  Main->DXTimer.Interval = 999;
  for (int i = 0; i < 3; ++i) ClickButton(Main->Options->Buttons, "ar7_r");
  EXPECT_EQ(Main->DXTimer.Interval, 1000);
  ClickButton(Main->Options->Buttons, "ar7_l");
  EXPECT_EQ(Main->DXTimer.Interval, 999);
}
