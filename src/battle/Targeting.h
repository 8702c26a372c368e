#pragma once
// Choosing an object's nearest enemy: for the computer pilot, the pilots' aim lock, seeking
// weapon objects and the camera.
#include "battle/GameObject.h"

namespace sw {

// The nearest enemy of `from` in the object list, or nullptr.
// allowCloaked: cloaked ships count too, and only ships are taken.
// shipsOnly: only ships are taken.
// Without either flag an enemy weapon object at least as near as the nearest ship may be taken
// instead: always when `from` is a weapon object and it is a beacon, otherwise with a chance of
// its AIInterest out of 10. With no enemy ship or weapon object at all, the nearest asteroid (or
// other object of another side that is not hidden) is the target.
TGameObject* NearestEnemy(const TObjectList& objects, const TGameObject& from, bool allowCloaked, bool shipsOnly);

}  // namespace sw
