#pragma once
// A private game root holding the small battle test campaign of tests/campaign_battle/data/root
// (its own classes, an add-on class, battle planets, and the "battlecamp" world), copied afresh
// for each test, with the campaign loaded over it and its program folder set, so battle.adf
// and outcome.adf are written and read there.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CampaignRootCopy.h"
#include "battle/Outcome.h"
#include "campaign/GameMain.h"
#include "core/Adf.h"

struct TBattleWorld : TCampaignRootCopy {
  TBattleWorld() : TCampaignRootCopy("tests/campaign_battle/data/root") {
    Game = std::make_unique<sw::TGameMain>(Env(), "battlecamp\\", "", "Battle Test Campaign");
  }

  sw::TGameMain& G() { return *Game; }
  sw::TFleet& Player() { return *Game->PlayerFleet(); }
  sw::TFleet& Fleet(const std::string& name) { return *Game->FindFleet(name); }
  sw::TLocation& Location(const std::string& name) { return *Game->FindLocation(name); }

  // Selects a fleet and the location it is at, as the fleet panel does before an attack.
  void Target(const std::string& fleet) {
    Game->SelectedFleet = Game->Fleets.IndexOf(fleet);
    Game->SelectedLocation = Game->WhereIsFleet(fleet);
  }
  // Moves a fleet into another system or starbase location.
  void MoveTo(const std::string& fleet, const std::string& location) {
    for (int i = 0; i < Game->Locations.Count(); ++i) {
      auto& names = Game->Locations.At(i)->FleetNames;
      for (size_t k = 0; k < names.size(); ++k)
        if (names[k] == fleet) names.erase(names.begin() + static_cast<long>(k));
    }
    Location(location).FleetNames.push_back(fleet);
    Fleet(fleet).System = location;
  }
  // Sets the Count of every entry of a fleet, in order.
  void Counts(const std::string& fleet, const std::vector<int>& counts) {
    for (size_t i = 0; i < counts.size(); ++i) Fleet(fleet).Ships.At(static_cast<int>(i))->Count = counts[i];
  }
  std::vector<int> CountsOf(const std::string& fleet) {
    std::vector<int> counts;
    const sw::TFleet& f = Fleet(fleet);
    for (int i = 0; i < f.Ships.Count(); ++i) counts.push_back(f.Ships.At(i)->Count);
    return counts;
  }
  // Every entry as "class count structure crew".
  std::vector<std::string> EntriesOf(const std::string& fleet) {
    std::vector<std::string> entries;
    const sw::TFleet& f = Fleet(fleet);
    for (int i = 0; i < f.Ships.Count(); ++i) {
      const sw::TShip& s = *f.Ships.At(i);
      entries.push_back(s.ShipClass + " " + std::to_string(s.Count) + " " + std::to_string(s.Structure) + " " +
                        std::to_string(s.Crew));
    }
    return entries;
  }
  // The class of the ship in an enemy slot.
  std::string EnemyClass(int slot) { return Game->Fleets.At(Game->SelectedFleet)->Ships.At(slot)->ShipClass; }

  std::string BattleFile() const { return Path + "battle.adf"; }
  std::string OutcomeFile() const { return Path + "outcome.adf"; }
  // Writes the outcome as the battle writes it when it is left.
  void Outcome(int winner, int salvage, const std::vector<sw::TOutcomeShip>& ships) {
    sw::TBattleOutcome o;
    o.WinningSide = winner;
    o.Salvage = salvage;
    o.Ships = ships;
    sw::WriteOutcomeFile(OutcomeFile(), o);
  }
  std::string Read(const std::string& section, const std::string& key) {
    return sw::AdfReadString(BattleFile(), section, key, "<none>");
  }
  int ReadInt(const std::string& section, const std::string& key) {
    return sw::AdfReadInteger(BattleFile(), section, key, -99999);
  }
  bool HasState(const std::string& state) const {
    for (const auto& s : Game->States)
      if (s == state) return true;
    return false;
  }

  std::unique_ptr<sw::TGameMain> Game;
};
