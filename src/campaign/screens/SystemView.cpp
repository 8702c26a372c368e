// The system view: the selected location up close, its star (or what else lies there) in the
// middle, planets on their orbits to the left, fleets to the right, and its particulars.
#include <algorithm>

#include "campaign/screens/LocationScreens.h"
#include "campaign/screens/PlaceDrawing.h"

namespace sw {

namespace {

constexpr TColor HeadingGrey = 0x828282;
constexpr TColor OrbitPen = 0x222222;
constexpr int CentreX = 320, CentreY = 280;

void DrawCentrePicture(TGameMain& game, TSurface& surface, const TLocation& loc) {
  if (loc.LocType == ltStarSystem) {
    const int size = 82 + 20 * std::clamp(loc.LocSize, 0, 2);
    DrawPlaceCentred(game, surface, std::string(StarColorWord(loc.LocColor)) + "_big", CentreX, CentreY, size, size);
    return;
  }
  static const char* pictures[] = {"starbase", "debree", "bhole", "whole", "phenom"};
  if (loc.LocType >= ltStarbase && loc.LocType <= ltPhenomenon)
    DrawPlaceCentred(game, surface, pictures[loc.LocType - ltStarbase], CentreX, CentreY, 100, 100);
}

void DrawParticulars(TGameMain& game, TCanvas& c, const TLocation& loc) {
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 7;
  c.Font.Color = HeadingGrey;
  UnderlinedText(c, 40, 50, "Star system :");
  UnderlinedText(c, 40, 405, "Planets :");
  UnderlinedText(c, 520, 405, "Fleets :");
  UnderlinedText(c, 520, 50, "Fortifications :");
  const std::string xy = "X : " + std::to_string(loc.X) + " Y : " + std::to_string(loc.Y);
  c.TextOut(40, 65, "Name : " + loc.LocName);
  if (loc.LocType == ltStarSystem) {
    c.TextOut(40, 77, std::string("Star type : ") + StarColorWord(loc.LocColor) + " " + StarSizeWord(loc.LocSize));
    c.TextOut(40, 89, "Spectra : " + loc.Spectra);
    c.TextOut(40, 101, xy);
    c.TextOut(40, 113, "Number of planets : " + std::to_string(loc.PlanetList.Count()));
    c.TextOut(40, 125, "Number of fleets : " + std::to_string(loc.FleetNames.size()));
  } else {
    c.TextOut(40, 77, xy);
  }
  const TRaceInfo* owner = game.FindRace(loc.Owner);
  const std::string shortName = owner ? owner->ShortName : std::string();
  c.TextOut(520, 65, "Owner : " + (shortName.empty() ? std::string("None") : shortName));
  const TShipInfo* base = loc.Starbase.empty() ? nullptr : game.FindShipInfo(loc.Starbase);
  const std::string baseName = base && !base->DispName.empty() ? base->DispName : loc.Starbase;
  c.TextOut(520, 77, "Starbase : " + (baseName.empty() ? std::string("None") : baseName));
  c.TextOut(520, 89, std::string("Ast density : ") + AsteroidWord(loc.Asteroids));
}

// One body on its orbit: the leader line out to its number, and its row in the list below.
void DrawOrbitLabel(TCanvas& c, int k, int side, const std::string& name) {
  const int x = CentreX + side * (70 + 20 * k);
  const int y = k % 2 == 0 ? 260 : 300;
  c.Pen.Color = HeadingGrey;
  c.MoveTo(x, CentreY);
  c.LineTo(x + side * 10, y);
  c.LineTo(x + side * 15, y);
  const std::string number = std::to_string(k + 1);
  c.TextOut(side < 0 ? x - 25 : x + 25, y - 5, number);
  c.TextOut(side < 0 ? 40 : 520, 420 + 12 * k, number + " - " + name);
}

}  // namespace

bool SystemViewClick(TGameMain& game, int x, int y) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc) return false;
  for (int k = 0; k < loc->PlanetList.Count() && k < 9; ++k) {
    // The picture on its orbit (15 x 15 with a margin), its number at the end of the leader
    // line, and its row "n - name" in the list under the view.
    const int px = CentreX - 70 - 20 * k, labelY = k % 2 == 0 ? 260 : 300;
    const bool onPicture = x >= px - 10 && x <= px + 10 && y >= CentreY - 10 && y <= CentreY + 10;
    const bool onNumber = x >= px - 30 && x <= px - 15 && y >= labelY - 6 && y <= labelY + 8;
    const bool onRow = x >= 40 && x < 300 && y >= 420 + 12 * k && y < 432 + 12 * k;
    if (onPicture || onNumber || onRow) {
      game.SelectedPlanet = k;
      game.ShowScreen(csPlanetPanel);
      return true;
    }
  }
  return false;
}

void DrawSystemView(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "plmenu", 10, 10);
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (loc) {
    DrawCentrePicture(game, surface, *loc);
    TCanvas c(surface);
    DrawParticulars(game, c, *loc);
    const int planets = loc->PlanetList.Count();
    const int fleets = static_cast<int>(loc->FleetNames.size());
    c.Pen.Color = OrbitPen;
    for (int k = 0; k < std::max(planets, fleets); ++k) {
      const int r = 70 + 20 * k;
      c.Ellipse(CentreX - r, CentreY - r, CentreX + r, CentreY + r);
    }
    for (int k = 0; k < planets; ++k) DrawOrbitLabel(c, k, -1, loc->PlanetList.NameAt(k));
    for (int k = 0; k < fleets; ++k) DrawOrbitLabel(c, k, 1, loc->FleetNames[static_cast<size_t>(k)]);
    c.Release();
    for (int k = 0; k < planets; ++k)
      DrawPlaceCentred(game, surface, "planet_" + std::to_string(loc->PlanetList.At(k)->ImageNo),
                       CentreX - 70 - 20 * k, CentreY, 15, 15);
    for (int k = 0; k < fleets; ++k) {
      // Every fleet there is shown, whatever the range.
      const TFleet* fleet = game.FindFleet(loc->FleetNames[static_cast<size_t>(k)]);
      if (fleet) DrawPlaceCentred(game, surface, fleet->Race + "_small", CentreX + 70 + 20 * k, CentreY, 15, 15);
    }
  }
  if (game.Buttons) game.Buttons->Find("close_menu").Draw();
}

}  // namespace sw
