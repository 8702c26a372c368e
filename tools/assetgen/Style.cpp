#include "Style.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Text.h"

namespace ag {

void SpaceBackground(Layer& l, uint32_t seed, float nebula, Col tintA, Col tintB) {
    const float sc = 1.0f / 170.0f;
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x) {
            float n = Fbm2(x * sc, y * sc, 4, seed);
            float m = Fbm2(x * sc * 1.7f + 40, y * sc * 1.7f, 3, seed + 7);
            float cloud = std::pow(Clamp01((n - 0.33f) * 2.6f), 1.6f) * nebula;
            Col c = Hex(0x02030a);
            c = c + Mix(tintA, tintB, m) * cloud * 0.75f;
            float wisp = std::pow(Clamp01((m - 0.5f) * 3.0f), 3.0f) * nebula * 0.25f;
            c = c + tintB * wisp;
            l.Put(x, y, c);
        }
    Rng rng(seed * 31 + 5);
    int stars = l.w * l.h / 260;
    for (int i = 0; i < stars; ++i) {
        float x = rng.Range(0, float(l.w)), y = rng.Range(0, float(l.h));
        float b = std::pow(rng.Uni(), 3.0f);
        Col tint = Mix(Hex(0xbcd0ff), Hex(0xffe2b8), rng.Uni());
        if (b > 0.55f) {
            Glow(l, x, y, 2.5f + b * 4.0f, tint, 0.6f * b);
            if (b > 0.96f) {
                Line(l, {x - 5 * b, y}, {x + 5 * b, y}, 0.7f, tint, 0.45f);
                Line(l, {x, y - 5 * b}, {x, y + 5 * b}, 0.7f, tint, 0.45f);
            }
        }
        l.Add(int(x), int(y), tint, 0.25f + 0.75f * b);
    }
}

void Panel(Layer& l, float x0, float y0, float x1, float y1, float alpha) {
    RoundRect(l, x0, y0, x1, y1, 6,
              LinearGradient({x0, y0}, {x0, y1}, pal::kSteel, pal::kSteelDark), alpha);
    // Brushed-metal streaks.
    for (float y = y0 + 4; y < y1 - 4; y += 3)
        Line(l, {x0 + 5, y}, {x1 - 5, y}, 1.0f, pal::kSteelLight, 0.06f);
    RoundRectOutline(l, x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, 6, 1.2f, pal::kCyan, 0.85f);
    RoundRectOutline(l, x0 + 3, y0 + 3, x1 - 3, y1 - 3, 4, 1.0f, pal::kSteelLight, 0.6f);
    float t = std::min(18.0f, (x1 - x0) / 5);
    Line(l, {x0 + 6, y0 + 1.5f}, {x0 + 6 + t, y0 + 1.5f}, 2.0f, pal::kAmber);
    Line(l, {x1 - 6 - t, y1 - 1.5f}, {x1 - 6, y1 - 1.5f}, 2.0f, pal::kAmber);
}

void Inset(Layer& l, float x0, float y0, float x1, float y1) {
    RoundRect(l, x0, y0, x1, y1, 4, Hex(0x050810), 0.92f);
    RoundRectOutline(l, x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, 4, 1.0f, Hex(0x2d6d86), 0.9f);
}

Layer Button(int w, int h, const std::string& label, ButtonLook look, int textPx) {
    Layer b(w, h);
    Col top = pal::kSteelLight, bottom = pal::kSteelDark, edge = pal::kCyan;
    if (look == ButtonLook::Accent) { top = Hex(0x5a4a22); bottom = Hex(0x231a0c); edge = pal::kAmber; }
    if (look == ButtonLook::Danger) { top = Hex(0x5c2630); bottom = Hex(0x220a10); edge = Hex(0xff7a6a); }
    float r = std::min(5.0f, h / 3.0f);
    RoundRect(b, 0, 0, float(w), float(h), r, LinearGradient({0, 0}, {0, float(h)}, top, bottom));
    // Glass highlight on the upper half.
    RoundRect(b, 2, 1.5f, float(w) - 2, float(h) * 0.45f, r, Col{1, 1, 1}, 0.07f);
    RoundRectOutline(b, 0.5f, 0.5f, w - 0.5f, h - 0.5f, r, 1.0f, edge, 0.95f);
    if (h >= 14 && w >= 40) Line(b, {3, 3}, {3, h - 3.f}, 2.0f, look == ButtonLook::Accent ? pal::kCyan : pal::kAmber);
    if (!label.empty()) {
        int px = textPx ? textPx : std::max(8, std::min(15, h - 7));
        bool bold = true;
        while (px > 7 && TextWidth(label, px, bold) > w - 10) --px;
        DrawTextShadowed(b, w / 2 + (h >= 14 && w >= 40 ? 1 : 0), h / 2, label, px, bold, pal::kText);
    }
    return b;
}

Layer ArrowButton(int w, int h, int dir, bool framed) {
    Layer b(w, h);
    if (framed) {
        float r = std::min(4.0f, std::min(w, h) / 3.0f);
        RoundRect(b, 0, 0, float(w), float(h), r, LinearGradient({0, 0}, {0, float(h)}, pal::kSteelLight, pal::kSteelDark));
        RoundRectOutline(b, 0.5f, 0.5f, w - 0.5f, h - 0.5f, r, 1.0f, pal::kCyan, 0.95f);
    }
    float cx = w / 2.0f, cy = h / 2.0f;
    float s = std::min(w, h) * 0.32f;
    std::vector<Pt> tri;
    switch (dir) {
        case 0: tri = {{cx, cy - s}, {cx + s * 1.2f, cy + s * 0.7f}, {cx - s * 1.2f, cy + s * 0.7f}}; break;
        case 1: tri = {{cx + s, cy}, {cx - s * 0.7f, cy + s * 1.2f}, {cx - s * 0.7f, cy - s * 1.2f}}; break;
        case 2: tri = {{cx, cy + s}, {cx - s * 1.2f, cy - s * 0.7f}, {cx + s * 1.2f, cy - s * 0.7f}}; break;
        default: tri = {{cx - s, cy}, {cx + s * 0.7f, cy - s * 1.2f}, {cx + s * 0.7f, cy + s * 1.2f}}; break;
    }
    FillPolygon(b, tri, pal::kAmber);
    return b;
}

}  // namespace ag
