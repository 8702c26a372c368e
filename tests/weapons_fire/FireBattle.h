#pragma once
// The weapons' stand-in battle with a ship size of our choosing and a hangar that records the
// craft it is asked to add (and adds them as ships, as the real battle does).
#include <cmath>
#include <numbers>
#include <vector>

#include "weapons/FakeBattle.h"

namespace sw {

class TFireBattle : public TFakeBattle {
public:
  int Width = 60, Height = 45;
  std::vector<TCraftOrder> Craft;

  int DisplayWidth(const TGameObject&) override { return Width; }
  int DisplayHeight(const TGameObject&) override { return Height; }
  TGameObject* AddCraft(const TCraftOrder& order) override {
    Craft.push_back(order);
    auto ship = std::make_unique<TGameObject>(KIND_SHIP, order.Speed, order.Angle, order.Y, order.X);
    ship->Side = order.Side;
    ship->AIDriven = true;
    return &AddObject(order.Key, std::move(ship));
  }
  // The i-th object registered under the key.
  TGameObject* Nth(const std::string& key, int n) {
    for (int i = 0; i < Objects.Count(); ++i)
      if (Objects.NameAt(i) == key && n-- == 0) return Objects.At(i);
    return nullptr;
  }
};

// The direction an object moves in, degrees clockwise from up, 0..360.
inline double Course(const TGameObject& o) {
  double d = std::atan2(o.VX, -o.VY) * 180.0 / std::numbers::pi;
  return d < 0 ? d + 360 : d;
}
inline double Speed(const TGameObject& o) { return std::hypot(o.VX, o.VY); }
// The shorter way round between two directions in degrees.
inline double AngleBetween(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

}  // namespace sw
