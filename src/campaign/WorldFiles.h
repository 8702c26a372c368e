#pragma once
// Reading a campaign's world from its files: the classes its prefix map lists, the races with
// their patrol settings, the map (ranges, star date, story states, locations, fleets, the
// database, relations, designs, the mission log), the characters and the database texts.
// Every problem is reported through the campaign's data error as FILE:SECTION:KEY: message;
// what cannot be read is left out or takes its default, and loading goes on.
#include <optional>
#include <string>
#include <vector>

#include "campaign/World.h"

namespace sw {

class TGameMain;

// The ranges the numbers of a campaign's files (and of a save's) are held to when read: far
// beyond any campaign, yet small enough that the sums, distances and circles the clock, the
// story and the map take of them stay well inside an int.
namespace CampaignLimits {
constexpr int Coordinate = 100000;   // positions on the map, both signs
constexpr int Range = 100000;        // communication, scan, sensor and intercept ranges, trigger radii
constexpr int Amount = 100000000;    // fuel, tanks, RUs, crew, prices, resources, population
constexpr int WarpMod = 100000;      // a fleet's warp bonus, both signs
constexpr int PatrolShips = 1000;    // ships of one kind in a spawned patrol
constexpr int ExecTimes = 1000000;   // times a trigger may still fire
}  // namespace CampaignLimits

// The fields of a text line separated by semicolons (a trailing semicolon ends the last field).
std::vector<std::string> SplitFields(const std::string& line);
// "class;count;structure;crew": no value, and the reason in `problem`, when a part is missing
// or not a number. Structure and crew of 0 are left at 0 for the caller to fill in.
std::optional<TShip> ParseShipLine(const std::string& line, std::string& problem);
// "name;atmosphere;resources;population;approachable;image;artifact;vip;": the artifact and the
// VIP may be missing.
std::optional<TPlanet> ParsePlanetLine(const std::string& line, std::string& problem);
// "day;month;year;" as minutes since the calendar's day 0.
std::optional<long long> ParseStarDate(const std::string& text);

class TWorldReader {
public:
  explicit TWorldReader(TGameMain& game);

  // The map file this reader reads (from the save slot when one is set).
  const std::string& MapFile() const { return Map; }
  // True when the map file has the player's fleet: a "FLEET1" section counted by TOTAL_FLEETS.
  bool HasPlayerFleet() const;

  void ReadClasses();   // ShipInfos from "SHIPS", then WeaponInfos from "WEAPONS"
  void ReadRaces();     // the races of "RACES" with patrol settings and dialogue words
  void AddNoneRace();
  void ReadMisc();      // ranges, abilities, the star date, the story states
  void ReadLocations();
  void ReadFleets();    // fleets at their locations, or on fleet locations in open space
  void ReadLists();     // "DB", "RELATIONS", "DESIGNS", "LOG"
  void ReadCharacters();
  void ReadDescriptions();

private:
  TGameMain& Game;
  std::string Map, PrefixMap;

  void Error(const std::string& file, const std::string& section, const std::string& key, const std::string& msg);
  // An integer key; a value that is present but not a number is a data error and gives def.
  int ReadInt(const std::string& file, const std::string& section, const std::string& key, int def);
  // An integer key held to lo..hi: a value outside is a data error and the nearer end is used.
  int ReadRanged(const std::string& file, const std::string& section, const std::string& key, int def, int lo, int hi);
  // A count key, held to 0..limit.
  int ReadCount(const std::string& file, const std::string& section, const std::string& key);
  // The class file of a prefix map value: "#NONE" for the base file, else an add-on prefix.
  std::string ClassFile(const std::string& section, const std::string& key, const std::string& name,
                        std::string& prefix);
  void ReadShips(TFleet& fleet, const std::string& section);
  // A planet line's numbers held to their ranges.
  void HoldPlanet(TPlanet& planet, const std::string& section, const std::string& key);
  std::vector<std::string> ReadList(const std::string& section, const std::string& countKey,
                                    const std::string& itemKey);
};

}  // namespace sw
