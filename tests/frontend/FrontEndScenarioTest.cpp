// Whole walks through the front end with the headless runner, mouse clicks only after the
// first key: from the splash to a dogfight and back, the options screen from the menu, and the
// pictures of every front-end screen.
#include <filesystem>
#include <map>

#include "FrontEndRoot.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

// The splash is left with a key at tick 1; the menu is live from tick 5.
// Then: "dog"; side 1 (flown by the player) gets Lancer, Bastion and Warden; side 2 (the
// computer) gets three ships of the add-on; two steps of asteroids; the first planet; Start.
const std::string SetUpDogfight =
    "1 key 32\n"
    "10 click 431 385\n"   // dog
    "20 click 551 305\n"   // Plus1: the Lancer
    "23 click 285 218\n"   // ShipsRight: the Bastion
    "26 click 625 342\n"   // Plus2
    "29 click 285 218\n"   // the Warden
    "32 click 699 378\n"   // Plus3
    "35 click 48 218\n"    // ShipsLeft, three times round to the last add-on ship
    "38 click 48 218\n"
    "41 click 48 218\n"
    "44 click 551 469\n"   // Plus4
    "47 click 48 218\n"
    "50 click 625 432\n"   // Plus5
    "53 click 48 218\n"
    "56 click 699 396\n"   // Plus6
    "59 click 265 499\n"   // AstRight twice
    "62 click 265 499\n"
    "65 click 756 137\n"   // PlanetsRight
    "70 click 739 36\n";   // Start

// A region of a picture, to compare two pictures there.
std::vector<uint32_t> Region(const TBitmap& b, int left, int top, int width, int height) {
  std::vector<uint32_t> pixels;
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x) pixels.push_back(b.At(x, y));
  return pixels;
}

// The share of pixels in a row that are not black.
double LitShare(const TBitmap& b, int y) {
  int lit = 0;
  for (int x = 0; x < b.Width; ++x) lit += (b.At(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
  return static_cast<double>(lit) / b.Width;
}

}  // namespace

TEST(FrontEndWalk, TheDogfightSetUpWritesWhatWasChosen) {
  TFrontEndRoot game;
  auto s = game.Run(SetUpDogfight, 74);
  ASSERT_FALSE(s.contains("runner_failed"));
  EXPECT_EQ(s["errors"], nlohmann::json::array());
  EXPECT_EQ(s["game_state"], 5) << "Start goes straight into the battle";
  EXPECT_EQ(s["battle_return_state"], 4);
  ASSERT_TRUE(s["battle"].is_object());
  EXPECT_EQ(s["battle"]["phase"], 0) << "waiting on the pre-battle screen";
  EXPECT_EQ(s["dogfight"]["slots"], nlohmann::json({"TFG_Lancer", "TFG_Bastion", "TFG_Warden", "MER_Sentinel",
                                                     "MER_Seeder", "MER_Corsair"}));

  const std::string f = game.BattleFile();
  EXPECT_EQ(AdfReadInteger(f, "MISC", "TOTAL_SHIPS", 0), 6);
  EXPECT_EQ(AdfReadInteger(f, "MISC", "ASTEROIDS", 0), 1);
  EXPECT_EQ(AdfReadString(f, "MISC", "PLANET_NAME", ""), s["dogfight"]["planet"].get<std::string>());
  EXPECT_GT(AdfReadInteger(f, "MISC", "PLANET_GRAV_FORCE", 0), 0);
  struct TExpected {
    const char* Section;
    const char* Class;
    const char* Designation;
    int Side;
    int Computer;
    const char* Prefix;
  };
  const TExpected ships[] = {
      {"SHIP1", "TFG_Lancer", "player1ship", 1, 0, ""},
      {"SHIP2", "MER_Sentinel", "player2ship", 2, 1, "add-ons\\meridian\\"},
      {"SHIP3", "TFG_Bastion", "ship3", 1, 1, ""},
      {"SHIP4", "MER_Seeder", "ship4", 2, 1, "add-ons\\meridian\\"},
      {"SHIP5", "TFG_Warden", "ship5", 1, 1, ""},
      {"SHIP6", "MER_Corsair", "ship6", 2, 1, "add-ons\\meridian\\"},
  };
  for (const auto& e : ships) {
    EXPECT_EQ(AdfReadString(f, e.Section, "CLASS", ""), e.Class) << e.Section;
    EXPECT_EQ(AdfReadString(f, e.Section, "DESIG", ""), e.Designation) << e.Section;
    EXPECT_EQ(AdfReadInteger(f, e.Section, "SIDE", 0), e.Side) << e.Section;
    EXPECT_EQ(AdfReadInteger(f, e.Section, "AI", -1), e.Computer) << e.Section;
    EXPECT_EQ(AdfReadString(f, e.Section, "PREFIX", "?"), e.Prefix) << e.Section;
  }
  // The battle holds the ships as written, the player's flagship not computer-flown.
  int ships_in_battle = 0;
  for (const auto& o : s["battle"]["objects"]) {
    if (o["kind"] != 1) continue;
    ++ships_in_battle;
    if (o["name"] == "player1ship") {
      EXPECT_FALSE(o["ai"].get<bool>());
    } else if (o["name"] == "player2ship") {
      EXPECT_TRUE(o["ai"].get<bool>());
    }
  }
  EXPECT_EQ(ships_in_battle, 6);
}

TEST(FrontEndWalk, TheIdlePlayerLosesAndEscapeLeadsBackToTheSetUp) {
  // Side 1, the player's, gets three frigates; the computer's side 2 a carrier flagship, a
  // cruiser and a second carrier. The player touches nothing after Start and the pre-battle key.
  const std::string script =
      "1 key 32\n"
      "10 click 431 385\n"   // dog
      "20 click 551 305\n"   // Plus1, Plus2, Plus3: the Lancer
      "23 click 625 342\n"
      "26 click 699 378\n"
      "29 click 285 218\n"   // ShipsRight: the Bastion
      "32 click 625 432\n"   // Plus5
      "35 click 285 218\n"   // the Warden
      "38 click 551 469\n"   // Plus4
      "41 click 699 396\n"   // Plus6
      "44 click 265 499\n"   // AstRight twice
      "47 click 265 499\n"
      "50 click 756 137\n"   // PlanetsRight
      "60 click 739 36\n"    // Start
      "70 key 32\n"          // the fight begins
      "3000 key 27\n";       // long after the player's side is gone: leave the result screen
  TFrontEndRoot game;
  auto s = game.Run(script, 3010);
  ASSERT_FALSE(s.contains("runner_failed"));
  EXPECT_EQ(s["errors"], nlohmann::json::array());
  const std::string f = game.BattleFile();
  EXPECT_EQ(AdfReadString(f, "SHIP1", "AI", ""), "0") << "the player flies side 1's flagship";
  EXPECT_EQ(AdfReadString(f, "SHIP2", "AI", ""), "1");
  EXPECT_EQ(AdfReadInteger(f, "MISC", "TOTAL_SHIPS", 0), 6);
  EXPECT_EQ(AdfReadInteger(game.Root + "outcome.adf", "OUTCOME", "WINNING_SIDE", 0), 2) << "the idle side lost";
  EXPECT_EQ(s["game_state"], 4) << "Escape on the result screen leads back to the set-up";
  EXPECT_TRUE(s["battle"].is_null());
  bool menuPlaying = false;
  for (const auto& p : s["sounds"]["playing"]) menuPlaying |= p == "MenuMusic";
  EXPECT_TRUE(menuPlaying);
  EXPECT_EQ(s["dogfight"]["slots"],
            nlohmann::json({"TFG_Lancer", "TFG_Lancer", "TFG_Lancer", "TFG_Warden", "TFG_Bastion", "TFG_Warden"}));
}

TEST(FrontEndWalk, EndingTheBattleFromTheOptionsLeadsBackToTheSetUp) {
  TFrontEndRoot game;
  const std::string script = SetUpDogfight +
                             "80 key 32\n"           // the fight begins
                             "100 key 27\n"          // options
                             "110 click 414 474\n";  // op9: end the battle
  auto over = game.Run(script, 125);
  ASSERT_TRUE(over["battle"].is_object());
  EXPECT_EQ(over["game_state"], 5);
  EXPECT_EQ(over["battle"]["phase"], 2) << "the result screen";
  EXPECT_EQ(over["battle"]["winning_side"], 2);
  EXPECT_EQ(over["options"]["available"], nlohmann::json({{"op2", false}, {"op3", false}, {"op9", true}, {"op10", true}}));
  bool meleePlaying = false;
  for (const auto& p : over["sounds"]["playing"]) meleePlaying |= p == "MeleeMusic";
  EXPECT_FALSE(meleePlaying) << "the battle theme stops with the battle";

  auto back = game.Run(script + "130 key 27\n", 140);
  EXPECT_EQ(back["errors"], nlohmann::json::array());
  EXPECT_EQ(back["game_state"], 4);
  EXPECT_TRUE(back["battle"].is_null());
  bool menuPlaying = false;
  for (const auto& p : back["sounds"]["playing"]) menuPlaying |= p == "MenuMusic";
  EXPECT_TRUE(menuPlaying);
  // The set-up is as it was left.
  EXPECT_EQ(back["dogfight"]["slots"][3], "MER_Sentinel");
  EXPECT_EQ(back["dogfight"]["density"], 2);
  EXPECT_EQ(AdfReadInteger(game.Root + "outcome.adf", "OUTCOME", "WINNING_SIDE", 0), 2);
}

TEST(FrontEndWalk, OptionsFromTheMenuOfferOnlyTheSettings) {
  TFrontEndRoot game;
  const std::string shotsDir = game.Folder.Path;
  const std::string script =
      "1 key 32\n"
      "10 key 27\n"            // options, from the menu
      "20 click 414 285\n"     // op2, op3, op9, op10: dimmed
      "22 click 414 312\n"
      "24 click 414 474\n"
      "26 click 414 501\n"
      "30 click 472 366\n"     // sound effects down
      "32 click 472 393\n"     // music down
      "34 click 524 420\n"     // game speed up
      "36 click 524 447\n"     // pointers
      "42 click 524 339\n"     // brightness up
      "50 click 414 258\n";    // op1: back
  auto s = game.Run(script, 60, "--shot 29:" + shotsDir + "/before.bmp --shot 40:" + shotsDir + "/after.bmp");
  EXPECT_EQ(s["errors"], nlohmann::json::array());
  EXPECT_EQ(s["game_state"], 2) << "op1 went back to the menu";
  EXPECT_EQ(s["options"]["available"], nlohmann::json({{"op2", false}, {"op3", false}, {"op9", false}, {"op10", false}}));
  EXPECT_EQ(TimesPlayed(s, "click"), 10);
  EXPECT_EQ(s["notices"], nlohmann::json({"Load Game on the menu loads a campaign", "Only a campaign can be saved",
                                          "No battle is being fought", "You are at the menu already"}))
      << "each dimmed button said why it cannot act";
  EXPECT_EQ(s["sfx_volume"], -400);
  EXPECT_EQ(s["music_volume"], -400);
  EXPECT_EQ(s["timer_interval"], 31);
  EXPECT_EQ(s["draw_pointers"], false);
  EXPECT_EQ(s["gamma_offset"], 1000);

  // The value boxes show the new values; the brightness box, not yet changed, is as it was.
  const TBitmap before = LoadBitmapFile(shotsDir + "/before.bmp"), after = LoadBitmapFile(shotsDir + "/after.bmp");
  for (int row : {359, 386, 413, 438}) EXPECT_NE(Region(before, 486, row, 24, 14), Region(after, 486, row, 24, 14)) << row;
  EXPECT_EQ(Region(before, 486, 333, 24, 14), Region(after, 486, 333, 24, 14));
}

TEST(FrontEndPictures, EveryFrontEndScreenIsDrawn) {
  namespace fs = std::filesystem;
  const std::string dir = (fs::path(STARWAKE_TEST_ROOT).parent_path() / "frontend-screens").string();
  fs::create_directories(dir);
  TFrontEndRoot game;
  auto shot = [&](int tick, const std::string& name) { return " --shot " + std::to_string(tick) + ":" + dir + "/" + name + ".bmp"; };

  // The splash on its own: frame n is drawn in tick n + 1.
  auto splash = game.Run("", 4401, shot(101, "splash_0100") + shot(501, "splash_0500") + shot(4401, "splash_4400"));
  EXPECT_EQ(splash["errors"], nlohmann::json::array());

  const std::string walk =
      "1 key 32\n"
      "15 click 431 412\n"     // credits
      "27 click 79 41\n"       // back
      "35 click 431 385\n"     // dog
      "45 click 551 305\n"     // Plus1
      "48 click 285 218\n"     // ShipsRight
      "51 click 625 432\n"     // Plus5
      "54 click 48 218\n"      // ShipsLeft twice: an add-on ship
      "57 click 48 218\n"
      "60 click 551 469\n"     // Plus4
      "63 click 756 137\n"     // PlanetsRight
      "75 click 166 529\n"     // mod_sel
      "85 click 490 422\n"     // continue
      "95 key 27\n"            // options
      "106 key 38\n"           // Up from Back to Controls, and Enter
      "107 key 13\n";
  auto s = game.Run(walk, 121,
                    shot(12, "menu") + shot(25, "credits") + shot(44, "dogfight_empty") + shot(72, "dogfight") +
                        shot(84, "addons") + shot(105, "options") + shot(120, "controls"));
  EXPECT_EQ(s["errors"], nlohmann::json::array());
  EXPECT_EQ(s["game_state"], gsControls);

  std::map<std::string, TBitmap> pictures;
  for (const char* name : {"splash_0100", "splash_0500", "splash_4400", "menu", "credits", "dogfight", "addons", "options",
                         "controls"}) {
    ASSERT_TRUE(fs::exists(dir + "/" + name + ".bmp")) << name;
    pictures[name] = LoadBitmapFile(dir + "/" + name + ".bmp");
    EXPECT_EQ(pictures[name].Width, 800);
    EXPECT_GT(LitShare(pictures[name], 300), 0.5) << name << " is dark across the middle";
  }
  // The letterbox bars cover the top and bottom of the splash until frame 4400.
  EXPECT_EQ(LitShare(pictures["splash_0100"], 50), 0.0);
  EXPECT_EQ(LitShare(pictures["splash_0500"], 550), 0.0);
  EXPECT_GT(LitShare(pictures["splash_4400"], 50), 0.5);
  EXPECT_GT(LitShare(pictures["splash_4400"], 550), 0.5);
  // Each screen has its own picture.
  EXPECT_NE(Region(pictures["menu"], 0, 0, 800, 600), Region(pictures["credits"], 0, 0, 800, 600));
  EXPECT_NE(Region(pictures["menu"], 0, 0, 800, 600), Region(pictures["addons"], 0, 0, 800, 600));
  EXPECT_NE(Region(pictures["options"], 0, 0, 800, 600), Region(pictures["controls"], 0, 0, 800, 600));
  // The fleet pictures stand in their slots: slot 1 shows its ship, slot 2 stays empty.
  const TBitmap empty = LoadBitmapFile(dir + "/dogfight_empty.bmp");
  EXPECT_NE(Region(pictures["dogfight"], 554, 248, 20, 20), Region(empty, 554, 248, 20, 20));
  EXPECT_EQ(Region(pictures["dogfight"], 628, 285, 20, 20), Region(empty, 628, 285, 20, 20));
}
