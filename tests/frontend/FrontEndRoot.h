#pragma once
// A game root of the front-end tests' own: the built game's data, pictures, ships and sounds
// linked in, and empty saves and screenshots folders, so the battle file, config.ini and saves
// a test writes never touch the shared game root.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempFolder.h"
#include "core/Adf.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

struct TFrontEndRoot {
  TTempFolder Folder;
  std::string Root;  // ends in '/'

  TFrontEndRoot() {
    namespace fs = std::filesystem;
    Root = Folder.Path + "/root/";
    fs::create_directories(Root + "saves");
    fs::create_directories(Root + "screenshots");
    for (const char* d : {"data", "graphics", "ships", "sounds"})
      fs::create_directory_symlink(fs::path(STARWAKE_TEST_ROOT) / d, Root + d);
  }

  std::string BattleFile() const { return Root + "battle.adf"; }

  // Gives the root a data folder of its own (each file still linked to the built game's), so
  // a test can put its own index file there.
  void OwnData() const {
    namespace fs = std::filesystem;
    const fs::path data = Root + "data";
    fs::remove(data);
    fs::create_directory(data);
    for (const auto& entry : fs::directory_iterator(fs::path(STARWAKE_TEST_ROOT) / "data"))
      fs::create_symlink(entry.path(), data / entry.path().filename());
  }

  // Runs the headless game on this root and returns its summary.
  nlohmann::json Run(const std::string& script, int ticks, const std::string& shots = "") const {
    const std::string scriptFile = Folder.Path + "/script.txt", json = Folder.Path + "/state.json";
    WriteFile(scriptFile, script);
    std::filesystem::remove(json);
    const std::string cmd = std::string("'") + STARWAKE_HEADLESS + "' --root '" + Root + "' --seed 7 --ticks " +
                            std::to_string(ticks) + " --script '" + scriptFile + "' --state-json '" + json + "' " +
                            shots + " 2>/dev/null";
    const int rc = std::system(cmd.c_str());
    if (rc != 0) {
      ADD_FAILURE() << "the game stopped with " << rc << ": " << cmd;
      return nlohmann::json{{"runner_failed", rc}};
    }
    sw::AdfFlushCache();
    return nlohmann::json::parse(ReadFile(json));
  }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
};

// The main window over a front-end root, with its screens created, in this process.
class FrontEndGame : public ::testing::Test {
protected:
  void SetUp() override {
    sw::TPlatform p;
    p.Audio = &Audio;
    p.Now = [] { return static_cast<std::time_t>(0); };
    Main = std::make_unique<sw::TfmMain>(p, Game.Root);
    Main->FormCreate();
    Main->DXDrawInitializeSurface();
    ASSERT_TRUE(Main->Dogfight && Main->Options && Main->Selector);
  }
  void TearDown() override {
    Main.reset();
    sw::AdfFlushCache();
  }
  // Runs frame ticks until any fade is over.
  void Settle() {
    for (int i = 0; i < 12; ++i) Main->DXTimerTimer();
  }
  // Clicks the middle of a button of the live screen's list.
  void ClickButton(const sw::TButtonList& list, const std::string& key) {
    const sw::TButton& b = list.Find(key);
    Main->DXDrawMouseDown(1, b.X + b.Width / 2, b.Y + b.Height / 2);
  }
  std::string ErrorText() const { return Main->Errors.empty() ? "" : Main->Errors.front(); }

  TFrontEndRoot Game;
  sw::THeadlessAudio Audio;
  std::unique_ptr<sw::TfmMain> Main;
};

// How many times a sound was started during the run (0 when the run gave no summary).
inline int TimesPlayed(const nlohmann::json& state, const std::string& sound) {
  int n = 0;
  if (!state.contains("sounds")) return n;
  for (const auto& s : state.at("sounds").at("played")) n += s == sound ? 1 : 0;
  return n;
}

// Whether the sound is playing at the end of the run.
inline bool IsPlaying(const nlohmann::json& state, const std::string& sound) {
  if (!state.contains("sounds")) return false;
  for (const auto& s : state.at("sounds").at("playing"))
    if (s == sound) return true;
  return false;
}
