#include <gtest/gtest.h>

#include <climits>

#include "media/Geometry.h"
#include "media/TextTokens.h"

using namespace sw;

TEST(Geometry, BearingInEveryQuadrantAndOnTheAxes) {
  // P seen from Q at the origin: measured from straight down, clockwise on screen.
  EXPECT_DOUBLE_EQ(BearingTo(0, 10, 0, 0), 0);
  EXPECT_DOUBLE_EQ(BearingTo(-10, 0, 0, 0), 90);
  EXPECT_DOUBLE_EQ(BearingTo(0, -10, 0, 0), 180);
  EXPECT_DOUBLE_EQ(BearingTo(10, 0, 0, 0), 270);
  EXPECT_DOUBLE_EQ(BearingTo(0, 0, 0, 0), 0);
  EXPECT_NEAR(BearingTo(-10, 10, 0, 0), 45, 1e-9);
  EXPECT_NEAR(BearingTo(-10, -10, 0, 0), 135, 1e-9);
  EXPECT_NEAR(BearingTo(10, -10, 0, 0), 225, 1e-9);
  EXPECT_NEAR(BearingTo(10, 10, 0, 0), 315, 1e-9);
  // Off the diagonals each quadrant must turn the right way.
  EXPECT_NEAR(BearingTo(-10, 20, 0, 0), 26.56505, 1e-4);   // left, mostly below
  EXPECT_NEAR(BearingTo(-20, -10, 0, 0), 116.56505, 1e-4); // left, mostly level
  EXPECT_NEAR(BearingTo(10, -20, 0, 0), 206.56505, 1e-4);  // right, mostly above
  EXPECT_NEAR(BearingTo(20, 10, 0, 0), 296.56505, 1e-4);   // right, mostly level
  // Away from the origin only the difference counts.
  EXPECT_NEAR(BearingTo(TPoint{90, 110}, TPoint{100, 100}), 45, 1e-9);
}

TEST(Geometry, PointTowardWithAndWithoutASideOffset) {
  // Travelling up the screen: the right-hand side is +x.
  TPoint p = PointToward(TPoint{100, 100}, TPoint{100, 0}, 10, 0);
  EXPECT_EQ(p.X, 100);
  EXPECT_EQ(p.Y, 90);
  p = PointToward(TPoint{100, 100}, TPoint{100, 0}, 10, 5);
  EXPECT_EQ(p.X, 105);
  EXPECT_EQ(p.Y, 90);
  p = PointToward(TPoint{100, 100}, TPoint{100, 0}, 10, -5);
  EXPECT_EQ(p.X, 95);
  EXPECT_EQ(p.Y, 90);
  // Travelling right: the right-hand side is down the screen.
  p = PointToward(TPoint{0, 0}, TPoint{100, 0}, 20, 3);
  EXPECT_EQ(p.X, 20);
  EXPECT_EQ(p.Y, 3);
  // Diagonally down-left, 10 * sqrt(2) away: (-10, 10); offset to the right of that is up-left.
  p = PointToward(TPoint{0, 0}, TPoint{-50, 50}, 14.142135623730951, 1.4142135623730951);
  EXPECT_EQ(p.X, -11);
  EXPECT_EQ(p.Y, 9);
}

TEST(Geometry, DistanceAndIsBetween) {
  EXPECT_DOUBLE_EQ(Distance(0, 0, 3, 4), 5);
  EXPECT_DOUBLE_EQ(Distance(-3, 10, 0, 6), 5);
  EXPECT_DOUBLE_EQ(Distance(7, 7, 7, 7), 0);
  EXPECT_TRUE(IsBetween(1, 10, 5));
  EXPECT_TRUE(IsBetween(10, 1, 5));
  EXPECT_FALSE(IsBetween(1, 10, 1));
  EXPECT_FALSE(IsBetween(10, 1, 10));
  EXPECT_FALSE(IsBetween(3, 3, 3));
  EXPECT_FALSE(IsBetween(1, 10, 11));
}

TEST(Geometry, RectanglesThatOnlyTouchDoNotOverlap) {
  TRect a{100, 100, 140, 130};  // 40 x 30
  EXPECT_TRUE(RectsOverlapAt(a, 10, 10, 0, 0));
  EXPECT_FALSE(RectsOverlapAt(a, 10, 10, 40, 0));   // touches the right edge
  EXPECT_TRUE(RectsOverlapAt(a, 10, 10, 39, 0));
  EXPECT_FALSE(RectsOverlapAt(a, 10, 10, -10, 0));  // touches the left edge
  EXPECT_TRUE(RectsOverlapAt(a, 10, 10, -9, 29));
  EXPECT_FALSE(RectsOverlapAt(a, 10, 10, 0, 30));   // touches the bottom
  EXPECT_FALSE(RectsOverlapAt(a, 10, 10, 0, -10));  // touches the top
}

TEST(Geometry, StepsToMeetRoundsHalvesToEvenAndNeverOverflows) {
  EXPECT_EQ(StepsToMeet(1, 5, 0, 10), 2);   // 10 / -4 = -2.5
  EXPECT_EQ(StepsToMeet(5, 1, 0, 14), 4);   // 14 / 4 = 3.5
  EXPECT_EQ(StepsToMeet(3, 3, 0, 100), 0);
  EXPECT_EQ(StepsToMeet(2, 0, 50, 10), 20);
  EXPECT_EQ(StepsToMeet(1e-300, 0, 0, 1e10), INT_MAX);
}

TEST(Geometry, WrapPositionAroundTheArena) {
  double x = -21, y = 300;
  WrapPosition(x, y, 20, 1, 15);
  EXPECT_EQ(x, 800);
  EXPECT_EQ(y, 300);
  x = -20;
  WrapPosition(x, y, 20, 1, 15);
  EXPECT_EQ(x, -20) << "at the margin itself nothing wraps";
  x = 800.5;
  y = -15.5;
  WrapPosition(x, y, 20, 1, 15);
  EXPECT_EQ(x, -20);
  EXPECT_EQ(y, 600);
  x = 2401;
  y = 1801;
  WrapPosition(x, y, 20, 3, 15);
  EXPECT_EQ(x, -20);
  EXPECT_EQ(y, -15);
}

TEST(Geometry, FitSizeKeepsTheAspect) {
  int w = 30, h = 40;
  FitSize(w, h, 40, 40);
  EXPECT_EQ(w, 30);
  EXPECT_EQ(h, 40);
  w = 80, h = 40;
  FitSize(w, h, 40, 40);
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 20);
  w = 30, h = 90;
  FitSize(w, h, 40, 40);
  EXPECT_EQ(w, 13);
  EXPECT_EQ(h, 40);
  w = 100, h = 90;  // both too large: the larger ratio wins
  FitSize(w, h, 43, 43);
  EXPECT_EQ(w, 43);
  EXPECT_EQ(h, 39);
  w = 50, h = 0;
  FitSize(w, h, 40, 0);
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 0);
}

TEST(TextTokens, TakesFieldsOneByOne) {
  std::string date = "27;05;1976;";
  EXPECT_EQ(TakeToken(date, ";"), "27");
  EXPECT_EQ(date, "05;1976;");
  EXPECT_EQ(TakeToken(date, ";"), "05");
  EXPECT_EQ(TakeToken(date, ";"), "1976");
  EXPECT_EQ(date, "");

  std::string plain = "abc";
  EXPECT_EQ(TakeToken(plain, ";"), "ab") << "without a separator the last character is dropped";
  EXPECT_EQ(plain, "");

  std::string empty;
  EXPECT_EQ(TakeToken(empty, ";"), "");
  EXPECT_EQ(empty, "");

  std::string longer = "one, two";
  EXPECT_EQ(TakeToken(longer, ", "), "one");
  EXPECT_EQ(longer, "two");
}

