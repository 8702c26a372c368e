#pragma once
// Data warnings: problems in the data files that the game survives (an unknown weapon class, a
// colour it cannot read...). They are collected as FILE:SECTION:KEY: message lines, the same form
// as a data error, so the battle can go on and a data author can read them all at once.
#include <string>
#include <vector>

namespace sw {

using TDataWarnings = std::vector<std::string>;

// Adds one line; a null list means the caller does not collect warnings.
inline void AddDataWarning(TDataWarnings* warnings, const std::string& file, const std::string& section,
                           const std::string& key, const std::string& message) {
  if (warnings) warnings->push_back(file + ":" + section + ":" + key + ": " + message);
}

}  // namespace sw
