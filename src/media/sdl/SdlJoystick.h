#pragma once
// The first joystick SDL finds (game-controller API, raw joystick as the fallback), read into
// the input device's states: the stick beyond half its travel, and buttons 1 to 32.
#include <SDL.h>

#include "media/Input.h"

namespace sw {

class TSdlJoystick {
public:
  TSdlJoystick();
  ~TSdlJoystick();
  void Open();
  void Close();
  // Copies the joystick's states into the input device.
  void Read(TDXInput& input);

private:
  SDL_GameController* Controller = nullptr;
  SDL_Joystick* Joystick = nullptr;
};

}  // namespace sw
