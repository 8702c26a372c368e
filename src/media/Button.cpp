#include "media/Button.h"

#include <memory>

#include "core/Errors.h"
#include "media/ImageDraw.h"

namespace sw {

TButton::TButton(TSurface* surface, TDXImageList* imageList, int x, int y, int width, int height,
                 const std::string& imageName, int flashLength, int panel)
    : X(x), Y(y), Width(width), Height(height), ImageName(imageName), Surface(surface), ImageList(imageList),
      FlashLength(flashLength), Panel(panel) {}

void TButton::Draw() {
  if (FlashCountdown > 0) {
    // A flash dims the button and then gives it back the look it had before the click, so a
    // button that was unavailable does not come back looking available.
    if (!InFlash) {
      InFlash = true;
      RestAlpha = Alpha;
    }
    int old = FlashCountdown--;
    Alpha = old > 1 ? AlphaDimmed : RestAlpha;
    if (FlashCountdown == 0) InFlash = false;
  }
  if (ImageName.empty() || !Surface || !ImageList) return;
  DrawCentered(*Surface, *ImageList, ImageName, X + Width / 2, Y + Height / 2, Width, Height, 0, Alpha);
}

TButton* TButtonList::Add(const std::string& key, int x, int y, int width, int height, const std::string& imageName,
                          int flashLength, int alpha, int panel) {
  auto button = std::make_unique<TButton>(Surface, ImageList, x, y, width, height, imageName, flashLength, panel);
  button->Alpha = alpha;
  return Buttons.Add(key, std::move(button));
}

TButton& TButtonList::Find(const std::string& key) const {
  TButton* b = Buttons.Find(key);
  if (!b) throw EGameError(Format("Button '%s' not found", key));
  return *b;
}

template <typename TAccept>
std::string TButtonList::FirstHit(int x, int y, TAccept accept) const {
  for (int i = 0; i < Buttons.Count(); ++i) {
    const TButton& b = *Buttons.At(i);
    if (b.FlashCountdown == 0 && b.Contains(x, y) && accept(b)) return Buttons.NameAt(i);
  }
  return "";
}

std::string TButtonList::HitTest(int x, int y) const {
  return FirstHit(x, y, [](const TButton&) { return true; });
}

std::string TButtonList::HitTestAvailable(int x, int y) const {
  return FirstHit(x, y, [](const TButton& b) { return b.Alpha > AlphaDimmed; });
}

std::string TButtonList::HitTestPanel(int x, int y, int subScreen) const {
  return FirstHit(x, y, [&](const TButton& b) { return b.Alpha > AlphaDimmed && (b.Panel == 0 || b.Panel == subScreen); });
}

std::string TButtonList::HitTestDimmed(int x, int y, int subScreen) const {
  return FirstHit(x, y, [&](const TButton& b) { return !b.Available() && (b.Panel == 0 || b.Panel == subScreen); });
}

void TButtonList::DrawAll() {
  for (int i = 0; i < Buttons.Count(); ++i) Buttons.At(i)->Draw();
}

}  // namespace sw
