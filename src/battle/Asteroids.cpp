#include "battle/Asteroids.h"

#include <memory>
#include <string>

namespace sw {

void AddAsteroids(TObjectList& objects, int count) {
  for (int n = 0; n < count; ++n)
    objects.Add("asteroid_" + std::to_string(n), std::make_unique<TGameObject>(KIND_ASTEROID, 0, 0, 0, 0));
}

}  // namespace sw
