#pragma once
// A player for long walks through a campaign on the live headless runner: it clicks buttons by
// their keys, flies the fleet to a star by finding it and giving a move order, lands parties,
// hails worlds, answers talks by a plan, fights the battles that come its way with the
// autopilot, and saves and loads through the options. Everything goes through the runner's
// script, so a walk is a script of clicks and keys with a fixed seed.
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <vector>

#include "CampaignWorld.h"
#include "LiveGame.h"
#include "OpenTutorial.h"

class TWalker {
public:
  explicit TWalker(const TFrontEndRoot& game) : Live(game, "--seed 7") {
    if (const char* dir = std::getenv("STARWAKE_WALK_SHOTS")) Pictures = std::string(dir) + "/";
  }

  TLiveGame Live;
  std::map<std::string, int> Plan;   // talk section -> answer 1..3 the walk gives there
  std::vector<std::string> Screens;  // the first line of every event screen closed on the way
  std::vector<std::string> Talks;    // every talk section answered on the way
  bool Stuck = false;                // a button the walk needed was not there
  std::string Pictures;              // when set, a screenshot of every story screen goes here
  int PictureCount = 0;
  int Battles = 0;                   // battles fought, and won
  int Won = 0;
  // Called after every click with the summary from before it, so a walk can check what each
  // click did.
  std::function<void(const nlohmann::json& before, int x, int y)> AfterClick;
  // Whether the computer flew the player's ship right after each autopilot key tap.
  std::vector<bool> AutopilotAfterTap;
  // The autosave count as each battle began.
  std::vector<int> AutosavesAtBattle;

  const nlohmann::json& S() const { return Live.State; }
  const nlohmann::json& C() const { return Live.State["campaign"]; }
  int GameState() const { return S().value("game_state", -1); }
  int Sub() const { return C().is_object() ? C()["subscreen"].get<int>() : -1; }
  const nlohmann::json& Player() const { return C()["player"]; }
  bool Broken() const { return S().contains("runner_failed"); }
  std::string Where() const {
    return "at tick " + std::to_string(Live.Tick) + ", game state " + std::to_string(GameState()) + ", sub-screen " +
           std::to_string(Sub());
  }

  bool HasState(const std::string& state) const {
    const auto& states = C()["states"];
    return std::find(states.begin(), states.end(), state) != states.end();
  }
  // The status of a mission log entry, or "" when the log has none of that title.
  std::string Log(const std::string& title) const {
    for (const auto& l : C()["logs"])
      if (l["title"] == title) return l["status"];
    return "";
  }
  int Relation(const std::string& race) const { return C()["relations"].value(race, -1); }
  static const nlohmann::json* Named(const nlohmann::json& list, const std::string& name) {
    for (const auto& e : list)
      if (e["name"] == name) return &e;
    return nullptr;
  }

  // A screenshot of what shows now, numbered in the order taken, when pictures are asked for.
  void Picture(const std::string& what) {
    if (Pictures.empty()) return;
    char name[16];
    std::snprintf(name, sizeof name, "%03d_", ++PictureCount);
    Live.Shot(Pictures + name + what + ".bmp");
  }

  // ---- input ----
  void Run(int ticks) { Live.Run(ticks); }
  void Click(int x, int y, int settle = 2) {
    const nlohmann::json before = AfterClick ? S() : nlohmann::json();
    Live.Next("click " + std::to_string(x) + " " + std::to_string(y));
    Run(settle);
    if (AfterClick) AfterClick(before, x, y);
  }
  void Key(int code, const std::string& modifiers = "", int settle = 2) {
    Live.Next("key " + std::to_string(code) + (modifiers.empty() ? "" : " " + modifiers));
    Run(settle);
  }
  bool Button(const std::string& key, int settle = 2) {
    // A button clicked a moment ago is still flashing and takes no click: wait for it.
    for (int i = 0; i < 8 && !Lit(key); ++i) Run(2);
    const nlohmann::json& places = C().is_object() ? C()["button_places"] : nlohmann::json();
    if (!places.is_object() || !places.contains(key)) {
      ADD_FAILURE() << "no live button \"" << key << "\" " << Where();
      if (const char* dump = std::getenv("STARWAKE_WALK_DUMP")) TFrontEndRoot::WriteFile(dump, S().dump(1));
      Stuck = true;
      return false;
    }
    const auto& p = places[key];
    Click(p[0].get<int>() + p[2].get<int>() / 2, p[1].get<int>() + p[3].get<int>() / 2, settle);
    return true;
  }

  bool Lit(const std::string& key) const {
    return C().is_object() && C()["button_places"].is_object() && C()["button_places"].contains(key);
  }

  // New Campaign on the menu: the tutorial's first day, on its opening event screen.
  void NewCampaign() {
    Live.Line(OpenTutorial);
    Run(40);
  }

  // ---- the story on the way ----
  // Event screens are read and closed (a game-over screen is left for the walk to look at),
  // talks answered by the plan (or ended), encounters fought, battles flown by the autopilot.
  void Answer() {
    for (int round = 0; round < 40 && !Broken() && !Stuck; ++round) {
      if (GameState() == sw::gsBattle) {
        Fight();
        continue;
      }
      if (GameState() != sw::gsCampaign || !C().is_object()) return;
      switch (Sub()) {
        case sw::csEvent:
          if (C()["game_over"].get<bool>()) return;
          Screens.push_back(C()["event_text"].empty() ? "" : C()["event_text"][0].get<std::string>());
          Picture("event");
          Button("close_menu");
          break;
        case sw::csCommunication: {
          const std::string section = C()["talk"]["section"];
          // An answer clicked while its button still flashed is not taken: the section shows again.
          if (Talks.empty() || Talks.back() != section) {
            Talks.push_back(section);
            Picture("talk_" + section);
          }
          const auto& answers = C()["talk"]["answers"];
          int pick = Plan.count(section) ? Plan[section] : 0;
          for (size_t k = 0; pick == 0 && k < answers.size() && k < 3; ++k)
            if (answers[k]["next"] == "#END") pick = static_cast<int>(k) + 1;
          if (!Button("respond_" + std::to_string(pick == 0 ? 1 : pick))) return;
          break;
        }
        case sw::csEncounter: {
          const auto& live = C()["buttons"];
          const bool canLeave = std::find(live.begin(), live.end(), "cancel_fleet_dse") != live.end();
          Button(canLeave ? "cancel_fleet_dse" : "attack_fleet_dse");
          break;
        }
        case sw::csCombat:
          Launch();
          break;
        default:
          return;
      }
    }
  }

  // The combat set-up: up to three ships that can fight (a captured hull without crew cannot),
  // chosen down the fleet's list, then launch.
  void Launch() {
    for (int slot = 1; slot <= 3; ++slot) {
      const std::string plus = "Plus" + std::to_string(slot);
      if (!Lit(plus)) break;
      const auto& ships = Player()["ships"];
      int entry = 0;
      while (entry < static_cast<int>(ships.size()) &&
             !(ships[entry]["count"].get<int>() > 0 && ships[entry]["crew"].get<int>() != 0))
        ++entry;
      if (entry >= static_cast<int>(ships.size())) break;
      // The first pick by a click on a row (the list opens at its top: the entry's own row, or
      // another when the entry is selected already), then the arrows: both must select.
      const int rows = std::min(static_cast<int>(ships.size()), 6);
      if (slot == 1 && entry < rows && rows >= 2) {
        const int row = C()["selected"]["ship"] == entry ? (entry + 1) % rows : entry;
        Click(100, 78 + 14 * row + 5);
        if (C()["selected"]["ship"] != row) ADD_FAILURE() << "a click on row " << row << " of the combat list " << Where();
      }
      for (int guard = 0; guard < 40 && C()["selected"]["ship"].get<int>() != entry; ++guard)
        Key(C()["selected"]["ship"].get<int>() < entry ? 0x28 : 0x26);
      Button(plus);
    }
    Picture("combat");
    Button("launch", 4);
    if (GameState() == sw::gsCampaign && Sub() == sw::csCombat) {
      ADD_FAILURE() << "the battle could not be launched " << Where();
      Stuck = true;
    }
  }

  // The battle: a key starts it, the autopilot flies the player's ships, Escape leaves the
  // result for the campaign to take in.
  void Fight() {
    ++Battles;
    AutosavesAtBattle.push_back(S()["autosave"]["count"].get<int>());
    Key(' ', "", 2);
    Key('A', "", 2);
    if (S()["battle"].is_object())
      for (const auto& o : S()["battle"]["objects"])
        if (o["name"] == "player1ship") AutopilotAfterTap.push_back(o["ai"].get<bool>());
    Run(300);
    Picture("battle");
    for (int i = 0; i < 400 && GameState() == sw::gsBattle && S()["battle"]["phase"] != 2; ++i) Run(100);
    if (GameState() == sw::gsBattle && S()["battle"]["winning_side"] == 1) ++Won;
    Key(27, "", 20);
  }

  // Runs the world on, answering the story (and fighting what comes), until `done` holds.
  bool RunUntil(const std::function<bool()>& done, int limit) {
    const long long until = Live.Tick + limit;
    while (Live.Tick < until && !Broken() && !Stuck) {
      if (done()) return true;
      if (Sub() == sw::csMap && C()["speed"] == 0) Button("speed3", 1);  // on at speed 10 after a screen stopped the clock
      Run(20);
      Answer();
    }
    return done();
  }

  // ---- travel ----
  // Finds the star by name, orders the fleet there and runs the clock at speed 10 until the
  // fleet has arrived (or `done` holds), answering the story on the way.
  bool FlyTo(const std::string& name, const std::function<bool()>& done = {}, int limit = 6000) {
    Answer();
    Key('F');
    for (char ch : name) Key(ch == ' ' ? 32 : std::toupper(static_cast<unsigned char>(ch)), "", 1);
    Key(13);
    const nlohmann::json* loc = Named(C()["locations"], name);
    if (!loc || C()["selected"]["location"] != name) {
      ADD_FAILURE() << "find a star did not find " << name << " " << Where() << " " << C()["event_text"] << " after " << Screens.size() << " screens, the last: " << (Screens.empty() ? "" : Screens.back()) << " " << C()["speed"] << C()["search_text"];
      return false;
    }
    const int sx = (*loc)["x"].get<int>() + C()["map_offset"][0].get<int>();
    const int sy = (*loc)["y"].get<int>() + C()["map_offset"][1].get<int>();
    Button("move_fleet");
    Click(sx, sy);
    if (Player()["dsystem"] != name) {
      ADD_FAILURE() << "the move order to " << name << " was not taken " << Where();
      return false;
    }
    const long long until = Live.Tick + limit;
    while (Live.Tick < until && !Broken()) {
      if (Sub() == sw::csMap && C()["speed"] != 10 && Player()["dsystem"] == name) Button("speed3", 1);
      Run(20);
      Answer();
      if (done && done()) return true;
      if (Player()["system"] == name && Player()["dsystem"] == "") {
        // The triggers of an arrival fire on the frame after it.
        Run(3);
        Answer();
        return true;
      }
    }
    ADD_FAILURE() << "the fleet did not reach " << name << " " << Where() << ": " << Player().dump();
    return false;
  }

  // ---- places ----
  int PlanetNumber(const std::string& planet) const {
    const nlohmann::json* loc = Named(C()["locations"], Player()["system"]);
    for (size_t k = 0; loc && k < (*loc)["planets"].size(); ++k)
      if ((*loc)["planets"][k]["name"] == planet) return static_cast<int>(k) + 1;
    return 0;
  }
  // The planet's panel, from the system view of the fleet's location.
  bool OpenPlanet(const std::string& planet) {
    Answer();
    Key('S');
    const int n = PlanetNumber(planet);
    if (n == 0) {
      ADD_FAILURE() << planet << " is not at " << Player()["system"] << " " << Where();
      return false;
    }
    return Button("planet" + std::to_string(n));
  }
  // A landing party on the planet, with the clock running, until it is back.
  bool Land(const std::string& planet) {
    if (!OpenPlanet(planet)) return false;
    Button("speed3", 1);
    Button("land_plan", 5);
    for (int i = 0; i < 60 && Sub() == sw::csLanding; ++i) Run(10);
    Answer();
    return Sub() != sw::csLanding;
  }
  bool Hail(const std::string& planet) {
    if (!OpenPlanet(planet) || !Button("hail_plan")) return false;
    Answer();
    return true;
  }

  // ---- saving ----
  // Saves into the slot from the options and loads it straight back; the world after the
  // load, and the one before the save.
  // "scroll_down" until the selector's selection is on the slot.
  void ScrollToSlot(int slot) {
    for (int i = 0; i < 20; ++i) {
      const auto& sel = S()["selector"];
      const size_t at = sel["selected"].get<size_t>();
      if (at < sel["sections"].size() && sel["sections"][at] == "SAVE" + std::to_string(slot)) return;
      Click(400, 405, 3);
    }
  }
  std::pair<nlohmann::json, nlohmann::json> SaveAndLoad(int slot) {
    Answer();
    const nlohmann::json before = CampaignWorld(C());
    Key(27, "", 20);           // the options
    Click(414, 312, 20);       // "op3": the selector in save mode
    ScrollToSlot(slot);
    Click(490, 422, 20);       // "cont_but": saved, the options again
    if (S()["dialog"].is_object()) Click(340, 325, 20);  // "Yes": the slot held a save
    Click(414, 285, 20);       // "op2": the selector in load mode (the autosaves first)
    ScrollToSlot(slot);
    Click(490, 422, 30);       // "cont_but": the saved game is live
    return {before, C().is_object() ? CampaignWorld(C()) : nlohmann::json()};
  }
};
