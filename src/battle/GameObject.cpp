#include "battle/GameObject.h"

#include <cmath>
#include <numbers>

#include "core/Numbers.h"
#include "weapons/Weapon.h"

namespace sw {

TGameObject::TGameObject(uint8_t kind, double speed, double angle, double y, double x)
    : Kind(kind), DisplaySpin(static_cast<int32_t>(angle)), X(x), Y(y) {
  if (kind == KIND_SHIP)
    Heading = angle / DEGREES_PER_UNIT;
  else if (kind == KIND_WEAPON)
    Heading = angle;

  if (kind == KIND_ASTEROID) {
    // The draws come in this order so that a seeded battle always lays out the same field.
    ImageName = "asteroid" + std::to_string(Random(5) + 1);
    Side = 0;
    Heading = Random(255);
    Spin = Random(2) + 1;
    speed = Random(3) + 1;
    GravityAffected = false;
    if (Random(100) <= 50) Spin = -Spin;
    X = 40 + Random(720);
    Y = 40 + Random(520);
  }

  const double h = Heading * DEGREES_PER_UNIT * std::numbers::pi / 180.0;
  VX = std::sin(h) * speed;
  VY = -std::cos(h) * speed;
}

TGameObject::~TGameObject() = default;

}  // namespace sw
