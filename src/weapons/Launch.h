#pragma once
// Putting one weapon object into the battle for a weapon that launches several at once, or from
// somewhere other than the plain gun's way: from a given point, with a given heading, speed, key
// and life, carrying every launch value of its weapon.
#include <cstdint>
#include <string>

namespace sw {

class TGameObject;
class TWeapon;
class IBattleAccess;

struct TLaunch {
  std::string Key;        // where it is registered in the object list
  double X = 0, Y = 0;    // start point; rounded to whole pixels
  double Heading = 0;     // heading units, used as given (it may lie outside 0..255)
  double Speed = 0;       // pixels per frame along the heading
  int32_t LifeSpan = 0;   // frames before it ends
  bool Trail = false;     // takes the weapon's trail colour; otherwise the object's own red
  bool Tick = false;      // the weapon's tick handler animates it
};

// Creates the object and gives it the weapon's image, side, pilot flag, activation, launcher,
// structure, both damages, beacon, interest, turn rate, thrust, engine flame, opacity, gravity
// flag, shockwave flag and hit handler.
TGameObject& LaunchWeaponObject(TWeapon& weapon, IBattleAccess& battle, const TLaunch& launch);

// The heading straight behind a ship (units), kept inside one turn.
double HeadingBehind(double shipHeading);

}  // namespace sw
