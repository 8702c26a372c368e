// A campaign battle through the headless runner, from the map to the battle and back: the
// player's fleet shares Mirren with the tutorial's Vaskar straggler. The clock is stopped, I
// shows the player's own fleet panel, "fleet2" the straggler's, "attack_fleet" opens the combat
// set-up, the flagship and a support go into their slots and "launch" starts the battle. Both
// sides are flown by the computer (the player's flagship through its autopilot key) until the
// fight ends; Escape brings the outcome back into the campaign. Also the screenshots of both
// panels and of the combat set-up.
#include <filesystem>
#include <fstream>
#include <map>

#include "core/Adf.h"
#include "frontend/FrontEndRoot.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

namespace fs = std::filesystem;

// The tutorial as a campaign of the test's own: every file of the built tutorial except the
// story's triggers (no event or talk interrupts the walk), and its map with the player's fleet
// moved from Halden to Mirren, where the straggler waits.
void MakeWalkCampaign(const TFrontEndRoot& game) {
  game.OwnData();
  const fs::path built = fs::path(STARWAKE_TEST_ROOT) / "data" / "tutorial";
  const fs::path own = fs::path(game.Root) / "data" / "tutorial";
  fs::remove(own);
  fs::create_directory(own);
  for (const auto& entry : fs::directory_iterator(built)) {
    const std::string name = entry.path().filename().string();
    if (name != "map.adf" && name != "triggers.adf") fs::create_symlink(entry.path(), own / name);
  }
  std::string map = TFrontEndRoot::ReadFile((built / "map.adf").string());
  const size_t from = map.find("[FLEET1]"), to = map.find("[FLEET2]");
  ASSERT_TRUE(from != std::string::npos && to != std::string::npos);
  std::string fleet = map.substr(from, to - from);
  for (const auto& [a, b] : {std::pair<std::string, std::string>{"SYSTEM=Halden\n", "SYSTEM=Mirren\n"},
                             {"X=260\n", "X=120\n"},
                             {"Y=900\n", "Y=1080\n"}}) {
    const size_t at = fleet.find(a);
    ASSERT_NE(at, std::string::npos) << a;
    fleet.replace(at, a.size(), b);
  }
  TFrontEndRoot::WriteFile((own / "map.adf").string(), map.substr(0, from) + fleet + map.substr(to));
}

// Buttons by their middle: the clock's stop, the side menu's second fleet, the panel's attack,
// the slots, the list and launch.
const std::string ToCombat =
    "2 click 686 564\n"    // "speed0": no world step, so no encounter, while the panels are shown
    "3 key 73\n"           // I: the player's own fleet panel
    "5 click 700 307\n"    // "fleet2": the straggler's panel
    "8 click 300 145\n"    // "attack_fleet"
    "10 click 330 283\n"   // "Plus1": the selected first entry becomes the flagship
    "12 click 150 165\n"   // "combat_scroll_down"
    "14 click 404 320\n";  // "Plus2": the second entry supports it
const std::string ToBattle = ToCombat +
                             "18 click 563 365\n"  // "launch"
                             "22 key 32\n"         // the pre-battle screen is left
                             "25 key 65\n";        // the player's flagship to its autopilot

const nlohmann::json* FindNamed(const nlohmann::json& list, const std::string& name) {
  for (const auto& e : list)
    if (e["name"] == name) return &e;
  return nullptr;
}

// Pixels of the box (cx +- r, cy +- r) that differ between two screenshots.
int ChangedPixels(const TBitmap& a, const TBitmap& b, int cx, int cy, int r) {
  int n = 0;
  for (int y = cy - r; y <= cy + r; ++y)
    for (int x = cx - r; x <= cx + r; ++x) n += a.Pixels[static_cast<size_t>(y * 800 + x)] != b.Pixels[static_cast<size_t>(y * 800 + x)];
  return n;
}

// Pixels of the blueprint's box whose blue clearly outweighs red: the sheet's grid.
int BlueprintPixels(const TBitmap& shot) {
  int n = 0;
  for (int y = 232; y < 374; ++y)
    for (int x = 54; x < 266; ++x) {
      const uint32_t p = shot.Pixels[static_cast<size_t>(y * 800 + x)];
      n += (p & 255) > ((p >> 16) & 255) + 30;
    }
  return n;
}

}  // namespace

TEST(CampaignBattleWalk, AttackFromTheFleetPanelFightAndTakeTheOutcomeBack) {
  TFrontEndRoot game;
  MakeWalkCampaign(game);
  if (HasFatalFailure()) return;
  const std::string shots = game.Folder.Path + "/";
  // A fixed seed whose fight ends in a few hundred ticks; the checks below follow whichever
  // side wins.
  const std::string options = "--seed 1 --campaign ";

  const auto setup = game.Run(ToCombat, 17,
                              options + "--shot 3:" + shots + "own.bmp --shot 6:" + shots + "straggler.bmp --shot 9:" +
                                  shots + "empty.bmp --shot 16:" + shots + "combat.bmp");
  ASSERT_FALSE(setup.contains("runner_failed"));
  EXPECT_EQ(setup["errors"], nlohmann::json::array());
  const auto& c = setup["campaign"];
  EXPECT_EQ(c["subscreen"], 10);
  EXPECT_EQ(c["speed"], 0);
  EXPECT_EQ(c["selected"]["fleet"], "Brood Straggler");
  ASSERT_TRUE(c["combat"].is_object());
  // Four ships against one: all three slots open, the enemy fields one ship.
  EXPECT_EQ(c["combat"]["ratio"], 4);
  EXPECT_EQ(c["combat"]["player_slots"], nlohmann::json::array({0, 1, -1}));
  EXPECT_EQ(c["combat"]["enemy_slots"], nlohmann::json::array({0, -1, -1}));
  const auto& before = c["player"]["ships"];
  ASSERT_EQ(before.size(), 3u);
  EXPECT_EQ(before[0]["class"], "TFG_Bastion");
  EXPECT_EQ(before[0]["count"], 0) << "the flagship is taken from its entry";
  EXPECT_EQ(before[1]["class"], "TFG_Lancer");
  EXPECT_EQ(before[1]["count"], 1) << "one of the two Lancers supports it";
  for (const char* key : {"Plus1", "Minus1", "Plus3", "launch", "combat_scroll_up"})
    EXPECT_NE(std::find(c["buttons"].begin(), c["buttons"].end(), key), c["buttons"].end()) << key;

  // The panels show a blueprint sheet under the selected class (a schematic for the Bastion,
  // the straggler's own picture on the plain sheet); the slots show the ships put into them.
  const TBitmap own = LoadBitmapFile(shots + "own.bmp"), straggler = LoadBitmapFile(shots + "straggler.bmp");
  const TBitmap empty = LoadBitmapFile(shots + "empty.bmp"), combat = LoadBitmapFile(shots + "combat.bmp");
  ASSERT_EQ(combat.Pixels.size(), 800u * 600u);
  EXPECT_GT(BlueprintPixels(own), 10000);
  EXPECT_GT(BlueprintPixels(straggler), 10000);
  EXPECT_GT(ChangedPixels(own, straggler, 160, 303, 20), 200) << "the straggler's picture lies on its sheet";
  EXPECT_GT(ChangedPixels(empty, combat, 344, 236, 18), 200) << "the flagship's picture in its slot";
  EXPECT_GT(ChangedPixels(empty, combat, 418, 273, 18), 200) << "the support's picture in its slot";
  EXPECT_EQ(ChangedPixels(empty, combat, 492, 309, 18), 0) << "the empty slot stays empty";
  EXPECT_EQ(ChangedPixels(empty, combat, 344, 495, 18), 0) << "the enemy's flagship was there from the first frame";

  // The battle: the slotted ships and the straggler, flown by the computer to the end.
  const auto fight = game.Run(ToBattle, 20000, options + "--until-over");
  ASSERT_FALSE(fight.contains("runner_failed"));
  EXPECT_EQ(fight["errors"], nlohmann::json::array());
  ASSERT_EQ(fight["game_state"], 5);
  const auto& battle = fight["battle"];
  ASSERT_TRUE(battle.is_object());
  EXPECT_EQ(battle["phase"], 2);
  std::map<std::string, std::string> ships;
  for (const auto& o : battle["objects"])
    if (o["kind"] == 1 && o["launcher"].is_null()) ships[o["name"]] = o["class"].get<std::string>() + "/" + std::to_string(o["side"].get<int>());
  EXPECT_EQ(ships, (std::map<std::string, std::string>{
                       {"player1ship", "TFG_Bastion/1"}, {"player2ship", "VSK_Spore/2"}, {"ship3", "TFG_Lancer/1"}}));
  const int over = fight["tick"], winner = battle["winning_side"], salvage = battle["salvage"];
  ASSERT_TRUE(winner == 1 || winner == 2);
  ASSERT_LT(over, 20000) << "the fight ends";

  // Escape leaves the result screen; the campaign takes the outcome in.
  const auto back = game.Run(ToBattle + std::to_string(over + 20) + " key 27\n", over + 30, options);
  ASSERT_FALSE(back.contains("runner_failed"));
  EXPECT_EQ(back["errors"], nlohmann::json::array());
  EXPECT_EQ(back["game_state"], 0);
  EXPECT_TRUE(back["battle"].is_null());
  const auto& after = back["campaign"];
  EXPECT_EQ(after["subscreen"], 1);
  EXPECT_TRUE(after["combat"].is_null());

  // What the battle wrote, section by section: the winner keeps every ship that holds together.
  const std::string outcome = game.Root + "outcome.adf";
  ASSERT_EQ(AdfReadInteger(outcome, "OUTCOME", "WINNING_SIDE", 0), winner);
  ASSERT_EQ(AdfReadInteger(outcome, "OUTCOME", "SALVAGE", -1), salvage);
  nlohmann::json survivors = nlohmann::json::array();
  for (const char* desig : {"player1ship", "player2ship", "ship3"}) {
    const int damage = AdfReadInteger(outcome, desig, "DAMAGE", 0);
    if (damage >= 1)
      survivors.push_back({{"class", AdfReadString(outcome, desig, "CLASS", "")}, {"count", 1}, {"structure", damage},
                           {"crew", AdfReadInteger(outcome, desig, "CREW", 0)}});
  }
  const auto& player = after["player"];
  const nlohmann::json* straggler2 = FindNamed(after["fleets"], "Brood Straggler");
  if (winner == 1) {
    EXPECT_EQ(player["ru"], 250 + salvage) << "the salvage goes to the player";
    EXPECT_EQ(after["speed"], 1);
    EXPECT_EQ(straggler2, nullptr) << "the beaten fleet leaves the map";
    for (const auto& l : after["locations"])
      if (l["name"] == "Mirren") { EXPECT_EQ(l["fleets"], nlohmann::json::array({"Halden Vanguard"})); }
    // The emptied Bastion entry is gone; the Lancer left behind and the Warden stay; the
    // survivors come back as new entries with their hull and crew.
    nlohmann::json want = nlohmann::json::array({before[1], before[2]});
    for (const auto& s : survivors) want.push_back(s);
    EXPECT_EQ(player["ships"], want);
  } else {
    // The straggler held: it keeps its survivors and every captured ship, the player keeps
    // what stayed out of the fight, and the clock stays stopped.
    ASSERT_NE(straggler2, nullptr);
    EXPECT_EQ((*straggler2)["ships"], survivors);
    EXPECT_EQ(player["ships"], nlohmann::json::array({before[1], before[2]}));
    EXPECT_EQ(after["speed"], 0);
  }
}
