#include "media/Input.h"

namespace sw {

TDXInput::TDXInput() { ResetKeys(); }

void TDXInput::ResetKeys() {
  for (auto& k : Keys) k = {0, 0, 0};
  Keys[isUp] = {'K', vk::Up, 0x68};
  Keys[isDown] = {'J', vk::Down, 0x62};
  Keys[isLeft] = {'H', vk::Left, 0x64};
  Keys[isRight] = {'L', vk::Right, 0x66};
  Keys[ButtonState(1)] = {'Z', vk::Space, 0};
  Keys[ButtonState(2)] = {'X', vk::Return, 0};
  Keys[ButtonState(9)] = {vk::F2, 0, 0};
}

void TDXInput::SetKeyAssignment(int state, int slot, int key) {
  if (state >= 0 && state < InputStateCount && slot >= 0 && slot < 3) Keys[state][slot] = key;
}

void TDXInput::SetKeyDown(int code, bool down) {
  if (code > 0 && code < 256) KeyStates[code] = down;
}

void TDXInput::ReleaseAll() {
  KeyStates.fill(false);
  Joystick.fill(false);
}

void TDXInput::Update() {
  for (int s = 0; s < InputStateCount; ++s) {
    bool on = JoystickEnabled && Joystick[s];
    for (int k : Keys[s])
      if (KeyDown(k)) on = true;
    States[s] = on;
  }
}

}  // namespace sw
