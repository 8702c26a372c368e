// The places of the tutorial through the headless runner: S, P and A show the system view and
// the planet and fleet lists of home, "planet1" its first planet's panel, where "hail_plan" opens
// a talk with the planet; the fleet flies to Tollan, where the story hides the courier's data
// core on Tollan Cinder; a landing party brings the core back (its trigger fires), and a mining
// run brings Tollan Ice's RUs up to the last.
#include "Walker.h"

using namespace sw;

namespace {

const nlohmann::json* Named(const nlohmann::json& list, const std::string& name) { return TWalker::Named(list, name); }

// The planets of a location, and the 1-based place of one of them.
int PlanetNumber(const nlohmann::json& c, const std::string& location, const std::string& planet) {
  const nlohmann::json* loc = Named(c["locations"], location);
  if (!loc) return 0;
  for (size_t k = 0; k < (*loc)["planets"].size(); ++k)
    if ((*loc)["planets"][k]["name"] == planet) return static_cast<int>(k) + 1;
  return 0;
}

}  // namespace

TEST(PlacesWalk, HomesScreensThenALandingFindsTheCoreAndAMiningRunEmptiesAPlanet) {
  TFrontEndRoot game;
  TWalker w(game);
  w.NewCampaign();
  w.Button("close_menu");
  w.Key('S');
  const auto& c0 = w.C();
  ASSERT_TRUE(c0.is_object());
  EXPECT_EQ(w.Sub(), csSystem);
  const std::string home = c0["player"]["system"];
  EXPECT_EQ(c0["selected"]["location"], home);
  w.Key('P');
  EXPECT_EQ(w.Sub(), csPlanets);
  w.Key('A');
  EXPECT_EQ(w.Sub(), csFleets);
  // The fleet list lies over the side menu's planet buttons: they take no click until it closes,
  // and the summary does not offer them.
  EXPECT_FALSE(w.Lit("planet1"));
  w.Click(726, 105);  // where the first planet button lies
  EXPECT_EQ(w.Sub(), csFleets);
  w.Button("close_menu");
  w.Button("planet1");
  EXPECT_EQ(w.Sub(), csPlanetPanel);
  const nlohmann::json first = (*Named(w.C()["locations"], home))["planets"][0];
  EXPECT_EQ(w.C()["selected"]["planet"], first["name"]);
  const auto& offered = w.C()["buttons"];
  for (const char* key : {"land_plan", "mine_plan", "hail_plan"})
    EXPECT_NE(std::find(offered.begin(), offered.end(), key), offered.end()) << key << " on a peopled home world";
  EXPECT_EQ(w.S()["errors"], nlohmann::json::array());
  // Hailing the home world opens a planet talk there.
  w.Button("hail_plan");
  ASSERT_EQ(w.Sub(), csCommunication);
  EXPECT_EQ(w.C()["talk"]["mode"], 1);
  w.Answer();
  ASSERT_EQ(w.Sub(), csMap);

  // To Tollan at speed 10, patrols kept off (ghost mode): arriving there plants the survey
  // beacon, and its event hides the courier's core on Tollan Cinder.
  w.Key(112, "ctrl alt");
  ASSERT_TRUE(w.FlyTo("Tollan", [&] {
    const nlohmann::json* t = Named(w.C()["locations"], "Tollan");
    const int cinder = PlanetNumber(w.C(), "Tollan", "Tollan Cinder");
    return w.Player()["system"] == "Tollan" && w.Sub() == csMap && cinder > 0 &&
           (*t)["planets"][cinder - 1]["artifact"] == "Courier Core";
  }));
  EXPECT_EQ(w.C()["selected"]["location"], "Tollan");

  // The landing: Tollan Cinder's panel, the clock running, "land_plan".
  const int crew = w.C()["player"]["crew"];
  w.Button("planet" + std::to_string(PlanetNumber(w.C(), "Tollan", "Tollan Cinder")));
  ASSERT_EQ(w.C()["selected"]["planet"], "Tollan Cinder");
  w.Button("speed3", 1);
  w.Button("land_plan", 12);
  EXPECT_EQ(w.Sub(), csLanding);
  const auto& e = w.C()["expedition"];
  EXPECT_EQ(e["found_artifact"], "Courier Core");
  EXPECT_EQ(e["party_size"], 5);
  EXPECT_GT(e["time"].get<int>(), 100) << "at speed 10 the party is well on its way";
  EXPECT_LT(e["time"].get<int>(), 220);
  for (int i = 0; i < 3 && w.Sub() == csLanding; ++i) w.Run(15);
  EXPECT_EQ(w.Sub(), csEvent) << "the core's trigger shows its event";
  const auto& p = w.C()["player"];
  EXPECT_EQ(std::count(p["devices"].begin(), p["devices"].end(), "Courier Core"), 1);
  EXPECT_EQ(w.C()["player"]["crew"], crew - w.C()["expedition"]["casualties"].get<int>());
  EXPECT_EQ((*Named(w.C()["triggers"], "CORE_FOUND"))["exec_times"], 0);
  EXPECT_EQ((*Named(w.C()["locations"], "Tollan"))["planets"][PlanetNumber(w.C(), "Tollan", "Tollan Cinder") - 1]["artifact"], "");
  w.Answer();

  // The mining run on Tollan Ice, to its end.
  const int ice = PlanetNumber(w.C(), "Tollan", "Tollan Ice");
  const int resources = (*Named(w.C()["locations"], "Tollan"))["planets"][ice - 1]["resources"];
  ASSERT_GT(resources, 0);
  w.Button("planet" + std::to_string(ice));
  w.Button("speed3", 1);
  const int ru = w.C()["player"]["ru"];
  w.Button("mine_plan", 60);
  EXPECT_EQ(w.Sub(), csMining);
  EXPECT_EQ(w.C()["expedition"]["stage_interval"], 5 * (resources / 10));
  EXPECT_GT(w.C()["expedition"]["portions_mined"].get<int>(), 0);
  EXPECT_LT(w.C()["expedition"]["portions_mined"].get<int>(), 10);
  for (int i = 0; i < 5 && w.Sub() == csMining; ++i) w.Run(40);
  EXPECT_EQ(w.Sub(), csPlanetPanel);
  const auto& done = w.C();
  EXPECT_EQ((*Named(done["locations"], "Tollan"))["planets"][ice - 1]["resources"], 0);
  EXPECT_EQ(done["expedition"]["mined"], resources);
  int sum = 0;
  for (const auto& portion : done["expedition"]["portions"]) sum += portion.get<int>();
  EXPECT_EQ(sum, resources);
  EXPECT_EQ(done["player"]["ru"], ru + resources);
  EXPECT_EQ(w.S()["errors"], nlohmann::json::array());
}
