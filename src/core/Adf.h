#pragma once
// ADF files: INI text with [SECTION] headers and KEY=VALUE lines, read and written one value
// at a time. Section and key names match without regard to letter case; lists of sections and
// keys come in file order; a value is at most 2047 characters; integers are decimal or
// hexadecimal after "0x" or "$"; a missing or non-numeric value gives the caller's default;
// booleans are integers written as 1 or 0. Reads come from a cache that is refreshed when the
// file changes on disk or is written through these functions.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Text.h"

namespace sw {

constexpr size_t AdfMaxValue = 2047;

// One parsed ADF file, kept in memory. The file's own lines are kept too, so writing it back
// changes only the lines of the values that were set or erased: comments, blank lines, keys
// the game does not know, repeated keys, the order of everything and the line endings stay as
// the author wrote them. A UTF-8 byte-order mark in front of the first line is skipped when
// reading and written back.
class TAdfDocument {
public:
  void Parse(const std::string& text);
  std::string Serialize() const;

  bool HasSection(const std::string& section) const;
  bool HasKey(const std::string& section, const std::string& key) const;
  // The raw value, or nullptr when the section or key is missing.
  const std::string* Find(const std::string& section, const std::string& key) const;
  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(const std::string& section) const;

  void Set(const std::string& section, const std::string& key, const std::string& value);
  void EraseKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);

private:
  struct TEntry {
    std::string Key, Value;
    int Line = -1;         // the file line that holds it, -1 when it was added
    bool Changed = false;  // set to another value than the file holds
  };
  struct TSection {
    std::string Name;
    std::vector<TEntry> Entries;
    int InsertAfter = -1;  // added keys go after this file line; -1 for a section that was added
  };
  // A line of the file as it was read.
  struct TLine {
    std::string Text;     // without its line break (a '\r' of a Windows line ending stays)
    std::string Section;     // the section it lies in (its header included)
    std::string Key;         // the key of a key line, else empty
    bool InSection = false;  // false for the lines before the first header
    bool Dropped = false;    // its key or section was erased
  };
  const TSection* FindSection(const std::string& name) const;
  TSection* FindSection(const std::string& name);
  void AddSection(TSection section);
  std::vector<TSection> SectionList;
  // Section name (any letter case) to its place in SectionList: a world file has a section for
  // every location and fleet, and each value read or written finds its section.
  std::unordered_map<std::string, size_t, TFoldedHash, TFoldedEqual> SectionIndex;
  std::vector<TLine> Lines;
  bool ByteOrderMark = false;
  bool WindowsLineEnds = false;
};

std::string AdfReadString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& def);
int AdfReadInteger(const std::string& file, const std::string& section, const std::string& key, int def);
bool AdfReadBool(const std::string& file, const std::string& section, const std::string& key, bool def);
double AdfReadReal(const std::string& file, const std::string& section, const std::string& key, double def);
bool AdfKeyExists(const std::string& file, const std::string& section, const std::string& key);
bool AdfSectionExists(const std::string& file, const std::string& section);
std::vector<std::string> AdfReadSections(const std::string& file);
std::vector<std::string> AdfReadKeys(const std::string& file, const std::string& section);

// Writes create the file and the section as needed; a write that fails raises
// "Unable to write to %s" with the file name. The file is replaced whole (temporary file and
// rename), so a failed write never leaves half a file; a file without any write permission
// (made read-only by its owner) is never replaced, and the write fails the same way.
void AdfWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value);
void AdfWriteInteger(const std::string& file, const std::string& section, const std::string& key, int value);
void AdfWriteBool(const std::string& file, const std::string& section, const std::string& key, bool value);
void AdfWriteReal(const std::string& file, const std::string& section, const std::string& key, double value);

// Many writes to one file at once: the file is read once, changed in memory and written
// once by Commit (with sync = true it is flushed to disk before the rename, for player files).
class TAdfBatch {
public:
  explicit TAdfBatch(const std::string& file, bool startEmpty = false);
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteReal(const std::string& section, const std::string& key, double value);
  void Commit(bool sync = false);

private:
  std::string File;
  TAdfDocument Doc;
};

// Forgets every cached file (tests, or after files were changed behind the game's back).
void AdfFlushCache();

}  // namespace sw
