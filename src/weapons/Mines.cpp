#include "weapons/Mines.h"

#include <algorithm>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"
#include "weapons/Launch.h"

namespace sw {

double TMine::LayingHeading() const { return HeadingBehind(Owner->Heading); }

bool TMine::Lay() {
  if (!Owner || !Battle) return false;
  if (ReloadCounter < ReloadTime) return false;
  if (!PayCost()) return false;
  const double heading = LayingHeading();
  ReloadCounter = 0;
  TLaunch l;
  l.Key = OwnerKey + OwnerKeySuffix;
  l.X = Owner->X;
  l.Y = Owner->Y;
  l.Heading = heading;
  // A mine is laid at its own gentle speed; the ship's motion is not passed on.
  l.Speed = Zoom() * ProjectileSpeed;
  l.LifeSpan = LifeSpan;
  l.Tick = true;
  Dress(LaunchWeaponObject(*this, *Battle, l));
  Owner->FireImageFrames = FireImageCounter;
  PlaySound(FireSound);
  return true;
}

void TMine::Fire(uint8_t) { Lay(); }

void TMine::ProjectileHit(TGameObject& o, TGameObject* t) {
  if (t && t->Side == Side && !AttackFriendly) return;

  if (ShotAgainstShot(o, t)) return;

  ApplyHitDamage(&o, t);
  if (Impulse) ApplyImpulse(o, t);

  if (!o.Dying) {
    StartDetonation(o);
    if (!t) {
      // Its time ran out: the mine is simply gone.
      o.RemoveMe = true;
      Active = false;
      return;
    }
    PlaySound(HitSound);
  }

  if (DetonationOver(o)) return;
  // A weapon without detonation pictures keeps showing its own.
  if (!ExplName.empty()) o.ImageName = ExplName + std::to_string(o.ExplosionFrame);
  o.ExplosionFrame += 1;
}

void TMine::ProjectileTick(TGameObject& o) {
  if (o.Dying) return;
  EffectCounter += 1;
  if (EffectCounter > MaxCycles) EffectCounter = 1;
  // The pictures are the image name with its last character (the frame number) replaced. The
  // stem is taken from the weapon's image name, so frame numbers of two digits never pile up.
  if (ImageBase.empty()) return;
  o.ImageName = ImageBase.substr(0, ImageBase.size() - 1) + std::to_string(EffectCounter);
}

bool TMine::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!Owner || !target || target->Kind != KIND_WEAPON) return false;
  if (!InArc(Owner->Heading, bearing, WeaponArc, WeaponDir)) return false;
  if (!(static_cast<double>(LifeSpan) * ProjectileSpeed * Zoom() >= distance)) return false;
  if (!(Random(100) < AIFireChance)) return false;
  return !Active;
}

// ---- plasma and graviton mines ----

TPlasmaMine::TPlasmaMine(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                         IBattleAccess* battle)
    : TMine(owner, ownerKey, def, battle) {
  WantsRelease = true;
}

double TPlasmaMine::LayingHeading() const {
  // A plasma mine whose weapon points anywhere but ahead is laid behind; otherwise it is fired
  // ahead like a slow shot.
  return WeaponDir != 0 ? HeadingBehind(Owner->Heading) : Owner->Heading;
}

void TPlasmaMine::Dress(TGameObject& mine) {
  // Its second amount is the pull it exerts on everything around it once armed.
  mine.GravForce = SecondDamage;
}

void TPlasmaMine::ProjectileTick(TGameObject& o) {
  if (o.Dying) return;
  EffectCounter += CycleSpeed;
  if (EffectCounter > 360) EffectCounter = 0;
  // Only the picture turns: the mine keeps the velocity it was laid with.
  o.Heading = EffectCounter * DEGREES_PER_UNIT;
  if (Degrading) {
    const double fraction = LifeSpan > 0 ? static_cast<double>(o.Age) / LifeSpan : 1.0;
    o.Opacity = std::clamp(230 - Round(fraction * 230), 0, 255);
  }
}

bool TGravMine::WantsToFire(TGameObject*, double distance, double bearing) {
  if (!Owner) return false;
  if (!InArc(Owner->Heading, bearing, WeaponArc, WeaponDir)) return false;
  if (!(static_cast<double>(LifeSpan) * ProjectileSpeed * Zoom() >= distance)) return false;
  if (!(Random(100) < AIFireChance)) return false;
  if (Active) return false;
  // Dropped when the ship is running fast, whatever it is aimed at.
  return Owner->VX + Owner->VY > Owner->MaxSpeed;
}

}  // namespace sw
