#pragma once
// SDL key codes to the Windows virtual-key codes that config.ini and the data use.
#include <SDL.h>

namespace sw {

// 0 when the key has no virtual-key code.
int SdlKeyToVirtualKey(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace sw
