#include <gtest/gtest.h>

#include "core/Errors.h"
#include "media/Button.h"
#include "WidgetTestImages.h"

using namespace sw;

namespace {

struct ButtonListTest : ::testing::Test {
  TSurface surface{800, 600};
  TDXImageList images;
  TButtonList buttons{&surface, &images};
};


TEST_F(ButtonListTest, HitTestExcludesTheBorders) {
  buttons.Add("go", 375, 200, 113, 30, "", 2);
  EXPECT_EQ(buttons.HitTest(376, 215), "go");
  EXPECT_EQ(buttons.HitTest(487, 215), "go");
  EXPECT_EQ(buttons.HitTest(375, 215), "");
  EXPECT_EQ(buttons.HitTest(488, 215), "");
  EXPECT_EQ(buttons.HitTest(400, 200), "");
  EXPECT_EQ(buttons.HitTest(400, 201), "go");
  EXPECT_EQ(buttons.HitTest(400, 229), "go");
  EXPECT_EQ(buttons.HitTest(400, 230), "");
}

TEST_F(ButtonListTest, OverlappingButtonsAnswerInListOrder) {
  buttons.Add("under", 100, 100, 50, 50, "", 2);
  buttons.Add("over", 120, 120, 50, 50, "", 2);
  EXPECT_EQ(buttons.HitTest(130, 130), "under");
  EXPECT_EQ(buttons.HitTest(160, 160), "over");
}

TEST_F(ButtonListTest, FlashOfLengthTwoDimsOneFrameAndBlocksASecondClick) {
  AddSolidImage(images, "img", 20, 20, 0xFFFFFF);
  TButton* b = buttons.Add("b", 100, 100, 20, 20, "img", 2);
  EXPECT_EQ(buttons.HitTest(110, 110), "b");
  b->Click();
  EXPECT_EQ(buttons.HitTest(110, 110), "") << "a flashing button is not clicked again";

  surface.Fill(0);
  b->Draw();  // the next frame: dimmed
  EXPECT_EQ(b->Alpha, AlphaDimmed);
  uint16_t dimmed = surface.Get(110, 110);
  EXPECT_NE(dimmed, 0);
  EXPECT_NE(dimmed, ColorTo565(clWhite));
  EXPECT_EQ(buttons.HitTest(110, 110), "") << "a second click during the dimmed frame finds nothing";

  surface.Fill(0);
  b->Draw();  // the frame after: normal again
  EXPECT_EQ(b->Alpha, AlphaNormal);
  EXPECT_EQ(surface.Get(110, 110), ColorTo565(clWhite));
  EXPECT_EQ(buttons.HitTest(110, 110), "b");
}

TEST_F(ButtonListTest, FlashOfLengthSevenDimsSixFrames) {
  TButton* b = buttons.Add("b", 0, 0, 10, 10, "", 7);
  b->Click();
  for (int frame = 1; frame <= 6; ++frame) {
    b->Draw();
    EXPECT_EQ(b->Alpha, AlphaDimmed) << "frame " << frame;
  }
  b->Draw();
  EXPECT_EQ(b->Alpha, AlphaNormal);
  EXPECT_EQ(b->FlashCountdown, 0);
}

TEST_F(ButtonListTest, FlashOfAnUnavailableButtonLeavesItDimmed) {
  TButton* b = buttons.Add("b", 0, 0, 10, 10, "", 3, AlphaDimmed);
  b->Click();
  b->Draw();
  b->Draw();
  b->Draw();
  EXPECT_EQ(b->FlashCountdown, 0);
  EXPECT_EQ(b->Alpha, AlphaDimmed);
}

TEST_F(ButtonListTest, HitTestVariantsForDimmedButtonsAndPanels) {
  buttons.Add("dim", 0, 0, 50, 50, "", 2, AlphaDimmed);
  buttons.Add("lit", 0, 0, 50, 50, "", 2);
  buttons.Add("panel5", 100, 0, 50, 50, "", 2, AlphaNormal, 5);
  buttons.Add("everywhere", 100, 0, 50, 50, "", 2, AlphaNormal, 0);

  EXPECT_EQ(buttons.HitTest(10, 10), "dim") << "front-end screens hit dimmed buttons";
  EXPECT_EQ(buttons.HitTestAvailable(10, 10), "lit");
  EXPECT_EQ(buttons.HitTestPanel(10, 10, 1), "lit");

  EXPECT_EQ(buttons.HitTestPanel(110, 10, 5), "panel5");
  EXPECT_EQ(buttons.HitTestPanel(110, 10, 6), "everywhere");
  buttons.Find("everywhere").Alpha = 50;
  EXPECT_EQ(buttons.HitTestPanel(110, 10, 6), "");
}

TEST_F(ButtonListTest, FindIgnoresCaseAndReportsAMissingKey) {
  TButton* start = buttons.Add("Start", 10, 10, 40, 20, "bstart", 3);
  EXPECT_EQ(&buttons.Find("start"), start);
  EXPECT_EQ(buttons.Find("START").ImageName, "bstart");
  EXPECT_THROW(buttons.Find("stop"), EGameError);
}

TEST_F(ButtonListTest, DrawCentresTheImageOnTheButtonAtItsSize) {
  AddSolidImage(images, "img", 10, 10, 0x00FF00);
  buttons.Add("b", 200, 300, 30, 20, "img", 2);
  buttons.DrawAll();
  // Scaled to 30 x 20 and centred on (215, 310): it covers the whole button.
  EXPECT_EQ(surface.Get(201, 301), ColorTo565(RGB(0, 255, 0)));
  EXPECT_EQ(surface.Get(228, 318), ColorTo565(RGB(0, 255, 0)));
  EXPECT_EQ(surface.Get(232, 310), 0);
}


TEST_F(ButtonListTest, ADimmedButtonIsNotClickedButSaysWhyOnItsOwnPanel) {
  TButton* hail = buttons.Add("hail", 100, 100, 101, 11, "", 3, AlphaNormal, 6);
  buttons.Add("close", 300, 10, 41, 8, "", 3, AlphaNormal, 0);
  hail->SetAvailable(false, "Out of hailing range");
  EXPECT_EQ(buttons.HitTestPanel(150, 105, 6), "");
  EXPECT_EQ(buttons.HitTestDimmed(150, 105, 6), "hail");
  EXPECT_EQ(buttons.HitTestDimmed(150, 105, 5), "") << "a button of another panel is not there";
  EXPECT_EQ(buttons.HitTestDimmed(320, 14, 6), "") << "an available button has no reason to give";
  EXPECT_EQ(hail->Reason, "Out of hailing range");
  hail->SetAvailable(true, "Out of hailing range");
  EXPECT_EQ(buttons.HitTestPanel(150, 105, 6), "hail");
  EXPECT_EQ(hail->Reason, "") << "an available button keeps no reason";
  // A button in its click flash is neither clicked nor explained.
  hail->Click();
  hail->Draw();
  EXPECT_EQ(buttons.HitTestDimmed(150, 105, 6), "");
}

}  // namespace
