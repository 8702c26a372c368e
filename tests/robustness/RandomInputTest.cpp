#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "GameRootCopy.h"

namespace {

// A script of random keys, held keys and clicks over every screen the clicks can reach.
std::string RandomScript(unsigned seed, int ticks) {
  std::mt19937 gen(seed);
  const int keys[] = {27, 13, 32, 37, 38, 39, 40, 49, 50, 51, 52, 65, 73, 79, 80, 57, 48, 121, 122, 123, 112, 72, 75};
  std::ostringstream s;
  for (int t = 2; t <= ticks; t += 1 + static_cast<int>(gen() % 6)) {
    switch (gen() % 5) {
      case 0:
        s << t << " key " << keys[gen() % std::size(keys)] << (gen() % 4 == 0 ? " ctrl" : "") << "\n";
        break;
      case 1:
        s << t << " down " << keys[gen() % std::size(keys)] << "\n";
        break;
      case 2:
        s << t << " up " << keys[gen() % std::size(keys)] << "\n";
        break;
      default:
        s << t << " click " << gen() % 800 << " " << gen() % 600 << (gen() % 8 == 0 ? " right" : "") << "\n";
        break;
    }
  }
  return s.str();
}

}  // namespace

// Thousands of frames of random input never crash or hang the game; any error it reports is a
// real message, and the settings it writes on the way out can be read back.
TEST(RandomInput, EveryScreenSurvivesThousandsOfRandomFrames) {
  for (unsigned seed : {1u, 2u}) {
    TGameRootCopy root;
    std::string script = root.Path + "random.txt";
    std::ofstream(script) << RandomScript(seed, 2500);
    std::string json = root.Path + "s.json";
    std::string cmd = std::string("timeout 600 ") + STARWAKE_HEADLESS + " --seed " + std::to_string(seed) +
                      " --root " + root.Path + " --script " + script + " --ticks 2500 --state-json " + json +
                      " > /dev/null 2>&1";
    int rc = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(rc)) << "seed " << seed;
    ASSERT_EQ(WEXITSTATUS(rc), 0) << "seed " << seed;
    std::ifstream in(json);
    auto j = nlohmann::json::parse(in);
    for (const auto& e : j["errors"]) EXPECT_FALSE(e.get<std::string>().empty());
    EXPECT_GE(j["game_state"].get<int>(), 0);
    EXPECT_LE(j["game_state"].get<int>(), 8);
  }
}
