// The event pictures: one scene per subject, chosen by the words of the picture's name.
// Every scene paints the whole 300 x 230 picture edge to edge and gets the same cyan frame
// with an amber tick, so the event screen keeps one look whatever the picture.
#include "EventArt.h"

#include <algorithm>
#include <cmath>

#include "EventScenes.h"
#include "Ini.h"
#include "Style.h"

namespace ag {

namespace scene {

bool Has(const std::string& n, const char* word) { return n.find(word) != std::string::npos; }

void Starfield(Layer& l, uint32_t seed, Col a, Col b) { SpaceBackground(l, seed, 0.8f, a, b); }

// A point of a ship's own drawing (nose along +x) placed at (x, y), scaled by s, turned by a.
static Pt OnHull(float x, float y, float s, float a, float px, float py) {
    return {x + (px * std::cos(a) - py * std::sin(a)) * s, y + (px * std::sin(a) + py * std::cos(a)) * s};
}

std::vector<Pt> HullOutline(float x, float y, float s, float a, bool barbed) {
    auto rot = [&](float px, float py) { return OnHull(x, y, s, a, px, py); };
    return barbed ? std::vector<Pt>{rot(10, 0), rot(-4, 6), rot(-1, 2), rot(-8, 8), rot(-6, 0), rot(-8, -8), rot(-1, -2), rot(-4, -6)}
                  : std::vector<Pt>{rot(10, 0), rot(2, 3), rot(-6, 7), rot(-8, 3), rot(-8, -3), rot(-6, -7), rot(2, -3)};
}

void Hull(Layer& l, float x, float y, float s, float a, Col c, bool barbed) {
    auto rot = [&](float px, float py) { return OnHull(x, y, s, a, px, py); };
    FillPolygon(l, HullOutline(x, y, s, a, barbed), LinearGradient(rot(-8, -8), rot(8, 8), Mix(c, Col{1, 1, 1}, 0.4f), c * 0.4f));
    Glow(l, rot(-9, 0).x, rot(-9, 0).y, 3 * s, barbed ? Hex(0xff7a2a) : pal::kCyan, 0.8f);
}

void Warship(Layer& l, float x, float y, float s, float a, Col c) {
    Hull(l, x, y, s, a, c);
    Polyline(l, HullOutline(x, y, s, a, false), std::max(0.8f, s * 0.35f), Mix(c, Col{1, 1, 1}, 0.55f), 0.85f, true);
}

void KruHull(Layer& l, float x, float y, float s, float a) {
    auto rot = [&](float px, float py) { return OnHull(x, y, s, a, px, py); };
    FillPolygon(l, {rot(9, 0), rot(5, 5), rot(-4, 6), rot(-8, 3), rot(-8, -3), rot(-4, -6), rot(5, -5)},
                LinearGradient(rot(-8, -8), rot(8, 8), Mix(kKruHull, Col{1, 1, 1}, 0.3f), kKruHull * 0.35f));
    Line(l, rot(-7, 0), rot(4, 0), 0.6f * s, kKruHull * 0.3f);  // the spine's plate seam
    for (int side : {-1, 1}) Line(l, rot(5, side * 4.0f), rot(12, side * 5.0f), 0.9f * s, kKruHull * 0.8f);  // grapple prongs
    Glow(l, rot(6, 0).x, rot(6, 0).y, 2.2f * s, kKruRed, 0.9f);
}

std::vector<Pt> EllipseArc(float cx, float cy, float rx, float ry, float rot, float a0, float a1, int steps) {
    std::vector<Pt> v;
    const float c = std::cos(rot), s = std::sin(rot);
    for (int i = 0; i <= steps; ++i) {
        float a = a0 + (a1 - a0) * i / steps, x = std::cos(a) * rx, y = std::sin(a) * ry;
        v.push_back({cx + x * c - y * s, cy + x * s + y * c});
    }
    return v;
}

void GateRing(Layer& l, float cx, float cy, float rx, float ry) {
    for (int k = 0; k < 24; ++k)
        RingEllipse(l, cx, cy, rx * (1.06f + 0.05f * std::sin(k * 0.8f)), ry * 1.06f, 2.0f,
                    Mix(Hex(0x8a4aff), pal::kCyan, k / 24.0f), 0.08f);
    FillEllipse(l, cx, cy, rx * 0.94f, ry * 0.94f, Hex(0x05030a));
    RingEllipse(l, cx, cy, rx, ry, std::max(1.5f, rx * 0.045f), kGateRim, 0.9f);
}

}  // namespace scene

namespace {

using Scene = void (*)(Layer&, Rng&, uint32_t seed, const std::string& name);

// A scene and the words its picture's name must all contain. The first match wins, so
// the more particular names come before the ones they contain ("relay" + "broken" before
// "relay").
struct SceneFor {
    const char* word;
    const char* also;  // a second word that must be present too, or nullptr
    Scene draw;
};

const SceneFor kScenes[] = {
    // The story's turning points.
    {"council", nullptr, scene::Council},
    {"relay", "broken", scene::RelayBroken},
    {"relay", nullptr, scene::Relay},
    {"crossing", nullptr, scene::Crossing},
    {"keystone", nullptr, scene::Keystone},
    {"sealed", nullptr, scene::Sealed},
    {"ending", "war", scene::EndingWar},
    {"ending", "peace", scene::EndingPeace},
    {"invasion", nullptr, scene::Invasion},
    {"warning", nullptr, scene::Warning},
    // Places, people and battles along the way.
    {"vanguard", nullptr, scene::Vanguard},
    {"survey", nullptr, scene::Survey},
    {"core", nullptr, scene::Core},
    {"gate", nullptr, scene::Gate},
    {"shard", nullptr, scene::Crystal},
    {"lattice", nullptr, scene::Crystal},
    {"envoy", nullptr, scene::Song},
    {"choir", nullptr, scene::Song},
    {"raid", nullptr, scene::Raid},
    {"victory", nullptr, scene::Wreck},
    {"kru", nullptr, scene::Wreck},
    {"loss", nullptr, scene::Wreck},
    {"death", nullptr, scene::Wreck},
    {"spore", nullptr, scene::Spores},
    {"dorn", nullptr, scene::Dorn},
};

}  // namespace

Layer EventScene(const std::string& name) {
    Layer l(kEventW, kEventH);
    const std::string n = Lower(name);
    const uint32_t seed = uint32_t(HashText(n.c_str()));
    Rng r(seed);
    Scene draw = scene::Lanes;
    for (const SceneFor& s : kScenes)
        if (scene::Has(n, s.word) && (!s.also || scene::Has(n, s.also))) {
            draw = s.draw;
            break;
        }
    draw(l, r, seed, n);
    const float W = kEventW, H = kEventH;
    RoundRectOutline(l, 0.5f, 0.5f, W - 0.5f, H - 0.5f, 3, 1.5f, pal::kCyan, 0.9f);
    Line(l, {2, H - 2.5f}, {40, H - 2.5f}, 2.0f, pal::kAmber);
    return l;
}

}  // namespace ag
