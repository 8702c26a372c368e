#pragma once
// A private game root for one test: the built root's folders linked in, so the test can write
// battle.adf, outcome.adf and config.ini without touching the shared root other tests read.
#include <filesystem>
#include <string>

#include "TempFolder.h"

struct TGameRootCopy {
  TGameRootCopy() {
    namespace fs = std::filesystem;
    for (const char* folder : {"data", "graphics", "ships", "sounds", "bench"})
      if (fs::exists(fs::path(STARWAKE_TEST_ROOT) / folder))
        fs::create_directory_symlink(fs::path(STARWAKE_TEST_ROOT) / folder, fs::path(Dir.Path) / folder);
    fs::create_directories(fs::path(Dir.Path) / "saves");
    fs::create_directories(fs::path(Dir.Path) / "screenshots");
    Path = Dir.Path + "/";
  }
  TTempFolder Dir;
  std::string Path;  // with a trailing slash
};
