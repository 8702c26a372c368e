#include "app/headless/VirtualPads.h"

namespace sw {

TVirtualPads::~TVirtualPads() {
  for (int pad = 1; pad <= 2; ++pad) Unplug(pad);
}

std::string TVirtualPads::Plug(int pad) {
  if (!Valid(pad)) return "pads are 1 and 2";
  if (Handles[pad - 1]) return "";
  // A full game pad, known to SDL by name: every button and axis it maps by itself.
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1;
  const std::string name = "Virtual pad " + std::to_string(pad);
  desc.name = name.c_str();
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index < 0) return std::string("pad ") + std::to_string(pad) + " cannot be plugged in: " + SDL_GetError();
  Handles[pad - 1] = SDL_JoystickOpen(index);
  if (!Handles[pad - 1]) {
    const std::string why = SDL_GetError();
    SDL_JoystickDetachVirtual(index);
    return "pad " + std::to_string(pad) + " cannot be opened: " + why;
  }
  // A trigger at rest reads 0; the sticks rest in the middle.
  return "";
}

void TVirtualPads::Unplug(int pad) {
  if (!Plugged(pad)) return;
  SDL_Joystick* handle = Handles[pad - 1];
  Handles[pad - 1] = nullptr;
  const SDL_JoystickID id = SDL_JoystickInstanceID(handle);
  SDL_JoystickClose(handle);
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_JoystickGetDeviceInstanceID(i) == id) {
      SDL_JoystickDetachVirtual(i);
      break;
    }
}

void TVirtualPads::SetButton(int pad, int button, bool down) {
  if (Plugged(pad)) SDL_JoystickSetVirtualButton(Handles[pad - 1], button, down ? SDL_PRESSED : SDL_RELEASED);
}

void TVirtualPads::SetAxis(int pad, int axis, int value) {
  if (Plugged(pad)) SDL_JoystickSetVirtualAxis(Handles[pad - 1], axis, static_cast<Sint16>(value));
}

}  // namespace sw
