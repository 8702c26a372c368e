// Event scenes of the story's turning points: the council's choice, the machines' relay and
// its fall, the crossing, the keystone and the sealed gate, the warning, and the three ways
// the story ends (war, peace, invasion).
#include <algorithm>
#include <cmath>

#include "Art.h"
#include "EventArt.h"
#include "EventScenes.h"
#include "Style.h"
#include "Text.h"

namespace ag::scene {

namespace {

constexpr float W = kEventW, H = kEventH;
constexpr float kPi = 3.14159265f;
const Col kWhite{1, 1, 1};

// A point moved by (dx, dy) after turning it by rot around (ox, oy).
Pt Turned(Pt p, float ox, float oy, float rot, float dx, float dy) {
    float x = p.x - ox, y = p.y - oy, c = std::cos(rot), s = std::sin(rot);
    return {ox + x * c - y * s + dx, oy + x * s + y * c + dy};
}

// The relay at Lattice Deep: a grey hub with four arms, spinning a web of gold-red light,
// and a braided beam reaching for the distant Ember Gate. Broken, the hub's quarters drift
// apart around a fire and the light is only scattered, dying strands.
void RelayStation(Layer& l, Rng& r, uint32_t seed, bool broken) {
    Starfield(l, seed, broken ? Hex(0x2a1a10) : Hex(0x3a1010), Hex(0x1a1a2a));
    const float cx = 106, cy = 142;
    const float gx = 248, gy = 52;
    // The far gate, lit red from within while the relay forces it.
    GateRing(l, gx, gy, 30, 23);
    if (!broken) Glow(l, gx, gy, 26, kKruRed, 0.7f);
    auto light = [](float t) { return Mix(kKruGold, kKruRed, t); };
    // The lattice: a tilted web of light spun round the hub, rings knotted by bracing.
    const float tilt = -0.3f, webX = 92, webY = 34;
    const int spokes = 18;
    const float rings[3] = {0.42f, 0.7f, 1.0f};
    auto node = [&](int k, int j) {
        float ang = 2 * kPi * (j + 0.5f * (k % 2)) / spokes, x = std::cos(ang) * webX * rings[k], y = std::sin(ang) * webY * rings[k];
        return Pt{cx + x * std::cos(tilt) - y * std::sin(tilt), cy + x * std::sin(tilt) + y * std::cos(tilt)};
    };
    auto strand = [&](Pt p, Pt q, float t) {
        if (!broken) {
            Line(l, p, q, 3.5f, light(t), 0.15f);
            Line(l, p, q, 1.2f, light(t), 0.85f);
        } else if (r.Int(3) == 0) {  // a few strands still glow, dimly
            Line(l, p, q, 1.0f, light(0.8f), 0.3f);
        }
    };
    for (int k = 0; k < 3; ++k)
        for (int j = 0; j < spokes; ++j) {
            float t = 1 - k / 2.0f;  // red at the hub, gold at the rim
            strand(node(k, j), node(k, (j + 1) % spokes), t);
            if (k < 2) {
                strand(node(k, j), node(k + 1, j), t);
                strand(node(k, j), node(k + 1, (j + spokes - 1 + k % 2 * 2) % spokes), t);
            }
        }
    if (!broken) {
        for (int j = 0; j < spokes; ++j) Glow(l, node(2, j).x, node(2, j).y, 4, light(0.2f), 0.9f);
        for (int i = 0; i < 5; ++i) {  // its spin
            float a0 = r.Range(0, 2 * kPi);
            Polyline(l, EllipseArc(cx, cy, webX * 1.08f, webY * 1.08f, tilt, a0, a0 + 0.5f, 10), 1.0f, light(0.5f), 0.5f);
        }
    }
    // The beam: two strands twisting round each other, joined by rungs, narrowing to the gate.
    std::vector<Pt> a, b;
    const int steps = 26;
    for (int i = 0; i <= steps; ++i) {
        float t = float(i) / steps, x = cx + (gx - cx) * t, y = cy + (gy - cy) * t;
        float w = 14 * (1 - 0.7f * t), ph = t * 14;
        float nx = 0.51f, ny = 0.86f;  // across the beam
        a.push_back({x + nx * w * std::sin(ph), y + ny * w * std::sin(ph)});
        b.push_back({x - nx * w * std::sin(ph), y - ny * w * std::sin(ph)});
    }
    if (!broken) {
        Line(l, {cx, cy}, {gx, gy}, 10.0f, kKruRed, 0.12f);
        for (int i = 1; i <= steps; ++i) {
            float t = float(i) / steps;
            Line(l, a[i - 1], a[i], 1.6f, light(t), 0.9f);
            Line(l, b[i - 1], b[i], 1.6f, light(t), 0.9f);
            if (i % 2 == 0) Line(l, a[i], b[i], 1.0f, light(t), 0.6f);
        }
    } else {  // the beam torn off near the hub, its end fading
        for (int i = 1; i <= 7; ++i) {
            float fade = 0.6f * (1 - i / 8.0f);
            Line(l, a[i - 1], a[i], 1.2f, light(0.9f), fade);
            if (i % 3) Line(l, b[i - 1], b[i], 1.2f, light(0.9f), fade);
        }
    }
    if (broken) Glow(l, cx, cy, 46, Hex(0xff7a2a), 0.9f);
    // The hub's four quarters, each with an arm and a sensor pod.
    for (int q = 0; q < 4; ++q) {
        float a0 = q * kPi / 2 + kPi / 4;
        std::vector<Pt> piece = {{cx, cy}};
        for (int k = 0; k <= 2; ++k) {
            float ang = a0 + k * kPi / 4;
            piece.push_back({cx + std::cos(ang) * 30, cy + std::sin(ang) * 26});
        }
        float mid = a0 + kPi / 4;
        Pt armIn{cx + std::cos(mid) * 26, cy + std::sin(mid) * 22}, pod{cx + std::cos(mid) * 56, cy + std::sin(mid) * 44};
        float rot = 0, dx = 0, dy = 0;
        if (broken) {
            rot = (q % 2 ? 0.35f : -0.3f) + r.Range(-0.1f, 0.1f);
            dx = std::cos(mid) * (16 + 5.0f * q);
            dy = std::sin(mid) * (12 + 4.0f * q);
        }
        for (Pt& p : piece) p = Turned(p, cx, cy, rot, dx, dy);
        armIn = Turned(armIn, cx, cy, rot, dx, dy);
        pod = Turned(pod, cx, cy, rot, dx, dy);
        Line(l, armIn, pod, 5.0f, kKruHull * 0.7f);
        Line(l, armIn, pod, 1.5f, kKruHull * 1.2f, 0.8f);
        FillEllipse(l, pod.x, pod.y, 7, 6, LinearGradient({pod.x - 7, pod.y - 6}, {pod.x + 7, pod.y + 6}, Mix(kKruHull, kWhite, 0.3f), kKruHull * 0.4f));
        if (!broken) Glow(l, pod.x, pod.y, 5, kKruRed, 0.9f);
        FillPolygon(l, piece, LinearGradient({cx - 30, cy - 26}, {cx + 30, cy + 26}, Mix(kKruHull, kWhite, 0.35f), kKruHull * 0.35f));
        Polyline(l, piece, 1.0f, kKruHull * 0.3f, 0.9f, true);
        if (broken) {  // glowing torn edges
            Line(l, piece[0], piece[1], 1.5f, Hex(0xff9a3a), 0.8f);
            Line(l, piece[0], piece.back(), 1.5f, Hex(0xff9a3a), 0.8f);
        }
    }
    if (!broken) {  // the hub's eye
        for (int k = 0; k < 8; ++k) {  // plate seams round the eye
            float ang = k * kPi / 4 + kPi / 8;
            Line(l, {cx + std::cos(ang) * 12, cy + std::sin(ang) * 10}, {cx + std::cos(ang) * 28, cy + std::sin(ang) * 24}, 1.0f, kKruHull * 0.35f);
        }
        RingEllipse(l, cx, cy, 18, 15, 1.5f, kKruHull * 0.4f);
        FillEllipse(l, cx, cy, 10, 9, Hex(0x200a0a));
        Glow(l, cx, cy, 14, kKruRed, 1.0f);
    } else {  // debris and sparks thrown out of the fire
        for (int i = 0; i < 18; ++i) {
            float ang = r.Range(0, 2 * kPi), d = r.Range(30, 90);
            float x = cx + std::cos(ang) * d, y = cy + std::sin(ang) * d * 0.75f, s = r.Range(2, 5);
            FillPolygon(l, {{x, y}, {x + s, y + r.Range(-s, s)}, {x + r.Range(-s, s), y + s}}, kKruHull * r.Range(0.4f, 0.9f));
        }
        for (int i = 0; i < 26; ++i) {
            float ang = r.Range(0, 2 * kPi), d = r.Range(10, 70);
            Glow(l, cx + std::cos(ang) * d, cy + std::sin(ang) * d * 0.75f, 1.6f, Hex(0xffd890), 1.0f);
        }
    }
}

}  // namespace

void Council(Layer& l, Rng&, uint32_t seed, const std::string&) {
    // A glass dome over the chamber: the night sky through it, ribs meeting at the crown.
    Starfield(l, seed, Hex(0x1e2c6e), Hex(0x14305a));
    const Pt crown{150, -70};
    for (int k = 0; k <= 8; ++k) {
        float a = kPi * (0.12f + 0.76f * k / 8);
        Line(l, crown, {crown.x + std::cos(a) * 330, crown.y + std::sin(a) * 200}, 3.0f, pal::kSteelLight, 0.9f);
    }
    for (float ry : {95.0f, 140.0f}) Polyline(l, EllipseArc(crown.x, crown.y, ry * 1.7f, ry, 0, 0, kPi), 2.5f, pal::kSteelLight, 0.9f);
    // The chamber's wall and floor below the dome.
    std::vector<Pt> floor = EllipseArc(crown.x, crown.y, 330, 195, 0, 0, kPi);
    floor.push_back({0, H});
    floor.push_back({W, H});
    FillPolygon(l, floor, LinearGradient({0, 110}, {0, H}, pal::kSteel, pal::kSteelDark));
    Polyline(l, EllipseArc(crown.x, crown.y, 330, 195, 0, 0, kPi), 2.0f, pal::kCyan, 0.7f);
    for (int i = 0; i < 14; ++i) {  // lamps along the foot of the dome
        float x = 12 + i * 21.0f, u = (x - crown.x) / 330;
        Glow(l, x, crown.y + 195 * std::sqrt(1 - u * u) + 8, 2.0f, pal::kAmber, 0.7f);
    }
    // The floor's ring of captains' seats; the hologram stands in the middle.
    const float fx = 150, fy = 178, frx = 118, fry = 30;
    RingEllipse(l, fx, fy, frx + 12, fry + 6, 2.0f, pal::kCyan, 0.35f);
    FillEllipse(l, fx, fy, frx - 10, fry - 6, Hex(0x0c1424), 0.8f);
    auto seat = [&](float ang) {
        float depth = (std::sin(ang) + 1) / 2, s = 0.7f + 0.55f * depth;
        float x = fx + std::cos(ang) * frx, y = fy + std::sin(ang) * fry;
        Col c = Mix(pal::kSteel, pal::kSteelLight, depth);
        RoundRect(l, x - 7 * s, y - 4 * s, x + 7 * s, y + 3 * s, 2, c * 0.8f);       // seat
        RoundRect(l, x - 6 * s, y - 20 * s, x + 6 * s, y - 3 * s, 3, LinearGradient({x, y - 20 * s}, {x, y}, c, c * 0.5f));  // back
        Line(l, {x - 4 * s, y - 18 * s}, {x + 4 * s, y - 18 * s}, 1.5f, pal::kAmber, 0.9f);
        if (depth < 0.5f) {  // a captain in the seat, facing the middle and the viewer
            FillEllipse(l, x, y - 6 * s, 5 * s, 4 * s, Hex(0x2a4a8a));
            FillEllipse(l, x, y - 12 * s, 2.6f * s, 3 * s, Hex(0xc89070) * 0.8f);
        }
    };
    // Seats behind the hologram are drawn before it, the near ones after; the ring stays open
    // at the front so the view reaches the middle.
    const int seats = 14;
    auto seatAngle = [&](int i) { return kPi + 2 * kPi * i / seats + 0.1f; };
    for (int i = 0; i < seats; ++i)
        if (std::sin(seatAngle(i)) <= 0) seat(seatAngle(i));
    // The hologram: a cone of light from the floor and the Sable Gate turning in it.
    const float hx = 150, hy = 96;
    FillPolygon(l, {{hx - 10, fy}, {hx + 10, fy}, {hx + 48, hy + 8}, {hx - 48, hy + 8}}, pal::kCyan, 0.12f);
    FillEllipse(l, hx, fy, 22, 6, pal::kSteelLight);
    RingEllipse(l, hx, fy, 22, 6, 1.5f, pal::kCyan, 0.9f);
    Glow(l, hx, fy - 2, 20, pal::kCyan, 0.6f);
    for (int k = 0; k < 3; ++k) RingEllipse(l, hx, hy, 44.0f + k * 3, 36.0f + k * 3, 1.2f, pal::kCyan, 0.25f);
    FillEllipse(l, hx, hy, 38, 31, Hex(0x0a0618), 0.75f);
    RingEllipse(l, hx, hy, 41, 34, 3.0f, Mix(kGateRim, pal::kCyan, 0.5f), 0.95f);
    Glow(l, hx, hy, 24, kKruRed, 0.45f);  // what waits beyond it
    for (float y = hy - 40; y < hy + 40; y += 3) Line(l, {hx - 50, y}, {hx + 50, y}, 0.8f, pal::kCyan, 0.07f);
    // The two ways open before the council: a red spark of war and a cyan one of peace.
    Glow(l, hx - 62, hy + 2, 9, Hex(0xff5a3a), 0.9f);
    Glow(l, hx + 62, hy + 2, 9, pal::kCyan, 0.9f);
    Line(l, {hx - 54, hy + 2}, {hx - 44, hy + 2}, 1.0f, Hex(0xff5a3a), 0.6f);
    Line(l, {hx + 44, hy + 2}, {hx + 54, hy + 2}, 1.0f, pal::kCyan, 0.6f);
    for (int i = 0; i < seats; ++i)
        if (std::sin(seatAngle(i)) > 0 && std::sin(seatAngle(i)) <= 0.75f) seat(seatAngle(i));
}

void Relay(Layer& l, Rng& r, uint32_t seed, const std::string&) { RelayStation(l, r, seed, false); }

void RelayBroken(Layer& l, Rng& r, uint32_t seed, const std::string&) { RelayStation(l, r, seed, true); }

void Crossing(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x1a0a3a), Hex(0x0a1030));
    const float gx = 185, gy = 100, rx = 84, ry = 70;
    // Starlight dragged round the ring into long arcs.
    for (int i = 0; i < 170; ++i) {
        float a = r.Range(0, 2 * kPi), d = r.Range(1.05f, 2.2f);
        float len = 0.5f / d;
        Col c = Mix(Hex(0xcfe0ff), kGateRim, r.Uni());
        Polyline(l, EllipseArc(gx, gy, rx * d, ry * d, 0, a, a + len, 8), r.Range(0.6f, 1.4f), c, 0.7f / d);
    }
    GateRing(l, gx, gy, rx, ry);
    for (int k = 1; k < 6; ++k)  // the swirl inside
        Polyline(l, EllipseArc(gx, gy, rx * k / 6.5f, ry * k / 6.5f, 0, k * 1.1f, k * 1.1f + 2.2f, 20), 1.0f, kGateRim, 0.25f);
    Glow(l, gx, gy, 40, Hex(0x4a2a9a), 0.3f);
    // The Vanguard diving in from below, smaller as they near the ring, engines trailing.
    const Pt from{30, 215};
    const float ts[4] = {0.22f, 0.42f, 0.6f, 0.78f};
    for (int i = 0; i < 4; ++i) {
        float t = ts[i], side = (i % 2 ? 14.0f : -14.0f) * (1 - t);
        Pt p{from.x + (gx - from.x) * t + side, from.y + (gy - from.y) * t - side};
        float a = std::atan2(gy - p.y, gx - p.x), s = 2.8f - 2.0f * t;
        Line(l, {p.x - std::cos(a) * 70 * s / 2.8f, p.y - std::sin(a) * 70 * s / 2.8f}, p, 1.5f * s, pal::kCyan, 0.25f);
        Warship(l, p.x, p.y, s, a, kGuardHull);
    }
}

void Keystone(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x0c2a4a), Hex(0x143a5a));
    const float cx = 150, cy = 100;
    // Facets of light thrown out by the stone.
    for (int i = 0; i < 18; ++i) {
        float a = 2 * kPi * i / 18 + r.Range(-0.05f, 0.05f), w = r.Range(0.03f, 0.07f), len = r.Range(110, 170);
        FillPolygon(l, {{cx, cy}, {cx + std::cos(a - w) * len, cy + std::sin(a - w) * len}, {cx + std::cos(a + w) * len, cy + std::sin(a + w) * len}},
                    Mix(Hex(0xbff0ff), Hex(0x7ad8f0), r.Uni()), i % 2 ? 0.10f : 0.18f);
    }
    Glow(l, cx, cy, 90, Hex(0x3ab8d8), 0.5f);
    // The cradle: a plinth of old bronze and two arms holding the stone.
    const Col bronze = Hex(0x9a7a4a);
    FillPolygon(l, {{cx - 56, 212}, {cx + 56, 212}, {cx + 40, 186}, {cx - 40, 186}}, LinearGradient({0, 186}, {0, 212}, bronze, bronze * 0.35f));
    Line(l, {cx - 40, 186}, {cx + 40, 186}, 2.0f, Mix(bronze, kWhite, 0.4f));
    for (int i = -2; i <= 2; ++i) Glow(l, cx + i * 16.0f, 199, 2.5f, pal::kCyan, 0.8f);
    for (int s : {-1, 1}) {
        std::vector<Pt> arm;
        for (int k = 0; k <= 12; ++k) {
            float t = k / 12.0f;
            arm.push_back({cx - 2 + s * (18 + 8 * t + 20 * std::sin(t * kPi)), 188 - t * 62});
        }
        Polyline(l, arm, 6.0f, bronze * 0.55f);
        Polyline(l, arm, 2.0f, Mix(bronze, kWhite, 0.3f), 0.8f);
        FillEllipse(l, arm.back().x, arm.back().y, 4, 4, bronze);  // the claw holding the stone
    }
    // The keystone: a wedge of pale crystal, a front and a side face, bound in old metal.
    const Pt tl{cx - 34, cy - 48}, tr{cx + 30, cy - 48}, br{cx + 18, cy + 42}, bl{cx - 22, cy + 42};
    const Pt tr2{cx + 42, cy - 40}, br2{cx + 27, cy + 46};
    FillPolygon(l, {tr, tr2, br2, br}, LinearGradient(tr, br2, Hex(0x8ad0e8), Hex(0x1a5a7a)));
    FillPolygon(l, {tl, tr, br, bl}, LinearGradient(tl, br, Hex(0xf0fcff), Hex(0x4aa8c8)));
    const Pt heart{cx - 2, cy - 6};
    for (Pt p : {tl, tr, br, bl}) Line(l, heart, p, 1.0f, kWhite, 0.45f);
    FillPolygon(l, {tl, tr, heart}, kWhite, 0.22f);
    Polyline(l, {tl, tr, br, bl}, 1.5f, Hex(0xe0fcff), 0.95f, true);
    Polyline(l, {tr, tr2, br2, br}, 1.2f, Hex(0xc0f0ff), 0.8f);
    // Its metal band with rivets, and the worn caps on the top corners.
    const float by0 = cy + 8, by1 = cy + 18;
    auto along = [&](Pt a, Pt b, float y) { float t = (y - a.y) / (b.y - a.y); return Pt{a.x + (b.x - a.x) * t, y}; };
    FillPolygon(l, {along(tl, bl, by0), along(tr, br, by0), along(tr2, br2, by0 + 4), along(tr2, br2, by1 + 4), along(tr, br, by1), along(tl, bl, by1)},
                LinearGradient({0, by0}, {0, by1}, Mix(bronze, kWhite, 0.35f), bronze * 0.5f));
    for (int i = 0; i < 5; ++i) FillEllipse(l, cx - 20 + i * 10.0f, (by0 + by1) / 2, 1.6f, 1.6f, Hex(0xf0d8a0));
    for (Pt c : {tl, tr}) FillPolygon(l, {{c.x - 6, c.y - 3}, {c.x + 6, c.y - 3}, {c.x + 4, c.y + 8}, {c.x - 4, c.y + 8}}, bronze * 0.8f);
    // The light inside it.
    Glow(l, heart.x, heart.y, 34, Hex(0xe0fcff), 0.9f);
    FillEllipse(l, heart.x, heart.y, 4, 4, kWhite);
    for (int i = 0; i < 9; ++i) {  // sparkles on the facets
        float x = cx + r.Range(-60, 60), y = cy + r.Range(-70, 60), s = r.Range(3, 7);
        Line(l, {x - s, y}, {x + s, y}, 0.8f, kWhite, 0.8f);
        Line(l, {x, y - s}, {x, y + s}, 0.8f, kWhite, 0.8f);
        Glow(l, x, y, s * 0.6f, kWhite, 0.7f);
    }
}

void Sealed(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x2a1050), Hex(0x102050));
    const float gx = 172, gy = 98, rx = 80, ry = 66;
    GateRing(l, gx, gy, rx, ry);
    // The iris: blades swinging in from the rim, leaving a last eye of light.
    const int blades = 9;
    const float step = 2 * kPi / blades, eye = 0.16f;
    auto at = [&](float a, float k) { return Pt{gx + std::cos(a) * rx * k, gy + std::sin(a) * ry * k}; };
    for (int i = 0; i < blades; ++i) {
        float a = i * step;
        std::vector<Pt> blade = {at(a, 0.96f), at(a + step * 1.05f, 0.96f), at(a + step + 1.0f, eye), at(a + 1.0f, eye * 1.1f)};
        FillPolygon(l, blade, LinearGradient(at(a, 0.96f), {gx, gy}, Hex(0x1a0e3a), Hex(0x7a5ad8)));
        Line(l, blade[0], blade[3], 1.2f, Hex(0xe0d0ff), 0.7f);
    }
    // The light squeezed out of the closing eye, and the rings it throws off.
    for (int k = 1; k <= 4; ++k) RingEllipse(l, gx, gy, rx * (0.2f + k * 0.22f), ry * (0.2f + k * 0.22f), 1.2f, Hex(0xe0d0ff), 0.35f - k * 0.06f);
    for (int i = 0; i < 12; ++i) {
        float a = 2 * kPi * i / 12 + r.Range(-0.1f, 0.1f), len = r.Range(40, 110);
        Line(l, {gx, gy}, {gx + std::cos(a) * len, gy + std::sin(a) * len * 0.85f}, 1.0f, kWhite, 0.25f);
    }
    Glow(l, gx, gy, 50, Hex(0xd8c8ff), 1.0f);
    Glow(l, gx, gy, 16, kWhite, 1.0f);
    RingEllipse(l, gx, gy, rx, ry, 4.0f, Hex(0xe8dcff), 0.9f);
    Glow(l, gx, gy, 110, Hex(0x6a4ad8), 0.25f);
    // The Vanguard holding station below, turned toward the gate.
    const Pt ships[3] = {{62, 188}, {96, 204}, {40, 162}};
    const float sizes[3] = {2.2f, 1.6f, 1.6f};
    for (int i = 0; i < 3; ++i) Warship(l, ships[i].x, ships[i].y, sizes[i], std::atan2(gy - ships[i].y, gx - ships[i].x), kGuardHull);
}

void EndingWar(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x5a2a14), Hex(0x2a1a4a));
    // Dawn over Halden Prime: the sun coming up over the world's edge.
    const float px = 170, py = 400, pr = 270;
    DrawWorld(l, px, py, pr, "verdant");
    const float sunA = -kPi / 2 - 0.42f;
    const Pt sun{px + std::cos(sunA) * pr, py + std::sin(sunA) * pr};
    Polyline(l, EllipseArc(px, py, pr + 1, pr + 1, 0, sunA - 0.45f, sunA + 0.55f, 50), 3.0f, Hex(0xffd890), 0.8f);
    Glow(l, sun.x, sun.y, 120, Hex(0xff9a4a), 0.45f);
    Glow(l, sun.x, sun.y, 50, Hex(0xfff0c0), 1.0f);
    Glow(l, sun.x, sun.y, 12, kWhite, 1.0f);
    // The fleet coming home in a V, each ship trailing a long banner of light.
    const float a = 2.45f;  // heading down toward the world
    const Pt back{-std::cos(a), -std::sin(a)}, side{-std::sin(a), std::cos(a)};
    const Pt lead{150, 96};
    const int slots[5][2] = {{0, 0}, {1, -1}, {1, 1}, {2, -2}, {2, 2}};
    for (int i = 4; i >= 0; --i) {
        float b = slots[i][0] * 26.0f, s = slots[i][1] * 19.0f;
        Pt p{lead.x + back.x * b + side.x * s, lead.y + back.y * b + side.y * s};
        std::vector<Pt> banner;
        for (int k = 0; k <= 24; ++k) {
            float d = 12 + k * 6.0f, wave = std::sin(k * 0.5f + i * 1.3f) * (1 + k * 0.25f);
            banner.push_back({p.x + back.x * d + side.x * wave, p.y + back.y * d + side.y * wave});
        }
        Col c = i == 0 ? Hex(0xfff0c0) : (i % 2 ? pal::kAmber : pal::kCyan);
        Polyline(l, banner, 5.0f, c, 0.18f);
        Polyline(l, banner, 1.4f, c, 0.85f);
        Warship(l, p.x, p.y, i == 0 ? 1.9f : 1.5f, a, i == 0 ? Hex(0x6a8ac8) : kGuardHull);
    }
    // The welcome from below: sparks of light bursting over the day side.
    for (int i = 0; i < 4; ++i) {
        float x = r.Range(60, 280), u = (x - px) / pr, s = r.Range(8, 14);
        float y = py - pr * std::sqrt(1 - u * u) - r.Range(4, 18);  // just above the horizon
        Col c = i % 2 ? pal::kAmber : Hex(0xfff0c0);
        for (int k = 0; k < 8; ++k) {
            float ang = k * kPi / 4;
            Line(l, {x + std::cos(ang) * s * 0.3f, y + std::sin(ang) * s * 0.3f}, {x + std::cos(ang) * s, y + std::sin(ang) * s}, 1.0f, c, 0.7f);
        }
        Glow(l, x, y, s * 0.6f, c, 0.8f);
    }
}

void EndingPeace(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x142a5a), Hex(0x0a3a4a));
    // The calm: a still band of faint starlight across the lower sky.
    for (int i = 0; i < 10; ++i) {
        float y = 150 + i * 7.0f + r.Range(-2, 2);
        Line(l, {r.Range(0, 60), y}, {r.Range(240, W), y}, r.Range(0.6f, 1.6f), Hex(0xbfd8ff), 0.05f + 0.02f * (i % 3));
    }
    // The home star, warm and steady.
    Glow(l, 66, 58, 90, Hex(0xffd890), 0.45f);
    Glow(l, 66, 58, 34, Hex(0xfff0c0), 1.0f);
    FillEllipse(l, 66, 58, 9, 9, Hex(0xfffaf0));
    // Where the gate was: a faint seam in a ring that is no longer there.
    const float gx = 214, gy = 82, rx = 54, ry = 44;
    std::vector<Pt> ghost = EllipseArc(gx, gy, rx, ry, 0, 0, 2 * kPi, 48);
    for (size_t i = 0; i + 1 < ghost.size(); ++i)
        if (i % 3 != 2) Line(l, ghost[i], ghost[i + 1], 1.4f, kGateRim, 0.18f + 0.14f * std::abs(std::sin(i * 0.2f)));
    Glow(l, gx, gy, 40, Hex(0x6a4ad8), 0.15f);
    Line(l, {gx - 30, gy + 2}, {gx + 30, gy - 2}, 1.0f, Hex(0xe0d0ff), 0.35f);
    Glow(l, gx, gy, 6, Hex(0xe0d0ff), 0.5f);
    // The fleet at rest in a neat line, engines low.
    for (int i = 0; i < 4; ++i) Warship(l, 70 + i * 40.0f, 190 - i * 6.0f, i == 1 ? 2.6f : 2.0f, -0.25f, i == 1 ? Hex(0x6a8ac8) : kGuardHull);
}

void Invasion(Layer& l, Rng& r, uint32_t seed, const std::string&) {
    Starfield(l, seed, Hex(0x3a0a0a), Hex(0x1a1030));
    // A Guard world below, burning where the machines have already struck.
    DrawWorld(l, 55, 250, 140, "verdant");
    for (int i = 0; i < 7; ++i) {
        float ang = -kPi / 2 + r.Range(-0.2f, 0.9f), d = r.Range(100, 135);
        Glow(l, 55 + std::cos(ang) * d, 250 + std::sin(ang) * d, r.Range(5, 10), Hex(0xff5a2a), 0.9f);
    }
    // The gate torn open, red light pouring out.
    const float gx = 222, gy = 66;
    GateRing(l, gx, gy, 62, 48);
    Glow(l, gx, gy, 58, kKruRed, 0.9f);
    Glow(l, gx, gy, 20, Hex(0xffa08a), 0.8f);
    // The machines streaming out toward the world, spreading as they come.
    const Pt to{95, 185};
    std::vector<float> ts;
    for (int i = 0; i < 30; ++i) ts.push_back(std::pow(r.Uni(), 0.8f));
    std::sort(ts.begin(), ts.end());  // the far ones first, the near ones over them
    const float heading = std::atan2(to.y - gy, to.x - gx);
    const Pt across{-std::sin(heading), std::cos(heading)};
    for (float t : ts) {
        float spread = (r.Uni() - 0.5f) * (16 + 150 * t);
        Pt p{gx + (to.x - gx) * t + across.x * spread, gy + (to.y - gy) * t + across.y * spread};
        KruHull(l, p.x, p.y, 0.7f + 1.1f * t, heading + r.Range(-0.12f, 0.12f));
    }
    for (int i = 0; i < 5; ++i) {  // their fire on the world
        Pt a{r.Range(110, 200), r.Range(90, 160)};
        Pt b{r.Range(30, 110), r.Range(130, 200)};
        Line(l, a, b, 1.2f, kKruRed, 0.6f);
        Glow(l, b.x, b.y, 6, Hex(0xff7a3a), 0.8f);
    }
}

void Warning(Layer& l, Rng& r, uint32_t, const std::string&) {
    // A bridge sensor console, its screen showing the machines' signal.
    l.Fill(Hex(0x0a0e16));
    Panel(l, 4, 4, W - 4, H - 4, 1.0f);
    const float x0 = 18, y0 = 30, x1 = W - 18, y1 = H - 18;
    Inset(l, x0, y0, x1, y1);
    for (float x = x0 + 8; x < x1; x += 16) Line(l, {x, y0 + 2}, {x, y1 - 2}, 0.8f, pal::kCyan, 0.1f);
    for (float y = y0 + 8; y < y1; y += 16) Line(l, {x0 + 2, y}, {x1 - 2, y}, 0.8f, pal::kCyan, 0.1f);
    // Red alert: hazard stripes along the top of the console and a red wash over the screen.
    for (int i = 0; i < 20; ++i) {
        float x = 14 + i * 14.0f;
        if (x + 10 > W - 10) break;
        FillPolygon(l, {{x, 10}, {x + 7, 10}, {x + 3, 22}, {x - 4, 22}}, kKruRed, 0.85f);
    }
    DrawTextCentred(l, int(W / 2), 16, "ALERT", 11, true, kWhite);
    FillRect(l, x0 + 2, y0 + 2, x1 - 2, y1 - 2, kKruRed, 0.08f);
    // Left: the scanner, one red contact far to the east.
    const float sx = 82, sy = 116, sr = 62;
    for (int k = 1; k <= 3; ++k) RingEllipse(l, sx, sy, sr * k / 3, sr * k / 3, 1.0f, pal::kCyan, 0.5f);
    Line(l, {sx - sr, sy}, {sx + sr, sy}, 0.8f, pal::kCyan, 0.3f);
    Line(l, {sx, sy - sr}, {sx, sy + sr}, 0.8f, pal::kCyan, 0.3f);
    for (int k = 0; k < 12; ++k) {  // the sweep's fading wake
        float a0 = -0.5f - k * 0.06f;
        FillPolygon(l, {{sx, sy}, {sx + std::cos(a0) * sr, sy + std::sin(a0) * sr}, {sx + std::cos(a0 - 0.06f) * sr, sy + std::sin(a0 - 0.06f) * sr}}, pal::kCyan, 0.3f - k * 0.022f);
    }
    Glow(l, sx + 44, sy - 14, 9, kKruRed, 1.0f);
    RingEllipse(l, sx + 44, sy - 14, 8, 8, 1.2f, kKruRed, 0.9f);
    // Right: the signal's trace, a hard machine rhythm in gold and red.
    const float tx0 = 156, tx1 = x1 - 10, ty = 72;
    std::vector<Pt> trace;
    for (float x = tx0; x <= tx1; x += 3) {
        int k = int((x - tx0) / 3);
        float y = ty + (k % 6 == 0 ? -16.0f : k % 6 == 3 ? 12.0f : (k % 2 ? -3.0f : 3.0f));
        trace.push_back({x, y});
    }
    Polyline(l, trace, 2.5f, kKruRed, 0.3f);
    Polyline(l, trace, 1.2f, kKruGold, 0.95f);
    // Below it the signal decoded: the machines' lattice.
    const float lx = 212, ly = 150;
    std::vector<Pt> nodes;
    for (int row = -2; row <= 2; ++row)
        for (int col = -2; col <= 2; ++col) {
            if (std::abs(row) + std::abs(col) > 3) continue;
            nodes.push_back({lx + col * 18.0f + (row % 2 ? 9.0f : 0.0f), ly + row * 14.0f});
        }
    for (size_t i = 0; i < nodes.size(); ++i)
        for (size_t j = i + 1; j < nodes.size(); ++j) {
            float dx = nodes[i].x - nodes[j].x, dy = nodes[i].y - nodes[j].y;
            if (dx * dx + dy * dy < 19.0f * 19.0f) Line(l, nodes[i], nodes[j], 1.0f, Mix(kKruGold, kKruRed, r.Uni()), 0.8f);
        }
    for (const Pt& p : nodes) Glow(l, p.x, p.y, 4, kKruRed, 0.9f);
    // Alert lines across the screen.
    for (float y : {y0 + 10.0f, y1 - 10.0f}) Line(l, {x0 + 4, y}, {x1 - 4, y}, 2.0f, kKruRed, 0.8f);
    DrawText(l, int(tx0), int(y0 + 16), "KRU SIGNAL", 10, true, Hex(0xff8a7a));
}

}  // namespace ag::scene
