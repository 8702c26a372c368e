#pragma once
// Disguises: a ship that fades out and back in hidden from the enemy's targeting.
//   TAsteroidMask  comes back looking like an asteroid (cloak kind 0)
//   TStealth       comes back invisible to the enemy (cloak kind 1); its own side sees a ghost
// While the device runs, and for as long as the ship stays hidden, the ship's other weapons
// cannot reload; the device itself can be used again to drop the disguise.
#include "weapons/Weapon.h"

namespace sw {

class TAsteroidMask : public TWeapon {
public:
  TAsteroidMask(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  // Hides the ship (paid as a shot), or drops the disguise of a hidden ship (free).
  void Fire(uint8_t released) override;

  std::string SavedImage;  // the ship's own picture
  bool Wanted = false;     // the fade under way hides the ship (rather than showing it)

protected:
  // The picture the hidden ship wears.
  virtual std::string HiddenImage() const;

private:
  void Fade();
};

class TStealth : public TAsteroidMask {
public:
  TStealth(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);

protected:
  std::string HiddenImage() const override;
};

}  // namespace sw
