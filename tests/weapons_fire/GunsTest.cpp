// Guns and missiles: where each shot of a volley starts and where it flies, what one pull of the
// trigger costs, and the shots that stun, lock engines and drain energy.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "FireBattle.h"
#include "battle/Motion.h"
#include "core/Numbers.h"
#include "weapons/Guns.h"

namespace sw {
namespace {

const std::string Key = "player1shipplayer1ship";

class Guns : public ::testing::Test {
protected:
  TFireBattle Battle;
  TGameObject& Ship = Battle.AddShip("player1ship", 1, 400, 300);
  TGameObject& Foe = Battle.AddShip("player2ship", 2, 600, 300);
  TWeaponDefinition Def = [] {
    TWeaponDefinition d;
    d.Ident = "Test";
    d.PrimalDamage = 3;
    d.SecondDamage = 7;
    d.ProjectileSpeed = 5;
    d.LifeSpan = 30;
    d.EnergyUsage = 4;
    d.ReloadTime = 10;
    d.HitPoints = 1;
    d.ImageName = "slug";
    d.ExplName = "pop_";
    d.AnimationFrames = 2;
    d.FireSound = "fire";
    d.HitSound = "hit";
    d.FireImageCounter = 3;
    d.TrailColor = clLime;
    return d;
  }();
  void SetUp() override { RandSeed(3); }
  template <typename T>
  std::unique_ptr<T> Make() {
    return std::make_unique<T>(&Ship, "player1ship", Def, &Battle);
  }
  TGameObject& Shot(int i) {
    TGameObject* o = Battle.FindObject(Key + std::to_string(i));
    EXPECT_NE(o, nullptr) << "no shot " << i;
    return *o;
  }
  int ShotCount() const {
    int n = 0;
    for (int i = 0; i < Battle.Objects.Count(); ++i) n += Battle.Objects.At(i)->Kind == KIND_WEAPON;
    return n;
  }
};

// A heading of exactly 90 degrees, in heading units.
const double East = 90 / DEGREES_PER_UNIT;

TEST_F(Guns, DoubleGunsFireSideBySideAQuarterOrAThirdOfTheWidthOut) {
  Battle.Width = 62;  // 62 div 4 = 15, 62 div 3 = 20
  auto twin = Make<TDoubleGun>();
  twin->Fire(0);
  ASSERT_EQ(ShotCount(), 2);
  EXPECT_EQ(Shot(0).X, 385);
  EXPECT_EQ(Shot(0).Y, 300);
  EXPECT_EQ(Shot(1).X, 415);
  EXPECT_EQ(Shot(1).Y, 300);
  for (int i : {0, 1}) {
    EXPECT_EQ(Shot(i).Heading, 0);
    EXPECT_NEAR(Shot(i).VY, -5, 1e-9);
    EXPECT_NEAR(Shot(i).VX, 0, 1e-9);
    EXPECT_EQ(Shot(i).LifeSpan, 30);
    EXPECT_EQ(Shot(i).TrailColour, 255) << "volley shots keep the plain red trail";
    EXPECT_FALSE(Shot(i).OnFrame);
    EXPECT_TRUE(Shot(i).OnHit);
    EXPECT_EQ(Shot(i).Launcher, &Ship);
  }

  // Facing east the left gun is north of the ship and the right gun south of it.
  Battle.Objects.Delete(Battle.Objects.IndexOf(Key + "0"));
  Battle.Objects.Delete(Battle.Objects.IndexOf(Key + "1"));
  Ship.Heading = East;
  auto wide = Make<TGenericDouble>();
  wide->Fire(0);
  EXPECT_EQ(Shot(0).X, 400);
  EXPECT_EQ(Shot(0).Y, 280);
  EXPECT_EQ(Shot(1).X, 400);
  EXPECT_EQ(Shot(1).Y, 320);
  EXPECT_NEAR(Course(Shot(0)), 90, 1e-6);
}

TEST_F(Guns, AVolleyIsOneShotForCostReloadAndSound) {
  auto salvo = Make<TMultiMissile>();
  salvo->Fire(0);
  EXPECT_EQ(ShotCount(), 6);
  EXPECT_EQ(Ship.Energy, 26);
  EXPECT_EQ(Battle.Sounds, std::vector<std::string>{"fire"});
  EXPECT_EQ(salvo->ReloadCounter, 0);
  EXPECT_EQ(Ship.FireImageFrames, 3);
  EXPECT_FALSE(salvo->Active);
  // Reloading: nothing happens, nothing is paid.
  salvo->ReloadCounter = 9;
  salvo->Fire(0);
  EXPECT_EQ(ShotCount(), 6);
  // Too little energy: nothing at all.
  salvo->ReloadCounter = 10;
  Ship.Energy = 3;
  salvo->Fire(0);
  EXPECT_EQ(ShotCount(), 6);
  EXPECT_EQ(Ship.Energy, 3);
  EXPECT_EQ(salvo->ReloadCounter, 10);
  EXPECT_EQ(Battle.Sounds.size(), 1u);
}

TEST_F(Guns, TheSalvoFansOutFromThreePairsOfPoints) {
  Battle.Width = 60;
  Ship.Heading = 20;
  auto salvo = Make<TMultiMissile>();
  salvo->Fire(0);
  const double h = 20 * DEGREES_PER_UNIT * std::numbers::pi / 180;
  const double offsets[] = {-10, 10, -20, 20, -30, 30};
  const double fan[] = {-2, 2, -5, 5, -9, 9};
  for (int i = 0; i < 6; ++i) {
    TGameObject& s = Shot(i);
    EXPECT_EQ(s.X, Round(400 + std::cos(h) * offsets[i])) << i;
    EXPECT_EQ(s.Y, Round(300 + std::sin(h) * offsets[i])) << i;
    EXPECT_DOUBLE_EQ(s.Heading, 20 + fan[i]) << i;
    EXPECT_NEAR(Course(s), (20 + fan[i]) * DEGREES_PER_UNIT, 1e-6) << i;
  }
}

TEST_F(Guns, SalvoHeadingsMayLeaveTheTurnAndMissileLivesSpread) {
  Ship.Heading = 3;  // the widest left missile points at heading -6
  auto salvo = Make<TMultiMissile>();
  std::set<int> lives;
  for (int round = 0; round < 60; ++round) {
    salvo->ReloadCounter = 10;
    Ship.Energy = 30;
    salvo->Fire(0);
  }
  for (int i = 0; i < Battle.Objects.Count(); ++i) {
    TGameObject* o = Battle.Objects.At(i);
    if (o->Kind == KIND_WEAPON) lives.insert(o->LifeSpan);
  }
  EXPECT_EQ(*lives.begin(), 26);
  EXPECT_EQ(*lives.rbegin(), 33);
  EXPECT_EQ(lives.size(), 8u);
  EXPECT_DOUBLE_EQ(Shot(4).Heading, -6);
  EXPECT_NEAR(Course(Shot(4)), 360 - 6 * DEGREES_PER_UNIT, 1e-6);
}

TEST_F(Guns, NeedlesFlyParallelFromTheSalvosPoints) {
  Battle.Width = 36;  // sixths of 6 pixels
  auto needles = Make<TMultiPlasmaNeedles>();
  needles->Fire(0);
  const int xs[] = {394, 406, 388, 412, 382, 418};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Shot(i).X, xs[i]) << i;
    EXPECT_EQ(Shot(i).Y, 300) << i;
    EXPECT_EQ(Shot(i).Heading, 0) << i;
    EXPECT_GE(Shot(i).LifeSpan, 26);
    EXPECT_LE(Shot(i).LifeSpan, 33);
  }
}

TEST_F(Guns, ThreeWayNeedlesGoAheadLeftAndRight) {
  Battle.Width = 60;   // flanks at 20
  Battle.Height = 45;  // bow and stern at 15
  auto spray = Make<T3WayPlasmaNeedles>();
  spray->Fire(0);
  struct {
    double X, Y, Heading;
  } want[] = {{380, 300, 0}, {420, 300, 0}, {400, 315, -63}, {400, 285, -63}, {400, 315, 63}, {400, 285, 63}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Shot(i).X, want[i].X) << i;
    EXPECT_EQ(Shot(i).Y, want[i].Y) << i;
    EXPECT_EQ(Shot(i).Heading, want[i].Heading) << i;
  }
  // The side needles fly a quarter turn off the bow, to the left and to the right.
  EXPECT_NEAR(Course(Shot(2)), 360 - 63 * DEGREES_PER_UNIT, 1e-6);
  EXPECT_NEAR(Course(Shot(5)), 63 * DEGREES_PER_UNIT, 1e-6);

  // Turned east, the stern point lies west of the ship and the bow point east.
  for (int i = 0; i < 6; ++i) Battle.Objects.Delete(Battle.Objects.IndexOf(Key + std::to_string(i)));
  Ship.Heading = East;
  spray->ReloadCounter = 10;
  spray->Fire(0);
  EXPECT_EQ(Shot(2).X, 385);
  EXPECT_EQ(Shot(3).X, 415);
  EXPECT_EQ(Shot(2).Y, 300);
}

TEST_F(Guns, ShotsInheritTheShipsForwardMotion) {
  Ship.VX = -0.5;  // sideways against the heading's quadrant: not passed on
  Ship.VY = -2;
  Battle.ZoomFactor = 3;
  auto twin = Make<TDoubleGun>();
  twin->Fire(0);
  EXPECT_NEAR(Speed(Shot(0)), 2 + 3 * 5, 1e-9);
}

TEST_F(Guns, TheRingSendsTenShotsEvenlyAllRoundTheLastStraightAhead) {
  Ship.Heading = 40;
  Ship.VX = 2;  // the ring does not take the ship's motion
  Ship.VY = 2;
  auto ring = Make<TMultiBirst>();
  ring->Fire(0);
  ASSERT_EQ(ShotCount(), 10);
  const double h = 40 * DEGREES_PER_UNIT;
  for (int k = 1; k <= 10; ++k) {
    TGameObject& s = Shot(k - 1);
    EXPECT_NEAR(Speed(s), 5, 1e-9);
    EXPECT_NEAR(AngleBetween(Course(s), h + 36 * k), 0, 1e-6) << k;
    EXPECT_EQ(s.X, 400);
    EXPECT_GE(s.LifeSpan, 25);
    EXPECT_LE(s.LifeSpan, 34);
  }
  EXPECT_NEAR(Course(Shot(9)), h, 1e-6);
  EXPECT_EQ(Battle.Sounds.size(), 1u);
}

TEST_F(Guns, TheAftFanFliesStraightBehindInFiveShots) {
  Ship.Heading = 300 / DEGREES_PER_UNIT;
  auto fan = Make<TMultiBirstAft>();
  fan->Fire(0);
  ASSERT_EQ(ShotCount(), 5);
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(Course(Shot(k)), 100 + 10 * k, 1e-6) << k;
    EXPECT_NEAR(Speed(Shot(k)), 5, 1e-9);
  }
  // Heading 0: 160 .. 200 degrees, no wrap needed.
  for (int k = 0; k < 5; ++k) Battle.Objects.Delete(Battle.Objects.IndexOf(Key + std::to_string(k)));
  Ship.Heading = 0;
  fan->ReloadCounter = 10;
  fan->Fire(0);
  EXPECT_NEAR(Course(Shot(0)), 160, 1e-6);
  EXPECT_NEAR(Course(Shot(4)), 200, 1e-6);
}

TEST_F(Guns, TheDisablerStunsAndEachHitAddsToTheStun) {
  Def.Turret = true;
  Def.WeaponArc = 30;
  Def.Animated = true;
  Def.MaxCycles = 2;
  auto dart = Make<TDisabler>();
  Battle.Enemy = &Foe;
  Battle.EnemyBearing = 20;  // within the arc: the turret aims there
  dart->Fire(0);
  TGameObject* s = Battle.FindObject(Key);
  ASSERT_NE(s, nullptr);
  EXPECT_NEAR(Course(*s), Round(20 / DEGREES_PER_UNIT) * DEGREES_PER_UNIT, 1e-6);
  EXPECT_EQ(s->TrailColour, static_cast<int32_t>(clLime)) << "the disabler keeps its own trail";
  ASSERT_TRUE(s->OnFrame);
  s->OnFrame(*s);
  EXPECT_EQ(s->ImageName, "slug_2");

  Foe.Age = 12;
  Foe.StunFrames = 5;
  const double hull = Foe.Structure;
  s->OnHit(*s, &Foe);
  EXPECT_EQ(Foe.StunFrames, 12);
  EXPECT_EQ(Foe.Age, 0);
  EXPECT_EQ(Foe.Structure, hull) << "a stun does no hull damage";
  EXPECT_TRUE(s->Dying);
  EXPECT_EQ(Battle.Sounds.back(), "hit");
  // While it detonates it stuns no more.
  s->OnHit(*s, &Foe);
  EXPECT_EQ(Foe.StunFrames, 12);

  // A second dart adds again.
  dart->ReloadCounter = 10;
  Battle.Objects.Delete(Battle.Objects.IndexOf(Key));
  dart->Fire(0);
  TGameObject* second = Battle.FindObject(Key);
  second->OnHit(*second, &Foe);
  EXPECT_EQ(Foe.StunFrames, 19);
}

TEST_F(Guns, TheDisablerSparesFriendsWhenToldAndPointsWhereItsWeaponPoints) {
  Def.AttackFriendly = false;
  Def.WeaponDir = 2;
  Def.DetOnTarg = true;
  auto dart = Make<TDisabler>();
  dart->Fire(0);
  TGameObject* s = Battle.FindObject(Key);
  EXPECT_NEAR(Course(*s), 180, 1.0);
  TGameObject& friendShip = Battle.AddShip("friend", 1);
  s->OnHit(*s, &friendShip);
  EXPECT_EQ(friendShip.StunFrames, 0);
  EXPECT_FALSE(s->Dying);
  // Timed out with DetOnTarg: gone quietly.
  const size_t sounds = Battle.Sounds.size();
  s->OnHit(*s, nullptr);
  EXPECT_TRUE(s->RemoveMe);
  EXPECT_EQ(Battle.Sounds.size(), sounds);
}

TEST_F(Guns, TheInhibitorStopsAShipDeadAndLocksItsEngines) {
  auto snare = Make<TInhibitorMissile>();
  snare->Fire(0);
  TGameObject* m = Battle.FindObject(Key);
  ASSERT_NE(m, nullptr);
  Foe.VX = 2;
  Foe.VY = -1.5;
  Foe.Age = 50;
  Foe.Thrust = 1;
  Foe.Heading = 0;
  m->OnHit(*m, &Foe);
  EXPECT_EQ(Foe.VX, 0);
  EXPECT_EQ(Foe.VY, 0);
  EXPECT_EQ(Foe.ThrustDelay, 7);
  EXPECT_EQ(Foe.Age, 0);
  EXPECT_EQ(Foe.Structure, 20) << "no hull damage";
  // The engines stay cold until the ship has aged past the lock.
  for (int frame = 0; frame < 7; ++frame) {
    ApplyThrust(Foe, false, Foe.Heading, 0, 1);
    EXPECT_EQ(Foe.VY, 0) << frame;
    Foe.Age += 1;  // the ship's upkeep ages it while the lock runs
  }
  ApplyThrust(Foe, false, Foe.Heading, 0, 1);
  EXPECT_LT(Foe.VY, 0);
}

TEST_F(Guns, TheInhibitorLocksAMissilesEngineAndStartsItsLifeOver) {
  auto snare = Make<TInhibitorMissile>();
  snare->Fire(0);
  TGameObject* m = Battle.FindObject(Key);
  auto enemy = std::make_unique<TGameObject>(KIND_WEAPON, 4, 0, 300, 450);
  enemy->Side = 2;
  enemy->Structure = 5;
  enemy->PrimalDamage = 1;
  enemy->Age = 25;
  enemy->LifeSpan = 40;
  TGameObject& missile = Battle.AddObject("player2shipplayer2ship", std::move(enemy));
  m->OnHit(*m, &missile);
  // The exchange: our 1-structure missile is destroyed, theirs loses 3.
  EXPECT_EQ(missile.Structure, 2);
  EXPECT_EQ(missile.Age, 0);
  EXPECT_EQ(missile.ThrustDelay, 7);
  EXPECT_FALSE(missile.Dying);
  EXPECT_TRUE(m->Dying);
  EXPECT_NE(missile.VY, 0) << "a missile keeps its speed";
}

TEST_F(Guns, InhibitorAndDeenergizerIgnoreFriendlinessAndAlwaysDetonate) {
  Def.AttackFriendly = false;
  Def.DetOnTarg = true;
  auto drain = Make<TDeenergizer>();
  drain->Fire(0);
  TGameObject* bolt = Battle.FindObject(Key);
  TGameObject& friendShip = Battle.AddShip("friend", 1);
  friendShip.Energy = 10;
  bolt->OnHit(*bolt, &friendShip);
  EXPECT_EQ(friendShip.Energy, 3) << "a friend is drained too";

  // A timed-out inhibitor detonates through its frames, silently.
  auto snare = Make<TInhibitorMissile>();
  Battle.Objects.Delete(Battle.Objects.IndexOf(Key));
  snare->Fire(0);
  TGameObject* m = Battle.FindObject(Key);
  const size_t sounds = Battle.Sounds.size();
  m->OnHit(*m, nullptr);
  EXPECT_TRUE(m->Dying);
  EXPECT_FALSE(m->RemoveMe);
  EXPECT_EQ(m->ImageName, "pop_1");
  m->OnHit(*m, nullptr);
  EXPECT_EQ(m->ImageName, "pop_2");
  m->OnHit(*m, nullptr);
  EXPECT_TRUE(m->RemoveMe);
  EXPECT_EQ(Battle.Sounds.size(), sounds);
}

TEST_F(Guns, TheDeenergizerDrainsEnergyNeverBelowEmpty) {
  auto drain = Make<TDeenergizer>();
  drain->Fire(0);
  TGameObject* bolt = Battle.FindObject(Key);
  Foe.Energy = 4;
  bolt->OnHit(*bolt, &Foe);
  EXPECT_EQ(Foe.Energy, 0);
  EXPECT_EQ(Foe.Structure, 20);
  EXPECT_EQ(Foe.Crew, 10);
}

TEST_F(Guns, TheComputerPilotFiresVolleysWhenAimedInRangeAndLucky) {
  Def.WeaponArc = 20;
  Def.AIFireChance = 100;
  auto salvo = Make<TMultiMissile>();
  EXPECT_TRUE(salvo->WantsToFire(&Foe, 150, 5));
  EXPECT_FALSE(salvo->WantsToFire(&Foe, 150, 10)) << "outside half the arc";
  EXPECT_FALSE(salvo->WantsToFire(&Foe, 151, 0)) << "beyond life x speed";
  Def.AIFireChance = 0;
  EXPECT_FALSE(Make<TMultiMissile>()->WantsToFire(&Foe, 10, 0));
}

}  // namespace
}  // namespace sw
