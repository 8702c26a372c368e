// How the computer steers and thrusts: facing or fleeing its target, thrust only once the ship
// points the way it wants to go, the rammer, and what it aims at when no enemy ship is left.
#include <gtest/gtest.h>

#include <cmath>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"
#include "core/Numbers.h"

namespace sw::pilottest {
namespace {

double Degrees(const TGameObject& s) { return s.Heading * DEGREES_PER_UNIT; }
double HeadingUnits(double degrees) { return degrees / DEGREES_PER_UNIT; }

// A gun ship on side 1 at the centre and an enemy straight to its right.
struct TDuel {
  TPilotBattle Battle;
  TGameObject& Me;
  TGameObject& Foe;
  TProbe& Gun;
  TDuel(double distance, double headingDegrees, int gunReach = 0)
      : Me(Battle.Ship("player1ship", 1, 400, 300, HeadingUnits(headingDegrees))),
        Foe(Battle.Ship("player2ship", 2, 400 + distance, 300)),
        Gun(Arm(Me, Battle, 1, Reaching(gunReach))) {
    Empty(Me, Battle, 2);
  }
  void Frames(int n) {
    for (int i = 0; i < n; ++i) FlyComputerShip(Battle, Me);
  }
  void Retreat() { Me.Energy = 1; }  // under a twentieth of its banks
};

TEST(RetreatingShip, FacesItsEnemyFromAHundredPixelsOnAndTurnsAwayCloser) {
  {
    TDuel d(150, 0);
    d.Retreat();
    d.Frames(40);
    EXPECT_EQ(d.Me.PilotMode, 1);
    EXPECT_EQ(Round(Degrees(d.Me)), 90) << "faces the enemy 150 pixels off";
    EXPECT_EQ(d.Me.VX, 0);
    EXPECT_EQ(d.Me.VY, 0) << "facing the enemy, it does not fly at it";
  }
  {
    TDuel d(100, 0);
    d.Retreat();
    d.Frames(40);
    EXPECT_EQ(Round(Degrees(d.Me)), 90) << "100 pixels still counts as far enough";
  }
  {
    TDuel d(99, 0);
    d.Retreat();
    d.Frames(40);
    EXPECT_EQ(Round(Degrees(d.Me)), 270) << "turns its back 99 pixels off";
    EXPECT_LT(d.Me.VX, -1) << "and flies away";
    EXPECT_NEAR(d.Me.VY, 0, 0.1);
  }
  {
    // Three times the distance at the close view is the same 99 pixels.
    TDuel d(297, 0);
    d.Battle.ZoomFactor = 3;
    d.Retreat();
    d.Frames(40);
    EXPECT_EQ(Round(Degrees(d.Me)), 270);
  }
}

TEST(RetreatingShip, ThrustsAwayOnlyWithinThreeHundredPixels) {
  // A ship that cannot turn, already pointing away from its enemy.
  for (double distance : {250.0, 299.0, 300.0, 400.0}) {
    TDuel d(distance, 270);
    d.Me.TurnRate = 0;
    d.Retreat();
    d.Frames(1);
    EXPECT_EQ(Round(Degrees(d.Me)), 270);
    if (distance < 300)
      EXPECT_LT(d.Me.VX, 0) << distance;
    else
      EXPECT_EQ(d.Me.VX, 0) << distance;
  }
}

TEST(RetreatingShip, WithATeleporterJumpsInsteadOfFlyingWithinThreeHundred) {
  for (double distance : {50.0, 350.0}) {
    TDuel d(distance, 270);
    TProbe& jump = Arm(d.Me, d.Battle, 2);
    jump.IsTeleporter = true;
    d.Retreat();
    d.Frames(1);
    EXPECT_EQ(jump.Fired, distance < 300 ? 1 : 0) << distance;
    EXPECT_EQ(d.Me.VX, 0) << "a jumper never flies away";
  }
}

TEST(AttackingShip, NeverThrustsWhileItsRoundedHeadingDiffersFromTheBearing) {
  TDuel d(300, 0);
  d.Me.TurnRate = 2;
  int thrusts = 0, framesBeforeFirstThrust = 0;
  for (int frame = 0; frame < 80; ++frame) {
    const double vx = d.Me.VX, vy = d.Me.VY;
    d.Frames(1);
    if (d.Me.VX != vx || d.Me.VY != vy) {
      ++thrusts;
      EXPECT_EQ(Round(Degrees(d.Me)), 90) << "thrust on frame " << frame;
    } else if (thrusts == 0) {
      ++framesBeforeFirstThrust;
    }
    // The foe stays put; the ship stays put too, so the bearing stays 90.
  }
  EXPECT_GT(framesBeforeFirstThrust, 20) << "a slow ship turns first";
  EXPECT_GT(thrusts, 40) << "and then flies at its target";
  EXPECT_GT(d.Me.VX, 0);
}

TEST(AttackingShip, HoldsItsDistanceOnceAWeaponCanHit) {
  TDuel inReach(200, 90, 200);
  inReach.Frames(5);
  EXPECT_EQ(inReach.Me.VX, 0);
  TDuel outOfReach(200, 90, 199);
  outOfReach.Frames(5);
  EXPECT_GT(outOfReach.Me.VX, 0);
  // A weapon that does no damage is no reason to stop.
  TDuel harmless(200, 90, 400);
  harmless.Gun.DamagingWeapon = false;
  harmless.Frames(5);
  EXPECT_GT(harmless.Me.VX, 0);
}

TEST(AttackingShip, FiresEachWeaponThatWantsTo) {
  TDuel d(200, 90, 400);
  TProbe& second = Arm(d.Me, d.Battle, 2, Reaching(400));
  d.Gun.Want = true;
  d.Frames(3);
  EXPECT_EQ(d.Gun.Fired, 3);
  EXPECT_EQ(second.Asked, 3);
  EXPECT_EQ(second.Fired, 0);
}

TEST(Rammer, SetsOffAtOneEngineStepOnceItPointsAtItsTarget) {
  TPilotBattle b;
  TGameObject& me = b.Ship("player1ship", 1, 400, 300, HeadingUnits(90));
  b.Ship("player2ship", 2, 600, 300);
  Empty(me, b, 1);
  Empty(me, b, 2);
  me.VX = 2;
  me.VY = 2;
  FlyComputerShip(b, me);
  EXPECT_NEAR(me.VX, 0.5, 0.01) << "the velocity is set, not added to";
  EXPECT_NEAR(me.VY, 0, 0.01);

  TGameObject& slow = b.Ship("side1ship2", 1, 400, 500, 0);
  slow.TurnRate = 1;
  Empty(slow, b, 1);
  Empty(slow, b, 2);
  slow.VY = 2;
  FlyComputerShip(b, slow);
  EXPECT_EQ(slow.VY, 2) << "still turning: no thrust";
  EXPECT_GT(slow.Heading, 0);
}

// Every kind of pilot, for the target tests.
void Equip(TPilotBattle& b, TGameObject& s, TPilotKind kind) {
  TProbe& w1 = Arm(s, b, 1, Reaching(50));
  if (kind == TPilotKind::Rammer) return Empty(s, b, 1), Empty(s, b, 2);
  TProbe& w2 = Arm(s, b, 2, Reaching(50));
  w1.Want = w2.Want = true;
  switch (kind) {
    case TPilotKind::CloakA: w2.IsCloak = true, s.CloakClass = 0; break;
    case TPilotKind::CloakB: w2.IsCloak = true, s.CloakClass = 1; break;
    case TPilotKind::Shield: w2.IsShield = true; break;
    case TPilotKind::CrewKeeper: w2.IsRepair = true; break;
    default: break;
  }
}

const TPilotKind AllPilots[] = {TPilotKind::Rammer, TPilotKind::General, TPilotKind::CloakA,
                                TPilotKind::CloakB, TPilotKind::Shield, TPilotKind::CrewKeeper};

TEST(PilotTarget, FallsBackToTheNearestAsteroid) {
  for (TPilotKind kind : AllPilots) {
    TPilotBattle b;
    TGameObject& me = b.Ship("player1ship", 1, 400, 300, 0);
    Equip(b, me, kind);
    ASSERT_EQ(ChoosePilot(me).Kind, kind);
    b.Rock(400, 100);  // straight ahead, farther
    b.Rock(500, 300);  // to the right, nearer
    FlyComputerShip(b, me);
    EXPECT_GT(me.Heading, 0) << "turns right, toward the nearer rock; pilot " << static_cast<int>(kind);
  }
}

TEST(PilotTarget, WithNothingToFightTheShipIsLeftAlone) {
  for (TPilotKind kind : AllPilots) {
    TPilotBattle b;
    TGameObject& me = b.Ship("player1ship", 1, 400, 300, 10);
    Equip(b, me, kind);
    me.Energy = 1;
    me.Crew = 1;
    me.VX = 1;
    b.Ship("side1ship2", 1, 500, 300);  // a friend
    b.Planet(400, 200);                  // dead ahead, but no reason to move
    FlyComputerShip(b, me);
    EXPECT_EQ(me.Heading, 10);
    EXPECT_EQ(me.VX, 1);
    EXPECT_EQ(me.VY, 0);
    EXPECT_EQ(me.PilotMode, 0);
    EXPECT_EQ(me.EvadeFrames, 0);
    for (TWeapon* w : {me.Weapon1.get(), me.Weapon2.get()})
      if (auto* p = dynamic_cast<TProbe*>(w)) {
        EXPECT_EQ(p->Asked, 0) << static_cast<int>(kind);
        EXPECT_EQ(p->Fired, 0) << static_cast<int>(kind);
      }
  }
}

}  // namespace
}  // namespace sw::pilottest
