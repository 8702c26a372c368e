#pragma once
// Where the pilots' commands come from. The battle's step asks a command source, once per
// pilot, for the eight commands that pilot gives in this step, and never knows whether they
// come from the keyboard and joystick, from a recorded replay or from another player far away.
#include <cstdint>

#include "media/Controls.h"

namespace sw {

class TDXInput;

// The eight commands as bits of one byte, in control order: turn left 1, turn right 2,
// thrust 4, weapon 1 8, weapon 2 16, autopilot 32, fine 64, lock 128. The autopilot and lock
// bits are presses (on for the one step the press acts in); the others are held.
constexpr uint8_t CommandBit(TShipControl control) { return static_cast<uint8_t>(1u << control); }

class ICommandSource {
public:
  virtual ~ICommandSource() = default;
  // A battle step begins; steps are numbered from 1.
  virtual void BeginStep(int64_t tick) = 0;
  // The commands pilot 1 or 2 gives in this step. Asked at most once per pilot per step, and
  // only while that pilot's ship can take orders.
  virtual uint8_t Commands(int pilot) = 0;
  // The battle acted on a command that counts once per press (a toggle, a single shot).
  virtual void Consume(int /*pilot*/, TShipControl /*control*/) {}
  // The battle's state hash after a step that is a checkpoint; a source that knows what the
  // hash should be compares it.
  virtual void Checkpoint(int64_t /*tick*/, uint64_t /*hash*/) {}
};

// The players at this machine: the input device's states, keyboard, joystick or pad as each
// player has chosen.
class TLocalCommands : public ICommandSource {
public:
  // Each pilot's pad slot (0 the keyboard, 1 the first pad or joystick, 2 the second pad) is
  // read at every step (the main window may change it any frame).
  TLocalCommands(TDXInput* input, const int* padSlot1, const int* padSlot2)
      : Input(input), PadSlot1(padSlot1), PadSlot2(padSlot2) {}
  void BeginStep(int64_t tick) override;
  uint8_t Commands(int pilot) override;
  void Consume(int pilot, TShipControl control) override;

private:
  int PadSlot(int pilot) const {
    const int* slot = pilot == 1 ? PadSlot1 : PadSlot2;
    return slot ? *slot : 0;
  }
  TDXInput* Input;
  const int* PadSlot1;
  const int* PadSlot2;
};

}  // namespace sw
