#pragma once
// Hue, saturation and lightness on a 0..255 scale, used to dim and brighten colours for glows,
// lightning, rings and blinking prompts.
#include "core/Colors.h"

namespace sw {

struct THsl {
  int Hue = 0;         // may come out slightly negative for reds leaning to magenta
  int Saturation = 0;  // 0..256
  int Lightness = 0;   // 0..255
};

THsl ColorToHsl(TColor c);
// Lightness is held to 0..255 when the colour is rebuilt, so a colour darkened past black
// stays black instead of wrapping round to a bright one.
TColor HslToColor(const THsl& hsl);
// The colour with its lightness changed by delta.
TColor AdjustLightness(TColor c, int delta);

}  // namespace sw
