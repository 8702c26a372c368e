// The main window's key handler. A command waiting on the Controls screen for its new key takes
// every key first. In the campaign the campaign's own keys come first; then, in every state, F9
// takes a screenshot, any key leaves the splash, a key starts a battle waiting on its
// pre-battle screen, the arrows, Enter and Escape work the front end's menus (MenuKeys.cpp;
// Escape opens and closes the options screen as before), Escape leaves a finished battle or
// opens the options over it, and F10, F11 and F12 change the sound, the music and the
// brightness. The options screen changes the same settings by feeding keys in through
// SimulateKey.
#include <algorithm>

#include "media/Input.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

// A volume step of F10 or F11: up with Ctrl, down with Alt alone, back to full with neither.
int SteppedVolume(int volume, bool ctrl, bool alt) {
  if (ctrl) return std::min(0, volume + 400);
  if (alt) return std::max(-4000, volume - 400);
  return 0;
}

}  // namespace

void TfmMain::FormKeyDown(int key, bool shift, bool ctrl, bool alt) {
  Guarded([&] {
    // An open question takes every key.
    if (Question) {
      QuestionKeyDown(key);
      return;
    }
    if (GameState == gsCampaign && CampaignKeyDown(key, shift, ctrl, alt)) return;
    CommonKeyDown(key, shift, ctrl, alt);
  });
}

void TfmMain::FormKeyRepeat(int key, bool shift, bool ctrl, bool alt) {
  if (GameState != gsCampaign || CampaignSubScreen != csFindAStar) return;
  if (key == vk::Escape || (key >= vk::F9 && key <= vk::F12)) return;
  FormKeyDown(key, shift, ctrl, alt);
}

void TfmMain::SimulateKey(int key, bool shift, bool ctrl, bool alt) { FormKeyDown(key, shift, ctrl, alt); }

void TfmMain::CommonKeyDown(int key, bool shift, bool ctrl, bool alt) {
  // A command on the Controls screen waiting for its new key takes every key, and the key does
  // nothing else: Escape only cancels the wait, F9 takes no screenshot, an arrow moves nothing.
  if (GameState == gsControls && Controls && Controls->Capturing()) {
    ControlsCaptureKey(key);
    return;
  }

  // A screenshot that cannot be saved is reported, and the key still does the rest.
  if (key == vk::F9) Guarded([&] { SaveScreenshot(); });

  // A replay being watched, the list of replays and the network panel take their own keys.
  if (ReplayKeyDown(key) || ReplayListKeyDown(key) || NetPanelKeyDown(key, shift)) return;

  // The result screen keeps the battle just fought under a name of its own.
  if (key == 'R' && GameState == gsBattle && BattlePhase() == 2 && !ReplayPlayer) {
    SaveReplayFromResult();
    return;
  }

  // The first key on the splash only leaves it.
  if (GameState == gsSplash) {
    SetGameState(gsMenu, false);
    return;
  }

  // Any key starts a battle waiting on its pre-battle screen, and then does its own work too.
  if (GameState == gsBattle && BattlePhase() == 0) {
    StartBattleFight();
  }

  // The front end's screens: the arrows move the highlight, Enter presses it, Escape goes back.
  if (MenuKeyDown(key, ctrl, alt)) return;

  if (key == vk::Escape) {
    if (GameState == gsBattle && BattlePhase() == 2) {
      LeaveBattleResult();
    } else {
      OpenOptionsFrom(GameState);
    }
  }

  if (key == vk::F12) {
    long long offset = GammaOffset;
    if (ctrl) offset += 1000;
    else if (alt) offset -= 1000;
    else offset = 0;
    GammaOffset = static_cast<int>(std::clamp<long long>(offset, -GammaOffsetLimit, GammaOffsetLimit));
    SetGammaOffset(GammaOffset);
  }

  if (key == vk::F10) {
    SfxVolume = SteppedVolume(SfxVolume, ctrl, alt);
    ApplySfxVolume();
  }

  if (key == vk::F11) {
    MusicVolume = SteppedVolume(MusicVolume, ctrl, alt);
    ApplyMusicVolume();
  }
}

// ---- What the key handler asks of the options screen ----

// The options screen offers the buttons that make sense for the state it was opened from.
void TfmMain::PrepareOptionsFor(uint8_t state) {
  if (Options) Options->SetAvailability(state, CampaignSubScreen);
}

void TfmMain::OpenOptionsFrom(uint8_t state) {
  OptionsReturnState = state;
  PrepareOptionsFor(state);
  // The highlight starts on "Back" each time the options open.
  if (Options) Options->Focus.Key = "op1";
  SetGameState(gsOptions, false);
}

}  // namespace sw
