// Generated music: a calm menu theme, a campaign loop and the battle
// tracks named by the music list. Notes that run past the end of a piece
// wrap round to its start, so every piece loops without a seam.
#include <algorithm>
#include <cmath>
#include <string>

#include "Art.h"
#include "Ini.h"
#include "Synth.h"

namespace ag {

namespace {

struct Piece {
    float bpm;
    int beats;
    Buffer buf;
    Piece(float bpm_, int beats_) : bpm(bpm_), beats(beats_), buf(size_t(Samples(beats_ * 60.0f / bpm_)), 0.0f) {}
    float Beat() const { return 60.0f / bpm; }
    // Render a note starting at beat b, lasting len beats, with a tail of tail seconds.
    template <typename F>
    void Note(float b, float len, float tail, F&& voice) {
        size_t n = buf.size();
        size_t start = size_t(std::lround(b * Beat() * kRate)) % n;
        float dur = len * Beat();
        int total = Samples(dur + tail);
        for (int i = 0; i < total; ++i) buf[(start + size_t(i)) % n] += voice(float(i) / kRate, dur);
    }
};

// ---- Instruments ----

auto Pad(float midi, float gain, float bright) {
    float hz = NoteHz(midi);
    struct S { float p[3] = {0, 0.33f, 0.66f}; OnePole lp; } st;
    return [=](float t, float dur) mutable {
        const float det[3] = {0.996f, 1.0f, 1.005f};
        float s = 0;
        for (int k = 0; k < 3; ++k) { st.p[k] += hz * det[k] / kRate; s += Saw(st.p[k]); }
        float env = ASR(t, 0.6f, dur, 0.9f);
        return st.lp.Run(s / 3, 500 + 1400 * bright) * env * gain;
    };
}

auto Bass(float midi, float gain) {
    float hz = NoteHz(midi);
    struct S { float p = 0; OnePole lp; } st;
    return [=](float t, float dur) mutable {
        st.p += hz / kRate;
        float s = std::sin(kTwoPi * st.p) + Saw(st.p) * 0.35f;
        float env = ASR(t, 0.005f, dur * 0.9f, 0.05f);
        return st.lp.Run(s, 900) * env * gain;
    };
}

auto Pluck(float midi, float gain, float decay) {
    float hz = NoteHz(midi);
    struct S { float p = 0; OnePole lp; } st;
    return [=](float t, float) mutable {
        st.p += hz / kRate;
        float s = Square(st.p, 0.3f) * 0.5f + std::sin(kTwoPi * st.p) * 0.5f;
        float env = AD(t, 0.003f, decay, 3.0f);
        return st.lp.Run(s, 300 + 3500 * env) * env * gain;
    };
}

auto Lead(float midi, float gain) {
    float hz = NoteHz(midi);
    struct S { float c = 0, m = 0; } st;
    return [=](float t, float dur) mutable {
        float vib = 1 + 0.004f * std::sin(kTwoPi * 5.5f * t) * std::min(1.0f, t * 2);
        st.m += hz * 2 / kRate;
        st.c += hz * vib / kRate;
        float idx = 1.2f * AD(t, 0.01f, dur + 0.2f, 1.0f) + 0.2f;
        float s = std::sin(kTwoPi * st.c + idx * std::sin(kTwoPi * st.m));
        return s * ASR(t, 0.02f, dur, 0.15f) * gain;
    };
}

auto Kick(float gain) {
    struct S { float p = 0; } st;
    return [=](float t, float) mutable {
        st.p += (45 + 110 * std::exp(-t * 30)) / kRate;
        return std::sin(kTwoPi * st.p) * AD(t, 0.001f, 0.32f, 2.5f) * gain;
    };
}

auto Snare(float gain, uint32_t seed) {
    struct S { Rng r; Svf f; float p = 0; } st{Rng(seed), {}, 0};
    return [=](float t, float) mutable {
        float band;
        st.f.Run(st.r.Range(-1, 1), 2500, 0.9f, &band);
        st.p += 190 / kRate;
        return (band * 1.2f * AD(t, 0.001f, 0.2f, 2.5f) + std::sin(kTwoPi * st.p) * AD(t, 0.001f, 0.08f, 2.0f) * 0.6f) * gain;
    };
}

auto Hat(float gain, float len, uint32_t seed) {
    struct S { Rng r; Svf f; } st{Rng(seed), {}};
    return [=](float t, float) mutable {
        float high;
        st.f.Run(st.r.Range(-1, 1), 7000, 0.8f, nullptr, &high);
        return high * AD(t, 0.001f, len, 3.0f) * gain;
    };
}

void Finish(Buffer& b) {
    Normalise(b, 1.0f);
    for (float& v : b) v = std::tanh(v * 1.3f) * 0.78f;  // gentle glue
}

// Chords as MIDI notes of a triad (root position) from a root and quality.
std::vector<float> Triad(float root, bool minor) { return {root, root + (minor ? 3.f : 4.f), root + 7}; }

// ---- Pieces ----

Buffer MenuTheme() {
    Piece p(72, 32);
    const float roots[4] = {50, 46, 53, 48};  // D, Bb, F, C
    const bool minor[4] = {true, false, false, false};
    for (int c = 0; c < 4; ++c) {
        float b0 = c * 8.0f;
        for (float n : Triad(roots[c], minor[c])) p.Note(b0, 8, 1.0f, Pad(n + 12, 0.16f, 0.35f));
        p.Note(b0, 7.5f, 0.2f, Bass(roots[c] - 12, 0.35f));
        std::vector<float> tri = Triad(roots[c] + 24, minor[c]);
        const int pattern[8] = {0, 1, 2, 1, 0, 2, 1, 2};
        for (int i = 0; i < 16; ++i) p.Note(b0 + i * 0.5f, 0.5f, 0.8f, Pluck(tri[pattern[i % 8]] + (i >= 8 ? 12 : 0), 0.10f, 0.7f));
    }
    const float melody[][3] = {{62, 0, 3}, {65, 3, 1}, {69, 4, 4}, {70, 8, 3}, {69, 11, 1}, {65, 12, 4},
                               {72, 16, 3}, {69, 19, 1}, {65, 20, 4}, {67, 24, 2}, {64, 26, 2}, {62, 28, 4}};
    for (auto& m : melody) p.Note(m[1], m[2], 0.3f, Lead(m[0], 0.16f));
    Finish(p.buf);
    return p.buf;
}

Buffer CampaignLoop() {
    Piece p(84, 48);
    const float roots[6] = {45, 41, 50, 52, 45, 43};  // Am F Dm E Am G
    const bool minor[6] = {true, false, true, false, true, false};
    Rng r(17);
    for (int c = 0; c < 6; ++c) {
        float b0 = c * 8.0f;
        for (float n : Triad(roots[c] + 12, minor[c])) p.Note(b0, 8, 1.2f, Pad(n, 0.13f, 0.25f));
        for (int i = 0; i < 8; ++i) p.Note(b0 + i, 0.8f, 0.1f, Bass(roots[c] - 12 + (i % 4 == 3 ? 7 : 0), 0.28f));
        std::vector<float> tri = Triad(roots[c] + 24, minor[c]);
        for (int i = 0; i < 32; ++i)
            if (r.Uni() < 0.45f) p.Note(b0 + i * 0.25f, 0.25f, 0.5f, Pluck(tri[r.Int(3)] + 12 * r.Int(2), 0.08f, 0.45f));
        for (int i = 0; i < 8; ++i) p.Note(b0 + i + 0.5f, 0.1f, 0.05f, Hat(0.06f, 0.05f, 100 + c * 8 + i));
    }
    Finish(p.buf);
    return p.buf;
}

Buffer BattleTrack(int variant) {
    bool first = variant % 2 == 0;
    Piece p(first ? 140.0f : 128.0f, 64);
    const float rootsA[4] = {40, 36, 38, 35};  // Em C D B
    const float rootsB[4] = {38, 43, 46, 45};  // Dm Gm Bb A
    const bool minorA[4] = {true, false, false, false};
    const bool minorB[4] = {true, true, false, false};
    const float* roots = first ? rootsA : rootsB;
    const bool* minor = first ? minorA : minorB;
    Rng r(300 + variant);
    // A riff in the minor pentatonic, repeated with a changed ending.
    float tonic = roots[0] + 24;
    const float pent[5] = {0, 3, 5, 7, 10};
    std::vector<std::pair<float, float>> riff;  // (note, beat offset)
    for (int i = 0; i < 8; ++i)
        if (i == 0 || r.Uni() < 0.7f) riff.push_back({tonic + pent[r.Int(5)] + (r.Uni() < 0.2f ? 12 : 0), i * 0.5f});
    for (int bar = 0; bar < 16; ++bar) {
        int c = (bar / 4) % 4;
        float b0 = bar * 4.0f;
        if (bar % 4 == 0)
            for (float n : Triad(roots[c] + 12, minor[c])) p.Note(b0, 16, 0.6f, Pad(n, 0.09f, 0.6f));
        // Drums.
        for (int beat = 0; beat < 4; ++beat) {
            float b = b0 + beat;
            if (first ? (beat == 0 || beat == 2) : true) p.Note(b, 0.5f, 0.3f, Kick(0.9f));
            if (first && beat == 2 && bar % 2 == 1) p.Note(b + 0.5f, 0.5f, 0.3f, Kick(0.7f));
            if (beat == 1 || beat == 3) p.Note(b, 0.5f, 0.2f, Snare(0.45f, uint32_t(bar * 4 + beat)));
            int hats = first ? 2 : 4;
            for (int h = 0; h < hats; ++h)
                p.Note(b + h / float(hats), 0.1f, 0.05f, Hat(h == 0 ? 0.12f : 0.08f, 0.04f, uint32_t(1000 + bar * 16 + beat * 4 + h)));
        }
        // Driving bass in eighths.
        for (int e = 0; e < 8; ++e) {
            float note = roots[c] - 12 + ((first ? e % 4 == 3 : e % 3 == 2) ? 12 : 0);
            p.Note(b0 + e * 0.5f, 0.45f, 0.03f, Bass(note, 0.32f));
        }
        // Lead riff on the second half of each four-bar phrase, arpeggio otherwise.
        if (bar % 4 >= 2 && bar >= 4) {
            for (size_t i = 0; i < riff.size(); ++i) {
                float n = riff[i].first + (roots[c] - roots[0]);
                if (bar % 4 == 3 && i + 1 == riff.size()) n += 2;
                p.Note(b0 + riff[i].second, 0.45f, 0.1f, Lead(n, 0.15f));
            }
        } else {
            std::vector<float> tri = Triad(roots[c] + 24, minor[c]);
            for (int s = 0; s < 8; ++s) p.Note(b0 + s * 0.5f, 0.5f, 0.25f, Pluck(tri[s % 3] + (s >= 4 ? 12 : 0), 0.07f, 0.25f));
        }
    }
    Finish(p.buf);
    return p.buf;
}

}  // namespace

void MakeMusic(Output& out, const std::string& gameData) {
    out.Sound("sounds/music/intro", MenuTheme());
    out.Sound("sounds/music/loop", CampaignLoop());
    IniFile list = ReadIni(gameData + "/sounds/music/music.adf");
    int variant = 0;
    if (const IniSection* s = list.Find("BATTLE"))
        for (auto& kv : s->keys) out.Sound("sounds/music/" + kv.first, BattleTrack(variant++));
}

}  // namespace ag
