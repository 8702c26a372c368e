#include "campaign/screens/LocationScreens.h"

namespace sw {

void DrawSystemView(TGameMain& game, TSurface& surface) {}
void DrawPlanetList(TGameMain& game, TSurface& surface) {}
void DrawFleetList(TGameMain& game, TSurface& surface) {}
void DrawPlanetPanel(TGameMain& game, TSurface& surface) {}
void DrawLanding(TGameMain& game, TSurface& surface) {}
void DrawMining(TGameMain& game, TSurface& surface) {}
bool RoutePlaceKey(TGameMain& game, const std::string& key) { return false; }
bool PlaceHotkey(TGameMain& game, int key) { return false; }

}  // namespace sw
