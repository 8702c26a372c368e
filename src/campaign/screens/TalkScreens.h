#pragma once
// The screens that hold the clock while the player decides: the encounter menu (Hail, Trade,
// Attack, Cancel), the communication screen (the partner's portrait behind static, the race's
// particulars, the reply, the answers and the relation marker) and the event screen (a picture
// and the event's text). Each is drawn over the map and the side menu while it is shown.
#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawEncounterMenu(TGameMain& game, TSurface& surface);
void DrawCommunication(TGameMain& game, TSurface& surface);
void DrawEventScreen(TGameMain& game, TSurface& surface);

// Which encounter buttons the next frame offers, by the selected fleet's relation: attack while
// it is not friendly, trade and cancel while it is not hostile (trade only when the player can).
void SetEncounterAvailability(TGameMain& game);
// One answer button for each answer of the section shown (at most three).
void SetRespondAvailability(TGameMain& game);
// One frame of the static: the level moves one step toward its target, and the target is
// drawn anew (93..99) each time the level reaches it.
void StepPortraitNoise(TGameMain& game);
// Overwrites the portrait rows the static takes this frame with random black and white pixels;
// at level L about 100 - L per cent of the rows flicker. Returns the number of rows taken.
int DrawPortraitNoise(TGameMain& game, TSurface& surface);

}  // namespace sw
