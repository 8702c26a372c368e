#include "weapons/WeaponDefinition.h"

#include <algorithm>

#include "core/Adf.h"

namespace sw {

namespace {

TColor ReadColor(const std::string& file, const std::string& section, const std::string& key,
                 TDataWarnings* warnings) {
  if (!AdfKeyExists(file, section, key)) return clRed;
  const std::string text = AdfReadString(file, section, key, "clRed");
  if (auto c = ParseColor(text)) return *c;
  AddDataWarning(warnings, file, section, key,
                 "colour \"" + text + "\" is neither a colour name nor a number; clRed is used");
  return clRed;
}

}  // namespace

TWeaponDefinition ReadWeaponDefinition(const std::string& file, const std::string& ident,
                                       TDataWarnings* warnings) {
  TWeaponDefinition d;
  const std::string& s = ident;
  auto str = [&](const char* key, const std::string& def) { return AdfReadString(file, s, key, def); };
  auto num = [&](const char* key, int def) { return static_cast<int32_t>(AdfReadInteger(file, s, key, def)); };
  // A number held to the range the battle can count with: times in frames, speeds and amounts
  // far beyond any weapon would overflow the counters and sums that use them.
  auto ranged = [&](const char* key, int def, int lo, int hi) {
    const int32_t v = num(key, def);
    if (v >= lo && v <= hi) return v;
    const int32_t held = std::clamp(v, lo, hi);
    AddDataWarning(warnings, file, s, key,
                   std::to_string(v) + " is out of range " + std::to_string(lo) + ".." + std::to_string(hi) + "; " +
                       std::to_string(held) + " is used");
    return held;
  };
  auto flag = [&](const char* key, bool def) { return AdfReadBool(file, s, key, def); };

  d.Ident = ident;
  d.ClassWord = str("Class", "");
  d.Display = str("Display", "");
  d.AIDriven = flag("AIDriven", false);
  d.TurnRate = AdfReadReal(file, s, "TurnRate", 0);
  if (!(d.TurnRate >= -255 && d.TurnRate <= 255)) {
    AddDataWarning(warnings, file, s, "TurnRate", "out of range -255..255; 0 is used");
    d.TurnRate = 0;
  }
  d.Thrusters = ranged("Thrusters", 0, -MaxAmount, MaxAmount);
  d.BurnSeq = ranged("BurnSeq", 0, 0, MaxFrames);
  d.PrimalDamage = ranged("PrimalDamage", 0, -MaxAmount, MaxAmount);
  d.SecondDamage = ranged("SecondDamage", 0, -MaxAmount, MaxAmount);
  d.ProjectileSpeed = ranged("ProjectileSpeed", 0, -MaxSpeed, MaxSpeed);
  d.LifeSpan = ranged("LifeSpan", 0, 0, MaxFrames);
  d.EnergyUsage = ranged("EnergyUsage", 0, -MaxAmount, MaxAmount);
  d.Activation = ranged("Activation", 0, 0, MaxFrames);
  d.ReloadTime = ranged("ReloadTime", 0, 0, MaxFrames);
  d.WeaponArc = ranged("WeaponArc", 0, 0, 360);
  d.AIFireChance = num("AIFireChance", 0);
  d.HitPoints = ranged("HitPoints", 0, -MaxAmount, MaxAmount);
  d.AIInterest = num("AIInterest", 0);
  d.CreateShockwave = flag("CreateShockwave", false);
  d.DefaultOpacity = num("DefaultOpacity", 255);
  d.GravityAff = flag("GravityAff", true);
  d.BeamType = static_cast<uint8_t>(num("BeamType", 0));  // a byte: only the low 8 bits count
  d.BeamColor = ReadColor(file, s, "BeamColor", warnings);
  d.Degrading = flag("Degrading", false);
  d.Vampiric = flag("Vampiric", false);
  d.EnergyDrain = flag("EnergyDrain", false);
  d.Impulse = flag("Impulse", false);
  d.AttackFriendly = flag("AttackFriendly", true);
  d.DamagingWeapon = flag("DamagingWeapon", true);
  d.WeaponDir = ranged("WeaponDir", 0, -4, 4);
  d.TrailColor = ReadColor(file, s, "TrailColor", warnings);
  d.FireSound = str("FireSound", "");
  d.HitSound = str("HitSound", "");
  d.ImageName = str("ImageName", "");
  d.ExplName = str("ExplName", "");
  d.FireImageCounter = ranged("FireImageCounter", 0, 0, MaxFrames);
  d.AnimationFrames = ranged("AnimationFrames", 0, 0, MaxAnimationFrames);
  d.ContinuesWeapon = flag("ContinuesWeapon", true);
  d.Beacon = flag("Beacon", false);
  d.Turret = flag("Turret", false);
  d.MaxCycles = ranged("MaxCycles", 0, 0, MaxAnimationFrames);
  d.CycleSpeed = ranged("CycleSpeed", 1, -360, 360);
  d.RotAngle = ranged("RotAngle", 0, -255, 255);
  d.Animated = flag("Animated", false);
  d.Rotating = flag("Rotating", false);
  d.DetOnTarg = flag("DetOnTarg", false);
  d.RemoteDetonation = flag("RemoteDetonation", false);
  d.Randomizer = ranged("Randomizer", 0, 0, 360);
  d.TransportType = static_cast<uint8_t>(num("TransportType", 0));
  return d;
}

const std::vector<std::string>& WeaponFileKeys() {
  static const std::vector<std::string> keys = {
      "Class",           "Display",         "AIDriven",       "TurnRate",         "Thrusters",
      "BurnSeq",         "PrimalDamage",    "SecondDamage",   "ProjectileSpeed",  "LifeSpan",
      "EnergyUsage",     "Activation",      "ReloadTime",     "WeaponArc",        "AIFireChance",
      "HitPoints",       "AIInterest",      "CreateShockwave", "DefaultOpacity",  "GravityAff",
      "BeamType",        "BeamColor",       "Degrading",      "Vampiric",         "EnergyDrain",
      "Impulse",         "AttackFriendly",  "DamagingWeapon", "WeaponDir",        "TrailColor",
      "FireSound",       "HitSound",        "ImageName",      "ExplName",         "FireImageCounter",
      "AnimationFrames", "ContinuesWeapon", "Beacon",         "Turret",           "MaxCycles",
      "CycleSpeed",      "RotAngle",        "Animated",       "Rotating",         "DetOnTarg",
      "RemoteDetonation", "Randomizer",     "TransportType"};
  return keys;
}

}  // namespace sw
