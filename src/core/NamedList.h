#pragma once
// An ordered list of (name, object) pairs that owns its objects, found by name without
// regard to letter case and indexed by position.
//
// A name is found through an index of names that hashes and compares them with letter case
// folded, the first entry of a name winning as a search from the front would. The index lives
// inside the list, so no caller keeps a second copy of the names, and every change keeps it up
// to date: an entry inserted or taken out moves the positions after it by one, which costs one
// pass over a flat array of positions (one number per distinct name) but no name is hashed
// again. Entries are held through pointers, so taking one out of a long list moves pointers,
// not names. Short lists are searched from the front, which costs less than hashing the name.
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
  T* At(int i) const { return (i >= 0 && i < Count()) ? Items[static_cast<size_t>(i)]->Object.get() : nullptr; }
  const std::string& NameAt(int i) const { return Items[static_cast<size_t>(i)]->Name; }
  void Rename(int i, const std::string& name) {
    if (!Stale) Forget(i, Items[static_cast<size_t>(i)]->Name, i + 1, i);
    Items[static_cast<size_t>(i)]->Name = name;
    if (!Stale) Remember(name, i);
  }

  // Position of the first entry of that name, or -1.
  int IndexOf(const std::string& name) const {
    if (Count() <= SearchedFromTheFront) {
      for (int i = 0; i < Count(); ++i)
        if (SameText(Items[static_cast<size_t>(i)]->Name, name)) return i;
      return -1;
    }
    if (Stale) Reindex();
    auto it = Index.find(name);
    return it == Index.end() ? -1 : Slots[static_cast<size_t>(it->second)].First;
  }
  T* Find(const std::string& name) const { return At(IndexOf(name)); }

  T* Add(const std::string& name, std::unique_ptr<T> object) {
    Items.push_back(std::make_unique<TEntry>(TEntry{name, std::move(object)}));
    if (!Stale) Remember(name, Count() - 1);
    return Items.back()->Object.get();
  }
  T* Insert(int index, const std::string& name, std::unique_ptr<T> object) {
    auto it = Items.insert(Items.begin() + index, std::make_unique<TEntry>(TEntry{name, std::move(object)}));
    if (!Stale) {
      for (TNameSlot& slot : Slots)
        if (slot.First >= index) ++slot.First;
      Remember(name, index);
    }
    return (*it)->Object.get();
  }
  // Frees the entry at i; the next entry takes its place.
  void Delete(int i) { Extract(i); }
  std::unique_ptr<T> Extract(int i) {
    std::unique_ptr<TEntry> entry = std::move(Items[static_cast<size_t>(i)]);
    Items.erase(Items.begin() + i);
    if (!Stale) {
      for (TNameSlot& slot : Slots)
        if (slot.First > i) --slot.First;
      Forget(i, entry->Name, i, -1);
    }
    return std::move(entry->Object);
  }
  void Clear() {
    Items.clear();
    Index.clear();
    Slots.clear();
    FreeSlots.clear();
    Stale = false;
  }

private:
  // Lists up to this long are searched from the front.
  static constexpr int SearchedFromTheFront = 12;

  struct TEntry {
    std::string Name;
    std::unique_ptr<T> Object;
  };
  // Where a name's first entry is, and how many entries have the name; a slot no name uses
  // has no position (-1), so moving positions passes over it.
  struct TNameSlot {
    int First = -1;
    int Count = 0;
  };
  // The entry at position `at` has the name.
  void Remember(const std::string& name, int at) const {
    auto [it, added] = Index.try_emplace(name, 0);
    if (added) {
      if (FreeSlots.empty()) {
        it->second = static_cast<int>(Slots.size());
        Slots.emplace_back();
      } else {
        it->second = FreeSlots.back();
        FreeSlots.pop_back();
      }
    }
    TNameSlot& slot = Slots[static_cast<size_t>(it->second)];
    if (slot.Count == 0 || slot.First > at) slot.First = at;
    ++slot.Count;
  }
  // The entry that was at position `at` no longer has the name; when it was the name's first
  // entry, the next one of that name is searched from position `from` on (passing over the
  // entry at `skip`, which is being renamed).
  void Forget(int at, const std::string& name, int from, int skip) const {
    auto it = Index.find(name);
    if (it == Index.end()) return;
    TNameSlot& slot = Slots[static_cast<size_t>(it->second)];
    if (--slot.Count == 0) {
      slot.First = -1;
      FreeSlots.push_back(it->second);
      Index.erase(it);
      return;
    }
    if (slot.First != at) return;
    for (int j = from; j < Count(); ++j)
      if (j != skip && SameText(Items[static_cast<size_t>(j)]->Name, name)) {
        slot.First = j;
        return;
      }
    Stale = true;  // cannot happen while the counts are right; the next look-up rebuilds
  }
  void Reindex() const {
    Index.clear();
    Slots.clear();
    FreeSlots.clear();
    Index.reserve(Items.size());
    for (int i = 0; i < Count(); ++i) Remember(Items[static_cast<size_t>(i)]->Name, i);
    Stale = false;
  }

  std::vector<std::unique_ptr<TEntry>> Items;
  // Name (any letter case) to its slot of positions.
  mutable std::unordered_map<std::string, int, TFoldedHash, TFoldedEqual> Index;
  mutable std::vector<TNameSlot> Slots;
  mutable std::vector<int> FreeSlots;
  mutable bool Stale = false;
};

}  // namespace sw
