// Ship sprites, drawn pointing up at close-view size. Every race has its own
// silhouette language; each class varies it from its own name, and its size
// follows its hull strength. A second "_fr" picture shows the ship firing.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Art.h"
#include "Ini.h"
#include "Noise.h"
#include "Shapes.h"

namespace ag {

namespace {

struct Plan {
    int size = 80;           // square canvas
    float cx = 40, top = 4, len = 72, hw = 30;
    Col hull, trim, light, engine;
    uint32_t seed = 1;
    Rng* rng = nullptr;
    std::vector<Pt> nozzles;  // engine positions for glow
    std::vector<Pt> guns;     // muzzle positions for the firing picture
};

Shader HullShade(const Plan& p, Col base, float cx, float hw) {
    uint32_t seed = p.seed;
    float top = p.top, len = p.len;
    return [=](float x, float y) {
        float u = Clamp01(std::fabs(x - cx) / std::max(1.0f, hw));
        float k = 0.42f + 0.58f * std::sqrt(std::max(0.0f, 1 - u * u));
        k += (cx - x) / std::max(1.0f, hw) * 0.12f;        // light from the left
        k *= 1.05f - 0.3f * Clamp01((y - top) / len);       // and from the front
        float grain = Fbm2(x * 0.35f, y * 0.35f, 2, seed);
        return base * (k * (0.88f + 0.24f * grain));
    };
}

void Part(Layer& l, const Plan& p, const std::vector<Pt>& pts, Col base, float cx, float hw, bool outline = true) {
    FillPolygon(l, pts, HullShade(p, base, cx, hw));
    if (outline) Polyline(l, pts, 1.0f, base * 0.35f, 0.9f, true);
}

// A line drawn only where the hull already is (panel seams, stripes).
void Seam(Layer& l, Pt a, Pt b, float width, Col c, float alpha) {
    Layer t(l.w, l.h);
    Line(t, a, b, width, c, 1.0f);
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x)
            if (t.Alpha(x, y) > 0 && l.Alpha(x, y) > 0.9f) l.Over(x, y, c, t.Alpha(x, y) * alpha);
}

void Cockpit(Layer& l, float x, float y, float rx, float ry, Col c) {
    FillEllipse(l, x, y, rx, ry, LinearGradient({x - rx, y - ry}, {x + rx, y + ry}, Mix(c, Col{1, 1, 1}, 0.7f), c * 0.5f));
    FillEllipse(l, x - rx * 0.3f, y - ry * 0.35f, rx * 0.35f, ry * 0.3f, Col{1, 1, 1}, 0.7f);
}

std::vector<Pt> Abs(const Plan& p, const std::vector<Pt>& halfUnit) {
    // Half outline in units of (hw, len) from the nose; mirrored about cx.
    std::vector<Pt> half;
    for (auto& q : halfUnit) half.push_back({q.x * p.hw, p.top + q.y * p.len});
    return Mirror(half, p.cx);
}

Pt At(const Plan& p, float ux, float uy) { return {p.cx + ux * p.hw, p.top + uy * p.len}; }

// ---- Silhouette languages ----

void Angular(Layer& l, Plan& p) {  // plated military hull, swept wings, twin nacelles
    Rng& r = *p.rng;
    float sweep = r.Range(0.45f, 0.7f), wingY = r.Range(0.5f, 0.62f);
    Part(l, p, Abs(p, {{0, 0}, {0.16f, 0.18f}, {0.22f, 0.45f}, {1.0f, wingY + sweep * 0.45f}, {1.0f, wingY + sweep * 0.55f},
                       {0.34f, 0.86f}, {0.3f, 1.0f}, {0.0f, 0.96f}}),
         p.hull, p.cx, p.hw * 0.5f);
    for (int s = -1; s <= 1; s += 2) {
        float nx = 0.5f * s;
        std::vector<Pt> nac = {At(p, nx - 0.09f, 0.5f), At(p, nx + 0.09f, 0.5f), At(p, nx + 0.1f, 0.98f), At(p, nx - 0.1f, 0.98f)};
        Part(l, p, nac, p.trim, At(p, nx, 0).x, p.hw * 0.1f);
        p.nozzles.push_back(At(p, nx, 0.99f));
        p.guns.push_back(At(p, nx, 0.48f));
        Seam(l, At(p, s * 0.22f, 0.45f), At(p, s * 0.95f, wingY + sweep * 0.47f), 1.0f, p.trim * 0.6f, 0.9f);
    }
    Seam(l, At(p, -0.2f, 0.7f), At(p, 0.2f, 0.7f), 1.0f, p.hull * 0.45f, 0.8f);
    Seam(l, At(p, 0, 0.34f), At(p, 0, 0.92f), 1.0f, p.hull * 0.5f, 0.7f);
    Cockpit(l, p.cx, p.top + p.len * 0.25f, p.hw * 0.09f, p.len * 0.08f, p.light);
}

void Organic(Layer& l, Plan& p) {  // grown body, lobes, veins and glowing sacs
    Rng& r = *p.rng;
    float body = r.Range(0.5f, 0.65f);
    auto shade = [&](Col c, float cx, float cy, float rx, float ry) {
        FillEllipse(l, cx, cy, rx, ry, [=](float x, float y) {
            float dx = (x - cx) / rx, dy = (y - cy) / ry;
            float k = Clamp01(0.35f + 0.75f * std::sqrt(std::max(0.f, 1 - dx * dx - dy * dy)) - dx * 0.15f - dy * 0.1f);
            return c * k;
        });
    };
    for (int s = -1; s <= 1; s += 2) {
        // Trailing tendrils.
        for (int t = 0; t < 2; ++t) {
            std::vector<Pt> tend;
            for (int i = 0; i <= 8; ++i) {
                float v = i / 8.0f;
                tend.push_back(At(p, s * (0.35f + 0.25f * t + std::sin(v * 3 + t) * 0.12f), 0.55f + v * 0.45f));
            }
            Polyline(l, tend, std::max(1.5f, p.hw * 0.08f * (1.2f - t * 0.4f)), p.trim * 0.8f);
        }
        shade(p.hull * 0.9f, At(p, s * 0.45f, 0).x, p.top + p.len * 0.5f, p.hw * 0.38f, p.len * 0.22f);
        p.nozzles.push_back(At(p, s * 0.3f, 0.9f));
    }
    shade(p.hull, p.cx, p.top + p.len * 0.42f, p.hw * body, p.len * 0.4f);
    shade(p.hull * 1.1f, p.cx, p.top + p.len * 0.16f, p.hw * 0.3f, p.len * 0.16f);
    for (int i = 0; i < 6; ++i) {
        float a = r.Range(-1, 1), b = r.Range(0.2f, 0.75f);
        Seam(l, At(p, a * 0.2f, b), At(p, a * 0.6f, b + r.Range(-0.15f, 0.15f)), 1.0f, p.trim * 0.5f, 0.7f);
    }
    for (int s = -1; s <= 1; s += 2) {
        FillEllipse(l, At(p, s * 0.28f, 0.5f).x, p.top + p.len * 0.5f, p.hw * 0.1f, p.len * 0.07f, p.light);
        Glow(l, At(p, s * 0.28f, 0.5f).x, p.top + p.len * 0.5f, p.hw * 0.22f, p.light, 0.5f, false);
    }
    p.guns.push_back(At(p, 0, 0.02f));
    Cockpit(l, p.cx, p.top + p.len * 0.14f, p.hw * 0.12f, p.len * 0.07f, p.light);
}

void Crystal(Layer& l, Plan& p) {  // faceted shards around a glowing core
    Rng& r = *p.rng;
    auto facet = [&](std::vector<Pt> pts, float bright) { FillPolygon(l, pts, p.hull * bright); Polyline(l, pts, 1.0f, p.light, 0.55f, true); };
    float wing = r.Range(0.75f, 1.0f);
    for (int s = -1; s <= 1; s += 2) {
        facet({At(p, 0, 0), At(p, s * 0.3f, 0.4f), At(p, 0, 0.55f)}, s < 0 ? 1.15f : 0.8f);
        facet({At(p, s * 0.3f, 0.4f), At(p, s * wing, 0.7f), At(p, s * 0.4f, 0.8f), At(p, 0, 0.55f)}, s < 0 ? 0.95f : 0.62f);
        facet({At(p, 0, 0.55f), At(p, s * 0.4f, 0.8f), At(p, s * 0.18f, 1.0f), At(p, 0, 0.86f)}, s < 0 ? 0.75f : 0.5f);
        facet({At(p, s * 0.55f, 0.15f), At(p, s * 0.7f, 0.42f), At(p, s * 0.45f, 0.5f)}, 0.9f);
        p.nozzles.push_back(At(p, s * 0.18f, 0.98f));
        p.guns.push_back(At(p, s * 0.55f, 0.16f));
    }
    p.guns.push_back(At(p, 0, 0.01f));
    Glow(l, p.cx, p.top + p.len * 0.5f, p.hw * 0.55f, p.light, 0.9f, false);
    FillPolygon(l, {At(p, 0, 0.38f), At(p, 0.1f, 0.5f), At(p, 0, 0.64f), At(p, -0.1f, 0.5f)}, Mix(p.light, Col{1, 1, 1}, 0.6f));
}

void Industrial(Layer& l, Plan& p) {  // blocky modules, cargo pods, hazard stripes
    Rng& r = *p.rng;
    auto block = [&](float x0, float y0, float x1, float y1, Col c) {
        Part(l, p, {At(p, x0, y0), At(p, x1, y0), At(p, x1, y1), At(p, x0, y1)}, c, At(p, (x0 + x1) / 2, 0).x, (x1 - x0) * p.hw / 2);
    };
    float podW = r.Range(0.3f, 0.4f);
    block(-0.3f, 0.05f, 0.3f, 0.95f, p.hull);
    block(-0.22f, 0.0f, 0.22f, 0.12f, p.hull * 1.1f);
    for (int s = -1; s <= 1; s += 2) {
        float x0 = s < 0 ? -0.32f - podW * 2 : 0.32f;
        for (int k = 0; k < 3; ++k) block(x0, 0.25f + k * 0.22f, x0 + podW * 2, 0.43f + k * 0.22f, p.trim);
        block(s < 0 ? -0.34f : 0.3f, 0.2f, s < 0 ? -0.3f : 0.34f, 0.92f, p.hull * 0.7f);
        p.nozzles.push_back(At(p, s * 0.18f, 0.97f));
        p.guns.push_back(At(p, s * 0.15f, 0.02f));
    }
    for (int i = 0; i < 6; ++i) {
        float y = 0.14f + i * 0.025f;
        Seam(l, At(p, -0.3f, y + 0.03f), At(p, 0.3f, y - 0.03f), 1.2f, i % 2 ? Hex(0x1a1a14) : Hex(0xf0c020), 0.9f);
    }
    for (int i = 0; i < 4; ++i) Seam(l, At(p, -0.28f, 0.4f + i * 0.14f), At(p, 0.28f, 0.4f + i * 0.14f), 1.0f, p.hull * 0.4f, 0.8f);
    Cockpit(l, p.cx, p.top + p.len * 0.07f, p.hw * 0.14f, p.len * 0.035f, p.light);
}

void Swept(Layer& l, Plan& p) {  // long curved ribbon wings around a slim body
    Rng& r = *p.rng;
    float reach = r.Range(0.85f, 1.0f);
    for (int s = -1; s <= 1; s += 2) {
        std::vector<Pt> wing;
        for (int i = 0; i <= 10; ++i) {
            float v = i / 10.0f;
            wing.push_back(At(p, s * (0.1f + reach * std::sin(v * 1.6f)), 0.15f + v * 0.8f - std::sin(v * 3.14f) * 0.1f));
        }
        for (int i = 10; i >= 0; --i) {
            float v = i / 10.0f;
            wing.push_back(At(p, s * (0.08f + reach * 0.75f * std::sin(v * 1.6f)), 0.3f + v * 0.6f));
        }
        Part(l, p, wing, p.trim, p.cx + s * p.hw * 0.5f, p.hw * 0.6f);
        p.nozzles.push_back(At(p, s * 0.1f, 0.93f));
        p.guns.push_back(At(p, s * reach * 0.95f, 0.85f));
    }
    std::vector<Pt> body;
    for (int i = 0; i <= 12; ++i) {
        float v = i / 12.0f;
        body.push_back(At(p, 0.16f * std::sin(v * 3.14159f) + 0.02f, v * 0.95f));
    }
    std::vector<Pt> half;
    for (auto& q : body) half.push_back({q.x - p.cx, q.y});
    Part(l, p, Mirror(half, p.cx), p.hull, p.cx, p.hw * 0.16f);
    Seam(l, At(p, 0, 0.1f), At(p, 0, 0.9f), 1.0f, p.light, 0.5f);
    Cockpit(l, p.cx, p.top + p.len * 0.3f, p.hw * 0.07f, p.len * 0.09f, p.light);
}

void Cyber(Layer& l, Plan& p) {  // open machine frame with red sensor lights
    Rng& r = *p.rng;
    float w = r.Range(0.75f, 0.95f);
    Part(l, p, Abs(p, {{0, 0.02f}, {0.3f, 0.06f}, {0.32f, 0.3f}, {w, 0.36f}, {w, 0.78f}, {0.45f, 0.82f}, {0.4f, 1.0f}, {0, 1.0f}}),
         p.hull * 0.75f, p.cx, p.hw);
    // Lattice cut-outs drawn as dark cells.
    for (int gy = 0; gy < 4; ++gy)
        for (int gx = -2; gx <= 2; ++gx) {
            float x = gx * 0.3f, y = 0.4f + gy * 0.11f;
            if (std::fabs(x) + 0.1f > w) continue;
            FillRect(l, At(p, x - 0.1f, y).x, At(p, x, y).y, At(p, x + 0.1f, y).x, At(p, x, y + 0.07f).y, Hex(0x141418), 0.9f);
        }
    Part(l, p, Abs(p, {{0, 0.0f}, {0.18f, 0.1f}, {0.2f, 0.95f}, {0, 0.98f}}), p.trim, p.cx, p.hw * 0.2f);
    for (int s = -1; s <= 1; s += 2) {
        for (int k = 0; k < 3; ++k) {
            Pt q = At(p, s * (w - 0.08f), 0.42f + k * 0.14f);
            FillEllipse(l, q.x, q.y, 1.6f, 1.6f, p.light);
            Glow(l, q.x, q.y, 4, p.light, 0.6f, false);
        }
        p.nozzles.push_back(At(p, s * 0.3f, 0.99f));
        p.guns.push_back(At(p, s * 0.3f, 0.05f));
    }
    Seam(l, At(p, -w, 0.57f), At(p, w, 0.57f), 1.0f, p.trim, 0.8f);
    FillEllipse(l, p.cx, p.top + p.len * 0.12f, p.hw * 0.08f, p.hw * 0.08f, p.light);
    Glow(l, p.cx, p.top + p.len * 0.12f, p.hw * 0.2f, p.light, 0.8f, false);
}

void Disc(Layer& l, Plan& p) {  // spinning disc with ring segments
    Rng& r = *p.rng;
    float R = p.hw * 0.98f, cy = p.top + p.len / 2;
    FillEllipse(l, p.cx, cy, R, R, [&](float x, float y) {
        float dx = (x - p.cx) / R, dy = (y - cy) / R;
        float d = std::sqrt(dx * dx + dy * dy);
        float k = 0.5f + 0.5f * std::cos(d * 3.0f) * 0.6f - (dx + dy) * 0.2f;
        return p.hull * Clamp01(k + 0.2f);
    });
    int segs = 5 + r.Int(3);
    for (int i = 0; i < segs; ++i) {
        float a0 = 2 * float(M_PI) * i / segs, a1 = a0 + 2 * float(M_PI) / segs * 0.7f;
        std::vector<Pt> seg;
        for (int k = 0; k <= 6; ++k) {
            float a = a0 + (a1 - a0) * k / 6;
            seg.push_back({p.cx + std::cos(a) * R * 0.96f, cy + std::sin(a) * R * 0.96f});
        }
        for (int k = 6; k >= 0; --k) {
            float a = a0 + (a1 - a0) * k / 6;
            seg.push_back({p.cx + std::cos(a) * R * 0.74f, cy + std::sin(a) * R * 0.74f});
        }
        FillPolygon(l, seg, p.trim * (0.8f + 0.3f * std::sin(a0)));
        Pt light{p.cx + std::cos(a0) * R * 0.85f, cy + std::sin(a0) * R * 0.85f};
        FillEllipse(l, light.x, light.y, 1.5f, 1.5f, p.light);
        p.guns.push_back(light);
    }
    RingEllipse(l, p.cx, cy, R * 0.5f, R * 0.5f, 1.5f, p.trim * 0.6f);
    FillEllipse(l, p.cx, cy, R * 0.28f, R * 0.28f, p.light * 0.6f);
    Glow(l, p.cx, cy, R * 0.45f, p.light, 0.8f, false);
    FillEllipse(l, p.cx, cy - R * 0.6f, R * 0.08f, R * 0.08f, Col{1, 1, 1});  // forward beacon
    p.nozzles.push_back({p.cx, cy + R * 0.9f});
}

void Spiky(Layer& l, Plan& p) {  // barbed raider with forward mandibles
    Rng& r = *p.rng;
    float barb = r.Range(0.8f, 1.0f);
    Part(l, p, Abs(p, {{0, 0.12f}, {0.14f, 0.1f}, {0.32f, 0.0f}, {0.26f, 0.22f}, {0.4f, 0.36f}, {barb, 0.42f}, {0.46f, 0.52f},
                       {0.7f * barb, 0.8f}, {0.3f, 0.74f}, {0.22f, 1.0f}, {0, 0.88f}}),
         p.hull, p.cx, p.hw * 0.6f);
    for (int s = -1; s <= 1; s += 2) {
        Seam(l, At(p, s * 0.1f, 0.3f), At(p, s * barb * 0.9f, 0.43f), 1.2f, p.trim, 0.9f);
        Seam(l, At(p, s * 0.1f, 0.6f), At(p, s * 0.6f * barb, 0.76f), 1.2f, p.trim, 0.9f);
        p.nozzles.push_back(At(p, s * 0.15f, 0.95f));
        p.guns.push_back(At(p, s * 0.3f, 0.02f));
    }
    Glow(l, p.cx, p.top + p.len * 0.55f, p.hw * 0.25f, p.light, 0.8f, false);
    Cockpit(l, p.cx, p.top + p.len * 0.3f, p.hw * 0.08f, p.len * 0.06f, p.light);
}

void Rounded(Layer& l, Plan& p) {  // smooth teardrop hull with side pods
    Rng& r = *p.rng;
    float pod = r.Range(0.6f, 0.85f);
    for (int s = -1; s <= 1; s += 2) {
        float px = p.cx + s * p.hw * pod, py = p.top + p.len * 0.62f;
        FillEllipse(l, px, py, p.hw * 0.2f, p.len * 0.26f, HullShade(p, p.trim, px, p.hw * 0.2f));
        Line(l, At(p, s * 0.25f, 0.55f), {px, py}, p.hw * 0.12f, p.hull * 0.7f);
        p.nozzles.push_back({px, py + p.len * 0.25f});
        p.guns.push_back({px, py - p.len * 0.25f});
    }
    std::vector<Pt> half;
    for (int i = 0; i <= 16; ++i) {
        float v = i / 16.0f;
        half.push_back({p.hw * 0.42f * std::pow(std::sin(v * 3.14159f * 0.85f + 0.1f), 0.8f), p.top + v * p.len * 0.98f});
    }
    Part(l, p, Mirror(half, p.cx), p.hull, p.cx, p.hw * 0.42f);
    Seam(l, At(p, -0.35f, 0.55f), At(p, 0.35f, 0.55f), 1.0f, p.trim, 0.8f);
    Cockpit(l, p.cx, p.top + p.len * 0.28f, p.hw * 0.16f, p.len * 0.1f, p.light);
}

void Station(Layer& l, Plan& p) {  // starbase: hub, spokes and a docking ring
    float cy = p.top + p.len / 2, R = p.hw;
    for (int i = 0; i < 4; ++i) {
        float a = float(M_PI) / 4 + i * float(M_PI) / 2;
        Line(l, {p.cx, cy}, {p.cx + std::cos(a) * R * 0.9f, cy + std::sin(a) * R * 0.9f}, R * 0.1f, p.trim);
    }
    RingEllipse(l, p.cx, cy, R * 0.86f, R * 0.86f, R * 0.12f, p.hull);
    RingEllipse(l, p.cx, cy, R * 0.86f, R * 0.86f, 1.0f, p.trim * 0.5f);
    for (int i = 0; i < 12; ++i) {
        float a = i * float(M_PI) / 6;
        Pt q{p.cx + std::cos(a) * R * 0.86f, cy + std::sin(a) * R * 0.86f};
        FillEllipse(l, q.x, q.y, 1.8f, 1.8f, p.light);
        p.guns.push_back(q);
    }
    FillEllipse(l, p.cx, cy, R * 0.38f, R * 0.38f, HullShade(p, p.hull, p.cx, R * 0.38f));
    RingEllipse(l, p.cx, cy, R * 0.25f, R * 0.25f, 1.5f, p.trim);
    Glow(l, p.cx, cy, R * 0.2f, p.light, 0.9f, false);
}

struct RaceLook {
    const char* key;
    void (*draw)(Layer&, Plan&);
    uint32_t hull, trim, light, engine;
};

const RaceLook kLooks[] = {
    {"TFG", Angular, 0x8a97aa, 0x4a6a9a, 0x6fe6ff, 0x7ab8ff},
    {"VSK", Organic, 0x6a8a3a, 0x4a2a4a, 0xd8ff5a, 0xb0ff60},
    {"QLL", Crystal, 0x6ac8d8, 0x2a6a8a, 0xbafcff, 0x9af0ff},
    {"DRN", Industrial, 0x8a6a4a, 0x6a6a62, 0xffc860, 0xffa040},
    {"SYL", Swept, 0xb07ac8, 0x7a4aa8, 0xffd0ff, 0xff90f0},
    {"KRU", Cyber, 0x5a5e66, 0x8a2a2a, 0xff4a3a, 0xff6a4a},
    {"OSS", Disc, 0xb89a4a, 0x7a5a2a, 0xfff0a0, 0xffe080},
    {"ZHA", Spiky, 0x6a2a26, 0xc85a2a, 0xffa040, 0xff7030},
    {"MER", Rounded, 0xd8d0b8, 0x3a8a8a, 0x8af0e0, 0x7af0d0},
};

void DrawShip(Layer& l, Plan& p, const RaceLook& look, bool starbase) {
    p.hull = Hex(look.hull); p.trim = Hex(look.trim); p.light = Hex(look.light); p.engine = Hex(look.engine);
    if (starbase) Station(l, p);
    else look.draw(l, p);
}

void Engines(Layer& l, const Plan& p, float power) {
    float r = std::max(3.0f, p.hw * 0.16f);
    for (auto& n : p.nozzles) {
        Glow(l, n.x, n.y, r * 2.2f * power, p.engine, 0.7f * power);
        FillEllipse(l, n.x, n.y, r * 0.45f, r * 0.35f, Mix(p.engine, Col{1, 1, 1}, 0.6f));
    }
}

}  // namespace

void MakeShips(Output& out, const std::string& gameData) {
    for (const std::string& folder : ContentFolders(gameData)) {
        IniFile ships = ReadIni(folder + "ships.adf");
        for (const IniSection& s : ships.sections) {
            std::string image = s.Get("BMP_IMAGE");
            if (image.empty()) continue;
            std::string race = s.Get("RACE");
            if (race.empty()) race = s.name.substr(0, 3);
            const RaceLook* look = nullptr;
            for (auto& lk : kLooks)
                if (SameText(lk.key, race)) look = &lk;
            uint32_t seed = uint32_t(HashText(Lower(s.name).c_str()));
            RaceLook generic{"", Angular, 0x8090a0, 0x506070, 0xa0f0ff, 0xa0d0ff};
            if (!look) {
                // A race the generator has no style for: tint the plated look from its name.
                Rng t(seed);
                generic.hull = 0x606060 + (uint32_t(t.Int(0x40)) << 16) + (uint32_t(t.Int(0x40)) << 8) + uint32_t(t.Int(0x40));
                look = &generic;
            }
            bool starbase = s.GetInt("STARBASE") != 0;
            float structure = float(std::atof(s.Get("STRUCTURE", "20").c_str()));
            int size = starbase ? 150 : std::clamp(int(34 + structure * 1.45f), 36, 120);
            if (look->draw == Disc && !starbase) size = std::clamp(int(size * 0.85f), 36, 110);
            Rng rng(seed);
            Plan p;
            p.size = size; p.cx = size / 2.0f; p.top = size * 0.05f; p.len = size * 0.9f;
            p.hw = size * (starbase || look->draw == Disc ? 0.45f : rng.Range(0.36f, 0.44f));
            p.seed = seed; p.rng = &rng;
            Layer ship(size, size);
            DrawShip(ship, p, *look, starbase);
            Layer idle = ship;
            Engines(idle, p, 0.8f);
            out.Image("ships/" + image, Keyed(idle, kKeyBlack));
            // Firing picture: hot engines and muzzle flashes.
            Layer firing = ship;
            Engines(firing, p, 1.15f);
            for (auto& g : p.guns) {
                Glow(firing, g.x, g.y, std::max(4.0f, size * 0.09f), Hex(0xfff0c0), 1.0f);
                FillEllipse(firing, g.x, g.y, 1.5f, 1.5f, Col{1, 1, 1});
            }
            out.Image("ships/" + image + "_fr", Keyed(firing, kKeyBlack));
        }
    }
}

}  // namespace ag
