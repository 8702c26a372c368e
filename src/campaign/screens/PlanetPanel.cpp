// The planet panel of the selected planet with its hail, land and mine buttons, and the landing
// and mining screens drawn over it stage by stage while the party is down.
#include "campaign/screens/LocationScreens.h"
#include "campaign/screens/PlaceDrawing.h"

namespace sw {

namespace {

constexpr TColor StageColor = 0x9D8583;

// Why the planet panel's hail ('H'), land ('L') or mine ('M') cannot act now; empty when it can.
std::string PlanetActionReason(const TGameMain& game, char action) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  const TPlanet* planet = game.CurrentPlanet();
  const TFleet* player = game.PlayerFleet();
  if (!loc || !planet) return "No planet selected";
  if (planet->Approachable == 0) return "This planet cannot be approached";
  if (!game.WithinRange(loc->X, loc->Y, game.ComRange)) return "Out of hailing range";
  if (action == 'H') return planet->Population > 0 ? "" : "Nobody lives there to answer";
  if (!player || player->Crew <= 0) return "No spare crew for a landing party";
  if (!game.CanLand) return "Your fleet cannot land parties yet";
  if (action == 'M' && !game.CanMine) return "Your fleet cannot mine yet";
  return "";
}

void SetPlanetButton(TGameMain& game, const char* key, bool available, char action) {
  game.Buttons->Find(key).SetAvailable(available, available ? "" : PlanetActionReason(game, action));
}

// A button's caption, greyed while the button is dimmed.
void PanelLabel(TCanvas& c, const TGameMain& game, const char* key, int x, int y, const std::string& text) {
  c.Font.Color = game.Buttons && !game.Buttons->Find(key).Available() ? DimmedLabelColor : clBlack;
  c.TextOut(x, y, text);
}

// One stage of an expedition: its picture, the line from the stage before and its dot.
struct TStageMark {
  const char* Picture;
  int PictureX, PictureY;
  int FromX, FromY, DotX, DotY;
};

void DrawStage(TGameMain& game, TSurface& surface, const TStageMark& s, bool line) {
  DrawPicture(game, surface, s.Picture, s.PictureX, s.PictureY);
  TCanvas c(surface);
  c.Pen.Color = StageColor;
  if (line) {
    c.MoveTo(s.FromX, s.FromY);
    c.LineTo(s.DotX + 2, s.DotY + 2);
  }
  c.Brush.Style = TBrushStyle::bsSolid;
  c.Brush.Color = StageColor;
  c.FillRect({s.DotX, s.DotY, s.DotX + 4, s.DotY + 4});
}

TCanvas StageText(TSurface& surface) {
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 7;
  c.Font.Color = StageColor;
  return c;
}

std::string CasualtyLine(const TGameMain& game) {
  return game.Casualties > 0 ? std::to_string(game.Casualties) + " casualties" : std::string("No casualties");
}

const TStageMark Landed = {"map_p1", 68, 188, 0, 0, 96, 216};
const TStageMark Scouting = {"map_p2", 188, 158, 98, 218, 216, 186};

// The first stage of both expeditions: the party is down.
void DrawLanded(TGameMain& game, TSurface& surface) {
  DrawStage(game, surface, Landed, false);
  TCanvas c = StageText(surface);
  c.TextOut(68, 174, std::to_string(game.PartySize) + " people landed");
}

}  // namespace

void DrawPlanetPanel(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "pbmenu", 10, 10);
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  const TPlanet* planet = game.CurrentPlanet();
  if (planet) DrawPicture(game, surface, "planet_" + std::to_string(planet->ImageNo), 41, 57);
  if (game.Buttons) {
    SetPlanetButton(game, "hail_plan", game.CanHailPlanet(), 'H');
    SetPlanetButton(game, "land_plan", game.CanLandOnPlanet(), 'L');
    SetPlanetButton(game, "mine_plan", game.CanMinePlanet(), 'M');
    for (const char* key : {"hail_plan", "land_plan", "mine_plan"}) game.Buttons->Find(key).Draw();
  }
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Color = clBlack;
  if (planet) {
    c.Font.Size = 8;
    c.TextOut(96, 47, planet->Name);
    c.Font.Size = 7;
    DrawPlanetFacts(c, *planet, loc && loc->Known, 104, 63);
  }
  c.Font.Size = 8;
  PanelLabel(c, game, "land_plan", 485, 70, "Landing party");
  PanelLabel(c, game, "mine_plan", 485, 84, "Conduct mining");
  PanelLabel(c, game, "hail_plan", 485, 98, "Hail planet");
  c.Release();
  if (game.Buttons) game.Buttons->Find("close_menu").Draw();
}

namespace {

// What the landing and mining screens share: the planet panel under them and the party's landing.
// False when the party is back (its tick left the expedition's screen): then the panel alone is
// drawn, or the event its finds set off from the next frame on.
bool DrawExpeditionStart(TGameMain& game, TSurface& surface, uint8_t screen) {
  if (game.SubScreen() != screen) {
    if (game.SubScreen() == csPlanetPanel) DrawPlanetPanel(game, surface);
    return false;
  }
  DrawPlanetPanel(game, surface);
  if (game.ExpeditionTime > 0) DrawLanded(game, surface);
  return true;
}

}  // namespace

void DrawLanding(TGameMain& game, TSurface& surface) {
  game.LandingTick();
  if (!DrawExpeditionStart(game, surface, csLanding)) return;
  const int t = game.ExpeditionTime;
  if (t > 40) {
    DrawStage(game, surface, Scouting, true);
    StageText(surface).TextOut(188, 222, "Scouting the area");
  }
  if (t > 80) {
    DrawStage(game, surface, {"map_p3", 338, 218, 218, 188, 366, 246}, true);
    TCanvas c = StageText(surface);
    c.TextOut(338, 184, game.ResistanceText);
    c.TextOut(338, 194, "encountered");
    c.TextOut(338, 204, CasualtyLine(game));
  }
  if (t > 120 && game.Casualties < game.PartySize) {
    DrawStage(game, surface, {"map_p4", 488, 158, 368, 248, 516, 186}, true);
    TCanvas c = StageText(surface);
    if (!game.FoundArtifact.empty() || !game.FoundVip.empty()) {
      const bool artifact = !game.FoundArtifact.empty();
      c.TextOut(488, 222, artifact ? "Artifact found : " : "VIP found : ");
      c.TextOut(488, 232, artifact ? game.FoundArtifact : game.FoundVip);
      c.TextOut(488, 242, "Returning to ship");
    } else {
      c.TextOut(488, 222, "Nothing found ");
      c.TextOut(488, 232, "Returning to ship");
    }
  }
}

void DrawMining(TGameMain& game, TSurface& surface) {
  game.MiningTick();
  if (!DrawExpeditionStart(game, surface, csMining)) return;
  const int t = game.ExpeditionTime;
  if (t > 40) {
    DrawStage(game, surface, Scouting, true);
    TCanvas c = StageText(surface);
    c.TextOut(188, 221, "Mobile excavation");
    c.TextOut(188, 231, "unit deployed");
    c.TextOut(188, 245, game.ResistanceText);
    c.TextOut(188, 255, "encountered");
    c.TextOut(188, 265, CasualtyLine(game));
    UnderlinedText(c, 290, 212, "Mining progress");
  }
  {
    TCanvas c = StageText(surface);
    for (int i = 1; i <= game.PortionsMined && i <= 10; ++i) {
      const std::string line = std::to_string(game.Portions[i - 1]) + " RUs mined";
      if (i <= 5) c.TextOut(290, 215 + 10 * i, line);
      else c.TextOut(360, 165 + 10 * i, line);
    }
  }
  if (t > 10 * game.StageInterval + 80) {
    DrawStage(game, surface, {"map_p4", 488, 158, 218, 188, 516, 186}, true);
    StageText(surface).TextOut(488, 222, "Returning to ship");
  }
}

}  // namespace sw
