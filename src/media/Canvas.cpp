#include "media/Canvas.h"

#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>

#include "core/Errors.h"
#include "core/Numbers.h"

namespace sw {

namespace {

const char* RegularFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const char* BoldFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";

struct TGlyphRun {
  int Width = 0, Height = 0;
  std::vector<uint8_t> Alpha;
};

class TFontCache {
public:
  ~TFontCache() { Shutdown(); }
  void Shutdown() {
    for (auto& f : Fonts) TTF_CloseFont(f.second);
    Fonts.clear();
    Runs.clear();
    Widths.clear();
    if (Started) TTF_Quit();
    Started = false;
  }
  TTF_Font* Get(int points, bool bold) {
    int key = points * 2 + (bold ? 1 : 0);
    auto it = Fonts.find(key);
    if (it != Fonts.end()) return it->second;
    if (!Started) {
      if (TTF_Init() != 0) throw EGameError(std::string("Font engine failed: ") + TTF_GetError());
      Started = true;
    }
    int pixels = std::max(1, Round(points * 96.0 / 72.0));
    TTF_Font* font = TTF_OpenFont(bold ? BoldFont : RegularFont, pixels);
    if (!font) throw EGameError(Format("Font '%s' not found", bold ? BoldFont : RegularFont));
    Fonts[key] = font;
    return font;
  }
  const TGlyphRun& Run(const std::string& text, int points, bool bold) {
    std::string key = Key(text, points, bold);
    auto it = Runs.find(key);
    if (it != Runs.end()) return it->second;
    if (Runs.size() > MaxRuns) Runs.clear();
    TGlyphRun run;
    TTF_Font* font = Get(points, bold);
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = text.empty() ? nullptr : TTF_RenderUTF8_Blended(font, text.c_str(), white);
    if (s) {
      SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
      SDL_FreeSurface(s);
      if (conv) {
        run.Width = conv->w;
        run.Height = conv->h;
        run.Alpha.resize(static_cast<size_t>(conv->w) * conv->h);
        SDL_LockSurface(conv);
        for (int y = 0; y < conv->h; ++y) {
          const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(conv->pixels) + y * conv->pitch);
          for (int x = 0; x < conv->w; ++x) run.Alpha[static_cast<size_t>(y) * conv->w + x] = row[x] >> 24;
        }
        SDL_UnlockSurface(conv);
        SDL_FreeSurface(conv);
      }
    } else {
      run.Height = TTF_FontHeight(font);
    }
    return Runs.emplace(key, std::move(run)).first->second;
  }

  // The width the font engine gives the text; measuring shapes the whole text, so a label
  // measured on every frame (the star map's names) is measured once.
  int Width(const std::string& text, int points, bool bold) {
    std::string key = Key(text, points, bold);
    auto it = Widths.find(key);
    if (it != Widths.end()) return it->second;
    if (Widths.size() > MaxWidths) Widths.clear();
    int w = 0, h = 0;
    TTF_SizeUTF8(Get(points, bold), text.c_str(), &w, &h);
    Widths.emplace(std::move(key), w);
    return w;
  }

private:
  // Texts kept per cache; past this the cache starts afresh, so text that changes every frame
  // cannot fill the memory (a rendered text holds a byte per pixel, a width only a number: the
  // names of a large map all fit).
  static constexpr size_t MaxRuns = 2048;
  static constexpr size_t MaxWidths = 8192;
  static std::string Key(const std::string& text, int points, bool bold) {
    return std::to_string(points) + (bold ? "b|" : "r|") + text;
  }
  bool Started = false;
  std::map<int, TTF_Font*> Fonts;
  std::unordered_map<std::string, TGlyphRun> Runs;
  std::unordered_map<std::string, int> Widths;
};

TFontCache& Fonts() {
  static TFontCache cache;
  return cache;
}

}  // namespace

void ShutdownFonts() { Fonts().Shutdown(); }

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const TGlyphRun& run = Fonts().Run(text, Font.Size, Font.Bold);
  TSurface& s = *Target;
  if (Brush.Style == TBrushStyle::bsSolid && run.Width > 0) {
    uint16_t bg = ColorTo565(Brush.Color);
    for (int yy = std::max(0, y); yy < std::min(s.Height, y + run.Height); ++yy)
      HLine(x, x + run.Width - 1, yy, bg);
  }
  const int fr = GetRValue(Font.Color), fg = GetGValue(Font.Color), fb = GetBValue(Font.Color);
  // Only the part of the text on the surface is visited: text beside it costs nothing.
  auto within = [](long long v, int size) { return static_cast<int>(std::clamp<long long>(v, 0, size)); };
  const int x0 = within(-static_cast<long long>(x), run.Width), x1 = within(static_cast<long long>(s.Width) - x, run.Width);
  const int y0 = within(-static_cast<long long>(y), run.Height), y1 = within(static_cast<long long>(s.Height) - y, run.Height);
  for (int yy = y0; yy < y1; ++yy) {
    uint16_t* row = s.Row(y + yy);
    const uint8_t* a = run.Alpha.data() + static_cast<size_t>(yy) * run.Width;
    for (int xx = x0; xx < x1; ++xx) {
      if (a[xx] == 0) continue;
      const int dx = x + xx;
      int al = a[xx];
      if (al == 255) {
        row[dx] = To565(fr, fg, fb);
      } else {
        int r, g, b;
        From565(row[dx], r, g, b);
        row[dx] = To565(r + (fr - r) * al / 255, g + (fg - g) * al / 255, b + (fb - b) * al / 255);
      }
    }
  }
}

int TCanvas::TextWidth(const std::string& text) {
  if (text.empty()) return 0;
  return Fonts().Width(text, Font.Size, Font.Bold);
}

int TCanvas::TextHeight(const std::string& text) { return TTF_FontHeight(Fonts().Get(Font.Size, Font.Bold)); }

void TCanvas::HLine(int x0, int x1, int y, uint16_t c) {
  TSurface& s = *Target;
  if (y < 0 || y >= s.Height) return;
  if (x0 > x1) std::swap(x0, x1);
  x0 = std::max(0, x0);
  x1 = std::min(s.Width - 1, x1);
  uint16_t* row = s.Row(y);
  for (int x = x0; x <= x1; ++x) row[x] = c;
}

void TCanvas::Dot(int x, int y, uint16_t c) {
  int w = Pen.Width;
  if (w <= 1) {
    Target->Put(x, y, c);
    return;
  }
  // A thick pen paints a round dot of its width at every point of the line.
  double r = w / 2.0;
  int ri = static_cast<int>(std::ceil(r));
  for (int dy = -ri; dy <= ri; ++dy) {
    int half = static_cast<int>(std::sqrt(std::max(0.0, r * r - dy * dy)));
    HLine(x - half, x + half, y + dy, c);
  }
}

void TCanvas::LineTo(int x, int y) {
  uint16_t c = ColorTo565(Pen.Color);
  int x0 = PenX, y0 = PenY;
  int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  // Lines far outside the screen are skipped rather than walked pixel by pixel.
  if (std::max(std::abs(x0), std::abs(x)) < 100000 && std::max(std::abs(y0), std::abs(y)) < 100000) {
    while (true) {
      // The end point itself is not painted, as with the usual line drawing.
      if (x0 == x && y0 == y) break;
      Dot(x0, y0, c);
      int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        x0 += sx;
      }
      if (e2 <= dx) {
        err += dx;
        y0 += sy;
      }
    }
  }
  PenX = x;
  PenY = y;
}

void TCanvas::FillRect(const TRect& r) {
  uint16_t c = ColorTo565(Brush.Color);
  for (int y = r.Top; y < r.Bottom; ++y) HLine(r.Left, r.Right - 1, y, c);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (Brush.Style == TBrushStyle::bsSolid) FillRect({left, top, right, bottom});
  int sx = PenX, sy = PenY;
  MoveTo(left, top);
  LineTo(right - 1, top);
  LineTo(right - 1, bottom - 1);
  LineTo(left, bottom - 1);
  LineTo(left, top);
  MoveTo(sx, sy);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  double cx = (left + right - 1) / 2.0, cy = (top + bottom - 1) / 2.0;
  double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
  if (rx <= 0 || ry <= 0) return;
  if (Brush.Style == TBrushStyle::bsSolid) {
    uint16_t c = ColorTo565(Brush.Color);
    for (int y = top; y < bottom; ++y) {
      double t = (y + 0.5 - (top + bottom) / 2.0) / ry;
      if (t * t > 1) continue;
      double half = rx * std::sqrt(1 - t * t);
      HLine(static_cast<int>(std::lround((left + right) / 2.0 - half)),
            static_cast<int>(std::lround((left + right) / 2.0 + half)) - 1, y, c);
    }
  }
  // An outline that misses the surface draws nothing: its box lies off the surface, or the
  // whole surface lies well inside it (a range circle far wider than the screen).
  if (right < 0 || bottom < 0 || left >= Target->Width || top >= Target->Height) return;
  auto wellInside = [&](double x, double y) {
    const double dx = (x - cx) / (rx - 2), dy = (y - cy) / (ry - 2);
    return rx > 2 && ry > 2 && dx * dx + dy * dy < 1;
  };
  if (wellInside(0, 0) && wellInside(Target->Width, 0) && wellInside(0, Target->Height) &&
      wellInside(Target->Width, Target->Height))
    return;
  uint16_t pc = ColorTo565(Pen.Color);
  int steps = std::max(16, static_cast<int>((rx + ry) * 4));
  for (int i = 0; i < steps; ++i) {
    double a = 2 * M_PI * i / steps;
    Dot(static_cast<int>(std::lround(cx + (rx - 0.5) * std::cos(a))),
        static_cast<int>(std::lround(cy + (ry - 0.5) * std::sin(a))), pc);
  }
}

void TCanvas::FillPolygon(const std::vector<TPoint>& pts, uint16_t c) {
  int minY = pts[0].Y, maxY = pts[0].Y;
  for (const auto& p : pts) {
    minY = std::min(minY, p.Y);
    maxY = std::max(maxY, p.Y);
  }
  minY = std::max(minY, 0);
  maxY = std::min(maxY, Target->Height - 1);
  std::vector<double> xs;
  for (int y = minY; y <= maxY; ++y) {
    xs.clear();
    double sy = y + 0.5;
    for (size_t i = 0; i < pts.size(); ++i) {
      const TPoint& a = pts[i];
      const TPoint& b = pts[(i + 1) % pts.size()];
      if ((a.Y <= sy && b.Y > sy) || (b.Y <= sy && a.Y > sy))
        xs.push_back(a.X + (sy - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      HLine(static_cast<int>(std::ceil(xs[i] - 0.5)), static_cast<int>(std::ceil(xs[i + 1] - 0.5)) - 1, y, c);
  }
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  if (Brush.Style == TBrushStyle::bsSolid && points.size() >= 3) FillPolygon(points, ColorTo565(Brush.Color));
  int sx = PenX, sy = PenY;
  MoveTo(points.back().X, points.back().Y);
  for (const auto& p : points) LineTo(p.X, p.Y);
  Dot(points.back().X, points.back().Y, ColorTo565(Pen.Color));
  MoveTo(sx, sy);
}

}  // namespace sw
