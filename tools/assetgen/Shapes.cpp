#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace ag {

namespace {
constexpr int kSub = 4;  // sub-scanlines per pixel row

// Coverage of a polygon over its bounding box, even-odd rule.
void Coverage(const std::vector<Pt>& pts, int& bx, int& by, int& bw, int& bh, std::vector<float>& cov, int lw,
              int lh) {
    float minx = 1e9f, miny = 1e9f, maxx = -1e9f, maxy = -1e9f;
    for (auto& p : pts) {
        minx = std::min(minx, p.x); maxx = std::max(maxx, p.x);
        miny = std::min(miny, p.y); maxy = std::max(maxy, p.y);
    }
    bx = std::max(0, int(std::floor(minx)));
    by = std::max(0, int(std::floor(miny)));
    int ex = std::min(lw, int(std::ceil(maxx)) + 1), ey = std::min(lh, int(std::ceil(maxy)) + 1);
    bw = ex - bx; bh = ey - by;
    if (bw <= 0 || bh <= 0) { bw = bh = 0; return; }
    cov.assign(size_t(bw) * bh, 0.f);
    std::vector<float> xs;
    const size_t n = pts.size();
    for (int row = 0; row < bh; ++row) {
        for (int s = 0; s < kSub; ++s) {
            float sy = by + row + (s + 0.5f) / kSub;
            xs.clear();
            for (size_t i = 0; i < n; ++i) {
                const Pt& p = pts[i];
                const Pt& q = pts[(i + 1) % n];
                if ((p.y <= sy && q.y > sy) || (q.y <= sy && p.y > sy)) {
                    xs.push_back(p.x + (sy - p.y) / (q.y - p.y) * (q.x - p.x));
                }
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                float x0 = std::max(xs[k], float(bx)), x1 = std::min(xs[k + 1], float(bx + bw));
                if (x1 <= x0) continue;
                int i0 = int(std::floor(x0)), i1 = int(std::floor(x1));
                float* line = &cov[size_t(row) * bw];
                if (i0 == i1) {
                    line[i0 - bx] += (x1 - x0) / kSub;
                } else {
                    line[i0 - bx] += (i0 + 1 - x0) / kSub;
                    for (int x = i0 + 1; x < i1 && x < bx + bw; ++x) line[x - bx] += 1.0f / kSub;
                    if (i1 < bx + bw) line[i1 - bx] += (x1 - i1) / kSub;
                }
            }
        }
    }
}
}  // namespace

void FillPolygon(Layer& l, const std::vector<Pt>& pts, const Shader& sh, float alpha) {
    if (pts.size() < 3) return;
    int bx, by, bw, bh;
    std::vector<float> cov;
    Coverage(pts, bx, by, bw, bh, cov, l.w, l.h);
    for (int y = 0; y < bh; ++y)
        for (int x = 0; x < bw; ++x) {
            float c = std::min(1.0f, cov[size_t(y) * bw + x]);
            if (c > 0.003f) l.Over(bx + x, by + y, sh(bx + x + 0.5f, by + y + 0.5f), c * alpha);
        }
}

void FillPolygon(Layer& l, const std::vector<Pt>& pts, const Col& c, float alpha) {
    FillPolygon(l, pts, Solid(c), alpha);
}

void FillEllipse(Layer& l, float cx, float cy, float rx, float ry, const Shader& sh, float alpha) {
    if (rx <= 0 || ry <= 0) return;
    int x0 = std::max(0, int(cx - rx - 2)), x1 = std::min(l.w - 1, int(cx + rx + 2));
    int y0 = std::max(0, int(cy - ry - 2)), y1 = std::min(l.h - 1, int(cy + ry + 2));
    float rm = std::min(rx, ry);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            float d = std::sqrt(dx * dx + dy * dy);
            float c = Clamp01(0.5f - (d - 1.0f) * rm);
            if (c > 0) l.Over(x, y, sh(x + 0.5f, y + 0.5f), c * alpha);
        }
}

void FillEllipse(Layer& l, float cx, float cy, float rx, float ry, const Col& c, float alpha) {
    FillEllipse(l, cx, cy, rx, ry, Solid(c), alpha);
}

void RingEllipse(Layer& l, float cx, float cy, float rx, float ry, float width, const Col& col, float alpha) {
    int x0 = std::max(0, int(cx - rx - width - 2)), x1 = std::min(l.w - 1, int(cx + rx + width + 2));
    int y0 = std::max(0, int(cy - ry - width - 2)), y1 = std::min(l.h - 1, int(cy + ry + width + 2));
    float rm = std::min(rx, ry);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            float d = std::fabs(std::sqrt(dx * dx + dy * dy) - 1.0f) * rm;
            float c = Clamp01(width * 0.5f + 0.5f - d);
            if (c > 0) l.Over(x, y, col, c * alpha);
        }
}

void Line(Layer& l, Pt a, Pt b, float width, const Col& c, float alpha) {
    float dx = b.x - a.x, dy = b.y - a.y, len = std::sqrt(dx * dx + dy * dy);
    if (len < 1e-4f) { FillEllipse(l, a.x, a.y, width / 2, width / 2, c, alpha); return; }
    float nx = -dy / len * width / 2, ny = dx / len * width / 2;
    FillPolygon(l, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, c, alpha);
}

void Polyline(Layer& l, const std::vector<Pt>& pts, float width, const Col& c, float alpha, bool closed) {
    for (size_t i = 0; i + 1 < pts.size(); ++i) Line(l, pts[i], pts[i + 1], width, c, alpha);
    if (closed && pts.size() > 2) Line(l, pts.back(), pts.front(), width, c, alpha);
}

void FillRect(Layer& l, float x0, float y0, float x1, float y1, const Col& c, float alpha) {
    FillPolygon(l, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, c, alpha);
}

static std::vector<Pt> RoundRectPts(float x0, float y0, float x1, float y1, float r) {
    std::vector<Pt> p;
    r = std::min({r, (x1 - x0) / 2, (y1 - y0) / 2});
    const float cs[4][2] = {{x1 - r, y0 + r}, {x1 - r, y1 - r}, {x0 + r, y1 - r}, {x0 + r, y0 + r}};
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i <= 6; ++i) {
            float ang = float(M_PI) * (-0.5f + 0.5f * k + i / 12.0f);
            p.push_back({cs[k][0] + std::cos(ang) * r, cs[k][1] + std::sin(ang) * r});
        }
    return p;
}

void RoundRect(Layer& l, float x0, float y0, float x1, float y1, float r, const Shader& sh, float alpha) {
    FillPolygon(l, RoundRectPts(x0, y0, x1, y1, r), sh, alpha);
}
void RoundRect(Layer& l, float x0, float y0, float x1, float y1, float r, const Col& c, float alpha) {
    RoundRect(l, x0, y0, x1, y1, r, Solid(c), alpha);
}
void RoundRectOutline(Layer& l, float x0, float y0, float x1, float y1, float r, float width, const Col& c,
                      float alpha) {
    Polyline(l, RoundRectPts(x0, y0, x1, y1, r), width, c, alpha, true);
}

void Glow(Layer& l, float cx, float cy, float radius, const Col& c, float strength, bool onEmpty) {
    int x0 = std::max(0, int(cx - radius)), x1 = std::min(l.w - 1, int(cx + radius));
    int y0 = std::max(0, int(cy - radius)), y1 = std::min(l.h - 1, int(cy + radius));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            float d = std::sqrt(dx * dx + dy * dy) / radius;
            if (d >= 1) continue;
            float t = (1 - d) * (1 - d) * strength;
            if (!onEmpty && l.Alpha(x, y) < 0.5f) continue;
            l.Add(x, y, c, t);
        }
}

Shader LinearGradient(Pt a, Pt b, Col ca, Col cb) {
    float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    return [=](float x, float y) {
        float t = len2 > 0 ? Clamp01(((x - a.x) * dx + (y - a.y) * dy) / len2) : 0.f;
        return Mix(ca, cb, t);
    };
}

Shader Solid(Col c) {
    return [c](float, float) { return c; };
}

std::vector<Pt> Mirror(const std::vector<Pt>& half, float cx) {
    std::vector<Pt> out;
    for (auto& p : half) out.push_back({cx + p.x, p.y});
    for (auto it = half.rbegin(); it != half.rend(); ++it) out.push_back({cx - it->x, it->y});
    return out;
}

std::vector<Pt> Transform(const std::vector<Pt>& pts, float dx, float dy, float sx, float sy) {
    std::vector<Pt> o;
    for (auto& p : pts) o.push_back({p.x * sx + dx, p.y * sy + dy});
    return o;
}

}  // namespace ag
