#pragma once
// How far a pad's stick and triggers must go to count. The stick counts as pushed one way
// once its reading, scaled by the sensitivity, is past the dead zone; both are percentages
// the player sets on the options screen (config.ini [MISC] PAD_DEADZONE, PAD_SENSITIVITY).
// The defaults, half the travel at the plain reading, are how a joystick has always steered.
namespace sw {

constexpr int PadDeadZoneDefault = 50, PadDeadZoneMin = 5, PadDeadZoneMax = 90, PadDeadZoneStep = 5;
constexpr int PadSensitivityDefault = 100, PadSensitivityMin = 50, PadSensitivityMax = 200, PadSensitivityStep = 10;
// A stick or trigger reading goes from -32768 (or 0 for a trigger) to 32767.
constexpr int PadAxisTravel = 32768;
// A trigger counts as pulled past half its travel.
constexpr int PadTriggerThreshold = PadAxisTravel / 2;

// The settings as read from config.ini, held to their ranges.
int ClampPadDeadZone(int percent);
int ClampPadSensitivity(int percent);

// The reading beyond which the stick counts as pushed: the dead zone's share of the travel,
// divided by the sensitivity. However the two are set, a stick pushed all the way still counts.
int PadStickThreshold(int deadZone, int sensitivity);

// Whether a stick reading is pushed past the threshold towards the negative end (left, up) or
// the positive end (right, down).
inline bool PadStickNegative(int value, int threshold) { return -value > threshold; }
inline bool PadStickPositive(int value, int threshold) { return value > threshold; }

}  // namespace sw
