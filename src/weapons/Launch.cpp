#include "weapons/Launch.h"

#include <memory>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Weapon.h"

namespace sw {

TGameObject& LaunchWeaponObject(TWeapon& w, IBattleAccess& battle, const TLaunch& l) {
  auto object = std::make_unique<TGameObject>(KIND_WEAPON, l.Speed, l.Heading, Round(l.Y), Round(l.X));
  TGameObject& o = battle.AddObject(l.Key, std::move(object));
  o.ImageName = w.ImageName;
  o.IconImage = w.ImageName;  // its size should a detonation picture be missing
  o.Side = w.Side;
  o.AIDriven = w.AIDriven;
  o.LifeSpan = l.LifeSpan;
  o.Activation = w.Activation;
  o.Launcher = w.Owner;
  o.Structure = w.HitPoints;
  o.PrimalDamage = w.PrimalDamage;
  o.SecondDamage = w.SecondDamage;
  o.Beacon = w.Beacon;
  o.AIInterest = w.AIInterest;
  o.TurnRate = w.TurnRate;
  o.Thrust = w.Thrusters;
  o.ExhaustFrames = w.BurnSeq;
  if (l.Trail) o.TrailColour = static_cast<int32_t>(w.TrailColor);
  o.Opacity = w.DefaultOpacity;
  o.GravityAffected = w.GravityAff;
  o.CreateShockwave = w.CreateShockwave;
  TWeapon* weapon = &w;
  o.OnHit = [weapon](TGameObject& self, TGameObject* other) { weapon->ProjectileHit(self, other); };
  if (l.Tick) o.OnFrame = [weapon](TGameObject& self) { weapon->ProjectileTick(self); };
  return o;
}

double HeadingBehind(double shipHeading) {
  double h = shipHeading - HEADING_TURN / 2;
  if (h < 0) h += HEADING_TURN;
  return h;
}

}  // namespace sw
