#pragma once
// Number rules shared by every subsystem: rounding, and the one global random generator.
#include <cstdint>
#include <optional>

namespace sw {

// Rounds to the nearest integer; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
int Round(double value);

// A uniform integer 0..n-1 from the generator in use (see core/Random.h: the battle's own while
// a battle step runs, else the shared one); 0 when n <= 0.
int Random(int n);
// A uniform real in [0, 1) from the generator in use.
double RandomReal();

// Seeds the shared generator from the clock, or with the fixed seed when one is set; the seed used.
uint64_t Randomize();
// Sets (or clears) the fixed seed: every later Randomize() reseeds with it, so runs repeat.
void SetFixedSeed(std::optional<uint64_t> seed);
// Seeds the generator directly (tests).
void RandSeed(uint64_t seed);

}  // namespace sw
