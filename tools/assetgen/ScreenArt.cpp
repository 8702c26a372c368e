// Backdrops of the front-end screens and of the battle's before and after
// screens. Every place the screens draw text or buttons on is laid out here
// so that labels land on plates made for them.
#include <cmath>

#include "Art.h"
#include "Noise.h"
#include "Style.h"
#include "Text.h"

namespace ag {

namespace {

const Col kPlate = Hex(0xc2cfdc);      // light plates that carry black text
const Col kPlateEdge = Hex(0x2c7fa0);

void LightPlate(Layer& l, float x0, float y0, float x1, float y1) {
    RoundRect(l, x0, y0, x1, y1, 4, LinearGradient({x0, y0}, {x0, y1}, Hex(0xd6e0ea), Hex(0xaebccb)));
    RoundRectOutline(l, x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, 4, 1.0f, kPlateEdge);
}

void Title(Layer& l, int cx, int cy, const std::string& text, int px) {
    DrawTextCentred(l, cx, cy + 2, text, px, true, Hex(0x000008), 0.8f);
    DrawTextCentred(l, cx, cy, text, px, true, pal::kText);
    int w = TextWidth(text, px, true);
    Line(l, {float(cx - w / 2), float(cy + px / 2 + 4)}, {float(cx + w / 2), float(cy + px / 2 + 4)}, 1.5f, pal::kCyan, 0.8f);
    Line(l, {float(cx - w / 2), float(cy + px / 2 + 4)}, {float(cx - w / 2 + 30), float(cy + px / 2 + 4)}, 2.5f, pal::kAmber);
}

Layer Menu() {
    Layer l(800, 600);
    SpaceBackground(l, 11, 1.0f, Hex(0x2a3a9a), Hex(0x9a3a8a));
    // A distant ringed world low on the left.
    DrawWorld(l, 130, 660, 280, "abyssal");
    Title(l, 400, 150, "STARWAKE", 64);
    DrawTextCentred(l, 400, 215, "combat along the Wake", 18, false, Hex(0xb8c8e8));
    Panel(l, 355, 305, 508, 493);
    return l;
}

Layer Credits() {
    Layer l(800, 600);
    SpaceBackground(l, 23, 0.8f, Hex(0x1a4a7a), Hex(0x3a2a6a));
    Title(l, 400, 120, "CREDITS", 40);
    Panel(l, 130, 215, 670, 435, 0.85f);
    RoundRect(l, 40, 550, 760, 580, 5, pal::kSteelDark, 0.9f);
    RoundRectOutline(l, 40.5f, 550.5f, 759.5f, 579.5f, 5, 1.0f, pal::kCyan, 0.7f);
    return l;
}

Layer Options() {
    Layer l(800, 600);
    SpaceBackground(l, 31, 0.9f, Hex(0x1a3a6a), Hex(0x2a6a7a));
    Title(l, 400, 170, "OPTIONS", 40);
    // Tall enough for the Controls button above the Back button.
    Panel(l, 275, 205, 555, 555);
    for (int i = 0; i < 5; ++i) {
        float y = 328 + 27 * i;
        LightPlate(l, 485, y, 511, y + 23);
    }
    // The game pad's stick: dead zone and sensitivity, beside the other settings.
    Panel(l, 565, 300, 794, 392);
    DrawText(l, 579, 306, "GAME PAD", 11, true, pal::kCyan);
    for (int i = 0; i < 2; ++i) {
        float y = 328 + 27 * i;
        LightPlate(l, 731, y, 757, y + 23);
    }
    return l;
}

// Both pilots' keys and pad buttons: one panel, the two columns of commands drawn by the game.
Layer Controls() {
    Layer l(800, 600);
    SpaceBackground(l, 37, 0.9f, Hex(0x1a3a6a), Hex(0x3a2a6a));
    Title(l, 400, 62, "CONTROLS", 40);
    Panel(l, 50, 112, 750, 545);
    Line(l, {400, 128}, {400, 428}, 1.0f, pal::kCyan, 0.4f);
    return l;
}

// Tall enough to cover the menu's button panel behind it (the selector is drawn over the menu).
Layer Selector() {
    Layer l(276, 352);
    Panel(l, 0, 0, 276, 352, 0.96f);
    Inset(l, 18, 14, 258, 58);
    Inset(l, 22, 82, 254, 246);
    return l;
}

Layer TitleImage(const std::string& text) {
    Layer l(236, 40);
    DrawTextCentred(l, 118, 19, text, 22, true, pal::kCyan);
    Line(l, {20, 34}, {216, 34}, 1.0f, pal::kAmber, 0.9f);
    return l;
}

// The dogfight set-up screen; mask regions are copied from it afterwards.
Layer SetupBackground() {
    Layer l(800, 600);
    SpaceBackground(l, 47, 0.7f, Hex(0x1a2a5a), Hex(0x4a2a5a));
    // Left column: race and ship browsers, information and density.
    Panel(l, 28, 62, 305, 548);
    Inset(l, 54, 86, 279, 142);
    Inset(l, 54, 190, 279, 246);
    DrawText(l, 58, 70, "RACES", 11, true, pal::kCyan);
    DrawText(l, 58, 174, "SHIPS", 11, true, pal::kCyan);
    LightPlate(l, 40, 247, 293, 476);
    Inset(l, 119, 264, 215, 346);
    LightPlate(l, 154, 484, 250, 512);
    // Top: planets.
    Panel(l, 312, 62, 772, 200);
    Inset(l, 334, 84, 750, 190);
    DrawText(l, 340, 66, "BATTLEFIELD", 11, true, pal::kCyan);
    // Right: the two fleets.
    Panel(l, 318, 222, 790, 570);
    // One plate for both fleets: the slot buttons of the two sides meet in the middle, so the
    // divider stops short of them.
    LightPlate(l, 324, 240, 784, 556);
    Line(l, {330, 395}, {600, 395}, 1.0f, Hex(0x7a8aa0), 0.9f);
    DrawText(l, 332, 244, "SIDE 1", 11, true, Hex(0x10406a));
    DrawText(l, 332, 540, "SIDE 2", 11, true, Hex(0x6a3a10));
    const float bays[6][2] = {{564, 258}, {638, 295}, {712, 331}, {564, 517}, {638, 480}, {712, 444}};
    for (auto& b : bays) {
        FillEllipse(l, b[0], b[1], 25, 25, Hex(0x0a1220));
        RingEllipse(l, b[0], b[1], 25, 25, 1.5f, b[1] < 400 ? pal::kCyan : pal::kAmber);
    }
    // Name lines for the fleet slots.
    const int rows[6] = {272, 309, 345, 488, 451, 415};
    for (int y : rows) Line(l, {330, float(y + 13)}, {528, float(y + 13)}, 1.0f, Hex(0x506070), 0.6f);
    // Selection frames at the centre slot of each browser.
    RoundRectOutline(l, 140, 88, 192, 140, 3, 1.5f, pal::kAmber);
    RoundRectOutline(l, 143, 196, 189, 242, 3, 1.5f, pal::kAmber);
    RoundRectOutline(l, 492, 86, 598, 188, 4, 1.5f, pal::kAmber);
    Title(l, 400, 30, "DOGFIGHT", 24);
    return l;
}

Layer SetupMask(const Layer& bg) {
    Layer m(800, 600);
    auto copy = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) m.Put(x, y, bg.Get(x, y), bg.Alpha(x, y));
    };
    copy(0, 80, 54, 250);    // left of the race and ship browsers
    copy(279, 80, 334, 250); // between the browsers and the planets
    copy(750, 80, 800, 200); // right of the planets
    RoundRectOutline(m, 54.5f, 86.5f, 278.5f, 141.5f, 4, 1.5f, pal::kCyan);
    RoundRectOutline(m, 54.5f, 190.5f, 278.5f, 245.5f, 4, 1.5f, pal::kCyan);
    RoundRectOutline(m, 334.5f, 84.5f, 749.5f, 189.5f, 4, 1.5f, pal::kCyan);
    return m;
}

Layer BeforeBattle() {
    Layer l(800, 600);
    SpaceBackground(l, 61, 0.9f, Hex(0x3a1a5a), Hex(0x1a3a7a));
    for (int side = 0; side < 2; ++side) {
        float x = side == 0 ? 25 : 475;
        Panel(l, x, 140, x + 300, 452, 0.75f);
        Inset(l, x + 40, 150, x + 260, 350);
        RoundRect(l, x + 10, 410, x + 290, 442, 4, Hex(0x0a1424), 0.9f);
    }
    Title(l, 400, 70, "PREPARE FOR BATTLE", 30);
    DrawTextShadowed(l, 400, 300, "VS", 44, true, pal::kAmber);
    RoundRect(l, 320, 572, 480, 598, 5, Hex(0x0a1424), 0.9f);
    return l;
}

Layer AfterBattle() {
    Layer l(800, 600);
    SpaceBackground(l, 73, 0.8f, Hex(0x1a3a5a), Hex(0x5a3a1a));
    Panel(l, 22, 22, 232, 560, 0.8f);
    Panel(l, 568, 22, 778, 560, 0.8f);
    Panel(l, 262, 150, 538, 440, 0.8f);
    Inset(l, 290, 180, 510, 380);
    Title(l, 400, 60, "BATTLE REPORT", 30);
    DrawTextCentred(l, 400, 168, "VICTOR", 12, true, pal::kAmber);
    RoundRect(l, 320, 572, 480, 598, 5, Hex(0x0a1424), 0.9f);
    return l;
}

}  // namespace

void MakeScreens(Output& out) {
    out.Image("graphics/lgamemenu", Keyed(Menu(), kKeyBlack));
    out.Image("graphics/credits", Keyed(Credits(), kKeyBlack));
    out.Image("graphics/options", Keyed(Options(), kKeyRed));
    out.Image("graphics/controls", Keyed(Controls(), kKeyRed));
    out.Image("graphics/selector", Keyed(Selector(), kKeyRed));
    out.Image("graphics/tit_new_camp", Keyed(TitleImage("NEW CAMPAIGN"), kKeyBlack));
    out.Image("graphics/tit_load", Keyed(TitleImage("LOAD GAME"), kKeyBlack));
    out.Image("graphics/tit_save", Keyed(TitleImage("SAVE GAME"), kKeyBlack));
    out.Image("graphics/tit_new_mod", Keyed(TitleImage("ADD-ONS"), kKeyBlack));
    Layer bg = SetupBackground();
    out.Image("graphics/lgui", Keyed(bg, kKeyRed));
    out.Image("graphics/lgui_mask", Keyed(SetupMask(bg), kKeyRed));
    out.Image("graphics/bbattle", Keyed(BeforeBattle(), kKeyBlack));
    out.Image("graphics/abattle", Keyed(AfterBattle(), kKeyBlack));
}

}  // namespace ag
