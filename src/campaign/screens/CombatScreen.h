#pragma once
// The combat set-up screen: the player's ship list, the six battle slots with the pictures of
// the ships in them, the enemy's race, and what the coming battle will be like (planet,
// asteroids, forces ratio, enemy forces, location). While it is shown the enemy's slots follow
// the forces ratio on every frame.
#include <string>

#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawCombatScreen(TGameMain& game, TSurface& surface);

// Run on every campaign frame: ships sit in the battle slots only while the combat set-up is
// shown (or its battle is fought). When something else took the screen meanwhile (an event, a
// talk, the end of the game), every slotted ship goes back to its entry.
void KeepSlotsWithCombatScreen(TGameMain& game);

// Which slot buttons the forces ratio leaves working: all three slots, the flagship and the
// first support at a ratio of 2 either way, the flagship alone below -2.
void SetCombatAvailability(TGameMain& game, int ratio);

// Moves the selected entry of the player's fleet one down (+1) or up (-1).
void ScrollCombatShips(TGameMain& game, int step);
// A click on a row of the player's fleet list selects that entry; true when it fell on one.
bool PickCombatShipRow(TGameMain& game, int x, int y);

// The screen's texts about the coming battle.
std::string ForcesRatioText(int ratio);
std::string CombatPlanetText(const TGameMain& game);
std::string CombatAsteroidText(const TGameMain& game);
std::string CombatLocationText(const TGameMain& game);
// The enemy fleet's ships, those in its slots included.
int EnemyShips(const TGameMain& game);

}  // namespace sw
