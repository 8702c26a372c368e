#pragma once
// The outcome file (outcome.adf), written when a battle ends: the winner, the salvage, and every
// ship with its side, hull, crew and class, for the campaign to read.
#include <string>
#include <vector>

#include "battle/GameObject.h"

namespace sw {

struct TOutcomeShip {
  std::string Designation;
  int Side = 0;
  int Damage = 0;  // hull points left
  int Crew = 0;
  std::string Class;
};

struct TBattleOutcome {
  int WinningSide = 0;  // 1 or 2; 0 when nobody won
  int Salvage = 0;
  std::vector<TOutcomeShip> Ships;
};

// Every ship in list order, destroyed ones included; a ship still exploding is not a ship yet.
// Hull and crew are rounded and never below 0; a captured ship reports its new side.
TBattleOutcome CollectOutcome(const TObjectList& objects, int winningSide, int salvage);
// Deletes any old file, then writes the new one whole. Raises "Unable to write to %s".
void WriteOutcomeFile(const std::string& path, const TBattleOutcome& outcome);
// Reads an outcome file back (missing keys give 0 and empty text).
TBattleOutcome ReadOutcomeFile(const std::string& path);

}  // namespace sw
