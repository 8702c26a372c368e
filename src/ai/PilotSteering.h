#pragma once
// How every computer pilot steers and moves: facing or fleeing its target, the thrust that only
// comes once the ship points the way it wants to go, and the planet check that throws the ship
// into an evasive turn (or a teleport jump) when its course would run into the planet.
#include "ai/PilotTerms.h"

namespace sw {

// Pilot modes kept in the ship's PilotMode.
constexpr uint8_t PILOT_ATTACK = 0;
constexpr uint8_t PILOT_RETREAT = 1;
constexpr uint8_t PILOT_EVADE = 2;

// One turning step: attacking, toward the target; retreating, toward it while it is at least
// 100 pixels (zoom 1) away and away from it when closer; evading, nothing here.
void SteerAtTarget(TGameObject& ship, const TGameObject& target, double distance, int zoom);

// What a pilot's movement needs besides the sight of its target.
struct TMoveOrders {
  // The pilot's weapons can do their work from here: an attacker closes in only while false.
  bool InRange = false;
  // Retreating ships with a teleporter jump away (within 300 pixels) instead of flying away.
  TWeapon* RetreatJump = nullptr;
  // A cloaking device switched on while evading, when the ship is not already cloaked.
  TWeapon* EvadeCloak = nullptr;
};

// The movement that follows firing: the planet check (when no evasion is running), the end of
// an evasion, then the thrust of the current mode. `sight` is the pilot's view of its target.
void MoveShip(IBattleAccess& battle, TGameObject& ship, const TPilotSight& sight, const TMoveOrders& orders);

// Looks ahead along the ship's course for the planet; on a collision course, a teleporter is
// fired, or else an evasion starts: a turn to 80 units either side of the present heading for
// a while, in evade mode. A ship without engine power (Thrust 0) cannot dodge and never tries.
// True when the ship was found on a collision course.
bool CheckPlanet(IBattleAccess& battle, TGameObject& ship);

}  // namespace sw
