// The places of the tutorial through the headless runner: S, P and A show the system view and
// the planet and fleet lists of home, "planet1" its first planet's panel, where "hail_plan" opens
// a talk with the planet; the fleet flies to Tollan, where the story hides the courier's data
// core on Tollan Cinder; a landing party brings the core back (its trigger fires), and a mining
// run brings Tollan Ice's RUs up to the last.
#include "OpenTutorial.h"
#include "frontend/FrontEndRoot.h"

using namespace sw;

namespace {

std::string Click(int tick, int x, int y) {
  return std::to_string(tick) + " click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

// The middle of a campaign button.
std::string ClickButton(int tick, const std::string& key) {
  if (key == "close_menu") return Click(tick, 320, 14);
  if (key == "speed3") return Click(tick, 763, 564);
  if (key == "move_fleet") return Click(tick, 726, 475);
  if (key == "land_plan") return Click(tick, 531, 77);
  if (key == "mine_plan") return Click(tick, 531, 91);
  if (key == "hail_plan") return Click(tick, 531, 105);
  if (key.rfind("respond_", 0) == 0) return Click(tick, 300, 273 + 12 * (key.back() - '1'));
  const int n = key.back() - '0';  // planet1 .. planet9
  return Click(tick, 726, 105 + 12 * (n - 1));
}

const nlohmann::json* Named(const nlohmann::json& list, const std::string& name) {
  for (const auto& e : list)
    if (e["name"] == name) return &e;
  return nullptr;
}

// The planets of a location, and the 1-based place of one of them.
int PlanetNumber(const nlohmann::json& c, const std::string& location, const std::string& planet) {
  const nlohmann::json* loc = Named(c["locations"], location);
  if (!loc) return 0;
  for (size_t k = 0; k < (*loc)["planets"].size(); ++k)
    if ((*loc)["planets"][k]["name"] == planet) return static_cast<int>(k) + 1;
  return 0;
}

// The walk so far: its script, the next free tick and the last state seen.
struct TWalk {
  const TFrontEndRoot& Game;
  std::string Script;
  int Tick;
  nlohmann::json State;

  const nlohmann::json& Campaign() const { return State["campaign"]; }
  int SubScreen() const { return Campaign()["subscreen"]; }
  // Adds a step at the next tick and runs a few ticks past it.
  void Do(const std::string& line, int settle = 3, const std::string& shots = "") {
    Script += line;
    Tick += settle;
    State = Game.Run(Script, Tick, shots);
    ++Tick;
  }
  void Button(const std::string& key, int settle = 3) { Do(ClickButton(Tick, key), settle); }
  void Key(char key) { Do(std::to_string(Tick) + " key " + std::to_string(static_cast<int>(key)) + "\n"); }
  // The story's screens that hold the keys are answered: an event screen is closed, a talk ended
  // (or led on until it can be).
  void AnswerTheStory() {
    for (int round = 0; round < 8 && (SubScreen() == csEvent || SubScreen() == csCommunication); ++round) {
      if (SubScreen() == csEvent) {
        Button("close_menu");
        continue;
      }
      const nlohmann::json answers = Campaign()["talk"]["answers"];
      int pick = 0;
      for (size_t k = 0; k < answers.size() && k < 3; ++k)
        if (answers[k]["next"] == "#END") pick = static_cast<int>(k);
      Button("respond_" + std::to_string(pick + 1));
    }
  }
  // Runs on in steps, answering the story, until the condition holds or the ticks run out.
  template <typename Done>
  bool RunUntil(Done done, int limit, int stride = 10) {
    for (int guard = 0; guard < 200 && Tick < limit; ++guard) {
      if (done()) return true;
      AnswerTheStory();
      if (done()) return true;
      Tick += stride;
      State = Game.Run(Script, Tick);
    }
    return done();
  }
};

}  // namespace

TEST(PlacesWalk, HomesScreensThenALandingFindsTheCoreAndAMiningRunEmptiesAPlanet) {
  TFrontEndRoot game;
  TWalk w{game, OpenTutorial + ClickButton(41, "close_menu"), 42, {}};
  w.Key('S');
  const auto& c0 = w.Campaign();
  ASSERT_TRUE(c0.is_object());
  EXPECT_EQ(w.SubScreen(), csSystem);
  const std::string home = c0["player"]["system"];
  EXPECT_EQ(c0["selected"]["location"], home);
  w.Key('P');
  EXPECT_EQ(w.SubScreen(), csPlanets);
  w.Key('A');
  EXPECT_EQ(w.SubScreen(), csFleets);
  w.Button("planet1");
  EXPECT_EQ(w.SubScreen(), csPlanetPanel);
  const nlohmann::json first = (*Named(w.Campaign()["locations"], home))["planets"][0];
  EXPECT_EQ(w.Campaign()["selected"]["planet"], first["name"]);
  const auto& offered = w.Campaign()["buttons"];
  for (const char* key : {"land_plan", "mine_plan", "hail_plan"})
    EXPECT_NE(std::find(offered.begin(), offered.end(), key), offered.end()) << key << " on a peopled home world";
  EXPECT_EQ(w.State["errors"], nlohmann::json::array());
  // Hailing the home world opens a planet talk there.
  w.Button("hail_plan");
  ASSERT_EQ(w.SubScreen(), csCommunication);
  EXPECT_EQ(w.Campaign()["talk"]["mode"], 1);
  w.AnswerTheStory();
  ASSERT_EQ(w.SubScreen(), csMap);

  // To Tollan at speed 10, patrols kept off (ghost mode): arriving there plants the survey
  // beacon, and its event hides the courier's core on Tollan Cinder.
  const nlohmann::json* tollan = Named(w.Campaign()["locations"], "Tollan");
  ASSERT_NE(tollan, nullptr);
  const int tx = (*tollan)["x"].get<int>() + w.Campaign()["map_offset"][0].get<int>();
  const int ty = (*tollan)["y"].get<int>() + w.Campaign()["map_offset"][1].get<int>();
  w.Do(std::to_string(w.Tick) + " key 112 ctrl alt\n", 1);
  w.Button("speed3", 1);
  w.Button("move_fleet", 1);
  w.Do(Click(w.Tick, tx, ty));
  ASSERT_TRUE(w.RunUntil(
      [&] {
        const nlohmann::json* t = Named(w.Campaign()["locations"], "Tollan");
        const int cinder = PlanetNumber(w.Campaign(), "Tollan", "Tollan Cinder");
        return w.Campaign()["player"]["system"] == "Tollan" && w.SubScreen() == csMap && cinder > 0 &&
               (*t)["planets"][cinder - 1]["artifact"] == "Courier Core";
      },
      1000, 50))
      << "at " << w.Campaign()["player"]["system"] << " on sub-screen " << w.SubScreen();
  EXPECT_EQ(w.Campaign()["selected"]["location"], "Tollan");

  // The landing: Tollan Cinder's panel, the clock running, "land_plan".
  const int crew = w.Campaign()["player"]["crew"];
  w.Button("planet" + std::to_string(PlanetNumber(w.Campaign(), "Tollan", "Tollan Cinder")));
  ASSERT_EQ(w.Campaign()["selected"]["planet"], "Tollan Cinder");
  w.Button("speed3", 1);
  w.Button("land_plan", 12);
  EXPECT_EQ(w.SubScreen(), csLanding);
  const auto& e = w.Campaign()["expedition"];
  EXPECT_EQ(e["found_artifact"], "Courier Core");
  EXPECT_EQ(e["party_size"], 5);
  EXPECT_GT(e["time"].get<int>(), 100) << "at speed 10 the party is well on its way";
  EXPECT_LT(e["time"].get<int>(), 220);
  ASSERT_TRUE(w.RunUntil([&] { return w.SubScreen() != csLanding; }, w.Tick + 40, 15));
  EXPECT_EQ(w.SubScreen(), csEvent) << "the core's trigger shows its event";
  const auto& p = w.Campaign()["player"];
  EXPECT_EQ(std::count(p["devices"].begin(), p["devices"].end(), "Courier Core"), 1);
  EXPECT_EQ(w.Campaign()["player"]["crew"], crew - w.Campaign()["expedition"]["casualties"].get<int>());
  EXPECT_EQ((*Named(w.Campaign()["triggers"], "CORE_FOUND"))["exec_times"], 0);
  EXPECT_EQ((*Named(w.Campaign()["locations"], "Tollan"))["planets"][PlanetNumber(w.Campaign(), "Tollan", "Tollan Cinder") - 1]["artifact"], "");
  w.AnswerTheStory();

  // The mining run on Tollan Ice, to its end.
  const int ice = PlanetNumber(w.Campaign(), "Tollan", "Tollan Ice");
  const int resources = (*Named(w.Campaign()["locations"], "Tollan"))["planets"][ice - 1]["resources"];
  ASSERT_GT(resources, 0);
  w.Button("planet" + std::to_string(ice));
  w.Button("speed3", 1);
  const int ru = w.Campaign()["player"]["ru"];
  w.Button("mine_plan", 60);
  EXPECT_EQ(w.SubScreen(), csMining);
  EXPECT_EQ(w.Campaign()["expedition"]["stage_interval"], 5 * (resources / 10));
  EXPECT_GT(w.Campaign()["expedition"]["portions_mined"].get<int>(), 0);
  EXPECT_LT(w.Campaign()["expedition"]["portions_mined"].get<int>(), 10);
  ASSERT_TRUE(w.RunUntil([&] { return w.SubScreen() != csMining; }, w.Tick + 200, 40));
  EXPECT_EQ(w.SubScreen(), csPlanetPanel);
  const auto& done = w.Campaign();
  EXPECT_EQ((*Named(done["locations"], "Tollan"))["planets"][ice - 1]["resources"], 0);
  EXPECT_EQ(done["expedition"]["mined"], resources);
  int sum = 0;
  for (const auto& portion : done["expedition"]["portions"]) sum += portion.get<int>();
  EXPECT_EQ(sum, resources);
  EXPECT_EQ(done["player"]["ru"], ru + resources);
  EXPECT_EQ(w.State["errors"], nlohmann::json::array());
}
