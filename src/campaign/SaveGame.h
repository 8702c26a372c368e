#pragma once
// The save slots below the saves folder. Slot n is the folder "save" + n, listed in the slot
// index saves.adf as the section "SAVE" + n with the campaign's title (NAME), its folder
// (CNAME), the computer's date and time of the save (DATE, TIME), and beside them where the
// player was (STAR_DATE as dd.mm.yyyy, LOCATION: the fleet's location, empty in open space)
// and the save format (VERSION; an entry without it is version 1). Folder names are always
// written and read in these lower-case letters, whatever the letters of the index's section,
// so saving and loading meet on file systems that tell letter case apart.
//
// A save never destroys the slot it replaces before the new one is whole: the world files are
// written and flushed to disk in a fresh folder beside the slot ("save3.new"), which then
// takes the slot's place in one exchange of names; only then is the index entry written, as a
// whole new index file. Whatever the moment a crash or a failure strikes, the slot holds either
// the old save or the new one. The slot's previous contents stay as its backup ("save3.bak").
// The leftovers of a save that was cut short are never listed and are cleared away (or, when
// the new folder was already whole, put in place) by the next save or load.
//
// The campaign also saves itself: the newest autosave is the folder "autosave" (index section
// "AUTOSAVE"), the two before it "autosave.1" and "autosave.2"; each new one shifts them.
//
// Besides the four world files every slot folder holds "save.adf": its own copy of the index
// entry and how many triggers, characters and trade posts were written, so a slot tells its
// campaign even when the index is lost, and a file cut short is noticed.
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace sw {

class TGameMain;

// One row of the load and save lists.
struct TSlotInfo {
  std::string Section;  // "SAVE3", "AUTOSAVE", "AUTOSAVE1", "AUTOSAVE2"
  std::string Folder;   // the folder below saves with a trailing backslash: "save3\", "autosave.1\"
  std::string Title, Campaign, Date, Time;
  std::string StarDate;   // "14.03.2311", empty when the entry does not say
  std::string Location;   // the fleet's location; empty: open space (or not said)
  bool HasPlace = false;  // the entry says where the fleet was
  int Version = 1;
  bool Listed = true;   // false: rebuilt from its folder, the index does not list it
  bool Autosave = false;
};

struct TSlotList {
  std::vector<TSlotInfo> Slots;  // the autosaves first, then the index's slots in file order
  bool IndexDamaged = false;     // the index is garbled, empty or missing while slot folders exist
  bool Rebuilt = false;          // some rows come from the slot folders themselves
  // What the selector says about the index ("" when all is well).
  std::string Notice;
};

class TSaveGame {
public:
  // savesFolder: the game's saves folder, with a trailing '/'.
  explicit TSaveGame(const std::string& savesFolder);

  // The save format this game writes; a save of a higher version is refused.
  static constexpr int SaveVersion = 2;
  // Why a save of a newer version of the game is refused.
  static constexpr const char* NewerVersionMessage = "This save was made by a newer version of Starwake";
  // Autosaves kept: the newest and the two before it.
  static constexpr int AutosaveDepth = 3;
  // The slots the list offers even when the index names fewer.
  static constexpr int OfferedSlots = 10;
  // The slot number of an index section "SAVE" + digits (letter case ignored); 0 for any other.
  static int SlotNumber(const std::string& section);
  static std::string SlotSection(int slot) { return "SAVE" + std::to_string(slot); }
  // The slot's folder name below the saves folder, with the trailing backslash the campaign's
  // save folder carries.
  static std::string SlotFolder(int slot) { return "save" + std::to_string(slot) + "\\"; }
  // The autosave sections: "AUTOSAVE" (newest), "AUTOSAVE1", "AUTOSAVE2"; -1 for any other
  // section, else 0, 1 or 2.
  static int AutosaveNumber(const std::string& section);
  static std::string AutosaveSection(int n) { return n == 0 ? "AUTOSAVE" : "AUTOSAVE" + std::to_string(n); }
  static std::string AutosaveFolder(int n) { return (n == 0 ? std::string("autosave") : "autosave." + std::to_string(n)) + "\\"; }
  // The folder of any section: a slot's, an autosave's, or the section's own name.
  static std::string SectionFolder(const std::string& section);
  // A star date as the list shows it: "14.03.2311".
  static std::string StarDateText(long long starDateMinutes);
  // The index file.
  std::string IndexFile() const;

  // Saves the campaign into slot n (1 or more), its index entry dated by `when`. The running
  // campaign is not changed; the slot's previous contents become its backup. Any failure
  // raises an EGameError "Unable to write to <file>" and leaves the slot and its index entry as
  // they were; a save whose last flush to disk failed is reported the same way, with the
  // previous contents kept loadable as the slot's backup.
  void Save(const TGameMain& game, int slot, std::time_t when);
  // Saves the campaign as the newest autosave; the older two shift down and the oldest goes.
  // Failures as Save.
  void Autosave(const TGameMain& game, std::time_t when);

  // The rows of the load and save lists: the autosaves (index entry, or their folder's own
  // record), then every section of the index, then slot folders the index does not list whose
  // own record names their campaign.
  TSlotList ListSlots();
  // The row of one section of the list; its Section is empty when the list has none.
  TSlotInfo FindSlot(const std::string& section);

  // Why a saved game cannot be loaded, or "" when it can. Everything is checked before any
  // world is touched: the slot folder (a save folder name as the campaign takes it) holds its
  // four world files, each readable and whole; every count in them matches what is there,
  // every fleet's location is on the map and coordinates and counts lie in their ranges; the
  // campaign it was saved from is still a campaign of the data folder; and the save is not of
  // a newer version. One message names the file and what is wrong.
  std::string LoadProblem(const std::string& slotFolder, const std::string& campaignFolder,
                          const std::string& dataFolder, int version = 1);

  // Deals with what saves that were cut short left behind: a new folder that was whole when its
  // slot was moved aside takes the slot's place; everything else is removed, and so are the
  // index's own temporary files of writers that are gone.
  void ClearLeftovers();

  // For tests: called after each step of a save ("map.adf", "triggers.adf", "chars.adf",
  // "trade.adf" written, "aside" when the old slot was moved aside, "slot" when the new folder
  // took the slot's place, "sync" for the flush of the saves folder after that); returning true
  // makes the save fail there as a write failure would.
  std::function<bool(const std::string& step)> FailAfter;
  // For tests: false makes the slot change places in two renames (old aside, new in), the way
  // used where the file system cannot exchange two names at once.
  bool ExchangeFolders = true;

private:
  std::string Saves;  // the saves folder, trailing '/'
  bool Fails(const std::string& step) const { return FailAfter && FailAfter(step); }
  // Writes the world files and the slot's record into a fresh folder, each flushed to disk.
  void WriteFreshFolder(const TGameMain& game, const std::string& folder, const std::string& shownSlot,
                        std::time_t when);
  // The list as the index and the folders have it, leftovers and all.
  TSlotList ReadSlotList();
  // Writes an index section with the slot's record (and mends a damaged index from the list).
  void WriteIndexEntry(const TGameMain& game, const std::string& section, std::time_t when);
};

}  // namespace sw
