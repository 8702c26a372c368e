#include "battle/Trail.h"

#include <memory>
#include <string>

#include "media/ColorModel.h"

namespace sw {

TTrail* AddTrail(TTrailList& trails, int x, int y, int32_t colour) {
  auto t = std::make_unique<TTrail>();
  t->X = x;
  t->Y = y;
  t->Colour = colour;
  return trails.Add("trail_" + std::to_string(trails.Count()), std::move(t));
}

void FadeTrails(TTrailList& trails) {
  for (int i = 0; i < trails.Count();) {
    TTrail& t = *trails.At(i);
    THsl hsl = ColorToHsl(static_cast<TColor>(t.Colour));
    hsl.Lightness -= 3;
    if (hsl.Lightness <= 0) {
      trails.Delete(i);  // the next particle takes this place and is faded next
      continue;
    }
    t.Colour = static_cast<int32_t>(HslToColor(hsl));
    ++i;
  }
}

}  // namespace sw
