#include "campaign/screens/CombatScreen.h"

#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ScreenPicture.h"
#include "campaign/screens/ShipPictures.h"
#include "media/Canvas.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"

namespace sw {

namespace {

constexpr TColor ValueText = 0x9D8583;
constexpr int ListRows = 6;

// The list's scroll offset, kept from frame to frame.
struct TCombatView {
  const TGameMain* Game = nullptr;
  int Offset = 0;
};

TCombatView& ViewOf(const TGameMain& game) {
  static TCombatView view;
  if (view.Game != &game) view = TCombatView{&game, 0};
  return view;
}

// One battle slot: the fleet it takes from, the entry, and where it is shown.
struct TSlotPlace {
  bool Player;
  int Entry;
  int PictureX, PictureY, NameY;
};

std::vector<TSlotPlace> SlotPlaces(const TGameMain& game) {
  return {{true, game.PlayerFlagship, 344, 236, 250},  {true, game.PlayerSupport1, 418, 273, 287},
          {true, game.PlayerSupport2, 492, 309, 323},  {false, game.EnemyFlagship, 344, 495, 466},
          {false, game.EnemySupport1, 418, 458, 429},  {false, game.EnemySupport2, 492, 422, 393}};
}

const TShip* SlotShip(const TGameMain& game, const TSlotPlace& slot) {
  const TFleet* fleet = slot.Player ? game.PlayerFleet() : game.Fleets.At(game.SelectedFleet);
  return fleet && slot.Entry >= 0 ? fleet->Ships.At(slot.Entry) : nullptr;
}

std::string ClassName(const TGameMain& game, const std::string& shipClass) {
  const TShipInfo* info = game.FindShipInfo(shipClass);
  return info && !info->DispName.empty() ? info->DispName : shipClass;
}

bool InPlayerSlot(const TGameMain& game, int entry) {
  return entry >= 0 && (entry == game.PlayerFlagship || entry == game.PlayerSupport1 || entry == game.PlayerSupport2);
}

}  // namespace

std::string ForcesRatioText(int ratio) {
  if (ratio > 0) return "Forces ratio : " + std::to_string(ratio) + " to 1";
  return "Forces ratio :  1 to " + std::to_string(-ratio);
}

std::string CombatPlanetText(const TGameMain& game) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc || loc->PlanetList.Count() == 0) return "Planet : Not present";
  // A starbase in the fight keeps the planet out of the battle.
  for (const TSlotPlace& slot : SlotPlaces(game))
    if (const TShip* ship = SlotShip(game, slot))
      if (const TShipInfo* info = game.FindShipInfo(ship->ShipClass); info && info->Starbase)
        return "Planet : Not present";
  return "Planet : Present";
}

std::string CombatAsteroidText(const TGameMain& game) {
  static const char* words[] = {"None", "Low", "Medium", "High", "Extreme"};
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  const int a = loc ? loc->Asteroids : 0;
  return std::string("Asteroid density : ") + (a >= 0 && a < 5 ? words[a] : "None");
}

std::string CombatLocationText(const TGameMain& game) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (!loc) return "Location : ";
  if (loc->LocType == ltStarSystem) return "Location : " + loc->LocName + " star system";
  if (loc->LocType == ltFleetLocation)
    return "Location : Deep space (" + std::to_string(loc->X) + "x" + std::to_string(loc->Y) + ")";
  return "Location : " + loc->LocName;
}

int EnemyShips(const TGameMain& game) {
  const TFleet* enemy = game.Fleets.At(game.SelectedFleet);
  if (!enemy) return 0;
  int n = enemy->TotalShips();
  for (int slot : {game.EnemyFlagship, game.EnemySupport1, game.EnemySupport2}) n += slot >= 0 ? 1 : 0;
  return n;
}

void SetCombatAvailability(TGameMain& game, int ratio) {
  if (!game.Buttons) return;
  for (const char* key : {"Plus1", "Minus1", "Plus2", "Minus2", "Plus3", "Minus3"})
    game.Buttons->Find(key).Alpha = AlphaNormal;
  if (ratio < -2)
    for (const char* key : {"Plus2", "Minus2", "Plus3", "Minus3"}) game.Buttons->Find(key).Alpha = AlphaDimmed;
  if (ratio == -2 || ratio == 2)
    for (const char* key : {"Plus3", "Minus3"}) game.Buttons->Find(key).Alpha = AlphaDimmed;
}

void KeepSlotsWithCombatScreen(TGameMain& game) {
  if (game.SubScreen() == csCombat) return;
  const bool slotted = game.PlayerFlagship >= 0 || game.PlayerSupport1 >= 0 || game.PlayerSupport2 >= 0 ||
                       game.EnemyFlagship >= 0 || game.EnemySupport1 >= 0 || game.EnemySupport2 >= 0 ||
                       !game.PlayerStarbaseClass.empty() || !game.EnemyStarbaseClass.empty();
  if (slotted) game.GiveBackSlots();
}

void ScrollCombatShips(TGameMain& game, int step) {
  const TFleet* player = game.PlayerFleet();
  if (!player) return;
  const int next = game.SelectedShip + step;
  if (next >= 0 && next < player->Ships.Count()) game.SelectedShip = next;
}

bool PickCombatShipRow(TGameMain& game, int x, int y) {
  const TFleet* player = game.PlayerFleet();
  const int entry = player ? ListEntryAt(x, y, 45, 270, 78, ListRows, ViewOf(game).Offset, player->Ships.Count()) : -1;
  if (entry < 0) return false;
  game.SelectedShip = entry;
  return true;
}

void DrawCombatScreen(TGameMain& game, TSurface& surface) {
  const TFleet* player = game.PlayerFleet();
  const TFleet* enemy = game.Fleets.At(game.SelectedFleet);
  if (!player || !enemy) return;
  // The enemy answers the forces on the screen before anything is drawn.
  game.SelectEnemies();
  const int ratio = game.ForcesRatio();

  DrawPicture(game, surface, "combat_menu", 10, 10);
  if (game.Buttons) {
    game.Buttons->Find("combat_scroll_up").Draw();
    game.Buttons->Find("combat_scroll_down").Draw();
    SetCombatAvailability(game, ratio);
    for (const char* key : {"Plus1", "Minus1", "Plus2", "Minus2", "Plus3", "Minus3", "launch"})
      game.Buttons->Find(key).Draw();
    // An attack the player chose can be called off; a battle forced on the fleet cannot.
    if (game.AttackCancellable) game.Buttons->Find("close_menu").Draw();
  }
  DrawPicture(game, surface, enemy->Race + "_small", 525, 85);

  const std::vector<TSlotPlace> slots = SlotPlaces(game);
  if (game.Env.Images)
    for (const TSlotPlace& slot : slots)
      if (const TShip* ship = SlotShip(game, slot))
        if (const TImageItem* picture = CampaignShipPicture(game, ship->ShipClass)) {
          int w = picture->Width(), h = picture->Height();
          FitSize(w, h, 43, 43);
          DrawCentered(surface, *game.Env.Images, picture->Name, slot.PictureX, slot.PictureY, w, h);
        }

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 7;
  TCombatView& view = ViewOf(game);
  view.Offset = FollowSelection(view.Offset, game.SelectedShip, ListRows);
  for (int i = 0; i < player->Ships.Count(); ++i) {
    const int row = i + view.Offset;
    if (row < 0 || row >= ListRows) continue;
    const TShip& ship = *player->Ships.At(i);
    const int y = 78 + 14 * row;
    c.Font.Color = InPlayerSlot(game, i) ? clWhite : ValueText;
    c.TextOut(50, y, ClassName(game, ship.ShipClass));
    c.TextOut(180, y, std::to_string(ship.Count));
    c.TextOut(220, y, std::to_string(ship.Structure) + "/" + std::to_string(ship.Crew));
  }
  const int s = game.SelectedShip + view.Offset;
  if (player->Ships.At(game.SelectedShip) && s >= 0 && s < ListRows) {
    c.Pen.Color = ValueText;
    c.Pen.Width = 1;
    c.Rectangle(45, 78 + 14 * s, 270, 91 + 14 * s);
  }

  c.Font.Size = 8;
  c.Font.Color = ValueText;
  const TRaceInfo* race = game.FindRace(enemy->Race);
  c.TextOut(310, 66, CombatPlanetText(game));
  c.TextOut(310, 78, CombatAsteroidText(game));
  c.TextOut(310, 90, ForcesRatioText(ratio));
  c.TextOut(310, 102, "Enemy forces : " + std::to_string(EnemyShips(game)) + " " + (race ? race->ShortName : enemy->Race) +
                          " ship(s)");
  c.TextOut(310, 126, CombatLocationText(game));

  c.Font.Color = clBlack;
  c.TextOut(324, 453, "Flagship");
  c.TextOut(324, 263, "Flagship");
  c.TextOut(398, 416, "Support");
  c.TextOut(398, 300, "Support");
  c.TextOut(473, 380, "Support");
  c.TextOut(473, 336, "Support");
  for (const TSlotPlace& slot : slots)
    if (const TShip* ship = SlotShip(game, slot)) c.TextOut(110, slot.NameY, ClassName(game, ship->ShipClass));
  c.Release();
}

}  // namespace sw
