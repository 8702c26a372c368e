#include "campaign/SaveGame.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "campaign/SavedWorld.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

const char* const WorldFileNames[] = {"map.adf", "triggers.adf", "chars.adf", "trade.adf"};
const std::string NewSuffix = ".new", OldSuffix = ".old";

[[noreturn]] void Unable(const std::string& what) { throw EGameError(Format("Unable to write to %s", what)); }

bool IsFolder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Flushes a folder's list of names to disk, so renames inside it survive a power cut.
bool SyncFolder(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

// Swaps the names of two folders in one step; false where the file system cannot.
bool Exchange(const std::string& a, const std::string& b) {
  return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0;
}

void RemoveAll(const std::string& path) {
  std::error_code ec;
  fs::remove_all(path, ec);
}

// The slot number of a leftover folder "save" + digits + suffix, 0 for any other name.
int LeftoverSlot(const std::string& name, const std::string& suffix) {
  if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return 0;
  const std::string base = name.substr(0, name.size() - suffix.size());
  if (base.size() < 5 || !SameText(base.substr(0, 4), "save")) return 0;
  return TSaveGame::SlotNumber("SAVE" + base.substr(4));
}

std::string DateText(std::time_t when, const char* format) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[64];
  return std::strftime(text, sizeof text, format, &local) ? text : "-";
}

}  // namespace

TSaveGame::TSaveGame(const std::string& savesFolder) : Saves(NormalizeSlashes(savesFolder)) {
  if (!Saves.empty() && Saves.back() != '/') Saves += '/';
}

int TSaveGame::SlotNumber(const std::string& section) {
  // Digits only, without leading zeros, so that one slot has one section name.
  if (section.size() < 5 || section.size() > 10 || !SameText(section.substr(0, 4), "SAVE") || section[4] == '0')
    return 0;
  long long n = 0;
  for (size_t i = 4; i < section.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(section[i]))) return 0;
    n = n * 10 + (section[i] - '0');
  }
  return n >= 1 && n <= 999999 ? static_cast<int>(n) : 0;
}

std::string TSaveGame::IndexFile() const { return ResolvePath(Saves + "saves.adf"); }

void TSaveGame::ClearLeftovers() {
  std::error_code ec;
  if (!IsFolder(Saves)) return;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(Saves, ec)) names.push_back(entry.path().filename().string());
  for (const auto& name : names) {
    const int asideSlot = LeftoverSlot(name, OldSuffix);
    if (asideSlot == 0) continue;
    const std::string base = name.substr(0, name.size() - OldSuffix.size());
    const std::string slot = Saves + base, aside = Saves + name, fresh = slot + NewSuffix;
    // The old slot was moved aside only once the new folder was whole: a save cut short
    // between the two renames is finished; without a new folder the old one goes back.
    if (!IsFolder(slot)) {
      if (IsFolder(fresh) && ::rename(fresh.c_str(), slot.c_str()) == 0) SyncFolder(Saves);
      else if (::rename(aside.c_str(), slot.c_str()) == 0) SyncFolder(Saves);
    }
  }
  for (const auto& name : names)
    if (LeftoverSlot(name, NewSuffix) > 0 || LeftoverSlot(name, OldSuffix) > 0) {
      const std::string path = Saves + name;
      if (IsFolder(path)) RemoveAll(path);
    }
}

void TSaveGame::Save(const TGameMain& game, int slotNumber, std::time_t when) {
  if (slotNumber < 1) Unable(IndexFile());
  if (!MakeFolders(Saves)) Unable(Saves);
  ClearLeftovers();
  // A slot folder made in other letters (copied in by hand) is used under its own name.
  const std::string slot = ResolvePath(Saves + "save" + std::to_string(slotNumber));
  const std::string fresh = slot + NewSuffix, aside = slot + OldSuffix;

  // 1. The four files, each whole and on disk, in a fresh folder beside the slot.
  RemoveAll(fresh);
  if (::mkdir(fresh.c_str(), 0755) != 0) Unable(fresh);
  for (const TSavedWorldFile& file : SavedWorldFiles(game)) {
    if (!AtomicWriteFile(fresh + "/" + file.Name, file.Text, true) || Fails(file.Name)) {
      RemoveAll(fresh);
      Unable(slot + "/" + file.Name);
    }
  }
  if (!SyncFolder(fresh)) {
    RemoveAll(fresh);
    Unable(slot);
  }

  // 2. The new folder takes the slot's place; the old save is kept until the index is written.
  enum { NoOldSlot, Exchanged, MovedAside } how;
  if (!IsFolder(slot)) {
    how = NoOldSlot;
    if (::rename(fresh.c_str(), slot.c_str()) != 0) {
      RemoveAll(fresh);
      Unable(slot);
    }
  } else if (ExchangeFolders && Exchange(fresh, slot)) {
    how = Exchanged;  // the old save now lies in the fresh folder's place
  } else {
    how = MovedAside;
    if (::rename(slot.c_str(), aside.c_str()) != 0) {
      RemoveAll(fresh);
      Unable(slot);
    }
    if (Fails("aside") || ::rename(fresh.c_str(), slot.c_str()) != 0) {
      ::rename(aside.c_str(), slot.c_str());
      RemoveAll(fresh);
      Unable(slot);
    }
  }
  SyncFolder(Saves);
  const std::string old = how == Exchanged ? fresh : aside;
  // Puts the old save back (or clears the slot that had none) when the index cannot be written.
  auto rollBack = [&] {
    if (how == NoOldSlot) {
      RemoveAll(slot);
    } else if (how == Exchanged) {
      if (Exchange(fresh, slot)) RemoveAll(fresh);
    } else if (::rename(slot.c_str(), fresh.c_str()) == 0 && ::rename(aside.c_str(), slot.c_str()) == 0) {
      RemoveAll(fresh);
    }
    SyncFolder(Saves);
    AdfFlushCache();
  };

  // 3. The index entry, last, in a whole new index file; the other entries stay as they are.
  try {
    if (Fails("slot")) Unable(IndexFile());
    TAdfBatch index(IndexFile());
    const std::string section = SlotSection(slotNumber);
    index.WriteString(section, "NAME", game.Title);
    index.WriteString(section, "CNAME", game.CampaignFolder);
    index.WriteString(section, "DATE", DateText(when, "%d/%m/%Y"));
    index.WriteString(section, "TIME", DateText(when, "%H:%M:%S"));
    index.Commit(true);
  } catch (const std::exception&) {
    rollBack();
    throw;
  }
  if (how != NoOldSlot) RemoveAll(old);
  // The slot's files were replaced behind the file cache's back.
  AdfFlushCache();
}

std::string TSaveGame::LoadProblem(const std::string& slotFolder, const std::string& campaignFolder,
                                   const std::string& dataFolder) {
  ClearLeftovers();
  std::string shown = NormalizeSlashes(slotFolder);
  while (!shown.empty() && shown.back() == '/') shown.pop_back();
  const std::string refused = "The saved game " + shown + " cannot be loaded: ";
  if (shown.empty() || !IsSafeDataName(slotFolder)) return refused + "it is not a folder below saves";
  if (Trim(campaignFolder).empty() || !IsSafeDataName(campaignFolder))
    return refused + "its index entry names no campaign folder";
  if (!IsFolder(ResolvePath(NormalizeSlashes(dataFolder + campaignFolder))))
    return refused + "its campaign \"" + campaignFolder + "\" is no longer in the data folder";
  for (const char* name : WorldFileNames) {
    const std::string path = ResolvePath(Saves + shown + "/" + name);
    std::string text;
    if (!ReadWholeFile(path, text)) return refused + "its " + name + " is missing or unreadable";
  }
  return "";
}

}  // namespace sw
