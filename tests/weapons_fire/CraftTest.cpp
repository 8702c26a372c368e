// Carried craft and crew transfer: fighters paid with crew, drones that carry the crew away from
// the mother ship, shuttles that reinforce or board, and transporters.
#include <gtest/gtest.h>

#include <cmath>

#include "FireBattle.h"
#include "core/Numbers.h"
#include "weapons/Craft.h"
#include "weapons/Transport.h"

namespace sw {
namespace {

class Craft : public ::testing::Test {
protected:
  TFireBattle Battle;
  TGameObject& Ship = Battle.AddShip("player1ship", 1, 400, 300);
  TGameObject& Foe = Battle.AddShip("player2ship", 2, 460, 300);
  TWeaponDefinition Def = [] {
    TWeaponDefinition d;
    d.Ident = "Bay";
    d.ImageName = "Kestrel";
    d.ProjectileSpeed = 4;
    d.Activation = 20;
    d.EnergyUsage = 6;
    d.ReloadTime = 45;
    d.FireSound = "launch";
    d.HitSound = "dock";
    return d;
  }();
  void SetUp() override {
    RandSeed(9);
    Ship.Prefix = "add-ons\\pack\\";
    Ship.MaxCrew = Ship.Crew = 30;
  }
  template <typename T>
  std::unique_ptr<T> Make() {
    return std::make_unique<T>(&Ship, "player1ship", Def, &Battle);
  }
};

TEST_F(Craft, AFighterLeavesBackwardsPaidWithEnergyAndCrew) {
  Def.SecondDamage = 2;
  Battle.ZoomFactor = 3;
  Ship.Heading = 100;
  Ship.Crew = 5;
  auto bay = Make<TFighter>();
  EXPECT_TRUE(bay->IsFighter);
  EXPECT_TRUE(bay->LaunchesCraft);
  bay->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 1u);
  const TCraftOrder& c = Battle.Craft[0];
  EXPECT_EQ(c.Class, "Kestrel");
  EXPECT_EQ(c.Prefix, "add-ons\\pack\\");
  EXPECT_EQ(c.Key, "player1shipplayer1ship2") << "the objects in the battle when it left";
  EXPECT_EQ(c.Side, 1);
  EXPECT_EQ(c.Activation, 20);
  EXPECT_EQ(c.Speed, 12);
  EXPECT_NEAR(c.Angle, 227.5 * DEGREES_PER_UNIT, 1e-9);
  EXPECT_EQ(c.X, 400);
  EXPECT_EQ(c.Carrier, &Ship);
  EXPECT_EQ(Ship.Crew, 3);
  EXPECT_EQ(Ship.Energy, 24);
  EXPECT_EQ(bay->ReloadCounter, 0);
  EXPECT_EQ(Battle.Sounds, std::vector<std::string>{"launch"});

  // Three must stay aboard: with 4 crew and 2 to pay, no fighter and nothing paid.
  bay->ReloadCounter = 45;
  Ship.Crew = 4;
  bay->Fire(0);
  EXPECT_EQ(Battle.Craft.size(), 1u);
  EXPECT_EQ(Ship.Energy, 24);
  EXPECT_EQ(Ship.Crew, 4);
  // Without the energy, no fighter and no crew lost.
  Ship.Crew = 10;
  Ship.Energy = 5;
  bay->Fire(0);
  EXPECT_EQ(Battle.Craft.size(), 1u);
  EXPECT_EQ(Ship.Crew, 10);
  // Reloading.
  Ship.Energy = 30;
  bay->ReloadCounter = 44;
  bay->Fire(0);
  EXPECT_EQ(Battle.Craft.size(), 1u);
  // A captured carrier launches for its new side.
  bay->ReloadCounter = 45;
  Ship.Side = 2;
  bay->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 2u);
  EXPECT_EQ(Battle.Craft[1].Side, 2);
  EXPECT_EQ(Battle.Craft[1].Key, "player1shipplayer1ship3");
}

TEST_F(Craft, ACraftNeverTakesAKeyAnotherObjectStillHolds) {
  Ship.Crew = 5;
  auto shot = std::make_unique<TGameObject>(KIND_WEAPON, 0, 0, 10, 10);
  Battle.AddObject("shot", std::move(shot));
  auto bay = Make<TFighter>();
  bay->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 1u);
  // The first fighter took the count as its number; the spent shot leaves the list, the count
  // falls back, and the next fighter must not share the first one's key.
  Battle.Objects.Delete(Battle.Objects.IndexOf("shot"));
  bay->ReloadCounter = 1000;
  bay->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 2u);
  EXPECT_NE(Battle.Craft[1].Key, Battle.Craft[0].Key);
  EXPECT_EQ(Battle.Nth(Battle.Craft[1].Key, 1), nullptr) << "one object under each key";
}

TEST_F(Craft, DronesLeaveEvenlyAllRoundAndTheMotherShipIsLost) {
  Ship.Heading = 30 / DEGREES_PER_UNIT;
  Ship.Crew = 4;
  auto brood = Make<TReleaseDrones>();
  EXPECT_TRUE(brood->LaunchesCraft);
  EXPECT_FALSE(brood->IsFighter);
  brood->ReloadCounter = 0;  // no reload and no cost to wait for
  Ship.Energy = 0;
  brood->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 4u);
  const double want[] = {120, 210, 300, 30};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(Battle.Craft[i].Angle, want[i], 1e-9) << i;
    EXPECT_EQ(Battle.Craft[i].Key, "player1shipplayer1ship" + std::to_string(2 + i)) << i;
    EXPECT_EQ(Battle.Craft[i].Speed, 4);
  }
  EXPECT_EQ(Ship.Crew, 0);
  EXPECT_EQ(Ship.Structure, 0);
  EXPECT_EQ(Battle.Sounds.size(), 1u);
  // Held down, the key finds nothing more to release.
  brood->Fire(0);
  EXPECT_EQ(Battle.Craft.size(), 4u);
  EXPECT_EQ(Battle.Sounds.size(), 1u);
}

TEST_F(Craft, AFractionOfCrewSpacesTheDronesByTheWholeCrew) {
  Ship.Heading = 0;
  Ship.Crew = 2.6;
  auto brood = Make<TReleaseDrones>();
  brood->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(Battle.Craft[i].Angle, std::fmod((i + 1) * 360 / 2.6, 360), 1e-9) << i;
}

TEST_F(Craft, AHugeCrewReleasesAtMostAFramesWorthOfDronesEvenlyAllRound) {
  Ship.Heading = 0;
  Ship.Crew = 100000;
  auto brood = Make<TReleaseDrones>();
  brood->Fire(0);
  ASSERT_EQ(Battle.Craft.size(), static_cast<size_t>(MaxDronesReleased));
  EXPECT_NEAR(Battle.Craft[0].Angle, 360.0 / MaxDronesReleased, 1e-9);
  const double last = Battle.Craft.back().Angle;
  EXPECT_TRUE(last < 1e-6 || last > 360 - 1e-6) << "the last goes straight ahead: " << last;
  EXPECT_EQ(Ship.Crew, 0);
}

TEST_F(Craft, TheComputerPilotsWishesForCraft) {
  Def.AIFireChance = 100;
  auto bay = Make<TFighter>();
  EXPECT_TRUE(bay->WantsToFire(&Foe, 5000, 180)) << "anywhere, any range";
  auto brood = Make<TReleaseDrones>();
  EXPECT_FALSE(brood->WantsToFire(&Foe, 10, 0)) << "a whole crew stays with its ship";
  Ship.Crew = 29.5;
  EXPECT_TRUE(brood->WantsToFire(&Foe, 10, 0));
  Def.AIFireChance = 0;
  EXPECT_FALSE(Make<TFighter>()->WantsToFire(&Foe, 10, 0));
  EXPECT_FALSE(Make<TReleaseDrones>()->WantsToFire(&Foe, 10, 0));
}

class Shuttle : public Craft {
protected:
  void SetUp() override {
    Craft::SetUp();
    Def.ImageName = "Tug";
    Def.PrimalDamage = 4;  // hull carried
    Def.SecondDamage = 3;  // crew carried
    Def.HitPoints = 6;
    Def.LifeSpan = 200;
    Def.ProjectileSpeed = 5;
    Def.ReloadTime = 60;
    Def.EnergyUsage = 8;
    Def.FireImageCounter = 2;
    Def.ExplName = "puff_";
    Def.AnimationFrames = 1;
  }
  TGameObject* Launched() { return Battle.FindObject("player1shipplayer1ship"); }
};

TEST_F(Shuttle, LaunchingTakesEnergyHullAndCrewAndLeavesBehind) {
  Ship.Organic = true;  // still paid from energy
  Ship.Heading = 10;
  Ship.VY = -3;
  auto bay = Make<TGoranShuttle>();
  EXPECT_TRUE(bay->LaunchesCraft);
  bay->Fire(0);
  TGameObject* s = Launched();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(Ship.Energy, 22);
  EXPECT_EQ(Ship.Structure, 16);
  EXPECT_EQ(Ship.Crew, 27);
  EXPECT_EQ(Ship.FireImageFrames, 2);
  EXPECT_DOUBLE_EQ(s->Heading, 137.5);
  EXPECT_NEAR(Speed(*s), 5, 1e-9);
  EXPECT_EQ(s->SecondDamage, 3);
  EXPECT_EQ(s->Structure, 6);
  EXPECT_TRUE(s->OnHit);
  EXPECT_FALSE(s->OnFrame);
  EXPECT_EQ(s->TrailColour, 255);

  // Each of the three stores must keep something back.
  struct {
    double Energy, Hull, Crew;
  } short_[] = {{7, 20, 10}, {30, 4, 10}, {30, 20, 3}};
  for (auto c : short_) {
    bay->ReloadCounter = 60;
    Ship.Energy = c.Energy;
    Ship.Structure = c.Hull;
    Ship.Crew = c.Crew;
    bay->Fire(0);
    EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 1);
    EXPECT_EQ(Ship.Energy, c.Energy);
  }
  // Just enough: one crew member and one point of hull stay aboard.
  bay->ReloadCounter = 60;
  Ship.Energy = 8;
  Ship.Structure = 5;
  Ship.Crew = 4;
  bay->Fire(0);
  EXPECT_EQ(Battle.CountUnder("player1shipplayer1ship"), 2);
  EXPECT_EQ(Ship.Crew, 1);
  EXPECT_EQ(Ship.Structure, 1);
}

TEST_F(Shuttle, AtAFriendItAddsCrewEvenBeyondTheMaximum) {
  auto bay = Make<TGoranShuttle>();
  bay->Fire(0);
  TGameObject& friendShip = Battle.AddShip("friend", 1);
  friendShip.Crew = friendShip.MaxCrew = 10;
  TGameObject* s = Launched();
  s->OnHit(*s, &friendShip);
  EXPECT_EQ(friendShip.Crew, 13);
  EXPECT_EQ(friendShip.Boarders, 0);
  EXPECT_EQ(friendShip.Structure, 20) << "the hull it carried is not handed over";
  EXPECT_TRUE(s->RemoveMe);
  EXPECT_EQ(Battle.Sounds.back(), "dock");
}

TEST_F(Shuttle, AShuttleWithoutBreakUpPicturesKeepsItsOwn) {
  Def.ExplName = "";
  Def.AnimationFrames = 0;
  auto bay = Make<TGoranShuttle>();
  bay->Fire(0);
  TGameObject* s = Launched();
  s->OnHit(*s, &Foe);
  EXPECT_EQ(s->ImageName, "Tug") << "an empty name is no picture to look up";
  EXPECT_TRUE(s->RemoveMe);
}

TEST_F(Shuttle, AtAnEnemyItsCrewBoard) {
  auto bay = Make<TGoranShuttle>();
  bay->Fire(0);
  TGameObject* s = Launched();
  s->OnHit(*s, &Foe);
  EXPECT_EQ(Foe.Boarders, 3);
  EXPECT_EQ(Foe.Crew, 10);
  EXPECT_EQ(Foe.Structure, 20);
  EXPECT_TRUE(s->RemoveMe);
}

TEST_F(Shuttle, AShuttleBreakingUpDeliversNobody) {
  Def.AnimationFrames = 4;
  auto bay = Make<TGoranShuttle>();
  bay->Fire(0);
  TGameObject* s = Launched();
  // Its time runs out and it breaks up with a sound...
  s->OnHit(*s, nullptr);
  EXPECT_TRUE(s->Dying);
  EXPECT_FALSE(s->RemoveMe);
  EXPECT_EQ(Battle.Sounds.back(), "dock");
  // ...and drifting against a ship while it does brings nobody aboard, frame after frame.
  s->OnHit(*s, &Foe);
  s->OnHit(*s, &Foe);
  EXPECT_EQ(Foe.Boarders, 0);
}

TEST_F(Shuttle, AShuttleCanBeShotDown) {
  auto bay = Make<TGoranShuttle>();
  bay->Fire(0);
  TGameObject* s = Launched();
  auto shot = std::make_unique<TGameObject>(KIND_WEAPON, 0, 0, 300, 400);
  shot->Side = 2;
  shot->Structure = 1;
  shot->PrimalDamage = 4;
  shot->LifeSpan = 30;
  TGameObject& bolt = Battle.AddObject("player2shipplayer2ship", std::move(shot));
  s->OnHit(*s, &bolt);
  EXPECT_EQ(s->Structure, 2);
  EXPECT_FALSE(s->Dying) << "still flying";
  EXPECT_EQ(bolt.Age, 30);
  bolt.Structure = 3;
  bolt.Age = 0;
  s->OnHit(*s, &bolt);
  EXPECT_TRUE(s->Dying);
  EXPECT_EQ(Foe.Boarders, 0);
}

class Transporter : public Craft {
protected:
  void SetUp() override {
    Craft::SetUp();
    Def.PrimalDamage = 4;
    Def.ProjectileSpeed = 90;
    Def.EnergyUsage = 10;
    Def.ReloadTime = 50;
    Def.TransportType = 1;
    Def.FireSound = "beam";
    Battle.Enemy = &Foe;
  }
};

TEST_F(Transporter, SendsCrewAcrossAndBringsTheEnemysBackAsBoarders) {
  Foe.Crew = 2;
  auto t = Make<TTransport>();
  t->Fire(0);
  EXPECT_EQ(Foe.Boarders, 4);
  EXPECT_EQ(Foe.Crew, 0);
  EXPECT_EQ(Ship.Crew, 26);
  EXPECT_EQ(Ship.Boarders, 2);
  EXPECT_EQ(Foe.ShieldFlash, 20);
  EXPECT_EQ(Ship.Energy, 20);
  EXPECT_EQ(t->ReloadCounter, 0);
  EXPECT_EQ(Battle.Sounds.back(), "beam");

  // The one-way kind only sends.
  Def.TransportType = 0;
  auto oneWay = Make<TTransport>();
  Foe.Crew = 8;
  oneWay->Fire(0);
  EXPECT_EQ(Foe.Boarders, 8);
  EXPECT_EQ(Foe.Crew, 8);
  EXPECT_EQ(Ship.Boarders, 2);
}

TEST_F(Transporter, NeverReachesBeyondItsRangeAndKeepsReloading) {
  auto t = Make<TTransport>();
  Foe.X = 491;  // 91 pixels away, reach 90
  t->Fire(0);
  EXPECT_EQ(Foe.Boarders, 0);
  EXPECT_EQ(Ship.Energy, 30);
  EXPECT_EQ(t->ReloadCounter, 50) << "nothing was fired, so the counter was not reset";
  Battle.ZoomFactor = 3;  // close in, the reach is three times longer
  Foe.X = 400 + 3 * 90;
  t->Fire(0);
  EXPECT_EQ(Foe.Boarders, 4);
}

TEST_F(Transporter, NeedsCrewToSpareATargetAndEnergy) {
  auto t = Make<TTransport>();
  Ship.Crew = 6;  // 4 to send and 3 to stay is 7
  t->Fire(0);
  EXPECT_EQ(Foe.Boarders, 0);
  Ship.Crew = 7;
  Ship.Energy = 9;
  t->Fire(0);
  EXPECT_EQ(Foe.Boarders, 0);
  EXPECT_EQ(Ship.Crew, 7);
  Ship.Energy = 30;
  Battle.Enemy = nullptr;
  t->Fire(0);
  EXPECT_EQ(Ship.Crew, 7);
  EXPECT_EQ(Ship.Energy, 30);
}

}  // namespace
}  // namespace sw
