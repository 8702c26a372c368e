#pragma once
// The runner script that starts the tutorial the way a player does: past the splash, "New
// Campaign" on the menu, continue on the list. The campaign is live from tick 26.
#include <filesystem>
#include <initializer_list>
#include <string>

#include "frontend/FrontEndRoot.h"

inline const std::string OpenTutorial =
    "1 key 32\n"
    "10 click 431 331\n"   // "start"
    "20 click 490 422\n";  // "cont_but"

// The root's own tutorial folder: every file of the built game's tutorial linked in but the ones
// named, which the test writes itself into the folder returned.
inline std::filesystem::path OwnTutorial(const TFrontEndRoot& game, std::initializer_list<const char*> except) {
  namespace fs = std::filesystem;
  game.OwnData();
  const fs::path tutorial = fs::path(game.Root) / "data" / "tutorial";
  fs::remove(tutorial);
  fs::create_directory(tutorial);
  for (const auto& entry : fs::directory_iterator(fs::path(STARWAKE_TEST_ROOT) / "data" / "tutorial")) {
    bool own = false;
    for (const char* name : except) own = own || entry.path().filename() == name;
    if (!own) fs::create_symlink(entry.path(), tutorial / entry.path().filename());
  }
  return tutorial;
}
