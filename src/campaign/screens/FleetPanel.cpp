#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ScreenPicture.h"

#include <string>

#include "campaign/screens/ShipPictures.h"
#include "core/Text.h"
#include "media/Canvas.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"

namespace sw {

namespace {

constexpr TColor ValueText = 0x9D8583;
constexpr TColor ArticleText = 0x819578;
constexpr int ListRows = 7;

// What the panel keeps from frame to frame: its list's scroll offset and the article shown.
struct TFleetPanelView {
  const TGameMain* Game = nullptr;
  int Offset = 0;
  TShipArticle Article;
};

TFleetPanelView& ViewOf(const TGameMain& game) {
  static TFleetPanelView view;
  if (view.Game != &game) {
    view = TFleetPanelView();
    view.Game = &game;
  }
  return view;
}

void SetAlpha(TGameMain& game, const std::string& key, bool available, const std::string& reason) {
  game.Buttons->Find(key).SetAvailable(available, reason);
}

// A button's caption, greyed while the button is dimmed.
void FleetPanelLabel(TCanvas& c, const TGameMain& game, const char* key, int x, int y, const std::string& text) {
  c.Font.Color = game.Buttons && !game.Buttons->Find(key).Available() ? DimmedLabelColor : clBlack;
  c.TextOut(x, y, text);
}

// The crew and structure buttons of the player's own fleet.
const char* const AdjustButtons[] = {"ship_scroll_left_1", "ship_scroll_right_1", "ship_scroll_left_2",
                                     "ship_scroll_right_2", "full_scroll_left_1",  "full_scroll_right_1",
                                     "full_scroll_left_2",  "full_scroll_right_2"};

std::string ClassName(const TGameMain& game, const std::string& shipClass) {
  const TShipInfo* info = game.FindShipInfo(shipClass);
  return info && !info->DispName.empty() ? info->DispName : shipClass;
}

void TextCentred(TCanvas& c, int centreX, int y, const std::string& text) {
  c.TextOut(centreX - c.TextWidth(text) / 2, y, text);
}

std::string LocationText(const TGameMain& game, const TFleet& fleet) {
  if (const TLocation* loc = fleet.System.empty() ? nullptr : game.FindLocation(fleet.System))
    return fleet.System + " (" + std::to_string(loc->X) + " X " + std::to_string(loc->Y) + ")";
  return std::to_string(fleet.X) + " : " + std::to_string(fleet.Y);
}

std::string DestinationText(const TFleet& fleet) {
  if (!fleet.DSystem.empty()) return fleet.DSystem;
  if (fleet.DX < 0 || fleet.DY < 0) return "none";
  return std::to_string(fleet.DX) + " : " + std::to_string(fleet.DY);
}

void DrawFleetValues(TCanvas& c, const TGameMain& game, const TFleet& fleet, bool own, bool visible) {
  const TRaceInfo* race = game.FindRace(fleet.Race);
  const std::string rows[][2] = {
      {"Fleet", fleet.Name},
      {"Location", LocationText(game, fleet)},
      {"Destination", DestinationText(fleet)},
      {"Alliance", race ? race->DisplayName : fleet.Race},
      {"Commander", fleet.Cmdr},
      {"Total ships", visible ? std::to_string(fleet.TotalShips()) : "?"},
      {"VIPs", own ? std::to_string(fleet.Vips.size()) : "-"},
      {"Artifacts", own ? std::to_string(fleet.Devices.size()) : "-"},
      {"Free staff", own ? std::to_string(fleet.Crew) : "-"},
      {"RUs", own ? std::to_string(fleet.RU) : "-"},
      {"Fuel", own ? std::to_string(fleet.Fuel) + "/" + std::to_string(fleet.MaxFuel) : "-"},
      {"Warp speed", GeneralNumber(game.FleetSpeed(fleet))},
  };
  const int ys[] = {50, 70, 80, 100, 110, 130, 140, 150, 160, 170, 180, 190};
  for (int i = 0; i < 12; ++i) {
    c.TextOut(60, ys[i], rows[i][0]);
    c.TextOut(120, ys[i], rows[i][1]);
  }
}

}  // namespace

bool FleetVisible(const TGameMain& game, int fleetIndex) {
  const TFleet* fleet = game.Fleets.At(fleetIndex);
  if (!fleet) return false;
  return fleetIndex == 0 || game.WithinRange(fleet->X, fleet->Y, game.ScanRange);
}

int FollowSelection(int offset, int selected, int rows) {
  if (selected + offset > rows - 1) --offset;
  else if (selected + offset < 0) ++offset;
  return offset;
}

int ListEntryAt(int x, int y, int left, int right, int top, int rows, int offset, int count) {
  if (x < left || x > right || y < top) return -1;
  const int row = (y - top) / 14, entry = row - offset;
  return row < rows && entry >= 0 && entry < count ? entry : -1;
}

void SetFleetPanelAvailability(TGameMain& game) {
  if (!game.Buttons) return;
  const TFleet* fleet = game.Fleets.At(game.SelectedFleet);
  if (!fleet) return;
  const bool own = game.SelectedFleet == 0;
  const bool inReach = !own && game.WithinRange(fleet->X, fleet->Y, game.ComRange);
  const std::string outOfReach = own ? "That is your own fleet" : "Out of hailing range";
  for (const char* key : {"hail_fleet", "trade_fleet", "attack_fleet"}) SetAlpha(game, key, inReach, outOfReach);
  SetAlpha(game, "logeng_fleet", own, "Only your own fleet's subsystems can be accessed");
  for (const char* key : AdjustButtons) SetAlpha(game, key, own, "That fleet is not yours");
  // Trading needs the ability and an active trade post of that fleet.
  if (inReach && !game.CanTrade) SetAlpha(game, "trade_fleet", false, "Your fleet cannot trade yet");
  else if (inReach && !game.ActivePostOf(*fleet)) SetAlpha(game, "trade_fleet", false, "They have nothing to trade");
  if (inReach && game.Relation(fleet->Race) > 70)
    SetAlpha(game, "attack_fleet", false, "They are friendly: you will not attack them");
}

void OpenFleetPanel(TGameMain& game, int fleetIndex) {
  // Other screens load their own articles into "blueprint": show this one afresh.
  ViewOf(game).Article = TShipArticle();
  game.SelectedFleet = fleetIndex;
  game.SelectedShip = 0;
  game.ShowScreen(csFleetPanel);
}

bool OpenLocationFleet(TGameMain& game, int n) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc || n < 1 || static_cast<int>(loc->FleetNames.size()) < n) return false;
  if (!game.WithinRange(loc->X, loc->Y, game.SensorRange)) return false;
  const int fleet = game.Fleets.IndexOf(loc->FleetNames[static_cast<size_t>(n - 1)]);
  if (fleet < 0) return false;
  OpenFleetPanel(game, fleet);
  return true;
}

void OpenOwnFleet(TGameMain& game) {
  const int home = game.PlayerLocation();
  if (home >= 0) {
    game.CenterOn(home);
    game.SelectedLocation = home;
  }
  OpenFleetPanel(game, 0);
}

void ScrollFleetShips(TGameMain& game, int step) {
  const TFleet* fleet = game.Fleets.At(game.SelectedFleet);
  if (!fleet) return;
  const int next = game.SelectedShip + step;
  if (next >= 0 && next < fleet->Ships.Count()) game.SelectedShip = next;
}

bool PickFleetShipRow(TGameMain& game, int x, int y) {
  const TFleet* fleet = game.Fleets.At(game.SelectedFleet);
  if (!fleet) return false;
  const int entry = ListEntryAt(x, y, 365, 580, 47, ListRows, ViewOf(game).Offset, fleet->Ships.Count());
  if (entry < 0) return false;
  game.SelectedShip = entry;
  return true;
}

void DrawFleetPanel(TGameMain& game, TSurface& surface) {
  const TFleet* fleet = game.Fleets.At(game.SelectedFleet);
  if (!fleet) return;
  TFleetPanelView& view = ViewOf(game);
  const bool own = game.SelectedFleet == 0;
  const bool visible = FleetVisible(game, game.SelectedFleet);
  const TShip* selected = fleet->Ships.At(game.SelectedShip);
  // The article follows the selected entry's class. Beyond scan range the classes still show;
  // only the numbers (counts, hull, crew) stand as "?".
  view.Article.Show(game, selected ? selected->ShipClass : std::string());
  SetFleetPanelAvailability(game);

  DrawPicture(game, surface, "flmenu", 10, 10);
  DrawPicture(game, surface, fleet->Race + "_small", 270, 64);
  if (!view.Article.ShipClass().empty()) DrawPicture(game, surface, "blueprint", 50, 228);
  if (game.Buttons)
    for (const char* key : {"hail_fleet", "trade_fleet", "attack_fleet", "logeng_fleet", "full_scroll_left_1",
                            "full_scroll_right_1", "full_scroll_left_2", "full_scroll_right_2"})
      game.Buttons->Find(key).Draw();

  // A class the campaign drew no schematic for shows its own picture on the blueprint sheet.
  if (!view.Article.ShipClass().empty() && !view.Article.OwnSchematic() && game.Env.Images)
    if (const TImageItem* ship = CampaignShipPicture(game, view.Article.ShipClass())) {
      int w = ship->Width(), h = ship->Height();
      FitSize(w, h, 120, 120);
      DrawCentered(surface, *game.Env.Images, ship->Name, 160, 303, w, h);
    }

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 8;
  c.Font.Color = clBlack;
  c.TextOut(50, 31, fleet->Name);
  if (selected) c.TextOut(360, 159, ClassName(game, selected->ShipClass));

  c.Font.Size = 7;
  TextCentred(c, 423, 185, visible && selected ? std::to_string(selected->Crew) : "?");
  TextCentred(c, 423, 198, visible && selected ? std::to_string(selected->Structure) : "?");
  const std::string spare = visible ? std::to_string(fleet->Crew) : "?";
  const std::string rus = visible ? std::to_string(fleet->RU) : "?";
  c.TextOut(485 + (30 - c.TextWidth(spare)) / 2, 185, spare);
  c.TextOut(485 + (30 - c.TextWidth(rus)) / 2, 198, rus);

  c.Font.Color = ValueText;
  view.Offset = FollowSelection(view.Offset, game.SelectedShip, ListRows);
  for (int i = 0; i < fleet->Ships.Count(); ++i) {
    const int row = i + view.Offset;
    if (row < 0 || row >= ListRows) continue;
    const TShip& ship = *fleet->Ships.At(i);
    const int y = 48 + 14 * row;
    c.TextOut(370, y, ClassName(game, ship.ShipClass));
    c.TextOut(510, y, visible ? std::to_string(ship.Count) : "?");
    c.TextOut(540, y, visible ? std::to_string(ship.Structure) + "/" + std::to_string(ship.Crew) : "?");
  }
  const int s = game.SelectedShip + view.Offset;
  if (selected && s >= 0 && s < ListRows) {
    c.Pen.Color = ValueText;
    c.Pen.Width = 1;
    c.Rectangle(365, 47 + 14 * s, 580, 60 + 14 * s);
  }
  DrawFleetValues(c, game, *fleet, own, visible);
  // The list's columns, above its top bar; the transfer rows say what moves between what:
  // the entry's crew and the spare crew, the entry's hull and the RUs.
  c.TextOut(370, 21, "Class");
  c.TextOut(500, 21, "Count");
  c.TextOut(540, 21, "Hull/Crew");
  c.Font.Size = 7;
  c.Font.Color = clBlack;  // on the light plate of the transfer rows
  c.TextOut(360, 185, "Crew");
  c.TextOut(360, 198, "Hull");
  c.TextOut(523, 185, "Spare crew");
  c.TextOut(523, 198, "RUs");

  c.Font.Size = 8;
  c.Font.Color = clBlack;
  c.TextOut(242, 48, "Actions");
  FleetPanelLabel(c, game, "hail_fleet", 253, 115, "Hail");
  FleetPanelLabel(c, game, "trade_fleet", 253, 127, "Trade");
  FleetPanelLabel(c, game, "attack_fleet", 253, 139, "Attack");
  c.Font.Color = clBlack;
  c.TextOut(242, 162, "Subsystems");
  FleetPanelLabel(c, game, "logeng_fleet", 253, 175, "Access");

  c.Font.Size = 7;
  c.Font.Color = ArticleText;
  const auto& lines = view.Article.Lines();
  for (size_t k = 0; k < lines.size(); ++k) c.TextOut(360, 225 + 12 * static_cast<int>(k), lines[k]);
  if (!view.Article.ShipClass().empty())
    DrawShipValues(c, game, view.Article.ShipClass(), 360, 440, 225 + 12 * static_cast<int>(lines.size()));
  c.Release();

  if (game.Buttons)
    for (const char* key : {"ship_scroll_up", "ship_scroll_down", "ship_scroll_left_1", "ship_scroll_right_1",
                            "ship_scroll_left_2", "ship_scroll_right_2", "close_menu"})
      game.Buttons->Find(key).Draw();
}

}  // namespace sw
