#pragma once
// The data check of a campaign's story files: triggers.adf and events.adf of a loaded campaign.
// Every trigger's event exists, every key of a trigger and of an event is one the game reads,
// numbers are numbers, and every picture, character, race, location, planet, fleet, ship class
// and device the story names exists. A device exists when the database describes it as an
// artifact (desc.adf "ART"), a fleet carries it or a planet hides it at the start.
#include <string>
#include <vector>

namespace sw {

class TGameMain;

// One line per problem, FILE:SECTION:KEY: message, FILE relative to the game root. Problems
// found while loading (a date that is not a date, a trigger type that is not 0 or 1) are in the
// campaign's Problems already and are not repeated.
std::vector<std::string> CheckStoryFiles(const TGameMain& game);

}  // namespace sw
