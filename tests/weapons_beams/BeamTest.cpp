// The beams: reach, what a beam meets first, the running cost, damage and its variants, turret
// aiming, the two-beam classes and the drawing.
#include <gtest/gtest.h>

#include "BeamBattle.h"
#include "core/Numbers.h"
#include "weapons/Beams.h"

namespace sw::test {
namespace {

class Beam : public ::testing::Test {
protected:
  TBeamBattle B;
  TGameObject& Ship = B.Ship("player1ship", 1, 400, 300);  // heading 0: the beam runs up the screen
  TWeaponDefinition D = [] {
    TWeaponDefinition d = Def("BEAM_WEAPON");
    d.ProjectileSpeed = 100;
    d.PrimalDamage = 4;
    d.EnergyUsage = 2;
    d.ReloadTime = 5;
    d.BeamType = 1;
    return d;
  }();
  template <typename T = TBeamWeapon>
  std::unique_ptr<T> Make() {
    auto w = std::make_unique<T>(&Ship, "player1ship", D, &B);
    w->Fire(0);
    return w;
  }
  void SetUp() override { RandSeed(3); }
};

TEST_F(Beam, ReachesZoomTimesItsSpeedStraightAhead) {
  B.ZoomFactor = 3;
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(w->LastEnd.X, 400);
  EXPECT_DOUBLE_EQ(w->LastEnd.Y, 300 - 300);
  Ship.Heading = 255.0 / 4;  // a quarter turn: to the right
  w->FrameEffect();
  EXPECT_NEAR(w->LastEnd.X, 700, 1);
  EXPECT_NEAR(w->LastEnd.Y, 300, 2);
}

TEST_F(Beam, StopsAtTheNearestThingOnItsLineAndHurtsOnlyThat) {
  TGameObject& far = B.Ship("far", 2, 403, 220);
  TGameObject& near = B.Ship("near", 2, 398, 260);
  TGameObject& beside = B.Ship("beside", 2, 420, 240);  // its box ends short of the line
  TGameObject& beyond = B.Ship("beyond", 2, 400, 180);  // past the reach
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(near.Structure, 46);
  EXPECT_DOUBLE_EQ(far.Structure, 50);
  EXPECT_DOUBLE_EQ(beside.Structure, 50);
  EXPECT_DOUBLE_EQ(beyond.Structure, 50);
  // It ends where the line passes closest to the centre of what it hit.
  EXPECT_DOUBLE_EQ(w->LastEnd.X, 400);
  EXPECT_DOUBLE_EQ(w->LastEnd.Y, 260);
}

TEST_F(Beam, AnAsteroidInFrontShieldsTheShipBehindAndTakesNoHarm) {
  TGameObject& rock = B.Add("rock", KIND_ASTEROID, 0, 402, 270);
  rock.Structure = 7;
  TGameObject& foe = B.Ship("foe", 2, 400, 240);
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Structure, 50);
  EXPECT_DOUBLE_EQ(rock.Structure, 7);
  EXPECT_DOUBLE_EQ(w->LastEnd.Y, 270);
}

TEST_F(Beam, PaysEveryFrameAndSwitchesOffWhenItCannotAndNeedsAFreshPress) {
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  Ship.Energy = 5;
  auto w = Make();
  EXPECT_DOUBLE_EQ(Ship.Energy, 5) << "switching on costs nothing";
  w->FrameEffect();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(Ship.Energy, 1);
  EXPECT_DOUBLE_EQ(foe.Structure, 42);
  EXPECT_EQ(B.CountSounds("fire"), 2) << "the sound starts again every frame";
  w->FrameEffect();  // 1 energy left, 2 needed
  EXPECT_FALSE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Energy, 1);
  EXPECT_DOUBLE_EQ(foe.Structure, 42);
  EXPECT_EQ(B.CountSounds("fire"), 2);
  Ship.Energy = 40;
  w->Fire(0);
  EXPECT_FALSE(w->Active) << "the reload time runs from the last switch-on";
  w->ReloadCounter = 5;
  w->Fire(0);
  EXPECT_TRUE(w->Active);
  w->Fire(1);
  EXPECT_FALSE(w->Active) << "letting go of the key switches it off";
  w->ReloadCounter = 5;
  w->Fire(1);
  EXPECT_FALSE(w->Active) << "a key release never switches a beam on";
}

TEST_F(Beam, ALivingShipPaysWithHullButKeepsATenthOfItsFullHull) {
  Ship.Organic = true;
  Ship.MaxStructure = 50;
  Ship.Structure = 8;
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(Ship.Structure, 6);
  EXPECT_TRUE(w->Active);
  w->FrameEffect();  // 5 + 2 > 6
  EXPECT_FALSE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Structure, 6);
}

TEST_F(Beam, DegradingBeamHitsForHalfAtHalfItsReach) {
  D.Degrading = true;
  D.PrimalDamage = 10;
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  Make()->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Structure, 45);
}

TEST_F(Beam, ShieldsVampiresAndDrains) {
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  {
    // A kind-1 shield takes the hit from the energy banks, the rest from the hull.
    foe.DeviceOn = true;
    foe.ShieldKind = 1;
    foe.Energy = 3;
    Make()->FrameEffect();
    EXPECT_DOUBLE_EQ(foe.Energy, 0);
    EXPECT_DOUBLE_EQ(foe.Structure, 49);
    // A kind-2 shield drinks the beam, up to full banks.
    foe.ShieldKind = 2;
    foe.Energy = 38;
    Make()->FrameEffect();
    EXPECT_DOUBLE_EQ(foe.Energy, 40);
    EXPECT_DOUBLE_EQ(foe.Structure, 49);
    foe.DeviceOn = false;
  }
  {
    D.Vampiric = true;
    D.EnergyDrain = true;
    D.SecondDamage = 3;
    Ship.Structure = 30;
    foe.Energy = 10;
    Make()->FrameEffect();
    EXPECT_DOUBLE_EQ(foe.Structure, 45);
    EXPECT_DOUBLE_EQ(Ship.Structure, 34) << "the firer gains what the beam took";
    EXPECT_DOUBLE_EQ(foe.Energy, 7);
    foe.Structure = 2.5;  // less left than the beam's damage
    Make()->FrameEffect();
    EXPECT_DOUBLE_EQ(Ship.Structure, 36.5);
    Ship.Structure = 49;
    foe.Structure = 30;
    Make()->FrameEffect();
    EXPECT_DOUBLE_EQ(Ship.Structure, 50) << "never above the full hull";
  }
}

TEST_F(Beam, WearsDownAWeaponObjectUntilItEnds) {
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 400, 250);
  shot.Structure = 6;
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(shot.Structure, 2);
  EXPECT_EQ(shot.Age, 0);
  w->FrameEffect();
  EXPECT_EQ(shot.Age, shot.LifeSpan);
}

TEST_F(Beam, TurretAimsAtTheEnemyInItsArcAndFallsShortBeyondReach) {
  D.Turret = true;
  D.WeaponArc = 90;
  TGameObject& foe = B.Ship("foe", 2, 400 + 110, 300);  // 10 beyond reach, to the right
  B.Enemy = &foe;
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Structure, 50) << "out of arc: the beam runs straight ahead";
  EXPECT_DOUBLE_EQ(w->LastEnd.Y, 200);
  Ship.Heading = 255.0 / 4;
  w->FrameEffect();
  EXPECT_NEAR(w->LastEnd.X, 500, 1e-9);
  EXPECT_NEAR(w->LastEnd.Y, 300, 1e-9);
  EXPECT_DOUBLE_EQ(foe.Structure, 50);
  foe.X = 490;
  foe.Y = 320;
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(w->LastEnd.X, 490);
  EXPECT_DOUBLE_EQ(w->LastEnd.Y, 320);
  EXPECT_DOUBLE_EQ(foe.Structure, 46);
}

TEST_F(Beam, AssimilatorTurnsEnemyCrewIntoBoardersAndHurtsNothing) {
  D.PrimalDamage = 100;  // sure to convert
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  auto w = Make<TAssimilatorBeam>();
  w->FrameEffect();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Crew, 8);
  EXPECT_EQ(foe.Boarders, 2);
  EXPECT_DOUBLE_EQ(foe.Structure, 50);
  foe.Side = 1;
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Crew, 8) << "a friend's crew stays loyal";
  D.PrimalDamage = 0;
  foe.Side = 2;
  Make<TAssimilatorBeam>()->FrameEffect();
  EXPECT_EQ(foe.Boarders, 2) << "no chance, no convert";
}

TEST_F(Beam, DualBeamsMeetAheadAndEachStopsAtWhatItMeets) {
  B.Sizes[&Ship] = 40;  // emitters 20 pixels to each side
  TGameObject& foe = B.Ship("foe", 2, 390, 250);  // on the left beam's path only
  auto w = Make<TDualBeam>();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(w->LastEnd2.X, 400);
  EXPECT_DOUBLE_EQ(w->LastEnd2.Y, 200) << "the right beam reaches the meeting point";
  EXPECT_NEAR(w->LastEnd.X, 390, 1);
  EXPECT_NEAR(w->LastEnd.Y, 250, 1);
  EXPECT_DOUBLE_EQ(foe.Structure, 46);
  EXPECT_DOUBLE_EQ(Ship.Energy, 38) << "one cost for the pair";
}

TEST_F(Beam, DoubleBeamsRunParallelTwoPixelsEachSide) {
  B.ZoomFactor = 3;
  auto w = Make<TDoubleBeam>();
  w->FrameEffect();
  EXPECT_NEAR(w->LastEnd.X, 394, 1e-9);
  EXPECT_NEAR(w->LastEnd2.X, 406, 1e-9);
  EXPECT_NEAR(w->LastEnd.Y, 0, 1e-9);
  EXPECT_NEAR(w->LastEnd2.Y, 0, 1e-9);
}

TEST_F(Beam, IsDrawnOnTheBattleSurfaceUnderTheCameraOrNotAtAllForAnUnknownStyle) {
  B.Surface = std::make_unique<TSurface>(800, 600);
  B.CameraAt = {100, 50};
  D.BeamColor = 0x00FF00;
  auto w = Make();
  w->FrameEffect();
  const uint16_t green = ColorTo565(0x00FF00);
  EXPECT_EQ(B.Surface->Get(300, 200), green) << "world (400, 250) is at screen (300, 200)";
  EXPECT_NE(B.Surface->Get(400, 250), green);
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  B.Surface->Fill(0);
  D.BeamType = 9;
  Make()->FrameEffect();
  for (uint16_t p : B.Surface->Pixels) ASSERT_EQ(p, 0);
  EXPECT_DOUBLE_EQ(foe.Structure, 46) << "an unseen beam still burns";
}

TEST_F(Beam, TeslaTurretIsOnlyTurnedOnShips) {
  D.AIFireChance = 100;
  D.LifeSpan = 30;
  D.Turret = true;
  auto w = Make<TTeslaTurret>();
  TGameObject& foe = B.Ship("foe", 2, 400, 250);
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 400, 250);
  EXPECT_TRUE(w->WantsToFire(&foe, 50, 0));
  EXPECT_FALSE(w->WantsToFire(&shot, 50, 0));
  EXPECT_FALSE(w->WantsToFire(nullptr, 50, 0));
  TBeamWeapon plain(&Ship, "player1ship", D, &B);
  EXPECT_TRUE(plain.WantsToFire(&shot, 50, 0));
}

}  // namespace
}  // namespace sw::test
