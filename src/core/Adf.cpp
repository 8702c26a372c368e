#include "core/Adf.h"

#include <sys/stat.h>

#include <cstdio>
#include <unordered_map>

#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

// ---- TAdfDocument ----

void TAdfDocument::Parse(const std::string& text) {
  SectionList.clear();
  TSection* current = nullptr;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(std::string_view(text).substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';') {
      if (end == text.size()) break;
      continue;
    }
    if (line[0] == '[') {
      size_t close = line.find(']');
      std::string name = Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1));
      // A repeated section adds to the first one of its name.
      current = FindSection(name);
      if (!current) {
        SectionList.push_back({name, {}});
        current = &SectionList.back();
      }
    } else if (current) {
      size_t eq = line.find('=');
      std::string key = Trim(line.substr(0, eq));
      std::string value = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
      if (key.empty()) continue;
      if (value.size() > AdfMaxValue) value.resize(AdfMaxValue);
      bool seen = false;
      for (const auto& e : current->Entries)
        if (SameText(e.Key, key)) seen = true;
      if (!seen) current->Entries.push_back({key, value});
    }
    if (end == text.size()) break;
  }
}

std::string TAdfDocument::Serialize() const {
  std::string out;
  for (size_t i = 0; i < SectionList.size(); ++i) {
    if (i) out += "\n";
    out += "[" + SectionList[i].Name + "]\n";
    for (const auto& e : SectionList[i].Entries) out += e.Key + "=" + e.Value + "\n";
  }
  return out;
}

const TAdfDocument::TSection* TAdfDocument::FindSection(const std::string& name) const {
  for (const auto& s : SectionList)
    if (SameText(s.Name, name)) return &s;
  return nullptr;
}

TAdfDocument::TSection* TAdfDocument::FindSection(const std::string& name) {
  for (auto& s : SectionList)
    if (SameText(s.Name, name)) return &s;
  return nullptr;
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
    SectionList.push_back({section, {}});
    s = &SectionList.back();
  }
  // Line breaks would split the value into lines of their own; they are not kept.
  std::string clean;
  for (char c : value)
    if (c != '\n' && c != '\r') clean += c;
  for (auto& e : s->Entries)
    if (SameText(e.Key, key)) {
      e.Value = clean;
      return;
    }
  s->Entries.push_back({key, clean});
}

void TAdfDocument::EraseKey(const std::string& section, const std::string& key) {
  if (TSection* s = FindSection(section))
    for (size_t i = 0; i < s->Entries.size(); ++i)
      if (SameText(s->Entries[i].Key, key)) {
        s->Entries.erase(s->Entries.begin() + static_cast<long>(i));
        return;
      }
}

void TAdfDocument::EraseSection(const std::string& section) {
  for (size_t i = 0; i < SectionList.size(); ++i)
    if (SameText(SectionList[i].Name, section)) {
      SectionList.erase(SectionList.begin() + static_cast<long>(i));
      return;
    }
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
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
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
  if (!AtomicWriteFile(path, doc.Serialize(), sync)) throw EGameError(Format("Unable to write to %s", file));
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
