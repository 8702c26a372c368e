// Saving and loading through the options and the selector: the slot saved into is the one
// selected, whatever its place in the list; a save that cannot be written and a slot that
// cannot be loaded are reported and leave the player on the selector with nothing changed.
#include <sys/stat.h>

#include "FrontEndRoot.h"
#include "campaign/SaveGame.h"

using namespace sw;

namespace {

class SaveSlots : public FrontEndGame {
protected:
  void OpenSelectorFromOptions(const std::string& key) {
    Main->Options->SetAvailability(gsCampaign, csMap);
    Main->OptionsReturnState = gsCampaign;
    Main->SetGameState(gsOptions, true);
    ClickButton(Main->Options->Buttons, key);
    Settle();
    ASSERT_EQ(Main->GameState, gsSelector);
  }
  // Moves the selection to the entry of that section with the scroll button.
  void Select(const std::string& section) {
    const int at = Main->Selector->Entries.IndexOf(section);
    ASSERT_GE(at, 0) << section;
    for (int i = 0; i < 20 && Main->Selector->Selected < at; ++i) {
      ClickButton(Main->Selector->Buttons, "scroll_down");
      Settle();  // a flashing button takes no click
    }
    ASSERT_EQ(Main->Selector->Selected, at);
  }
  std::string Index() const { return Game.Root + "saves/saves.adf"; }
};


TEST_F(SaveSlots, SavesIntoTheSelectedSlotAndLoadsItBackRefusingWhatCannotBeDone) {
  // A hand-ordered index: slot 4, then slot 1 whose campaign is no longer installed.
  TFrontEndRoot::WriteFile(Index(), "[SAVE4]\nNAME=Old four\nCNAME=tutorial\\\n[SAVE1]\nNAME=Lost\nCNAME=nowhere\\\n");
  AdfFlushCache();
  ASSERT_TRUE(Main->Campaign);
  const int fuel = Main->Campaign->PlayerFleet()->Fuel;

  OpenSelectorFromOptions("op3");
  EXPECT_EQ(Main->Selector->Entries.Count(), 10) << "ten slots, the missing ones empty";
  Select("SAVE4");
  EXPECT_EQ(Main->Selector->Selected, 2) << "the list offers the empty slots 2 and 3 before slot 4";
  // Slot 4 holds a save: the game asks first, and "No" leaves it as it was.
  const std::string before = TFrontEndRoot::ReadFile(Index());
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  ASSERT_TRUE(Main->Question);
  EXPECT_EQ(Main->Question->Text, "Overwrite the save in slot 4?") << "an old entry says neither where nor when";
  Main->DXDrawMouseDown(1, 460, 325);  // "No"
  Settle();
  EXPECT_FALSE(Main->Question);
  EXPECT_EQ(Main->GameState, gsSelector);
  EXPECT_EQ(TFrontEndRoot::ReadFile(Index()), before);
  EXPECT_FALSE(std::filesystem::exists(Game.Root + "saves/save4"));
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  Main->DXDrawMouseDown(1, 340, 325);  // "Yes"
  Settle();
  EXPECT_EQ(Main->GameState, gsOptions) << ErrorText();
  EXPECT_EQ(Main->Notices, std::vector<std::string>{"Saved to slot 4"});
  EXPECT_EQ(AdfReadString(Index(), "SAVE4", "NAME", ""), "Starwake : Tutorial");
  EXPECT_EQ(AdfReadString(Index(), "SAVE1", "NAME", ""), "Lost");
  EXPECT_FALSE(AdfSectionExists(Index(), "SAVE3"));
  EXPECT_TRUE(std::filesystem::exists(Game.Root + "saves/save4/map.adf"));

  // The index cannot be replaced: the save is reported and the player stays on the selector.
  ::chmod(Index().c_str(), 0444);
  OpenSelectorFromOptions("op3");
  Select("SAVE3");
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  ::chmod(Index().c_str(), 0644);
  EXPECT_EQ(Main->GameState, gsSelector);
  EXPECT_EQ(ErrorText().rfind("Unable to write to ", 0), 0u) << ErrorText();
  EXPECT_FALSE(std::filesystem::exists(Game.Root + "saves/save3"));
  Main->Errors.clear();

  // Loading: the slot of a campaign that is gone is refused; slot 4 replaces the running campaign.
  Main->Campaign->PlayerFleet()->Fuel = 1;
  const TGameMain* running = Main->Campaign.get();
  OpenSelectorFromOptions("op2");
  Select("SAVE1");
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsSelector);
  EXPECT_NE(ErrorText().find("\"nowhere\\\" is no longer in the data folder"), std::string::npos) << ErrorText();
  EXPECT_EQ(Main->Campaign.get(), running);
  ClickButton(Main->Selector->Buttons, "scroll_up");
  Settle();
  ClickButton(Main->Selector->Buttons, "cont_but");
  Settle();
  EXPECT_EQ(Main->GameState, gsCampaign);
  EXPECT_EQ(Main->Campaign->SaveFolder, "save4\\");
  EXPECT_EQ(Main->Campaign->PlayerFleet()->Fuel, fuel);
}

TEST_F(SaveSlots, ADamagedSlotOffersItsBackupAndANewerSaveIsRefused) {
  ASSERT_TRUE(Main->Campaign);
  TGameMain& running = *Main->Campaign;
  const int fuel = running.PlayerFleet()->Fuel;
  ASSERT_TRUE(Main->SaveToSlot("SAVE1"));
  running.PlayerFleet()->Fuel = fuel - 1;
  ASSERT_TRUE(Main->SaveToSlot("SAVE1"));
  EXPECT_EQ(Main->Notices, (std::vector<std::string>{"Saved to slot 1", "Saved to slot 1"}));
  // Saving over it asks where and when the save was made; "No" (the N key) keeps every byte.
  const std::string map = Game.Root + "saves/save1/map.adf";
  const std::string text = TFrontEndRoot::ReadFile(map);
  running.PlayerFleet()->Fuel = fuel - 2;
  Main->AskSaveToSlot("SAVE1");
  ASSERT_TRUE(Main->Question);
  EXPECT_EQ(Main->Question->Text, "Overwrite the save of " + TSaveGame::StarDateText(running.StarDateMinutes) + " at " +
                                      running.PlayerFleet()->System + "?");
  Main->FormKeyDown('N', false, false, false);
  EXPECT_FALSE(Main->Question);
  EXPECT_EQ(TFrontEndRoot::ReadFile(map), text);
  EXPECT_EQ(Main->Notices.size(), 2u);
  // The slot's map is cut short: loading it is refused, and its backup is offered.
  TFrontEndRoot::WriteFile(map, text.substr(0, text.size() - 7));
  AdfFlushCache();
  EXPECT_FALSE(Main->LoadSavedGame("SAVE1"));
  EXPECT_EQ(Main->Campaign.get(), &running) << "the running game is untouched";
  ASSERT_TRUE(Main->Question);
  EXPECT_EQ(Main->Question->Text.rfind("Slot 1 is damaged. Load its backup of ", 0), 0u) << Main->Question->Text;
  EXPECT_NE(ErrorText().find("its map.adf is cut short"), std::string::npos) << ErrorText();
  Main->DXDrawMouseDown(1, 340, 325);  // "Yes"
  Settle();
  EXPECT_FALSE(Main->Question);
  ASSERT_TRUE(Main->Campaign);
  EXPECT_EQ(Main->Campaign->SaveFolder, "save1.bak\\");
  EXPECT_EQ(Main->Campaign->PlayerFleet()->Fuel, fuel);
  EXPECT_EQ(Main->GameState, gsCampaign);

  // A save of a newer version of the game is refused, nothing changed.
  TFrontEndRoot::WriteFile(map, text);
  AdfWriteString(Index(), "SAVE1", "VERSION", "99");
  Main->Errors.clear();
  const TGameMain* loadedBackup = Main->Campaign.get();
  EXPECT_FALSE(Main->LoadSavedGame("SAVE1"));
  EXPECT_EQ(ErrorText(), "This save was made by a newer version of Starwake");
  EXPECT_FALSE(Main->Question) << "a newer game's save is not damaged: no backup is offered";
  EXPECT_EQ(Main->Campaign.get(), loadedBackup);
}

}  // namespace
