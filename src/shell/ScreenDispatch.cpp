#include "shell/fmMain.h"

namespace sw {

// Lets the live screen update and draw itself.
void TfmMain::DrawLiveScreen() {
  switch (GameState) {
    case gsSplash:
      if (Splash) Splash->DrawSplashFrame();
      break;
    case gsMenu:
      if (Splash) Splash->DrawMenu();
      break;
    case gsCredits:
      if (Splash) Splash->DrawCredits();
      break;
    case gsBattle:
      DrawBattleState();
      break;
    case gsDogfight:
      if (Dogfight) Dogfight->Draw();
      DrawNetPanel();
      break;
    case gsOptions:
      if (Options) Options->Draw();
      break;
    case gsSelector:
      if (Selector) Selector->Draw();
      break;
    case gsControls:
      if (Controls) Controls->Draw();
      break;
    case gsCampaign:
      DrawCampaignState();
      break;
    default:
      break;
  }
}

}  // namespace sw
