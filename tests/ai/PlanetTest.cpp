// Steering clear of the planet: the look-ahead, the evasion turn, and what a ship without
// engine power or with a teleporter does instead.
#include <gtest/gtest.h>

#include <map>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"
#include "ai/PilotSteering.h"
#include "core/Numbers.h"

namespace sw::pilottest {
namespace {

// A planet (90 x 90 on screen) at (400, 200) and a ship below it.
struct TApproach {
  TPilotBattle Battle;
  TGameObject& Planet = Battle.Planet(400, 200);
  TGameObject& Me;
  explicit TApproach(double x, double y, double vx = 0, double vy = -2, double heading = 0)
      : Me(Battle.Ship("player1ship", 1, x, y, heading)) {
    Me.VX = vx;
    Me.VY = vy;
  }
};

TEST(PlanetCheck, TurnsEightyUnitsEitherSideAboutHalfTheTime) {
  RandSeed(5);
  // heading -> the two evasion headings, wrapped by one full turn of 255 units
  const std::map<double, std::pair<double, double>> cases = {
      {100, {20, 180}}, {30, {205, 110}}, {200, {120, 25}}};
  for (const auto& [heading, expected] : cases) {
    int below = 0, above = 0;
    for (int i = 0; i < 400; ++i) {
      TApproach a(400, 330, 0, -2, heading);
      ASSERT_TRUE(CheckPlanet(a.Battle, a.Me));
      EXPECT_EQ(a.Me.PilotMode, PILOT_EVADE);
      EXPECT_EQ(a.Me.EvadeFrames, 44);  // 220 / (0.5 x 10)
      if (a.Me.EvadeHeading == expected.first)
        ++below;
      else if (a.Me.EvadeHeading == expected.second)
        ++above;
      else
        ADD_FAILURE() << "heading " << heading << " gave " << a.Me.EvadeHeading;
    }
    EXPECT_GT(below, 150) << heading;
    EXPECT_GT(above, 150) << heading;
  }
}

TEST(PlanetCheck, LooksAheadFarEnoughForTheShipsEngine) {
  // Thrust 0.5 looks 35 frames ahead; at 2 pixels a frame the box's lower edge (200 + 45 + 40)
  // is crossed on frame 35 from y = 354, on frame 36 from y = 356.
  TApproach near(400, 354), far(400, 356);
  EXPECT_TRUE(CheckPlanet(near.Battle, near.Me));
  EXPECT_FALSE(CheckPlanet(far.Battle, far.Me));
  EXPECT_EQ(far.Me.PilotMode, PILOT_ATTACK);
  // A stronger engine looks less far ahead: thrust 1 looks 18 frames.
  TApproach strong(400, 330);
  strong.Me.Thrust = 1;
  EXPECT_FALSE(CheckPlanet(strong.Battle, strong.Me));
}

TEST(PlanetCheck, KeepsFortyPixelsClearOfThePlanetTimesTheZoom) {
  // Flying straight up beside the planet: the box reaches 45 + 40 pixels from its centre.
  TApproach brushing(484, 330), clear(485, 330), leftClear(315, 330);
  EXPECT_TRUE(CheckPlanet(brushing.Battle, brushing.Me));
  EXPECT_FALSE(CheckPlanet(clear.Battle, clear.Me));
  EXPECT_FALSE(CheckPlanet(leftClear.Battle, leftClear.Me));
  // At the close view the margin is 120 pixels.
  TApproach zoomed(564, 330), zoomedClear(565, 330);
  zoomed.Battle.ZoomFactor = zoomedClear.Battle.ZoomFactor = 3;
  EXPECT_TRUE(CheckPlanet(zoomed.Battle, zoomed.Me));
  EXPECT_FALSE(CheckPlanet(zoomedClear.Battle, zoomedClear.Me));
  // Standing still nowhere near it, or without a planet, there is nothing to dodge.
  TApproach still(400, 400, 0, 0);
  EXPECT_FALSE(CheckPlanet(still.Battle, still.Me));
  TPilotBattle empty;
  TGameObject& alone = empty.Ship("player1ship", 1, 400, 300);
  alone.VY = -2;
  EXPECT_FALSE(CheckPlanet(empty, alone));
}

TEST(PlanetCheck, AShipWithoutEnginePowerNeverEvades) {
  TApproach a(400, 300);
  a.Me.Thrust = 0;
  EXPECT_FALSE(CheckPlanet(a.Battle, a.Me));
  EXPECT_EQ(a.Me.EvadeFrames, 0);
  EXPECT_EQ(a.Me.PilotMode, PILOT_ATTACK);
  // The same ship flown for a frame is left on its course.
  a.Battle.Ship("player2ship", 2, 700, 300);
  Empty(a.Me, a.Battle, 1);
  Arm(a.Me, a.Battle, 2, Reaching(10));
  FlyComputerShip(a.Battle, a.Me);
  EXPECT_EQ(a.Me.PilotMode, PILOT_ATTACK);
  EXPECT_EQ(a.Me.VY, -2);
}

TEST(PlanetCheck, ATeleporterJumpsInsteadOfTurning) {
  TApproach a(400, 330);
  Arm(a.Me, a.Battle, 1);
  TProbe& jump = Arm(a.Me, a.Battle, 2);
  jump.IsTeleporter = true;
  EXPECT_TRUE(CheckPlanet(a.Battle, a.Me));
  EXPECT_EQ(jump.Fired, 1);
  EXPECT_EQ(a.Me.PilotMode, PILOT_ATTACK);
  EXPECT_EQ(a.Me.EvadeFrames, 0);
}

TEST(Evasion, TurnsToTheEvasionHeadingThenThrustsAndEndsWithItsCountdown) {
  RandSeed(3);
  TApproach a(400, 330, 0, -2, 100);
  TGameObject& foe = a.Battle.Ship("player2ship", 2, 400, 40);  // beyond the planet
  Empty(foe, a.Battle, 1);
  Arm(a.Me, a.Battle, 1, Reaching(10));
  Empty(a.Me, a.Battle, 2);
  a.Me.TurnRate = 3;
  FlyComputerShip(a.Battle, a.Me);
  ASSERT_EQ(a.Me.PilotMode, PILOT_EVADE);
  const double evade = a.Me.EvadeHeading;
  int thrusts = 0;
  while (a.Me.EvadeFrames > 1) {
    a.Me.EvadeFrames -= 1;  // the battle's upkeep counts it down
    const double vx = a.Me.VX, vy = a.Me.VY;
    FlyComputerShip(a.Battle, a.Me);
    EXPECT_EQ(a.Me.PilotMode, PILOT_EVADE);
    EXPECT_EQ(a.Me.EvadeHeading, evade) << "no new evasion while one runs";
    if (vx != a.Me.VX || vy != a.Me.VY) {
      ++thrusts;
      // The evasion heading is read as degrees for the turn.
      EXPECT_EQ(Round(a.Me.Heading * DEGREES_PER_UNIT), Round(evade));
    }
  }
  EXPECT_GT(thrusts, 0);
  // Off the collision course, the frame the countdown runs out ends the evasion.
  a.Me.VX = a.Me.VY = 0;
  a.Me.EvadeFrames = 0;
  FlyComputerShip(a.Battle, a.Me);
  EXPECT_EQ(a.Me.PilotMode, PILOT_ATTACK);
}

}  // namespace
}  // namespace sw::pilottest
