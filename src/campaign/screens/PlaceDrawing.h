#pragma once
// Drawing shared by the screens of the selected location: pictures centred, the words that
// describe stars and planets, underlined headings and the planet's particulars.
#include <string>

#include "campaign/GameMain.h"
#include "campaign/screens/ScreenPicture.h"
#include "media/Canvas.h"
#include "media/Surface.h"

namespace sw {

// Draws a picture centred on (cx, cy) at that size; a missing one draws nothing.
void DrawPlaceCentred(TGameMain& game, TSurface& surface, const std::string& name, int cx, int cy, int w, int h);

const char* StarColorWord(int color);
const char* StarSizeWord(int size);
const char* AsteroidWord(int density);
const char* AtmosphereWord(int atmosphere);

// Text with a line under it, in the pen of the text's colour.
void UnderlinedText(TCanvas& canvas, int x, int y, const std::string& text);

// The three lines of a planet's particulars at x, from y on, 12 apart; "?" for a location not
// yet known.
void DrawPlanetFacts(TCanvas& canvas, const TPlanet& planet, bool known, int x, int y);

}  // namespace sw
