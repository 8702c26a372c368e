#pragma once
// The Controls screen, opened from the options: both pilots' eight commands, each with its key
// and its pad button. Choosing a command (a click, or Enter on its highlighted row) waits for
// the new key or pad button; Escape cancels the wait. A key another command had is swapped
// with it, and the screen says so; a key the game keeps for itself is refused with the reason.
// "Defaults" gives both pilots the keys and buttons a new player has.
#include <optional>
#include <string>

#include "media/Button.h"
#include "media/ControlBindings.h"
#include "media/MenuFocus.h"

namespace sw {

class TControlsScreen {
public:
  // Loads the background and builds the "Back" and "Defaults" buttons.
  TControlsScreen();

  // The screen is opened: no command waits, the highlight is on pilot 1's first command.
  void Open();
  void Draw();

  // The key of what lies under the point: a command's row ("p1_0" .. "p2_7"), "back",
  // "defaults", or "".
  std::string HitTest(int x, int y) const;
  // Every row and button, each of which the highlight can rest on.
  TFocusTargets FocusTargets() const;

  // Starts waiting for a new key or pad button for the command of a row key ("p2_3"); false
  // when the key is no row.
  bool StartCapture(const std::string& rowKey);
  bool Capturing() const { return Waiting.has_value(); }
  // Stops waiting; the command keeps what it had.
  void CancelCapture();
  // A key while a command waits: Escape cancels, a key the game keeps is refused with its
  // reason (the command still waits), any other key is bound, swapped with the command that
  // had it.
  void CaptureKey(int key);
  // A pad button while a command waits: Back cancels, Guide is refused, any other is bound.
  void CapturePad(int button);
  // Both pilots get the default keys and pad buttons.
  void RestoreDefaults();

  // The command of a row key, or none.
  static std::optional<TPilotControl> RowControl(const std::string& rowKey);
  static std::string RowKey(const TPilotControl& control);

  TButtonList Buttons;
  TMenuFocus Focus;
  // The command waiting for its new key, if any.
  std::optional<TPilotControl> Waiting;
  // The line under the rows: what the wait asks for, what was swapped or why a key was refused.
  std::string Message;
  bool MessageIsWarning = false;
  // The command that gave up its key or button to the last one bound, shown marked.
  std::optional<TPilotControl> Swapped;

private:
  void Bind(const TControlBindings& bindings);
  static TRect RowRect(const TPilotControl& control);
};

}  // namespace sw
