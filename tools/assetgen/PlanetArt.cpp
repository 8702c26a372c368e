// Planets: lit spheres with noise-textured surfaces, a soft terminator and
// an atmosphere rim. One picture per entry of the planet list, and the
// campaign's sheet of 25 small worlds.
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

enum class World { Terran, Lava, Ice, Gas, Desert, Ocean, Barren, Toxic };

struct Look {
    World kind;
    Col low, mid, high, atmo;
};

Look LookFor(const std::string& name, uint32_t seed) {
    std::string n = Lower(name);
    if (n.find("verdant") != std::string::npos) return {World::Terran, Hex(0x1a4a8a), Hex(0x3a8a3a), Hex(0xe8e0c8), Hex(0x7ac8ff)};
    if (n.find("cinder") != std::string::npos) return {World::Lava, Hex(0x1a100c), Hex(0x4a2a1a), Hex(0xff7a1a), Hex(0xff8a4a)};
    if (n.find("glacis") != std::string::npos) return {World::Ice, Hex(0x6a8aa8), Hex(0xc8dcec), Hex(0xffffff), Hex(0xc0f0ff)};
    if (n.find("tempest") != std::string::npos) return {World::Gas, Hex(0x8a5a3a), Hex(0xd8b888), Hex(0xf8ecd8), Hex(0xffd8a0)};
    if (n.find("umber") != std::string::npos) return {World::Desert, Hex(0x6a3a1a), Hex(0xc8843a), Hex(0xf0d0a0), Hex(0xffc890)};
    if (n.find("abyssal") != std::string::npos) return {World::Ocean, Hex(0x0a1a4a), Hex(0x1a4a9a), Hex(0x8ad8ff), Hex(0x5aa8ff)};
    Rng r(seed);
    const Look presets[] = {
        {World::Terran, Hex(0x1a3a6a), Hex(0x5a7a3a), Hex(0xd8d0c0), Hex(0x8ad0ff)},
        {World::Lava, Hex(0x20100a), Hex(0x5a2a1a), Hex(0xffa030), Hex(0xff9a5a)},
        {World::Ice, Hex(0x5a7a98), Hex(0xb8cce0), Hex(0xffffff), Hex(0xb0e8ff)},
        {World::Gas, Hex(0x3a5a8a), Hex(0x8ab8d8), Hex(0xe8f4ff), Hex(0xa8d8ff)},
        {World::Desert, Hex(0x5a2a1a), Hex(0xb86a3a), Hex(0xe8c090), Hex(0xffb080)},
        {World::Ocean, Hex(0x0a2a3a), Hex(0x1a6a7a), Hex(0xa0f0e0), Hex(0x70e0d0)},
        {World::Barren, Hex(0x2a2a2a), Hex(0x6a6a66), Hex(0xb0b0a8), Hex(0x909090)},
        {World::Toxic, Hex(0x2a3a0a), Hex(0x8aa82a), Hex(0xe8f08a), Hex(0xc8ff60)},
    };
    return presets[r.Int(8)];
}

void Sphere(Layer& l, float cx, float cy, float R, const Look& look, uint32_t seed, int octaves) {
    const float Lx = -0.62f, Ly = -0.48f, Lz = 0.62f;
    float freq = look.kind == World::Gas ? 1.6f : 2.6f;
    int x0 = std::max(0, int(cx - R - 3)), x1 = std::min(l.w - 1, int(cx + R + 3));
    int y0 = std::max(0, int(cy - R - 3)), y1 = std::min(l.h - 1, int(cy + R + 3));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / R, dy = (y + 0.5f - cy) / R;
            float d2 = dx * dx + dy * dy;
            float d = std::sqrt(d2);
            if (d > 1.0f + 2.5f / R) continue;
            float nz = std::sqrt(std::max(0.0f, 1 - d2));
            float diffuse = dx * Lx + dy * Ly + nz * Lz;
            float light = Clamp01(diffuse * 1.25f + 0.05f);
            light = light * light * (3 - 2 * light);  // soft terminator
            Col c;
            float n = Fbm3(dx * freq, dy * freq, nz * freq, octaves, seed);
            switch (look.kind) {
                case World::Gas: {
                    float band = std::sin(dy * 11 + n * 5) * 0.5f + 0.5f;
                    c = Mix(Mix(look.low, look.mid, band), look.high, Clamp01((n - 0.55f) * 3));
                    break;
                }
                case World::Terran:
                case World::Ocean: {
                    float landLevel = look.kind == World::Ocean ? 0.6f : 0.5f;
                    c = n < landLevel ? Mix(look.low, look.low * 1.4f, n / landLevel)
                                      : Mix(look.mid, look.mid * 0.6f, (n - landLevel) * 3);
                    float cloud = Fbm3(dx * 4 + 9, dy * 4, nz * 4, 3, seed + 5);
                    c = Mix(c, look.high, Clamp01((cloud - 0.55f) * 3.5f));
                    c = Mix(c, look.high, Clamp01((std::fabs(dy) - 0.82f) * 8));  // polar caps
                    break;
                }
                case World::Lava: {
                    float crack = std::pow(Clamp01(1 - std::fabs(n - 0.5f) * 14), 2.0f);
                    c = Mix(look.low, look.mid, n);
                    c = Mix(c, look.high, crack);
                    light = std::max(light, crack * 0.9f);  // glowing cracks on the night side
                    break;
                }
                default:
                    c = n < 0.5f ? Mix(look.low, look.mid, n * 2) : Mix(look.mid, look.high, (n - 0.5f) * 2);
                    if (look.kind == World::Barren || look.kind == World::Desert) {
                        float crater = ValueNoise3(dx * 7, dy * 7, nz * 7, seed + 9);
                        if (crater > 0.78f) c = c * 0.7f;
                    }
                    break;
            }
            Col shaded = c * (0.04f + 0.96f * light);
            float rim = std::pow(1 - nz, 3.0f) * Clamp01(diffuse + 0.45f);
            shaded = shaded + look.atmo * (rim * 0.9f);
            float cover = Clamp01((1.0f - d) * R + 0.5f);
            if (cover > 0) l.Over(x, y, shaded, cover);
            // Atmosphere halo just outside the limb on the lit side.
            if (d > 1.0f) l.Add(x, y, look.atmo, Clamp01((1 - (d - 1) * R / 2.5f)) * Clamp01(diffuse + 0.5f) * 0.8f);
        }
}

Layer Planet(const std::string& name, int size) {
    Layer l(size, size);
    uint32_t seed = uint32_t(HashText(Lower(name).c_str()));
    Look look = LookFor(name, seed);
    Sphere(l, size / 2.0f, size / 2.0f, size * 0.46f, look, seed, size > 60 ? 5 : 3);
    return l;
}

Layer NoPlanet(int size) {
    Layer l(size, size);
    float c = size / 2.0f;
    RingEllipse(l, c, c, size * 0.4f, size * 0.4f, 2.0f, pal::kSteelLight);
    Line(l, {c - size * 0.28f, c + size * 0.28f}, {c + size * 0.28f, c - size * 0.28f}, 2.0f, pal::kAmber);
    DrawTextCentred(l, int(c), int(c + size * 0.02f), "OPEN SPACE", std::max(10, size / 9), true, pal::kText);
    return l;
}

}  // namespace

void DrawWorld(Layer& l, float cx, float cy, float R, const std::string& kind) {
    uint32_t seed = uint32_t(HashText(Lower(kind).c_str()));
    Sphere(l, cx, cy, R, LookFor(kind, seed), seed, 5);
}

void MakePlanets(Output& out, const std::string& gameData) {
    IniFile planets = ReadIni(gameData + "/data/planets.adf");
    for (const IniSection& s : planets.sections) {
        std::string bmp = s.Get("PLANET_BMP");
        if (bmp.empty()) continue;
        if (SameText(s.name, "NOPLANET")) out.Image("graphics/" + bmp, Keyed(NoPlanet(150), kKeyBlack));
        else out.Image("graphics/" + bmp, Keyed(Planet(bmp, 150), kKeyBlack));
    }
    // The campaign's planet sheet: 5 x 5 worlds of 40 x 40.
    Layer sheet(200, 200);
    for (int i = 0; i < 25; ++i) {
        Layer p = Planet("campaign_world_" + std::to_string(i), 40);
        sheet.Draw(p, (i % 5) * 40, (i / 5) * 40);
    }
    out.Image("graphics/planets", Keyed(sheet, kKeyBlack));
}

}  // namespace ag
