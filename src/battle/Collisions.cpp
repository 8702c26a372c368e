#include "battle/Collisions.h"

#include <algorithm>
#include <cmath>

#include "battle/Motion.h"
#include "core/Numbers.h"
#include "media/Geometry.h"
#include "weapons/Damage.h"

namespace sw {

namespace {
constexpr int PUSH_OUT_STEPS = 6;
constexpr double STILL_BODY_THROW = -1.5;
constexpr double RECOIL = -1.1;
constexpr double HEAD_ON_CARRY = 1.1;

int Reach(TImageSize displayed) { return Round(std::max(displayed.Width, displayed.Height) / 10.0 * 6); }

bool StandsStill(const TGameObject& o) { return o.Kind == KIND_PLANET || o.Starbase; }

// The still body throws the other back, and the planet's surface tears at a ship's hull.
void BounceOffStill(TGameObject& still, TGameObject& mover, const TImageSizeFn& sizes, const TArenaView& view) {
  mover.VX *= STILL_BODY_THROW;
  mover.VY *= STILL_BODY_THROW;
  PushOut(mover, still, sizes, view);
  if (mover.Kind == KIND_SHIP && still.Kind == KIND_PLANET) {
    mover.Structure -= mover.MaxStructure / 10;
    ApplyCrewLoss(mover, Round(mover.MaxStructure / 10));
  }
}

// `keeper` takes the shared velocity and is pushed clear; `recoiler` bounces back.
void Exchange(TGameObject& recoiler, TGameObject& keeper, double sharedX, double sharedY, const TImageSizeFn& sizes,
              const TArenaView& view) {
  if (sharedX == HEAD_ON || sharedY == HEAD_ON) {
    // Head on: the keeper carries on with the recoiling body's momentum.
    sharedX = HEAD_ON_CARRY * recoiler.VX;
    sharedY = HEAD_ON_CARRY * recoiler.VY;
  }
  recoiler.VX *= RECOIL;
  recoiler.VY *= RECOIL;
  keeper.VX = sharedX;
  keeper.VY = sharedY;
  PushOut(keeper, recoiler, sizes, view);
}
}  // namespace

bool CirclesOverlap(const TGameObject& a, TImageSize displayedA, const TGameObject& b, TImageSize displayedB) {
  return Reach(displayedA) + Reach(displayedB) >= ObjectDistance(a, b);
}

bool RectsOverlap(const TGameObject& a, TImageSize imageA, const TGameObject& b, TImageSize imageB) {
  return std::fabs(a.X - b.X) * 2 < imageA.Width + imageB.Width &&
         std::fabs(a.Y - b.Y) * 2 < imageA.Height + imageB.Height;
}

bool ObjectsOverlap(const TGameObject& a, const TGameObject& b, const TImageSizeFn& sizes, const TArenaView& view) {
  const TImageSize sa = ObjectImageSize(a, sizes);
  const TImageSize sb = ObjectImageSize(b, sizes);
  if (view.Zoom == 3) return RectsOverlap(a, sa, b, sb);
  return CirclesOverlap(a, DisplayedSize(sa, view.ImageDivisor), b, DisplayedSize(sb, view.ImageDivisor));
}

double SharedVelocity(double va, double vb) {
  if (std::fabs(va + vb) == std::fabs(va) + std::fabs(vb)) return std::max(va, vb);
  if (va + vb == 0) return HEAD_ON;
  return va + vb;
}

TMeetingPoint MeetingPoint(const TGameObject& a, const TGameObject& b) {
  const int tx = StepsToMeet(b.VX, a.VX, b.X, a.X);
  const int ty = StepsToMeet(b.VY, a.VY, b.Y, a.Y);
  // Bodies that would need ages to meet are as good as never meeting: the point stays far out
  // without overflowing.
  const double px = std::clamp(a.X + tx * a.VX, -1e9, 1e9);
  const double py = std::clamp(a.Y + ty * a.VY, -1e9, 1e9);
  return {Round(px), Round(py)};
}

void PushOut(TGameObject& o, const TGameObject& other, const TImageSizeFn& sizes, const TArenaView& view) {
  const TImageSize so = DisplayedSize(ObjectImageSize(o, sizes), view.ImageDivisor);
  const TImageSize sother = DisplayedSize(ObjectImageSize(other, sizes), view.ImageDivisor);
  for (int step = 0; step < PUSH_OUT_STEPS; ++step) {
    o.X += o.VX;
    o.Y += o.VY;
    if (!CirclesOverlap(o, so, other, sother)) break;
  }
}

void BounceObjects(TGameObject& a, TGameObject& b, const TImageSizeFn& sizes, const TArenaView& view) {
  a.Bounced = b.Bounced = true;
  a.BounceAge = b.BounceAge = 0;
  if (StandsStill(a)) {
    BounceOffStill(a, b, sizes, view);
    return;
  }
  if (StandsStill(b)) {
    BounceOffStill(b, a, sizes, view);
    return;
  }
  const double sharedX = SharedVelocity(a.VX, b.VX);
  const double sharedY = SharedVelocity(a.VY, b.VY);
  const TMeetingPoint p = MeetingPoint(a, b);
  const double da = Distance(Round(a.X), Round(a.Y), p.X, p.Y);
  const double db = Distance(Round(b.X), Round(b.Y), p.X, p.Y);
  if (db < da)
    Exchange(a, b, sharedX, sharedY, sizes, view);
  else
    Exchange(b, a, sharedX, sharedY, sizes, view);
}

}  // namespace sw
