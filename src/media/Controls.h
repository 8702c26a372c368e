#pragma once
// The eight ship controls of each player and the input states that carry them. Keyboard
// players read buttons 11-18 (player 1) or 21-28 (player 2), whose first key slots hold the
// keys bound in config.ini; a joystick player reads the stick (left, right, up) and joystick
// buttons 1-5, which both joystick players share.
#include "media/Input.h"

namespace sw {

enum TShipControl : int {
  scTurnLeft = 0,
  scTurnRight,
  scThrust,
  scWeapon1,
  scWeapon2,
  scAutopilot,
  scFine,
  scLock,
};
constexpr int ShipControlCount = 8;

// The config.ini key of each control, in control order.
extern const char* const ShipControlKeys[ShipControlCount];
// The key each player's control has when config.ini does not say (player 1 or 2).
int DefaultControlKey(int player, TShipControl control);

// The input state that carries a player's control.
int ControlState(int player, TShipControl control, bool joystick);
// Whether that control is held now (after the input device's last update).
inline bool ControlOn(const TDXInput& input, int player, TShipControl control, bool joystick) {
  return input.IsOn(ControlState(player, control, joystick));
}
// Whether that control was pressed since the update before (one press however long it is held):
// the reading of the controls that toggle, the autopilot and the lock.
inline bool ControlPressed(const TDXInput& input, int player, TShipControl control, bool joystick) {
  return input.Pressed(ControlState(player, control, joystick));
}

}  // namespace sw
