#pragma once
// The keyboard and joystick input device: 36 control states (up, down, left, right, button 1
// to button 32), each on while any of its up to three keys is down or the joystick sets it.
// Keys are Windows virtual-key codes, as config.ini and the data write them.
#include <array>
#include <cstdint>

namespace sw {

enum TInputState : int { isUp = 0, isDown = 1, isLeft = 2, isRight = 3, isButton1 = 4 };
constexpr int InputStateCount = 36;
// The state of button n (1..32).
constexpr int ButtonState(int n) { return isButton1 + n - 1; }

class TDXInput {
public:
  TDXInput();
  // The initial key assignments.
  void ResetKeys();
  void SetKeyAssignment(int state, int slot, int key);
  int KeyAssignment(int state, int slot) const { return Keys[state][slot]; }

  // Fed by the platform as keys go down and up, and as the joystick moves.
  void SetKeyDown(int vk, bool down);
  bool KeyDown(int vk) const { return vk > 0 && vk < 256 && KeyStates[vk]; }
  void SetJoystickState(int state, bool on) { Joystick[state] = on; }
  void ReleaseAll();
  bool JoystickEnabled = true;

  // Reads both devices and recomputes the 36 states.
  void Update();
  bool IsOn(int state) const { return state >= 0 && state < InputStateCount && States[state]; }
  void SetState(int state, bool on) { States[state] = on; }

private:
  std::array<std::array<int, 3>, InputStateCount> Keys{};
  std::array<bool, 256> KeyStates{};
  std::array<bool, InputStateCount> Joystick{};
  std::array<bool, InputStateCount> States{};
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
