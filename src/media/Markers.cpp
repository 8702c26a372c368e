#include "media/Markers.h"

#include "media/Canvas.h"

namespace sw {

TColor MarkerColor(int sideKind, bool lit) {
  switch (sideKind) {
    case 1: return lit ? RGB(192, 255, 162) : RGB(0, 70, 9);
    case 2: return lit ? RGB(255, 162, 164) : RGB(91, 0, 2);
    default: return lit ? RGB(162, 185, 255) : RGB(9, 0, 108);
  }
}

namespace {

TCanvas MarkerCanvas(TSurface& surface, TColor color, int penWidth) {
  TCanvas canvas(surface);
  canvas.Pen.Color = color;
  canvas.Pen.Width = penWidth;
  canvas.Brush.Color = color;
  canvas.Brush.Style = TBrushStyle::bsSolid;
  return canvas;
}

void Line(TCanvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

}  // namespace

void DrawTriangleMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight) {
  TCanvas canvas = MarkerCanvas(surface, MarkerColor(sideKind, lit), 1);
  int apex = y - objectHeight / 2 - 4 * unit;
  int base = apex - 3 * unit;
  canvas.Polygon({{x - 3 * unit, base}, {x + 3 * unit, base}, {x, apex}});
}

void DrawCrossMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight) {
  TCanvas canvas = MarkerCanvas(surface, MarkerColor(sideKind, lit), unit);
  int r = y - objectHeight / 2 - 4 * unit;
  Line(canvas, x - 3 * unit, r, x + 3 * unit, r - 6 * unit);
  Line(canvas, x - 3 * unit, r - 6 * unit, x + 3 * unit, r);
}

void DrawCircleMarker(TSurface& surface, int x, int y, bool lit, int sideKind, int unit, int objectHeight) {
  TCanvas canvas = MarkerCanvas(surface, MarkerColor(sideKind, lit), 1);
  int top = y - objectHeight / 2;
  canvas.Ellipse(x - 6 * unit, top - 6 * unit, x, top);
}

void DrawMapMarker(TSurface& surface, int x, int y, TColor color) {
  TCanvas canvas(surface);
  canvas.Pen.Color = color;
  canvas.Pen.Width = 1;
  canvas.SetPixel(x + 4, y, color);
  for (int i = 0; i < 3; ++i) Line(canvas, x - i + 3, y - i - 1, x + i + 6, y - i - 1);
}

void DrawCornerBrackets(TSurface& surface, int x, int y, int width, int height) {
  TCanvas canvas(surface);
  canvas.Pen.Color = RGB(185, 255, 162);
  canvas.Pen.Width = 1;
  int a = width / 2, b = height / 2;
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) {
      int row = y + sy * (b + 2);
      int end = x + sx * (a + 4);
      canvas.MoveTo(x + sx * (a + 2), row);
      canvas.LineTo(end, row);
      canvas.LineTo(end, y + sy * (b - 1));
    }
}

}  // namespace sw
