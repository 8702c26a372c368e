#pragma once
// The background stars of a battle: 351 of them, each with a size class 1..4.
#include <cstdint>
#include <string>

#include "core/NamedList.h"

namespace sw {

struct TBackStar {
  double X = 0;
  double Y = 0;
  int32_t Size = 1;  // 1..4, drawn with "star1" to "star4"
};

using TStarList = TNamedList<TBackStar>;

constexpr int STAR_COUNT = 351;

// Scatters the battle's stars over the zoom-1 arena, named "star_0" to "star_350".
void CreateStars(TStarList& stars);

// The image a star of that size class is drawn with.
std::string StarImageName(int size);

}  // namespace sw
