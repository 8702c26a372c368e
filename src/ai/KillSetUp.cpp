#include "ai/KillSetUp.h"

#include <cmath>

#include "core/Numbers.h"
#include "weapons/Guns.h"
#include "weapons/Mines.h"
#include "weapons/RingWaves.h"

namespace sw {

namespace {
constexpr double TRAIL_RANGE = 250;  // a follower this close (zoom 1) runs into a mine laid astern
constexpr double TRAIL_ARC = 60;     // degrees either side of straight astern
constexpr double AHEAD_ARC = 15;     // degrees either side of the heading for a mine fired ahead

// The angle between two directions in degrees, 0 to 180.
double Apart(double a, double b) {
  double d = std::fabs(std::fmod(a - b, 360.0));
  return d > 180 ? 360 - d : d;
}
}  // namespace

bool HoldsShips(const TWeapon* w) {
  return HoldsWeapon(w) && (dynamic_cast<const TDisabler*>(w) || dynamic_cast<const TInhibitorMissile*>(w) ||
                            dynamic_cast<const TIonicWave*>(w));
}

bool MineAcrossPath(const TWeapon* w, const TGameObject& target, const TPilotSight& sight) {
  if (!HoldsWeapon(w) || !dynamic_cast<const TMine*>(w) || target.Kind != KIND_SHIP) return false;
  bool inPath;
  if (LaidBehind(w))
    inPath = Apart(sight.Bearing, Opposite(sight.Heading)) < TRAIL_ARC && sight.Distance < TRAIL_RANGE * sight.Zoom;
  else
    inPath = Apart(sight.Bearing, sight.Heading) < AHEAD_ARC && Reaches(w, sight.Distance, sight.Zoom);
  return inPath && Random(100) < w->AIFireChance;
}

const TWeapon* SternWeapon(const TGameObject& ship) {
  auto astern = [](const TWeapon* w) { return w->WeaponDir == 2 || LaidBehind(w); };
  const TWeapon* stern = nullptr;
  for (const TWeapon* w : {ship.Weapon1.get(), ship.Weapon2.get()}) {
    if (!HoldsWeapon(w) || !w->DamagingWeapon) continue;
    if (!astern(w)) return nullptr;  // a damaging weapon ahead: the ship fights facing its enemy
    stern = w;
  }
  return stern;
}

bool SternCovers(const TWeapon* stern, double distance, int zoom) {
  if (!stern) return false;
  if (LaidBehind(stern)) return distance < TRAIL_RANGE * zoom;
  return Reaches(stern, distance, zoom);
}

bool WantsToUse(TWeapon* w, TGameObject& target, const TPilotSight& sight) {
  if (sight.Reacting || (HoldsShips(w) && IsHeld(target))) return false;
  return Wants(w, target, sight) || MineAcrossPath(w, target, sight);
}

}  // namespace sw
