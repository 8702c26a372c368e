// The campaign through the headless runner with clicks only after the first key: "New
// Campaign" and continue open the tutorial on its map; the clock at speed 10, a move order
// and a click on a known star fly the fleet there step by step; Escape opens the options from
// the campaign and back. Also the screenshots of the map.
#include <cmath>
#include <filesystem>

#include "OpenTutorial.h"
#include "frontend/FrontEndRoot.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

double DistanceBetween(const nlohmann::json& a, const nlohmann::json& b) {
  return std::hypot(a["x"].get<double>() - b["x"].get<double>(), a["y"].get<double>() - b["y"].get<double>());
}

// A known star system the player's fuel reaches, with no fleet there, not hostile, whose
// marker shows on the map left of the side menu and is the first location under its point.
const nlohmann::json* FlightTarget(const nlohmann::json& c) {
  const auto& player = c["player"];
  const int ox = c["map_offset"][0], oy = c["map_offset"][1];
  const nlohmann::json* best = nullptr;
  for (const auto& l : c["locations"]) {
    if (l["type"] != 0 || !l["known"].get<bool>() || l["name"] == player["system"] || !l["fleets"].empty()) continue;
    const std::string owner = l["owner"];
    if (c["relations"].contains(owner) && c["relations"][owner].get<int>() <= 30) continue;
    const double d = DistanceBetween(l, player);
    const int sx = l["x"].get<int>() + ox, sy = l["y"].get<int>() + oy;
    if (d < 40 || d > player["fuel"].get<int>() - 2 || sx < 30 || sx > 620 || sy < 30 || sy > 570) continue;
    bool covered = false;  // an earlier location's marker over the same point would take the click
    for (const auto& other : c["locations"]) {
      if (&other == &l) break;
      covered = covered || (std::abs(other["x"].get<int>() - l["x"].get<int>()) < 14 &&
                            std::abs(other["y"].get<int>() - l["y"].get<int>()) < 14);
    }
    if (!covered && (!best || d > DistanceBetween(*best, player))) best = &l;
  }
  return best;
}

}  // namespace

TEST(CampaignWalk, NewCampaignOpensTheTutorialAndTheFleetFliesToAKnownStar) {
  TFrontEndRoot game;
  OwnTutorial(game, {"triggers.adf"});  // travel walked on its own, no event screen stopping the clock
  const std::string shots = game.Folder.Path + "/";
  const auto start = game.Run(OpenTutorial, 40, "--shot 40:" + shots + "map.bmp");
  ASSERT_FALSE(start.contains("runner_failed"));
  EXPECT_EQ(start["errors"], nlohmann::json::array());
  EXPECT_EQ(start["game_state"], 0);
  const auto& c = start["campaign"];
  ASSERT_TRUE(c.is_object());
  EXPECT_EQ(c["title"], "Starwake : Tutorial");
  EXPECT_TRUE(c["live"].get<bool>());
  EXPECT_EQ(c["subscreen"], 1);
  EXPECT_EQ(c["speed"], 1);
  const auto& player = c["player"];
  ASSERT_FALSE(player["system"].get<std::string>().empty()) << "the player's fleet starts at its home star";
  EXPECT_EQ(c["selected"]["location"], player["system"]);
  EXPECT_EQ(c["selected"]["fleet"], player["name"]);
  // The map is centred on home (as far as the map's edges allow).
  const int wantX = std::clamp(400 - player["x"].get<int>(), -954, 0);
  const int wantY = std::clamp(300 - player["y"].get<int>(), -600, 0);
  EXPECT_EQ(c["map_offset"], nlohmann::json::array({wantX, wantY}));
  EXPECT_TRUE(IsPlaying(start, "LoopMusic"));
  EXPECT_FALSE(IsPlaying(start, "MenuMusic"));
  for (const char* key : {"speed0", "speed2", "speed3", "move_fleet", "system_map"})
    EXPECT_NE(std::find(c["buttons"].begin(), c["buttons"].end(), key), c["buttons"].end()) << key;
  EXPECT_EQ(std::find(c["buttons"].begin(), c["buttons"].end(), "speed1"), c["buttons"].end())
      << "the button of the current speed is dimmed";

  // The map shows: the picture, the side menu and something bright where the home star is.
  const TBitmap map = LoadBitmapFile(shots + "map.bmp");
  ASSERT_EQ(map.Pixels.size(), 800u * 600u);
  const uint32_t home = map.Pixels[static_cast<size_t>((player["y"].get<int>() + wantY) * 800 + player["x"].get<int>() + wantX)];
  EXPECT_GT(((home >> 16) & 255) + ((home >> 8) & 255) + (home & 255), 150u) << "the home star is drawn";

  const nlohmann::json* target = FlightTarget(c);
  ASSERT_NE(target, nullptr) << "the tutorial has a known star within the first tank of fuel";
  const double distance = DistanceBetween(*target, player);
  const int sx = (*target)["x"].get<int>() + wantX, sy = (*target)["y"].get<int>() + wantY;
  const int speed = player["fleet_speed"];
  const int steps = static_cast<int>(std::ceil(distance / (3.0 * speed)));
  // Ghost mode keeps patrols away, so nothing stops the flight; then speed 10 (a world step
  // every 5 ticks), "move_fleet" and a click on the star.
  const std::string fly = OpenTutorial + "41 key 112 ctrl alt\n"
                                         "45 click 763 564\n"
                                         "48 click 726 475\n"
                                         "51 click " + std::to_string(sx) + " " + std::to_string(sy) + "\n";
  const int fuel0 = player["fuel"];
  const auto half = game.Run(fly, 52 + 5 * (steps / 2) + 1);
  const auto& h = half["campaign"]["player"];
  EXPECT_EQ(h["dsystem"], (*target)["name"]);
  EXPECT_EQ(h["system"], "") << "under way the fleet is in open space";
  EXPECT_LT(h["fuel"].get<int>(), fuel0);
  EXPECT_EQ(half["campaign"]["speed"], 10);

  const auto done = game.Run(fly, 52 + 5 * (steps + 1) + 2, "--shot 60:" + shots + "flight.bmp");
  EXPECT_EQ(done["errors"], nlohmann::json::array());
  const auto& p = done["campaign"]["player"];
  EXPECT_EQ(p["system"], (*target)["name"]);
  EXPECT_EQ(p["dsystem"], "");
  EXPECT_EQ(p["x"], (*target)["x"]);
  EXPECT_EQ(p["y"], (*target)["y"]);
  EXPECT_LT(p["fuel"].get<int>(), h["fuel"].get<int>());
  // Each step pays what it flies, rounded: the whole flight costs the distance, give or take
  // the rounding of each step.
  EXPECT_NEAR(fuel0 - p["fuel"].get<int>(), distance, steps * 0.5 + 0.5);
  EXPECT_EQ(done["campaign"]["speed"], 1) << "arriving sets the clock back to speed 1";
  EXPECT_EQ(done["campaign"]["selected"]["location"], (*target)["name"]);
}

TEST(CampaignWalk, EscapeOpensTheOptionsFromTheCampaignAndBack) {
  TFrontEndRoot game;
  const std::string script = OpenTutorial + "40 key 27\n"
                                            "60 click 414 258\n";  // "op1"
  const auto options = game.Run(script, 55);
  EXPECT_EQ(options["game_state"], 6);
  EXPECT_EQ(options["options_return_state"], 0);
  EXPECT_FALSE(IsPlaying(options, "LoopMusic"));
  const auto back = game.Run(script, 75);
  EXPECT_EQ(back["game_state"], 0);
  EXPECT_TRUE(IsPlaying(back, "LoopMusic"));
  EXPECT_EQ(back["errors"], nlohmann::json::array());
}
