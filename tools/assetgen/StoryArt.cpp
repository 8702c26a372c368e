// The story's pictures, named by the campaigns' own files: a portrait for every race that
// can be hailed (coms/<race>0) and for every character (coms/<IMAGE> of chars.adf), and a
// picture for every event that shows the event screen (<IMAGE> of events.adf). A new
// character or event picture in the data gets its picture on the next build.
// Portraits are 250 x 191, the communication screen's window; event pictures (EventArt) are
// 300 x 230. Both are keyed on black for the screens and kept clear of aqua, the database's
// key for character pictures.
#include <algorithm>
#include <cmath>
#include <set>

#include "Art.h"
#include "EventArt.h"
#include "Ini.h"
#include "Noise.h"
#include "Shapes.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

constexpr Rgb kKeyAqua{0, 255, 255};
constexpr int kPortraitW = 250, kPortraitH = 191;

// Each race's look follows its ships and logo.
enum class Look { Angular, Organic, Crystal, Industrial, Ribbons, Machine, Discs, Barbed, Rounded };

struct RaceStyle {
    const char* key;
    Look look;
    uint32_t body, accent, backdrop;
};

const RaceStyle kStyles[] = {
    {"TFG", Look::Angular, 0x2a4a8a, 0xffb23c, 0x14203a},   {"VSK", Look::Organic, 0x5a8a2a, 0xd8ff5a, 0x14240c},
    {"QLL", Look::Crystal, 0x3aa8c8, 0xe0f8ff, 0x0c1c30},   {"DRN", Look::Industrial, 0x8a6a4a, 0xffb23c, 0x2a1c10},
    {"SYL", Look::Ribbons, 0xb060d0, 0xffd8ff, 0x1c1030},   {"KRU", Look::Machine, 0x5a5e66, 0xff3a2a, 0x200a0a},
    {"OSS", Look::Discs, 0xd8b04a, 0xfff0b0, 0x201a0c},     {"ZHA", Look::Barbed, 0x8a3a1a, 0xffa040, 0x2a0c08},
    {"MER", Look::Rounded, 0x3a9a9a, 0xf0ecd8, 0x0a2026},
};

RaceStyle StyleFor(const std::string& race) {
    for (const auto& s : kStyles)
        if (SameText(s.key, race)) return s;
    Rng r(HashText(race.c_str()));
    return {"", Look(r.Int(9)), 0x404040 + uint32_t(r.Int(0x9f9f9f)), 0xffb23c, 0x101828};
}

// Varies a colour a little for one character of a race.
Col Vary(Col c, Rng& r, float amount) {
    return {Clamp01(c.r * (1 + r.Range(-amount, amount))), Clamp01(c.g * (1 + r.Range(-amount, amount))),
            Clamp01(c.b * (1 + r.Range(-amount, amount)))};
}

// ---------------------------------------------------------------------------
// Backdrops: what stands behind the speaker, in the race's own language.
// ---------------------------------------------------------------------------
void Backdrop(Layer& l, Look look, Col tint, uint32_t seed) {
    const int W = l.w, H = l.h;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float n = Fbm2(x / 45.0f, y / 45.0f, 3, seed);
            Col c = Hex(0x06080e) + tint * (0.55f + 0.7f * n) * (1.1f - 0.5f * float(y) / H);
            l.Put(x, y, c);
        }
    Rng r(seed);
    const Col hi = Mix(tint, Col{1, 1, 1}, 0.35f);
    switch (look) {
        case Look::Angular:  // a bridge: slanted panels and console lights
            for (int i = 0; i < 6; ++i) {
                float x = i * 48.0f - 20;
                FillPolygon(l, {{x, 0}, {x + 30, 0}, {x + 10, float(H) * 0.55f}, {x - 20, float(H) * 0.55f}}, hi, 0.12f);
            }
            for (int i = 0; i < 14; ++i) Glow(l, r.Range(0, float(W)), r.Range(20, 60), 2.5f, i % 3 ? pal::kCyan : pal::kAmber, 0.8f);
            break;
        case Look::Organic:  // cells and veins
            for (int i = 0; i < 22; ++i) {
                float x = r.Range(0, float(W)), y = r.Range(0, float(H)), rr = r.Range(10, 30);
                RingEllipse(l, x, y, rr, rr * 0.8f, 2.0f, hi, 0.18f);
            }
            for (int i = 0; i < 5; ++i) {
                std::vector<Pt> v;
                float y = r.Range(0, float(H));
                for (int k = 0; k <= 12; ++k) v.push_back({k * W / 12.0f, y + std::sin(k * 0.9f + i) * 14});
                Polyline(l, v, 1.5f, hi, 0.25f);
            }
            break;
        case Look::Crystal:  // lattice facets
            for (int i = 0; i < 18; ++i) {
                Pt a{r.Range(0, float(W)), r.Range(0, float(H))};
                Line(l, a, {a.x + r.Range(-80, 80), a.y + r.Range(-60, 60)}, 1.0f, hi, 0.35f);
                Glow(l, a.x, a.y, 3, hi, 0.6f);
            }
            break;
        case Look::Industrial:  // girders and a hazard stripe
            for (int i = 0; i < 5; ++i) {
                float x = 10 + i * 55.0f;
                FillRect(l, x, 0, x + 8, float(H), Hex(0x181410), 0.7f);
                for (float y = 0; y < H; y += 18) Line(l, {x, y}, {x + 8, y + 9}, 1.0f, hi, 0.3f);
            }
            for (int i = 0; i < 14; ++i) {
                float x = i * 20.0f;
                FillPolygon(l, {{x, 10}, {x + 10, 10}, {x + 2, 20}, {x - 8, 20}}, pal::kAmber, 0.5f);
            }
            break;
        case Look::Ribbons:  // a lit haze with drifting bands
            for (int i = 0; i < 7; ++i) {
                std::vector<Pt> v;
                float y0 = r.Range(0, float(H)), ph = r.Range(0, 6);
                for (int k = 0; k <= 24; ++k) v.push_back({k * W / 24.0f, y0 + std::sin(k * 0.5f + ph) * 20});
                Polyline(l, v, r.Range(2, 6), hi, 0.12f);
            }
            break;
        case Look::Machine:  // a red grid of sensors
            for (int x = 0; x < W; x += 16) Line(l, {x + 0.5f, 0}, {x + 0.5f, float(H)}, 1.0f, hi, 0.18f);
            for (int y = 0; y < H; y += 16) Line(l, {0, y + 0.5f}, {float(W), y + 0.5f}, 1.0f, hi, 0.18f);
            for (int i = 0; i < 16; ++i) Glow(l, 8 + 16.0f * r.Int(W / 16), 8 + 16.0f * r.Int(H / 16), 3, Hex(0xff3a2a), 0.7f);
            break;
        case Look::Discs:  // slow turning rings
            for (int k = 1; k < 9; ++k) RingEllipse(l, W * 0.5f, H * 0.45f, k * 22.0f, k * 9.0f, 1.5f, hi, 0.2f);
            break;
        case Look::Barbed:  // thorned horizon under a red sky
            for (int i = 0; i < 16; ++i) {
                float x = i * 17.0f + r.Range(-4, 4);
                float h = r.Range(20, 60);
                FillPolygon(l, {{x - 7, float(H)}, {x + r.Range(-6, 6), float(H) - h}, {x + 7, float(H)}}, Hex(0x140604), 0.8f);
            }
            break;
        case Look::Rounded:  // water light and bubbles
            for (int i = 0; i < 26; ++i) {
                float x = r.Range(0, float(W)), y = r.Range(0, float(H)), rr = r.Range(2, 7);
                RingEllipse(l, x, y, rr, rr, 1.0f, hi, 0.4f);
            }
            for (int i = 0; i < 6; ++i) {
                std::vector<Pt> v;
                float y0 = r.Range(0, float(H) * 0.5f);
                for (int k = 0; k <= 16; ++k) v.push_back({k * W / 16.0f, y0 + std::sin(k * 1.3f + i) * 5});
                Polyline(l, v, 1.0f, hi, 0.2f);
            }
            break;
    }
}

// Light from the upper left over a round form.
Shader Lit(Col base, float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        float dx = (x - (cx - rx * 0.35f)) / rx, dy = (y - (cy - ry * 0.4f)) / ry;
        float k = Clamp01(1.15f - 0.55f * std::sqrt(dx * dx + dy * dy));
        return base * (0.35f + 0.75f * k);
    };
}

// ---------------------------------------------------------------------------
// The speakers. Every figure stands at the centre with its head near (125, 82).
// ---------------------------------------------------------------------------
void Angular(Layer& l, Col suit, Col accent, Rng& r, bool officer) {
    const float cx = 125, hy = 82;
    // Plated shoulders with swept pauldrons and a high collar.
    FillPolygon(l, {{20, 191}, {34, 150}, {78, 126}, {172, 126}, {216, 150}, {230, 191}},
                LinearGradient({0, 126}, {0, 191}, suit, suit * 0.4f));
    FillPolygon(l, {{34, 150}, {70, 122}, {98, 128}, {60, 160}}, Mix(suit, Col{1, 1, 1}, 0.25f));
    FillPolygon(l, {{216, 150}, {180, 122}, {152, 128}, {190, 160}}, suit * 0.7f);
    FillPolygon(l, {{102, 118}, {148, 118}, {142, 140}, {125, 150}, {108, 140}}, suit * 0.55f);
    Line(l, {108, 140}, {125, 150}, 2.0f, pal::kCyan, 0.9f);
    Line(l, {142, 140}, {125, 150}, 2.0f, pal::kCyan, 0.9f);
    int pips = officer ? 3 : 1;
    for (int i = 0; i < pips; ++i)
        FillPolygon(l, {{56.0f + i * 9, 148}, {62.0f + i * 9, 142}, {68.0f + i * 9, 148}, {62.0f + i * 9, 145}}, accent);
    // A human face.
    static const uint32_t skins[] = {0xe0b494, 0xc89070, 0x8a5a3a, 0xf0c8a8, 0xa87050};
    Col skin = Hex(skins[r.Int(5)]);
    FillRect(l, 112, 104, 138, 124, skin * 0.6f);
    FillEllipse(l, cx, hy, 27, 34, Lit(skin, cx, hy, 27, 34));
    static const uint32_t hairs[] = {0x2a1a10, 0x5a3a1a, 0x9a9aa0, 0x1a1a1e, 0xa8743a};
    Col hair = Hex(hairs[r.Int(5)]);
    const int style = r.Int(3);
    if (style == 1) FillEllipse(l, cx, hy - 40, 14, 10, hair);  // a bun
    FillPolygon(l, {{97, 80}, {99, 58}, {112, 48}, {138, 48}, {151, 58}, {153, 80}, {146, 64}, {125, 58}, {104, 64}}, hair);
    if (style == 2)  // hair to the shoulders
        for (int s : {-1, 1}) FillPolygon(l, {{cx + s * 28, 70}, {cx + s * 34, 118}, {cx + s * 22, 120}, {cx + s * 24, 76}}, hair);
    for (int s : {-1, 1}) {
        FillEllipse(l, cx + s * 11, hy - 2, 4.5f, 2.6f, Hex(0xf0f0f0));
        FillEllipse(l, cx + s * 11, hy - 2, 2.2f, 2.2f, Hex(0x203048));
        Line(l, {cx + s * 6, hy - 9}, {cx + s * 17, hy - 10}, 2.0f, hair * 0.8f);
    }
    Line(l, {cx, hy}, {cx - 2, hy + 11}, 1.2f, skin * 0.55f);
    Line(l, {cx - 8, hy + 19}, {cx + 8, hy + 19}, 1.6f, skin * 0.45f);
    if (officer) {  // a senior officer's white collar and braid
        Line(l, {102, 120}, {108, 140}, 2.5f, Hex(0xe8ecf4));
        Line(l, {148, 120}, {142, 140}, 2.5f, Hex(0xe8ecf4));
        Polyline(l, {{40, 152}, {70, 132}, {96, 134}}, 2.0f, accent, 0.9f);
    }
    // A headset with a cyan light.
    FillRect(l, 96, 80, 101, 92, Hex(0x30384a));
    Line(l, {99, 92}, {112, 104}, 1.5f, Hex(0x30384a));
    Glow(l, 112, 104, 3, pal::kCyan, 0.9f);
}

void Organic(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 86;
    FillEllipse(l, cx, 200, 110, 62, Lit(body * 0.8f, cx, 170, 110, 60));
    // Tendrils hanging from the jaw.
    for (int i = 0; i < 7; ++i) {
        float x0 = 92 + i * 11.0f;
        std::vector<Pt> v;
        for (int k = 0; k <= 8; ++k) v.push_back({x0 + std::sin(k * 0.8f + i) * 5, 112 + k * 8.0f});
        Polyline(l, v, 4.0f - i % 3, body * 0.6f);
    }
    FillEllipse(l, cx, hy, 52, 40, Lit(body, cx, hy, 52, 40));
    // Glowing sacs on the flanks and veins over the dome.
    for (int s : {-1, 1}) {
        FillEllipse(l, cx + s * 50, hy + 10, 14, 18, Mix(body, accent, 0.5f), 0.85f);
        Glow(l, cx + s * 50, hy + 10, 12, accent, 0.5f);
    }
    for (int i = 0; i < 6; ++i) {
        float a = -2.6f + i * 0.35f;
        Polyline(l, {{cx + std::cos(a) * 10, hy - 8 + std::sin(a) * 6}, {cx + std::cos(a) * 30, hy - 12 + std::sin(a) * 24},
                     {cx + std::cos(a) * 48, hy + std::sin(a) * 38}},
                 1.2f, body * 0.45f, 0.9f);
    }
    // A cluster of eyes.
    int eyes = 3 + r.Int(3);
    for (int i = 0; i < eyes; ++i) {
        float x = cx - 24 + 48.0f * i / std::max(1, eyes - 1), y = hy + 4 + (i % 2) * 8.0f;
        FillEllipse(l, x, y, 5, 4, Hex(0x101806));
        FillEllipse(l, x, y, 3, 2.5f, accent);
        Glow(l, x, y, 7, accent, 0.5f);
    }
    FillPolygon(l, {{cx - 14, hy + 24}, {cx + 14, hy + 24}, {cx, hy + 36}}, Hex(0x1a2008));
}

void Crystal(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 84;
    // Shards rising from the shoulders.
    for (int i = 0; i < 9; ++i) {
        float x = 30 + i * 24.0f, h = r.Range(30, 70);
        FillPolygon(l, {{x - 12, 191}, {x + r.Range(-6, 6), 191 - h - 40}, {x + 12, 191}},
                    LinearGradient({x - 12, 120}, {x + 12, 191}, Mix(body, Col{1, 1, 1}, 0.4f), body * 0.35f), 0.9f);
    }
    // The head: a cluster of facets around a glowing core.
    std::vector<Pt> head = {{cx, hy - 52}, {cx + 34, hy - 20}, {cx + 28, hy + 30}, {cx, hy + 48}, {cx - 28, hy + 30}, {cx - 34, hy - 20}};
    FillPolygon(l, head, LinearGradient({cx - 34, hy - 52}, {cx + 34, hy + 48}, Mix(body, Col{1, 1, 1}, 0.45f), body * 0.3f));
    for (size_t i = 0; i < head.size(); ++i) {
        Line(l, {cx, hy}, head[i], 1.2f, accent, 0.6f);
        Line(l, head[i], head[(i + 1) % head.size()], 1.5f, accent, 0.8f);
    }
    FillPolygon(l, {{cx, hy - 52}, {cx + 34, hy - 20}, {cx, hy}}, Col{1, 1, 1}, 0.18f);
    Glow(l, cx, hy, 26, Mix(accent, pal::kCyan, 0.4f), 0.8f);
    FillEllipse(l, cx, hy, 6, 6, Hex(0xf0fcff));
    // Two points of light for eyes.
    Glow(l, cx - 13, hy - 12, 5, Hex(0xe8f8ff), 1.0f);
    Glow(l, cx + 13, hy - 12, 5, Hex(0xe8f8ff), 1.0f);
}

void Industrial(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 84;
    // Broad shoulders in a riveted work harness with hazard stripes.
    FillPolygon(l, {{14, 191}, {26, 140}, {80, 122}, {170, 122}, {224, 140}, {236, 191}},
                LinearGradient({0, 122}, {0, 191}, Hex(0x5a5040), Hex(0x201a14)));
    for (int i = 0; i < 8; ++i) {
        float x = 34 + i * 12.0f;
        FillPolygon(l, {{x, 150}, {x + 6, 150}, {x + 14, 166}, {x + 8, 166}}, i % 2 ? pal::kAmber : Hex(0x1a1410));
    }
    for (int i = 0; i < 6; ++i) FillEllipse(l, 150 + i * 13.0f, 146, 2.5f, 2.5f, Hex(0xb0a890));
    // A blocky head of stone with cracks.
    Col stone = Vary(body, r, 0.15f);
    RoundRect(l, cx - 34, hy - 40, cx + 34, hy + 40, 10, Lit(stone, cx, hy, 34, 40));
    for (int i = 0; i < 4; ++i) {
        float x = cx + r.Range(-28, 28), y = hy + r.Range(-30, 30);
        Polyline(l, {{x, y}, {x + r.Range(-8, 8), y + 8}, {x + r.Range(-8, 8), y + 16}}, 1.0f, stone * 0.35f);
    }
    // Heavy brow and goggles pushed up on it.
    FillRect(l, cx - 34, hy - 14, cx + 34, hy - 6, stone * 0.6f);
    for (int s : {-1, 1}) {
        FillEllipse(l, cx + s * 15, hy - 28, 11, 8, Hex(0x3a3028));
        FillEllipse(l, cx + s * 15, hy - 28, 7, 5, accent);
        Glow(l, cx + s * 15, hy - 28, 6, accent, 0.5f);
        FillEllipse(l, cx + s * 13, hy, 4, 2.5f, Hex(0xffd890));
    }
    Line(l, {cx - 34, hy - 28}, {cx + 34, hy - 28}, 2.0f, Hex(0x3a3028));
    if (r.Int(2)) {  // a smelter's helmet with a lamp
        FillPolygon(l, {{cx - 38, hy - 36}, {cx - 30, hy - 56}, {cx + 30, hy - 56}, {cx + 38, hy - 36}}, Hex(0xb8843a));
        Line(l, {cx - 38, hy - 36}, {cx + 38, hy - 36}, 3.0f, Hex(0x5a4020));
        Glow(l, cx, hy - 48, 9, Hex(0xfff0c0), 1.0f);
    }
    FillRect(l, cx - 12, hy + 20, cx + 12, hy + 24, stone * 0.35f);
    if (r.Int(2)) FillPolygon(l, {{cx - 22, hy + 26}, {cx + 22, hy + 26}, {cx + 14, hy + 46}, {cx - 14, hy + 46}}, Hex(0x6a5a4a));  // beard
}

void Ribbons(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 86;
    // A veil of light ribbons that gathers into a face.
    for (int i = 0; i < 16; ++i) {
        float ph = r.Range(0, 6.28f), amp = r.Range(18, 46), off = (i - 7.5f) * 5.0f;
        std::vector<Pt> v;
        for (int k = 0; k <= 30; ++k) {
            float t = k / 30.0f;
            float y = 10 + t * 181;
            float pinch = 1.0f - 0.75f * std::exp(-std::pow((y - hy) / 45.0f, 2.0f));
            v.push_back({cx + off * (0.4f + pinch) + std::sin(t * 7 + ph) * amp * pinch, y});
        }
        Polyline(l, v, r.Range(1.5f, 3.5f), Mix(body, accent, r.Uni() * 0.6f), 0.55f);
    }
    Glow(l, cx, hy, 48, body, 0.45f);
    Glow(l, cx - 14, hy - 6, 7, Hex(0xfff0ff), 1.0f);
    Glow(l, cx + 14, hy - 6, 7, Hex(0xfff0ff), 1.0f);
    Polyline(l, {{cx - 12, hy + 18}, {cx, hy + 22}, {cx + 12, hy + 18}}, 1.5f, accent, 0.8f);
}

void Machine(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 82;
    // Cables down to a plated chassis.
    for (int i = 0; i < 6; ++i) {
        float x = 95 + i * 12.0f;
        Polyline(l, {{x, 118}, {x + r.Range(-10, 10), 150}, {x + r.Range(-20, 20), 191}}, 3.0f, Hex(0x202228));
    }
    FillPolygon(l, {{22, 191}, {40, 146}, {90, 136}, {160, 136}, {210, 146}, {228, 191}},
                LinearGradient({0, 136}, {0, 191}, body, body * 0.35f));
    for (int x = 50; x < 210; x += 20) Line(l, {float(x), 146}, {float(x), 191}, 1.0f, Hex(0x18181c));
    // A square head of plates with a grille and a single red eye bar.
    FillPolygon(l, {{cx - 36, hy - 42}, {cx + 36, hy - 42}, {cx + 40, hy + 20}, {cx + 22, hy + 40}, {cx - 22, hy + 40}, {cx - 40, hy + 20}},
                LinearGradient({cx - 40, 0}, {cx + 40, 0}, Mix(body, Col{1, 1, 1}, 0.3f), body * 0.4f));
    Line(l, {cx - 36, hy - 20}, {cx + 36, hy - 20}, 1.0f, Hex(0x18181c));
    Line(l, {cx, hy - 42}, {cx, hy - 20}, 1.0f, Hex(0x18181c));
    FillRect(l, cx - 30, hy - 10, cx + 30, hy + 2, Hex(0x100404));
    int lights = 1 + r.Int(3);
    for (int i = 0; i < lights; ++i) {
        float x = cx - 20 + 40.0f * (lights == 1 ? 0.5f : float(i) / (lights - 1));
        FillEllipse(l, x, hy - 4, 6, 3.5f, accent);
        Glow(l, x, hy - 4, 12, accent, 0.8f);
    }
    for (int i = 0; i < 5; ++i) Line(l, {cx - 16, hy + 14 + i * 5.0f}, {cx + 16, hy + 14 + i * 5.0f}, 1.5f, Hex(0x18181c));
    // An antenna.
    Line(l, {cx + 28, hy - 42}, {cx + 40, hy - 70}, 1.5f, body);
    Glow(l, cx + 40, hy - 70, 4, accent, 1.0f);
}

void Discs(Layer& l, Col body, Col accent, Rng& r) {
    const float cx = 125, hy = 84;
    // A great shell ring for shoulders.
    RingEllipse(l, cx, 180, 100, 34, 18, body * 0.6f);
    RingEllipse(l, cx, 180, 100, 34, 2, accent, 0.7f);
    // The head: stacked discs turning at slants around one eye.
    float tilt = r.Range(-0.25f, 0.25f);
    for (int k = 0; k < 4; ++k) {
        float y = hy - 30 + k * 20.0f, rx = 50 - std::abs(k - 1.5f) * 12, ry = 9;
        FillEllipse(l, cx + tilt * (y - hy), y, rx, ry, Lit(Vary(body, r, 0.1f), cx, y, rx, ry));
        RingEllipse(l, cx + tilt * (y - hy), y, rx, ry, 1.2f, accent, 0.7f);
    }
    FillEllipse(l, cx, hy, 18, 18, Hex(0x201808));
    RingEllipse(l, cx, hy, 14, 14, 3, accent);
    FillEllipse(l, cx, hy, 6, 6, Hex(0xfff8e0));
    Glow(l, cx, hy, 16, accent, 0.6f);
}

void Barbed(Layer& l, Col body, Col accent, Rng& r, bool marked) {
    const float cx = 125, hy = 86;
    // Scaled shoulders with spurs.
    FillPolygon(l, {{18, 191}, {40, 138}, {92, 124}, {158, 124}, {210, 138}, {232, 191}},
                LinearGradient({0, 124}, {0, 191}, body * 0.8f, body * 0.3f));
    for (int s : {-1, 1})
        for (int i = 0; i < 3; ++i) {
            float x = cx + s * (62 + i * 22.0f);
            FillPolygon(l, {{x - 7, 140.0f + i * 4}, {x + s * 8, 104.0f + i * 8}, {x + 7, 140.0f + i * 4}}, Hex(0xd8c8a0));
        }
    // A long snout and a crest of barbs.
    Col scale = Vary(body, r, 0.12f);
    FillPolygon(l, {{cx - 34, hy - 30}, {cx + 34, hy - 30}, {cx + 30, hy + 10}, {cx + 16, hy + 46}, {cx - 16, hy + 46}, {cx - 30, hy + 10}},
                Lit(scale, cx, hy, 34, 46));
    for (int i = 0; i < 5; ++i) {
        float x = cx - 28 + i * 14.0f, h = 26 + (2 - std::abs(i - 2)) * 12.0f;
        FillPolygon(l, {{x - 6, hy - 28}, {x + r.Range(-3, 3), hy - 28 - h}, {x + 6, hy - 28}}, Mix(scale, Hex(0xd8c8a0), 0.5f));
    }
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            float px = cx - 22 + x * 11.0f + (y % 2) * 5, py = hy - 20 + y * 11.0f;
            Polyline(l, {{px - 4, py}, {px, py + 4}, {px + 4, py}}, 1.0f, scale * 0.5f, 0.8f);
        }
    for (int s : {-1, 1}) {
        FillPolygon(l, {{cx + s * 8, hy - 8}, {cx + s * 26, hy - 14}, {cx + s * 22, hy - 2}}, accent);
        Line(l, {cx + s * 17, hy - 13}, {cx + s * 17, hy - 3}, 1.5f, Hex(0x100402));
        Glow(l, cx + s * 17, hy - 8, 6, accent, 0.5f);
    }
    if (marked) {  // a clan leader: war paint, a scar and a trophy string of teeth
        for (int i = 0; i < 3; ++i)
            Polyline(l, {{cx - 24, hy + 6.0f + i * 7}, {cx, hy + 14.0f + i * 7}, {cx + 24, hy + 6.0f + i * 7}}, 2.5f, accent, 0.85f);
        Line(l, {cx + 6, hy - 26}, {cx + 26, hy + 16}, 2.0f, Hex(0xe8d0b0), 0.9f);
        Polyline(l, {{70, 140}, {100, 160}, {150, 160}, {180, 140}}, 1.5f, Hex(0x3a2a1a));
        for (int i = 0; i < 7; ++i) {
            float x = 82 + i * 14.0f, y = 148 + (i > 0 && i < 6 ? 10.0f : 0.0f);
            FillPolygon(l, {{x - 3, y}, {x, y + 12}, {x + 3, y}}, Hex(0xf0e8d0));
        }
    }
    // Teeth.
    for (int i = 0; i < 5; ++i) {
        float x = cx - 12 + i * 6.0f;
        FillPolygon(l, {{x - 2, hy + 34}, {x, hy + 42}, {x + 2, hy + 34}}, Hex(0xf0e8d0));
    }
}

void Rounded(Layer& l, Col body, Col accent, Rng& r, bool navigator) {
    const float cx = 125, hy = 88;
    // A smooth suit with a rounded collar ring.
    FillEllipse(l, cx, 200, 104, 70, LinearGradient({0, 130}, {0, 200}, Hex(0x3a5a6a), Hex(0x10202a)));
    RingEllipse(l, cx, 132, 46, 12, 5, accent, 0.9f);
    // A wide round head with gill frills and big eyes.
    Col skin = Vary(body, r, 0.12f);
    for (int s : {-1, 1})
        for (int i = 0; i < 3; ++i)
            FillEllipse(l, cx + s * (46 + i * 6.0f), hy + 6 + i * 8.0f, 10, 5, skin * (0.6f - i * 0.1f));
    FillEllipse(l, cx, hy, 48, 40, Lit(skin, cx, hy, 48, 40));
    for (int k = 0; k < 10; ++k) FillEllipse(l, cx + r.Range(-36, 36), hy + r.Range(-30, 10), 2, 2, skin * 0.6f, 0.8f);
    for (int s : {-1, 1}) {
        FillEllipse(l, cx + s * 22, hy - 14, 14, 14, Hex(0xf0f0e0));
        FillEllipse(l, cx + s * 22 + 2, hy - 13, 8, 9, Hex(0x102020));
        FillEllipse(l, cx + s * 22 - 2, hy - 17, 3, 3, Col{1, 1, 1});
    }
    Polyline(l, {{cx - 24, hy + 16}, {cx - 10, hy + 24}, {cx + 10, hy + 24}, {cx + 24, hy + 16}}, 2.0f, skin * 0.35f);
    if (navigator) {  // a navigator's cap and a chart lens over one eye
        FillPolygon(l, {{cx - 40, hy - 28}, {cx - 30, hy - 50}, {cx + 30, hy - 50}, {cx + 40, hy - 28}}, Hex(0x1a3a5a));
        FillPolygon(l, {{cx - 44, hy - 28}, {cx + 52, hy - 28}, {cx + 44, hy - 22}, {cx - 40, hy - 22}}, Hex(0x10283a));
        Line(l, {cx - 30, hy - 40}, {cx + 30, hy - 40}, 2.0f, accent);
        RingEllipse(l, cx + 22, hy - 14, 16, 16, 3, pal::kAmber);
        FillEllipse(l, cx + 22, hy - 14, 14, 14, pal::kAmber, 0.25f);
        Line(l, {cx + 38, hy - 14}, {cx + 50, hy - 2}, 2.0f, pal::kAmber);
    }
}

// A frame that reads as a live channel: corner brackets, a caption and a thin scan.
void ChannelFrame(Layer& l, const std::string& caption) {
    const float W = float(l.w), H = float(l.h);
    for (int y = 0; y < l.h; y += 3)
        for (int x = 0; x < l.w; ++x) l.Over(x, y, Hex(0x04060a), 0.18f);
    const float b = 16;
    const float corners[4][4] = {{3, 3, 1, 1}, {W - 4, 3, -1, 1}, {3, H - 4, 1, -1}, {W - 4, H - 4, -1, -1}};
    for (const auto& c : corners) {
        Line(l, {c[0], c[1]}, {c[0] + c[2] * b, c[1]}, 2.0f, pal::kCyan, 0.9f);
        Line(l, {c[0], c[1]}, {c[0], c[1] + c[3] * b}, 2.0f, pal::kCyan, 0.9f);
    }
    if (!caption.empty()) {
        int w = TextWidth(caption, 10, true);
        RoundRect(l, 8, H - 22, 18.0f + w, H - 7, 2, Hex(0x0a1220), 0.85f);
        Line(l, {9, H - 21}, {9, H - 8}, 2.0f, pal::kAmber);
        DrawText(l, 13, int(H) - 22, caption, 10, true, Hex(0xd8e8f8));
    }
}

// One speaker: backdrop, figure and frame. The seed varies a character from its race.
Layer Speaker(const RaceStyle& st, uint32_t seed, bool character, const std::string& caption) {
    Layer l(kPortraitW, kPortraitH);
    Rng r(seed);
    Col body = character ? Vary(Hex(st.body), r, 0.18f) : Hex(st.body);
    Col accent = Hex(st.accent);
    Backdrop(l, st.look, character ? Vary(Hex(st.backdrop), r, 0.6f) : Hex(st.backdrop), seed ^ 0x51u);
    switch (st.look) {
        case Look::Angular: Angular(l, body, accent, r, character); break;
        case Look::Organic: Organic(l, body, accent, r); break;
        case Look::Crystal: Crystal(l, body, accent, r); break;
        case Look::Industrial: Industrial(l, body, accent, r); break;
        case Look::Ribbons: Ribbons(l, body, accent, r); break;
        case Look::Machine: Machine(l, body, accent, r); break;
        case Look::Discs: Discs(l, body, accent, r); break;
        case Look::Barbed: Barbed(l, body, accent, r, character); break;
        case Look::Rounded: Rounded(l, body, accent, r, character); break;
    }
    ChannelFrame(l, caption);
    return l;
}

// A picture for both keys: black for the screens, aqua for the database's character articles.
Bitmap Story(const Layer& l) {
    Bitmap b = Keyed(l, kKeyBlack);
    for (Rgb& p : b.px) p = SafeAgainst(p, kKeyAqua);
    return b;
}

// Every campaign folder the campaign index lists, as "<data>/data/<folder>/" and the folder name.
std::vector<std::pair<std::string, std::string>> CampaignFolders(const std::string& gameData) {
    std::vector<std::pair<std::string, std::string>> folders;
    IniFile index = ReadIni(gameData + "/data/campaigns.adf");
    for (const IniSection& s : index.sections) {
        std::string f = s.Get("FOLDER");
        std::replace(f.begin(), f.end(), '\\', '/');
        while (!f.empty() && f.back() == '/') f.pop_back();
        if (!f.empty()) folders.push_back({gameData + "/data/" + f + "/", f});
    }
    return folders;
}

}  // namespace

void MakeStory(Output& out, const std::string& gameData) {
    for (const auto& [data, folder] : CampaignFolders(gameData)) {
        const std::string pics = "graphics/campaigns/" + folder + "/";
        IniFile map = ReadIni(data + "map.adf");
        IniFile chars = ReadIni(data + "chars.adf");
        IniFile events = ReadIni(data + "events.adf");
        IniFile prefix = ReadIni(data + "prefixmap.adf");
        // Display names for the race portraits' captions.
        std::vector<IniFile> raceFiles;
        for (const std::string& f : ContentFolders(gameData)) raceFiles.push_back(ReadIni(f + "races.adf"));
        auto shortName = [&](const std::string& race) {
            for (const IniFile& f : raceFiles)
                if (const IniSection* s = f.Find(race)) return s->Get("SHORT_NAME", race);
            return race;
        };
        // Every race of the campaign can be hailed, on its fleets or its worlds.
        if (const IniSection* races = prefix.Find("RACES"))
            for (const auto& [race, value] : races->keys) {
                std::string caption = shortName(race);
                for (char& c : caption) c = char(std::toupper(static_cast<unsigned char>(c)));
                out.Image(pics + "coms/" + race + "0",
                          Story(Speaker(StyleFor(race), uint32_t(HashText(race.c_str())), false, caption + " CHANNEL")));
            }
        // A character takes the look of the race it belongs to: the owner of the planet it lives
        // on, the race of the fleet it commands, otherwise the player's own race.
        std::string playerRace = map.Get("FLEET1", "RACE", "NONE");
        for (const IniSection& c : chars.sections) {
            std::string image = c.Get("IMAGE");
            if (image.empty()) continue;
            std::string race;
            std::string planet = c.Get("PLANET");
            for (const IniSection& s : map.sections) {
                if (!planet.empty() && Lower(s.name).rfind("location", 0) == 0)
                    for (const auto& [k, v] : s.keys)
                        if (Lower(k).rfind("planet", 0) == 0 && Lower(k) != "planets" && v.substr(0, v.find(';')) == planet)
                            race = s.Get("RACE");
                if (race.empty() && Lower(s.name).rfind("fleet", 0) == 0 && SameText(s.Get("CMDR"), c.name)) race = s.Get("RACE");
            }
            if (race.empty() || race == "NONE") race = playerRace;
            out.Image(pics + "coms/" + image, Story(Speaker(StyleFor(race), uint32_t(HashText(c.name.c_str())), true, c.name)));
        }
        // Every picture an event shows.
        std::set<std::string> done;
        for (const IniSection& e : events.sections) {
            std::string image = e.Get("IMAGE");
            if (image.empty() || !done.insert(Lower(image)).second) continue;
            out.Image(pics + image, Story(EventScene(image)));
        }
    }
}

}  // namespace ag
