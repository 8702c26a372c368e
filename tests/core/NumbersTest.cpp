#include <gtest/gtest.h>

#include <set>

#include "core/Colors.h"
#include "core/NamedList.h"
#include "core/Numbers.h"

using namespace sw;

TEST(Numbers, RoundGoesHalfwayToEven) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-3.5), -4);
  EXPECT_EQ(Round(2.4999), 2);
  EXPECT_EQ(Round(2.5001), 3);
}

TEST(Numbers, RandomStaysInRangeAndCoversIt) {
  RandSeed(7);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    int r = Random(6);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 6);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 6u);
  EXPECT_EQ(Random(0), 0);
  EXPECT_EQ(Random(1), 0);
}

TEST(Numbers, AFixedSeedMakesEveryRandomizeRepeat) {
  SetFixedSeed(99);
  Randomize();
  std::vector<int> first;
  for (int i = 0; i < 10; ++i) first.push_back(Random(1000));
  Randomize();
  std::vector<int> second;
  for (int i = 0; i < 10; ++i) second.push_back(Random(1000));
  EXPECT_EQ(first, second);
  SetFixedSeed(std::nullopt);
}

TEST(Colors, TwentyStandardNamesAndNumbers) {
  EXPECT_EQ(ParseColor("clRed"), 0x0000FFu);
  EXPECT_EQ(ParseColor("CLBLUE"), 0xFF0000u);
  EXPECT_EQ(ParseColor("clMoneyGreen"), 0xC0DCC0u);
  EXPECT_EQ(ParseColor("clSkyBlue"), 0xF0CAA6u);
  EXPECT_EQ(ParseColor("clCream"), 0xF0FBFFu);
  EXPECT_EQ(ParseColor("clMedGray"), 0xA4A0A0u);
  EXPECT_EQ(ParseColor("$00FF00"), 0x00FF00u);
  EXPECT_EQ(ParseColor("255"), 255u);
  EXPECT_FALSE(ParseColor("clPink").has_value());
  EXPECT_EQ(StringToColor("nonsense", clRed), clRed);
  for (TColor c : {clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed, clLime,
                   clYellow, clBlue, clFuchsia, clAqua, clWhite, clMoneyGreen, clSkyBlue, clCream, clMedGray})
    EXPECT_EQ(ParseColor(ColorToString(c)), c);
}

TEST(NamedList, FindsWithoutLetterCaseAndKeepsOrderOnDelete) {
  TNamedList<int> list;
  list.Add("Alpha", std::make_unique<int>(1));
  list.Add("beta", std::make_unique<int>(2));
  list.Add("GAMMA", std::make_unique<int>(3));
  EXPECT_EQ(*list.Find("ALPHA"), 1);
  EXPECT_EQ(list.IndexOf("gamma"), 2);
  EXPECT_EQ(list.Find("delta"), nullptr);
  list.Delete(0);
  EXPECT_EQ(list.NameAt(0), "beta");  // the next entry takes the removed one's place
  EXPECT_EQ(list.Count(), 2);
}
