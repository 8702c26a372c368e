// Battles over pictures that are not there: the fight goes on to its end, every missing
// picture is reported once, and the ships are still drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "BattleFixture.h"
#include "core/Errors.h"
#include "media/ImageList.h"
#include "weapons/Cloaks.h"
#include "weapons/Weapon.h"

namespace sw::test {
namespace {

class BadPictures : public BattleTest {
protected:
  TDXImageList& Images() { return *Main->DXImageListM; }
  // Non-black pixels of the back buffer inside a square around a point.
  int LitAround(int x, int y, int half) {
    int lit = 0;
    const TSurface& s = Main->DXDraw->Surface;
    for (int py = std::max(0, y - half); py < std::min(s.Height, y + half); ++py)
      for (int px = std::max(0, x - half); px < std::min(s.Width, x + half); ++px) lit += s.Row(py)[px] != 0;
    return lit;
  }
  // Frames of the battle as the main window runs them: a step, then the drawing (which runs
  // the devices' fades).
  void Steps(int n) {
    for (int i = 0; i < n; ++i) {
      Battle->Update();
      Battle->DrawBattle();
    }
  }
  std::map<std::string, int> ErrorCounts() const {
    std::map<std::string, int> counts;
    for (const auto& e : Main->Errors) counts[e] += 1;
    return counts;
  }
};

TEST_F(BadPictures, AFightWithoutItsPicturesRunsToItsEndReportingEachOnce) {
  TMelee& b = Start({{1, "player1ship", "TFG_Kestrel", "TFG", 300, 300, 90, true},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 520, 300, 270, true}});
  b.ComputerPilot = Main->ComputerPilot;
  // A star size, the Kestrel's shot and a frame of its detonation, its firing picture, a
  // logo and the crew icon are all gone.
  for (const char* name : {"star2", "bolt_kestrel", "explosion1_3", "player1ship_fr", "race1logo_small", "man_alive"})
    Images().Remove(name);
  const size_t before = Main->Errors.size();
  bool shotFlew = false, sawShip = false;
  double raiderHull = Ship("player2ship").Structure;
  for (int tick = 0; tick < 3000 && b.Phase != bpOver; ++tick) {
    ASSERT_NO_THROW(b.Update());
    Main->DXDraw->Fill(0);
    ASSERT_NO_THROW(b.DrawBattle());
    for (int i = 0; i < b.Objects.Count(); ++i) {
      const TGameObject& o = *b.Objects.At(i);
      if (o.Kind == KIND_WEAPON && o.ImageName == "bolt_kestrel" && o.Age > 3 && !o.Dying) shotFlew = true;
    }
    const TGameObject& kestrel = Ship("player1ship");
    if (!kestrel.Removed && kestrel.Kind == KIND_SHIP && b.View.Zoom == 1 &&
        LitAround(static_cast<int>(kestrel.X), static_cast<int>(kestrel.Y), 4) > 8)
      sawShip = true;
  }
  EXPECT_TRUE(shotFlew) << "the Kestrel's shots fly without their picture";
  EXPECT_LT(Ship("player2ship").Structure, raiderHull) << "and still hit";
  EXPECT_EQ(b.Phase, bpOver) << "the fight ends";
  EXPECT_TRUE(sawShip) << "the ship is drawn though its firing picture is gone";
  ASSERT_NO_THROW(b.DrawAfterBattle());
  ASSERT_NO_THROW(b.DrawPreBattle());

  const auto counts = ErrorCounts();
  for (const auto& [message, n] : counts) EXPECT_EQ(n, 1) << message;
  std::vector<std::string> fresh(Main->Errors.begin() + static_cast<long>(before), Main->Errors.end());
  auto reported = [&](const std::string& m) { return std::count(fresh.begin(), fresh.end(), m) == 1; };
  EXPECT_TRUE(reported("Image 'star2' not found"));
  EXPECT_TRUE(reported("Image 'bolt_kestrel' not found"));
  EXPECT_TRUE(reported("Image 'man_alive' not found"));
  // A ship without a firing picture simply shows its own; that is no error.
  EXPECT_FALSE(counts.count("Image 'player1ship_fr' not found"));
}

TEST_F(BadPictures, ARaceWithoutALogoShowsNoneAndNeverTheLastBattles) {
  Start(TwoShips());
  ASSERT_TRUE(Images().Has("race1logo"));
  TMelee& b = Start({{1, "player1ship", "TFG_Lancer", "Nobody", 100, 300},
                     {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300}});
  EXPECT_FALSE(Images().Has("race1logo"));
  EXPECT_FALSE(Images().Has("race1logo_small"));
  EXPECT_TRUE(Images().Has("race2logo"));
  EXPECT_TRUE(std::any_of(b.Warnings.begin(), b.Warnings.end(),
                          [](const std::string& w) { return w.find("FULL_BMP") != std::string::npos; }));
  const size_t before = Main->Errors.size();
  for (int i = 0; i < 3; ++i) {
    ASSERT_NO_THROW(b.DrawPreBattle());
    ASSERT_NO_THROW(b.DrawBattle());
    ASSERT_NO_THROW(b.DrawAfterBattle());
  }
  EXPECT_EQ(Main->Errors.size(), before) << "a side without a logo is no error on every screen";
  // On the pre-battle screen side 2's logo lies over the background, side 1's place shows
  // the background alone.
  auto region = [&](int left) {
    std::vector<uint16_t> pixels;
    for (int y = 160; y < 360; ++y)
      for (int x = left; x < left + 200; ++x) pixels.push_back(Main->DXDraw->Surface.Row(y)[x]);
    return pixels;
  };
  Main->DXDraw->Fill(0);
  b.DrawPreBattle();
  const auto side1 = region(75), side2 = region(525);
  Main->DXDraw->Fill(0);
  Images().Find("bbattle").Draw(Main->DXDraw->Surface, 0, 0);
  EXPECT_EQ(side1, region(75));
  EXPECT_NE(side2, region(525));
}

TEST_F(BadPictures, AnUnknownClassIsRefusedByName) {
  try {
    Start({{1, "player1ship", "TFG_Lancer", "TFG", 100, 300}, {2, "player2ship", "Nonesuch", "ZHA", 700, 300}});
    FAIL() << "the battle started";
  } catch (const EGameError& e) {
    EXPECT_NE(std::string(e.what()).find("\"Nonesuch\""), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()).find("/.img"), std::string::npos) << e.what();
  }
}

TEST_F(BadPictures, ACloakWithoutAFiringPictureKeepsTheShipsOwnAndACraftsCloakGivesItsOwnBack) {
  TMelee& b = Start({{1, "player1ship", "SYL_Wisp", "SYL", 100, 300}, {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300}});
  Images().Remove("player1ship_fr");
  TGameObject& wisp = Ship("player1ship");
  wisp.Energy = wisp.MaxEnergy = 1000;
  auto* cloak = dynamic_cast<TStealth*>(wisp.Weapon2.get());
  ASSERT_NE(cloak, nullptr);
  cloak->ReloadCounter = cloak->ReloadTime;
  cloak->Fire(0);
  Steps(25);
  EXPECT_TRUE(wisp.Cloaked);
  EXPECT_EQ(wisp.ImageName, "player1ship");

  // A craft of a cloaking class is registered under its own key but pictured as its class.
  TCraftOrder order;
  order.Class = "SYL_Wisp";
  order.Key = "player2shipcraft9";
  order.Side = 2;
  order.X = 600;
  order.Y = 100;
  TGameObject* craft = b.AddCraft(order);
  ASSERT_NE(craft, nullptr);
  auto* craftCloak = dynamic_cast<TStealth*>(craft->Weapon2.get());
  ASSERT_NE(craftCloak, nullptr);
  craft->Energy = craft->MaxEnergy = 1000;
  craftCloak->ReloadCounter = craftCloak->ReloadTime;
  craftCloak->Fire(0);
  Steps(25);
  ASSERT_TRUE(craft->Cloaked);
  craftCloak->ReloadCounter = craftCloak->ReloadTime;
  craftCloak->Fire(0);
  Steps(25);
  EXPECT_FALSE(craft->Cloaked);
  EXPECT_EQ(craft->ImageName, "SYL_Wisp") << "the picture the craft really has";
  // A carrier whose craft class is gone launches nothing, and says so once.
  order.Class = "Nonesuch";
  EXPECT_EQ(b.AddCraft(order), nullptr);
  EXPECT_EQ(b.AddCraft(order), nullptr);
  EXPECT_EQ(std::count_if(b.Warnings.begin(), b.Warnings.end(),
                          [](const std::string& w) { return w.find("Nonesuch") != std::string::npos; }),
            1);
}

}  // namespace
}  // namespace sw::test
