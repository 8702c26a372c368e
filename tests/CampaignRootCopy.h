#pragma once
// A private game root copied from a test campaign's folder of its own, afresh for each test so
// a test may change or break its files; the campaign environment over it, with the problems the
// campaign reports kept in Reports.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "campaign/GameMain.h"
#include "core/Adf.h"

struct TCampaignRootCopy {
  // The root to copy, relative to the source tree ("tests/campaign/data/root").
  explicit TCampaignRootCopy(const std::string& sourceRoot) {
    namespace fs = std::filesystem;
    fs::copy(fs::path(STARWAKE_SOURCE_DIR) / sourceRoot, Dir.Path, fs::copy_options::recursive);
    Path = Dir.Path + "/";
    sw::AdfFlushCache();
  }
  TCampaignRootCopy(const TCampaignRootCopy&) = delete;
  TCampaignRootCopy& operator=(const TCampaignRootCopy&) = delete;

  sw::TCampaignEnv Env() const {
    sw::TCampaignEnv env;
    env.ProgramFolder = Path;
    env.DataFolder = Path + "data/";
    env.GraphicsFolder = Path + "graphics/";
    env.SavesFolder = Path + "saves/";
    env.MusicFolder = Path + "sounds/music/";
    env.Report = [this](const std::string& message) { Reports.push_back(message); };
    return env;
  }
  // Replaces one text in a file of the root (a broken copy for the data check).
  void Edit(const std::string& file, const std::string& from, const std::string& to) const {
    std::ifstream in(Path + file);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    const size_t at = s.find(from);
    if (at == std::string::npos) throw std::runtime_error("no \"" + from + "\" in " + file);
    s.replace(at, from.size(), to);
    std::ofstream(Path + file, std::ios::trunc) << s;
    sw::AdfFlushCache();
  }

  TTempFolder Dir;
  std::string Path;  // with a trailing slash
  mutable std::vector<std::string> Reports;
};
