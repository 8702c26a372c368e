#pragma once
// The battle set-up file (battle.adf): what the set-up screen or the campaign asks the next
// battle to hold, read in the order that fixes the object list (asteroids, planet, ships).
#include <cstdint>
#include <string>
#include <vector>

#include "weapons/DataWarnings.h"

namespace sw {

struct TRoster;

struct TBattleShipEntry {
  int Number = 0;    // n of its SHIPn section
  uint8_t Side = 2;  // SIDE 1 is side 1; any other value side 2
  std::string Designation, Race, Prefix, Class;
  int X = 0, Y = 0, Angle = 0;
  bool AIDriven = false;
  int AISkill = 2;  // the computer pilot's skill, 0 Cadet .. 2 Ace
  int Crew = 0;    // 0: the class's full crew
  int Damage = 0;  // hull points to start with; 0: the class's full hull
};

struct TBattleSetup {
  int Asteroids = -1;  // asteroids minus one; negative: none
  std::string PlanetName;
  int PlanetX = 0, PlanetY = 0, PlanetGravForce = 0;
  int TotalShips = 0;
  std::vector<TBattleShipEntry> Ships;  // in SHIPn order
};

// More asteroids than this are not made, whatever the file asks (the set-up screens write at
// most 40); a damaged file must not fill the memory.
constexpr int MaxBattleAsteroids = 500;

// Reads the file; a missing file gives an empty set-up. Of SHIP1 .. SHIPn (n = TOTAL_SHIPS) only
// the sections present are read; a missing one is skipped with a warning.
TBattleSetup ReadBattleFile(const std::string& path, TDataWarnings* warnings = nullptr);

// A battle needs both flagships: raises EGameError naming the file and the missing designation.
void RequireFlagships(const TBattleSetup& setup, const std::string& path);

// Fills the roster's object list from the set-up, in order: the asteroids ("asteroid_0" ...), the
// planet ("planet", its picture loaded as "planet"), then every ship.
void BuildBattle(const TBattleSetup& setup, TRoster& roster);

}  // namespace sw
