#pragma once
// Every thing that moves or collides in a battle: asteroids, ships, the planet and the weapon
// objects that weapons launch. One plain record with a kind byte; the battle's object list owns it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/NamedList.h"

namespace sw {

class TWeapon;
class TGameObject;

// Object kinds.
constexpr uint8_t KIND_ASTEROID = 0;
constexpr uint8_t KIND_SHIP = 1;
constexpr uint8_t KIND_WEAPON = 2;  // projectiles, mines, craft, and a ship while it explodes
constexpr uint8_t KIND_PLANET = 3;

// Heading units: 255 to a full turn, 0 up the screen, growing clockwise.
constexpr double DEGREES_PER_UNIT = 1.411;
constexpr double HEADING_TURN = 255.0;

// A weapon object's hit handler: on contact it is called with (self, other); after its life
// span each frame with (self, nullptr). Bound to the launching weapon.
using TObjectHitEvent = std::function<void(TGameObject& self, TGameObject* other)>;
// The tick handler: called each frame while assigned.
using TObjectFrameEvent = std::function<void(TGameObject& self)>;

class TGameObject {
public:
  // kind, initial speed, angle (degrees for a ship, heading units for a weapon object), y, x.
  // An asteroid draws its image, heading, spin, speed and position from the global generator,
  // ignoring speed, angle and position.
  TGameObject(uint8_t kind, double speed, double angle, double y, double x);
  TGameObject() : TGameObject(KIND_SHIP, 0, 0, 0, 0) {}
  ~TGameObject();
  TGameObject(const TGameObject&) = delete;
  TGameObject& operator=(const TGameObject&) = delete;

  std::string DisplayName;
  std::string ShipClass;
  std::string ImageName;  // the image drawn this frame (changes during an explosion)
  std::string IconImage;  // the ship's own image: sprite base and roster icon
  std::string Prefix;     // add-on prefix of the ship's data files
  double Heading = 0;     // heading units
  int32_t Spin = 0;       // asteroid rotation per frame
  bool Bounced = false;   // already bounced in this frame's collision pass
  int32_t BounceAge = 999;
  uint8_t Kind = KIND_SHIP;
  bool AIDriven = false;
  uint8_t Side = 0;  // 0 neutral, 1 or 2
  double TurnRate = 0;
  double Thrust = 0;
  int32_t ExhaustFrames = 0;
  int32_t Age = 0;
  int32_t LifeSpan = 0;
  int32_t ExplosionFrame = 0;
  bool Dying = false;
  bool RemoveMe = false;
  std::unique_ptr<TWeapon> Weapon1;
  std::unique_ptr<TWeapon> Weapon2;
  int32_t Opacity = 255;
  int32_t OverlayAlpha = 0;
  int32_t Activation = 0;  // frames before the object collides, attracts or is piloted
  TGameObject* Launcher = nullptr;  // not owned
  double MaxStructure = 0;
  double MaxCrew = 0;
  double MaxEnergy = 0;
  double Structure = 10000;
  double Crew = 10000;
  double Energy = 0;
  double EnergyRegen = 0;
  int32_t AIInterest = 0;  // chance out of 10 that a computer pilot picks this weapon object
  bool Beacon = false;     // attracts seeking weapon objects
  double MaxSpeed = 3.0;   // per-axis speed limit at zoom 1
  int32_t FreeSpeedFrames = 0;
  bool CreateShockwave = false;
  bool Cloaked = false;
  int32_t PrimalDamage = 0;
  int32_t SecondDamage = 0;
  int32_t Boarders = 0;
  bool DeviceOn = false;
  uint8_t ShieldKind = 0;  // 1 drains energy, 2 adds to energy, 3 no protection
  std::string OverlayImage;
  uint8_t CloakClass = 2;
  int32_t StunFrames = 0;
  int32_t TrailColour = 255;
  int32_t GravForce = 0;
  int32_t ThrustDelay = 0;
  int32_t FireImageFrames = 0;
  bool Cybernetic = false;
  bool Organic = false;
  bool Resiliant = false;
  bool Starbase = false;
  bool DamageFlee = false;
  int32_t PendingTurn = 0;
  int32_t ShieldFlash = 0;
  bool Rotating = false;
  int32_t DisplaySpin = 0;
  int32_t DeviceFrames = 0;
  bool GravityAffected = true;
  uint8_t PilotMode = 0;  // 0 attack, 1 retreat, 2 evade
  int32_t EvadeFrames = 0;
  double EvadeHeading = 0;
  // The computer pilot's skill: 0 Cadet, 1 Veteran, 2 Ace (the pilot at its best).
  uint8_t AISkill = 2;
  // Degrees a less skilled pilot's aim is off this frame; turning toward a target adds them.
  double AimOffset = 0;
  // Frames a less skilled pilot still needs before it acts on the target it has just seen.
  int32_t ReactionFrames = 0;
  const TGameObject* SeenTarget = nullptr;  // compared only, never followed
  double X = 0;
  double Y = 0;
  double VX = 0;
  double VY = 0;
  bool Removed = false;   // finished; kept for the outcome file, skipped by every pass
  bool Derelict = false;  // no crew left
  TObjectHitEvent OnHit;
  TObjectFrameEvent OnFrame;
};

// The battle's object list; it owns every object in it.
using TObjectList = TNamedList<TGameObject>;

}  // namespace sw
