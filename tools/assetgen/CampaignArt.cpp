// The campaign's pictures: the star map, the side menu and the backgrounds of
// every campaign screen. Each screen draws its own text and buttons over its
// picture at fixed places; the pictures put light plates wherever black text
// lands and keep dark, quiet ground under the grey values and lists.
// Coordinates below are screen coordinates minus the picture's top-left, so
// they can be checked against the places the screens write to.
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "Noise.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

const Col kPlateTop = Hex(0xdbe4ee);
const Col kPlateBottom = Hex(0xb3c1d0);
const Col kPlateEdge = Hex(0x2c7fa0);
const Col kWell = Hex(0x070b14);      // dark ground of lists and values
const Col kWellEdge = Hex(0x2d6d86);
// Article pictures of characters and misc entries are keyed on aqua.
constexpr Rgb kKeyAqua{0, 255, 255};

// A light plate that carries black text.
void Plate(Layer& l, float x0, float y0, float x1, float y1) {
    RoundRect(l, x0, y0, x1, y1, 3, LinearGradient({x0, y0}, {x0, y1}, kPlateTop, kPlateBottom));
    RoundRectOutline(l, x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, 3, 1.0f, kPlateEdge);
    Line(l, {x0 + 1.5f, y0 + 3}, {x0 + 1.5f, y1 - 3}, 1.5f, pal::kAmber, 0.9f);
}

// A dark recess for grey values and list rows.
void Well(Layer& l, float x0, float y0, float x1, float y1) {
    RoundRect(l, x0, y0, x1, y1, 3, kWell, 0.96f);
    RoundRectOutline(l, x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, 3, 1.0f, kWellEdge, 0.8f);
}

// A small cyan heading with an amber lead-in, for places no text of the screen reaches.
void Heading(Layer& l, int x, int y, const std::string& text) {
    DrawText(l, x + 1, y + 1, text, 11, true, Hex(0x000006), 0.8f);
    DrawText(l, x, y, text, 11, true, pal::kCyan);
    int w = TextWidth(text, 11, true);
    Line(l, {float(x), float(y + 15)}, {float(x + w), float(y + 15)}, 1.0f, pal::kCyan, 0.5f);
    Line(l, {float(x), float(y + 15)}, {float(x + std::min(w, 18)), float(y + 15)}, 2.0f, pal::kAmber);
}

// A round bay for a ship picture (the combat set-up's slots).
void Bay(Layer& l, float cx, float cy, bool enemy) {
    FillEllipse(l, cx, cy, 25, 25, Hex(0x0a1220));
    RingEllipse(l, cx, cy, 25, 25, 1.5f, enemy ? pal::kAmber : pal::kCyan);
    RingEllipse(l, cx, cy, 21, 21, 1.0f, Hex(0x2a3a52), 0.8f);
}

// The screen's frame: a blue-steel panel over the whole picture.
Layer Frame(int w, int h) {
    Layer l(w, h);
    Panel(l, 0, 0, float(w), float(h), 0.97f);
    return l;
}

// ---------------------------------------------------------------------------
// The star map: deep space with nebulae, dust lanes and a faint chart grid.
// Everything stays dark and soft so that the bright markers and the small
// race-coloured names on top of it read at a glance.
// ---------------------------------------------------------------------------
// Places (map x, y), reach and strength of extra cloud.
const float kCloudBias[][4] = {
    {360, 720, 230, 0.26f}, {120, 1020, 200, 0.16f}, {900, 620, 260, 0.10f},
    {1420, 1000, 240, 0.12f}, {520, 200, 240, 0.06f}, {1300, 300, 200, 0.08f},
};

Layer StarMap() {
    const int W = 1754, H = 1200;
    Layer l(W, H);
    // Nebula tints drift across the map: cold blue in the north, teal in the
    // west, violet in the middle and rust in the south-east.
    const Col north = Hex(0x1e2c6e), west = Hex(0x147585), middle = Hex(0x3e2064), south = Hex(0x6a2c1c);
    // The clouds are smooth, so they are painted at half size and enlarged.
    const int HW = W / 2 + 1, HH = H / 2;
    Layer clouds(HW, HH);
    for (int y = 0; y < HH; ++y) {
        float fy = float(y) / HH;
        for (int x = 0; x < HW; ++x) {
            float fx = float(x) / HW;
            // Warped noise gives the clouds their drawn-out, wind-blown shapes.
            float wx = Fbm2(x / 150.0f, y / 150.0f, 3, 911) - 0.5f;
            float wy = Fbm2(x / 150.0f + 31, y / 150.0f, 3, 912) - 0.5f;
            float n = Fbm2(x / 190.0f + wx * 2.2f, y / 190.0f + wy * 2.2f, 5, 901);
            // Thicker clouds where the map wants them: beside the home stars, in the middle
            // and in the raiders' south-east, so no part of the map is empty.
            for (const auto& b : kCloudBias) {
                float dx = (x * 2.0f - b[0]) / b[2], dy = (y * 2.0f - b[1]) / b[2];
                n += b[3] * std::exp(-(dx * dx + dy * dy));
            }
            float fine = Fbm2(x / 45.0f + wx * 3, y / 45.0f + wy * 3, 3, 902);
            float cloud = std::pow(Clamp01((n - 0.40f) * 2.3f), 1.5f) * (0.75f + 0.5f * fine);
            // Dust: soft dark patches that eat into the clouds.
            float d = Fbm2(x / 90.0f + wy * 4, y / 90.0f + wx * 4, 4, 903);
            float dust = Clamp01((d - 0.52f) * 3.0f);
            Col tint = Mix(Mix(west, north, Clamp01(1.2f - fy * 1.6f)), Mix(middle, south, Clamp01(fy * 1.5f - 0.4f)),
                           Clamp01(fx * 1.3f - 0.15f));
            Col c = Hex(0x03050b) + Hex(0x060a18) * (1 - fy * 0.5f);
            c = c + tint * (cloud * 0.62f);
            // Brighter cores where the clouds are thickest.
            c = c + Mix(tint, Hex(0xc0b0d8), 0.35f) * (std::pow(cloud, 3.0f) * 0.14f);
            c = c * (1.0f - dust * 0.6f);
            clouds.Put(x, y, c);
        }
    }
    l = clouds.Scaled(W, H);
    // The chart grid: every 100 units a faint line, every 500 a stronger one,
    // with small crosses where lines meet.
    const Col grid = Hex(0x1a3050);
    for (int x = 0; x < W; x += 50) {
        float a = x % 500 == 0 ? 0.30f : (x % 100 == 0 ? 0.16f : 0.06f);
        for (int y = 0; y < H; ++y) l.Over(x, y, grid, a);
    }
    for (int y = 0; y < H; y += 50) {
        float a = y % 500 == 0 ? 0.30f : (y % 100 == 0 ? 0.16f : 0.06f);
        for (int x = 0; x < W; ++x) l.Over(x, y, grid, a);
    }
    for (int y = 100; y < H; y += 100)
        for (int x = 100; x < W; x += 100) {
            Line(l, {x - 3.0f, y + 0.5f}, {x + 4.0f, y + 0.5f}, 1.0f, Hex(0x2a4a70), 0.45f);
            Line(l, {x + 0.5f, y - 3.0f}, {x + 0.5f, y + 4.0f}, 1.0f, Hex(0x2a4a70), 0.45f);
        }
    // Background stars: many tiny dim points, a few soft ones, none as
    // bright as the map's own star markers.
    Rng rng(907);
    const int stars = W * H / 140;
    for (int i = 0; i < stars; ++i) {
        float x = rng.Range(0, float(W)), y = rng.Range(0, float(H));
        float b = std::pow(rng.Uni(), 4.0f);
        Col tint = Mix(Hex(0x9fb4e0), Hex(0xe0d0b0), rng.Uni());
        if (b > 0.7f) Glow(l, x, y, 2.0f + b * 2.5f, tint, 0.22f * b);
        l.Add(int(x), int(y), tint * (0.12f + 0.45f * b), 1.0f);
    }
    return l;
}

// ---------------------------------------------------------------------------
// Side menu, drawn at (646, 0). Local x = screen x - 646.
// ---------------------------------------------------------------------------
Layer SideMenu() {
    const int W = 154, H = 600;
    Layer l(W, H);
    FillRect(l, 0, 0, W, H, Hex(0x111a28));
    RoundRect(l, 2, 0, W, H, 5, LinearGradient({0, 0}, {float(W), 0}, pal::kSteel, pal::kSteelDark));
    for (float y = 3; y < H - 3; y += 3) Line(l, {8, y}, {float(W) - 4, y}, 1.0f, pal::kSteelLight, 0.05f);
    // The edge toward the map: a cyan rail with amber ticks at each section.
    Line(l, {1.5f, 0}, {1.5f, float(H)}, 2.0f, pal::kCyan, 0.9f);
    Line(l, {5, 0}, {5, float(H)}, 1.0f, pal::kSteelLight, 0.7f);
    for (float y : {18.0f, 81.0f, 213.0f, 271.0f, 403.0f, 512.0f}) Line(l, {1, y}, {12, y}, 2.0f, pal::kAmber);
    RoundRectOutline(l, 8.5f, 3.5f, W - 3.5f, H - 3.5f, 4, 1.0f, pal::kSteelLight, 0.6f);

    // Location name (bold black at 27, 22), its particulars in grey below.
    Plate(l, 18, 18, 148, 37);
    Well(l, 18, 39, 148, 78);
    // "Number of planets" and the count at 123; the nine planet rows on buttons at 30..131, 100..207.
    Plate(l, 18, 81, 148, 97);
    Well(l, 18, 98, 148, 210);
    // "Military data": owner, asteroids, starbase in grey.
    Plate(l, 18, 213, 148, 229);
    Well(l, 18, 230, 148, 268);
    // "Fleets present" and the nine fleet rows on buttons at 290..397.
    Plate(l, 18, 271, 148, 287);
    Well(l, 18, 288, 148, 400);
    // "Controls": seven buttons at 422..505 with their labels.
    Plate(l, 18, 403, 148, 419);
    Well(l, 18, 420, 148, 508);
    // "Stardate", the date in grey at (47, 537) and the speed buttons at 28..129, 559..570.
    Plate(l, 18, 512, 148, 528);
    Well(l, 18, 531, 148, 576);
    Line(l, {26, 555.5f}, {140, 555.5f}, 1.0f, kWellEdge, 0.6f);
    // Row numbers beside the planet and fleet buttons.
    for (int k = 0; k < 9; ++k) {
        std::string n = std::to_string(k + 1);
        DrawTextCentred(l, 24, 105 + 12 * k, n, 8, true, pal::kCyan, 0.8f);
        DrawTextCentred(l, 24, 295 + 12 * k, n, 8, true, pal::kCyan, 0.8f);
    }
    // A small speed scale under the speed buttons.
    for (int i = 0; i < 4; ++i) {
        float x = 28 + 26.0f * i + 12;
        Line(l, {x, 572}, {x, 574}, 1.0f, pal::kAmber, 0.9f);
    }
    // Foot of the panel.
    DrawTextCentred(l, 83, 588, "STARWAKE  NAV", 8, true, pal::kCyan, 0.55f);
    return l;
}

// Planet and fleet lists (drawn at 10, 10): columns of pictures with black names and values.
Layer PlanetList() {
    Layer l = Frame(750, 300);
    Heading(l, 560, 8, "SURVEY");
    // One plate for all columns: names at x + 55 and values at x + 65 of columns 45, 220, 395, 570.
    Plate(l, 18, 24, 732, 290);
    for (int c = 1; c < 4; ++c) {
        float x = 35 + 175.0f * c - 8;
        Line(l, {x, 32}, {x, 282}, 1.0f, Hex(0x8194a8), 0.7f);
    }
    for (int r = 1; r < 3; ++r) {
        float y = 30 + 90.0f * r - 6;
        Line(l, {26, y}, {724, y}, 1.0f, Hex(0x9aabbc), 0.5f);
    }
    // Soft dark discs where the planet pictures sit, so their dark limbs do not vanish into the plate.
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 3; ++r) {
            float cx = 45 + 175.0f * c + 20, cy = 40 + 90.0f * r + 20;
            FillEllipse(l, cx, cy, 25, 25, Hex(0x0c1422), 0.9f);
            RingEllipse(l, cx, cy, 25, 25, 1.0f, kPlateEdge, 0.8f);
        }
    return l;
}

// System view and event screen (drawn at 10, 10): an orbital chart in the middle,
// grey particulars in the corners. Wide enough for the owner and starbase lines at x 520.
Layer SystemView() {
    Layer l = Frame(640, 580);
    Well(l, 18, 24, 622, 566);
    // The chart: centre (310, 270), orbits drawn by the screen from radius 70 outward.
    for (int r = 260; r > 0; r -= 4) {
        float t = r / 260.0f;
        RingEllipse(l, 310, 270, float(r), float(r), 4.5f, Hex(0x0c1830), 0.22f * (1 - t));
    }
    Line(l, {50, 270.5f}, {570, 270.5f}, 1.0f, Hex(0x1a2c48), 0.6f);
    Line(l, {310.5f, 20}, {310.5f, 530}, 1.0f, Hex(0x1a2c48), 0.6f);
    for (int a = 0; a < 360; a += 15) {
        float rad = a * float(M_PI) / 180;
        float r0 = a % 90 == 0 ? 244 : 250;
        Line(l, {310 + std::cos(rad) * r0, 270 + std::sin(rad) * r0},
             {310 + std::cos(rad) * 256, 270 + std::sin(rad) * 256}, 1.0f, Hex(0x2d6d86), 0.7f);
    }
    // Headings' corners: particulars at (30, 40) and (510, 40); planet and fleet rows at y 410 on.
    RoundRectOutline(l, 24.5f, 34.5f, 200.5f, 128.5f, 3, 1.0f, Hex(0x1e3a54), 0.8f);
    RoundRectOutline(l, 504.5f, 34.5f, 616.5f, 92.5f, 3, 1.0f, Hex(0x1e3a54), 0.8f);
    Line(l, {28, 392}, {200, 392}, 1.0f, pal::kAmber, 0.6f);
    Line(l, {508, 392}, {616, 392}, 1.0f, pal::kAmber, 0.6f);
    // No heading: the same panel is the system view and the event screen.
    return l;
}

// Planet panel (drawn at 10, 10), also under the landing and mining reports.
Layer PlanetPanel() {
    Layer l = Frame(600, 290);
    // Picture at (31, 47), name at (86, 37), values at x 94 from y 53: black on a plate.
    Plate(l, 18, 30, 300, 98);
    FillEllipse(l, 51, 67, 24, 24, Hex(0x0c1422), 0.9f);
    RingEllipse(l, 51, 67, 24, 24, 1.0f, kPlateEdge);
    // The actions: buttons at (471, 62..101) with labels, on a plate.
    Plate(l, 462, 56, 584, 106);
    Heading(l, 470, 30, "ACTIONS");
    // The expedition report: pictures at (58, 178), (178, 148), (328, 208), (478, 148); grey text.
    Well(l, 18, 118, 584, 276);
    for (int x = 40; x < 580; x += 30) Line(l, {float(x), 122}, {float(x), 272}, 1.0f, Hex(0x0f1e30), 0.6f);
    for (int y = 128; y < 272; y += 30) Line(l, {22, float(y)}, {580, float(y)}, 1.0f, Hex(0x0f1e30), 0.6f);
    Heading(l, 30, 122, "EXPEDITION");
    return l;
}

// Mission logs (drawn at 10, 10): fourteen rows, two page buttons below.
Layer Logs() {
    Layer l = Frame(590, 290);
    Heading(l, 30, 14, "MISSION LOG");
    Well(l, 20, 46, 570, 258);
    for (int i = 0; i < 14; ++i) {
        float y = 51 + 14.0f * i;
        if (i % 2 == 1) FillRect(l, 24, y, 566, y + 14, Hex(0x0e1626), 0.9f);
    }
    Line(l, {470, 50}, {470, 254}, 1.0f, Hex(0x1e3a54), 0.9f);
    // Page buttons at (25, 265) and (473, 265) with their black labels.
    Plate(l, 20, 262, 134, 280);
    Plate(l, 468, 262, 582, 280);
    return l;
}

// Fleet panel (drawn at 10, 10).
Layer FleetPanel() {
    Layer l = Frame(600, 420);
    // Fleet name in black at (40, 21).
    Plate(l, 30, 18, 336, 35);
    // Fleet particulars in grey: labels at x 50, values at x 110, y 40..190.
    Well(l, 30, 38, 226, 206);
    // Race picture at (260, 54), 50 x 46.
    RoundRect(l, 254, 50, 316, 104, 4, Hex(0x0a1220));
    RoundRectOutline(l, 254.5f, 50.5f, 315.5f, 103.5f, 4, 1.0f, pal::kCyan, 0.8f);
    // "Actions" (232, 38), the action buttons at (238, 106..141); "Subsystems" (232, 152), "Access" button (238, 166).
    Plate(l, 228, 35, 342, 51);
    Plate(l, 228, 104, 342, 144);
    Plate(l, 228, 149, 342, 179);
    // Ship list, seven rows at (360.., 38..), between the scroll buttons at 23 and 133.
    Well(l, 346, 36, 584, 133);
    // Selected class name (350, 149) in black; crew and structure buttons at (395..509, 175..186) and 188.
    Plate(l, 346, 146, 584, 162);
    Plate(l, 346, 172, 584, 201);
    // Description and class values in green-grey from (350, 215); the schematic at (40, 218).
    Well(l, 346, 208, 584, 404);
    Well(l, 30, 212, 336, 404);
    Heading(l, 400, 4, "FLEET");
    return l;
}

// Communication screen (drawn at 10, 10).
Layer Communication() {
    Layer l = Frame(600, 390);
    // The portrait window at (35, 35), 250 x 191.
    RoundRect(l, 29, 29, 291, 232, 4, Hex(0x02040a));
    RoundRectOutline(l, 29.5f, 29.5f, 290.5f, 231.5f, 4, 1.5f, pal::kCyan);
    for (float y = 35; y < 227; y += 2) Line(l, {35, y}, {285, y}, 1.0f, Hex(0x0a1a2a), 0.35f);
    // What the other side says, bold grey from (315, 30).
    Well(l, 304, 26, 584, 232);
    // "Respond" (27, 242) and the three answer buttons at (31, 258..293).
    Plate(l, 22, 239, 130, 255);
    Well(l, 22, 256, 584, 296);
    // "Racial info" (27, 302), the race picture at (29, 320), info lines at (90.., 317..) and (350, 317).
    Plate(l, 22, 299, 130, 315);
    Well(l, 22, 316, 584, 378);
    RoundRectOutline(l, 26.5f, 318.5f, 82.5f, 370.5f, 3, 1.0f, pal::kCyan, 0.7f);
    // The relation scale: the marker stands at x = 2 r + 353 between y 355 and 368.
    const float x0 = 353, x1 = 553, y0 = 356, y1 = 368;
    for (int x = int(x0); x <= int(x1); ++x) {
        float r = (x - x0) / 2.0f;
        Col c = r <= 30 ? Hex(0x8a2a22) : (r <= 70 ? Hex(0x8a6a22) : Hex(0x2a7a3a));
        Line(l, {x + 0.5f, y0}, {x + 0.5f, y1}, 1.0f, c, 0.85f);
    }
    RoundRectOutline(l, x0 - 1.5f, y0 - 1.5f, x1 + 1.5f, y1 + 1.5f, 2, 1.0f, kWellEdge);
    Heading(l, 440, 4, "COMMUNICATION");
    return l;
}

// Encounter menu (drawn at 180, 130): the four choices on buttons at (104, 131..178).
Layer Encounter() {
    Layer l = Frame(240, 200);
    Heading(l, 18, 12, "CONTACT");
    // A scanner scope on the left.
    const float cx = 52, cy = 138, r = 36;
    FillEllipse(l, cx, cy, r, r, Hex(0x03100c));
    for (int k = 1; k <= 3; ++k) RingEllipse(l, cx, cy, r * k / 3, r * k / 3, 1.0f, Hex(0x1f8a5a), 0.7f);
    Line(l, {cx - r, cy}, {cx + r, cy}, 1.0f, Hex(0x1f8a5a), 0.6f);
    Line(l, {cx, cy - r}, {cx, cy + r}, 1.0f, Hex(0x1f8a5a), 0.6f);
    FillPolygon(l, {{cx, cy}, {cx + r, cy - 4}, {cx + r * 0.9f, cy - r * 0.45f}}, Hex(0x4fe0a0), 0.35f);
    Glow(l, cx + 17, cy - 12, 5, Hex(0xff6a4a), 1.0f);
    RingEllipse(l, cx, cy, r, r, 1.5f, pal::kCyan);
    // A warning strip across the top.
    for (int i = 0; i < 11; ++i) {
        float x = 18 + i * 19.0f;
        FillPolygon(l, {{x, 40}, {x + 9, 40}, {x + 4, 48}, {x - 5, 48}}, pal::kAmber, 0.8f);
    }
    Line(l, {18, 52}, {222, 52}, 1.0f, pal::kCyan, 0.6f);
    DrawText(l, 18, 60, "Unknown fleet on the scope.", 11, false, Hex(0xb8c8e8));
    DrawText(l, 18, 75, "Choose your answer:", 11, false, Hex(0xb8c8e8));
    // Labels at (110, 130..) on the buttons; a plate frames them.
    Plate(l, 98, 126, 214, 184);
    return l;
}

// Combat set-up (drawn at 10, 10).
Layer CombatSetup() {
    Layer l = Frame(600, 540);
    Heading(l, 440, 4, "BATTLE ORDERS");
    // The player's ship list between the scroll buttons at (29, 54) and (29, 149).
    Well(l, 26, 52, 268, 164);
    // Battle particulars in grey at (300, 56..126); the enemy's race picture at (515, 75).
    Well(l, 290, 50, 584, 140);
    RoundRectOutline(l, 510.5f, 70.5f, 570.5f, 126.5f, 3, 1.0f, pal::kAmber, 0.8f);
    // One plate for both fleets: slot names in black at x 100, slot labels beside the bays.
    Plate(l, 90, 196, 500, 522);
    Line(l, {98, 359}, {430, 359}, 1.0f, Hex(0x7a8aa0), 0.9f);
    DrawText(l, 100, 200, "YOUR FLEET", 11, true, Hex(0x10406a));
    DrawText(l, 100, 504, "ENEMY", 11, true, Hex(0x6a3a10));
    const float bays[6][2] = {{334, 226}, {408, 263}, {482, 299}, {334, 485}, {408, 448}, {482, 412}};
    for (int i = 0; i < 6; ++i) Bay(l, bays[i][0], bays[i][1], i >= 3);
    const int rows[6] = {240, 277, 313, 456, 419, 383};
    for (int y : rows) Line(l, {100, float(y + 13)}, {290, float(y + 13)}, 1.0f, Hex(0x506070), 0.6f);
    // The launch button's recess at (517, 319), 73 x 73.
    FillEllipse(l, 553.5f, 355.5f, 40, 40, Hex(0x1a0806));
    RingEllipse(l, 553.5f, 355.5f, 40, 40, 1.5f, pal::kAmber);
    return l;
}

// Logistics (drawn at 100, 10). Local x = screen x - 100.
Layer Logistics() {
    Layer l = Frame(420, 385);
    // "Cargo bay" (30, 50) and twelve cargo buttons at (35, 65..208).
    Plate(l, 22, 47, 150, 63);
    Well(l, 22, 63, 150, 212);
    // "VIP quarters" (30, 218) and twelve VIP buttons at (35, 233..376).
    Plate(l, 22, 215, 150, 231);
    Well(l, 22, 231, 150, 380);
    // "Blueprints available" (166, 51); the design list between scrolls at 67 and 162.
    Plate(l, 162, 48, 406, 64);
    Well(l, 164, 78, 406, 163);
    // Totals in grey (168, 179..) and the Manufacture / Database buttons at (302, 181) and 193.
    Well(l, 164, 176, 296, 208);
    Plate(l, 298, 178, 406, 208);
    // "Ships in fleet" (166, 218); the entry list between scrolls at 234 and 329.
    Plate(l, 162, 215, 406, 231);
    Well(l, 164, 245, 406, 330);
    Well(l, 164, 343, 296, 375);
    Plate(l, 298, 345, 406, 375);
    Heading(l, 250, 4, "LOGISTICS");
    return l;
}

// Database (drawn at 10, 10).
Layer Database() {
    Layer l = Frame(600, 440);
    // The six category buttons at (43, 40..111) with black labels.
    Plate(l, 36, 36, 150, 126);
    // The entry list between the scroll buttons at (152, 25) and (152, 105).
    Well(l, 150, 38, 390, 104);
    Heading(l, 420, 30, "DATABASE");
    DrawText(l, 420, 52, "Unlocked articles of", 10, false, Hex(0x8a9ab8));
    DrawText(l, 420, 64, "the Guard's archive.", 10, false, Hex(0x8a9ab8));
    // The article: picture at (40, 218) and lines from y 215 on.
    Well(l, 24, 134, 584, 426);
    Line(l, {30, 206}, {578, 206}, 1.0f, pal::kAmber, 0.5f);
    return l;
}

// Find a star (drawn at 200, 250).
Layer FindAStar() {
    Layer l = Frame(300, 90);
    Heading(l, 20, 6, "FIND A STAR");
    // The search text at (25, 46), the caret from y 48 to 58.
    Well(l, 18, 40, 282, 62);
    // "Close" and "Find" on buttons at (75, 67) and (180, 67).
    Plate(l, 70, 65, 286, 81);
    return l;
}

// Trade screen (drawn at 10, 10).
Layer Trade() {
    Layer l = Frame(610, 535);
    Heading(l, 450, 4, "TRADE POST");
    // The portrait window at (40, 65), 250 x 191.
    RoundRect(l, 34, 59, 296, 262, 4, Hex(0x02040a));
    RoundRectOutline(l, 34.5f, 59.5f, 295.5f, 261.5f, 4, 1.5f, pal::kCyan);
    // Race picture at (520, 60); the post's terms and the fleet's stores in grey from (320, 55).
    Well(l, 310, 50, 596, 240);
    RoundRectOutline(l, 515.5f, 56.5f, 575.5f, 110.5f, 3, 1.0f, pal::kAmber, 0.8f);
    // Blueprints for sale between scrolls at (24, 280) and (24, 375); "Buy blueprint" button at (159, 390).
    Well(l, 26, 278, 262, 376);
    Plate(l, 150, 387, 270, 403);
    // Ships for sale between (24, 405) and (24, 499); "Buy ship" button at (159, 514).
    Well(l, 26, 403, 262, 500);
    Plate(l, 150, 511, 270, 527);
    // The player's ships between (361, 280) and (361, 375); "Sell ship" button at (496, 390).
    Well(l, 363, 278, 598, 376);
    Plate(l, 486, 387, 604, 403);
    // Fuel and crew: buttons at (492, 435), (492, 448) and (492, 496).
    Plate(l, 482, 431, 604, 462);
    Plate(l, 482, 492, 604, 509);
    DrawText(l, 370, 437, "Fuel depot", 11, true, pal::kCyan);
    DrawText(l, 370, 498, "Crew quarters", 11, true, pal::kCyan);
    return l;
}

// ---------------------------------------------------------------------------
// Pictures the tutorial's own files name: the misc articles' pictures.
// ---------------------------------------------------------------------------

// A misc article's picture (200 x 150).
// The database's pictures of things that are not ships, races or people: the Wake's lanes, the
// fuel circle, and the Kru relay (a grey hub spinning a red-gold web toward a gate).
enum class MiscTopic { Wake, Fuel, Relay };

Layer MiscPicture(MiscTopic topic) {
    const bool fuel = topic == MiscTopic::Fuel;
    Layer l(200, 150);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            float n = Fbm2(x / 50.0f, y / 50.0f, 4, fuel ? 921 : 922);
            l.Put(x, y, Hex(0x060814) + Mix(Hex(0x1a2a6a), Hex(0x5a2a6a), n) * (n * 0.6f));
        }
    Rng rng(fuel ? 5 : 6);
    for (int i = 0; i < 140; ++i) l.Add(rng.Int(200), rng.Int(150), Hex(0xd0d8ff), rng.Range(0.2f, 0.9f));
    if (fuel) {
        // A fuel circle around a fleet marker, with a route leaving it.
        RingEllipse(l, 80, 80, 55, 55, 1.2f, Hex(0x83859d));
        Line(l, {80, 80}, {170, 40}, 1.0f, Hex(0x6a6a6a));
        FillEllipse(l, 80, 80, 3, 3, Hex(0x87ceeb));
        Glow(l, 170, 40, 8, Hex(0xffe060), 0.9f);
    } else if (topic == MiscTopic::Relay) {
        // The relay: a hub with four arms, its web of light, a beam to a far gate ring.
        RingEllipse(l, 165, 35, 18, 12, 2.0f, Hex(0xd8b04a), 0.8f);
        FillEllipse(l, 165, 35, 12, 7, Hex(0x3a0a08));
        Line(l, {75, 90}, {160, 38}, 1.5f, Hex(0xff7a3a), 0.8f);
        for (int k = 1; k < 4; ++k) RingEllipse(l, 75, 90, 14.0f + k * 14, 8.0f + k * 8, 1.0f, Hex(0xd8904a), 0.5f);
        for (int a = 0; a < 4; ++a) {
            const float ang = a * 1.5708f + 0.4f;
            Line(l, {75, 90}, {75 + std::cos(ang) * 30, 90 + std::sin(ang) * 18}, 4.0f, Hex(0x6a6e76));
        }
        FillEllipse(l, 75, 90, 10, 8, Hex(0x8a8e96));
        Glow(l, 75, 90, 5, Hex(0xff3a2a), 0.9f);
    } else {
        // The lanes of the Wake: a bright ribbon across the stars.
        for (int k = 0; k < 5; ++k)
            Polyline(l, {{0, 120.0f - k * 3}, {60, 96.0f - k * 2}, {130, 60.0f - k}, {200, 30.0f - k * 2}}, 2.0f,
                     Mix(Hex(0x6ad0ff), Hex(0xffc080), k / 4.0f), 0.35f);
    }
    RoundRectOutline(l, 0.5f, 0.5f, 199.5f, 149.5f, 3, 1.0f, Hex(0x2c7fa0));
    return l;
}

// The plain blueprint sheet (220 x 150) under a vessel the campaign drew no schematic for: the
// grid, a centre cross where the ship's own picture is laid, and a title block.
Layer BlueprintSheet() {
    Layer l(220, 150);
    FillRect(l, 0, 0, 220, 150, Hex(0x0c2448));
    for (int x = 0; x < 220; x += 10) Line(l, {x + 0.5f, 0}, {x + 0.5f, 150}, 1.0f, Hex(0x2a5a8a), x % 50 ? 0.3f : 0.7f);
    for (int y = 0; y < 150; y += 10) Line(l, {0, y + 0.5f}, {220, y + 0.5f}, 1.0f, Hex(0x2a5a8a), y % 50 ? 0.3f : 0.7f);
    const Col ink = Hex(0xd8ecff);
    RingEllipse(l, 110, 75, 62, 62, 1.0f, ink, 0.35f);
    Line(l, {110.5f, 8}, {110.5f, 142}, 1.0f, ink, 0.25f);
    Line(l, {40, 75.5f}, {180, 75.5f}, 1.0f, ink, 0.25f);
    RoundRectOutline(l, 160.5f, 128.5f, 215.5f, 145.5f, 1, 1.0f, ink, 0.6f);
    DrawText(l, 165, 131, "SURVEY", 8, true, ink);
    RoundRectOutline(l, 0.5f, 0.5f, 219.5f, 149.5f, 2, 1.0f, ink, 0.6f);
    return l;
}

// The system view's picture of a starbase (100 x 100, black key): a ring station.
Layer StarbaseBig() {
    Layer l(100, 100);
    const float c = 50;
    Glow(l, c, c, 46, Hex(0x3a6aa8), 0.35f);
    RingEllipse(l, c, c, 38, 38, 7, Hex(0x5a6a80));
    RingEllipse(l, c, c, 38, 38, 1.2f, Hex(0xb8c8dc));
    for (int k = 0; k < 6; ++k) {
        float a = k * float(M_PI) / 3;
        Line(l, {c + std::cos(a) * 10, c + std::sin(a) * 10}, {c + std::cos(a) * 35, c + std::sin(a) * 35}, 3, Hex(0x46566c));
        FillEllipse(l, c + std::cos(a) * 38, c + std::sin(a) * 38, 4, 4, Hex(0x8aa0b8));
        Glow(l, c + std::cos(a + 0.5f) * 38, c + std::sin(a + 0.5f) * 38, 3, Hex(0xffb23c), 0.9f);
    }
    FillEllipse(l, c, c, 12, 12, LinearGradient({38, 38}, {62, 62}, Hex(0xd8e4f0), Hex(0x3a4a60)));
    Glow(l, c, c, 8, Hex(0x4fe0ff), 0.7f);
    return l;
}

}  // namespace

// A button face that carries black text: the campaign's row and action buttons.
Layer PlateButton(int w, int h) {
    Layer b(w, h);
    RoundRect(b, 0, 0, float(w), float(h), 2.5f, LinearGradient({0, 0}, {0, float(h)}, Hex(0xe6edf5), Hex(0xaab9c9)));
    RoundRectOutline(b, 0.5f, 0.5f, w - 0.5f, h - 0.5f, 2.5f, 1.0f, kPlateEdge);
    Line(b, {1.5f, 2}, {1.5f, h - 2.0f}, 1.5f, pal::kAmber);
    return b;
}

void MakeCampaign(Output& out) {
    out.Image("graphics/map", Keyed(StarMap(), kKeyRed));
    out.Image("graphics/sidemenu1", Keyed(SideMenu(), kKeyRed));
    out.Image("graphics/pmenu", Keyed(PlanetList(), kKeyRed));
    out.Image("graphics/plmenu", Keyed(SystemView(), kKeyRed));
    out.Image("graphics/pbmenu", Keyed(PlanetPanel(), kKeyRed));
    out.Image("graphics/logs", Keyed(Logs(), kKeyRed));
    out.Image("graphics/flmenu", Keyed(FleetPanel(), kKeyRed));
    out.Image("graphics/commenu", Keyed(Communication(), kKeyRed));
    out.Image("graphics/dse_menu", Keyed(Encounter(), kKeyRed));
    out.Image("graphics/combatmenu", Keyed(CombatSetup(), kKeyRed));
    out.Image("graphics/logeng", Keyed(Logistics(), kKeyRed));
    out.Image("graphics/dbmenu", Keyed(Database(), kKeyRed));
    out.Image("graphics/findastar", Keyed(FindAStar(), kKeyRed));
    out.Image("graphics/tradescreen", Keyed(Trade(), kKeyRed));
    out.Image("graphics/builtin/mg/starbase", Keyed(StarbaseBig(), kKeyBlack));
    out.Image("graphics/blueprint", Keyed(BlueprintSheet(), kKeyBlack));

    // The tutorial's misc articles (the portraits are the story's, the schematics the vessels' own).
    const std::string tutorial = "graphics/campaigns/tutorial/";
    out.Image(tutorial + "misc_wake", Keyed(MiscPicture(MiscTopic::Wake), kKeyAqua));
    out.Image(tutorial + "misc_fuel", Keyed(MiscPicture(MiscTopic::Fuel), kKeyAqua));
    out.Image(tutorial + "misc_relay", Keyed(MiscPicture(MiscTopic::Relay), kKeyAqua));
}

}  // namespace ag
