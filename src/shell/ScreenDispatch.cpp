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
    default:
      break;
  }
}

}  // namespace sw
