#pragma once
// The runner script that starts the tutorial the way a player does: past the splash, "New
// Campaign" on the menu, continue on the list. The campaign is live from tick 26.
#include <string>

inline const std::string OpenTutorial =
    "1 key 32\n"
    "10 click 431 331\n"   // "start"
    "20 click 490 422\n";  // "cont_but"
