// Replays in the main window: keeping every battle fought as a replay, saving the last one on
// the result screen, and playing one back with its own keys (pause, step, speed, leave).
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "core/Adf.h"
#include "core/Paths.h"
#include "media/Canvas.h"
#include "media/Input.h"
#include "shell/fmMain.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr size_t KeptRecentReplays = 20;

// A ship class as a piece of a file name: letters, digits, '-' and '_' only.
std::string ReplayNamePart(const std::string& s) {
  std::string out;
  for (char c : s)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_') out += c;
  return out.empty() ? "ship" : out.substr(0, 40);
}

std::string ReplayStamp(std::time_t now) {
  std::tm t{};
  localtime_r(&now, &t);
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &t);
  return buf;
}

// `folder`/`base`.adf, or `base`-2.adf, -3 … when that is taken.
std::string FreeReplayPath(const std::string& folder, const std::string& base) {
  std::string path = folder + base + ".adf";
  std::error_code ec;
  for (int n = 2; fs::exists(path, ec) && n < 1000; ++n) path = folder + base + "-" + std::to_string(n) + ".adf";
  return path;
}

// Keeps the newest `keep` replays of the folder (by the time they were written) and removes the rest.
void PruneReplays(const std::string& folder, size_t keep) {
  std::error_code ec;
  std::vector<std::pair<fs::file_time_type, std::string>> files;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file(ec) || name.size() < 5 || name.substr(name.size() - 4) != ".adf") continue;
    files.emplace_back(entry.last_write_time(ec), name);
  }
  if (files.size() <= keep) return;
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
    if (a.first != b.first) return a.first > b.first;
    return a.second.size() != b.second.size() ? a.second.size() > b.second.size() : a.second > b.second;
  });
  for (size_t i = keep; i < files.size(); ++i) fs::remove(folder + files[i].second, ec);
}

}  // namespace

void TfmMain::KeepBattleReplay() {
  if (!Battle || ReplayPlayer || BattleReplayKept || Battle->Tick == 0) return;
  BattleReplayKept = true;
  SavedReplayNote.clear();
  const TGameObject* f1 = Battle->Objects.Find("player1ship");
  const TGameObject* f2 = Battle->Objects.Find("player2ship");
  LastReplayName = ReplayNamePart(f1 ? f1->ShipClass : "") + "-vs-" + ReplayNamePart(f2 ? f2->ShipClass : "");
  Battle->Checkpoint();  // the state it ends in closes the record
  LastReplayText = ReplayText(Battle->MakeReplay(DXTimer.Interval));
  const std::string folder = ProgramFolder + "replays/";
  std::error_code ec;
  fs::create_directories(folder + "recent", ec);
  const std::string recent = FreeReplayPath(folder + "recent/", ReplayStamp(Now()) + "-" + LastReplayName);
  if (!AtomicWriteFile(folder + "last.adf", LastReplayText, false) || !AtomicWriteFile(recent, LastReplayText, false)) {
    ReportError("Unable to write to " + folder);
    return;
  }
  PruneReplays(folder + "recent/", KeptRecentReplays);
}

std::string TfmMain::SaveLastReplay() {
  if (LastReplayText.empty()) {
    ReportError("There is no battle to save as a replay");
    return "";
  }
  const std::string folder = ProgramFolder + "replays/";
  std::error_code ec;
  fs::create_directories(folder, ec);
  const std::string path = FreeReplayPath(folder, ReplayStamp(Now()) + "-" + LastReplayName);
  if (!AtomicWriteFile(path, LastReplayText, false)) {
    ReportError("Unable to write to " + path);
    return "";
  }
  return path;
}

bool TfmMain::StartReplay(const std::string& path, uint8_t returnState) {
  TReplay replay;
  try {
    replay = LoadReplay(path);
  } catch (const std::exception& e) {
    ReportError(e.what());
    return false;
  }
  // The battle is laid out from the replay's own copy of its battle file.
  const std::string folder = ProgramFolder + "replays/";
  std::error_code ec;
  fs::create_directories(folder, ec);
  const std::string battleFile = folder + ".playing.adf";
  if (!AtomicWriteFile(battleFile, BattleFileText(replay), false)) {
    ReportError("Unable to write to " + battleFile);
    return false;
  }
  AdfFlushCache();
  auto player = std::make_unique<TReplayCommands>(replay);
  TBattleEnvironment env = BattleEnvironment();
  env.Seed = replay.Seed;
  env.Commands = player.get();
  std::unique_ptr<TMelee> battle;
  try {
    battle = std::make_unique<TMelee>(env, battleFile);
  } catch (const std::exception& e) {
    ReportError("Replay " + path + ": " + e.what());
    return false;
  }
  battle->ComputerPilot = ComputerPilot;
  battle->Phase = bpFighting;
  Battle.reset();
  ReplayPlayer = std::move(player);
  Battle = std::move(battle);
  ReplayFile = path;
  ReplayPaused = ReplayStepOnce = ReplayFinished = false;
  ReplaySpeed = 1;
  ReplayNotice.clear();
  if (replay.Version != GameVersion) {
    ReplayNotice = "This replay was recorded by version " + (replay.Version.empty() ? "?" : replay.Version) +
                   " of the game; it may not play the same";
    std::cerr << "starwake: " << ReplayNotice << std::endl;
  }
  BattleReplayKept = true;  // a replay is not recorded again
  BattleReturnState = returnState;
  SetGameState(gsBattle, true);
  if (MusicVolume >= -3999) PlayMusic("MeleeMusic");
  return true;
}

bool TfmMain::ReplayStep() {
  if (!Battle || !ReplayPlayer || ReplayFinished) return false;
  TMelee& b = *Battle;
  TReplayCommands& player = *ReplayPlayer;
  if (b.Phase == bpFighting && b.Tick < player.Ticks()) {
    b.Update();
    UpdateMicros += b.LastUpdateMicros;
  }
  const bool atEnd = b.Tick >= player.Ticks();
  // The recording ends at its last step; a battle that ends sooner (or goes on) differs.
  if (atEnd || b.Phase != bpFighting) {
    b.Checkpoint();
    if (!atEnd) player.Finish();
  }
  if (player.FirstMismatch != 0 && !ReplayRecordsAgain) {
    ReplayFinished = true;
    ReplayNotice = ReplayMismatchMessage(player.FirstMismatch);
    std::cerr << "starwake: " << ReplayNotice << std::endl;
    return false;
  }
  if (atEnd || b.Phase != bpFighting) ReplayFinished = true;
  return !ReplayFinished;
}

void TfmMain::PlayReplayToEnd() {
  while (ReplayStep()) {
  }
}

void TfmMain::DrawReplayFrame() {
  TMelee& b = *Battle;
  int steps = ReplayPaused ? (ReplayStepOnce ? 1 : 0) : ReplaySpeed;
  ReplayStepOnce = false;
  for (int i = 0; i < steps && ReplayStep(); ++i) {
  }
  if (b.Phase == bpOver && ReplayNotice.empty()) {
    b.DrawAfterBattle();
    return;
  }
  b.DrawBattle();
  DrawMicros += b.LastDrawMicros;
  TCanvas c(DXDraw->Surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 12;
  c.Font.Bold = true;
  c.Font.Color = 0xFFD040;  // cyan, as the panels' edges
  // At the top in the middle, clear of both status panels.
  c.TextOut(400 - c.TextWidth("REPLAY") / 2, 4, "REPLAY");
  c.Font.Bold = false;
  c.Font.Size = 9;
  c.Font.Color = clWhite;
  std::string state = "tick " + std::to_string(b.Tick) + " / " + std::to_string(ReplayPlayer->Ticks());
  if (ReplayFinished) state += "   end";
  else if (ReplayPaused) state += "   paused";
  else state += "   x" + std::to_string(ReplaySpeed);
  c.TextOut(400 - c.TextWidth(state) / 2, 24, state);
  if (!ReplayNotice.empty()) {
    c.Font.Color = 0x40B0FF;  // amber
    c.TextOut(400 - c.TextWidth(ReplayNotice) / 2, 40, ReplayNotice);
  }
  c.Release();
}

bool TfmMain::ReplayKeyDown(int key) {
  if (GameState != gsBattle || !ReplayPlayer || !Battle) return false;
  switch (key) {
    case vk::Space:
      ReplayPaused = !ReplayPaused;
      return true;
    case vk::Right:
      if (ReplayPaused) ReplayStepOnce = true;
      return true;
    case '1':
    case '2':
    case '4':
      ReplaySpeed = key - '0';
      return true;
    case vk::Escape:
      LeaveReplay();
      return true;
    default:
      return false;
  }
}

void TfmMain::LeaveReplay() {
  Battle.reset();
  ReplayPlayer.reset();
  StopMusic("MeleeMusic");
  const uint8_t back = BattleReturnState;
  SetGameState(back, true);
  if (back == gsDogfight && MusicVolume >= -3999) PlayMusic("MenuMusic");
  // Back to the list it was chosen from, read afresh.
  if (back == gsDogfight && Dogfight && Dogfight->ReplaysOpen) Dogfight->OpenReplays(ProgramFolder + "replays/");
}

bool TfmMain::ReplayListKeyDown(int key) {
  if (GameState != gsDogfight || !Dogfight || !Dogfight->ReplaysOpen) return false;
  TDogfight& d = *Dogfight;
  switch (key) {
    case vk::Up: d.MoveReplaySelection(-1); return true;
    case vk::Down: d.MoveReplaySelection(+1); return true;
    case vk::Prior: d.MoveReplaySelection(-TDogfight::ReplayRowsShown); return true;
    case vk::Next: d.MoveReplaySelection(+TDogfight::ReplayRowsShown); return true;
    case vk::Escape: d.CloseReplays(); return true;
    case vk::Return:
      if (d.Replays.empty()) {
        ReportError("There is no replay to play yet: every battle fought is kept in the list");
      } else {
        StartReplay(d.Replays[static_cast<size_t>(d.ReplaySelected)].Path, gsDogfight);
      }
      return true;
    default:
      return false;
  }
}

void TfmMain::DrawSaveReplayButton() {
  if (LastReplayText.empty()) return;
  const TRect r = SaveReplayButton;
  TCanvas c(DXDraw->Surface);
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = 0x402818;  // dark blue steel
  c.Pen.Color = 0xE0C040;    // a thin cyan edge
  c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 9;
  c.Font.Bold = true;
  c.Font.Color = clWhite;
  const std::string caption = "Save replay";
  c.TextOut(r.Left + (r.Width() - c.TextWidth(caption)) / 2, r.Top + (r.Height() - c.TextHeight(caption)) / 2, caption);
  if (!SavedReplayNote.empty()) {
    c.Font.Bold = false;
    c.Font.Size = 8;
    c.Font.Color = 0x40B0FF;
    c.TextOut(400 - c.TextWidth(SavedReplayNote) / 2, r.Top - 18, SavedReplayNote);
  }
  c.Release();
}

void TfmMain::SaveReplayFromResult() {
  const std::string path = SaveLastReplay();
  if (!path.empty()) SavedReplayNote = "Saved as " + fs::path(path).filename().string();
}

}  // namespace sw
