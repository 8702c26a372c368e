// The main window and a campaign battle: leaving the result screen returns to the campaign,
// which takes the outcome in; a battle given up for the main menu loses no ship.
#include "frontend/FrontEndRoot.h"
#include "media/Input.h"

using namespace sw;

namespace {

void Settle(TfmMain& main) {
  for (int i = 0; i < 12; ++i) main.DXTimerTimer();
}

int FirstCrewedEntry(const TFleet& f) {
  for (int i = 0; i < f.Ships.Count(); ++i)
    if (f.Ships.At(i)->Count > 0 && f.Ships.At(i)->Crew > 0) return i;
  return -1;
}

}  // namespace

TEST(BattleHandBack, TheCampaignTakesTheOutcomeInAndAGivenUpBattleLosesNoShip) {
  TFrontEndRoot root;
  THeadlessAudio audio;
  TPlatform p;
  p.Audio = &audio;
  p.Now = [] { return static_cast<std::time_t>(0); };
  auto main = std::make_unique<TfmMain>(p, root.Root);
  main->FormCreate();
  main->DXDrawInitializeSurface();
  ASSERT_TRUE(main->Campaign);
  main->SetGameState(gsCampaign, true);
  TGameMain& g = *main->Campaign;
  TFleet& player = *g.PlayerFleet();

  int enemyIndex = -1;
  for (int i = 1; i < g.Fleets.Count() && enemyIndex < 0; ++i)
    if (FirstCrewedEntry(*g.Fleets.At(i)) >= 0) enemyIndex = i;
  ASSERT_GT(enemyIndex, 0);
  const std::string enemyName = g.Fleets.At(enemyIndex)->Name;
  auto enemy = [&] { return g.FindFleet(enemyName); };
  auto launch = [&] {
    g.SelectedFleet = g.Fleets.IndexOf(enemyName);
    g.SelectedLocation = g.WhereIsFleet(enemyName);
    ASSERT_TRUE(g.Attack());
    g.SelectedShip = FirstCrewedEntry(player);
    g.FillSlot(1);
    g.SelectEnemies();
    ASSERT_TRUE(g.Launch());
    main->StartBattle(gsCampaign);
    ASSERT_EQ(main->GameState, gsBattle) << (main->Errors.empty() ? "" : main->Errors.back());
  };

  // Given up from the options in the middle of the fight: the ships go back to their fleets.
  const int playerShips = player.TotalShips(), enemyShips = enemy()->TotalShips();
  launch();
  main->FormKeyDown(vk::Escape, false, false, false);  // starts the fight, opens the options
  Settle(*main);
  ASSERT_EQ(main->GameState, gsOptions);
  const TButton& quit = main->Options->Buttons.Find("op10");
  main->DXDrawMouseDown(1, quit.X + quit.Width / 2, quit.Y + quit.Height / 2);
  Settle(*main);
  EXPECT_EQ(main->GameState, gsMenu);
  EXPECT_FALSE(main->BattleExists());
  EXPECT_EQ(player.TotalShips(), playerShips);
  EXPECT_EQ(enemy()->TotalShips(), enemyShips);

  // Ended by surrender (the enemy wins) and left with Escape: the campaign is back and the
  // player's flagship, whole, belongs to the enemy now (a starbase of the location that joined
  // the player's side stays at the location).
  main->SetGameState(gsCampaign, true);
  g.Triggers.Clear();  // the tutorial's story stays out of the count
  launch();
  main->AbortBattle();
  main->FormKeyDown(vk::Escape, false, false, false);
  EXPECT_EQ(main->GameState, gsCampaign);
  EXPECT_FALSE(main->BattleExists());
  EXPECT_EQ(player.TotalShips(), playerShips - 1);
  ASSERT_NE(enemy(), nullptr);
  EXPECT_EQ(enemy()->TotalShips(), enemyShips + 1);
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 0);

  // Ctrl+Alt+F2 on the combat set-up beats the fleet at once; the slotted ship goes back.
  const int shipsNow = player.TotalShips();
  g.SelectedLocation = g.WhereIsFleet(enemyName);
  ASSERT_TRUE(g.Attack());
  g.SelectedShip = FirstCrewedEntry(player);
  g.FillSlot(1);
  main->FormKeyDown(vk::F2, false, true, true);
  EXPECT_EQ(enemy(), nullptr);
  EXPECT_EQ(player.TotalShips(), shipsNow);
  EXPECT_EQ(g.SubScreen(), csMap);
  EXPECT_EQ(g.Speed, 1);
  EXPECT_FALSE(main->InterceptRangesShown) << "the key does nothing else";
  EXPECT_TRUE(main->Errors.empty()) << main->Errors.front();
}
