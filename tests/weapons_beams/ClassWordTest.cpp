// The class words of beams and devices build their classes, with the flags the battle and the
// computer pilot read.
#include <gtest/gtest.h>

#include <fstream>
#include <typeinfo>

#include "BeamBattle.h"
#include "TempFolder.h"
#include "weapons/Beams.h"
#include "weapons/ChainBeams.h"
#include "weapons/Cloaks.h"
#include "weapons/RingWaves.h"
#include "weapons/Shields.h"
#include "weapons/ShipDevices.h"
#include "weapons/WeaponFactory.h"

namespace sw::test {
namespace {

struct TExpected {
  const char* Word;
  const std::type_info& Type;
  bool FrameEffect, Release;
  const char* Role;  // which role flag is set, if any
};

TEST(ClassWords, EachBeamAndDeviceWordBuildsItsClassWithItsFlags) {
  const TExpected rows[] = {
      {"BEAM_WEAPON", typeid(TBeamWeapon), true, true, ""},
      {"TESLA_TURRET", typeid(TTeslaTurret), true, true, ""},
      {"DUAL_BEAM", typeid(TDualBeam), true, true, ""},
      {"DOUBLE_BEAM", typeid(TDoubleBeam), true, true, ""},
      {"ASSIMILATOR", typeid(TAssimilatorBeam), true, true, ""},
      {"CHAIN_RAY", typeid(TChainBeam), true, true, ""},
      {"DRAIN_BEAM", typeid(TEnergyDrainer), true, true, ""},
      {"SHOCKWAVE", typeid(TShockGen), true, false, ""},
      {"MIRROR", typeid(TMirrorField), true, false, ""},
      {"IONIC_WAVE", typeid(TIonicWave), true, false, ""},
      {"RAGE", typeid(TRageDevice), true, false, ""},
      {"REPULSER", typeid(TRepulser), true, false, ""},
      {"GREEN_SHIELD", typeid(TGoranShield), true, false, "shield"},
      {"VELOR_SHIELD", typeid(TVelorianShield), false, false, ""},
      {"MIMIC", typeid(TAsteroidMask), true, false, "cloak"},
      {"CLOAK", typeid(TStealth), true, false, "cloak"},
      {"TELEPORTER", typeid(TTeleporter), true, false, "teleporter"},
      {"BOOSTER", typeid(TBooster), true, true, ""},
      {"REVIVER", typeid(TReviver), false, false, "reviver"},
      {"REPAIR", typeid(TAutoRepair), false, false, "repair"},
      {"RECYCLE", typeid(TFleshRecycler), false, false, ""},
      {"STOPER", typeid(THandBreak), false, false, ""},
  };
  TTempFolder dir;
  const std::string file = dir.Path + "/weapons.adf";
  {
    std::ofstream out(file);
    for (const auto& r : rows) out << "[W_" << r.Word << "]\nClass=" << r.Word << "\n";
    out << "[W_CLOAK_REMOTE]\nClass=CLOAK\nRemoteDetonation=1\n";
  }
  TBeamBattle battle;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.Word);
    TGameObject& ship = battle.Ship(std::string("ship_") + r.Word, 1, 100, 100);
    TDataWarnings warnings;
    auto w = CreateWeapon(&ship, "ship", std::string("W_") + r.Word, file, &battle, &warnings);
    EXPECT_TRUE(warnings.empty()) << (warnings.empty() ? "" : warnings.front());
    const TWeapon& built = *w;
    EXPECT_EQ(typeid(built), r.Type);
    EXPECT_EQ(w->HasFrameEffect, r.FrameEffect);
    EXPECT_EQ(w->HasFrameEffect, static_cast<bool>(w->FrameEffect));
    EXPECT_EQ(w->WantsRelease, r.Release);
    const std::string role = r.Role;
    EXPECT_EQ(w->IsShield, role == "shield");
    EXPECT_EQ(w->IsCloak, role == "cloak");
    EXPECT_EQ(w->IsTeleporter, role == "teleporter");
    EXPECT_EQ(w->IsReviver, role == "reviver");
    EXPECT_EQ(w->IsRepair, role == "repair");
  }
  // A disguise never waits for a key release, whatever its section says.
  TGameObject& ship = battle.Ship("remote", 1, 100, 100);
  EXPECT_FALSE(CreateWeapon(&ship, "remote", "W_CLOAK_REMOTE", file, &battle)->WantsRelease);
}

}  // namespace
}  // namespace sw::test
