#pragma once
// Small geometry shared by the screens, the battle, the weapons and the campaign: distances,
// bearings, points along a line, rectangle overlap, arena wrapping and fitting sizes.
// Screen coordinates: x to the right, y down.
#include "media/Surface.h"

namespace sw {

// Straight-line distance between two integer points.
double Distance(int x1, int y1, int x2, int y2);

// True when the value lies strictly between the two bounds, whichever way round they are.
bool IsBetween(double boundA, double boundB, double value);

// The bearing in degrees (0 up to 360) of P as seen from Q, measured from straight down and
// turning clockwise on screen: P below Q is 0, left of Q 90, above 180, right 270.
double BearingTo(double px, double py, double qx, double qy);
inline double BearingTo(TPoint p, TPoint q) { return BearingTo(p.X, p.Y, q.X, q.Y); }

// The point at the given distance from the origin toward the target, moved sideways by the
// offset (positive = to the right of the direction of travel), rounded to whole pixels.
TPoint PointToward(double ox, double oy, double tx, double ty, double distance, double sideOffset);
inline TPoint PointToward(TPoint origin, TPoint target, double distance, double sideOffset) {
  return PointToward(origin.X, origin.Y, target.X, target.Y, distance, sideOffset);
}

// True when rectangle A and a rectangle of B's size placed at the offset from A's top-left
// corner overlap; rectangles that only touch do not.
bool RectsOverlapAt(const TRect& a, int bWidth, int bHeight, int offsetX, int offsetY);

// How many steps two movers need to meet: |Round((q2 - q1) / (p1 - p2))|; 0 when p1 = p2.
// Results too large for an int are held at the largest int.
int StepsToMeet(double p1, double p2, double q1, double q2);

// Wraps a position around the arena (screens x screens of 800 x 600): past the left margin it
// reappears at the right edge and past the right edge at the left margin; the same for y.
void WrapPosition(double& x, double& y, double marginX, int screens, double marginY);

// Shrinks a size to fit the maximum, keeping its aspect; unchanged when it fits already.
void FitSize(int& width, int& height, int maxWidth, int maxHeight);

}  // namespace sw
