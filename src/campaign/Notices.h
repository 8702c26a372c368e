#pragma once
// What a story event changed for the player, told in one notice line: mission-log entries it
// finished, and what it gave or took (RUs, crew, fuel, ships, artifacts, VIPs).
#include <string>
#include <utility>
#include <vector>

#include "campaign/GameMain.h"

namespace sw {

struct TStoryTally {
  int RU = 0, Crew = 0, Fuel = 0, Ships = 0;
  std::vector<std::string> Devices, Vips;
  std::vector<std::pair<std::string, std::string>> Logs;  // title, status
};

// The player's stores and the mission log as they are now.
TStoryTally TallyOf(const TGameMain& game);

// The notice for what changed between two tallies ("Log: Survey the Tollan system — done",
// "Received 6 crew; paid 20 RUs"); empty when nothing the player owns or the log changed.
std::string StoryNotice(const TGameMain& game, const TStoryTally& before, const TStoryTally& after);

}  // namespace sw
