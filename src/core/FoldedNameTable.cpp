#include "core/FoldedNameTable.h"

#include "core/Text.h"

namespace sw {

long long TFoldedNameTable::PlaceOf(std::string_view name, uint64_t hash) const {
  if (Buckets.empty()) return -1;
  const size_t mask = Buckets.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const TBucket& b = Buckets[i];
    if (b.Slot < 0) return -1;
    if (b.Hash == hash && SameText(Names[static_cast<size_t>(b.Slot)], name)) return static_cast<long long>(i);
  }
}

int TFoldedNameTable::Find(std::string_view name) const {
  const long long place = PlaceOf(name, FoldedHash(name));
  return place < 0 ? -1 : Buckets[static_cast<size_t>(place)].Slot;
}

int TFoldedNameTable::Add(const std::string& name, bool& added) {
  const uint64_t hash = FoldedHash(name);
  const long long place = PlaceOf(name, hash);
  if (place >= 0) {
    added = false;
    return Buckets[static_cast<size_t>(place)].Slot;
  }
  if ((Used + 1) * 2 > Buckets.size()) Grow();
  int slot;
  if (FreeSlots.empty()) {
    slot = static_cast<int>(Names.size());
    Names.push_back(name);
  } else {
    slot = FreeSlots.back();
    FreeSlots.pop_back();
    Names[static_cast<size_t>(slot)] = name;
  }
  const size_t mask = Buckets.size() - 1;
  size_t i = hash & mask;
  while (Buckets[i].Slot >= 0) i = (i + 1) & mask;
  Buckets[i] = {hash, slot};
  ++Used;
  added = true;
  return slot;
}

void TFoldedNameTable::Remove(std::string_view name) {
  const long long place = PlaceOf(name, FoldedHash(name));
  if (place < 0) return;
  size_t hole = static_cast<size_t>(place);
  const int slot = Buckets[hole].Slot;
  Names[static_cast<size_t>(slot)].clear();
  FreeSlots.push_back(slot);
  --Used;
  // The names after the hole that were put past their own place move back into it, so that
  // every name stays reachable from its place without passing an empty one.
  const size_t mask = Buckets.size() - 1;
  for (size_t j = (hole + 1) & mask; Buckets[j].Slot >= 0; j = (j + 1) & mask) {
    const size_t home = Buckets[j].Hash & mask;
    // The name at j stays when its place lies cyclically after the hole and not after j.
    const bool stays = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
    if (stays) continue;
    Buckets[hole] = Buckets[j];
    hole = j;
  }
  Buckets[hole] = TBucket{};
}

void TFoldedNameTable::Clear() {
  Buckets.clear();
  Names.clear();
  FreeSlots.clear();
  Used = 0;
}

void TFoldedNameTable::Grow() {
  std::vector<TBucket> old;
  old.swap(Buckets);
  Buckets.assign(old.empty() ? 16 : old.size() * 2, TBucket{});
  const size_t mask = Buckets.size() - 1;
  for (const TBucket& b : old) {
    if (b.Slot < 0) continue;
    size_t i = b.Hash & mask;
    while (Buckets[i].Slot >= 0) i = (i + 1) & mask;
    Buckets[i] = b;
  }
}

}  // namespace sw
