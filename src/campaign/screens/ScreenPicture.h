#pragma once
// A picture of the campaign's image list drawn by name, as every campaign screen draws its
// backgrounds and pictures.
#include <string>

#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

// Draws the picture with its top-left at (x, y). A missing one draws nothing (the list reports it
// once) and the screen goes on; without an image list nothing is drawn.
void DrawPicture(TGameMain& game, TSurface& surface, const std::string& name, int x, int y);

}  // namespace sw
