#pragma once
// The world of a running campaign written as the four files a campaign starts from: map.adf
// (the locations, the fleets, the star date's day, ranges, abilities and the story's lists),
// triggers.adf (with the executions each trigger has left and its area and location flags),
// chars.adf and trade.adf. A saved game is these four texts in a slot folder, loaded by the
// same reader as a new campaign; what they leave out (the time of day, the clock speed, the
// selections, fleet locations in open space) comes back as a new campaign starts.
#include <string>
#include <vector>

namespace sw {

class TGameMain;

struct TSavedWorldFile {
  std::string Name;  // "map.adf", "triggers.adf", "chars.adf", "trade.adf"
  std::string Text;
};

// The four files, in the order they are written, for the campaign as it stands; the campaign
// itself is not changed.
std::vector<TSavedWorldFile> SavedWorldFiles(const TGameMain& game);

}  // namespace sw
