#include <gtest/gtest.h>

#include "BattleTestKit.h"
#include "battle/Arena.h"
#include "battle/Collisions.h"

using namespace sw;
using namespace sw::testkit;

TEST(DisplayedSize, DividedByTheImageDivisorNeverBelowThree) {
  EXPECT_EQ(DisplayedSize({48, 30}, 3).Width, 16);
  EXPECT_EQ(DisplayedSize({48, 30}, 3).Height, 10);
  EXPECT_EQ(DisplayedSize({48, 30}, 1).Width, 48);
  EXPECT_EQ(DisplayedSize({8, 9}, 3).Width, 3);  // 8 div 3 = 2 shows as 3
  EXPECT_EQ(DisplayedSize({8, 9}, 3).Height, 3);
  EXPECT_EQ(DisplayedSize({0, 0}, 1).Width, 3);
}

TEST(Wrap, AnObjectWithoutItsPictureMovesWithItsOwnPicturesSizeOrTheDefault) {
  TObjectList list;
  TGameObject& o = Place(list, "o", KIND_WEAPON, 1, 801, 300);
  o.ImageName = "explosion1_3";  // a detonation frame that is not loaded
  o.IconImage = "ship";          // the shot's own picture is
  EXPECT_EQ(ObjectImageSize(o, Sprites()).Width, 48);
  const TArenaView far{1, 3, 0, 0};
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.X, -8);  // half of the 16 pixels the 48-pixel sprite shows
  o.IconImage.clear();
  EXPECT_EQ(ObjectImageSize(o, Sprites()).Width, DefaultObjectSize.Width);
  TGameObject& other = Place(list, "other", KIND_SHIP, 2, 0, 300);
  EXPECT_TRUE(ObjectsOverlap(o, other, Sprites(), far)) << "it still collides";
}

TEST(Wrap, LeavingLeftComesBackOnTheEdgeLeavingRightJustOutside) {
  TObjectList list;
  TGameObject& o = Place(list, "o", KIND_SHIP, 1, -8, 300);  // half of 16 shown is 8
  const TArenaView far{1, 3, 0, 0};
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.X, -8);  // not past the margin yet
  o.X = -8.5;
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.X, 800);
  o.X = 800.5;
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.X, -8);
  o.Y = -9;
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.Y, 600);
  o.Y = 601;
  WrapObject(o, Sprites(), far);
  EXPECT_EQ(o.Y, -8);
  // The close view is three times larger and shows sprites at full size.
  const TArenaView close{3, 1, 0, 0};
  o.X = 2401;
  WrapObject(o, Sprites(), close);
  EXPECT_EQ(o.X, -24);
  o.X = 1000;
  WrapObject(o, Sprites(), close);
  EXPECT_EQ(o.X, 1000);
}

class Camera : public ::testing::Test {
protected:
  TObjectList Objects;
  TStarList Stars;
  TTrailList Trails;
  TArenaView View;
  TArenaContents Contents{Objects, Stars, Trails};
  TGameObject& Focus = Place(Objects, "player1ship", KIND_SHIP, 1, 300, 200, 1, -1);
  TGameObject& Opponent = Place(Objects, "player2ship", KIND_SHIP, 2, 340, 230, -2, 0.5);
  TGameObject& Wreck = Place(Objects, "wreck", KIND_SHIP, 2, 50, 50, 1, 1);
  void SetUp() override {
    Wreck.Removed = true;
    auto star = std::make_unique<TBackStar>();
    star->X = 10.5;
    star->Y = 20;
    Stars.Add("star_0", std::move(star));
    AddTrail(Trails, 100, 101, 255);
  }
};

TEST_F(Camera, ZoomsInWhenThePairIsCloseScalingEverythingButRemovedObjects) {
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 3);
  EXPECT_EQ(View.ImageDivisor, 1);
  EXPECT_EQ(Focus.X, 900);
  EXPECT_EQ(Focus.VY, -3);
  EXPECT_EQ(Opponent.Y, 690);
  EXPECT_EQ(Opponent.VX, -6);
  EXPECT_EQ(Wreck.X, 50);
  EXPECT_EQ(Wreck.VX, 1);
  EXPECT_DOUBLE_EQ(Stars.At(0)->X, 31.5);
  EXPECT_EQ(Trails.At(0)->Y, 303);
  // Far-view rectangle: 292..348 by 192..238; its centre (320, 215) goes to the middle of the screen.
  EXPECT_EQ(View.CameraX, 3 * 320 - 400);
  EXPECT_EQ(View.CameraY, 3 * 215 - 300);
}

TEST_F(Camera, FollowsThePairInTheCloseViewAndZoomsOutWhenTheyPart) {
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  Focus.X += 30;  // 930..1020 by 576..714 at full size
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 3);
  const int left = 930 - 24, right = 1020 + 24, top = 600 - 24, bottom = 690 + 24;
  EXPECT_EQ(View.CameraX, left - (800 - (right - left)) / 2);
  EXPECT_EQ(View.CameraY, top - (600 - (bottom - top)) / 2);

  Opponent.X = Focus.X + 800;  // 848 wide with the sprites
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 1);
  EXPECT_EQ(View.ImageDivisor, 3);
  EXPECT_EQ(View.CameraX, 0);
  EXPECT_EQ(View.CameraY, 0);
  EXPECT_EQ(Focus.X, 310);
  EXPECT_DOUBLE_EQ(Stars.At(0)->X, 10.5);
  EXPECT_EQ(Trails.At(0)->X, 100);
}

TEST_F(Camera, CameraNeverGoesNegativeAndFarPairsStayFar) {
  Focus.X = 20;
  Focus.Y = 20;
  Opponent.X = 40;
  Opponent.Y = 30;
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 3);
  EXPECT_EQ(View.CameraX, 0);
  EXPECT_EQ(View.CameraY, 0);
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.CameraX, 0);
  EXPECT_EQ(View.CameraY, 0);

  View = TArenaView{};
  ChangeZoom(View, 1, {}, Contents);
  Opponent.X = Focus.X + 300;  // 3 x 316 is not below 800
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 1);
}

TEST_F(Camera, WithoutAnOpponentTheWholeArenaIsShown) {
  UpdateCamera(View, &Focus, &Opponent, Sprites(), Contents);
  UpdateCamera(View, &Focus, nullptr, Sprites(), Contents);
  EXPECT_EQ(View.Zoom, 1);
  EXPECT_EQ(Focus.X, 300);
  // Already at zoom 1: nothing moves.
  UpdateCamera(View, nullptr, nullptr, Sprites(), Contents);
  EXPECT_EQ(Focus.X, 300);
  EXPECT_EQ(View.ImageDivisor, 3);
}
