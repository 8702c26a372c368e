#pragma once
// The campaign world as plain data: map locations with their planets, fleets and their ship
// entries, and the ship, weapon and race classes a campaign may use.
#include <string>
#include <utility>
#include <vector>

#include "core/Colors.h"
#include "core/NamedList.h"

namespace sw {

// Kinds of location on the map.
enum TLocType : int {
  ltStarSystem = 0,
  ltStarbase = 1,
  ltDebris = 2,
  ltBlackHole = 3,
  ltWormhole = 4,
  ltPhenomenon = 5,
  ltFleetLocation = 6,  // carries one fleet in open space; made at run time, never saved
};

class TPlanet {
public:
  std::string Name;
  int Atmosphere = 0;  // 0 none, 1 life-supporting, 2 toxic
  bool LifeSupport = false;
  int Resources = 0;   // RUs that can be mined
  int Population = 0;  // millions
  int Approachable = 0;
  int ImageNo = 0;     // picture "planet_n"
  std::string Artifact, Vip;
};

class TLocation {
public:
  int X = 0, Y = 0;
  std::string LocName;
  int LocType = ltStarSystem;
  int LocSize = 0;
  int LocColor = 0;
  std::string StarImage;
  int IconWidth = 7, IconHeight = 7;
  std::string Owner = "NONE";
  TNamedList<TPlanet> PlanetList;
  std::string Spectra;  // for a wormhole: the name of its other end
  std::vector<std::string> FleetNames;
  bool Known = false;
  std::string Starbase;  // ship class of the starbase there; empty: none
  int Asteroids = 0;     // 0 none .. 4 extreme
};

// One entry of a fleet: Count ships of one class sharing one structure and crew value.
class TShip {
public:
  std::string ShipClass;
  int Count = 1;
  int Structure = 0;
  int Crew = 0;
};

class TFleet {
public:
  std::string Name;
  int X = 0, Y = 0;
  int Fuel = 0;
  int RU = 0;
  int Crew = 0;  // spare crew, not aboard a ship
  TNamedList<TShip> Ships;  // entries "SHIP1", "SHIP2" ...
  std::vector<std::string> Devices;
  std::vector<std::string> Vips;
  std::string Race = "NONE";
  std::string Cmdr = "Unknown";
  std::string System;   // the location it is at; empty in open space
  std::string DSystem;  // destination location; empty when none
  int DX = -1, DY = -1; // destination point; -1, -1 when none
  bool Patrol = false;
  bool Trader = false;
  int MaxFuel = 50;
  int WarpMod = 0;

  bool HasDestination() const { return !DSystem.empty() || (DX >= 0 && DY >= 0); }
  void ClearDestination() {
    DSystem.clear();
    DX = DY = -1;
  }
  // The sum of Count over the entries ("Total ships").
  int TotalShips() const;
  // The name of a new entry: "SHIP" + (entries + 1), counted on while another entry has it.
  std::string FreeEntryName() const;
};

class TShipInfo {
public:
  std::string DispName;
  int Structure = 0, Crew = 0, Energy = 0, TurnRate = 0;
  double MaxSpeed = 0, EnergyR = 0, Thrusters = 0;  // the file's values divided by 100
  std::string Weapon1, Weapon2;
  std::string BmpImage;
  bool Starbase = false;
  std::string Race;    // the class's race key
  std::string Prefix;  // "" for the base roster, else the add-on prefix it came from
};

class TWeapInfo {
public:
  std::string Display;
  int PrimalDamage = 0, SecondDamage = 0, ReloadTime = 0, EnergyUsage = 0, ProjectileSpeed = 0, LifeSpan = 0;
  bool Turret = false, AIDriven = false;
  int WeaponArc = 0;
  std::string Class;
};

class TRaceInfo {
public:
  std::string DisplayName, ShortName;
  TColor Color = clGray;
  std::string FullBmp, Prof, SHomeworld, Species, Class, RHomeworld, Government;
  // Patrol settings from the campaign's race file.
  int MinPatrolers = 0;
  std::string MajorPatCraft, MinorPatCraft;
  int MajorPatMax = 0, MinorPatMax = 0;
  std::string PatName;
  // How well the computer flies the race's ships in battle: 0 Cadet, 1 Veteran, 2 Ace.
  int AISkill = 2;
  // The word of the race's dialogue sections.
  std::string RaceSect;
};

class TCharacter {
public:
  std::string Image, Dialog, CurrentSection, Planet;
};

class TDBMiscEnt {
public:
  std::string Title, Image;
};

class TDBArtEnt {
public:
  std::string Title;
};

// A text list of name=value lines (relations, designs, the mission log), in order; names are
// found without regard to letter case.
class TNameValueList {
public:
  std::vector<std::pair<std::string, std::string>> Items;

  int Count() const { return static_cast<int>(Items.size()); }
  int IndexOf(const std::string& name) const;
  // The value of that name, or nullptr when the name is not listed.
  const std::string* Find(const std::string& name) const;
  // Sets the value of that name, appending a line when it is not listed.
  void Set(const std::string& name, const std::string& value);
  void Remove(const std::string& name);
};

// A trade post of trade.adf: what it buys and sells and at what price. The lists hold
// class=price lines.
class TTradeInfo {
public:
  int BuyFuel = 0;     // RUs paid per 100 fuel units; 0: buys none
  int SellFuel = 0;    // RUs asked per 100 fuel units; 0: sells none
  int SellCrew = 0;    // RUs per crew member hired; 0: none for hire
  int BuyShipVal = 0;  // per cent added to a ship's value when bought from the player; 0 or less: buys none
  TNameValueList Blueprints;
  TNameValueList ShipsForSale;
  bool Active = false;
};

}  // namespace sw
