// Pictures as the generator draws them: a float RGBA layer for painting and
// a 24-bit RGB bitmap for saving as a Windows BMP (.img) file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ag {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A colour with channels in 0..1.
struct Col {
    float r = 0, g = 0, b = 0;
    Col() = default;
    constexpr Col(float r_, float g_, float b_) : r(r_), g(g_), b(b_) {}
    Col operator*(float k) const { return {r * k, g * k, b * k}; }
    Col operator+(const Col& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Col operator-(const Col& o) const { return {r - o.r, g - o.g, b - o.b}; }
};
Col Hex(uint32_t rrggbb);
Col Mix(const Col& a, const Col& b, float t);
float Clamp01(float v);

// Saved picture: 8-bit RGB, row 0 at the top.
struct Bitmap {
    int w = 0, h = 0;
    std::vector<Rgb> px;
    Bitmap() = default;
    Bitmap(int w_, int h_, Rgb fill = {});
    Rgb& At(int x, int y) { return px[size_t(y) * w + x]; }
    const Rgb& At(int x, int y) const { return px[size_t(y) * w + x]; }
    bool Save(const std::string& path) const;  // 24-bit uncompressed BMP
};

// Painting layer with straight (non-premultiplied) colour and coverage alpha.
struct Layer {
    int w = 0, h = 0;
    std::vector<float> r, g, b, a;
    Layer() = default;
    Layer(int w_, int h_);
    size_t I(int x, int y) const { return size_t(y) * w + x; }
    bool In(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    // Paint colour c over the pixel with weight t (0..1), "over" compositing.
    void Over(int x, int y, const Col& c, float t);
    // Brighten the pixel by adding light (keeps alpha, raises it to at least t).
    void Add(int x, int y, const Col& c, float t);
    void Fill(const Col& c, float alpha = 1.0f);
    Col Get(int x, int y) const { size_t i = I(x, y); return {r[i], g[i], b[i]}; }
    float Alpha(int x, int y) const { return a[I(x, y)]; }
    void Put(int x, int y, const Col& c, float alpha = 1.0f);
    // Draw another layer with its top-left at (dx, dy).
    void Draw(const Layer& src, int dx, int dy, float opacity = 1.0f);
    // Scaled copy (box filter when shrinking, bilinear when growing).
    Layer Scaled(int nw, int nh) const;
};

// Turn a layer into a saveable picture on a key colour. Pixels with alpha
// below one half become the key exactly; every other pixel is nudged so
// that the game's 16-bit conversion never turns it into the key.
Bitmap Keyed(const Layer& l, Rgb key);
// A fully opaque picture (backgrounds drawn edge to edge).
Bitmap Opaque(const Layer& l);

// Colour rules of the 16-bit display: would this pixel turn into the key?
bool Collapses565(Rgb px, Rgb key);
Rgb SafeAgainst(Rgb px, Rgb key);

}  // namespace ag
