#include "app/headless/CampaignSummary.h"

#include "campaign/screens/CampaignRouting.h"
#include "shell/fmMain.h"

namespace sw {

namespace {

nlohmann::json ShipsOf(const TFleet& f) {
  nlohmann::json ships = nlohmann::json::array();
  for (int i = 0; i < f.Ships.Count(); ++i) {
    const TShip& s = *f.Ships.At(i);
    ships.push_back({{"class", s.ShipClass}, {"count", s.Count}, {"structure", s.Structure}, {"crew", s.Crew}});
  }
  return ships;
}

nlohmann::json FleetOf(const TFleet& f) {
  return {{"name", f.Name},         {"race", f.Race},   {"cmdr", f.Cmdr},       {"x", f.X},
          {"y", f.Y},               {"system", f.System}, {"dsystem", f.DSystem}, {"dx", f.DX},
          {"dy", f.DY},             {"patrol", f.Patrol}, {"trader", f.Trader},   {"fuel", f.Fuel},
          {"max_fuel", f.MaxFuel},  {"ru", f.RU},         {"crew", f.Crew},       {"ships", ShipsOf(f)}};
}

nlohmann::json NameValues(const TNameValueList& list, bool numbers) {
  nlohmann::json j = nlohmann::json::object();
  for (const auto& [name, value] : list.Items) {
    if (numbers) {
      try {
        j[name] = std::stoi(value);
      } catch (const std::exception&) {
        j[name] = value;
      }
    } else {
      j[name] = value;
    }
  }
  return j;
}

}  // namespace

nlohmann::json CampaignSummary(const TfmMain& m, const TGameMain& g) {
  nlohmann::json j;
  j["folder"] = g.CampaignFolder;
  j["save_folder"] = g.SaveFolder;
  j["title"] = g.Title;
  j["live"] = m.GameState == gsCampaign && m.Campaign.get() == &g;
  j["subscreen"] = g.SubScreen();
  j["speed"] = g.Speed;
  j["game_over"] = g.GameOver;
  j["ghost_mode"] = m.GhostMode;
  const TGameMain::TDateParts d = g.StarDateParts();
  j["star_date"] = {{"day", d.Day},   {"month", d.Month},   {"year", d.Year},
                    {"hour", d.Hour}, {"minute", d.Minute}, {"days", g.StarDateDays()}};
  j["map_offset"] = {g.MapOffsetX, g.MapOffsetY};
  j["overlays"] = {{"intercept", m.InterceptRangesShown}, {"sensor", m.SensorRangesShown}, {"fuel", m.FuelRangeShown}};
  const TLocation* loc = g.Locations.At(g.SelectedLocation);
  const TFleet* fleet = g.Fleets.At(g.SelectedFleet);
  const TPlanet* planet = loc ? loc->PlanetList.At(g.SelectedPlanet) : nullptr;
  j["selected"] = {{"location", loc ? loc->LocName : ""},
                   {"fleet", fleet ? fleet->Name : ""},
                   {"planet", planet ? planet->Name : ""},
                   {"ship", g.SelectedShip}};
  j["expedition"] = {{"time", g.ExpeditionTime},
                     {"party_size", g.PartySize},
                     {"casualties", g.Casualties},
                     {"pending_casualties", g.PendingCasualties},
                     {"resistance", g.ResistanceText},
                     {"found_artifact", g.FoundArtifact},
                     {"found_vip", g.FoundVip},
                     {"location", g.ExpeditionLocation},
                     {"planet", g.ExpeditionPlanet},
                     {"portions", g.Portions},
                     {"portions_mined", g.PortionsMined},
                     {"stage_interval", g.StageInterval},
                     {"mined", g.MinedSoFar}};
  j["ranges"] = {{"com", g.ComRange}, {"scan", g.ScanRange}, {"sensor", g.SensorRange}, {"intercept", g.InterceptRange}};
  j["abilities"] = {{"trade", g.CanTrade}, {"mine", g.CanMine}, {"build", g.CanBuild}, {"recycle", g.CanRecycle},
                    {"land", g.CanLand}};
  if (const TFleet* p = g.PlayerFleet()) {
    nlohmann::json player = FleetOf(*p);
    player["fleet_speed"] = g.FleetSpeed(*p);
    player["devices"] = p->Devices;
    player["vips"] = p->Vips;
    j["player"] = player;
  } else {
    j["player"] = nullptr;
  }
  nlohmann::json fleets = nlohmann::json::array();
  for (int i = 0; i < g.Fleets.Count(); ++i) fleets.push_back(FleetOf(*g.Fleets.At(i)));
  j["fleets"] = fleets;
  nlohmann::json locations = nlohmann::json::array();
  for (int i = 0; i < g.Locations.Count(); ++i) {
    const TLocation& l = *g.Locations.At(i);
    nlohmann::json planets = nlohmann::json::array();
    for (int k = 0; k < l.PlanetList.Count(); ++k) {
      const TPlanet& p = *l.PlanetList.At(k);
      planets.push_back({{"name", p.Name},
                         {"resources", p.Resources},
                         {"population", p.Population},
                         {"approachable", p.Approachable},
                         {"artifact", p.Artifact},
                         {"vip", p.Vip}});
    }
    locations.push_back({{"name", l.LocName},   {"type", l.LocType},     {"x", l.X},
                         {"y", l.Y},            {"known", l.Known},      {"owner", l.Owner},
                         {"starbase", l.Starbase}, {"fleets", l.FleetNames}, {"planets", planets}});
  }
  j["locations"] = locations;
  j["relations"] = NameValues(g.Relations, true);
  j["states"] = g.States;
  nlohmann::json logs = nlohmann::json::array();
  for (const auto& [title, status] : g.Logs.Items) logs.push_back({{"title", title}, {"status", status}});
  j["logs"] = logs;
  j["db_entries"] = g.DbEntries;
  j["designs"] = NameValues(g.Designs, true);
  // The trade post of the trade screen: its terms, its lists as class and price (a class may be
  // offered twice), and the selections of the economy's lists.
  {
    auto offers = [](const TNameValueList& list) {
      nlohmann::json lines = nlohmann::json::array();
      for (const auto& [cls, price] : list.Items) {
        nlohmann::json line = {{"class", cls}, {"price", price}};
        try {
          line["price"] = std::stoi(price);
        } catch (const std::exception&) {
        }
        lines.push_back(line);
      }
      return lines;
    };
    nlohmann::json trade = {{"post", g.TradePost},
                            {"race", g.TradeRace},
                            {"selected_blueprint", g.SelectedBlueprint},
                            {"selected_for_sale", g.SelectedForSale},
                            {"selected_design", g.SelectedDesign}};
    if (const TTradeInfo* post = g.CurrentPost()) {
      trade["terms"] = {{"buy_fuel", post->BuyFuel},        {"sell_fuel", post->SellFuel},
                        {"sell_crew", post->SellCrew},      {"buy_ship_val", post->BuyShipVal},
                        {"active", post->Active},           {"blueprints", offers(post->Blueprints)},
                        {"ships", offers(post->ShipsForSale)}};
    } else {
      trade["terms"] = nullptr;
    }
    j["trade"] = trade;
  }
  nlohmann::json triggers = nlohmann::json::array();
  for (int i = 0; i < g.Triggers.Count(); ++i) {
    const TTrigger& t = *g.Triggers.At(i);
    triggers.push_back({{"name", g.Triggers.NameAt(i)},
                        {"exec_times", t.ExecTimes},
                        {"in_area", t.InArea},
                        {"in_system", t.InSystem}});
  }
  j["triggers"] = triggers;
  j["event_text"] = g.EventText;
  // What the player is told now: the current-orders line, the map's notice and the reason the
  // last click could not act (each empty when nothing is shown).
  j["orders"] = g.CurrentOrders();
  j["notice"] = g.NoticeShown();
  j["reason"] = g.ReasonShown();
  nlohmann::json buttons = nlohmann::json::array();
  // Where each live button is (x, y, width, height), so a script can click it by its key.
  nlohmann::json places = nlohmann::json::object();
  if (g.Buttons)
    for (int i = 0; i < g.Buttons->Count(); ++i) {
      const TButton& b = *g.Buttons->At(i);
      // A side-menu button under a survey list takes no click, so it is not live.
      const bool covered = b.Panel != g.SubScreen() && g.Buttons->KeyAt(i) != "close_menu" &&
                           CoveredByPanel(g.SubScreen(), b.X + b.Width / 2, b.Y + b.Height / 2);
      if ((b.Panel == 0 || b.Panel == g.SubScreen()) && b.Alpha > AlphaDimmed && !covered) {
        buttons.push_back(g.Buttons->KeyAt(i));
        places[g.Buttons->KeyAt(i)] = {b.X, b.Y, b.Width, b.Height};
      }
    }
  j["buttons"] = buttons;
  j["button_places"] = places;
  if (g.SubScreen() == csCommunication) {
    nlohmann::json answers = nlohmann::json::array();
    for (int i = 0; i < g.Responds.Count(); ++i) {
      const TRespond& r = *g.Responds.At(i);
      answers.push_back({{"text", r.Text}, {"next", r.Next}, {"delta", r.RelationDelta}, {"event", r.EventName}});
    }
    j["talk"] = {{"mode", g.ComMode},        {"file", g.DialogFile}, {"section", g.TalkSection},
                 {"partner", g.TalkPartner}, {"race", g.TalkRace},   {"reply", g.ReplyLines},
                 {"answers", answers}};
  } else {
    j["talk"] = nullptr;
  }
  if (g.SubScreen() == csDatabase) {
    nlohmann::json titles = nlohmann::json::array(), values = nlohmann::json::array();
    for (const auto& name : g.DbNames) titles.push_back(g.DbTitle(name));
    for (const auto& v : g.ArticleValues()) values.push_back(v.Text);
    const std::vector<std::string> raceInfo = g.DbCategory == 0 ? g.RaceInfoLines : std::vector<std::string>();
    j["database"] = {{"category", g.DbCategory}, {"names", g.DbNames},   {"titles", titles},
                     {"index", g.DbIndex},       {"offset", g.DbOffset}, {"selected", g.DbSelectedName()},
                     {"lines", g.ArticleLines},  {"values", values},     {"race_info", raceInfo},
                     {"picture", g.ArticlePicture}};
  } else {
    j["database"] = nullptr;
  }
  j["log_page"] = g.LogPage;
  j["log_page_count"] = g.LogPageCount;
  j["search_text"] = g.SearchText;
  if (g.SubScreen() == csCombat) {
    j["combat"] = {{"player_slots", {g.PlayerFlagship, g.PlayerSupport1, g.PlayerSupport2}},
                   {"enemy_slots", {g.EnemyFlagship, g.EnemySupport1, g.EnemySupport2}},
                   {"ratio", g.ForcesRatio()},
                   {"player_starbase", g.PlayerStarbaseClass},
                   {"enemy_starbase", g.EnemyStarbaseClass}};
  } else {
    j["combat"] = nullptr;
  }
  return j;
}

}  // namespace sw
