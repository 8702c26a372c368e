#pragma once
// Recorded battles. A replay holds what decides a battle: the battle file's text, the seed of
// the battle's generator, and both pilots' commands step by step, stored as runs (a command
// state and how many steps it was held). State hashes taken every 30 steps and at the end
// prove on playback that the battle still plays the same.
//
// The file is ADF text, so a person can read it and compare two of them:
//   [REPLAY]    VERSION, SEED, GAME_SPEED, TICKS
//   [BATTLE]    the battle file's keys as SECTION.KEY=value, in file order
//   [COMMANDS]  COUNT=n, then R1..Rn = pilot,bits,ticks (each pilot's runs in step order)
//   [HASHES]    Tn=hash (hexadecimal) for step n
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "battle/CommandSource.h"

namespace sw {

// The version of the game written into every replay; a replay of another version plays, with a
// warning, since its battles may no longer come out the same.
extern const char* const GameVersion;

// The state hash is taken after every step whose number is a multiple of this, and at the end.
constexpr int64_t ReplayHashInterval = 30;
// Limits a replay file is held to when read: nothing larger is accepted.
constexpr size_t ReplayMaxFileBytes = 16u << 20;
constexpr int64_t ReplayMaxTicks = 1000000;

// A replay that cannot be read: the message names the file and what is wrong, on one line.
class EReplayError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TCommandRun {
  uint8_t Pilot = 1;  // 1 or 2
  uint8_t Bits = 0;   // the commands held (CommandBit)
  int32_t Ticks = 1;  // for how many steps
};

struct TReplay {
  std::string Version;
  uint64_t Seed = 0;
  int GameSpeed = 30;  // the frame interval in milliseconds it was fought at
  int64_t Ticks = 0;   // steps fought
  std::vector<std::pair<std::string, std::string>> Battle;  // "SECTION.KEY", value
  std::vector<TCommandRun> Runs;
  std::vector<std::pair<int64_t, uint64_t>> Hashes;  // step, hash; in step order
};

// The battle file's text as [BATTLE] keys, and back (comments and blank lines are not kept).
std::vector<std::pair<std::string, std::string>> BattleKeysOfText(const std::string& battleFileText);
std::string BattleFileText(const TReplay& replay);

std::string ReplayText(const TReplay& replay);
// Reads a replay; EReplayError naming `name` and the fault when it is not one.
TReplay ParseReplay(const std::string& text, const std::string& name);
// Reads a replay file (at most ReplayMaxFileBytes are ever read).
TReplay LoadReplay(const std::string& path);
// Writes a replay file whole (temporary file and rename); false when it could not be written.
bool SaveReplay(const std::string& path, const TReplay& replay);

// Records a battle as it is fought: the commands of every step and the checkpoint hashes.
class TReplayRecorder {
public:
  void Step(int64_t tick, uint8_t pilot1, uint8_t pilot2);
  void Hash(int64_t tick, uint64_t hash);
  int64_t Ticks() const { return LastTick; }
  // The replay so far, with the header and battle given.
  TReplay Take(const TReplay& header) const;

private:
  std::vector<TCommandRun> Runs[2];
  std::vector<std::pair<int64_t, uint64_t>> Hashes;
  int64_t LastTick = 0;
};

// Plays a replay's commands back as a command source and checks its hashes.
class TReplayCommands : public ICommandSource {
public:
  explicit TReplayCommands(const TReplay& replay);
  void BeginStep(int64_t tick) override;
  uint8_t Commands(int pilot) override;
  void Checkpoint(int64_t tick, uint64_t hash) override;
  // Playback ended before the recording did: the hashes not reached count as not matched.
  void Finish();

  int64_t Ticks() const { return TotalTicks; }
  // Recorded hashes compared so far, how many of them matched, and the step of the first that
  // did not (0 while none has failed).
  int Checked = 0;
  int Matched = 0;
  int64_t FirstMismatch = 0;
  int HashCount() const { return static_cast<int>(Hashes.size()); }

private:
  struct TCursor {
    size_t Index = 0;
    int64_t RunEnd = 0;  // the last step of the run at Index
  };
  std::vector<TCommandRun> Runs[2];
  TCursor Cursor[2];
  std::vector<std::pair<int64_t, uint64_t>> Hashes;
  size_t NextHash = 0;
  int64_t Tick = 0;
  int64_t TotalTicks = 0;
};

// The message shown when playback differs from the recording.
std::string ReplayMismatchMessage(int64_t tick);

}  // namespace sw
