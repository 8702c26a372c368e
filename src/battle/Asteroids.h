#pragma once
// The asteroid field of a battle.
#include "battle/GameObject.h"

namespace sw {

// Adds `count` asteroids named "asteroid_0", "asteroid_1", ... to the object list, each laid out
// by its own random draws (image, heading, spin, speed, spin direction, position). A count of 0
// or less adds none.
void AddAsteroids(TObjectList& objects, int count);

}  // namespace sw
