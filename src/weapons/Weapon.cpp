#include "weapons/Weapon.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Damage.h"

namespace sw {

TWeapon::TWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& d, IBattleAccess* battle)
    : Ident(d.Ident), ClassWord(d.ClassWord), OwnerKey(ownerKey), OwnerKeySuffix(ownerKey), ImageName(d.ImageName),
      ImageBase(d.ImageName), ExplName(d.ExplName), TurnRate(d.TurnRate), Thrusters(d.Thrusters), BurnSeq(d.BurnSeq),
      PrimalDamage(d.PrimalDamage), SecondDamage(d.SecondDamage), ProjectileSpeed(d.ProjectileSpeed),
      LifeSpan(d.LifeSpan), EnergyUsage(d.EnergyUsage), Activation(d.Activation), ContinuesWeapon(d.ContinuesWeapon),
      Owner(owner), ReloadTime(d.ReloadTime), ReloadCounter(d.ReloadTime), WeaponArc(d.WeaponArc),
      WeaponDir(d.WeaponDir), AIFireChance(d.AIFireChance), HitPoints(d.HitPoints), AIInterest(d.AIInterest),
      Beacon(d.Beacon), FireSound(d.FireSound), HitSound(d.HitSound), WantsRelease(d.RemoteDetonation),
      BeamColor(d.BeamColor), AnimationFrames(d.AnimationFrames), AIDriven(d.AIDriven),
      Side(owner ? owner->Side : 0), CreateShockwave(d.CreateShockwave), BeamType(d.BeamType),
      TrailColor(d.TrailColor), AttackFriendly(d.AttackFriendly), DefaultOpacity(d.DefaultOpacity),
      DamagingWeapon(d.DamagingWeapon), Vampiric(d.Vampiric), GravityAff(d.GravityAff),
      FireImageCounter(d.FireImageCounter), Degrading(d.Degrading), EnergyDrain(d.EnergyDrain),
      MaxCycles(d.MaxCycles), CycleSpeed(d.CycleSpeed), Impulse(d.Impulse), Rotating(d.Rotating),
      Animated(d.Animated), Turret(d.Turret), DetOnTarg(d.DetOnTarg), RotAngle(d.RotAngle),
      RemoteDetonation(d.RemoteDetonation), Randomizer(d.Randomizer), TransportType(d.TransportType),
      Battle(battle) {}

int TWeapon::Zoom() const { return Battle ? Battle->Zoom() : 1; }

void TWeapon::PlaySound(const std::string& name) {
  if (Battle && !name.empty()) Battle->PlaySound(name);
}

bool TWeapon::PayCost(bool beam, bool energyOnly) {
  if (!Owner) return false;
  TGameObject& ship = *Owner;
  if (ship.Organic && !energyOnly) {
    // Living ships pay with their hull, but never with the last tenth of it.
    const double reserve = (beam ? ship.MaxStructure : ship.Structure) / 10;
    if (reserve + EnergyUsage > ship.Structure) {
      if (beam) Active = false;
      return false;
    }
    ship.Structure -= EnergyUsage;
    return true;
  }
  if (EnergyUsage > ship.Energy) {
    if (beam) Active = false;
    return false;
  }
  ship.Energy -= EnergyUsage;
  return true;
}

std::pair<double, double> TWeapon::ForwardVelocity(const TGameObject& ship) {
  const double h = ship.Heading * DEGREES_PER_UNIT;
  int sx, sy;  // the signs of forward motion in the heading's quadrant
  if (h >= 0 && h < 90) sx = 1, sy = -1;
  else if (h >= 90 && h < 180) sx = 1, sy = 1;
  else if (h >= 180 && h < 270) sx = -1, sy = 1;
  else sx = -1, sy = -1;
  const double vx = (ship.VX != 0 && (ship.VX > 0) == (sx > 0)) ? ship.VX : 0;
  const double vy = (ship.VY != 0 && (ship.VY > 0) == (sy > 0)) ? ship.VY : 0;
  return {vx, vy};
}

bool TWeapon::InArc(double heading, double bearing, int arc, int quarterTurns) {
  double w = std::fmod(heading * DEGREES_PER_UNIT + quarterTurns * 90.0, 360.0);
  if (w < 0) w += 360;
  if (bearing == w) return true;
  double diff = std::fabs(bearing - w);
  if (diff > 180) diff = 360 - diff;
  return diff < arc / 2;
}

bool TWeapon::InRangeForAttack(double n, double speed, double distance) const {
  return n * speed * Zoom() >= distance && DamagingWeapon;
}

TGameObject& TWeapon::LaunchObject(double d, double speed) {
  TGameObject& ship = *Owner;
  auto object = std::make_unique<TGameObject>(KIND_WEAPON, speed, Round(d / DEGREES_PER_UNIT), Round(ship.Y),
                                              Round(ship.X));
  TGameObject& o = Battle->AddObject(OwnerKey + OwnerKeySuffix, std::move(object));
  o.ImageName = ImageName;
  o.IconImage = Animated ? ImageBase + "_1" : ImageName;  // its size should a picture be missing
  o.Side = Side;
  o.AIDriven = AIDriven;
  o.LifeSpan = LifeSpan;
  o.Activation = Activation;
  o.Launcher = Owner;
  o.Structure = HitPoints;
  o.PrimalDamage = PrimalDamage;
  o.SecondDamage = SecondDamage;
  o.Beacon = Beacon;
  o.AIInterest = AIInterest;
  o.TurnRate = TurnRate;
  o.Thrust = Thrusters;
  o.ExhaustFrames = BurnSeq;
  o.TrailColour = static_cast<int32_t>(TrailColor);
  o.Opacity = DefaultOpacity;
  o.GravityAffected = GravityAff;
  o.CreateShockwave = CreateShockwave;
  o.OnHit = [this](TGameObject& self, TGameObject* other) { ProjectileHit(self, other); };
  o.OnFrame = [this](TGameObject& self) { ProjectileTick(self); };
  return o;
}

void TWeapon::Fire(uint8_t released) {
  if (!Owner || !Battle) return;
  if (RemoteDetonation && released == 1) {
    // Letting go of the key sets the shot out there off at the battle's next step.
    if (TGameObject* shot = Battle->FindObject(OwnerKey + OwnerKeySuffix)) shot->Age = shot->LifeSpan;
    return;
  }
  if (RemoteDetonation && Active) return;  // one remote shot out at a time
  if (ReloadCounter < ReloadTime) return;
  if (!PayCost()) return;

  TGameObject& ship = *Owner;
  double d = ship.Heading * DEGREES_PER_UNIT + WeaponDir * 90;
  if (d > 360) d -= 360;
  Active = true;
  if (Turret) {
    if (TGameObject* target = Battle->NearestEnemy(ship, false, false)) {
      const double bearing = Battle->Bearing(ship, *target);
      if (std::fabs(bearing - d) <= WeaponArc) d = bearing;
    }
  }
  const auto [fvx, fvy] = ForwardVelocity(ship);
  if (Randomizer > 0) {
    d += Random(Randomizer) - Randomizer / 2;
    if (d > 360) d -= 360;
    if (d < 0) d += 360;
  }
  ReloadCounter = 0;
  // The ship's forward motion carries over into the shot, whichever way it is fired.
  const double speed = std::fabs(fvx) + Zoom() * ProjectileSpeed + std::fabs(fvy);
  LaunchObject(d, speed);
  ship.FireImageFrames = FireImageCounter;
  PlaySound(FireSound);
}

bool TWeapon::ShotAgainstShot(TGameObject& o, TGameObject* t) {
  if (t && t->Kind == KIND_WEAPON && (!t->Dying || t->CreateShockwave) && (!o.Dying || o.CreateShockwave)) {
    t->Structure -= o.PrimalDamage;
    o.Structure -= t->PrimalDamage;
    if (t->Structure <= 0) t->Age = t->LifeSpan;
    if (o.Structure > 0) return true;
  }
  return false;
}

void TWeapon::StartDetonation(TGameObject& o) {
  o.ExhaustFrames = 0;
  o.ExplosionFrame = 1;
  o.Dying = true;
  o.VX = o.VY = 0;
  o.Heading = 0;
  o.Age = LifeSpan;
}

bool TWeapon::DetonationOver(TGameObject& o) {
  if (o.ExplosionFrame <= AnimationFrames) return false;
  o.RemoveMe = true;
  Active = false;
  return true;
}

void TWeapon::ProjectileHit(TGameObject& o, TGameObject* t) {
  // Shots of a weapon that spares its own side pass through friends.
  if (t && t->Side == Side && !AttackFriendly) return;

  // Shot against shot: each wears the other down; the one left standing flies on.
  if (ShotAgainstShot(o, t)) return;

  ApplyHitDamage(&o, t);
  if (Impulse) ApplyImpulse(o, t);

  if (!o.Dying) {
    if (t || !DetOnTarg) {
      StartDetonation(o);
      // Without a detonation picture the shot keeps its own until it is gone.
      if (AnimationFrames == 0 && !ExplName.empty()) o.ImageName = ExplName;
      PlaySound(HitSound);
    } else {
      // A missile that only detonates on a target runs out quietly.
      o.Age = LifeSpan;
      o.ExplosionFrame = AnimationFrames + 1;
    }
  }

  if (DetonationOver(o)) return;
  if (!o.CreateShockwave) {
    if (!ExplName.empty()) o.ImageName = ExplName + std::to_string(o.ExplosionFrame);
    o.ExplosionFrame += 1;
    return;
  }
  o.Opacity = 0;  // the ring is drawn instead of the object
  ShockwaveRing(o);
  o.ExplosionFrame += 1;
}

void TWeapon::ShockwaveRing(TGameObject& o) {
  if (!Battle) return;
  const int zoom = Zoom();
  const double r = 4.0 * o.ExplosionFrame * zoom;
  Battle->DrawRingWave(o.X, o.Y, BeamColor, zoom, Round(2 * r));
  // Everything in reach is hit on every frame of the expansion, the own ship and friends too.
  // Objects added by a hit are not reached this frame; a finished wreck is never hit.
  const int count = Battle->ObjectCount();
  for (int i = 0; i < count && i < Battle->ObjectCount(); ++i) {
    TGameObject* other = Battle->ObjectAt(i);
    if (!other || other->Removed) continue;
    if (Battle->Distance(o, *other) > r) continue;
    if (other->Kind == KIND_WEAPON) {
      other->Structure -= PrimalDamage;
      if (other->Structure <= 0) other->Age = other->LifeSpan;
    } else if (other->Kind == KIND_SHIP) {
      ApplyHitDamage(nullptr, other);
    }
  }
}

void TWeapon::ApplyHitDamage(TGameObject* o, TGameObject* t) {
  // How far through the weapon's life the hit comes: 0 at launch, 1 at the end. A weapon
  // without a life span counts as spent (its shots end at once) rather than dividing by zero.
  auto spent = [this](double age) { return LifeSpan > 0 ? age / LifeSpan : 1.0; };
  double a;
  if (o) {
    a = o->PrimalDamage;
    if (Degrading) a = o->PrimalDamage * (1 - spent(o->Age));
  } else {
    a = PrimalDamage;
    if (Degrading) a = PrimalDamage * (1 - spent(EffectCounter));
  }
  if (t && t->Resiliant) a -= Random(100) * a / 100;
  if (a < 0.1) a = 0.1;
  if (o && o->Dying && !o->CreateShockwave) return;
  if (!t || t->Kind != KIND_SHIP) return;

  if (t->DeviceOn && t->ShieldKind == 1) {
    // The shield takes the hit from the energy banks; what they cannot hold goes to the hull.
    t->Energy -= a;
    if (t->Energy < 0) {
      t->Structure += t->Energy;
      t->Energy = 0;
    }
    return;
  }
  if (t->DeviceOn && t->ShieldKind == 2) {
    t->Energy = std::min(t->Energy + a, t->MaxEnergy);
    return;
  }
  t->Structure -= a;
  ApplyCrewLoss(*t, a);
  if (EnergyDrain) t->Energy -= SecondDamage;
}

void TWeapon::ApplyImpulse(TGameObject& o, TGameObject* t) {
  if (!t || t->Kind == KIND_PLANET || t->Starbase || !t->GravityAffected) return;
  t->VX += o.VX;
  t->VY += o.VY;
  int steps = Random(SecondDamage);
  if (Random(2) == 0) steps = -steps;
  t->PendingTurn = steps;
}

void TWeapon::ProjectileTick(TGameObject& o) {
  if (o.Dying) return;
  if (Animated) {
    EffectCounter += 1;
    if (EffectCounter > MaxCycles) EffectCounter = 1;
    o.ImageName = ImageBase + "_" + std::to_string(EffectCounter);
  }
  if (Rotating) {
    o.Heading += RotAngle;
    if (o.Heading > HEADING_TURN) o.Heading -= HEADING_TURN;
  }
  if (Degrading) {
    const double fraction = LifeSpan > 0 ? static_cast<double>(o.Age) / LifeSpan : 1.0;
    o.Opacity = std::clamp(230 - Round(fraction * 230), 0, 255);
  }
}

bool TWeapon::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!Owner) return false;
  if (!(Turret || InArc(Owner->Heading, bearing, WeaponArc, WeaponDir))) return false;
  if (!(static_cast<double>(LifeSpan) * ProjectileSpeed * Zoom() >= distance)) return false;
  return Random(100) < AIFireChance;
}

TNoWeapon::TNoWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                     IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  ContinuesWeapon = false;
  WeaponDir = 0;
  FireSound.clear();
  HitSound.clear();
  Beacon = false;
  ImageName.clear();
  ExplName.clear();
  AnimationFrames = 0;
  Side = 0;
  OwnerKey.clear();
  WantsRelease = false;
}

}  // namespace sw
