// Battle effects: explosion and mine animation sheets named by the
// animation list, and the single projectile and shield pictures named by
// the projectile list.
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "Ini.h"
#include "Noise.h"
#include "Shapes.h"

namespace ag {

namespace {

// One fireball frame: t runs 0..1 over the animation.
void Fireball(Layer& l, float ox, float oy, float w, float h, float t, Col hot, Col warm, Col smoke, uint32_t seed) {
    float cx = ox + w / 2, cy = oy + h / 2, R = std::min(w, h) * 0.5f;
    float grow = 0.25f + 0.75f * std::sqrt(t);
    float fade = 1.0f - t;
    int x0 = int(ox), y0 = int(oy);
    for (int y = y0; y < y0 + int(h); ++y)
        for (int x = x0; x < x0 + int(w); ++x) {
            float dx = (x + 0.5f - cx) / R, dy = (y + 0.5f - cy) / R;
            float d = std::sqrt(dx * dx + dy * dy);
            float n = Fbm2(x * 0.12f + t * 3, y * 0.12f - t * 2, 3, seed);
            float edge = grow * (0.7f + 0.5f * n);
            if (d > edge || edge <= 0) continue;
            float k = d / edge;  // 0 centre .. 1 rim
            float heat = Clamp01((1 - k) * 1.6f * fade + (n - 0.5f) * 0.6f);
            Col c = heat > 0.6f ? Mix(warm, hot, (heat - 0.6f) / 0.4f) : Mix(smoke, warm, heat / 0.6f);
            float alpha = Clamp01((1 - k * k) * 1.8f) * Clamp01(fade * 2.4f + 0.2f);
            if (t > 0.75f && n < 0.42f) alpha *= 0.5f;  // smoke breaks up at the end
            l.Over(x, y, c, alpha);
        }
    // Sparks flying out.
    Rng rng(seed);
    int sparks = 10;
    for (int i = 0; i < sparks; ++i) {
        float a = rng.Range(0, 6.2832f), sp = rng.Range(0.5f, 1.0f);
        float r0 = R * sp * (0.2f + t * 0.8f), r1 = r0 + R * (0.1f + 0.15f * t);
        if (t > 0.85f) break;
        Line(l, {cx + std::cos(a) * r0, cy + std::sin(a) * r0}, {cx + std::cos(a) * r1, cy + std::sin(a) * r1},
             std::max(1.0f, R * 0.04f), Mix(hot, Col{1, 1, 1}, 0.5f), 1.0f - t);
    }
}

void MineFrame(Layer& l, float ox, float oy, float w, float h, int frame, int frames, Col body, Col light) {
    float cx = ox + w / 2, cy = oy + h / 2, R = std::min(w, h) * 0.32f;
    float a0 = 6.2832f * frame / std::max(1, frames);
    for (int k = 0; k < 6; ++k) {
        float a = a0 / 3 + k * 1.0472f;
        Line(l, {cx, cy}, {cx + std::cos(a) * R * 1.4f, cy + std::sin(a) * R * 1.4f}, 2.0f, body * 0.8f);
    }
    FillEllipse(l, cx, cy, R, R, [&](float x, float y) {
        float dx = (x - cx) / R, dy = (y - cy) / R;
        return body * Clamp01(0.6f - dx * 0.35f - dy * 0.35f + 0.3f);
    });
    float pulse = 0.5f + 0.5f * std::cos(a0);
    Glow(l, cx, cy, R * (0.8f + 0.5f * pulse), light, 0.6f + 0.4f * pulse);
    FillEllipse(l, cx, cy, R * 0.3f, R * 0.3f, Mix(light, Col{1, 1, 1}, pulse * 0.6f));
}

void GravFrame(Layer& l, float ox, float oy, float w, float h, int frame, int frames, Col c) {
    float cx = ox + w / 2, cy = oy + h / 2, R = std::min(w, h) * 0.45f;
    float ph = float(frame) / std::max(1, frames);
    for (int i = 0; i < 3; ++i) {
        float t = std::fmod(ph + i / 3.0f, 1.0f);
        RingEllipse(l, cx, cy, R * (1 - t * 0.8f), R * (1 - t * 0.8f), 1.5f, Mix(c, Col{1, 1, 1}, t), 0.5f + 0.5f * t);
    }
    FillEllipse(l, cx, cy, R * 0.22f, R * 0.22f, Hex(0x180820));
    RingEllipse(l, cx, cy, R * 0.24f, R * 0.24f, 1.2f, Mix(c, Col{1, 1, 1}, 0.5f));
}

struct Tint { const char* word; uint32_t hot, warm, smoke; };
const Tint kTints[] = {
    {"explosion1", 0xfff4c0, 0xff8a20, 0x4a2a1a},
    {"explosion2", 0xeaffff, 0x40a8ff, 0x1a2a4a},
    {"explosion3", 0xf0ffc0, 0x7ae040, 0x1a3a1a},
    {"explosion6", 0xfffbe0, 0xff7a1a, 0x3a2a24},
};

void Sheet(Output& out, const std::string& name, int fw, int fh, int cols, int rows) {
    if (fw <= 0 || fh <= 0 || cols <= 0 || rows <= 0) return;
    Layer l(fw * cols, fh * rows);
    int frames = cols * rows;
    std::string lname = Lower(name);
    uint32_t seed = uint32_t(HashText(lname.c_str()));
    for (int f = 0; f < frames; ++f) {
        float ox = float((f % cols) * fw), oy = float((f / cols) * fh);
        float t = frames > 1 ? float(f) / (frames - 1) : 0.5f;
        if (lname.find("explosion") != std::string::npos || lname.find("boom") != std::string::npos) {
            Tint tint{"", 0xfff4c0, 0xff8a20, 0x4a2a1a};
            for (auto& k : kTints)
                if (lname == k.word) tint = k;
            Fireball(l, ox, oy, float(fw), float(fh), t, Hex(tint.hot), Hex(tint.warm), Hex(tint.smoke), seed + f * 17);
        } else if (lname.find("grav") != std::string::npos) {
            GravFrame(l, ox, oy, float(fw), float(fh), f, frames, lname == "graviton" ? Hex(0x60f0d0) : Hex(0xb070ff));
        } else if (lname.find("spore") != std::string::npos) {
            MineFrame(l, ox, oy, float(fw), float(fh), f, frames, Hex(0x5a7a2a), Hex(0xd8ff5a));
        } else {
            MineFrame(l, ox, oy, float(fw), float(fh), f, frames, Hex(0x7a7a80), Hex(0xff4a3a));
        }
    }
    out.Image("graphics/animations/" + name, Keyed(l, kKeyBlack));
}

// Colour names as the data files give them, as RGB for the key.
Rgb ColourName(const std::string& v) {
    struct N { const char* n; uint32_t bgr; };
    static const N names[] = {{"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
                              {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
                              {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
                              {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
                              {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0}};
    uint32_t bgr = 0;
    bool found = false;
    for (auto& n : names)
        if (SameText(n.n, v)) { bgr = n.bgr; found = true; }
    if (!found && !v.empty()) bgr = uint32_t(std::strtoul(v[0] == '$' ? v.c_str() + 1 : v.c_str(), nullptr, v[0] == '$' ? 16 : 0));
    return {uint8_t(bgr & 255), uint8_t((bgr >> 8) & 255), uint8_t((bgr >> 16) & 255)};
}

Col ProjectileColour(const std::string& n) {
    struct W { const char* w; uint32_t c; };
    static const W words[] = {{"rail", 0x9ad8ff}, {"kestrel", 0xff6a5a}, {"hornet", 0xd0d8e0}, {"ring", 0xffd060},
                              {"spit", 0xb0ff50}, {"shard", 0x9af8ff}, {"dorn", 0xffa040}, {"stun", 0xff80ff},
                              {"siphon", 0xff4a3a}, {"oss", 0xfff080}, {"snare", 0xff5a4a}, {"zha", 0xffa040},
                              {"meridian", 0x7af0d0}, {"tide", 0xe0f0e8}};
    for (auto& w : words)
        if (n.find(w.w) != std::string::npos) return Hex(w.c);
    Rng r(HashText(n.c_str()));
    return Mix(Hex(0xffffff), Hex(0x40a0ff + uint32_t(r.Int(0xff)) * 0x10000), 0.5f);
}

Layer Projectile(const std::string& name) {
    std::string n = Lower(name);
    Col c = ProjectileColour(n);
    if (n.find("shield") != std::string::npos) {
        Layer l(128, 128);
        Col sc = n.find("green") != std::string::npos ? Hex(0x50ff70) : Hex(0x7ae0ff);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                float dx = (x + 0.5f - 64) / 62, dy = (y + 0.5f - 64) / 62, d = std::sqrt(dx * dx + dy * dy);
                if (d > 1) continue;
                float hex = 0.5f + 0.5f * std::sin(x * 0.5f) * std::sin(y * 0.5f + x * 0.25f);
                float k = std::pow(d, 4.0f) * 0.9f + hex * 0.12f * d;
                l.Over(x, y, Mix(sc * 0.5f, Mix(sc, Col{1, 1, 1}, 0.4f), k), Clamp01(0.45f + k));
            }
        RingEllipse(l, 64, 64, 61, 61, 2.0f, Mix(sc, Col{1, 1, 1}, 0.6f));
        return l;
    }
    if (n.find("missile") != std::string::npos || n.find("torpedo") != std::string::npos) {
        bool torp = n.find("torpedo") != std::string::npos;
        int w = torp ? 14 : 10, h = torp ? 30 : 26;
        Layer l(w, h);
        float cx = w / 2.0f;
        FillPolygon(l, {{cx, 1}, {cx + w * 0.22f, 6}, {cx + w * 0.22f, h - 6.f}, {cx - w * 0.22f, h - 6.f}, {cx - w * 0.22f, 6}},
                    LinearGradient({cx - 3, 0}, {cx + 3, 0}, Hex(0xe8eef4), Hex(0x6a7888)));
        FillPolygon(l, {{cx - w * 0.22f, h - 10.f}, {cx - w * 0.48f, h - 4.f}, {cx - w * 0.22f, h - 5.f}}, c * 0.8f);
        FillPolygon(l, {{cx + w * 0.22f, h - 10.f}, {cx + w * 0.48f, h - 4.f}, {cx + w * 0.22f, h - 5.f}}, c * 0.8f);
        FillEllipse(l, cx, 5, w * 0.18f, 2.5f, c);
        Glow(l, cx, h - 4.f, w * 0.45f, Hex(0xffc060), 1.0f);
        return l;
    }
    if (n.find("needle") != std::string::npos || n.find("slug") != std::string::npos) {
        bool slug = n.find("slug") != std::string::npos;
        int w = slug ? 10 : 8, h = slug ? 22 : 24;
        Layer l(w, h);
        float cx = w / 2.0f;
        Glow(l, cx, h / 2.0f, h * 0.5f, c, 0.7f);
        FillPolygon(l, {{cx, 1}, {cx + w * 0.25f, h * 0.4f}, {cx, h - 2.f}, {cx - w * 0.25f, h * 0.4f}}, Mix(c, Col{1, 1, 1}, 0.6f));
        return l;
    }
    if (n.find("ring") != std::string::npos || n.find("scatter") != std::string::npos) {
        Layer l(14, 14);
        Glow(l, 7, 7, 7, c, 1.0f);
        FillEllipse(l, 7, 7, 2.5f, 2.5f, Mix(c, Col{1, 1, 1}, 0.7f));
        return l;
    }
    // Bolts, darts and spit: a bright head with a short tail.
    Layer l(12, 24);
    Glow(l, 6, 8, 8, c, 1.0f);
    FillEllipse(l, 6, 8, 2.8f, 4.5f, Mix(c, Col{1, 1, 1}, 0.7f));
    Line(l, {6, 10}, {6, 22}, 2.0f, c, 0.7f);
    return l;
}

}  // namespace

void MakeEffects(Output& out, const std::string& gameData) {
    IniFile anims = ReadIni(gameData + "/graphics/animations/animations.adf");
    for (const IniSection& s : anims.sections)
        Sheet(out, s.name, s.GetInt("X"), s.GetInt("Y"), s.GetInt("X_COUNT"), s.GetInt("Y_COUNT"));
    IniFile projs = ReadIni(gameData + "/graphics/projectiles/projs.adf");
    if (const IniSection* p = projs.Find("PROJECTILES"))
        for (auto& [key, colour] : p->keys) {
            Rgb k = ColourName(colour.empty() ? "clBlack" : colour);
            out.Image("graphics/projectiles/" + key, Keyed(Projectile(key), k));
        }
}

}  // namespace ag
