#pragma once
// The buttons of a game pad, by the names the pad mapping database and config.ini use, and
// the pad button each ship control has. Button numbers are the pad layer's own (the order of
// PadButtonNames); a pilot's pad bindings are kept in config.ini beside the keys, as
// PAD_<control key> in the pilot's section (PAD_WEAPON1=a).
#include <array>
#include <string>

#include "media/Controls.h"

namespace sw {

constexpr int PadButtonCount = 15;
constexpr int PadButtonNone = -1;
// a, b, x, y, back, guide, start, leftstick, rightstick, leftshoulder, rightshoulder, dpup,
// dpdown, dpleft, dpright.
extern const char* const PadButtonNames[PadButtonCount];

// The button's name, or "" for none or a number out of range.
std::string PadButtonName(int button);
// The button a name stands for (case ignored), or PadButtonNone.
int PadButtonFromName(const std::string& name);
// The config.ini key of a control's pad button: "PAD_" and the control's key.
std::string PadControlKey(TShipControl control);

// The pad button each control has when config.ini does not say: the d-pad turns and thrusts,
// A fires weapon 1, B weapon 2, Y toggles the autopilot, X the lock, the left shoulder is fine
// turning. (The left stick and the triggers act as well; they are not rebound.)
int DefaultPadButton(TShipControl control);

// One pilot's pad buttons, a button per control.
using TPadBindings = std::array<int, ShipControlCount>;
TPadBindings DefaultPadBindings();

}  // namespace sw
