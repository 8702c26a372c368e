#pragma once
// The campaign's world as a save keeps it, out of the runner's summary: the run's own state
// (speed, selections, the time of day, the screens) left out, and the locations and their
// fleets taken by name (a loaded game makes fleet locations and fleet lists again in fleet
// order). Two summaries with equal worlds are the same
// game, whatever was saved and loaded between them.
#include <algorithm>

#include <nlohmann/json.hpp>

inline nlohmann::json CampaignWorld(const nlohmann::json& c) {
  nlohmann::json w;
  for (const char* key : {"folder", "title", "fleets", "player", "relations", "states", "logs", "db_entries", "designs",
                          "triggers", "ranges", "abilities", "saved_world"})
    if (c.contains(key)) w[key] = c[key];
  auto locations = c["locations"];
  // Which fleet came to a location first is not kept: a loaded game lists them in fleet order.
  for (auto& l : locations) std::sort(l["fleets"].begin(), l["fleets"].end());
  std::sort(locations.begin(), locations.end(), [](const auto& a, const auto& b) { return a["name"] < b["name"]; });
  w["locations"] = locations;
  w["day"] = {c["star_date"]["day"], c["star_date"]["month"], c["star_date"]["year"]};
  return w;
}
