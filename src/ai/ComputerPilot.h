#pragma once
// The computer pilot: flies every ship that no person flies, one frame at a time. The pilot is
// chosen by what the ship carries: nothing to fire makes a rammer; a cloak, a shield or a crew
// device each have a pilot of their own; everything else flies with the general pilot.
#include "battle/GameObject.h"

namespace sw {

class IBattleAccess;
class TWeapon;

enum class TPilotKind { Rammer, CloakA, CloakB, Shield, CrewKeeper, General };

struct TPilotChoice {
  TPilotKind Kind = TPilotKind::General;
  // The slot whose device chose the pilot (weapon 1 first); nullptr for the rammer and the
  // general pilot.
  TWeapon* Device = nullptr;
};

// Chooses in this order: nothing in either slot (the rammer); a disguise (cloak class 0) or a
// stealth cloak (cloak class 1); a shield; a reviver; a repair device; the general pilot.
TPilotChoice ChoosePilot(const TGameObject& ship);

// Flies one computer-driven ship for one frame in the battle.
void FlyComputerShip(IBattleAccess& battle, TGameObject& ship);

}  // namespace sw
