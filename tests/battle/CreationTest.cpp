#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "BattleTestKit.h"
#include "battle/Asteroids.h"
#include "battle/BackStar.h"
#include "battle/Trail.h"
#include "core/Numbers.h"

using namespace sw;

TEST(Creation, HeadingAndLaunchVelocityByKind) {
  TGameObject ship(KIND_SHIP, 2, 90, 0, 0);  // degrees
  EXPECT_NEAR(ship.Heading, 90 / 1.411, 1e-12);
  EXPECT_NEAR(ship.VX, 2, 1e-12);
  EXPECT_NEAR(ship.VY, 0, 1e-12);
  TGameObject shot(KIND_WEAPON, 3, 0, 0, 0);  // heading units
  EXPECT_EQ(shot.Heading, 0);
  EXPECT_NEAR(shot.VY, -3, 1e-12);
  TGameObject planet(KIND_PLANET, 0, 45, 10, 20);
  EXPECT_EQ(planet.Heading, 0);
  EXPECT_EQ(planet.X, 20);  // the constructor takes y before x
  EXPECT_EQ(planet.Y, 10);
}

TEST(Asteroids, DrawsInTheirOrderAndStayInsideTheField) {
  RandSeed(77);
  TObjectList list;
  AddAsteroids(list, 40);
  ASSERT_EQ(list.Count(), 40);
  EXPECT_EQ(list.NameAt(0), "asteroid_0");
  EXPECT_EQ(list.NameAt(39), "asteroid_39");

  // Replaying the same draws in the stated order gives every field.
  RandSeed(77);
  for (int i = 0; i < list.Count(); ++i) {
    const TGameObject& rock = *list.At(i);
    const std::string image = "asteroid" + std::to_string(Random(5) + 1);
    const int heading = Random(255);
    int spin = Random(2) + 1;
    const int speed = Random(3) + 1;
    if (Random(100) <= 50) spin = -spin;
    const int x = 40 + Random(720), y = 40 + Random(520);
    EXPECT_EQ(rock.ImageName, image);
    EXPECT_EQ(rock.Heading, heading);
    EXPECT_EQ(rock.Spin, spin);
    EXPECT_EQ(rock.X, x);
    EXPECT_EQ(rock.Y, y);
    EXPECT_NEAR(std::hypot(rock.VX, rock.VY), speed, 1e-9);
    EXPECT_EQ(rock.Kind, KIND_ASTEROID);
    EXPECT_EQ(rock.Side, 0);
    EXPECT_FALSE(rock.GravityAffected);
  }
  TObjectList none;
  AddAsteroids(none, 0);
  AddAsteroids(none, -1);
  EXPECT_EQ(none.Count(), 0);
}

TEST(Stars, ThreeHundredFiftyOneScatteredWithAllFourSizes) {
  RandSeed(5);
  TStarList stars;
  CreateStars(stars);
  ASSERT_EQ(stars.Count(), 351);
  EXPECT_EQ(stars.NameAt(350), "star_350");
  std::set<int> sizes;
  int smallest = 0;
  for (int i = 0; i < stars.Count(); ++i) {
    const TBackStar& s = *stars.At(i);
    EXPECT_TRUE(s.X >= 0 && s.X < 800 && s.Y >= 0 && s.Y < 600);
    sizes.insert(s.Size);
    smallest += s.Size == 4;
  }
  EXPECT_EQ(sizes, (std::set<int>{1, 2, 3, 4}));
  EXPECT_GT(smallest, 100);  // 41 in 100 are of class 4
  EXPECT_LT(smallest, 190);
}

TEST(Trails, FadeThreeLightnessStepsAFrameUntilDeleted) {
  TTrailList trails;
  AddTrail(trails, 1, 2, 0xFFFFFF);  // lightness 255
  AddTrail(trails, 3, 4, 0x030303);  // lightness 3: gone on the first frame
  AddTrail(trails, 5, 6, 0x000080);
  EXPECT_EQ(trails.NameAt(2), "trail_2");
  FadeTrails(trails);
  ASSERT_EQ(trails.Count(), 2);
  EXPECT_EQ(trails.At(0)->X, 1);
  EXPECT_EQ(trails.At(1)->X, 5);  // the next particle took the deleted one's place and faded too
  EXPECT_EQ(trails.At(0)->Colour, 0xFCFCFC);
  EXPECT_LT(trails.At(1)->Colour & 0xFF, 0x80);
  int frames = 1;
  while (trails.Find("trail_0") && frames < 200) {
    FadeTrails(trails);
    ++frames;
  }
  EXPECT_EQ(frames, 85);  // 255 / 3
  EXPECT_EQ(trails.Count(), 0);  // the darker red went first
}
