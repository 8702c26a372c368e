// The lightning beams: the chain's leaps from object to nearest object, its cost per leap, and
// the drainer's energy siphon.
#include <gtest/gtest.h>

#include "BeamBattle.h"
#include "core/Numbers.h"
#include "weapons/ChainBeams.h"

namespace sw::test {
namespace {

class Chain : public ::testing::Test {
protected:
  TBeamBattle B;
  TGameObject& Ship = B.Ship("player1ship", 1, 400, 300);
  TWeaponDefinition D = [] {
    TWeaponDefinition d = Def("CHAIN_RAY");
    d.ProjectileSpeed = 50;
    d.PrimalDamage = 3;
    d.EnergyUsage = 2;
    d.Degrading = true;  // has no say on a chain
    return d;
  }();
  std::unique_ptr<TChainBeam> Make() {
    auto w = std::make_unique<TChainBeam>(&Ship, "player1ship", D, &B);
    w->Fire(0);
    return w;
  }
  void SetUp() override { RandSeed(5); }
};

TEST_F(Chain, LeapsToTheNearestFromEachLinkAndSkipsRocksAndPlanets) {
  TGameObject& a = B.Ship("a", 2, 440, 300);    // 40 from the ship
  TGameObject& c = B.Ship("c", 2, 350, 300);    // 50 from the ship, 90 from a
  TGameObject& b = B.Ship("b", 1, 470, 340);    // a friend, 50 from a
  B.Add("rock", KIND_ASTEROID, 0, 420, 300);    // nearer, but never a link
  B.Add("planet", KIND_PLANET, 0, 380, 300);
  TGameObject& lost = B.Ship("lost", 2, 600, 340);  // 130 from b: beyond reach + 1
  auto w = Make();
  const auto links = w->ChainBeamLinks();
  ASSERT_EQ(links.size(), 3u);
  EXPECT_EQ(links[1], &a);
  EXPECT_EQ(links[2], &b) << "from a, b is nearer than c, which is out of reach of a";
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(a.Structure, 47) << "full damage at every link";
  EXPECT_DOUBLE_EQ(b.Structure, 47) << "a friend in the chain is hurt too";
  EXPECT_DOUBLE_EQ(c.Structure, 50);
  EXPECT_DOUBLE_EQ(lost.Structure, 50);
  EXPECT_DOUBLE_EQ(Ship.Energy, 36) << "each leap is paid";
  EXPECT_EQ(B.CountSounds("fire"), 1);
}

TEST_F(Chain, ReachIsOnePixelLongerThanTheBeam) {
  TGameObject& edge = B.Ship("edge", 2, 451, 300);
  TGameObject& past = B.Ship("past", 2, 503, 300);  // 52 from edge
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(edge.Structure, 47);
  EXPECT_DOUBLE_EQ(past.Structure, 50);
}

TEST_F(Chain, WeaponObjectsLoseOnePointPerFrame) {
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 420, 300);
  shot.Structure = 2;
  auto w = Make();
  w->FrameEffect();
  EXPECT_DOUBLE_EQ(shot.Structure, 1);
  EXPECT_EQ(shot.Age, 0);
  w->FrameEffect();
  EXPECT_EQ(shot.Age, shot.LifeSpan);
}

TEST_F(Chain, StopsLeapingWhenTheNextLeapCannotBePaidButStaysOn) {
  TGameObject& a = B.Ship("a", 2, 430, 300);
  TGameObject& b = B.Ship("b", 2, 460, 300);
  Ship.Energy = 4;  // one leap: then 2 left, short of the cost + 1
  auto w = Make();
  w->FrameEffect();
  EXPECT_EQ(w->LastLinks, 1);
  EXPECT_DOUBLE_EQ(a.Structure, 47);
  EXPECT_DOUBLE_EQ(b.Structure, 50);
  EXPECT_DOUBLE_EQ(Ship.Energy, 2);
  EXPECT_TRUE(w->Active);
  // A living ship pays with hull, down to a tenth of its full hull.
  Ship.Organic = true;
  Ship.MaxStructure = 50;
  Ship.Structure = 9;
  w->FrameEffect();
  EXPECT_EQ(w->LastLinks, 2);
  EXPECT_DOUBLE_EQ(Ship.Structure, 5);
  w->FrameEffect();
  EXPECT_EQ(w->LastLinks, 0);
}

TEST_F(Chain, WithNothingInReachItMakesNoSound) {
  B.Ship("far", 2, 700, 300);
  auto w = Make();
  w->FrameEffect();
  EXPECT_EQ(B.CountSounds("fire"), 0);
  EXPECT_DOUBLE_EQ(Ship.Energy, 40);
}

TEST(Drainer, SiphonsOnePointFromEveryShipInReachWhateverItsSide) {
  TBeamBattle B;
  TGameObject& ship = B.Ship("player1ship", 1, 400, 300);
  TGameObject& foe = B.Ship("foe", 2, 450, 300);
  TGameObject& friendShip = B.Ship("friend", 1, 400, 250);
  TGameObject& last = B.Ship("last", 2, 350, 300);
  TGameObject& dead = B.Ship("dead", 2, 400, 330);
  TGameObject& far = B.Ship("far", 2, 520, 300);
  TGameObject& shot = B.Add("shot", KIND_WEAPON, 2, 420, 300);
  last.Energy = 1;
  dead.Derelict = true;
  ship.Energy = 38;
  TWeaponDefinition d = Def("DRAIN_BEAM");
  d.ProjectileSpeed = 100;
  d.EnergyUsage = 5;
  TEnergyDrainer w(&ship, "player1ship", d, &B);
  B.Surface = std::make_unique<TSurface>(800, 600);
  w.Fire(0);
  w.FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Energy, 39);
  EXPECT_DOUBLE_EQ(friendShip.Energy, 39);
  EXPECT_DOUBLE_EQ(last.Energy, 1) << "the last point stays";
  EXPECT_DOUBLE_EQ(dead.Energy, 40);
  EXPECT_DOUBLE_EQ(far.Energy, 40);
  EXPECT_DOUBLE_EQ(shot.Structure, 5);
  EXPECT_DOUBLE_EQ(ship.Energy, 40) << "gains up to its full banks; nothing is paid";
  EXPECT_EQ(w.LastReached, 3) << "a bolt to the ship with 1 energy as well";
  EXPECT_EQ(B.CountSounds("fire"), 1);
  w.FrameEffect();
  EXPECT_DOUBLE_EQ(foe.Energy, 38) << "a full firer still drains";
  EXPECT_DOUBLE_EQ(ship.Energy, 40);
  int lit = 0;
  for (uint16_t p : B.Surface->Pixels) lit += p != 0;
  EXPECT_GT(lit, 50) << "bolts are drawn";
}

}  // namespace
}  // namespace sw::test
