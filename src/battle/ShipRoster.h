#pragma once
// Ship classes and the battle roster: reading a ship class from its ships file, finding a ship's
// data files through its prefix (empty for the base game, "add-ons\" + the add-on's own prefix for
// an add-on), and adding a ship to a battle with its images, race and two weapons.
#include <cstdint>
#include <string>
#include <vector>

#include "battle/GameObject.h"
#include "weapons/DataWarnings.h"

namespace sw {

class TDXImageList;
class IBattleAccess;

// The game root's folders, each ending in '/'.
struct TGameFolders {
  std::string Root, Data, Ships, Graphics, Sounds, Music;
  static TGameFolders FromRoot(std::string root);
};

// DATA + prefix + name + ".adf", with the data's backslashes turned into slashes and the letter
// case of the files on disk found.
std::string ShipDataFile(const std::string& dataFolder, const std::string& prefix, const std::string& name);
// The prefixes of every ship source: the base game's empty prefix first, then "add-ons\" + PREFIX
// of each section of add-ons.adf in file order.
std::vector<std::string> ReadAddOnPrefixes(const std::string& dataFolder);

// One section of ships.adf, every key with its default.
struct TShipClass {
  std::string BmpImage;
  bool Starbase = false;
  int TurnRate = 0;
  int Thrusters = 0;
  double Structure = 0;
  double Crew = 0;
  double Energy = 0;
  int EnergyAsInteger = 0;  // the starting energy reads the same key as a whole number
  int EnergyRegen = 0;
  int MaxSpeed = 0;
  std::string DisplayName;
  bool Cybernetic = false, Organic = false, Resiliant = false;
  bool Grav = true;
  bool DamageFlee = false, Rotating = false;
  std::string Weapon1, Weapon2;
  bool DogfightInclude = true;
  std::string Race;
};
// Hull, crew, energy and speeds are held to 0..MaxShipAmount (turn rate to -255..255) when read,
// with a warning.
constexpr int MaxShipAmount = 100000;
TShipClass ReadShipClass(const std::string& shipsFile, const std::string& className,
                         TDataWarnings* warnings = nullptr);
// Every key a ship class section may hold.
const std::vector<std::string>& ShipFileKeys();

// What a battle asks for when it adds a ship.
struct TShipOrder {
  std::string Class, Designation, Prefix;
  double Structure = 0;  // 0: the class's full hull
  double Crew = 0;       // 0: the class's full crew
  bool LoadImages = true;
  int32_t Activation = 1;
  bool AIDriven = false;
  uint8_t AISkill = 2;  // the computer pilot's skill, 0 Cadet .. 2 Ace
  uint8_t Side = 1;
  double Speed = 0;
  double Angle = 0;  // degrees, 0 up, clockwise
  double Y = 0, X = 0;
  std::string Race;
};

// Where ships go and what they need.
struct TRoster {
  TGameFolders Folders;
  TObjectList* Objects = nullptr;
  TDXImageList* Images = nullptr;  // the battle's image list; nullptr loads no images
  IBattleAccess* Battle = nullptr;  // what the ships' weapons fire into
  TDataWarnings* Warnings = nullptr;
  std::string RaceName[3];  // the flagships' race names, by side (1 and 2)
};

// Builds one ship from its class and adds it to the object list under its designation. The
// sprite is loaded under the designation (and its firing picture under designation + "_fr"
// when there is one), so two ships of one class have their own images. A starbase ignores the
// position asked for. The flagships ("player1ship", "player2ship") also bring their side's race
// name and logos.
TGameObject& AddShip(TRoster& roster, const TShipOrder& order);

}  // namespace sw
