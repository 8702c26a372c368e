#pragma once
// The story's plain data: triggers that watch the game and run events, and the answers of the
// dialogue section being shown.
#include <string>
#include <vector>

namespace sw {

// One section of triggers.adf: a condition on the world and the event it runs.
class TTrigger {
public:
  std::string EventName;
  long long TimeMinutes = 0;  // the day it fires on, as star-date minutes at that day's start
  int X = -1, Y = -1;
  int Radius = 0;
  std::string CharName, RaceName;
  std::string GainDev, LooseDev, GainVip, LooseVip;
  int CType = 0;  // 0 fires on being inside (area, location), 1 on being outside
  int ExecTimes = 1;
  std::string SystemName;
  std::string KillFleet;
  std::vector<std::string> OnStates;
  bool InArea = false, InSystem = false;
  std::string LooseShip;
};

// One answer of the dialogue section being shown.
class TRespond {
public:
  std::string Text;
  std::string Next;  // a section of the dialogue file, or a command starting with "#"
  int RelationDelta = 0;
  std::string EventName = "#NONE";
};

}  // namespace sw
