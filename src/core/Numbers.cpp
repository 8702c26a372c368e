#include "core/Numbers.h"
#include "core/HeldNumber.h"

#include <chrono>
#include <cmath>
#include <random>

namespace sw {

namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 gen(0x5EED5EEDULL);
  return gen;
}
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

int Random(int n) {
  if (n <= 0) return 0;
  // Top 32 bits scaled: uniform enough for gameplay, and identical on every platform.
  uint64_t r = Generator()() >> 32;
  return static_cast<int>((r * static_cast<uint64_t>(n)) >> 32);
}

double RandomReal() { return static_cast<double>(Generator()() >> 11) * (1.0 / 9007199254740992.0); }

void Randomize() {
  if (FixedSeed()) {
    Generator().seed(*FixedSeed());
  } else {
    Generator().seed(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  }
}

void SetFixedSeed(std::optional<uint64_t> seed) {
  FixedSeed() = seed;
  if (seed) Generator().seed(*seed);
}

void RandSeed(uint64_t seed) { Generator().seed(seed); }

}  // namespace sw
