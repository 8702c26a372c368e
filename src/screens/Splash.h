#pragma once
// The opening splash sequence, the main menu and the credits: three screens that share one
// object, its images, the menu theme and one list of buttons.
#include <string>

#include "media/Button.h"
#include "media/MenuFocus.h"

namespace sw {

class TSplash {
public:
  // Loads the screens' images and the menu theme, and builds the buttons.
  TSplash();

  // Installs the palette of the front-end image list (states 1, 2 and 3).
  void Enter();
  // One frame of the splash sequence; after frame 4500 it switches to the menu by itself.
  void DrawSplashFrame();
  void DrawMenu();
  void DrawCredits();
  // The key of the button under the point, or "" (menu and credits buttons live in one list).
  std::string HitTest(int x, int y) const { return Buttons.HitTest(x, y); }
  // The caption of the splash sequence at frame n ("" when none is shown).
  static std::string CaptionAt(int n);
  // The story panel shown at frame n: 1 to 4, or 0 for none.
  static int StoryPanelAt(int n);

  // Story lines are drawn from y 150 down, 15 pixels apart: this many reach the screen.
  static constexpr int StoryLinesOnScreen = (600 - 150 + 14) / 15;

  // The buttons the highlight moves among: the menu's six, or the credits' back button.
  TFocusTargets FocusTargets(bool credits) const;
  // The menu's first button, or the credits' back button.
  static const char* FirstFocus(bool credits) { return credits ? "back" : "start"; }

  int FrameCounter = 0;
  TMenuFocus Focus;
  TButtonList Buttons;
  std::string IntroFile;

  // The author named by the splash captions and the credits.
  static constexpr const char* Author = "the Starwake team";
};

}  // namespace sw
