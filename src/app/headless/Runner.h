#pragma once
// The headless runner: the real main window with no window and no sound device, driven by
// scripted input as fast as it can go.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sw {

struct TRunOptions {
  std::string Root;
  long long Ticks = 1;
  bool TicksGiven = false;
  std::optional<uint64_t> Seed;
  std::string ScriptFile;
  std::vector<std::pair<long long, std::string>> Shots;
  std::string StateJson;
  // Read the script from standard input as it comes: each "N state" line runs the game up to
  // tick N, writes the summary and answers "state N" on standard output, so a driver can read
  // the game before it decides its next input.
  bool Interactive = false;
  bool Bench = false;
  bool UntilOver = false;  // stop once the battle shows its result
  bool Battle = false;
  std::string BattleFile;
  bool CheckData = false;
  // Write the battle it plays (still running, or the last one kept) as a replay at the end.
  std::string RecordFile;
  // Play a replay: to its end without drawing, or, with --ticks, frame by frame as the game does.
  std::string ReplayFile;
  // Start live in the first campaign of the campaign index, as the selector's continue does.
  bool Campaign = false;
  std::string CampaignFolder;  // --campaign-folder: a campaign by its folder below data
  // Start live in the saved game of slot N (1 or more), as the selector's continue loads it.
  int Load = 0;
  // The section of the saved game --load names: "SAVE3" for --load 3, "AUTOSAVE" for --load autosave.
  std::string LoadSection;
  // Check a saved game (--check-save N or autosave) without running the game: one line per
  // problem, exit 1 when there is one.
  std::string CheckSave;
  // The balance tool: computer-flown duels between two classes, or every pair of classes.
  std::vector<std::string> Duel;  // the two classes of --duel
  bool Matrix = false;
  int Rounds = 4;
  // The computer pilot's skill on each side of the duels (--skill S1,S2): 0 Cadet .. 2 Ace.
  int Skills[2] = {2, 2};
  // A network duel: host one on a port (with --battle or --battle-file), or join one at
  // HOST:PORT. --ticks then counts the battle ticks fought in lockstep, and the script's ticks
  // are battle ticks too, so both games stop at the same tick whatever the waiting.
  int HostPort = 0;
  std::string JoinAddress;
  // Test switches of the network duel: received packets held back (ms), a share of the raw
  // datagrams lost (percent), a fixed input delay (ticks), another version told to the other
  // game, and how long the run may wait in all (seconds) before it gives up.
  int NetLagMs = 0;
  int NetDropPercent = 0;
  int NetDelay = 0;
  std::string NetVersion;
  int NetTimeoutSeconds = 120;
  // Test switch: this game's battle is knocked off the other's after that battle tick.
  int NetNudgeTick = 0;
  // A network duel's frame ticks at the game's own interval instead of as fast as they go
  // (--net-real-time), for figures per second of play.
  bool NetRealTime = false;
  bool Networked() const { return HostPort != 0 || !JoinAddress.empty(); }
};

// Reads the command line; false with a message on a bad one.
bool ParseRunOptions(int argc, char** argv, TRunOptions& out, std::string& error);
// Runs the game as the options say; the process exit code.
int RunHeadless(const TRunOptions& options);

}  // namespace sw
