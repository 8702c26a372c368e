#pragma once
// The frame timer: one tick per interval, only while the game's window is active.
namespace sw {

struct TDXTimer {
  int Interval = 30;  // milliseconds
  bool Enabled = false;
};

}  // namespace sw
