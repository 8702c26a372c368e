#include "media/ColorModel.h"

#include <algorithm>
#include <cmath>

#include "core/Numbers.h"

namespace sw {

THsl ColorToHsl(TColor c) {
  double r = GetRValue(c) / 256.0, g = GetGValue(c) / 256.0, b = GetBValue(c) / 256.0;
  double mx = std::max({r, g, b}), mn = std::min({r, g, b});
  double delta = mx - mn;
  THsl out;
  out.Lightness = Round((mx + mn) / 2 * 256);
  if (delta == 0) return out;
  double s = (mx + mn) / 2 < 0.5 ? delta / (mx + mn) : delta / (2 - mx - mn);
  out.Saturation = Round(s * 256);
  double h;
  if (mx == b) h = (r - g) / delta + 4;
  else if (mx == g) h = (b - r) / delta + 2;
  else h = (g - b) / delta;
  out.Hue = Round(h * 42.6);
  return out;
}

namespace {

double HueToChannel(double p, double q, double t) {
  t -= std::floor(t);  // wrap into 0..1
  if (t < 1.0 / 6) return p + (q - p) * 6 * t;
  if (t < 1.0 / 2) return q;
  if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
  return p;
}

int ToByte(double v) { return std::clamp(Round(v * 255), 0, 255); }

}  // namespace

TColor HslToColor(const THsl& hsl) {
  int light = std::clamp(hsl.Lightness, 0, 255);
  if (hsl.Saturation == 0) return RGB(light, light, light);
  double h = hsl.Hue / 255.0, s = hsl.Saturation / 255.0, l = light / 255.0;
  double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
  double p = 2 * l - q;
  return RGB(ToByte(HueToChannel(p, q, h + 1.0 / 3)), ToByte(HueToChannel(p, q, h)),
             ToByte(HueToChannel(p, q, h - 1.0 / 3)));
}

TColor AdjustLightness(TColor c, int delta) {
  THsl hsl = ColorToHsl(c);
  hsl.Lightness = static_cast<int>(std::clamp(static_cast<long long>(hsl.Lightness) + delta, 0LL, 255LL));
  return HslToColor(hsl);
}

}  // namespace sw
