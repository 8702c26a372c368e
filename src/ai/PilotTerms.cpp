#include "ai/PilotTerms.h"

#include <cmath>

#include "ai/PilotSkill.h"
#include "battle/Motion.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Mines.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponFactory.h"

namespace sw {

TPilotSight LookAt(IBattleAccess& battle, const TGameObject& ship, const TGameObject& target) {
  TPilotSight s;
  s.Distance = battle.Distance(ship, target);
  s.Bearing = AimedBearing(ship, battle.Bearing(ship, target));
  if (ship.AISkill < SKILL_ACE) {
    s.Distance *= RangeSense(ship);
    s.Reacting = ship.ReactionFrames > 0;
  }
  s.Heading = HeadingDegrees(ship);
  s.Zoom = battle.Zoom();
  return s;
}

double HeadingDegrees(const TGameObject& ship) { return ship.Heading * DEGREES_PER_UNIT; }

bool Aligned(double a, double b) { return Round(a) == Round(b); }

double Opposite(double bearing) {
  double back = bearing - 180;
  if (back < 0) back += 360;
  return back;
}

bool HoldsWeapon(const TWeapon* w) { return w && !dynamic_cast<const TNoWeapon*>(w); }

TWeapon* SlotWith(const TGameObject& ship, bool TWeapon::*role) {
  for (TWeapon* w : {ship.Weapon1.get(), ship.Weapon2.get()})
    if (w && w->*role) return w;
  return nullptr;
}

TWeapon* OtherSlot(const TGameObject& ship, const TWeapon* device) {
  return device == ship.Weapon1.get() ? ship.Weapon2.get() : ship.Weapon1.get();
}

bool EitherHas(const TGameObject& ship, bool TWeapon::*role) { return SlotWith(ship, role) != nullptr; }

bool CarriesEnergyDrainer(const TGameObject& ship) {
  for (const TWeapon* w : {ship.Weapon1.get(), ship.Weapon2.get()}) {
    if (!HoldsWeapon(w)) continue;
    const TClassWordRow* row = FindClassWord(w->ClassWord);
    if (row && std::string(row->ClassName) == "TEnergyDrainer") return true;
  }
  return false;
}

bool Wants(TWeapon* w, TGameObject& target, const TPilotSight& sight) {
  return w && !sight.Reacting && w->WantsToFire(&target, sight.Distance, sight.Bearing);
}

void Use(TWeapon* w) {
  if (w) w->Fire(0);
}

double EnergyUsageOf(const TWeapon* w) { return w ? w->EnergyUsage : 0; }

bool Reaches(const TWeapon* w, double distance, int zoom) {
  // An empty slot reaches nothing, whatever numbers its section holds.
  if (!HoldsWeapon(w)) return false;
  return static_cast<double>(w->LifeSpan) * w->ProjectileSpeed * zoom >= distance;
}

bool CanHit(const TWeapon* w, double distance) {
  return HoldsWeapon(w) && !LaidBehind(w) && w->InRangeForAttack(w->LifeSpan, w->ProjectileSpeed, distance);
}

bool LaidBehind(const TWeapon* w) {
  if (!HoldsWeapon(w) || !dynamic_cast<const TMine*>(w)) return false;
  return !dynamic_cast<const TPlasmaMine*>(w) || w->WeaponDir != 0;
}

bool IsHeld(const TGameObject& ship) {
  return ship.Kind == KIND_SHIP && (ship.StunFrames > 0 || ship.Age < ship.ThrustDelay);
}

}  // namespace sw
