#pragma once
// TWeapon: the base of everything a ship carries in its two slots. A weapon owns no simulation:
// firing creates weapon objects in the battle's object list, and the weapon stays attached to them
// through their hit and tick handlers. The base class is a plain gun: one weapon object per shot.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "core/Colors.h"
#include "weapons/WeaponDefinition.h"

namespace sw {

class TGameObject;
class IBattleAccess;

class TWeapon {
public:
  // owner: the ship carrying the weapon (not owned); ownerKey: the ship's key in the battle's
  // object list; def: the weapon's section of the weapon file; battle: where it fires into.
  TWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  virtual ~TWeapon() = default;
  TWeapon(const TWeapon&) = delete;
  TWeapon& operator=(const TWeapon&) = delete;

  // Fire or activate. released is 0 while the fire key is down, 1 when it was let go.
  virtual void Fire(uint8_t released);
  // The computer pilot's decision to use the weapon against a target lying `distance` pixels
  // away at `bearing` degrees (clockwise from up).
  virtual bool WantsToFire(TGameObject* target, double distance, double bearing);
  // Hit handler of a weapon object launched by this weapon: on contact with `other`, and with
  // nullptr at the end of its life and on every frame while it detonates.
  virtual void ProjectileHit(TGameObject& object, TGameObject* other);
  // Tick handler of a live weapon object: animation, spin and fading.
  virtual void ProjectileTick(TGameObject& object);

  // Pays one shot (beam = false) or one frame of a beam (beam = true) from energy, or from hull
  // for an organic ship unless energyOnly. False (and nothing paid) when it cannot be afforded;
  // a beam that cannot be paid switches off.
  bool PayCost(bool beam = false, bool energyOnly = false);
  // The part of a ship's motion that goes forwards: each axis kept only when it points the way
  // the ship's heading quadrant does.
  static std::pair<double, double> ForwardVelocity(const TGameObject& ship);
  // True when `bearing` (degrees) lies within arc div 2 of the heading (units) turned by
  // quarterTurns x 90 degrees, or equals it.
  static bool InArc(double heading, double bearing, int arc, int quarterTurns);
  // The computer pilot's attack range: n x speed x zoom reaches the distance, for damaging weapons.
  bool InRangeForAttack(double n, double speed, double distance) const;
  // Hull damage of a hit (object may be null for a ring wave), with the shield rules and crew loss.
  void ApplyHitDamage(TGameObject* object, TGameObject* target);
  // Pushes the target along the weapon object's velocity and sets it spinning.
  void ApplyImpulse(TGameObject& object, TGameObject* target);
  // One frame of a shockwave ring: draws it and hits everything within its radius.
  void ShockwaveRing(TGameObject& object);

  // The weapon identifier (its section name) and class word, for reports.
  std::string Ident;
  std::string ClassWord;

  std::string OwnerKey;
  std::string OwnerKeySuffix;  // weapon objects are registered under OwnerKey + OwnerKeySuffix
  std::string ImageName;
  std::string ImageBase;  // base of animation frame names
  std::string ExplName;
  double TurnRate = 0;
  int32_t Thrusters = 0, BurnSeq = 0, PrimalDamage = 0, SecondDamage = 0, ProjectileSpeed = 0, LifeSpan = 0,
          EnergyUsage = 0, Activation = 0;
  bool ContinuesWeapon = true;
  TGameObject* Owner = nullptr;
  int32_t ReloadTime = 0;
  int32_t ReloadCounter = 0;  // frames since the last shot; starts full so the weapon is ready
  bool Active = false;
  int32_t WeaponArc = 0, WeaponDir = 0, AIFireChance = 0;
  int32_t EffectCounter = 1;
  int32_t HitPoints = 0, AIInterest = 0;
  bool Beacon = false;
  std::string FireSound, HitSound;
  bool WantsRelease = false;
  bool HasFrameEffect = false;
  TColor BeamColor = clRed;
  bool IsCloak = false, IsShield = false, IsReviver = false, IsRepair = false, IsTeleporter = false;
  int32_t AnimationFrames = 0;
  bool AIDriven = false;
  uint8_t Side = 0;
  bool IsFighter = false, LaunchesCraft = false;
  bool CreateShockwave = false;
  uint8_t BeamType = 0;
  TColor TrailColor = clRed;
  bool AttackFriendly = true;
  int32_t DefaultOpacity = 255;
  bool DamagingWeapon = true, Vampiric = false, GravityAff = true;
  int32_t FireImageCounter = 0;
  bool Degrading = false, EnergyDrain = false;
  int32_t MaxCycles = 0, CycleSpeed = 1;
  bool Impulse = false, Rotating = false, Animated = false, Turret = false, DetOnTarg = false;
  int32_t RotAngle = 0;
  bool RemoteDetonation = false;
  int32_t Randomizer = 0;
  uint8_t TransportType = 0;
  // Run by the battle every frame while Active, for classes with HasFrameEffect.
  std::function<void()> FrameEffect;

protected:
  IBattleAccess* Battle;
  int Zoom() const;
  void PlaySound(const std::string& name);
  // Starts a weapon object on its way: created at the owner's position with the heading in
  // degrees and the speed, registered under the weapon's key, given every launch value.
  TGameObject& LaunchObject(double directionDegrees, double speed);
  // Shot against shot: each wears the other down. True when this object is still standing and
  // flies on (the hit ends there).
  bool ShotAgainstShot(TGameObject& o, TGameObject* t);
  // The object stops where it is and starts its detonation frames.
  void StartDetonation(TGameObject& o);
  // After the last detonation frame the object is removed and the weapon is idle again.
  bool DetonationOver(TGameObject& o);
};

// The empty slot: never fires and is never chosen by the computer pilot.
class TNoWeapon : public TWeapon {
public:
  TNoWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  void Fire(uint8_t released) override {}
  bool WantsToFire(TGameObject* target, double distance, double bearing) override { return false; }
};

}  // namespace sw
