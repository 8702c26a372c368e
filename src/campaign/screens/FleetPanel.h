#pragma once
// The fleet panel: one fleet up close. Its race, commander, position and destination, its ship
// entries with count, structure and crew (or "?" beyond scan range), the selected class's
// picture and article, and the actions range and relation allow: hail, trade and attack for
// another fleet, logistics and the crew and structure adjustments for the player's own.
#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawFleetPanel(TGameMain& game, TSurface& surface);

// Which of the panel's buttons this frame offers, for the selected fleet.
void SetFleetPanelAvailability(TGameMain& game);

// True when the fleet's ships, counts, structure and crew may be shown: the player's own fleet,
// or another within scan range.
bool FleetVisible(const TGameMain& game, int fleetIndex);

// Opens the panel of a fleet with its first entry selected.
void OpenFleetPanel(TGameMain& game, int fleetIndex);

// "fleet1".."fleet9": the n-th fleet of the selected location, when the location lies within
// sensor range (its fleet list is shown only then). False when there is no such fleet.
bool OpenLocationFleet(TGameMain& game, int n);

// "your_fleet" and the hotkey I: the map centred on the player's location, which becomes the
// selected location, and the panel of the player's fleet.
void OpenOwnFleet(TGameMain& game);

// Moves the selected entry one down (+1) or up (-1) within the selected fleet.
void ScrollFleetShips(TGameMain& game, int step);
// A click on a row of the panel's ship list selects that entry; true when the click fell on
// a row that holds one.
bool PickFleetShipRow(TGameMain& game, int x, int y);

// A list's scroll offset following its selection one row per frame (rows visible): the row
// of the selection is selected + offset, kept within 0..rows - 1.
int FollowSelection(int offset, int selected, int rows);
// The entry of a list under the point (x, y), or -1: the list's lines start at top, 14 apart,
// between left and right; rows lines show, the first of them entry -offset of count entries.
int ListEntryAt(int x, int y, int left, int right, int top, int rows, int offset, int count);

}  // namespace sw
