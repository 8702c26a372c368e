#pragma once
// The balance tool: computer-flown duels of one flagship a side, fought in this process without
// drawing, as a series of seeded rounds between two classes or as a matrix over every pair of
// classes offered on the dogfight set-up screen. A battle with no result within the tick limit
// counts as a draw.
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

class TfmMain;
struct TRunOptions;

// Frames a duel may last before it counts as a draw (about four and a half minutes of play).
constexpr int DUEL_TICK_LIMIT = 9000;

// A ship class as the dogfight set-up offers it.
struct TDuelClass {
  std::string Class, Race, Prefix;
};

// Every class offered on the dogfight set-up screen: the base game's, then each add-on's.
std::vector<TDuelClass> DogfightClasses(const std::string& dataFolder);

// One fought duel.
struct TDuelRound {
  int Winner = 0;  // 1 the first class, 2 the second, 0 a draw
  int Ticks = 0;
  std::vector<std::string> Errors;  // errors the battle raised (each fought on, as the game does)
};

// Fights duels in the main window's game root, with its pictures.
class TDuelArena {
public:
  explicit TDuelArena(TfmMain& main);
  ~TDuelArena();
  // One round: `a` on side 1, `b` on side 2, both flown by the computer at the given skills
  // (0 Cadet .. 2 Ace), starting places and headings drawn from the seed, which also seeds the
  // battle.
  TDuelRound Fight(const TDuelClass& a, const TDuelClass& b, uint64_t seed, int skillA = 2, int skillB = 2);

private:
  TfmMain& Main;
  std::vector<std::string> Files;  // battle files written, removed at the end
};

// --duel and --matrix of the runner: prints the results (and writes them as JSON to the
// options' state-json path when one is given). Exit code 0, or 2 for an unknown class.
int RunDuels(const TRunOptions& options, const std::string& root);

}  // namespace sw
