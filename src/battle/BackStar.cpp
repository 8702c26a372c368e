#include "battle/BackStar.h"

#include <algorithm>
#include <memory>

#include "core/Numbers.h"
#include "core/Random.h"

namespace sw {

void CreateStars(TStarList& stars) {
  for (int i = 0; i < STAR_COUNT; ++i) {
    auto star = std::make_unique<TBackStar>();
    star->X = PictureRandom(800);
    star->Y = PictureRandom(600);
    // Small stars are the most common: 41 in 100 are the smallest class 4.
    const int r = PictureRandom(100);
    star->Size = r <= 40 ? 4 : r <= 65 ? 3 : r <= 85 ? 2 : 1;
    stars.Add("star_" + std::to_string(i), std::move(star));
  }
}

std::string StarImageName(int size) { return "star" + std::to_string(std::clamp(size, 1, 4)); }

}  // namespace sw
