// The ship devices: shields and their energy rules, disguises and their fades, the teleporter,
// the booster, repair, revival, the flesh recycler and the hand brake.
#include <gtest/gtest.h>

#include "BeamBattle.h"
#include "core/Numbers.h"
#include "weapons/Cloaks.h"
#include "weapons/Shields.h"
#include "weapons/ShipDevices.h"

namespace sw::test {
namespace {

class Device : public ::testing::Test {
protected:
  TBeamBattle B;
  TGameObject& Ship = B.Ship("player1ship", 1, 400, 300);
  TWeaponDefinition D = [] {
    TWeaponDefinition d = Def("DEVICE");
    d.EnergyUsage = 10;
    return d;
  }();
  template <typename T>
  std::unique_ptr<T> Make() {
    return std::make_unique<T>(&Ship, "player1ship", D, &B);
  }
  void SetUp() override { RandSeed(21); }
};

TEST_F(Device, GreenShieldTogglesAndFadesItsOverlay) {
  Ship.Organic = true;  // still paid from the energy banks
  auto w = Make<TGoranShield>();
  EXPECT_EQ(Ship.OverlayImage, "green_shield");
  w->Fire(0);
  EXPECT_TRUE(Ship.DeviceOn);
  EXPECT_EQ(Ship.ShieldKind, 1);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  EXPECT_DOUBLE_EQ(Ship.Structure, 50);
  EXPECT_TRUE(w->Active);
  w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 6);
  for (int i = 0; i < 17; ++i) w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 108);
  w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 120);
  for (int i = 0; i < 5; ++i) w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 120) << "stays while the shield is up";
  EXPECT_TRUE(w->Active);
  w->Fire(1);
  EXPECT_TRUE(Ship.DeviceOn) << "letting go of the key toggles nothing";
  w->Fire(0);
  EXPECT_FALSE(Ship.DeviceOn);
  EXPECT_EQ(Ship.ShieldKind, 0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30) << "lowering is free";
  EXPECT_EQ(B.CountSounds("hit"), 1);
  for (int i = 0; i < 18; ++i) w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 12);
  EXPECT_TRUE(w->Active);
  w->FrameEffect();
  EXPECT_EQ(Ship.OverlayAlpha, 0);
  EXPECT_FALSE(w->Active);
  Ship.Energy = 9;
  w->Fire(0);
  EXPECT_FALSE(Ship.DeviceOn) << "not raised without the energy";
}

TEST_F(Device, TimedShieldTurnsHitsIntoEnergyForItsLifeSpan) {
  D.LifeSpan = 45;
  D.ReloadTime = 50;
  auto w = Make<TVelorianShield>();
  w->Fire(0);
  EXPECT_TRUE(Ship.DeviceOn);
  EXPECT_EQ(Ship.ShieldKind, 2);
  EXPECT_EQ(Ship.DeviceFrames, 45);
  EXPECT_EQ(Ship.FireImageFrames, 45);
  EXPECT_FALSE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  // A hit on the shield charges the banks.
  TWeapon gun(&Ship, "x", D, &B);
  gun.PrimalDamage = 8;
  gun.ApplyHitDamage(nullptr, &Ship);
  EXPECT_DOUBLE_EQ(Ship.Energy, 38);
  EXPECT_DOUBLE_EQ(Ship.Structure, 50);
  Ship.DeviceOn = false;
  w->Fire(0);
  EXPECT_FALSE(Ship.DeviceOn) << "reloading";
  D.LifeSpan = 0;
  Make<TVelorianShield>()->Fire(0);
  EXPECT_FALSE(Ship.DeviceOn) << "a shield of no duration would never come down";
  EXPECT_DOUBLE_EQ(Ship.Energy, 38);
}

TEST_F(Device, TimedShieldIsRaisedAgainstIncomingShots) {
  D.LifeSpan = 10;
  D.ProjectileSpeed = 5;
  D.AIFireChance = 100;
  auto w = Make<TVelorianShield>();
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 400, 200);
  TGameObject& foe = B.Ship("foe", 2, 400, 200);
  EXPECT_TRUE(w->WantsToFire(&shot, 100, 0));
  EXPECT_FALSE(w->WantsToFire(&shot, 101, 0));
  EXPECT_FALSE(w->WantsToFire(&foe, 50, 0));
}

TEST_F(Device, AsteroidDisguiseFadesOutInAndHidesTheShip) {
  D.ReloadTime = 3;
  auto mask = std::make_unique<TAsteroidMask>(&Ship, "player1ship", D, &B);
  Ship.Weapon2 = std::make_unique<TWeapon>(&Ship, "player1ship", D, &B);
  EXPECT_EQ(Ship.CloakClass, 0);
  EXPECT_TRUE(mask->IsCloak);
  mask->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  for (int i = 0; i < 8; ++i) mask->FrameEffect();  // counter 2 .. 9
  EXPECT_EQ(Ship.Opacity, 55);
  EXPECT_FALSE(Ship.Cloaked);
  EXPECT_EQ(Ship.ImageName, "player1ship");
  mask->FrameEffect();  // 10
  EXPECT_TRUE(Ship.Cloaked);
  EXPECT_EQ(Ship.ImageName, "asteroid1");
  EXPECT_EQ(Ship.Opacity, 80);
  for (int i = 0; i < 10; ++i) mask->FrameEffect();  // to 20
  EXPECT_EQ(Ship.Opacity, 255);
  EXPECT_TRUE(mask->Active) << "stays on while hidden";
  // The other slot cannot reload while hidden; the disguise itself can.
  Ship.Weapon2->ReloadCounter = 50;
  mask->ReloadCounter = 3;
  mask->FrameEffect();
  EXPECT_EQ(Ship.Weapon2->ReloadCounter, 0);
  EXPECT_EQ(mask->ReloadCounter, 3);
  mask->Fire(0);  // drop it
  EXPECT_DOUBLE_EQ(Ship.Energy, 30) << "dropping is free";
  EXPECT_EQ(B.CountSounds("hit"), 1);
  for (int i = 0; i < 9; ++i) mask->FrameEffect();
  EXPECT_EQ(Ship.ImageName, "player1ship");
  EXPECT_TRUE(Ship.Cloaked) << "hidden until the fade ends";
  for (int i = 0; i < 10; ++i) mask->FrameEffect();
  EXPECT_FALSE(Ship.Cloaked);
  EXPECT_FALSE(mask->Active);
  EXPECT_EQ(Ship.Opacity, 255);
}

TEST_F(Device, AStartedFadeRunsToItsEndBeforeTheDeviceWorksAgain) {
  auto cloak = Make<TStealth>();
  cloak->Fire(0);
  for (int i = 0; i < 5; ++i) cloak->FrameEffect();
  cloak->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30) << "not paid twice";
  for (int i = 0; i < 30; ++i) {
    cloak->FrameEffect();
    ASSERT_GE(Ship.Opacity, 0);
  }
}

TEST_F(Device, CloakIsKindOneAndWearsTheGhostPicture) {
  Ship.FireImageFrames = 3;
  auto cloak = Make<TStealth>();
  EXPECT_EQ(Ship.CloakClass, 1);
  cloak->Fire(0);
  for (int i = 0; i < 9; ++i) cloak->FrameEffect();
  EXPECT_TRUE(Ship.Cloaked);
  EXPECT_EQ(Ship.ImageName, "player1ship_fr");
  EXPECT_EQ(Ship.FireImageFrames, 0) << "no firing picture on top of the ghost";
}

TEST_F(Device, TeleportDimsJumpsInsideTheArenaAndComesBackFull) {
  for (int zoom : {1, 3}) {
    B.ZoomFactor = zoom;
    Ship.X = 400;
    Ship.Y = 300;
    auto w = Make<TTeleporter>();
    EXPECT_TRUE(w->IsTeleporter);
    w->Fire(0);
    for (int i = 0; i < 9; ++i) w->FrameEffect();  // counter 10
    EXPECT_EQ(Ship.Opacity, 30);
    EXPECT_DOUBLE_EQ(Ship.X, 400);
    w->FrameEffect();  // 11: the jump
    EXPECT_TRUE(Ship.X != 400 || Ship.Y != 300);
    EXPECT_GE(Ship.X, 0);
    EXPECT_LT(Ship.X, 800 * zoom);
    EXPECT_GE(Ship.Y, 0);
    EXPECT_LT(Ship.Y, 600 * zoom);
    for (int i = 0; i < 10; ++i) w->FrameEffect();
    EXPECT_EQ(Ship.Opacity, 255);
    EXPECT_FALSE(w->Active);
  }
  // At the close view the jumps spread over the whole arena, not only its first screen.
  bool beyondFirstScreen = false;
  for (int i = 0; i < 20; ++i) {
    auto w = Make<TTeleporter>();
    Ship.Energy = 40;
    w->Fire(0);
    for (int f = 0; f < 10; ++f) w->FrameEffect();
    beyondFirstScreen |= Ship.X >= 800 || Ship.Y >= 600;
  }
  EXPECT_TRUE(beyondFirstScreen);
}

TEST_F(Device, BoosterLiftsTheSpeedLimitWhilePaidAndStopsWhenTheBanksRunDry) {
  D.EnergyUsage = 3;
  Ship.Energy = 7;
  auto w = Make<TBooster>();
  w->Fire(0);
  EXPECT_TRUE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Energy, 7) << "starting is free";
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(Ship.Energy, 4);
  EXPECT_EQ(Ship.FreeSpeedFrames, 2);
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(Ship.Energy, 1);
  w->FrameEffect();  // 1 < 3: off, and the last point goes
  EXPECT_FALSE(w->Active);
  EXPECT_DOUBLE_EQ(Ship.Energy, 0) << "the banks never go below empty";
  Ship.Energy = 30;
  w->Fire(0);
  ASSERT_TRUE(w->Active);
  w->FrameEffect();
  w->Fire(1);
  EXPECT_FALSE(w->Active);
  EXPECT_EQ(Ship.FreeSpeedFrames, 0) << "letting go restores the limit at once";
}

TEST_F(Device, BoosterIsHeldWhileThrustingAndLetGoWhenCoasting) {
  D.AIFireChance = 100;
  auto w = Make<TBooster>();
  Ship.ExhaustFrames = 0;
  EXPECT_FALSE(w->WantsToFire(nullptr, 0, 0)) << "idle and coasting";
  Ship.ExhaustFrames = 2;
  EXPECT_TRUE(w->WantsToFire(nullptr, 0, 0));
  w->Fire(0);
  EXPECT_TRUE(w->WantsToFire(nullptr, 0, 0));
  Ship.ExhaustFrames = 0;
  D.AIFireChance = 0;
  EXPECT_TRUE(w->WantsToFire(nullptr, 0, 0)) << "active and coasting";
}

TEST_F(Device, ReviverAndRepairRestoreUpToTheFullAmountForEnergy) {
  D.PrimalDamage = 4;
  D.ReloadTime = 10;
  auto revive = Make<TReviver>();
  EXPECT_TRUE(revive->IsReviver);
  revive->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 40) << "full crew: nothing happens";
  EXPECT_EQ(revive->ReloadCounter, 10);
  Ship.Crew = 7;
  revive->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Crew, 10);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  EXPECT_EQ(revive->ReloadCounter, 0);
  Ship.Crew = 2;
  revive->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Crew, 2) << "reloading";
  revive->ReloadCounter = 10;
  revive->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Crew, 6);

  auto repair = Make<TAutoRepair>();
  EXPECT_TRUE(repair->IsRepair);
  Ship.Energy = 40;
  Ship.Structure = 16;  // below a third of 50
  repair->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Structure, 16);
  EXPECT_DOUBLE_EQ(Ship.Energy, 40);
  Ship.Structure = 48;
  repair->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Structure, 50);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  Ship.Organic = true;
  Ship.Structure = 30;
  Ship.Energy = 9;
  repair->ReloadCounter = 10;
  repair->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Structure, 30) << "paid from energy only, even on a living ship";
}

TEST_F(Device, RecyclerTurnsCrewIntoEnergy) {
  D.PrimalDamage = 2;
  D.EnergyUsage = 15;
  auto w = Make<TFleshRecycler>();
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Crew, 10) << "full banks: nothing happens";
  Ship.Energy = 30;
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 40);
  EXPECT_DOUBLE_EQ(Ship.Crew, 8);
  EXPECT_EQ(Ship.FireImageFrames, 4);
  Ship.Energy = 0;
  Ship.Crew = 2;
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.Crew, 2) << "the last hands are not recycled";
  D.AIFireChance = 10;  // ten times that: always
  auto ai = Make<TFleshRecycler>();
  Ship.Energy = 9;
  EXPECT_TRUE(ai->WantsToFire(nullptr, 79, 0));
  EXPECT_FALSE(ai->WantsToFire(nullptr, 80, 0));
  Ship.Energy = 10;
  EXPECT_FALSE(ai->WantsToFire(nullptr, 10, 0)) << "only below a quarter of the banks";
}

TEST_F(Device, HandBrakeStopsTheShipForItsCostAndIsNeverTheComputersChoice) {
  D.AIFireChance = 100;
  Ship.VX = 3;
  Ship.VY = -2;
  auto w = Make<THandBreak>();
  EXPECT_FALSE(w->WantsToFire(nullptr, 0, 0));
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.VX, 0);
  EXPECT_DOUBLE_EQ(Ship.VY, 0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 30);
  Ship.VX = 3;
  Ship.Energy = 5;
  w->Fire(0);
  EXPECT_DOUBLE_EQ(Ship.VX, 3) << "unpaid";
}

}  // namespace
}  // namespace sw::test
