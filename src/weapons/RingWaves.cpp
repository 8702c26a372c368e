#include "weapons/RingWaves.h"

#include <cmath>

#include "battle/GameObject.h"
#include "battle/Motion.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"

namespace sw {

TShockGen::TShockGen(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                     IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  HasFrameEffect = true;
  FrameEffect = [this] { WaveFrame(); };
}

void TShockGen::Fire(uint8_t released) {
  // A wave runs its course once started; letting go of the key never starts one.
  if (Active || released == 1 || !Owner) return;
  if (!PayCost()) return;
  Owner->FireImageFrames = FireImageCounter;
  Active = true;
  ReloadCounter = 0;
  EffectCounter = 1;
  PlaySound(FireSound);
}

bool TShockGen::IsWeaponObject(const TGameObject& o) const {
  // A ship in its explosion is of the weapon kind too, but it is no shot to end, turn or hand
  // over: it still carries its weapons.
  return o.Kind == KIND_WEAPON && !o.Weapon1 && !o.Weapon2;
}

bool TShockGen::InRange(double n, double distance) const {
  return n * ProjectileSpeed * Zoom() >= distance;
}

void TShockGen::WaveFrame() {
  if (!Owner || !Battle) return;
  TGameObject& ship = *Owner;
  if (EffectCounter >= LifeSpan) {
    Active = false;
    End();
    return;
  }
  const int zoom = Zoom();
  Battle->DrawRingWave(ship.X, ship.Y, RingColor, zoom, 2 * zoom * EffectCounter);
  EffectCounter += Step;
  const double reach = static_cast<double>(zoom) * EffectCounter;
  BeforeReach();
  // Objects the effect adds this frame are not reached until the next.
  const int count = Battle->ObjectCount();
  for (int i = 0; i < count && i < Battle->ObjectCount(); ++i) {
    TGameObject* o = Battle->ObjectAt(i);
    if (!o || o->Removed) continue;
    if (Battle->Distance(ship, *o) <= reach) Reach(*o);
  }
}

void TShockGen::Reach(TGameObject& o) {
  if (IsWeaponObject(o)) o.Age = o.LifeSpan;  // it ends at its next step, by its own weapon's rules
}

void TShockGen::End() {
  Owner->DeviceOn = false;
  Owner->ShieldKind = 0;
}

bool TShockGen::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!target || !IsWeaponObject(*target) || !InRange(LifeSpan, distance) || !Idle()) return false;
  return Random(100) < AIFireChance;
}

// ---- mirror field ----

TMirrorField::TMirrorField(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                           IBattleAccess* battle)
    : TShockGen(owner, ownerKey, def, battle) {
  RingColor = 0x690091;
  Step = 4;
}

void TMirrorField::Reach(TGameObject& o) {
  if (!IsWeaponObject(o) || o.Side == Owner->Side) return;
  o.Side = Owner->Side;
  double degrees = o.Heading * DEGREES_PER_UNIT - 180;
  if (degrees < 0) degrees += 360;
  o.Heading = degrees / DEGREES_PER_UNIT;
  o.VX = -o.VX;
  o.VY = -o.VY;
}

// ---- ionic wave ----

TIonicWave::TIonicWave(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                       IBattleAccess* battle)
    : TShockGen(owner, ownerKey, def, battle) {
  RingColor = 0x915700;
  Step = 4;
}

void TIonicWave::Reach(TGameObject& o) {
  if (o.Kind != KIND_SHIP || o.Side == Owner->Side) return;
  o.Age = 0;
  o.StunFrames = PrimalDamage;
}

bool TIonicWave::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!target || target->Kind != KIND_SHIP || !InRange(LifeSpan * 2.0, distance) || !Idle()) return false;
  return Random(100) < AIFireChance;
}

// ---- rage device ----

TRageDevice::TRageDevice(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                         IBattleAccess* battle)
    : TShockGen(owner, ownerKey, def, battle) {
  RingColor = 0x0400A8;
  Step = 4;
}

void TRageDevice::BeforeReach() {
  Owner->VX = 0;
  Owner->VY = 0;
}

void TRageDevice::Reach(TGameObject& o) {
  if (IsWeaponObject(o)) {
    o.Structure -= PrimalDamage;
    if (o.Structure <= 0) o.Age = o.LifeSpan;
  } else if (o.Kind == KIND_SHIP && &o != Owner) {
    ApplyHitDamage(nullptr, &o);
  }
}

void TRageDevice::End() { Owner->Structure = 0; }

bool TRageDevice::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!target || target->Kind != KIND_SHIP || !InRange(LifeSpan / 3 * 2, distance) || !Idle()) return false;
  return Random(100) < AIFireChance;
}

// ---- repulser ----

TRepulser::TRepulser(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                     IBattleAccess* battle)
    : TShockGen(owner, ownerKey, def, battle) {
  RingColor = 0x3A3A3A;
  Step = 4;
}

void TRepulser::Reach(TGameObject& o) {
  if (o.Kind == KIND_PLANET || o.Starbase || !o.GravityAffected) return;
  TGameObject& ship = *Owner;
  o.FreeSpeedFrames = 1;
  o.PendingTurn = 5;
  o.StunFrames = o.Age + 1;
  // Pushed straight away from where the ship will be next frame. An object standing exactly on
  // that point (the ship itself when it is at rest) has no "away" and gets no push.
  if (o.X == ship.X + ship.VX && o.Y == ship.Y + ship.VY) return;
  double away = Battle->Bearing(o, ship) + 180;
  if (away >= 360) away -= 360;
  ApplyThrust(o, false, away / DEGREES_PER_UNIT, 0.7, Zoom());
}

bool TRepulser::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!(distance < 100.0 * Zoom()) || !Idle()) return false;
  return Random(100) < AIFireChance;
}

}  // namespace sw
