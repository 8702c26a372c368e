#pragma once
// The star map: the map picture scrolled by the map offset, the fleets' routes, wormhole
// links, the location markers with their names and the races present, the selection, the
// player's fuel, RUs and crew; the three range overlays; the line of a move order.
#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

// The map itself; plays "fuellow" when the player's fuel falls below a fifth of the tanks.
void DrawStarMap(TGameMain& game, TSurface& surface, bool ghostMode);
// Circles of the intercept range around every patrol within sensor range.
void DrawInterceptRanges(TGameMain& game, TSurface& surface);
// The sensor and scan ranges around the player's fleet.
void DrawSensorRanges(TGameMain& game, TSurface& surface);
// The distance the player's fuel reaches.
void DrawFuelRange(TGameMain& game, TSurface& surface);
// While a destination is chosen: a bright line from the player's fleet to where the order would
// go, labelled with its distance and the fuel it costs; red when the fuel does not reach.
void DrawMoveLine(TGameMain& game, TSurface& surface, int mouseX, int mouseY);
// Drawn over every panel: the status line (fuel, RUs, crew), ghost mode, and the reason a click
// could not act; on the map also the current orders and a notice.
void DrawMapOverlays(TGameMain& game, TSurface& surface, bool ghostMode);

}  // namespace sw
