#pragma once
// The transporter: beams crew straight aboard the nearest enemy ship within reach, where they
// fight as boarders; the two-way kind brings as many of the enemy's crew back as boarders.
#include "weapons/Weapon.h"

namespace sw {

class TTransport : public TWeapon {
public:
  using TWeapon::TWeapon;
  void Fire(uint8_t released) override;
};

}  // namespace sw
