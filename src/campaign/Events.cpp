// The event script: a section of the campaign's events.adf whose keys change the world, read in
// one fixed order: the event screen, the payments the player may lack (each lack runs the fail
// event), resources, devices and VIPs, relations, the end of the game, the log, the map, ships,
// fleets, trade terms, the database, story states, ranges and abilities, destroyed fleets,
// characters and an internal talk. A name that does not resolve is a data error naming
// events.adf, the event and the key; the rest of the event still runs.
#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "campaign/EventScript.h"
#include "campaign/GameMain.h"
#include "campaign/Notices.h"
#include "campaign/SafeNames.h"
#include "campaign/TradeLines.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/HeldNumber.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

int Clamp(long long v, long long lo, long long hi) { return static_cast<int>(std::clamp(v, lo, hi)); }

// One run of one event.
class TEventRun {
public:
  TEventRun(TGameMain& game, std::string file, std::string section)
      : G(game), File(std::move(file)), Section(std::move(section)), Keys(AdfReadKeys(File, Section)) {}

  void Run() {
    EventScreen();
    FailEvents();
    Resources();
    PaidEvent();
    DevicesAndVips();
    RelationsRow();
    if (Flag("GAME_OVER")) G.GameOver = true;
    Logs();
    MapRows();
    Ships();
    Fleets();
    Races();
    Player();
    Designs();
    TradePosts();
    Database();
    StatesRows();
    RangesAndAbilities();
    DestroyFleets();
    Characters();
    InternalTalk();
  }

private:
  TGameMain& G;
  std::string File, Section;
  std::vector<std::string> Keys;
  // Something the event asks the player to give was lacking (its FAIL_EVENT ran).
  bool Unpaid = false;

  // ---- Reading the section ----
  bool Has(const std::string& key) const { return AdfKeyExists(File, Section, key); }
  std::string Text(const std::string& key) const { return Trim(AdfReadString(File, Section, key, "")); }
  void Error(const std::string& key, const std::string& message) { G.DataError(File, Section, key, message); }
  // An integer key: no value when absent; a value that is not a number is a data error.
  std::optional<long long> Int(const std::string& key) {
    if (!Has(key)) return std::nullopt;
    const std::string text = Text(key);
    const auto v = ParseInteger(text);
    if (!v || *v < INT_MIN || *v > INT_MAX) {
      Error(key, "\"" + text + "\" is not a number");
      return std::nullopt;
    }
    if (const auto range = EventNumberRange(key)) {
      std::string problem;
      const long long held = HoldToRange(*v, range->Lo, range->Hi, &problem);
      if (!problem.empty()) Error(key, problem);
      return held;
    }
    return *v;
  }
  long long IntOr(const std::string& key, long long def) { return Int(key).value_or(def); }
  bool Flag(const std::string& key) { return IntOr(key, 0) != 0; }
  int Count(const std::string& key) {
    const long long n = IntOr(key, 0);
    if (n < 0 || n > MaxEventList) {
      Error(key, "the count " + std::to_string(n) + " is not 0.." + std::to_string(MaxEventList));
      return 0;
    }
    return static_cast<int>(n);
  }
  // The fields of the numbered lines of a list ("title;status"), with the key each came from.
  std::vector<std::pair<std::string, std::vector<std::string>>> ListLines(const std::string& countKey,
                                                                          const std::string& itemKey) {
    std::vector<std::pair<std::string, std::vector<std::string>>> lines;
    const int n = Count(countKey);
    for (int i = 1; i <= n; ++i) {
      const std::string key = itemKey + std::to_string(i);
      auto fields = SplitFields(Text(key));
      for (auto& f : fields) f = Trim(f);
      lines.emplace_back(key, std::move(fields));
    }
    return lines;
  }
  // The names written after a key's prefix ("TELEPORT@" + name), in file order.
  std::vector<std::string> NamesAfter(const std::string& prefix) const {
    std::vector<std::string> names;
    for (const auto& key : Keys)
      if (auto name = NameAfter(key, prefix)) names.push_back(Trim(*name));
    return names;
  }
  // The fleets, in Fleets order, that keys with the prefix name; names of no fleet are errors.
  std::vector<std::string> FleetsNamed(const std::string& prefix) {
    const auto names = NamesAfter(prefix);
    for (const auto& name : names)
      if (!G.FindFleet(name)) Error(prefix + name, "fleet \"" + name + "\" does not exist");
    std::vector<std::string> fleets;
    for (int i = 0; i < G.Fleets.Count(); ++i) {
      const std::string& fleet = G.Fleets.At(i)->Name;
      for (const auto& name : names)
        if (SameText(name, fleet)) {
          fleets.push_back(fleet);
          break;
        }
    }
    return fleets;
  }
  TLocation* Location(const std::string& key, const std::string& name) {
    TLocation* loc = G.FindLocation(name);
    if (!loc) Error(key, "location \"" + name + "\" is not on the map");
    return loc;
  }

  // ---- 1. The event screen ----
  void EventScreen() {
    if (!Flag("SHOW_EVENT_SCREEN")) return;
    // One more line than TEXT_LINES says; a missing line is empty.
    long long lines = IntOr("TEXT_LINES", 0);
    if (lines < -1 || lines >= MaxEventList) {
      Error("TEXT_LINES", "the count " + std::to_string(lines) + " is not 0.." + std::to_string(MaxEventList - 1));
      lines = 0;
    }
    G.EventText.clear();
    for (long long n = 1; n <= lines + 1; ++n) G.EventText.push_back(AdfReadString(File, Section, "TEXT" + std::to_string(n), ""));
    Picture();
    G.SetSpeed(0);
    G.ShowScreen(csEvent);
  }

  void Picture() {
    if (!G.Env.Images) return;
    // The old picture goes first: an event without one, or whose picture fails, shows none.
    G.Env.Images->Remove("event_pic");
    const std::string image = Text("IMAGE");
    if (image.empty()) return;
    if (!IsSafeDataName(image)) {
      Error("IMAGE", "the picture \"" + image + "\" leaves the campaign's folder");
      return;
    }
    const std::string path =
        ResolvePath(NormalizeSlashes(G.Env.GraphicsFolder + "campaigns/" + G.CampaignFolder + "/" + image + ".img"));
    try {
      G.Env.Images->LoadImage("event_pic", path, clBlack);
    } catch (const std::exception& e) {
      G.Env.Images->Remove("event_pic");
      Error("IMAGE", std::string("the picture cannot be loaded: ") + e.what());
    }
  }

  // ---- 2-6. What the player lacks runs the fail event (and the rest of this event runs on) ----
  void FailEvents() {
    TFleet* p = G.PlayerFleet();
    const std::string fail = Text("FAIL_EVENT");
    auto lacks = [&](const std::string& key, int have) {
      const auto want = Int(key);
      if (want && have < *want) {
        Unpaid = true;
        G.RunEvent(fail);
      }
    };
    lacks("GIVE_RU", p->RU);
    lacks("GIVE_CREW", G.PlayerFleet()->Crew);
    lacks("GIVE_FUEL", G.PlayerFleet()->Fuel);
    auto lacksItem = [&](const std::string& key, bool isDevice) {
      const std::string item = Text(key);
      if (item.empty()) return;
      const auto& list = isDevice ? G.PlayerFleet()->Devices : G.PlayerFleet()->Vips;
      if (std::find(list.begin(), list.end(), item) == list.end()) {
        Unpaid = true;
        G.RunEvent(fail);
      }
    };
    lacksItem("GIVE_DEVICE", true);
    lacksItem("GIVE_VIP", false);
  }

  // ---- 7-10. Resource units, crew and fuel: what is given first, then what is paid ----
  void Resources() {
    TFleet& p = *G.PlayerFleet();
    auto apply = [&](int& value, const std::string& get, const std::string& give, const std::string& all,
                     long long cap) {
      long long v = value;
      if (const auto add = Int(get)) {
        v += *add;
        // What is gotten never raises the value over the cap (fuel over its tanks' capacity).
        if (*add > 0) v = std::min(v, std::max<long long>(cap, value));
      }
      if (const auto pay = Int(give); pay && *pay > 0 && v >= *pay) v -= *pay;
      if (Flag(all)) v = 0;
      value = Clamp(v, 0, INT_MAX);
    };
    apply(p.RU, "GET_RU", "GIVE_RU", "GIVE_ALL_RU", LLONG_MAX);
    apply(p.Crew, "GET_CREW", "GIVE_CREW", "GIVE_ALL_CREW", LLONG_MAX);
    apply(p.Fuel, "GET_FUEL", "GIVE_FUEL", "GIVE_ALL_FUEL", p.MaxFuel);
  }

  // ---- After the payments: PAID_EVENT runs only when everything asked for was given, so what
  // a purchase brings (hired hands, say) comes only with the payment ----
  void PaidEvent() {
    const std::string paid = Text("PAID_EVENT");
    if (!paid.empty() && !Unpaid) G.RunEvent(paid);
  }

  // ---- 11-14. Devices and VIPs (each gain and loss fires its triggers) ----
  void DevicesAndVips() {
    auto items = [&](bool device) {
      auto list = [&]() -> std::vector<std::string>& {
        return device ? G.PlayerFleet()->Devices : G.PlayerFleet()->Vips;
      };
      const std::string get = Text(device ? "GET_DEVICE" : "GET_VIP");
      if (!get.empty()) device ? G.GainDevice(get) : G.GainVip(get);
      const std::string give = Text(device ? "GIVE_DEVICE" : "GIVE_VIP");
      if (!give.empty() && std::find(list().begin(), list().end(), give) != list().end())
        device ? G.LoseDevice(give) : G.LoseVip(give);
      if (Flag(device ? "GIVE_ALL_DEVICES" : "GIVE_ALL_VIPS")) {
        // What is carried now goes, first to last; what the triggers of these losses give stays.
        const std::vector<std::string> carried = list();
        for (const auto& item : carried) device ? G.LoseDevice(item) : G.LoseVip(item);
      }
    };
    items(true);
    items(false);
  }

  // ---- 15. Relations: a key with a race's name sets that race's attitude, held to 0..100 ----
  void RelationsRow() {
    for (auto& [race, value] : G.Relations.Items)
      if (const auto v = Int(race)) value = std::to_string(Clamp(*v, 0, 100));
  }

  // ---- 17. The mission log ----
  void Logs() {
    for (const auto& [key, f] : ListLines("ADD_LOGS", "ADD_LOG")) {
      if (f.size() < 2 || f[0].empty()) {
        Error(key, "the log line is not title;status");
        continue;
      }
      G.Logs.Set(f[0], f[1]);
    }
  }

  // ---- 18-21. Known locations, planets' artifacts and VIPs, captured systems ----
  void MapRows() {
    for (const auto& [key, f] : ListLines("MAKE_KNOWNS", "MAKE_KNOWN"))
      if (TLocation* loc = Location(key, f.empty() ? "" : f[0])) G.MakeKnown(*loc);
    auto onPlanet = [&](const std::string& countKey, const std::string& itemKey, bool device) {
      for (const auto& [key, f] : ListLines(countKey, itemKey)) {
        if (f.size() < 3) {
          Error(key, std::string("the line is not ") + (device ? "device" : "VIP") + ";location;planet");
          continue;
        }
        TLocation* loc = Location(key, f[1]);
        if (!loc) continue;
        TPlanet* planet = loc->PlanetList.Find(f[2]);
        if (!planet) {
          Error(key, "planet \"" + f[2] + "\" is not at " + loc->LocName);
          continue;
        }
        (device ? planet->Artifact : planet->Vip) = f[0];
      }
    };
    onPlanet("ADD_DEVICE_TO_PLANETS", "ADD_DEVICE_TO_PLANET", true);
    onPlanet("ADD_VIP_TO_PLANETS", "ADD_VIP_TO_PLANET", false);
    for (const auto& [key, f] : ListLines("CAPTURE_SYSTEMS", "CAPTURE_SYSTEM")) {
      if (f.size() < 2) {
        Error(key, "the line is not location;race");
        continue;
      }
      TLocation* loc = Location(key, f[0]);
      if (!loc) continue;
      if (!G.FindRace(f[1])) {
        Error(key, "race \"" + f[1] + "\" is not in the campaign");
        continue;
      }
      loc->Owner = G.Races.NameAt(G.Races.IndexOf(f[1]));
    }
  }

  // ---- 22-25. The player's warp bonus, ships given and taken ----
  void Ships() {
    TFleet& p = *G.PlayerFleet();
    if (const auto mod = Int("WARP_SPEED_MOD"); mod && *mod != 0) p.WarpMod = Clamp(p.WarpMod + *mod, -100000, 100000);
    for (const auto& name : FleetsNamed("GET_SHIPS@")) {
      const int n = Count("GET_SHIPS@" + name);
      for (int i = 1; i <= n; ++i) {
        const std::string key = "GET_SHIP" + std::to_string(i) + "@" + name;
        const std::string cls = Text(key);
        const TShipInfo* info = G.FindShipInfo(cls);
        TFleet* fleet = G.FindFleet(name);
        if (!info) {
          Error(key, "ship class \"" + cls + "\" is not in the campaign");
          continue;
        }
        auto ship = std::make_unique<TShip>();
        ship->ShipClass = G.ShipInfos.NameAt(G.ShipInfos.IndexOf(cls));
        ship->Count = 1;
        ship->Structure = info->Structure;
        ship->Crew = info->Crew;
        fleet->Ships.Add(fleet->FreeEntryName(), std::move(ship));
      }
    }
    for (const auto& name : FleetsNamed("LOOSE_SHIPS@")) {
      const int n = Count("LOOSE_SHIPS@" + name);
      for (int i = 1; i <= n; ++i) {
        const std::string cls = Text("LOOSE_SHIP" + std::to_string(i) + "@" + name);
        TFleet* fleet = G.FindFleet(name);
        const int entry = TGameMain::LastShipOfClass(*fleet, cls);
        if (entry < 0) continue;  // a class the fleet lacks is skipped
        if (--fleet->Ships.At(entry)->Count < 1) fleet->Ships.Delete(entry);
      }
    }
    if (Flag("REMOVE_ALL_SHIPS")) G.PlayerFleet()->Ships.Clear();
  }

  // ---- 26-27. Fleets teleported and sent ----
  void Fleets() {
    for (const auto& name : FleetsNamed("TELEPORT@")) {
      const std::string key = "TELEPORT@" + name;
      const auto place = ParseEventPlace(Text(key));
      if (!place) {
        Error(key, "\"" + Text(key) + "\" is not # and a location, or X x Y");
        continue;
      }
      TLocation* target = nullptr;
      if (!place->Location.empty()) {
        target = Location(key, place->Location);
        if (!target) continue;
        if (target->LocType == ltFleetLocation) {
          Error(key, "\"" + place->Location + "\" is a fleet in open space, not a location");
          continue;
        }
      }
      Teleport(*G.FindFleet(name), target, place->X, place->Y);
    }
    for (const auto& name : FleetsNamed("SEND@")) {
      const std::string key = "SEND@" + name;
      TFleet& fleet = *G.FindFleet(name);
      const auto place = ParseEventPlace(Text(key));
      if (!place) {
        Error(key, "\"" + Text(key) + "\" is not # and a location, or X x Y");
        continue;
      }
      fleet.ClearDestination();
      if (place->Location.empty()) {
        fleet.DX = place->X;
        fleet.DY = place->Y;
      } else if (TLocation* loc = Location(key, place->Location)) {
        fleet.DSystem = loc->LocName;
      }
    }
  }

  // The fleet leaves where it is (its system's fleet list, or its own fleet location, which
  // goes) and is put at the location, or in open space at the point on a fleet location of its
  // own. The selection follows the player's fleet.
  void Teleport(TFleet& fleet, TLocation* target, int x, int y) {
    const std::string name = fleet.Name;
    const bool isPlayer = &fleet == G.PlayerFleet();
    const int from = G.WhereIsFleet(name);
    const bool selectedHere = isPlayer && from >= 0 && G.SelectedLocation == from;
    const std::string targetName = target ? target->LocName : std::string();
    if (from >= 0) {
      auto& names = G.Locations.At(from)->FleetNames;
      names.erase(std::remove_if(names.begin(), names.end(), [&](const std::string& n) { return SameText(n, name); }),
                  names.end());
      if (G.Locations.At(from)->LocType == ltFleetLocation) G.RemoveLocation(from);
    }
    if (target) {
      target = G.FindLocation(targetName);  // the list may have moved
      fleet.System = target->LocName;
      fleet.X = target->X;
      fleet.Y = target->Y;
      target->FleetNames.push_back(name);
    } else {
      fleet.System.clear();
      fleet.X = x;
      fleet.Y = y;
      G.MakeFleetLocation(fleet);
    }
    if (selectedHere || (isPlayer && G.SelectedLocation < 0)) G.SelectedLocation = G.PlayerLocation();
  }

  // ---- 28. Races' dialogue section words ----
  void Races() {
    for (const auto& name : NamesAfter("RACE@")) {
      TRaceInfo* race = G.FindRace(name);
      if (!race) {
        Error("RACE@" + name, "race \"" + name + "\" is not in the campaign");
        continue;
      }
      race->RaceSect = Text("RACE@" + name);
    }
  }

  // ---- 29. The player's fuel capacity ----
  void Player() {
    TFleet& p = *G.PlayerFleet();
    if (const auto mod = Int("FUEL_CAP_MOD"); mod && *mod != 0) p.MaxFuel = Clamp(p.MaxFuel + *mod, 0, INT_MAX);
  }

  // ---- 30. Blueprints the player may build ----
  void Designs() {
    for (const auto& [key, f] : ListLines("ADD_BLUES", "ADD_BLUE")) {
      const auto cost = f.size() >= 2 ? ParseInteger(f[1]) : std::nullopt;
      if (!cost || *cost < 0 || *cost > INT_MAX) {
        Error(key, "the line is not class;cost");
        continue;
      }
      if (!G.FindShipInfo(f[0])) {
        Error(key, "ship class \"" + f[0] + "\" is not in the campaign");
        continue;
      }
      // A design listed already takes the new cost: one line per class.
      G.Designs.Set(G.ShipInfos.NameAt(G.ShipInfos.IndexOf(f[0])), std::to_string(*cost));
    }
  }

  // ---- 31-39. Trade posts ----
  // The trade posts, in TradePosts order, that keys with the prefix name; names of no post are
  // errors.
  std::vector<std::string> PostsNamed(const std::string& prefix) {
    const auto names = NamesAfter(prefix);
    for (const auto& name : names)
      if (!G.TradePosts.Find(name)) Error(prefix + name, "trade post \"" + name + "\" does not exist");
    std::vector<std::string> posts;
    for (int i = 0; i < G.TradePosts.Count(); ++i) {
      const std::string& post = G.TradePosts.NameAt(i);
      for (const auto& name : names)
        if (SameText(name, post)) {
          posts.push_back(post);
          break;
        }
    }
    return posts;
  }
  // A post's list changed by the lines "<item> n @ post" counted by "<item>S@ post": added as
  // class=price, or each removed once when the post lists exactly that line.
  void PostList(const std::string& item, TNameValueList TTradeInfo::*list, bool add) {
    for (const auto& name : PostsNamed(item + "S@")) {
      TNameValueList& lines = G.TradePosts.Find(name)->*list;
      const int n = Count(item + "S@" + name);
      for (int i = 1; i <= n; ++i) {
        const std::string key = item + std::to_string(i) + "@" + name;
        const auto line = ParseTradeLine(Text(key));
        if (!line) {
          Error(key, "the line is not class;price");
          continue;
        }
        const int cls = G.ShipInfos.IndexOf(line->first);
        if (cls < 0) {
          Error(key, "ship class \"" + line->first + "\" is not in the campaign");
          continue;
        }
        if (add) {
          lines.Items.emplace_back(G.ShipInfos.NameAt(cls), std::to_string(line->second));
          continue;
        }
        for (size_t k = 0; k < lines.Items.size(); ++k) {
          const auto held = ParseTradeLine(lines.Items[k].first + "=" + lines.Items[k].second);
          if (held && SameText(held->first, line->first) && held->second == line->second) {
            lines.Items.erase(lines.Items.begin() + static_cast<long>(k));
            break;
          }
        }
      }
    }
  }
  void TradePosts() {
    for (const auto& name : PostsNamed("TRADE_ACTIVE@"))
      if (const auto v = Int("TRADE_ACTIVE@" + name)) G.TradePosts.Find(name)->Active = *v != 0;
    // A price below 1 means the post does not offer that trade.
    auto term = [&](const std::string& prefix, int TTradeInfo::*field) {
      for (const auto& name : PostsNamed(prefix))
        if (const auto v = Int(prefix + name)) G.TradePosts.Find(name)->*field = static_cast<int>(*v);
    };
    term("TRADE_SELL_CREW@", &TTradeInfo::SellCrew);
    term("TRADE_SELL_FUEL@", &TTradeInfo::SellFuel);
    term("TRADE_BUY_FUEL@", &TTradeInfo::BuyFuel);
    term("TRADE_ADD_VALUE@", &TTradeInfo::BuyShipVal);
    PostList("TRADE_REMOVE_SHIP", &TTradeInfo::ShipsForSale, false);
    PostList("TRADE_REMOVE_BLUE", &TTradeInfo::Blueprints, false);
    PostList("TRADE_ADD_SHIP", &TTradeInfo::ShipsForSale, true);
    PostList("TRADE_ADD_BLUE", &TTradeInfo::Blueprints, true);
    // The trade screen may be open (a sale fires triggers): its selections stay on its lists.
    if (const TTradeInfo* shown = G.CurrentPost()) {
      G.SelectedBlueprint = std::clamp(G.SelectedBlueprint, 0, std::max(shown->Blueprints.Count() - 1, 0));
      G.SelectedForSale = std::clamp(G.SelectedForSale, 0, std::max(shown->ShipsForSale.Count() - 1, 0));
    }
  }

  // ---- 40. Database entries: DB_ENTRY0 .. DB_ENTRY n ----
  void Database() {
    const int n = Count("DB_ENTRIES");
    for (int i = 0; i <= n; ++i) {
      const std::string entry = Text("DB_ENTRY" + std::to_string(i));
      // An absent key adds nothing, and an article unlocked already is not listed twice.
      if (entry.empty() || std::find(G.DbEntries.begin(), G.DbEntries.end(), entry) != G.DbEntries.end()) continue;
      G.DbEntries.push_back(entry);
    }
  }

  // ---- 41-42. Story states ----
  void StatesRows() {
    const std::string add = Text("ADD_STATE");
    if (!add.empty() && std::find(G.States.begin(), G.States.end(), add) == G.States.end()) G.States.push_back(add);
    const std::string remove = Text("REMOVE_STATE");
    if (!remove.empty()) G.States.erase(std::remove(G.States.begin(), G.States.end(), remove), G.States.end());
  }

  // ---- 43-44. Ranges and abilities ----
  void RangesAndAbilities() {
    auto range = [&](const std::string& key, int& value) {
      if (const auto v = Int(key)) value = Clamp(*v, 0, INT_MAX);
    };
    range("VAR_SCAN_RANGE", G.ScanRange);
    range("VAR_COM_RANGE", G.ComRange);
    range("VAR_DETECT_RANGE", G.SensorRange);
    range("VAR_INT_RANGE", G.InterceptRange);
    auto ability = [&](const std::string& key, bool& value) {
      if (const auto v = Int(key)) value = *v != 0;
    };
    ability("VAR_CAN_TRADE", G.CanTrade);
    ability("VAR_CAN_MINE", G.CanMine);
    ability("VAR_CAN_LAND", G.CanLand);
    ability("VAR_CAN_BUILD", G.CanBuild);
    ability("VAR_CAN_SCRAP", G.CanRecycle);
  }

  // ---- 45. Fleets destroyed (never the player's: there is always a player's fleet) ----
  void DestroyFleets() {
    for (const auto& name : FleetsNamed("DESTROY_FLEET@")) {
      const std::string key = "DESTROY_FLEET@" + name;
      if (!Flag(key)) continue;
      const int index = G.Fleets.IndexOf(name);
      if (index == 0) {
        Error(key, "the player's fleet cannot be destroyed by an event");
        continue;
      }
      if (index < 0) continue;  // destroyed by a trigger of an earlier one
      G.RemoveFleet(index);
      G.FleetDestroyed(name);
    }
  }

  // ---- 46. Characters' current dialogue sections ----
  void Characters() {
    for (const auto& name : NamesAfter("CHARS@")) {
      TCharacter* c = G.FindCharacter(name);
      if (!c) {
        Error("CHARS@" + name, "character \"" + name + "\" does not exist");
        continue;
      }
      c->CurrentSection = Text("CHARS@" + name);
    }
  }

  // ---- 47. An internal talk with a character ----
  void InternalTalk() {
    if (!Has("ENVOKE_DIALOG")) return;
    const std::string name = Text("ENVOKE_DIALOG");
    if (!G.FindCharacter(name)) {
      Error("ENVOKE_DIALOG", "character \"" + name + "\" does not exist; no talk opens");
      return;
    }
    G.OpenTalk(2, name);
  }
};

// Keeps the count of events running inside one another right however an event ends.
class TDepthGuard {
public:
  explicit TDepthGuard(int& depth) : Depth(depth) { ++Depth; }
  ~TDepthGuard() { --Depth; }
  TDepthGuard(const TDepthGuard&) = delete;
  TDepthGuard& operator=(const TDepthGuard&) = delete;

private:
  int& Depth;
};

}  // namespace

void TGameMain::RunEvent(const std::string& name) {
  const std::string file = ResolvePath(CampaignDataFolder() + "events.adf");
  if (name.empty() || !AdfSectionExists(file, name)) return;  // no such event: nothing happens
  if (EventDepth >= MaxEventDepth) {
    DataError(file, name, "", "events run inside one another more than " + std::to_string(MaxEventDepth) +
                                  " deep; this one is not run");
    return;
  }
  // The outermost event tells the player what it changed, once, when all it started is done.
  const bool outermost = EventDepth == 0;
  const TStoryTally before = outermost ? TallyOf(*this) : TStoryTally();
  {
    TDepthGuard guard(EventDepth);
    EventText.clear();
    TEventRun(*this, file, name).Run();
  }
  if (outermost) {
    const std::string notice = StoryNotice(*this, before, TallyOf(*this));
    if (!notice.empty()) ShowNotice(notice);
  }
}

bool TGameMain::CloseEventScreen() {
  if (GameOver) return true;
  ShowScreen(csMap);
  return false;
}

}  // namespace sw
