#include "Noise.h"

#include <cmath>

namespace ag {

uint32_t Hash32(uint32_t x) {
    x ^= x >> 16; x *= 0x7feb352dU; x ^= x >> 15; x *= 0x846ca68bU; x ^= x >> 16;
    return x;
}

uint64_t HashText(const char* s) {
    uint64_t h = 1469598103934665603ull;
    for (; *s; ++s) { h ^= uint8_t(*s); h *= 1099511628211ull; }
    return h;
}

static float Lattice2(int x, int y, uint32_t seed) {
    return Hash32(uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ seed * 83492791u) / 4294967295.0f;
}
static float Lattice3(int x, int y, int z, uint32_t seed) {
    return Hash32(uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ uint32_t(z) * 83492791u ^ seed * 2654435761u) /
           4294967295.0f;
}
static float Smooth(float t) { return t * t * (3 - 2 * t); }

float ValueNoise2(float x, float y, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    float tx = Smooth(x - fx), ty = Smooth(y - fy);
    float a = Lattice2(ix, iy, seed), b = Lattice2(ix + 1, iy, seed);
    float c = Lattice2(ix, iy + 1, seed), d = Lattice2(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float ValueNoise3(float x, float y, float z, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int ix = int(fx), iy = int(fy), iz = int(fz);
    float tx = Smooth(x - fx), ty = Smooth(y - fy), tz = Smooth(z - fz);
    float v[2];
    for (int k = 0; k < 2; ++k) {
        float a = Lattice3(ix, iy, iz + k, seed), b = Lattice3(ix + 1, iy, iz + k, seed);
        float c = Lattice3(ix, iy + 1, iz + k, seed), d = Lattice3(ix + 1, iy + 1, iz + k, seed);
        float top = a + (b - a) * tx, bot = c + (d - c) * tx;
        v[k] = top + (bot - top) * ty;
    }
    return v[0] + (v[1] - v[0]) * tz;
}

float Fbm2(float x, float y, int octaves, uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise2(x, y, seed + uint32_t(o) * 131u);
        norm += amp;
        x = x * 2.03f + 17.1f; y = y * 2.03f + 5.7f; amp *= 0.5f;
    }
    return sum / norm;
}

float Fbm3(float x, float y, float z, int octaves, uint32_t seed) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise3(x, y, z, seed + uint32_t(o) * 131u);
        norm += amp;
        x = x * 2.03f + 17.1f; y = y * 2.03f + 5.7f; z = z * 2.03f + 3.3f; amp *= 0.5f;
    }
    return sum / norm;
}

}  // namespace ag
