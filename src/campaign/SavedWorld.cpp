#include "campaign/SavedWorld.h"

#include "campaign/GameMain.h"
#include "core/Adf.h"

namespace sw {

namespace {

std::string Num(long long v) { return std::to_string(v); }
std::string Flag(bool v) { return v ? "1" : "0"; }

// "day;month;year;" without leading zeros, the way the reader takes dates.
std::string DateText(long long minutes) {
  const TGameMain::TDateParts d = TGameMain::DateParts(minutes);
  return Num(d.Day) + ";" + Num(d.Month) + ";" + Num(d.Year) + ";";
}

// A count key followed by the numbered keys from 1.
void WriteList(TAdfDocument& doc, const std::string& section, const std::string& countKey,
               const std::string& itemKey, const std::vector<std::string>& items) {
  doc.Set(section, countKey, Num(static_cast<long long>(items.size())));
  for (size_t i = 0; i < items.size(); ++i) doc.Set(section, itemKey + Num(static_cast<long long>(i + 1)), items[i]);
}

// class=price lines written back as class;price;.
std::vector<std::string> PriceLines(const TNameValueList& list) {
  std::vector<std::string> lines;
  for (const auto& [cls, price] : list.Items) lines.push_back(cls + ";" + price + ";");
  return lines;
}

void WriteLocations(TAdfDocument& doc, const TGameMain& g) {
  int n = 0;
  for (int i = 0; i < g.Locations.Count(); ++i) {
    const TLocation& l = *g.Locations.At(i);
    // A fleet's place in open space is made again from its position.
    if (l.LocType == ltFleetLocation) continue;
    const std::string s = "LOCATION" + Num(++n);
    doc.Set(s, "LOC_X", Num(l.X));
    doc.Set(s, "LOC_Y", Num(l.Y));
    doc.Set(s, "LOC_NAME", l.LocName);
    doc.Set(s, "LOC_TYPE", Num(l.LocType));
    doc.Set(s, "LOC_SIZE", Num(l.LocSize));
    doc.Set(s, "LOC_COLOR", Num(l.LocColor));
    doc.Set(s, "SPECTRA", l.Spectra);
    doc.Set(s, "KNOWN", Flag(l.Known));
    doc.Set(s, "STARBASE", l.Starbase);
    doc.Set(s, "ASTEROIDS", Num(l.Asteroids));
    doc.Set(s, "RACE", l.Owner);
    std::vector<std::string> planets;
    for (int k = 0; k < l.PlanetList.Count(); ++k) {
      const TPlanet& p = *l.PlanetList.At(k);
      planets.push_back(p.Name + ";" + Num(p.Atmosphere) + ";" + Num(p.Resources) + ";" + Num(p.Population) + ";" +
                        Num(p.Approachable) + ";" + Num(p.ImageNo) + ";" + p.Artifact + ";" + p.Vip + ";");
    }
    WriteList(doc, s, "PLANETS", "PLANET", planets);
  }
  doc.Set("MISC", "TOTAL_LOCATIONS", Num(n));
}

void WriteFleets(TAdfDocument& doc, const TGameMain& g) {
  doc.Set("MISC", "TOTAL_FLEETS", Num(g.Fleets.Count()));
  // In list order, so the player's fleet is always FLEET1.
  for (int i = 0; i < g.Fleets.Count(); ++i) {
    const TFleet& f = *g.Fleets.At(i);
    const std::string s = "FLEET" + Num(i + 1);
    doc.Set(s, "NAME", f.Name);
    doc.Set(s, "X", Num(f.X));
    doc.Set(s, "Y", Num(f.Y));
    doc.Set(s, "FUEL", Num(f.Fuel));
    doc.Set(s, "RU", Num(f.RU));
    doc.Set(s, "CREW", Num(f.Crew));
    doc.Set(s, "RACE", f.Race);
    // A fleet in open space has no system: it is placed at its X and Y again.
    if (!f.System.empty()) doc.Set(s, "SYSTEM", f.System);
    doc.Set(s, "CMDR", f.Cmdr);
    doc.Set(s, "MAXFUEL", Num(f.MaxFuel));
    doc.Set(s, "WARPMOD", Num(f.WarpMod));
    doc.Set(s, "DSYSTEM", f.DSystem);
    doc.Set(s, "DX", Num(f.DX));
    doc.Set(s, "DY", Num(f.DY));
    doc.Set(s, "PATROL", Flag(f.Patrol));
    doc.Set(s, "TRADER", Flag(f.Trader));
    if (!f.Vips.empty()) WriteList(doc, s, "VIPS", "VIP", f.Vips);
    if (!f.Devices.empty()) WriteList(doc, s, "DEVICES", "DEVICE", f.Devices);
    std::vector<std::string> ships;
    for (int k = 0; k < f.Ships.Count(); ++k) {
      const TShip& e = *f.Ships.At(k);
      ships.push_back(e.ShipClass + ";" + Num(e.Count) + ";" + Num(e.Structure) + ";" + Num(e.Crew) + ";");
    }
    WriteList(doc, s, "TOTAL_SHIPS", "SHIP", ships);
  }
}

std::string MapText(const TGameMain& g) {
  TAdfDocument doc;
  // Only the day of the star date: a loaded game starts at midnight of it.
  doc.Set("MISC", "STAR_DATE", DateText(g.StarDateMinutes));
  doc.Set("MISC", "SENSOR_RANGE", Num(g.SensorRange));
  doc.Set("MISC", "SCAN_RANGE", Num(g.ScanRange));
  doc.Set("MISC", "INTERCEPT_RANGE", Num(g.InterceptRange));
  doc.Set("MISC", "COM_RANGE", Num(g.ComRange));
  doc.Set("MISC", "CAN_TRADE", Flag(g.CanTrade));
  doc.Set("MISC", "CAN_MINE", Flag(g.CanMine));
  doc.Set("MISC", "CAN_BUILD", Flag(g.CanBuild));
  doc.Set("MISC", "CAN_RECYCLE", Flag(g.CanRecycle));
  doc.Set("MISC", "CAN_LAND", Flag(g.CanLand));
  WriteLocations(doc, g);
  WriteFleets(doc, g);
  for (const auto& state : g.States) doc.Set("STATES", state, "1");
  for (const auto& [race, value] : g.Relations.Items) doc.Set("RELATIONS", race, value);
  for (const auto& entry : g.DbEntries)
    if (!entry.empty()) doc.Set("DB", entry, "1");
  for (const auto& [cls, cost] : g.Designs.Items) doc.Set("DESIGNS", cls, cost);
  // Every race's dialogue word, the race of no one included.
  for (int i = 0; i < g.Races.Count(); ++i) doc.Set("RACE_SECT", g.Races.NameAt(i), g.Races.At(i)->RaceSect);
  for (const auto& [title, status] : g.Logs.Items) doc.Set("LOG", title, status);
  return doc.Serialize();
}

std::string TriggersText(const TGameMain& g) {
  TAdfDocument doc;
  for (int i = 0; i < g.Triggers.Count(); ++i) {
    const TTrigger& t = *g.Triggers.At(i);
    const std::string& s = g.Triggers.NameAt(i);
    doc.Set(s, "TRIGGER_EVENT", t.EventName);
    doc.Set(s, "TRIGGER_TIME", DateText(t.TimeMinutes));
    doc.Set(s, "TRIGGER_X", Num(t.X));
    doc.Set(s, "TRIGGER_Y", Num(t.Y));
    doc.Set(s, "TRIGGER_RADIUS", Num(t.Radius));
    doc.Set(s, "TRIGGER_CHAR", t.CharName);
    doc.Set(s, "TRIGGER_RACE", t.RaceName);
    doc.Set(s, "TRIGGER_GAIN_DEV", t.GainDev);
    doc.Set(s, "TRIGGER_LOOSE_DEV", t.LooseDev);
    doc.Set(s, "TRIGGER_GAIN_VIP", t.GainVip);
    doc.Set(s, "TRIGGER_LOOSE_VIP", t.LooseVip);
    doc.Set(s, "TRIGGER_CTYPE", Num(t.CType));
    // What is left, so a trigger that has fired does not fire again.
    doc.Set(s, "TRIGGER_EXEC_TIMES", Num(t.ExecTimes));
    doc.Set(s, "TRIGGER_SYSTEM", t.SystemName);
    doc.Set(s, "TRIGGER_KILL_FLEET", t.KillFleet);
    WriteList(doc, s, "TRIGGER_ON_STATE", "TRIGGER_ON_STATE", t.OnStates);
    // Whether the fleet is inside the area or at the location now: a stay that already fired
    // the trigger does not fire it again after loading.
    doc.Set(s, "COORD_TRIG", Flag(t.InArea));
    doc.Set(s, "COORD_SYS", Flag(t.InSystem));
    doc.Set(s, "TRIGGER_LOOSE_SHIP", t.LooseShip);
  }
  return doc.Serialize();
}

std::string CharactersText(const TGameMain& g) {
  TAdfDocument doc;
  for (int i = 0; i < g.Characters.Count(); ++i) {
    const TCharacter& c = *g.Characters.At(i);
    const std::string& s = g.Characters.NameAt(i);
    doc.Set(s, "IMAGE", c.Image);
    doc.Set(s, "DIALOG", c.Dialog);
    doc.Set(s, "CURRENT_SECTION", c.CurrentSection);
    doc.Set(s, "PLANET", c.Planet);
  }
  return doc.Serialize();
}

std::string TradeText(const TGameMain& g) {
  TAdfDocument doc;
  for (int i = 0; i < g.TradePosts.Count(); ++i) {
    const TTradeInfo& p = *g.TradePosts.At(i);
    const std::string& s = g.TradePosts.NameAt(i);
    doc.Set(s, "BUY_FUEL", Num(p.BuyFuel));
    doc.Set(s, "SELL_FUEL", Num(p.SellFuel));
    doc.Set(s, "SELL_CREW", Num(p.SellCrew));
    doc.Set(s, "BUY_SHIP_VAL", Num(p.BuyShipVal));
    doc.Set(s, "ACTIVE", Flag(p.Active));
    WriteList(doc, s, "BLUEPRINTS", "BLUEPRINT", PriceLines(p.Blueprints));
    WriteList(doc, s, "SHIPS", "SHIP", PriceLines(p.ShipsForSale));
  }
  return doc.Serialize();
}

}  // namespace

std::vector<TSavedWorldFile> SavedWorldFiles(const TGameMain& game) {
  return {{"map.adf", MapText(game)},
          {"triggers.adf", TriggersText(game)},
          {"chars.adf", CharactersText(game)},
          {"trade.adf", TradeText(game)}};
}

}  // namespace sw
