#include "media/ControlBindings.h"

namespace sw {

TControlBindings TControlBindings::Defaults() {
  TControlBindings b;
  for (int pilot = 1; pilot <= 2; ++pilot)
    for (int c = 0; c < ShipControlCount; ++c) b.Keys[Index(pilot)][c] = DefaultControlKey(pilot, static_cast<TShipControl>(c));
  b.Pad = {DefaultPadBindings(), DefaultPadBindings()};
  return b;
}

std::optional<TPilotControl> TControlBindings::BindKey(const TPilotControl& control, int key) {
  std::optional<TPilotControl> other;
  const int old = Key(control);
  for (int pilot = 1; pilot <= 2; ++pilot)
    for (int c = 0; c < ShipControlCount; ++c) {
      const TPilotControl here{pilot, static_cast<TShipControl>(c)};
      if (here == control || Key(here) != key || key == 0) continue;
      Keys[Index(pilot)][c] = old;
      if (!other) other = here;
    }
  Keys[Index(control.Pilot)][control.Control] = key;
  return other;
}

std::optional<TPilotControl> TControlBindings::BindPad(const TPilotControl& control, int button) {
  std::optional<TPilotControl> other;
  TPadBindings& pad = Pad[Index(control.Pilot)];
  const int old = pad[control.Control];
  for (int c = 0; c < ShipControlCount; ++c) {
    if (c == control.Control || pad[c] != button || button == PadButtonNone) continue;
    pad[c] = old;
    if (!other) other = TPilotControl{control.Pilot, static_cast<TShipControl>(c)};
  }
  pad[control.Control] = button;
  return other;
}

TControlBindings ReadBindings(const TDXInput& input, const std::array<TPadBindings, 2>& pads) {
  TControlBindings b;
  for (int pilot = 1; pilot <= 2; ++pilot)
    for (int c = 0; c < ShipControlCount; ++c)
      b.Keys[pilot - 1][c] = input.KeyAssignment(ControlState(pilot, static_cast<TShipControl>(c), false), 0);
  b.Pad = pads;
  return b;
}

void ApplyBindings(const TControlBindings& bindings, TDXInput& input, std::array<TPadBindings, 2>& pads) {
  for (int pilot = 1; pilot <= 2; ++pilot)
    for (int c = 0; c < ShipControlCount; ++c)
      input.SetKeyAssignment(ControlState(pilot, static_cast<TShipControl>(c), false), 0, bindings.Keys[pilot - 1][c]);
  pads = bindings.Pad;
}

}  // namespace sw
