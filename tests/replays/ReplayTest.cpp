// Replays: the recorded battles of this folder must play back to every recorded hash; a battle
// plays the same drawn or not and at any game speed; a changed command is caught at its tick;
// every battle fought is kept; and a damaged replay file is refused in one line.
//
// When a change is meant to alter how battles play, these replays must be recorded again:
//   starwake-headless --replay tests/replays/NAME.adf --record tests/replays/NAME.adf
// plays each one with its own commands and writes it back with the new hashes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <cstdio>
#include <sstream>

#include "GameRootCopy.h"
#include "TempFolder.h"
#include "battle/Replay.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

const std::string ReplayFolder = std::string(STARWAKE_SOURCE_DIR) + "/tests/replays/";

std::string SlurpReplayTestFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// Runs the headless runner in the root; its exit code, with standard output in `out`.
int RunReplayGame(const std::string& root, const std::string& args, std::string* out = nullptr) {
  const std::string log = root + "out.txt";
  const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root " + root + " " + args + " > " + log + " 2>" + root + "err.txt";
  const int rc = std::system(cmd.c_str());
  if (out) *out = SlurpReplayTestFile(log);
  return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

struct TPlayback {
  int Code = -1;
  long Ticks = -1, Hashes = -1, Matched = -1;
  std::string Output;
};

TPlayback PlayReplayFile(const std::string& root, const std::string& file, const std::string& more = "") {
  TPlayback p;
  p.Code = RunReplayGame(root, "--replay " + file + " " + more, &p.Output);
  const size_t at = p.Output.find("replay: ticks=");
  if (at != std::string::npos) {
    long ticks = -1, hashes = -1, matched = -1;
    if (std::sscanf(p.Output.c_str() + at, "replay: ticks=%ld hashes=%ld matched=%ld", &ticks, &hashes, &matched) == 3) {
      p.Ticks = ticks;
      p.Hashes = hashes;
      p.Matched = matched;
    }
  }
  return p;
}

// A name kept by "Save replay": eight digits of the date, a dash, six of the time, then the ships.
bool IsSavedReplayName(const std::string& name, const std::string& ships) {
  if (name.size() != 15 + ships.size() || name.compare(15, std::string::npos, ships) != 0) return false;
  for (size_t i = 0; i < 15; ++i) {
    const bool digit = name[i] >= '0' && name[i] <= '9';
    if (i == 8 ? name[i] != '-' : !digit) return false;
  }
  return true;
}

std::vector<std::string> RecordedReplays() {
  std::vector<std::string> files;
  for (const auto& e : fs::directory_iterator(ReplayFolder))
    if (e.path().extension() == ".adf") files.push_back(e.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

TEST(RecordedBattles, EachPlaysBackToEveryRecordedHash) {
  const auto files = RecordedReplays();
  ASSERT_GE(files.size(), 4u);
  for (const std::string& file : files) {
    TGameRootCopy root;
    const std::string json = root.Path + "play.json";
    const TReplay recorded = LoadReplay(file);
    const TPlayback p = PlayReplayFile(root.Path, file, "--state-json " + json);
    EXPECT_EQ(p.Code, 0) << p.Output;
    EXPECT_EQ(p.Ticks, recorded.Ticks) << file;
    EXPECT_EQ(p.Hashes, static_cast<long>(recorded.Hashes.size())) << file;
    EXPECT_EQ(p.Matched, p.Hashes) << file << " no longer plays as recorded. If the change was meant, record it again:\n"
                                   << "  starwake-headless --replay " << file << " --record " << file;
    if (fs::path(file).stem() == "boarding-capture") {
      // The boarders take at least one ship over: it ends on the side it did not start on.
      std::ifstream in(json);
      const auto j = nlohmann::json::parse(in);
      int turned = 0;
      for (const auto& o : j["battle"]["objects"]) {
        const std::string name = o["name"];
        if (o["kind"] == 1 && name.starts_with("side2") == (o["side"] == 1)) ++turned;
        if (o["kind"] == 1 && name == "player2ship" && o["side"] == 1) ++turned;
      }
      EXPECT_GE(turned, 1) << "no ship was captured in " << file;
    }
  }
}

TEST(RecordedBattles, ABattlePlaysTheSameDrawnOrNotAndAtAnyGameSpeed) {
  // Fought by hand in the window's own frame loop at a fast game speed...
  TGameRootCopy fought;
  std::ofstream(fought.Path + "config.ini") << "[MISC]\nGAME_SPEED=20\n";
  std::ofstream(fought.Path + "duel.adf") << BattleFileText(LoadReplay(ReplayFolder + "pilots-duel.adf"));
  const std::string recorded = fought.Path + "fought.adf";
  std::string out;
  ASSERT_EQ(RunReplayGame(fought.Path,
                          "--battle-file duel.adf --seed 11 --ticks 240 --script " + ReplayFolder +
                              "pilots.txt --record " + recorded,
                          &out),
            0)
      << out;
  const TReplay replay = LoadReplay(recorded);
  EXPECT_EQ(replay.GameSpeed, 20);
  EXPECT_GE(replay.Hashes.size(), 7u);
  bool bothFlew[2] = {false, false};
  for (const TCommandRun& run : replay.Runs)
    if (run.Bits != 0) bothFlew[run.Pilot - 1] = true;
  EXPECT_TRUE(bothFlew[0] && bothFlew[1]) << "the script's keys reached the pilots";

  // ...it plays back to the same hashes without drawing, and drawn frame by frame at a slow speed.
  TGameRootCopy watched;
  std::ofstream(watched.Path + "config.ini") << "[MISC]\nGAME_SPEED=60\n";
  for (const std::string more : {"", "--ticks 400"}) {
    const TPlayback p = PlayReplayFile(watched.Path, recorded, more);
    EXPECT_EQ(p.Code, 0) << more << "\n" << p.Output;
    EXPECT_EQ(p.Ticks, replay.Ticks) << more;
    EXPECT_EQ(p.Matched, static_cast<long>(replay.Hashes.size())) << more << "\n" << p.Output;
  }
}

TEST(RecordedBattles, OneChangedCommandIsFoundAtTheFirstCheckAfterIt) {
  TReplay replay = LoadReplay(ReplayFolder + "pilots-duel.adf");
  // Pilot 1 turns left for one step more (or less) at step 100.
  constexpr int32_t Changed = 100;
  std::vector<TCommandRun> runs;
  int64_t at = 1;
  for (const TCommandRun& run : replay.Runs) {
    if (run.Pilot != 1 || Changed < at || Changed >= at + run.Ticks) {
      if (run.Pilot == 1) at += run.Ticks;
      runs.push_back(run);
      continue;
    }
    const int32_t before = static_cast<int32_t>(Changed - at), after = static_cast<int32_t>(at + run.Ticks - Changed - 1);
    if (before > 0) runs.push_back({1, run.Bits, before});
    runs.push_back({1, static_cast<uint8_t>(run.Bits ^ CommandBit(scTurnLeft)), 1});
    if (after > 0) runs.push_back({1, run.Bits, after});
    at += run.Ticks;
  }
  replay.Runs = runs;
  TGameRootCopy root;
  const std::string changed = root.Path + "changed.adf";
  ASSERT_TRUE(SaveReplay(changed, replay));
  const std::string json = root.Path + "play.json";
  const TPlayback p = PlayReplayFile(root.Path, changed, "--state-json " + json);
  EXPECT_EQ(p.Code, 1);
  EXPECT_NE(p.Output.find("This replay no longer plays the same (tick 120): the data or the game changed"),
            std::string::npos)
      << p.Output;
  EXPECT_EQ(p.Matched, 3) << "the checks at steps 30, 60 and 90 still match";
  std::ifstream in(json);
  const auto j = nlohmann::json::parse(in);
  EXPECT_EQ(j["replay"]["first_mismatch"], 120);
  EXPECT_EQ(j["replay"]["tick"], 120) << "playback stops there instead of showing another battle";
}

TEST(RecordedBattles, EveryBattleFoughtIsKeptAndTheResultScreenSavesIt) {
  TGameRootCopy root;
  const std::string recent = root.Path + "replays/recent/";
  fs::create_directories(recent);
  // Older automatic recordings: only the 20 newest recordings may stay.
  for (int i = 0; i < 25; ++i) {
    const std::string old = recent + "2000010" + std::to_string(i % 10) + "-old-" + std::to_string(i) + ".adf";
    std::ofstream(old) << "old";
    fs::last_write_time(old, fs::file_time_type::clock::now() - std::chrono::hours(100 - i));
  }
  // A short fight to the end (over at step 42); R on the result screen keeps it under its own name.
  std::ofstream(root.Path + "duel.adf") << "[MISC]\nASTEROIDS=-1\nTOTAL_SHIPS=2\n[SHIP1]\nSIDE=1\nDESIG=player1ship\n"
                                           "RACE=MER\nPREFIX=add-ons\\meridian\\\nCLASS=MER_Skiff\nXPOS=400\nYPOS=470\n"
                                           "AI=1\n[SHIP2]\nSIDE=2\nDESIG=player2ship\nRACE=ZHA\nCLASS=ZHA_Raider\n"
                                           "XPOS=400\nYPOS=150\nANGLE=180\nAI=1\nDAMAGE=3\n";
  std::ofstream(root.Path + "keys.txt") << "1 key 13\n50 key 82\n";
  std::string out;
  ASSERT_EQ(RunReplayGame(root.Path,
                          "--battle-file duel.adf --seed 3 --ticks 60 --script " + root.Path +
                              "keys.txt --state-json " + root.Path + "end.json",
                          &out),
            0)
      << out;
  std::ifstream in(root.Path + "end.json");
  const auto j = nlohmann::json::parse(in);
  ASSERT_EQ(j["battle"]["phase"], 2) << "the fight is over and its result shown";
  const TReplay last = LoadReplay(root.Path + "replays/last.adf");
  EXPECT_GT(last.Ticks, 0);
  EXPECT_EQ(last.Seed, 3u);
  size_t kept = 0, newest = 0;
  for (const auto& e : fs::directory_iterator(recent)) {
    ++kept;
    if (SlurpReplayTestFile(e.path().string()) == SlurpReplayTestFile(root.Path + "replays/last.adf")) ++newest;
  }
  EXPECT_EQ(kept, 20u);
  EXPECT_EQ(newest, 1u);
  int saved = 0;
  for (const auto& e : fs::directory_iterator(root.Path + "replays/")) {
    const std::string name = e.path().filename().string();
    if (!IsSavedReplayName(name, "-MER_Skiff-vs-ZHA_Raider.adf")) continue;
    ++saved;
    EXPECT_EQ(SlurpReplayTestFile(e.path().string()), SlurpReplayTestFile(root.Path + "replays/last.adf"));
  }
  EXPECT_EQ(saved, 1) << "Save replay (R) on the result screen";
  // The saved fight plays back to its end.
  const TPlayback p = PlayReplayFile(root.Path, root.Path + "replays/last.adf");
  EXPECT_EQ(p.Code, 0) << p.Output;
  EXPECT_EQ(p.Ticks, last.Ticks);
  EXPECT_EQ(p.Matched, static_cast<long>(last.Hashes.size()));
  EXPECT_GE(p.Matched, 2);
}

// ---- the replay file ----

namespace {
TReplay SmallReplay() {
  TReplay r;
  r.Version = GameVersion;
  r.Seed = 18446744073709551615ULL;
  r.GameSpeed = 30;
  r.Ticks = 95;
  r.Battle = BattleKeysOfText("; a comment\n[MISC]\nASTEROIDS=2\n\n[SHIP1]\nSIDE=1\nCLASS=TFG_Lancer\n");
  TReplayRecorder rec;
  for (int64_t t = 1; t <= 95; ++t) {
    rec.Step(t, t < 40 ? 4 : 5, t % 50 == 0 ? 8 : 0);
    if (t % 30 == 0) rec.Hash(t, 0xFEDCBA9876543210ULL + static_cast<uint64_t>(t));
  }
  rec.Hash(95, 42);
  return rec.Take(r);
}
}  // namespace

TEST(ReplayFile, RoundTripsAndPlaysItsRunsBackStepByStep) {
  const TReplay r = SmallReplay();
  EXPECT_EQ(BattleFileText(r), "[MISC]\nASTEROIDS=2\n\n[SHIP1]\nSIDE=1\nCLASS=TFG_Lancer\n");
  // Pilot 1 holds two states, pilot 2 three runs (its one shot at step 50).
  EXPECT_EQ(r.Runs.size(), 2u + 3u);
  const TReplay back = ParseReplay(ReplayText(r), "x.adf");
  EXPECT_EQ(back.Seed, r.Seed);
  EXPECT_EQ(back.Ticks, 95);
  EXPECT_EQ(back.Battle, r.Battle);
  EXPECT_EQ(back.Hashes, r.Hashes);
  ASSERT_EQ(back.Runs.size(), r.Runs.size());
  TReplayCommands play(back);
  for (int64_t t = 1; t <= 95; ++t) {
    play.BeginStep(t);
    ASSERT_EQ(play.Commands(1), t < 40 ? 4 : 5) << t;
    ASSERT_EQ(play.Commands(2), t % 50 == 0 ? 8 : 0) << t;
    if (t % 30 == 0) play.Checkpoint(t, 0xFEDCBA9876543210ULL + static_cast<uint64_t>(t) + (t == 60));
  }
  play.Checkpoint(95, 42);
  EXPECT_EQ(play.Checked, 4);
  EXPECT_EQ(play.Matched, 3);
  EXPECT_EQ(play.FirstMismatch, 60);
}

TEST(ReplayFile, ABadFileIsRefusedInOneLineNamingTheFault) {
  const std::string good = ReplayText(SmallReplay());
  auto with = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  const std::pair<std::string, std::string> cases[] = {
      {"", "no [REPLAY] section"},
      {good.substr(0, good.find("[COMMANDS]")), "[COMMANDS] is missing"},
      {with("SEED=", "SEED=x"), "SEED is not a whole number"},
      {with("TICKS=95", "TICKS=99999999999"), "TICKS must be 1 to"},
      {with("COUNT=5", "COUNT=4000000000"), "COUNT does not match"},
      {with("COUNT=5", "COUNT=6"), "R6 is missing"},
      {with("R1=1,4,39", "R1=3,4,39"), "R1 is not pilot"},
      {with("R1=1,4,39", "R1=1,4,390"), "R1 runs past the battle's 95 steps"},
      {with("T60=", "T96="), "T96 is not a step of the battle"},
      {with("T60=", "T30="), "T30 is given twice"},
      {with("T95=000000000000002A", "T95=0G"), "T95 is not a hexadecimal hash"},
      {with("MISC.ASTEROIDS", "ASTEROIDS"), "is not SECTION.KEY"},
  };
  for (const auto& [text, fault] : cases) {
    try {
      ParseReplay(text, "bad.adf");
      ADD_FAILURE() << "accepted a replay that should say: " << fault;
    } catch (const EReplayError& e) {
      const std::string what = e.what();
      EXPECT_NE(what.find("bad.adf"), std::string::npos) << what;
      EXPECT_NE(what.find(fault), std::string::npos) << what;
      EXPECT_EQ(what.find('\n'), std::string::npos) << what;
    }
  }
  TTempFolder dir;
  EXPECT_THROW(LoadReplay(dir.Path + "/none.adf"), EReplayError);
  const std::string huge = dir.Path + "/huge.adf";
  std::ofstream(huge) << good << std::string(ReplayMaxFileBytes, ';');
  try {
    LoadReplay(huge);
    ADD_FAILURE() << "an enormous file was read";
  } catch (const EReplayError& e) {
    EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos);
  }
}

TEST(ReplayFile, MutatedAndTruncatedFilesNeverCrashOrHang) {
  const std::string good = ReplayText(SmallReplay());
  std::mt19937 gen(2026);
  int accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string t = good;
    if (i % 3 == 0) {
      t.resize(gen() % t.size());
    } else {
      const int edits = 1 + static_cast<int>(gen() % 8);
      for (int k = 0; k < edits; ++k) {
        const size_t at = gen() % t.size();
        switch (gen() % 3) {
          case 0: t[at] = static_cast<char>(gen() % 256); break;
          case 1: t.insert(at, std::to_string(gen())); break;
          default: t.erase(at, 1 + gen() % 6); break;
        }
      }
    }
    try {
      const TReplay r = ParseReplay(t, "fuzz.adf");
      ++accepted;
      // Whatever is accepted holds to the limits playback relies on.
      int64_t used[2] = {0, 0};
      for (const TCommandRun& run : r.Runs) used[run.Pilot - 1] += run.Ticks;
      ASSERT_LE(used[0], r.Ticks);
      ASSERT_LE(used[1], r.Ticks);
      for (const auto& [tick, hash] : r.Hashes) ASSERT_TRUE(tick >= 1 && tick <= r.Ticks);
    } catch (const EReplayError& e) {
      ASSERT_EQ(std::string(e.what()).find('\n'), std::string::npos);
    }
  }
  EXPECT_GT(accepted, 0);
}

TEST(RecordedBattles, TheDogfightReplaysListPlaysTheNewestAndEscapeComesBack) {
  TGameRootCopy root;
  fs::create_directories(root.Path + "replays/recent");
  fs::copy_file(ReplayFolder + "pilots-duel.adf", root.Path + "replays/recent/older.adf");
  fs::last_write_time(root.Path + "replays/recent/older.adf", fs::file_time_type::clock::now() - std::chrono::hours(5));
  fs::copy_file(ReplayFolder + "boarding-capture.adf", root.Path + "replays/newest.adf");
  std::ofstream(root.Path + "replays/broken.adf") << "[REPLAY]\nSEED=1\n";
  fs::last_write_time(root.Path + "replays/broken.adf", fs::file_time_type::clock::now() - std::chrono::hours(9));
  // The menu, the dogfight set-up, its "Replays" button, Enter on the first (newest) row.
  const std::string opening = "1 key 13\n60 click 430 385\n120 click 640 36\n125 key 13\n";
  std::ofstream(root.Path + "play.txt") << opening << "200 key 32\n";
  std::ofstream(root.Path + "leave.txt") << opening << "200 key 27\n";
  std::string out;
  ASSERT_EQ(RunReplayGame(root.Path, "--ticks 220 --script " + root.Path + "play.txt --state-json " + root.Path + "a.json", &out), 0) << out;
  std::ifstream a(root.Path + "a.json");
  const auto played = nlohmann::json::parse(a);
  ASSERT_EQ(played["game_state"], 5) << played["errors"].dump();
  ASSERT_TRUE(played["replay"].is_object());
  EXPECT_EQ(fs::path(played["replay"]["file"].get<std::string>()).filename(), "newest.adf");
  EXPECT_TRUE(played["replay"]["paused"]) << "Space pauses";
  const long pausedAt = played["replay"]["tick"];
  EXPECT_GT(pausedAt, 60);
  EXPECT_LT(pausedAt, 100);
  EXPECT_EQ(played["replay"]["first_mismatch"], nullptr);
  EXPECT_EQ(played["errors"], nlohmann::json::array());

  ASSERT_EQ(RunReplayGame(root.Path, "--ticks 220 --script " + root.Path + "leave.txt --state-json " + root.Path + "b.json", &out), 0) << out;
  std::ifstream b(root.Path + "b.json");
  const auto left = nlohmann::json::parse(b);
  EXPECT_EQ(left["game_state"], 4) << "Escape goes back to the dogfight set-up";
  EXPECT_EQ(left["replay"], nullptr);
  EXPECT_EQ(left["battle"], nullptr);
}
