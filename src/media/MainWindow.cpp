#include "media/MainWindow.h"

namespace sw {

TMainWindow* fmMain = nullptr;

}  // namespace sw
