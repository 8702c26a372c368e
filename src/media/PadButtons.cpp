#include "media/PadButtons.h"

#include "core/Text.h"

namespace sw {

const char* const PadButtonNames[PadButtonCount] = {
    "a",         "b",          "x",           "y",           "back",   "guide",  "start",  "leftstick",
    "rightstick", "leftshoulder", "rightshoulder", "dpup", "dpdown", "dpleft", "dpright"};

std::string PadButtonName(int button) {
  return button >= 0 && button < PadButtonCount ? PadButtonNames[button] : "";
}

int PadButtonFromName(const std::string& name) {
  for (int b = 0; b < PadButtonCount; ++b)
    if (SameText(name, PadButtonNames[b])) return b;
  return PadButtonNone;
}

std::string PadControlKey(TShipControl control) { return std::string("PAD_") + ShipControlKeys[control]; }

int DefaultPadButton(TShipControl control) {
  static constexpr int buttons[ShipControlCount] = {13, 14, 11, 0, 1, 3, 9, 2};
  return buttons[control];
}

TPadBindings DefaultPadBindings() {
  TPadBindings bindings{};
  for (int c = 0; c < ShipControlCount; ++c) bindings[c] = DefaultPadButton(static_cast<TShipControl>(c));
  return bindings;
}

}  // namespace sw
