// The buttons and hotkeys of the location screens: the system view, the planet and fleet lists,
// a planet's panel and the actions it offers.
#include "campaign/screens/LocationScreens.h"

#include "campaign/screens/CampaignRouting.h"
#include "campaign/screens/ShipPictures.h"

namespace sw {

namespace {

// A star base location shows its own base: the picture of its starbase class becomes "starbase".
// Without one the last base's picture is dropped, so no other base's picture stands in for it.
void LoadStarbasePicture(TGameMain& game) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc || loc->LocType != ltStarbase || !game.Env.Images) return;
  TDXImageList& images = *game.Env.Images;
  const TImageItem* ship = CampaignShipPicture(game, loc->Starbase);
  if (!ship) {
    images.Remove("starbase");
    return;
  }
  const int at = images.IndexOf("starbase");
  TImageItem& item = at >= 0 ? *images.At(at) : images.Add();
  item.AssignBitmap(ship->Picture());
  item.Name = "starbase";
  item.TransparentColor = ship->TransparentColor;
  item.MakeReady();
}

void ShowSystemView(TGameMain& game) {
  game.ShowScreen(csSystem);
  LoadStarbasePicture(game);
}

// "planet1".."planet9": the n-th planet of the selected location, when it has one.
void OpenPlanet(TGameMain& game, int n) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc || loc->PlanetList.Count() < n) return;
  game.SelectedPlanet = n - 1;
  game.ShowScreen(csPlanetPanel);
}

}  // namespace

bool RoutePlaceKey(TGameMain& game, const std::string& key) {
  const bool planetKey = key.size() == 7 && key.compare(0, 6, "planet") == 0 && key[6] >= '1' && key[6] <= '9';
  if (!planetKey && key != "system_map" && key != "show_planets" && key != "hail_plan" && key != "land_plan" &&
      key != "mine_plan")
    return false;
  // All of them wait while the talk, the encounter, the combat set-up or an event holds the keys.
  if (ScreenHoldsKeys(game.SubScreen())) return true;
  if (planetKey) {
    OpenPlanet(game, key[6] - '0');
  } else if (key == "system_map") {
    if (game.SubScreen() == csSystem) game.ShowScreen(csMap);
    else ShowSystemView(game);
  } else if (key == "show_planets") {
    game.ShowScreen(game.SubScreen() == csPlanets ? csMap : csPlanets);
  } else if (key == "hail_plan") {
    if (game.CanHailPlanet()) game.OpenTalk(1);
  } else if (key == "land_plan") {
    game.StartLanding();
  } else {
    game.StartMining();
  }
  return true;
}

bool PlaceHotkey(TGameMain& game, int key) {
  if (key == 'S') {
    if (game.SubScreen() != csSystem) ShowSystemView(game);
  } else if (key == 'P') {
    game.ShowScreen(csPlanets);
  } else if (key == 'A') {
    game.ShowScreen(csFleets);
  } else {
    return false;
  }
  return true;
}

}  // namespace sw
