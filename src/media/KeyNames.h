#pragma once
// What the Controls screen calls keys, pad buttons and ship controls, and which keys and pad
// buttons cannot be given to a ship control, with the reason in one line.
#include <string>

#include "media/Controls.h"

namespace sw {

// The caption of a ship control: "Turn left" ... "Aim lock".
std::string ControlCaption(TShipControl control);
// The name of a key by its virtual-key code: "A", "7", "Left arrow", "Space", "Num 4", "F5";
// "none" for 0 and "Key 123" for a code without a name.
std::string KeyName(int key);
// The name of a pad button: "A", "D-pad left", "Left shoulder"; "none" for none.
std::string PadButtonCaption(int button);

// Why the key cannot fly a ship, or "" when it can: Escape and the function keys the game
// answers in every screen (F9 screenshot, F10 sound, F11 music, F12 brightness).
std::string UnbindableKeyReason(int key);
// Why the pad button cannot fly a ship, or "": Back cancels as Escape does, and Guide belongs
// to the system.
std::string UnbindablePadReason(int button);

}  // namespace sw
