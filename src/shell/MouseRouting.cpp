// Mouse routing of the front-end screens. A click asks the live screen which button lies under
// the pointer, gives the click its feedback (the "click" sound, and on the selector and the
// dogfight set-up the button's flash) and runs the action of that button in the live state.
// Screens only draw and hit-test; what their buttons do is decided here.
#include <algorithm>

#include "core/Errors.h"
#include "media/Input.h"
#include "campaign/screens/CampaignRouting.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

constexpr int LeftButton = 1;

}  // namespace

void TfmMain::MouseWheel(int step) {
  Guarded([&] {
    if (GameState == gsCampaign && Campaign && !Question) CampaignWheel(*Campaign, step);
  });
}

void TfmMain::DXDrawMouseDown(int button, int x, int y) {
  MouseMove(x, y);
  Guarded([&] {
    // An open question takes every click.
    if (Question) {
      if (button == LeftButton) QuestionMouseDown(x, y);
      return;
    }
    // The campaign takes every button (a right click cancels a move order).
    if (GameState == gsCampaign) {
      if (Campaign) CampaignMouseDown(*Campaign, *this, button, x, y);
      return;
    }
    if (button != LeftButton) return;  // only the left button acts
    // The highlight of the keyboard and the pad goes to the button clicked.
    auto follow = [](TMenuFocus& focus, const TFocusTargets& targets, const std::string& key) {
      focus.Follow(targets, key);
      return key;
    };
    switch (GameState) {
      case gsSelector:
        if (Selector) RouteSelector(follow(Selector->Focus, Selector->FocusTargets(), Selector->HitTest(x, y)));
        break;
      case gsMenu:
        if (Splash) RouteMenu(follow(Splash->Focus, Splash->FocusTargets(false), Splash->HitTest(x, y)));
        break;
      case gsCredits:
        if (Splash) RouteCredits(Splash->HitTest(x, y));
        break;
      case gsOptions:
        if (Options) RouteOptions(follow(Options->Focus, Options->FocusTargets(), Options->HitTest(x, y)));
        break;
      case gsControls:
        if (Controls) RouteControls(Controls->HitTest(x, y));
        break;
      case gsDogfight:
        if (NetPanel.Open) {
          RouteNetPanel(x, y);
        } else if (Dogfight && Dogfight->ReplaysOpen) {
          RouteReplayList(x, y);
        } else if (Dogfight && TDogfight::OnReplaysButton(x, y)) {
          Dogfight->Focus.Key = "Replays";
          OpenReplayList();
        } else if (Dogfight && TDogfight::OnNetworkButton(x, y)) {
          Dogfight->Focus.Key = "Network";
          OpenNetPanel();
        } else if (Dogfight) {
          RouteDogfight(follow(Dogfight->Focus, Dogfight->FocusTargets(), Dogfight->HitTest(x, y)));
        }
        break;
      case gsBattle: {
        const TRect& r = SaveReplayButton;
        if (Battle && !ReplayPlayer && Battle->Phase == bpOver && !LastReplayText.empty() && x >= r.Left &&
            x < r.Right && y >= r.Top && y < r.Bottom)
          SaveReplayFromResult();
        break;
      }
      default:
        break;
    }
  });
}

void TfmMain::PlayClick() {
  // A missing click sound is reported, and the button still does its work.
  Guarded([&] { DXWaveList->Find("click").Play(false); });
}

void TfmMain::OpenSelector(uint8_t mode) {
  // The selector could not be built (its picture is missing): the click is reported and the
  // player stays where he is.
  if (!Selector) throw EGameError("The selector screen could not be loaded");
  Selector->SetMode(mode);
  SetGameState(gsSelector, false);
}

void TfmMain::RouteSelector(const std::string& key) {
  if (key.empty()) return;
  Selector->Buttons.Find(key).Click();
  PlayClick();
  const uint8_t mode = Selector->Mode;
  if (key == "scroll_down") {
    Selector->MoveSelection(true);
  } else if (key == "scroll_up") {
    Selector->MoveSelection(false);
  } else if (key == "canc_but") {
    switch (mode) {
      case smNewCampaign: SetGameState(gsMenu, false); break;
      case smLoad: SetGameState(LoadOpenedFromMenu ? gsMenu : gsOptions, false); break;
      case smSave: SetGameState(gsOptions, false); break;
      default: break;  // the add-on list is left through continue only
    }
  } else if (key == "cont_but") {
    if (mode == smAddOns) {
      SetGameState(gsDogfight, false);
    } else if (mode == smNewCampaign) {
      // The selected campaign replaces the running one; one that cannot be loaded is reported
      // and the player stays on the selector.
      const TListItem* entry = Selector->SelectedEntry();
      if (entry && StartCampaign(entry->Folder, "", entry->Title)) {
        SetGameState(gsCampaign, false);
        CampaignSubScreen = csMap;
      }
    } else if (mode == smLoad) {
      // A slot that cannot be loaded is reported and the selector stays.
      if (Selector->SelectedEntry() && LoadSavedGame(Selector->SelectedSection())) {
        SetGameState(gsCampaign, false);
        CampaignSubScreen = csMap;
      }
    } else if (mode == smSave) {
      // The slot is the one selected, by its section's number; a slot holding a save is saved
      // over only when the player says so, and a save that failed is reported and the player
      // stays on the selector.
      if (Selector->SelectedEntry()) AskSaveToSlot(Selector->SelectedSection());
    }
  }
}

void TfmMain::RouteMenu(const std::string& key) {
  if (key.empty()) return;
  PlayClick();
  if (key == "start") {
    OpenSelector(smNewCampaign);
  } else if (key == "men_load") {
    LoadOpenedFromMenu = true;
    OpenSelector(smLoad);
  } else if (key == "dog") {
    SetGameState(gsDogfight, false);
  } else if (key == "credits") {
    SetGameState(gsCredits, false);
  } else if (key == "men_options") {
    SimulateKey(vk::Escape, false, false, false);
  } else if (key == "exit") {
    Terminate();
  }
}

void TfmMain::RouteCredits(const std::string& key) {
  if (key.empty()) return;
  PlayClick();
  if (key == "back") SetGameState(gsMenu, false);
}

void TfmMain::RouteOptions(const std::string& key) {
  if (key.empty()) return;
  PlayClick();
  // A dimmed button says why it cannot act now.
  if (!Options->Available(key)) {
    if (const std::string why = Options->Reason(key); !why.empty()) ShowNotice(why);
    return;
  }
  // The settings go through the keys that change them: no shift resets, Ctrl raises, Alt
  // lowers.
  auto settingKey = [&](const std::string& base, int vkCode) {
    if (key == "op" + base) SimulateKey(vkCode, false, false, false);
    else if (key == "ar" + base + "_r") SimulateKey(vkCode, false, true, false);
    else if (key == "ar" + base + "_l") SimulateKey(vkCode, false, false, true);
    else return false;
    return true;
  };
  if (key == "op1") {
    SetGameState(OptionsReturnState, false);
  } else if (key == "op2") {
    LoadOpenedFromMenu = false;
    OpenSelector(smLoad);
  } else if (key == "op3") {
    OpenSelector(smSave);
  } else if (settingKey("4", vk::F12) || settingKey("5", vk::F10) || settingKey("6", vk::F11)) {
    // done by the key handler
  } else if (key == "op7") {
    DXTimer.Interval = 30;
  } else if (key == "ar7_r") {
    DXTimer.Interval = std::min(TOptions::SlowestInterval, DXTimer.Interval + 1);
  } else if (key == "ar7_l") {
    DXTimer.Interval = std::max(0, DXTimer.Interval - 1);
  } else if (key == "op8" || key == "ar8_r" || key == "ar8_l") {
    DrawPointers = !DrawPointers;
  } else if (key == "oppad_dz" || key == "arpad_dz_l" || key == "arpad_dz_r") {
    const int step = key == "arpad_dz_l" ? -PadDeadZoneStep : PadDeadZoneStep;
    PadDeadZone = key == "oppad_dz" ? PadDeadZoneDefault : ClampPadDeadZone(PadDeadZone + step);
  } else if (key == "oppad_sens" || key == "arpad_sens_l" || key == "arpad_sens_r") {
    const int step = key == "arpad_sens_l" ? -PadSensitivityStep : PadSensitivityStep;
    PadSensitivity = key == "oppad_sens" ? PadSensitivityDefault : ClampPadSensitivity(PadSensitivity + step);
  } else if (key == "op9") {
    if (!BattleExists()) return;
    AbortBattle();
    SetGameState(gsBattle, false);
    StopMusic("MeleeMusic");
  } else if (key == "op10") {
    // A battle left for the menu is given up (a campaign battle still hands its ships back).
    // Until the fade reaches the menu the options screen stays live, and going back from it
    // (Escape or the back button) must lead to the menu, never to the battle state without a
    // battle.
    GiveUpBattle();
    // Nothing of the campaign is lost: leaving it autosaves.
    AutosaveOnLeaving();
    if (OptionsReturnState == gsBattle) OptionsReturnState = gsMenu;
    SetGameState(gsMenu, false);
    StopMusic("LoopMusic");
    StopMusic("MeleeMusic");
    PlayMusic("MenuMusic");
  } else if (key == "op11") {
    Terminate();
  } else if (key == "controls") {
    OpenControls();
  }
}

void TfmMain::OpenReplayList() {
  PlayClick();
  Dogfight->OpenReplays(ProgramFolder + "replays/");
}

void TfmMain::RouteReplayList(int x, int y) {
  TDogfight& d = *Dogfight;
  if (TDogfight::OnReplaysClose(x, y)) {
    PlayClick();
    d.CloseReplays();
    return;
  }
  const int row = d.ReplayRowAt(x, y);
  if (row < 0) return;
  PlayClick();
  d.ReplaySelected = row;
  StartReplay(d.Replays[static_cast<size_t>(row)].Path, gsDogfight);
}

void TfmMain::RouteDogfight(const std::string& key) {
  if (key.empty()) return;
  Dogfight->Buttons.Find(key).Click();
  PlayClick();
  TDogfight& d = *Dogfight;
  if (key == "PlanetsRight") d.TurnPlanets(-1);
  else if (key == "PlanetsLeft") d.TurnPlanets(+1);
  else if (key == "RacesRight") d.TurnRaces(-1);
  else if (key == "RacesLeft") d.TurnRaces(+1);
  else if (key == "ShipsRight") d.TurnShips(-1);
  else if (key == "ShipsLeft") d.TurnShips(+1);
  else if (key == "AstRight") d.ChangeDensity(+1);
  else if (key == "AstLeft") d.ChangeDensity(-1);
  else if (key == "Side1AI") d.SetComputerSides(!d.Side1Computer, d.Side2Computer);
  else if (key == "Side2AI") d.SetComputerSides(d.Side1Computer, !d.Side2Computer);
  else if (key == "Side1Skill") d.NextSkill(1);
  else if (key == "Side2Skill") d.NextSkill(2);
  else if (key.rfind("Plus", 0) == 0) d.FillSlot(key.back() - '0');
  else if (key.rfind("Minus", 0) == 0) d.EmptySlot(key.back() - '0');
  else if (key == "Start") {
    // Fight! with a flagship slot empty fights nothing: say what is missing instead.
    if (!NetFight() && !d.Start() && GameState == gsDogfight) ShowNotice("Put a flagship on each side first");
  }
  else if (key == "Back") SetGameState(gsMenu, false);
  else if (key == "mod_sel") OpenSelector(smAddOns);
}

}  // namespace sw
