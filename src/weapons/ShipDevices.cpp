#include "weapons/ShipDevices.h"

#include <algorithm>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"

namespace sw {

// ---- teleporter ----

namespace {
constexpr int JUMP_FRAME = 11;  // the ship jumps half-way through the fade
constexpr int JUMP_FADE_END = 21;
constexpr int JUMP_FADE_STEP = 25;
}  // namespace

TTeleporter::TTeleporter(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                         IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsTeleporter = true;
  HasFrameEffect = true;
  FrameEffect = [this] { Fade(); };
}

void TTeleporter::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  // One jump at a time: a second start half-way would take the opacity out of range.
  if (Active || ReloadCounter < ReloadTime) return;
  if (!PayCost()) return;
  Active = true;
  ReloadCounter = 0;
  EffectCounter = 1;
  PlaySound(FireSound);
}

void TTeleporter::Fade() {
  if (!Owner || EffectCounter == 0) return;
  TGameObject& ship = *Owner;
  EffectCounter += 1;
  if (EffectCounter >= JUMP_FADE_END) {
    ship.Opacity = 255;
    EffectCounter = 0;
    Active = false;
    return;
  }
  if (EffectCounter == JUMP_FRAME) {
    // Anywhere in the arena, which is the screen at the far view and three screens each way
    // close in.
    const int zoom = Zoom();
    ship.X = Random(800 * zoom);
    ship.Y = Random(600 * zoom);
  }
  ship.Opacity += EffectCounter <= 10 ? -JUMP_FADE_STEP : JUMP_FADE_STEP;
}

// ---- booster ----

TBooster::TBooster(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                   IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  WantsRelease = true;
  HasFrameEffect = true;
  FrameEffect = [this] { Drain(); };
}

void TBooster::Fire(uint8_t released) {
  if (!Owner) return;
  if (released == 1) {
    Active = false;
    Owner->FreeSpeedFrames = 0;
    return;
  }
  if (Active) return;
  // Nothing is paid to start: the boost pays for each frame it runs.
  if (Owner->Energy >= EnergyUsage && ReloadCounter >= ReloadTime) {
    ReloadCounter = 0;
    Active = true;
    PlaySound(FireSound);
  }
}

void TBooster::Drain() {
  if (!Owner) return;
  TGameObject& ship = *Owner;
  if (ship.Energy < EnergyUsage) Fire(1);
  // The frame that runs the banks dry is still paid, as far as they go.
  ship.Energy = std::max(ship.Energy - EnergyUsage, std::min(ship.Energy, 0.0));
  ship.FreeSpeedFrames = 2;
}

bool TBooster::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!Owner) return false;
  const bool thrusting = Owner->ExhaustFrames >= 1;
  if (Active) return !thrusting || Random(100) < 10 * AIFireChance;
  return thrusting && Random(100) < AIFireChance;
}

// ---- crew and hull ----

TReviver::TReviver(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                   IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsReviver = true;
}

void TReviver::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  TGameObject& ship = *Owner;
  if (ReloadCounter < ReloadTime || ship.Energy < EnergyUsage || ship.Crew >= ship.MaxCrew) return;
  ship.Energy -= EnergyUsage;
  ship.Crew = std::min(ship.Crew + PrimalDamage, ship.MaxCrew);
  ReloadCounter = 0;
  PlaySound(FireSound);
}

TAutoRepair::TAutoRepair(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                         IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsRepair = true;
}

void TAutoRepair::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  TGameObject& ship = *Owner;
  if (ReloadCounter < ReloadTime || ship.Energy < EnergyUsage) return;
  // A hull below a third of its strength is past repairing in battle.
  if (ship.Structure < ship.MaxStructure / 3 || ship.Structure >= ship.MaxStructure) return;
  ship.Energy -= EnergyUsage;
  ship.Structure = std::min(ship.Structure + PrimalDamage, ship.MaxStructure);
  ReloadCounter = 0;
  PlaySound(FireSound);
}

void TFleshRecycler::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  TGameObject& ship = *Owner;
  if (ReloadCounter < ReloadTime || ship.Energy == ship.MaxEnergy || ship.Crew <= PrimalDamage) return;
  ship.Energy = std::min(ship.Energy + EnergyUsage, ship.MaxEnergy);
  ship.Crew -= PrimalDamage;
  ship.FireImageFrames = 4;
  ReloadCounter = 0;
  PlaySound(FireSound);
}

bool TFleshRecycler::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!Owner || !(distance < 80.0 * Zoom())) return false;
  if (!(Owner->Energy < Owner->MaxEnergy / 4)) return false;
  return Random(100) < 10 * AIFireChance;
}

void THandBreak::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  if (ReloadCounter < ReloadTime || !PayCost()) return;
  Owner->VX = 0;
  Owner->VY = 0;
  ReloadCounter = 0;
  PlaySound(FireSound);
}

}  // namespace sw
