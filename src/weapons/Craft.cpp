#include "weapons/Craft.h"

#include <algorithm>
#include <cmath>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Launch.h"

namespace sw {

namespace {

// A craft of the carrier's own ship file, leaving the carrier's position on the heading given.
TCraftOrder CraftFrom(const TWeapon& w, IBattleAccess& battle, double angleDegrees, int zoom) {
  const TGameObject& carrier = *w.Owner;
  TCraftOrder c;
  c.Class = w.ImageName;
  // Keys count the battle's objects. Spent shots leave the list, so the count can come back to
  // a number already used: the next free number is taken, and every craft keeps a key of its own.
  int number = battle.ObjectCount();
  while (battle.FindObject(w.OwnerKey + w.OwnerKeySuffix + std::to_string(number))) ++number;
  c.Key = w.OwnerKey + w.OwnerKeySuffix + std::to_string(number);
  c.Prefix = carrier.Prefix;
  c.Activation = w.Activation;
  c.Side = carrier.Side;
  c.Speed = zoom * w.ProjectileSpeed;
  c.Angle = angleDegrees;
  c.X = carrier.X;
  c.Y = carrier.Y;
  c.Carrier = w.Owner;
  return c;
}

}  // namespace

// ---- fighters ----

TFighter::TFighter(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                   IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsFighter = true;
  LaunchesCraft = true;
}

void TFighter::Fire(uint8_t) {
  if (!Owner || !Battle) return;
  if (ReloadCounter < ReloadTime) return;
  // The fighter's pilots come from the carrier, which keeps three aboard to fly it.
  if (Owner->Crew < SecondDamage + 3) return;
  if (!PayCost()) return;
  Owner->Crew -= SecondDamage;
  const double heading = HeadingBehind(Owner->Heading);
  ReloadCounter = 0;
  Battle->AddCraft(CraftFrom(*this, *Battle, heading * DEGREES_PER_UNIT, Zoom()));
  PlaySound(FireSound);
}

bool TFighter::WantsToFire(TGameObject*, double, double) { return Random(100) < AIFireChance; }

// ---- drones ----

TReleaseDrones::TReleaseDrones(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                               IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  LaunchesCraft = true;
}

void TReleaseDrones::Fire(uint8_t) {
  if (!Owner || !Battle) return;
  TGameObject& carrier = *Owner;
  // A mother ship already given up has nothing left to release.
  if (carrier.Structure <= 0) return;
  // One drone per crew member, but never more than a frame can take: a crew beyond that
  // releases the most, spread evenly around the ship.
  const double crew = std::min(carrier.Crew, static_cast<double>(MaxDronesReleased));
  const int n = crew > 0 ? Round(crew) : 0;
  double a = carrier.Heading * DEGREES_PER_UNIT;
  for (int i = 0; i < n; ++i) {
    a += 360.0 / crew;
    // Kept within one turn; the direction is the same.
    Battle->AddCraft(CraftFrom(*this, *Battle, std::fmod(a, 360.0), Zoom()));
  }
  PlaySound(FireSound);
  carrier.Crew = 0;
  carrier.Structure = 0;
}

bool TReleaseDrones::WantsToFire(TGameObject*, double, double) {
  return Owner && Random(100) < AIFireChance && Owner->Crew < Owner->MaxCrew;
}

// ---- shuttles ----

TGoranShuttle::TGoranShuttle(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                             IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  LaunchesCraft = true;
}

void TGoranShuttle::Fire(uint8_t) {
  if (!Owner || !Battle) return;
  TGameObject& carrier = *Owner;
  if (ReloadCounter < ReloadTime) return;
  // Paid from the energy banks even by a living ship; the carrier keeps one crew member and one
  // point of hull.
  if (carrier.Energy < EnergyUsage || carrier.Crew < SecondDamage + 1 || carrier.Structure < PrimalDamage + 1)
    return;
  carrier.Energy -= EnergyUsage;
  carrier.Structure -= PrimalDamage;
  carrier.Crew -= SecondDamage;
  const double heading = HeadingBehind(carrier.Heading);
  ReloadCounter = 0;
  TLaunch l;
  l.Key = OwnerKey + OwnerKeySuffix;
  l.X = carrier.X;
  l.Y = carrier.Y;
  l.Heading = heading;
  l.Speed = Zoom() * ProjectileSpeed;
  l.LifeSpan = LifeSpan;
  LaunchWeaponObject(*this, *Battle, l);
  carrier.FireImageFrames = FireImageCounter;
  PlaySound(FireSound);
}

void TGoranShuttle::ProjectileHit(TGameObject& o, TGameObject* t) {
  Active = false;

  // A shuttle can be shot down.
  if (ShotAgainstShot(o, t)) return;

  // Only a shuttle still under way delivers: one that is breaking up (shot down, or its time
  // run out) has nobody left to send across, however long it drifts against a ship.
  if (t && t->Kind == KIND_SHIP && !o.Dying) {
    if (t->Side == o.Side) t->Crew += o.SecondDamage;
    else t->Boarders += o.SecondDamage;
    o.RemoveMe = true;
  }

  if (!o.Dying) {
    StartDetonation(o);
    // Without a picture of its own to break up in, the shuttle keeps its own picture.
    if (AnimationFrames == 0 && !ExplName.empty()) o.ImageName = ExplName;
    PlaySound(HitSound);
  }
  if (DetonationOver(o)) return;
  if (!ExplName.empty()) o.ImageName = ExplName + std::to_string(o.ExplosionFrame);
  o.ExplosionFrame += 1;
}

}  // namespace sw
