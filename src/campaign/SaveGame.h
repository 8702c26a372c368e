#pragma once
// The save slots below the saves folder. Slot n is the folder "save" + n, listed in the slot
// index saves.adf as the section "SAVE" + n with the campaign's title (NAME), its folder
// (CNAME) and the computer's date and time of the save (DATE, TIME). Folder names are always
// written and read in these lower-case letters, whatever the letters of the index's section,
// so saving and loading meet on file systems that tell letter case apart.
//
// A save never destroys the slot it replaces before the new one is whole: the four world files
// are written and flushed to disk in a fresh folder beside the slot ("save3.new"), which then
// takes the slot's place in one exchange of names; only then is the index entry written, as a
// whole new index file. Whatever the moment a crash or a failure strikes, the slot holds either
// the old save or the new one. The leftovers of a save that was cut short are never listed
// and are cleared away (or, when the new folder was already whole, put in place) by the next
// save or load.
#include <ctime>
#include <functional>
#include <string>

namespace sw {

class TGameMain;

class TSaveGame {
public:
  // savesFolder: the game's saves folder, with a trailing '/'.
  explicit TSaveGame(const std::string& savesFolder);

  // The slots the list offers even when the index names fewer.
  static constexpr int OfferedSlots = 10;
  // The slot number of an index section "SAVE" + digits (letter case ignored); 0 for any other.
  static int SlotNumber(const std::string& section);
  static std::string SlotSection(int slot) { return "SAVE" + std::to_string(slot); }
  // The slot's folder name below the saves folder, with the trailing backslash the campaign's
  // save folder carries.
  static std::string SlotFolder(int slot) { return "save" + std::to_string(slot) + "\\"; }
  // The index file.
  std::string IndexFile() const;

  // Saves the campaign into slot n (1 or more), its index entry dated by `when`. The running
  // campaign is not changed. Any failure raises an EGameError "Unable to write to <file>" and
  // leaves the slot and its index entry as they were.
  void Save(const TGameMain& game, int slot, std::time_t when);

  // Why a saved game cannot be loaded, or "" when it can: the slot folder (a save folder name
  // as the campaign takes it) must hold its four world files, each readable, and the campaign
  // folder it was saved from must still exist below the data folder.
  std::string LoadProblem(const std::string& slotFolder, const std::string& campaignFolder,
                          const std::string& dataFolder);

  // Deals with what saves that were cut short left behind: a new folder that was whole when its
  // slot was moved aside takes the slot's place; everything else is removed.
  void ClearLeftovers();

  // For tests: called after each step of a save ("map.adf", "triggers.adf", "chars.adf",
  // "trade.adf" written, "aside" when the old slot was moved aside, "slot" when the new folder
  // took the slot's place); returning true makes the save fail there as a write failure would.
  std::function<bool(const std::string& step)> FailAfter;
  // For tests: false makes the slot change places in two renames (old aside, new in), the way
  // used where the file system cannot exchange two names at once.
  bool ExchangeFolders = true;

private:
  std::string Saves;  // the saves folder, trailing '/'
  bool Fails(const std::string& step) const { return FailAfter && FailAfter(step); }
};

}  // namespace sw
