// The tutorial from "New Campaign" to its ending, played through the live headless runner with
// a fixed seed: the first act (Tollan, the courier's core, the council), a save and a load, then
// Orla Venn's choice. The war road goes through the gates to a battle at Lattice Deep; the
// peace road fetches the Quell's keystone and closes the gate. Each ends on its last event
// screen and then the main menu. Patrols are kept off with ghost mode so that the walk's
// route does not hang on where they roam; the battles the story needs are fought by the
// autopilot.
#include <filesystem>

#include "Walker.h"

using namespace sw;

namespace {

// Orla Venn's last talk: the ending's screen, the last log entry done, and closing the screen
// leaves the campaign for the main menu. The walk's script is kept beside its pictures.
void ExpectTheEnd(TWalker& w, const std::string& report) {
  ASSERT_TRUE(w.Hail("Halden Prime"));
  ASSERT_EQ(w.Sub(), csEvent) << w.Where();
  EXPECT_TRUE(w.C()["game_over"].get<bool>());
  EXPECT_EQ(w.C()["event_text"][6], "THE END - thank you for playing Starwake.");
  EXPECT_EQ(w.Log(report), "1");
  w.Picture("ending");
  w.Button("close_menu", 30);
  EXPECT_EQ(w.GameState(), gsMenu);
  EXPECT_EQ(w.S()["errors"], nlohmann::json::array());
  if (!w.Pictures.empty()) TFrontEndRoot::WriteFile(w.Pictures + "walk.txt", w.Live.Script);
}

// After a save and a load the world is the one that was saved.
void ExpectSameWorld(const std::pair<nlohmann::json, nlohmann::json>& worlds, const TWalker& w) {
  EXPECT_EQ(w.GameState(), gsCampaign) << w.Where();
  EXPECT_EQ(worlds.first, worlds.second) << nlohmann::json::diff(worlds.first, worlds.second).dump(1);
}

// The first act, common to both roads: from the first day to the core in the council's hands,
// with a first battle on the way when asked.
void FirstAct(TWalker& w, bool firstBattle = false) {
  w.NewCampaign();
  ASSERT_FALSE(w.Broken());
  ASSERT_EQ(w.Sub(), csEvent) << "the tutorial opens on its first day's event";
  EXPECT_EQ(w.C()["title"], "Starwake : Tutorial");
  w.Answer();
  w.Key(112, "ctrl alt");  // ghost mode
  w.Picture("map");
  w.Key('L');
  w.Picture("log");
  EXPECT_EQ(w.Sub(), csLogs);
  w.Key('D');
  w.Picture("database");
  EXPECT_EQ(w.Sub(), csDatabase);
  w.Button("close_menu");
  EXPECT_EQ(w.Log("Survey the Tollan system"), "0");

  if (firstBattle) {
    // The first battle a new captain can win: the Brood Straggler at Mirren, near home.
    const int ru = w.Player()["ru"];
    ASSERT_TRUE(w.FlyTo("Mirren", [&] { return !TWalker::Named(w.C()["fleets"], "Brood Straggler"); }));
    ASSERT_TRUE(w.RunUntil([&] { return !TWalker::Named(w.C()["fleets"], "Brood Straggler"); }, 3000));
    EXPECT_EQ(w.Won, 1);
    EXPECT_GT(w.Player()["ru"].get<int>(), ru) << "the battle's salvage";
    // Its story screen: unless a ship lost in the same battle told its own loss in its place.
    EXPECT_EQ((*TWalker::Named(w.C()["triggers"], "FIRST_VICTORY"))["exec_times"], 0);
  }

  ASSERT_TRUE(w.FlyTo("Tollan", [&] { return w.HasState("TOLLAN_SURVEYED"); }));
  EXPECT_EQ(w.Log("Survey the Tollan system"), "1");
  EXPECT_EQ(w.Log("Recover the courier's data core"), "0");
  ASSERT_TRUE(w.Land("Tollan Cinder"));
  EXPECT_TRUE(w.HasState("CORE_FOUND"));
  EXPECT_EQ(w.Log("Find Pilot Wren near Hook"), "0");

  ASSERT_TRUE(w.FlyTo("Halden"));
  // Orla Venn takes the core.
  w.Plan["ORLA_CORE_000"] = 1;
  ASSERT_TRUE(w.Hail("Halden Prime"));
  EXPECT_TRUE(w.HasState("KRU_THREAT"));
  EXPECT_EQ(w.Log("Report to Orla Venn on Halden Prime"), "1");
  EXPECT_EQ(w.Log("Learn what the Kru signal means"), "0");
  EXPECT_EQ(w.Sub(), csMap) << w.Where();
}

}  // namespace

TEST(Walkthrough, TheWarRoadBreaksTheKruRelayAndEndsTheCampaign) {
  TFrontEndRoot game;
  TWalker w(game);
  if (!w.Pictures.empty()) w.Pictures += "war_";
  FirstAct(w, true);
  if (HasFatalFailure()) return;
  ExpectSameWorld(w.SaveAndLoad(1), w);

  // Orla Venn's choice: war.
  w.Plan["ORLA_DUTY_000"] = 1;
  w.Plan["ORLA_DUTY_002"] = 1;
  w.Plan["ORLA_DUTY_004"] = 1;
  const int ships = static_cast<int>(w.Player()["ships"].size());
  ASSERT_TRUE(w.Hail("Halden Prime"));
  EXPECT_TRUE(w.HasState("WAR_PATH"));
  EXPECT_EQ(w.Log("Learn what the Kru signal means"), "1");
  EXPECT_EQ(w.Log("Break the Kru relay at Lattice Deep"), "0");
  EXPECT_EQ(w.Player()["ships"].size(), ships + 1u) << "the council's second Bastion";
  EXPECT_EQ(w.Player()["max_fuel"], 1300);

  // Through the Sable Gate: the fleet comes out beside the Ember Gate.
  ASSERT_TRUE(w.FlyTo("Sable Gate", [&] { return w.Player()["x"].get<int>() > 1000; }));
  // Lattice Deep: the watch and the citadel fight in turns until the watch is gone.
  ASSERT_TRUE(w.FlyTo("Lattice Deep", [&] { return w.HasState("RELAY_BROKEN"); }));
  ASSERT_TRUE(w.RunUntil([&] { return w.HasState("RELAY_BROKEN"); }, 20000)) << w.Where();
  EXPECT_GE(w.Won, 1);
  EXPECT_FALSE(w.HasState("KRU_THREAT"));
  EXPECT_EQ(w.Log("Break the Kru relay at Lattice Deep"), "1");
  EXPECT_EQ(w.Log("Report the victory to Orla Venn"), "0");
  EXPECT_EQ(w.Relation("KRU"), 20);
  // The citadel fought for the Kru: it is the Guard's now, or a debris field.
  const nlohmann::json* deep = TWalker::Named(w.C()["locations"], "Lattice Deep");
  ASSERT_NE(deep, nullptr);
  EXPECT_NE((*deep)["owner"], "KRU");
  ExpectSameWorld(w.SaveAndLoad(2), w);

  ASSERT_TRUE(w.FlyTo("Ember Gate", [&] { return w.Player()["x"].get<int>() < 700; }));
  EXPECT_EQ(w.Screens.back().rfind("The Ember Gate takes the Vanguard", 0), 0u) << w.Screens.back();
  ASSERT_TRUE(w.FlyTo("Halden"));
  w.Plan["ORLA_VICTORY_000"] = 1;
  ExpectTheEnd(w, "Report the victory to Orla Venn");
}

TEST(Walkthrough, ThePeaceRoadClosesTheGateWithTheQuellKeystone) {
  TFrontEndRoot game;
  TWalker w(game);
  if (!w.Pictures.empty()) w.Pictures += "peace_";
  FirstAct(w);
  if (HasFatalFailure()) return;

  // Orla Venn's choice: a way without war. Tamsin Reyes comes on the channel; the charts of
  // the gate are promised to the Concord.
  w.Plan["ORLA_DUTY_000"] = 1;
  w.Plan["ORLA_DUTY_002"] = 2;
  w.Plan["ORLA_DUTY_003"] = 1;
  w.Plan["TAMSIN_KEYSTONE_000"] = 1;
  w.Plan["TAMSIN_KEYSTONE_001"] = 1;
  const int concord = w.Relation("MER");
  ASSERT_TRUE(w.Hail("Halden Prime"));
  EXPECT_TRUE(w.HasState("PEACE_PATH"));
  EXPECT_TRUE(w.HasState("KEYSTONE_SOUGHT"));
  EXPECT_GT(w.Relation("MER"), concord);
  EXPECT_EQ(w.Log("Ask Keeper Ithe at Prismhold for the keystone"), "0");
  ExpectSameWorld(w.SaveAndLoad(1), w);

  // Keeper Ithe at Prismhold asks for the lattice's lost shard.
  w.Plan["ITHE_ASK_000"] = 2;
  w.Plan["ITHE_ASK_001"] = 1;
  ASSERT_TRUE(w.FlyTo("Prismhold"));
  ASSERT_TRUE(w.Hail("Geode"));
  EXPECT_EQ(w.Log("Something sings on Lumen Glass"), "0");

  // The shard from Lumen Glass (no one lives there), given back to the Quell of Facet, the
  // nearest peopled Quell world: the keystone comes with their thanks, and the fleet is set
  // down at home.
  ASSERT_TRUE(w.FlyTo("Lumen"));
  ASSERT_TRUE(w.Land("Lumen Glass"));
  EXPECT_TRUE(w.HasState("SHARD_CARRIED"));
  for (const char* section : {"HOSTILE_GENERIC_B_000", "NEUTRAL_GENERIC_B_000", "FRIENDLY_GENERIC_B_000"})
    w.Plan[section] = 1;
  ASSERT_TRUE(w.FlyTo("Facet"));
  ASSERT_TRUE(w.Hail("Facet Prime"));
  EXPECT_TRUE(w.HasState("KEYSTONE_CARRIED"));
  EXPECT_FALSE(w.HasState("SHARD_HOME")) << "the gift took the place of the Keeper's later one";
  EXPECT_EQ(w.Relation("QLL"), 90);
  EXPECT_EQ(w.Log("Return the Resonance Shard to the Quell"), "1");
  EXPECT_EQ(w.Log("Set the keystone in the Sable Gate"), "0");
  EXPECT_EQ(w.Player()["system"], "Halden");
  const auto& devices = w.Player()["devices"];
  EXPECT_NE(std::find(devices.begin(), devices.end(), "Gate Keystone"), devices.end());
  ExpectSameWorld(w.SaveAndLoad(2), w);

  // The keystone set in the Sable Gate closes it: no crossing, no battle.
  ASSERT_TRUE(w.FlyTo("Sable Gate", [&] { return w.HasState("GATE_SEALED"); }));
  EXPECT_FALSE(w.HasState("KRU_THREAT"));
  EXPECT_FALSE(w.HasState("WAR_PATH"));
  EXPECT_EQ(w.Player()["system"], "Sable Gate");
  ASSERT_TRUE(w.FlyTo("Halden"));
  w.Plan["ORLA_SEALED_000"] = 1;
  EXPECT_EQ(w.Log("Set the keystone in the Sable Gate"), "1");
  EXPECT_EQ(w.Relation("MER"), 85) << "the charts were promised";
  EXPECT_EQ(w.Battles, 0);
  ExpectTheEnd(w, "Report the closing of the gate to Orla Venn");
}

// The road not taken in time: the tutorial's world on the last day of June with the Kru threat
// standing. The relay's warning comes the next day, and on the first of August the Kru come
// through the gate; closing that screen leaves the campaign for the main menu.
TEST(Walkthrough, LeftTooLongTheKruComeThroughAndTheCampaignIsLost) {
  namespace fs = std::filesystem;
  TFrontEndRoot game;
  const fs::path tutorial = OwnTutorial(game, {"map.adf"});
  std::string map = TFrontEndRoot::ReadFile((fs::path(STARWAKE_TEST_ROOT) / "data" / "tutorial" / "map.adf").string());
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"STAR_DATE=14;03;2311;", "STAR_DATE=30;06;2311;"},
                                 {"TUTORIAL_START=1", "TUTORIAL_START=1\nKRU_THREAT=1"}}) {
    ASSERT_NE(map.find(from), std::string::npos) << from;
    map.replace(map.find(from), from.size(), to);
  }
  TFrontEndRoot::WriteFile((tutorial / "map.adf").string(), map);

  TWalker w(game);
  w.NewCampaign();
  ASSERT_EQ(w.Sub(), csMap) << "no opening event on this day";
  ASSERT_TRUE(w.HasState("KRU_THREAT"));
  w.Button("speed3");
  ASSERT_TRUE(w.RunUntil([&] { return w.Sub() == csEvent && w.C()["game_over"].get<bool>(); }, 3000));
  ASSERT_EQ(w.Screens.size(), 1u);
  EXPECT_EQ(w.Screens[0].rfind("The Vanguard's sensors catch the Kru signal again", 0), 0u) << w.Screens[0];
  EXPECT_EQ(w.C()["star_date"]["day"], 1);
  EXPECT_EQ(w.C()["star_date"]["month"], 8);
  EXPECT_EQ(w.C()["event_text"][4], "GAME OVER");
  EXPECT_EQ(w.Log("Break the Kru relay at Lattice Deep"), "2");
  w.Button("close_menu", 30);
  EXPECT_EQ(w.GameState(), gsMenu);
}
