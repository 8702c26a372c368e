#include "weapons/Shields.h"

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"

namespace sw {

namespace {
// Frames the green overlay takes to fade in or out, and its opacity while the shield is up.
constexpr int FADE_END = 20;
constexpr int SHIELD_ALPHA = 120;
constexpr int FADE_STEP = 6;
}  // namespace

TGoranShield::TGoranShield(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                           IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsShield = true;
  HasFrameEffect = true;
  FrameEffect = [this] { Fade(); };
  if (owner) owner->OverlayImage = "green_shield";
}

void TGoranShield::Fire(uint8_t released) {
  // Only a key press toggles; letting the key go does nothing.
  if (released == 1 || !Owner) return;
  TGameObject& ship = *Owner;
  if (ship.DeviceOn) {
    Raising = false;
    ship.DeviceOn = false;
    ship.ShieldKind = 0;
    ship.OverlayAlpha = SHIELD_ALPHA;
    EffectCounter = 1;
    PlaySound(HitSound);
    return;
  }
  // Raised from the energy banks, living ship or not.
  if (ship.Energy < EnergyUsage) return;
  ship.Energy -= EnergyUsage;
  Active = true;
  ReloadCounter = 0;
  EffectCounter = 1;
  Raising = true;
  ship.DeviceOn = true;
  ship.ShieldKind = 1;
  ship.OverlayAlpha = 0;
  PlaySound(FireSound);
}

void TGoranShield::Fade() {
  if (!Owner || EffectCounter <= 0) return;
  TGameObject& ship = *Owner;
  EffectCounter += 1;
  if (EffectCounter >= FADE_END) {
    EffectCounter = 0;
    if (Raising) {
      ship.OverlayAlpha = SHIELD_ALPHA;
    } else {
      ship.OverlayAlpha = 0;
      Active = false;
    }
    return;
  }
  ship.OverlayAlpha += Raising ? FADE_STEP : -FADE_STEP;
}

void TVelorianShield::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  TGameObject& ship = *Owner;
  // A shield that would last no frames would never be taken down again: it is not raised.
  if (LifeSpan <= 0) return;
  if (ReloadCounter < ReloadTime || ship.Energy < EnergyUsage) return;
  ship.Energy -= EnergyUsage;
  ship.DeviceOn = true;
  ship.ShieldKind = 2;
  ship.DeviceFrames = LifeSpan;
  ship.FireImageFrames = LifeSpan;  // the ship glows while the shield is up
  ReloadCounter = 0;
  PlaySound(FireSound);
}

bool TVelorianShield::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!target || target->Kind != KIND_WEAPON || Active) return false;
  if (!(LifeSpan * 2.0 * ProjectileSpeed * Zoom() >= distance)) return false;
  return Random(100) < AIFireChance;
}

}  // namespace sw
