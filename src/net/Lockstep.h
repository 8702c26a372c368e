#pragma once
// The lockstep of a network duel, as the battle's command source. Only the pilots' command
// bytes travel: each game samples its own player at every step and promises those commands
// for a tick `delay` steps ahead; a tick is simulated only when both games' commands for it are
// in. Ticks 1 .. the first delay are fought with no commands on either side. Both games step the
// same battle from the same seed and the same commands, and compare state hashes every 30
// ticks to prove it.
#include <cstdint>
#include <utility>
#include <vector>

#include "battle/CommandSource.h"

namespace sw {

// The input delay: 3 ticks to start with, raised (never lowered) up to 8 when the round trip
// needs it.
constexpr int NetFirstDelay = 3;
constexpr int NetMaxDelay = 8;
// The delay a round trip of `roundTripMs` needs at frames of `intervalMs`: a command must cross
// the line one way, with a frame of margin, before the other game reaches its tick.
int NetDelayFor(double roundTripMs, int intervalMs);

class TLockstep : public ICommandSource {
public:
  // `side` is this game's pilot: 1 for the host, 2 for the joiner. `local` gives this machine's
  // player's commands as pilot 1 (each player flies with his own pilot-1 controls); it is read
  // once per step.
  TLockstep(int side, ICommandSource* local, int firstDelay);

  void BeginStep(int64_t tick) override;
  uint8_t Commands(int pilot) override;
  void Checkpoint(int64_t tick, uint64_t hash) override;

  // Both games' commands for the tick are in.
  bool Ready(int64_t tick) const;
  // The other game's commands for a tick. False, keeping nothing, for a tick already fought,
  // one too far ahead to be honest, or one given before.
  bool PeerCommands(int64_t tick, uint8_t bits);
  // The other game's state hash at a tick; a difference from ours marks the first tick out of
  // sync. False for a tick that is no checkpoint or lies far from ours.
  bool PeerHash(int64_t tick, uint64_t hash);
  // Raises the delay for the ticks still to be sampled; a lower one is ignored.
  void RaiseDelay(int delay);
  int Delay() const { return CurrentDelay; }

  // While false the player is in a menu over the battle: his commands are all off.
  bool Sampling = true;
  // The first tick whose hashes differ, 0 while none has.
  int64_t OutOfSyncTick = 0;
  // The last tick both games' hashes agreed on, and the hash.
  int64_t AgreedTick = 0;
  uint64_t AgreedHash = 0;
  // The step being fought (0 before the first).
  int64_t Tick = 0;

  // What is to be sent: this game's commands and checkpoint hashes, in order; the session
  // takes them after every step.
  std::vector<std::pair<int64_t, uint8_t>> CommandsOut;
  std::vector<std::pair<int64_t, uint64_t>> HashesOut;

private:
  static constexpr int Window = 64;
  static constexpr int HashSlots = 16;
  struct TCommandSlot {
    int64_t Tick = -1;
    uint8_t Bits = 0;
  };
  struct THashSlot {
    int64_t Tick = -1;
    uint64_t Hash = 0;
  };
  void Compare(int64_t tick);
  int Side;
  ICommandSource* Local;
  int CurrentDelay;
  int64_t NextToSample;  // the first tick this game has not yet given commands for
  TCommandSlot Mine[Window], Theirs[Window];
  THashSlot MyHashes[HashSlots], TheirHashes[HashSlots];
};

}  // namespace sw
