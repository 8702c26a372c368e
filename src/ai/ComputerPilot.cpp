#include "ai/ComputerPilot.h"

#include "ai/PilotSkill.h"
#include "ai/PilotTerms.h"
#include "ai/Pilots.h"
#include "weapons/Weapon.h"

namespace sw {

TPilotChoice ChoosePilot(const TGameObject& ship) {
  if (!HoldsWeapon(ship.Weapon1.get()) && !HoldsWeapon(ship.Weapon2.get())) return {TPilotKind::Rammer, nullptr};
  if (TWeapon* cloak = SlotWith(ship, &TWeapon::IsCloak)) {
    // The device tells which cloak it is by the cloak class it gives its ship.
    if (ship.CloakClass == 0) return {TPilotKind::CloakA, cloak};
    if (ship.CloakClass == 1) return {TPilotKind::CloakB, cloak};
  }
  if (TWeapon* shield = SlotWith(ship, &TWeapon::IsShield)) return {TPilotKind::Shield, shield};
  if (TWeapon* reviver = SlotWith(ship, &TWeapon::IsReviver)) return {TPilotKind::CrewKeeper, reviver};
  if (TWeapon* repair = SlotWith(ship, &TWeapon::IsRepair)) return {TPilotKind::CrewKeeper, repair};
  return {TPilotKind::General, nullptr};
}

void FlyComputerShip(IBattleAccess& battle, TGameObject& ship) {
  PrepareSkill(battle, ship);
  const TPilotChoice pilot = ChoosePilot(ship);
  switch (pilot.Kind) {
    case TPilotKind::Rammer:
      FlyRammer(battle, ship);
      break;
    case TPilotKind::CloakA:
      FlyCloakA(battle, ship, pilot.Device);
      break;
    case TPilotKind::CloakB:
      FlyCloakB(battle, ship, pilot.Device);
      break;
    case TPilotKind::Shield:
      FlyShield(battle, ship, pilot.Device);
      break;
    case TPilotKind::CrewKeeper:
      FlyCrewKeeper(battle, ship, pilot.Device);
      break;
    case TPilotKind::General:
      FlyGeneral(battle, ship);
      break;
  }
}

}  // namespace sw
