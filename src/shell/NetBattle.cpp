// The network duel in the main window: opening a session as host or joiner, launching the
// battle to the other game, stepping it in lockstep, and ending it with a clear word when the
// other game leaves, goes silent or goes out of sync.
#include <chrono>
#include <iostream>

#include "core/Numbers.h"
#include "core/Paths.h"
#include "media/Canvas.h"
#include "net/BattleDataHash.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

// Frames the last word of a network battle stays on screen before the set-up comes back.
constexpr int NetEndFrames = 90;

}  // namespace

bool TfmMain::StartNetHost(uint16_t port) {
  return StartNet([&](const TNetIdentity& me, std::string& error) {
    return TNetSession::Host(port, me, NetLocal.get(), NetImpairment, error);
  });
}

bool TfmMain::StartNetJoin(const std::string& address) {
  return StartNet([&](const TNetIdentity& me, std::string& error) {
    return TNetSession::Join(address, me, NetLocal.get(), NetImpairment, error);
  });
}

bool TfmMain::StartNet(const std::function<std::unique_ptr<TNetSession>(const TNetIdentity&, std::string&)>& open) {
  CloseNet();
  if (!NetLocal) NetLocal = std::make_unique<TLocalCommands>(DXInput.get(), &PilotPadSlot[0], &PilotPadSlot[1]);
  const TNetIdentity me{NetVersion.empty() ? GameVersion : NetVersion, BattleDataHash(ProgramFolder)};
  std::string error;
  Net = open(me, error);
  if (!Net) {
    NetStatus = error;
    return false;
  }
  Net->FixedDelay = NetFixedDelay;
  NetStatus.clear();
  return true;
}

void TfmMain::CloseNet() {
  if (!Net) return;
  if (NetBattle && Battle) LeaveNetBattle();
  Net->Leave(nrLeft);
  // The goodbye is on its way; a moment more lets it through when the other game listens.
  const uint64_t until = TNetTransport::NowMs() + 200;
  while (!Net->Closed() && TNetTransport::NowMs() < until) Net->Transport.Service();
  Net.reset();
}

std::string TfmMain::NetStatusLine() const {
  if (Net) return Net->StatusLine();
  return NetStatus.empty() ? "Not connected" : NetStatus;
}

bool TfmMain::BuildNetBattle(uint64_t seed) {
  TBattleEnvironment env = BattleEnvironment();
  env.Seed = seed;
  env.Commands = Net->Lockstep();
  std::unique_ptr<TMelee> battle;
  try {
    battle = std::make_unique<TMelee>(env, ProgramFolder + "battle.adf");
  } catch (const std::exception& e) {
    NetStatus = e.what();
    ReportError(e.what());
    return false;
  }
  for (const std::string& w : battle->Warnings) std::cerr << "starwake: " << w << std::endl;
  battle->ComputerPilot = ComputerPilot;
  if (NetSkipPreBattle) battle->Phase = bpFighting;
  Battle.reset();
  ReplayPlayer.reset();
  BattleReplayKept = false;
  Battle = std::move(battle);
  NetBattle = true;
  NetEndTicks = 0;
  NetEndMessage.clear();
  NetWaiting = false;
  NetStalledSinceMs = TNetTransport::NowMs();
  BattleReturnState = gsDogfight;
  SetGameState(gsBattle, true);
  return true;
}

bool TfmMain::LaunchNetBattle() {
  if (!Net || Net->Role != NetHostRole || Net->State != TNetState::Connected) {
    NetStatus = "No other player is connected yet";
    return false;
  }
  TNetBattle b;
  if (!ReadWholeFile(ProgramFolder + "battle.adf", b.Text)) {
    NetStatus = "There is no battle to launch";
    return false;
  }
  b.Seed = Randomize();
  b.Interval = DXTimer.Interval > 0 ? DXTimer.Interval : 30;
  b.Delay = NetFirstDelay;
  if (!Net->LaunchBattle(b)) {
    NetStatus = "No other player is connected yet";
    return false;
  }
  NetSavedInterval = DXTimer.Interval;
  if (!BuildNetBattle(b.Seed)) {
    Net->Leave(nrLeft);
    return false;
  }
  return true;
}

void TfmMain::NetTickStart() {
  if (!Net) return;
  const auto start = std::chrono::steady_clock::now();
  Net->Service();
  NetMicros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  ++NetTicks;
  TNetBattle arrived;
  if (Net->Role == NetJoinRole && Net->TakeBattle(arrived)) {
    // The joiner fights the host's battle: its file byte for byte, its seed, its frame interval.
    NetSavedInterval = DXTimer.Interval;
    if (!AtomicWriteFile(ProgramFolder + "battle.adf", arrived.Text, false)) {
      NetStatus = "Unable to write to " + ProgramFolder + "battle.adf";
      Net->Leave(nrLeft);
      return;
    }
    DXTimer.Interval = arrived.Interval;
    if (!BuildNetBattle(arrived.Seed)) {
      DXTimer.Interval = NetSavedInterval;
      Net->Leave(nrLeft);
      return;
    }
  }
  // The options screen over a network battle pauses nothing: the battle goes on under it,
  // with the player's commands all off.
  if (NetBattle && Battle && GameState != gsBattle && Battle->Phase == bpFighting && NetEndTicks == 0) NetBattleStep();
}

void TfmMain::NetTickEnd() {
  if (!Net) return;
  const auto start = std::chrono::steady_clock::now();
  Net->Flush();
  NetMicros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void TfmMain::NetBattleStep() {
  TMelee& b = *Battle;
  TLockstep* steps = Net ? Net->Lockstep() : nullptr;
  if (!steps) {
    EndNetBattle(Net && !Net->EndMessage.empty() ? Net->EndMessage : "Connection lost", nrLeft);
    return;
  }
  // Either game may be the first to find the two battles apart; both stop, and both keep it.
  const int64_t apart = steps->OutOfSyncTick != 0 ? steps->OutOfSyncTick : Net->PeerOutOfSyncTick;
  if (apart != 0) {
    EndNetBattle("Out of sync at tick " + std::to_string(apart), nrOutOfSync);
    return;
  }
  const uint64_t now = TNetTransport::NowMs();
  if (steps->Ready(b.Tick + 1)) {
    const bool atTheControls = GameState == gsBattle;
    steps->Sampling = atTheControls;
    if (atTheControls) BattleReadInput = true;
    b.Update();
    UpdateMicros += b.LastUpdateMicros;
    if (NetNudgeTick != 0 && b.Tick == NetNudgeTick) {
      // The test switch: this game's battle is knocked a pixel off the other's.
      if (TGameObject* ship = b.Objects.Find("player1ship")) ship->X += 1;
    }
    NetStalledSinceMs = now;
    NetWaiting = false;
    if (b.Phase == bpOver) {
      KeepBattleReplay();
      Net->Flush();
    }
    return;
  }
  // Presses made while waiting stay latched for the step that comes.
  if (GameState == gsBattle) BattleReadInput = true;
  if (Net->PeerGone) {
    EndNetBattle(Net->EndMessage.empty() ? "The other player left" : Net->EndMessage, nrLeft);
    return;
  }
  NetWaiting = now - NetStalledSinceMs >= NetWaitingNoticeMs;
}

void TfmMain::EndNetBattle(const std::string& message, TNetReason reason) {
  if (!Battle || NetEndTicks > 0) return;
  NetEndMessage = message;
  NetStatus = message;
  NetEndTicks = NetEndFrames;
  NetWaiting = false;
  std::cerr << "starwake: " << message << std::endl;
  // The battle as far as both games fought it is kept, for a bug report when they went apart.
  KeepBattleReplay();
  if (reason == nrOutOfSync) SaveLastReplay();
  if (Net) {
    // The word stays on the Network panel's status line afterwards.
    if (Net->EndMessage.empty()) Net->EndMessage = message;
    Net->Leave(reason);
  }
  StopMusic("MeleeMusic");
}

void TfmMain::NoteNetBattle() {
  if (!Battle || !NetBattle) return;
  NetLast.Ticks = Battle->Tick;
  NetLast.Hash = Battle->StateHash();
  if (TLockstep* steps = Net ? Net->Lockstep() : nullptr) {
    NetLast.Delay = steps->Delay();
    NetLast.AgreedTick = steps->AgreedTick;
  }
}

void TfmMain::LeaveNetBattle() {
  KeepBattleReplay();
  NoteNetBattle();
  Battle.reset();
  NetBattle = false;
  NetEndTicks = 0;
  if (NetSavedInterval > 0) DXTimer.Interval = NetSavedInterval;
  if (Net) {
    Net->FinishBattle();
    if (Net->State == TNetState::Ended) {
      NetStatus = Net->EndMessage.empty() ? NetEndMessage : Net->EndMessage;
    }
  }
  StopMusic("MeleeMusic");
  SetGameState(gsDogfight, true);
  if (MusicVolume >= -3999) PlayMusic("MenuMusic");
}

void TfmMain::DrawNetBattle() {
  TMelee& b = *Battle;
  if (NetEndTicks > 0) {
    b.DrawBattle();
    DrawNetLine(NetEndMessage);
    if (--NetEndTicks == 0) LeaveNetBattle();
    return;
  }
  if (b.Phase == bpPreBattle) {
    b.DrawPreBattle();
    // Below the two races, above the prompt.
    DrawNetLine(Net ? "Network duel with " + Net->PeerAddress + ": you fly side " +
                          std::to_string(Net->Role == NetHostRole ? 1 : 2)
                    : "",
                500);
    return;
  }
  if (b.Phase == bpOver) {
    KeepBattleReplay();
    b.DrawAfterBattle();
    DrawSaveReplayButton();
    return;
  }
  NetBattleStep();
  if (!Battle) return;
  Battle->DrawBattle();
  DrawMicros += Battle->LastDrawMicros;
  if (NetEndTicks > 0) DrawNetLine(NetEndMessage);
  else if (NetWaiting) DrawNetLine("Waiting for the other player…");
}

void TfmMain::DrawNetLine(const std::string& text, int y) {
  if (text.empty()) return;
  TCanvas c(DXDraw->Surface);
  c.Font.Size = 12;
  c.Font.Bold = true;
  const int w = c.TextWidth(text) + 40;
  const int h = c.TextHeight(text) + 20;
  const int x = 400 - w / 2;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = 0x402818;  // dark blue steel
  c.Pen.Color = 0xE0C040;    // a thin cyan edge
  c.Rectangle(x, y, x + w, y + h);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Color = 0x40B0FF;  // amber
  c.TextOut(x + 20, y + 10, text);
  c.Release();
}

}  // namespace sw
