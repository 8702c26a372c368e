// Triggers: the conditions of triggers.adf that watch the game (a day, an area, a location, a
// talk, a device, a VIP, a fleet destroyed, a ship lost) and run their events, with the story
// states they need and the number of times they may still fire.
#include <algorithm>
#include <cmath>
#include <string>

#include "campaign/GameMain.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/HeldNumber.h"
#include "core/Numbers.h"
#include "core/Text.h"

namespace sw {

namespace {

constexpr long long MinutesPerDay = 1440;
// No trigger waits for more states than this; a larger count is a data error.
constexpr int MaxStates = 1000;
// A trigger without a date never meets the campaign's star date.
constexpr const char* NoDate = "27;05;1976;";

long long WholeDay(long long minutes) {
  return minutes >= 0 ? minutes / MinutesPerDay : -((-minutes + MinutesPerDay - 1) / MinutesPerDay);
}

}  // namespace

void TGameMain::ReadTriggers() {
  const std::string file = WorldFile("triggers.adf");
  auto readInt = [&](const std::string& section, const std::string& key, int def) {
    const std::string text = Trim(AdfReadString(file, section, key, ""));
    if (text.empty()) return def;
    const auto v = ParseInteger(text);
    if (!v || *v < -2147483647LL || *v > 2147483647LL) {
      DataError(file, section, key, "\"" + text + "\" is not a number");
      return def;
    }
    return static_cast<int>(*v);
  };
  // Held to a range the area check can subtract and compare without overflowing.
  auto readRanged = [&](const std::string& section, const std::string& key, int def, int lo, int hi) {
    std::string problem;
    const int v = static_cast<int>(HoldToRange(readInt(section, key, def), lo, hi, &problem));
    if (!problem.empty()) DataError(file, section, key, problem);
    return v;
  };
  auto readText = [&](const std::string& section, const std::string& key) {
    return Trim(AdfReadString(file, section, key, ""));
  };
  Triggers.Clear();
  for (const auto& name : AdfReadSections(file)) {
    auto t = std::make_unique<TTrigger>();
    t->EventName = readText(name, "TRIGGER_EVENT");
    const std::string date = readText(name, "TRIGGER_TIME");
    auto minutes = ParseStarDate(date.empty() ? NoDate : date);
    if (!minutes) {
      DataError(file, name, "TRIGGER_TIME", "\"" + date + "\" is not a date written day;month;year;");
      minutes = ParseStarDate(NoDate);
    }
    t->TimeMinutes = *minutes;
    const int coordinate = CampaignLimits::Coordinate;
    t->X = readRanged(name, "TRIGGER_X", -1, -coordinate, coordinate);
    t->Y = readRanged(name, "TRIGGER_Y", -1, -coordinate, coordinate);
    t->Radius = readRanged(name, "TRIGGER_RADIUS", 0, -CampaignLimits::Range, CampaignLimits::Range);
    t->CharName = readText(name, "TRIGGER_CHAR");
    t->RaceName = readText(name, "TRIGGER_RACE");
    t->GainDev = readText(name, "TRIGGER_GAIN_DEV");
    t->LooseDev = readText(name, "TRIGGER_LOOSE_DEV");
    t->GainVip = readText(name, "TRIGGER_GAIN_VIP");
    t->LooseVip = readText(name, "TRIGGER_LOOSE_VIP");
    t->CType = readInt(name, "TRIGGER_CTYPE", 0);
    if (t->CType != 0 && t->CType != 1) {
      DataError(file, name, "TRIGGER_CTYPE", "the type " + std::to_string(t->CType) + " is not 0 (inside) or 1 (outside)");
      t->CType = 0;
    }
    t->ExecTimes = readRanged(name, "TRIGGER_EXEC_TIMES", 1, -CampaignLimits::ExecTimes, CampaignLimits::ExecTimes);
    t->SystemName = readText(name, "TRIGGER_SYSTEM");
    t->KillFleet = readText(name, "TRIGGER_KILL_FLEET");
    int states = readInt(name, "TRIGGER_ON_STATE", 0);
    if (states < 0 || states > MaxStates) {
      DataError(file, name, "TRIGGER_ON_STATE", "the count " + std::to_string(states) + " is not 0.." +
                                                    std::to_string(MaxStates));
      states = 0;
    }
    for (int n = 1; n <= states; ++n) {
      const std::string key = "TRIGGER_ON_STATE" + std::to_string(n);
      const std::string state = readText(name, key);
      // A state without a name could never be set: the trigger would never fire.
      if (state.empty()) DataError(file, name, key, "the state is missing");
      else t->OnStates.push_back(state);
    }
    t->InArea = readInt(name, "COORD_TRIG", 0) != 0;
    t->InSystem = readInt(name, "COORD_SYS", 0) != 0;
    t->LooseShip = readText(name, "TRIGGER_LOOSE_SHIP");
    Triggers.Add(name, std::move(t));
  }
}

void TGameMain::FireTrigger(int index) {
  TTrigger* t = Triggers.At(index);
  if (!t) return;
  for (const auto& state : t->OnStates)
    if (std::find(States.begin(), States.end(), state) == States.end()) return;
  if (t->ExecTimes <= 0) return;
  --t->ExecTimes;
  // The name is copied: the event may run for a while and the trigger stays where it is, but
  // nothing should depend on that.
  const std::string event = t->EventName;
  RunEvent(event);
}

void TGameMain::CheckTriggers() {
  const TFleet* player = PlayerFleet();
  if (!player) return;
  for (int i = 0; i < Triggers.Count(); ++i) {
    TTrigger& t = *Triggers.At(i);
    // 1. The day: tried on every frame of that day; the executions left limit it.
    if (WholeDay(t.TimeMinutes) == WholeDay(StarDateMinutes)) FireTrigger(i);

    // 2. The area. An event may have moved the player's fleet: read it afresh.
    player = PlayerFleet();
    // Subtracted as reals: no position pair overflows.
    const double distance = std::hypot(static_cast<double>(player->X) - t.X, static_cast<double>(player->Y) - t.Y);
    const bool inside = distance <= t.Radius;
    const bool areaHolds = t.CType == 0 ? inside && t.Radius > 0 : !inside && t.Radius >= 1;
    if (areaHolds) {
      // The flag is set before the event runs, so the trigger fires once per stay whatever the
      // event does.
      const bool fire = !t.InArea;
      t.InArea = true;
      if (fire) FireTrigger(i);
    } else {
      t.InArea = false;
    }

    // 3. The location.
    player = PlayerFleet();
    const bool in = player->System == t.SystemName;
    const bool systemHolds = !t.SystemName.empty() && (t.CType == 0 ? in : !in);
    if (systemHolds) {
      const bool fire = !t.InSystem;
      t.InSystem = true;
      if (fire) FireTrigger(i);
    } else {
      t.InSystem = false;
    }
  }
}

// ---- The other firing points: every trigger whose field names the thing, in order ---------

namespace {

template <typename Field>
void FireMatching(TGameMain& game, const std::string& name, Field field) {
  if (name.empty()) return;  // an empty field is no condition
  for (int i = 0; i < game.Triggers.Count(); ++i)
    if (field(*game.Triggers.At(i)) == name) game.FireTrigger(i);
}

// Removes the first entry equal to the name; false when there is none.
bool RemoveFirst(std::vector<std::string>& list, const std::string& name) {
  const auto it = std::find(list.begin(), list.end(), name);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}

}  // namespace

void TGameMain::GainDevice(const std::string& device) {
  if (device.empty()) return;
  PlayerFleet()->Devices.push_back(device);
  FireMatching(*this, device, [](const TTrigger& t) { return t.GainDev; });
}

void TGameMain::LoseDevice(const std::string& device) {
  // Only what the player carries can be lost.
  if (!RemoveFirst(PlayerFleet()->Devices, device)) return;
  FireMatching(*this, device, [](const TTrigger& t) { return t.LooseDev; });
}

void TGameMain::GainVip(const std::string& vip) {
  if (vip.empty()) return;
  PlayerFleet()->Vips.push_back(vip);
  FireMatching(*this, vip, [](const TTrigger& t) { return t.GainVip; });
}

void TGameMain::LoseVip(const std::string& vip) {
  if (!RemoveFirst(PlayerFleet()->Vips, vip)) return;
  FireMatching(*this, vip, [](const TTrigger& t) { return t.LooseVip; });
}

void TGameMain::TalkTriggers(const std::string& character, const std::string& race) {
  FireMatching(*this, character, [](const TTrigger& t) { return t.CharName; });
  FireMatching(*this, race, [](const TTrigger& t) { return t.RaceName; });
}

void TGameMain::FleetDestroyed(const std::string& fleetName) {
  FireMatching(*this, fleetName, [](const TTrigger& t) { return t.KillFleet; });
}

void TGameMain::ShipLost(const std::string& shipClass) {
  FireMatching(*this, shipClass, [](const TTrigger& t) { return t.LooseShip; });
}

}  // namespace sw
