// A saved game through the headless runner, clicks only after the first key: the tutorial runs
// for a day at speed 10, is saved from the options into the second slot, left for the main
// menu and loaded back with "Load Game" and continue, and with the runner's --load; the world
// is the one that was saved.
#include <algorithm>

#include "CampaignWorld.h"
#include "frontend/FrontEndRoot.h"

using namespace sw;

namespace {

const std::string SaveThenLoad =
    "1 key 32\n"
    "10 click 431 331\n"     // "start"
    "20 click 490 422\n"     // "cont_but": the tutorial is live from tick 26, on its opening event
    "41 click 320 14\n"      // "close_menu"
    "43 key 112 ctrl alt\n"  // ghost mode: no patrol stops the clock
    "45 click 763 564\n"     // speed 10
    "90 key 27\n"            // the options
    "110 click 414 312\n"    // "op3": the selector in save mode
    "132 click 400 405\n"    // "scroll_down" to the second slot
    "135 click 490 422\n"    // "cont_but": saved, back to the options (or the question first)
    "140 click 340 325\n"    // "Yes", when the second slot already held this save
    "160 click 414 501\n"    // "op10": the main menu
    "185 click 431 358\n"    // "men_load": the autosave made on leaving first, then the slots
    "210 click 400 405\n"    // "scroll_down"
    "214 click 400 405\n"    // "scroll_down"
    "218 click 490 422\n";   // "cont_but": the saved game is live again

}  // namespace

TEST(SaveWalk, TheTutorialSavedFromTheOptionsLoadsBackFromTheMenuAsTheSameWorld) {
  TFrontEndRoot game;
  const auto saved = game.Run(SaveThenLoad, 150);
  ASSERT_FALSE(saved.contains("runner_failed"));
  EXPECT_EQ(saved["errors"], nlohmann::json::array());
  EXPECT_EQ(saved["game_state"], 6) << "after saving the options are back";
  const std::string index = game.Root + "saves/saves.adf";
  EXPECT_EQ(AdfReadSections(index), std::vector<std::string>{"SAVE2"});
  EXPECT_EQ(AdfReadString(index, "SAVE2", "NAME", ""), "Starwake : Tutorial");
  const auto& before = saved["campaign"];
  EXPECT_EQ(before["star_date"]["day"], 15) << "a day went by before the save";

  const auto loaded = game.Run(SaveThenLoad, 230);
  EXPECT_EQ(loaded["errors"], nlohmann::json::array());
  EXPECT_EQ(loaded["game_state"], 0);
  const auto& after = loaded["campaign"];
  EXPECT_TRUE(after["live"].get<bool>());
  EXPECT_EQ(after["save_folder"], "save2\\");
  EXPECT_EQ(after["speed"], 1);
  EXPECT_EQ(after["selected"]["fleet"], after["player"]["name"]);
  const auto a = CampaignWorld(before), b = CampaignWorld(after);
  EXPECT_EQ(a, b) << nlohmann::json::diff(a, b).dump(1);
  // "Quit to Menu" autosaved the campaign it left, and the load list offers it first.
  EXPECT_NE(std::find(loaded["notices"].begin(), loaded["notices"].end(), "Autosaved"), loaded["notices"].end());
  ASSERT_EQ(loaded["saves"].size(), 2u) << loaded["saves"].dump();
  EXPECT_EQ(loaded["saves"][0]["slot"], "autosave");
  EXPECT_EQ(loaded["saves"][1]["slot"], 2);
  EXPECT_EQ(loaded["saves"][0]["star_date"], loaded["saves"][1]["star_date"]);
  EXPECT_EQ(loaded["saves"][0]["damaged"], false);

  // The runner's --load starts in the same slot the same way.
  const auto direct = game.Run("", 1, "--load 2");
  EXPECT_EQ(direct["errors"], nlohmann::json::array());
  EXPECT_TRUE(direct["campaign"]["live"].get<bool>());
  EXPECT_EQ(direct["campaign"]["save_folder"], "save2\\");
  const auto c = CampaignWorld(direct["campaign"]);
  EXPECT_EQ(a, c) << nlohmann::json::diff(a, c).dump(1);
}
