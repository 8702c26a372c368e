#pragma once
// An ordered list of (name, object) pairs that owns its objects, found by name without
// regard to letter case and indexed by position.
#include <memory>
#include <string>
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
  void Rename(int i, const std::string& name) { Items[i].first = name; }

  // Position of the first entry of that name, or -1.
  int IndexOf(const std::string& name) const {
    for (int i = 0; i < Count(); ++i)
      if (SameText(Items[i].first, name)) return i;
    return -1;
  }
  T* Find(const std::string& name) const { return At(IndexOf(name)); }

  T* Add(const std::string& name, std::unique_ptr<T> object) {
    Items.emplace_back(name, std::move(object));
    return Items.back().second.get();
  }
  T* Insert(int index, const std::string& name, std::unique_ptr<T> object) {
    auto it = Items.emplace(Items.begin() + index, name, std::move(object));
    return it->second.get();
  }
  // Frees the entry at i; the next entry takes its place.
  void Delete(int i) { Items.erase(Items.begin() + i); }
  std::unique_ptr<T> Extract(int i) {
    auto object = std::move(Items[i].second);
    Items.erase(Items.begin() + i);
    return object;
  }
  void Clear() { Items.clear(); }

private:
  std::vector<std::pair<std::string, std::unique_ptr<T>>> Items;
};

}  // namespace sw
