#include "media/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "core/Numbers.h"

namespace sw {

namespace {
constexpr double DegToRad = M_PI / 180.0;
double AtanDeg(double v) { return std::atan(v) / DegToRad; }
}  // namespace

double Distance(int x1, int y1, int x2, int y2) {
  double dx = std::abs(static_cast<double>(x1) - x2);
  double dy = std::abs(static_cast<double>(y1) - y2);
  return std::sqrt(dx * dx + dy * dy);
}

bool IsBetween(double a, double b, double v) { return (a < v && v < b) || (b < v && v < a); }

double BearingTo(double px, double py, double qx, double qy) {
  double dx = std::abs(px - qx), dy = std::abs(py - qy);
  if (px == qx && py == qy) return 0;
  if (px == qx) return py > qy ? 0 : 180;
  if (py == qy) return px < qx ? 90 : 270;
  bool left = px < qx, below = py > qy;
  if (left && below) return AtanDeg(dx / dy);
  if (left) return 90 + AtanDeg(dy / dx);
  if (!below) return 180 + AtanDeg(dx / dy);
  return 270 + AtanDeg(dy / dx);
}

TPoint PointToward(double ox, double oy, double tx, double ty, double distance, double sideOffset) {
  // The origin as seen from the target; a quarter turn back from it points at the target.
  double g = BearingTo(ox, oy, tx, ty);
  double u = (g - 90) * DegToRad;
  double x = ox + distance * std::cos(u);
  double y = oy + distance * std::sin(u);
  if (sideOffset != 0) {
    double t = (sideOffset > 0 ? g : g - 180) * DegToRad;
    double s = std::abs(sideOffset);
    x += s * std::cos(t);
    y += s * std::sin(t);
  }
  return {Round(x), Round(y)};
}

bool RectsOverlapAt(const TRect& a, int bWidth, int bHeight, int offsetX, int offsetY) {
  long long bl = static_cast<long long>(a.Left) + offsetX, bt = static_cast<long long>(a.Top) + offsetY;
  long long br = bl + bWidth, bb = bt + bHeight;
  return a.Left < br && bl < a.Right && a.Top < bb && bt < a.Bottom;
}

int StepsToMeet(double p1, double p2, double q1, double q2) {
  if (p1 == p2) return 0;
  double v = std::abs((q2 - q1) / (p1 - p2));
  // Movers that barely close on each other would need more steps than an int holds.
  if (!(v < static_cast<double>(INT_MAX))) return INT_MAX;
  return Round(v);
}

void WrapPosition(double& x, double& y, double marginX, int screens, double marginY) {
  double w = screens * 800.0, h = screens * 600.0;
  if (x < -marginX) x = w;
  if (x > w) x = -marginX;
  if (y < -marginY) y = h;
  if (y > h) y = -marginY;
}

void FitSize(int& width, int& height, int maxWidth, int maxHeight) {
  if (width <= maxWidth && height <= maxHeight) return;
  // Only a side that is too large sets the scale, so a zero maximum on a side that fits
  // cannot make the ratio undefined.
  double ratio = 0;
  if (width > maxWidth) ratio = std::max(ratio, maxWidth > 0 ? static_cast<double>(width) / maxWidth : INFINITY);
  if (height > maxHeight)
    ratio = std::max(ratio, maxHeight > 0 ? static_cast<double>(height) / maxHeight : INFINITY);
  width = Round(width / ratio);
  height = Round(height / ratio);
}

}  // namespace sw
