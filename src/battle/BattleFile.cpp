#include "battle/BattleFile.h"

#include <algorithm>

#include "battle/ShipRoster.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/ImageList.h"

namespace sw {

TBattleSetup ReadBattleFile(const std::string& path, TDataWarnings* warnings) {
  TBattleSetup s;
  s.Asteroids = AdfReadInteger(path, "MISC", "ASTEROIDS", -1);
  if (s.Asteroids >= MaxBattleAsteroids) {
    AddDataWarning(warnings, path, "MISC", "ASTEROIDS",
                   "at most " + std::to_string(MaxBattleAsteroids) + " asteroids are made");
    s.Asteroids = MaxBattleAsteroids - 1;
  }
  s.PlanetName = AdfReadString(path, "MISC", "PLANET_NAME", "");
  s.PlanetX = AdfReadInteger(path, "MISC", "PLANET_X", 0);
  s.PlanetY = AdfReadInteger(path, "MISC", "PLANET_Y", 0);
  s.PlanetGravForce = AdfReadInteger(path, "MISC", "PLANET_GRAV_FORCE", 0);
  s.TotalShips = AdfReadInteger(path, "MISC", "TOTAL_SHIPS", 0);

  // Only sections that exist are read, so a damaged count cannot make the battle walk through
  // billions of missing sections or build ships without a class.
  std::vector<int> numbers;
  for (const auto& section : AdfReadSections(path)) {
    if (section.size() <= 4 || !SameText(section.substr(0, 4), "SHIP")) continue;
    const std::string digits = section.substr(4);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
    auto n = ParseInteger(digits);
    if (n && *n >= 1 && *n <= s.TotalShips && "SHIP" + std::to_string(*n) == UpperCase(section))
      numbers.push_back(static_cast<int>(*n));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  if (static_cast<long long>(numbers.size()) < s.TotalShips)
    AddDataWarning(warnings, path, "MISC", "TOTAL_SHIPS",
                   std::to_string(s.TotalShips) + " ships announced, " + std::to_string(numbers.size()) +
                       " SHIP sections found");

  for (int n : numbers) {
    const std::string sec = "SHIP" + std::to_string(n);
    TBattleShipEntry e;
    e.Number = n;
    e.Side = AdfReadInteger(path, sec, "SIDE", 0) == 1 ? 1 : 2;
    e.Designation = AdfReadString(path, sec, "DESIG", "");
    e.Race = AdfReadString(path, sec, "RACE", "");
    e.X = AdfReadInteger(path, sec, "XPOS", 0);
    e.Y = AdfReadInteger(path, sec, "YPOS", 0);
    e.Angle = AdfReadInteger(path, sec, "ANGLE", 0);
    e.AIDriven = AdfReadBool(path, sec, "AI", false);
    e.AISkill = std::clamp(AdfReadInteger(path, sec, "AISKILL", 2), 0, 2);
    e.Crew = AdfReadInteger(path, sec, "CREW", 0);
    e.Damage = AdfReadInteger(path, sec, "DAMAGE", 0);
    e.Prefix = AdfReadString(path, sec, "PREFIX", "");
    e.Class = AdfReadString(path, sec, "CLASS", "");
    s.Ships.push_back(std::move(e));
  }
  return s;
}

void RequireFlagships(const TBattleSetup& setup, const std::string& path) {
  for (const char* flagship : {"player1ship", "player2ship"}) {
    bool found = std::any_of(setup.Ships.begin(), setup.Ships.end(),
                             [&](const TBattleShipEntry& e) { return SameText(e.Designation, flagship); });
    if (!found)
      throw EGameError("Battle file " + path + " has no ship \"" + flagship + "\"; the battle cannot start");
  }
}

void BuildBattle(const TBattleSetup& setup, TRoster& roster) {
  // Every ship's class is known before anything is built, so a battle that cannot be fought
  // is refused with the class named and leaves nothing behind.
  for (const auto& e : setup.Ships) {
    const std::string shipsFile = ShipDataFile(roster.Folders.Data, e.Prefix, "ships");
    if (!AdfSectionExists(shipsFile, e.Class))
      throw EGameError("Ship \"" + e.Designation + "\" of the battle file has an unknown class \"" + e.Class +
                       "\" (not in " + shipsFile + "); the battle cannot start");
  }
  for (int i = 0; i <= setup.Asteroids; ++i)
    roster.Objects->Add("asteroid_" + std::to_string(i), std::make_unique<TGameObject>(KIND_ASTEROID, 0, 0, 0, 0));

  if (!setup.PlanetName.empty()) {
    if (roster.Images) {
      // The planet is fought around even when its picture cannot be read; no earlier battle's
      // planet shows in its place.
      try {
        roster.Images->LoadImage(
            "planet", ResolvePath(NormalizeSlashes(roster.Folders.Graphics + setup.PlanetName + ".img")), clBlack);
      } catch (const std::exception& e) {
        roster.Images->Remove("planet");
        AddDataWarning(roster.Warnings, "battle.adf", "MISC", "PLANET_NAME", e.what());
      }
    }
    auto planet = std::make_unique<TGameObject>(KIND_PLANET, 0, 0, setup.PlanetY, setup.PlanetX);
    planet->Side = 0;
    planet->AIDriven = false;
    planet->ImageName = "planet";
    planet->GravForce = setup.PlanetGravForce;
    roster.Objects->Add("planet", std::move(planet));
  }

  for (const auto& e : setup.Ships) {
    TShipOrder order;
    order.Class = e.Class;
    order.Designation = e.Designation;
    order.Prefix = e.Prefix;
    order.Structure = e.Damage;
    order.Crew = e.Crew;
    order.LoadImages = true;
    order.Activation = 1;
    order.AIDriven = e.AIDriven;
    order.AISkill = static_cast<uint8_t>(e.AISkill);
    order.Side = e.Side;
    order.Speed = 0;
    order.Angle = e.Angle;
    order.Y = e.Y;
    order.X = e.X;
    order.Race = e.Race;
    AddShip(roster, order);
  }
}

}  // namespace sw
