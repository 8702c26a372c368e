#pragma once
// A 16-bit RGB565 pixel surface; the display's back buffer is one.
#include <cstdint>
#include <vector>

#include "core/Colors.h"

namespace sw {

inline uint16_t To565(int r, int g, int b) {
  return static_cast<uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | ((b & 0xF8) >> 3));
}
inline uint16_t ColorTo565(TColor c) { return To565(GetRValue(c), GetGValue(c), GetBValue(c)); }
// Expands a 565 pixel back to 8 bits per channel, filling the low bits so white stays white.
inline void From565(uint16_t p, int& r, int& g, int& b) {
  r = (p >> 11) & 0x1F;
  g = (p >> 5) & 0x3F;
  b = p & 0x1F;
  r = (r << 3) | (r >> 2);
  g = (g << 2) | (g >> 4);
  b = (b << 3) | (b >> 2);
}

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};
inline TRect Bounds(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

struct TPoint {
  int X = 0, Y = 0;
};

class TSurface {
public:
  TSurface() = default;
  TSurface(int w, int h) { Resize(w, h); }
  void Resize(int w, int h) {
    Width = w;
    Height = h;
    Pixels.assign(static_cast<size_t>(w) * h, 0);
  }
  uint16_t* Row(int y) { return Pixels.data() + static_cast<size_t>(y) * Width; }
  const uint16_t* Row(int y) const { return Pixels.data() + static_cast<size_t>(y) * Width; }
  uint16_t Get(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  void Put(int x, int y, uint16_t p) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) Pixels[static_cast<size_t>(y) * Width + x] = p;
  }
  void Fill(uint16_t p) { std::fill(Pixels.begin(), Pixels.end(), p); }

  int Width = 0, Height = 0;
  std::vector<uint16_t> Pixels;
};

}  // namespace sw
