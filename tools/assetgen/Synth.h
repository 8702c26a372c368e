// Small synthesis toolkit for the sound effects and the music: oscillators,
// envelopes, noise and simple filters working on float sample buffers.
#pragma once
#include <cmath>
#include <cstdint>
#include <vector>

#include "Noise.h"
#include "Output.h"

namespace ag {

using Buffer = std::vector<float>;
constexpr float kTwoPi = 6.28318530718f;

inline int Samples(float seconds) { return int(seconds * kRate); }

// Envelope: linear attack, then exponential-ish decay to zero at the end.
inline float AD(float t, float attack, float length, float curve = 3.0f) {
    if (t < 0 || t >= length) return 0;
    if (t < attack) return t / attack;
    float u = (t - attack) / std::max(1e-4f, length - attack);
    return std::pow(1 - u, curve);
}

// Attack, sustain level, release over a note of given length.
inline float ASR(float t, float attack, float length, float release) {
    if (t < 0 || t >= length + release) return 0;
    if (t < attack) return t / attack;
    if (t < length) return 1;
    return 1 - (t - length) / release;
}

struct OnePole {  // low-pass
    float z = 0;
    float Run(float x, float cutoffHz) {
        float a = 1 - std::exp(-kTwoPi * cutoffHz / kRate);
        z += a * (x - z);
        return z;
    }
};

struct Svf {  // state-variable filter: low, band and high outputs
    float low = 0, band = 0;
    float Run(float x, float cutoffHz, float q, float* bandOut = nullptr, float* highOut = nullptr) {
        // Kept below a sixth of the rate, where this filter stays stable.
        float f = 2 * std::sin(3.14159265f * std::min(cutoffHz, kRate * 0.16f) / kRate);
        float high = x - low - band / q;
        band += f * high;
        low += f * band;
        if (bandOut) *bandOut = band;
        if (highOut) *highOut = high;
        return low;
    }
};

inline float Saw(float phase) { return 2 * (phase - std::floor(phase)) - 1; }
inline float Square(float phase, float duty = 0.5f) { return (phase - std::floor(phase)) < duty ? 1.f : -1.f; }
inline float Tri(float phase) { float p = phase - std::floor(phase); return 4 * std::fabs(p - 0.5f) - 1; }

inline float NoteHz(float midi) { return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f); }

// Scale a buffer so its loudest sample has the given peak.
inline void Normalise(Buffer& b, float peak) {
    float m = 0;
    for (float v : b) m = std::max(m, std::fabs(v));
    if (m > 0) for (float& v : b) v *= peak / m;
}

// Short fades at both ends so a sound never starts or stops with a click.
inline void Declick(Buffer& b, float ms = 3) {
    int n = std::min<int>(int(b.size()) / 2, Samples(ms / 1000));
    for (int i = 0; i < n; ++i) {
        float g = float(i) / n;
        b[i] *= g;
        b[b.size() - 1 - i] *= g;
    }
}

}  // namespace ag
