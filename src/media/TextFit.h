#pragma once
// Fitting and centring text on the 800-pixel-wide screen.
#include <string>

#include "media/Canvas.h"

namespace sw {

// The text itself when it fits the width in the canvas's font; otherwise it is cut short
// and ends in "...", as long as fits. When not even "..." fits, "..." is given.
std::string FitText(TCanvas& canvas, const std::string& text, int maxWidth);

// Writes the text centred across the screen on row y.
void DrawTextCentered(TCanvas& canvas, int y, const std::string& text);

}  // namespace sw
