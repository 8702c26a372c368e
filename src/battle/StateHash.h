#pragma once
// One 64-bit hash of everything that decides a battle: every object's kind, side, position,
// speed, heading, hull, crew, energy, timers and pilot mode, its weapons' reload timers, and
// the battle's generator. Two battles with the same hash after the same step are, for every
// purpose of the rules, the same battle. Taken every 30 steps while recording and playing.
#include <cstdint>

#include "battle/GameObject.h"

namespace sw {


class TRandom;

// Mixes 64-bit words into a hash, one word at a time.
class TStateHasher {
public:
  void Add(uint64_t v) {
    H ^= v + 0x9E3779B97F4A7C15ULL + (H << 6) + (H >> 2);
    H *= 0xFF51AFD7ED558CCDULL;
    H ^= H >> 32;
  }
  void Add(double v);
  uint64_t Value() const { return H; }

private:
  uint64_t H = 0xCBF29CE484222325ULL;
};

// Adds every object of the list, in list order, to the hash.
void HashObjects(TStateHasher& hasher, const TObjectList& objects);
// Adds a generator's state (its seed and the numbers drawn since).
void HashRandom(TStateHasher& hasher, const TRandom& random);

}  // namespace sw
