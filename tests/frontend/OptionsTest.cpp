// The options screen: which buttons it offers for the screen it was opened from, the values it
// shows, and what its buttons do when clicked.
#include "FrontEndRoot.h"

using namespace sw;

namespace {

class OptionsScreen : public FrontEndGame {
protected:
  TOptions& O() { return *Main->Options; }
  // Which of load, save, end battle and quit to menu are offered, in that order.
  std::vector<bool> Offered() {
    return {O().Available("op2"), O().Available("op3"), O().Available("op9"), O().Available("op10")};
  }
  // Opens the options with Escape from a state, as the player does, and waits for the fade.
  void OpenFrom(uint8_t state) {
    Main->SetGameState(state, true);
    Main->FormKeyDown(vk::Escape, false, false, false);
    Settle();
    ASSERT_EQ(Main->GameState, gsOptions);
  }
  void Click(const std::string& key) {
    ClickButton(O().Buttons, key);
  }
};

using V = std::vector<bool>;


TEST_F(OptionsScreen, OffersItsButtonsByTheScreenItWasOpenedFrom) {
  O().SetAvailability(gsMenu, 1);
  EXPECT_EQ(Offered(), V({false, false, false, false}));
  O().SetAvailability(gsCredits, 1);
  EXPECT_EQ(Offered(), V({false, false, false, false}));
  O().SetAvailability(gsDogfight, 1);
  EXPECT_EQ(Offered(), V({false, false, false, true}));
  O().SetAvailability(gsBattle, 1);
  EXPECT_EQ(Offered(), V({false, false, true, true}));
  O().SetAvailability(gsCampaign, 1);
  EXPECT_EQ(Offered(), V({true, true, false, true}));
  // No saving in conversations, encounters, combat set-up, events, landing or mining.
  for (int sub : {8, 9, 10, 13, 14, 15}) {
    O().SetAvailability(gsCampaign, sub);
    EXPECT_EQ(Offered(), V({true, false, false, true})) << sub;
  }
  for (int sub : {1, 2, 7, 11, 12, 16}) {
    O().SetAvailability(gsCampaign, sub);
    EXPECT_TRUE(O().Available("op3")) << sub;
  }
  // The other buttons are always offered.
  for (const char* key : {"op1", "op4", "op5", "op6", "op7", "op8", "op11", "ar4_l", "ar8_r"})
    EXPECT_TRUE(O().Available(key)) << key;
}

TEST_F(OptionsScreen, ShowsVolumesAsTenStepsAndBrightnessInThousands) {
  const std::pair<int, const char*> volumes[] = {{-4000, "0"}, {-3999, "0"}, {-3600, "1"}, {-2000, "5"}, {0, "10"}};
  for (auto [volume, shown] : volumes) EXPECT_EQ(TOptions::VolumeText(volume), shown) << volume;
  const std::pair<int, const char*> gammas[] = {{-1500, "-1"}, {2500, "2"}, {-999, "0"}, {0, "0"}, {5000, "5"}};
  for (auto [gamma, shown] : gammas) EXPECT_EQ(TOptions::GammaText(gamma), shown) << gamma;
}

TEST_F(OptionsScreen, ArrowsChangeTheSettingsThroughTheirKeys) {
  OpenFrom(gsDogfight);
  Click("ar4_r");
  Click("ar4_r");  // no flash on this screen: a quick second click counts
  EXPECT_EQ(Main->GammaOffset, 2000);
  Click("ar4_l");
  EXPECT_EQ(Main->GammaOffset, 1000);
  Click("op4");
  EXPECT_EQ(Main->GammaOffset, 0);
  Click("ar5_l");
  Click("ar5_l");
  EXPECT_EQ(Main->SfxVolume, -800);
  Click("ar5_r");
  EXPECT_EQ(Main->SfxVolume, -400);
  Click("op5");
  EXPECT_EQ(Main->SfxVolume, 0);
  Click("ar6_l");
  EXPECT_EQ(Main->MusicVolume, -400);
  Click("op6");
  EXPECT_EQ(Main->MusicVolume, 0);
  Click("ar7_r");
  EXPECT_EQ(Main->DXTimer.Interval, 31);
  Click("op7");
  EXPECT_EQ(Main->DXTimer.Interval, 30);
  Main->DXTimer.Interval = 0;
  Click("ar7_l");
  EXPECT_EQ(Main->DXTimer.Interval, 0) << "the interval does not go below 0";
  const bool pointers = Main->DrawPointers;
  Click("op8");
  EXPECT_EQ(Main->DrawPointers, !pointers);
  Click("ar8_l");
  Click("ar8_r");
  EXPECT_EQ(Main->DrawPointers, !pointers);
  EXPECT_EQ(Main->GameState, gsOptions);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

TEST_F(OptionsScreen, QuitToMenuFromTheSetUpBringsTheMenuTheme) {
  OpenFrom(gsDogfight);
  Click("op10");
  Settle();
  EXPECT_EQ(Main->GameState, gsMenu);
  EXPECT_EQ(Audio.Played().back(), "MenuMusic");
}

}  // namespace
