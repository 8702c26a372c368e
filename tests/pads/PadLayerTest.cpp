// The pad layer on SDL's virtual pads: plain joysticks, the player's mapping file, the slots
// pads take as they come and go, and pads pulled out at awkward moments.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

#include "TempFolder.h"
#include "media/Pads.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

using namespace sw;

namespace {

// The main window on a folder of its own (nothing loaded), and SDL's virtual pads.
struct TPadLab {
  TTempFolder Root;
  THeadlessAudio Audio;
  TPlatform Platform;
  std::unique_ptr<TfmMain> Main;
  std::vector<std::pair<int, bool>> SlotChanges;

  TPadLab() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    SDL_SetHint("SDL_JOYSTICK_DISABLE_UDEV", "1");
    Platform.Audio = &Audio;
    Main = std::make_unique<TfmMain>(Platform, Root.Path);
  }
  std::unique_ptr<TPads> Start() {
    auto pads = std::make_unique<TPads>(*Main, true);
    pads->OnSlotChanged = [this](int slot, bool plugged) { SlotChanges.emplace_back(slot, plugged); };
    return pads;
  }
  // A virtual pad: a full game pad, or a plain joystick with two axes and eight buttons.
  static SDL_Joystick* Plug(bool gamePad, const char* name) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = gamePad ? SDL_JOYSTICK_TYPE_GAMECONTROLLER : SDL_JOYSTICK_TYPE_UNKNOWN;
    desc.naxes = gamePad ? SDL_CONTROLLER_AXIS_MAX : 2;
    desc.nbuttons = gamePad ? SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1 : 8;
    desc.name = name;
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    EXPECT_GE(index, 0) << SDL_GetError();
    return index >= 0 ? SDL_JoystickOpen(index) : nullptr;
  }
  static void Unplug(SDL_Joystick* j) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(j);
    SDL_JoystickClose(j);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
  }
  // Hands SDL's events to the pads, as the window's loop does.
  static void Pump(TPads& pads) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) pads.HandleEvent(e);
  }
  TDXInput& Input() { return *Main->DXInput; }
};

}  // namespace

TEST(PadLayer, APlainJoystickSteersAsEverAndThePlayersMappingFileIsRead) {
  TPadLab lab;
  lab.Main->PilotPadSlot = {1, 0};
  {
    auto pads = lab.Start();
    ASSERT_TRUE(pads->Ready()) << pads->Problem;
    SDL_Joystick* stick = TPadLab::Plug(false, "Lab stick");
    ASSERT_NE(stick, nullptr);
    TPadLab::Pump(*pads);
    ASSERT_EQ(pads->Plugged().size(), 1u);
    EXPECT_FALSE(pads->Plugged()[0].Mapped) << "SDL has no mapping for it";
    EXPECT_EQ(pads->Plugged()[0].Slot, 1);

    // The stick past half its travel turns; button 3 is the autopilot, and a tap between two
    // ticks is one press.
    SDL_JoystickSetVirtualAxis(stick, 0, -30000);
    TPadLab::Pump(*pads);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_PRESSED);
    TPadLab::Pump(*pads);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_RELEASED);
    TPadLab::Pump(*pads);
    lab.Input().Update();
    EXPECT_TRUE(lab.Input().PadOn(1, scTurnLeft));
    EXPECT_FALSE(lab.Input().PadOn(1, scTurnRight));
    EXPECT_TRUE(lab.Input().PadPressed(1, scAutopilot));
    lab.Input().Update();
    EXPECT_FALSE(lab.Input().PadPressed(1, scAutopilot));
    EXPECT_TRUE(lab.Input().PadOn(1, scTurnLeft)) << "still held";

    // A narrower dead zone counts a smaller push, from the next frame on.
    SDL_JoystickSetVirtualAxis(stick, 0, 12000);
    TPadLab::Pump(*pads);
    lab.Input().Update();
    EXPECT_FALSE(lab.Input().PadOn(1, scTurnRight));
    lab.Main->PadDeadZone = 30;
    pads->Refresh();
    lab.Input().Update();
    EXPECT_TRUE(lab.Input().PadOn(1, scTurnRight));

    // Pulled out with weapon 1 held: the gun stops, the slot is empty and says so, and a late
    // event of the pad that is gone is ignored.
    const SDL_JoystickID id = SDL_JoystickInstanceID(stick);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    TPadLab::Pump(*pads);
    EXPECT_TRUE(lab.Input().PadControlHeld(1, scWeapon1));
    TPadLab::Unplug(stick);
    TPadLab::Pump(*pads);
    EXPECT_FALSE(lab.Input().PadControlHeld(1, scWeapon1));
    EXPECT_FALSE(lab.Input().PadControlHeld(1, scTurnRight));
    EXPECT_TRUE(pads->Plugged().empty());
    EXPECT_EQ(lab.SlotChanges, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}}));
    SDL_Event late{};
    late.type = SDL_JOYBUTTONDOWN;
    late.jbutton.which = id;
    late.jbutton.button = 1;
    late.jbutton.state = SDL_PRESSED;
    EXPECT_TRUE(pads->HandleEvent(late));
    late.type = SDL_JOYDEVICEREMOVED;
    late.jdevice.which = id;
    EXPECT_TRUE(pads->HandleEvent(late));
    EXPECT_FALSE(lab.Input().PadControlHeld(1, scWeapon2));
  }

  // The player's own mapping file in the game folder: SDL knows the pad it names from then on
  // (a USB pad's identity; SDL's virtual sticks cannot stand in for one here).
  const char* usbPad = "03000000aabb0000ccdd000000000000";
  std::ofstream(lab.Root.Path + "/gamecontrollerdb.txt")
      << "# my pad\n" << usbPad << ",Lab pad,a:b3,b:b1,leftx:a0,lefty:a1,platform:" << SDL_GetPlatform() << ",\n";
  auto pads = lab.Start();
  ASSERT_TRUE(pads->Ready());
  EXPECT_EQ(pads->Problem, "");
  char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(usbPad));
  ASSERT_NE(mapping, nullptr);
  EXPECT_NE(std::string(mapping).find("Lab pad,a:b3"), std::string::npos) << mapping;
  SDL_free(mapping);
}

TEST(PadLayer, PadsPluggedInGoToThePilotsWhoHaveNone) {
  TPadLab lab;
  lab.Main->PilotPadSlot = {2, 0};  // pilot 1 on the second pad, pilot 2 on the keyboard
  auto pads = lab.Start();
  ASSERT_TRUE(pads->Ready()) << pads->Problem;
  std::vector<int> buttons;
  pads->OnButtonDown = [&](int slot, int button) { buttons.push_back(slot * 100 + button); };
  SDL_Joystick* a = TPadLab::Plug(true, "Pad A");
  TPadLab::Pump(*pads);
  SDL_Joystick* b = TPadLab::Plug(true, "Pad B");
  TPadLab::Pump(*pads);
  SDL_Joystick* c = TPadLab::Plug(true, "Pad C");
  TPadLab::Pump(*pads);
  auto slots = [&] {
    std::vector<std::pair<std::string, int>> rows;
    for (const auto& p : pads->Plugged()) rows.emplace_back(p.Name, p.Slot);
    return rows;
  };
  // Pilot 1 wanted the second pad: the first one plugged in is it. The next takes the free
  // slot, the third waits in none.
  EXPECT_EQ(slots(), (std::vector<std::pair<std::string, int>>{{"Pad A", 2}, {"Pad B", 1}, {"Pad C", 0}}));
  for (const auto& p : pads->Plugged()) EXPECT_TRUE(p.Mapped) << p.Name;

  // Pad A flies pilot 1 by its names: the d-pad, the right trigger, the shoulder.
  SDL_JoystickSetVirtualButton(a, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_PRESSED);
  SDL_JoystickSetVirtualAxis(a, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  SDL_JoystickSetVirtualButton(a, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_PRESSED);
  // Pad C, in no slot, flies no one.
  SDL_JoystickSetVirtualButton(c, SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
  TPadLab::Pump(*pads);
  lab.Input().Update();
  EXPECT_TRUE(lab.Input().PadOn(1, scTurnRight));
  EXPECT_TRUE(lab.Input().PadOn(1, scWeapon1));
  EXPECT_TRUE(lab.Input().PadOn(1, scFine));
  EXPECT_FALSE(lab.Input().PadOn(1, scWeapon2));
  for (int control = 0; control < ShipControlCount; ++control) EXPECT_FALSE(lab.Input().PadOn(2, control));
  std::sort(buttons.begin(), buttons.end());
  EXPECT_EQ(buttons, (std::vector<int>{0 * 100 + SDL_CONTROLLER_BUTTON_B, 2 * 100 + SDL_CONTROLLER_BUTTON_LEFTSHOULDER,
                                       2 * 100 + SDL_CONTROLLER_BUTTON_DPAD_RIGHT}));

  // Pad A pulled out: its slot waits for the next pad plugged in, not for pad C.
  TPadLab::Unplug(a);
  TPadLab::Pump(*pads);
  EXPECT_EQ(slots(), (std::vector<std::pair<std::string, int>>{{"Pad B", 1}, {"Pad C", 0}}));
  lab.Input().Update();
  EXPECT_FALSE(lab.Input().PadOn(1, scWeapon1));
  SDL_Joystick* d = TPadLab::Plug(true, "Pad D");
  TPadLab::Pump(*pads);
  EXPECT_EQ(slots(), (std::vector<std::pair<std::string, int>>{{"Pad B", 1}, {"Pad C", 0}, {"Pad D", 2}}));
  EXPECT_EQ(lab.SlotChanges, (std::vector<std::pair<int, bool>>{{2, true}, {1, true}, {2, false}, {2, true}}));

  // Every pad pulled out at once, then the layer closed with none left.
  for (SDL_Joystick* j : {b, c, d}) TPadLab::Unplug(j);
  TPadLab::Pump(*pads);
  EXPECT_TRUE(pads->Plugged().empty());
}
