// The dogfight set-up screen over the game's own data: what it offers at start, the fleet
// slots, the side switches, the asteroid density, the planet, and the battle file Start writes.
#include <algorithm>
#include <set>

#include "FrontEndRoot.h"
#include "battle/ShipRoster.h"

using namespace sw;

namespace {

class DogfightScreen : public FrontEndGame {
protected:
  TDogfight& D() { return *Main->Dogfight; }
  std::string Data(const std::string& prefix, const std::string& file, const std::string& section,
                   const std::string& key) {
    return AdfReadString(ShipDataFile(Main->DataFolder, prefix, file), section, key, "");
  }
  // Turns the ship carousel until the ship is chosen (at most once round).
  void TurnShipsTo(const std::string& key) {
    for (int i = 0; i < 60 && D().Carousels.Selected[ikShip] != key; ++i) D().TurnShips(+1);
    ASSERT_EQ(D().Carousels.Selected[ikShip], key);
  }
  std::string Read(const std::string& section, const std::string& key) {
    AdfFlushCache();
    return AdfReadString(Game.BattleFile(), section, key, "<missing>");
  }
};


TEST_F(DogfightScreen, StartsOnTheGuardWithNoPlanetAndTheSecondSideComputerFlown) {
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
  const TCarousels& c = D().Carousels;
  EXPECT_EQ(c.Selected[ikRace], "TFG");
  EXPECT_EQ(c.Selected[ikPlanet], "NOPLANET");
  const TScreenObject* ship = c.Chosen(ikShip);
  ASSERT_NE(ship, nullptr);
  EXPECT_EQ(ship->Race, "TFG") << "the ships are lined up on the chosen race";
  EXPECT_EQ(ship->Key, "TFG_Lancer") << "the first Guard ship of the list";
  EXPECT_FALSE(D().Side1Computer);
  EXPECT_TRUE(D().Side2Computer);
  EXPECT_EQ(D().Density, 0);
  ASSERT_EQ(D().RaceInfo.size(), 6u);
  EXPECT_EQ(D().RaceInfo[0], Data("", "races", "TFG", "DISPLAY_NAME"));
  EXPECT_EQ(D().RaceInfo[5], "Government : " + Data("", "races", "TFG", "GOVERNMENT"));
  ASSERT_EQ(D().ShipInfo.size(), 3u);
  EXPECT_EQ(D().ShipInfo[1], "Weapon 1 : " + Data("", "weapons", Data("", "ships", "TFG_Lancer", "WEAPON1"), "Display"));
  // Each carousel is a ring with one item per slot.
  for (TItemKind kind : {ikPlanet, ikRace, ikShip}) {
    std::set<int> slots;
    for (const auto& item : c.Items)
      if (item.Kind == kind) slots.insert(item.Slot);
    EXPECT_EQ(static_cast<int>(slots.size()), c.Count(kind));
    EXPECT_EQ(*slots.rbegin(), c.Max(kind));
  }
}

TEST_F(DogfightScreen, OffersEveryDogfightShipOfTheBaseGameAndTheAddOns) {
  std::set<std::string> expected;
  int races = 0;
  for (const std::string& prefix : ReadAddOnPrefixes(Main->DataFolder)) {
    const std::string ships = ShipDataFile(Main->DataFolder, prefix, "ships");
    for (const auto& s : AdfReadSections(ships))
      if (AdfReadBool(ships, s, "DF_INCLUDE", true)) expected.insert(s);
    races += static_cast<int>(AdfReadSections(ShipDataFile(Main->DataFolder, prefix, "races")).size());
  }
  std::set<std::string> offered;
  for (const auto& item : D().Carousels.Items)
    if (item.Kind == ikShip) offered.insert(item.Key);
  EXPECT_EQ(offered, expected);
  EXPECT_EQ(offered.count("TFG_Kestrel"), 0u) << "kept out of dogfights by its data";
  EXPECT_EQ(D().Carousels.Count(ikRace), races);
  const TScreenObject& addOnShip = D().Carousels.Items[static_cast<size_t>(D().Carousels.IndexOf(ikShip, "MER_Skiff"))];
  EXPECT_EQ(addOnShip.Folder, "add-ons\\meridian\\");
  EXPECT_FALSE(addOnShip.ImageName.empty()) << "its picture was found";
  EXPECT_GT(addOnShip.Width, 0);
  EXPECT_LE(std::max(addOnShip.Width, addOnShip.Height), 43);
}

TEST_F(DogfightScreen, AnAddOnShipShowsItsOwnRaceAndWeaponsAndStartsTheBattle) {
  TurnShipsTo("MER_Corsair");
  const std::string addOn = "add-ons\\meridian\\";
  EXPECT_EQ(D().Carousels.Selected[ikRace], "MER") << "the race carousel followed the ship";
  EXPECT_EQ(D().RaceInfo[0], Data(addOn, "races", "MER", "DISPLAY_NAME"));
  EXPECT_EQ(D().ShipInfo[1], "Weapon 1 : " + Data(addOn, "weapons", Data(addOn, "ships", "MER_Corsair", "WEAPON1"), "Display"));
  D().FillSlot(4);
  EXPECT_EQ(D().FleetName[3], Data(addOn, "ships", "MER_Corsair", "DISP_NAME"));
  TurnShipsTo("TFG_Bastion");
  D().FillSlot(1);
  ASSERT_TRUE(D().Start());
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
  EXPECT_EQ(Read("SHIP2", "PREFIX"), addOn);
  EXPECT_TRUE(Main->BattleExists());
  EXPECT_EQ(Main->GameState, gsBattle);
  EXPECT_EQ(Main->BattleReturnState, gsDogfight);
}

TEST_F(DogfightScreen, StartWithoutBothFlagshipsOnlyDeletesTheOldBattle) {
  TFrontEndRoot::WriteFile(Game.BattleFile(), "[MISC]\nTOTAL_SHIPS=2\n");
  Main->SetGameState(gsDogfight, true);
  D().FillSlot(1);
  D().FillSlot(5);
  EXPECT_FALSE(D().Start());
  EXPECT_FALSE(std::filesystem::exists(Game.BattleFile()));
  EXPECT_FALSE(Main->BattleExists());
  EXPECT_EQ(Main->GameState, gsDogfight);
  D().EmptySlot(1);
  D().FillSlot(4);
  EXPECT_FALSE(D().Start()) << "side 1's flagship was taken out again";
  EXPECT_EQ(D().FleetName[0], "");
  // The Fight! button says why it fought nothing.
  ClickButton(D().Buttons, "Start");
  EXPECT_EQ(Main->GameState, gsDogfight);
  EXPECT_EQ(Main->Notice, "Put a flagship on each side first");
}

TEST_F(DogfightScreen, ClicksFlashTheButtonAndTheSideButtonsShowWhoFlies) {
  Main->SetGameState(gsDogfight, true);
  ClickButton(D().Buttons, "Side1AI");
  EXPECT_TRUE(D().Side1Computer);
  EXPECT_EQ(D().Buttons.Find("Side1AI").ImageName, "AI");
  ClickButton(D().Buttons, "Side2AI");
  EXPECT_FALSE(D().Side2Computer);
  EXPECT_EQ(D().Buttons.Find("Side2AI").ImageName, "noAI");
  // A second click while the button flashes finds nothing; after the flash it toggles back.
  ClickButton(D().Buttons, "Side1AI");
  EXPECT_TRUE(D().Side1Computer);
  Main->DXTimerTimer();
  Main->DXTimerTimer();
  ClickButton(D().Buttons, "Side1AI");
  EXPECT_FALSE(D().Side1Computer);
  EXPECT_EQ(std::count(Audio.Played().begin(), Audio.Played().end(), "click"), 3);

  ClickButton(D().Buttons, "AstLeft");
  EXPECT_EQ(D().Density, 0) << "no fewer than none";
  for (int i = 0; i < 45; ++i) D().ChangeDensity(+1);
  EXPECT_EQ(D().Density, 40);
  ClickButton(D().Buttons, "Plus3");
  EXPECT_EQ(D().FleetSlot[2], D().Carousels.IndexOf(ikShip, D().Carousels.Selected[ikShip]));
  ClickButton(D().Buttons, "PlanetsRight");
  EXPECT_NE(D().Carousels.Selected[ikPlanet], "NOPLANET");
  ClickButton(D().Buttons, "Back");
  EXPECT_EQ(Main->PendingState, gsMenu);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

TEST_F(DogfightScreen, TheSkillSelectorsCycleGoIntoTheBattleFileAndAreKeptInTheSettings) {
  // Both sides start as config.ini left them (an Ace by default); the player's file says Cadet
  // for side 1, and an unreadable side 2 stays an Ace.
  TFrontEndRoot::WriteFile(Main->ConfigFile(), "[MISC]\nGAME_SPEED=30\nAI_SKILL1=0\nAI_SKILL2=9\n[PLAYER1]\nTHRUST=87\n");
  AdfFlushCache();
  Main->LoadConfig();
  EXPECT_EQ(D().SideSkill[0], 0);
  EXPECT_EQ(D().SideSkill[1], 2) << "a skill beyond Ace is held to Ace";
  Main->SetGameState(gsDogfight, true);
  Settle();
  ClickButton(D().Buttons, "Side2Skill");
  EXPECT_EQ(D().SideSkill[1], 0) << "after Ace the selector comes round to Cadet";
  Settle();
  ClickButton(D().Buttons, "Side2Skill");
  EXPECT_EQ(D().SideSkill[1], 1);
  D().FillSlot(1);
  D().FillSlot(2);
  D().FillSlot(4);
  ASSERT_TRUE(D().Start());
  EXPECT_EQ(Read("SHIP1", "AISKILL"), "0");
  EXPECT_EQ(Read("SHIP2", "AISKILL"), "1");
  EXPECT_EQ(Read("SHIP3", "AISKILL"), "0") << "side 1's support ship flies at side 1's skill";
  Main->SaveConfig();
  AdfFlushCache();
  EXPECT_EQ(AdfReadInteger(Main->ConfigFile(), "MISC", "AI_SKILL1", -1), 0);
  EXPECT_EQ(AdfReadInteger(Main->ConfigFile(), "MISC", "AI_SKILL2", -1), 1);
  EXPECT_EQ(AdfReadInteger(Main->ConfigFile(), "PLAYER1", "THRUST", -1), 87) << "the rest of the file is kept";
}

}  // namespace
