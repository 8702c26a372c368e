#include "net/Lockstep.h"

#include <algorithm>
#include <cmath>

#include "battle/Replay.h"

namespace sw {

namespace {

// The commands that act once per press: a press promised for two ticks at once (when the delay
// grows) is given to the first only.
constexpr uint8_t PressBits = CommandBit(scAutopilot) | CommandBit(scLock);
// How far ahead of the step the other game's commands may honestly be: its delay and ours.
constexpr int64_t FarthestAhead = 2 * NetMaxDelay + 8;

}  // namespace

int NetDelayFor(double roundTripMs, int intervalMs) {
  const double frame = std::max(intervalMs, 1);
  // One way across, twenty milliseconds of margin, and the frame the command waits to be sent.
  const int need = static_cast<int>(std::ceil((roundTripMs / 2 + 20) / frame)) + 1;
  return std::clamp(need, NetFirstDelay, NetMaxDelay);
}

TLockstep::TLockstep(int side, ICommandSource* local, int firstDelay)
    : Side(side == 2 ? 2 : 1), Local(local), CurrentDelay(std::clamp(firstDelay, 1, NetMaxDelay)) {
  // The first ticks are fought before anyone could have given a command.
  for (int64_t t = 1; t <= CurrentDelay; ++t) {
    Mine[t % Window] = {t, 0};
    Theirs[t % Window] = {t, 0};
  }
  NextToSample = CurrentDelay + 1;
}

void TLockstep::BeginStep(int64_t tick) {
  Tick = tick;
  uint8_t bits = 0;
  if (Sampling && Local) {
    Local->BeginStep(tick);
    bits = Local->Commands(1);
  }
  // This step's sample is promised for tick + delay; a delay raised since the last step leaves
  // ticks between with nobody's promise, and they get the same held commands.
  const int64_t target = tick + CurrentDelay;
  for (; NextToSample <= target; ++NextToSample) {
    Mine[NextToSample % Window] = {NextToSample, bits};
    CommandsOut.emplace_back(NextToSample, bits);
    bits &= static_cast<uint8_t>(~PressBits);
  }
}

uint8_t TLockstep::Commands(int pilot) {
  const TCommandSlot* slots = pilot == Side ? Mine : Theirs;
  const TCommandSlot& slot = slots[Tick % Window];
  return slot.Tick == Tick ? slot.Bits : 0;
}

bool TLockstep::Ready(int64_t tick) const {
  return Mine[tick % Window].Tick == tick && Theirs[tick % Window].Tick == tick;
}

bool TLockstep::PeerCommands(int64_t tick, uint8_t bits) {
  if (tick <= Tick || tick > Tick + FarthestAhead) return false;
  TCommandSlot& slot = Theirs[tick % Window];
  if (slot.Tick == tick) return false;
  slot = {tick, bits};
  return true;
}

void TLockstep::RaiseDelay(int delay) { CurrentDelay = std::clamp(std::max(delay, CurrentDelay), 1, NetMaxDelay); }

void TLockstep::Checkpoint(int64_t tick, uint64_t hash) {
  // Only the regular checkpoints are compared: both games take them inside the same step.
  if (tick <= 0 || tick % ReplayHashInterval != 0) return;
  MyHashes[(tick / ReplayHashInterval) % HashSlots] = {tick, hash};
  HashesOut.emplace_back(tick, hash);
  Compare(tick);
}

bool TLockstep::PeerHash(int64_t tick, uint64_t hash) {
  if (tick <= 0 || tick % ReplayHashInterval != 0) return false;
  // Neither game can be more than a few ticks ahead of the other.
  if (tick > Tick + FarthestAhead + ReplayHashInterval || tick + (HashSlots / 2) * ReplayHashInterval < Tick)
    return false;
  TheirHashes[(tick / ReplayHashInterval) % HashSlots] = {tick, hash};
  Compare(tick);
  return true;
}

void TLockstep::Compare(int64_t tick) {
  const size_t i = static_cast<size_t>((tick / ReplayHashInterval) % HashSlots);
  if (MyHashes[i].Tick != tick || TheirHashes[i].Tick != tick) return;
  if (MyHashes[i].Hash == TheirHashes[i].Hash) {
    if (tick > AgreedTick) {
      AgreedTick = tick;
      AgreedHash = MyHashes[i].Hash;
    }
  } else if (OutOfSyncTick == 0 || tick < OutOfSyncTick) {
    OutOfSyncTick = tick;
  }
}

}  // namespace sw
