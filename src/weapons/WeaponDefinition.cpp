#include "weapons/WeaponDefinition.h"

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
  auto flag = [&](const char* key, bool def) { return AdfReadBool(file, s, key, def); };

  d.Ident = ident;
  d.ClassWord = str("Class", "");
  d.Display = str("Display", "");
  d.AIDriven = flag("AIDriven", false);
  d.TurnRate = AdfReadReal(file, s, "TurnRate", 0);
  d.Thrusters = num("Thrusters", 0);
  d.BurnSeq = num("BurnSeq", 0);
  d.PrimalDamage = num("PrimalDamage", 0);
  d.SecondDamage = num("SecondDamage", 0);
  d.ProjectileSpeed = num("ProjectileSpeed", 0);
  d.LifeSpan = num("LifeSpan", 0);
  d.EnergyUsage = num("EnergyUsage", 0);
  d.Activation = num("Activation", 0);
  d.ReloadTime = num("ReloadTime", 0);
  d.WeaponArc = num("WeaponArc", 0);
  d.AIFireChance = num("AIFireChance", 0);
  d.HitPoints = num("HitPoints", 0);
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
  d.WeaponDir = num("WeaponDir", 0);
  d.TrailColor = ReadColor(file, s, "TrailColor", warnings);
  d.FireSound = str("FireSound", "");
  d.HitSound = str("HitSound", "");
  d.ImageName = str("ImageName", "");
  d.ExplName = str("ExplName", "");
  d.FireImageCounter = num("FireImageCounter", 0);
  d.AnimationFrames = num("AnimationFrames", 0);
  d.ContinuesWeapon = flag("ContinuesWeapon", true);
  d.Beacon = flag("Beacon", false);
  d.Turret = flag("Turret", false);
  d.MaxCycles = num("MaxCycles", 0);
  d.CycleSpeed = num("CycleSpeed", 1);
  d.RotAngle = num("RotAngle", 0);
  d.Animated = flag("Animated", false);
  d.Rotating = flag("Rotating", false);
  d.DetOnTarg = flag("DetOnTarg", false);
  d.RemoteDetonation = flag("RemoteDetonation", false);
  d.Randomizer = num("Randomizer", 0);
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
