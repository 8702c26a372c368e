#include "app/headless/Script.h"

#include <sstream>

#include "core/Errors.h"
#include "core/Text.h"
#include "media/Input.h"
#include "media/PadButtons.h"

namespace sw {

int JoystickStateByName(const std::string& raw) {
  std::string n = LowerCase(raw);
  if (n == "up") return isUp;
  if (n == "down") return isDown;
  if (n == "left") return isLeft;
  if (n == "right") return isRight;
  if (n.rfind("button", 0) == 0) {
    auto b = ParseInteger(n.substr(6));
    if (b && *b >= 1 && *b <= 32) return ButtonState(static_cast<int>(*b));
  }
  return -1;
}

int PadAxisByName(const std::string& raw) {
  const std::string n = LowerCase(raw);
  const char* names[][2] = {{"leftx", "leftx"},        {"lefty", "lefty"},
                            {"rightx", "rightx"},      {"righty", "righty"},
                            {"triggerleft", "lefttrigger"}, {"triggerright", "righttrigger"}};
  for (int a = 0; a < 6; ++a)
    if (n == names[a][0] || n == names[a][1]) return a;
  return -1;
}

std::vector<TScriptEvent> ParseScript(const std::string& text) {
  std::vector<TScriptEvent> events;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    if (auto hash = line.find('#'); hash != std::string::npos) line.resize(hash);
    std::istringstream words(line);
    std::vector<std::string> w;
    for (std::string s; words >> s;) w.push_back(s);
    if (w.empty()) continue;
    auto fail = [&](const std::string& why) {
      throw EGameError("script line " + std::to_string(lineNo) + ": " + why);
    };
    auto number = [&](size_t i) {
      if (i >= w.size()) fail("missing number");
      auto v = ParseInteger(w[i]);
      if (!v) fail("not a number: " + w[i]);
      return static_cast<int>(*v);
    };
    TScriptEvent e;
    e.Tick = number(0);
    if (e.Tick < 1) fail("ticks count from 1");
    if (w.size() < 2) fail("missing event");
    std::string kind = LowerCase(w[1]);
    if (kind == "key") {
      e.Kind = TScriptEvent::Key;
      e.Code = number(2);
      for (size_t i = 3; i < w.size(); ++i) {
        std::string m = LowerCase(w[i]);
        if (m == "shift") e.Shift = true;
        else if (m == "ctrl") e.Ctrl = true;
        else if (m == "alt") e.Alt = true;
        else fail("unknown modifier: " + w[i]);
      }
    } else if (kind == "down" || kind == "up") {
      e.Kind = kind == "down" ? TScriptEvent::Down : TScriptEvent::Up;
      e.Code = number(2);
    } else if (kind == "click") {
      e.Kind = TScriptEvent::Click;
      e.X = number(2);
      e.Y = number(3);
      e.Code = 1;
      if (w.size() > 4) {
        std::string b = LowerCase(w[4]);
        if (b == "left") e.Code = 1;
        else if (b == "right") e.Code = 2;
        else if (b == "middle") e.Code = 3;
        else fail("unknown button: " + w[4]);
      }
    } else if (kind == "wheel") {
      // "N wheel down" or "N wheel up": one notch of the mouse wheel.
      e.Kind = TScriptEvent::Wheel;
      const std::string way = w.size() > 2 ? LowerCase(w[2]) : "";
      if (way != "down" && way != "up") fail("wheel needs down or up");
      e.Code = way == "down" ? 1 : -1;
    } else if (kind == "move") {
      e.Kind = TScriptEvent::Move;
      e.X = number(2);
      e.Y = number(3);
    } else if (kind == "joy") {
      e.Kind = TScriptEvent::Joy;
      if (w.size() < 4) fail("joy needs a state and on or off");
      e.Code = JoystickStateByName(w[2]);
      if (e.Code < 0) fail("unknown joystick state: " + w[2]);
      std::string onoff = LowerCase(w[3]);
      if (onoff != "on" && onoff != "off") fail("joy needs on or off");
      e.On = onoff == "on";
    } else if (kind == "pad") {
      // "N pad P plug", "N pad P unplug", "N pad P BUTTON down|up", "N pad P AXIS VALUE".
      e.Kind = TScriptEvent::Pad;
      e.PadNumber = number(2);
      if (e.PadNumber < 1 || e.PadNumber > 2) fail("pads are 1 and 2");
      if (w.size() < 4) fail("pad needs plug, unplug, a button or an axis");
      const std::string what = LowerCase(w[3]);
      if (what == "plug" || what == "unplug") {
        e.PadAction = what == "plug" ? TScriptEvent::PadPlug : TScriptEvent::PadUnplug;
        if (w.size() > 4) fail("nothing follows " + what);
      } else if (int button = PadButtonFromName(what); button != PadButtonNone) {
        e.PadAction = TScriptEvent::PadButton;
        e.Code = button;
        const std::string way = w.size() == 5 ? LowerCase(w[4]) : "";
        if (way != "down" && way != "up") fail("a pad button goes down or up");
        e.On = way == "down";
      } else if (int axis = PadAxisByName(what); axis >= 0) {
        e.PadAction = TScriptEvent::PadAxis;
        e.Code = axis;
        if (w.size() != 5) fail("a pad axis needs one value");
        const auto value = ParseInteger(w[4]);
        if (!value || *value < -32768 || *value > 32767) fail("a pad axis goes from -32768 to 32767: " + w[4]);
        e.PadValue = static_cast<int>(*value);
      } else {
        fail("unknown pad button or axis: " + w[3]);
      }
    } else if (kind == "state" || kind == "shot") {
      e.Kind = kind == "state" ? TScriptEvent::State : TScriptEvent::Shot;
      if (w.size() > 3) fail("a path has no spaces");
      if (w.size() > 2) e.Path = w[2];
      else if (e.Kind == TScriptEvent::Shot) fail("shot needs a path");
    } else {
      fail("unknown event: " + w[1]);
    }
    events.push_back(e);
  }
  return events;
}

}  // namespace sw
