#include "shell/fmMain.h"

namespace sw {

void TfmMain::DXDrawMouseDown(int button, int x, int y) {
  MouseMove(x, y);
  Guarded([&] {
    if (button != 1) return;  // only the left button acts
  });
}

}  // namespace sw
