#pragma once
// The keyboard and joystick input device: 36 control states (up, down, left, right, button 1
// to button 32), each on while any of its up to three keys is down or the joystick sets it.
// Keys are Windows virtual-key codes, as config.ini and the data write them.
//
// Levels and presses. The platform reports keys as they go down and up, at any moment between
// two frame ticks; Update() turns what happened since the previous Update into two readings
// per state, which stay the same until the next Update:
//   IsOn(state)     the level: a key or joystick input of the state is held now, or was pressed
//                   since the previous Update (so a tap that went down and up between two ticks
//                   is still seen for one tick). Held controls read it: turning, thrust, guns.
//   Pressed(state)  the press edge: one of the state's keys went down from up, or its joystick
//                   input switched on, since the previous Update. A key held for seconds gives
//                   one press; a down and up between two ticks gives one press; every new press
//                   gives one more. Commands that act once per press read it: the autopilot
//                   and lock toggles.
// The battle calls Update once per simulation step; the main window calls it on every other
// frame tick, so a press made in a menu never reaches a later battle. Whoever records the
// pilots' commands (a replay, a network peer) records these two readings after Update.
//
// Pads. Besides the 36 states, each of the two pilots has its eight ship controls as read
// from the pad that pilot flies with (the pad layer works out which buttons, stick pushes and
// triggers make each control). They are latched exactly as keys are: PadOn is the level,
// PadPressed the press edge, both fixed by Update.
#include <array>
#include <cstdint>

namespace sw {

enum TInputState : int { isUp = 0, isDown = 1, isLeft = 2, isRight = 3, isButton1 = 4 };
constexpr int InputStateCount = 36;
// Pilots 1 and 2, each with the eight ship controls (in the order of TShipControl).
constexpr int PadPilotCount = 2;
constexpr int PadControlCount = 8;
// The state of button n (1..32).
constexpr int ButtonState(int n) { return isButton1 + n - 1; }

class TDXInput {
public:
  TDXInput();
  // The initial key assignments.
  void ResetKeys();
  void SetKeyAssignment(int state, int slot, int key);
  int KeyAssignment(int state, int slot) const { return Keys[state][slot]; }

  // Fed by the platform as keys go down and up, and as the joystick moves. A key going down
  // while it is up, or a joystick input switching on, is latched as a press until Update.
  void SetKeyDown(int vk, bool down);
  bool KeyDown(int vk) const { return vk > 0 && vk < 256 && KeyStates[vk]; }
  void SetJoystickState(int state, bool on);
  // Everything up, latched presses dropped (the window lost the focus).
  void ReleaseAll();
  bool JoystickEnabled = true;

  // Reads both devices: recomputes the 36 levels and presses, and clears the latches.
  void Update();
  // The level of a state after the last Update (see above).
  bool IsOn(int state) const { return state >= 0 && state < InputStateCount && States[state]; }
  // Whether the state was pressed in the time the last Update read (see above).
  bool Pressed(int state) const { return state >= 0 && state < InputStateCount && Presses[state]; }
  // Takes the state's level and press away for the rest of this tick (a command that has used
  // the press, so another reader of the same state does not use it again).
  void Consume(int state);
  void SetState(int state, bool on) {
    if (state >= 0 && state < InputStateCount) States[state] = on;
  }

  // A pilot's control as the pilot's pad gives it now (pilot 1 or 2, control 0..7). A control
  // switching on is latched as a press until Update, unless `press` is false (a level read
  // again, not a button going down: a pad plugged in with a button held, the focus regained).
  void SetPadControl(int pilot, int control, bool on, bool press = true);
  bool PadControlHeld(int pilot, int control) const { return ValidPad(pilot, control) && PadLevels[pilot - 1][control]; }
  // The level and the press edge of a pilot's pad control after the last Update (as IsOn and
  // Pressed are for the states).
  bool PadOn(int pilot, int control) const { return ValidPad(pilot, control) && PadStates[pilot - 1][control]; }
  bool PadPressed(int pilot, int control) const { return ValidPad(pilot, control) && PadPresses[pilot - 1][control]; }
  // Takes the control's level and press away for the rest of this tick (as Consume).
  void ConsumePad(int pilot, int control);

private:
  static bool ValidPad(int pilot, int control) {
    return pilot >= 1 && pilot <= PadPilotCount && control >= 0 && control < PadControlCount;
  }
  using TPadControls = std::array<std::array<bool, PadControlCount>, PadPilotCount>;
  std::array<std::array<int, 3>, InputStateCount> Keys{};
  std::array<bool, 256> KeyStates{};
  std::array<bool, 256> KeyLatches{};  // went down since the last Update
  std::array<bool, InputStateCount> Joystick{};
  std::array<bool, InputStateCount> JoystickLatches{};
  std::array<bool, InputStateCount> States{};
  std::array<bool, InputStateCount> Presses{};
  TPadControls PadLevels{}, PadLatches{}, PadStates{}, PadPresses{};
};

// Windows virtual-key codes the game uses by name.
namespace vk {
constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12,
              Pause = 0x13, Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22, End = 0x23,
              Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28, Insert = 0x2D,
              Delete = 0x2E, Numpad0 = 0x60, F1 = 0x70, F2 = 0x71, F9 = 0x78, F10 = 0x79, F11 = 0x7A,
              F12 = 0x7B, LShift = 0xA0, RShift = 0xA1, LControl = 0xA2, RControl = 0xA3, LMenu = 0xA4,
              RMenu = 0xA5;
}  // namespace vk

}  // namespace sw
