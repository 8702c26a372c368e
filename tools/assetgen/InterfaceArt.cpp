// The built-in images of the four image lists: menu and options buttons,
// the cursor, dogfight set-up controls, battle stars, asteroids and icons,
// and the campaign map's stars, buttons and location pictures.
#include <cmath>

#include "Art.h"
#include "Noise.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

void SaveRed(Output& out, const std::string& list, const std::string& name, const Layer& l) {
    out.Image("graphics/builtin/" + list + "/" + name, Keyed(l, kKeyRed));
}
void SaveBlack(Output& out, const std::string& list, const std::string& name, const Layer& l) {
    out.Image("graphics/builtin/" + list + "/" + name, Keyed(l, kKeyBlack));
}

Layer Cursor() {
    Layer l(24, 24);
    std::vector<Pt> arrow = {{1, 1}, {1, 19}, {5.5f, 15}, {9, 22}, {12, 20.5f}, {8.5f, 13.5f}, {15, 13.5f}};
    FillPolygon(l, Transform(arrow, 1, 1), Hex(0x0a1020));
    FillPolygon(l, arrow, LinearGradient({1, 1}, {12, 20}, Hex(0xe8fbff), Hex(0x7fd6ee)));
    Polyline(l, arrow, 1.0f, Hex(0x123048), 1.0f, true);
    return l;
}

Layer Star(int size, Col c, float glow) {
    Layer l(size, size);
    float m = size / 2.0f;
    if (size <= 2) { l.Fill(c * glow, 1.0f); return l; }
    Glow(l, m, m, m, c, glow);
    l.Put(int(m), int(m), Mix(c, Col{1, 1, 1}, 0.6f));
    return l;
}

Layer Asteroid(int size, uint32_t seed) {
    Layer l(size, size);
    float c = size / 2.0f, R = size * 0.45f;
    std::vector<Pt> outline;
    Rng rng(seed);
    const int n = 22;
    std::vector<float> radii(n);
    for (int i = 0; i < n; ++i) radii[i] = R * rng.Range(0.72f, 1.0f);
    for (int i = 0; i < n; ++i) {
        float r = (radii[i] + radii[(i + 1) % n] + radii[(i + n - 1) % n]) / 3;
        float a = 2 * float(M_PI) * i / n;
        outline.push_back({c + std::cos(a) * r, c + std::sin(a) * r * 0.86f});
    }
    Col base = Mix(Hex(0x6d6459), Hex(0x5a5e66), rng.Uni());
    FillPolygon(l, outline, [&](float x, float y) {
        float dx = (x - c) / R, dy = (y - c) / R;
        float nz = std::sqrt(std::max(0.0f, 1 - dx * dx - dy * dy));
        float light = Clamp01(-dx * 0.55f - dy * 0.6f + nz * 0.6f);
        float tex = Fbm2(x * 0.18f, y * 0.18f, 3, seed);
        float crater = ValueNoise2(x * 0.11f, y * 0.11f, seed + 3);
        float k = 0.25f + 0.9f * light * (0.7f + 0.5f * tex);
        if (crater > 0.72f) k *= 0.6f;
        return base * k;
    });
    Polyline(l, outline, 1.0f, Hex(0x2a2622), 0.8f, true);
    return l;
}

Layer Person(Col suit, Col visor) {
    Layer l(6, 10);
    FillEllipse(l, 3, 2, 2, 2, suit);
    FillRect(l, 1, 4, 5, 8, suit);
    FillRect(l, 1, 8, 2.6f, 10, suit);
    FillRect(l, 3.4f, 8, 5, 10, suit);
    l.Put(3, 2, visor);
    return l;
}

Layer TraitIcon(int which) {
    Layer l(15, 15);
    if (which == 0) {  // cybernetic: a chip with circuit legs
        for (int i = 0; i < 3; ++i) {
            float p = 4.5f + i * 3;
            Line(l, {p, 0.5f}, {p, 14.5f}, 1.0f, Hex(0x58c8e8));
            Line(l, {0.5f, p}, {14.5f, p}, 1.0f, Hex(0x58c8e8));
        }
        FillRect(l, 3, 3, 12, 12, Hex(0x1a3a52));
        FillRect(l, 4, 4, 11, 11, Hex(0x3fb4e4));
        FillRect(l, 6, 6, 9, 9, Hex(0xd8f6ff));
    } else if (which == 1) {  // organic: a living cell
        FillEllipse(l, 7.5f, 7.5f, 6.8f, 6.2f, Hex(0x2f8a34));
        FillEllipse(l, 7.5f, 7.5f, 5.2f, 4.6f, Hex(0x71d05a));
        FillEllipse(l, 9, 6, 2.2f, 2.0f, Hex(0x1c5220));
        FillEllipse(l, 5, 9.5f, 1.2f, 1.0f, Hex(0xc8f5a0));
    } else {  // resilient: a plated shield
        std::vector<Pt> sh = {{7.5f, 0.8f}, {14, 3}, {13, 9}, {7.5f, 14.5f}, {2, 9}, {1, 3}};
        FillPolygon(l, sh, LinearGradient({0, 0}, {0, 15}, Hex(0xffd06a), Hex(0xb06a14)));
        Polyline(l, sh, 1.0f, Hex(0x5a3208), 1.0f, true);
        Line(l, {7.5f, 2.5f}, {7.5f, 12.5f}, 1.4f, Hex(0xfff2c8));
    }
    return l;
}

Layer Sun(int size, Col c, bool big, uint32_t seed) {
    Layer l(size, size);
    float m = size / 2.0f;
    float R = big ? size * 0.34f : size * 0.32f;
    Glow(l, m, m, m, c, big ? 0.8f : 0.9f);
    FillEllipse(l, m, m, R, R, [&](float x, float y) {
        float dx = (x - m) / R, dy = (y - m) / R;
        float d = std::sqrt(dx * dx + dy * dy);
        float gran = big ? Fbm2(x * 0.12f, y * 0.12f, 3, seed) : 0.5f;
        Col hot = Mix(c, Col{1, 1, 0.95f}, 0.65f);
        return Mix(hot, c, Clamp01(d * d)) * (0.85f + 0.3f * gran);
    });
    return l;
}

Layer Icon(int kind, int size) {
    Layer l(size, size);
    float m = size / 2.0f, r = size * 0.42f;
    switch (kind) {
        case 0:  // star base: ring and hub
            RingEllipse(l, m, m, r, r, size * 0.14f, Hex(0x9ad8ff));
            FillEllipse(l, m, m, r * 0.35f, r * 0.35f, Hex(0xffc060));
            break;
        case 1: {  // debris field
            Rng rng(77 + size);
            for (int i = 0; i < 6; ++i)
                FillEllipse(l, rng.Range(2, size - 2.f), rng.Range(2, size - 2.f), size * 0.1f, size * 0.08f,
                            Hex(0xa89c88));
            break;
        }
        case 2:  // black hole
            RingEllipse(l, m, m, r, r * 0.5f, size * 0.12f, Hex(0xff9a40));
            FillEllipse(l, m, m, r * 0.45f, r * 0.45f, Hex(0x0a0a10));
            RingEllipse(l, m, m, r * 0.5f, r * 0.5f, 1.0f, Hex(0xffd8a0));
            break;
        case 3:  // wormhole
            for (int i = 0; i < 3; ++i)
                RingEllipse(l, m, m, r * (1 - i * 0.3f), r * (1 - i * 0.3f), 1.2f, Mix(Hex(0x60f0ff), Hex(0xb060ff), i / 2.f));
            break;
        default:  // phenomenon
            Glow(l, m, m, r * 1.2f, Hex(0xd070ff), 1.0f);
            FillEllipse(l, m, m, r * 0.3f, r * 0.3f, Hex(0xffe0ff));
            break;
    }
    return l;
}

Layer BigLocation(int kind) {
    const int s = 100;
    Layer l(s, s);
    float m = s / 2.0f;
    Rng rng(900 + kind);
    if (kind == 1) {  // debris field
        for (int i = 0; i < 38; ++i) {
            float x = rng.Range(8, 92), y = rng.Range(18, 82), sz = rng.Range(2, 8);
            std::vector<Pt> shard;
            for (int k = 0; k < 5; ++k) {
                float a = k * 1.256f + rng.Range(-0.3f, 0.3f);
                shard.push_back({x + std::cos(a) * sz * rng.Range(0.5f, 1), y + std::sin(a) * sz * rng.Range(0.5f, 1)});
            }
            FillPolygon(l, shard, Mix(Hex(0x8a8070), Hex(0x5a6a7a), rng.Uni()));
            if (rng.Uni() < 0.3f) Glow(l, x, y, sz * 1.5f, Hex(0xff8030), 0.5f);
        }
    } else if (kind == 2) {  // black hole with accretion disc
        for (float t = 1.0f; t > 0.35f; t -= 0.02f)
            RingEllipse(l, m, m, 46 * t, 18 * t, 1.6f, Mix(Hex(0xffe0a0), Hex(0xb03010), t), 0.6f);
        Glow(l, m, m, 30, Hex(0xff9040), 0.6f);
        FillEllipse(l, m, m, 14, 14, Hex(0x0a0810));
        RingEllipse(l, m, m, 15, 15, 1.5f, Hex(0xfff0d0));
    } else if (kind == 3) {  // wormhole
        for (int i = 0; i < 14; ++i) {
            float t = i / 13.0f;
            RingEllipse(l, m + t * 6, m - t * 4, 44 * (1 - t * 0.8f), 40 * (1 - t * 0.8f), 2.0f,
                        Mix(Hex(0x40d0ff), Hex(0xa050ff), t), 0.8f);
        }
        Glow(l, m + 6, m - 4, 16, Hex(0xffffff), 0.9f);
    } else {  // phenomenon: swirling aurora
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x) {
                float dx = x - m, dy = y - m, d = std::sqrt(dx * dx + dy * dy) / m;
                if (d >= 1) continue;
                float a = std::atan2(dy, dx) + d * 4;
                float v = 0.5f + 0.5f * std::sin(a * 3 + Fbm2(x * 0.05f, y * 0.05f, 3, 5) * 6);
                float k = (1 - d) * v;
                if (k > 0.05f) l.Over(x, y, Mix(Hex(0x50ffb0), Hex(0xe060ff), v), Clamp01(k * 1.4f));
            }
    }
    return l;
}

Layer LandingPicture(int stage) {
    Layer l(60, 60);
    RoundRect(l, 0, 0, 60, 60, 5, LinearGradient({0, 0}, {0, 60}, Hex(0x1c3040), Hex(0x3a2c1e)));
    // Ground line.
    std::vector<Pt> ground = {{0, 44}, {14, 40}, {30, 43}, {46, 38}, {60, 42}, {60, 60}, {0, 60}};
    FillPolygon(l, ground, Hex(0x6a5238));
    if (stage == 1) {  // landing craft
        FillPolygon(l, {{30, 14}, {42, 34}, {18, 34}}, Hex(0xc8d4e0));
        Line(l, {20, 34}, {16, 41}, 2, Hex(0x9aa8b8));
        Line(l, {40, 34}, {44, 41}, 2, Hex(0x9aa8b8));
        Glow(l, 30, 37, 7, Hex(0xffb040), 0.8f);
    } else if (stage == 2) {  // scout rover
        RoundRect(l, 16, 30, 44, 38, 3, Hex(0xd0b060));
        FillEllipse(l, 20, 40, 4, 4, Hex(0x303030));
        FillEllipse(l, 40, 40, 4, 4, Hex(0x303030));
        Line(l, {38, 30}, {42, 20}, 1.5f, Hex(0xc0c0c0));
        Glow(l, 42, 20, 4, Hex(0x60f0ff), 0.9f);
    } else if (stage == 3) {  // excavator
        RoundRect(l, 12, 28, 36, 40, 3, Hex(0xe0a030));
        Line(l, {32, 30}, {46, 22}, 3, Hex(0xb08020));
        Line(l, {46, 22}, {50, 36}, 3, Hex(0xb08020));
        FillPolygon(l, {{46, 34}, {56, 36}, {50, 42}}, Hex(0x909090));
    } else {  // artifact
        FillPolygon(l, {{30, 10}, {40, 28}, {30, 46}, {20, 28}}, LinearGradient({20, 10}, {40, 46}, Hex(0xc0f8ff), Hex(0x3070c0)));
        Glow(l, 30, 28, 24, Hex(0x70e0ff), 0.7f);
    }
    RoundRectOutline(l, 0.5f, 0.5f, 59.5f, 59.5f, 5, 1.0f, pal::kCyan);
    return l;
}

}  // namespace

void MakeBuiltins(Output& out) {
    // Front-end list.
    const char* menu[][2] = {{"start", "New Campaign"}, {"men_load", "Load Game"}, {"dog", "Dogfight"},
                             {"credits", "Credits"},    {"men_options", "Options"}, {"exit", "Exit"}};
    for (auto& m : menu)
        SaveRed(out, "main", m[0], Button(113, 23, m[1], std::string(m[0]) == "exit" ? ButtonLook::Danger : ButtonLook::Normal));
    SaveRed(out, "main", "back", Button(59, 23, "Back", ButtonLook::Accent));
    SaveBlack(out, "main", "cursor", Cursor());
    const char* ops[] = {"Back",        "Load Campaign", "Save Campaign", "Brightness", "Sound Effects", "Music",
                         "Game Speed",  "Battle Pointers", "End Battle", "Quit to Menu", "Exit Game"};
    for (int i = 0; i < 11; ++i) {
        int w = (i >= 3 && i <= 7) ? 163 : 243;
        ButtonLook look = i == 0 ? ButtonLook::Accent : (i == 10 ? ButtonLook::Danger : ButtonLook::Normal);
        SaveRed(out, "main", "op" + std::to_string(i + 1), Button(w, 23, ops[i], look));
    }
    SaveRed(out, "main", "op_controls", Button(243, 23, "Controls", ButtonLook::Normal));
    SaveRed(out, "main", "ctl_defaults", Button(113, 23, "Defaults", ButtonLook::Normal));
    SaveRed(out, "main", "oppad_dz", Button(125, 23, "Stick Dead Zone", ButtonLook::Normal));
    SaveRed(out, "main", "oppad_sens", Button(125, 23, "Stick Sensitivity", ButtonLook::Normal));
    SaveRed(out, "main", "opa_l", ArrowButton(24, 23, 3));
    SaveRed(out, "main", "opa_r", ArrowButton(24, 23, 1));
    SaveRed(out, "main", "cont_but", Button(73, 18, "Continue", ButtonLook::Accent, 11));
    SaveRed(out, "main", "canc_but", Button(73, 18, "Cancel", ButtonLook::Normal, 11));
    SaveRed(out, "main", "scroll_up", ArrowButton(236, 12, 0));
    SaveRed(out, "main", "scroll_down", ArrowButton(236, 12, 2));

    // Dogfight set-up list.
    SaveRed(out, "df", "a_right", ArrowButton(12, 54, 1));
    SaveRed(out, "df", "a_left", ArrowButton(12, 54, 3));
    SaveRed(out, "df", "a_right_big", ArrowButton(12, 104, 1));
    SaveRed(out, "df", "a_left_big", ArrowButton(12, 104, 3));
    SaveRed(out, "df", "bback", Button(59, 23, "Back", ButtonLook::Normal));
    SaveRed(out, "df", "bstart", Button(59, 23, "Fight!", ButtonLook::Accent));
    SaveRed(out, "df", "plus", Button(26, 11, "+", ButtonLook::Normal, 11));
    SaveRed(out, "df", "minus", Button(26, 11, "-", ButtonLook::Normal, 11));
    SaveRed(out, "df", "plus1", Button(26, 11, "+", ButtonLook::Accent, 11));
    SaveRed(out, "df", "minus1", Button(26, 11, "-", ButtonLook::Accent, 11));
    SaveRed(out, "df", "AI", Button(73, 34, "Computer", ButtonLook::Accent, 13));
    SaveRed(out, "df", "noAI", Button(73, 34, "Player", ButtonLook::Normal, 13));
    SaveRed(out, "df", "opa_l", ArrowButton(24, 23, 3));
    SaveRed(out, "df", "opa_r", ArrowButton(24, 23, 1));
    SaveRed(out, "df", "mod_selector", Button(221, 23, "Installed Add-ons", ButtonLook::Normal));
    // The set-up's "Network" and "Replays" buttons, and the Network panel: its plate and its
    // Host, Join and Back buttons.
    SaveRed(out, "df", "bnetwork", Button(94, 23, "Network", ButtonLook::Normal));
    SaveRed(out, "df", "breplays", Button(94, 23, "Replays", ButtonLook::Normal));
    {
        Layer plate(460, 280);
        Panel(plate, 0, 0, 460, 280, 1.0f);
        // A rule under the title.
        Line(plate, {16, 44}, {444, 44}, 1.0f, pal::kCyan, 0.45f);
        SaveRed(out, "df", "net_panel", plate);
    }
    SaveRed(out, "df", "net_host", Button(100, 26, "Host", ButtonLook::Accent));
    SaveRed(out, "df", "net_join", Button(100, 26, "Join", ButtonLook::Accent));
    SaveRed(out, "df", "net_back", Button(100, 26, "Back", ButtonLook::Normal));

    // Battle list (black key).
    SaveBlack(out, "m", "star1", Star(5, Hex(0xf4f8ff), 1.0f));
    SaveBlack(out, "m", "star2", Star(3, Hex(0xdce6ff), 0.9f));
    SaveBlack(out, "m", "star3", Star(2, Hex(0x9aa8c8), 0.8f));
    SaveBlack(out, "m", "star4", Star(1, Hex(0x6a7490), 0.8f));
    const int astSizes[5] = {72, 60, 54, 46, 40};
    for (int i = 0; i < 5; ++i) SaveBlack(out, "m", "asteroid" + std::to_string(i + 1), Asteroid(astSizes[i], 400 + i));
    SaveBlack(out, "m", "man_alive", Person(Hex(0x58e070), Hex(0xe0fff0)));
    SaveBlack(out, "m", "man_alive_not", Person(Hex(0x3a4150), Hex(0x4a5060)));
    SaveBlack(out, "m", "man_marine", Person(Hex(0xff5a4a), Hex(0xffe0c0)));
    SaveBlack(out, "m", "cybernetic", TraitIcon(0));
    SaveBlack(out, "m", "organic", TraitIcon(1));
    SaveBlack(out, "m", "resiliant", TraitIcon(2));

    // Campaign list.
    const char* colours[] = {"Red", "White", "Blue", "Yellow", "Green", "Orange"};
    const uint32_t hexes[] = {0xff5a3c, 0xf4f4ff, 0x6aa8ff, 0xffe060, 0x70ff90, 0xffa030};
    for (int i = 0; i < 6; ++i) {
        SaveBlack(out, "mg", std::string(colours[i]) + "_star", Sun(14, Hex(hexes[i]), false, 0));
        SaveBlack(out, "mg", std::string(colours[i]) + "_big", Sun(122, Hex(hexes[i]), true, 600 + i));
    }
    const char* speeds[] = {"II", ">", ">>", ">>>"};
    for (int i = 0; i < 4; ++i) SaveRed(out, "mg", "speed" + std::to_string(i), Button(24, 11, speeds[i], ButtonLook::Normal, 9));
    SaveRed(out, "mg", "but_small", PlateButton(101, 11));
    SaveBlack(out, "mg", "but_close", Button(41, 8, "Close", ButtonLook::Danger, 8));
    SaveRed(out, "mg", "scroll_up", ArrowButton(236, 12, 0));
    SaveRed(out, "mg", "scroll_down", ArrowButton(236, 12, 2));
    SaveRed(out, "mg", "scroll_left", ArrowButton(15, 11, 3));
    SaveRed(out, "mg", "scroll_right", ArrowButton(15, 11, 1));
    SaveBlack(out, "mg", "respond", PlateButton(546, 11));
    SaveBlack(out, "mg", "but_small_res", PlateButton(39, 11));
    SaveRed(out, "mg", "plus", Button(26, 11, "+", ButtonLook::Normal, 11));
    SaveRed(out, "mg", "minus", Button(26, 11, "-", ButtonLook::Normal, 11));
    {
        Layer launch(73, 73);
        FillEllipse(launch, 36.5f, 36.5f, 35, 35, LinearGradient({0, 0}, {0, 73}, Hex(0x8a2a22), Hex(0x2a0a08)));
        RingEllipse(launch, 36.5f, 36.5f, 34, 34, 2.0f, pal::kAmber);
        RingEllipse(launch, 36.5f, 36.5f, 28, 28, 1.0f, Hex(0xff8a6a), 0.7f);
        DrawTextShadowed(launch, 36, 36, "LAUNCH", 13, true, pal::kText);
        SaveRed(out, "mg", "launch", launch);
    }
    const char* icons[] = {"sb_icon", "der_icon", "bhole_icon", "whole_icon", "phenom_icon"};
    const int iconKinds[] = {0, 1, 2, 3, 4};
    for (int i = 0; i < 5; ++i) SaveBlack(out, "mg", icons[i], Icon(iconKinds[i], 14));
    SaveBlack(out, "mg", "debree", BigLocation(1));
    SaveBlack(out, "mg", "bhole", BigLocation(2));
    SaveBlack(out, "mg", "whole", BigLocation(3));
    SaveBlack(out, "mg", "phenom", BigLocation(4));
    for (int i = 1; i <= 4; ++i) SaveRed(out, "mg", "map_p" + std::to_string(i), LandingPicture(i));
}

}  // namespace ag
