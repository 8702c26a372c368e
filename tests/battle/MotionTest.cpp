#include <gtest/gtest.h>

#include <cmath>

#include "BattleTestKit.h"
#include "battle/Motion.h"
#include "core/Numbers.h"

using namespace sw;
using namespace sw::testkit;

TEST(Thrust, HeadingZeroPushesStraightUpScaledByZoom) {
  for (int zoom : {1, 3}) {
    TGameObject ship(KIND_SHIP, 0, 0, 100, 100);
    ship.Thrust = 0.4;
    ApplyThrust(ship, false, 0, 0, zoom);
    EXPECT_DOUBLE_EQ(ship.VX, 0);
    EXPECT_DOUBLE_EQ(ship.VY, -0.4 * zoom);
    EXPECT_EQ(ship.ExhaustFrames, 2);
  }
}

TEST(Thrust, DiamondQuadrantsKeepAnL1LengthOf100) {
  // Headings whose diamond position p = H x 1.568 lies in the middle of each quarter.
  struct Case { double p, dx, dy; } cases[] = {{50, 50, -50}, {150, 50, 50}, {250, -50, 50}, {350, -50, -50}};
  for (const Case& c : cases) {
    TDiamond d = DiamondDirection(c.p / 1.568);
    EXPECT_NEAR(d.DX, c.dx, 1e-9) << c.p;
    EXPECT_NEAR(d.DY, c.dy, 1e-9) << c.p;
  }
  for (double h = 0; h < 255; h += 7.3) {
    TDiamond d = DiamondDirection(h);
    EXPECT_NEAR(std::fabs(d.DX) + std::fabs(d.DY), 100, 1e-9) << h;
  }
}

TEST(Thrust, SetReplacesVelocityAddAccumulates) {
  TGameObject o(KIND_WEAPON, 0, 0, 0, 0);
  o.VX = 5;
  o.VY = 5;
  ApplyThrust(o, true, 0, 2, 1);
  EXPECT_DOUBLE_EQ(o.VX, 0);
  EXPECT_DOUBLE_EQ(o.VY, -2);
  ApplyThrust(o, false, 0, 2, 1);
  EXPECT_DOUBLE_EQ(o.VY, -4);
  EXPECT_EQ(o.ExhaustFrames, 0);  // an outside push leaves no exhaust
}

TEST(Thrust, EngineWaitsForThrustDelayAndStarbaseNeverMoves) {
  TGameObject ship(KIND_SHIP, 0, 0, 0, 0);
  ship.Thrust = 1;
  ship.ThrustDelay = 5;
  ship.Age = 4;
  ApplyThrust(ship, false, 0, 0, 1);
  EXPECT_EQ(ship.VY, 0);
  EXPECT_EQ(ship.ExhaustFrames, 0);
  ship.Age = 5;
  ApplyThrust(ship, false, 0, 0, 1);
  EXPECT_EQ(ship.VY, -1);

  TGameObject base(KIND_SHIP, 0, 0, 0, 0);
  base.Starbase = true;
  ApplyThrust(base, false, 0, 3, 1);
  EXPECT_EQ(base.VY, 0);
}

TEST(Heading, WrapsByTwoHundredFiftyFive) {
  EXPECT_DOUBLE_EQ(WrapHeading(256), 1);
  EXPECT_DOUBLE_EQ(WrapHeading(-1), 254);
  EXPECT_DOUBLE_EQ(WrapHeading(255), 0);
  EXPECT_DOUBLE_EQ(WrapHeading(100), 100);
}

TEST(Bearing, QuadrantsAndStraightLines) {
  EXPECT_DOUBLE_EQ(BearingBetween(0, 0, 0, -10), 0);
  EXPECT_DOUBLE_EQ(BearingBetween(0, 0, 10, 0), 90);
  EXPECT_DOUBLE_EQ(BearingBetween(0, 0, 0, 10), 180);
  EXPECT_DOUBLE_EQ(BearingBetween(0, 0, -10, 0), 270);
  EXPECT_NEAR(BearingBetween(0, 0, 10, -10), 45, 1e-9);
  EXPECT_NEAR(BearingBetween(0, 0, 10, 10), 135, 1e-9);
  EXPECT_NEAR(BearingBetween(0, 0, -10, 10), 225, 1e-9);
  EXPECT_NEAR(BearingBetween(0, 0, -10, -10), 315, 1e-9);
  // Off the diagonal, to tell atan(dx/dy) from atan(dy/dx).
  EXPECT_NEAR(BearingBetween(0, 0, 10, -20), std::atan(0.5) * 180 / M_PI, 1e-9);
  EXPECT_NEAR(BearingBetween(0, 0, 20, 10), 90 + std::atan(0.5) * 180 / M_PI, 1e-9);
}

TEST(Bearing, SameSpotIsZeroAndTargetIsTakenOneFrameAhead) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 100, 100);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 100, 100);
  EXPECT_EQ(Bearing(a, b), 0);
  b.Y = 90;
  b.VX = 10;  // next frame it is up and to the right
  EXPECT_NEAR(Bearing(a, b), 45, 1e-9);
}

TEST(Distance, UsesPositionsRoundedToWholePixels) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 0.4, 0);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 3.4, 4.5);  // rounds to (3, 4): halves go to even
  EXPECT_DOUBLE_EQ(ObjectDistance(a, b), 5);
}

class Turning : public ::testing::Test {
protected:
  TObjectList List;
  TGameObject& Ship = Place(List, "ship", KIND_SHIP, 1, 400, 300);
  TGameObject& Target = Place(List, "target", KIND_SHIP, 2, 400, 300);
  void PutTargetAt(double bearingDeg) {
    Target.X = Round(400 + 100 * std::sin(bearingDeg * M_PI / 180));
    Target.Y = Round(300 - 100 * std::cos(bearingDeg * M_PI / 180));
  }
};

TEST_F(Turning, TurnsTheShorterWayAndWrapsBelowZero) {
  Ship.TurnRate = 2;
  Ship.Heading = 1;
  PutTargetAt(300);  // counter-clockwise is shorter, past 0
  TurnToward(Ship, &Target, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 254);
  Ship.Heading = 0.0 / 1.411;
  PutTargetAt(90);
  TurnToward(Ship, &Target, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 2);
}

TEST_F(Turning, SnapsOntoTheBearingWhenClose) {
  Ship.TurnRate = 2;
  Ship.Heading = 0;
  PutTargetAt(14);  // after one step of 2.8 degrees about 11 remain: less than TurnRate + 10
  TurnToward(Ship, &Target, false);
  EXPECT_NEAR(Ship.Heading * 1.411, Bearing(Ship, Target), 1e-9);
  Ship.Heading = 0;
  PutTargetAt(40);
  TurnToward(Ship, &Target, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 2);
}

TEST_F(Turning, AwayEvadeStarbaseAndNoTarget) {
  Ship.TurnRate = 1;
  Ship.Heading = 0;
  PutTargetAt(180);  // turning away from a target behind means already facing the right way
  TurnToward(Ship, &Target, true);
  EXPECT_DOUBLE_EQ(Ship.Heading, 0);

  Ship.PilotMode = 2;
  Ship.EvadeHeading = 90;  // degrees, whatever the target
  TurnToward(Ship, &Target, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 1);

  Ship.PilotMode = 0;
  TurnToward(Ship, nullptr, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 1);

  Ship.Starbase = true;
  TurnToward(Ship, &Target, false);
  EXPECT_DOUBLE_EQ(Ship.Heading, 1);
}

TEST(SpeedLimit, ClampsEachAxisAndSparesWeaponObjects) {
  TGameObject ship(KIND_SHIP, 0, 0, 0, 0);
  ship.VX = 5;
  ship.VY = -5;
  LimitSpeed(ship, 1);
  EXPECT_EQ(ship.VX, 3);  // per axis: a limit by magnitude would give 2.12 each
  EXPECT_EQ(ship.VY, -3);
  ship.VX = 12;
  LimitSpeed(ship, 3);
  EXPECT_EQ(ship.VX, 9);

  ship.VX = 12;
  ship.FreeSpeedFrames = 1;
  LimitSpeed(ship, 1);
  EXPECT_EQ(ship.VX, 12);

  TGameObject shot(KIND_WEAPON, 20, 0, 0, 0);
  LimitSpeed(shot, 1);
  EXPECT_DOUBLE_EQ(shot.VY, -20);
}

TEST(SpeedLimit, PlanetNeverMovesAndStoppedAsteroidRestarts) {
  TGameObject planet(KIND_PLANET, 0, 0, 0, 0);
  planet.VX = 0.5;
  planet.VY = -2;
  planet.FreeSpeedFrames = 5;
  LimitSpeed(planet, 1);
  EXPECT_EQ(planet.VX, 0);
  EXPECT_EQ(planet.VY, 0);

  RandSeed(11);
  bool moved = false;
  for (int i = 0; i < 50; ++i) {
    TGameObject rock(KIND_ASTEROID, 0, 0, 0, 0);
    rock.VX = rock.VY = 0;
    LimitSpeed(rock, 3);
    // random 0..8 minus (random 0..8 div 2)
    EXPECT_GE(rock.VX, -4);
    EXPECT_LE(rock.VX, 8);
    EXPECT_GE(rock.VY, -4);
    EXPECT_LE(rock.VY, 8);
    moved = moved || rock.VX != 0 || rock.VY != 0;
  }
  EXPECT_TRUE(moved);
  TGameObject drifting(KIND_ASTEROID, 0, 0, 0, 0);
  drifting.VX = 0;
  drifting.VY = 1;
  LimitSpeed(drifting, 1);
  EXPECT_EQ(drifting.VX, 0);
}

class Gravity : public ::testing::Test {
protected:
  TObjectList List;
  TGameObject& Ship = Place(List, "ship", KIND_SHIP, 1, 400, 400);
  TGameObject& Mine = Place(List, "mine", KIND_WEAPON, 2, 400, 300);  // 100 above the ship
  void SetUp() override {
    Mine.Age = 2;
    Mine.Activation = 1;
  }
};

TEST_F(Gravity, PullsOnlyAboveTheThreshold) {
  Mine.GravForce = 9;  // 9 / (10 x 10) = 0.09: not above the threshold
  ApplyGravityAndMove(List, 1);
  EXPECT_EQ(Ship.VY, 0);
  Mine.GravForce = 10;  // 0.1
  ApplyGravityAndMove(List, 1);
  EXPECT_NEAR(Ship.VX, 0, 1e-12);
  EXPECT_NEAR(Ship.VY, -0.1, 1e-12);
  EXPECT_NEAR(Ship.Y, 400 - 0.1, 1e-12);  // moved by the new velocity in the same pass
}

TEST_F(Gravity, ZoomCountsTwiceInThePull) {
  Ship.Y = 1200;
  Mine.Y = 900;
  Ship.X = Mine.X = 1200;
  Mine.GravForce = 10;  // distance 300: g = 10 / (sqrt(300) x 10) x 3, applied x 3 again
  ApplyGravityAndMove(List, 3);
  EXPECT_NEAR(Ship.VY, -10 / (std::sqrt(300.0) * 10) * 3 * 3, 1e-12);
}

TEST_F(Gravity, SourceMustBeActiveButThePlanetPullsFromTheStart) {
  Mine.GravForce = 100;
  Mine.Age = 1;  // not yet past its activation
  ApplyGravityAndMove(List, 1);
  EXPECT_EQ(Ship.VY, 0);

  Mine.GravForce = 0;
  TGameObject& planet = Place(List, "planet", KIND_PLANET, 0, 400, 500);
  planet.GravForce = 100;
  ApplyGravityAndMove(List, 1);
  EXPECT_GT(Ship.VY, 0);
  EXPECT_EQ(planet.VY, 0);
  EXPECT_EQ(planet.Y, 500);
}

TEST_F(Gravity, RocksStarbasesAndRemovedObjectsAreNotPulled) {
  Mine.GravForce = 100;
  TGameObject& rock = Place(List, "rock", KIND_ASTEROID, 0, 300, 300);
  rock.VX = rock.VY = 0;
  Ship.Starbase = true;
  TGameObject& wreck = Place(List, "wreck", KIND_SHIP, 1, 500, 300, 1, 1);
  wreck.Removed = true;
  ApplyGravityAndMove(List, 1);
  EXPECT_EQ(rock.VX, 0);
  EXPECT_EQ(Ship.VY, 0);
  EXPECT_EQ(wreck.VX, 1);
  EXPECT_EQ(wreck.X, 500);  // removed objects do not move either
}

TEST_F(Gravity, ObjectOnTheSourceItselfStaysFinite) {
  Mine.GravForce = 100;
  Ship.Y = 300;
  ApplyGravityAndMove(List, 1);
  EXPECT_TRUE(std::isfinite(Ship.VX) && std::isfinite(Ship.VY));
  EXPECT_EQ(Ship.VY, 0);
}
