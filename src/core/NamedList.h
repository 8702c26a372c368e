#pragma once
// An ordered list of (name, object) pairs that owns its objects, found by name without
// regard to letter case and indexed by position.
//
// A name is found through an index of the names folded to lower case, the first entry of a
// name winning as a search from the front would. The index lives inside the list, so no caller
// keeps a second copy of the names: appending keeps it up to date, and any change that moves
// or renames entries marks it stale, to be rebuilt by the next look-up. Short lists are
// searched from the front, which costs less than hashing the name.
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
    Items[i].first = name;
    Stale = true;
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
    return it == Index.end() ? -1 : it->second;
  }
  T* Find(const std::string& name) const { return At(IndexOf(name)); }

  T* Add(const std::string& name, std::unique_ptr<T> object) {
    Items.emplace_back(name, std::move(object));
    // A name already listed keeps its first entry.
    if (!Stale) Index.try_emplace(Folded(name), Count() - 1);
    return Items.back().second.get();
  }
  T* Insert(int index, const std::string& name, std::unique_ptr<T> object) {
    auto it = Items.emplace(Items.begin() + index, name, std::move(object));
    Stale = true;
    return it->second.get();
  }
  // Frees the entry at i; the next entry takes its place.
  void Delete(int i) {
    Items.erase(Items.begin() + i);
    Stale = true;
  }
  std::unique_ptr<T> Extract(int i) {
    auto object = std::move(Items[i].second);
    Items.erase(Items.begin() + i);
    Stale = true;
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

  static std::string Folded(const std::string& name) {
    std::string folded(name);
    for (char& ch : folded) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded;
  }
  void Reindex() const {
    Index.clear();
    Index.reserve(Items.size());
    for (int i = 0; i < Count(); ++i) Index.try_emplace(Folded(Items[i].first), i);
    Stale = false;
  }

  std::vector<std::pair<std::string, std::unique_ptr<T>>> Items;
  mutable std::unordered_map<std::string, int> Index;
  mutable bool Stale = false;
};

}  // namespace sw
