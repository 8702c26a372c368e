#pragma once
// A private game root holding the talk tests' campaign (tests/campaign_talk/data/root): a
// hostile raider fleet, a neutral drifter band whose dialogue has nothing to answer, a friendly
// trader, a raider flight under Admiral Rhee, the dialogue files of all of them and a few
// events and triggers. Copied afresh for each test so a test may change or break its files.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "campaign/GameMain.h"
#include "core/Adf.h"

struct TTalkRoot {
  TTalkRoot() {
    namespace fs = std::filesystem;
    fs::copy(fs::path(STARWAKE_SOURCE_DIR) / "tests/campaign_talk/data/root", Dir.Path, fs::copy_options::recursive);
    Path = Dir.Path + "/";
    sw::AdfFlushCache();
  }
  sw::TCampaignEnv Env() {
    sw::TCampaignEnv env;
    env.DataFolder = Path + "data/";
    env.GraphicsFolder = Path + "graphics/";
    env.SavesFolder = Path + "saves/";
    env.MusicFolder = Path + "sounds/music/";
    env.Report = [this](const std::string& m) { Reports.push_back(m); };
    return env;
  }
  std::unique_ptr<sw::TGameMain> Load() { return std::make_unique<sw::TGameMain>(Env(), "testcamp\\", "", "Talk Test"); }
  std::string Dialog(const std::string& name) const { return Path + "data/testcamp/dialogs/" + name + ".adf"; }
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
  std::string Path;
  std::vector<std::string> Reports;
};

// Selects a fleet by name, as the fleet panel or an encounter does.
inline void SelectFleet(sw::TGameMain& g, const std::string& name) {
  g.SelectedFleet = g.Fleets.IndexOf(name);
  g.SelectedLocation = g.WhereIsFleet(name);
}

inline bool HasState(const sw::TGameMain& g, const std::string& state) {
  for (const auto& s : g.States)
    if (s == state) return true;
  return false;
}
