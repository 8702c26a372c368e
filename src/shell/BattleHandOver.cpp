// Starting a battle, running it each frame, and leaving it for the screen that started it.
#include <iostream>

#include "core/Errors.h"
#include "shell/fmMain.h"

namespace sw {

TBattleEnvironment TfmMain::BattleEnvironment() const {
  TBattleEnvironment env;
  env.Folders = TGameFolders::FromRoot(ProgramFolder);
  env.Images = DXImageListM.get();
  env.Waves = DXWaveList.get();
  env.Input = DXInput.get();
  env.Surface = &DXDraw->Surface;
  env.MusicVolume = MusicVolume;
  return env;
}

void TfmMain::StartBattle(uint8_t returnState) {
  const TBattleEnvironment env = BattleEnvironment();
  // A battle file that cannot be fought raises its error here: nothing changes.
  auto battle = std::make_unique<TMelee>(env, ProgramFolder + "battle.adf");
  for (const std::string& w : battle->Warnings) std::cerr << "starwake: " << w << std::endl;
  battle->ComputerPilot = ComputerPilot;
  Battle.reset();
  ReplayPlayer.reset();
  BattleReplayKept = false;
  PadLost = {false, false};
  Battle = std::move(battle);
  BattleReturnState = returnState;
  SetGameState(gsBattle, true);
}

void TfmMain::AbortBattle() {
  // A network battle has no winner when a player leaves it: it ends for both.
  if (Battle && NetBattle) {
    EndNetBattle("You left the battle", nrLeft);
    return;
  }
  if (Battle) Battle->Abort();
}

bool TfmMain::BattleExists() const { return Battle != nullptr; }

int TfmMain::BattlePhase() const { return Battle ? Battle->Phase : -1; }

void TfmMain::StartBattleFight() {
  if (!Battle) return;
  Battle->Phase = bpFighting;
  if (MusicVolume >= -3999) PlayMusic("MeleeMusic");
}

void TfmMain::LeaveBattleResult() {
  // A replay's result is only watched: nothing is handed over.
  if (ReplayPlayer) {
    LeaveReplay();
    return;
  }
  if (Battle && NetBattle) {
    // Both games fought to the same result; they stay connected for the next battle.
    LeaveNetBattle();
    return;
  }
  if (Battle) {
    KeepBattleReplay();
    // The outcome is written before the battle is freed; a failed write is reported, and the
    // player still leaves the result screen.
    Guarded([&] { Battle->WriteOutcome(ProgramFolder + "outcome.adf"); });
    Battle.reset();
  }
  uint8_t back = BattleReturnState;
  SetGameState(back, true);
  if (back == gsDogfight && MusicVolume >= -3999) PlayMusic("MenuMusic");
  // Back in the campaign, the campaign takes the battle's outcome in; a problem with it is
  // reported and the campaign goes on.
  if (back == gsCampaign && Campaign) Guarded([&] { Campaign->ProcessOutcome(); });
}

void TfmMain::GiveUpBattle() {
  if (!Battle) return;
  if (ReplayPlayer) {
    Battle.reset();
    ReplayPlayer.reset();
    return;
  }
  // The fight given up is kept as a replay as well.
  KeepBattleReplay();
  if (NetBattle) {
    // Leaving for the main menu leaves the network duel too: the other game hears it.
    NoteNetBattle();
    if (Net) Net->Leave(nrLeft);
    Battle.reset();
    NetBattle = false;
    NetEndTicks = 0;
    if (NetSavedInterval > 0) DXTimer.Interval = NetSavedInterval;
    NetStatus = "You left the battle";
    return;
  }
  const bool campaignBattle = BattleReturnState == gsCampaign && Campaign;
  const bool over = Battle->Phase == bpOver;
  // A campaign battle that already has its result still hands it over, as leaving the result
  // screen would; one still being fought ends without a result, and the ships that were
  // slotted for it go back to their fleets.
  if (campaignBattle && over) Guarded([&] { Battle->WriteOutcome(ProgramFolder + "outcome.adf"); });
  Battle.reset();
  if (!campaignBattle) return;
  if (over) Guarded([&] { Campaign->ProcessOutcome(); });
  else Guarded([&] { Campaign->GiveBackSlots(); });
}

void TfmMain::DrawBattleState() {
  if (!Battle) return;
  TMelee& b = *Battle;
  b.DrawPointers = DrawPointers;
  b.PadSlot1 = PilotPadSlot[0];
  b.PadSlot2 = PilotPadSlot[1];
  if (ReplayPlayer) {
    DrawReplayFrame();
    return;
  }
  if (NetBattle) {
    DrawNetBattle();
    return;
  }
  // Phases are tested in the order 0, 2, 1: a battle that ends in its step is still drawn
  // running in that frame, and over from the next.
  if (b.Phase == bpPreBattle) {
    b.DrawPreBattle();
    if (PausedForPad()) DrawPadNotice();
  } else if (b.Phase == bpOver) {
    KeepBattleReplay();
    b.DrawAfterBattle();
    DrawSaveReplayButton();
  } else if (PausedForPad()) {
    // Waiting for a pilot's pad: the battle is shown as it stands and nothing of it advances.
    b.DrawBattle();
    DrawMicros += b.LastDrawMicros;
    DrawPadNotice();
  } else {
    BattleReadInput = true;
    b.Update();
    UpdateMicros += b.LastUpdateMicros;
    if (b.Phase == bpOver) KeepBattleReplay();
    b.DrawBattle();
    DrawMicros += b.LastDrawMicros;
  }
}

}  // namespace sw
