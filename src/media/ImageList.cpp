#include "media/ImageList.h"

#include <algorithm>
#include <cmath>

#include "core/Errors.h"
#include "core/Text.h"

namespace sw {

void TImageItem::LoadFromFile(const std::string& path) { Source = LoadBitmapFile(path); }

void TImageItem::AssignBitmap(const TBitmap& bmp) { Source = bmp; }

void TImageItem::SetTransparentColor(TColor c) {
  TransparentColor = c;
  if (!Converted.empty()) {
    Key565 = ColorTo565(c);
    Opaque = std::find(Converted.begin(), Converted.end(), Key565) == Converted.end();
  }
}

void TImageItem::MakeReady() {
  Converted.resize(Source.Pixels.size());
  for (size_t i = 0; i < Source.Pixels.size(); ++i) {
    uint32_t p = Source.Pixels[i];
    Converted[i] = To565((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  Key565 = ColorTo565(TransparentColor);
  Opaque = std::find(Converted.begin(), Converted.end(), Key565) == Converted.end();
}

void TImageItem::Draw(TSurface& s, int x, int y, int) const {
  const int w = Width(), h = Height();
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(s.Width, x + w), y1 = std::min(s.Height, y + h);
  if (x0 >= x1 || y0 >= y1 || Converted.empty()) return;
  for (int dy = y0; dy < y1; ++dy) {
    const uint16_t* src = Converted.data() + static_cast<size_t>(dy - y) * w + (x0 - x);
    uint16_t* dst = s.Row(dy) + x0;
    if (Opaque) {
      // A picture without a key pixel (the star map, backdrops) is copied row by row.
      std::copy(src, src + (x1 - x0), dst);
      continue;
    }
    for (int dx = x0; dx < x1; ++dx, ++src, ++dst)
      if (*src != Key565) *dst = *src;
  }
}

static inline uint16_t Blend565(uint16_t dst, uint16_t src, int alpha) {
  int dr = dst >> 11, dg = (dst >> 5) & 0x3F, db = dst & 0x1F;
  int sr = src >> 11, sg = (src >> 5) & 0x3F, sb = src & 0x1F;
  int r = dr + (((sr - dr) * alpha) / 255);
  int g = dg + (((sg - dg) * alpha) / 255);
  int b = db + (((sb - db) * alpha) / 255);
  return static_cast<uint16_t>((r << 11) | (g << 5) | b);
}

void TImageItem::DrawAlpha(TSurface& s, const TRect& r, int, int alpha) const {
  if (alpha <= 0 || Converted.empty()) return;
  if (alpha > 255) alpha = 255;
  const int rw = r.Width(), rh = r.Height();
  if (rw <= 0 || rh <= 0) return;
  int x0 = std::max(0, r.Left), y0 = std::max(0, r.Top);
  int x1 = std::min(s.Width, r.Right), y1 = std::min(s.Height, r.Bottom);
  if (x0 >= x1 || y0 >= y1) return;
  const int w = Width(), h = Height();
  for (int dy = y0; dy < y1; ++dy) {
    int sy = static_cast<int>((static_cast<int64_t>(dy - r.Top) * h) / rh);
    const uint16_t* srow = Converted.data() + static_cast<size_t>(sy) * w;
    uint16_t* dst = s.Row(dy);
    for (int dx = x0; dx < x1; ++dx) {
      int sx = static_cast<int>((static_cast<int64_t>(dx - r.Left) * w) / rw);
      uint16_t p = srow[sx];
      if (p == Key565) continue;
      dst[dx] = alpha >= 255 ? p : Blend565(dst[dx], p, alpha);
    }
  }
}

void TImageItem::DrawTransformed(TSurface& s, int x, int y, int w, int h, double cx, double cy, int angle,
                                 int alpha) const {
  if (w <= 0 || h <= 0 || alpha <= 0 || Converted.empty()) return;
  if (alpha > 255) alpha = 255;
  angle = ((angle % 256) + 256) % 256;
  const double theta = angle * (2.0 * M_PI / 256.0);
  double c = std::cos(theta), sn = std::sin(theta);
  // Exact quarter turns: keep them free of rounding noise.
  if (angle % 64 == 0) {
    static const double cs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    c = cs[angle / 64][0];
    sn = cs[angle / 64][1];
  }
  const double px = cx * w, py = cy * h;  // pivot inside the scaled image
  // Bounding box of the rotated rectangle on screen.
  double xs[4] = {-px, w - px, w - px, -px}, ys[4] = {-py, -py, h - py, h - py};
  double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
  for (int i = 0; i < 4; ++i) {
    double rx = xs[i] * c - ys[i] * sn, ry = xs[i] * sn + ys[i] * c;
    minX = std::min(minX, rx);
    maxX = std::max(maxX, rx);
    minY = std::min(minY, ry);
    maxY = std::max(maxY, ry);
  }
  int bx0 = std::max(0, static_cast<int>(std::floor(x + minX)));
  int bx1 = std::min(s.Width, static_cast<int>(std::ceil(x + maxX)));
  int by0 = std::max(0, static_cast<int>(std::floor(y + minY)));
  int by1 = std::min(s.Height, static_cast<int>(std::ceil(y + maxY)));
  if (bx0 >= bx1 || by0 >= by1) return;
  const int iw = Width(), ih = Height();
  const double scaleX = static_cast<double>(iw) / w, scaleY = static_cast<double>(ih) / h;
  for (int dy = by0; dy < by1; ++dy) {
    uint16_t* dst = s.Row(dy);
    double ry = dy + 0.5 - y;
    for (int dx = bx0; dx < bx1; ++dx) {
      double rx = dx + 0.5 - x;
      // Inverse rotation back into the scaled image, then into the source pixels.
      double ux = rx * c + ry * sn + px;
      double uy = -rx * sn + ry * c + py;
      if (ux < 0 || uy < 0 || ux >= w || uy >= h) continue;
      int sx = static_cast<int>(ux * scaleX), sy = static_cast<int>(uy * scaleY);
      if (sx >= iw || sy >= ih) continue;
      uint16_t p = Converted[static_cast<size_t>(sy) * iw + sx];
      if (p == Key565) continue;
      dst[dx] = alpha >= 255 ? p : Blend565(dst[dx], p, alpha);
    }
  }
}

void TImageItem::DrawRotate(TSurface& s, int x, int y, int w, int h, int, double cx, double cy, int angle) const {
  DrawTransformed(s, x, y, w, h, cx, cy, angle, 255);
}

void TImageItem::DrawRotateAlpha(TSurface& s, int x, int y, int w, int h, int, double cx, double cy, int angle,
                                 int alpha) const {
  DrawTransformed(s, x, y, w, h, cx, cy, angle, alpha);
}

bool TDXImageList::FirstMiss(const std::string& name) const {
  bool& reported = Reported[LowerCase(name)];
  if (reported) return false;
  reported = true;
  Missed.push_back(name);
  return true;
}

TImageItem& TDXImageList::Find(const std::string& name) const {
  int i = IndexOf(name);
  if (i >= 0) return *Items[static_cast<size_t>(i)];
  if (FirstMiss(name)) throw EGameError(Format("Image '%s' not found", name));
  return Blank;
}

const TImageItem* TDXImageList::Lookup(const std::string& name) const {
  int i = IndexOf(name);
  if (i >= 0) return Items[static_cast<size_t>(i)].get();
  if (FirstMiss(name) && OnMissing) OnMissing(Format("Image '%s' not found", name));
  return nullptr;
}

int TDXImageList::IndexOf(const std::string& name) const {
  if (IndexedCount != Items.size()) {
    Index.clear();
    for (size_t i = 0; i < Items.size(); ++i) Index.emplace(LowerCase(Items[i]->Name), static_cast<int>(i));
    IndexedCount = Items.size();
  }
  auto it = Index.find(LowerCase(name));
  if (it != Index.end() && SameText(Items[static_cast<size_t>(it->second)]->Name, name)) return it->second;
  // Not indexed (or renamed since): look through the list, and index afresh next time.
  for (size_t i = 0; i < Items.size(); ++i)
    if (SameText(Items[i]->Name, name)) {
      IndexedCount = static_cast<size_t>(-1);
      return static_cast<int>(i);
    }
  return -1;
}

TImageItem& TDXImageList::Add() {
  Items.push_back(std::make_unique<TImageItem>());
  return *Items.back();
}

void TDXImageList::Delete(int i) {
  Items.erase(Items.begin() + i);
  IndexedCount = static_cast<size_t>(-1);
}

void TDXImageList::Remove(const std::string& name) {
  for (int i = IndexOf(name); i >= 0; i = IndexOf(name)) Delete(i);
}

TImageItem& TDXImageList::LoadImage(const std::string& name, const std::string& path, TColor key) {
  TBitmap bmp = LoadBitmapFile(path);  // a file that cannot be read leaves the list as it was
  int i = IndexOf(name);
  TImageItem& item = i >= 0 ? *Items[static_cast<size_t>(i)] : Add();
  item.AssignBitmap(bmp);
  item.Name = name;
  item.TransparentColor = key;
  item.MakeReady();
  // Found again: should it go missing later, that is a new fault worth a report.
  Reported.erase(LowerCase(name));
  return item;
}

void TDXImageList::CutSheet(const std::string& base, const std::string& path, int frameHeight, int frameWidth,
                            int rows, int columns) {
  if (rows <= 0 || columns <= 0) return;
  TBitmap sheet = LoadBitmapFile(path);
  if (frameWidth <= 0 || frameHeight <= 0) return;
  // A frame never exceeds the sheet, and frames that would start past its edge are not cut:
  // a count far beyond the sheet cannot fill the memory with empty frames.
  frameWidth = std::min(frameWidth, sheet.Width);
  frameHeight = std::min(frameHeight, sheet.Height);
  if (frameWidth <= 0 || frameHeight <= 0) return;
  rows = std::min(rows, (sheet.Height + frameHeight - 1) / frameHeight);
  columns = std::min(columns, (sheet.Width + frameWidth - 1) / frameWidth);
  int k = 1;
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < columns; ++col) {
      TBitmap frame;
      frame.Width = frameWidth;
      frame.Height = frameHeight;
      frame.Pixels.assign(static_cast<size_t>(frameWidth) * frameHeight, 0);
      for (int y = 0; y < frameHeight; ++y)
        for (int x = 0; x < frameWidth; ++x) {
          int sx = frameWidth * col + x, sy = frameHeight * row + y;
          if (sx < sheet.Width && sy < sheet.Height)
            frame.Pixels[static_cast<size_t>(y) * frameWidth + x] = sheet.At(sx, sy);
        }
      TImageItem& item = Add();
      item.AssignBitmap(frame);
      item.Name = base + "_" + std::to_string(k++);
      item.MakeReady();
    }
}

}  // namespace sw
