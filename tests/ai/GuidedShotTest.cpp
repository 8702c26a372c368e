// Guided shots in a real battle: the computer pilot flies a guided missile onto a ship that
// crosses its path, while the same missile fired unguided flies straight past.
#include <gtest/gtest.h>

#include <cmath>

#include "ai/ComputerPilot.h"
#include "battle_loop/BattleFixture.h"
#include "weapons/Weapon.h"

namespace sw::test {
namespace {

double AngleBetween(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

// What became of one snare missile fired to the right while the target crosses ahead of it.
struct TFlight {
  double LaunchHeading = 0;   // degrees
  double LaunchSpeed = 0;     // pixels a frame (at the zoom of the launch)
  double WidestTurn = 0;      // largest heading change from the launch, degrees
  double SlowestHoming = 1e9; // lowest speed while it flew, as a share of the launch speed
  double FastestHoming = 0;
  bool HitTarget = false;     // the target was stopped dead by the snare
  bool MovedWhileDetonating = false;
  int Frames = 0;
};

class GuidedShot : public BattleTest {
protected:
  TFlight Fly(bool guided) {
    // Both ships are left to themselves (nobody flies them), so the target keeps its course.
    TMelee& battle = Start({{1, "player1ship", "ZHA_Raider", "ZHA", 150, 300, 90},
                            {2, "player2ship", "DRN_Anvil", "DRN", 290, 205, 180}});
    battle.ComputerPilot = FlyComputerShip;
    TGameObject& raider = Ship("player1ship");
    TGameObject& target = Ship("player2ship");
    target.VY = 3;  // straight down, across the line the missile is fired along
    TWeapon& snare = *raider.Weapon1;
    snare.AIDriven = guided;
    battle.Update();  // the ships come alive
    snare.Fire(0);
    const std::string key = "player1shipplayer1ship";
    TGameObject* missile = battle.Objects.Find(key);
    EXPECT_NE(missile, nullptr) << "the snare missile is out";
    TFlight f;
    if (!missile) return f;
    EXPECT_EQ(missile->AIDriven, guided);
    f.LaunchHeading = missile->Heading * DEGREES_PER_UNIT;
    f.LaunchSpeed = std::hypot(missile->VX, missile->VY);
    for (int frame = 0; frame < 60 && (missile = battle.Objects.Find(key)); ++frame) {
      const double x = missile->X, y = missile->Y;
      const bool dying = missile->Dying;
      if (!dying) {
        f.WidestTurn = std::max(f.WidestTurn, AngleBetween(missile->Heading * DEGREES_PER_UNIT, f.LaunchHeading));
        const double share = std::hypot(missile->VX, missile->VY) / f.LaunchSpeed;
        f.SlowestHoming = std::min(f.SlowestHoming, share);
        f.FastestHoming = std::max(f.FastestHoming, share);
      }
      battle.Update();
      ++f.Frames;
      if (dying && (missile = battle.Objects.Find(key)) && (missile->X != x || missile->Y != y))
        f.MovedWhileDetonating = true;
      if (target.VX == 0 && target.VY == 0) f.HitTarget = true;
    }
    return f;
  }
};

TEST_F(GuidedShot, TurnsOntoACrossingShipWhereAnUnguidedOneFliesStraightPast) {
  const TFlight unguided = Fly(false);
  EXPECT_NEAR(unguided.LaunchHeading, 90, 1) << "fired to the right";
  EXPECT_LT(unguided.WidestTurn, 0.5) << "an unguided shot keeps its heading";
  EXPECT_NEAR(unguided.SlowestHoming, 1.0, 1e-9) << "and its speed";
  EXPECT_FALSE(unguided.HitTarget) << "the target crossed ahead of it untouched";

  const TFlight guided = Fly(true);
  EXPECT_NEAR(guided.LaunchHeading, 90, 1);
  // The target lies up and to the right and comes down across the line of fire: the missile
  // turns up toward it, well off the line it was fired along, and strikes it.
  EXPECT_GT(guided.WidestTurn, 20) << "a guided shot turns toward its target";
  EXPECT_TRUE(guided.HitTarget) << "and reaches it";
  EXPECT_FALSE(guided.MovedWhileDetonating) << "a detonating missile is no longer flown";
  // It homes at about the speed it was launched with: its thrust is its launch speed.
  EXPECT_GT(guided.SlowestHoming, 0.65);
  EXPECT_LT(guided.FastestHoming, 1.25);
}

}  // namespace
}  // namespace sw::test
