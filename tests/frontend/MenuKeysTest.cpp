// Menus by keyboard: the arrows move a highlight over the front end's buttons, Enter presses
// the highlighted one as a click would, Escape goes back, and a held arrow moves once.
#include <set>

#include "FrontEndRoot.h"

using namespace sw;

class MenuKeys : public FrontEndGame {
protected:
  void Key(int key) { Main->FormKeyDown(key, false, false, false); }
  // Every key the arrows can bring the highlight to, walking from `start` on the live screen.
  std::set<std::string> Reachable(TMenuFocus& focus, const std::string& start) {
    std::set<std::string> seen{start};
    std::vector<std::string> open{start};
    while (!open.empty()) {
      const std::string from = open.back();
      open.pop_back();
      for (int arrow : {vk::Up, vk::Down, vk::Left, vk::Right}) {
        focus.Key = from;
        Key(arrow);
        if (seen.insert(focus.Key).second) open.push_back(focus.Key);
      }
    }
    return seen;
  }
  static std::set<std::string> Keys(const TFocusTargets& targets) {
    std::set<std::string> keys;
    for (const auto& t : targets) keys.insert(t.Key);
    return keys;
  }
};

TEST_F(MenuKeys, ArrowsReachEveryButtonOfTheMenuAndTheOptionsAndEnterPressesIt) {
  Main->SetGameState(gsMenu, true);
  Main->DXTimerTimer();
  // Down alone walks the whole menu in order, and wraps.
  std::vector<std::string> walked{Main->Splash->Focus.Key};
  for (int i = 0; i < 6; ++i) {
    Key(vk::Down);
    walked.push_back(Main->Splash->Focus.Key);
  }
  EXPECT_EQ(walked, (std::vector<std::string>{"start", "men_load", "dog", "credits", "men_options", "exit", "start"}));
  // A held arrow repeats its key-down; the highlight moves once per press.
  Main->FormKeyRepeat(vk::Down, false, false, false);
  Main->FormKeyRepeat(vk::Down, false, false, false);
  EXPECT_EQ(Main->Splash->Focus.Key, "start");

  // The options, opened from each screen: every button offered is reached, none that is dimmed.
  std::set<std::string> everyButton;
  for (int i = 0; i < Main->Options->Buttons.Count(); ++i) everyButton.insert(Main->Options->Buttons.KeyAt(i));
  std::set<std::string> reachedSomewhere;
  for (uint8_t from : {gsMenu, gsDogfight, gsBattle, gsCampaign}) {
    Main->Options->SetAvailability(from, 1);
    Main->SetGameState(gsOptions, true);
    const std::set<std::string> reached = Reachable(Main->Options->Focus, "op1");
    std::set<std::string> offered;
    for (const std::string& k : everyButton)
      if (Main->Options->Available(k)) offered.insert(k);
    EXPECT_EQ(reached, offered) << "opened from state " << int(from);
    reachedSomewhere.insert(reached.begin(), reached.end());
  }
  EXPECT_EQ(reachedSomewhere, everyButton);
  EXPECT_EQ(everyButton.size(), 28u) << "eleven settings, five arrow pairs, Controls and the pad's two rows";

  // Enter on the highlighted arrow turns the sound down, as its click does.
  Main->Options->Focus.Key = "op5";
  Key(vk::Right);
  EXPECT_EQ(Main->Options->Focus.Key, "ar5_l");
  Key(vk::Return);
  EXPECT_EQ(Main->SfxVolume, -400);
  EXPECT_EQ(Audio.Played().back(), "click");

  // The dogfight set-up: every button, "Network" and "Replays"; Enter on "Back" goes to the menu.
  Main->SetGameState(gsDogfight, true);
  const std::set<std::string> dogfight = Reachable(Main->Dogfight->Focus, "Start");
  EXPECT_EQ(dogfight, Keys(Main->Dogfight->FocusTargets()));
  EXPECT_EQ(dogfight.size(), 29u);
  // Enter on "Network" opens its panel; Escape closes the panel, not the set-up.
  Main->Dogfight->Focus.Key = "Network";
  Key(vk::Return);
  EXPECT_TRUE(Main->NetPanel.Open);
  Key(vk::Escape);
  EXPECT_FALSE(Main->NetPanel.Open);
  EXPECT_EQ(Main->GameState, gsDogfight);
  Main->Dogfight->Focus.Key = "Back";
  Key(vk::Return);
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu);

  // The load list from the menu: Up and Down go through the list, Escape is cancel.
  Main->Splash->Focus.Key = "men_load";
  Key(vk::Return);
  Settle();
  ASSERT_EQ(Main->GameState, gsSelector);
  Key(vk::Return);  // an empty slot: Continue is dimmed, and Enter neither loads nor cancels
  Settle();
  EXPECT_EQ(Main->GameState, gsSelector);
  Key(vk::Down);
  Key(vk::Down);
  EXPECT_EQ(Main->Selector->Selected, 2);
  Key(vk::Up);
  EXPECT_EQ(Main->Selector->Selected, 1);
  Key(vk::Escape);
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

// The highlight is drawn where it is, on every front-end screen.
TEST_F(MenuKeys, TheHighlightIsDrawnAroundTheHighlightedButton) {
  auto frame = [&](const TRect& r) {
    Main->DXTimerTimer();
    // The bright line just outside the button's left edge, half way down.
    return Main->DXDraw->Frame()[static_cast<size_t>((r.Top + r.Bottom) / 2) * 800 + r.Left - 2];
  };
  Main->SetGameState(gsMenu, true);
  const TRect exit = Main->Splash->Buttons.Find("exit").Rect();
  const uint32_t before = frame(exit);
  Main->Splash->Focus.Key = "exit";
  const uint32_t lit = frame(exit);
  EXPECT_NE(lit, before);
  EXPECT_GT(lit >> 16 & 0xFF, 230u) << "amber: full red";
  EXPECT_GT(lit >> 8 & 0xFF, 170u) << "amber: much green";
  EXPECT_LT(lit & 0xFF, 80u) << "amber: little blue";
}
