// Trade posts and the fleet economy: buying and selling at a post, manufacture, recycling, and
// the crew and structure of the player's ship entries. Every amount is a whole number; an
// operation that cannot be paid does nothing and says nothing.
#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>

#include "campaign/GameMain.h"
#include "campaign/TradeLines.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/HeldNumber.h"
#include "core/Text.h"

namespace sw {

namespace {

// No list of a trade post is longer than this; a larger count is a data error.
constexpr int MaxTradeList = 1000;

// num / den rounded to the nearest whole number, halves to the even neighbour (den > 0). Done
// in whole numbers so that a price like 35 x 110 / 100 = 38.5 is exactly a half.
long long RoundDiv(long long num, long long den) {
  long long q = num / den, r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
  return q;
}

int ClampInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// The price of a class=price line; no value when it is not a number.
std::optional<long long> LinePrice(const std::pair<std::string, std::string>& line) {
  const auto v = ParseInteger(Trim(line.second));
  if (!v || *v < INT_MIN || *v > INT_MAX) return std::nullopt;
  return *v;
}

}  // namespace

std::optional<std::pair<std::string, int>> ParseTradeLine(const std::string& line) {
  // "class;price" as the files write it, or "class=price" as the lists hold it.
  const size_t cut = line.find_first_of(";=");
  if (cut == std::string::npos) return std::nullopt;
  const std::string cls = Trim(line.substr(0, cut));
  std::string price = Trim(line.substr(cut + 1));
  if (!price.empty() && price.back() == ';') price = Trim(price.substr(0, price.size() - 1));
  const auto v = ParseInteger(price);
  if (cls.empty() || !v || *v < INT_MIN || *v > INT_MAX) return std::nullopt;
  return std::make_pair(cls, static_cast<int>(*v));
}

// ---- Reading trade.adf -------------------------------------------------------------------------

void TGameMain::ReadTradePosts() {
  const std::string file = WorldFile("trade.adf");
  auto readInt = [&](const std::string& section, const std::string& key) {
    const std::string text = Trim(AdfReadString(file, section, key, ""));
    if (text.empty()) return 0;
    const auto v = ParseInteger(text);
    if (!v || *v < INT_MIN || *v > INT_MAX) {
      DataError(file, section, key, "\"" + text + "\" is not a number");
      return 0;
    }
    // Prices and counts are held to a range the sums of a trade cannot overflow.
    std::string problem;
    const int held = static_cast<int>(HoldToRange(*v, -CampaignLimits::Amount, CampaignLimits::Amount, &problem));
    if (!problem.empty()) DataError(file, section, key, problem);
    return held;
  };
  auto readList = [&](const std::string& section, const std::string& countKey, const std::string& itemKey,
                      TNameValueList& list) {
    int n = readInt(section, countKey);
    if (n < 0 || n > MaxTradeList) {
      DataError(file, section, countKey, "the count " + std::to_string(n) + " is not 0.." + std::to_string(MaxTradeList));
      n = 0;
    }
    // A negative price is kept: the line is listed but not offered.
    for (int i = 1; i <= n; ++i) {
      const std::string key = itemKey + std::to_string(i);
      const std::string text = Trim(AdfReadString(file, section, key, ""));
      const auto line = ParseTradeLine(text);
      if (!line) {
        DataError(file, section, key, "\"" + text + "\" is not class;price");
        continue;
      }
      const int cls = ShipInfos.IndexOf(line->first);
      if (cls < 0) {
        DataError(file, section, key, "ship class \"" + line->first + "\" is not in the campaign");
        continue;
      }
      std::string problem;
      const long long price = HoldToRange(line->second, -CampaignLimits::Amount, CampaignLimits::Amount, &problem);
      if (!problem.empty()) DataError(file, section, key, "the price " + problem);
      list.Items.emplace_back(ShipInfos.NameAt(cls), std::to_string(price));
    }
  };
  TradePosts.Clear();
  for (const auto& name : AdfReadSections(file)) {
    auto post = std::make_unique<TTradeInfo>();
    post->BuyFuel = readInt(name, "BUY_FUEL");
    post->SellFuel = readInt(name, "SELL_FUEL");
    post->SellCrew = readInt(name, "SELL_CREW");
    post->BuyShipVal = readInt(name, "BUY_SHIP_VAL");
    readList(name, "BLUEPRINTS", "BLUEPRINT", post->Blueprints);
    readList(name, "SHIPS", "SHIP", post->ShipsForSale);
    post->Active = readInt(name, "ACTIVE") != 0;
    TradePosts.Add(name, std::move(post));
  }
}

// ---- Finding and opening a post -----------------------------------------------------------------

TTradeInfo* TGameMain::PostFor(const std::string& partner, const std::string& race, std::string* postName) const {
  // A character trades at its own post when it has one; anyone else at its race's.
  int index = FindCharacter(partner) ? TradePosts.IndexOf(partner) : -1;
  if (index < 0 && !race.empty()) index = TradePosts.IndexOf(race);
  if (index < 0) return nullptr;
  if (postName) *postName = TradePosts.NameAt(index);
  return TradePosts.At(index);
}

TTradeInfo* TGameMain::PostOf(const TFleet& fleet, std::string* postName) const {
  return PostFor(fleet.Cmdr, fleet.Race, postName);
}

TTradeInfo* TGameMain::ActivePostOf(const TFleet& fleet) const {
  TTradeInfo* post = PostOf(fleet);
  return post && post->Active ? post : nullptr;
}

TTradeInfo* TGameMain::CurrentPost() const { return TradePost.empty() ? nullptr : TradePosts.Find(TradePost); }

bool TGameMain::OpenTrade() {
  const TFleet* fleet = Fleets.At(SelectedFleet);
  if (SelectedFleet <= 0 || !fleet) return false;
  std::string name;
  const TTradeInfo* post = PostOf(*fleet, &name);
  if (!post || !post->Active) return false;
  OpenPost(name, fleet->Cmdr, fleet->Race);
  return true;
}

bool TGameMain::OpenTradeWith(const std::string& partner, const std::string& race) {
  // A talk's partner trades whether or not its post is active: the talk offered it.
  std::string name;
  if (!PostFor(partner, race, &name)) return false;
  OpenPost(name, partner, race);
  return true;
}

void TGameMain::OpenPost(const std::string& postName, const std::string& partner, const std::string& race) {
  TradePost = postName;
  TradeRace = race;
  const TCharacter* c = FindCharacter(partner);
  LoadComPortrait(c ? c->Image : race + "0");
  SetSpeed(0);
  FillRaceInfoLines(race);
  SelectedBlueprint = SelectedForSale = SelectedDesign = 0;
  SelectedShip = 0;
  ShowScreen(csTrade);
}

// ---- Fuel and crew --------------------------------------------------------------------------------

void TGameMain::BuyFuel() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || post->SellFuel <= 0) return;
  const long long price = post->SellFuel;
  const long long room = static_cast<long long>(p->MaxFuel) - p->Fuel;
  if (room <= 0) return;
  const long long amount = std::min<long long>(room, 100);
  const long long cost = RoundDiv(amount * price, 100);
  if (p->RU < cost) {
    // Not enough for the whole amount: every RU buys what it can.
    if (p->RU <= 0) return;
    const long long fuel = std::min(amount, RoundDiv(static_cast<long long>(p->RU) * 100, price));
    // RUs too few to buy a single unit at a dear post are kept, not paid for nothing.
    if (fuel <= 0) return;
    p->Fuel = ClampInt(p->Fuel + fuel);
    p->RU = 0;
  } else {
    p->Fuel = ClampInt(p->Fuel + amount);
    p->RU = ClampInt(p->RU - cost);
  }
}

void TGameMain::SellFuel() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || post->BuyFuel <= 0) return;
  const long long amount = std::min(p->Fuel, 100);
  if (amount <= 0) return;
  p->RU = ClampInt(p->RU + RoundDiv(amount * post->BuyFuel, 100));
  p->Fuel = ClampInt(p->Fuel - amount);
}

void TGameMain::HireCrew() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || post->SellCrew <= 0 || p->RU < post->SellCrew) return;
  p->RU -= post->SellCrew;
  p->Crew = ClampInt(static_cast<long long>(p->Crew) + 1);
}

// ---- Ships ------------------------------------------------------------------------------------------

void TGameMain::AddNewEntry(const std::string& shipClass) {
  TFleet* p = PlayerFleet();
  const int index = ShipInfos.IndexOf(shipClass);
  if (!p || index < 0) return;
  const TShipInfo& info = *ShipInfos.At(index);
  auto ship = std::make_unique<TShip>();
  ship->ShipClass = ShipInfos.NameAt(index);
  ship->Count = 1;
  ship->Structure = info.Structure;
  // A full crew when the spare crew has it, else all the spare crew there is.
  const int crew = std::max(info.Crew, 0);
  ship->Crew = std::min(crew, std::max(p->Crew, 0));
  p->Crew -= ship->Crew;
  // Entry names stay unique after entries in the middle were sold or lost.
  p->Ships.Add(p->FreeEntryName(), std::move(ship));
  UnlockVessel(shipClass);
}

void TGameMain::BuyShip() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || SelectedForSale < 0 || SelectedForSale >= post->ShipsForSale.Count()) return;
  const auto& line = post->ShipsForSale.Items[static_cast<size_t>(SelectedForSale)];
  const auto price = LinePrice(line);
  // A negative price (an event's way of withdrawing a line) is not offered.
  if (!price || *price < 0 || p->RU < *price || !FindShipInfo(line.first)) return;
  p->RU = ClampInt(p->RU - *price);
  AddNewEntry(line.first);
}

void TGameMain::RemoveOwnEntry(int index) {
  PlayerFleet()->Ships.Delete(index);
  KeepShipSelection();
}

bool TGameMain::CanPartWithShip(const TFleet& fleet, const TShip& entry) {
  // The fleet's last entry goes only while it still stands for another ship.
  return fleet.Ships.Count() > 1 || entry.Count > 1;
}

void TGameMain::TakeOneShip(int index) {
  // Every ship of an entry carries the entry's structure and crew: one of them leaves, the
  // entry goes with its last ship.
  TShip* entry = PlayerFleet()->Ships.At(index);
  if (!entry) return;
  if (entry->Count > 1) --entry->Count;
  else RemoveOwnEntry(index);
}

void TGameMain::KeepShipSelection() {
  // On the last entry when it pointed past the end (-1 when the fleet has none left).
  const TFleet* p = PlayerFleet();
  if (p && SelectedShip >= p->Ships.Count()) SelectedShip = p->Ships.Count() - 1;
}

void TGameMain::SellShip() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || post->BuyShipVal <= 0) return;
  TShip* entry = p->Ships.At(SelectedShip);
  if (!entry || !CanPartWithShip(*p, *entry)) return;
  const std::string shipClass = entry->ShipClass;
  const int price = SalePrice(*entry), crew = entry->Crew;
  // The sale is complete before the class's triggers run: their events may change the fleet.
  TakeOneShip(SelectedShip);
  p->RU = ClampInt(static_cast<long long>(p->RU) + price);
  p->Crew = ClampInt(static_cast<long long>(p->Crew) + crew);
  ShipLost(shipClass);
  KeepShipSelection();
}

int TGameMain::SalePrice(const TShip& entry) const {
  const TTradeInfo* post = CurrentPost();
  const long long addition = post ? post->BuyShipVal : 0;
  return ClampInt(RoundDiv(static_cast<long long>(entry.Structure) * (100 + addition), 100));
}

// ---- Designs, manufacture and recycling ---------------------------------------------------------------

void TGameMain::BuyBlueprint() {
  const TTradeInfo* post = CurrentPost();
  TFleet* p = PlayerFleet();
  if (!post || !p || SelectedBlueprint < 0 || SelectedBlueprint >= post->Blueprints.Count()) return;
  const auto line = post->Blueprints.Items[static_cast<size_t>(SelectedBlueprint)];
  const auto price = LinePrice(line);
  if (!price || *price < 0 || p->RU < 5 * *price || !FindShipInfo(line.first)) return;
  const int known = Designs.IndexOf(line.first);
  if (known >= 0) {
    // Only a cheaper design replaces the one the player has; it moves to the end.
    const auto cost = LinePrice(Designs.Items[static_cast<size_t>(known)]);
    if (cost && *price >= *cost) return;
    Designs.Items.erase(Designs.Items.begin() + known);
    if (SelectedDesign >= Designs.Count()) SelectedDesign = std::max(Designs.Count() - 1, 0);
  }
  Designs.Items.emplace_back(line.first, std::to_string(*price));
  p->RU = ClampInt(p->RU - 5 * *price);
  UnlockVessel(line.first);
}

void TGameMain::Manufacture() {
  TFleet* p = PlayerFleet();
  if (!CanBuild || !p || SelectedDesign < 0 || SelectedDesign >= Designs.Count()) return;
  const auto& design = Designs.Items[static_cast<size_t>(SelectedDesign)];
  const auto cost = LinePrice(design);
  if (!cost || *cost < 0 || p->RU < *cost || !FindShipInfo(design.first)) return;
  p->RU = ClampInt(p->RU - *cost);
  AddNewEntry(design.first);
}

void TGameMain::Recycle() {
  TFleet* p = PlayerFleet();
  if (!CanRecycle || !p) return;
  TShip* entry = p->Ships.At(SelectedShip);
  if (!entry || !CanPartWithShip(*p, *entry)) return;
  const std::string shipClass = entry->ShipClass;
  const int structure = std::max(entry->Structure, 0), crew = std::max(entry->Crew, 0);
  TakeOneShip(SelectedShip);
  p->RU = ClampInt(static_cast<long long>(p->RU) + structure);
  p->Crew = ClampInt(static_cast<long long>(p->Crew) + crew);
  ShipLost(shipClass);
  KeepShipSelection();
}

// ---- Crew and structure of the selected entry of the player's own fleet ----------------------------------

TShip* TGameMain::SelectedOwnEntry(const TShipInfo** info) const {
  const TFleet* p = PlayerFleet();
  if (SelectedFleet != 0 || !p) return nullptr;
  TShip* entry = p->Ships.At(SelectedShip);
  if (entry && info) *info = FindShipInfo(entry->ShipClass);
  return entry;
}

void TGameMain::CrewOneMore() {
  const TShipInfo* info = nullptr;
  TShip* e = SelectedOwnEntry(&info);
  TFleet* p = PlayerFleet();
  if (!e || !info || e->Crew >= info->Crew || p->Crew <= 0) return;
  ++e->Crew;
  --p->Crew;
}

void TGameMain::CrewOneLess() {
  TShip* e = SelectedOwnEntry();
  if (!e || e->Crew <= 1) return;
  --e->Crew;
  ++PlayerFleet()->Crew;
}

void TGameMain::CrewFull() {
  const TShipInfo* info = nullptr;
  TShip* e = SelectedOwnEntry(&info);
  TFleet* p = PlayerFleet();
  if (!e || !info) return;
  const int moved = std::min(info->Crew - e->Crew, p->Crew);
  if (moved <= 0) return;
  e->Crew += moved;
  p->Crew -= moved;
}

void TGameMain::CrewToOne() {
  TShip* e = SelectedOwnEntry();
  if (!e || e->Crew <= 1) return;
  PlayerFleet()->Crew = ClampInt(static_cast<long long>(PlayerFleet()->Crew) + e->Crew - 1);
  e->Crew = 1;
}

void TGameMain::RepairOne() {
  const TShipInfo* info = nullptr;
  TShip* e = SelectedOwnEntry(&info);
  TFleet* p = PlayerFleet();
  if (!e || !info || e->Structure >= info->Structure || p->RU <= 0) return;
  ++e->Structure;
  --p->RU;
}

void TGameMain::StripOne() {
  TShip* e = SelectedOwnEntry();
  if (!e || e->Structure <= 1) return;
  --e->Structure;
  PlayerFleet()->RU = ClampInt(static_cast<long long>(PlayerFleet()->RU) + 1);
}

void TGameMain::RepairFull() {
  const TShipInfo* info = nullptr;
  TShip* e = SelectedOwnEntry(&info);
  TFleet* p = PlayerFleet();
  if (!e || !info) return;
  const int bought = std::min(info->Structure - e->Structure, p->RU);
  if (bought <= 0) return;
  e->Structure += bought;
  p->RU -= bought;
}

void TGameMain::StripToOne() {
  TShip* e = SelectedOwnEntry();
  if (!e || e->Structure <= 1) return;
  PlayerFleet()->RU = ClampInt(static_cast<long long>(PlayerFleet()->RU) + e->Structure - 1);
  e->Structure = 1;
}

}  // namespace sw
