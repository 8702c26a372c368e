#pragma once
// The data checker: loads the ship, weapon and race files of the base game and of every add-on,
// the start-up lists and the battle music list, without running the game, and lists every
// problem a data author should fix as FILE:SECTION:KEY: message (FILE relative to the game root).
#include <string>
#include <vector>

namespace sw {

std::vector<std::string> CheckGameData(const std::string& root);

}  // namespace sw
