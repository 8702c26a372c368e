#pragma once
// The drawing canvas on a surface: text in "Arial" (Liberation Sans), lines, shapes, pixels.
#include <string>
#include <vector>

#include "core/Colors.h"
#include "media/Surface.h"

namespace sw {

enum class TBrushStyle { bsSolid, bsClear };

struct TFont {
  std::string Name = "Arial";
  int Size = 8;  // points, as on a 96-DPI display
  TColor Color = clBlack;
  bool Bold = false;
};
struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = TBrushStyle::bsSolid;
};
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
};

class TCanvas {
public:
  explicit TCanvas(TSurface& surface) : Target(&surface) {}

  TFont Font;
  TBrush Brush;
  TPen Pen;

  void TextOut(int x, int y, const std::string& text);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);
  void MoveTo(int x, int y) {
    PenX = x;
    PenY = y;
  }
  void LineTo(int x, int y);
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  void FillRect(const TRect& r);
  void Polygon(const std::vector<TPoint>& points);
  void SetPixel(int x, int y, TColor c) { Target->Put(x, y, ColorTo565(c)); }
  // End of a canvas block; drawing is immediate, so the order issued is kept.
  void Release() {}

  TSurface& Surface() { return *Target; }

private:
  void HLine(int x0, int x1, int y, uint16_t c);
  void Dot(int x, int y, uint16_t c);
  void FillPolygon(const std::vector<TPoint>& points, uint16_t c);
  TSurface* Target;
  int PenX = 0, PenY = 0;
};

// Shuts the font engine down (at program end, so leak checks stay clean).
void ShutdownFonts();

}  // namespace sw
