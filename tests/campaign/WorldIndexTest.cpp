// Finding places and fleets by name in a world that keeps changing: after fleets are sent out,
// arrive, chase, are destroyed, teleported and spawned, and locations are taken off the map,
// every look-up answers as a search of the lists from the front would; and the grid the
// traders look through holds every star within their reach.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "CampaignKit.h"
#include "campaign/LocationGrid.h"

using namespace sw;

namespace {

template <typename T>
int SearchFromTheFront(const TNamedList<T>& list, const std::string& name) {
  for (int i = 0; i < list.Count(); ++i)
    if (SameText(list.NameAt(i), name)) return i;
  return -1;
}

std::string Flipped(std::string name) {
  for (char& c : name)
    c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(static_cast<unsigned char>(c))
                                                                        : std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// Every name the world knows or once knew, in its own letters and flipped, through every
// look-up the rules use.
::testing::AssertionResult LookUpsAgree(const TGameMain& g, const std::set<std::string>& names) {
  for (const std::string& known : names)
    for (const std::string& name : {known, Flipped(known)}) {
      if (g.Locations.IndexOf(name) != SearchFromTheFront(g.Locations, name))
        return ::testing::AssertionFailure() << "location \"" << name << "\"";
      if (g.Fleets.IndexOf(name) != SearchFromTheFront(g.Fleets, name))
        return ::testing::AssertionFailure() << "fleet \"" << name << "\"";
      int own = -1;
      for (int i = 0; i < g.Locations.Count() && own < 0; ++i)
        if (g.Locations.At(i)->LocType == ltFleetLocation && SameText(g.Locations.NameAt(i), name)) own = i;
      if (g.FleetLocationOf(name) != own) return ::testing::AssertionFailure() << "fleet location of \"" << name << "\"";
    }
  return ::testing::AssertionSuccess();
}

}  // namespace

TEST(CampaignWorldIndex, LookUpsAnswerAsASearchFromTheFrontWhileTheWorldChanges) {
  TCampaignRoot root;
  // The small world grown past the length at which lists are searched from the front: forty
  // stars, one of them named as a fleet is, and sixty fleets of traders, patrols and idlers.
  {
    std::ifstream in(root.Campaign() + "map.adf");
    std::stringstream text;
    text << in.rdbuf();
    std::string map = text.str();
    auto set = [&](const std::string& key, int value) {
      const size_t at = map.find(key + "=");
      map.replace(at, map.find('\n', at) - at, key + "=" + std::to_string(value));
    };
    set("TOTAL_LOCATIONS", 49);
    set("TOTAL_FLEETS", 64);
    std::string added;
    for (int n = 10; n <= 49; ++n)
      added += "[LOCATION" + std::to_string(n) + "]\nLOC_NAME=" + (n == 49 ? std::string("Hauler 30") : "Star " + std::to_string(n)) +
               "\nLOC_X=" + std::to_string(300 + 31 * n % 1200) + "\nLOC_Y=" + std::to_string(150 + 57 * n % 900) +
               "\nRACE=" + (n % 2 ? "VSK" : "QLL") + "\n\n";
    for (int n = 5; n <= 64; ++n) {
      const int star = 10 + n % 39;
      added += "[FLEET" + std::to_string(n) + "]\nNAME=" + (n % 3 == 0 ? "Hauler " : n % 3 == 1 ? "Raider " : "Idler ") +
               std::to_string(n) + "\nRACE=" + (n % 2 ? "VSK" : "QLL") + "\nSYSTEM=Star " + std::to_string(star) +
               "\nTRADER=" + (n % 3 == 0 ? "1" : "0") + "\nPATROL=" + (n % 3 == 1 ? "1" : "0") +
               "\nTOTAL_SHIPS=1\nSHIP1=Cruiser;1;0;0\n\n";
    }
    map.insert(map.find("[DB]"), added);
    std::ofstream(root.Campaign() + "map.adf") << map;
  }
  {
    // The raiders want more patrols than they have, so new ones are sent out as the clock runs.
    std::ifstream in(root.Campaign() + "camp_race.adf");
    std::stringstream text;
    text << in.rdbuf();
    std::string races = text.str();
    races.replace(races.find("MIN_PATROLERS=3"), 15, "MIN_PATROLERS=14");
    std::ofstream(root.Campaign() + "camp_race.adf") << races;
  }
  std::ofstream(root.Campaign() + "events.adf", std::ios::app)
      << "[SHUFFLE]\nTELEPORT@Hauler 6=#Star 20\nTELEPORT@Idler 8=500x500\nTELEPORT@Raider 10=#Home\n"
         "DESTROY_FLEET@Idler 11=1\nDESTROY_FLEET@Hauler 12=1\n";
  AdfFlushCache();
  auto g = root.Load();
  ASSERT_EQ(g->Locations.Count(), 49 + 2);  // and the fleet locations of two fleets in open space
  ASSERT_EQ(g->Fleets.Count(), 64);

  std::set<std::string> names;
  auto learn = [&] {
    for (int i = 0; i < g->Locations.Count(); ++i) names.insert(g->Locations.NameAt(i));
    for (int i = 0; i < g->Fleets.Count(); ++i) names.insert(g->Fleets.NameAt(i));
  };
  learn();
  names.insert("Nowhere");
  ASSERT_TRUE(LookUpsAgree(*g, names));

  // Patrols give chase to the player in open space; traders come and go, fleet locations are
  // made on departure and removed on arrival; spawned patrols join the lists.
  g->PlayerFleet()->DX = 900;
  g->PlayerFleet()->DY = 650;
  g->PlayerFleet()->Fuel = 1000;
  int arrivals = 0;
  for (int step = 0; step < 150; ++step) {
    const int before = g->Locations.Count();
    g->WorldStep(false);
    arrivals += g->Locations.Count() < before;
    learn();
    ASSERT_TRUE(LookUpsAgree(*g, names)) << "after world step " << step;
    ASSERT_TRUE(WorldConsistent(*g)) << "after world step " << step;
    if (step == 60) {
      // Fleets teleported between locations and into open space, two destroyed by the story.
      g->RunEvent("SHUFFLE");
      ASSERT_EQ(g->FindFleet("Idler 11"), nullptr);
      ASSERT_EQ(g->FindFleet("Hauler 12"), nullptr);
      ASSERT_TRUE(LookUpsAgree(*g, names)) << "after the story's event";
    }
    if (step == 90) {
      // Two stars without fleets taken off the map, from the front part and the middle.
      for (const int from : {9, 30}) {
        int empty = from;
        while (!g->Locations.At(empty)->FleetNames.empty()) ++empty;
        ASSERT_EQ(g->Locations.At(empty)->LocType, ltStarSystem);
        g->RemoveLocation(empty);
      }
      ASSERT_TRUE(LookUpsAgree(*g, names)) << "after stars were removed";
    }
    if (step == 120) {
      // A fleet beaten in battle (taken out of the middle of the list).
      g->RemoveFleet(g->Fleets.IndexOf("Raider 7"));
      ASSERT_TRUE(LookUpsAgree(*g, names)) << "after a fleet was beaten";
    }
  }
  EXPECT_GT(arrivals, 10);
  EXPECT_GT(g->Fleets.Count(), 64 - 3);  // the raiders sent out patrols to make up their number
}

TEST(CampaignWorldIndex, TheTradersGridHoldsEveryStarWithinReach) {
  std::mt19937 random(29);
  std::vector<std::pair<int, int>> stars;
  TLocationGrid grid(200);
  for (int i = 0; i < 600; ++i) {
    stars.emplace_back(static_cast<int>(random() % 3000) - 1000, static_cast<int>(random() % 3000) - 1000);
    grid.Add(i, stars.back().first, stars.back().second);
  }
  int near = 0;
  for (int k = 0; k < 300; ++k) {
    const int x = static_cast<int>(random() % 3400) - 1200, y = static_cast<int>(random() % 3400) - 1200;
    std::set<int> visited;
    grid.Around(x, y, [&](int i) { visited.insert(i); });
    for (int i = 0; i < static_cast<int>(stars.size()); ++i)
      if (std::hypot(static_cast<double>(stars[i].first) - x, static_cast<double>(stars[i].second) - y) < 200) {
        ++near;
        ASSERT_TRUE(visited.count(i)) << "star " << i << " at " << stars[i].first << "," << stars[i].second
                                      << " is missed from " << x << "," << y;
      }
    EXPECT_LT(visited.size(), stars.size() / 4);  // only the squares around the point
  }
  EXPECT_GT(near, 100);
}
