#include "weapons/Guns.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Launch.h"

namespace sw {

namespace {
double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
}  // namespace

// ---- the volley ----

bool TVolleyGun::BeginVolley() {
  if (!Owner || !Battle) return false;
  if (ReloadCounter < ReloadTime) return false;
  if (!PayCost()) return false;
  ReloadCounter = 0;
  return true;
}

void TVolleyGun::EndVolley() {
  Owner->FireImageFrames = FireImageCounter;
  PlaySound(FireSound);
}

double TVolleyGun::InheritedSpeed() const {
  const auto [fvx, fvy] = ForwardVelocity(*Owner);
  return std::fabs(fvx) + std::fabs(fvy) + Zoom() * ProjectileSpeed;
}

TGameObject& TVolleyGun::Shot(int i, double x, double y, double heading, double speed, int lifeSpan) {
  TLaunch l;
  l.Key = VolleyKey(i);
  l.X = x;
  l.Y = y;
  l.Heading = heading;
  l.Speed = speed;
  l.LifeSpan = lifeSpan;
  return LaunchWeaponObject(*this, *Battle, l);
}

void TVolleyGun::FlankPoint(double r, int side, double& x, double& y) const {
  const double h = Radians(Owner->Heading * DEGREES_PER_UNIT);
  x = Owner->X + side * std::cos(h) * r;
  y = Owner->Y + side * std::sin(h) * r;
}

void TVolleyGun::AxisPoint(double r, int side, double& x, double& y) const {
  const double h = Radians(Owner->Heading * DEGREES_PER_UNIT);
  x = Owner->X + side * std::sin(h) * r;
  y = Owner->Y - side * std::cos(h) * r;
}

int TVolleyGun::SpreadLife(int spread) const { return LifeSpan + Random(spread) - spread / 2; }

// ---- the guns ----

void TDoubleGun::FirePair(int divisor) {
  if (!BeginVolley()) return;
  const int r = Battle->DisplayWidth(*Owner) / divisor;
  const double speed = InheritedSpeed();
  double x, y;
  FlankPoint(r, -1, x, y);
  Shot(0, x, y, Owner->Heading, speed, LifeSpan);
  FlankPoint(r, 1, x, y);
  Shot(1, x, y, Owner->Heading, speed, LifeSpan);
  EndVolley();
}

namespace {
// The salvo's three pairs: distance from the centre line in sixths of the ship's width, and the
// heading units each pair turns outwards.
struct TPair {
  int Sixths;
  double Fan;
};
constexpr TPair SalvoPairs[] = {{1, 2}, {2, 5}, {3, 9}};
}  // namespace

void TVolleyGun::FireSixFromTheFlanks(bool fanned) {
  if (!BeginVolley()) return;
  const int r1 = Battle->DisplayWidth(*Owner) / 6;
  const double speed = InheritedSpeed();
  int i = 0;
  for (const TPair& p : SalvoPairs) {
    for (int side : {-1, 1}) {
      double x, y;
      FlankPoint(p.Sixths * r1, side, x, y);
      Shot(i++, x, y, Owner->Heading + (fanned ? side * p.Fan : 0.0), speed, SpreadLife(8));
    }
  }
  EndVolley();
}

void TMultiMissile::Fire(uint8_t) { FireSixFromTheFlanks(true); }

void TMultiPlasmaNeedles::Fire(uint8_t) { FireSixFromTheFlanks(false); }

void T3WayPlasmaNeedles::Fire(uint8_t) {
  if (!BeginVolley()) return;
  const int across = Battle->DisplayWidth(*Owner) / 3;
  const int along = Battle->DisplayHeight(*Owner) / 3;
  const double speed = InheritedSpeed();
  const double h = Owner->Heading;
  double x, y;
  // Ahead, from both flanks.
  FlankPoint(across, -1, x, y);
  Shot(0, x, y, h, speed, SpreadLife(8));
  FlankPoint(across, 1, x, y);
  Shot(1, x, y, h, speed, SpreadLife(8));
  // A quarter turn to the left, then to the right, each from stern and bow.
  int i = 2;
  for (double turn : {-63.0, 63.0}) {
    AxisPoint(along, -1, x, y);
    Shot(i++, x, y, h + turn, speed, SpreadLife(8));
    AxisPoint(along, 1, x, y);
    Shot(i++, x, y, h + turn, speed, SpreadLife(8));
  }
  EndVolley();
}

void TMultiBirst::Fire(uint8_t) {
  if (!BeginVolley()) return;
  // The ring leaves at its own speed: the ship's motion would bend it out of shape.
  const double speed = Zoom() * ProjectileSpeed;
  const double h = Owner->Heading * DEGREES_PER_UNIT;
  for (int k = 1; k <= 10; ++k) {
    double d = std::fmod(h + 36.0 * k, 360.0);
    Shot(k - 1, Owner->X, Owner->Y, d / DEGREES_PER_UNIT, speed, SpreadLife(10));
  }
  EndVolley();
}

void TMultiBirstAft::Fire(uint8_t) {
  if (!BeginVolley()) return;
  const double speed = Zoom() * ProjectileSpeed;
  const double h = Owner->Heading * DEGREES_PER_UNIT;
  for (int k = 0; k < 5; ++k) {
    double d = h + 160 + 10 * k;
    if (d > 360) d -= 360;
    Shot(k, Owner->X, Owner->Y, d / DEGREES_PER_UNIT, speed, SpreadLife(10));
  }
  EndVolley();
}

// ---- shots with an effect ----

void TEffectShot::Fire(uint8_t) {
  if (!BeginVolley()) return;
  TLaunch l;
  l.Key = OwnerKey + OwnerKeySuffix;
  l.X = Owner->X;
  l.Y = Owner->Y;
  l.Heading = Owner->Heading;
  l.Speed = InheritedSpeed();
  l.LifeSpan = LifeSpan;
  LaunchWeaponObject(*this, *Battle, l);
  EndVolley();
}

void TDisabler::Fire(uint8_t) {
  if (!Owner || !Battle) return;
  if (ReloadCounter < ReloadTime) return;
  if (!PayCost()) return;
  TGameObject& ship = *Owner;
  double d = ship.Heading * DEGREES_PER_UNIT + WeaponDir * 90;
  if (d > 360) d -= 360;
  if (Turret) {
    if (TGameObject* target = Battle->NearestEnemy(ship, false, false)) {
      const double bearing = Battle->Bearing(ship, *target);
      if (std::fabs(bearing - d) <= WeaponArc) d = bearing;
    }
  }
  ReloadCounter = 0;
  TLaunch l;
  l.Key = OwnerKey + OwnerKeySuffix;
  l.X = ship.X;
  l.Y = ship.Y;
  l.Heading = Round(d / DEGREES_PER_UNIT);
  l.Speed = InheritedSpeed();
  l.LifeSpan = LifeSpan;
  l.Trail = true;
  l.Tick = true;
  LaunchWeaponObject(*this, *Battle, l);
  EndVolley();
}

void TEffectShot::ProjectileHit(TGameObject& o, TGameObject* t) {
  if (Discriminating() && t && t->Side == Side && !AttackFriendly) return;

  // Shot against shot: each wears the other down; the one left standing flies on.
  if (ShotAgainstShot(o, t)) return;

  if (t && (!o.Dying || o.CreateShockwave)) Effect(o, *t);

  if (!o.Dying) {
    if (t || !(Discriminating() && DetOnTarg)) {
      StartDetonation(o);
      if (t || Discriminating()) PlaySound(HitSound);
    } else {
      // Runs out quietly.
      o.Age = LifeSpan;
      o.ExplosionFrame = AnimationFrames + 1;
    }
  }

  if (DetonationOver(o)) return;
  // A weapon without detonation pictures keeps showing its own.
  if (!ExplName.empty()) o.ImageName = ExplName + std::to_string(o.ExplosionFrame);
  o.ExplosionFrame += 1;
}

void TDisabler::Effect(TGameObject& shot, TGameObject& other) {
  if (other.Kind != KIND_SHIP) return;
  other.Age = 0;
  other.StunFrames += shot.SecondDamage;
}

void TInhibitorMissile::Effect(TGameObject& shot, TGameObject& other) {
  if (other.Kind != KIND_SHIP && other.Kind != KIND_WEAPON) return;
  // The engines stay cold until the target has aged past the lock again.
  other.Age = 0;
  other.ThrustDelay = shot.SecondDamage;
  if (other.Kind == KIND_SHIP) other.VX = other.VY = 0;
}

void TDeenergizer::Effect(TGameObject& shot, TGameObject& other) {
  if (other.Kind != KIND_SHIP) return;
  other.Energy = std::max(0.0, other.Energy - shot.SecondDamage);
}

}  // namespace sw
