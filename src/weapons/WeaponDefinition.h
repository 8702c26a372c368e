#pragma once
// One section of a weapon file: every tuning key of a weapon or device with its default.
// The section name is the weapon identifier that a ship class names in WEAPON1 / WEAPON2.
#include <cstdint>
#include <string>
#include <vector>

#include "core/Colors.h"
#include "weapons/DataWarnings.h"

namespace sw {

// The identifier that stands for an empty slot, whatever its section holds.
inline const std::string EmptyWeaponIdent = "EMPTY";

struct TWeaponDefinition {
  std::string Ident;      // the section name
  std::string ClassWord;  // Class: selects the weapon class
  std::string Display;    // name shown on the set-up screen and in the campaign database
  bool AIDriven = false;
  double TurnRate = 0;
  int32_t Thrusters = 0;
  int32_t BurnSeq = 0;
  int32_t PrimalDamage = 0;
  int32_t SecondDamage = 0;
  int32_t ProjectileSpeed = 0;
  int32_t LifeSpan = 0;
  int32_t EnergyUsage = 0;
  int32_t Activation = 0;
  int32_t ReloadTime = 0;
  int32_t WeaponArc = 0;
  int32_t AIFireChance = 0;
  int32_t HitPoints = 0;
  int32_t AIInterest = 0;
  bool CreateShockwave = false;
  int32_t DefaultOpacity = 255;
  bool GravityAff = true;
  uint8_t BeamType = 0;
  TColor BeamColor = clRed;
  bool Degrading = false;
  bool Vampiric = false;
  bool EnergyDrain = false;
  bool Impulse = false;
  bool AttackFriendly = true;
  bool DamagingWeapon = true;
  int32_t WeaponDir = 0;
  TColor TrailColor = clRed;
  std::string FireSound;
  std::string HitSound;
  std::string ImageName;
  std::string ExplName;
  int32_t FireImageCounter = 0;
  int32_t AnimationFrames = 0;
  bool ContinuesWeapon = true;
  bool Beacon = false;
  bool Turret = false;
  int32_t MaxCycles = 0;
  int32_t CycleSpeed = 1;
  int32_t RotAngle = 0;
  bool Animated = false;
  bool Rotating = false;
  bool DetOnTarg = false;
  bool RemoteDetonation = false;
  int32_t Randomizer = 0;
  uint8_t TransportType = 0;
};

// Ranges the numbers of a weapon section are held to when read.
constexpr int32_t MaxFrames = 100000;          // times and counts of frames (about 50 minutes)
constexpr int32_t MaxSpeed = 1000;             // pixels per frame
constexpr int32_t MaxAmount = 1000000;         // damage, hit points, energy, thrust
constexpr int32_t MaxAnimationFrames = 1000;   // frames of a detonation or an animated shot

// Reads one section of a weapon file. A missing file, section or key gives the defaults.
// A colour that is neither a colour name nor a number gives red and a warning; a number out of
// its range is held to the nearest end, with a warning.
TWeaponDefinition ReadWeaponDefinition(const std::string& file, const std::string& ident,
                                       TDataWarnings* warnings = nullptr);

// Every key a weapon section may hold, in the order of the definition above.
const std::vector<std::string>& WeaponFileKeys();

}  // namespace sw
