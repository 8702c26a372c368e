#pragma once
// The shot-firing weapons: guns that fire two shots side by side, missile salvos, plasma
// needles, ring bursts, and the three shots whose hit does something other than hull damage
// (the disabler stuns, the inhibitor missile stops a ship dead and locks its engines, the
// deenergizer drains energy). Everything they do not change is the plain gun's way.
#include <string>

#include "weapons/Weapon.h"

namespace sw {

// A gun that launches one or more shots per pull of the trigger: one cost, one reload, one
// sound, however many shots leave.
class TVolleyGun : public TWeapon {
public:
  using TWeapon::TWeapon;

protected:
  // Checks the reload and pays the shot; false (and nothing paid) when the gun cannot fire.
  bool BeginVolley();
  // The ship shows its firing picture and the shot is heard, once.
  void EndVolley();
  // The i-th shot of a volley is registered under the owner's key twice and the number.
  std::string VolleyKey(int i) const { return OwnerKey + OwnerKeySuffix + std::to_string(i); }
  // Launch speed plus the part of the ship's own motion that goes forwards.
  double InheritedSpeed() const;
  // A shot from (x, y) with the heading in units; its trail stays red and it has no tick handler.
  TGameObject& Shot(int i, double x, double y, double heading, double speed, int lifeSpan);
  // A point beside the ship at distance r, to its left (side -1) or right (side 1).
  void FlankPoint(double r, int side, double& x, double& y) const;
  // A point along the ship's axis at distance r, ahead (side 1) or behind (side -1).
  void AxisPoint(double r, int side, double& x, double& y) const;
  // A shot's life with a random spread: LifeSpan + Random(spread) - spread / 2.
  int SpreadLife(int spread) const;
  // Six shots from three pairs of points beside the ship (a sixth, two and three sixths of its
  // width out); with `fanned` each pair turns outwards, the farther pairs more.
  void FireSixFromTheFlanks(bool fanned);
};

// Two shots side by side, a quarter of the ship's width off its centre line.
class TDoubleGun : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override { FirePair(4); }

protected:
  // Both shots along the ship's heading, width div `divisor` to each side.
  void FirePair(int divisor);
};

// As the double gun, but a third of the ship's width off the centre line.
class TGenericDouble : public TDoubleGun {
public:
  using TDoubleGun::TDoubleGun;
  void Fire(uint8_t released) override { FirePair(3); }
};

// Six missiles from three pairs of points beside the ship, fanning out wider pair by pair.
class TMultiMissile : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
};

// Six parallel needles from the salvo's six points.
class TMultiPlasmaNeedles : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
};

// Two needles ahead from the flanks, two to the left and two to the right from the bow and stern.
class T3WayPlasmaNeedles : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
};

// Ten shots in a full ring from the ship's centre, the last straight ahead.
class TMultiBirst : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
};

// Five shots in a 40-degree fan straight behind.
class TMultiBirstAft : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
};

// A shot whose hit works on the target's controls or energy instead of its hull. The shot still
// wears down and is worn down by other shots, and detonates through its frames.
class TEffectShot : public TVolleyGun {
public:
  using TVolleyGun::TVolleyGun;
  void Fire(uint8_t released) override;
  void ProjectileHit(TGameObject& object, TGameObject* other) override;

protected:
  // What the hit does to the object struck (only while the shot is still whole).
  virtual void Effect(TGameObject& shot, TGameObject& other) = 0;
  // The disabler spares its own side when told to and may run out quietly; the other two
  // strike whatever they meet and always detonate.
  virtual bool Discriminating() const { return false; }
};

// Stuns a ship: its controls and computer pilot rest while the stun runs.
class TDisabler : public TEffectShot {
public:
  using TEffectShot::TEffectShot;
  void Fire(uint8_t released) override;

protected:
  void Effect(TGameObject& shot, TGameObject& other) override;
  bool Discriminating() const override { return true; }
};

// Stops a ship dead and locks its engines; a missile it meets has its engine locked and its life
// started over.
class TInhibitorMissile : public TEffectShot {
public:
  using TEffectShot::TEffectShot;

protected:
  void Effect(TGameObject& shot, TGameObject& other) override;
};

// Drains a ship's energy, never below empty.
class TDeenergizer : public TEffectShot {
public:
  using TEffectShot::TEffectShot;

protected:
  void Effect(TGameObject& shot, TGameObject& other) override;
};

}  // namespace sw
