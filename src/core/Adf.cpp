#include "core/Adf.h"

#include <sys/stat.h>

#include <cstdio>
#include <unordered_map>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

// ---- TAdfDocument ----

void TAdfDocument::Parse(const std::string& input) {
  SectionList.clear();
  SectionIndex.clear();
  Lines.clear();
  // Editors on Windows often start a UTF-8 file with a byte-order mark; it is not part of the
  // first line.
  static const std::string Bom = "\xEF\xBB\xBF";
  ByteOrderMark = input.compare(0, Bom.size(), Bom) == 0;
  const std::string_view text = std::string_view(input).substr(ByteOrderMark ? Bom.size() : 0);
  const size_t firstBreak = text.find('\n');
  WindowsLineEnds = firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';

  TSection* current = nullptr;
  bool inFirstBlock = false;
  std::string currentName;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    TLine raw;
    raw.Text = std::string(text.substr(pos, end - pos));
    raw.Section = currentName;
    raw.InSection = current != nullptr;
    pos = end + 1;
    const int lineIndex = static_cast<int>(Lines.size());
    std::string line = Trim(raw.Text);
    if (line.empty() || line[0] == ';') {
      Lines.push_back(std::move(raw));
      continue;
    }
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      // A repeated section adds to the first one of its name.
      current = FindSection(name);
      inFirstBlock = !current;
      if (!current) {
        AddSection({name, {}, lineIndex});
        current = &SectionList.back();
      }
      currentName = name;
      raw.Section = name;
      raw.InSection = true;
    } else if (current) {
      size_t eq = line.find('=');
      std::string key = Trim(line.substr(0, eq));
      std::string value = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
      if (!key.empty()) {
        raw.Key = key;
        if (value.size() > AdfMaxValue) value.resize(AdfMaxValue);
        bool seen = false;
        for (const auto& e : current->Entries)
          if (SameText(e.Key, key)) seen = true;
        if (!seen) current->Entries.push_back({key, value, lineIndex, false});
        // Keys added later go after the last key of the section's first block.
        if (inFirstBlock) current->InsertAfter = lineIndex;
      }
    }
    Lines.push_back(std::move(raw));
  }
}

std::string TAdfDocument::Serialize() const {
  const char* eol = WindowsLineEnds ? "\r\n" : "\n";
  std::string out = ByteOrderMark ? "\xEF\xBB\xBF" : "";
  // Which file line holds which value, and which added keys follow which line.
  std::vector<const TEntry*> valueAt(Lines.size(), nullptr);
  std::vector<std::vector<const TSection*>> addedAfter(Lines.size());
  for (const auto& s : SectionList) {
    for (const auto& e : s.Entries)
      if (e.Line >= 0) valueAt[static_cast<size_t>(e.Line)] = &e;
    if (s.InsertAfter >= 0) addedAfter[static_cast<size_t>(s.InsertAfter)].push_back(&s);
  }
  bool lastBlank = true;
  auto emit = [&](const std::string& line) {
    out += line;
    out += '\n';
    lastBlank = Trim(line).empty();
  };
  auto generated = [&](const std::string& line) {
    out += line;
    out += eol;
    lastBlank = Trim(line).empty();
  };
  for (size_t i = 0; i < Lines.size(); ++i) {
    const TLine& line = Lines[i];
    if (!line.Dropped) {
      const TEntry* e = valueAt[i];
      if (e && e->Changed) {
        // A changed value keeps the line's own ending.
        bool cr = !line.Text.empty() && line.Text.back() == '\r';
        emit(e->Key + "=" + e->Value + (cr ? "\r" : ""));
      } else {
        emit(line.Text);
      }
    }
    for (const TSection* s : addedAfter[i])
      for (const auto& e : s->Entries)
        if (e.Line < 0) generated(e.Key + "=" + e.Value);
  }
  // Sections that were not in the file come last, each after a blank line.
  for (const auto& s : SectionList) {
    if (s.InsertAfter >= 0) continue;
    if (!lastBlank) generated("");
    generated("[" + s.Name + "]");
    for (const auto& e : s.Entries) generated(e.Key + "=" + e.Value);
  }
  return out;
}

const TAdfDocument::TSection* TAdfDocument::FindSection(const std::string& name) const {
  auto it = SectionIndex.find(name);
  return it == SectionIndex.end() ? nullptr : &SectionList[it->second];
}

TAdfDocument::TSection* TAdfDocument::FindSection(const std::string& name) {
  auto it = SectionIndex.find(name);
  return it == SectionIndex.end() ? nullptr : &SectionList[it->second];
}

void TAdfDocument::AddSection(TSection section) {
  SectionIndex.emplace(section.Name, SectionList.size());
  SectionList.push_back(std::move(section));
}

bool TAdfDocument::HasSection(const std::string& section) const { return FindSection(section) != nullptr; }

bool TAdfDocument::HasKey(const std::string& section, const std::string& key) const {
  return Find(section, key) != nullptr;
}

const std::string* TAdfDocument::Find(const std::string& section, const std::string& key) const {
  const TSection* s = FindSection(section);
  if (!s) return nullptr;
  for (const auto& e : s->Entries)
    if (SameText(e.Key, key)) return &e.Value;
  return nullptr;
}

std::vector<std::string> TAdfDocument::Sections() const {
  std::vector<std::string> names;
  for (const auto& s : SectionList) names.push_back(s.Name);
  return names;
}

std::vector<std::string> TAdfDocument::Keys(const std::string& section) const {
  std::vector<std::string> names;
  if (const TSection* s = FindSection(section))
    for (const auto& e : s->Entries) names.push_back(e.Key);
  return names;
}

void TAdfDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
  TSection* s = FindSection(section);
  if (!s) {
    AddSection({section, {}});
    s = &SectionList.back();
  }
  // Line breaks would split the value into lines of their own; they are not kept.
  std::string clean;
  for (char c : value)
    if (c != '\n' && c != '\r') clean += c;
  for (auto& e : s->Entries)
    if (SameText(e.Key, key)) {
      if (e.Value != clean) {
        e.Value = clean;
        e.Changed = true;
      }
      return;
    }
  s->Entries.push_back({key, clean, -1, true});
}

void TAdfDocument::EraseKey(const std::string& section, const std::string& key) {
  // Every line of the key goes, repeats included, so that none of them is read in its place.
  for (auto& line : Lines)
    if (!line.Key.empty() && SameText(line.Section, section) && SameText(line.Key, key)) line.Dropped = true;
  if (TSection* s = FindSection(section))
    for (size_t i = 0; i < s->Entries.size(); ++i)
      if (SameText(s->Entries[i].Key, key)) {
        s->Entries.erase(s->Entries.begin() + static_cast<long>(i));
        return;
      }
}

void TAdfDocument::EraseSection(const std::string& section) {
  for (auto& line : Lines)
    if (line.InSection && SameText(line.Section, section)) line.Dropped = true;
  auto it = SectionIndex.find(section);
  if (it == SectionIndex.end()) return;
  const size_t at = it->second;
  SectionList.erase(SectionList.begin() + static_cast<long>(at));
  SectionIndex.erase(it);
  for (auto& entry : SectionIndex)
    if (entry.second > at) --entry.second;
}

// ---- the cache ----

namespace {

struct TCached {
  bool Exists = false;
  long long MTime = 0;
  long long Size = 0;
  TAdfDocument Doc;
};

std::unordered_map<std::string, TCached>& Cache() {
  static std::unordered_map<std::string, TCached> cache;
  return cache;
}

void Stamp(const std::string& path, bool& exists, long long& mtime, long long& size) {
  struct stat st;
  // A pipe or a device counts as a file too: it is read once, to its end, and kept while its
  // time stamp stays the same.
  if (::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
    exists = true;
    mtime = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    size = static_cast<long long>(st.st_size);
  } else {
    exists = false;
    mtime = size = 0;
  }
}

const TAdfDocument& Load(const std::string& file) {
  std::string path = ResolvePath(file);
  bool exists;
  long long mtime, size;
  Stamp(path, exists, mtime, size);
  auto it = Cache().find(path);
  if (it != Cache().end() && it->second.Exists == exists && it->second.MTime == mtime && it->second.Size == size)
    return it->second.Doc;
  TCached entry;
  entry.Exists = exists;
  entry.MTime = mtime;
  entry.Size = size;
  std::string text;
  if (exists && ReadWholeFile(path, text)) entry.Doc.Parse(text);
  auto& slot = Cache()[path];
  slot = std::move(entry);
  return slot.Doc;
}

void Store(const std::string& file, const TAdfDocument& doc, bool sync) {
  std::string path = ResolvePath(file);
  // A file its owner made read-only is left alone, even where the folder would let the
  // rename replace it; a file that is replaced keeps its permissions.
  struct stat st;
  const bool existed = ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
  if (existed && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    throw EGameError(Format("Unable to write to %s", file));
  if (!AtomicWriteFile(path, doc.Serialize(), sync)) throw EGameError(Format("Unable to write to %s", file));
  if (existed) ::chmod(path.c_str(), st.st_mode & 07777);
  Cache().erase(path);
}

}  // namespace

void AdfFlushCache() { Cache().clear(); }

std::string AdfReadString(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& def) {
  const std::string* v = Load(file).Find(section, key);
  return v ? *v : def;
}

int AdfReadInteger(const std::string& file, const std::string& section, const std::string& key, int def) {
  const std::string* v = Load(file).Find(section, key);
  if (!v) return def;
  auto n = ParseInteger(*v);
  return n ? static_cast<int>(*n) : def;
}

bool AdfReadBool(const std::string& file, const std::string& section, const std::string& key, bool def) {
  return AdfReadInteger(file, section, key, def ? 1 : 0) != 0;
}

double AdfReadReal(const std::string& file, const std::string& section, const std::string& key, double def) {
  const std::string* v = Load(file).Find(section, key);
  if (!v) return def;
  auto r = ParseReal(*v);
  return r ? *r : def;
}

bool AdfKeyExists(const std::string& file, const std::string& section, const std::string& key) {
  return Load(file).HasKey(section, key);
}

bool AdfSectionExists(const std::string& file, const std::string& section) {
  return Load(file).HasSection(section);
}

std::vector<std::string> AdfReadSections(const std::string& file) { return Load(file).Sections(); }

std::vector<std::string> AdfReadKeys(const std::string& file, const std::string& section) {
  return Load(file).Keys(section);
}

static std::string RealText(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

void AdfWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  TAdfDocument doc = Load(file);
  doc.Set(section, key, value);
  Store(file, doc, false);
}

void AdfWriteInteger(const std::string& file, const std::string& section, const std::string& key, int value) {
  AdfWriteString(file, section, key, std::to_string(value));
}

void AdfWriteBool(const std::string& file, const std::string& section, const std::string& key, bool value) {
  AdfWriteString(file, section, key, value ? "1" : "0");
}

void AdfWriteReal(const std::string& file, const std::string& section, const std::string& key, double value) {
  AdfWriteString(file, section, key, RealText(value));
}

TAdfBatch::TAdfBatch(const std::string& file, bool startEmpty) : File(file) {
  if (!startEmpty) Doc = Load(file);
}

void TAdfBatch::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Doc.Set(section, key, value);
}
void TAdfBatch::WriteInteger(const std::string& section, const std::string& key, int value) {
  Doc.Set(section, key, std::to_string(value));
}
void TAdfBatch::WriteBool(const std::string& section, const std::string& key, bool value) {
  Doc.Set(section, key, value ? "1" : "0");
}
void TAdfBatch::WriteReal(const std::string& section, const std::string& key, double value) {
  Doc.Set(section, key, RealText(value));
}
void TAdfBatch::Commit(bool sync) { Store(File, Doc, sync); }

}  // namespace sw
