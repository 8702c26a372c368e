#include "battle/ShipRoster.h"

#include <algorithm>

#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/ImageList.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponFactory.h"

namespace sw {

TGameFolders TGameFolders::FromRoot(std::string root) {
  if (!root.empty() && root.back() != '/') root += '/';
  TGameFolders f;
  f.Root = root;
  f.Data = root + "data/";
  f.Ships = root + "ships/";
  f.Graphics = root + "graphics/";
  f.Sounds = root + "sounds/";
  f.Music = f.Sounds + "music/";
  return f;
}

std::string ShipDataFile(const std::string& dataFolder, const std::string& prefix, const std::string& name) {
  return ResolvePath(NormalizeSlashes(dataFolder + prefix + name + ".adf"));
}

std::vector<std::string> ReadAddOnPrefixes(const std::string& dataFolder) {
  std::vector<std::string> prefixes{""};
  const std::string index = ResolvePath(dataFolder + "add-ons/add-ons.adf");
  for (const auto& section : AdfReadSections(index))
    prefixes.push_back("add-ons\\" + AdfReadString(index, section, "PREFIX", ""));
  return prefixes;
}

TShipClass ReadShipClass(const std::string& file, const std::string& s, TDataWarnings* warnings) {
  // Numbers are held to ranges a battle can count, round and draw with; a hull or crew far
  // beyond any ship would overflow the rounding of the status panels and the crew rows.
  auto warn = [&](const char* key, const std::string& value, const std::string& range, const std::string& used) {
    AddDataWarning(warnings, file, s, key, value + " is out of range " + range + "; " + used + " is used");
  };
  auto whole = [&](const char* key, int lo, int hi) {
    const int v = AdfReadInteger(file, s, key, 0);
    if (v >= lo && v <= hi) return v;
    const int held = std::clamp(v, lo, hi);
    warn(key, std::to_string(v), std::to_string(lo) + ".." + std::to_string(hi), std::to_string(held));
    return held;
  };
  auto real = [&](const char* key, double hi) {
    const double v = AdfReadReal(file, s, key, 0);
    if (v >= 0 && v <= hi) return v;
    const double held = v > hi ? hi : 0;  // not a number, or below 0: 0
    warn(key, AdfReadString(file, s, key, ""), "0.." + std::to_string(static_cast<int>(hi)),
         std::to_string(static_cast<int>(held)));
    return held;
  };
  TShipClass c;
  c.BmpImage = AdfReadString(file, s, "BMP_IMAGE", "");
  c.Starbase = AdfReadBool(file, s, "STARBASE", false);
  c.TurnRate = whole("TURN_RATE", -255, 255);
  c.Thrusters = whole("THRUSTERS", -MaxShipAmount, MaxShipAmount);
  c.Structure = real("STRUCTURE", MaxShipAmount);
  c.Crew = real("CREW", MaxShipAmount);
  c.Energy = real("ENERGY", MaxShipAmount);
  c.EnergyAsInteger = std::clamp(AdfReadInteger(file, s, "ENERGY", 0), 0, MaxShipAmount);
  c.EnergyRegen = whole("ENERGY_R", -MaxShipAmount, MaxShipAmount);
  c.MaxSpeed = whole("MAX_SPEED", 0, MaxShipAmount);
  c.DisplayName = AdfReadString(file, s, "DISP_NAME", "");
  c.Cybernetic = AdfReadBool(file, s, "CYBERNETIC", false);
  c.Organic = AdfReadBool(file, s, "ORGANIC", false);
  c.Resiliant = AdfReadBool(file, s, "RESILIANT", false);
  c.Grav = AdfReadBool(file, s, "GRAV", true);
  c.DamageFlee = AdfReadBool(file, s, "DAMAGE_FLEE", false);
  c.Rotating = AdfReadBool(file, s, "ROTATING", false);
  c.Weapon1 = AdfReadString(file, s, "WEAPON1", "");
  c.Weapon2 = AdfReadString(file, s, "WEAPON2", "");
  c.DogfightInclude = AdfReadBool(file, s, "DF_INCLUDE", true);
  c.Race = AdfReadString(file, s, "RACE", "");
  return c;
}

const std::vector<std::string>& ShipFileKeys() {
  static const std::vector<std::string> keys = {
      "BMP_IMAGE", "STARBASE",   "TURN_RATE", "THRUSTERS", "STRUCTURE",   "CREW",     "ENERGY",
      "ENERGY_R",  "MAX_SPEED",  "DISP_NAME", "CYBERNETIC", "ORGANIC",    "RESILIANT", "GRAV",
      "DAMAGE_FLEE", "ROTATING", "WEAPON1",   "WEAPON2",   "DF_INCLUDE", "RACE"};
  return keys;
}

namespace {

// Loads a picture under `name`; one that cannot be read leaves no picture of that name (never
// an earlier battle's) and a warning, and the battle goes on without it.
bool LoadPicture(TRoster& roster, const std::string& name, const std::string& path, const std::string& file,
                 const std::string& section, const std::string& key) {
  try {
    roster.Images->LoadImage(name, path, clBlack);
    return true;
  } catch (const std::exception& e) {
    roster.Images->Remove(name);
    AddDataWarning(roster.Warnings, file, section, key, e.what());
    return false;
  }
}

// Loads a ship picture under `name`, and its firing picture under name + "_fr" when it exists
// and can be read. A ship without one has no firing picture of that name left from an earlier
// battle either.
void LoadShipImages(TRoster& roster, const std::string& shipsFile, const std::string& shipClass,
                    const std::string& bmp, const std::string& name) {
  // The ship's own picture is the one it cannot fight without: the image loader's error.
  if (bmp.empty()) throw EGameError("Ship class \"" + shipClass + "\" has no picture (BMP_IMAGE)");
  const std::string base = NormalizeSlashes(roster.Folders.Ships + bmp);
  roster.Images->LoadImage(name, ResolvePath(base + ".img"), clBlack);
  const std::string firing = ResolvePath(base + "_fr.img");
  if (!FileExists(firing) || !LoadPicture(roster, name + "_fr", firing, shipsFile, shipClass, "BMP_IMAGE"))
    roster.Images->Remove(name + "_fr");
}

void LoadRace(TRoster& roster, int side, const std::string& racesFile, const std::string& race) {
  roster.RaceName[side] = AdfReadString(racesFile, race, "DISPLAY_NAME", "");
  if (!roster.Images) return;
  const std::string logo = AdfReadString(racesFile, race, "FULL_BMP", "");
  const std::string name = "race" + std::to_string(side) + "logo";
  // Never the logo of an earlier battle's race: this side shows its own or none.
  roster.Images->Remove(name);
  roster.Images->Remove(name + "_small");
  if (logo.empty()) {
    // A flagship of an unknown race still fights; its side just shows no logo.
    AddDataWarning(roster.Warnings, racesFile, race, "FULL_BMP", "no race logo for side " + std::to_string(side));
    return;
  }
  const std::string base = NormalizeSlashes(roster.Folders.Graphics + logo);
  LoadPicture(roster, name, ResolvePath(base + ".img"), racesFile, race, "FULL_BMP");
  LoadPicture(roster, name + "_small", ResolvePath(base + "_small.img"), racesFile, race, "FULL_BMP");
}

}  // namespace

TGameObject& AddShip(TRoster& roster, const TShipOrder& order) {
  const std::string& d = order.Designation;
  const std::string shipsFile = ShipDataFile(roster.Folders.Data, order.Prefix, "ships");
  const std::string weaponsFile = ShipDataFile(roster.Folders.Data, order.Prefix, "weapons");
  const TShipClass c = ReadShipClass(shipsFile, order.Class, roster.Warnings);

  if (order.LoadImages && roster.Images) LoadShipImages(roster, shipsFile, order.Class, c.BmpImage, d);

  double x = order.X, y = order.Y;
  if (c.Starbase) {
    // A starbase keeps its own station in the middle of the field, whatever the file says.
    x = 300 + Random(200);
    y = 100 + Random(200);
  }

  TGameObject& ship =
      *roster.Objects->Add(d, std::make_unique<TGameObject>(KIND_SHIP, order.Speed, order.Angle, y, x));
  ship.ImageName = d;
  ship.IconImage = d;
  ship.Prefix = order.Prefix;
  ship.ShipClass = order.Class;
  ship.Side = order.Side;
  ship.AIDriven = order.AIDriven;
  ship.AISkill = order.AISkill;
  ship.Activation = order.Activation;

  ship.TurnRate = c.TurnRate;
  ship.Thrust = c.Thrusters / 100.0;
  ship.MaxStructure = c.Structure;
  ship.MaxCrew = c.Crew;
  ship.MaxEnergy = c.Energy;
  // A hull or crew asked for is held to the same range as the class's own.
  auto asked = [&](double value, double full, const char* key) {
    if (value == 0) return full;
    if (value > 0 && value <= MaxShipAmount) return value;
    AddDataWarning(roster.Warnings, d, order.Class, key, "out of range 0.." + std::to_string(MaxShipAmount));
    return value > MaxShipAmount ? static_cast<double>(MaxShipAmount) : full;
  };
  ship.Structure = asked(order.Structure, c.Structure, "DAMAGE");
  ship.Crew = asked(order.Crew, c.Crew, "CREW");
  ship.Energy = c.EnergyAsInteger;
  ship.EnergyRegen = c.EnergyRegen / 100.0;
  ship.MaxSpeed = c.MaxSpeed / 100.0;
  ship.DisplayName = c.DisplayName;
  ship.Cybernetic = c.Cybernetic;
  ship.Organic = c.Organic;
  ship.Resiliant = c.Resiliant;
  ship.Starbase = c.Starbase;
  ship.GravityAffected = c.Grav;
  ship.DamageFlee = c.DamageFlee;
  ship.Rotating = c.Rotating;
  ship.PilotMode = 0;

  ship.Weapon1 = CreateWeapon(&ship, d, c.Weapon1, weaponsFile, roster.Battle, roster.Warnings);
  ship.Weapon2 = CreateWeapon(&ship, d, c.Weapon2, weaponsFile, roster.Battle, roster.Warnings);

  const std::string racesFile = ShipDataFile(roster.Folders.Data, order.Prefix, "races");
  if (SameText(d, "player1ship")) LoadRace(roster, 1, racesFile, order.Race);
  if (SameText(d, "player2ship")) LoadRace(roster, 2, racesFile, order.Race);

  // A carrier brings the pictures of the craft it launches, under the craft's class name.
  std::string craft;
  if (ship.Weapon1->LaunchesCraft) craft = ship.Weapon1->ImageName;
  if (ship.Weapon2->LaunchesCraft) craft = ship.Weapon2->ImageName;
  if (!craft.empty() && roster.Images) {
    const std::string bmp = AdfReadString(shipsFile, craft, "BMP_IMAGE", "");
    LoadShipImages(roster, shipsFile, craft, bmp, craft);
  }
  return ship;
}

}  // namespace sw
