#include "battle/Motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/Numbers.h"
#include "media/Geometry.h"

namespace sw {

namespace {
constexpr double DIAMOND_STEP = 1.568;  // a full turn of 255 units is about 400
constexpr double GRAVITY_THRESHOLD = 0.09;

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
}  // namespace

TDiamond DiamondDirection(double heading) {
  const double p = heading * DIAMOND_STEP;
  const double q = std::trunc(p / 100.0);
  const double o = p - 100.0 * q;
  if (p >= 0 && p < 100) return {o, o - 100};
  if (p >= 100 && p < 200) return {100 - o, o};
  if (p >= 200 && p < 300) return {-o, 100 - o};
  return {o - 100, -o};
}

double WrapHeading(double heading) {
  while (heading >= HEADING_TURN) heading -= HEADING_TURN;
  while (heading < 0) heading += HEADING_TURN;
  return heading;
}

void ApplyThrust(TGameObject& o, bool set, double heading, double strength, int zoom) {
  if (o.Starbase) return;
  if (strength == 0) {
    if (o.Age < o.ThrustDelay) return;
    o.ExhaustFrames = 2;
    heading = o.Heading;
    strength = o.Thrust;
  }
  const TDiamond d = DiamondDirection(heading);
  const double dx = d.DX * strength / 100.0 * zoom;
  const double dy = d.DY * strength / 100.0 * zoom;
  if (set) {
    o.VX = dx;
    o.VY = dy;
  } else {
    o.VX += dx;
    o.VY += dy;
  }
}

double BearingBetween(double ax, double ay, double bx, double by) {
  const double dx = std::fabs(ax - bx);
  const double dy = std::fabs(ay - by);
  if (dx == 0) return by > ay ? 180.0 : 0.0;  // the same spot counts as straight up
  if (dy == 0) return bx > ax ? 90.0 : 270.0;
  if (bx > ax) return by < ay ? Degrees(std::atan(dx / dy)) : 90.0 + Degrees(std::atan(dy / dx));
  return by > ay ? 180.0 + Degrees(std::atan(dx / dy)) : 270.0 + Degrees(std::atan(dy / dx));
}

double Bearing(const TGameObject& a, const TGameObject& b) {
  return BearingBetween(a.X, a.Y, b.X + b.VX, b.Y + b.VY);
}

double ObjectDistance(const TGameObject& a, const TGameObject& b) {
  return Distance(Round(a.X), Round(a.Y), Round(b.X), Round(b.Y));
}

double AimedBearing(const TGameObject& o, double bearing) {
  if (o.AimOffset == 0) return bearing;
  double b = std::fmod(bearing + o.AimOffset, 360.0);
  if (b < 0) b += 360;
  return b;
}

void TurnToward(TGameObject& o, const TGameObject* target, bool away) {
  if (o.Starbase) return;
  double desired;
  if (o.PilotMode == 2)
    desired = o.EvadeHeading;
  else if (target)
    desired = AimedBearing(o, Bearing(o, *target));
  else
    return;
  if (away) desired -= 180;
  if (desired < 0) desired += 360;

  const double h = o.Heading * DEGREES_PER_UNIT;
  if (Round(h) == Round(desired)) return;
  const double cw = desired >= h ? desired - h : 360 - h + desired;
  const double ccw = h > desired ? h - desired : h + 360 - desired;
  if (cw >= ccw) {
    o.Heading -= o.TurnRate;
    if (o.Heading < 0) o.Heading += HEADING_TURN;
  } else {
    o.Heading += o.TurnRate;
    if (o.Heading > HEADING_TURN) o.Heading -= HEADING_TURN;
  }
  // Close enough: settle exactly on the bearing instead of swinging past it.
  if (std::fabs(o.Heading * DEGREES_PER_UNIT - desired) < o.TurnRate + 10)
    o.Heading = desired / DEGREES_PER_UNIT;
}

void LimitSpeed(TGameObject& o, int zoom) {
  if (o.Kind != KIND_WEAPON && o.FreeSpeedFrames == 0) {
    const double limit = o.MaxSpeed * zoom;
    o.VX = std::clamp(o.VX, -limit, limit);
    o.VY = std::clamp(o.VY, -limit, limit);
  }
  if (o.Kind == KIND_PLANET) {
    o.VX = 0;
    o.VY = 0;
  } else if (o.Kind == KIND_ASTEROID && o.VX == 0 && o.VY == 0) {
    const int range = 3 * zoom;
    const int vx = Random(range);
    o.VX = vx - Random(range) / 2;
    const int vy = Random(range);
    o.VY = vy - Random(range) / 2;
  }
}

bool IsGravitySource(const TGameObject& source) {
  if (source.Removed || source.GravForce <= 0) return false;
  return source.Kind == KIND_PLANET || source.Age > source.Activation;
}

void ApplyGravityAndMove(TObjectList& objects, int zoom) {
  const int count = objects.Count();
  for (int i = 0; i < count; ++i) {
    TGameObject& o = *objects.At(i);
    if (o.Removed) continue;
    for (int j = 0; j < count; ++j) {
      if (j == i) continue;
      const TGameObject& source = *objects.At(j);
      if (!IsGravitySource(source)) continue;
      const double d = ObjectDistance(o, source);
      // An object sitting on the source itself has no direction to fall in.
      if (d <= 0) continue;
      const double g = source.GravForce / (std::sqrt(d) * 10.0) * zoom;
      if (g > GRAVITY_THRESHOLD && o.GravityAffected && o.Kind != KIND_PLANET && !o.Starbase)
        ApplyThrust(o, false, Bearing(o, source) / DEGREES_PER_UNIT, g, zoom);
    }
  }
  for (int i = 0; i < count; ++i) {
    TGameObject& o = *objects.At(i);
    if (o.Removed) continue;
    o.X += o.VX;
    o.Y += o.VY;
  }
}

}  // namespace sw
