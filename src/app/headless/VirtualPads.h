#pragma once
// The runner's pads: SDL's virtual game pads, plugged in, pulled out and played by the
// script's pad lines. The game reads them through its own pad layer, as it reads real pads.
#include <SDL.h>

#include <array>
#include <string>

namespace sw {

class TVirtualPads {
public:
  TVirtualPads() = default;
  // Pulls out every pad still plugged in.
  ~TVirtualPads();
  TVirtualPads(const TVirtualPads&) = delete;
  TVirtualPads& operator=(const TVirtualPads&) = delete;

  // Pad 1 or 2. Plugging in a pad that is in, or pulling out one that is out, does nothing.
  // "" when done, else what went wrong.
  std::string Plug(int pad);
  void Unplug(int pad);
  bool Plugged(int pad) const { return Valid(pad) && Handles[pad - 1]; }
  // A button (SDL's order) down or up, an axis (SDL's order) to a reading; nothing when the
  // pad is out.
  void SetButton(int pad, int button, bool down);
  void SetAxis(int pad, int axis, int value);

private:
  static bool Valid(int pad) { return pad == 1 || pad == 2; }
  std::array<SDL_Joystick*, 2> Handles{};
};

}  // namespace sw
