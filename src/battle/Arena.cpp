#include "battle/Arena.h"

#include <algorithm>

#include "core/Numbers.h"
#include "media/ImageList.h"

namespace sw {

TImageSizeFn ImageSizesOf(const TDXImageList& images) {
  return [&images](const std::string& name) {
    const int i = name.empty() ? -1 : images.IndexOf(name);
    if (i < 0) return TImageSize{};
    const TImageItem& item = *images.At(i);
    return TImageSize{item.Width(), item.Height()};
  };
}

TImageSize ObjectImageSize(const TGameObject& o, const TImageSizeFn& sizes) {
  auto usable = [](TImageSize s) { return s.Width > 0 && s.Height > 0; };
  TImageSize s = sizes(o.ImageName);
  if (usable(s)) return s;
  if (!o.IconImage.empty() && o.IconImage != o.ImageName) {
    s = sizes(o.IconImage);
    if (usable(s)) return s;
  }
  return DefaultObjectSize;
}

TImageSize DisplayedSize(TImageSize size, int imageDivisor) {
  const int divisor = imageDivisor > 0 ? imageDivisor : 1;
  TImageSize out{size.Width / divisor, size.Height / divisor};
  if (out.Width <= 2) out.Width = 3;
  if (out.Height <= 2) out.Height = 3;
  return out;
}

int DisplayedWidth(const TGameObject& o, const TImageSizeFn& sizes, int imageDivisor) {
  return DisplayedSize(ObjectImageSize(o, sizes), imageDivisor).Width;
}

int DisplayedHeight(const TGameObject& o, const TImageSizeFn& sizes, int imageDivisor) {
  return DisplayedSize(ObjectImageSize(o, sizes), imageDivisor).Height;
}

void WrapObject(TGameObject& o, TImageSize displayed, int zoom) {
  const int w = displayed.Width / 2;
  const int h = displayed.Height / 2;
  const double arenaW = 800.0 * zoom;
  const double arenaH = 600.0 * zoom;
  if (o.X < -w) o.X = arenaW;
  if (o.X > arenaW) o.X = -w;
  if (o.Y < -h) o.Y = arenaH;
  if (o.Y > arenaH) o.Y = -h;
}

void WrapObject(TGameObject& o, const TImageSizeFn& sizes, const TArenaView& view) {
  WrapObject(o, DisplayedSize(ObjectImageSize(o, sizes), view.ImageDivisor), view.Zoom);
}

void ChangeZoom(TArenaView& view, int newZoom, const TArenaRect& rect, TArenaContents contents) {
  if (newZoom == 3) {
    if (view.Zoom == 3) return;  // already close: nothing to rescale
    for (int i = 0; i < contents.Stars.Count(); ++i) {
      TBackStar& s = *contents.Stars.At(i);
      s.X *= 3;
      s.Y *= 3;
    }
    for (int i = 0; i < contents.Trails.Count(); ++i) {
      TTrail& t = *contents.Trails.At(i);
      t.X *= 3;
      t.Y *= 3;
    }
    for (int i = 0; i < contents.Objects.Count(); ++i) {
      TGameObject& o = *contents.Objects.At(i);
      if (o.Removed) continue;
      o.X *= 3;
      o.Y *= 3;
      o.VX *= 3;
      o.VY *= 3;
    }
    view.Zoom = 3;
    view.ImageDivisor = 1;
    const int cx = rect.Left + (rect.Right - rect.Left) / 2;
    const int cy = rect.Top + (rect.Bottom - rect.Top) / 2;
    view.CameraX = std::max(0, 3 * cx - 400);
    view.CameraY = std::max(0, 3 * cy - 300);
    return;
  }
  const int z = view.Zoom > 0 ? view.Zoom : 1;
  for (int i = 0; i < contents.Stars.Count(); ++i) {
    TBackStar& s = *contents.Stars.At(i);
    s.X /= z;
    s.Y /= z;
  }
  for (int i = 0; i < contents.Trails.Count(); ++i) {
    TTrail& t = *contents.Trails.At(i);
    t.X /= z;
    t.Y /= z;
  }
  for (int i = 0; i < contents.Objects.Count(); ++i) {
    TGameObject& o = *contents.Objects.At(i);
    if (o.Removed) continue;
    o.X /= z;
    o.Y /= z;
    o.VX /= z;
    o.VY /= z;
  }
  view.Zoom = 1;
  view.ImageDivisor = 3;
  view.CameraX = 0;
  view.CameraY = 0;
}

TArenaRect PairRect(const TGameObject& a, TImageSize displayedA, const TGameObject& b, TImageSize displayedB) {
  const int ax = Round(a.X), ay = Round(a.Y), bx = Round(b.X), by = Round(b.Y);
  TArenaRect r;
  r.Left = std::min(ax - displayedA.Width / 2, bx - displayedB.Width / 2);
  r.Top = std::min(ay - displayedA.Height / 2, by - displayedB.Height / 2);
  r.Right = std::max(ax + displayedA.Width / 2, bx + displayedB.Width / 2);
  r.Bottom = std::max(ay + displayedA.Height / 2, by + displayedB.Height / 2);
  return r;
}

void UpdateCamera(TArenaView& view, const TGameObject* focus, const TGameObject* opponent,
                  const TImageSizeFn& sizes, TArenaContents contents) {
  if (!focus || !opponent) {
    ChangeZoom(view, 1, {}, contents);
    return;
  }
  const TArenaRect r = PairRect(*focus, DisplayedSize(ObjectImageSize(*focus, sizes), view.ImageDivisor), *opponent,
                                DisplayedSize(ObjectImageSize(*opponent, sizes), view.ImageDivisor));
  const int w = r.Right - r.Left;
  const int h = r.Bottom - r.Top;
  if (view.Zoom == 1 && 3 * w < 800 && 3 * h < 600) {
    // The zoom change itself centres the camera on the pair in close-view units. Placing it
    // again from the far-view rectangle measured before the change would throw the view
    // toward the top-left corner for one frame, so this frame keeps the change's camera.
    ChangeZoom(view, 3, r, contents);
    return;
  }
  if (view.Zoom == 3 && (w > 800 || h > 600)) ChangeZoom(view, 1, r, contents);
  if (view.Zoom == 3) {
    // Keeps the pair centred in the close view.
    view.CameraX = std::max(0, r.Left - (800 - w) / 2);
    view.CameraY = std::max(0, r.Top - (600 - h) / 2);
  }
}

}  // namespace sw
