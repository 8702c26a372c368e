#include "screens/DogfightBattleFile.h"

#include <algorithm>

#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"

namespace sw {

namespace {

// Side 1 starts on the left edge facing right, side 2 on the right edge facing left.
void WriteShip(TAdfBatch& file, int number, const TFleetShip& ship, const std::string& designation, int side,
               bool computer, int skill) {
  const std::string section = "SHIP" + std::to_string(number);
  file.WriteString(section, "CLASS", ship.Class);
  file.WriteString(section, "DESIG", designation);
  file.WriteInteger(section, "XPOS", side == 1 ? 50 : 750);
  // Every ship starts between y 100 and 499, well inside the 600-pixel-high arena.
  file.WriteInteger(section, "YPOS", 100 + Random(400));
  file.WriteInteger(section, "ANGLE", side == 1 ? 90 : 270);
  file.WriteInteger(section, "SIDE", side);
  file.WriteBool(section, "AI", computer);
  file.WriteInteger(section, "AISKILL", std::clamp(skill, 0, 2));
  file.WriteString(section, "RACE", ship.Race);
  file.WriteString(section, "PREFIX", ship.Prefix);
}

}  // namespace

bool WriteDogfightBattle(const std::string& path, const TDogfightBattle& battle) {
  DeleteFile(path);
  Randomize();
  const auto& slot = battle.Slots;
  if (!slot[0] || !slot[3]) return false;

  TAdfBatch file(path, true);
  const int total = static_cast<int>(std::count_if(std::begin(slot), std::end(slot), [](const auto& s) { return s.has_value(); }));
  file.WriteInteger("MISC", "TOTAL_SHIPS", total);
  file.WriteInteger("MISC", "ASTEROIDS", std::clamp(battle.Density, 0, MaxAsteroidDensity) - 1);
  if (!battle.PlanetImage.empty()) {
    file.WriteString("MISC", "PLANET_NAME", battle.PlanetImage);
    file.WriteInteger("MISC", "PLANET_X", 200 + Random(400));
    file.WriteInteger("MISC", "PLANET_Y", 150 + Random(300));
    file.WriteInteger("MISC", "PLANET_GRAV_FORCE", battle.PlanetGravity);
  }
  WriteShip(file, 1, *slot[0], "player1ship", 1, battle.Side1Computer, battle.Side1Skill);
  WriteShip(file, 2, *slot[3], "player2ship", 2, battle.Side2Computer, battle.Side2Skill);
  // Support ships alternate between the sides, first supports before second supports; the
  // computer always flies them.
  int number = 3;
  for (int s : {1, 4, 2, 5}) {
    if (!slot[s]) continue;
    WriteShip(file, number, *slot[s], "ship" + std::to_string(number), s < 3 ? 1 : 2, true,
              s < 3 ? battle.Side1Skill : battle.Side2Skill);
    ++number;
  }
  file.Commit();
  return true;
}

}  // namespace sw
