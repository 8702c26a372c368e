// A new captain's first hour of the tutorial, played through the live headless runner with a
// fixed seed: the opening orders, a course set with the clock stopped, a talk with Halden
// Prime, the first battle at Mirren with the autopilot switched on by one tap of its key, trade
// with the Dorn ore convoy, and a landing party on Tollan Cinder. Every click of the walk must
// either change what the player sees or owns, or say in one line why it could not act; the
// runner's errors list stays empty.
#include <set>

#include "Walker.h"

using namespace sw;

namespace {

// What a click can change, leaving out what moves by itself while the clock runs (positions,
// the date, other fleets) and the buttons' flash after any click.
nlohmann::json WhatAClickChanges(const nlohmann::json& s) {
  nlohmann::json p = {{"game_state", s.value("game_state", -1)}};
  const auto& c = s["campaign"];
  if (!c.is_object()) return p;
  for (const char* key : {"subscreen", "speed", "selected", "overlays", "map_offset", "talk", "trade", "combat",
                          "database", "log_page", "search_text", "logs", "states", "relations", "designs"})
    p[key] = c[key];
  nlohmann::json player = c["player"];
  for (const char* moving : {"x", "y", "system"}) player.erase(moving);
  p["player"] = player;
  p["expedition_time"] = c["expedition"]["time"];
  return p;
}

// "Orders: " and the newest mission-log entry not yet finished, as the game should show it.
std::string ExpectedOrders(const nlohmann::json& c) {
  std::string open;
  for (const auto& l : c["logs"])
    if (l["status"] == "0") open = l["title"];
  return open.empty() ? "" : "Orders: " + open;
}

// The centre of a button by its place when it was made (a dimmed button is not in the runner's
// list of places).
struct TPlace {
  int X, Y;
};
constexpr TPlace Speed0 = {674 + 12, 559 + 5}, HailFleet = {248 + 50, 116 + 5};
constexpr TPlace HireCrew = {502 + 50, 506 + 5};

}  // namespace

TEST(FirstHour, EveryClickActsOrSaysWhyFromTheOpeningOrdersToALanding) {
  TFrontEndRoot game;
  TWalker w(game);
  int clicks = 0;
  std::vector<std::string> silent;
  w.AfterClick = [&](const nlohmann::json& before, int x, int y) {
    ++clicks;
    const auto& c = w.C();
    const std::string reason = c.is_object() ? c.value("reason", "") : "";
    const std::string earlier = before["campaign"].is_object() ? before["campaign"].value("reason", "") : "";
    const bool said = !reason.empty() && reason != earlier;
    if (!said && WhatAClickChanges(before) == WhatAClickChanges(w.S()))
      silent.push_back("(" + std::to_string(x) + ", " + std::to_string(y) + ") " + w.Where());
  };

  // ---- The opening orders: the event screen, closed by Enter; the orders stay on the map.
  w.NewCampaign();
  ASSERT_FALSE(w.Broken());
  ASSERT_EQ(w.Sub(), csEvent) << w.Where();
  ASSERT_NE(ExpectedOrders(w.C()), "") << "the first day gives orders";
  EXPECT_EQ(w.C()["orders"], ExpectedOrders(w.C()));
  w.Key(13);
  ASSERT_EQ(w.Sub(), csMap) << "Enter closes the event screen";
  w.Answer();
  w.Key(112, "ctrl alt");  // ghost mode: the patrols leave the walk's route alone
  EXPECT_EQ(w.C()["orders"], ExpectedOrders(w.C()));

  // The event screen stopped the clock: the button of that speed is dimmed, and a click on it
  // says why.
  ASSERT_EQ(w.C()["speed"], 0);
  w.Click(Speed0.X, Speed0.Y);
  EXPECT_EQ(w.C()["reason"], "The clock is already stopped");
  w.Picture("orders");

  // ---- A move with the clock stopped: the course is set, nothing moves, and the map says so.
  const nlohmann::json* mirren = TWalker::Named(w.C()["locations"], "Mirren");
  ASSERT_NE(mirren, nullptr);
  const int mirrenX = (*mirren)["x"].get<int>() + w.C()["map_offset"][0].get<int>();
  const int mirrenY = (*mirren)["y"].get<int>() + w.C()["map_offset"][1].get<int>();
  ASSERT_TRUE(w.Button("move_fleet"));
  w.Click(mirrenX, mirrenY);
  EXPECT_EQ(w.Player()["dsystem"], "Mirren");
  EXPECT_EQ(w.C()["notice"], "Course set: start the clock");
  w.Picture("course_set");
  const int x0 = w.Player()["x"];
  w.Run(60);
  EXPECT_EQ(w.Player()["x"], x0) << "a stopped clock moves nothing";
  EXPECT_EQ(w.C()["notice"], "Course set: start the clock") << "the course waits for the clock, and says so";

  // ---- A talk. The player's own fleet cannot be hailed: the dimmed button says why.
  w.Key('I');
  ASSERT_EQ(w.Sub(), csFleetPanel) << w.Where();
  w.Click(HailFleet.X, HailFleet.Y);
  EXPECT_EQ(w.C()["reason"], "That is your own fleet");
  w.Picture("own_fleet");
  ASSERT_TRUE(w.Button("close_menu"));
  const size_t talksBefore = w.Talks.size();
  ASSERT_TRUE(w.Hail("Halden Prime"));
  EXPECT_GT(w.Talks.size(), talksBefore) << "Halden Prime answers";

  // ---- The first battle, at Mirren, flown by the autopilot after one tap of its key.
  const auto stragglerGone = [&] { return !TWalker::Named(w.C()["fleets"], "Brood Straggler"); };
  ASSERT_TRUE(w.FlyTo("Mirren", stragglerGone));
  ASSERT_TRUE(w.RunUntil(stragglerGone, 3000));
  EXPECT_EQ(w.Won, 1);
  ASSERT_FALSE(w.AutopilotAfterTap.empty()) << "a battle was fought";
  for (bool flown : w.AutopilotAfterTap) {
    EXPECT_TRUE(flown) << "one tap switches the autopilot on";
  }
  // The battle's outcome is autosaved as soon as the screens after it are closed.
  ASSERT_EQ(w.AutosavesAtBattle.size(), 1u);
  const int before = w.AutosavesAtBattle[0];
  for (int i = 0; i < 40 && w.S()["autosave"]["count"] == before; ++i) {
    w.Answer();
    w.Run(5);
  }
  EXPECT_EQ(w.S()["autosave"]["count"], before + 1);
  EXPECT_EQ(TFrontEndRoot::ReadFile(game.Root + "saves/autosave/map.adf").find("Brood Straggler"), std::string::npos)
      << "the autosave holds the world as the battle left it";

  // ---- Trade with the Dorn ore convoy: it roams the Dorn stars around Kettle, staying at each
  // for a moment. The Vanguard waits at Kettle with the clock slow, and stops it when the convoy
  // comes in.
  ASSERT_TRUE(w.FlyTo("Kettle"));
  bool met = false;
  for (int i = 0; i < 800 && !met && !w.Broken() && !w.Stuck; ++i) {
    w.Answer();
    if (w.Sub() == csMap && w.C()["speed"] != 1) w.Button("speed1", 1);
    w.Run(6);
    const nlohmann::json* convoy = TWalker::Named(w.C()["fleets"], "Dorn Ore Convoy");
    ASSERT_NE(convoy, nullptr);
    if ((*convoy)["system"] != "Kettle" || w.Sub() != csMap) continue;
    ASSERT_TRUE(w.Button("speed0", 1));
    ASSERT_EQ(w.C()["selected"]["location"], "Kettle");
    const nlohmann::json fleets = (*TWalker::Named(w.C()["locations"], "Kettle"))["fleets"];
    for (size_t k = 0; k < fleets.size() && !met; ++k)
      if (fleets[k] == "Dorn Ore Convoy") met = w.Button("fleet" + std::to_string(k + 1));
  }
  ASSERT_TRUE(met) << "the convoy was not met " << w.Where();
  ASSERT_EQ(w.Sub(), csFleetPanel) << w.Where();
  ASSERT_TRUE(w.Button("trade_fleet"));
  ASSERT_EQ(w.Sub(), csTrade) << w.Where();
  const int fuel = w.Player()["fuel"], ru = w.Player()["ru"];
  // Fuel for the way to Tollan: four loads of 100 units.
  for (int load = 0; load < 4; ++load) ASSERT_TRUE(w.Button("trade_buy_fuel"));
  EXPECT_EQ(w.Player()["fuel"].get<int>(), fuel + 400);
  EXPECT_LT(w.Player()["ru"].get<int>(), ru);
  // The lists answer the mouse and the keys: a click on a row, the wheel, the arrows.
  ASSERT_GE(w.Player()["ships"].size(), 2u);
  ASSERT_EQ(w.C()["selected"]["ship"], 0);
  w.Click(450, 306 + 14 + 5);
  EXPECT_EQ(w.C()["selected"]["ship"], 1) << "the second row of the player's ships";
  w.Live.Next("wheel up");
  w.Run(2);
  EXPECT_EQ(w.C()["selected"]["ship"], 0);
  ASSERT_EQ(w.C()["trade"]["selected_blueprint"], 0);
  w.Click(100, 306 + 14 + 5);
  EXPECT_EQ(w.C()["trade"]["selected_blueprint"], 1) << "the second blueprint";
  w.Key(0x26);  // Up: the list last clicked
  EXPECT_EQ(w.C()["trade"]["selected_blueprint"], 0);
  EXPECT_EQ(w.C()["selected"]["ship"], 0);
  w.Click(HireCrew.X, HireCrew.Y);
  EXPECT_EQ(w.C()["reason"], "No crew for hire here");
  w.Picture("trade");
  ASSERT_TRUE(w.Button("close_menu"));
  // Logistics and the database answer the same way.
  w.Key('I');
  ASSERT_TRUE(w.Button("logeng_fleet"));
  ASSERT_EQ(w.Sub(), csLogistics) << w.Where();
  w.Click(300, 258 + 14 + 5);
  EXPECT_EQ(w.C()["selected"]["ship"], 1) << "the second row of the logistics ship list";
  w.Key(0x26);
  EXPECT_EQ(w.C()["selected"]["ship"], 0);
  w.Live.Next("wheel down");
  w.Run(2);
  EXPECT_EQ(w.C()["selected"]["ship"], 1);
  ASSERT_TRUE(w.Button("close_menu"));
  w.Key('D');
  ASSERT_EQ(w.Sub(), csDatabase) << w.Where();
  ASSERT_GE(w.C()["database"]["names"].size(), 2u);
  w.Click(250, 52 + 14 + 5);
  EXPECT_EQ(w.C()["database"]["index"], 1) << "the second entry of the database list";
  EXPECT_EQ(w.C()["database"]["selected"], w.C()["database"]["names"][1]);
  w.Key(0x26);
  EXPECT_EQ(w.C()["database"]["index"], 0);
  ASSERT_TRUE(w.Button("close_menu"));

  // ---- A landing party on Tollan Cinder; the survey's log entry is done and the map said so.
  std::set<std::string> notices;
  const auto surveyed = [&] {
    if (!w.C()["notice"].get<std::string>().empty()) notices.insert(w.C()["notice"]);
    return w.HasState("TOLLAN_SURVEYED");
  };
  ASSERT_TRUE(w.FlyTo("Tollan", surveyed));
  for (int i = 0; i < 10 && notices.empty(); ++i) {
    w.Answer();
    w.Run(5);
    surveyed();
  }
  EXPECT_EQ(w.Log("Survey the Tollan system"), "1");
  bool told = false;
  for (const std::string& n : notices) told = told || n.rfind("Log: Survey the Tollan system \u2014 done", 0) == 0;
  EXPECT_TRUE(told) << "the log's notice on the map; seen: " << nlohmann::json(notices).dump();
  ASSERT_TRUE(w.Land("Tollan Cinder"));
  EXPECT_TRUE(w.HasState("CORE_FOUND"));

  EXPECT_GT(clicks, 20);
  EXPECT_TRUE(silent.empty()) << "clicks that did nothing and said nothing: " << nlohmann::json(silent).dump(1);
  EXPECT_EQ(w.S()["errors"], nlohmann::json::array());
}
