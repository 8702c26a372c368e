// Text kept inside its box: wrapping between words, cutting what does not fit, and the box's
// edges that no pixel of its text crosses.
#include <gtest/gtest.h>

#include "media/Canvas.h"
#include "media/TextFit.h"

using namespace sw;

namespace {

struct TextFitTest : ::testing::Test {
  TSurface surface{800, 600};
  TCanvas canvas{surface};
  void SetUp() override {
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Size = 8;
    canvas.Font.Color = clWhite;
  }
  // The painted pixels outside the rectangle.
  int PaintedOutside(const TRect& r) const {
    int n = 0;
    for (int y = 0; y < surface.Height; ++y)
      for (int x = 0; x < surface.Width; ++x)
        if (surface.Get(x, y) != 0 && (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom)) ++n;
    return n;
  }
};


TEST_F(TextFitTest, WrappedLinesKeepEveryWordInOrderAndFitTheWidth) {
  const std::string text = "Government : Elected council of captains, answerable to the fleet";
  const auto lines = WrapText(canvas, text, 120);
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (const auto& line : lines) {
    EXPECT_LE(canvas.TextWidth(line), 120) << line;
    joined += (joined.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(joined, text);
  // A line that fits comes back as it is, spacing and all; a word too long for the width is cut.
  EXPECT_EQ(WrapText(canvas, "Race :  Dorn", 300), std::vector<std::string>{"Race :  Dorn"});
  const auto cut = WrapText(canvas, "Supercalifragilisticexpialidocious", 60);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_LE(canvas.TextWidth(cut[0]), 60);
  EXPECT_EQ(cut[0].substr(cut[0].size() - 3), "...");
}

TEST_F(TextFitTest, ABoxDrawsNothingPastItsEdgesAndMarksWhatItLeftOut) {
  const TRect box{330, 65, 525, 135};
  const std::vector<std::string> lines = {"Race : Dorn Foundry",
                                          "Government : Elected council of captains of the deep ore lanes",
                                          "Homeworld : Anvil", "Population : 3 billion", "Attitude : Guarded",
                                          "Trade : Ore, fuel and hulls", "Language : Dorn trade cant",
                                          "Notes : a line that no longer fits"};
  const int rows = DrawTextBox(canvas, box, 10, lines);
  EXPECT_EQ(rows, 7) << "seven rows of 10 fit in 70 pixels";
  EXPECT_EQ(PaintedOutside({box.Left, box.Top, box.Right, box.Bottom + 6}), 0);
  // Everything fits a roomy box; nothing is drawn into a box with no room.
  surface.Fill(0);
  EXPECT_EQ(DrawTextBox(canvas, {0, 0, 800, 600}, 10, lines), 8);
  surface.Fill(0);
  EXPECT_EQ(DrawTextBox(canvas, {10, 10, 10, 100}, 10, lines), 0);
  EXPECT_EQ(PaintedOutside({0, 0, 0, 0}), 0);
}

}  // namespace
