#pragma once
// The screens of the selected location: the system view (sub-screen 2), the planet list (3),
// the fleet list (4), the planet panel (5), and the landing and mining screens (14, 15) drawn
// over the panel; their buttons and the hotkeys S, P and A.
#include <string>

#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawSystemView(TGameMain& game, TSurface& surface);
void DrawPlanetList(TGameMain& game, TSurface& surface);
void DrawFleetList(TGameMain& game, TSurface& surface);
void DrawPlanetPanel(TGameMain& game, TSurface& surface);
void DrawLanding(TGameMain& game, TSurface& surface);
void DrawMining(TGameMain& game, TSurface& surface);

// A campaign button of the location screens ("system_map", "show_planets", "planet1".."planet9",
// "hail_plan", "land_plan", "mine_plan"). True when the key was one of them.
bool RoutePlaceKey(TGameMain& game, const std::string& key);

// A click on the system view: a planet's picture on its orbit, its number or its row in the list
// opens its planet panel. True when a planet was there.
bool SystemViewClick(TGameMain& game, int x, int y);

// The letter hotkeys S, P and A (the free-key rule already applied). True when used.
bool PlaceHotkey(TGameMain& game, int key);

}  // namespace sw
