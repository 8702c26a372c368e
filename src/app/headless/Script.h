#pragma once
// Scripted input for the headless runner: one event a line, delivered before its tick.
#include <string>
#include <vector>

namespace sw {

struct TScriptEvent {
  // State and Shot are taken after their tick has run: the game's summary or a screenshot
  // written to Path (a State with no path writes the --state-json file).
  enum TKind { Key, Down, Up, Click, Move, Joy, State, Shot, Wheel, Pad } Kind = Key;
  // A pad line: pad 1 or 2 plugged in, pulled out, a button down or up, or an axis moved.
  enum TPadAction { PadPlug, PadUnplug, PadButton, PadAxis } PadAction = PadPlug;
  int PadNumber = 0;
  int PadValue = 0;  // an axis' reading, -32768..32767
  long long Tick = 0;
  // Virtual key, mouse button (1 left, 2 right, 3 middle), joystick state, wheel step, or a
  // pad's button or axis (SDL's order).
  int Code = 0;
  int X = 0, Y = 0;
  bool Shift = false, Ctrl = false, Alt = false, On = false;
  std::string Path;
  bool IsOutput() const { return Kind == State || Kind == Shot; }
};

// Reads a script; raises the game's error with the line number on a line it cannot read.
std::vector<TScriptEvent> ParseScript(const std::string& text);
// A joystick state by its script name (up, down, left, right, button1..button32), or -1.
int JoystickStateByName(const std::string& name);
// A pad axis by SDL's name (leftx, lefty, rightx, righty, and the triggers as triggerleft,
// triggerright or lefttrigger, righttrigger), in SDL's order; -1 for none.
int PadAxisByName(const std::string& name);

}  // namespace sw
