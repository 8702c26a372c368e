#include "weapons/WeaponFactory.h"

#include "core/Adf.h"
#include "weapons/Beams.h"
#include "weapons/ChainBeams.h"
#include "weapons/Cloaks.h"
#include "weapons/Craft.h"
#include "weapons/Guns.h"
#include "weapons/Mines.h"
#include "weapons/RingWaves.h"
#include "weapons/Shields.h"
#include "weapons/ShipDevices.h"
#include "weapons/Transport.h"
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
      {"BEAM_WEAPON", "TBeamWeapon", F::Beams, &Build<TBeamWeapon>},
      {"GENERIC_WEAPON", "TWeapon", F::Base, &Build<TWeapon>},
      {"DOUBLE_GUN", "TDoubleGun", F::Guns, &Build<TDoubleGun>},
      {"GENERIC_DOUBLE", "TGenericDouble", F::Guns, &Build<TGenericDouble>},
      {"FIGHTER", "TFighter", F::Craft, &Build<TFighter>},
      {"INHIBITOR_MISSILE", "TInhibitorMissile", F::Guns, &Build<TInhibitorMissile>},
      {"DISABLER", "TDisabler", F::Guns, &Build<TDisabler>},
      {"DEENERGIZER", "TDeenergizer", F::Guns, &Build<TDeenergizer>},
      {"SALVO", "TMultiMissile", F::Guns, &Build<TMultiMissile>},
      {"MULTI_PLASMA_NEEDLES", "TMultiPlasmaNeedles", F::Guns, &Build<TMultiPlasmaNeedles>},
      {"3WAY_PLASMA_NEEDLES", "T3WayPlasmaNeedles", F::Guns, &Build<T3WayPlasmaNeedles>},
      {"DUAL_BEAM", "TDualBeam", F::Beams, &Build<TDualBeam>},
      {"DOUBLE_BEAM", "TDoubleBeam", F::Beams, &Build<TDoubleBeam>},
      {"MINE", "TMine", F::Mines, &Build<TMine>},
      {"GRAV_MINE", "TGravMine", F::Mines, &Build<TGravMine>},
      {"PLASMA_MINE", "TPlasmaMine", F::Mines, &Build<TPlasmaMine>},
      {"GRAVITON_MINE", "TGravMine", F::Mines, &Build<TGravMine>},
      {"MULTI_BIRST", "TMultiBirst", F::Guns, &Build<TMultiBirst>},
      {"MULTI_BIRST_AFT", "TMultiBirstAft", F::Guns, &Build<TMultiBirstAft>},
      {"ASSIMILATOR", "TAssimilatorBeam", F::Beams, &Build<TAssimilatorBeam>},
      {"CHAIN_RAY", "TChainBeam", F::Beams, &Build<TChainBeam>},
      {"DRAIN_BEAM", "TEnergyDrainer", F::Beams, &Build<TEnergyDrainer>},
      {"MIMIC", "TAsteroidMask", F::Devices, &Build<TAsteroidMask>},
      {"TELEPORTER", "TTeleporter", F::Devices, &Build<TTeleporter>},
      {"BOOSTER", "TBooster", F::Devices, &Build<TBooster>},
      {"GREEN_SHIELD", "TGoranShield", F::Devices, &Build<TGoranShield>},
      {"SHOCKWAVE", "TShockGen", F::Devices, &Build<TShockGen>},
      {"MIRROR", "TMirrorField", F::Devices, &Build<TMirrorField>},
      {"IONIC_WAVE", "TIonicWave", F::Devices, &Build<TIonicWave>},
      {"RAGE", "TRageDevice", F::Devices, &Build<TRageDevice>},
      {"REPULSER", "TRepulser", F::Devices, &Build<TRepulser>},
      {"REVIVER", "TReviver", F::Devices, &Build<TReviver>},
      {"REPAIR", "TAutoRepair", F::Devices, &Build<TAutoRepair>},
      {"RECYCLE", "TFleshRecycler", F::Devices, &Build<TFleshRecycler>},
      {"STOPER", "THandBreak", F::Devices, &Build<THandBreak>},
      {"RELEASE", "TReleaseDrones", F::Craft, &Build<TReleaseDrones>},
      {"SHUTTLE", "TGoranShuttle", F::Craft, &Build<TGoranShuttle>},
      {"CLOAK", "TStealth", F::Devices, &Build<TStealth>},
      {"TRANSPORTER", "TTransport", F::Craft, &Build<TTransport>},
      {"VELOR_SHIELD", "TVelorianShield", F::Devices, &Build<TVelorianShield>},
      {"TESLA_TURRET", "TTeslaTurret", F::Beams, &Build<TTeslaTurret>},
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
