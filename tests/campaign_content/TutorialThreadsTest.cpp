// Two threads of the shipped tutorial played on its own world: the first officer's crew drill
// hires hands only when their pay is there, and Pilot Wren, once found, is brought home to Halden.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "campaign/GameMain.h"

using namespace sw;

namespace {

std::unique_ptr<TGameMain> LoadTutorial() {
  const std::string root = std::string(STARWAKE_TEST_ROOT) + "/";
  TCampaignEnv env;
  env.ProgramFolder = root;
  env.DataFolder = root + "data/";
  env.GraphicsFolder = root + "graphics/";
  env.SavesFolder = root + "saves/";
  env.MusicFolder = root + "sounds/music/";
  return std::make_unique<TGameMain>(env, "tutorial\\", "", "");
}

bool HasVip(const TFleet& fleet, const std::string& vip) {
  return std::find(fleet.Vips.begin(), fleet.Vips.end(), vip) != fleet.Vips.end();
}

// The player's fleet leaves its system or enters one, as a departure or an arrival does (the
// triggers look at the fleet's system).
void SetSystem(TGameMain& g, const std::string& system) {
  TFleet& p = *g.PlayerFleet();
  if (TLocation* from = g.FindLocation(p.System)) {
    auto& names = from->FleetNames;
    names.erase(std::remove(names.begin(), names.end(), p.Name), names.end());
  }
  p.System = system;
  if (TLocation* to = g.FindLocation(system)) to->FleetNames.push_back(p.Name);
}

}  // namespace

TEST(TutorialThreads, TheCrewDrillHiresHandsOnlyWhenTheyArePaid) {
  auto g = LoadTutorial();
  TFleet& p = *g->PlayerFleet();
  p.RU = 12;
  p.Crew = 2;
  g->RunEvent("EV_DRILL_CREW");
  EXPECT_EQ(p.RU, 12);
  EXPECT_EQ(p.Crew, 2) << "no volunteers without their 20 RUs";
  p.RU = 30;
  g->RunEvent("EV_DRILL_CREW");
  EXPECT_EQ(p.RU, 10);
  EXPECT_EQ(p.Crew, 8);
  EXPECT_TRUE(g->Problems.empty());
}

TEST(TutorialThreads, PilotWrenIsBroughtHomeToHalden) {
  auto g = LoadTutorial();
  TFleet& p = *g->PlayerFleet();
  g->States.push_back("CORE_BRIEFED");  // the first officer has spoken about the core
  SetSystem(*g, "Hook");
  g->CheckTriggers();
  g->GainVip("Pilot Ada Wren");
  ASSERT_NE(g->Logs.Find("Bring Pilot Wren home to Halden"), nullptr) << "the promise is in the log";
  EXPECT_EQ(*g->Logs.Find("Bring Pilot Wren home to Halden"), "0");

  const int ru = p.RU;
  SetSystem(*g, "Halden");
  g->CheckTriggers();
  EXPECT_EQ(*g->Logs.Find("Bring Pilot Wren home to Halden"), "1");
  EXPECT_FALSE(HasVip(p, "Pilot Ada Wren")) << "she goes ashore";
  EXPECT_EQ(p.RU, ru + 50);
  EXPECT_EQ(g->SubScreen(), csEvent);
  ASSERT_FALSE(g->EventText.empty());
  EXPECT_NE(g->EventText[0].find("Wren"), std::string::npos);
  EXPECT_TRUE(g->Problems.empty());
}
