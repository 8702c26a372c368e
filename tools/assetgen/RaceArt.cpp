// Race logos (large and small) and portraits for the dogfight set-up.
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "Ini.h"
#include "Noise.h"
#include "Shapes.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

struct Emblem {
    const char* key;
    int shape;          // 0 shield, 1 cell, 2 diamond, 3 gear, 4 crescent, 5 grid, 6 ring, 7 claw, 8 wave
    uint32_t main, accent;
};

const Emblem kEmblems[] = {
    {"TFG", 0, 0x4a7ad8, 0xe8eef8}, {"VSK", 1, 0x6aa83a, 0xd8ff5a}, {"QLL", 2, 0x3ab8d8, 0xd8fcff},
    {"DRN", 3, 0xb8843a, 0x2a2018}, {"SYL", 4, 0xb060d0, 0xffd8ff}, {"KRU", 5, 0x8a2020, 0xff5a4a},
    {"OSS", 6, 0xd8b04a, 0xfff0b0}, {"ZHA", 7, 0x8a2a1a, 0xffa040}, {"MER", 8, 0x3a9a9a, 0xf0ecd8},
};

Emblem EmblemFor(const std::string& key) {
    for (auto& e : kEmblems)
        if (SameText(e.key, key)) return e;
    Rng r(HashText(key.c_str()));
    return {"", r.Int(9), 0x404040 + uint32_t(r.Int(0xbfbfbf)), 0xf0f0f0};
}

void DrawEmblem(Layer& l, const Emblem& e, const std::string& letters) {
    float W = float(l.w), H = float(l.h), cx = W / 2, cy = H * 0.46f, R = std::min(W, H) * 0.4f;
    Col m = Hex(e.main), a = Hex(e.accent);
    Shader metal = LinearGradient({cx - R, cy - R}, {cx + R, cy + R}, Mix(m, Col{1, 1, 1}, 0.35f), m * 0.45f);
    switch (e.shape) {
        case 0: {
            std::vector<Pt> sh = {{cx, cy - R}, {cx + R * 0.9f, cy - R * 0.7f}, {cx + R * 0.8f, cy + R * 0.3f}, {cx, cy + R},
                                  {cx - R * 0.8f, cy + R * 0.3f}, {cx - R * 0.9f, cy - R * 0.7f}};
            FillPolygon(l, sh, metal);
            Polyline(l, sh, 3, a, 1, true);
            FillPolygon(l, {{cx, cy - R * 0.6f}, {cx + R * 0.3f, cy + R * 0.2f}, {cx, cy + R * 0.05f}, {cx - R * 0.3f, cy + R * 0.2f}}, a);
            break;
        }
        case 1:
            FillEllipse(l, cx, cy, R, R * 0.92f, metal);
            for (int i = 0; i < 5; ++i) {
                float an = i * 1.2566f;
                FillEllipse(l, cx + std::cos(an) * R * 0.5f, cy + std::sin(an) * R * 0.5f, R * 0.16f, R * 0.16f, a, 0.9f);
            }
            FillEllipse(l, cx, cy, R * 0.22f, R * 0.22f, a);
            break;
        case 2:
            FillPolygon(l, {{cx, cy - R}, {cx + R * 0.7f, cy}, {cx, cy + R}, {cx - R * 0.7f, cy}}, metal);
            FillPolygon(l, {{cx, cy - R}, {cx + R * 0.7f, cy}, {cx, cy}}, a, 0.45f);
            Polyline(l, {{cx, cy - R}, {cx + R * 0.7f, cy}, {cx, cy + R}, {cx - R * 0.7f, cy}}, 2, a, 1, true);
            break;
        case 3: {
            std::vector<Pt> g;
            for (int i = 0; i < 48; ++i) {
                float an = i * 6.2832f / 48, rr = (i / 3) % 2 ? R : R * 0.8f;
                g.push_back({cx + std::cos(an) * rr, cy + std::sin(an) * rr});
            }
            FillPolygon(l, g, metal);
            FillEllipse(l, cx, cy, R * 0.4f, R * 0.4f, a);
            break;
        }
        case 4:
            FillEllipse(l, cx, cy, R, R, metal);
            FillEllipse(l, cx + R * 0.35f, cy - R * 0.15f, R * 0.8f, R * 0.8f, Hex(0x08080c));
            FillEllipse(l, cx + R * 0.35f, cy - R * 0.15f, R * 0.2f, R * 0.2f, a);
            break;
        case 5:
            FillPolygon(l, {{cx - R, cy - R}, {cx + R, cy - R}, {cx + R, cy + R}, {cx - R, cy + R}}, metal);
            for (int i = -1; i <= 1; ++i) {
                Line(l, {cx + i * R * 0.5f, cy - R}, {cx + i * R * 0.5f, cy + R}, 3, Hex(0x18080a));
                Line(l, {cx - R, cy + i * R * 0.5f}, {cx + R, cy + i * R * 0.5f}, 3, Hex(0x18080a));
            }
            FillEllipse(l, cx, cy, R * 0.18f, R * 0.18f, a);
            break;
        case 6:
            RingEllipse(l, cx, cy, R * 0.85f, R * 0.85f, R * 0.25f, m);
            RingEllipse(l, cx, cy, R * 0.45f, R * 0.45f, R * 0.1f, a);
            FillEllipse(l, cx, cy, R * 0.15f, R * 0.15f, a);
            break;
        case 7:
            for (int i = -1; i <= 1; ++i)
                FillPolygon(l, {{cx + i * R * 0.5f - R * 0.18f, cy + R * 0.8f}, {cx + i * R * 0.7f, cy - R}, {cx + i * R * 0.5f + R * 0.18f, cy + R * 0.8f}}, metal);
            Line(l, {cx - R, cy + R * 0.8f}, {cx + R, cy + R * 0.8f}, 5, a);
            break;
        default:
            FillEllipse(l, cx, cy, R, R, metal);
            for (int i = 0; i < 3; ++i) {
                std::vector<Pt> wv;
                for (int k = 0; k <= 20; ++k) {
                    float t = k / 20.0f;
                    wv.push_back({cx - R * 0.8f + t * R * 1.6f, cy - R * 0.4f + i * R * 0.4f + std::sin(t * 9) * R * 0.08f});
                }
                Polyline(l, wv, 3, a);
            }
            break;
    }
    if (!letters.empty() && l.w >= 100)
        DrawTextShadowed(l, int(cx), int(H * 0.93f), letters, int(H * 0.11f), true, Mix(a, Col{1, 1, 1}, 0.5f));
}

Layer Portrait(const Emblem& e, uint32_t seed) {
    Layer l(90, 76);
    Col m = Hex(e.main), a = Hex(e.accent);
    RoundRect(l, 0, 0, 90, 76, 4, LinearGradient({0, 0}, {0, 76}, Hex(0x1a2438), Hex(0x0c1018)));
    Rng r(seed);
    float cx = 45, headY = 32;
    // Shoulders.
    FillEllipse(l, cx, 80, 38, 22, LinearGradient({0, 58}, {0, 80}, m * 0.8f, m * 0.35f));
    // Head shape varies by emblem shape.
    float hw = 17 + r.Range(-3, 3), hh = 21 + r.Range(-3, 3);
    Col skin = Mix(m, Hex(0xd8c0a8), e.shape == 0 ? 0.75f : 0.3f);
    if (e.shape == 2) {
        FillPolygon(l, {{cx, headY - hh}, {cx + hw, headY}, {cx, headY + hh}, {cx - hw, headY}}, LinearGradient({cx - hw, 0}, {cx + hw, 0}, Mix(skin, Col{1, 1, 1}, 0.4f), skin * 0.5f));
    } else if (e.shape == 5) {
        FillPolygon(l, {{cx - hw, headY - hh}, {cx + hw, headY - hh}, {cx + hw, headY + hh}, {cx - hw, headY + hh}},
                    LinearGradient({cx - hw, 0}, {cx + hw, 0}, Hex(0x8a8e96), Hex(0x3a3e46)));
    } else {
        FillEllipse(l, cx, headY, hw, hh, LinearGradient({cx - hw, 0}, {cx + hw, 0}, Mix(skin, Col{1, 1, 1}, 0.3f), skin * 0.45f));
    }
    if (e.shape == 7 || e.shape == 1) {  // crests and horns
        FillPolygon(l, {{cx - hw * 0.8f, headY - hh * 0.5f}, {cx - hw * 1.3f, headY - hh * 1.3f}, {cx - hw * 0.4f, headY - hh * 0.8f}}, skin * 0.7f);
        FillPolygon(l, {{cx + hw * 0.8f, headY - hh * 0.5f}, {cx + hw * 1.3f, headY - hh * 1.3f}, {cx + hw * 0.4f, headY - hh * 0.8f}}, skin * 0.7f);
    }
    float eyeY = headY - 2, ex = hw * 0.42f;
    Col eye = e.shape == 0 ? Hex(0x2a3a5a) : a;
    FillEllipse(l, cx - ex, eyeY, 3.2f, e.shape == 4 ? 4.5f : 2.2f, eye);
    FillEllipse(l, cx + ex, eyeY, 3.2f, e.shape == 4 ? 4.5f : 2.2f, eye);
    if (e.shape != 0) {
        Glow(l, cx - ex, eyeY, 6, a, 0.5f);
        Glow(l, cx + ex, eyeY, 6, a, 0.5f);
    }
    Line(l, {cx - 5, headY + hh * 0.5f}, {cx + 5, headY + hh * 0.5f}, 1.2f, skin * 0.35f);
    RoundRectOutline(l, 0.5f, 0.5f, 89.5f, 75.5f, 4, 1.0f, pal::kCyan);
    return l;
}

}  // namespace

void MakeRaces(Output& out, const std::string& gameData) {
    for (const std::string& folder : ContentFolders(gameData)) {
        IniFile races = ReadIni(folder + "races.adf");
        for (const IniSection& s : races.sections) {
            Emblem e = EmblemFor(s.name);
            std::string full = s.Get("FULL_BMP");
            if (!full.empty()) {
                Layer big(200, 180);
                DrawEmblem(big, e, s.Get("SHORT_NAME", s.name));
                out.Image("graphics/" + full, Keyed(big, kKeyBlack));
                Layer hi(100, 92);
                DrawEmblem(hi, e, "");
                out.Image("graphics/" + full + "_small", Keyed(hi.Scaled(50, 46), kKeyBlack));
            }
            std::string prof = s.Get("PROF", "na");
            out.Image("graphics/" + prof, Keyed(Portrait(e, uint32_t(HashText(s.name.c_str()))), kKeyBlack));
        }
    }
    // Shown for a race that names no portrait.
    Layer na(90, 76);
    RoundRect(na, 0, 0, 90, 76, 4, Hex(0x101620));
    Rng r(5);
    for (int y = 2; y < 74; ++y)
        for (int x = 2; x < 88; ++x) na.Over(x, y, Hex(0x8a9aae), r.Uni() * 0.35f);
    DrawTextShadowed(na, 45, 38, "NO DATA", 12, true, pal::kAmber);
    RoundRectOutline(na, 0.5f, 0.5f, 89.5f, 75.5f, 4, 1.0f, pal::kCyan);
    out.Image("graphics/na", Keyed(na, kKeyBlack));
}

}  // namespace ag
