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
  if (code <= 0 || code >= 256) return;
  // The platform repeats the key-down of a held key: only a key that was up makes a press.
  if (down && !KeyStates[code]) KeyLatches[code] = true;
  KeyStates[code] = down;
}

void TDXInput::SetJoystickState(int state, bool on) {
  if (state < 0 || state >= InputStateCount) return;
  if (on && !Joystick[state]) JoystickLatches[state] = true;
  Joystick[state] = on;
}

void TDXInput::SetPadControl(int pilot, int control, bool on, bool press) {
  if (!ValidPad(pilot, control)) return;
  bool& level = PadLevels[pilot - 1][control];
  if (press && on && !level) PadLatches[pilot - 1][control] = true;
  level = on;
}

void TDXInput::ConsumePad(int pilot, int control) {
  if (!ValidPad(pilot, control)) return;
  PadStates[pilot - 1][control] = false;
  PadPresses[pilot - 1][control] = false;
}

void TDXInput::ReleaseAll() {
  KeyStates.fill(false);
  KeyLatches.fill(false);
  Joystick.fill(false);
  JoystickLatches.fill(false);
  for (auto* controls : {&PadLevels, &PadLatches})
    for (auto& pilot : *controls) pilot.fill(false);
}

void TDXInput::Consume(int state) {
  if (state < 0 || state >= InputStateCount) return;
  States[state] = false;
  Presses[state] = false;
}

void TDXInput::Update() {
  for (int s = 0; s < InputStateCount; ++s) {
    bool pressed = JoystickEnabled && JoystickLatches[s];
    bool on = pressed || (JoystickEnabled && Joystick[s]);
    for (int k : Keys[s]) {
      if (k <= 0 || k >= 256) continue;
      if (KeyLatches[k]) pressed = true;
      if (KeyStates[k] || KeyLatches[k]) on = true;
    }
    States[s] = on;
    Presses[s] = pressed;
  }
  KeyLatches.fill(false);
  JoystickLatches.fill(false);
  for (int p = 0; p < PadPilotCount; ++p)
    for (int c = 0; c < PadControlCount; ++c) {
      PadStates[p][c] = PadLevels[p][c] || PadLatches[p][c];
      PadPresses[p][c] = PadLatches[p][c];
      PadLatches[p][c] = false;
    }
}

}  // namespace sw
