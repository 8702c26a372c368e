#pragma once
// Exhaust particles left behind thrusting ships; each frame they grow darker until they vanish.
#include <cstdint>

#include "core/NamedList.h"

namespace sw {

struct TTrail {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Colour = 0;  // 0x00BBGGRR
};

using TTrailList = TNamedList<TTrail>;

// Adds a particle named "trail_" + the list count.
TTrail* AddTrail(TTrailList& trails, int x, int y, int32_t colour);

// Lowers every particle's lightness by 3; a particle that went dark gets colour 0 and is
// deleted at once.
void FadeTrails(TTrailList& trails);

}  // namespace sw
