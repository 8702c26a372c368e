// Starting a battle, running it each frame, and leaving it for the screen that started it.
#include <iostream>

#include "core/Errors.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::StartBattle(uint8_t returnState) {
  TBattleEnvironment env;
  env.Folders = TGameFolders::FromRoot(ProgramFolder);
  env.Images = DXImageListM.get();
  env.Waves = DXWaveList.get();
  env.Input = DXInput.get();
  env.Surface = &DXDraw->Surface;
  env.MusicVolume = MusicVolume;
  // A battle file that cannot be fought raises its error here: nothing changes.
  auto battle = std::make_unique<TMelee>(env, ProgramFolder + "battle.adf");
  for (const std::string& w : battle->Warnings) std::cerr << "starwake: " << w << std::endl;
  battle->ComputerPilot = ComputerPilot;
  Battle.reset();
  Battle = std::move(battle);
  BattleReturnState = returnState;
  SetGameState(gsBattle, true);
}

void TfmMain::AbortBattle() {
  if (Battle) Battle->Abort();
}

bool TfmMain::BattleExists() const { return Battle != nullptr; }

int TfmMain::BattlePhase() const { return Battle ? Battle->Phase : -1; }

void TfmMain::StartBattleFight() {
  if (Battle) Battle->Phase = bpFighting;
}

void TfmMain::LeaveBattleResult() {
  if (Battle) {
    // The outcome is written before the battle is freed; a failed write is reported, and the
    // player still leaves the result screen.
    Guarded([&] { Battle->WriteOutcome(ProgramFolder + "outcome.adf"); });
    Battle.reset();
  }
  uint8_t back = BattleReturnState;
  SetGameState(back, true);
  if (back == gsDogfight && MusicVolume >= -3999) PlayMusic("MenuMusic");
}

void TfmMain::DrawBattleState() {
  if (!Battle) return;
  TMelee& b = *Battle;
  b.DrawPointers = DrawPointers;
  b.Joystick1 = Player1Joystick;
  b.Joystick2 = Player2Joystick;
  // Phases are tested in the order 0, 2, 1: a battle that ends in its step is still drawn
  // running in that frame, and over from the next.
  if (b.Phase == bpPreBattle) {
    b.DrawPreBattle();
  } else if (b.Phase == bpOver) {
    b.DrawAfterBattle();
  } else {
    b.Update();
    UpdateMicros += b.LastUpdateMicros;
    b.DrawBattle();
    DrawMicros += b.LastDrawMicros;
  }
}

}  // namespace sw
