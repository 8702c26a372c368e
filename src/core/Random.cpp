#include "core/Random.h"

namespace sw {

namespace {
TRandom*& OpenBattleRandom() {
  static TRandom* open = nullptr;
  return open;
}
}  // namespace

void TRandom::Seed(uint64_t seed) {
  Engine.seed(seed);
  SeedUsed = seed;
  DrawCount = 0;
}

int TRandom::Next(int n) {
  if (n <= 0) return 0;
  // Top 32 bits scaled: uniform enough for gameplay, and identical on every platform.
  ++DrawCount;
  uint64_t r = Engine() >> 32;
  return static_cast<int>((r * static_cast<uint64_t>(n)) >> 32);
}

double TRandom::NextReal() {
  ++DrawCount;
  return static_cast<double>(Engine() >> 11) * (1.0 / 9007199254740992.0);
}

void TRandom::Discard(uint64_t n) {
  Engine.discard(n);
  DrawCount += n;
}

TRandom& SharedRandom() {
  static TRandom shared;
  return shared;
}

int PictureRandom(int n) { return SharedRandom().Next(n); }

TBattleRandomScope::TBattleRandomScope(TRandom& battle) : Previous(OpenBattleRandom()) { OpenBattleRandom() = &battle; }

TBattleRandomScope::~TBattleRandomScope() { OpenBattleRandom() = Previous; }

TRandom& CurrentRandom() {
  TRandom* open = OpenBattleRandom();
  return open ? *open : SharedRandom();
}

}  // namespace sw
