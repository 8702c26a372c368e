#include "shell/fmMain.h"

namespace sw {

void TfmMain::FormKeyDown(int key, bool shift, bool ctrl, bool alt) {
  Guarded([&] {
    // Any key leaves the splash sequence for the menu.
    if (GameState == gsSplash) {
      SetGameState(gsMenu, false);
      return;
    }
  });
}

void TfmMain::SimulateKey(int key, bool shift, bool ctrl, bool alt) { FormKeyDown(key, shift, ctrl, alt); }

}  // namespace sw
