#pragma once
// Carried craft: fighters launched backwards and paid for with crew, drones that carry the whole
// crew away from a doomed mother ship, and shuttles that bring crew to a friend or board an enemy.
#include "weapons/Weapon.h"

namespace sw {

// Launches a computer-flown fighter straight behind the carrier; each fighter takes crew from
// the carrier, which always keeps three aboard.
class TFighter : public TWeapon {
public:
  TFighter(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

// The most drones one release puts into the battle.
constexpr int MaxDronesReleased = 50;

// Turns every crew member into a drone ship leaving at evenly spaced headings all round (at
// most MaxDronesReleased of them); the mother ship is left behind and destroyed.
class TReleaseDrones : public TWeapon {
public:
  TReleaseDrones(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                 IBattleAccess* battle);
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

// Launches a shuttle (a weapon object) carrying crew and hull taken from the carrier. Reaching a
// ship of its own side it adds its crew; reaching an enemy its crew board and fight.
class TGoranShuttle : public TWeapon {
public:
  TGoranShuttle(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                IBattleAccess* battle);
  void Fire(uint8_t released) override;
  void ProjectileHit(TGameObject& object, TGameObject* other) override;
};

}  // namespace sw
