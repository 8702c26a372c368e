#pragma once
// Small helpers shared by the battle tests: objects placed by hand and a fixed set of sprites.
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "battle/Arena.h"
#include "battle/GameObject.h"

namespace sw::testkit {

inline TGameObject& Place(TObjectList& list, const std::string& name, uint8_t kind, int side, double x, double y,
                          double vx = 0, double vy = 0) {
  auto o = std::make_unique<TGameObject>(kind, 0, 0, y, x);
  o->X = x;  // an asteroid draws its own place; tests put it where they need it
  o->Y = y;
  o->Side = static_cast<uint8_t>(side);
  o->VX = vx;
  o->VY = vy;
  o->ImageName = "ship";
  return *list.Add(name, std::move(o));
}

// "ship" 48 x 48, "planet" 90 x 90, "dot" 6 x 6.
inline TImageSizeFn Sprites() {
  return [](const std::string& name) {
    static const std::map<std::string, TImageSize> sizes = {
        {"ship", {48, 48}}, {"planet", {90, 90}}, {"dot", {6, 6}}};
    auto it = sizes.find(name);
    if (it == sizes.end()) return TImageSize{};  // not loaded
    return it->second;
  };
}

}  // namespace sw::testkit
