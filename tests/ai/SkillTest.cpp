// The computer pilot's skill: an Ace flies exactly as it always has; a Veteran and a Cadet act
// on a target they have just seen only after a few frames, aim off to either side and misjudge
// the distance.
#include <gtest/gtest.h>

#include <cmath>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"
#include "ai/PilotSkill.h"
#include "ai/PilotTerms.h"

namespace sw::pilottest {
namespace {

// Flies a general-pilot ship (both slots probes that always want to fire) against a still
// enemy straight ahead until its weapon 1 first fires; the frames that took, or -1.
int FramesToFirstShot(int skill) {
  TPilotBattle battle;
  TGameObject& ship = battle.Ship("player1ship", 1, 100, 300, 255.0 / 4);  // facing right
  ship.AISkill = static_cast<uint8_t>(skill);
  TProbe& gun = Arm(ship, battle, 1, Reaching(400));
  Empty(ship, battle, 2);
  gun.Want = true;
  battle.Ship("player2ship", 2, 300, 300);
  for (int frame = 1; frame <= 60; ++frame) {
    FlyComputerShip(battle, ship);
    ++ship.Age;
    if (gun.Fired > 0) return frame;
  }
  return -1;
}

TEST(PilotSkill, SlowerSkillsWaitLongerBeforeTheFirstShotAndAnAceDoesNotWait) {
  const int ace = FramesToFirstShot(SKILL_ACE);
  const int veteran = FramesToFirstShot(SKILL_VETERAN);
  const int cadet = FramesToFirstShot(SKILL_CADET);
  EXPECT_EQ(ace, 1);
  EXPECT_EQ(veteran, 1 + SkillTraits(SKILL_VETERAN).ReactionFrames);
  EXPECT_EQ(cadet, 1 + SkillTraits(SKILL_CADET).ReactionFrames);
  EXPECT_LT(veteran, cadet);
}

TEST(PilotSkill, ANewTargetIsSeenLateAgainAndTheSightIsOffButNeverFarOff) {
  TPilotBattle battle;
  TGameObject& ship = battle.Ship("a", 1, 100, 300);
  TGameObject& first = battle.Ship("b", 2, 100, 100);
  ship.AISkill = SKILL_CADET;
  const TSkillTraits cadet = SkillTraits(SKILL_CADET);
  double widest = 0, nearest = 1e9, farthest = 0;
  for (int frame = 0; frame < 200; ++frame) {
    PrepareSkill(battle, ship);
    const TPilotSight sight = LookAt(battle, ship, first);
    EXPECT_EQ(sight.Reacting, frame < cadet.ReactionFrames) << frame;
    // The true bearing is 0 (straight up); the aimed one wanders within the aim error.
    const double off = std::fabs(std::remainder(sight.Bearing - battle.Bearing(ship, first), 360.0));
    EXPECT_LE(off, cadet.AimError + 1e-9);
    widest = std::max(widest, off);
    EXPECT_NEAR(sight.Distance, 200, 200 * cadet.RangeError + 1e-9);
    nearest = std::min(nearest, sight.Distance);
    farthest = std::max(farthest, sight.Distance);
    ++ship.Age;
  }
  EXPECT_GT(widest, cadet.AimError / 2) << "the aim wanders";
  EXPECT_LT(nearest, 190) << "the distance is sometimes taken for less";
  EXPECT_GT(farthest, 210) << "and sometimes for more";

  // A nearer enemy becomes the target: the reaction starts again.
  battle.Ship("c", 2, 100, 250);
  PrepareSkill(battle, ship);
  EXPECT_EQ(ship.ReactionFrames, cadet.ReactionFrames);

  // An Ace sees true: the same look gives the real bearing and distance, no reaction.
  TGameObject& ace = battle.Ship("d", 1, 300, 300);
  ace.Age = 37;
  PrepareSkill(battle, ace);
  const TPilotSight sight = LookAt(battle, ace, first);
  EXPECT_EQ(sight.Bearing, battle.Bearing(ace, first));
  EXPECT_EQ(sight.Distance, battle.Distance(ace, first));
  EXPECT_FALSE(sight.Reacting);
  EXPECT_EQ(ace.AimOffset, 0);
}

TEST(PilotSkill, SkillsOutsideTheRangeAreHeldToItsEnds) {
  EXPECT_EQ(ClampSkill(-5), SKILL_CADET);
  EXPECT_EQ(ClampSkill(99), SKILL_ACE);
  EXPECT_STREQ(SkillName(-1), "Cadet");
  EXPECT_STREQ(SkillName(1), "Veteran");
  EXPECT_STREQ(SkillName(7), "Ace");
}

}  // namespace
}  // namespace sw::pilottest
