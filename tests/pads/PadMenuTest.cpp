// A pad walks the front end through the game's own pad layer, as a player's pad would: the
// d-pad moves the highlight, A presses it, B goes back, and on the options the Controls
// screen opens by the same buttons.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>

#include "GameRootCopy.h"

namespace {

nlohmann::json ReadState(const std::string& path) {
  std::ifstream in(path);
  if (!in) {
    ADD_FAILURE() << "no summary at " << path;
    return nlohmann::json::object();
  }
  return nlohmann::json::parse(in);
}

}  // namespace

TEST(PadMenu, ThePadWalksTheMenuTheLoadListAndTheOptionsToTheControlsScreen) {
  TGameRootCopy root;
  const std::string& r = root.Path;
  // Each press is a button down and up; "N state" lines take a summary.
  std::ofstream(r + "menu.txt") << "2 key 32\n"  // past the splash
                                   "10 pad 1 plug\n"
                                   "20 pad 1 dpdown down\n21 pad 1 dpdown up\n"
                                   "25 state " + r + "s25.json\n"
                                   "30 pad 1 a down\n31 pad 1 a up\n"
                                   "60 state " + r + "s60.json\n"
                                   "70 pad 1 b down\n71 pad 1 b up\n"
                                   "100 state " + r + "s100.json\n"
                                   "110 pad 1 b down\n111 pad 1 b up\n"  // the menu's back is the options
                                   "140 pad 1 dpup down\n141 pad 1 dpup up\n"
                                   "145 state " + r + "s145.json\n"
                                   "150 pad 1 a down\n151 pad 1 a up\n"
                                   "180 state " + r + "s180.json\n";
  const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + r + " --script " + r +
                          "menu.txt --ticks 185 > " + r + "out.txt 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0);

  const auto s25 = ReadState(r + "s25.json");
  EXPECT_EQ(s25["game_state"], 2);
  EXPECT_EQ(s25["menu_focus"], "men_load") << "the d-pad moved the highlight from New Campaign";
  ASSERT_EQ(s25["controls"]["pads"].size(), 1u);
  EXPECT_EQ(ReadState(r + "s60.json")["game_state"], 7) << "A pressed Load Game";
  EXPECT_EQ(ReadState(r + "s100.json")["game_state"], 2) << "B cancelled the load list";
  const auto s145 = ReadState(r + "s145.json");
  EXPECT_EQ(s145["game_state"], 6) << "B on the menu opened the options";
  EXPECT_EQ(s145["menu_focus"], "controls") << "up from Back reaches Controls";
  const auto s180 = ReadState(r + "s180.json");
  EXPECT_EQ(s180["game_state"], 8) << "A opened the Controls screen";
  EXPECT_TRUE(s180["errors"].empty());
}
