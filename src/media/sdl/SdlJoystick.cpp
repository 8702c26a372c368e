#include "media/sdl/SdlJoystick.h"

namespace sw {

TSdlJoystick::TSdlJoystick() { Open(); }
TSdlJoystick::~TSdlJoystick() { Close(); }

void TSdlJoystick::Open() {
  Close();
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_IsGameController(i) && (Controller = SDL_GameControllerOpen(i))) return;
    if ((Joystick = SDL_JoystickOpen(i))) return;
  }
}

void TSdlJoystick::Close() {
  if (Controller) SDL_GameControllerClose(Controller);
  if (Joystick) SDL_JoystickClose(Joystick);
  Controller = nullptr;
  Joystick = nullptr;
}

void TSdlJoystick::Read(TDXInput& input) {
  // Axes range -32768..32767; the dead zone is half of each side's travel.
  const int dead = 16384;
  int x = 0, y = 0;
  bool buttons[32] = {};
  if (Controller) {
    x = SDL_GameControllerGetAxis(Controller, SDL_CONTROLLER_AXIS_LEFTX);
    y = SDL_GameControllerGetAxis(Controller, SDL_CONTROLLER_AXIS_LEFTY);
    if (SDL_GameControllerGetButton(Controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) x = -32768;
    if (SDL_GameControllerGetButton(Controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) x = 32767;
    if (SDL_GameControllerGetButton(Controller, SDL_CONTROLLER_BUTTON_DPAD_UP)) y = -32768;
    if (SDL_GameControllerGetButton(Controller, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) y = 32767;
    for (int b = 0; b < 32 && b < SDL_CONTROLLER_BUTTON_DPAD_UP; ++b)
      buttons[b] = SDL_GameControllerGetButton(Controller, static_cast<SDL_GameControllerButton>(b));
  } else if (Joystick) {
    if (SDL_JoystickNumAxes(Joystick) >= 2) {
      x = SDL_JoystickGetAxis(Joystick, 0);
      y = SDL_JoystickGetAxis(Joystick, 1);
    }
    int n = SDL_JoystickNumButtons(Joystick);
    for (int b = 0; b < 32 && b < n; ++b) buttons[b] = SDL_JoystickGetButton(Joystick, b);
  }
  input.SetJoystickState(isLeft, x < -dead);
  input.SetJoystickState(isRight, x > dead);
  input.SetJoystickState(isUp, y < -dead);
  input.SetJoystickState(isDown, y > dead);
  for (int b = 0; b < 32; ++b) input.SetJoystickState(ButtonState(b + 1), buttons[b]);
}

}  // namespace sw
