// The balance tool over the whole dogfight roster: every ordered pair of classes fights four
// seeded computer-flown duels in one run of the runner.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "GameRootCopy.h"

namespace {

constexpr int Rounds = 4;
constexpr int TickLimit = 9000;

struct TMatrix {
  TGameRootCopy Root;
  nlohmann::json Json;
  std::string Output;
  int Code = -1;
  TMatrix() {
    const std::string json = Root.Path + "matrix.json";
    const std::string out = Root.Path + "matrix.txt";
    const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + Root.Path + " --matrix --rounds " +
                            std::to_string(Rounds) + " --state-json " + json + " > " + out + " 2>&1";
    const int rc = std::system(cmd.c_str());
    Code = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    std::ifstream in(json);
    if (in) Json = nlohmann::json::parse(in, nullptr, false);
    std::ifstream text(out);
    Output.assign(std::istreambuf_iterator<char>(text), {});
  }
};

const TMatrix& Matrix() {
  static const TMatrix m;  // the roster is fought once for every test here
  return m;
}

TEST(RosterMatrix, EveryOrderedPairFightsEveryRoundToAResultOrTheTickLimit) {
  const TMatrix& m = Matrix();
  ASSERT_EQ(m.Code, 0) << m.Output;
  ASSERT_TRUE(m.Json.is_object()) << m.Output;
  EXPECT_EQ(m.Json["errors"], 0) << "the battles raised errors:\n" << m.Output;
  const auto& classes = m.Json["classes"];
  const size_t n = classes.size();
  ASSERT_GE(n, 20u) << "the base roster and the add-on offer at least twenty classes";
  std::set<std::string> names;
  for (const auto& c : classes) names.insert(c["class"].get<std::string>());
  ASSERT_EQ(names.size(), n);

  std::set<std::pair<std::string, std::string>> fought;
  for (const auto& p : m.Json["pairs"]) {
    const std::string a = p["a"], b = p["b"];
    EXPECT_NE(a, b);
    EXPECT_TRUE(names.count(a) && names.count(b)) << a << " " << b;
    EXPECT_TRUE(fought.insert({a, b}).second) << "fought twice: " << a << " " << b;
    ASSERT_EQ(p["rounds"].size(), static_cast<size_t>(Rounds)) << a << " " << b;
    int wins = 0, losses = 0, draws = 0;
    std::set<uint64_t> seeds;
    for (const auto& r : p["rounds"]) {
      seeds.insert(r["seed"].get<uint64_t>());
      const int winner = r["winner"], ticks = r["ticks"];
      // A battle with a result ended within the limit; one without ran the whole of it.
      if (winner == 0) {
        EXPECT_EQ(ticks, TickLimit) << a << " " << b;
        ++draws;
      } else {
        EXPECT_TRUE(winner == 1 || winner == 2);
        EXPECT_LE(ticks, TickLimit) << a << " " << b;
        EXPECT_GT(ticks, 0);
        ++(winner == 1 ? wins : losses);
      }
    }
    EXPECT_EQ(seeds.size(), static_cast<size_t>(Rounds)) << "each round has a seed of its own";
    EXPECT_EQ(p["wins"], wins);
    EXPECT_EQ(p["losses"], losses);
    EXPECT_EQ(p["draws"], draws);
  }
  EXPECT_EQ(fought.size(), n * (n - 1)) << "every class against every other, in both orders";
  EXPECT_EQ(m.Json["battles"], static_cast<int>(n * (n - 1) * Rounds));
}

TEST(RosterMatrix, IsBalancedOnceEveryWeaponClassIsInTheGame) {
  const TMatrix& m = Matrix();
  ASSERT_TRUE(m.Json.is_object()) << m.Output;
  if (m.Json["unbuilt_slots"] != 0)
    GTEST_SKIP() << m.Json["unbuilt_slots"] << " weapon slots of the roster are still empty: balance waits for them";
  const int battles = m.Json["battles"], draws = m.Json["draws"];
  EXPECT_LT(draws * 20, battles) << "draws are under a twentieth of all battles\n" << m.Output;
  for (const auto& c : m.Json["classes"]) {
    EXPECT_LT(c["pairings_won"].get<int>(), c["pairings"].get<int>()) << c["class"] << " wins every pairing";
    EXPECT_LT(c["pairings_lost"].get<int>(), c["pairings"].get<int>()) << c["class"] << " loses every pairing";
    // Every ship is worth picking: it wins at least a quarter and at most three quarters of its battles.
    const int wins = c["wins"], fought = c["wins"].get<int>() + c["losses"].get<int>() + c["draws"].get<int>();
    EXPECT_GE(wins * 4, fought) << c["class"] << " wins under a quarter of its battles";
    EXPECT_LE(wins * 4, fought * 3) << c["class"] << " wins over three quarters of its battles";
  }
}

}  // namespace
