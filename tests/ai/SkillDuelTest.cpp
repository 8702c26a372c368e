// The skills measured the way the roster is balanced: an Ace beats a Cadet flying the same
// class, from either side of the arena, in at least four battles out of five.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "GameRootCopy.h"

namespace {

// Runs four seeded duels of a class against itself at the skills and returns the summary.
nlohmann::json SkilledDuel(const TGameRootCopy& root, const std::string& cls, const std::string& skills) {
  const std::string json = root.Path + "skill-duel.json";
  const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + root.Path + " --duel " + cls + " " + cls +
                          " --rounds 4 --skill " + skills + " --state-json " + json + " > /dev/null 2>&1";
  const int rc = std::system(cmd.c_str());
  EXPECT_EQ(rc, 0) << cmd;
  std::ifstream in(json);
  return in ? nlohmann::json::parse(in, nullptr, false) : nlohmann::json();
}

TEST(SkillDuels, AnAceBeatsACadetOfTheSameClassFromEitherSide) {
  TGameRootCopy root;
  int aceWins = 0, battles = 0;
  for (const char* cls : {"ZHA_Zealot", "MER_Corsair"}) {
    const nlohmann::json aceFirst = SkilledDuel(root, cls, "2,0");
    const nlohmann::json aceSecond = SkilledDuel(root, cls, "0,2");
    ASSERT_TRUE(aceFirst.is_object() && aceSecond.is_object()) << cls;
    EXPECT_EQ(aceFirst["errors"], 0) << cls;
    aceWins += aceFirst["wins"].get<int>() + aceSecond["losses"].get<int>();
    battles += 8;
  }
  EXPECT_GE(aceWins * 5, battles * 4) << aceWins << " of " << battles << " battles won by the Ace";

  // A skill out of range is refused, not taken for something else.
  const int rc = std::system((std::string(STARWAKE_HEADLESS) + " --root " + root.Path +
                              " --duel ZHA_Zealot ZHA_Zealot --rounds 1 --skill 3,0 > /dev/null 2>&1")
                                 .c_str());
  EXPECT_NE(rc, 0);
}

}  // namespace
