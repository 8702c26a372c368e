#pragma once
// The weapons that only set up a kill. A mine does nothing until an enemy runs into it, so the
// pilot lays it across the enemy ship's path, not only against incoming shots; a stun or an
// engine lock helps only while the damaging weapon follows it up, so it is not spent again on a
// ship that is still held, and a held ship is attacked rather than fled from.
#include "ai/PilotTerms.h"

namespace sw {

// A weapon whose hit holds a ship without hurting it: a stun (dart or ion wave) or an engine lock.
bool HoldsShips(const TWeapon* w);

// Whether a mine laid now lies in the enemy ship's path: the ship follows within a short way
// behind a mine-layer that lays astern, or lies straight ahead within reach of a mine fired
// ahead. The weapon's own firing chance still applies.
bool MineAcrossPath(const TWeapon* w, const TGameObject& target, const TPilotSight& sight);

// The weapon that does the ship's damage when it points astern (a tail fan or mines laid behind)
// and the other slot has no damaging weapon that fires ahead; nullptr otherwise.
const TWeapon* SternWeapon(const TGameObject& ship);

// Whether the stern weapon covers an enemy at this distance once the ship turns its back: a
// gun by its reach, a mine by how close a follower must come to run into it.
bool SternCovers(const TWeapon* stern, double distance, int zoom);

// What a pilot asks of a weapon against its target: the weapon's own wish or a mine across the
// enemy's path; a holding weapon is kept back while the target is already held.
bool WantsToUse(TWeapon* w, TGameObject& target, const TPilotSight& sight);

}  // namespace sw
