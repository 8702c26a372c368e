#pragma once
// Motion rules of battle objects: the diamond direction used by thrust and gravity, thrust,
// turning toward a bearing, bearing and distance, the per-axis speed limit, and the gravity
// and integration pass that ends every object update.
#include "battle/GameObject.h"

namespace sw {

// A direction with |DX| + |DY| = 100, found without trigonometry from a heading in units.
struct TDiamond {
  double DX = 0;
  double DY = 0;
};
TDiamond DiamondDirection(double heading);

// Brings a heading back into [0, 255) by adding or taking away one full turn of 255 units.
double WrapHeading(double heading);

// Thrust along `heading` with `strength`: the velocity changes by an L1 length of
// strength x zoom (or becomes that change when `set`). Strength 0 means the object's own
// engine: its own heading and Thrust, not before Age reaches ThrustDelay, and it leaves exhaust.
// A starbase never thrusts.
void ApplyThrust(TGameObject& o, bool set, double heading, double strength, int zoom);

// Bearing in degrees [0, 360), 0 up, clockwise, from a's position to b's position one frame
// ahead. Two objects on the same spot have bearing 0.
double Bearing(const TGameObject& a, const TGameObject& b);
double BearingBetween(double ax, double ay, double bx, double by);

// Distance between two objects' positions rounded to whole pixels.
double ObjectDistance(const TGameObject& a, const TGameObject& b);

// The bearing a pilot aims at: the true one plus the ship's aim offset, in [0, 360).
double AimedBearing(const TGameObject& o, double bearing);
// One turning step toward the target's aimed bearing (away from it with `away`); in evade mode
// toward EvadeHeading (degrees) instead. Snaps onto the bearing when close. A starbase never
// turns; without a target (and not evading) nothing happens.
void TurnToward(TGameObject& o, const TGameObject* target, bool away);

// The per-axis speed limit (never for weapon objects nor while FreeSpeedFrames runs), then the
// planet stop and the restart of an asteroid that came to rest.
void LimitSpeed(TGameObject& o, int zoom);

// Gravity from every source onto every object it may pull, then every object moves by its
// velocity. Removed objects take no part.
void ApplyGravityAndMove(TObjectList& objects, int zoom);

// Whether `source` pulls this frame: a force, and past its activation. The planet pulls from
// the first frame: it never ages, and its force comes from the battle file to be felt.
bool IsGravitySource(const TGameObject& source);

}  // namespace sw
