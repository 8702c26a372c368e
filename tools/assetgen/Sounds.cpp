// Sound effects. Each name in the sound list gets a voice chosen by what it
// is for: gun families, beams, devices, hits, explosions and interface
// sounds. The built-in screenshot sound is written beside them.
#include <algorithm>
#include <functional>
#include <string>

#include "Art.h"
#include "Ini.h"
#include "Synth.h"

namespace ag {

namespace {

using Gen = std::function<float(float t, Rng& r)>;

Buffer Render(float seconds, uint32_t seed, const Gen& v) {
    Buffer b(size_t(Samples(seconds)));
    Rng r(seed);
    for (size_t i = 0; i < b.size(); ++i) b[i] = v(float(i) / kRate, r);
    return b;
}

// Phase accumulator for sweeping oscillators.
struct Osc {
    float phase = 0;
    float Step(float hz) { phase += hz / kRate; phase -= std::floor(phase); return phase; }
};

Buffer Explosion(float len, float bright, uint32_t seed) {
    Svf f;
    OnePole thumpLp;
    Osc thump;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        float n = r.Range(-1, 1);
        float cut = 200 + 3000 * bright * std::exp(-t * 5);
        float body = f.Run(n, cut, 0.8f) * AD(t, 0.005f, len, 2.2f);
        float boom = std::sin(kTwoPi * thump.Step(70 * std::exp(-t * 3) + 25)) * AD(t, 0.003f, len * 0.6f, 2.0f);
        float crackle = (r.Uni() < 0.002f * (1 - t / len)) ? r.Range(-1, 1) : 0;
        return body * 1.2f + thumpLp.Run(boom, 400) * 0.9f + crackle * 0.5f;
    });
}

Buffer Zap(float len, float f0, float f1, float noise, uint32_t seed) {
    Osc o;
    Svf f;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        float u = t / len;
        float hz = f0 * std::pow(f1 / f0, u);
        float s = Saw(o.Step(hz)) * 0.6f + r.Range(-1, 1) * noise;
        return f.Run(s, 6000 * (1 - u) + 400, 1.2f) * AD(t, 0.002f, len, 2.5f);
    });
}

Buffer Pew(float len, float f0, float f1, float fmRatio, float fmDepth, uint32_t seed) {
    Osc car, mod;
    return Render(len, seed, [=](float t, Rng&) mutable {
        float u = t / len;
        float hz = f0 * std::pow(f1 / f0, u);
        float m = std::sin(kTwoPi * mod.Step(hz * fmRatio)) * fmDepth * (1 - u);
        return std::sin(kTwoPi * car.Step(hz * (1 + m))) * AD(t, 0.003f, len, 2.0f);
    });
}

Buffer Whoosh(float len, float peakHz, uint32_t seed) {
    Svf f;
    Osc rumble;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        float u = t / len;
        float cut = 300 + peakHz * std::sin(3.14159f * std::min(1.0f, u * 1.4f));
        float band;
        f.Run(r.Range(-1, 1), cut, 2.0f, &band);
        return (band * 1.5f + std::sin(kTwoPi * rumble.Step(55)) * 0.3f) * AD(t, 0.03f, len, 1.5f);
    });
}

Buffer Tones(const std::vector<float>& notes, float step, float noteLen, float wave, uint32_t seed) {
    float len = step * (notes.size() - 1) + noteLen;
    std::vector<Osc> osc(notes.size());
    return Render(len, seed, [=](float t, Rng&) mutable {
        float s = 0;
        for (size_t i = 0; i < notes.size(); ++i) {
            float lt = t - step * i;
            if (lt < 0 || lt > noteLen) continue;
            float ph = osc[i].Step(NoteHz(notes[i]));
            float v = wave < 0.5f ? std::sin(kTwoPi * ph) : Square(ph) * 0.5f;
            s += v * AD(lt, 0.005f, noteLen, 1.5f);
        }
        return s;
    });
}

Buffer Hum(float len, float hz, float bright, uint32_t seed) {
    Osc a, b, lfo;
    OnePole lp;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        float w = 1 + 0.2f * std::sin(kTwoPi * lfo.Step(9));
        float s = Saw(a.Step(hz)) + Saw(b.Step(hz * 2.01f)) * 0.6f + r.Range(-0.2f, 0.2f);
        return lp.Run(s * w, 600 + 3000 * bright) * ASR(t, 0.01f, len - 0.02f, 0.02f);
    });
}

Buffer Crackle(float len, float density, float cutoff, uint32_t seed) {
    Svf f;
    float held = 0;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        if (r.Uni() < density) held = r.Range(-1, 1);
        held *= 0.96f;
        float hp;
        f.Run(held + r.Range(-0.1f, 0.1f), cutoff, 0.7f, nullptr, &hp);
        return hp * AD(t, 0.002f, len, 1.2f);
    });
}

Buffer Shimmer(float len, float baseHz, bool rising, uint32_t seed) {
    std::vector<Osc> o(6);
    std::vector<float> ratios = {1, 1.5f, 2, 2.5f, 3, 4};
    return Render(len, seed, [=](float t, Rng&) mutable {
        float u = t / len;
        float k = rising ? (0.6f + 0.8f * u) : (1.4f - 0.8f * u);
        float s = 0;
        for (size_t i = 0; i < o.size(); ++i)
            s += std::sin(kTwoPi * o[i].Step(baseHz * ratios[i] * k)) * (0.5f + 0.5f * std::sin(t * (7 + i * 3))) / (1 + i * 0.4f);
        return s * AD(t, len * 0.2f, len, 1.5f);
    });
}

Buffer Click(float hz, float len, uint32_t seed) {
    Osc o;
    return Render(len, seed, [=](float t, Rng& r) mutable {
        return (std::sin(kTwoPi * o.Step(hz)) * 0.8f + r.Range(-0.3f, 0.3f)) * AD(t, 0.0008f, len, 4);
    });
}

Buffer Concat(std::initializer_list<Buffer> parts, float gapSeconds = 0) {
    Buffer out;
    for (auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
        out.insert(out.end(), size_t(Samples(gapSeconds)), 0.0f);
    }
    return out;
}

Buffer Mixed(const Buffer& a, const Buffer& b, float gb = 1) {
    Buffer o(std::max(a.size(), b.size()), 0.0f);
    for (size_t i = 0; i < a.size(); ++i) o[i] += a[i];
    for (size_t i = 0; i < b.size(); ++i) o[i] += b[i] * gb;
    return o;
}

bool Has(const std::string& n, const char* w) { return n.find(w) != std::string::npos; }

Buffer EffectFor(const std::string& name) {
    std::string n = Lower(name);
    uint32_t seed = uint32_t(HashText(n.c_str()));
    if (n == "click") return Click(2400, 0.03f, seed);
    if (n == "snapshot") return Concat({Click(3200, 0.02f, seed), Crackle(0.08f, 0.3f, 3000, seed), Click(2000, 0.03f, seed + 1)});
    if (n == "lockwarning") return Concat({Tones({81, 76, 81, 76}, 0.14f, 0.12f, 1, seed)});
    if (n == "fuellow") return Tones({76, 72, 67}, 0.18f, 0.16f, 1, seed);
    if (n == "static") return Crackle(0.8f, 0.25f, 1500, seed);
    if (Has(n, "explosion") || n == "wave_rage") return Explosion(n == "wave_rage" ? 1.6f : 1.2f, 1.0f, seed);
    if (n == "hit_heavy") return Explosion(0.55f, 0.8f, seed);
    if (n == "hit_small") return Mixed(Crackle(0.12f, 0.6f, 2500, seed), Click(900, 0.05f, seed), 0.6f);
    if (n == "hit_plasma") return Mixed(Zap(0.25f, 1400, 300, 0.5f, seed), Crackle(0.2f, 0.3f, 4000, seed), 0.5f);
    if (n == "hit_stun") return Zap(0.3f, 2600, 200, 0.2f, seed);
    if (n == "fire_rail") return Mixed(Zap(0.18f, 2400, 260, 0.35f, seed), Click(1200, 0.04f, seed), 0.8f);
    if (n == "fire_laser") return Pew(0.16f, 1900, 420, 2.0f, 0.35f, seed);
    if (n == "fire_missile") return Whoosh(0.55f, 2200, seed);
    if (n == "fire_plasma") return Pew(0.26f, 280, 900, 0.5f, 0.6f, seed);
    if (n == "fire_needle") return Concat({Click(3400, 0.025f, seed), Click(3000, 0.025f, seed + 1), Click(3600, 0.025f, seed + 2)}, 0.015f);
    if (n == "fire_beam") return Hum(0.14f, 110, 0.6f, seed);
    if (n == "fire_lightning") return Crackle(0.16f, 0.5f, 2500, seed);
    if (n == "fire_drain") return Pew(0.32f, 900, 180, 0.25f, 0.8f, seed);
    if (n == "fire_stun") return Pew(0.26f, 620, 560, 0.05f, 3.0f, seed);
    if (n == "drop_mine") return Mixed(Pew(0.16f, 190, 80, 1.0f, 0.1f, seed), Click(700, 0.04f, seed), 0.5f);
    if (n == "launch_craft") return Mixed(Zap(0.42f, 200, 900, 0.2f, seed), Whoosh(0.42f, 1500, seed), 0.6f);
    if (n == "boost") return Whoosh(0.4f, 900, seed);
    if (n == "shield_up") return Shimmer(0.5f, 300, true, seed);
    if (n == "shield_down") return Shimmer(0.45f, 300, false, seed);
    if (n == "cloak") return Mixed(Shimmer(0.6f, 180, false, seed), Whoosh(0.6f, 700, seed), 0.5f);
    if (n == "teleport") return Tones({72, 76, 79, 84, 88, 91}, 0.05f, 0.12f, 0, seed);
    if (n == "wave_pulse") return Mixed(Explosion(0.8f, 0.3f, seed), Shimmer(0.8f, 120, false, seed), 0.4f);
    if (n == "wave_ion") return Mixed(Zap(0.7f, 90, 1800, 0.3f, seed), Crackle(0.7f, 0.2f, 2000, seed), 0.4f);
    if (n == "repair") return Mixed(Concat({Click(1500, 0.03f, seed), Click(1300, 0.03f, seed + 1), Click(1500, 0.03f, seed + 2), Click(1300, 0.03f, seed + 3)}, 0.05f), Hum(0.4f, 220, 0.2f, seed), 0.3f);
    if (n == "revive") return Tones({67, 71, 74, 79}, 0.09f, 0.25f, 0, seed);
    if (n == "recycle") return Pew(0.4f, 140, 60, 0.5f, 1.5f, seed);
    if (n == "stop") return Pew(0.3f, 500, 420, 1.41f, 2.0f, seed);
    if (n == "transport") return Shimmer(0.55f, 520, true, seed);
    if (n == "assimilate") return Pew(0.3f, 110, 95, 0.51f, 1.2f, seed);
    // A name the generator has no voice for: a short tone from its name.
    Rng r(seed);
    return Pew(0.2f, r.Range(300, 1500), r.Range(200, 1200), 1.5f, 0.3f, seed);
}

}  // namespace

void MakeSounds(Output& out, const std::string& gameData) {
    IniFile list = ReadIni(gameData + "/sounds/sounds.adf");
    if (const IniSection* s = list.Find("SOUNDS"))
        for (auto& kv : s->keys) {
            Buffer b = EffectFor(kv.first);
            Normalise(b, 0.8f);
            Declick(b);
            out.Sound("sounds/" + kv.first, b);
        }
    Buffer shot = EffectFor("snapshot");
    Normalise(shot, 0.7f);
    Declick(shot);
    out.Sound("sounds/builtin/snapshot", shot);
}

}  // namespace ag
