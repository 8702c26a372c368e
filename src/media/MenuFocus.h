#pragma once
// The highlighted button of a front-end screen, moved by menu commands: up, down, left and
// right, pressed, and back. Keys feed these commands now (the arrows, Enter, Escape) and a game
// pad's d-pad and buttons feed the same ones, so a screen never asks which device moved it.
// A move goes to the nearest button in that direction and wraps round past the screen's edge.
#include <string>
#include <vector>

#include "media/Surface.h"

namespace sw {

enum class TMenuCommand { Up, Down, Left, Right, Press, Back };

// A button the highlight may rest on: its key and where it lies on the screen. A screen lists
// only the buttons that can be pressed now (not dimmed, not hidden).
struct TFocusTarget {
  std::string Key;
  TRect Rect;
};
using TFocusTargets = std::vector<TFocusTarget>;

class TMenuFocus {
public:
  // The key of the highlighted button.
  std::string Key;

  // Keeps the highlight on one of the targets: when it rests on none of them (the screen was
  // just opened, or its button was dimmed since), it goes to `preferred`, or the first target.
  void Keep(const TFocusTargets& targets, const std::string& preferred);
  // Moves the highlight one step in the direction (Up, Down, Left or Right).
  void Move(const TFocusTargets& targets, TMenuCommand direction);
  // The highlighted target, or nullptr.
  const TFocusTarget* Current(const TFocusTargets& targets) const;
  // Puts the highlight on a button the mouse clicked, when it is one of the targets.
  void Follow(const TFocusTargets& targets, const std::string& key);

  // Draws the highlight round the highlighted target: a bright double frame that reads on dark
  // panels and light plates alike.
  void Draw(TSurface& surface, const TFocusTargets& targets) const;
  // The frame itself; grey where the highlighted button cannot be pressed just now.
  static void DrawFrame(TSurface& surface, const TRect& rect, bool dimmed = false);
};

}  // namespace sw
