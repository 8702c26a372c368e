#pragma once
// Markers over battle objects and roster icons, and the small markers of the star map.
#include "core/Colors.h"
#include "media/Surface.h"

namespace sw {

// The marker colour of a side (1, 2 or any other for neutral), lit or dim.
TColor MarkerColor(int sideKind, bool lit);

// A filled triangle pointing down at the object centred on (x, y) of height h: apex at
// (x, y - h div 2 - 4 unit), base 3 unit higher, half as wide as 3 unit.
void DrawTriangleMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight);
// An X of pen width unit over the object, 6 unit square, its bottom 4 unit above the object.
void DrawCrossMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight);
// A filled circle of diameter 6 unit, to the upper left of the object's top centre.
void DrawCircleMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight);

// A small triangle pointing down at (x + 4, y), in the colour.
void DrawMapMarker(TSurface& surface, int x, int y, TColor color);
// Four corner brackets around a box of the size centred on (x, y), in pale green.
void DrawCornerBrackets(TSurface& surface, int x, int y, int width, int height);

}  // namespace sw
