// The name index of the game's lists: after any sequence of changes a look-up gives what a
// search from the front would (the first entry of a name, letter case ignored), in short lists
// and long ones alike.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/NamedList.h"

using namespace sw;

namespace {

int SearchFromTheFront(const TNamedList<int>& list, const std::string& name) {
  for (int i = 0; i < list.Count(); ++i)
    if (SameText(list.NameAt(i), name)) return i;
  return -1;
}

}  // namespace

TEST(NamedList, TheIndexAnswersAsASearchFromTheFrontAfterEveryKindOfChange) {
  std::mt19937 random(20261210);
  // Few names in several letter cases, so duplicates and case twins are common.
  const std::string names[] = {"Halden", "HALDEN", "halden", "Tollan", "tollan", "Mirren", "Kettle", "Fort Calder",
                               "fort calder", "Brood Straggler", "Dorn Ore Convoy", "x", "X", ""};
  auto name = [&] { return names[random() % std::size(names)] + (random() % 3 == 0 ? std::to_string(random() % 40) : ""); };
  TNamedList<int> list;
  int checked = 0;
  for (int step = 0; step < 6000; ++step) {
    const int n = list.Count();
    switch (random() % 8) {
      case 0:
      case 1:
      case 2: list.Add(name(), std::make_unique<int>(step)); break;
      case 3: list.Insert(static_cast<int>(random() % (n + 1)), name(), std::make_unique<int>(step)); break;
      case 4:
        if (n > 0) list.Delete(static_cast<int>(random() % n));
        break;
      case 5:
        if (n > 0) list.Extract(static_cast<int>(random() % n));
        break;
      case 6:
        if (n > 0) list.Rename(static_cast<int>(random() % n), name());
        break;
      case 7:
        if (random() % 50 == 0) list.Clear();
        break;
    }
    // Every kind of name, listed or not, in every letter case.
    for (int k = 0; k < 4; ++k) {
      const std::string asked = name();
      ASSERT_EQ(list.IndexOf(asked), SearchFromTheFront(list, asked)) << "\"" << asked << "\" after step " << step
                                                                      << " of a list of " << list.Count();
      ++checked;
    }
    if (list.Count() > 0) {
      // A listed name in other letters finds the first entry of it.
      std::string upper = list.NameAt(list.Count() - 1);
      for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      ASSERT_EQ(list.IndexOf(upper), SearchFromTheFront(list, upper));
      EXPECT_EQ(list.Find(upper), list.At(SearchFromTheFront(list, upper)));
    }
  }
  EXPECT_GT(checked, 20000);
}
