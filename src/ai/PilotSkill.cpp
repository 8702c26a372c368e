#include "ai/PilotSkill.h"

#include <algorithm>
#include <cmath>

#include "battle/Motion.h"
#include "weapons/BattleAccess.h"

namespace sw {

namespace {
// The aim wanders through one full swing in this many frames (three seconds at the default
// frame rate); the two sides start the swing at different points.
constexpr double AIM_SWING_FRAMES = 100;
// The sense of distance wanders on a slower swing of its own.
constexpr double RANGE_SWING_FRAMES = 170;
constexpr double PI_VALUE = 3.14159265358979323846;
}  // namespace

int ClampSkill(long long skill) { return static_cast<int>(std::clamp<long long>(skill, SKILL_CADET, SKILL_ACE)); }

TSkillTraits SkillTraits(int skill) {
  switch (ClampSkill(skill)) {
    case SKILL_CADET:
      return {12, 18.0, 0.35};
    case SKILL_VETERAN:
      return {6, 9.0, 0.18};
    default:
      return {0, 0.0, 0.0};
  }
}

const char* SkillName(int skill) {
  static const char* const names[] = {"Cadet", "Veteran", "Ace"};
  return names[ClampSkill(skill)];
}

double RangeSense(const TGameObject& ship) {
  if (ship.AISkill >= SKILL_ACE) return 1;
  return 1 + SkillTraits(ship.AISkill).RangeError * std::sin(2 * PI_VALUE * (ship.Age / RANGE_SWING_FRAMES));
}

void PrepareSkill(IBattleAccess& battle, TGameObject& ship) {
  if (ship.AISkill >= SKILL_ACE) return;
  const TSkillTraits traits = SkillTraits(ship.AISkill);
  const TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (target != ship.SeenTarget) {
    ship.SeenTarget = target;
    ship.ReactionFrames = target ? traits.ReactionFrames : 0;
  } else if (ship.ReactionFrames > 0) {
    --ship.ReactionFrames;
  }
  const double phase = 2 * PI_VALUE * (ship.Age / AIM_SWING_FRAMES) + (ship.Side == 1 ? 0.0 : PI_VALUE / 2);
  double offset = traits.AimError * std::sin(phase);
  // The pilot aims where it saw the target a reaction time ago, not where it is now.
  if (target && traits.ReactionFrames > 0) {
    const double lag = traits.ReactionFrames;
    const double now = BearingBetween(ship.X, ship.Y, target->X + target->VX, target->Y + target->VY);
    const double then = BearingBetween(ship.X, ship.Y, target->X - lag * target->VX, target->Y - lag * target->VY);
    offset += std::remainder(then - now, 360.0);
  }
  ship.AimOffset = offset;
}

}  // namespace sw
