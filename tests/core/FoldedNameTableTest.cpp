// The table of names behind the lists' look-ups: through thousands of names put in and taken
// out (the table growing and names moving back into the places others left), every name is
// found in any letter case with the slot it was given, no two names share a slot, and a name
// taken out is not found.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

#include "core/FoldedNameTable.h"
#include "core/Text.h"

using namespace sw;

TEST(FoldedNameTable, NamesKeepTheirSlotsThroughAddsAndRemovals) {
  std::mt19937 random(1210);
  std::vector<std::string> universe;
  for (int i = 0; i < 3000; ++i) universe.push_back((i % 2 ? "ZHA Trader " : "tfg patrol ") + std::to_string(i));
  TFoldedNameTable table;
  std::map<std::string, int> held;  // lower-case name to its slot
  for (int step = 0; step < 40000; ++step) {
    const std::string& name = universe[random() % (step < 10000 ? 1500 : universe.size())];
    std::string asked = name;
    if (random() % 2) asked = UpperCase(asked);
    const std::string key = LowerCase(name);
    if (random() % 3 != 0) {
      bool added = false;
      const int slot = table.Add(asked, added);
      EXPECT_EQ(added, !held.count(key)) << asked;
      if (held.count(key)) {
        ASSERT_EQ(slot, held[key]) << asked;
      }
      held[key] = slot;
    } else {
      table.Remove(asked);
      held.erase(key);
    }
    if (step % 997 == 0 || step == 39999) {
      std::set<int> slots;
      for (const std::string& n : universe) {
        const int slot = table.Find(random() % 2 ? UpperCase(n) : n);
        auto it = held.find(LowerCase(n));
        ASSERT_EQ(slot, it == held.end() ? -1 : it->second) << n << " at step " << step;
        if (slot >= 0) {
          ASSERT_LT(slot, table.SlotLimit());
          ASSERT_TRUE(slots.insert(slot).second) << "slot " << slot << " is shared";
        }
      }
    }
  }
  EXPECT_GT(held.size(), 1000u);
  table.Clear();
  EXPECT_EQ(table.Find(universe[0]), -1);
}
