// The logistics screen of the player's fleet: the designs it can manufacture with their costs,
// its ship entries, the cargo bay (devices) and the VIP quarters, and the manufacture and
// recycling buttons.
#include <string>

#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ScreenPicture.h"
#include "campaign/screens/TradeScreens.h"
#include "media/Canvas.h"

namespace sw {

namespace {

constexpr TColor ValueText = 0x9D8583;
constexpr int ListRows = 6;
// The cargo bay and the VIP quarters have twelve rows each.
constexpr int HoldRows = 12;

// The scroll offsets of the design list and the ship list, kept from frame to frame.
struct TLogisticsView {
  const TGameMain* Game = nullptr;
  int DesignOffset = 0, ShipOffset = 0;
  int Focus = 1;  // the list the wheel and the arrows move: 0 the designs, 1 the ships
};

TLogisticsView& ViewOf(const TGameMain& game) {
  static TLogisticsView view;
  if (view.Game != &game) view = TLogisticsView{&game};
  return view;
}

std::string ClassName(const TGameMain& game, const std::string& shipClass) {
  const TShipInfo* info = game.FindShipInfo(shipClass);
  return info && !info->DispName.empty() ? info->DispName : shipClass;
}

// The frame around a list's selected line, when that line exists and is scrolled into view.
void SelectionFrame(TCanvas& c, int top, int selected, int offset, int count) {
  const int s = selected + offset;
  if (selected < 0 || selected >= count || s < 0 || s >= ListRows) return;
  c.Pen.Color = ValueText;
  c.Pen.Width = 1;
  c.Rectangle(275, top + 14 * s, 495, top + 13 + 14 * s);
}

void DrawDesigns(TCanvas& c, TGameMain& game, TLogisticsView& view) {
  view.DesignOffset = FollowSelection(view.DesignOffset, game.SelectedDesign, ListRows);
  for (int i = 0; i < game.Designs.Count(); ++i) {
    const int row = i + view.DesignOffset;
    if (row < 0 || row >= ListRows) continue;
    const auto& [shipClass, cost] = game.Designs.Items[static_cast<size_t>(i)];
    const int y = 91 + 14 * row;
    c.TextOut(280, y, ClassName(game, shipClass));
    c.TextOut(450, y, cost);
  }
  SelectionFrame(c, 91, game.SelectedDesign, view.DesignOffset, game.Designs.Count());
}

void DrawShips(TCanvas& c, TGameMain& game, const TFleet& player, TLogisticsView& view) {
  view.ShipOffset = FollowSelection(view.ShipOffset, game.SelectedShip, ListRows);
  for (int i = 0; i < player.Ships.Count(); ++i) {
    const int row = i + view.ShipOffset;
    if (row < 0 || row >= ListRows) continue;
    const TShip& ship = *player.Ships.At(i);
    const int y = 258 + 14 * row;
    c.TextOut(280, y, ClassName(game, ship.ShipClass));
    c.TextOut(435, y, std::to_string(ship.Count));
    c.TextOut(455, y, std::to_string(ship.Structure) + "/" + std::to_string(ship.Crew));
  }
  SelectionFrame(c, 258, game.SelectedShip, view.ShipOffset, player.Ships.Count());
}

// One name a row on the hold's buttons; a hold fuller than its rows shows the first twelve.
void DrawHold(TCanvas& c, const std::vector<std::string>& names, int top) {
  for (size_t k = 0; k < names.size() && k < HoldRows; ++k) c.TextOut(139, top + 12 * static_cast<int>(k), names[k]);
}

}  // namespace

void SetLogisticsAvailability(TGameMain& game) {
  if (!game.Buttons) return;
  game.Buttons->Find("produce").SetAvailable(game.CanBuild, "Your fleet cannot build ships yet");
  game.Buttons->Find("scrap").SetAvailable(game.CanRecycle, "Your fleet cannot recycle ships yet");
}

void OpenLogistics(TGameMain& game) {
  game.SelectedDesign = 0;
  game.SelectedShip = 0;
  TLogisticsView& view = ViewOf(game);
  view.DesignOffset = view.ShipOffset = 0;
  view.Focus = 1;
  game.ShowScreen(csLogistics);
}

bool PickLogisticsRow(TGameMain& game, int x, int y) {
  TLogisticsView& view = ViewOf(game);
  int entry = ListEntryAt(x, y, 275, 495, 91, ListRows, view.DesignOffset, game.Designs.Count());
  if (entry >= 0) {
    game.SelectedDesign = entry;
    view.Focus = 0;
    return true;
  }
  const TFleet* player = game.PlayerFleet();
  entry = player ? ListEntryAt(x, y, 275, 495, 258, ListRows, view.ShipOffset, player->Ships.Count()) : -1;
  if (entry < 0) return false;
  game.SelectedShip = entry;
  view.Focus = 1;
  return true;
}

void FocusLogisticsList(const TGameMain& game, int list) { ViewOf(game).Focus = list; }

void StepLogisticsList(TGameMain& game, int step) {
  const TFleet* player = game.PlayerFleet();
  int& selected = ViewOf(game).Focus == 0 ? game.SelectedDesign : game.SelectedShip;
  const int count = ViewOf(game).Focus == 0 ? game.Designs.Count() : player ? player->Ships.Count() : 0;
  if (selected + step >= 0 && selected + step < count) selected += step;
}

void DrawLogisticsScreen(TGameMain& game, TSurface& surface) {
  const TFleet* player = game.PlayerFleet();
  if (!player) return;
  TLogisticsView& view = ViewOf(game);

  DrawPicture(game, surface, "logeng", 100, 10);
  if (game.Buttons) {
    game.Buttons->Find("close_menu").Draw();
    for (int n = 1; n <= HoldRows; ++n) game.Buttons->Find("cargo" + std::to_string(n)).Draw();
    for (int n = 1; n <= HoldRows; ++n) game.Buttons->Find("vip" + std::to_string(n)).Draw();
    SetLogisticsAvailability(game);
    for (const char* key : {"prod_scroll_up1", "prod_scroll_down1", "prod_scroll_up2", "prod_scroll_down2", "produce",
                            "dbase1", "scrap", "dbase2"})
      game.Buttons->Find(key).Draw();
  }

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 7;
  c.Font.Color = ValueText;
  DrawDesigns(c, game, view);
  DrawShips(c, game, *player, view);

  c.Font.Size = 8;
  c.TextOut(268, 189, "Total blueprints : " + std::to_string(game.Designs.Count()));
  c.TextOut(268, 201, "RU available : " + std::to_string(player->RU));
  // Ships, not entries: an entry of two ships counts two, as on the fleet panel.
  c.TextOut(268, 356, "Total ships : " + std::to_string(player->TotalShips()));
  c.TextOut(268, 368, "Unassigned crew : " + std::to_string(player->Crew));

  c.Font.Color = clBlack;
  c.TextOut(266, 61, "Blueprints available");
  c.TextOut(130, 60, "Cargo bay");
  c.TextOut(266, 228, "Ships in fleet");
  c.TextOut(130, 228, "VIP quarters");
  c.TextOut(408, 189, "Manufacture");
  c.TextOut(408, 201, "Database");
  c.TextOut(408, 356, "Recycle");
  c.TextOut(408, 368, "Database");
  DrawHold(c, player->Vips, 241);
  DrawHold(c, player->Devices, 73);
  c.Release();
}

}  // namespace sw
