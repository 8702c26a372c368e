// The selector: its lists in each mode, moving the selection, the list following the
// selection one row a frame, and when continue can be pressed.
#include "FrontEndRoot.h"

using namespace sw;

namespace {

class SelectorScreen : public FrontEndGame {
protected:
  TSelector& S() { return *Main->Selector; }
  // A save index with the given slots; a slot whose name is empty is written without NAME.
  void WriteSaves(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
      text += "[SAVE" + std::to_string(i + 1) + "]\n";
      if (!names[i].empty()) text += "NAME=" + names[i] + "\nDATE=1.1.2300\nTIME=12:00\nCNAME=tutorial\\\n";
    }
    TFrontEndRoot::WriteFile(Game.Root + "saves/saves.adf", text);
    AdfFlushCache();
  }
  // Opens the selector in a mode and draws it once.
  void Open(uint8_t mode) {
    S().SetMode(mode);
    Main->SetGameState(gsSelector, true);
    Main->DXTimerTimer();
  }
  std::string HitCentre(const std::string& key) {
    const TButton& b = S().Buttons.Find(key);
    return S().HitTest(b.X + b.Width / 2, b.Y + b.Height / 2);
  }
};


TEST_F(SelectorScreen, ListsTheAddOnsAndTheSavedGames) {
  Open(smAddOns);
  ASSERT_EQ(S().Entries.Count(), static_cast<int>(AdfReadSections(TSelector::IndexFile(smAddOns)).size()));
  ASSERT_GT(S().Entries.Count(), 0);
  EXPECT_EQ(S().Entries.At(0)->Title, "Meridian Concord fleet pack");
  EXPECT_EQ(S().Entries.At(0)->Folder, "meridian\\");

  WriteSaves({"Outpost run", ""});
  Open(smLoad);
  ASSERT_EQ(S().Entries.Count(), 10) << "ten slots are offered, the ones not listed empty";
  EXPECT_EQ(S().Entries.At(0)->Title, "Outpost run");
  EXPECT_EQ(S().Entries.At(0)->Folder, "SAVE1\\");
  EXPECT_EQ(S().Entries.NameAt(9), "SAVE10");
  EXPECT_EQ(S().Entries.At(9)->Title, "Empty");
  EXPECT_EQ(S().Entries.At(0)->Campaign, "tutorial\\");
  EXPECT_EQ(S().Entries.At(1)->Title, "Empty");
  EXPECT_EQ(S().Entries.At(1)->Date, "-");
  EXPECT_EQ(S().Entries.At(1)->Time, "-");
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

TEST_F(SelectorScreen, AnEmptySlotCannotBeLoaded) {
  WriteSaves({"", "Second"});
  Open(smLoad);
  EXPECT_EQ(HitCentre("cont_but"), "") << "continue is dimmed on an empty slot";
  S().MoveSelection(true);
  Main->DXTimerTimer();
  EXPECT_EQ(HitCentre("cont_but"), "cont_but");
  // Saving into an empty slot is fine.
  Open(smSave);
  EXPECT_EQ(HitCentre("cont_but"), "cont_but");
}

TEST_F(SelectorScreen, TheListFollowsTheSelectionOneRowAFrame) {
  WriteSaves({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
  Open(smLoad);
  for (int i = 0; i < 6; ++i) S().MoveSelection(true);
  EXPECT_EQ(S().Selected, 6);
  EXPECT_EQ(S().ScrollOffset, 0) << "scrolling waits for the next frame";
  Main->DXTimerTimer();
  EXPECT_EQ(S().ScrollOffset, -1);
  Main->DXTimerTimer();
  EXPECT_EQ(S().ScrollOffset, -1);
  for (int i = 0; i < 5; ++i) S().MoveSelection(true);
  EXPECT_EQ(S().Selected, 9) << "the selection stops on the last entry";
  std::vector<int> offsets;
  for (int i = 0; i < 4; ++i) {
    Main->DXTimerTimer();
    offsets.push_back(S().ScrollOffset);
  }
  EXPECT_EQ(offsets, (std::vector<int>{-2, -3, -4, -4}));
  for (int i = 0; i < 12; ++i) S().MoveSelection(false);
  EXPECT_EQ(S().Selected, 0);
  offsets.clear();
  for (int i = 0; i < 5; ++i) {
    Main->DXTimerTimer();
    offsets.push_back(S().ScrollOffset);
  }
  EXPECT_EQ(offsets, (std::vector<int>{-3, -2, -1, 0, 0}));
  // Opening the list again starts at the top.
  Open(smSave);
  EXPECT_EQ(S().Selected, 0);
  EXPECT_EQ(S().ScrollOffset, 0);
}

TEST_F(SelectorScreen, ANewCampaignAlwaysStartsFromTheFirstEntry) {
  Open(smNewCampaign);
  ASSERT_GT(S().Entries.Count(), 0) << "the game's campaign index lists the tutorial";
  Game.OwnData();
  std::filesystem::remove(Game.Root + "data/campaigns.adf");
  TFrontEndRoot::WriteFile(Game.Root + "data/campaigns.adf",
                           "[ONE]\nTITLE=One\nFOLDER=one\\\n[TWO]\nTITLE=Two\nFOLDER=two\\\n[THREE]\nTITLE=Three\n");
  AdfFlushCache();
  Open(smNewCampaign);
  ASSERT_EQ(S().Entries.Count(), 3);
  EXPECT_EQ(S().SelectedEntry()->Folder, "one\\");
  S().MoveSelection(true);
  S().MoveSelection(false);
  S().MoveSelection(true);
  EXPECT_EQ(S().Selected, 0);
  // The scroll buttons still click and flash.
  Main->DXDrawMouseDown(1, 400, 405);
  EXPECT_EQ(Audio.Played().back(), "click");
  EXPECT_GT(S().Buttons.Find("scroll_down").FlashCountdown, 0);
  EXPECT_EQ(S().Selected, 0);
}

TEST_F(SelectorScreen, AnEmptyIndexOffersTenEmptySlotsAndCannotLoad) {
  Open(smSave);  // no saves yet
  EXPECT_EQ(S().Entries.Count(), 10);
  ASSERT_NE(S().SelectedEntry(), nullptr);
  EXPECT_EQ(S().SelectedEntry()->Title, "Empty");
  EXPECT_EQ(S().SelectedSection(), "SAVE1");
  EXPECT_EQ(HitCentre("cont_but"), "cont_but") << "saving goes into the first slot";
  Open(smLoad);
  EXPECT_EQ(HitCentre("cont_but"), "") << "nothing to load";
  S().MoveSelection(true);
  S().MoveSelection(false);
  Main->DXTimerTimer();
  EXPECT_EQ(S().Selected, 0);
  EXPECT_EQ(S().ScrollOffset, 0);
  EXPECT_TRUE(Main->Errors.empty()) << ErrorText();
}

}  // namespace
