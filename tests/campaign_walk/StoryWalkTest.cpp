// The story through the headless runner, clicks only: the tutorial opens on its first day's
// event screen and "close_menu" returns to the map; a hostile fleet met at a star opens the
// encounter menu, Hail opens the talk behind static, an answer moves the relation and leads to
// the next section, "#END" returns to the map with the clock running; a game-over event leads
// back to the main menu.
#include <filesystem>

#include "OpenTutorial.h"
#include "frontend/FrontEndRoot.h"

using namespace sw;

namespace {

// A campaign of the test's own, first in the campaign index: the tutorial's world and dialogues
// with story files written here.
void OwnCampaign(const TFrontEndRoot& game, const std::string& triggers, const std::string& events) {
  namespace fs = std::filesystem;
  game.OwnData();
  const fs::path data = fs::path(game.Root) / "data";
  fs::remove(data / "campaigns.adf");
  TFrontEndRoot::WriteFile((data / "campaigns.adf").string(),
                           "[WALK]\nTITLE=Walk test\nFOLDER=walktest\\\n[TUTORIAL]\nTITLE=Starwake : Tutorial\n"
                           "FOLDER=tutorial\\\n");
  const fs::path own = data / "walktest";
  fs::create_directory(own);
  for (const auto& entry : fs::directory_iterator(fs::path(STARWAKE_TEST_ROOT) / "data" / "tutorial")) {
    const std::string name = entry.path().filename().string();
    if (name != "triggers.adf" && name != "events.adf") fs::create_symlink(entry.path(), own / name);
  }
  // The tutorial's portraits and event pictures serve the test's campaign too.
  const fs::path graphics = fs::path(game.Root) / "graphics";
  const fs::path built = fs::path(STARWAKE_TEST_ROOT) / "graphics";
  fs::remove(graphics);
  fs::create_directory(graphics);
  for (const auto& entry : fs::directory_iterator(built))
    if (entry.path().filename() != "campaigns") fs::create_symlink(entry.path(), graphics / entry.path().filename());
  fs::create_directory(graphics / "campaigns");
  fs::create_directory_symlink(built / "campaigns" / "tutorial", graphics / "campaigns" / "tutorial");
  fs::create_directory_symlink(built / "campaigns" / "tutorial", graphics / "campaigns" / "walktest");
  TFrontEndRoot::WriteFile((own / "triggers.adf").string(), triggers);
  TFrontEndRoot::WriteFile((own / "events.adf").string(), events);
}

std::string Click(int tick, int x, int y) {
  return std::to_string(tick) + " click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// The middle of a campaign button.
std::string ClickButton(int tick, const std::string& key) {
  if (key == "close_menu") return Click(tick, 320, 14);
  if (key == "hail_fleet_dse") return Click(tick, 334, 266);
  if (key == "speed3") return Click(tick, 763, 564);
  if (key == "move_fleet") return Click(tick, 726, 475);
  const int n = key.back() - '0';  // respond_1 .. respond_3
  return Click(tick, 300, 273 + 12 * (n - 1));
}

}  // namespace

TEST(StoryWalk, TheTutorialOpensOnItsFirstDaysEventAndCloseMenuReturnsToTheMap) {
  TFrontEndRoot game;
  const auto opening = game.Run(OpenTutorial, 40);
  ASSERT_FALSE(opening.contains("runner_failed"));
  EXPECT_EQ(opening["errors"], nlohmann::json::array());
  const auto& c = opening["campaign"];
  EXPECT_EQ(c["subscreen"], 13);
  EXPECT_EQ(c["speed"], 0) << "the event screen stops the clock";
  ASSERT_FALSE(c["event_text"].empty());
  EXPECT_FALSE(c["event_text"][0].get<std::string>().empty());
  const auto closed = game.Run(OpenTutorial + ClickButton(41, "close_menu"), 50);
  EXPECT_EQ(closed["campaign"]["subscreen"], 1);
  EXPECT_EQ(closed["game_state"], 0);
}

TEST(StoryWalk, AHostileFleetIsHailedAnsweredAndLeftWithEnd) {
  TFrontEndRoot game;
  OwnCampaign(game, "", "");
  // Fly to the star of the lone hostile fleet near home, at speed 10.
  const auto start = game.Run(OpenTutorial, 40);
  const auto& c0 = start["campaign"];
  ASSERT_TRUE(c0.is_object());
  std::string hostileStar;
  int sx = 0, sy = 0;
  for (const auto& l : c0["locations"]) {
    if (l["name"] == c0["player"]["system"] || l["fleets"].empty()) continue;
    for (const auto& f : c0["fleets"])
      if (f["name"] == l["fleets"][0] && c0["relations"].contains(f["race"]) &&
          c0["relations"][f["race"].get<std::string>()].get<int>() <= 30) {
        const int x = l["x"].get<int>() + c0["map_offset"][0].get<int>();
        const int y = l["y"].get<int>() + c0["map_offset"][1].get<int>();
        if (x > 20 && x < 620 && y > 20 && y < 580 && hostileStar.empty()) {
          hostileStar = l["name"];
          sx = x;
          sy = y;
        }
      }
  }
  ASSERT_FALSE(hostileStar.empty()) << "a hostile fleet waits at a star on the first screen";
  std::string script = OpenTutorial + ClickButton(41, "speed3") + ClickButton(44, "move_fleet") + Click(47, sx, sy);
  const auto met = game.Run(script, 400);
  const auto& c1 = met["campaign"];
  ASSERT_EQ(c1["subscreen"], 9) << "the encounter menu opens at " << hostileStar;
  EXPECT_EQ(c1["player"]["system"], hostileStar);
  EXPECT_EQ(c1["speed"], 0);
  const std::string partner = c1["selected"]["fleet"];
  EXPECT_NE(partner, c1["player"]["name"]);

  script += ClickButton(401, "hail_fleet_dse");
  const auto hailed = game.Run(script, 405);
  const auto& talk = hailed["campaign"]["talk"];
  ASSERT_TRUE(talk.is_object());
  EXPECT_EQ(hailed["campaign"]["subscreen"], 8);
  EXPECT_EQ(talk["mode"], 0);
  EXPECT_EQ(talk["section"].get<std::string>().rfind("HOSTILE_", 0), 0u) << talk["section"];
  EXPECT_GT(TimesPlayed(hailed, "static"), 0);
  ASSERT_FALSE(talk["answers"].empty());

  // Answers that lead to further sections are followed (the relation moving by each one's
  // change) until an answer ends the talk.
  int tick = 406;
  auto state = hailed;
  for (int round = 0; round < 6; ++round) {
    const nlohmann::json t = state["campaign"]["talk"];  // a copy: the state is replaced below
    ASSERT_TRUE(t.is_object());
    int end = -1, next = -1;
    for (size_t k = 0; k < t["answers"].size() && k < 3; ++k) {
      const std::string n = t["answers"][k]["next"];
      if (n == "#END" && end < 0) end = static_cast<int>(k);
      if (!n.empty() && n[0] != '#' && next < 0) next = static_cast<int>(k);
    }
    const std::string race = t["race"];
    const int before = state["campaign"]["relations"].value(race, 50);
    if (next >= 0 && round == 0) {
      const nlohmann::json a = t["answers"][next];
      script += ClickButton(tick, "respond_" + std::to_string(next + 1));
      state = game.Run(script, tick + 3);
      tick += 4;
      EXPECT_EQ(state["campaign"]["talk"]["section"], a["next"]);
      EXPECT_EQ(state["campaign"]["relations"].value(race, 50), std::clamp(before + a["delta"].get<int>(), 0, 100));
      continue;
    }
    ASSERT_GE(end, 0) << "every talk of the walk can be ended";
    script += ClickButton(tick, "respond_" + std::to_string(end + 1));
    state = game.Run(script, tick + 3);
    break;
  }
  EXPECT_TRUE(state["campaign"]["talk"].is_null());
  EXPECT_EQ(state["campaign"]["subscreen"], 1);
  EXPECT_EQ(state["campaign"]["speed"], 1) << "\"#END\" starts the clock again";
  EXPECT_EQ(state["errors"], nlohmann::json::array());
}

TEST(StoryWalk, AGameOverEventLeadsBackToTheMenu) {
  TFrontEndRoot game;
  OwnCampaign(game,
              "[DOOM_AT_DAWN]\nTRIGGER_EVENT=DOOM\nTRIGGER_TIME=14;03;2311;\n",
              "[DOOM]\nSHOW_EVENT_SCREEN=1\nTEXT_LINES=0\nTEXT1=The Vanguard is lost with all hands.\nGAME_OVER=1\n");
  const std::string script = OpenTutorial + ClickButton(41, "close_menu");
  const auto shown = game.Run(script, 40);
  EXPECT_EQ(shown["campaign"]["subscreen"], 13);
  EXPECT_TRUE(shown["campaign"]["game_over"].get<bool>());
  const auto left = game.Run(script, 60);
  EXPECT_EQ(left["game_state"], 2) << "closing the last event screen leads to the main menu";
  EXPECT_TRUE(IsPlaying(left, "MenuMusic"));
  EXPECT_FALSE(IsPlaying(left, "LoopMusic"));
}
