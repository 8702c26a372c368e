#include "campaign/screens/MapView.h"

#include <algorithm>
#include <string>
#include <vector>

#include "media/Canvas.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"
#include "media/Markers.h"

namespace sw {

namespace {

constexpr TColor RouteColor = 0x222222;
constexpr TColor WormholeColor = 0x020044;
constexpr TColor StatusColor = 0x9D8583;
constexpr TColor DarkRed = 128;

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

void DrawStarMap(TGameMain& game, TSurface& surface, bool ghostMode) {
  const int ox = game.MapOffsetX, oy = game.MapOffsetY;
  const TFleet* player = game.PlayerFleet();
  if (game.Env.Images) DrawNamed(*game.Env.Images, surface, "map", ox, oy);

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = RouteColor;
  int tx = 0, ty = 0;
  if (player && RouteEnd(game, *player, tx, ty)) Line(c, player->X + ox, player->Y + oy, tx + ox, ty + oy);

  for (int i = 0; i < game.Locations.Count(); ++i) {
    const TLocation& loc = *game.Locations.At(i);
    if (loc.LocType != ltFleetLocation || loc.FleetNames.empty() || !game.WithinRange(loc.X, loc.Y, game.SensorRange))
      continue;
    const TFleet* f = game.FindFleet(loc.FleetNames.front());
    if (f && RouteEnd(game, *f, tx, ty)) Line(c, loc.X + ox, loc.Y + oy, tx + ox, ty + oy);
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
    const bool visible = game.WithinRange(loc.X, loc.Y, game.SensorRange);
    if (loc.LocType == ltFleetLocation) {
      if (visible && !loc.FleetNames.empty()) {
        const TFleet* f = game.FindFleet(loc.FleetNames.front());
        DrawMapMarker(surface, x - 4, y + 2, game.RaceColor(f ? f->Race : "NONE"));
      }
      continue;
    }
    if (game.Env.Images) {
      if (loc.LocType == ltStarSystem) {
        DrawNamedCentered(*game.Env.Images, surface, loc.StarImage, x, y, loc.IconWidth, loc.IconHeight);
      } else if (loc.Known) {
        if (const char* icon = IconOf(loc.LocType)) DrawNamedCentered(*game.Env.Images, surface, icon, x, y, 9, 9);
      }
    }
    if (loc.LocType != ltStarSystem && !loc.Known) continue;
    c.Font.Color = game.RaceColor(loc.Known ? loc.Owner : "NONE");
    const int nameWidth = c.TextWidth(loc.LocName);
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

  c.Font.Size = 8;
  if (ghostMode) {
    c.Font.Color = RGB(255, 0, 0);
    c.TextOut(0, 590, "GHOST MODE");
  }
  if (!player) return;
  game.CheckFuelWarning();
  const double threshold = player->MaxFuel / 100.0 * 20.0;
  // Fuel, RUs and crew at their places on the status line; a value too wide for its place
  // pushes the next one along instead of running into it.
  const std::string fuel = "Fuel : " + std::to_string(player->Fuel) + "/" + std::to_string(player->MaxFuel);
  const std::string ru = "RUs : " + std::to_string(player->RU);
  const int ruX = std::max(80, 3 + c.TextWidth(fuel) + 10);
  const int crewX = std::max(130, ruX + c.TextWidth(ru) + 10);
  c.Font.Color = StatusColor;
  c.TextOut(ruX, 3, ru);
  c.TextOut(crewX, 3, "Crew : " + std::to_string(player->Crew));
  c.Font.Color = player->Fuel < threshold ? RGB(255, 0, 0) : StatusColor;
  c.TextOut(3, 3, fuel);
}

void DrawInterceptRanges(TGameMain& game, TSurface& surface) {
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Pen.Color = DarkRed;
  c.Font.Color = DarkRed;
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
  TCanvas c(surface);
  c.Pen.Width = 1;
  c.Pen.Color = p->Fuel >= Distance(fx, fy, mouseX, mouseY) ? TColor(0xCDCDCD) : DarkRed;
  Line(c, fx, fy, mouseX, mouseY);
}

}  // namespace sw
