#pragma once
// The small words every computer pilot is built from: what a ship sees of its target, whether a
// heading lines up with a direction, and what the pilot may ask of the ship's two weapons.
#include "battle/GameObject.h"

namespace sw {

class TWeapon;
class IBattleAccess;

// What a pilot sees of its target this frame: the distance in pixels, the bearing to it in
// degrees, the ship's own heading in degrees, and the zoom factor the distances are scaled by.
struct TPilotSight {
  double Distance = 0;
  double Bearing = 0;
  double Heading = 0;
  int Zoom = 1;
  // A less skilled pilot has only just seen its target and does not act on it yet.
  bool Reacting = false;
};

// Looks at the target from the ship: distance, bearing and the ship's heading as they are now,
// as the pilot's skill lets it see them (the bearing it aims at, the distance it believes).
TPilotSight LookAt(IBattleAccess& battle, const TGameObject& ship, const TGameObject& target);

// The ship's heading in degrees.
double HeadingDegrees(const TGameObject& ship);
// Two directions in degrees line up when they round to the same whole degree.
bool Aligned(double a, double b);
// The direction straight away from a bearing, in [0, 360).
double Opposite(double bearing);

// A slot holds a weapon when it is filled with anything but the empty weapon.
bool HoldsWeapon(const TWeapon* w);
// The slot (weapon 1 first) whose weapon has the role flag set, or nullptr.
TWeapon* SlotWith(const TGameObject& ship, bool TWeapon::*role);
// The other slot's weapon.
TWeapon* OtherSlot(const TGameObject& ship, const TWeapon* device);
// Whether either slot has the role flag set.
bool EitherHas(const TGameObject& ship, bool TWeapon::*role);
// Whether either slot holds an energy drainer beam.
bool CarriesEnergyDrainer(const TGameObject& ship);

// The weapon's own decision to fire at the target; an empty slot never wants to.
bool Wants(TWeapon* w, TGameObject& target, const TPilotSight& sight);
// Pulls the trigger (or flips the device switch) once, key held down.
void Use(TWeapon* w);
// The energy one use of the weapon costs (0 for no weapon).
double EnergyUsageOf(const TWeapon* w);
// The weapon's shots live long enough to cover the distance (never for an empty slot).
bool Reaches(const TWeapon* w, double distance, int zoom);
// As Reaches, and the weapon does damage: worth closing in for. A mine laid astern never hits
// what lies ahead, so it is no reason to hold off.
bool CanHit(const TWeapon* w, double distance);
// A mine that leaves its ship astern (every mine but a plasma mine whose weapon points ahead).
bool LaidBehind(const TWeapon* w);
// The ship can neither steer (stunned) nor thrust (engine locked) as it wishes this frame.
bool IsHeld(const TGameObject& ship);

}  // namespace sw
