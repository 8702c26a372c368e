#include "campaign/SaveGame.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
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
const std::string NewSuffix = ".new", OldSuffix = ".old", BackupSuffix = ".bak";
// A slot folder's own record of its index entry.
const std::string SlotRecordFile = "save.adf", SlotRecordSection = "SAVE";
// The autosave folders while a new one is written, once it is whole, and the oldest on its way out.
const std::string AutosaveBase = "autosave", AutosaveTemp = "autosave.tmp", AutosaveNew = "autosave.new",
                  AutosaveDrop = "autosave.drop";

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

// The index's temporary file of a writer that is gone (saves.adf.tmp + its process number): a
// writer killed halfway leaves it behind. One of a game still running is left alone.
bool StaleIndexTemp(const std::string& name) {
  const std::string prefix = "saves.adf.tmp";
  if (name.size() <= prefix.size() || !SameText(name.substr(0, prefix.size()), prefix)) return false;
  long long pid = 0;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(name[i])) || pid > 99999999) return false;
    pid = pid * 10 + (name[i] - '0');
  }
  if (pid == ::getpid()) return true;  // this game writes one file at a time: not now
  return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
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

int TSaveGame::AutosaveNumber(const std::string& section) {
  for (int n = 0; n < AutosaveDepth; ++n)
    if (SameText(section, AutosaveSection(n))) return n;
  return -1;
}

std::string TSaveGame::SectionFolder(const std::string& section) {
  if (const int slot = SlotNumber(section); slot > 0) return SlotFolder(slot);
  if (const int n = AutosaveNumber(section); n >= 0) return AutosaveFolder(n);
  return section + "\\";
}

std::string TSaveGame::StarDateText(long long minutes) {
  const TGameMain::TDateParts d = TGameMain::DateParts(minutes);
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%d", d.Day, d.Month, d.Year);
  return text;
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
  for (const auto& name : names) {
    const std::string path = Saves + name;
    if (LeftoverSlot(name, NewSuffix) > 0 || LeftoverSlot(name, OldSuffix) > 0) {
      if (IsFolder(path)) RemoveAll(path);
    } else if (StaleIndexTemp(name) && !IsFolder(path)) {
      ::unlink(path.c_str());
    }
  }
  // An autosave cut short: the new folder is named "autosave.new" only once it is whole, so it
  // finishes a rotation that had already moved the newest down; otherwise it is dropped.
  const std::string newest = Saves + AutosaveBase, whole = Saves + AutosaveNew;
  if (IsFolder(whole) && !IsFolder(newest) && ::rename(whole.c_str(), newest.c_str()) == 0) SyncFolder(Saves);
  for (const std::string& leftover : {AutosaveTemp, AutosaveNew, AutosaveDrop})
    if (IsFolder(Saves + leftover)) RemoveAll(Saves + leftover);
}

void TSaveGame::WriteFreshFolder(const TGameMain& game, const std::string& fresh, const std::string& shownSlot,
                                 std::time_t when) {
  RemoveAll(fresh);
  if (::mkdir(fresh.c_str(), 0755) != 0) Unable(fresh);
  std::vector<TSavedWorldFile> files = SavedWorldFiles(game);
  // The slot's own record: its index entry, and the counts that show a file cut short.
  TAdfDocument record;
  const TFleet* player = game.PlayerFleet();
  record.Set(SlotRecordSection, "NAME", game.Title);
  record.Set(SlotRecordSection, "CNAME", game.CampaignFolder);
  record.Set(SlotRecordSection, "DATE", DateText(when, "%d/%m/%Y"));
  record.Set(SlotRecordSection, "TIME", DateText(when, "%H:%M:%S"));
  record.Set(SlotRecordSection, "STAR_DATE", StarDateText(game.StarDateMinutes));
  record.Set(SlotRecordSection, "LOCATION", player ? player->System : "");
  record.Set(SlotRecordSection, "VERSION", std::to_string(SaveVersion));
  record.Set(SlotRecordSection, "TRIGGERS", std::to_string(game.Triggers.Count()));
  record.Set(SlotRecordSection, "CHARACTERS", std::to_string(game.Characters.Count()));
  record.Set(SlotRecordSection, "TRADE_POSTS", std::to_string(game.TradePosts.Count()));
  files.push_back({SlotRecordFile, record.Serialize()});
  // The folder is seen by no one until it is renamed, so each file is written in place; all are
  // written before any is flushed, so the disk takes them in one go rather than one by one.
  std::vector<int> written;
  auto fail = [&](const std::string& what) {
    for (int fd : written) ::close(fd);
    RemoveAll(fresh);
    Unable(what);
  };
  for (const TSavedWorldFile& file : files) {
    const int fd = ::open((fresh + "/" + file.Name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) fail(shownSlot + "/" + file.Name);
    written.push_back(fd);
    const char* p = file.Text.data();
    size_t left = file.Text.size();
    while (left > 0) {
      const ssize_t w = ::write(fd, p, left);
      if (w <= 0) fail(shownSlot + "/" + file.Name);
      p += w;
      left -= static_cast<size_t>(w);
    }
  }
  for (size_t i = 0; i < files.size(); ++i)
    if (::fsync(written[i]) != 0 || Fails(files[i].Name)) fail(shownSlot + "/" + files[i].Name);
  bool closed = true;
  for (int fd : written) closed = ::close(fd) == 0 && closed;
  written.clear();
  if (!closed || !SyncFolder(fresh)) fail(shownSlot);
}

void TSaveGame::WriteIndexEntry(const TGameMain& game, const std::string& section, std::time_t when) {
  // A damaged index is written anew from the list rebuilt from the folders (its old text is
  // kept beside it), so no slot that lies on disk drops out of the list.
  // (Not ListSlots: the folders of the save under way must not be tidied away.)
  TSlotList list = ReadSlotList();
  const std::string file = IndexFile();
  if (list.IndexDamaged) {
    std::string old;
    if (ReadWholeFile(file, old) && !old.empty()) AtomicWriteFile(file + ".damaged", old, true);
  }
  TAdfBatch index(file, list.IndexDamaged);
  if (list.IndexDamaged)
    for (const TSlotInfo& row : list.Slots) {
      if (row.Autosave && row.Section != AutosaveSection(0)) continue;  // the older two live in their folders
      if (SameText(row.Section, section)) continue;
      index.WriteString(row.Section, "NAME", row.Title);
      index.WriteString(row.Section, "CNAME", row.Campaign);
      index.WriteString(row.Section, "DATE", row.Date);
      index.WriteString(row.Section, "TIME", row.Time);
      if (row.HasPlace) {
        index.WriteString(row.Section, "STAR_DATE", row.StarDate);
        index.WriteString(row.Section, "LOCATION", row.Location);
      }
      index.WriteString(row.Section, "VERSION", std::to_string(row.Version));
    }
  const TFleet* player = game.PlayerFleet();
  index.WriteString(section, "NAME", game.Title);
  index.WriteString(section, "CNAME", game.CampaignFolder);
  index.WriteString(section, "DATE", DateText(when, "%d/%m/%Y"));
  index.WriteString(section, "TIME", DateText(when, "%H:%M:%S"));
  index.WriteString(section, "STAR_DATE", StarDateText(game.StarDateMinutes));
  index.WriteString(section, "LOCATION", player ? player->System : "");
  index.WriteString(section, "VERSION", std::to_string(SaveVersion));
  index.Commit(true);
}

void TSaveGame::Save(const TGameMain& game, int slotNumber, std::time_t when) {
  if (slotNumber < 1) Unable(IndexFile());
  if (!MakeFolders(Saves)) Unable(Saves);
  ClearLeftovers();
  // A slot folder made in other letters (copied in by hand) is used under its own name.
  const std::string slot = ResolvePath(Saves + "save" + std::to_string(slotNumber));
  const std::string fresh = slot + NewSuffix, aside = slot + OldSuffix, backup = slot + BackupSuffix;

  // 1. The world files, each whole and on disk, in a fresh folder beside the slot.
  WriteFreshFolder(game, fresh, slot, when);

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
  const std::string old = how == Exchanged ? fresh : aside;
  // The previous contents become the slot's backup (the backup before them goes).
  auto keepOldAsBackup = [&] {
    if (how == NoOldSlot) return;
    RemoveAll(backup);
    if (::rename(old.c_str(), backup.c_str()) != 0) RemoveAll(old);
    SyncFolder(Saves);
  };
  // The names in the saves folder must reach the disk, or the new slot may vanish in a power
  // cut: a flush that fails is a failed save, reported as one. The new save stays in the slot
  // with its index entry, and the previous one stays loadable as its backup.
  if (!SyncFolder(Saves) || Fails("sync")) {
    keepOldAsBackup();
    try {
      WriteIndexEntry(game, SlotSection(slotNumber), when);
    } catch (const std::exception&) {
    }
    AdfFlushCache();
    throw EGameError(Format("Unable to write to %s", Saves) +
                     ": the disk did not confirm the save; the previous save is kept as the slot's backup");
  }
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
    WriteIndexEntry(game, SlotSection(slotNumber), when);
  } catch (const std::exception&) {
    rollBack();
    throw;
  }
  keepOldAsBackup();
  // The slot's files were replaced behind the file cache's back.
  AdfFlushCache();
}

void TSaveGame::Autosave(const TGameMain& game, std::time_t when) {
  if (!MakeFolders(Saves)) Unable(Saves);
  ClearLeftovers();
  const std::string temp = Saves + AutosaveTemp, whole = Saves + AutosaveNew, drop = Saves + AutosaveDrop;
  auto folder = [&](int n) {
    std::string f = Saves + AutosaveFolder(n);
    f.pop_back();  // the backslash
    return f;
  };
  // 1. The new autosave, whole and on disk, then named as whole in one rename.
  WriteFreshFolder(game, temp, folder(0), when);
  if (::rename(temp.c_str(), whole.c_str()) != 0 || !SyncFolder(Saves)) {
    RemoveAll(temp);
    RemoveAll(whole);
    Unable(folder(0));
  }
  // 2. The rotation, one rename at a time: the oldest goes out of the way, the others move
  // down, the new one takes the newest place. Cut short anywhere, the previous autosave is
  // still whole under one of the names (and the next save or load finishes the rotation).
  const std::string oldest = folder(AutosaveDepth - 1);
  if (IsFolder(oldest) && ::rename(oldest.c_str(), drop.c_str()) != 0) {
    RemoveAll(whole);
    Unable(oldest);
  }
  for (int n = AutosaveDepth - 2; n >= 0; --n)
    if (IsFolder(folder(n)) && ::rename(folder(n).c_str(), folder(n + 1).c_str()) != 0) {
      RemoveAll(whole);
      Unable(folder(n));
    }
  if (::rename(whole.c_str(), folder(0).c_str()) != 0) Unable(folder(0));
  if (!SyncFolder(Saves) || Fails("sync")) {
    RemoveAll(drop);
    AdfFlushCache();
    throw EGameError(Format("Unable to write to %s", Saves) +
                     ": the disk did not confirm the autosave; the one before it is kept");
  }
  // 3. The index entry, last.
  if (Fails("slot")) Unable(IndexFile());
  WriteIndexEntry(game, AutosaveSection(0), when);
  RemoveAll(drop);
  AdfFlushCache();
}

namespace {

// Reads one row's fields from an index section or a slot's own record.
void ReadSlotFields(const std::string& file, const std::string& section, TSlotInfo& row) {
  row.Title = AdfReadString(file, section, "NAME", "Empty");
  row.Campaign = AdfReadString(file, section, "CNAME", "");
  row.Date = AdfReadString(file, section, "DATE", "-");
  row.Time = AdfReadString(file, section, "TIME", "-");
  row.HasPlace = AdfKeyExists(file, section, "STAR_DATE");
  row.StarDate = AdfReadString(file, section, "STAR_DATE", "");
  row.Location = AdfReadString(file, section, "LOCATION", "");
  row.Version = AdfReadInteger(file, section, "VERSION", 1);
}

// An index that cannot be what a game wrote: bytes no text has, or lines that are neither a
// section, a key, a comment nor blank.
bool GarbledIndex(const std::string& text) {
  size_t start = 0;
  bool anySection = false;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trim(text.substr(start, end - start));
    start = end + 1;
    for (char c : line)
      if (static_cast<unsigned char>(c) < 32 && c != '\t') return true;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      if (line.back() != ']') return true;
      anySection = true;
    } else if (line.find('=') == std::string::npos || !anySection) {
      return true;
    }
  }
  return false;
}

}  // namespace

TSlotList TSaveGame::ListSlots() {
  ClearLeftovers();
  return ReadSlotList();
}

TSlotList TSaveGame::ReadSlotList() {
  TSlotList list;
  const std::string index = IndexFile();
  std::string text;
  const bool indexRead = ReadWholeFile(index, text);
  // Which slot folders lie on disk (the list checks them against the index).
  std::vector<std::string> slotFolders;
  std::error_code ec;
  if (IsFolder(Saves))
    for (const auto& entry : fs::directory_iterator(Saves, ec)) {
      const std::string name = entry.path().filename().string();
      if (!IsFolder(Saves + name)) continue;
      const bool autosave = name == AutosaveBase || name == AutosaveBase + ".1" || name == AutosaveBase + ".2";
      if (autosave || (SlotNumber(name) > 0 && name.find('.') == std::string::npos)) slotFolders.push_back(name);
    }
  const bool anyFolder = !slotFolders.empty();
  if (anyFolder && (!indexRead || Trim(text).empty() || GarbledIndex(text))) list.IndexDamaged = true;
  const std::vector<std::string> sections = list.IndexDamaged ? std::vector<std::string>{} : AdfReadSections(index);

  auto folderOf = [](const std::string& section) {
    std::string f = SectionFolder(section);
    f.pop_back();
    return f;
  };
  auto listed = [&](const std::string& section) {
    for (const auto& s : sections)
      if (SameText(s, section)) return true;
    return false;
  };
  // A row from the folder's own record, when the folder has one that names its campaign.
  auto fromFolder = [&](const std::string& section, TSlotInfo& row) {
    const std::string record = ResolvePath(Saves + folderOf(section) + "/" + SlotRecordFile);
    if (!FileExists(record) || Trim(AdfReadString(record, SlotRecordSection, "CNAME", "")).empty()) return false;
    ReadSlotFields(record, SlotRecordSection, row);
    return true;
  };
  auto onDisk = [&](const std::string& section) {
    for (const auto& f : slotFolders)
      if (f == folderOf(section)) return true;
    return false;
  };

  // The autosaves first: the newest by its index entry, the two before it by their own records.
  for (int n = 0; n < AutosaveDepth; ++n) {
    const std::string section = AutosaveSection(n);
    if (!onDisk(section)) continue;
    TSlotInfo row;
    row.Section = section;
    row.Folder = SectionFolder(section);
    row.Autosave = true;
    if (n == 0 && listed(section)) {
      ReadSlotFields(index, section, row);
    } else if (!fromFolder(section, row)) {
      continue;
    } else if (n == 0) {
      row.Listed = false;
      list.Rebuilt = list.Rebuilt || list.IndexDamaged;
    }
    list.Slots.push_back(row);
  }
  for (const auto& section : sections) {
    if (AutosaveNumber(section) >= 0) continue;
    TSlotInfo row;
    row.Section = section;
    row.Folder = SectionFolder(section);
    ReadSlotFields(index, section, row);
    list.Slots.push_back(row);
  }
  // Slot folders the index does not list: their own record puts them back in the list.
  std::vector<int> unlisted;
  for (const auto& f : slotFolders)
    if (const int n = SlotNumber(f); n > 0 && !listed(SlotSection(n))) unlisted.push_back(n);
  std::sort(unlisted.begin(), unlisted.end());
  for (int n : unlisted) {
    TSlotInfo row;
    row.Section = SlotSection(n);
    row.Folder = SlotFolder(n);
    if (!fromFolder(row.Section, row)) continue;
    row.Listed = false;
    list.Rebuilt = true;
    list.Slots.push_back(row);
  }
  if (list.IndexDamaged)
    list.Notice = std::string("The save index saves.adf is damaged") +
                  (list.Rebuilt ? "; the list was rebuilt from the slot folders" : "");
  else if (list.Rebuilt)
    list.Notice = "Some saves were missing from the save index; the list was rebuilt from the slot folders";
  return list;
}

TSlotInfo TSaveGame::FindSlot(const std::string& section) {
  for (TSlotInfo& row : ListSlots().Slots)
    if (SameText(row.Section, section)) return row;
  return {};
}

}  // namespace sw
