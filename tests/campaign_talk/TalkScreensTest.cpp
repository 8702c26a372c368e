// The encounter menu, the communication screen and the event screen: which buttons they offer,
// the static over the portrait, and what their buttons do when clicked.
#include "TalkKit.h"

#include "campaign/screens/CampaignRouting.h"
#include "campaign/screens/TalkScreens.h"
#include "core/Numbers.h"
#include "media/MainWindow.h"

using namespace sw;

namespace {

// The main window as the campaign's routing sees it: only the state change is recorded.
class TFakeMain : public TMainWindow {
public:
  void SetGameState(uint8_t state, bool immediate) override {
    Asked = state;
    Immediate = immediate;
  }
  void SimulateKey(int, bool, bool, bool) override {}
  void SetGammaOffset(int) override {}
  void ApplySfxVolume() override {}
  void ApplyMusicVolume() override {}
  void ReportError(const std::string&) override {}
  void Terminate() override {}
  void StartBattle(uint8_t) override {}
  void AbortBattle() override {}
  bool BattleExists() const override { return false; }
  int Asked = -1;
  bool Immediate = true;
};

bool Available(const TGameMain& g, const std::string& key) { return g.Buttons->Find(key).Alpha > AlphaDimmed; }

// Clicks the middle of a button, then lets its flash run out as the frames would.
void ClickButton(TGameMain& g, TMainWindow& main, const std::string& key) {
  const TButton& b = g.Buttons->Find(key);
  CampaignMouseDown(g, main, 1, b.X + b.Width / 2, b.Y + b.Height / 2);
  for (int i = 0; i < 4; ++i) g.Buttons->Find(key).Draw();
}

}  // namespace

// Hail and attack for the hostile, everything for the neutral, no attack for the friendly; trade
// only when the player may trade and the fleet has an active post.
TEST(TalkScreens, EncounterButtonsFollowTheRelation) {
  TTalkRoot root;
  auto g = root.Load();
  g->CanTrade = true;
  auto post = std::make_unique<TTradeInfo>();
  post->Active = true;
  TTradeInfo* vskPost = g->TradePosts.Add("VSK", std::move(post));
  SelectFleet(*g, "Raider 101");
  auto offered = [&] {
    SetEncounterAvailability(*g);
    std::string s;
    for (const char* k : {"hail_fleet_dse", "trade_fleet_dse", "attack_fleet_dse", "cancel_fleet_dse"})
      s += Available(*g, k) ? "1" : "0";
    return s;
  };
  g->Relations.Set("VSK", "20");
  EXPECT_EQ(offered(), "1010");
  g->Relations.Set("VSK", "30");
  EXPECT_EQ(offered(), "1010");
  g->Relations.Set("VSK", "50");
  EXPECT_EQ(offered(), "1111");
  g->Relations.Set("VSK", "80");
  EXPECT_EQ(offered(), "1101");
  g->CanTrade = false;
  EXPECT_EQ(offered(), "1001");
  g->Relations.Set("VSK", "70");
  EXPECT_EQ(offered(), "1011");
  g->CanTrade = true;
  EXPECT_EQ(offered(), "1111");
  vskPost->Active = false;
  EXPECT_EQ(offered(), "1011") << "no active post: nothing to trade at";
}

TEST(TalkScreens, OneAnswerButtonPerAnswerAndTheStaticStaysInItsBand) {
  TTalkRoot root;
  auto g = root.Load();
  SelectFleet(*g, "Raider 101");
  g->OpenTalk(0);
  auto offered = [&] {
    SetRespondAvailability(*g);
    std::string s;
    for (const char* k : {"respond_1", "respond_2", "respond_3"}) s += Available(*g, k) ? "1" : "0";
    return s;
  };
  EXPECT_EQ(offered(), "111");  // four answers: three buttons
  g->LoadSection("HOSTILE_GENERIC_RAIDER_002");
  EXPECT_EQ(offered(), "110");
  g->LoadSection("GENERIC_RAIDER_000");
  EXPECT_EQ(offered(), "100");  // the answer that ends the talk
  g->Responds.Clear();
  EXPECT_EQ(offered(), "000");

  // From silence the static settles into 93..99 and never leaves it; at 99 about one row in a
  // hundred flickers.
  RandSeed(7);
  TSurface s(800, 600);
  g->NoiseLevel = g->NoiseTarget = 0;
  for (int i = 0; i < 120; ++i) StepPortraitNoise(*g);
  for (int i = 0; i < 2000; ++i) {
    StepPortraitNoise(*g);
    ASSERT_GE(g->NoiseLevel, 93);
    ASSERT_LE(g->NoiseLevel, 99);
  }
  g->NoiseLevel = 99;
  int rows = 0;
  for (int i = 0; i < 100; ++i) rows += DrawPortraitNoise(*g, s);
  EXPECT_GT(rows, 100);  // 192 rows a frame, 1 per cent of them: about 192 in 100 frames
  EXPECT_LT(rows, 320);
  g->NoiseLevel = 0;
  EXPECT_EQ(DrawPortraitNoise(*g, s), 192);
  // Nothing outside the portrait's frame is touched.
  EXPECT_EQ(s.Get(44, 100), 0);
  EXPECT_EQ(s.Get(296, 100), 0);
  EXPECT_EQ(s.Get(100, 237), 0);
}

// The screens' buttons through the campaign's clicks: Hail opens the talk, the answers act, and
// the navigation buttons do nothing while the talk holds the screen.
TEST(TalkScreens, ClicksOnTheEncounterAndCommunicationScreens) {
  TTalkRoot root;
  auto g = root.Load();
  TFakeMain main;
  SelectFleet(*g, "Raider 101");
  g->SetSpeed(0);
  g->ShowScreen(csEncounter);

  ClickButton(*g, main, "speed1");            // the menu holds the clock
  EXPECT_EQ(g->SubScreen(), csEncounter);
  EXPECT_EQ(g->Speed, 0);
  ClickButton(*g, main, "hail_fleet_dse");
  EXPECT_EQ(g->SubScreen(), csCommunication);
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_000");
  ClickButton(*g, main, "close_menu");  // only the answers leave a talk
  ClickButton(*g, main, "speed3");
  EXPECT_EQ(g->SubScreen(), csCommunication);
  EXPECT_EQ(g->Speed, 0);
  ClickButton(*g, main, "respond_1");
  EXPECT_EQ(g->TalkSection, "HOSTILE_GENERIC_RAIDER_001");
  ClickButton(*g, main, "respond_2");  // #END
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 1);

  // Cancel puts the encounter off: the map, with the clock still stopped.
  g->Relations.Set("VSK", "50");
  g->SetSpeed(0);
  g->ShowScreen(csEncounter);
  SetEncounterAvailability(*g);
  ClickButton(*g, main, "cancel_fleet_dse");
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(g->Speed, 0);
  EXPECT_EQ(main.Asked, -1);
}

// The event screen's close button: back to the map, or, once the game is over, a fade to the
// main menu.
TEST(TalkScreens, ClosingTheEventScreen) {
  TTalkRoot root;
  auto g = root.Load();
  TFakeMain main;
  g->SetSpeed(0);
  g->ShowScreen(csEvent);
  ClickButton(*g, main, "speed2");
  EXPECT_EQ(g->Speed, 0);
  ClickButton(*g, main, "close_menu");
  EXPECT_EQ(g->SubScreen(), csMap);
  EXPECT_EQ(main.Asked, -1);

  g->GameOver = true;
  g->ShowScreen(csEvent);
  ClickButton(*g, main, "close_menu");
  EXPECT_EQ(main.Asked, gsMenu);
  EXPECT_FALSE(main.Immediate);
}

// Drawing the three screens without their pictures draws their text and changes no state but the
// buttons' availability and the static.
TEST(TalkScreens, TheScreensDrawWithoutPictures) {
  TTalkRoot root;
  auto g = root.Load();
  TSurface s(800, 600);
  SelectFleet(*g, "Raider 101");
  g->ShowScreen(csEncounter);
  DrawEncounterMenu(*g, s);
  g->OpenTalk(0);
  DrawCommunication(*g, s);
  EXPECT_NE(g->NoiseLevel, 0);
  g->EventText = {"Line one", "Line two"};
  DrawEventScreen(*g, s);
  int lit = 0;
  for (int y = 300; y < 330; ++y)
    for (int x = 70; x < 200; ++x) lit += s.Get(x, y) != 0;
  EXPECT_GT(lit, 20) << "the event text is drawn";
  // The relation marker sits at 2 r + 363 for the raiders' relation of 10.
  EXPECT_EQ(s.Get(383, 370), ColorTo565(clBlack));
  EXPECT_EQ(s.Get(384, 370), ColorTo565(0x9D8583));
}
