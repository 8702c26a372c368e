// The pads as the main window hears of them: a pad pulled out in the middle of a battle pauses
// it until a pad comes back, Start opens the options screen, and any pad button starts a
// battle waiting on its pre-battle screen.
#include "core/Errors.h"
#include "media/Canvas.h"
#include "media/Pads.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

constexpr int PadStart = 6;  // "start" in PadButtonNames

}  // namespace

void TfmMain::AttachPads(TPads* pads) {
  if (Pads) {
    Pads->OnSlotChanged = nullptr;
    Pads->OnButtonDown = nullptr;
  }
  Pads = pads;
  if (!Pads) return;
  Pads->OnSlotChanged = [this](int slot, bool plugged) { Guarded([&] { PadSlotChanged(slot, plugged); }); };
  Pads->OnButtonDown = [this](int slot, int button) { Guarded([&] { PadButtonDown(slot, button); }); };
  if (!Pads->Problem.empty()) ReportError(Pads->Problem);
}

void TfmMain::PadSlotChanged(int slot, bool plugged) {
  for (int pilot = 1; pilot <= 2; ++pilot) {
    if (PilotPadSlot[pilot - 1] != slot) continue;
    if (plugged) {
      PadLost[pilot - 1] = false;
      continue;
    }
    // Only a pilot flying a ship of this battle waits for a pad: one whose flagship is gone, or
    // is flown by the computer from the start, goes on without it. A replay needs no pad, and a
    // network duel cannot wait: the other player's game goes on in lockstep.
    if (!Battle || ReplayPlayer || NetBattle || Battle->Phase == bpOver) continue;
    const TGameObject* ship = Battle->Objects.Find(pilot == 1 ? "player1ship" : "player2ship");
    const bool personFlew = pilot == 1 ? Battle->PersonFlew1 : Battle->PersonFlew2;
    if (Battle->IsAlive(ship) && (!ship->AIDriven || personFlew)) PadLost[pilot - 1] = true;
  }
}

bool TfmMain::PausedForPad() const {
  return Battle && !ReplayPlayer && Battle->Phase != bpOver && (PadLost[0] || PadLost[1]);
}

void TfmMain::PadButtonDown(int slot, int button) {
  if (Question || MenuPadButtonDown(button)) return;
  // Any button leaves the pre-battle screen for the fight, as any key does.
  if (GameState == gsBattle && !ReplayPlayer && BattlePhase() == bpPreBattle) {
    StartBattleFight();
  }
  if (button != PadStart) return;
  // Start opens the options screen wherever Escape opens it.
  switch (GameState) {
    case gsCampaign:
    case gsMenu:
    case gsCredits:
    case gsDogfight:
      break;
    case gsBattle:
      if (ReplayPlayer || BattlePhase() == bpOver) return;
      break;
    default:
      return;
  }
  OptionsReturnState = GameState;
  PrepareOptionsFor(GameState);
  SetGameState(gsOptions, false);
}

void TfmMain::DrawPadNotice() {
  TCanvas c(DXDraw->Surface);
  c.Font.Size = 14;
  c.Font.Bold = true;
  const std::string text = PadLostNotice;
  const int w = c.TextWidth(text), h = c.TextHeight(text);
  const int x = 400 - w / 2, y = 300 - h / 2;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = clBlack;
  c.FillRect({x - 12, y - 8, x + w + 12, y + h + 8});
  c.Pen.Color = 0x40B0FF;  // amber, as the panels' edges
  c.Brush.Style = TBrushStyle::bsClear;
  c.Rectangle(x - 12, y - 8, x + w + 12, y + h + 8);
  c.Font.Color = clWhite;
  c.TextOut(x, y, text);
  c.Release();
}

}  // namespace sw
