#include "core/Errors.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::StartBattle(uint8_t returnState) {
  throw EGameError("Battles cannot be fought in this build yet");
}

void TfmMain::AbortBattle() {}

bool TfmMain::BattleExists() const { return false; }

}  // namespace sw
