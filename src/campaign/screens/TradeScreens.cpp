#include "campaign/screens/TradeScreens.h"

#include <algorithm>
#include <string>

#include "campaign/screens/CampaignRouting.h"
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ScreenPicture.h"
#include "campaign/screens/TalkScreens.h"
#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/TextFit.h"

namespace sw {

namespace {

constexpr TColor ValueText = 0x9D8583;
constexpr int FleetRows = 5, OfferRows = 6;
// The portrait's frame on the trade screen, where the static falls.
constexpr int PortraitLeft = 50, PortraitRight = 300, PortraitTop = 75, PortraitBottom = 266;

// The scroll offsets of the screen's three lists, kept from frame to frame.
struct TTradeView {
  const TGameMain* Game = nullptr;
  int FleetOffset = 0, BlueprintOffset = 0, ForSaleOffset = 0;
  // The list the Up and Down keys move: 0 the player's ships, 1 blueprints, 2 ships for sale.
  int KeyList = 0;
};

TTradeView& ViewOf(const TGameMain& game) {
  static TTradeView view;
  if (view.Game != &game) view = TTradeView{&game};
  return view;
}

// Offers the button when there is no reason against it; otherwise dims it with the reason.
void OfferButton(TGameMain& game, const char* key, const std::string& reason) {
  game.Buttons->Find(key).SetAvailable(reason.empty(), reason);
}

std::string RUsNeeded(long long amount) { return "Not enough RUs (" + std::to_string(amount) + " needed)"; }

// A button's caption, greyed while the button is dimmed.
void TradeLabel(TCanvas& c, const TGameMain& game, const char* key, int x, int y, const std::string& text) {
  c.Font.Color = game.Buttons && !game.Buttons->Find(key).Available() ? DimmedLabelColor : clBlack;
  c.TextOut(x, y, text);
}

std::string ClassName(const TGameMain& game, const std::string& shipClass) {
  const TShipInfo* info = game.FindShipInfo(shipClass);
  return info && !info->DispName.empty() ? info->DispName : shipClass;
}

// A price of a class=price line; a line that is not a number reads as 0.
int LinePrice(const std::string& value) {
  try {
    return std::stoi(value);
  } catch (const std::exception&) {
    return 0;
  }
}

// Moves a list selection one line within a list of that many lines.
void StepSelection(int& selected, int step, int count) {
  const int next = selected + step;
  if (next >= 0 && next < count) selected = next;
}

// "trade_sell_ship_scroll_*", "prod_scroll_*2": the selected entry of the player's own fleet,
// whichever fleet the panel had selected before.
void StepPlayerShip(TGameMain& game, int step) {
  const TFleet* player = game.PlayerFleet();
  if (player) StepSelection(game.SelectedShip, step, player->Ships.Count());
}

const TTradeInfo* ShownPost(const TGameMain& game) { return game.TradePosts.Find(game.TradePost); }

// The trade screen's buttons, which act on every sub-screen.
bool RouteTradeKey(TGameMain& game, const std::string& key) {
  TTradeInfo* post = game.TradePosts.Find(game.TradePost);
  if (key == "trade_buy_fuel") game.BuyFuel();
  else if (key == "trade_sell_fuel") game.SellFuel();
  else if (key == "trade_hire_crew") game.HireCrew();
  else if (key == "trade_ship_buy") game.BuyShip();
  else if (key == "trade_ship_sell") game.SellShip();
  else if (key == "trade_blue_buy") game.BuyBlueprint();
  else if (key == "trade_sell_ship_scroll_down1" || key == "trade_sell_ship_scroll_up1") {
    ViewOf(game).KeyList = 0;
    StepPlayerShip(game, key == "trade_sell_ship_scroll_down1" ? 1 : -1);
  } else if (key == "trade_ship_scroll_down1" || key == "trade_ship_scroll_up1") {
    ViewOf(game).KeyList = 2;
    if (post) StepSelection(game.SelectedForSale, key == "trade_ship_scroll_down1" ? 1 : -1, post->ShipsForSale.Count());
  } else if (key == "trade_blue_scroll_down1" || key == "trade_blue_scroll_up1") {
    ViewOf(game).KeyList = 1;
    if (post) StepSelection(game.SelectedBlueprint, key == "trade_blue_scroll_down1" ? 1 : -1, post->Blueprints.Count());
  } else {
    return false;
  }
  return true;
}

// The logistics screen's buttons and the way there from the fleet panel; they do nothing while
// a screen that holds the keys is shown.
bool RouteLogisticsKey(TGameMain& game, const std::string& key) {
  const bool free = !ScreenHoldsKeys(game.SubScreen());
  if (key == "logeng_fleet") {
    if (free) OpenLogistics(game);
  } else if (key == "prod_scroll_down1" || key == "prod_scroll_up1") {
    if (free) FocusLogisticsList(game, 0);
    if (free) StepLogisticsList(game, key == "prod_scroll_down1" ? 1 : -1);
  } else if (key == "prod_scroll_down2" || key == "prod_scroll_up2") {
    if (free) FocusLogisticsList(game, 1);
    if (free) StepLogisticsList(game, key == "prod_scroll_down2" ? 1 : -1);
  } else if (key == "produce") {
    if (free) game.Manufacture();
  } else if (key == "scrap") {
    if (free) game.Recycle();
  } else {
    return false;
  }
  return true;
}

// The static over the trade partner's picture, as on the communication screen: the rows the
// level leaves quiet keep the picture, the others flicker black and white.
void DrawTradeNoise(TGameMain& game, TSurface& surface) {
  const uint16_t black = ColorTo565(clBlack), white = ColorTo565(clWhite);
  for (int y = PortraitTop; y <= PortraitBottom; ++y) {
    const int w = Random(100);
    if (game.NoiseLevel >= w + 1) continue;
    for (int x = PortraitLeft; x <= PortraitRight; ++x) surface.Put(x, y, Random(2) == 0 ? black : white);
  }
}

// The post's terms: what it deals in and at what price. A value below 1 counts as no.
void DrawTerms(TCanvas& c, const TTradeInfo& post) {
  auto offer = [](const std::string& text, int value, const std::string& unit) {
    return value < 1 ? text + " : no" : text + " : yes (" + std::to_string(value) + " per " + unit + ")";
  };
  c.TextOut(330, 140, offer("Sells fuel", post.SellFuel, "100 units"));
  c.TextOut(330, 150, offer("Buys fuel", post.BuyFuel, "100 units"));
  c.TextOut(330, 160, offer("Has crewmembers for hire", post.SellCrew, "crewmember"));
  c.TextOut(330, 170, "Ship purchase value addition (%) : " +
                          (post.BuyShipVal < 1 ? std::string("N/A") : std::to_string(post.BuyShipVal)));
}

void DrawFleetStores(TCanvas& c, const TFleet& player) {
  const std::string heading = "Your fleet";
  c.TextOut(330, 190, heading);
  // Underlined: a line under the text's base, as wide as the text.
  const int underline = 190 + c.TextHeight(heading) - 2;
  c.Pen.Color = c.Font.Color;
  c.Pen.Width = 1;
  c.MoveTo(330, underline);
  c.LineTo(330 + c.TextWidth(heading), underline);
  c.TextOut(330, 210, "RUs");
  c.TextOut(430, 210, std::to_string(player.RU));
  c.TextOut(330, 220, "Crewmembers");
  c.TextOut(430, 220, std::to_string(player.Crew));
  c.TextOut(330, 230, "Fuel");
  c.TextOut(430, 230, std::to_string(player.Fuel) + "/" + std::to_string(player.MaxFuel));
}

// The frame around a list's selected line, when that line exists and is scrolled into view (an
// event may have taken lines off the post's lists under the selection).
void SelectionFrame(TCanvas& c, int left, int right, int top, int selected, int offset, int count, int rows) {
  const int s = selected + offset;
  if (selected < 0 || selected >= count || s < 0 || s >= rows) return;
  c.Pen.Color = ValueText;
  c.Pen.Width = 1;
  c.Rectangle(left, top + 14 * s, right, top + 13 + 14 * s);
}

void DrawPlayerShips(TCanvas& c, TGameMain& game, const TFleet& player, TTradeView& view) {
  view.FleetOffset = FollowSelection(view.FleetOffset, game.SelectedShip, FleetRows);
  for (int i = 0; i < player.Ships.Count(); ++i) {
    const int row = i + view.FleetOffset;
    if (row < 0 || row >= FleetRows) continue;
    const TShip& ship = *player.Ships.At(i);
    const int y = 306 + 14 * row;
    c.TextOut(384, y, ClassName(game, ship.ShipClass));
    // How many ships the entry stands for: a sale takes one of them at one ship's price.
    c.TextOut(518, y, std::to_string(ship.Count));
    c.TextOut(539, y, std::to_string(ship.Structure) + "/" + std::to_string(ship.Crew));
    c.TextOut(574, y, std::to_string(game.SalePrice(ship)));
  }
  SelectionFrame(c, 379, 599, 306, game.SelectedShip, view.FleetOffset, player.Ships.Count(), FleetRows);
}

void DrawOffers(TCanvas& c, TGameMain& game, const TTradeInfo& post, TTradeView& view) {
  view.BlueprintOffset = FollowSelection(view.BlueprintOffset, game.SelectedBlueprint, OfferRows);
  for (int i = 0; i < post.Blueprints.Count(); ++i) {
    const int row = i + view.BlueprintOffset;
    if (row < 0 || row >= OfferRows) continue;
    const auto& [shipClass, value] = post.Blueprints.Items[static_cast<size_t>(i)];
    const int price = LinePrice(value);
    const int y = 306 + 14 * row;
    c.TextOut(50, y, ClassName(game, shipClass));
    // A blueprint costs five times the price its ships are then built for.
    c.TextOut(205, y, std::to_string(price * 5) + "(" + std::to_string(price) + ")");
  }
  SelectionFrame(c, 45, 260, 306, game.SelectedBlueprint, view.BlueprintOffset, post.Blueprints.Count(), OfferRows);

  view.ForSaleOffset = FollowSelection(view.ForSaleOffset, game.SelectedForSale, OfferRows);
  for (int i = 0; i < post.ShipsForSale.Count(); ++i) {
    const int row = i + view.ForSaleOffset;
    if (row < 0 || row >= OfferRows) continue;
    const auto& [shipClass, value] = post.ShipsForSale.Items[static_cast<size_t>(i)];
    const int y = 430 + 14 * row;
    c.TextOut(50, y, ClassName(game, shipClass));
    c.TextOut(225, y, std::to_string(LinePrice(value)));
  }
  SelectionFrame(c, 45, 260, 430, game.SelectedForSale, view.ForSaleOffset, post.ShipsForSale.Count(), OfferRows);
}

// What each list's columns are: above the lists' top bars, and beside the button above the
// list of ships for sale.
void DrawListHeadings(TCanvas& c) {
  c.Font.Size = 7;
  c.Font.Color = ValueText;
  c.TextOut(384, 277, "Your ships");
  c.TextOut(503, 277, "Count");
  c.TextOut(531, 277, "Hull/Crew");
  c.TextOut(578, 277, "Price");
  c.TextOut(50, 277, "Blueprint");
  c.TextOut(190, 277, "Price (per ship)");
  c.TextOut(40, 401, "Ships for sale : Price");
  c.Font.Size = 8;
}

}  // namespace

bool PickTradeRow(TGameMain& game, int x, int y) {
  TTradeView& view = ViewOf(game);
  const TTradeInfo* post = ShownPost(game);
  const TFleet* player = game.PlayerFleet();
  auto line = [&](int left, int right, int top, int rows, int offset, int count) {
    return ListEntryAt(x, y, left, right, top, rows, offset, count);
  };
  if (player) {
    const int entry = line(379, 599, 306, FleetRows, view.FleetOffset, player->Ships.Count());
    if (entry >= 0) {
      game.SelectedShip = entry;
      view.KeyList = 0;
      return true;
    }
  }
  if (!post) return false;
  int entry = line(45, 260, 306, OfferRows, view.BlueprintOffset, post->Blueprints.Count());
  if (entry >= 0) {
    game.SelectedBlueprint = entry;
    view.KeyList = 1;
    return true;
  }
  entry = line(45, 260, 430, OfferRows, view.ForSaleOffset, post->ShipsForSale.Count());
  if (entry >= 0) {
    game.SelectedForSale = entry;
    view.KeyList = 2;
    return true;
  }
  return false;
}

void StepTradeList(TGameMain& game, int step) {
  const TTradeInfo* post = ShownPost(game);
  switch (ViewOf(game).KeyList) {
    case 1:
      if (post) StepSelection(game.SelectedBlueprint, step, post->Blueprints.Count());
      break;
    case 2:
      if (post) StepSelection(game.SelectedForSale, step, post->ShipsForSale.Count());
      break;
    default: StepPlayerShip(game, step); break;
  }
}

void SetTradeAvailability(TGameMain& game) {
  if (!game.Buttons) return;
  const TTradeInfo* post = ShownPost(game);
  const TFleet* p = game.PlayerFleet();
  // Each offer as the trade itself decides it, so a lit button always acts and a dimmed one
  // says why not. A price below 1 is no offer: a post never pays for taking its fuel or crew.
  std::string reason;
  if (!post || post->BuyFuel < 1) reason = "They do not buy fuel";
  else if (!p || p->Fuel <= 0) reason = "No fuel to sell";
  OfferButton(game, "trade_sell_fuel", reason);

  reason.clear();
  if (!post || post->SellFuel < 1) reason = "They sell no fuel";
  else if (!p || p->Fuel >= p->MaxFuel) reason = "Your fuel tanks are full";
  else if (p->RU <= 0) reason = RUsNeeded(std::max(1, post->SellFuel / 100));
  OfferButton(game, "trade_buy_fuel", reason);

  reason.clear();
  if (!post || post->SellCrew < 1) reason = "No crew for hire here";
  else if (!p || p->RU < post->SellCrew) reason = RUsNeeded(post->SellCrew);
  OfferButton(game, "trade_hire_crew", reason);

  reason.clear();
  if (!post || post->BuyShipVal < 1) reason = "They do not buy ships";
  else if (!p || !p->Ships.At(game.SelectedShip)) reason = "Choose a ship of yours to sell";
  // The fleet's last entry is sold only while it still stands for another ship.
  else if (p->Ships.Count() <= 1 && p->Ships.At(game.SelectedShip)->Count <= 1) reason = "Your last ship is not for sale";
  OfferButton(game, "trade_ship_sell", reason);

  reason.clear();
  if (!post || post->Blueprints.Count() == 0) {
    reason = "They have no blueprints for sale";
  } else if (game.SelectedBlueprint < 0 || game.SelectedBlueprint >= post->Blueprints.Count()) {
    reason = "Choose a blueprint";
  } else {
    const auto& [shipClass, value] = post->Blueprints.Items[static_cast<size_t>(game.SelectedBlueprint)];
    const long long price = LinePrice(value);
    const int known = game.Designs.IndexOf(shipClass);
    if (price < 0 || !game.FindShipInfo(shipClass)) reason = "That blueprint is not for sale";
    else if (known >= 0 && price >= LinePrice(game.Designs.Items[static_cast<size_t>(known)].second))
      reason = "You already own that design";
    else if (!p || p->RU < 5 * price) reason = RUsNeeded(5 * price);
  }
  OfferButton(game, "trade_blue_buy", reason);

  reason.clear();
  if (!post || post->ShipsForSale.Count() == 0) {
    reason = "They have no ships for sale";
  } else if (game.SelectedForSale < 0 || game.SelectedForSale >= post->ShipsForSale.Count()) {
    reason = "Choose a ship to buy";
  } else {
    const auto& [shipClass, value] = post->ShipsForSale.Items[static_cast<size_t>(game.SelectedForSale)];
    const long long price = LinePrice(value);
    if (price < 0 || !game.FindShipInfo(shipClass)) reason = "That ship is not for sale";
    else if (!p || p->RU < price) reason = RUsNeeded(price);
  }
  OfferButton(game, "trade_ship_buy", reason);
}

void DrawTradeScreen(TGameMain& game, TSurface& surface) {
  TTradeView& view = ViewOf(game);
  const TTradeInfo* post = ShownPost(game);
  const TFleet* player = game.PlayerFleet();

  DrawPicture(game, surface, "trade", 10, 10);
  if (game.Buttons) {
    game.Buttons->Find("close_menu").Draw();
    SetTradeAvailability(game);
    for (const char* key : {"trade_blue_buy", "trade_ship_buy", "trade_ship_sell", "trade_sell_fuel", "trade_buy_fuel",
                            "trade_hire_crew", "trade_blue_scroll_up1", "trade_blue_scroll_down1",
                            "trade_ship_scroll_up1", "trade_ship_scroll_down1", "trade_sell_ship_scroll_up1",
                            "trade_sell_ship_scroll_down1"})
      game.Buttons->Find(key).Draw();
  }

  // The partner's picture was loaded (or reported missing) when trade opened.
  if (game.Env.Images && game.Env.Images->Has("com_pic")) DrawPicture(game, surface, "com_pic", 50, 75);
  if (!game.TradeRace.empty()) DrawPicture(game, surface, game.TradeRace + "_small", 530, 70);
  StepPortraitNoise(game);
  DrawTradeNoise(game, surface);

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 8;
  c.Font.Color = ValueText;
  // The race's lines wrap within the space left of the emblem, above the post's terms.
  DrawTextBox(c, {330, 65, 525, 135}, 10, game.RaceInfoLines);
  if (post) DrawTerms(c, *post);
  if (player) {
    DrawFleetStores(c, *player);
    DrawPlayerShips(c, game, *player, view);
  }
  if (post) DrawOffers(c, game, *post, view);
  DrawListHeadings(c);

  TradeLabel(c, game, "trade_blue_buy", 175, 398, "Buy blueprint");
  TradeLabel(c, game, "trade_ship_buy", 175, 522, "Buy ship");
  TradeLabel(c, game, "trade_ship_sell", 512, 398, "Sell ship");
  TradeLabel(c, game, "trade_sell_fuel", 508, 443, "Sell 100 FU");
  TradeLabel(c, game, "trade_buy_fuel", 508, 456, "Buy 100 FU");
  TradeLabel(c, game, "trade_hire_crew", 508, 504, "Hire crew");
  c.Release();
}

// ---- Opening trade, and the fleet panel's crew and structure of the selected entry ----
// Trade opens from the fleet panel and the encounter menu on any sub-screen; the crew and
// structure buttons act only on the player's own fleet and do nothing while a screen that holds
// the keys is shown.
static bool RouteFleetEconomyKey(TGameMain& game, const std::string& key) {
  if (key == "trade_fleet" || key == "trade_fleet_dse") {
    if (!game.OpenTrade()) game.ShowReason("They have nothing to trade");
    return true;
  }
  static const struct {
    const char* Key;
    void (TGameMain::*Action)();
  } adjustments[] = {
      {"ship_scroll_left_1", &TGameMain::CrewOneMore}, {"ship_scroll_right_1", &TGameMain::CrewOneLess},
      {"full_scroll_left_1", &TGameMain::CrewFull},    {"full_scroll_right_1", &TGameMain::CrewToOne},
      {"ship_scroll_left_2", &TGameMain::RepairOne},   {"ship_scroll_right_2", &TGameMain::StripOne},
      {"full_scroll_left_2", &TGameMain::RepairFull},  {"full_scroll_right_2", &TGameMain::StripToOne},
  };
  for (const auto& a : adjustments)
    if (key == a.Key) {
      if (!ScreenHoldsKeys(game.SubScreen()) && game.SelectedFleet == 0) (game.*a.Action)();
      return true;
    }
  return false;
}

bool RouteEconomyKey(TGameMain& game, const std::string& key) {
  if (RouteFleetEconomyKey(game, key)) return true;
  if (RouteTradeKey(game, key)) return true;
  if (RouteLogisticsKey(game, key)) return true;
  return false;
}

}  // namespace sw
