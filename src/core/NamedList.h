#pragma once
// An ordered list of (name, object) pairs that owns its objects, found by name without
// regard to letter case and indexed by position.
//
// A name is found through an index of the names folded to lower case, the first entry of a
// name winning as a search from the front would. The index lives inside the list, so no caller
// keeps a second copy of the names, and every change keeps it up to date: an entry inserted or
// taken out moves the positions after it by one, which costs a pass over the index but no
// name is folded or hashed again. Short lists are searched from the front, which costs less
// than hashing the name.
#include <cctype>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/Text.h"

namespace sw {

template <typename T>
class TNamedList {
public:
  int Count() const { return static_cast<int>(Items.size()); }
  T* At(int i) const { return (i >= 0 && i < Count()) ? Items[i].second.get() : nullptr; }
  const std::string& NameAt(int i) const { return Items[i].first; }
  void Rename(int i, const std::string& name) {
    if (!Stale) Forget(i, Folded(Items[i].first), i + 1, i);
    Items[i].first = name;
    if (!Stale) Remember(Folded(name), i);
  }

  // Position of the first entry of that name, or -1.
  int IndexOf(const std::string& name) const {
    if (Count() <= SearchedFromTheFront) {
      for (int i = 0; i < Count(); ++i)
        if (SameText(Items[i].first, name)) return i;
      return -1;
    }
    if (Stale) Reindex();
    auto it = Index.find(Folded(name));
    return it == Index.end() ? -1 : it->second.First;
  }
  T* Find(const std::string& name) const { return At(IndexOf(name)); }

  T* Add(const std::string& name, std::unique_ptr<T> object) {
    Items.emplace_back(name, std::move(object));
    if (!Stale) Remember(Folded(name), Count() - 1);
    return Items.back().second.get();
  }
  T* Insert(int index, const std::string& name, std::unique_ptr<T> object) {
    auto it = Items.emplace(Items.begin() + index, name, std::move(object));
    if (!Stale) {
      for (auto& entry : Index)
        if (entry.second.First >= index) ++entry.second.First;
      Remember(Folded(name), index);
    }
    return it->second.get();
  }
  // Frees the entry at i; the next entry takes its place.
  void Delete(int i) { Extract(i); }
  std::unique_ptr<T> Extract(int i) {
    auto object = std::move(Items[i].second);
    const std::string folded = Stale ? std::string() : Folded(Items[i].first);
    Items.erase(Items.begin() + i);
    if (!Stale) {
      for (auto& entry : Index)
        if (entry.second.First > i) --entry.second.First;
      Forget(i, folded, i, -1);
    }
    return object;
  }
  void Clear() {
    Items.clear();
    Index.clear();
    Stale = false;
  }

private:
  // Lists up to this long are searched from the front.
  static constexpr int SearchedFromTheFront = 12;

  // Where a name's first entry is, and how many entries have the name.
  struct TNameSlot {
    int First = 0;
    int Count = 0;
  };

  static std::string Folded(const std::string& name) {
    std::string folded(name);
    for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded;
  }
  // The entry at position `at` has the folded name.
  void Remember(const std::string& folded, int at) const {
    TNameSlot& slot = Index[folded];
    if (slot.Count == 0 || slot.First > at) slot.First = at;
    ++slot.Count;
  }
  // The entry that was at position `at` no longer has the folded name; when it was the name's
  // first entry, the next one of that name is searched from position `from` on (passing over
  // the entry at `skip`, which is being renamed).
  void Forget(int at, const std::string& folded, int from, int skip) const {
    auto it = Index.find(folded);
    if (it == Index.end()) return;
    if (--it->second.Count == 0) {
      Index.erase(it);
      return;
    }
    if (it->second.First != at) return;
    for (int j = from; j < Count(); ++j)
      if (j != skip && Folded(Items[j].first) == folded) {
        it->second.First = j;
        return;
      }
    Stale = true;  // cannot happen while the counts are right; the next look-up rebuilds
  }
  void Reindex() const {
    Index.clear();
    Index.reserve(Items.size());
    for (int i = 0; i < Count(); ++i) Remember(Folded(Items[i].first), i);
    Stale = false;
  }

  std::vector<std::pair<std::string, std::unique_ptr<T>>> Items;
  mutable std::unordered_map<std::string, TNameSlot> Index;
  mutable bool Stale = false;
};

}  // namespace sw
