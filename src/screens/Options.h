#pragma once
// The options screen: brightness, sound and music volumes, game speed and the battle pointers
// with their current values, and the buttons to go back, load or save a campaign, end the
// battle, quit to the main menu and leave the game. Which of load, save, end battle and quit
// are offered depends on the screen the options were opened from.
#include <string>

#include "media/Button.h"
#include "media/MenuFocus.h"

namespace sw {

class TOptions {
public:
  // Loads the background and builds the buttons, all available.
  TOptions();

  // Offers the buttons that make sense for the screen left (the game state) and, from the
  // campaign, its sub-screen: unavailable buttons are dimmed.
  void SetAvailability(int stateLeft, int campaignSubScreen);
  // True while the button is offered (not dimmed).
  bool Available(const std::string& key) const { return Buttons.Find(key).Alpha > AlphaDimmed; }
  // Why a dimmed button cannot act now, in a line the screen shows when it is pressed.
  std::string Reason(const std::string& key) const;

  void Draw();
  // The key of the button under the point, or "": dimmed buttons are hit too, and the mouse
  // routing shows their Reason instead of acting.
  std::string HitTest(int x, int y) const { return Buttons.HitTest(x, y); }

  // The slowest game speed, as a frame interval in milliseconds: a second a frame is already
  // far slower than anyone plays, and the interval can never run past what a number holds.
  static constexpr int SlowestInterval = 1000;

  // The pads' two rows, in a panel of their own right of the others: the stick's dead zone and
  // its sensitivity, each with a button that sets it back to its default and arrows that step
  // it down and up ("oppad_dz", "arpad_dz_l", "arpad_dz_r"; "oppad_sens", ...).
  static constexpr int PadRowX = 577, PadRowWidth = 125, PadDeadZoneY = 328, PadSensitivityY = 355;

  // The values as the screen shows them.
  static std::string GammaText(int gammaOffset);
  static std::string VolumeText(int volume);

  // The buttons the highlight moves among: every one that is offered.
  TFocusTargets FocusTargets() const;

  TButtonList Buttons;
  TMenuFocus Focus;

private:
  // The screen the options were opened from, and whether a campaign's sub-screen forbade saving.
  int StateLeft = -1;
  bool CampaignBusy = false;
};

}  // namespace sw
