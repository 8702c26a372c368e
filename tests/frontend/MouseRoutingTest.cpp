// Mouse clicks on the menu, the credits and the selector: only the left button acts, only the
// live screen's buttons do anything, and each button leads where it should.
#include "FrontEndRoot.h"

using namespace sw;

namespace {

class MouseRouting : public FrontEndGame {
protected:
  void SetUp() override {
    FrontEndGame::SetUp();
    Main->SetGameState(gsMenu, true);
  }
  void ClickMenu(const std::string& key) { ClickButton(Main->Splash->Buttons, key); }
  int Clicks() { return static_cast<int>(std::count(Audio.Played().begin(), Audio.Played().end(), "click")); }
};


TEST_F(MouseRouting, OnlyTheLeftButtonActs) {
  const TButton& dog = Main->Splash->Buttons.Find("dog");
  for (int button : {2, 3}) Main->DXDrawMouseDown(button, dog.X + 10, dog.Y + 10);
  EXPECT_EQ(Clicks(), 0);
  EXPECT_EQ(Main->FadeOutStep, 5);
  EXPECT_EQ(Main->MouseX, dog.X + 10) << "the pointer still moves";
  Main->DXDrawMouseDown(1, 10, 10);  // no button there
  EXPECT_EQ(Clicks(), 0);
  Main->DXDrawMouseDown(1, dog.X + 10, dog.Y + 10);
  EXPECT_EQ(Clicks(), 1);
  EXPECT_EQ(Main->PendingState, gsDogfight);
}

TEST_F(MouseRouting, MenuButtonsLeadToTheirScreens) {
  const std::pair<const char*, uint8_t> targets[] = {{"dog", gsDogfight}, {"credits", gsCredits}};
  for (auto [key, state] : targets) {
    Main->SetGameState(gsMenu, true);
    ClickMenu(key);
    Settle();
    EXPECT_EQ(Main->GameState, state) << key;
  }
  Main->SetGameState(gsMenu, true);
  ClickMenu("men_options");
  Settle();
  EXPECT_EQ(Main->GameState, gsOptions);
  EXPECT_EQ(Main->OptionsReturnState, gsMenu);
  EXPECT_FALSE(Main->Options->Available("op10"));

  Main->SetGameState(gsMenu, true);
  ClickMenu("men_load");
  Settle();
  EXPECT_EQ(Main->GameState, gsSelector);
  EXPECT_EQ(Main->Selector->Mode, smLoad);
  EXPECT_TRUE(Main->LoadOpenedFromMenu);
  ClickButton(Main->Selector->Buttons, "canc_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu) << "a load opened from the menu goes back to it";

  ClickMenu("start");
  Settle();
  EXPECT_EQ(Main->Selector->Mode, smNewCampaign);
  ClickButton(Main->Selector->Buttons, "canc_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu);

  ClickMenu("exit");
  EXPECT_TRUE(Main->Terminated);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

TEST_F(MouseRouting, TheCreditsAnswerOnlyToBack) {
  Main->SetGameState(gsCredits, true);
  for (const char* key : {"dog", "exit", "start"}) ClickMenu(key);
  EXPECT_EQ(Clicks(), 3) << "each click is heard";
  EXPECT_FALSE(Main->Terminated);
  EXPECT_EQ(Main->FadeOutStep, 5) << "and nothing else happens";
  ClickMenu("back");
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu);
  // On the menu, the credits' back button does nothing.
  ClickMenu("back");
  EXPECT_EQ(Main->FadeOutStep, 5);
}

TEST_F(MouseRouting, TheAddOnListIsLeftThroughContinueOnly) {
  Main->SetGameState(gsDogfight, true);
  ClickButton(Main->Dogfight->Buttons, "mod_sel");
  Settle();
  ASSERT_EQ(Main->GameState, gsSelector);
  EXPECT_EQ(Main->Selector->Mode, smAddOns);
  ClickButton(Main->Selector->Buttons, "canc_but");
  EXPECT_EQ(Main->FadeOutStep, 5) << "cancel is not offered with the add-on list";
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsDogfight);
}

TEST_F(MouseRouting, ALoadOpenedFromTheOptionsGoesBackToThem) {
  // The options from the campaign offer loading; cancelling returns to the options.
  Main->Options->SetAvailability(gsCampaign, 1);
  Main->OptionsReturnState = gsCampaign;
  Main->SetGameState(gsOptions, true);
  Main->LoadOpenedFromMenu = true;
  ClickButton(Main->Options->Buttons, "op2");
  Settle();
  ASSERT_EQ(Main->GameState, gsSelector);
  EXPECT_FALSE(Main->LoadOpenedFromMenu);
  ClickButton(Main->Selector->Buttons, "canc_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsOptions);
  ClickButton(Main->Options->Buttons, "op3");
  Settle();
  EXPECT_EQ(Main->Selector->Mode, smSave);
  ClickButton(Main->Selector->Buttons, "canc_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsOptions);
}

}  // namespace
