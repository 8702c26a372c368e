#pragma once
// Runs the headless game on a small game root of its own and reads back what it reports.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempFolder.h"

// A game root holding only what these tests need: a screenshots folder, the shutter sound and,
// when given, a config.ini. Missing pictures are reported by the game as errors and change
// nothing here.
struct TGameRoot {
  TTempFolder Folder;
  std::string Root() const { return Folder.Path + "/root"; }
  std::string Config() const { return Root() + "/config.ini"; }
  std::string Screenshots() const { return Root() + "/screenshots"; }
  // The names of the files in the screenshots folder, for failure messages.
  std::string ScreenshotNames() const {
    std::string names;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(Screenshots(), ec)) names += e.path().filename().string() + " ";
    return names;
  }

  explicit TGameRoot(bool withScreenshots = true) {
    std::filesystem::create_directories(Root() + "/sounds/builtin");
    if (withScreenshots) std::filesystem::create_directories(Screenshots());
    WriteShutterSound(Root() + "/sounds/builtin/snapshot.wav");
  }

  void WriteConfig(const std::string& text) const { WriteFile(Config(), text); }
  std::string ReadConfig() const { return ReadFile(Config()); }

  // Runs the game for the ticks with the script (lines "N key VK [ctrl] [alt]" ...) and
  // returns the runner's summary; the clock is read as UTC so screenshot names are fixed.
  nlohmann::json Run(const std::string& script, int ticks) const {
    std::string scriptFile = Folder.Path + "/script.txt", json = Folder.Path + "/state.json";
    WriteFile(scriptFile, script);
    std::filesystem::remove(json);
    std::string cmd = std::string("TZ=UTC '") + STARWAKE_HEADLESS + "' --root '" + Root() + "' --ticks " +
                      std::to_string(ticks) + " --script '" + scriptFile + "' --state-json '" + json +
                      "' 2>/dev/null";
    int rc = std::system(cmd.c_str());
    if (rc != 0) {
      ADD_FAILURE() << "the game stopped with " << rc << ": " << cmd;
      return nlohmann::json{{"runner_failed", rc}};
    }
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

  // A short 8-bit mono click.
  static void WriteShutterSound(const std::string& path) {
    std::string samples(220, '\x80');
    for (size_t i = 0; i < samples.size(); i += 8) samples[i] = '\xF0';
    auto u32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto u16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string wav = "RIFF" + u32(36 + samples.size()) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(22050) +
                      u32(22050) + u16(1) + u16(8) + "data" + u32(samples.size()) + samples;
    WriteFile(path, wav);
  }
};

// True when any reported error mentions the text.
inline bool AnyErrorMentions(nlohmann::json state, const std::string& text) {
  for (const auto& e : state["errors"])
    if (e.get<std::string>().find(text) != std::string::npos) return true;
  return false;
}

inline bool Played(nlohmann::json state, const std::string& sound) {
  for (const auto& s : state["sounds"]["played"])
    if (s == sound) return true;
  return false;
}
