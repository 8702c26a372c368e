#pragma once
// The eight ship controls of each player and the input states that carry them. Keyboard
// players read buttons 11-18 (player 1) or 21-28 (player 2), whose first key slots hold the
// keys bound in config.ini; a joystick player reads the stick (left, right, up) and joystick
// buttons 1-5, which both joystick players share.
//
// Pads. A pilot flies with the keyboard (pad slot 0), the first pad or joystick (slot 1,
// control type 1 in config.ini) or the second pad (slot 2, control type 2). A pad pilot reads
// the controls the pad layer sets for that pilot; a pilot on the first pad also reads the
// shared joystick states, as a joystick pilot always has.
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

// The pad slot a control type of config.ini stands for: 1 and 2 are the first and second pad,
// anything else the keyboard (0).
inline int PadSlotOfControlType(int controlType) { return controlType == 1 || controlType == 2 ? controlType : 0; }

// A pilot's control, held or pressed, from the keyboard or the pad slot the pilot flies with.
bool PilotControlOn(const TDXInput& input, int pilot, TShipControl control, int padSlot);
bool PilotControlPressed(const TDXInput& input, int pilot, TShipControl control, int padSlot);
// Takes the control away for the rest of the tick, wherever the pilot reads it.
void ConsumePilotControl(TDXInput& input, int pilot, TShipControl control, int padSlot);

}  // namespace sw
