// The opening: the studio logo, the tall backdrop that scrolls behind the
// story, and the four illustrated story panels.
#include <cmath>

#include "Art.h"
#include "Noise.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

Layer StudioLogo() {
    Layer l(600, 200);
    // A stylised kestrel in a stoop: two swept wings and a body.
    float cx = 300, cy = 62;
    std::vector<Pt> wingR = {{cx, cy - 6}, {cx + 70, cy - 34}, {cx + 130, cy - 30}, {cx + 60, cy - 10}, {cx + 90, cy + 4}, {cx + 10, cy + 10}};
    std::vector<Pt> wingL;
    for (auto& p : wingR) wingL.push_back({2 * cx - p.x, p.y});
    Shader wingShade = LinearGradient({cx, cy - 40}, {cx, cy + 10}, Hex(0xffd27a), Hex(0xc05a1a));
    FillPolygon(l, wingR, wingShade);
    FillPolygon(l, wingL, wingShade);
    FillPolygon(l, {{cx, cy - 22}, {cx + 10, cy + 4}, {cx, cy + 40}, {cx - 10, cy + 4}}, LinearGradient({cx, cy - 22}, {cx, cy + 40}, Hex(0xfff2d0), Hex(0xe08a2a)));
    Glow(l, cx, cy + 2, 60, Hex(0xff9a3a), 0.25f);
    DrawTextCentred(l, 302, 142, "KESTRINE", 64, true, Hex(0x4a1e08));
    DrawTextCentred(l, 300, 140, "KESTRINE", 64, true, Hex(0xfff0dc));
    Line(l, {120, 182}, {480, 182}, 1.5f, pal::kAmber, 0.9f);
    DrawTextCentred(l, 300, 192, "interactive", 12, false, Hex(0xd8c0a0));
    return l;
}

Layer SplashBackdrop() {
    Layer l(800, 1000);
    SpaceBackground(l, 5, 1.1f, Hex(0x3a2a8a), Hex(0x1a6a9a));
    // The Wake: a band of dim, reddened stars across the upper sky.
    Rng rng(99);
    for (int i = 0; i < 900; ++i) {
        float t = rng.Uni();
        float x = t * 800, y = 180 + t * 260 + rng.Range(-50, 50) * (1 + std::sin(t * 7));
        Glow(l, x, y, rng.Range(1.5f, 4), Hex(0xff7a5a), rng.Range(0.2f, 0.6f));
    }
    // A great planet rises at the bottom, revealed as the picture scrolls.
    DrawWorld(l, 420, 1380, 560, "verdant");
    return l;
}

// Story panels: 300 x 300 on a red key, framed.
void Frame(Layer& l) {
    RoundRectOutline(l, 1, 1, 299, 299, 14, 2.0f, pal::kCyan);
    RoundRectOutline(l, 4, 4, 296, 296, 12, 1.0f, pal::kSteelLight);
    Line(l, {20, 2}, {70, 2}, 3, pal::kAmber);
    Line(l, {230, 298}, {280, 298}, 3, pal::kAmber);
}

Layer Clip(const Layer& s);

Layer Panel1() {  // the Wake and the survey ship that found it
    Layer s(300, 300);
    SpaceBackground(s, 101, 0.6f, Hex(0x2a1a4a), Hex(0x6a2a2a));
    Rng rng(7);
    for (int i = 0; i < 240; ++i) {
        float t = rng.Uni();
        Glow(s, t * 300, 40 + t * 200 + rng.Range(-25, 25), rng.Range(1, 3.5f), Hex(0xc04a3a), rng.Range(0.3f, 0.8f));
    }
    // Survey ship.
    FillPolygon(s, {{210, 190}, {250, 205}, {210, 214}, {190, 208}, {190, 196}}, LinearGradient({190, 190}, {250, 214}, Hex(0xd0d8e8), Hex(0x5a6a80)));
    Glow(s, 188, 202, 14, Hex(0x7ac8ff), 0.9f);
    Line(s, {250, 205}, {300, 150}, 1.0f, Hex(0x9af0ff), 0.6f);  // scanning beam
    return Clip(s);
}

Layer Clip(const Layer& s) {
    Layer l(300, 300);
    RoundRect(l, 0, 0, 300, 300, 14, Col{0, 0, 0});
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            if (l.Alpha(x, y) > 0) l.Put(x, y, s.Get(x, y), l.Alpha(x, y));
    Frame(l);
    return l;
}

Layer Panel2() {  // a convoy burning over Cinder
    Layer s(300, 300);
    SpaceBackground(s, 202, 0.5f, Hex(0x4a1a0a), Hex(0x6a3a1a));
    float cx = 150, cy = 380, R = 220;
    FillEllipse(s, cx, cy, R, R, [&](float x, float y) {
        float n = Fbm2(x * 0.04f, y * 0.04f, 4, 12);
        float lava = std::pow(Clamp01((n - 0.55f) * 4), 2.0f);
        Col rock = Hex(0x2a1a14) * (0.6f + n * 0.6f);
        return Mix(rock, Hex(0xff6a1a), lava);
    });
    RingEllipse(s, cx, cy, R, R, 3, Hex(0xff8a3a), 0.6f);
    Rng rng(3);
    for (int i = 0; i < 5; ++i) {
        float x = 40 + i * 55, y = 90 + rng.Range(-20, 30);
        FillPolygon(s, {{x, y - 6}, {x + 16, y}, {x, y + 6}, {x - 4, y}}, Hex(0x8a94a8));
        if (i % 2 == 0) {
            Glow(s, x + 4, y, 22, Hex(0xffa040), 1.0f);
            Glow(s, x + 4, y, 8, Hex(0xfff0c0), 1.0f);
        }
        Line(s, {x + 16, y}, {x + 60, y + rng.Range(-30, 30)}, 1.2f, Hex(0xff5a3a), 0.8f);
    }
    return Clip(s);
}

Layer Panel3() {  // the races gather in the nebula
    Layer s(300, 300);
    SpaceBackground(s, 303, 1.4f, Hex(0x6a2a9a), Hex(0x1a8a8a));
    const uint32_t cols[] = {0x8a97aa, 0x6a8a3a, 0x6ac8d8, 0x8a6a4a, 0xb07ac8, 0x5a5e66, 0xb89a4a, 0x6a2a26};
    Rng rng(11);
    for (int i = 0; i < 8; ++i) {
        float a = i * 0.785f, x = 150 + std::cos(a) * 95, y = 150 + std::sin(a) * 95;
        float sz = rng.Range(9, 15);
        FillPolygon(s, {{x, y - sz}, {x + sz * 0.7f, y + sz}, {x, y + sz * 0.5f}, {x - sz * 0.7f, y + sz}}, Hex(cols[i]));
        Glow(s, x, y + sz, 8, Hex(0x9af0ff), 0.7f);
    }
    Glow(s, 150, 150, 60, Hex(0xfff0d0), 0.6f);
    FillEllipse(s, 150, 150, 12, 12, Hex(0xffffff));
    return Clip(s);
}

Layer Panel4() {  // one ship heads into the Wake
    Layer s(300, 300);
    SpaceBackground(s, 404, 0.8f, Hex(0x1a2a6a), Hex(0x6a1a3a));
    Glow(s, 210, 70, 70, Hex(0xffd0a0), 0.8f);
    FillEllipse(s, 210, 70, 9, 9, Hex(0xffffff));
    float x = 110, y = 210;
    std::vector<Pt> ship = {{x, y - 30}, {x + 10, y - 8}, {x + 34, y + 16}, {x + 10, y + 14}, {x, y + 24}, {x - 10, y + 14}, {x - 34, y + 16}, {x - 10, y - 8}};
    FillPolygon(s, ship, LinearGradient({x - 30, y - 30}, {x + 30, y + 30}, Hex(0xc8d4e8), Hex(0x3a4a66)));
    Glow(s, x, y + 26, 18, Hex(0x7ab8ff), 1.0f);
    Line(s, {x, y + 30}, {x - 30, y + 110}, 3, Hex(0x7ab8ff), 0.4f);
    return Clip(s);
}

}  // namespace

void MakeSplash(Output& out) {
    out.Image("graphics/kestrine", Keyed(StudioLogo(), kKeyBlack));
    out.Image("graphics/lgamemenu_blank", Keyed(SplashBackdrop(), kKeyBlack));
    out.Image("graphics/art1", Keyed(Panel1(), kKeyRed));
    out.Image("graphics/art2", Keyed(Panel2(), kKeyRed));
    out.Image("graphics/art3", Keyed(Panel3(), kKeyRed));
    out.Image("graphics/art4", Keyed(Panel4(), kKeyRed));
}

}  // namespace ag
