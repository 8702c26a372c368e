#pragma once
// Writing the battle set-up file for a dogfight: the chosen planet, the asteroid field and the
// two fleets of up to three ships each, flagships first.
#include <optional>
#include <string>

namespace sw {

// A ship placed in a fleet slot.
struct TFleetShip {
  std::string Class;   // section of its ships file
  std::string Race;    // section of its races file
  std::string Prefix;  // "" for the base game, "add-ons\<prefix>" for an add-on
};

// What the player set up.
struct TDogfightBattle {
  // Fleet slots: 0 side 1's flagship, 1 and 2 its support; 3 side 2's flagship, 4 and 5 its
  // support.
  std::optional<TFleetShip> Slots[6];
  bool Side1Computer = false;
  bool Side2Computer = true;
  // The computer pilot's skill of each side (0 Cadet, 1 Veteran, 2 Ace), for every ship of it.
  int Side1Skill = 2;
  int Side2Skill = 2;
  int Density = 0;          // asteroid density 0 .. 40; 0 is no field
  std::string PlanetImage;  // empty: no planet
  int PlanetGravity = 0;
};

// Highest asteroid density the set-up offers.
constexpr int MaxAsteroidDensity = 40;

// Deletes the old file and, when both flagship slots are filled, writes the new one; false
// (and no file) when a flagship is missing. The random generator is seeded from the clock (or
// the fixed seed) first, so planet and ship positions repeat under a fixed seed.
bool WriteDogfightBattle(const std::string& path, const TDogfightBattle& battle);

}  // namespace sw
