// Clicks over the campaign's screens as a player makes them: what lies under the side menu and
// under the survey panels, the move order's side-menu buttons, the ways out of find a star and of
// an attack, and the planets of the system view.
#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "campaign/screens/CampaignRouting.h"
#include "media/MainWindow.h"

using namespace sw;

namespace {

// The main window as the routing sees it; nothing it is asked to do matters here.
class TRoutingMain : public TMainWindow {
public:
  void SetGameState(uint8_t, bool) override {}
  void SimulateKey(int, bool, bool, bool) override {}
  void SetGammaOffset(int) override {}
  void ApplySfxVolume() override {}
  void ApplyMusicVolume() override {}
  void ReportError(const std::string&) override {}
  void Terminate() override {}
  void StartBattle(uint8_t) override {}
  void AbortBattle() override {}
  bool BattleExists() const override { return false; }
};

// A left click in the middle of a button, then its flash runs out as the frames would.
void ClickKey(TGameMain& g, TMainWindow& main, const std::string& key) {
  const TButton& b = g.Buttons->Find(key);
  CampaignMouseDown(g, main, 1, b.X + b.Width / 2, b.Y + b.Height / 2);
  for (int i = 0; i < 4; ++i) g.Buttons->Find(key).Draw();
}

}  // namespace

// The side menu is not map: a star lying under it takes no click, and while a move order is
// aimed its buttons act as buttons (a speed button keeps the order open) and its background
// sends the fleet nowhere.
TEST(CampaignRouting, TheSideMenuIsNotMap) {
  TCampaignRoot root;
  auto g = root.Load();
  TRoutingMain main;
  TFleet& player = *g->PlayerFleet();
  // Near (720, 600) drawn at (700, 250), under the side menu between its planet and fleet rows.
  g->MapOffsetX = -20;
  g->MapOffsetY = -350;
  ASSERT_EQ(g->LocationUnderPointer(700, 250), g->Locations.IndexOf("Near"));
  g->SelectedLocation = 0;
  CampaignMouseDown(*g, main, 1, 700, 250);
  EXPECT_EQ(g->SelectedLocation, 0) << "a star hidden under the side menu is not picked";

  g->ShowScreen(csMoveOrder);
  ClickKey(*g, main, "speed3");
  EXPECT_EQ(g->Speed, 10);
  EXPECT_EQ(g->SubScreen(), csMoveOrder) << "the order stays open";
  EXPECT_FALSE(player.HasDestination());
  CampaignMouseDown(*g, main, 1, 700, 250);
  EXPECT_EQ(g->SubScreen(), csMoveOrder);
  EXPECT_FALSE(player.HasDestination()) << "the side menu's background is no destination";
  // Left of the side menu the order is given.
  CampaignMouseDown(*g, main, 1, 300, 400);
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(player.DX, 320);
  EXPECT_EQ(player.DY, 750);
}

// The survey lists reach over the side menu's planet and fleet buttons: those take no click
// there, the list's own close button does.
TEST(CampaignRouting, ButtonsUnderTheSurveyListsTakeNoClick) {
  TCampaignRoot root;
  auto g = root.Load();
  TRoutingMain main;
  g->SelectedLocation = g->Locations.IndexOf("Home");
  for (uint8_t list : {csPlanets, csFleets}) {
    g->ShowScreen(list);
    ClickKey(*g, main, "planet1");
    ClickKey(*g, main, "fleet1");
    EXPECT_EQ(g->SubScreen(), list);
    EXPECT_EQ(g->SelectedPlanet, -1);
    ClickKey(*g, main, "close_menu");
    EXPECT_EQ(g->SubScreen(), csMap);
  }
  // Without the list over them they work.
  ClickKey(*g, main, "planet2");
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
  EXPECT_EQ(g->SelectedPlanet, 1);
}

// Find a star's close button returns to the map; the system view's planets open their panels.
TEST(CampaignRouting, FindAStarClosesAndSystemViewPlanetsOpen) {
  TCampaignRoot root;
  auto g = root.Load();
  TRoutingMain main;
  CampaignKeyDown(*g, main, 'F', false, false, false);
  ASSERT_EQ(g->SubScreen(), csFindAStar);
  ClickKey(*g, main, "close_now");
  EXPECT_EQ(g->SubScreen(), csMap);

  g->SelectedLocation = g->Locations.IndexOf("Home");
  CampaignKeyDown(*g, main, 'S', false, false, false);
  ASSERT_EQ(g->SubScreen(), csSystem);
  CampaignMouseDown(*g, main, 1, 320, 150);  // empty space above the star
  EXPECT_EQ(g->SubScreen(), csSystem);
  CampaignMouseDown(*g, main, 1, 230, 280);  // the second planet on its orbit
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
  EXPECT_EQ(g->SelectedPlanet, 1);
  g->ShowScreen(csSystem);
  CampaignMouseDown(*g, main, 1, 60, 425);  // the first planet's row in the list
  EXPECT_EQ(g->SubScreen(), csPlanetPanel);
  EXPECT_EQ(g->SelectedPlanet, 0);
}

// An attack the player chose can be called off from the combat set-up: the slotted ship goes
// back, the fleet panel returns, the clock stays stopped. A battle forced by a talk cannot.
TEST(CampaignRouting, AnAttackThePlayerChoseCanBeCalledOff) {
  TCampaignRoot root;
  auto g = root.Load();
  TRoutingMain main;
  g->SelectedLocation = g->Locations.IndexOf("Far");
  g->SelectedFleet = g->Fleets.IndexOf("Raider 101");
  g->ShowScreen(csFleetPanel);
  ClickKey(*g, main, "attack_fleet");
  ASSERT_EQ(g->SubScreen(), csCombat);
  g->SelectedShip = 0;
  ClickKey(*g, main, "Plus1");
  ASSERT_EQ(g->PlayerFlagship, 0);
  ASSERT_EQ(g->PlayerFleet()->Ships.At(0)->Count, 2);
  ClickKey(*g, main, "close_menu");
  EXPECT_EQ(g->SubScreen(), csFleetPanel);
  EXPECT_EQ(g->PlayerFlagship, -1);
  EXPECT_EQ(g->PlayerFleet()->Ships.At(0)->Count, 3);
  EXPECT_EQ(g->Speed, 0);

  ASSERT_TRUE(g->Attack());  // as a talk's battle answer opens it
  ClickKey(*g, main, "close_menu");
  EXPECT_EQ(g->SubScreen(), csCombat) << "a forced battle keeps no way out";
}
