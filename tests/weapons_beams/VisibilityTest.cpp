// Disguised and cloaked ships in a real battle: who sees them on screen and who can pick them as
// a target, in one-pilot and two-pilot battles.
#include <gtest/gtest.h>

#include <vector>

#include "battle_loop/BattleFixture.h"
#include "core/Numbers.h"
#include "weapons/Weapon.h"

namespace sw::test {
namespace {

class Visibility : public BattleTest {
protected:
  // Whether anything of the ship shows: the screen around it with the ship in place differs from
  // the screen with the ship moved far away.
  bool Shows(TGameObject& ship) {
    const int cx = Round(ship.X) - Battle->View.CameraX, cy = Round(ship.Y) - Battle->View.CameraY;
    auto around = [&] {
      TSurface& s = Main->DXDraw->Surface;
      s.Fill(0);
      Battle->DrawBattle();
      std::vector<uint16_t> px;
      for (int y = cy - 40; y <= cy + 40; ++y)
        for (int x = cx - 40; x <= cx + 40; ++x)
          if (x >= 0 && y >= 0 && x < s.Width && y < s.Height) px.push_back(s.Get(x, y));
      return px;
    };
    const auto with = around();
    const double x = ship.X;
    ship.X = -50000;
    const auto without = around();
    ship.X = x;
    return with != without;
  }
  // Uses the device in slot 2 and lets its fade run out.
  void Hide(TGameObject& ship) {
    ship.Weapon2->Fire(0);
    for (int i = 0; i < 25; ++i) ship.Weapon2->FrameEffect();
    ASSERT_TRUE(ship.Cloaked);
  }
};

TEST_F(Visibility, ACloakedShipIsSeenOnlyByItsOwnSideAndOnlyWithOnePilot) {
  Start({{1, "player1ship", "SYL_Wisp", "SYL", 250, 300, 0, false, 0, 0, ""},
         {2, "player2ship", "SYL_Wisp", "SYL", 550, 300, 0, true, 0, 0, ""}});
  TGameObject& p1 = Ship("player1ship");
  TGameObject& p2 = Ship("player2ship");
  ASSERT_TRUE(p2.Weapon2->IsCloak);
  EXPECT_TRUE(Shows(p2));
  Hide(p2);
  Hide(p1);
  Battle->TwoPilots = false;  // player 1 flies side 1
  EXPECT_FALSE(Shows(p2)) << "the enemy's cloak hides it from the player";
  EXPECT_TRUE(Shows(p1)) << "the player sees a ghost of the own cloaked ship";
  EXPECT_NE(Battle->NearestEnemy(p1, false, false), &p2);
  EXPECT_EQ(Battle->NearestEnemy(p1, true, false), &p2);
  Battle->TwoPilots = true;
  EXPECT_FALSE(Shows(p1)) << "with two pilots at one screen, nobody's cloak shows";
  EXPECT_FALSE(Shows(p2));
  p1.Weapon2->ReloadCounter = 1000;
  p1.Weapon2->Fire(0);  // drop it
  for (int i = 0; i < 25; ++i) p1.Weapon2->FrameEffect();
  EXPECT_FALSE(p1.Cloaked);
  EXPECT_TRUE(Shows(p1));
  EXPECT_TRUE(Main->Errors.empty());
}

TEST_F(Visibility, AnAsteroidDisguiseShowsToEveryoneButIsNoTarget) {
  Start({{1, "player1ship", "TFG_Lancer", "TFG", 250, 300, 0, false, 0, 0, ""},
         {2, "player2ship", "MER_Corsair", "MER", 550, 300, 0, true, 0, 0, "add-ons\\meridian\\"},
         {2, "support", "ZHA_Raider", "ZHA", 750, 550, 0, true, 0, 0, ""}});
  TGameObject& p1 = Ship("player1ship");
  TGameObject& p2 = Ship("player2ship");
  Hide(p2);
  EXPECT_EQ(p2.ImageName, "asteroid1");
  for (bool two : {false, true}) {
    Battle->TwoPilots = two;
    EXPECT_TRUE(Shows(p2)) << "a rock among rocks";
  }
  EXPECT_EQ(Battle->NearestEnemy(p1, false, false), &Ship("support")) << "passed over for a ship further off";
}

}  // namespace
}  // namespace sw::test
