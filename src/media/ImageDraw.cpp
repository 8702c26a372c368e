#include "media/ImageDraw.h"

#include <algorithm>

namespace sw {

void DrawCentered(TSurface& surface, const TDXImageList& list, const std::string& name, int cx, int cy, int width,
                  int height, int angle, int alpha) {
  const TImageItem* found = list.Lookup(name);
  if (!found) return;  // reported once by the list; the rest of the frame is drawn
  const TImageItem& image = *found;
  bool opaque = alpha >= 255;
  int halfW = width / 2, halfH = height / 2;
  int left = cx - halfW, top = cy - halfH;
  // A size change on an opaque image goes through the rotated draw, which scales; a blended
  // one does not need to, since the alpha draw scales into its rectangle.
  bool transformed = angle != 0 || ((width != image.Width() || height != image.Height()) && opaque);
  if (transformed) {
    if (cx - halfW > 800 || cx + halfW < 0 || cy - halfH > 600 || cy + halfH < 0) return;
  } else {
    if (left > 800 || left + width < 0 || top > 600 || top + height < 0) return;
  }
  if (!transformed && opaque) image.Draw(surface, left, top, 0);
  else if (transformed && opaque) image.DrawRotate(surface, cx, cy, width, height, 0, 0.5, 0.5, angle);
  else if (!transformed) image.DrawAlpha(surface, Bounds(left, top, width, height), 0, alpha);
  else image.DrawRotateAlpha(surface, cx, cy, width, height, 0, 0.5, 0.5, angle, alpha);
}

void DrawCrewIcons(TSurface& surface, const TDXImageList& list, int capacity, int side, int marines, int crew) {
  crew = std::max(crew, 0);
  marines = std::max(marines, 0);
  int lost = std::max(capacity - crew, 0);
  int i = 0;
  // Draws one group; icons past the edge of the screen are not drawn, so a runaway count
  // stops there. False once the row has left the screen.
  auto group = [&](const char* name, int count) {
    if (count <= 0) return true;
    const TImageItem* found = list.Lookup(name);
    if (!found) {
      // A missing icon leaves a gap for its group; the other groups keep their places.
      i += std::min(count, 200);
      return true;
    }
    const TImageItem& icon = *found;
    for (int n = 0; n < count; ++n, ++i) {
      long long x = side == 1 ? 100 + 7LL * i : 693 - 7LL * i;
      if (x > 800 || x < -icon.Width()) return false;
      icon.Draw(surface, static_cast<int>(x), 33, 0);
    }
    return true;
  };
  if (group("man_alive", crew) && group("man_alive_not", lost)) group("man_marine", marines);
}

}  // namespace sw
