#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "GameRootCopy.h"
#include "TempFolder.h"
#include "core/Adf.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

// Runs the headless runner over a private copy of the built game root; returns its exit code.
int RunGame(const std::string& args, std::string* output = nullptr) {
  TGameRootCopy root;
  std::string log = root.Path + "out.txt";
  std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + root.Path + " " + args + " > " + log + " 2>&1";
  int rc = std::system(cmd.c_str());
  if (output) {
    std::ifstream in(log);
    std::stringstream ss;
    ss << in.rdbuf();
    *output = ss.str();
  }
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

nlohmann::json ReadJson(const std::string& path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in);
}

}  // namespace

TEST(Runner, StartsInTheSplashWithNoErrors) {
  TTempFolder dir;
  std::string json = dir.Path + "/s.json";
  ASSERT_EQ(RunGame("--ticks 5 --state-json " + json), 0);
  auto j = ReadJson(json);
  EXPECT_EQ(j["tick"], 5);
  EXPECT_EQ(j["game_state"], 1);
  EXPECT_EQ(j["errors"], nlohmann::json::array()) << j["errors"].dump();
  EXPECT_EQ(j["sounds"]["playing"], nlohmann::json::array({"MenuMusic"}));
}

TEST(Runner, AShotIsTheFullPictureAPlayerSees) {
  TTempFolder dir;
  std::string shot = dir.Path + "/a.bmp";
  ASSERT_EQ(RunGame("--ticks 5 --shot 5:" + shot), 0);
  TBitmap bmp = LoadBitmapFile(shot);
  EXPECT_EQ(bmp.Width, 800);
  EXPECT_EQ(bmp.Height, 600);
}

TEST(Runner, AKeyOnTheSplashFadesToTheMenu) {
  TTempFolder dir;
  std::string script = dir.Path + "/keys.txt";
  std::ofstream(script) << "# any key leaves the splash\n3 key 32\n";
  std::string mid = dir.Path + "/mid.json", end = dir.Path + "/end.json";
  std::string midShot = dir.Path + "/mid.bmp";
  ASSERT_EQ(RunGame("--ticks 5 --script " + script + " --state-json " + mid + " --shot 5:" + midShot), 0);
  auto j = ReadJson(mid);
  EXPECT_EQ(j["game_state"], 1);
  EXPECT_EQ(j["fade_out_step"], 3);
  // Halfway through the fade the picture is brightened toward white.
  TBitmap bright = LoadBitmapFile(midShot);
  EXPECT_GE(bright.At(400, 300) & 0xFF, 0x90u);
  ASSERT_EQ(RunGame("--ticks 12 --script " + script + " --state-json " + end), 0);
  j = ReadJson(end);
  EXPECT_EQ(j["game_state"], 2);
  EXPECT_EQ(j["fade_out_step"], 5);
  EXPECT_EQ(j["fade_in_step"], 0);
}

TEST(Runner, BadCommandLinesAndScriptsAreRefusedClearly) {
  std::string out;
  EXPECT_EQ(RunGame("--ticks", &out), 2);
  EXPECT_NE(out.find("--ticks needs a value"), std::string::npos);
  TTempFolder dir;
  std::string script = dir.Path + "/bad.txt";
  std::ofstream(script) << "1 key 32\n2 wiggle 5\n";
  EXPECT_EQ(RunGame("--script " + script, &out), 2);
  EXPECT_NE(out.find("script line 2"), std::string::npos);
}

TEST(Runner, BenchPrintsItsLine) {
  std::string out;
  ASSERT_EQ(RunGame("--ticks 20 --bench", &out), 0);
  EXPECT_NE(out.find("bench: ticks=20 mean_us="), std::string::npos) << out;
  EXPECT_NE(out.find("p99_us="), std::string::npos);
}

TEST(Runner, ReadsItsScriptAndBattleFileFromAPipe) {
  // A pipe has no size: the script (and the battle file) are read until the pipe ends.
  TGameRootCopy root;
  TTempFolder dir;
  const std::string json = dir.Path + "/s.json", log = dir.Path + "/out.txt";
  const std::string cmd = "printf '# piped\\n2 key 27\\n' | " + std::string(STARWAKE_HEADLESS) + " --root " + root.Path +
                          " --ticks 12 --script /dev/stdin --state-json " + json + " > " + log + " 2>&1";
  int rc = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0);
  EXPECT_EQ(ReadJson(json)["game_state"], 2) << "the piped Escape left the splash for the menu";
  const std::string battle = "cat " + root.Path + "bench/battle.adf | " + std::string(STARWAKE_HEADLESS) + " --root " +
                             root.Path + " --ticks 2 --battle-file /dev/stdin --state-json " + json + " > " + log + " 2>&1";
  rc = std::system(battle.c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0);
  EXPECT_GE(ReadJson(json)["battle"]["objects"].size(), 6u) << "the bench battle's six ships came through the pipe";
}

TEST(Runner, ExtremeNumbersInCampaignFilesAreHeldWhenReadAndNamedByTheDataCheck) {
  // Values at the ends of an int in the tutorial's files: each is held to its range with a data
  // warning when read, the campaign runs on (the range circles drawn, the clock moving the fleet,
  // the area trigger checked every tick), and the data check names each of them.
  TGameRootCopy root;
  // The data folder is the built root's own: this test changes a copy of it.
  std::filesystem::remove(root.Path + "data");
  std::filesystem::copy(std::filesystem::path(STARWAKE_TEST_ROOT) / "data", root.Path + "data",
                        std::filesystem::copy_options::recursive);
  AdfFlushCache();
  const std::string data = root.Path + "data/tutorial/";
  const std::string big = "2147483647", low = "-2147483647";
  AdfWriteString(data + "map.adf", "MISC", "SENSOR_RANGE", big);
  AdfWriteString(data + "map.adf", "LOCATION2", "LOC_X", big);
  AdfWriteString(data + "map.adf", "FLEET1", "WARPMOD", big);
  AdfWriteString(data + "map.adf", "FLEET1", "FUEL", big);
  AdfWriteString(data + "map.adf", "FLEET1", "MAXFUEL", big);
  AdfWriteString(data + "camp_race.adf", "TFG", "MAJOR_PAT_MAX", big);
  AdfWriteString(data + "trade.adf", "TFG", "SELL_FUEL", low);
  AdfWriteString(data + "triggers.adf", "EXTREME", "TRIGGER_X", low);
  AdfWriteString(data + "triggers.adf", "EXTREME", "TRIGGER_RADIUS", big);
  AdfWriteString(data + "triggers.adf", "EXTREME", "TRIGGER_CTYPE", "1");
  AdfWriteString(data + "triggers.adf", "EXTREME", "TRIGGER_EVENT", "EXTREME_RANGES");
  AdfWriteString(data + "events.adf", "EXTREME_RANGES", "VAR_DETECT_RANGE", big);
  AdfWriteString(data + "events.adf", "EXTREME_RANGES", "VAR_INT_RANGE", big);
  AdfWriteString(data + "events.adf", "EXTREME_RANGES", "GET_RU", low);
  const std::vector<std::pair<std::string, std::string>> named = {
      {"map.adf:MISC:SENSOR_RANGE", "2147483647 is out of range 0..100000; 100000 is used"},
      {"map.adf:LOCATION2:LOC_X", "out of range"},
      {"map.adf:FLEET1:WARPMOD", "out of range"},
      {"map.adf:FLEET1:FUEL", "out of range"},
      {"map.adf:FLEET1:MAXFUEL", "out of range"},
      {"camp_race.adf:TFG:MAJOR_PAT_MAX", "out of range"},
      {"trade.adf:TFG:SELL_FUEL", "out of range"},
      {"triggers.adf:EXTREME:TRIGGER_X", "-2147483647 is out of range -100000..100000; -100000 is used"},
      {"triggers.adf:EXTREME:TRIGGER_RADIUS", "out of range"},
      {"events.adf:EXTREME_RANGES:VAR_DETECT_RANGE", "out of range"},
      {"events.adf:EXTREME_RANGES:VAR_INT_RANGE", "out of range"},
      {"events.adf:EXTREME_RANGES:GET_RU", "out of range"}};

  std::string out;
  const std::string log = root.Path + "check.txt";
  int rc = std::system((std::string(STARWAKE_HEADLESS) + " --root " + root.Path + " --check-data > " + log + " 2>&1").c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  EXPECT_EQ(WEXITSTATUS(rc), 1);
  {
    std::ifstream in(log);
    std::stringstream ss;
    ss << in.rdbuf();
    out = ss.str();
  }
  for (const auto& [where, what] : named) {
    const size_t at = out.find(where + ": ");
    ASSERT_NE(at, std::string::npos) << where << "\n" << out;
    EXPECT_NE(out.substr(at, out.find('\n', at) - at).find(what), std::string::npos) << out.substr(at, 200);
  }

  // The campaign runs: the ranges shown (F2 for the intercept circles), the clock at its fastest.
  TTempFolder dir;
  const std::string script = dir.Path + "/s.txt", json = dir.Path + "/s.json";
  std::ofstream(script) << "2 key 113\n3 click 760 563\n";
  rc = std::system((std::string(STARWAKE_HEADLESS) + " --root " + root.Path + " --campaign --ticks 120 --script " + script +
                    " --state-json " + json + " > " + log + " 2>&1").c_str());
  ASSERT_TRUE(WIFEXITED(rc));
  ASSERT_EQ(WEXITSTATUS(rc), 0);
  const auto j = ReadJson(json);
  {
    // The tutorial was read at start-up and again for the new campaign: each problem once.
    std::ifstream in(log);
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string err = ss.str(), line = "map.adf:MISC:SENSOR_RANGE: ";
    const size_t first = err.find(line);
    ASSERT_NE(first, std::string::npos) << err;
    EXPECT_EQ(err.find(line, first + 1), std::string::npos) << err;
  }
  EXPECT_EQ(j["campaign"]["ranges"]["sensor"], 100000);
  EXPECT_EQ(j["campaign"]["ranges"]["intercept"], 100000) << "the trigger fired its event";
  EXPECT_EQ(j["campaign"]["player"]["fuel"].get<int>() <= 100000000, true);
  for (const auto& e : j["errors"])
    EXPECT_NE(e.get<std::string>().find("out of range"), std::string::npos) << "only the warnings: " << e;
}
