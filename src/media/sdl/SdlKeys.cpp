#include "media/sdl/SdlKeys.h"

#include "media/Input.h"

namespace sw {

int SdlKeyToVirtualKey(SDL_Keycode key, SDL_Scancode sc) {
  // Letters and digits by their place on the keyboard, so other layouts play the same.
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return '0';
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return vk::F1 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return vk::Numpad0 + 1 + (sc - SDL_SCANCODE_KP_1);
  switch (sc) {
    case SDL_SCANCODE_KP_0: return vk::Numpad0;
    case SDL_SCANCODE_KP_MULTIPLY: return 0x6A;
    case SDL_SCANCODE_KP_PLUS: return 0x6B;
    case SDL_SCANCODE_KP_MINUS: return 0x6D;
    case SDL_SCANCODE_KP_PERIOD: return 0x6E;
    case SDL_SCANCODE_KP_DIVIDE: return 0x6F;
    case SDL_SCANCODE_KP_ENTER: return vk::Return;
    case SDL_SCANCODE_RETURN: return vk::Return;
    case SDL_SCANCODE_ESCAPE: return vk::Escape;
    case SDL_SCANCODE_BACKSPACE: return vk::Back;
    case SDL_SCANCODE_TAB: return vk::Tab;
    case SDL_SCANCODE_SPACE: return vk::Space;
    case SDL_SCANCODE_PAUSE: return vk::Pause;
    case SDL_SCANCODE_PAGEUP: return vk::Prior;
    case SDL_SCANCODE_PAGEDOWN: return vk::Next;
    case SDL_SCANCODE_END: return vk::End;
    case SDL_SCANCODE_HOME: return vk::Home;
    case SDL_SCANCODE_LEFT: return vk::Left;
    case SDL_SCANCODE_UP: return vk::Up;
    case SDL_SCANCODE_RIGHT: return vk::Right;
    case SDL_SCANCODE_DOWN: return vk::Down;
    case SDL_SCANCODE_INSERT: return vk::Insert;
    case SDL_SCANCODE_DELETE: return vk::Delete;
    case SDL_SCANCODE_LSHIFT: return vk::Shift;
    case SDL_SCANCODE_RSHIFT: return vk::Shift;
    case SDL_SCANCODE_LCTRL: return vk::Control;
    case SDL_SCANCODE_RCTRL: return vk::Control;
    case SDL_SCANCODE_LALT: return vk::Menu;
    case SDL_SCANCODE_RALT: return vk::Menu;
    case SDL_SCANCODE_SEMICOLON: return 0xBA;
    case SDL_SCANCODE_EQUALS: return 0xBB;
    case SDL_SCANCODE_COMMA: return 0xBC;
    case SDL_SCANCODE_MINUS: return 0xBD;
    case SDL_SCANCODE_PERIOD: return 0xBE;
    case SDL_SCANCODE_SLASH: return 0xBF;
    case SDL_SCANCODE_GRAVE: return 0xC0;
    case SDL_SCANCODE_LEFTBRACKET: return 0xDB;
    case SDL_SCANCODE_BACKSLASH: return 0xDC;
    case SDL_SCANCODE_RIGHTBRACKET: return 0xDD;
    case SDL_SCANCODE_APOSTROPHE: return 0xDE;
    default: break;
  }
  (void)key;
  return 0;
}

}  // namespace sw
