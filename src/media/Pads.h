#pragma once
// The game pads and joysticks, through SDL's game-controller API: SDL's own mapping database,
// and gamecontrollerdb.txt in the game root when it is there. A pad SDL has no mapping for is
// read as a plain joystick, as joysticks always were: the stick, and buttons 1 to 5 for
// weapon 1, weapon 2, autopilot, fine turning and lock.
//
// Slots. The game keeps two pads, the first (slot 1) and the second (slot 2), and each pilot
// flies with the keyboard or one of them (config.ini CON_TYPE 1 or 2). The pads plugged in at
// start take the slots in SDL's order. A pad plugged in while the game runs goes to the first
// pilot set to a pad who has none, else to the first free slot; a third pad waits in no slot.
// A pad pulled out leaves its slot empty until a pad is plugged in again.
//
// Every button, stick and trigger event is turned at once into the ship controls of the
// pilots on that pad (through each pilot's pad buttons from config.ini), and the input device
// latches them as it latches keys: a tap between two frame ticks still counts, once.
#include <SDL.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/MainWindow.h"

namespace sw {

constexpr int PadSlotCount = 2;

class TPads {
public:
  // A pad plugged in: its slot (0 for one waiting in none), its name, and whether SDL knows
  // its buttons by name (a game pad) or only by number (a plain joystick).
  struct TPlugged {
    int Slot = 0;
    std::string Name;
    bool Mapped = false;
  };

  // Starts SDL's pad support when the program has not, reads gamecontrollerdb.txt from the
  // program folder, and takes the pads already plugged in. With virtualOnly it takes nothing
  // but SDL's virtual pads (the headless runner: a pad on the machine never disturbs a test).
  explicit TPads(TMainWindow& main, bool virtualOnly = false);
  ~TPads();
  TPads(const TPads&) = delete;
  TPads& operator=(const TPads&) = delete;

  // False when SDL's pad support could not start (Problem says why); then there are no pads.
  bool Ready() const { return Started; }
  // What went wrong starting, or reading gamecontrollerdb.txt; "" when nothing did.
  std::string Problem;

  // One SDL event: a pad plugged in or pulled out, a button, a stick or a trigger. True when
  // the event was a pad's. Events of pads not taken are ignored.
  bool HandleEvent(const SDL_Event& e);
  // Sets every pilot's pad controls again from the pads as they are: called once a frame,
  // since the pilots' control types, pad buttons and stick settings may have changed.
  void Refresh();

  std::vector<TPlugged> Plugged() const;
  bool SlotTaken(int slot) const { return SlotDevice(slot) != nullptr; }

  // Told when a slot gains (true) or loses (false) its pad, and when a pad's button goes down
  // (the slot, 0 for a pad in none; the button in PadButtonNames' order).
  std::function<void(int slot, bool plugged)> OnSlotChanged;
  std::function<void(int slot, int button)> OnButtonDown;

private:
  struct TDevice {
    SDL_JoystickID Id = -1;
    SDL_GameController* Controller = nullptr;  // nullptr for a plain joystick
    SDL_Joystick* Joystick = nullptr;
    std::string Name;
    int Slot = 0;
    // What the events have said so far: a game pad's buttons and axes (SDL's order), a plain
    // joystick's buttons and first two axes.
    std::array<bool, PadButtonCount> Buttons{};
    std::array<int, SDL_CONTROLLER_AXIS_MAX> Axes{};
    std::array<bool, 32> RawButtons{};
    int RawX = 0, RawY = 0;
  };

  void Open(int deviceIndex, bool atStart);
  void Close(SDL_JoystickID id);
  TDevice* Find(SDL_JoystickID id);
  const TDevice* SlotDevice(int slot) const;
  // The slot a newly plugged pad takes (0 for none).
  int SlotForNewPad(bool atStart) const;
  // Sets the controls of the pilots flying with that slot from its pad (all off with none).
  // Only a pad's own event makes a press; a level read again makes none.
  void SetPilots(int slot, bool press);
  void SetPilot(int pilot, const TDevice* device, bool press);
  bool ControlOf(const TDevice& device, int pilot, TShipControl control) const;

  TMainWindow& Main;
  bool VirtualOnly;
  bool Started = false;
  bool OwnsSubsystem = false;
  std::vector<std::unique_ptr<TDevice>> Devices;
};

}  // namespace sw
