#pragma once
// Devices that act on their own ship.
//   TTeleporter     fades the ship out, moves it to a random place in the arena, fades it in
//   TBooster        lifts the speed limit while the key is held, paying energy every frame
//   TReviver        restores crew for energy
//   TAutoRepair     repairs hull for energy
//   TFleshRecycler  turns crew into energy
//   THandBreak      stops the ship dead
#include "weapons/Weapon.h"

namespace sw {

class TTeleporter : public TWeapon {
public:
  TTeleporter(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void Fire(uint8_t released) override;

private:
  void Fade();
};

class TBooster : public TWeapon {
public:
  TBooster(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  // Key down starts the boost once reloaded and affordable; key up stops it.
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;

private:
  // Each frame of boost: paid, and the speed limit kept off.
  void Drain();
};

class TReviver : public TWeapon {
public:
  TReviver(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void Fire(uint8_t released) override;
};

class TAutoRepair : public TWeapon {
public:
  TAutoRepair(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void Fire(uint8_t released) override;
};

class TFleshRecycler : public TWeapon {
public:
  using TWeapon::TWeapon;
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

class THandBreak : public TWeapon {
public:
  using TWeapon::TWeapon;
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject*, double, double) override { return false; }
};

}  // namespace sw
