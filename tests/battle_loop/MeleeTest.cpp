#include <gtest/gtest.h>

#include "BattleFixture.h"
#include "battle/Motion.h"
#include "battle/Outcome.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponDefinition.h"

using namespace sw;
using namespace sw::test;

namespace {

// A shield that goes up and down with each press, as the device weapons do.
class TToggleShield : public TWeapon {
public:
  TToggleShield(TGameObject* owner, IBattleAccess* battle) : TWeapon(owner, "player1ship", TWeaponDefinition{}, battle) {
    IsShield = true;
  }
  void Fire(uint8_t) override {
    Owner->DeviceOn = !Owner->DeviceOn;
    ++Presses;
  }
  int Presses = 0;
};

}  // namespace

TEST_F(BattleTest, ABattleFileWithoutBothFlagshipsIsRefused) {
  auto ships = TwoShips();
  ships[1].Designation = "escort";
  EXPECT_THROW(Start(ships), EGameError);
}

TEST_F(BattleTest, AShipWithNoHullExplodesAndIsDerelictInTheSameUpdate) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player2ship");
  s.Structure = 0;
  b.Update();
  EXPECT_EQ(s.Kind, KIND_WEAPON);
  EXPECT_EQ(s.Crew, 0);
  EXPECT_TRUE(s.Derelict);
  EXPECT_EQ(b.ExplosionsRunning, 1);
  // The explosion runs through its twelve frames before the battle may end.
  b.Update();
  EXPECT_TRUE(s.Dying);
  EXPECT_EQ(s.ImageName, "explosion6_1");
  EXPECT_EQ(b.Phase, bpFighting);
  for (int i = 0; i < 20 && !s.Removed; ++i) b.Update();
  EXPECT_TRUE(s.Removed);
  EXPECT_EQ(s.Kind, KIND_SHIP);
  EXPECT_EQ(b.ExplosionsRunning, 0);
  EXPECT_EQ(b.Phase, bpFighting);  // the victory check comes at the start of the next update
  b.Update();
  EXPECT_EQ(b.Phase, bpOver);
  EXPECT_EQ(b.WinningSide, 1);
}

TEST_F(BattleTest, SalvageIsCountedForDestroyedShipsOfEitherSide) {
  TMelee& b = Start({{1, "player1ship", "TFG_Lancer", "TFG", 100, 300},
                     {1, "escort", "TFG_Lancer", "TFG", 100, 100},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300}});
  const double hull1 = Ship("escort").MaxStructure, hull2 = Ship("player2ship").MaxStructure;
  Ship("escort").Structure = 0;
  Ship("player2ship").Structure = 0;
  for (int i = 0; i < 16; ++i) b.Update();
  ASSERT_TRUE(Ship("escort").Removed);
  ASSERT_TRUE(Ship("player2ship").Removed);
  // Each wreck brings hull / 100 x (10 .. 79) resource units.
  EXPECT_GE(b.Salvage, Round(hull1 / 100 * 10) + Round(hull2 / 100 * 10));
  EXPECT_LE(b.Salvage, Round(hull1 / 100 * 79) + Round(hull2 / 100 * 79));
  EXPECT_GT(b.Salvage, 0);
}

TEST_F(BattleTest, TwoExplosionsBothHoldBackTheEnd) {
  TMelee& b = Start({{1, "player1ship", "TFG_Lancer", "TFG", 100, 300},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300},
                     {2, "raider2", "ZHA_Raider", "ZHA", 700, 100}});
  Ship("player2ship").Structure = 0;
  b.Update();
  for (int i = 0; i < 5; ++i) b.Update();
  Ship("raider2").Structure = 0;  // a second explosion starts while the first still runs
  for (int i = 0; i < 10; ++i) b.Update();
  ASSERT_TRUE(Ship("player2ship").Removed);
  ASSERT_FALSE(Ship("raider2").Removed);
  b.Update();
  EXPECT_EQ(b.Phase, bpFighting) << "one explosion ending must not end the battle while another runs";
}

TEST_F(BattleTest, BothSidesWipedOutInOneFrameGoesToSideOne) {
  TMelee& b = Start(TwoShips());
  Ship("player1ship").Crew = 0;
  Ship("player2ship").Crew = 0;
  b.Update();  // both become derelict in the upkeep
  b.Update();
  EXPECT_EQ(b.Phase, bpOver);
  EXPECT_EQ(b.WinningSide, 1);
}

TEST_F(BattleTest, BoardersCaptureAShipThatChangesSideAndIsFlownByTheComputer) {
  TMelee& b = Start({{1, "player1ship", "TFG_Lancer", "TFG", 100, 300},
                     {1, "escort", "TFG_Lancer", "TFG", 100, 100},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300}});
  TGameObject& escort = Ship("escort");
  escort.Crew = 0.5;  // the last crew member is gone once a boarder fights
  escort.Boarders = 3;
  b.Rng.Seed(5);  // boarding draws from the battle's own generator
  for (int i = 0; i < 200 && escort.Side == 1; ++i) {
    escort.Crew = std::min(escort.Crew, 0.5);
    b.Update();
  }
  EXPECT_EQ(escort.Side, 2);
  EXPECT_TRUE(escort.AIDriven);
  EXPECT_EQ(escort.Boarders, 0);
  EXPECT_GE(escort.Crew, 1);
  TBattleOutcome out = CollectOutcome(b.Objects, 0, 0);
  for (const auto& s : out.Ships)
    if (s.Designation == "escort") { EXPECT_EQ(s.Side, 2); }
}

TEST_F(BattleTest, EnergyRegrowsUntilItReachesTheMaximum) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  s.MaxEnergy = 10;
  s.EnergyRegen = 0.75;
  s.Energy = 9.5;
  b.Update();
  EXPECT_DOUBLE_EQ(s.Energy, 10.25);  // a last step may pass the maximum
  b.Update();
  EXPECT_DOUBLE_EQ(s.Energy, 10.25);
  s.Energy = 10;
  b.Update();
  EXPECT_DOUBLE_EQ(s.Energy, 10);
}

TEST_F(BattleTest, ADeviceOnAtExactlyNoEnergyIsSwitchedOff) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  auto shield = std::make_unique<TToggleShield>(&s, &b);
  TToggleShield* device = shield.get();
  s.Weapon1 = std::move(shield);
  s.DeviceOn = true;
  s.EnergyRegen = 0;
  s.Energy = 0.01;
  b.Update();
  EXPECT_TRUE(s.DeviceOn);
  EXPECT_EQ(device->Presses, 0);
  s.Energy = 0;
  b.Update();
  EXPECT_FALSE(s.DeviceOn);
  EXPECT_EQ(device->Presses, 1);
}

TEST_F(BattleTest, OrganicHullsRegrowButNotFromNothing) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  s.Organic = true;
  s.Structure = s.MaxStructure - 1;
  b.Update();
  EXPECT_NEAR(s.Structure, s.MaxStructure - 0.9, 1e-9);
  s.Structure = s.MaxStructure;
  b.Update();
  EXPECT_DOUBLE_EQ(s.Structure, s.MaxStructure);
}

TEST_F(BattleTest, CyberneticShipsTradeHullForCrewBothWays) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  s.Cybernetic = true;
  s.MaxStructure = 100;
  s.Structure = 60;
  s.Crew = 2;  // far more hull than ten per crew member: hull becomes crew
  b.Update();
  EXPECT_DOUBLE_EQ(s.Structure, 50);
  EXPECT_DOUBLE_EQ(s.Crew, 3);
  s.Structure = 20;
  s.Crew = 5;  // far more crew than hull: crew becomes hull
  b.Update();
  EXPECT_DOUBLE_EQ(s.Structure, 30);
  EXPECT_DOUBLE_EQ(s.Crew, 4);
  s.Structure = 95;
  s.Crew = 12;  // the hull gained never passes the maximum
  b.Update();
  EXPECT_DOUBLE_EQ(s.Structure, 100);
  EXPECT_DOUBLE_EQ(s.Crew, 11);
}

TEST_F(BattleTest, TheFocusShipFallsBackToAnotherLiveShipOfSideOne) {
  TMelee& b = Start({{1, "player1ship", "TFG_Lancer", "TFG", 100, 300, 0, true},
                     {1, "escort", "TFG_Lancer", "TFG", 100, 100, 0, true},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300, 0, true}});
  b.Update();
  EXPECT_EQ(b.FocusShip, &Ship("player1ship"));
  EXPECT_EQ(b.Opponent, &Ship("player2ship"));
  Ship("player1ship").Derelict = true;
  b.Update();
  EXPECT_EQ(b.FocusShip, &Ship("escort"));
}

TEST_F(BattleTest, PilotKeysTurnThrustAndToggleLockAndAutopilot) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  b.Lock1 = false;
  TDXInput& in = *Main->DXInput;
  const double heading = s.Heading;
  in.SetKeyDown(vk::Right, true);
  b.Update();
  in.SetKeyDown(vk::Right, false);
  EXPECT_NEAR(s.Heading, WrapHeading(heading + s.TurnRate), 1e-9);
  in.SetKeyDown('3', true);  // fine turning: one unit
  in.SetKeyDown(vk::Left, true);
  b.Update();
  in.SetKeyDown('3', false);
  in.SetKeyDown(vk::Left, false);
  EXPECT_NEAR(s.Heading, WrapHeading(heading + s.TurnRate - 1), 1e-9);
  in.SetKeyDown('4', true);
  b.Update();
  in.SetKeyDown('4', false);
  EXPECT_TRUE(b.Lock1);
  in.SetKeyDown('A', true);
  b.Update();
  in.SetKeyDown('A', false);
  EXPECT_TRUE(s.AIDriven);
  // A flagship flown by the computer still answers its pilot's autopilot key.
  in.SetKeyDown('A', true);
  b.Update();
  in.SetKeyDown('A', false);
  EXPECT_FALSE(s.AIDriven);
}

TEST_F(BattleTest, TheAutopilotAndLockToggleOncePerPressHoweverLongOrShortThePress) {
  WriteBattle(TwoShips());
  Main->StartBattle(gsDogfight);
  ASSERT_TRUE(Main->Battle);
  TMelee& b = *Main->Battle;
  TGameObject& s = *b.Objects.Find("player1ship");
  TDXInput& in = *Main->DXInput;
  // A press made while the battle waits on its pre-battle screen is not kept for the fight.
  in.SetKeyDown('A', true);
  in.SetKeyDown('A', false);
  Main->DXTimerTimer();
  b.Phase = bpFighting;
  Main->DXTimerTimer();
  EXPECT_FALSE(s.AIDriven);
  // A tap that goes down and up between two ticks toggles once.
  in.SetKeyDown('A', true);
  in.SetKeyDown('A', false);
  Main->DXTimerTimer();
  EXPECT_TRUE(s.AIDriven);
  Main->DXTimerTimer();
  EXPECT_TRUE(s.AIDriven);
  // Held for a hundred ticks (the platform repeating its key-down): one toggle.
  for (int t = 0; t < 100; ++t) {
    in.SetKeyDown('A', true);
    Main->DXTimerTimer();
  }
  in.SetKeyDown('A', false);
  Main->DXTimerTimer();
  EXPECT_FALSE(s.AIDriven);
  // Sixteen taps, one per tick or every few ticks: sixteen toggles, and the lock the same way.
  int toggles = 0;
  bool lock = b.Lock1;
  int lockToggles = 0;
  for (int tap = 0; tap < 16; ++tap) {
    const bool before = s.AIDriven;
    in.SetKeyDown('A', true);
    in.SetKeyDown('4', true);
    Main->DXTimerTimer();
    in.SetKeyDown('A', false);
    in.SetKeyDown('4', false);
    for (int gap = 0; gap < tap % 3; ++gap) Main->DXTimerTimer();
    toggles += s.AIDriven != before;
    lockToggles += b.Lock1 != lock;
    lock = b.Lock1;
  }
  EXPECT_EQ(toggles, 16);
  EXPECT_EQ(lockToggles, 16);
  EXPECT_FALSE(s.AIDriven);
  // The held reading still holds: a held turn key turns on every tick.
  b.Lock1 = false;
  const double heading = s.Heading;
  in.SetKeyDown(vk::Right, true);
  for (int t = 0; t < 3; ++t) Main->DXTimerTimer();
  in.SetKeyDown(vk::Right, false);
  EXPECT_NEAR(s.Heading, WrapHeading(heading + 3 * s.TurnRate), 1e-9);
  EXPECT_TRUE(Main->Errors.empty()) << Main->Errors.front();
}

TEST_F(BattleTest, ThePhaseTestsDrawAnEndingBattleAsRunningForOneMoreFrame) {
  WriteBattle(TwoShips());
  Main->StartBattle(gsDogfight);
  ASSERT_TRUE(Main->Battle);
  TMelee& b = *Main->Battle;
  b.Phase = bpFighting;
  b.Objects.Find("player2ship")->Crew = 0;
  Main->DXTimerTimer();  // derelict in this step
  Main->DXTimerTimer();  // the victory check ends it here: still drawn as a running battle
  EXPECT_EQ(b.Phase, bpOver);
  EXPECT_EQ(b.PromptCounter, 51);
  Main->DXTimerTimer();  // the result screen, with its blinking prompt
  EXPECT_EQ(b.PromptCounter, 50);
  EXPECT_TRUE(Main->Errors.empty()) << Main->Errors.front();
}

TEST_F(BattleTest, QuittingToTheMenuFromABattleGivesTheBattleUp) {
  WriteBattle(TwoShips());
  Main->StartBattle(gsDogfight);
  Main->Battle->Phase = bpFighting;
  Main->FormKeyDown(vk::Escape, false, false, false);
  for (int t = 0; t < 9; ++t) Main->DXTimerTimer();
  ASSERT_EQ(Main->GameState, gsOptions);
  ASSERT_TRUE(Main->BattleExists());
  Main->DXDrawMouseDown(1, 400, 501);  // "op10": quit to the menu
  EXPECT_FALSE(Main->BattleExists());
  for (int t = 0; t < 9; ++t) Main->DXTimerTimer();
  EXPECT_EQ(Main->GameState, gsMenu);
  EXPECT_TRUE(Main->Errors.empty()) << Main->Errors.front();
}

TEST_F(BattleTest, AtTheLowestMusicVolumeNeitherTheBattleNorTheReturnStartsMusic) {
  Main->MusicVolume = -4000;
  Main->ApplyMusicVolume();
  WriteBattle(TwoShips());
  Main->SetGameState(gsDogfight, true);
  Main->StartBattle(gsDogfight);
  Main->FormKeyDown(vk::Space, false, false, false);  // leaves the pre-battle screen
  ASSERT_EQ(Main->Battle->Phase, bpFighting);
  Main->Battle->Objects.Find("player2ship")->Crew = 0;
  for (int t = 0; t < 3; ++t) Main->DXTimerTimer();
  ASSERT_EQ(Main->Battle->Phase, bpOver);
  Main->FormKeyDown(vk::Escape, false, false, false);  // back to the set-up
  EXPECT_EQ(Main->GameState, gsDogfight);
  for (const std::string& name : Audio.Played()) {
    EXPECT_NE(name, "MeleeMusic");
  }
  EXPECT_TRUE(Audio.Playing().empty()) << Audio.Playing().front();
}

TEST_F(BattleTest, AHullBarNeverRunsIntoTheOtherPanel) {
  TMelee& b = Start(TwoShips());
  TGameObject& s = Ship("player1ship");
  s.MaxStructure = s.Structure = 600;  // far more hull than the panel has room for
  TSurface& screen = Main->DXDraw->Surface;
  screen.Fill(0);
  b.DrawStatusPanel(&s, true);
  const uint16_t hull = ColorTo565(0xC1000F);
  EXPECT_EQ(screen.Get(150, 8), hull);
  EXPECT_EQ(screen.Get(389, 8), hull);
  for (int x = 390; x < 800; ++x) ASSERT_NE(screen.Get(x, 8), hull) << x;
}
