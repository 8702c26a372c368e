// The planet list and the fleet list of the selected location, in columns of three.
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/LocationScreens.h"
#include "campaign/screens/PlaceDrawing.h"

namespace sw {

void DrawPlanetList(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "pmenu", 10, 10);
  if (const TLocation* loc = game.Locations.At(game.SelectedLocation)) {
    int x = 55, y = 50;
    for (int k = 0; k < loc->PlanetList.Count(); ++k) {
      const TPlanet& planet = *loc->PlanetList.At(k);
      DrawPicture(game, surface, "planet_" + std::to_string(planet.ImageNo), x, y);
      TCanvas c(surface);
      c.Brush.Style = TBrushStyle::bsClear;
      c.Font.Color = clBlack;
      c.Font.Size = 8;
      c.TextOut(x + 55, y - 9, planet.Name);
      c.Font.Size = 7;
      DrawPlanetFacts(c, planet, loc->Known, x + 65, y + 6);
      c.Release();
      y += 90;
      if (y >= 300) {
        x += 175;
        y = 50;
      }
    }
  }
  if (game.Buttons) game.Buttons->Find("close_menu").Draw();
}

void DrawFleetList(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "pmenu", 10, 10);
  if (const TLocation* loc = game.Locations.At(game.SelectedLocation)) {
    int x = 51, y = 45;
    for (const std::string& name : loc->FleetNames) {
      const int index = game.Fleets.IndexOf(name);
      const TFleet* fleet = game.Fleets.At(index);
      if (fleet) DrawPicture(game, surface, fleet->Race + "_small", x, y);
      TCanvas c(surface);
      c.Brush.Style = TBrushStyle::bsClear;
      c.Font.Color = clBlack;
      c.Font.Size = 8;
      c.TextOut(x + 60, y - 5, name);
      c.Font.Size = 7;
      const bool seen = fleet && FleetVisible(game, index);
      c.TextOut(x + 70, y + 11, "Total ships : " + (seen ? std::to_string(fleet->TotalShips()) : std::string("?")));
      c.Release();
      y += 90;
      if (y > 299) {
        x += 175;
        y = 40;
      }
    }
  }
  if (game.Buttons) game.Buttons->Find("close_menu").Draw();
}

}  // namespace sw
