#pragma once
// A fresh folder for one test, removed afterwards.
#include <cstdlib>
#include <filesystem>
#include <string>

struct TTempFolder {
  TTempFolder() {
    char pattern[] = "/tmp/starwake-test-XXXXXX";
    Path = mkdtemp(pattern);
  }
  ~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string Path;
};
