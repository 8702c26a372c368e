#pragma once
// The list screen used four ways: choosing a campaign to start (mode 0), loading a saved game
// (1), saving the running campaign into a slot (2) and listing the installed add-ons (3). It
// shows the entries of one index file with a selection frame, two scroll buttons and the
// continue and cancel buttons; the main window decides what continue and cancel do.
#include <cstdint>
#include <string>

#include "core/NamedList.h"
#include "media/Button.h"
#include "media/MenuFocus.h"

namespace sw {

enum TSelectorMode : uint8_t { smNewCampaign = 0, smLoad = 1, smSave = 2, smAddOns = 3 };

// One entry of the list.
struct TListItem {
  std::string Title;
  std::string Folder;  // campaign folder, add-on prefix, or the save slot's folder
  std::string Date, Time;
  std::string Campaign;  // saves: the campaign the slot holds
  // Saves: what the row's first line shows (where and when the player was, the autosave named
  // as such, the campaign's title where the list holds saves of more than one campaign).
  std::string Line;
};

class TSelector {
public:
  // Loads the frame picture and builds the buttons.
  TSelector();

  // Sets the mode and fills the list from that mode's index file, with its title picture;
  // the selection goes back to the first entry.
  void SetMode(uint8_t mode);
  // The index file of a mode.
  static std::string IndexFile(uint8_t mode);

  // Moves the selection one entry down or up, never past either end. A new campaign always
  // starts with the first campaign of the index, so in mode 0 the selection stays put.
  void MoveSelection(bool down);
  // The selected entry, or nullptr when the list is empty.
  const TListItem* SelectedEntry() const { return Entries.At(Selected); }
  // The key of the selected entry's section ("" when the list is empty).
  std::string SelectedSection() const { return Entries.Count() > 0 ? Entries.NameAt(Selected) : ""; }

  // Rows shown at once (the last row is RowCount() - 1) and their height.
  int RowCount() const { return Mode == smLoad || Mode == smSave ? 6 : 11; }
  int RowHeight() const { return Mode == smLoad || Mode == smSave ? 26 : 14; }

  // Draws the screen; the list scrolls one row per frame toward the selection.
  void Draw();
  // The key of the available button under the point (dimmed buttons are skipped), or "".
  std::string HitTest(int x, int y) const { return Buttons.HitTestAvailable(x, y); }

  uint8_t Mode = smNewCampaign;
  TNamedList<TListItem> Entries;
  int Selected = 0;
  // 0 or below: the first row shows the entry at -ScrollOffset.
  int ScrollOffset = 0;
  // The buttons the highlight moves among: continue while it can be pressed, and cancel where
  // it is shown (the arrows Up and Down move the list itself). The highlight starts on
  // continue, and is drawn grey while continue is dimmed.
  TFocusTargets FocusTargets() const;

  TButtonList Buttons;
  TMenuFocus Focus;
  // Saves: what the list says about the save index ("" when all is well), shown under the list.
  std::string Notice;

private:
  // Whether continue may be pressed now.
  bool CanContinue() const;
};

}  // namespace sw
