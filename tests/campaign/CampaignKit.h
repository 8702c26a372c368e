#pragma once
// A private game root holding the small test campaign of tests/campaign/data/root (its own
// ship, weapon and race files, an add-on and the "testcamp" folder), copied afresh for each
// test so a test may change or break its files.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "CampaignRootCopy.h"
#include "TempFolder.h"
#include "campaign/GameMain.h"
#include "core/Adf.h"
#include "core/Numbers.h"

struct TCampaignRoot : TCampaignRootCopy {
  TCampaignRoot() : TCampaignRootCopy("tests/campaign/data/root") {}
  std::unique_ptr<sw::TGameMain> Load(const std::string& save = "") const {
    return std::make_unique<sw::TGameMain>(Env(), "testcamp\\", save, "Test Campaign");
  }
  std::string Campaign() const { return Path + "data/testcamp/"; }
};

// Puts a fleet in open space at a point (leaving its location), as a departure does.
inline void PutInOpenSpace(sw::TGameMain& g, sw::TFleet& f, int x, int y) {
  const int at = g.WhereIsFleet(f.Name);
  if (at >= 0) {
    auto& names = g.Locations.At(at)->FleetNames;
    for (size_t i = 0; i < names.size(); ++i)
      if (names[i] == f.Name) names.erase(names.begin() + static_cast<long>(i));
    if (g.Locations.At(at)->LocType == sw::ltFleetLocation) g.RemoveLocation(at);
  }
  f.System.clear();
  f.X = x;
  f.Y = y;
  g.MakeFleetLocation(f);
}

// Every fleet is listed by exactly one location: its system, or a fleet location of its own at
// its position; fleet locations carry exactly their own fleet.
inline ::testing::AssertionResult WorldConsistent(const sw::TGameMain& g) {
  for (int f = 0; f < g.Fleets.Count(); ++f) {
    const sw::TFleet& fleet = *g.Fleets.At(f);
    int holders = 0;
    for (int i = 0; i < g.Locations.Count(); ++i)
      for (const auto& n : g.Locations.At(i)->FleetNames) holders += n == fleet.Name;
    if (holders != 1) return ::testing::AssertionFailure() << fleet.Name << " is listed " << holders << " times";
    const sw::TLocation& at = *g.Locations.At(g.WhereIsFleet(fleet.Name));
    if (fleet.System.empty() ? at.LocType != sw::ltFleetLocation || at.LocName != fleet.Name : at.LocName != fleet.System)
      return ::testing::AssertionFailure() << fleet.Name << " is listed at " << at.LocName;
    if (at.X != fleet.X || at.Y != fleet.Y)
      return ::testing::AssertionFailure() << fleet.Name << " is not where its location is";
  }
  for (int i = 0; i < g.Locations.Count(); ++i) {
    const sw::TLocation& loc = *g.Locations.At(i);
    if (loc.LocType == sw::ltFleetLocation && (loc.FleetNames.size() != 1 || loc.FleetNames[0] != loc.LocName))
      return ::testing::AssertionFailure() << "fleet location " << loc.LocName << " carries other fleets";
  }
  return ::testing::AssertionSuccess();
}
