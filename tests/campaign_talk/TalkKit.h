#pragma once
// A private game root holding the talk tests' campaign (tests/campaign_talk/data/root): a
// hostile raider fleet, a neutral drifter band whose dialogue has nothing to answer, a friendly
// trader, a raider flight under Admiral Rhee, the dialogue files of all of them and a few
// events and triggers. Copied afresh for each test so a test may change or break its files.
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CampaignRootCopy.h"
#include "TempFolder.h"
#include "campaign/GameMain.h"
#include "core/Adf.h"

struct TTalkRoot : TCampaignRootCopy {
  TTalkRoot() : TCampaignRootCopy("tests/campaign_talk/data/root") {}
  std::unique_ptr<sw::TGameMain> Load() { return std::make_unique<sw::TGameMain>(Env(), "testcamp\\", "", "Talk Test"); }
  std::string Dialog(const std::string& name) const { return Path + "data/testcamp/dialogs/" + name + ".adf"; }
};

// Selects a fleet by name, as the fleet panel or an encounter does.
inline void SelectFleet(sw::TGameMain& g, const std::string& name) {
  g.SelectedFleet = g.Fleets.IndexOf(name);
  g.SelectedLocation = g.WhereIsFleet(name);
}

inline bool HasState(const sw::TGameMain& g, const std::string& state) {
  for (const auto& s : g.States)
    if (s == state) return true;
  return false;
}
