#pragma once
// A table of names, letter case ignored, each given a small number (its slot) that stays the
// name's while the name is in the table. Names are found through one flat array of hashes
// (open addressing, each name tried at the place its hash points to and the ones after it), so
// a look-up reads one place of the array, and a name's letters only when the hash matches: a
// world step asks for thousands of names, most of them close together in no cache.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class TFoldedNameTable {
public:
  // The slot of the name, or -1 when it is not in the table.
  int Find(std::string_view name) const;
  // The slot of the name; a name not yet in the table is put in it, and `added` is set.
  int Add(const std::string& name, bool& added);
  // Takes the name out; its slot may be given to another name later.
  void Remove(std::string_view name);
  void Clear();
  // One more than the largest slot given so far.
  int SlotLimit() const { return static_cast<int>(Names.size()); }

private:
  struct TBucket {
    uint64_t Hash = 0;
    int Slot = -1;  // -1: an empty place
  };
  // The place of the name in Buckets, or -1.
  long long PlaceOf(std::string_view name, uint64_t hash) const;
  void Grow();

  std::vector<TBucket> Buckets;   // a power of two long, at most half full
  std::vector<std::string> Names;  // by slot
  std::vector<int> FreeSlots;
  size_t Used = 0;
};

}  // namespace sw
