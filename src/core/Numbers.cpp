#include "core/Numbers.h"
#include "core/HeldNumber.h"

#include <chrono>
#include <cmath>

#include "core/Random.h"

namespace sw {

namespace {
std::optional<uint64_t>& FixedSeed() {
  static std::optional<uint64_t> seed;
  return seed;
}
}  // namespace

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

long long HoldToRange(long long value, long long lo, long long hi, std::string* problem) {
  const long long held = value < lo ? lo : value > hi ? hi : value;
  if (problem) {
    problem->clear();
    if (held != value)
      *problem = std::to_string(value) + " is out of range " + std::to_string(lo) + ".." + std::to_string(hi) + "; " +
                 std::to_string(held) + " is used";
  }
  return held;
}

int Random(int n) { return CurrentRandom().Next(n); }

double RandomReal() { return CurrentRandom().NextReal(); }

uint64_t Randomize() {
  const uint64_t seed = FixedSeed() ? *FixedSeed()
                                    : static_cast<uint64_t>(
                                          std::chrono::high_resolution_clock::now().time_since_epoch().count());
  SharedRandom().Seed(seed);
  return seed;
}

void SetFixedSeed(std::optional<uint64_t> seed) {
  FixedSeed() = seed;
  if (seed) SharedRandom().Seed(*seed);
}

void RandSeed(uint64_t seed) { SharedRandom().Seed(seed); }

}  // namespace sw
