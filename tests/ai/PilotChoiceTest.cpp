// Which pilot flies a ship, by what its two slots carry.
#include <gtest/gtest.h>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"

namespace sw::pilottest {
namespace {

enum TSlot { Nothing, EmptyWeapon, Gun, Cloak, Shield, Reviver, Repair, Fighter };

struct TCase {
  const char* Name;
  TSlot W1, W2;
  int CloakClass;
  TPilotKind Kind;
  int DeviceSlot;  // 0 none
};

void Fill(TPilotBattle& b, TGameObject& ship, int slot, TSlot what) {
  if (what == Nothing) return;
  if (what == EmptyWeapon) return Empty(ship, b, slot);
  TProbe& w = Arm(ship, b, slot);
  w.IsCloak = what == Cloak;
  w.IsShield = what == Shield;
  w.IsReviver = what == Reviver;
  w.IsRepair = what == Repair;
  w.IsFighter = what == Fighter;
}

TEST(PilotChoice, FollowsTheDevicesInTheirOrder) {
  const TCase cases[] = {
      {"no slots filled", Nothing, Nothing, 2, TPilotKind::Rammer, 0},
      {"two empty weapons", EmptyWeapon, EmptyWeapon, 2, TPilotKind::Rammer, 0},
      {"one gun beside an empty weapon", EmptyWeapon, Gun, 2, TPilotKind::General, 0},
      {"two guns", Gun, Gun, 2, TPilotKind::General, 0},
      {"a carrier", Fighter, Gun, 2, TPilotKind::General, 0},
      {"disguise in slot 2", Gun, Cloak, 0, TPilotKind::CloakA, 2},
      {"stealth cloak in slot 1", Cloak, Gun, 1, TPilotKind::CloakB, 1},
      {"cloak before shield", Shield, Cloak, 0, TPilotKind::CloakA, 2},
      {"a cloak that set no cloak class falls through to the shield", Cloak, Shield, 2, TPilotKind::Shield, 2},
      {"shield in slot 2", Gun, Shield, 2, TPilotKind::Shield, 2},
      {"two shields: slot 1 rules", Shield, Shield, 2, TPilotKind::Shield, 1},
      {"shield before crew devices", Reviver, Shield, 2, TPilotKind::Shield, 2},
      {"reviver in slot 2 before repair in slot 1", Repair, Reviver, 2, TPilotKind::CrewKeeper, 2},
      {"repair beside an empty weapon", EmptyWeapon, Repair, 2, TPilotKind::CrewKeeper, 2},
      {"repair in slot 1", Repair, Gun, 2, TPilotKind::CrewKeeper, 1},
  };
  for (const TCase& c : cases) {
    TPilotBattle b;
    TGameObject& ship = b.Ship("player1ship", 1, 100, 100);
    ship.CloakClass = static_cast<uint8_t>(c.CloakClass);
    Fill(b, ship, 1, c.W1);
    Fill(b, ship, 2, c.W2);
    const TPilotChoice choice = ChoosePilot(ship);
    EXPECT_EQ(choice.Kind, c.Kind) << c.Name;
    TWeapon* device = c.DeviceSlot == 1 ? ship.Weapon1.get() : c.DeviceSlot == 2 ? ship.Weapon2.get() : nullptr;
    EXPECT_EQ(choice.Device, device) << c.Name;
  }
}

}  // namespace
}  // namespace sw::pilottest
