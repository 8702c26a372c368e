// The weapons that only set up a kill: mines laid across a following enemy's path, stuns kept
// back while the enemy is still held, and a held enemy pressed rather than fled from.
#include <gtest/gtest.h>

#include <memory>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"
#include "core/Numbers.h"
#include "weapons/Guns.h"
#include "weapons/Mines.h"

namespace sw::pilottest {
namespace {

double SetUpHeading(double degrees) { return degrees / DEGREES_PER_UNIT; }

int WeaponObjects(TPilotBattle& b) {
  int n = 0;
  for (int i = 0; i < b.Objects.Count(); ++i) n += b.Objects.At(i)->Kind == KIND_WEAPON ? 1 : 0;
  return n;
}

// A ship heading right (90 degrees) at (400, 300), with an enemy ship `dx` pixels to its right
// (ahead) or left (astern), and a weapon of class W in slot 1 that is always ready and sure to fire.
template <class W>
struct TSetUp {
  TPilotBattle Battle;
  TGameObject& Me;
  TGameObject& Foe;
  W* Weapon;
  TSetUp(double dx, TWeaponDefinition def) : Me(Battle.Ship("player1ship", 1, 400, 300, SetUpHeading(90))),
                                            Foe(Battle.Ship("player2ship", 2, 400 + dx, 300)) {
    def.AIFireChance = 100;
    def.WeaponArc = 360;
    auto w = std::make_unique<W>(&Me, "player1ship", def, &Battle);
    Weapon = w.get();
    Me.Weapon1 = std::move(w);
    Empty(Me, Battle, 2);
  }
  int LaidAfterOneFrame() {
    FlyComputerShip(Battle, Me);
    return WeaponObjects(Battle);
  }
};

TWeaponDefinition Mine(int speed, int life, int weaponDir = 0) {
  TWeaponDefinition d;
  d.ProjectileSpeed = speed;
  d.LifeSpan = life;
  d.WeaponDir = weaponDir;
  d.ImageName = "mine_1";
  return d;
}

TEST(KillSetUp, MinesGoAcrossAFollowersPathAndNeverHoldTheLayerBack) {
  // Laid astern: a ship following close behind gets one, one ahead or far behind does not.
  EXPECT_EQ(TSetUp<TMine>(-150, Mine(1, 150)).LaidAfterOneFrame(), 1) << "a follower 150 pixels astern";
  EXPECT_EQ(TSetUp<TMine>(150, Mine(1, 150)).LaidAfterOneFrame(), 0) << "an enemy ahead";
  EXPECT_EQ(TSetUp<TMine>(-400, Mine(1, 150)).LaidAfterOneFrame(), 0) << "a follower too far behind";
  EXPECT_EQ(TSetUp<TPlasmaMine>(-150, Mine(1, 80, 2)).LaidAfterOneFrame(), 1) << "a plasma mine laid astern";
  // Fired ahead: straight at an enemy within its reach, never at one astern.
  EXPECT_EQ(TSetUp<TGravMine>(300, Mine(3, 120)).LaidAfterOneFrame(), 1) << "a graviton mine ahead within 360";
  EXPECT_EQ(TSetUp<TGravMine>(400, Mine(3, 120)).LaidAfterOneFrame(), 0) << "beyond its reach";
  EXPECT_EQ(TSetUp<TGravMine>(-150, Mine(3, 120)).LaidAfterOneFrame(), 0) << "a graviton mine astern";

  // A mine astern never reaches what lies ahead, so the layer keeps closing in, however far its
  // mines would drift; one fired ahead holds the distance like a gun.
  TSetUp<TMine> closing(300, Mine(1, 400));
  closing.LaidAfterOneFrame();
  EXPECT_GT(closing.Me.VX, 0);
  TSetUp<TGravMine> ahead(100, Mine(3, 120));
  ahead.LaidAfterOneFrame();
  EXPECT_EQ(ahead.Me.VX, 0);

  // Close in, the layer turns its back on the enemy and leads it across the mines.
  TSetUp<TMine> lead(150, Mine(1, 150));
  int laid = 0;
  for (int i = 0; i < 60; ++i) laid = lead.LaidAfterOneFrame();
  EXPECT_LT(lead.Me.VX, 0) << "flying away from the enemy to its right";
  EXPECT_GE(laid, 1);

  // So does a ship whose gun fires astern, within the gun's reach; one with a gun ahead as well
  // fights facing its enemy.
  for (bool gunAhead : {false, true}) {
    TPilotBattle b;
    TGameObject& me = b.Ship("player1ship", 1, 400, 300, SetUpHeading(90));
    b.Ship("player2ship", 2, 600, 300);
    Arm(me, b, 1, Reaching(400)).WeaponDir = 2;
    TProbe& other = Arm(me, b, 2, Reaching(100));
    other.DamagingWeapon = gunAhead;
    for (int i = 0; i < 60; ++i) FlyComputerShip(b, me);
    EXPECT_NEAR(me.Heading * DEGREES_PER_UNIT, gunAhead ? 90 : 270, 1) << gunAhead;
    if (!gunAhead) { EXPECT_LT(me.VX, 0) << "leading the enemy on"; }
  }
}

TEST(KillSetUp, AStunIsKeptForAFreeEnemyAndAHeldOneIsPressedHome) {
  TWeaponDefinition dart;
  dart.ProjectileSpeed = 13;
  dart.LifeSpan = 24;
  dart.SecondDamage = 40;
  // Out of energy the pilot would fall back; a stunned enemy is attacked instead, and the dart
  // is not spent on it again.
  TSetUp<TDisabler> held(200, dart);
  held.Me.Energy = 1;
  held.Foe.StunFrames = 20;
  EXPECT_EQ(held.LaidAfterOneFrame(), 0);
  EXPECT_EQ(held.Me.PilotMode, 0);
  // So is an enemy whose engines are locked.
  TSetUp<TDisabler> locked(200, dart);
  locked.Foe.ThrustDelay = 90;
  locked.Foe.Age = 10;
  EXPECT_EQ(locked.LaidAfterOneFrame(), 0);
  // Once the enemy is free again the dart flies, and a low pilot falls back as before.
  TSetUp<TDisabler> free(200, dart);
  free.Me.Energy = 1;
  EXPECT_EQ(free.LaidAfterOneFrame(), 1);
  EXPECT_EQ(free.Me.PilotMode, 1);
}

}  // namespace
}  // namespace sw::pilottest
