// The dogfight set-up's "Replays" list: every replay kept in the game's replays folder, newest
// first, with its date and the two flagships; the one chosen is played by the main window.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "battle/Replay.h"
#include "core/Text.h"
#include "media/Canvas.h"
#include "media/MainWindow.h"
#include "screens/Dogfight.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr TRect ReplaysPlace{596, 25, 690, 48};
constexpr TRect ReplayPanel{90, 70, 710, 560};
constexpr TRect ReplayCloseRect{600, 522, 694, 546};
constexpr int ReplayRowTop = 128, ReplayRowHeight = 24;

bool InsideReplayRect(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// The flagships of a replay's battle ("A vs B"), or what is wrong with the file.
std::string ReplayShips(const std::string& path) {
  try {
    const TReplay r = LoadReplay(path);
    std::string flagship[2];
    // The battle's keys come as SHIPn.KEY: the designation says whose flagship a ship is.
    for (const auto& [key, value] : r.Battle) {
      const size_t dot = key.find('.');
      if (!SameText(key.substr(dot + 1), "DESIG")) continue;
      const int side = SameText(value, "player1ship") ? 0 : SameText(value, "player2ship") ? 1 : -1;
      if (side < 0) continue;
      for (const auto& [k2, v2] : r.Battle)
        if (SameText(k2, key.substr(0, dot) + ".CLASS")) flagship[side] = v2;
    }
    return (flagship[0].empty() ? "?" : flagship[0]) + " vs " + (flagship[1].empty() ? "?" : flagship[1]);
  } catch (const std::exception&) {
    return "(this file is not a replay that can be played)";
  }
}

}  // namespace

bool TDogfight::OnReplaysButton(int x, int y) { return InsideReplayRect(ReplaysPlace, x, y); }
bool TDogfight::OnReplaysClose(int x, int y) { return InsideReplayRect(ReplayCloseRect, x, y); }
TRect TDogfight::ReplaysButtonRect() { return ReplaysPlace; }

void TDogfight::OpenReplays(const std::string& folder) {
  Replays.clear();
  std::error_code ec;
  for (const std::string& dir : {folder, folder + "recent/"}) {
    for (const auto& e : fs::directory_iterator(dir, ec)) {
      const std::string name = e.path().filename().string();
      if (!e.is_regular_file(ec) || name.empty() || name[0] == '.' || e.path().extension() != ".adf") continue;
      TReplayEntry entry;
      entry.Path = e.path().string();
      entry.Name = (dir == folder ? "" : "recent/") + e.path().stem().string();
      const auto written = e.last_write_time(ec);
      const auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          written - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
      const std::time_t t = std::chrono::system_clock::to_time_t(sys);
      entry.Time = static_cast<long long>(t);
      std::tm tm{};
      localtime_r(&t, &tm);
      char buf[32];
      std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M", &tm);
      entry.Date = buf;
      entry.Ships = ReplayShips(entry.Path);
      Replays.push_back(entry);
    }
  }
  std::stable_sort(Replays.begin(), Replays.end(), [](const TReplayEntry& a, const TReplayEntry& b) {
    return a.Time != b.Time ? a.Time > b.Time : a.Name < b.Name;
  });
  ReplaySelected = 0;
  ReplayTop = 0;
  ReplaysOpen = true;
}

void TDogfight::MoveReplaySelection(int d) {
  if (Replays.empty()) return;
  ReplaySelected = std::clamp(ReplaySelected + d, 0, static_cast<int>(Replays.size()) - 1);
  if (ReplaySelected < ReplayTop) ReplayTop = ReplaySelected;
  if (ReplaySelected >= ReplayTop + ReplayRowsShown) ReplayTop = ReplaySelected - ReplayRowsShown + 1;
}

int TDogfight::ReplayRowAt(int x, int y) const {
  if (!ReplaysOpen || x < ReplayPanel.Left + 10 || x >= ReplayPanel.Right - 10 || y < ReplayRowTop) return -1;
  const int row = (y - ReplayRowTop) / ReplayRowHeight;
  if (row >= ReplayRowsShown) return -1;
  const int index = ReplayTop + row;
  return index < static_cast<int>(Replays.size()) ? index : -1;
}

void TDogfight::DrawReplaysButton(TSurface& s) {
  fmMain->DXImageListDF->Find("breplays").Draw(s, ReplaysPlace.Left, ReplaysPlace.Top);
}

void TDogfight::DrawReplayList(TSurface& s) {
  TCanvas c(s);
  const TRect p = ReplayPanel;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = 0x2A1A10;
  c.Pen.Color = 0xE0C040;  // a thin cyan edge
  c.Rectangle(p.Left, p.Top, p.Right, p.Bottom);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 14;
  c.Font.Bold = true;
  c.Font.Color = clWhite;
  c.TextOut(p.Left + 16, p.Top + 10, "Replays");
  c.Font.Size = 8;
  c.Font.Bold = false;
  c.Font.Color = 0xE0C040;
  const int nameX = p.Left + 16, dateX = p.Left + 330, shipsX = p.Left + 450;
  c.TextOut(nameX, ReplayRowTop - 20, "NAME");
  c.TextOut(dateX, ReplayRowTop - 20, "DATE");
  c.TextOut(shipsX, ReplayRowTop - 20, "SHIPS");
  c.Font.Size = 9;
  if (Replays.empty()) {
    c.Font.Color = 0xC0C0C0;
    c.TextOut(nameX, ReplayRowTop + 4, "No replays yet: every battle fought is kept here.");
  }
  // Texts longer than their column are cut to fit it.
  auto fit = [&c](std::string text, int width) {
    while (!text.empty() && c.TextWidth(text) > width) text.pop_back();
    return text;
  };
  for (int row = 0; row < ReplayRowsShown; ++row) {
    const int i = ReplayTop + row;
    if (i >= static_cast<int>(Replays.size())) break;
    const TReplayEntry& e = Replays[static_cast<size_t>(i)];
    const int y = ReplayRowTop + row * ReplayRowHeight;
    if (i == ReplaySelected) {
      c.Brush.Style = TBrushStyle::bsSolid;
      c.Brush.Color = 0x6A4020;
      c.Pen.Color = 0x30A8E8;
      c.Rectangle(p.Left + 10, y - 3, p.Right - 10, y + ReplayRowHeight - 3);
      c.Brush.Style = TBrushStyle::bsClear;
    }
    c.Font.Color = clWhite;
    c.TextOut(nameX, y, fit(e.Name, dateX - nameX - 10));
    c.Font.Color = 0xC8C8C8;
    c.TextOut(dateX, y, e.Date);
    c.TextOut(shipsX, y, fit(e.Ships, p.Right - 16 - shipsX));
  }
  c.Font.Color = 0xA0A0A0;
  c.Font.Size = 8;
  std::string hint = "Up and Down choose, Enter or a click plays, Escape closes";
  if (static_cast<int>(Replays.size()) > ReplayRowsShown)
    hint += "   (" + std::to_string(ReplaySelected + 1) + " of " + std::to_string(Replays.size()) + ")";
  c.TextOut(p.Left + 16, p.Bottom - 30, hint);
  const TRect r = ReplayCloseRect;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = 0x3A2414;
  c.Pen.Color = 0x30A8E8;
  c.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 10;
  c.Font.Bold = true;
  c.Font.Color = clWhite;
  c.TextOut(r.Left + (r.Width() - c.TextWidth("Close")) / 2, r.Top + (r.Height() - c.TextHeight("Close")) / 2, "Close");
  c.Release();
}

}  // namespace sw
