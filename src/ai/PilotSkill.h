#pragma once
// How well the computer pilot flies: an Ace is the pilot at its best; a Veteran and a Cadet see
// a new target a few frames late and aim where they saw the target that long ago, their aim
// wanders a few degrees to either side, and they judge the distance wrong, now nearer (firing out
// of reach, stopping short) and now farther (holding fire, closing in too far). Nothing is given
// to the weaker pilots in return.
#include <cstdint>

#include "battle/GameObject.h"

namespace sw {

class IBattleAccess;

constexpr int SKILL_CADET = 0;
constexpr int SKILL_VETERAN = 1;
constexpr int SKILL_ACE = 2;

struct TSkillTraits {
  int ReactionFrames = 0;  // frames between seeing a target and acting on it
  double AimError = 0;     // greatest aim offset in degrees
  double RangeError = 0;   // greatest misjudgement of distance, as a share of the true one
};

// The traits of a skill; anything outside 0..2 is held to the nearest end.
TSkillTraits SkillTraits(int skill);
// "Cadet", "Veteran" or "Ace".
const char* SkillName(int skill);
// A skill read from a file or typed in, held to 0..2.
int ClampSkill(long long skill);

// The share of the true distance the ship's pilot believes this frame (1 for an Ace).
double RangeSense(const TGameObject& ship);

// Runs before the ship's pilot flies a frame: counts down the reaction to the target in sight
// (starting it again when the nearest enemy changes) and sets this frame's aim offset and range
// misjudgement. An Ace's ship is left exactly as it is.
void PrepareSkill(IBattleAccess& battle, TGameObject& ship);

}  // namespace sw
