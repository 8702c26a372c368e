#pragma once
// The computer's pilots, one per kind of ship: the rammer for ships with nothing to fire, the
// general pilot, two pilots for cloaking ships, one for shielded ships and one for ships with a
// crew device (reviver or repair). Each flies its ship for one frame; `device` is the slot that
// chose the pilot.
#include "battle/GameObject.h"

namespace sw {

class IBattleAccess;
class TWeapon;

// Turns toward the nearest enemy and, pointing straight at it, sets off at one engine step.
void FlyRammer(IBattleAccess& battle, TGameObject& ship);
// Attacks or retreats by energy, hull and the ship's traits, and fires each weapon when it wants.
void FlyGeneral(IBattleAccess& battle, TGameObject& ship);
// A disguise that cloaks when the energy runs short of a shot and uncloaks, charged, to fire.
void FlyCloakA(IBattleAccess& battle, TGameObject& ship, TWeapon* device);
// A stealth cloak worn whenever the other weapon has nothing to shoot at.
void FlyCloakB(IBattleAccess& battle, TGameObject& ship, TWeapon* device);
// Raises the shield on full banks or while out of reach, lowers it to fire when the banks run low.
void FlyShield(IBattleAccess& battle, TGameObject& ship, TWeapon* device);
// Uses the crew device while crew is short and retreats when very short.
void FlyCrewKeeper(IBattleAccess& battle, TGameObject& ship, TWeapon* device);

// The attack-or-retreat rules of the general pilot (also used by organic cloaking ships):
// organic ships go by their hull, others by their energy, damage-fleeing trait and weapons.
void GeneralModeRules(TGameObject& ship);

}  // namespace sw
