#include "battle/ShipRoster.h"

#include "core/Adf.h"
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

TShipClass ReadShipClass(const std::string& file, const std::string& s) {
  TShipClass c;
  c.BmpImage = AdfReadString(file, s, "BMP_IMAGE", "");
  c.Starbase = AdfReadBool(file, s, "STARBASE", false);
  c.TurnRate = AdfReadInteger(file, s, "TURN_RATE", 0);
  c.Thrusters = AdfReadInteger(file, s, "THRUSTERS", 0);
  c.Structure = AdfReadReal(file, s, "STRUCTURE", 0);
  c.Crew = AdfReadReal(file, s, "CREW", 0);
  c.Energy = AdfReadReal(file, s, "ENERGY", 0);
  c.EnergyAsInteger = AdfReadInteger(file, s, "ENERGY", 0);
  c.EnergyRegen = AdfReadInteger(file, s, "ENERGY_R", 0);
  c.MaxSpeed = AdfReadInteger(file, s, "MAX_SPEED", 0);
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

// Loads a ship picture under `name`, and its firing picture under name + "_fr" when it exists.
void LoadShipImages(TDXImageList& images, const std::string& shipsFolder, const std::string& bmp,
                    const std::string& name) {
  images.LoadImage(name, ResolvePath(NormalizeSlashes(shipsFolder + bmp + ".img")), clBlack);
  const std::string firing = ResolvePath(NormalizeSlashes(shipsFolder + bmp + "_fr.img"));
  if (FileExists(firing)) images.LoadImage(name + "_fr", firing, clBlack);
}

void LoadRace(TRoster& roster, int side, const std::string& racesFile, const std::string& race) {
  roster.RaceName[side] = AdfReadString(racesFile, race, "DISPLAY_NAME", "");
  if (!roster.Images) return;
  const std::string logo = AdfReadString(racesFile, race, "FULL_BMP", "");
  const std::string name = "race" + std::to_string(side) + "logo";
  if (logo.empty()) {
    // A flagship of an unknown race still fights; its side just shows no logo.
    AddDataWarning(roster.Warnings, racesFile, race, "FULL_BMP", "no race logo for side " + std::to_string(side));
    return;
  }
  const std::string base = NormalizeSlashes(roster.Folders.Graphics + logo);
  roster.Images->LoadImage(name, ResolvePath(base + ".img"), clBlack);
  roster.Images->LoadImage(name + "_small", ResolvePath(base + "_small.img"), clBlack);
}

}  // namespace

TGameObject& AddShip(TRoster& roster, const TShipOrder& order) {
  const std::string& d = order.Designation;
  const std::string shipsFile = ShipDataFile(roster.Folders.Data, order.Prefix, "ships");
  const std::string weaponsFile = ShipDataFile(roster.Folders.Data, order.Prefix, "weapons");
  const TShipClass c = ReadShipClass(shipsFile, order.Class);

  if (order.LoadImages && roster.Images) LoadShipImages(*roster.Images, roster.Folders.Ships, c.BmpImage, d);

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
  ship.Activation = order.Activation;

  ship.TurnRate = c.TurnRate;
  ship.Thrust = c.Thrusters / 100.0;
  ship.MaxStructure = c.Structure;
  ship.MaxCrew = c.Crew;
  ship.MaxEnergy = c.Energy;
  ship.Structure = order.Structure != 0 ? order.Structure : c.Structure;
  ship.Crew = order.Crew != 0 ? order.Crew : c.Crew;
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
    LoadShipImages(*roster.Images, roster.Folders.Ships, bmp, craft);
  }
  return ship;
}

}  // namespace sw
