#pragma once
// What a weapon needs of the battle it fights in. The battle implements this; the weapons never
// see the whole battle, so they are tested with a small stand-in.
#include <cstdint>
#include <memory>
#include <string>

#include "core/Colors.h"
#include "media/Surface.h"

namespace sw {

class TGameObject;

// A craft launched by a carrier (fighters, drones): a full ship of the carrier's ship file,
// with its hull and crew full, flown by the computer.
struct TCraftOrder {
  std::string Class;   // ship section in the carrier's ship file; also the craft's picture
  std::string Key;     // where it is registered in the object list
  std::string Prefix;  // the carrier's add-on prefix
  int32_t Activation = 0;
  uint8_t Side = 0;
  double Speed = 0;
  double Angle = 0;  // degrees, 0 up, clockwise
  double X = 0, Y = 0;
  TGameObject* Carrier = nullptr;  // recorded as the craft's launcher
};

class IBattleAccess {
public:
  virtual ~IBattleAccess() = default;

  // The view scale: 1 far out, 3 close in. Speeds, ranges and distances are multiplied by it.
  virtual int Zoom() const = 0;

  // Appends an object to the battle's object list under the key (keys may repeat; a lookup
  // finds the first). The list owns it.
  virtual TGameObject& AddObject(const std::string& key, std::unique_ptr<TGameObject> object) = 0;
  // The first object registered under the key (letter case ignored), or nullptr.
  virtual TGameObject* FindObject(const std::string& key) = 0;
  // The object list in list order (for the ring waves that reach every object).
  virtual int ObjectCount() const = 0;
  virtual TGameObject* ObjectAt(int index) = 0;

  // The object's nearest enemy by the battle's target rules; allowCloaked (ships only, cloaked
  // ones included) and shipsOnly are the two target flags. nullptr when there is none.
  virtual TGameObject* NearestEnemy(const TGameObject& from, bool allowCloaked, bool shipsOnly) = 0;
  // Bearing in degrees (0 up, clockwise) from one object to where the other will be next frame.
  virtual double Bearing(const TGameObject& from, const TGameObject& to) = 0;
  // Distance between the two objects' positions rounded to whole pixels.
  virtual double Distance(const TGameObject& a, const TGameObject& b) = 0;
  // Displayed size of the object's image at the current zoom (never below 3).
  virtual int DisplayWidth(const TGameObject& object) = 0;
  virtual int DisplayHeight(const TGameObject& object) = 0;

  // Plays a sound of the battle's sound list once. An empty name, or one the list does not hold,
  // plays nothing and is not an error (data sets may leave sounds out).
  virtual void PlaySound(const std::string& name) = 0;

  // Draws an expanding ring wave this frame, centred on a world position, in the colour, with
  // rings every `step` pixels out to the outer diameter `size`.
  virtual void DrawRingWave(double x, double y, TColor color, int step, int size) = 0;

  // Where beams draw this frame: the battle's back buffer (nullptr when nothing is drawn), and
  // the camera, so a world point (x, y) lands on screen at (round(x) - X, round(y) - Y).
  virtual TSurface* EffectSurface() { return nullptr; }
  virtual TPoint Camera() const { return {}; }

  // True when the battle's image list holds a picture of that name (a stand-in has them all).
  virtual bool HasImage(const std::string& /*name*/) const { return true; }

  // Adds a carried craft as a ship of the battle (its pictures were loaded with its carrier).
  // nullptr when this battle takes no craft.
  virtual TGameObject* AddCraft(const TCraftOrder& /*order*/) { return nullptr; }
};

}  // namespace sw
