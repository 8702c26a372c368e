// The plain gun: firing, the shot's life from launch to removal, hit damage, shields and crew.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "FakeBattle.h"
#include "core/Numbers.h"
#include "weapons/Damage.h"
#include "weapons/Weapon.h"

namespace sw {
namespace {

class Gun : public ::testing::Test {
protected:
  TFakeBattle Battle;
  TGameObject& Ship = Battle.AddShip("player1ship", 1, 400, 300);
  TGameObject& Foe = Battle.AddShip("player2ship", 2, 500, 300);
  TWeaponDefinition Def = [] {
    TWeaponDefinition d;
    d.Ident = "TestGun";
    d.ClassWord = "GENERIC_WEAPON";
    d.PrimalDamage = 4;
    d.ProjectileSpeed = 5;
    d.LifeSpan = 20;
    d.EnergyUsage = 2;
    d.ReloadTime = 10;
    d.HitPoints = 1;
    d.ImageName = "bolt";
    d.ExplName = "boom_";
    d.AnimationFrames = 3;
    d.FireSound = "zap";
    d.HitSound = "bang";
    d.FireImageCounter = 4;
    return d;
  }();
  std::unique_ptr<TWeapon> Make() { return std::make_unique<TWeapon>(&Ship, "player1ship", Def, &Battle); }
  TGameObject* Shot() { return Battle.FindObject("player1shipplayer1ship"); }
  void SetUp() override { RandSeed(7); }
};

TEST_F(Gun, IsReadyAtTheStartAndAgainTenFramesAfterAShot) {
  auto w = Make();
  w->Fire(0);  // the first shot is immediate
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 1);
  EXPECT_EQ(w->ReloadCounter, 0);
  for (int frame = 1; frame <= 9; ++frame) {
    w->ReloadCounter += 1;  // the battle's upkeep each frame
    w->Fire(0);
  }
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 1);
  EXPECT_EQ(Ship.Energy, 28);  // a refused shot costs nothing
  w->ReloadCounter += 1;
  w->Fire(0);
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 2);
  EXPECT_EQ(w->ReloadCounter, 0);
}

TEST_F(Gun, AShotCarriesTheWeaponsValuesAndHandlers) {
  Def.AIInterest = 3;
  Def.Beacon = true;
  Def.TurnRate = 1.5;
  Def.Thrusters = 2;
  Def.BurnSeq = 9;
  Def.Activation = 2;
  Def.TrailColor = clLime;
  Def.DefaultOpacity = 200;
  Def.GravityAff = false;
  Def.AIDriven = true;
  Def.SecondDamage = 6;
  auto w = Make();
  Ship.X = 400.4;
  Ship.Y = 299.6;
  w->Fire(0);
  TGameObject* s = Shot();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Kind, KIND_WEAPON);
  EXPECT_EQ(s->X, 400);  // whole pixels
  EXPECT_EQ(s->Y, 300);
  EXPECT_EQ(s->ImageName, "bolt");
  EXPECT_EQ(s->Side, 1);
  EXPECT_TRUE(s->AIDriven);
  EXPECT_EQ(s->LifeSpan, 20);
  EXPECT_EQ(s->Activation, 2);
  EXPECT_EQ(s->Launcher, &Ship);
  EXPECT_EQ(s->Structure, 1);
  EXPECT_EQ(s->PrimalDamage, 4);
  EXPECT_EQ(s->SecondDamage, 6);
  EXPECT_TRUE(s->Beacon);
  EXPECT_EQ(s->AIInterest, 3);
  EXPECT_DOUBLE_EQ(s->TurnRate, 1.5);
  EXPECT_DOUBLE_EQ(s->Thrust, 2);
  EXPECT_EQ(s->ExhaustFrames, 9);
  EXPECT_EQ(s->TrailColour, static_cast<int32_t>(clLime));
  EXPECT_EQ(s->Opacity, 200);
  EXPECT_FALSE(s->GravityAffected);
  EXPECT_TRUE(s->OnHit);
  EXPECT_TRUE(s->OnFrame);
  // Heading 0: straight up at the projectile speed.
  EXPECT_NEAR(s->VX, 0, 1e-9);
  EXPECT_NEAR(s->VY, -5, 1e-9);
  EXPECT_EQ(Ship.Energy, 28);
  EXPECT_EQ(Ship.FireImageFrames, 4);
  EXPECT_TRUE(w->Active);
  ASSERT_EQ(Battle.Sounds.size(), 1u);
  EXPECT_EQ(Battle.Sounds[0], "zap");
}

TEST_F(Gun, WithoutEnoughEnergyNothingHappensAtAll) {
  auto w = Make();
  Ship.Energy = 1.5;
  w->ReloadCounter = 12;
  w->Fire(0);
  EXPECT_EQ(Shot(), nullptr);
  EXPECT_TRUE(Battle.Sounds.empty());
  EXPECT_EQ(w->ReloadCounter, 12);
  EXPECT_EQ(Ship.Energy, 1.5);
  Ship.Energy = 2;  // exactly the cost is enough
  w->Fire(0);
  EXPECT_NE(Shot(), nullptr);
  EXPECT_EQ(Ship.Energy, 0);
}

TEST_F(Gun, AnOrganicShipPaysWithHullButKeepsATenth) {
  Ship.Organic = true;
  Ship.Energy = 0;
  Def.EnergyUsage = 5;
  auto w = Make();
  Ship.Structure = 6;  // 0.6 + 5 fits in 6
  EXPECT_TRUE(w->PayCost());
  EXPECT_EQ(Ship.Structure, 1);
  Ship.Structure = 5.4;  // 0.54 + 5 does not
  EXPECT_FALSE(w->PayCost());
  EXPECT_EQ(Ship.Structure, 5.4);
  // A beam counts the tenth of the full hull and switches off when it cannot pay.
  w->Active = true;
  Ship.Structure = 6.5;  // 2 + 5 > 6.5
  EXPECT_FALSE(w->PayCost(true));
  EXPECT_FALSE(w->Active);
  // Energy-only devices skip the hull.
  Ship.Energy = 5;
  EXPECT_TRUE(w->PayCost(false, true));
  EXPECT_EQ(Ship.Energy, 0);
  EXPECT_EQ(Ship.Structure, 6.5);
}

TEST_F(Gun, ARearGunAddsTheShipsForwardSpeedToItsShot) {
  Def.WeaponDir = 2;
  auto w = Make();
  Ship.Heading = 0;
  Ship.VX = 1;  // sideways drift to the right is forward for the up-right quadrant
  Ship.VY = -2;
  w->Fire(0);
  TGameObject* s = Shot();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->Heading, Round(180 / 1.411));
  EXPECT_NEAR(std::hypot(s->VX, s->VY), 1 + 5 + 2, 1e-9);
  EXPECT_GT(s->VY, 0);  // flies backwards, down the screen

  // Motion against the heading's quadrant does not count; zoom scales the projectile speed.
  Battle.ZoomFactor = 3;
  Ship.VX = -1;
  Ship.VY = 2;
  w->ReloadCounter = 100;
  w->Fire(0);
  TGameObject* second = Battle.Objects.At(Battle.Objects.Count() - 1);
  EXPECT_NEAR(std::hypot(second->VX, second->VY), 15, 1e-9);
}

TEST_F(Gun, ForwardVelocityKeepsOnlyTheAxesThatPointTheHeadingsWay) {
  struct Case {
    double heading, vx, vy, fx, fy;
  } cases[] = {
      {10, 2, -3, 2, -3},  {10, -2, 3, 0, 0},    // up-right quadrant
      {80, 2, 3, 2, 3},    {80, -2, -3, 0, 0},   // down-right
      {150, -2, 3, -2, 3}, {150, 2, -3, 0, 0},   // down-left
      {230, -2, -3, -2, -3}, {230, 2, 3, 0, 0},  // up-left
      {0, 0, -1, 0, -1},
  };
  for (const auto& c : cases) {
    TGameObject o(KIND_SHIP, 0, 0, 0, 0);
    o.Heading = c.heading;
    o.VX = c.vx;
    o.VY = c.vy;
    auto [fx, fy] = TWeapon::ForwardVelocity(o);
    EXPECT_EQ(fx, c.fx) << c.heading;
    EXPECT_EQ(fy, c.fy) << c.heading;
  }
}

TEST_F(Gun, TheRandomizerSpreadsShotsAndOneMeansNoSpread) {
  Def.ReloadTime = 0;
  Def.EnergyUsage = 0;
  Def.Randomizer = 1;
  auto w = Make();
  Ship.Heading = 64;  // 90.3 degrees
  for (int i = 0; i < 30; ++i) w->Fire(0);
  for (int i = 2; i < Battle.Objects.Count(); ++i)
    EXPECT_EQ(Battle.Objects.At(i)->Heading, Round(64 * 1.411 / 1.411));

  TFakeBattle other;
  TGameObject& ship = other.AddShip("s", 1);
  ship.Heading = 0;  // 0 degrees: the spread wraps below 0 to the top of the circle
  Def.Randomizer = 10;
  TWeapon spread(&ship, "s", Def, &other);
  std::set<double> headings;
  for (int i = 0; i < 400; ++i) spread.Fire(0);
  for (int i = 1; i < other.Objects.Count(); ++i) headings.insert(other.Objects.At(i)->Heading);
  std::set<double> expected;
  for (int deg = -5; deg <= 4; ++deg) expected.insert(Round((deg < 0 ? deg + 360 : deg) / 1.411));
  EXPECT_EQ(headings, expected);
}

TEST_F(Gun, ATurretAimsAtATargetWithinItsArc) {
  Def.Turret = true;
  Def.WeaponArc = 30;
  Def.ReloadTime = 0;
  auto w = Make();
  Battle.Enemy = &Foe;
  Battle.EnemyBearing = 28;  // within 30 of the heading 0
  w->Fire(0);
  EXPECT_EQ(Battle.Objects.At(2)->Heading, Round(28 / 1.411));
  Battle.EnemyBearing = 31;  // outside: fires straight ahead
  w->Fire(0);
  EXPECT_EQ(Battle.Objects.At(3)->Heading, 0);
  Battle.Enemy = nullptr;  // no target: ahead
  Battle.EnemyBearing = 10;
  w->Fire(0);
  EXPECT_EQ(Battle.Objects.At(4)->Heading, 0);
}

TEST_F(Gun, ARemoteShotIsAloneAndLettingGoSetsItOff) {
  Def.RemoteDetonation = true;
  Def.ReloadTime = 0;
  auto w = Make();
  EXPECT_TRUE(w->WantsRelease);
  w->Fire(0);
  w->Fire(0);
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 1);
  Shot()->Age = 3;
  w->Fire(1);
  EXPECT_EQ(Shot()->Age, Shot()->LifeSpan);
  // Once it is gone the weapon may fire again.
  TGameObject& s = *Shot();
  while (!s.RemoveMe) w->ProjectileHit(s, nullptr);
  EXPECT_FALSE(w->Active);
  w->Fire(0);
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 2);
}

TEST_F(Gun, AShotThatTimesOutDetonatesInOpenSpaceThroughItsFrames) {
  auto w = Make();
  w->Fire(0);
  TGameObject& s = *Shot();
  s.Age = 21;
  w->ProjectileHit(s, nullptr);
  EXPECT_TRUE(s.Dying);
  EXPECT_EQ(s.VX, 0);
  EXPECT_EQ(s.VY, 0);
  EXPECT_EQ(s.Age, 20);
  EXPECT_EQ(s.ImageName, "boom_1");
  EXPECT_EQ(Battle.Sounds.back(), "bang");
  w->ProjectileHit(s, nullptr);
  EXPECT_EQ(s.ImageName, "boom_2");
  w->ProjectileHit(s, nullptr);
  EXPECT_EQ(s.ImageName, "boom_3");
  EXPECT_FALSE(s.RemoveMe);
  w->ProjectileHit(s, nullptr);  // the frame after the last
  EXPECT_TRUE(s.RemoveMe);
  EXPECT_FALSE(w->Active);
  EXPECT_EQ(std::count(Battle.Sounds.begin(), Battle.Sounds.end(), "bang"), 1);
}

TEST_F(Gun, ADetOnTargShotThatTimesOutVanishesSilently) {
  Def.DetOnTarg = true;
  auto w = Make();
  w->Fire(0);
  TGameObject& s = *Shot();
  s.Age = 21;
  w->ProjectileHit(s, nullptr);
  EXPECT_TRUE(s.RemoveMe);
  EXPECT_FALSE(s.Dying);
  EXPECT_EQ(s.ImageName, "bolt");
  EXPECT_EQ(Battle.Sounds.size(), 1u);  // only the fire sound
}

TEST_F(Gun, AHitDamagesHullAndCrewAndDetonates) {
  auto w = Make();
  w->Fire(0);
  TGameObject& s = *Shot();
  Foe.Structure = 12;  // after the hit 8 of 20 is left: 60 percent lost
  w->ProjectileHit(s, &Foe);
  EXPECT_EQ(Foe.Structure, 8);
  // score = (100 + 20 + 60) div 2 = 90; loss = round(10 / 250 x 90) = 4, at most the damage 4.
  EXPECT_EQ(Foe.Crew, 6);
  EXPECT_TRUE(s.Dying);
  EXPECT_EQ(s.ImageName, "boom_1");
}

TEST_F(Gun, FriendlyFireOffPassesThroughTheOwnSide) {
  TGameObject& friendShip = Battle.AddShip("wing", 1);
  Def.AttackFriendly = false;
  auto w = Make();
  w->Fire(0);
  TGameObject& s = *Shot();
  w->ProjectileHit(s, &friendShip);
  EXPECT_EQ(friendShip.Structure, 20);
  EXPECT_FALSE(s.Dying);
  Battle.Sounds.clear();
  // With friendly fire on (the default) the own side is hit.
  Def.AttackFriendly = true;
  auto hot = Make();
  hot->Fire(0);
  TGameObject& s2 = *Battle.Objects.At(Battle.Objects.Count() - 1);
  hot->ProjectileHit(s2, &friendShip);
  EXPECT_EQ(friendShip.Structure, 16);
  EXPECT_TRUE(s2.Dying);
}

TEST_F(Gun, TwoShotsWearEachOtherDownAndTheStrongerFliesOn) {
  auto w = Make();
  w->Fire(0);
  TGameObject& mine = *Shot();
  mine.Structure = 10;  // takes 3
  auto foeDef = Def;
  foeDef.PrimalDamage = 3;
  TWeapon foeGun(&Foe, "player2ship", foeDef, &Battle);
  foeGun.Fire(0);
  TGameObject& theirs = *Battle.FindObject("player2shipplayer2ship");
  theirs.Structure = 2;  // takes 4
  w->ProjectileHit(mine, &theirs);
  EXPECT_EQ(mine.Structure, 7);
  EXPECT_EQ(theirs.Structure, -2);
  EXPECT_EQ(theirs.Age, theirs.LifeSpan);  // ends at its next step
  EXPECT_FALSE(mine.Dying);
  // A shot worn to nothing detonates.
  mine.Structure = 1;
  theirs.Structure = 5;
  theirs.Dying = false;
  w->ProjectileHit(mine, &theirs);
  EXPECT_TRUE(mine.Dying);
}

TEST_F(Gun, DegradingShotsWeakenWithAgeButNeverBelowATenth) {
  Def.Degrading = true;
  Def.PrimalDamage = 10;
  Def.LifeSpan = 100;
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  shot.PrimalDamage = 10;
  shot.Age = 0;
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_DOUBLE_EQ(Foe.Structure, 10);
  Foe.Structure = 20;
  shot.Age = 75;
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_DOUBLE_EQ(Foe.Structure, 17.5);
  for (int age : {99, 100, 140}) {
    Foe.Structure = 20;
    shot.Age = age;
    w->ApplyHitDamage(&shot, &Foe);
    EXPECT_NEAR(Foe.Structure, 19.9, 1e-9) << age;
  }
  // A degrading weapon without a life span hits for the least, and does not divide by zero.
  Def.LifeSpan = 0;
  auto spent = Make();
  Foe.Structure = 20;
  spent->ApplyHitDamage(&shot, &Foe);
  EXPECT_NEAR(Foe.Structure, 19.9, 1e-9);
}

TEST_F(Gun, ShieldsTakeHitsFromEnergy) {
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  shot.PrimalDamage = 5;
  Foe.DeviceOn = true;
  Foe.ShieldKind = 1;
  Foe.Energy = 8;
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Energy, 3);
  EXPECT_EQ(Foe.Structure, 20);
  w->ApplyHitDamage(&shot, &Foe);  // 2 more than the banks hold goes to the hull
  EXPECT_EQ(Foe.Energy, 0);
  EXPECT_EQ(Foe.Structure, 18);
  EXPECT_EQ(Foe.Crew, 10);

  Foe.ShieldKind = 2;  // turns hits into energy, up to the maximum
  Foe.Energy = 27;
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Energy, 30);
  EXPECT_EQ(Foe.Structure, 18);

  Foe.ShieldKind = 3;  // no protection
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Structure, 13);
  Foe.DeviceOn = false;
  Foe.ShieldKind = 1;  // a shield that is off does not protect
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Structure, 8);
}

TEST_F(Gun, OnlyShipsTakeDamageAndDrainTakesEnergy) {
  Def.EnergyDrain = true;
  Def.SecondDamage = 40;
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  shot.PrimalDamage = 3;
  TGameObject rock(KIND_ASTEROID, 0, 0, 0, 0);
  const double rockStructure = rock.Structure;
  w->ApplyHitDamage(&shot, &rock);
  EXPECT_EQ(rock.Structure, rockStructure);
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Structure, 17);
  EXPECT_EQ(Foe.Energy, -10);  // no lower bound
  // A detonating shot does no more damage.
  shot.Dying = true;
  w->ApplyHitDamage(&shot, &Foe);
  EXPECT_EQ(Foe.Structure, 17);
}

TEST_F(Gun, ResilientShipsShrugOffPartOfEachHit) {
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  shot.PrimalDamage = 10;
  Foe.Resiliant = true;
  Foe.MaxStructure = 1000;
  double least = 1e9, most = 0;
  for (int i = 0; i < 200; ++i) {
    Foe.Structure = 1000;
    w->ApplyHitDamage(&shot, &Foe);
    least = std::min(least, 1000 - Foe.Structure);
    most = std::max(most, 1000 - Foe.Structure);
  }
  EXPECT_GE(least, 0.1);
  EXPECT_LE(most, 10);
  EXPECT_LT(least, 3);
  EXPECT_GT(most, 8);
}

TEST_F(Gun, ImpulsePushesAndSpinsButNotStillBodies) {
  Def.Impulse = true;
  Def.SecondDamage = 5;
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  shot.VX = 2;
  shot.VY = -1;
  w->ApplyImpulse(shot, &Foe);
  EXPECT_EQ(Foe.VX, 2);
  EXPECT_EQ(Foe.VY, -1);
  EXPECT_LE(std::abs(Foe.PendingTurn), 4);
  Foe.Starbase = true;
  w->ApplyImpulse(shot, &Foe);
  EXPECT_EQ(Foe.VX, 2);
  TGameObject planet(KIND_PLANET, 0, 0, 0, 0);
  w->ApplyImpulse(shot, &planet);
  EXPECT_EQ(planet.VX, 0);
  w->ApplyImpulse(shot, nullptr);  // nothing to push
}

TEST_F(Gun, TicksAnimateSpinAndFade) {
  Def.Animated = true;
  Def.MaxCycles = 3;
  Def.Rotating = true;
  Def.RotAngle = 100;
  Def.Degrading = true;
  Def.LifeSpan = 100;
  auto w = Make();
  TGameObject shot(KIND_WEAPON, 0, 0, 0, 0);
  std::vector<std::string> images;
  for (int i = 0; i < 4; ++i) {
    w->ProjectileTick(shot);
    images.push_back(shot.ImageName);
  }
  EXPECT_EQ(images, (std::vector<std::string>{"bolt_2", "bolt_3", "bolt_1", "bolt_2"}));
  EXPECT_DOUBLE_EQ(shot.Heading, 400 - 255);  // wrapped by 255
  shot.Age = 50;
  w->ProjectileTick(shot);
  EXPECT_EQ(shot.Opacity, 115);
  shot.Age = 100;
  w->ProjectileTick(shot);
  EXPECT_EQ(shot.Opacity, 0);
  shot.Dying = true;  // a detonating shot is left alone
  const std::string before = shot.ImageName;
  w->ProjectileTick(shot);
  EXPECT_EQ(shot.ImageName, before);
}

TEST_F(Gun, AShockwaveRingGrowsAndHitsEverythingInReach) {
  Def.CreateShockwave = true;
  Def.BeamColor = clAqua;
  Def.PrimalDamage = 2;
  auto w = Make();
  w->Fire(0);
  TGameObject& s = *Shot();
  s.X = 400;
  s.Y = 300;
  Foe.X = 409;  // 9 away: reached by the third ring step (radius 12)
  s.Age = 21;
  w->ProjectileHit(s, nullptr);  // radius 4: only the own ship under it
  EXPECT_EQ(s.Opacity, 0);
  EXPECT_EQ(Ship.Structure, 18);
  EXPECT_EQ(Foe.Structure, 20);
  ASSERT_EQ(Battle.Rings.size(), 1u);
  EXPECT_EQ(Battle.Rings[0].Color, clAqua);
  EXPECT_EQ(Battle.Rings[0].Size, 8);
  w->ProjectileHit(s, nullptr);  // radius 8
  EXPECT_EQ(Foe.Structure, 20);
  w->ProjectileHit(s, nullptr);  // radius 12
  EXPECT_EQ(Foe.Structure, 18);
  EXPECT_EQ(Ship.Structure, 14);
  w->ProjectileHit(s, nullptr);
  EXPECT_TRUE(s.RemoveMe);
  EXPECT_EQ(Battle.Rings.size(), 3u);
}

TEST_F(Gun, TheComputerPilotFiresWhenAimedInRangeAndLucky) {
  Def.WeaponArc = 20;
  Def.AIFireChance = 100;
  auto w = Make();
  Ship.Heading = 0;
  EXPECT_TRUE(w->WantsToFire(&Foe, 100, 9));     // range 20 x 5 = 100
  EXPECT_FALSE(w->WantsToFire(&Foe, 101, 9));
  EXPECT_FALSE(w->WantsToFire(&Foe, 50, 10));    // arc div 2 = 10 is outside
  EXPECT_TRUE(w->WantsToFire(&Foe, 50, 351));    // the short way round
  Battle.ZoomFactor = 3;
  EXPECT_TRUE(w->WantsToFire(&Foe, 300, 0));
  w->AIFireChance = 0;
  EXPECT_FALSE(w->WantsToFire(&Foe, 10, 0));
  w->AIFireChance = 100;
  w->Turret = true;
  EXPECT_TRUE(w->WantsToFire(&Foe, 10, 180));  // a turret needs no arc
  EXPECT_TRUE(TWeapon::InArc(0, 90, 0, 1));      // a quarter turn right, exactly on it
  EXPECT_FALSE(TWeapon::InArc(0, 91, 0, 1));
  EXPECT_TRUE(TWeapon::InArc(200, 2, 22, 1));    // 282.2 + 90 wraps to 12.2: 10.2 away
  EXPECT_FALSE(TWeapon::InArc(200, 2, 20, 1));
  EXPECT_TRUE(w->InRangeForAttack(2, 10, 60));
  w->DamagingWeapon = false;
  EXPECT_FALSE(w->InRangeForAttack(2, 10, 60));
}

TEST(CrewLoss, CrewHoldsUntilHalfTheHullIsGoneThenFallsWithTheDamage) {
  TGameObject ship(KIND_SHIP, 0, 0, 0, 0);
  ship.MaxStructure = 100;
  ship.MaxCrew = 20;
  ship.Crew = 20;
  ship.Structure = 50;  // exactly half lost: nobody dies
  ApplyCrewLoss(ship, 30);
  EXPECT_EQ(ship.Crew, 20);
  ship.Structure = 30;  // lost 70; score (100 + 10 + 70) div 2 = 90; round(20 / 250 x 90) = 7
  ApplyCrewLoss(ship, 10);
  EXPECT_EQ(ship.Crew, 13);
  ship.Crew = 20;
  ApplyCrewLoss(ship, 2);  // never more than the damage
  EXPECT_EQ(ship.Crew, 18);
  ship.Crew = 20;
  ApplyCrewLoss(ship, 0.2);  // a hit counts at least 1
  EXPECT_EQ(ship.Crew, 19);
}

TEST(CrewLoss, TheLastCrewMemberUsuallySurvives) {
  RandSeed(3);
  int died = 0;
  for (int i = 0; i < 1000; ++i) {
    TGameObject ship(KIND_SHIP, 0, 0, 0, 0);
    ship.MaxStructure = 100;
    ship.MaxCrew = 20;
    ship.Crew = 1;
    ship.Structure = 0;  // lost 100: dies when a draw 0..99 is above 70
    ApplyCrewLoss(ship, 5);
    died += ship.Crew == 0;
    EXPECT_TRUE(ship.Crew == 0 || ship.Crew == 1);
  }
  EXPECT_GT(died, 220);
  EXPECT_LT(died, 360);
}

TEST(CrewLoss, AShipWithoutHullOrCrewFiguresIsHandled) {
  TGameObject ship(KIND_SHIP, 0, 0, 0, 0);
  ship.MaxStructure = 0;
  ship.MaxCrew = 0;
  ship.Structure = -3;
  ship.Crew = 10;
  ApplyCrewLoss(ship, 3);
  EXPECT_TRUE(std::isfinite(ship.Crew));
  EXPECT_LE(ship.Crew, 10);
  EXPECT_GE(ship.Crew, 7);
}

}  // namespace
}  // namespace sw
