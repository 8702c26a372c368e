#pragma once
// Both pilots' ship controls as the Controls screen changes them: a key and a pad button for
// each of the eight controls. A key is one key of the one keyboard both pilots share, so a key
// given to a control is taken away from any other control of either pilot, which gets the
// key this control had instead: keys are swapped, never doubled. Pad buttons are swapped the
// same way among one pilot's controls (each pilot holds a pad of his own).
#include <array>
#include <optional>

#include "media/Controls.h"
#include "media/PadButtons.h"

namespace sw {

// One pilot's control: pilot 1 or 2.
struct TPilotControl {
  int Pilot = 1;
  TShipControl Control = scTurnLeft;
  bool operator==(const TPilotControl&) const = default;
};

class TControlBindings {
public:
  // The keys by pilot (0 for pilot 1) and control; 0 is no key.
  std::array<std::array<int, ShipControlCount>, 2> Keys{};
  std::array<TPadBindings, 2> Pad{};

  // The keys and pad buttons a new player has.
  static TControlBindings Defaults();

  int Key(const TPilotControl& c) const { return Keys[Index(c.Pilot)][c.Control]; }
  int PadButton(const TPilotControl& c) const { return Pad[Index(c.Pilot)][c.Control]; }
  // Gives the control the key. The control that had the key before, if another, is returned
  // and now holds the key this control gave up.
  std::optional<TPilotControl> BindKey(const TPilotControl& control, int key);
  // The same for a pad button among the pilot's own controls.
  std::optional<TPilotControl> BindPad(const TPilotControl& control, int button);

  bool operator==(const TControlBindings&) const = default;

private:
  static size_t Index(int pilot) { return pilot == 2 ? 1 : 0; }
};

// The bindings the game flies with now: each keyboard control's key (the first key of its
// input state) and each pilot's pad buttons.
TControlBindings ReadBindings(const TDXInput& input, const std::array<TPadBindings, 2>& pads);
// Makes the game fly with these bindings.
void ApplyBindings(const TControlBindings& bindings, TDXInput& input, std::array<TPadBindings, 2>& pads);

}  // namespace sw
