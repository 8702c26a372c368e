// Event scenes of the places, people and battles along the way: the fleet at home, the
// beacon, the courier's wreck, the gate, the lattice, the choir, raids, wrecks, spores, the
// forge dock, and the lanes for every other name.
#include <cmath>

#include "Art.h"
#include "EventArt.h"
#include "EventScenes.h"
#include "Style.h"

namespace ag::scene {

namespace {
constexpr float W = kEventW, H = kEventH;
}

void Vanguard(Layer& l, Rng&, uint32_t seed, const std::string&) {  // the fleet over its home world
    Starfield(l, seed, Hex(0x1e2c6e), Hex(0x147585));
    DrawWorld(l, 70, 190, 110, "verdant");
    Glow(l, 280, 30, 40, Hex(0xfff0c0), 0.6f);
    Hull(l, 190, 90, 3.0f, -0.5f, kGuardHull);
    Hull(l, 150, 70, 1.8f, -0.5f, kGuardHull);
    Hull(l, 220, 130, 1.8f, -0.5f, kGuardHull);
    Hull(l, 160, 120, 2.4f, -0.5f, Hex(0x6a8ac8));
}

void Survey(Layer& l, Rng&, uint32_t seed, const std::string&) {  // the beacon singing over an icy world
    Starfield(l, seed, Hex(0x1a3a6a), Hex(0x2a2a5a));
    DrawWorld(l, 150, 210, 120, "glacis");
    for (int k = 1; k <= 5; ++k) RingEllipse(l, 210, 60, k * 12.0f, k * 12.0f, 1.2f, pal::kCyan, 0.9f - k * 0.15f);
    FillPolygon(l, {{210, 50}, {218, 60}, {210, 70}, {202, 60}}, Hex(0xd8e8f8));
    Glow(l, 210, 60, 10, pal::kAmber, 1.0f);
}

void Core(Layer& l, Rng&, uint32_t seed, const std::string&) {  // a wreck on a burning world, its core still lit
    Starfield(l, seed, Hex(0x3a1a10), Hex(0x1a1020));
    DrawWorld(l, 150, 330, 220, "cinder");
    FillPolygon(l, {{90, 150}, {170, 128}, {200, 140}, {150, 160}, {100, 168}}, Hex(0x4a5260));
    FillPolygon(l, {{190, 150}, {240, 162}, {230, 172}, {196, 166}}, Hex(0x3a4250));
    Line(l, {170, 128}, {185, 110}, 2.0f, Hex(0x6a7280));
    Glow(l, 150, 148, 14, pal::kCyan, 1.0f);
    FillEllipse(l, 150, 148, 4, 4, Hex(0xe0fcff));
}

void Gate(Layer& l, Rng&, uint32_t seed, const std::string&) {  // a dark ring of light turning in space
    Starfield(l, seed, Hex(0x2a1050), Hex(0x102050));
    for (int k = 0; k < 40; ++k) {
        float a = k * 0.157f;
        RingEllipse(l, 150, 115, 70 + std::sin(a * 3) * 4, 58, 2.0f, Mix(Hex(0x8a4aff), pal::kCyan, k / 40.0f), 0.08f);
    }
    FillEllipse(l, 150, 115, 62, 50, Hex(0x05030a));
    RingEllipse(l, 150, 115, 66, 54, 3.0f, kGateRim, 0.9f);
    Glow(l, 150, 115, 50, Hex(0x4a2a9a), 0.35f);
    Hull(l, 40, 200, 1.6f, -0.6f, kGuardHull);
}

void Crystal(Layer& l, Rng& r, uint32_t seed, const std::string& n) {  // living crystal: a shard or a lattice
    Starfield(l, seed, Hex(0x0c2a4a), Hex(0x143a5a));
    int shards = Has(n, "lattice") ? 14 : 1;
    for (int i = 0; i < shards; ++i) {
        float x = shards == 1 ? 150 : r.Range(30, W - 30), y = shards == 1 ? 115 : r.Range(30, H - 30);
        float h = shards == 1 ? 80 : r.Range(14, 30);
        std::vector<Pt> p = {{x, y - h}, {x + h * 0.3f, y - h * 0.2f}, {x + h * 0.15f, y + h * 0.6f}, {x - h * 0.2f, y + h * 0.5f}, {x - h * 0.3f, y - h * 0.3f}};
        Glow(l, x, y, h * 0.9f, Hex(0x3ab8d8), 0.5f);
        FillPolygon(l, p, LinearGradient({x - h, y - h}, {x + h, y + h}, Hex(0xe0f8ff), Hex(0x1a6a8a)));
        Polyline(l, p, 1.2f, Hex(0xc0f0ff), 0.9f, true);
        if (shards > 1 && i > 0) Line(l, {x, y}, {150, 115}, 1.0f, Hex(0x6ad8f0), 0.35f);
    }
    if (shards > 1) Glow(l, 150, 115, 30, Hex(0xe0f8ff), 0.9f);
}

void Song(Layer& l, Rng& r, uint32_t seed, const std::string& n) {  // ribbons of song over a gas world
    Starfield(l, seed, Hex(0x3a1a5a), Hex(0x5a2a6a));
    DrawWorld(l, 150, 290, 150, "tempest");
    const bool choir = Has(n, "choir");
    int ribbons = choir ? 12 : 6;
    for (int i = 0; i < ribbons; ++i) {
        std::vector<Pt> v;
        float x0 = 150 + (i - ribbons / 2.0f) * (choir ? 18.0f : 8.0f), ph = r.Range(0, 6);
        for (int k = 0; k <= 24; ++k) v.push_back({x0 + std::sin(k * 0.45f + ph) * 16, 200 - k * 8.0f});
        Polyline(l, v, 2.5f, Mix(Hex(0xb060d0), Hex(0xffd8ff), r.Uni()), 0.6f);
    }
    Glow(l, 150, 80, 30, Hex(0xffd8ff), 0.6f);
}

void Raid(Layer& l, Rng& r, uint32_t seed, const std::string&) {  // barbed raiders over a burning convoy
    Starfield(l, seed, Hex(0x5a1a0a), Hex(0x2a0a10));
    for (int i = 0; i < 5; ++i) Hull(l, r.Range(60, 260), r.Range(40, 120), r.Range(1.6f, 2.4f), 2.6f, Hex(0xa04a2a), true);
    FillRect(l, 80, 170, 150, 190, Hex(0x6a5a4a));
    FillRect(l, 160, 176, 210, 194, Hex(0x5a4a3a));
    Glow(l, 130, 178, 26, Hex(0xff7a2a), 0.9f);
    Glow(l, 190, 184, 16, Hex(0xffb23c), 0.8f);
    for (int i = 0; i < 8; ++i) Line(l, {r.Range(60, 260), r.Range(40, 120)}, {r.Range(80, 210), r.Range(170, 194)}, 1.0f, Hex(0xffa040), 0.6f);
}

void Wreck(Layer& l, Rng& r, uint32_t seed, const std::string& n) {  // a ship breaking apart
    const bool dark = Has(n, "death"), kru = Has(n, "kru");
    Starfield(l, seed, dark ? Hex(0x100810) : Hex(0x2a1a3a), dark ? Hex(0x080810) : Hex(0x1a2a4a));
    Col hull = kru ? kKruHull : (Has(n, "victory") ? Hex(0xa04a2a) : kGuardHull);
    Glow(l, 150, 115, dark ? 70 : 50, kru ? kKruRed : Hex(0xffb23c), dark ? 0.5f : 0.9f);
    for (int i = 0; i < 14; ++i) {
        float a = r.Range(0, 6.28f), d = r.Range(20, 100);
        float x = 150 + std::cos(a) * d, y = 115 + std::sin(a) * d * 0.7f;
        FillPolygon(l, {{x, y}, {x + r.Range(4, 14), y + r.Range(-6, 6)}, {x + r.Range(-6, 6), y + r.Range(4, 12)}}, hull * r.Range(0.4f, 1.0f));
    }
    if (kru) for (int k = 1; k < 4; ++k) RingEllipse(l, 150, 115, 40.0f + k * 22, 20.0f + k * 10, 2, kKruGold, 0.5f);
    if (Has(n, "loss")) for (int i = 0; i < 4; ++i) Glow(l, 60 + i * 20.0f, 190 - i * 6.0f, 3, pal::kCyan, 1.0f);
    if (dark) {  // the flagship's two halves drifting apart, cold
        FillPolygon(l, {{70, 150}, {140, 118}, {150, 132}, {132, 140}, {84, 162}}, Hex(0x3a4a6a));
        FillPolygon(l, {{162, 108}, {236, 80}, {244, 92}, {176, 126}, {168, 118}}, Hex(0x2a3a5a));
        Line(l, {140, 118}, {150, 132}, 2.0f, Hex(0xff7a2a), 0.8f);
        Line(l, {162, 108}, {168, 118}, 2.0f, Hex(0xff7a2a), 0.8f);
    }
}

void Spores(Layer& l, Rng& r, uint32_t seed, const std::string&) {  // drifting spore clouds
    Starfield(l, seed, Hex(0x1a3a0a), Hex(0x2a4a1a));
    for (int i = 0; i < 40; ++i) {
        float x = r.Range(0, W), y = r.Range(0, H), rr = r.Range(4, 22);
        FillEllipse(l, x, y, rr, rr, Hex(0x6a9a2a), 0.25f);
        Glow(l, x, y, rr * 0.5f, Hex(0xd8ff5a), 0.25f);
    }
    Hull(l, 150, 120, 2.2f, -0.3f, kGuardHull);
}

void Dorn(Layer& l, Rng& r, uint32_t seed, const std::string&) {  // a forge dock under sparks
    Starfield(l, seed, Hex(0x3a2a10), Hex(0x2a1a0a));
    for (int i = 0; i < 4; ++i) FillRect(l, 30 + i * 70.0f, 40, 44 + i * 70.0f, H, Hex(0x2a241c));
    FillRect(l, 0, 150, W, 164, Hex(0x3a3024));
    for (int i = 0; i < 15; ++i) FillPolygon(l, {{i * 20.0f, 150}, {i * 20.0f + 10, 150}, {i * 20.0f + 4, 164}, {i * 20.0f - 6, 164}}, pal::kAmber, 0.7f);
    Hull(l, 150, 100, 3.0f, 0.0f, kGuardHull);
    for (int i = 0; i < 30; ++i) Glow(l, 150 + r.Range(-50, 50), 100 + r.Range(-20, 30), 1.5f, Hex(0xffd890), 1.0f);
}

void Lanes(Layer& l, Rng&, uint32_t seed, const std::string&) {  // a lone ship and its fuel circle in the dark
    Starfield(l, seed, Hex(0x101a3a), Hex(0x0a1020));
    RingEllipse(l, 150, 120, 80, 80, 1.2f, Hex(0x83859d), 0.8f);
    Line(l, {150, 120}, {270, 40}, 1.0f, Hex(0x6a6a7a));
    Glow(l, 270, 40, 8, Hex(0xffe060), 0.9f);
    Hull(l, 150, 120, 2.0f, -0.6f, kGuardHull);
}

}  // namespace ag::scene
