#include "campaign/screens/MapView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "media/Canvas.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"
#include "media/Markers.h"
#include "media/TextFit.h"
#include "core/Numbers.h"

namespace sw {

namespace {

constexpr TColor RouteColor = 0x222222;
// The player's own course, once given: a light line that reads on the dark map, dimmer than
// the one of an order being aimed.
constexpr TColor PlayerRouteColor = 0xB09070;
constexpr TColor WormholeColor = 0x020044;
constexpr TColor StatusColor = 0x9D8583;
constexpr TColor DarkRed = 128;
// The overlays' text: orders and notices in bright colours on a dark band.
constexpr TColor BandColor = 0x201810;
constexpr TColor OrdersColor = 0xE0E0E0;
constexpr TColor NoticeColor = 0x40D0FF;  // amber
constexpr TColor LowFuelColor = 0x5050FF;
// The line of a move order being aimed: bright while the fuel reaches, red beyond it.
constexpr TColor RouteAimColor = 0xFFFFC0;
constexpr TColor RouteShortColor = 0x4040FF;
// How far a place's drawing reaches beyond its marker box: the race markers and their
// spacing (MarkerReach), and the label above the box (LabelRise).
constexpr int MarkerReach = 16;
constexpr int LabelRise = 32;

// Draws a picture of the campaign's list if it is there; a missing one is reported once by the
// list and leaves a gap.
void DrawNamed(const TDXImageList& list, TSurface& surface, const std::string& name, int x, int y) {
  if (const TImageItem* item = list.Lookup(name)) item->Draw(surface, x, y);
}

void DrawNamedCentered(const TDXImageList& list, TSurface& surface, const std::string& name, int cx, int cy, int w,
                       int h) {
  if (list.Lookup(name)) DrawCentered(surface, list, name, cx, cy, w, h);
}

const char* IconOf(int locType) {
  switch (locType) {
    case ltStarbase: return "sb_icon";
    case ltDebris: return "der_icon";
    case ltBlackHole: return "bhole_icon";
    case ltWormhole: return "whole_icon";
    case ltPhenomenon: return "phenom_icon";
    default: return nullptr;
  }
}

// The end of a fleet's route in map coordinates; false when it has none to draw.
bool RouteEnd(const TGameMain& game, const TFleet& fleet, int& x, int& y) {
  if (!fleet.DSystem.empty()) {
    const TLocation* to = game.FindLocation(fleet.DSystem);
    if (!to) return false;
    x = to->X;
    y = to->Y;
    return true;
  }
  if (fleet.DX < 0 || fleet.DY < 0) return false;
  x = fleet.DX;
  y = fleet.DY;
  return true;
}

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

// An outlined circle of radius r around (x, y), labelled above.
void RangeCircle(TCanvas& c, int x, int y, int r, const std::string& label, int labelDx) {
  c.Ellipse(x - r, y - r, x + r, y + r);
  if (!label.empty()) c.TextOut(x - labelDx, y - r - 14, label);
}

}  // namespace

void DrawStarMap(TGameMain& game, TSurface& surface, [[maybe_unused]] bool ghostMode) {
  const int ox = game.MapOffsetX, oy = game.MapOffsetY;
  const TFleet* player = game.PlayerFleet();
  if (game.Env.Images) DrawNamed(*game.Env.Images, surface, "map", ox, oy);

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = PlayerRouteColor;
  int tx = 0, ty = 0;
  if (player && RouteEnd(game, *player, tx, ty)) Line(c, player->X + ox, player->Y + oy, tx + ox, ty + oy);
  c.Pen.Color = RouteColor;

  for (int i = 0; i < game.Locations.Count(); ++i) {
    const TLocation& loc = *game.Locations.At(i);
    if (loc.LocType != ltFleetLocation || loc.FleetNames.empty() || !game.WithinRange(loc.X, loc.Y, game.SensorRange))
      continue;
    const TFleet* f = game.FindFleet(loc.FleetNames.front());
    // The player's own course is drawn above in its own colour.
    if (f && f != player && RouteEnd(game, *f, tx, ty)) Line(c, loc.X + ox, loc.Y + oy, tx + ox, ty + oy);
  }

  c.Pen.Color = WormholeColor;
  for (int i = 0; i < game.Locations.Count(); ++i) {
    const TLocation& loc = *game.Locations.At(i);
    if (loc.LocType != ltWormhole || !loc.Known) continue;
    if (const TLocation* end = game.FindLocation(loc.Spectra)) Line(c, loc.X + ox, loc.Y + oy, end->X + ox, end->Y + oy);
  }

  c.Font.Size = 7;
  c.Font.Bold = false;
  for (int i = 0; i < game.Locations.Count(); ++i) {
    const TLocation& loc = *game.Locations.At(i);
    const int x = loc.X + ox, y = loc.Y + oy;
    // A place whose marker, picture and label all lie beside the screen is passed over: a
    // large map costs what its part on screen costs.
    const bool above = y + loc.IconHeight + MarkerReach < 0, below = y - loc.IconHeight - LabelRise >= surface.Height;
    if (loc.LocType == ltFleetLocation) {
      if (above || below || x + MarkerReach < 0 || x - MarkerReach >= surface.Width) continue;
      if (!loc.FleetNames.empty() && game.WithinRange(loc.X, loc.Y, game.SensorRange)) {
        const TFleet* f = game.FindFleet(loc.FleetNames.front());
        DrawMapMarker(surface, x - 4, y + 2, game.RaceColor(f ? f->Race : "NONE"));
      }
      continue;
    }
    const std::string* picture = nullptr;
    std::string icon;
    if (loc.LocType == ltStarSystem) {
      picture = &loc.StarImage;
    } else if (const char* name = loc.Known ? IconOf(loc.LocType) : nullptr) {
      icon = name;
      picture = &icon;
    }
    const bool labelled = loc.LocType == ltStarSystem || loc.Known;
    bool beside = above || below;
    int nameWidth = 0;
    if (!beside) {
      nameWidth = labelled ? c.TextWidth(loc.LocName) : 0;
      // The label's race markers follow it to the right, one for each fleet at most.
      const int left = x - std::max(loc.IconWidth, nameWidth / 2) - MarkerReach;
      const int right = x + std::max(loc.IconWidth, nameWidth / 2 + 9 * static_cast<int>(loc.FleetNames.size())) +
                        MarkerReach;
      beside = right < 0 || left >= surface.Width;
    }
    if (beside) {
      // A missing picture is still reported as when it was drawn.
      if (game.Env.Images && picture) game.Env.Images->Lookup(*picture);
      continue;
    }
    const bool visible = game.WithinRange(loc.X, loc.Y, game.SensorRange);
    if (game.Env.Images && picture) {
      if (loc.LocType == ltStarSystem)
        DrawNamedCentered(*game.Env.Images, surface, *picture, x, y, loc.IconWidth, loc.IconHeight);
      else
        DrawNamedCentered(*game.Env.Images, surface, *picture, x, y, 9, 9);
    }
    if (!labelled) continue;
    c.Font.Color = game.RaceColor(loc.Known ? loc.Owner : "NONE");
    c.TextOut(x - nameWidth / 2, y - loc.IconHeight - 10, loc.LocName);
    if (!visible) continue;
    std::vector<std::string> races;
    for (const std::string& name : loc.FleetNames) {
      const TFleet* f = game.FindFleet(name);
      if (!f) continue;
      bool seen = false;
      for (const std::string& r : races) seen = seen || r == f->Race;
      if (!seen) races.push_back(f->Race);
    }
    for (size_t k = 0; k < races.size(); ++k)
      DrawMapMarker(surface, x + nameWidth / 2 + 9 * static_cast<int>(k) + 2, y - loc.IconHeight - 3,
                    game.RaceColor(races[k]));
  }

  if (const TLocation* sel = game.Locations.At(game.SelectedLocation))
    DrawCornerBrackets(surface, sel->X + ox, sel->Y + oy, sel->IconWidth, sel->IconHeight);

  if (player) game.CheckFuelWarning();
}

namespace {

// A line of text on a dark band, so it reads on the map and on any panel frame under it.
void TextOnBand(TCanvas& c, int x, int y, const std::string& text) {
  if (text.empty()) return;
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = BandColor;
  c.FillRect({x - 3, y, x + c.TextWidth(text) + 3, y + c.TextHeight(text)});
  c.Brush.Style = TBrushStyle::bsClear;
  c.TextOut(x, y, text);
}

}  // namespace

void DrawMapOverlays(TGameMain& game, TSurface& surface, bool ghostMode) {
  const TFleet* player = game.PlayerFleet();
  const uint8_t shown = game.SubScreen();
  const bool onMap = shown == csMap || shown == csMoveOrder;
  TCanvas c(surface);
  c.Font.Size = 8;
  c.Font.Bold = false;
  if (player) {
    // Fuel, RUs and crew at their places on the status line, over every panel; a value too
    // wide for its place pushes the next one along instead of running into it.
    const double threshold = player->MaxFuel / 100.0 * 20.0;
    const std::string fuel = "Fuel : " + std::to_string(player->Fuel) + "/" + std::to_string(player->MaxFuel);
    const std::string ru = "RUs : " + std::to_string(player->RU);
    const std::string crew = "Crew : " + std::to_string(player->Crew);
    const int ruX = std::max(80, 3 + c.TextWidth(fuel) + 10);
    const int crewX = std::max(130, ruX + c.TextWidth(ru) + 10);
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = BandColor;
    c.FillRect({0, 2, crewX + c.TextWidth(crew) + 4, 2 + c.TextHeight(fuel)});
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Color = StatusColor;
    c.TextOut(ruX, 3, ru);
    c.TextOut(crewX, 3, crew);
    c.Font.Color = player->Fuel < threshold ? LowFuelColor : StatusColor;
    c.TextOut(3, 3, fuel);
  }
  if (onMap) {
    // The current orders under the status line, and a notice under them for a few seconds.
    c.Font.Color = OrdersColor;
    TextOnBand(c, 3, 18, FitText(c, game.CurrentOrders(), 630));
    c.Font.Color = NoticeColor;
    TextOnBand(c, 3, 33, FitText(c, game.NoticeShown(), 630));
  }
  // Why the last click could not act, in one line at the foot of the panels.
  c.Font.Color = NoticeColor;
  TextOnBand(c, 6, 566, FitText(c, game.ReasonShown(), 630));
  if (ghostMode) {
    c.Font.Color = RGB(255, 80, 80);
    const std::string ghost = "GHOST MODE";
    TextOnBand(c, 640 - c.TextWidth(ghost), 3, ghost);
  }
}

void DrawInterceptRanges(TGameMain& game, TSurface& surface) {
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = DarkRed;
  // The circle stays dark red; its label is a lighter red that reads on the dark map.
  c.Font.Color = RGB(255, 110, 110);
  c.Font.Size = 7;
  for (int i = 0; i < game.Fleets.Count(); ++i) {
    const TFleet& f = *game.Fleets.At(i);
    if (!f.Patrol || !game.WithinRange(f.X, f.Y, game.SensorRange)) continue;
    RangeCircle(c, f.X + game.MapOffsetX, f.Y + game.MapOffsetY, game.InterceptRange, "Intercept range", 30);
  }
}

void DrawSensorRanges(TGameMain& game, TSurface& surface) {
  const TFleet* p = game.PlayerFleet();
  if (!p) return;
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 7;
  c.Font.Color = 0xB7B7B7;
  const int x = p->X + game.MapOffsetX, y = p->Y + game.MapOffsetY;
  c.Pen.Color = 0xDFDFDF;
  RangeCircle(c, x, y, game.SensorRange, "Sensor range", 26);
  c.Pen.Color = 0xB7B7B7;
  RangeCircle(c, x, y, game.ScanRange, "Scan range", 20);
}

void DrawFuelRange(TGameMain& game, TSurface& surface) {
  const TFleet* p = game.PlayerFleet();
  if (!p || p->Fuel <= 0) return;
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 7;
  c.Font.Color = StatusColor;
  c.Pen.Color = StatusColor;
  RangeCircle(c, p->X + game.MapOffsetX, p->Y + game.MapOffsetY, p->Fuel, "Fuel range", 20);
}

void DrawMoveLine(TGameMain& game, TSurface& surface, int mouseX, int mouseY) {
  const TFleet* p = game.PlayerFleet();
  if (!p) return;
  int fx = p->X, fy = p->Y;
  if (const TLocation* at = p->System.empty() ? nullptr : game.FindLocation(p->System)) {
    fx = at->X;
    fy = at->Y;
  }
  fx += game.MapOffsetX;
  fy += game.MapOffsetY;
  // The line ends where the order would go: a location under the pointer, or the point itself.
  int tx = mouseX, ty = mouseY;
  if (const TLocation* under = game.Locations.At(game.LocationUnderPointer(mouseX, mouseY))) {
    tx = under->X + game.MapOffsetX;
    ty = under->Y + game.MapOffsetY;
  }
  // A flight costs a unit of fuel for every unit of distance.
  const int distance = Round(Distance(fx, fy, tx, ty));
  const bool reaches = p->Fuel >= distance;
  TCanvas c(surface);
  c.Pen.Width = 1;
  c.Pen.Color = reaches ? RouteAimColor : RouteShortColor;
  Line(c, fx, fy, tx, ty);
  c.Font.Size = 8;
  c.Font.Color = reaches ? RouteAimColor : RouteShortColor;
  const std::string label = "Distance " + std::to_string(distance) + ", fuel " + std::to_string(distance) +
                            (reaches ? "" : " (you have " + std::to_string(p->Fuel) + ")");
  // Beside the pointer, kept on the map left of the side menu.
  const int w = c.TextWidth(label);
  const int lx = std::clamp(tx + 12 + w <= 640 ? tx + 12 : tx - 12 - w, 2, std::max(2, 640 - w));
  const int ly = std::clamp(ty + 10, 48, 550);
  TextOnBand(c, lx, ly, label);
}

}  // namespace sw
