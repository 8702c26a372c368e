// Deterministic randomness for the generator: a small seeded generator and
// smooth value noise in two and three dimensions.
#pragma once
#include <cstdint>

namespace ag {

class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) { Next(); }
    uint64_t Next() {
        s_ ^= s_ >> 12; s_ ^= s_ << 25; s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    float Uni() { return float(Next() >> 40) / float(1 << 24); }        // 0..1
    float Range(float lo, float hi) { return lo + (hi - lo) * Uni(); }
    int Int(int n) { return n <= 0 ? 0 : int(Next() % uint64_t(n)); }  // 0..n-1
private:
    uint64_t s_;
};

uint32_t Hash32(uint32_t x);
uint64_t HashText(const char* s);

float ValueNoise2(float x, float y, uint32_t seed);             // 0..1
float ValueNoise3(float x, float y, float z, uint32_t seed);    // 0..1
float Fbm2(float x, float y, int octaves, uint32_t seed);       // about 0..1
float Fbm3(float x, float y, float z, int octaves, uint32_t seed);

}  // namespace ag
