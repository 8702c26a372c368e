#include "Bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ag {

Col Hex(uint32_t v) {
    return {((v >> 16) & 255) / 255.0f, ((v >> 8) & 255) / 255.0f, (v & 255) / 255.0f};
}
Col Mix(const Col& a, const Col& b, float t) { return a + (b - a) * t; }
float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

Bitmap::Bitmap(int w_, int h_, Rgb fill) : w(w_), h(h_), px(size_t(w_) * h_, fill) {}

static void Put16(std::vector<uint8_t>& o, uint32_t v) { o.push_back(v & 255); o.push_back((v >> 8) & 255); }
static void Put32(std::vector<uint8_t>& o, uint32_t v) { Put16(o, v & 0xFFFF); Put16(o, v >> 16); }

bool Bitmap::Save(const std::string& path) const {
    const uint32_t stride = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t dataSize = stride * uint32_t(h);
    std::vector<uint8_t> o;
    o.reserve(54 + dataSize);
    o.push_back('B'); o.push_back('M');
    Put32(o, 54 + dataSize); Put32(o, 0); Put32(o, 54);
    Put32(o, 40); Put32(o, uint32_t(w)); Put32(o, uint32_t(h));
    Put16(o, 1); Put16(o, 24); Put32(o, 0); Put32(o, dataSize);
    Put32(o, 2835); Put32(o, 2835); Put32(o, 0); Put32(o, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Rgb& p = At(x, y);
            o.push_back(p.b); o.push_back(p.g); o.push_back(p.r);
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < stride; ++pad) o.push_back(0);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(o.data(), 1, o.size(), f) == o.size();
    return std::fclose(f) == 0 && ok;
}

Layer::Layer(int w_, int h_)
    : w(w_), h(h_), r(size_t(w_) * h_, 0.f), g(size_t(w_) * h_, 0.f), b(size_t(w_) * h_, 0.f),
      a(size_t(w_) * h_, 0.f) {}

void Layer::Over(int x, int y, const Col& c, float t) {
    if (!In(x, y) || t <= 0) return;
    t = std::min(t, 1.0f);
    size_t i = I(x, y);
    float da = a[i];
    float oa = t + da * (1 - t);
    if (oa <= 0) return;
    float kd = da * (1 - t) / oa, ks = t / oa;
    r[i] = c.r * ks + r[i] * kd;
    g[i] = c.g * ks + g[i] * kd;
    b[i] = c.b * ks + b[i] * kd;
    a[i] = oa;
}

void Layer::Add(int x, int y, const Col& c, float t) {
    if (!In(x, y) || t <= 0) return;
    size_t i = I(x, y);
    if (a[i] < t) {
        // Light on empty space: blend the colour in as if over black.
        float k = a[i] / std::max(t, 1e-6f);
        r[i] *= k; g[i] *= k; b[i] *= k;
        a[i] = std::min(1.0f, t);
    }
    r[i] = std::min(1.0f, r[i] + c.r * t);
    g[i] = std::min(1.0f, g[i] + c.g * t);
    b[i] = std::min(1.0f, b[i] + c.b * t);
}

void Layer::Fill(const Col& c, float alpha) {
    std::fill(r.begin(), r.end(), c.r);
    std::fill(g.begin(), g.end(), c.g);
    std::fill(b.begin(), b.end(), c.b);
    std::fill(a.begin(), a.end(), alpha);
}

void Layer::Put(int x, int y, const Col& c, float alpha) {
    if (!In(x, y)) return;
    size_t i = I(x, y);
    r[i] = c.r; g[i] = c.g; b[i] = c.b; a[i] = alpha;
}

void Layer::Draw(const Layer& s, int dx, int dy, float opacity) {
    for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x) {
            size_t i = s.I(x, y);
            if (s.a[i] > 0) Over(x + dx, y + dy, {s.r[i], s.g[i], s.b[i]}, s.a[i] * opacity);
        }
}

Layer Layer::Scaled(int nw, int nh) const {
    Layer o(nw, nh);
    float sx = float(w) / nw, sy = float(h) / nh;
    for (int y = 0; y < nh; ++y)
        for (int x = 0; x < nw; ++x) {
            float x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            if (sx <= 1 && sy <= 1) {
                // Enlarging: nearest-neighbour centre sample is enough for our uses.
                int ix = std::min(w - 1, int((x + 0.5f) * sx)), iy = std::min(h - 1, int((y + 0.5f) * sy));
                size_t i = I(ix, iy);
                o.Put(x, y, {r[i], g[i], b[i]}, a[i]);
                continue;
            }
            float ar = 0, ag_ = 0, ab = 0, aa = 0, n = 0;
            for (int yy = int(y0); yy < std::min(h, int(std::ceil(y1))); ++yy)
                for (int xx = int(x0); xx < std::min(w, int(std::ceil(x1))); ++xx) {
                    size_t i = I(xx, yy);
                    ar += r[i] * a[i]; ag_ += g[i] * a[i]; ab += b[i] * a[i]; aa += a[i]; n += 1;
                }
            if (n > 0 && aa > 0) o.Put(x, y, {ar / aa, ag_ / aa, ab / aa}, aa / n);
        }
    return o;
}

bool Collapses565(Rgb p, Rgb key) {
    return (p.r >> 3) == (key.r >> 3) && (p.g >> 2) == (key.g >> 2) && (p.b >> 3) == (key.b >> 3);
}

Rgb SafeAgainst(Rgb p, Rgb key) {
    if (!Collapses565(p, key)) return p;
    // Move the green channel (the finest one) one 565 step away from the key.
    if (key.g < 128) p.g = uint8_t((key.g & ~3) + 4);
    else p.g = uint8_t((key.g & ~3) - 1);
    if (key == Rgb{0, 0, 0}) { p.r = std::max<uint8_t>(p.r, 8); p.b = std::max<uint8_t>(p.b, 8); }
    return p;
}

static uint8_t To8(float v) { return uint8_t(std::lround(Clamp01(v) * 255.0f)); }

Bitmap Keyed(const Layer& l, Rgb key) {
    Bitmap o(l.w, l.h, key);
    for (int y = 0; y < l.h; ++y)
        for (int x = 0; x < l.w; ++x) {
            size_t i = l.I(x, y);
            float al = l.a[i];
            if (al < 0.5f) continue;
            // Soft edges fade toward dark rather than toward the key colour.
            float k = 0.55f + 0.45f * (al - 0.5f) * 2.0f;
            Rgb p{To8(l.r[i] * k), To8(l.g[i] * k), To8(l.b[i] * k)};
            o.At(x, y) = SafeAgainst(p, key);
        }
    return o;
}

Bitmap Opaque(const Layer& l) {
    Bitmap o(l.w, l.h);
    for (size_t i = 0; i < o.px.size(); ++i) {
        float al = l.a[i];
        o.px[i] = {To8(l.r[i] * al), To8(l.g[i] * al), To8(l.b[i] * al)};
    }
    return o;
}

}  // namespace ag
