#include <gtest/gtest.h>

#include "BattleTestKit.h"
#include "battle/Targeting.h"
#include "core/Numbers.h"

using namespace sw;
using namespace sw::testkit;

class Targets : public ::testing::Test {
protected:
  TObjectList List;
  TGameObject& Me = Place(List, "me", KIND_SHIP, 1, 400, 300);
};

TEST_F(Targets, NearestEnemyShipWithTiesToTheEarlierObject) {
  Place(List, "friend", KIND_SHIP, 1, 410, 300);
  Place(List, "far", KIND_SHIP, 2, 400, 100);
  TGameObject& first = Place(List, "first", KIND_SHIP, 2, 500, 300);
  Place(List, "second", KIND_SHIP, 2, 300, 300);  // just as near
  EXPECT_EQ(NearestEnemy(List, Me, false, false), &first);
}

TEST_F(Targets, DerelictRemovedAndCloakedShipsAreSkipped) {
  TGameObject& derelict = Place(List, "derelict", KIND_SHIP, 2, 410, 300);
  derelict.Derelict = true;
  TGameObject& removed = Place(List, "removed", KIND_SHIP, 2, 420, 300);
  removed.Removed = true;
  TGameObject& cloaked = Place(List, "cloaked", KIND_SHIP, 2, 430, 300);
  cloaked.Cloaked = true;
  TGameObject& visible = Place(List, "visible", KIND_SHIP, 2, 600, 300);
  EXPECT_EQ(NearestEnemy(List, Me, false, false), &visible);
  EXPECT_EQ(NearestEnemy(List, Me, false, true), &visible);
  EXPECT_EQ(NearestEnemy(List, Me, true, false), &cloaked);  // F1 sees through cloaks
}

TEST_F(Targets, AIInterestDecidesBetweenANearShotAndTheShip) {
  TGameObject& ship = Place(List, "ship", KIND_SHIP, 2, 600, 300);
  TGameObject& shot = Place(List, "shot", KIND_WEAPON, 2, 450, 300);
  RandSeed(3);
  shot.AIInterest = 10;  // a draw of 0..9 is always below 10
  for (int i = 0; i < 20; ++i) EXPECT_EQ(NearestEnemy(List, Me, false, false), &shot);
  shot.AIInterest = 0;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(NearestEnemy(List, Me, false, false), &ship);
  shot.AIInterest = 5;
  int shots = 0;
  for (int i = 0; i < 400; ++i) shots += NearestEnemy(List, Me, false, false) == &shot;
  EXPECT_GT(shots, 120);
  EXPECT_LT(shots, 280);
  // A shot further away than the ship is never chosen.
  shot.AIInterest = 10;
  shot.X = 700;
  EXPECT_EQ(NearestEnemy(List, Me, false, false), &ship);
}

TEST_F(Targets, EitherFlagTakesShipsOnly) {
  TGameObject& ship = Place(List, "ship", KIND_SHIP, 2, 600, 300);
  TGameObject& shot = Place(List, "shot", KIND_WEAPON, 2, 450, 300);
  shot.AIInterest = 10;
  shot.Beacon = true;
  EXPECT_EQ(NearestEnemy(List, Me, true, false), &ship);
  EXPECT_EQ(NearestEnemy(List, Me, false, true), &ship);
  ship.Removed = true;
  Place(List, "rock", KIND_ASTEROID, 0, 420, 300);
  // Only an enemy shot is left: nothing to aim at with a flag, and no fallback to the rock.
  EXPECT_EQ(NearestEnemy(List, Me, true, false), nullptr);
  EXPECT_EQ(NearestEnemy(List, Me, false, true), nullptr);
}

TEST_F(Targets, SeekingShotsFollowABeacon) {
  Place(List, "ship", KIND_SHIP, 2, 600, 300);
  TGameObject& decoy = Place(List, "decoy", KIND_WEAPON, 2, 450, 300);
  decoy.Beacon = true;
  decoy.AIInterest = 0;
  TGameObject& missile = Place(List, "missile", KIND_WEAPON, 1, 400, 300);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(NearestEnemy(List, missile, false, false), &decoy);
  // A ship's pilot is not fooled by the beacon itself.
  EXPECT_NE(NearestEnemy(List, Me, false, false), &decoy);
}

TEST_F(Targets, WithoutEnemiesTheNearestAsteroidWhateverTheFlags) {
  Place(List, "friend", KIND_SHIP, 1, 401, 300);
  TGameObject& planet = Place(List, "planet", KIND_PLANET, 0, 405, 300);  // hidden: CloakClass 2
  TGameObject& farRock = Place(List, "far rock", KIND_ASTEROID, 0, 700, 300);
  TGameObject& rock = Place(List, "rock", KIND_ASTEROID, 0, 450, 300);
  for (bool f1 : {false, true})
    for (bool f2 : {false, true}) EXPECT_EQ(NearestEnemy(List, Me, f1, f2), &rock);
  planet.CloakClass = 0;
  EXPECT_EQ(NearestEnemy(List, Me, false, false), &planet);
  planet.Removed = rock.Removed = farRock.Removed = true;
  EXPECT_EQ(NearestEnemy(List, Me, false, false), nullptr);
}
