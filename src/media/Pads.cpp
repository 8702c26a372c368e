#include "media/Pads.h"

#include <algorithm>

#include "core/Paths.h"
#include "media/PadStick.h"

namespace sw {

TPads::TPads(TMainWindow& main, bool virtualOnly) : Main(main), VirtualOnly(virtualOnly) {
  if (!SDL_WasInit(SDL_INIT_GAMECONTROLLER)) {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
      Problem = std::string("No pads: ") + SDL_GetError();
      return;
    }
    OwnsSubsystem = true;
  }
  Started = true;
  // The player's own mappings, for pads SDL does not know by itself. Read before any pad is
  // opened, so that the pads plugged in now are known by them too.
  const std::string db = ResolvePath(Main.ProgramFolder + "gamecontrollerdb.txt");
  if (FileExists(db) && SDL_GameControllerAddMappingsFromFile(db.c_str()) < 0)
    Problem = "gamecontrollerdb.txt cannot be read: " + std::string(SDL_GetError());
  for (int i = 0; i < SDL_NumJoysticks(); ++i) Open(i, true);
}

TPads::~TPads() {
  for (auto& d : Devices) {
    if (d->Controller) SDL_GameControllerClose(d->Controller);
    else if (d->Joystick) SDL_JoystickClose(d->Joystick);
  }
  Devices.clear();
  if (OwnsSubsystem) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

TPads::TDevice* TPads::Find(SDL_JoystickID id) {
  for (auto& d : Devices)
    if (d->Id == id) return d.get();
  return nullptr;
}

const TPads::TDevice* TPads::SlotDevice(int slot) const {
  if (slot < 1) return nullptr;
  for (const auto& d : Devices)
    if (d->Slot == slot) return d.get();
  return nullptr;
}

int TPads::SlotForNewPad(bool atStart) const {
  // Plugged in while the game runs: the first pilot set to a pad who has none takes it.
  if (!atStart)
    for (int slot : Main.PilotPadSlot)
      if (slot >= 1 && slot <= PadSlotCount && !SlotTaken(slot)) return slot;
  for (int slot = 1; slot <= PadSlotCount; ++slot)
    if (!SlotTaken(slot)) return slot;
  return 0;
}

void TPads::Open(int deviceIndex, bool atStart) {
  if (deviceIndex < 0 || deviceIndex >= SDL_NumJoysticks()) return;
  if (VirtualOnly && !SDL_JoystickIsVirtual(deviceIndex)) return;
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || Find(id)) return;  // SDL also announces the pads that were taken at start
  auto d = std::make_unique<TDevice>();
  if (SDL_IsGameController(deviceIndex)) d->Controller = SDL_GameControllerOpen(deviceIndex);
  d->Joystick = d->Controller ? SDL_GameControllerGetJoystick(d->Controller) : SDL_JoystickOpen(deviceIndex);
  if (!d->Joystick) {
    if (d->Controller) SDL_GameControllerClose(d->Controller);
    return;
  }
  d->Id = SDL_JoystickInstanceID(d->Joystick);
  const char* name = d->Controller ? SDL_GameControllerName(d->Controller) : SDL_JoystickName(d->Joystick);
  d->Name = name ? name : "Pad";
  // A button already held as the pad comes in is held, but it is no press until it goes down.
  if (d->Controller) {
    for (int b = 0; b < PadButtonCount; ++b)
      d->Buttons[b] = SDL_GameControllerGetButton(d->Controller, static_cast<SDL_GameControllerButton>(b)) != 0;
    for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
      d->Axes[a] = SDL_GameControllerGetAxis(d->Controller, static_cast<SDL_GameControllerAxis>(a));
  } else {
    const int buttons = std::min(SDL_JoystickNumButtons(d->Joystick), 32);
    for (int b = 0; b < buttons; ++b) d->RawButtons[b] = SDL_JoystickGetButton(d->Joystick, b) != 0;
    if (SDL_JoystickNumAxes(d->Joystick) >= 2) {
      d->RawX = SDL_JoystickGetAxis(d->Joystick, 0);
      d->RawY = SDL_JoystickGetAxis(d->Joystick, 1);
    }
  }
  d->Slot = SlotForNewPad(atStart);
  const int slot = d->Slot;
  Devices.push_back(std::move(d));
  if (slot == 0) return;
  SetPilots(slot, false);
  if (OnSlotChanged) OnSlotChanged(slot, true);
}

void TPads::Close(SDL_JoystickID id) {
  auto it = std::find_if(Devices.begin(), Devices.end(), [&](const auto& d) { return d->Id == id; });
  if (it == Devices.end()) return;
  const int slot = (*it)->Slot;
  if ((*it)->Controller) SDL_GameControllerClose((*it)->Controller);
  else SDL_JoystickClose((*it)->Joystick);
  Devices.erase(it);
  if (slot == 0) return;
  // Whatever the pad held is let go.
  SetPilots(slot, false);
  if (OnSlotChanged) OnSlotChanged(slot, false);
}

bool TPads::HandleEvent(const SDL_Event& e) {
  if (!Started) return false;
  switch (e.type) {
    case SDL_JOYDEVICEADDED:
      Open(e.jdevice.which, false);
      return true;
    case SDL_JOYDEVICEREMOVED:
      Close(e.jdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERDEVICEREMAPPED:
      // The same pad's joystick events say it.
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      TDevice* d = Find(e.cbutton.which);
      const int b = e.cbutton.button;
      if (!d || !d->Controller || b < 0 || b >= PadButtonCount) return true;
      const bool down = e.cbutton.state == SDL_PRESSED;
      d->Buttons[b] = down;
      SetPilots(d->Slot, true);
      if (down && OnButtonDown) OnButtonDown(d->Slot, b);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      TDevice* d = Find(e.caxis.which);
      const int a = e.caxis.axis;
      if (!d || !d->Controller || a < 0 || a >= SDL_CONTROLLER_AXIS_MAX) return true;
      d->Axes[a] = e.caxis.value;
      SetPilots(d->Slot, true);
      return true;
    }
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
      // A game pad's buttons come by name above; only a plain joystick's are read here.
      TDevice* d = Find(e.jbutton.which);
      const int b = e.jbutton.button;
      if (!d || d->Controller || b < 0 || b >= 32) return true;
      d->RawButtons[b] = e.jbutton.state == SDL_PRESSED;
      SetPilots(d->Slot, true);
      return true;
    }
    case SDL_JOYAXISMOTION: {
      TDevice* d = Find(e.jaxis.which);
      if (!d || d->Controller || e.jaxis.axis > 1) return true;
      (e.jaxis.axis == 0 ? d->RawX : d->RawY) = e.jaxis.value;
      SetPilots(d->Slot, true);
      return true;
    }
    case SDL_JOYHATMOTION:
    case SDL_JOYBALLMOTION:
    case SDL_JOYBATTERYUPDATED:
    case SDL_CONTROLLERTOUCHPADDOWN:
    case SDL_CONTROLLERTOUCHPADMOTION:
    case SDL_CONTROLLERTOUCHPADUP:
    case SDL_CONTROLLERSENSORUPDATE:
      return true;
    default:
      return false;
  }
}

void TPads::Refresh() {
  for (int pilot = 1; pilot <= PadPilotCount; ++pilot) SetPilot(pilot, SlotDevice(Main.PilotPadSlot[pilot - 1]), false);
}

void TPads::SetPilots(int slot, bool press) {
  if (slot < 1) return;
  for (int pilot = 1; pilot <= PadPilotCount; ++pilot)
    if (Main.PilotPadSlot[pilot - 1] == slot) SetPilot(pilot, SlotDevice(slot), press);
}

void TPads::SetPilot(int pilot, const TDevice* device, bool press) {
  if (!Main.DXInput) return;
  for (int c = 0; c < ShipControlCount; ++c)
    Main.DXInput->SetPadControl(pilot, c, device && ControlOf(*device, pilot, static_cast<TShipControl>(c)), press);
}

bool TPads::ControlOf(const TDevice& d, int pilot, TShipControl control) const {
  const int threshold = PadStickThreshold(Main.PadDeadZone, Main.PadSensitivity);
  if (!d.Controller) {
    // A plain joystick steers as joysticks always have.
    switch (control) {
      case scTurnLeft: return PadStickNegative(d.RawX, threshold);
      case scTurnRight: return PadStickPositive(d.RawX, threshold);
      case scThrust: return PadStickNegative(d.RawY, threshold);
      default: return d.RawButtons[control - scWeapon1];
    }
  }
  const int button = Main.PadBindings[pilot - 1][control];
  const bool pressed = button >= 0 && button < PadButtonCount && d.Buttons[button];
  // The left stick turns and thrusts and the triggers fire, beside the buttons.
  switch (control) {
    case scTurnLeft: return pressed || PadStickNegative(d.Axes[SDL_CONTROLLER_AXIS_LEFTX], threshold);
    case scTurnRight: return pressed || PadStickPositive(d.Axes[SDL_CONTROLLER_AXIS_LEFTX], threshold);
    case scThrust: return pressed || PadStickNegative(d.Axes[SDL_CONTROLLER_AXIS_LEFTY], threshold);
    case scWeapon1: return pressed || d.Axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] > PadTriggerThreshold;
    case scWeapon2: return pressed || d.Axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] > PadTriggerThreshold;
    default: return pressed;
  }
}

std::vector<TPads::TPlugged> TPads::Plugged() const {
  std::vector<TPlugged> rows;
  for (const auto& d : Devices) rows.push_back({d->Slot, d->Name, d->Controller != nullptr});
  return rows;
}

}  // namespace sw
