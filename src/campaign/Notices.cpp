#include "campaign/Notices.h"

#include <algorithm>

namespace sw {

namespace {

bool HoldsName(const std::vector<std::string>& list, const std::string& name) {
  return std::find(list.begin(), list.end(), name) != list.end();
}

// An artifact's title in the database when it has one, else its name as the data spells it.
std::string ArtifactTitle(const TGameMain& game, const std::string& name) {
  const TDBArtEnt* entry = game.ArtEntries.Find(name);
  return entry && !entry->Title.empty() ? entry->Title : name;
}

void JoinInto(std::string& text, const std::string& part, const char* separator) {
  if (part.empty()) return;
  if (!text.empty()) text += separator;
  text += part;
}

// "6 crew", "1 ship", "20 RUs": an amount and what it counts.
std::string Amount(int n, const char* one, const char* many) { return std::to_string(n) + " " + (n == 1 ? one : many); }

}  // namespace

TStoryTally TallyOf(const TGameMain& game) {
  TStoryTally t;
  if (const TFleet* p = game.PlayerFleet()) {
    t.RU = p->RU;
    t.Crew = p->Crew;
    t.Fuel = p->Fuel;
    t.Ships = p->TotalShips();
    t.Devices = p->Devices;
    t.Vips = p->Vips;
  }
  t.Logs = game.Logs.Items;
  return t;
}

std::string StoryNotice(const TGameMain& game, const TStoryTally& before, const TStoryTally& after) {
  std::string logs;
  for (const auto& [title, status] : after.Logs) {
    if (!TGameMain::LogFinished(status)) continue;
    bool finishedBefore = false;
    for (const auto& [oldTitle, oldStatus] : before.Logs)
      if (oldTitle == title) finishedBefore = TGameMain::LogFinished(oldStatus);
    if (!finishedBefore) JoinInto(logs, "Log: " + title + " \u2014 done", "; ");
  }

  // Long amounts are added up as 64-bit numbers: stores near the limits never overflow here.
  std::string gained, lost;
  auto count = [&](long long was, long long is, const char* one, const char* many) {
    const long long d = is - was;
    if (d == 0) return;
    const int n = static_cast<int>(std::min<long long>(d < 0 ? -d : d, 2147483647LL));
    JoinInto(d > 0 ? gained : lost, Amount(n, one, many), ", ");
  };
  count(before.RU, after.RU, "RU", "RUs");
  count(before.Crew, after.Crew, "crew", "crew");
  count(before.Fuel, after.Fuel, "fuel", "fuel");
  count(before.Ships, after.Ships, "ship", "ships");
  for (const std::string& d : after.Devices)
    if (!HoldsName(before.Devices, d)) JoinInto(gained, ArtifactTitle(game, d), ", ");
  for (const std::string& d : before.Devices)
    if (!HoldsName(after.Devices, d)) JoinInto(lost, ArtifactTitle(game, d), ", ");
  for (const std::string& v : after.Vips)
    if (!HoldsName(before.Vips, v)) JoinInto(gained, v + " aboard", ", ");
  for (const std::string& v : before.Vips)
    if (!HoldsName(after.Vips, v)) JoinInto(lost, v, ", ");

  std::string text = logs;
  JoinInto(text, gained.empty() ? "" : "Received " + gained, "; ");
  JoinInto(text, lost.empty() ? "" : "Lost " + lost, "; ");
  return text;
}

void TGameMain::ShowNotice(const std::string& text) {
  Notice = text;
  NoticeFrames = text.empty() ? 0 : NoticeLength;
}

void TGameMain::ShowReason(const std::string& text) {
  Reason = text;
  ReasonFrames = text.empty() ? 0 : NoticeLength;
}

void TGameMain::StepNotices() {
  // A notice is for the map: it waits while a panel covers the map.
  const uint8_t shown = SubScreen();
  if (NoticeFrames > 0 && (shown == csMap || shown == csMoveOrder)) --NoticeFrames;
  if (ReasonFrames > 0) --ReasonFrames;
}

std::string TGameMain::NoticeShown() const {
  const uint8_t shown = SubScreen();
  if (shown != csMap && shown != csMoveOrder) return "";
  if (NoticeFrames > 0) return Notice;
  const TFleet* p = PlayerFleet();
  if (p && Speed == 0 && p->HasDestination()) return "Course set: start the clock";
  return "";
}

std::string TGameMain::CurrentOrders() const {
  for (auto it = Logs.Items.rbegin(); it != Logs.Items.rend(); ++it)
    if (!LogFinished(it->second)) return "Orders: " + it->first;
  return "";
}

}  // namespace sw
