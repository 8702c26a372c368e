#include "media/MenuFocus.h"

#include <cstdlib>
#include <limits>

#include "core/Colors.h"
#include "core/Text.h"
#include "media/Canvas.h"

namespace sw {

namespace {

// Twice the centre, so halves stay whole.
int CentreX2(const TRect& r) { return r.Left + r.Right; }
int CentreY2(const TRect& r) { return r.Top + r.Bottom; }

}  // namespace

const TFocusTarget* TMenuFocus::Current(const TFocusTargets& targets) const {
  for (const TFocusTarget& t : targets)
    if (SameText(t.Key, Key)) return &t;
  return nullptr;
}

void TMenuFocus::Keep(const TFocusTargets& targets, const std::string& preferred) {
  if (targets.empty() || Current(targets)) return;
  Key = targets.front().Key;
  for (const TFocusTarget& t : targets)
    if (SameText(t.Key, preferred)) Key = t.Key;
}

void TMenuFocus::Follow(const TFocusTargets& targets, const std::string& key) {
  for (const TFocusTarget& t : targets)
    if (SameText(t.Key, key)) Key = t.Key;
}

void TMenuFocus::Move(const TFocusTargets& targets, TMenuCommand direction) {
  const TFocusTarget* from = Current(targets);
  if (!from) {
    Keep(targets, "");
    return;
  }
  const bool vertical = direction == TMenuCommand::Up || direction == TMenuCommand::Down;
  const int sign = direction == TMenuCommand::Down || direction == TMenuCommand::Right ? 1 : -1;
  // The distance along the move counts once, the distance across it twice: the next button of
  // a column is preferred to a nearer one off to the side. A button with nothing beyond it in
  // that direction wraps to the far side, as if the screen repeated past its edge.
  const int span = 2 * (vertical ? 600 : 800);
  long best = std::numeric_limits<long>::max();
  const TFocusTarget* choice = nullptr;
  for (const TFocusTarget& t : targets) {
    if (&t == from) continue;
    int along = sign * (vertical ? CentreY2(t.Rect) - CentreY2(from->Rect) : CentreX2(t.Rect) - CentreX2(from->Rect));
    const int across = std::abs(vertical ? CentreX2(t.Rect) - CentreX2(from->Rect) : CentreY2(t.Rect) - CentreY2(from->Rect));
    if (along <= 0) along += span;
    const long score = static_cast<long>(along) + 2L * across;
    if (score < best) {
      best = score;
      choice = &t;
    }
  }
  if (choice) Key = choice->Key;
}

void TMenuFocus::Draw(TSurface& surface, const TFocusTargets& targets) const {
  if (const TFocusTarget* t = Current(targets)) DrawFrame(surface, t->Rect);
}

void TMenuFocus::DrawFrame(TSurface& surface, const TRect& r, bool dimmed) {
  TCanvas canvas(surface);
  canvas.Brush.Style = TBrushStyle::bsClear;
  // A dark line outside the bright one, so the frame shows on light and dark alike.
  canvas.Pen.Width = 1;
  canvas.Pen.Color = RGB(10, 14, 30);
  canvas.Rectangle(r.Left - 4, r.Top - 4, r.Right + 4, r.Bottom + 4);
  canvas.Pen.Color = dimmed ? RGB(130, 130, 130) : RGB(255, 196, 40);
  for (int out = 1; out <= 3; ++out) canvas.Rectangle(r.Left - out, r.Top - out, r.Right + out, r.Bottom + out);
  canvas.Release();
}

}  // namespace sw
