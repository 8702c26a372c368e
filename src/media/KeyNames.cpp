#include "media/KeyNames.h"

#include "media/Input.h"
#include "media/PadButtons.h"

namespace sw {

std::string ControlCaption(TShipControl control) {
  static const char* const captions[ShipControlCount] = {"Turn left", "Turn right", "Thrust",       "Weapon 1",
                                                         "Weapon 2",  "Autopilot",  "Fine turning", "Aim lock"};
  return control >= 0 && control < ShipControlCount ? captions[control] : "";
}

std::string KeyName(int key) {
  if (key == 0) return "none";
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= vk::F1 && key < vk::F1 + 24) return "F" + std::to_string(key - vk::F1 + 1);
  if (key >= vk::Numpad0 && key <= vk::Numpad0 + 9) return "Num " + std::to_string(key - vk::Numpad0);
  switch (key) {
    case vk::Back: return "Backspace";
    case vk::Tab: return "Tab";
    case vk::Return: return "Enter";
    case vk::Shift: case vk::LShift: case vk::RShift: return "Shift";
    case vk::Control: case vk::LControl: case vk::RControl: return "Ctrl";
    case vk::Menu: case vk::LMenu: case vk::RMenu: return "Alt";
    case vk::Pause: return "Pause";
    case vk::Escape: return "Escape";
    case vk::Space: return "Space";
    case vk::Prior: return "Page Up";
    case vk::Next: return "Page Down";
    case vk::End: return "End";
    case vk::Home: return "Home";
    case vk::Left: return "Left arrow";
    case vk::Up: return "Up arrow";
    case vk::Right: return "Right arrow";
    case vk::Down: return "Down arrow";
    case vk::Insert: return "Insert";
    case vk::Delete: return "Delete";
    case 0x6A: return "Num *";
    case 0x6B: return "Num +";
    case 0x6D: return "Num -";
    case 0x6E: return "Num .";
    case 0x6F: return "Num /";
    case 0xBA: return ";";
    case 0xBB: return "=";
    case 0xBC: return ",";
    case 0xBD: return "-";
    case 0xBE: return ".";
    case 0xBF: return "/";
    case 0xC0: return "`";
    case 0xDB: return "[";
    case 0xDC: return "\\";
    case 0xDD: return "]";
    case 0xDE: return "'";
    default: return "Key " + std::to_string(key);
  }
}

std::string PadButtonCaption(int button) {
  static const char* const captions[PadButtonCount] = {
      "A",          "B",           "X",          "Y",             "Back",         "Guide",       "Start",
      "Left stick", "Right stick", "Left shoulder", "Right shoulder", "D-pad up", "D-pad down", "D-pad left",
      "D-pad right"};
  return button >= 0 && button < PadButtonCount ? captions[button] : "none";
}

std::string UnbindableKeyReason(int key) {
  switch (key) {
    case vk::Escape: return "Escape opens the options and cancels: it cannot fly a ship";
    case vk::F9: return "F9 takes a screenshot everywhere: it cannot fly a ship";
    case vk::F10: return "F10 sets the sound effects' volume everywhere: it cannot fly a ship";
    case vk::F11: return "F11 sets the music volume everywhere: it cannot fly a ship";
    case vk::F12: return "F12 sets the brightness everywhere: it cannot fly a ship";
    default: return "";
  }
}

std::string UnbindablePadReason(int button) {
  if (button == PadButtonFromName("back")) return "The pad's Back button cancels, as Escape does: it cannot fly a ship";
  if (button == PadButtonFromName("guide")) return "The pad's Guide button belongs to the system: it cannot fly a ship";
  return "";
}

}  // namespace sw
