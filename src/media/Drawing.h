#pragma once
// Beam and wave effects drawn on a canvas: glowing lines, lightning bolts and ring waves.
#include "core/Colors.h"
#include "media/Canvas.h"
#include "media/Surface.h"

namespace sw {

// A line in the colour at pen width 1. With glow kind 3 (the close view) three wide, darker
// strokes go under it first: lightness -115 at width 15, -100 at width 9, -65 at width 3.
void DrawGlowLine(TCanvas& canvas, TPoint from, TPoint to, int glowKind, TColor color);
// The same for two segments, drawn stroke by stroke so neither covers the other's core.
void DrawGlowLinePair(TCanvas& canvas, TPoint fromA, TPoint toA, TPoint fromB, TPoint toB, int glowKind,
                      TColor color);

// Jagged bolts from start to end, dimmer bolts first and the brightest last. Each bolt k
// (0 = brightest) is darkened by k x lightnessStep and wanders more the higher k is; with
// scatter each bolt ends at a random point up to 16 x spread pixels from the end. A spread
// of 3 gives the brightest bolt a 2-pixel core.
void DrawLightning(TCanvas& canvas, TPoint start, TPoint end, bool scatter, int lightnessStep, int boltCount,
                   int spread, TColor color);

// A ring wave: circles of diameter size, size - 5 step, ... while above 0. The outermost is
// black; each inner one is darker than the one outside it by 6 lightness levels (step 1) or 3
// (other steps), starting from the colour, and once the colour cannot darken that far the
// rest are black. Black circles are left out when skipBlack is set. A step below 1 counts as 1.
void DrawRings(TSurface& surface, TPoint centre, TColor color, bool skipBlack, int step, int size);

}  // namespace sw
