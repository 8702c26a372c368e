// Mines: laid behind (or, for plasma mines, fired ahead), animated or spinning while they wait,
// exploding on contact, vanishing when their time is up, and the graviton pull.
#include <gtest/gtest.h>

#include <cmath>

#include "FireBattle.h"
#include "battle/Motion.h"
#include "core/Numbers.h"
#include "weapons/Mines.h"

namespace sw {
namespace {

const std::string LayerKey = "player1shipplayer1ship";

class Mines : public ::testing::Test {
protected:
  TFireBattle Battle;
  TGameObject& Ship = Battle.AddShip("player1ship", 1, 400, 300);
  TGameObject& Foe = Battle.AddShip("player2ship", 2, 600, 300);
  TWeaponDefinition Def = [] {
    TWeaponDefinition d;
    d.Ident = "Mine";
    d.PrimalDamage = 6;
    d.ProjectileSpeed = 1;
    d.LifeSpan = 100;
    d.EnergyUsage = 4;
    d.ReloadTime = 20;
    d.HitPoints = 3;
    d.MaxCycles = 4;
    d.ImageName = "mine_1";
    d.ExplName = "blast_";
    d.AnimationFrames = 2;
    d.FireSound = "drop";
    d.HitSound = "boom";
    d.TrailColor = clLime;
    d.CycleSpeed = 10;
    return d;
  }();
  void SetUp() override { RandSeed(5); }
  template <typename T>
  std::unique_ptr<T> Make() {
    return std::make_unique<T>(&Ship, "player1ship", Def, &Battle);
  }
  // Lays one mine and hands it back.
  TGameObject& Lay(TWeapon& w) {
    w.ReloadCounter = w.ReloadTime;
    const int before = Battle.Objects.Count();
    w.Fire(0);
    EXPECT_EQ(Battle.Objects.Count(), before + 1);
    return *Battle.Objects.At(Battle.Objects.Count() - 1);
  }
};

TEST_F(Mines, AMineIsLaidStraightBehindWithoutTheShipsMotion) {
  auto mine = Make<TMine>();
  Ship.VY = -2.5;
  Battle.ZoomFactor = 3;
  const std::pair<double, double> headings[] = {{0, 127.5}, {100, 227.5}, {255, 127.5}, {200, 72.5}};
  for (auto [ship, laid] : headings) {
    Ship.Heading = ship;
    TGameObject& m = Lay(*mine);
    EXPECT_DOUBLE_EQ(m.Heading, laid) << ship;
    EXPECT_NEAR(Speed(m), 3, 1e-9) << "zoom x speed, the ship's motion left out";
  }
  TGameObject* first = Battle.FindObject(LayerKey);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->X, 400);
  EXPECT_EQ(first->Y, 300);
  EXPECT_GT(first->VY, 0) << "a ship facing up lays its mine downwards";
  EXPECT_EQ(first->TrailColour, 255);
  EXPECT_EQ(first->Structure, 3);
  EXPECT_EQ(first->LifeSpan, 100);
  EXPECT_EQ(first->Launcher, &Ship);
  EXPECT_TRUE(first->OnHit);
  EXPECT_TRUE(first->OnFrame);
  EXPECT_EQ(Ship.Energy, 30 - 4 * 4);
  EXPECT_EQ(Battle.Sounds.back(), "drop");
  EXPECT_FALSE(mine->Active);
  EXPECT_FALSE(mine->WantsRelease);
}

TEST_F(Mines, APlasmaMineFliesAheadUnlessItsWeaponPointsElsewhere) {
  Ship.Heading = 40;
  for (int dir = 0; dir <= 3; ++dir) {
    Def.WeaponDir = dir;
    auto mine = Make<TPlasmaMine>();
    EXPECT_TRUE(mine->WantsRelease);
    TGameObject& m = Lay(*mine);
    EXPECT_DOUBLE_EQ(m.Heading, dir == 0 ? 40 : 167.5) << dir;
  }
  Def.WeaponDir = 2;
  auto grav = Make<TGravMine>();
  EXPECT_DOUBLE_EQ(Lay(*grav).Heading, 167.5);
}

TEST_F(Mines, TheMinePicturesCycleOnASharedCounter) {
  auto layer = Make<TMine>();
  TGameObject& a = Lay(*layer);
  a.OnFrame(a);
  EXPECT_EQ(a.ImageName, "mine_2");
  a.OnFrame(a);
  a.OnFrame(a);
  EXPECT_EQ(a.ImageName, "mine_4");
  a.OnFrame(a);
  EXPECT_EQ(a.ImageName, "mine_1");
  // Two mines of one weapon both move the one counter on.
  TGameObject& b = Lay(*layer);
  a.OnFrame(a);
  b.OnFrame(b);
  EXPECT_EQ(a.ImageName, "mine_2");
  EXPECT_EQ(b.ImageName, "mine_3");
  // A mine breaking up stops cycling.
  b.Dying = true;
  b.ImageName = "blast_1";
  b.OnFrame(b);
  EXPECT_EQ(b.ImageName, "blast_1");
}

TEST_F(Mines, MoreThanNineAnimationPicturesKeepTheirNames) {
  Def.MaxCycles = 11;
  auto layer = Make<TMine>();
  TGameObject& m = Lay(*layer);
  std::vector<std::string> seen;
  for (int i = 0; i < 12; ++i) {
    m.OnFrame(m);
    seen.push_back(m.ImageName);
  }
  EXPECT_EQ(seen[8], "mine_10");
  EXPECT_EQ(seen[9], "mine_11");
  EXPECT_EQ(seen[10], "mine_1");
  EXPECT_EQ(seen[11], "mine_2");
}

TEST_F(Mines, PlasmaMinesSpinThePictureOnlyAndWrapAfterAFullTurn) {
  auto mine = Make<TPlasmaMine>();
  TGameObject& m = Lay(*mine);
  const double vx = m.VX, vy = m.VY;
  std::vector<int> counter;
  for (int i = 0; i < 37; ++i) {
    m.OnFrame(m);
    counter.push_back(mine->EffectCounter);
  }
  EXPECT_EQ(counter[0], 11);  // the counter starts at 1
  EXPECT_EQ(counter[34], 351);
  EXPECT_EQ(counter[35], 0) << "361 is past a full turn";
  EXPECT_EQ(counter[36], 10);
  EXPECT_DOUBLE_EQ(m.Heading, 10 * DEGREES_PER_UNIT);
  EXPECT_EQ(m.VX, vx);
  EXPECT_EQ(m.VY, vy);

  // From a counter of 0, CycleSpeed 10 reaches 360 exactly and then starts again at 0.
  mine->EffectCounter = 350;
  m.OnFrame(m);
  EXPECT_EQ(mine->EffectCounter, 360);
  m.OnFrame(m);
  EXPECT_EQ(mine->EffectCounter, 0);
}

TEST_F(Mines, DegradingPlasmaMinesFadeWithAge) {
  Def.Degrading = true;
  auto mine = Make<TPlasmaMine>();
  TGameObject& m = Lay(*mine);
  m.OnFrame(m);
  EXPECT_EQ(m.Opacity, 230);
  m.Age = 50;
  m.OnFrame(m);
  EXPECT_EQ(m.Opacity, 115);
  m.Age = 100;
  m.OnFrame(m);
  EXPECT_EQ(m.Opacity, 0);
}

TEST_F(Mines, AMineWhoseTimeRunsOutVanishesWithoutATrace) {
  Def.DetOnTarg = false;  // mines ignore it: they never explode in open space
  auto layer = Make<TMine>();
  TGameObject& m = Lay(*layer);
  const size_t sounds = Battle.Sounds.size();
  m.OnHit(m, nullptr);
  EXPECT_TRUE(m.RemoveMe);
  EXPECT_EQ(m.ImageName, "mine_1") << "no explosion frames";
  EXPECT_EQ(Battle.Sounds.size(), sounds);
  EXPECT_FALSE(layer->Active);
}

TEST_F(Mines, AMineExplodesOnContactThroughItsFrames) {
  auto layer = Make<TMine>();
  TGameObject& m = Lay(*layer);
  m.OnHit(m, &Foe);
  EXPECT_EQ(Foe.Structure, 14);
  EXPECT_TRUE(m.Dying);
  EXPECT_EQ(m.VX, 0);
  EXPECT_EQ(m.VY, 0);
  EXPECT_EQ(m.Age, 100);
  EXPECT_EQ(m.ImageName, "blast_1");
  EXPECT_EQ(Battle.Sounds.back(), "boom");
  m.OnHit(m, nullptr);
  EXPECT_EQ(m.ImageName, "blast_2");
  m.OnHit(m, nullptr);
  EXPECT_TRUE(m.RemoveMe);
  EXPECT_EQ(Foe.Structure, 14) << "one blast, one hit";

  // A mine that spares friends lets them pass.
  Def.AttackFriendly = false;
  auto gentle = Make<TMine>();
  TGameObject& g = Lay(*gentle);
  TGameObject& friendShip = Battle.AddShip("friend", 1);
  g.OnHit(g, &friendShip);
  EXPECT_FALSE(g.Dying);
  EXPECT_EQ(friendShip.Structure, 20);
}

TEST_F(Mines, GravitonMinesPullThroughTheGravityPassOnceArmed) {
  Def.SecondDamage = 50;
  Def.Activation = 3;
  Def.ProjectileSpeed = 0;
  auto well = Make<TGravMine>();
  TGameObject& m = Lay(*well);
  EXPECT_EQ(m.GravForce, 50);
  Ship.X = 200;  // the layer moves off
  Foe.X = 500;   // 100 pixels east of the mine
  // Not armed yet: no pull.
  m.Age = 3;
  ApplyGravityAndMove(Battle.Objects, 1);
  EXPECT_EQ(Foe.VX, 0);
  // Armed: pulled west by 50 / (10 x 10) = 0.5.
  m.Age = 4;
  ApplyGravityAndMove(Battle.Objects, 1);
  EXPECT_LT(Foe.VX, 0);
  EXPECT_NEAR(std::fabs(Foe.VX) + std::fabs(Foe.VY), 0.5, 1e-9);
  // A plain mine pulls nothing.
  auto plain = Make<TMine>();
  EXPECT_EQ(Lay(*plain).GravForce, 0);
}

TEST_F(Mines, TheComputerPilotLaysMinesAgainstIncomingShotsAndGravitonsWhenFast) {
  Def.WeaponArc = 360;
  Def.AIFireChance = 100;
  auto mine = Make<TMine>();
  TGameObject missile(KIND_WEAPON, 0, 0, 0, 0);
  EXPECT_TRUE(mine->WantsToFire(&missile, 50, 90));
  EXPECT_FALSE(mine->WantsToFire(&Foe, 50, 90)) << "a ship is no reason to lay one";
  EXPECT_FALSE(mine->WantsToFire(&missile, 101, 90)) << "out of range";
  mine->Active = true;
  EXPECT_FALSE(mine->WantsToFire(&missile, 50, 90));

  auto grav = Make<TGravMine>();
  Ship.MaxSpeed = 3;
  Ship.VX = 2;
  Ship.VY = 1;
  EXPECT_FALSE(grav->WantsToFire(&Foe, 50, 90)) << "3 is not above the limit";
  Ship.VY = 1.5;
  EXPECT_TRUE(grav->WantsToFire(&Foe, 50, 90)) << "any target while running fast";
  Ship.VX = -3.5;
  Ship.VY = 1.5;
  EXPECT_FALSE(grav->WantsToFire(&Foe, 50, 90)) << "the signed sum counts";
}

}  // namespace
}  // namespace sw
