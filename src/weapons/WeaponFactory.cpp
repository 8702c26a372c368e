#include "weapons/WeaponFactory.h"

#include "core/Adf.h"
#include "weapons/Weapon.h"

namespace sw {

namespace {

template <typename T>
std::unique_ptr<TWeapon> Build(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                               IBattleAccess* battle) {
  return std::make_unique<T>(owner, ownerKey, def, battle);
}

using F = TWeaponFamily;

}  // namespace

const std::vector<TClassWordRow>& ClassWordTable() {
  // Each family adds its builder to its own rows as it arrives.
  static const std::vector<TClassWordRow> table = {
      {"BEAM_WEAPON", "TBeamWeapon", F::Beams, nullptr},
      {"GENERIC_WEAPON", "TWeapon", F::Base, &Build<TWeapon>},
      {"DOUBLE_GUN", "TDoubleGun", F::Guns, nullptr},
      {"GENERIC_DOUBLE", "TGenericDouble", F::Guns, nullptr},
      {"FIGHTER", "TFighter", F::Craft, nullptr},
      {"INHIBITOR_MISSILE", "TInhibitorMissile", F::Guns, nullptr},
      {"DISABLER", "TDisabler", F::Guns, nullptr},
      {"DEENERGIZER", "TDeenergizer", F::Guns, nullptr},
      {"SALVO", "TMultiMissile", F::Guns, nullptr},
      {"MULTI_PLASMA_NEEDLES", "TMultiPlasmaNeedles", F::Guns, nullptr},
      {"3WAY_PLASMA_NEEDLES", "T3WayPlasmaNeedles", F::Guns, nullptr},
      {"DUAL_BEAM", "TDualBeam", F::Beams, nullptr},
      {"DOUBLE_BEAM", "TDoubleBeam", F::Beams, nullptr},
      {"MINE", "TMine", F::Mines, nullptr},
      {"GRAV_MINE", "TGravMine", F::Mines, nullptr},
      {"PLASMA_MINE", "TPlasmaMine", F::Mines, nullptr},
      {"GRAVITON_MINE", "TGravMine", F::Mines, nullptr},
      {"MULTI_BIRST", "TMultiBirst", F::Guns, nullptr},
      {"MULTI_BIRST_AFT", "TMultiBirstAft", F::Guns, nullptr},
      {"ASSIMILATOR", "TAssimilatorBeam", F::Beams, nullptr},
      {"CHAIN_RAY", "TChainBeam", F::Beams, nullptr},
      {"DRAIN_BEAM", "TEnergyDrainer", F::Beams, nullptr},
      {"MIMIC", "TAsteroidMask", F::Devices, nullptr},
      {"TELEPORTER", "TTeleporter", F::Devices, nullptr},
      {"BOOSTER", "TBooster", F::Devices, nullptr},
      {"GREEN_SHIELD", "TGoranShield", F::Devices, nullptr},
      {"SHOCKWAVE", "TShockGen", F::Devices, nullptr},
      {"MIRROR", "TMirrorField", F::Devices, nullptr},
      {"IONIC_WAVE", "TIonicWave", F::Devices, nullptr},
      {"RAGE", "TRageDevice", F::Devices, nullptr},
      {"REPULSER", "TRepulser", F::Devices, nullptr},
      {"REVIVER", "TReviver", F::Devices, nullptr},
      {"REPAIR", "TAutoRepair", F::Devices, nullptr},
      {"RECYCLE", "TFleshRecycler", F::Devices, nullptr},
      {"STOPER", "THandBreak", F::Devices, nullptr},
      {"RELEASE", "TReleaseDrones", F::Craft, nullptr},
      {"SHUTTLE", "TGoranShuttle", F::Craft, nullptr},
      {"CLOAK", "TStealth", F::Devices, nullptr},
      {"TRANSPORTER", "TTransport", F::Craft, nullptr},
      {"VELOR_SHIELD", "TVelorianShield", F::Devices, nullptr},
      {"TESLA_TURRET", "TTeslaTurret", F::Beams, nullptr},
  };
  return table;
}

const TClassWordRow* FindClassWord(const std::string& word) {
  for (const auto& row : ClassWordTable())
    if (word == row.Word) return &row;
  return nullptr;
}

std::unique_ptr<TWeapon> CreateWeapon(TGameObject* owner, const std::string& ownerKey, const std::string& ident,
                                      const std::string& weaponsFile, IBattleAccess* battle,
                                      TDataWarnings* warnings) {
  // An empty slot is named by its identifier, whatever its section says, so its section is not
  // checked either.
  const bool empty = ident == EmptyWeaponIdent;
  TWeaponDefinition def = ReadWeaponDefinition(weaponsFile, ident, empty ? nullptr : warnings);
  if (empty) return std::make_unique<TNoWeapon>(owner, ownerKey, def, battle);

  const TClassWordRow* row = FindClassWord(def.ClassWord);
  if (row && row->Build) return row->Build(owner, ownerKey, def, battle);

  if (row) {
    AddDataWarning(warnings, weaponsFile, ident, "Class",
                   "weapon class \"" + def.ClassWord + "\" is not in the game yet; the slot is left empty");
  } else if (!AdfSectionExists(weaponsFile, ident)) {
    AddDataWarning(warnings, weaponsFile, ident, "Class",
                   "there is no weapon \"" + ident + "\" in this file; the slot is left empty");
  } else {
    AddDataWarning(warnings, weaponsFile, ident, "Class",
                   "unknown weapon class \"" + def.ClassWord + "\"; the slot is left empty");
  }
  return std::make_unique<TNoWeapon>(owner, ownerKey, def, battle);
}

}  // namespace sw
