#include "media/Drawing.h"

#include <algorithm>

#include "core/Numbers.h"
#include "core/Random.h"
#include "media/ColorModel.h"
#include "media/Geometry.h"

namespace sw {

namespace {

struct TGlowStroke {
  int Darken, Width;
};
constexpr TGlowStroke GlowStrokes[] = {{115, 15}, {100, 9}, {65, 3}};

void Line(TCanvas& canvas, TPoint a, TPoint b) {
  canvas.MoveTo(a.X, a.Y);
  canvas.LineTo(b.X, b.Y);
}

void GlowLines(TCanvas& canvas, const TPoint* ends, int segments, int glowKind, TColor color) {
  if (glowKind == 3)
    for (const TGlowStroke& stroke : GlowStrokes) {
      canvas.Pen.Color = AdjustLightness(color, -stroke.Darken);
      canvas.Pen.Width = stroke.Width;
      for (int s = 0; s < segments; ++s) Line(canvas, ends[2 * s], ends[2 * s + 1]);
    }
  canvas.Pen.Color = color;
  canvas.Pen.Width = 1;
  for (int s = 0; s < segments; ++s) Line(canvas, ends[2 * s], ends[2 * s + 1]);
}

}  // namespace

void DrawGlowLine(TCanvas& canvas, TPoint from, TPoint to, int glowKind, TColor color) {
  const TPoint ends[] = {from, to};
  GlowLines(canvas, ends, 1, glowKind, color);
}

void DrawGlowLinePair(TCanvas& canvas, TPoint fromA, TPoint toA, TPoint fromB, TPoint toB, int glowKind,
                      TColor color) {
  const TPoint ends[] = {fromA, toA, fromB, toB};
  GlowLines(canvas, ends, 2, glowKind, color);
}

void DrawLightning(TCanvas& canvas, TPoint start, TPoint end, bool scatter, int lightnessStep, int boltCount,
                   int spread, TColor color) {
  for (int k = boltCount - 1; k >= 0; --k) {
    TColor boltColor = AdjustLightness(color, -k * lightnessStep);
    auto segment = [&](TPoint a, TPoint b) {
      if (spread == 3 && k == 0) {
        canvas.Pen.Color = boltColor;
        canvas.Pen.Width = 2;
        Line(canvas, a, b);
      }
      canvas.Pen.Color = k == 0 ? color : boltColor;
      canvas.Pen.Width = 1;
      Line(canvas, a, b);
    };
    TPoint e = end;
    if (scatter) {
      e.X += PictureRandom(32 * spread) - 16 * spread;
      e.Y += PictureRandom(32 * spread) - 16 * spread;
    }
    int m = PictureRandom(10) + 10;
    double length = Round(Distance(start.X, start.Y, e.X, e.Y));
    int jitter = 10 * k + 14;
    TPoint at = start;
    for (int i = 1; i < m; ++i) {
      TPoint p = PointToward(start, e, Round(length / m * i), PictureRandom(jitter) - jitter / 2);
      segment(at, p);
      at = p;
    }
    segment(at, e);
  }
}

void DrawRings(TSurface& surface, TPoint centre, TColor color, bool skipBlack, int step, int size) {
  TCanvas canvas(surface);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Pen.Width = 1;
  step = std::max(step, 1);
  int darken = step == 1 ? 6 : 3;
  THsl hsl = ColorToHsl(color);
  bool outermost = true;
  for (long long f = size; f > 0; f -= 5LL * step) {
    bool black = outermost || hsl.Lightness < darken;
    outermost = false;
    TColor ring = clBlack;
    if (!black) {
      hsl.Lightness -= darken;
      ring = HslToColor(hsl);
    }
    if (black && skipBlack) continue;
    int half = static_cast<int>(f >> 1);
    canvas.Pen.Color = ring;
    canvas.Ellipse(centre.X - half, centre.Y - half, centre.X + half, centre.Y + half);
  }
}

}  // namespace sw
