#include "campaign/World.h"

#include "core/Text.h"

namespace sw {

int TFleet::TotalShips() const {
  int total = 0;
  for (int i = 0; i < Ships.Count(); ++i) total += Ships.At(i)->Count;
  return total;
}

std::string TFleet::FreeEntryName() const {
  int n = Ships.Count() + 1;
  while (Ships.IndexOf("SHIP" + std::to_string(n)) >= 0) ++n;
  return "SHIP" + std::to_string(n);
}

int TNameValueList::IndexOf(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(Items[static_cast<size_t>(i)].first, name)) return i;
  return -1;
}

const std::string* TNameValueList::Find(const std::string& name) const {
  const int i = IndexOf(name);
  return i < 0 ? nullptr : &Items[static_cast<size_t>(i)].second;
}

void TNameValueList::Set(const std::string& name, const std::string& value) {
  const int i = IndexOf(name);
  if (i < 0) Items.emplace_back(name, value);
  else Items[static_cast<size_t>(i)].second = value;
}

void TNameValueList::Remove(const std::string& name) {
  const int i = IndexOf(name);
  if (i >= 0) Items.erase(Items.begin() + i);
}

}  // namespace sw
