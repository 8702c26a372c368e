#include "media/Controls.h"

namespace sw {

const char* const ShipControlKeys[ShipControlCount] = {"TURN_LEFT", "TURN_RIGHT", "THRUST", "WEAPON1",
                                                       "WEAPON2",   "AUTOPILOT",  "FINE",   "LOCK"};

int DefaultControlKey(int player, TShipControl control) {
  // Player 1: arrows and 1-4 with A; player 2: I, P, O and 9, 0, 8, 7, 6.
  static constexpr int player1[ShipControlCount] = {vk::Left, vk::Right, vk::Up, '1', '2', 'A', '3', '4'};
  static constexpr int player2[ShipControlCount] = {'I', 'P', 'O', '9', '0', '8', '7', '6'};
  return (player == 2 ? player2 : player1)[control];
}

int ControlState(int player, TShipControl control, bool joystick) {
  if (joystick) {
    switch (control) {
      case scTurnLeft: return isLeft;
      case scTurnRight: return isRight;
      case scThrust: return isUp;
      default: return ButtonState(control - scWeapon1 + 1);
    }
  }
  return ButtonState((player == 2 ? 21 : 11) + control);
}

bool PilotControlOn(const TDXInput& input, int pilot, TShipControl control, int padSlot) {
  if (padSlot == 0) return ControlOn(input, pilot, control, false);
  return input.PadOn(pilot, control) || (padSlot == 1 && ControlOn(input, pilot, control, true));
}

bool PilotControlPressed(const TDXInput& input, int pilot, TShipControl control, int padSlot) {
  if (padSlot == 0) return ControlPressed(input, pilot, control, false);
  return input.PadPressed(pilot, control) || (padSlot == 1 && ControlPressed(input, pilot, control, true));
}

void ConsumePilotControl(TDXInput& input, int pilot, TShipControl control, int padSlot) {
  if (padSlot == 0) {
    input.Consume(ControlState(pilot, control, false));
    return;
  }
  input.ConsumePad(pilot, control);
  if (padSlot == 1) input.Consume(ControlState(pilot, control, true));
}

}  // namespace sw
