#pragma once
// Mines: weapon objects laid by a ship that keep the velocity they were laid with, animate or
// spin while they wait, explode on contact and vanish without a trace when their time is up.
#include "weapons/Weapon.h"

namespace sw {

// Laid straight behind the ship; cycles through its animation pictures while it waits.
class TMine : public TWeapon {
public:
  using TWeapon::TWeapon;
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
  void ProjectileHit(TGameObject& object, TGameObject* other) override;
  void ProjectileTick(TGameObject& object) override;

protected:
  // The heading (units) the mine leaves on.
  virtual double LayingHeading() const;
  // Anything the class adds to a freshly laid mine.
  virtual void Dress(TGameObject& mine) {}
  // Pays, checks the reload and lays one mine; false when nothing was laid.
  bool Lay();
};

// A spinning mine with a pull of its own; laid behind, or fired ahead when its weapon points
// forwards.
class TPlasmaMine : public TMine {
public:
  TPlasmaMine(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void ProjectileTick(TGameObject& object) override;

protected:
  double LayingHeading() const override;
  void Dress(TGameObject& mine) override;
};

// The graviton mine: a plasma mine the computer pilot drops when its ship is running fast.
class TGravMine : public TPlasmaMine {
public:
  using TPlasmaMine::TPlasmaMine;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

}  // namespace sw
