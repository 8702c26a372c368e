// Menus by keyboard and pad. Each front-end screen keeps a highlighted button; the arrows move
// it, Enter presses it as a click would, Escape goes back. The keys are turned into menu
// commands here, and a pad's d-pad and buttons give the same commands through MenuPadButtonDown,
// so every screen answers both the same way. Commands act once per press: the platform's
// repeats of a held key never reach them.
#include "media/Input.h"
#include "media/PadButtons.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

// The menu command a key gives, if any: the arrows and Enter without Ctrl or Alt (those are
// the window's own), Escape always.
bool CommandOfKey(int key, bool ctrl, bool alt, TMenuCommand& command) {
  if (key == vk::Escape) {
    command = TMenuCommand::Back;
    return true;
  }
  if (ctrl || alt) return false;
  switch (key) {
    case vk::Up: command = TMenuCommand::Up; return true;
    case vk::Down: command = TMenuCommand::Down; return true;
    case vk::Left: command = TMenuCommand::Left; return true;
    case vk::Right: command = TMenuCommand::Right; return true;
    case vk::Return: command = TMenuCommand::Press; return true;
    default: return false;
  }
}

// The menu command a pad button gives, if any.
bool CommandOfPadButton(int button, TMenuCommand& command) {
  const std::string name = PadButtonName(button);
  if (name == "dpup") command = TMenuCommand::Up;
  else if (name == "dpdown") command = TMenuCommand::Down;
  else if (name == "dpleft") command = TMenuCommand::Left;
  else if (name == "dpright") command = TMenuCommand::Right;
  else if (name == "a" || name == "start") command = TMenuCommand::Press;
  else if (name == "b" || name == "back") command = TMenuCommand::Back;
  else return false;
  return true;
}

}  // namespace

bool TfmMain::IsMenuScreen() const {
  switch (GameState) {
    case gsMenu:
    case gsCredits:
    case gsOptions:
    case gsDogfight:
    case gsSelector:
    case gsControls:
      return true;
    default:
      return false;
  }
}

bool TfmMain::MenuKeyDown(int key, bool ctrl, bool alt) {
  TMenuCommand command;
  if (!IsMenuScreen() || !CommandOfKey(key, ctrl, alt, command)) return false;
  RunMenuCommand(command);
  return true;
}

void TfmMain::MenuCommand(TMenuCommand command) {
  Guarded([&] {
    if (Question || !IsMenuScreen()) return;
    RunMenuCommand(command);
  });
}

bool TfmMain::MenuPadButtonDown(int button) {
  bool used = false;
  Guarded([&] {
    if (Question) return;
    // A command waiting for its new button takes any button first.
    if (GameState == gsControls && Controls && Controls->Capturing()) {
      Controls->CapturePad(button);
      used = true;
      return;
    }
    TMenuCommand command;
    if (!IsMenuScreen() || !CommandOfPadButton(button, command)) return;
    RunMenuCommand(command);
    used = true;
  });
  return used;
}

TMenuFocus* TfmMain::LiveFocus(TFocusTargets& targets, std::string& preferred) {
  switch (GameState) {
    case gsMenu:
    case gsCredits:
      if (!Splash) return nullptr;
      targets = Splash->FocusTargets(GameState == gsCredits);
      preferred = TSplash::FirstFocus(GameState == gsCredits);
      return &Splash->Focus;
    case gsOptions:
      if (!Options) return nullptr;
      targets = Options->FocusTargets();
      preferred = "op1";
      return &Options->Focus;
    case gsDogfight:
      if (!Dogfight) return nullptr;
      targets = Dogfight->FocusTargets();
      preferred = "Start";
      return &Dogfight->Focus;
    case gsSelector:
      if (!Selector) return nullptr;
      targets = Selector->FocusTargets();
      preferred = "cont_but";
      return &Selector->Focus;
    case gsControls:
      if (!Controls) return nullptr;
      targets = Controls->FocusTargets();
      preferred = "p1_0";
      return &Controls->Focus;
    default:
      return nullptr;
  }
}

void TfmMain::RunMenuCommand(TMenuCommand command) {
  // The open Network panel answers as it does to its keys: A (Enter) hosts or joins, depending
  // on the field being typed in, and B (Escape) closes it; the d-pad moves nothing under it.
  if (GameState == gsDogfight && NetPanel.Open) {
    if (command == TMenuCommand::Press) NetPanelKeyDown(vk::Return, false);
    if (command == TMenuCommand::Back) NetPanelKeyDown(vk::Escape, false);
    return;
  }
  // The dogfight set-up's list of replays, while open, answers as it does to its keys.
  if (GameState == gsDogfight && Dogfight && Dogfight->ReplaysOpen) {
    switch (command) {
      case TMenuCommand::Up: ReplayListKeyDown(vk::Up); break;
      case TMenuCommand::Down: ReplayListKeyDown(vk::Down); break;
      case TMenuCommand::Press: ReplayListKeyDown(vk::Return); break;
      case TMenuCommand::Back: ReplayListKeyDown(vk::Escape); break;
      default: break;
    }
    return;
  }
  if (command == TMenuCommand::Back) {
    MenuBack();
    return;
  }
  // On the selector Up and Down go through the list, as its scroll buttons do.
  if (GameState == gsSelector && Selector && (command == TMenuCommand::Up || command == TMenuCommand::Down)) {
    RouteSelector(command == TMenuCommand::Up ? "scroll_up" : "scroll_down");
    return;
  }
  TFocusTargets targets;
  std::string preferred;
  TMenuFocus* focus = LiveFocus(targets, preferred);
  if (!focus) return;
  if (command == TMenuCommand::Press) {
    // Only a highlighted button that can be pressed now is pressed: on the load list the
    // highlight stays on a dimmed Continue (an empty slot), and Enter there does nothing rather
    // than cancel. A copy: pressing a button may move the highlight it came from.
    if (focus->Current(targets)) PressFocused(std::string(focus->Key));
  } else if (!focus->Current(targets)) {
    // The first arrow on a highlight that rests nowhere brings it back.
    focus->Keep(targets, preferred);
  } else {
    focus->Move(targets, command);
  }
}

void TfmMain::PressFocused(const std::string& key) {
  switch (GameState) {
    case gsMenu: RouteMenu(key); break;
    case gsCredits: RouteCredits(key); break;
    case gsOptions: RouteOptions(key); break;
    case gsSelector: RouteSelector(key); break;
    case gsControls: RouteControls(key); break;
    case gsDogfight:
      if (key == "Replays") OpenReplayList();
      else if (key == "Network") OpenNetPanel();
      else RouteDogfight(key);
      break;
    default: break;
  }
}

void TfmMain::MenuBack() {
  switch (GameState) {
    case gsSelector:
      // Back is cancel; the add-on list has no cancel, and continue is its way back.
      if (Selector) RouteSelector(Selector->Mode == smAddOns ? "cont_but" : "canc_but");
      break;
    case gsControls:
      LeaveControls();
      break;
    case gsOptions:
      SetGameState(OptionsReturnState, false);
      break;
    default:
      // The menu, the credits and the dogfight set-up: back is the options, as Escape always was.
      OpenOptionsFrom(GameState);
      break;
  }
}

}  // namespace sw
