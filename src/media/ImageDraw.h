#pragma once
// Drawing named images: centred (scaled, turned, blended as asked) and the battle's rows of
// crew icons.
#include <string>

#include "media/ImageList.h"
#include "media/Surface.h"

namespace sw {

// Draws the named image centred on (cx, cy) at width x height, turned by angle (256ths of a
// turn, clockwise) and blended with alpha (255 = opaque). The plain draw is used when nothing
// needs transforming; images wholly off the 800 x 600 screen are skipped. A name that is not in
// the list draws nothing; the list reports it once.
void DrawCentered(TSurface& surface, const TDXImageList& list, const std::string& name, int cx, int cy, int width,
                  int height, int angle = 0, int alpha = 255);

// The crew row of a battle panel at y = 33, icons 7 pixels apart: "man_alive" for each crew
// member, "man_alive_not" for each missing one up to the capacity, then "man_marine" for each
// marine. Side 1 runs right from x = 100; the other side runs left from x = 693. A missing
// icon leaves only its own group out.
void DrawCrewIcons(TSurface& surface, const TDXImageList& list, int capacity, int side, int marines, int crew);

}  // namespace sw
