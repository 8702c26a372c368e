#pragma once
// An ordered list of (name, object) pairs that owns its objects, found by name without
// regard to letter case and indexed by position.
//
// A name is found through a table of names that hashes and compares them with letter case
// folded, the first entry of a name winning as a search from the front would. The index lives
// inside the list, so no caller keeps a second copy of the names, and every change keeps it up
// to date: an entry inserted or taken out moves the positions after it by one, which costs one
// pass over a flat array of positions (one number per distinct name, moved several at a time)
// but no name is hashed again. Entries are held through plain pointers, so taking one out of a
// long list moves a block of pointers, not names. Short lists are searched from the front,
// which costs less than hashing the name; their index is made only when a look-up first needs
// it, so the many small lists (a fleet's ships, a system's planets) stay small.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/FoldedNameTable.h"
#include "core/Text.h"

namespace sw {

template <typename T>
class TNamedList {
public:
  TNamedList() = default;
  TNamedList(const TNamedList&) = delete;
  TNamedList& operator=(const TNamedList&) = delete;
  TNamedList(TNamedList&& other) noexcept { Swap(other); }
  TNamedList& operator=(TNamedList&& other) noexcept {
    if (this != &other) {
      Clear();
      Swap(other);
    }
    return *this;
  }
  ~TNamedList() { Clear(); }

  int Count() const { return static_cast<int>(Items.size()); }
  T* At(int i) const { return (i >= 0 && i < Count()) ? Items[static_cast<size_t>(i)].Object : nullptr; }
  const std::string& NameAt(int i) const { return Items[static_cast<size_t>(i)].Entry->Name; }
  void Rename(int i, const std::string& name) {
    if (Index) Forget(i, Items[static_cast<size_t>(i)].Entry->Name, i + 1, i);
    Items[static_cast<size_t>(i)].Entry->Name = name;
    if (Index) Remember(name, i);
  }

  // Position of the first entry of that name, or -1.
  int IndexOf(const std::string& name) const {
    if (Count() <= SearchedFromTheFront) {
      for (int i = 0; i < Count(); ++i)
        if (SameText(Items[static_cast<size_t>(i)].Entry->Name, name)) return i;
      return -1;
    }
    if (!Index) Reindex();
    const int slot = Index->Names.Find(name);
    return slot < 0 ? -1 : Index->Firsts[static_cast<size_t>(slot)];
  }
  T* Find(const std::string& name) const { return At(IndexOf(name)); }

  T* Add(const std::string& name, std::unique_ptr<T> object) {
    Items.reserve(Items.size() + 1);  // nothing is made if the list cannot grow
    TEntry* entry = new TEntry{name, std::move(object)};
    Items.push_back({entry, entry->Object.get()});
    if (Index) Remember(name, Count() - 1);
    return entry->Object.get();
  }
  T* Insert(int index, const std::string& name, std::unique_ptr<T> object) {
    Items.reserve(Items.size() + 1);
    TEntry* entry = new TEntry{name, std::move(object)};
    Items.insert(Items.begin() + index, {entry, entry->Object.get()});
    if (Index) {
      // Every position from there on moves up one (a slot without a position stays at -1).
      for (int& first : Index->Firsts) first += first >= index;
      Remember(name, index);
    }
    return entry->Object.get();
  }
  // Frees the entry at i; the next entry takes its place.
  void Delete(int i) { Extract(i); }
  std::unique_ptr<T> Extract(int i) {
    std::unique_ptr<TEntry> entry(Items[static_cast<size_t>(i)].Entry);
    Items.erase(Items.begin() + i);
    if (Index) {
      for (int& first : Index->Firsts) first -= first > i;
      Forget(i, entry->Name, i, -1);
    }
    return std::move(entry->Object);
  }
  void Clear() {
    for (const TItem& item : Items) delete item.Entry;
    Items.clear();
    Index.reset();
  }

private:
  // Lists up to this long are searched from the front.
  static constexpr int SearchedFromTheFront = 12;

  struct TEntry {
    std::string Name;
    std::unique_ptr<T> Object;
  };
  // The entries, owned by the list (deleted by Clear), each beside its object so that reaching
  // an object by position costs one step.
  struct TItem {
    TEntry* Entry;
    T* Object;
  };
  // Name (any letter case) to its slot, and by slot: the position of the name's first entry
  // (-1 for a slot no name uses) and how many entries have the name.
  struct TIndex {
    TFoldedNameTable Names;
    std::vector<int> Firsts;
    std::vector<int> Counts;
  };

  // The entry at position `at` has the name.
  void Remember(const std::string& name, int at) const {
    bool added = false;
    const size_t slot = static_cast<size_t>(Index->Names.Add(name, added));
    std::vector<int>& firsts = Index->Firsts;
    std::vector<int>& counts = Index->Counts;
    if (added) {
      if (slot >= firsts.size()) {
        firsts.resize(slot + 1, -1);
        counts.resize(slot + 1, 0);
      }
      firsts[slot] = -1;
      counts[slot] = 0;
    }
    if (counts[slot] == 0 || firsts[slot] > at) firsts[slot] = at;
    ++counts[slot];
  }
  // The entry that was at position `at` no longer has the name; when it was the name's first
  // entry, the next one of that name is searched from position `from` on (passing over the
  // entry at `skip`, which is being renamed).
  void Forget(int at, const std::string& name, int from, int skip) const {
    const int found = Index->Names.Find(name);
    if (found < 0) return;
    const size_t slot = static_cast<size_t>(found);
    if (--Index->Counts[slot] == 0) {
      Index->Firsts[slot] = -1;
      Index->Names.Remove(name);
      return;
    }
    if (Index->Firsts[slot] != at) return;
    for (int j = from; j < Count(); ++j)
      if (j != skip && SameText(Items[static_cast<size_t>(j)].Entry->Name, name)) {
        Index->Firsts[slot] = j;
        return;
      }
    Index.reset();  // cannot happen while the counts are right; the next look-up rebuilds
  }
  void Reindex() const {
    Index = std::make_unique<TIndex>();
    for (int i = 0; i < Count(); ++i) Remember(Items[static_cast<size_t>(i)].Entry->Name, i);
  }

  void Swap(TNamedList& other) noexcept {
    Items.swap(other.Items);
    Index.swap(other.Index);
  }

  std::vector<TItem> Items;
  // Made by the first look-up that needs it, kept up to date from then on.
  mutable std::unique_ptr<TIndex> Index;
};

}  // namespace sw
