#include "weapons/Cloaks.h"

#include "battle/GameObject.h"
#include "weapons/BattleAccess.h"

namespace sw {

namespace {
constexpr int SWAP_FRAME = 10;  // the picture changes half-way through the fade
constexpr int MASK_FADE_END = 20;
constexpr int MASK_FADE_STEP = 25;
}  // namespace

TAsteroidMask::TAsteroidMask(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                             IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  IsCloak = true;
  WantsRelease = false;
  HasFrameEffect = true;
  FrameEffect = [this] { Fade(); };
  if (owner) {
    SavedImage = owner->ImageName;
    owner->CloakClass = 0;
  }
}

TStealth::TStealth(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                   IBattleAccess* battle)
    : TAsteroidMask(owner, ownerKey, def, battle) {
  if (owner) owner->CloakClass = 1;
}

std::string TAsteroidMask::HiddenImage() const { return "asteroid1"; }

std::string TStealth::HiddenImage() const {
  // A ship without a firing picture stays in its own picture: its side still sees it, the
  // enemy does not, as with the ghost.
  const std::string ghost = Owner->ImageName + "_fr";
  return !Battle || Battle->HasImage(ghost) ? ghost : Owner->ImageName;
}

void TAsteroidMask::Fire(uint8_t released) {
  if (released == 1 || !Owner) return;
  // A fade runs to its end before the device can be used again: starting another half-way
  // would take the ship's opacity out of range.
  if (Active && EffectCounter > 0) return;
  if (ReloadCounter < ReloadTime) return;
  if (Owner->Cloaked) {
    Wanted = false;
    EffectCounter = 1;
    ReloadCounter = 0;
    PlaySound(HitSound);
    return;
  }
  if (!PayCost()) return;
  Wanted = true;
  Active = true;
  ReloadCounter = 0;
  EffectCounter = 1;
  PlaySound(FireSound);
}

void TAsteroidMask::Fade() {
  if (!Owner) return;
  TGameObject& ship = *Owner;
  // No weapon reloads while the ship is hidden or fading, except this device.
  for (TWeapon* w : {ship.Weapon1.get(), ship.Weapon2.get()})
    if (w && !w->IsCloak) w->ReloadCounter = 0;
  // A disguised ship shows no firing picture: its disguise has none.
  if (ship.Cloaked) ship.FireImageFrames = 0;
  if (EffectCounter <= 0) return;
  EffectCounter += 1;
  if (EffectCounter == SWAP_FRAME) {
    if (Wanted) {
      ship.ImageName = HiddenImage();
      ship.Cloaked = true;
      ship.FireImageFrames = 0;
    } else {
      ship.ImageName = SavedImage;
    }
  }
  if (EffectCounter >= MASK_FADE_END) {
    ship.Opacity = 255;
    EffectCounter = 0;
    if (!Wanted) {
      ship.Cloaked = false;
      Active = false;
    }
    return;
  }
  ship.Opacity += EffectCounter < SWAP_FRAME ? -MASK_FADE_STEP : MASK_FADE_STEP;
}

}  // namespace sw
