// The campaign clock and the world step: every frame tick at a running speed moves the star
// date on by 3 minutes per unit of speed; every 144 minutes (a tenth of a day) the world takes
// one step: discovery, departures, flight and arrivals, the hostile check, patrol orders,
// trader orders and patrol spawning.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "campaign/GameMain.h"
#include "campaign/LocationGrid.h"
#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

constexpr int MinutesPerSpeedUnit = 3;  // star-date minutes a frame tick adds per unit of speed
constexpr int MinutesPerStep = 144;     // a tenth of a day
constexpr int HostileRelation = 30;     // this or less is hostile
constexpr double TraderReach = 200;     // traders pick locations closer than this

double Distance(int x1, int y1, int x2, int y2) {
  return std::hypot(static_cast<double>(x2) - x1, static_cast<double>(y2) - y1);
}

// One of the candidates at random; -1 when there is none (the step then skips the fleet or
// race rather than searching for ever).
int PickOne(const std::vector<int>& candidates) {
  if (candidates.empty()) return -1;
  return candidates[static_cast<size_t>(Random(static_cast<int>(candidates.size())))];
}

}  // namespace

void TGameMain::FrameUpdate(bool ghostMode) {
  StepNotices();
  // The story watches the world on every frame, also while the clock is stopped.
  CheckTriggers();
  StarDateMinutes += static_cast<long long>(MinutesPerSpeedUnit) * Speed;
  if (StarDateMinutes - LastStepMinutes >= MinutesPerStep) {
    WorldStep(ghostMode);
    LastStepMinutes = StarDateMinutes;
  }
}

void TGameMain::WorldStep(bool ghostMode) {
  if (!PlayerFleet()) return;
  Discovery();
  Departures();
  FlightAndArrivals();
  HostileCheck();
  PatrolOrders(ghostMode);
  TraderOrders();
  SpawnPatrols();
}

void TGameMain::MakeKnown(TLocation& location) {
  location.Known = true;
  if (location.LocType == ltWormhole)
    if (TLocation* other = FindLocation(location.Spectra)) other->Known = true;
}

void TGameMain::Discovery() {
  for (int i = 0; i < Locations.Count(); ++i) {
    TLocation& loc = *Locations.At(i);
    if (loc.Known || loc.LocType == ltFleetLocation) continue;
    if (WithinRange(loc.X, loc.Y, ScanRange)) MakeKnown(loc);
  }
}

namespace {

// True when the fleet can fly the first step of its order from the location: the player's fleet
// needs the fuel of that step (a fleet closer than a step pays only the rest).
bool CanMakeFirstStep(const TGameMain& game, const TFleet& fleet, const TLocation& from) {
  if (&fleet != game.PlayerFleet()) return true;
  int tx = fleet.DX, ty = fleet.DY;
  if (!fleet.DSystem.empty()) {
    const TLocation* target = game.FindLocation(fleet.DSystem);
    if (!target) return true;
    tx = target->X;
    ty = target->Y;
  }
  const double d = Distance(from.X, from.Y, tx, ty);
  const double stride = std::max(0, 3 * game.FleetSpeed(fleet));
  return fleet.Fuel >= Round(std::min(d, stride));
}

}  // namespace

void TGameMain::Departures() {
  for (int i = 0; i < Locations.Count(); ++i) {
    TLocation* loc = Locations.At(i);
    if (loc->LocType == ltFleetLocation) continue;
    for (size_t k = 0; k < loc->FleetNames.size();) {
      TFleet* fleet = FindFleet(loc->FleetNames[k]);
      if (!fleet || !fleet->HasDestination()) {
        ++k;
        continue;
      }
      if (!fleet->DSystem.empty() && !FindLocation(fleet->DSystem)) {
        DataError(WorldFile("map.adf"), fleet->Name, "DSYSTEM",
                  "location \"" + fleet->DSystem + "\" is not on the map; the fleet stays where it is");
        fleet->ClearDestination();
        ++k;
        continue;
      }
      if (!CanMakeFirstStep(*this, *fleet, *loc)) {
        // Without the fuel for its first step the fleet stays in its system, its order kept.
        ++k;
        continue;
      }
      fleet->X = loc->X;
      fleet->Y = loc->Y;
      fleet->System.clear();
      loc->FleetNames.erase(loc->FleetNames.begin() + static_cast<long>(k));
      MakeFleetLocation(*fleet);  // appended after every map location; `loc` stays valid
      loc = Locations.At(i);
    }
  }
}

void TGameMain::FlightAndArrivals() {
  TFleet* player = PlayerFleet();
  // The fleets that may be chasing another: those in open space whose destination names a
  // fleet. No fleet is made, removed or renamed during the flight and none leaves its system,
  // so only a chaser redirected below can join them.
  std::vector<TFleet*> chasers;
  for (int k = 0; k < Fleets.Count(); ++k) {
    TFleet* f = Fleets.At(k);
    if (f->System.empty() && !f->DSystem.empty() && Fleets.IndexOf(f->DSystem) >= 0) chasers.push_back(f);
  }
  for (int i = 0; i < Locations.Count();) {
    TLocation& here = *Locations.At(i);
    const int fleetIndex = here.LocType == ltFleetLocation ? Fleets.IndexOf(here.LocName) : -1;
    TFleet* fleet = Fleets.At(fleetIndex);
    if (!fleet || !fleet->HasDestination()) {
      ++i;
      continue;
    }
    // The target: the destination location's position, or the destination point.
    int targetIndex = -1;
    int tx = fleet->DX, ty = fleet->DY;
    if (!fleet->DSystem.empty()) {
      targetIndex = Locations.IndexOf(fleet->DSystem);
      if (targetIndex == i) {
        // A fleet sent after itself is already there.
        fleet->ClearDestination();
        ++i;
        continue;
      }
      if (targetIndex < 0) {
        DataError(WorldFile("map.adf"), fleet->Name, "DSYSTEM",
                  "location \"" + fleet->DSystem + "\" is not on the map; the fleet stays where it is");
        fleet->ClearDestination();
        ++i;
        continue;
      }
      tx = Locations.At(targetIndex)->X;
      ty = Locations.At(targetIndex)->Y;
    }
    const double d = Distance(here.X, here.Y, tx, ty);
    const double stride = std::max(0, 3 * FleetSpeed(*fleet));  // a negative warp bonus stops the fleet
    double r = d - stride;
    if (fleet == player) {
      // The fuel of what the step really flies: a fleet closer than one step pays only the rest.
      const int needed = Round(std::min(d, stride));
      if (fleet->Fuel < needed) r = d;
      else fleet->Fuel -= needed;
    }
    if (r > 0) {
      if (r < d) {
        const double k = Round(r) / d;
        here.X = fleet->X = Round(tx + (static_cast<double>(here.X) - tx) * k);
        here.Y = fleet->Y = Round(ty + (static_cast<double>(here.Y) - ty) * k);
      }
      ++i;
      continue;
    }

    // Arrival.
    if (fleet == player) SetSpeed(1);
    TLocation* target = targetIndex >= 0 ? Locations.At(targetIndex) : nullptr;
    if (target && target->LocType == ltFleetLocation) {
      // Caught up with a fleet in open space: both stop there.
      here.X = fleet->X = target->X;
      here.Y = fleet->Y = target->Y;
      fleet->ClearDestination();
      const int chasedIndex = Fleets.IndexOf(target->LocName);
      if (fleetIndex == 0 || chasedIndex == 0) {
        if (chasedIndex == 0) {
          // The chaser caught the player: the encounter is with the chaser.
          SelectedLocation = i;
          SelectedFleet = fleetIndex;
        } else {
          SelectedLocation = targetIndex;
          SelectedFleet = chasedIndex;
        }
        SetSpeed(0);
        ShowScreen(csEncounter);
      }
      ++i;
      continue;
    }
    if (target) {
      if (SelectedLocation == i) SelectedLocation = targetIndex;
      fleet->System = target->LocName;
      fleet->X = target->X;
      fleet->Y = target->Y;
      fleet->ClearDestination();
      target->FleetNames.push_back(fleet->Name);
      if (fleet == player) MakeKnown(*target);
      // Whoever chased the fleet now heads for where it arrived.
      const size_t chaserCount = chasers.size();
      for (size_t k = 0; k < chaserCount; ++k) {
        TFleet& chaser = *chasers[k];
        if (!chaser.System.empty() || !SameText(chaser.DSystem, fleet->Name)) continue;
        chaser.DSystem = fleet->System;
        // A system of the same name as a fleet: the chaser may now be after that fleet.
        if (Fleets.IndexOf(chaser.DSystem) >= 0) chasers.push_back(&chaser);
      }
      RemoveLocation(i);  // the walk goes on at the same index
      continue;
    }
    // A point in open space.
    here.X = fleet->X = tx;
    here.Y = fleet->Y = ty;
    fleet->DX = fleet->DY = -1;
    ++i;
  }
}

void TGameMain::HostileCheck() {
  const TFleet* player = PlayerFleet();
  const int p = PlayerLocation();
  if (p < 0) return;
  for (const auto& name : Locations.At(p)->FleetNames) {
    if (SameText(name, player->Name)) continue;  // never the player's own fleet
    const int f = Fleets.IndexOf(name);
    if (f <= 0 || Relation(Fleets.At(f)->Race) > HostileRelation) continue;
    SelectedLocation = p;
    SelectedFleet = f;
    SetSpeed(0);
    ShowScreen(csEncounter);
    return;
  }
}

void TGameMain::PatrolOrders(bool ghostMode) {
  const TFleet& player = *PlayerFleet();
  const int playerSpeed = FleetSpeed(player);
  // Each owner's locations in map order, gathered when the first patrol needs them (the orders
  // change no location).
  std::unordered_map<std::string, std::vector<int>> byOwner;
  bool gathered = false;
  const std::vector<int> none;
  for (int f = 1; f < Fleets.Count(); ++f) {
    TFleet& patrol = *Fleets.At(f);
    if (!patrol.Patrol) continue;
    if (!patrol.HasDestination()) {
      if (!gathered) {
        for (int i = 0; i < Locations.Count(); ++i)
          if (Locations.At(i)->LocType != ltFleetLocation) byOwner[Locations.At(i)->Owner].push_back(i);
        gathered = true;
      }
      auto owned = byOwner.find(patrol.Race);
      const int pick = PickOne(owned == byOwner.end() ? none : owned->second);
      if (pick >= 0) patrol.DSystem = Locations.At(pick)->LocName;
    }
    if (!ghostMode && WithinRange(patrol.X, patrol.Y, InterceptRange) &&
        Relation(patrol.Race) <= HostileRelation && playerSpeed <= FleetSpeed(patrol)) {
      patrol.DSystem = player.System.empty() ? player.Name : player.System;
      patrol.DX = patrol.DY = -1;
      PlaySound("lockwarning");
    }
  }
}

void TGameMain::TraderOrders() {
  // The map's locations on a grid of squares a trader's reach wide, made when the first trader
  // needs it (the orders change no location): a trader looks only at the squares around it.
  TLocationGrid grid(static_cast<int>(TraderReach));
  bool gridMade = false;
  std::vector<int> near;
  for (int f = 1; f < Fleets.Count(); ++f) {
    TFleet& trader = *Fleets.At(f);
    if (!trader.Trader || trader.HasDestination()) continue;
    if (!gridMade) {
      for (int i = 0; i < Locations.Count(); ++i)
        if (Locations.At(i)->LocType != ltFleetLocation) grid.Add(i, Locations.At(i)->X, Locations.At(i)->Y);
      gridMade = true;
    }
    near.clear();
    grid.Around(trader.X, trader.Y, [&](int i) {
      const TLocation& loc = *Locations.At(i);
      // Beyond the reach along either axis is beyond it whatever the distance says.
      if (std::abs(static_cast<double>(loc.X) - trader.X) >= TraderReach ||
          std::abs(static_cast<double>(loc.Y) - trader.Y) >= TraderReach)
        return;
      if (Distance(trader.X, trader.Y, loc.X, loc.Y) < TraderReach) near.push_back(i);
    });
    // In map order, so the random pick is the one a search of the whole map would give.
    std::sort(near.begin(), near.end());
    const int pick = PickOne(near);
    if (pick >= 0) trader.DSystem = Locations.At(pick)->LocName;
  }
}

void TGameMain::SpawnPatrols() {
  const TFleet& player = *PlayerFleet();
  const std::string randomChars = ResolvePath(CampaignDataFolder() + "random_chars.adf");
  // Patrols of each race, counted once; a patrol sent out below is counted on.
  std::unordered_map<std::string, int> patrolsOf;
  for (int f = 0; f < Fleets.Count(); ++f)
    if (Fleets.At(f)->Patrol) ++patrolsOf[Fleets.At(f)->Race];
  for (int r = 0; r < Races.Count(); ++r) {
    const std::string key = Races.NameAt(r);
    const TRaceInfo& race = *Races.At(r);
    if (race.MinPatrolers <= 0) continue;
    auto counted = patrolsOf.find(key);
    if (counted != patrolsOf.end() && counted->second >= race.MinPatrolers) continue;

    const TShipInfo* major = FindShipInfo(race.MajorPatCraft);
    if (!major) {
      ReportOnce("No patrol of race " + key + " can be spawned: its craft \"" + race.MajorPatCraft +
                 "\" is not in the campaign");
      continue;
    }
    // 1. Where: one of the race's locations other than where the player is.
    std::vector<int> owned;
    for (int i = 0; i < Locations.Count(); ++i) {
      const TLocation& loc = *Locations.At(i);
      if (loc.LocType != ltFleetLocation && loc.Owner == key && !SameText(loc.LocName, player.System))
        owned.push_back(i);
    }
    const int at = PickOne(owned);
    if (at < 0) continue;
    // 4. A name no fleet (and no location) has yet; a bounded number of draws, then the first free number.
    std::string name;
    auto taken = [&](const std::string& n) { return FindFleet(n) || FindLocation(n); };
    for (int tries = 0; tries < 100 && name.empty(); ++tries) {
      const std::string candidate = race.PatName + " " + std::to_string(90 + Random(900));
      if (!taken(candidate)) name = candidate;
    }
    for (int n = 90; n <= 989 && name.empty(); ++n)
      if (!taken(race.PatName + " " + std::to_string(n))) name = race.PatName + " " + std::to_string(n);
    if (name.empty()) continue;
    // 2. The commander, from the campaign's list of random commanders of the race.
    std::string cmdr = "Unknown";
    const int chars = AdfReadInteger(randomChars, key, "CHARS", 0);
    if (chars > 0) cmdr = AdfReadString(randomChars, key, "CHAR" + std::to_string(1 + Random(chars)), "Unknown");
    // 3. How many ships.
    const int majorCount = 1 + Random(race.MajorPatMax);
    const int minorCount = 1 + Random(race.MinorPatMax);

    TLocation& loc = *Locations.At(at);
    auto fleet = std::make_unique<TFleet>();
    fleet->Name = name;
    fleet->System = loc.LocName;
    fleet->X = loc.X;
    fleet->Y = loc.Y;
    fleet->Race = key;
    fleet->Cmdr = cmdr;
    fleet->Patrol = true;
    fleet->MaxFuel = 0;
    auto entry = [](const std::string& cls, const TShipInfo& info, int count) {
      auto ship = std::make_unique<TShip>();
      ship->ShipClass = cls;
      ship->Count = count;
      ship->Structure = info.Structure;
      ship->Crew = info.Crew;
      return ship;
    };
    const TShipInfo* minor = race.MinorPatCraft.empty() ? nullptr : FindShipInfo(race.MinorPatCraft);
    if (minor && race.MinorPatCraft != race.MajorPatCraft) {
      fleet->Ships.Add("SHIP1", entry(race.MajorPatCraft, *major, majorCount));
      fleet->Ships.Add("SHIP2", entry(race.MinorPatCraft, *minor, minorCount));
    } else {
      fleet->Ships.Add("SHIP1", entry(race.MajorPatCraft, *major, majorCount + (minor ? minorCount : 0)));
    }
    loc.FleetNames.push_back(name);
    Fleets.Add(name, std::move(fleet));
    ++patrolsOf[key];
  }
}

void TGameMain::CheckFuelWarning() {
  const TFleet* player = PlayerFleet();
  if (!player) return;
  const double low = player->MaxFuel / 100.0 * 20;
  if (player->Fuel < low && PreviousFuel >= low) PlaySound("fuellow");
  PreviousFuel = player->Fuel;
}

}  // namespace sw
