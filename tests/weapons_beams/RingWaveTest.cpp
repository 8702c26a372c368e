// The ring waves: how far each ring reaches frame by frame, what it does to what it reaches, how
// it ends, and when the computer pilot starts one.
#include <gtest/gtest.h>

#include <cmath>

#include "BeamBattle.h"
#include "core/Numbers.h"
#include "weapons/RingWaves.h"

namespace sw::test {
namespace {

class Wave : public ::testing::Test {
protected:
  TBeamBattle B;
  TGameObject& Ship = B.Ship("player1ship", 1, 400, 300);
  TWeaponDefinition D = [] {
    TWeaponDefinition d = Def("SHOCKWAVE");
    d.LifeSpan = 40;
    d.EnergyUsage = 10;
    d.PrimalDamage = 2;
    d.FireImageCounter = 6;
    return d;
  }();
  template <typename T>
  std::unique_ptr<T> Make() {
    return std::make_unique<T>(&Ship, "player1ship", D, &B);
  }
  // Runs the wave's frames until it ends; returns how many it drew.
  template <typename T>
  int RunOut(T& w) {
    int frames = 0;
    while (w.Active && frames < 1000) {
      w.FrameEffect();
      ++frames;
    }
    return frames;
  }
  void SetUp() override { RandSeed(9); }
};

TEST_F(Wave, ShockWaveRunsTwentyFramesOutToFortyOneTimesTheZoomAndEndsEveryShotItReaches) {
  B.ZoomFactor = 3;
  TGameObject& own = B.Add("ownshot", KIND_WEAPON, 1, 400 + 123, 300);   // reached on the last frame
  TGameObject& outside = B.Add("far", KIND_WEAPON, 2, 400 + 124, 300);
  Ship.DeviceOn = true;
  Ship.ShieldKind = 1;
  auto w = Make<TShockGen>();
  w->Fire(0);
  EXPECT_TRUE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  EXPECT_EQ(Ship.FireImageFrames, 6);
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30) << "one wave at a time";
  EXPECT_EQ(RunOut(*w), 21);  // 20 drawn, then the frame that ends it
  ASSERT_EQ(B.Rings.size(), 20u);
  EXPECT_EQ(B.Rings.front().Size, 2 * 3 * 1);
  EXPECT_EQ(B.Rings[1].Size, 2 * 3 * 3);
  EXPECT_EQ(B.Rings.back().Size, 2 * 3 * 39);
  EXPECT_EQ(B.Rings.back().Color, 0x484848u);
  EXPECT_EQ(B.Rings.back().Step, 3);
  EXPECT_EQ(own.Age, own.LifeSpan) << "its own shots are not spared";
  EXPECT_EQ(outside.Age, 0);
  EXPECT_FALSE(Ship.DeviceOn) << "the shield state is cleared at the end";
  EXPECT_EQ(Ship.ShieldKind, 0);
}

TEST_F(Wave, CannotStartWithoutPayingAndNeverOnAKeyRelease) {
  Ship.Energy = 9;
  auto w = Make<TShockGen>();
  w->Fire(0);
  EXPECT_FALSE(w->Active);
  EXPECT_TRUE(B.Sounds.empty());
  Ship.Energy = 40;
  w->Fire(1);
  EXPECT_FALSE(w->Active);
}

TEST_F(Wave, MirrorTurnsEnemyShotsRoundAndHandsThemOverOnce) {
  TGameObject& missile = B.Add("missile", KIND_WEAPON, 2, 420, 300);
  missile.Heading = 45 / DEGREES_PER_UNIT;
  missile.VX = 2;
  missile.VY = -2;
  TGameObject& own = B.Add("own", KIND_WEAPON, 1, 410, 300);
  own.VX = 1;
  TGameObject& wreck = B.Add("wreck", KIND_WEAPON, 2, 405, 300);  // a ship in its explosion
  wreck.Weapon1 = std::make_unique<TShockGen>(&wreck, "wreck", D, &B);
  TGameObject& foeShip = B.Ship("foe", 2, 402, 300);
  auto w = Make<TMirrorField>();
  w->Fire(0);
  RunOut(*w);
  EXPECT_EQ(missile.Side, 1);
  EXPECT_NEAR(missile.Heading * DEGREES_PER_UNIT, 225, 1e-9);
  EXPECT_DOUBLE_EQ(missile.VX, -2) << "turned once, not once per frame";
  EXPECT_DOUBLE_EQ(missile.VY, 2);
  EXPECT_DOUBLE_EQ(own.VX, 1);
  EXPECT_EQ(wreck.Side, 2) << "a wreck keeps its side for the outcome";
  EXPECT_EQ(foeShip.Side, 2);
  EXPECT_EQ(B.Rings.front().Color, 0x690091u);
  EXPECT_EQ(B.Rings[1].Size - B.Rings[0].Size, 8) << "steps of 4";
}

TEST_F(Wave, IonicWaveStunsEnemyShipsOnly) {
  D.PrimalDamage = 25;
  TGameObject& foe = B.Ship("foe", 2, 430, 300);
  foe.Age = 7;
  foe.StunFrames = 100;
  TGameObject& mate = B.Ship("mate", 1, 420, 300);
  auto w = Make<TIonicWave>();
  w->Fire(0);
  RunOut(*w);
  EXPECT_EQ(foe.StunFrames, 25) << "set, not added";
  EXPECT_EQ(foe.Age, 0);
  EXPECT_EQ(mate.StunFrames, 0);
  EXPECT_DOUBLE_EQ(foe.Structure, 50);
}

TEST_F(Wave, RageHoldsItsShipStillHurtsAllAroundAndDestroysItsShip) {
  D.PrimalDamage = 1;
  D.LifeSpan = 9;  // k = 1, 5: two frames of ring reaching 5 then 9 pixels
  TGameObject& foe = B.Ship("foe", 2, 407, 300);
  TGameObject& mate = B.Ship("mate", 1, 400, 304);
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 403, 300);
  shot.Structure = 2;
  Ship.VX = 3;
  auto w = Make<TRageDevice>();
  w->Fire(0);
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(Ship.VX, 0);
  EXPECT_DOUBLE_EQ(mate.Structure, 49) << "friends are not spared";
  EXPECT_DOUBLE_EQ(foe.Structure, 50) << "not reached yet";
  EXPECT_DOUBLE_EQ(shot.Structure, 1);
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Structure, 49);
  EXPECT_DOUBLE_EQ(mate.Structure, 48) << "hit again on every frame inside the ring";
  EXPECT_EQ(shot.Age, shot.LifeSpan);
  EXPECT_DOUBLE_EQ(Ship.Structure, 50) << "its own ship is not hurt by the ring";
  w->FrameEffect();
  EXPECT_FALSE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Structure, 0);
}

TEST_F(Wave, RageEndsItsShipEvenWithNobodyAround) {
  auto w = Make<TRageDevice>();
  w->Fire(0);
  RunOut(*w);
  EXPECT_DOUBLE_EQ(Ship.Structure, 0);
}

TEST_F(Wave, RepulserPushesAwayAndLoosensEverythingButPlanetsAndStations) {
  TGameObject& rock = B.Add("rock", KIND_ASTEROID, 0, 430, 300);
  rock.Age = 4;
  TGameObject& foe = B.Ship("foe", 2, 400, 270);
  TGameObject& planet = B.Add("planet", KIND_PLANET, 0, 380, 300);
  TGameObject& station = B.Ship("station", 2, 400, 330);
  station.Starbase = true;
  TGameObject& drifting = B.Add("drift", KIND_WEAPON, 2, 370, 300);
  drifting.GravityAffected = false;
  D.LifeSpan = 6;  // one frame reaching 5: nothing but the ship itself
  auto w = Make<TRepulser>();
  w->Fire(0);
  w->FrameEffect();
  EXPECT_EQ(Ship.PendingTurn, 5);
  EXPECT_EQ(Ship.FreeSpeedFrames, 1);
  EXPECT_DOUBLE_EQ(Ship.VX, 0) << "a ship at rest has no away to be pushed to";
  EXPECT_DOUBLE_EQ(Ship.VY, 0);
  D.LifeSpan = 40;
  auto big = Make<TRepulser>();
  big->Fire(0);
  RunOut(*big);
  EXPECT_GT(rock.VX, 0) << "the rock on the right is pushed further right";
  EXPECT_NEAR(rock.VY, 0, 0.01);
  EXPECT_LT(foe.VY, 0) << "the ship above is pushed further up";
  EXPECT_NEAR(foe.VX, 0, 0.01);
  EXPECT_EQ(rock.StunFrames, 5);
  EXPECT_EQ(rock.FreeSpeedFrames, 1);
  EXPECT_DOUBLE_EQ(planet.VX, 0);
  EXPECT_EQ(planet.PendingTurn, 0);
  EXPECT_EQ(station.PendingTurn, 0);
  EXPECT_EQ(drifting.PendingTurn, 0);
}

TEST_F(Wave, EachWaveHasItsOwnReasonToStart) {
  D.AIFireChance = 100;
  D.ProjectileSpeed = 3;
  D.LifeSpan = 30;
  TGameObject& foe = B.Ship("foe", 2, 400, 200);
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 400, 200);
  auto shock = Make<TShockGen>();
  EXPECT_TRUE(shock->WantsToFire(&shot, 90, 0));
  EXPECT_FALSE(shock->WantsToFire(&shot, 91, 0)) << "InRange(LifeSpan) = 90";
  EXPECT_FALSE(shock->WantsToFire(&foe, 50, 0));
  shock->Fire(0);
  EXPECT_FALSE(shock->WantsToFire(&shot, 50, 0)) << "not while a wave runs";
  auto mirror = Make<TMirrorField>();
  EXPECT_TRUE(mirror->WantsToFire(&shot, 90, 0));
  auto ionic = Make<TIonicWave>();
  EXPECT_TRUE(ionic->WantsToFire(&foe, 180, 0));
  EXPECT_FALSE(ionic->WantsToFire(&foe, 181, 0));
  EXPECT_FALSE(ionic->WantsToFire(&shot, 10, 0));
  auto rage = Make<TRageDevice>();
  EXPECT_TRUE(rage->WantsToFire(&foe, 60, 0));
  EXPECT_FALSE(rage->WantsToFire(&foe, 61, 0)) << "LifeSpan div 3 x 2 = 20 times the speed";
  EXPECT_FALSE(rage->WantsToFire(&shot, 10, 0));
  auto repulser = Make<TRepulser>();
  EXPECT_TRUE(repulser->WantsToFire(&shot, 99, 0));
  EXPECT_FALSE(repulser->WantsToFire(&foe, 100, 0));
  B.ZoomFactor = 3;
  EXPECT_TRUE(repulser->WantsToFire(&foe, 299, 0));
  D.AIFireChance = 0;
  EXPECT_FALSE(Make<TRepulser>()->WantsToFire(&foe, 10, 0));
}

}  // namespace
}  // namespace sw::test
