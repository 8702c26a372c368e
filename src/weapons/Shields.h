#pragma once
// Shields: they live in the ship's shield state (DeviceOn, ShieldKind), which the hit rules read.
//   TGoranShield     toggled by its key; while up, hits are paid from the energy banks before
//                    the hull (kind 1); the green overlay fades in and out
//   TVelorianShield  up for LifeSpan frames; while up, hits charge the energy banks (kind 2)
#include "weapons/Weapon.h"

namespace sw {

class TGoranShield : public TWeapon {
public:
  TGoranShield(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
               IBattleAccess* battle);
  // Each key press raises a lowered shield (paying EnergyUsage) or lowers a raised one.
  void Fire(uint8_t released) override;
  bool Raising = false;

private:
  // The overlay fade, run while Active.
  void Fade();
};

class TVelorianShield : public TWeapon {
public:
  using TWeapon::TWeapon;
  // Raises the shield for LifeSpan frames; the battle counts them down and lowers it.
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

}  // namespace sw
