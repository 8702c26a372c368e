#include "battle/Targeting.h"

#include "battle/Motion.h"
#include "core/Numbers.h"

namespace sw {

namespace {
constexpr double FAR_AWAY = 999999;
}

TGameObject* NearestEnemy(const TObjectList& objects, const TGameObject& from, bool allowCloaked, bool shipsOnly) {
  TGameObject* ship = nullptr;
  double shipDistance = FAR_AWAY;
  TGameObject* weapon = nullptr;
  double weaponDistance = FAR_AWAY;
  const int count = objects.Count();

  for (int i = 0; i < count; ++i) {
    TGameObject* o = objects.At(i);
    if (o->Side == 0 || o->Side == from.Side || o->Kind != KIND_SHIP) continue;
    if (o->Derelict || o->Removed || (o->Cloaked && !allowCloaked)) continue;
    const double d = ObjectDistance(from, *o);
    if (d < shipDistance) {  // the earlier of two equally near ships keeps the place
      ship = o;
      shipDistance = d;
    }
  }
  for (int i = 0; i < count; ++i) {
    TGameObject* o = objects.At(i);
    if (o->Side == 0 || o->Side == from.Side || o->Kind != KIND_WEAPON || o->Removed) continue;
    const double d = ObjectDistance(from, *o);
    if (d < weaponDistance) {
      weapon = o;
      weaponDistance = d;
    }
  }

  if (ship || weapon) {
    // With either flag only ships are wanted; the weapon objects are not weighed at all.
    if (allowCloaked || shipsOnly) return ship;
    if (weapon && (!ship || weaponDistance <= shipDistance)) {
      if (from.Kind == KIND_WEAPON && weapon->Beacon) return weapon;
      return Random(10) >= weapon->AIInterest ? ship : weapon;
    }
    return ship;
  }

  // Nothing of the other side fights: the nearest rock (or visible object) will do.
  TGameObject* nearest = nullptr;
  double nearestDistance = FAR_AWAY;
  for (int i = 0; i < count; ++i) {
    TGameObject* o = objects.At(i);
    if (o->Side == from.Side || o->Removed) continue;
    if (o->Kind != KIND_ASTEROID && o->CloakClass != 0) continue;
    const double d = ObjectDistance(from, *o);
    if (d < nearestDistance) {
      nearest = o;
      nearestDistance = d;
    }
  }
  return nearest;
}

}  // namespace sw
