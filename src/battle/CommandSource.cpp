#include "battle/CommandSource.h"

#include "media/Input.h"

namespace sw {

void TLocalCommands::BeginStep(int64_t) {
  if (Input) Input->Update();
}

uint8_t TLocalCommands::Commands(int pilot) {
  if (!Input) return 0;
  uint8_t bits = 0;
  for (int c = 0; c < ShipControlCount; ++c) {
    const auto control = static_cast<TShipControl>(c);
    // The toggles count presses, the rest are held.
    const bool toggle = control == scAutopilot || control == scLock;
    const int slot = PadSlot(pilot);
    if (toggle ? PilotControlPressed(*Input, pilot, control, slot) : PilotControlOn(*Input, pilot, control, slot))
      bits |= CommandBit(control);
  }
  return bits;
}

void TLocalCommands::Consume(int pilot, TShipControl control) {
  if (Input) ConsumePilotControl(*Input, pilot, control, PadSlot(pilot));
}

}  // namespace sw
