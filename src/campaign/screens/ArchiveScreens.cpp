#include "campaign/screens/ArchiveScreens.h"

namespace sw {

void DrawDatabase(TGameMain& game, TSurface& surface) {}
void DrawLogs(TGameMain& game, TSurface& surface) {}
void DrawFindAStar(TGameMain& game, TSurface& surface) {}
bool RouteArchiveKey(TGameMain& game, const std::string& key) { return false; }
bool ArchiveKeyDown(TGameMain& game, int key, bool shift, bool ctrl, bool alt) { return false; }

}  // namespace sw
