#include <gtest/gtest.h>

#include "BattleTestKit.h"
#include "battle/Collisions.h"
#include "battle/Motion.h"
#include "core/Numbers.h"

using namespace sw;
using namespace sw::testkit;

namespace {
const TArenaView FarView{1, 3, 0, 0};
const TArenaView CloseView{3, 1, 0, 0};
}  // namespace

TEST(Overlap, FarViewCirclesFromDisplayedSizes) {
  TObjectList list;
  // "ship" is 48 wide: 16 shown, reach round(16 / 10 x 6) = round(9.6) = 10 each.
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 100, 100);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 120, 100);
  EXPECT_TRUE(ObjectsOverlap(a, b, Sprites(), FarView));
  b.X = 121;
  EXPECT_FALSE(ObjectsOverlap(a, b, Sprites(), FarView));
  // A tiny sprite is shown at least 3 wide: reach round(1.8) = 2.
  b.ImageName = "dot";
  b.X = 112;
  EXPECT_TRUE(ObjectsOverlap(a, b, Sprites(), FarView));
  b.X = 113;
  EXPECT_FALSE(ObjectsOverlap(a, b, Sprites(), FarView));
}

TEST(Overlap, CloseViewFullSizeRectanglesTouchingDoesNotCount) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 300, 300);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 348, 300);  // edges meet
  EXPECT_FALSE(ObjectsOverlap(a, b, Sprites(), CloseView));
  b.X = 347;
  EXPECT_TRUE(ObjectsOverlap(a, b, Sprites(), CloseView));
  b.Y = 348;  // corners apart diagonally: the circle test would also say no, but the x overlap alone is not enough
  EXPECT_FALSE(ObjectsOverlap(a, b, Sprites(), CloseView));
  b.X = 340;
  b.Y = 340;  // square corners overlap where circles of the far view would not reach
  EXPECT_TRUE(ObjectsOverlap(a, b, Sprites(), CloseView));
}

TEST(Bounce, SharedVelocityPerAxis) {
  EXPECT_EQ(SharedVelocity(2, 3), 3);
  EXPECT_EQ(SharedVelocity(-2, -3), -2);  // the larger value, not the faster one
  EXPECT_EQ(SharedVelocity(2, 0), 2);
  EXPECT_EQ(SharedVelocity(0, -2), 0);
  EXPECT_EQ(SharedVelocity(2, -2), HEAD_ON);
  EXPECT_EQ(SharedVelocity(3, -1), 2);
}

TEST(Bounce, MeetingPointWithEqualVelocitiesIsTheFirstBodysPlace) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 100, 100, 2, 1);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 150, 130, 2, -1);
  TMeetingPoint p = MeetingPoint(a, b);
  EXPECT_EQ(p.X, 100);  // equal x velocities: tx = 0
  EXPECT_EQ(p.Y, 100 + 15 * 1);  // |round(-30 / -2)| = 15 steps
  b.VY = 1 + 1e-300;  // barely closing: a huge number of steps stays finite
  p = MeetingPoint(a, b);
  EXPECT_EQ(p.Y, 100);
}

TEST(Bounce, BodyNearerTheMeetingPointTakesTheSharedVelocity) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 100, 100, 4, 0);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 110, 100, 1, 0);
  // They meet after 3 frames at x = 112, next to b.
  BounceObjects(a, b, Sprites(), FarView);
  EXPECT_DOUBLE_EQ(a.VX, -4.4);
  EXPECT_DOUBLE_EQ(b.VX, 4);
  EXPECT_TRUE(a.Bounced && b.Bounced);
  EXPECT_EQ(a.BounceAge, 0);
  EXPECT_EQ(b.BounceAge, 0);
  EXPECT_EQ(a.X, 100);  // only b is pushed out
  EXPECT_GT(b.X, 110);
}

TEST(Bounce, HeadOnCarriesTheOtherBodysMomentum) {
  TObjectList list;
  TGameObject& a = Place(list, "a", KIND_SHIP, 1, 100, 100, 2, 0);
  TGameObject& b = Place(list, "b", KIND_SHIP, 2, 110, 100, -2, 0);
  // Meeting at x = 104, nearer a: a keeps going with 1.1 x b's velocity, b recoils.
  BounceObjects(a, b, Sprites(), FarView);
  EXPECT_DOUBLE_EQ(a.VX, -2.2);
  EXPECT_DOUBLE_EQ(b.VX, 2.2);
  EXPECT_EQ(a.VY, 0);
  EXPECT_EQ(b.X, 110);
  // a was pushed out along its new velocity: 6 steps at most, or fewer when clear.
  EXPECT_LT(a.X, 100);
  EXPECT_GE(a.X, 100 - 6 * 2.2 - 1e-9);
}

TEST(Bounce, PlanetThrowsAShipBackAndTearsItsHull) {
  for (bool planetFirst : {true, false}) {
    TObjectList list;
    TGameObject* planet;
    TGameObject* ship;
    if (planetFirst) {
      planet = &Place(list, "planet", KIND_PLANET, 0, 400, 300);
      ship = &Place(list, "ship", KIND_SHIP, 1, 430, 300, -2, 1);
    } else {
      ship = &Place(list, "ship", KIND_SHIP, 1, 430, 300, -2, 1);
      planet = &Place(list, "planet", KIND_PLANET, 0, 400, 300);
    }
    planet->ImageName = "planet";
    ship->MaxStructure = 20;
    ship->Structure = 8;
    ship->MaxCrew = 10;
    ship->Crew = 10;
    planet->Starbase = false;
    if (planetFirst)
      BounceObjects(*planet, *ship, Sprites(), FarView);
    else
      BounceObjects(*ship, *planet, Sprites(), FarView);
    EXPECT_DOUBLE_EQ(ship->VX, 3);
    EXPECT_DOUBLE_EQ(ship->VY, -1.5);
    EXPECT_EQ(planet->X, 400);
    EXPECT_EQ(planet->VX, 0);
    EXPECT_DOUBLE_EQ(ship->Structure, 6);
    EXPECT_LT(ship->Crew, 10);  // 70 % of the hull gone: crew dies with it
    // Pushed clear of the planet (reach 18 + 10), or six steps out.
    EXPECT_TRUE(ObjectDistance(*ship, *planet) > 28 || ship->X == 430 + 6 * 3);
  }
}

TEST(Bounce, StarbaseStandsStillWithoutDamage) {
  TObjectList list;
  TGameObject& ship = Place(list, "ship", KIND_SHIP, 1, 100, 100, 1, 2);
  TGameObject& base = Place(list, "base", KIND_SHIP, 2, 110, 100, 0.5, 0);
  base.Starbase = true;
  ship.MaxStructure = ship.Structure = 20;
  BounceObjects(ship, base, Sprites(), FarView);
  EXPECT_DOUBLE_EQ(ship.VX, -1.5);
  EXPECT_DOUBLE_EQ(ship.VY, -3);
  EXPECT_DOUBLE_EQ(base.VX, 0.5);
  EXPECT_EQ(base.X, 110);
  EXPECT_EQ(ship.Structure, 20);
}
