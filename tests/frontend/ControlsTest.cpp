// The Controls screen: both pilots' keys and pad buttons changed by key and by pad, swapped
// rather than doubled, and written into config.ini without touching any other line.
#include <algorithm>
#include <filesystem>

#include "FrontEndRoot.h"
#include "media/ControlBindings.h"
#include "media/PadButtons.h"

using namespace sw;

namespace {

const std::string PlayersFile =
    "; my settings\n"
    "[MISC]\nGAME_SPEED=30\nSFX_VOLUME=0\nMUSIC_VOLUME=0\nGAMMA=0\nDRAW_POINTERS=1\nAI_SKILL1=2\nAI_SKILL2=2\n"
    "\n"
    "[PLAYER1]\n; arrows for me\nCON_TYPE=0\nTHRUST=38\nMY_NOTE=keep me\n"
    "[PLAYER2]\nLOCK=54\n";

// Every key bound to a ship control, both pilots together.
std::vector<int> AllKeys(const nlohmann::json& s) {
  std::vector<int> keys;
  for (const char* p : {"player1", "player2"})
    for (const auto& k : s["controls"][p]) keys.push_back(k.get<int>());
  return keys;
}

}  // namespace

// The whole walk by keyboard alone: Escape opens the options, Up and Enter the Controls screen,
// the arrows choose a command and Enter waits for its key. A key another command had is
// swapped; Escape while waiting only cancels; a key the game keeps is refused with its reason
// and does nothing else; a captured arrow does not also move the highlight.
TEST(ControlsScreen, KeysAreReboundSwappedAndWrittenLeavingEveryOtherLine) {
  TFrontEndRoot game;
  TFrontEndRoot::WriteFile(game.Root + "config.ini", PlayersFile);
  const std::string dir = game.Folder.Path + "/";
  const std::string script =
      "1 key 32\n"     // the splash gives way to the menu
      "12 key 27\n"    // options
      "24 key 38\n"    // Up from Back: Controls
      "25 key 13\n"    // Enter
      "37 key 40\n"    // Down to Turn right, Down to Thrust
      "38 key 40\n"
      "39 key 13\n"    // Thrust waits for its key
      "40 state " + dir + "waiting.json\n"
      "41 key 87\n"    // W
      "42 state " + dir + "thrust.json\n"
      "43 key 40\n"    // Down to Weapon 1, Right to pilot 2's Weapon 1
      "44 key 39\n"
      "45 key 13\n"
      "46 key 87\n"    // W again: pilot 1's Thrust gets pilot 2's old 9
      "47 state " + dir + "swapped.json\n"
      "48 key 37\n"    // back to pilot 1, up to Turn left
      "49 key 38\n"
      "50 key 38\n"
      "51 key 38\n"
      "52 key 13\n"
      "53 key 27\n"    // Escape: the wait is cancelled, the screen stays
      "54 state " + dir + "cancelled.json\n"
      "55 key 13\n"
      "56 key 120\n"   // F9: refused, and no screenshot either
      "57 state " + dir + "refused.json\n"
      "58 key 40\n"    // the Down arrow becomes Turn left, and moves nothing
      "59 state " + dir + "arrow.json\n"
      "60 key 27\n";   // back to the options
  auto end = game.Run(script, 75, "--shot 40:" + dir + "controls.bmp");
  auto read = [&](const std::string& name) { return nlohmann::json::parse(TFrontEndRoot::ReadFile(dir + name)); };
  EXPECT_EQ(end["errors"], nlohmann::json::array());

  const auto waiting = read("waiting.json");
  EXPECT_EQ(waiting["game_state"], gsControls);
  EXPECT_EQ(waiting["controls_screen"]["waiting"], "p1_2");
  EXPECT_NE(waiting["controls_screen"]["message"].get<std::string>().find("Pilot 1's Thrust"), std::string::npos);

  const auto thrust = read("thrust.json");
  EXPECT_EQ(thrust["controls"]["player1"][2], 87);
  EXPECT_EQ(thrust["controls_screen"]["waiting"], nullptr);

  const auto swapped = read("swapped.json");
  EXPECT_EQ(swapped["controls"]["player2"][3], 87);
  EXPECT_EQ(swapped["controls"]["player1"][2], '9') << "the key pilot 2's Weapon 1 gave up";
  EXPECT_EQ(swapped["controls_screen"]["swapped"], "p1_2");
  EXPECT_EQ(swapped["controls_screen"]["message"], "W was Pilot 1's Thrust, which now has 9");
  std::vector<int> keys = AllKeys(swapped);
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << "no key flies two commands";

  const auto cancelled = read("cancelled.json");
  EXPECT_EQ(cancelled["game_state"], gsControls) << "Escape cancelled the wait and left nothing";
  EXPECT_EQ(cancelled["controls_screen"]["waiting"], nullptr);
  EXPECT_EQ(cancelled["controls"]["player1"][0], 37);

  const auto refused = read("refused.json");
  EXPECT_EQ(refused["controls_screen"]["waiting"], "p1_0") << "a refused key leaves the command waiting";
  EXPECT_EQ(refused["controls_screen"]["message"], "F9 takes a screenshot everywhere: it cannot fly a ship");
  EXPECT_TRUE(std::filesystem::is_empty(game.Root + "screenshots")) << "F9 was captured, not acted on";

  const auto arrow = read("arrow.json");
  EXPECT_EQ(arrow["controls"]["player1"][0], 40);
  EXPECT_EQ(arrow["menu_focus"], "p1_0") << "the captured arrow did not move the highlight";

  EXPECT_EQ(end["game_state"], gsOptions);
  EXPECT_EQ(end["controls"]["player1"], nlohmann::json({40, 39, '9', '1', '2', 'A', '3', '4'}));
  EXPECT_EQ(end["controls"]["player2"], nlohmann::json({'I', 'P', 'O', 'W', '0', '8', '7', '6'}));
  EXPECT_EQ(TFrontEndRoot::ReadFile(game.Root + "config.ini"),
            "; my settings\n"
            "[MISC]\nGAME_SPEED=30\nSFX_VOLUME=0\nMUSIC_VOLUME=0\nGAMMA=0\nDRAW_POINTERS=1\nAI_SKILL1=2\nAI_SKILL2=2\nPAD_DEADZONE=50\nPAD_SENSITIVITY=100\nNET_ADDRESS=\nNET_PORT=4520\n"
            "\n"
            "[PLAYER1]\n; arrows for me\nCON_TYPE=0\nTHRUST=57\nMY_NOTE=keep me\nTURN_LEFT=40\n"
            "[PLAYER2]\nLOCK=54\nWEAPON1=87\n");

  // The next start flies with them.
  auto next = game.Run("", 2);
  EXPECT_EQ(next["controls"], end["controls"]);
}

class ControlsByPad : public FrontEndGame {
protected:
  void Pad(const char* name) { Main->MenuPadButtonDown(PadButtonFromName(name)); }
};

// A pad walks the menus with its d-pad, A presses and B goes back; on the Controls screen the
// button pressed next is the command's new pad button, swapped among the pilot's own. Leaving
// the screen writes the change at once; "Defaults" gives everything back.
TEST_F(ControlsByPad, PadButtonsAreReboundAndDefaultsRestoreThem) {
  Main->SetGameState(gsMenu, true);
  Main->DXTimerTimer();  // the menu is drawn, its first button highlighted
  Pad("dpdown");
  EXPECT_EQ(Main->Splash->Focus.Key, "men_load");
  Pad("dpup");
  Pad("dpup");
  EXPECT_EQ(Main->Splash->Focus.Key, "exit") << "up from the first button wraps to the last";
  Pad("dpup");
  EXPECT_EQ(Main->Splash->Focus.Key, "men_options");
  Pad("a");
  Settle();
  ASSERT_EQ(Main->GameState, gsOptions);
  Pad("dpup");
  EXPECT_EQ(Main->Options->Focus.Key, "controls");
  Pad("a");
  Settle();
  ASSERT_EQ(Main->GameState, gsControls);

  for (int i = 0; i < 3; ++i) Pad("dpdown");
  ASSERT_EQ(Main->Controls->Focus.Key, "p1_3");  // pilot 1's Weapon 1, on A
  Pad("a");
  ASSERT_TRUE(Main->Controls->Capturing());
  Pad("guide");
  EXPECT_TRUE(Main->Controls->Capturing()) << "the Guide button is refused and the command still waits";
  EXPECT_EQ(Main->Controls->Message, "The pad's Guide button belongs to the system: it cannot fly a ship");
  Pad("y");
  EXPECT_FALSE(Main->Controls->Capturing());
  EXPECT_EQ(Main->PadBindings[0][scWeapon1], PadButtonFromName("y"));
  EXPECT_EQ(Main->PadBindings[0][scAutopilot], PadButtonFromName("a")) << "the autopilot had Y and gets A";
  EXPECT_EQ(Main->PadBindings[1], DefaultPadBindings()) << "pilot 2's pad is his own";
  EXPECT_EQ(Main->Controls->Message, "Pad Y was Pilot 1's Autopilot, which now has A");

  // The pad's Back cancels a wait, then goes back to the options, which writes the change.
  Pad("a");
  Pad("back");
  EXPECT_FALSE(Main->Controls->Capturing());
  EXPECT_EQ(Main->GameState, gsControls);
  Pad("b");
  Settle();
  EXPECT_EQ(Main->GameState, gsOptions);
  const std::string config = Game.Root + "config.ini";
  AdfFlushCache();
  EXPECT_EQ(AdfReadString(config, "PLAYER1", "PAD_WEAPON1", ""), "y");
  EXPECT_EQ(AdfReadString(config, "PLAYER1", "PAD_AUTOPILOT", ""), "a");
  EXPECT_FALSE(AdfKeyExists(config, "PLAYER1", "PAD_THRUST")) << "only what changed is written";
  EXPECT_FALSE(AdfSectionExists(config, "PLAYER2"));

  // A key bound by the keyboard, then "Defaults" by mouse: both pilots as a new player has them.
  Main->FormKeyDown(vk::Return, false, false, false);  // the highlight is still on Controls
  Settle();
  ASSERT_EQ(Main->GameState, gsControls);
  Main->FormKeyDown(vk::Return, false, false, false);
  Main->FormKeyDown('Q', false, false, false);
  EXPECT_EQ(Main->DXInput->KeyAssignment(ButtonState(11), 0), 'Q');
  ClickButton(Main->Controls->Buttons, "defaults");
  EXPECT_EQ(ReadBindings(*Main->DXInput, Main->PadBindings), TControlBindings::Defaults());
  Main->FormKeyDown(vk::Escape, false, false, false);
  AdfFlushCache();
  EXPECT_EQ(AdfReadString(config, "PLAYER1", "PAD_WEAPON1", ""), "a") << "the defaults are written back";
  EXPECT_EQ(AdfReadString(config, "PLAYER1", "PAD_AUTOPILOT", ""), "y");
  EXPECT_FALSE(AdfKeyExists(config, "PLAYER1", "TURN_LEFT")) << "Q was never left in the file";
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}
