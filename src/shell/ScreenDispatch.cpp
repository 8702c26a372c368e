#include "shell/fmMain.h"

namespace sw {

// Lets the live screen update and draw itself.
void TfmMain::DrawLiveScreen() {
  switch (GameState) {
    default:
      break;
  }
}

}  // namespace sw
