// When the computer switches cloaks, shields and crew devices, and when it attacks or retreats.
#include <gtest/gtest.h>

#include "PilotKit.h"
#include "ai/ComputerPilot.h"
#include "ai/PilotSteering.h"
#include "ai/Pilots.h"

namespace sw::pilottest {
namespace {

// A ship with a device in one slot and a gun reaching 400 pixels in the other, an enemy 200
// pixels to the right. Energy, hull and crew are 30 at most.
struct TDeviceShip {
  TPilotBattle Battle;
  TGameObject& Me = Battle.Ship("player1ship", 1, 400, 300, 63.78);
  TGameObject& Foe = Battle.Ship("player2ship", 2, 600, 300);
  TProbe& Device;
  TProbe& Gun;
  TDeviceShip(int deviceSlot, int deviceCost)
      : Device(Arm(Me, Battle, deviceSlot, Reaching(0, deviceCost))),
        Gun(Arm(Me, Battle, 3 - deviceSlot, Reaching(400, 10))) {}
  void Fly() { FlyComputerShip(Battle, Me); }
};

struct TCloakCase {
  bool Cloaked;
  double Energy;
  bool GunWants;
  int DeviceUses;
};

TEST(CloakPilotA, CloaksWhenShortOfAShotAndUncloaksChargedToFire) {
  const TCloakCase cases[] = {
      {false, 4, false, 0},    // cannot pay the cloak (5)
      {false, 5, false, 1},    // can pay the cloak but not cloak and shot (15)
      {false, 14.9, true, 1},
      {false, 15, false, 0},   // can pay both: stays in the open
      {true, 24, true, 1},     // four fifths charged and a target: uncloak
      {true, 23.9, true, 0},
      {true, 30, false, 0},    // charged, but nothing to shoot
  };
  for (const TCloakCase& c : cases) {
    TDeviceShip s(2, 5);
    s.Me.CloakClass = 0;
    s.Device.IsCloak = true;
    s.Me.Cloaked = c.Cloaked;
    s.Me.Energy = c.Energy;
    s.Gun.Want = c.GunWants;
    s.Fly();
    EXPECT_EQ(s.Device.Fired, c.DeviceUses) << c.Cloaked << " " << c.Energy;
    // Only a ship in the open fires.
    EXPECT_EQ(s.Gun.Fired, !c.Cloaked && c.GunWants ? 1 : 0) << c.Cloaked << " " << c.Energy;
    // Cloaked it attacks; in the open it backs off while it cannot pay cloak and shot.
    EXPECT_EQ(s.Me.PilotMode, c.Cloaked || c.Energy >= 15 ? PILOT_ATTACK : PILOT_RETREAT) << c.Energy;
  }
}

TEST(CloakPilotA, LeavesTheCloakAloneWhileEvadingButCloaksToEvade) {
  TDeviceShip cloaked(1, 5);
  cloaked.Me.CloakClass = 0;
  cloaked.Device.IsCloak = true;
  cloaked.Me.Cloaked = true;
  cloaked.Gun.Want = true;
  cloaked.Me.PilotMode = PILOT_EVADE;
  cloaked.Me.EvadeFrames = 10;
  cloaked.Fly();
  EXPECT_EQ(cloaked.Device.Fired, 0);
  EXPECT_EQ(cloaked.Me.PilotMode, PILOT_EVADE);

  TDeviceShip open(1, 5);
  open.Me.CloakClass = 0;
  open.Device.IsCloak = true;
  open.Me.PilotMode = PILOT_EVADE;
  open.Me.EvadeFrames = 10;
  open.Fly();
  EXPECT_EQ(open.Device.Fired, 1) << "an evading ship in the open cloaks";
}

TEST(CloakPilotB, WearsTheCloakWhileTheGunHasNothingToShootAt) {
  const TCloakCase cases[] = {
      {false, 5, false, 1},  // can pay and nothing to shoot: cloak
      {false, 4.9, false, 0},
      {false, 30, true, 0},  // a target: stay in the open
      {true, 30, true, 1},   // a target: uncloak
      {true, 30, false, 0},
  };
  for (const TCloakCase& c : cases) {
    TDeviceShip s(1, 5);
    s.Me.CloakClass = 1;
    s.Device.IsCloak = true;
    s.Me.Cloaked = c.Cloaked;
    s.Me.Energy = c.Energy;
    s.Gun.Want = c.GunWants;
    s.Fly();
    EXPECT_EQ(s.Device.Fired, c.DeviceUses) << c.Cloaked << " " << c.Energy;
  }
}

TEST(CloakPilotB, AnOrganicShipPaysWithItsHullAndSwitchesEvenWhileEvading) {
  for (double hull : {8.0, 8.5}) {  // a tenth of 30 plus the cloak's 5
    TDeviceShip s(1, 5);
    s.Me.CloakClass = 1;
    s.Device.IsCloak = true;
    s.Me.Organic = true;
    s.Me.Energy = 0;
    s.Me.Structure = hull;
    s.Fly();
    EXPECT_EQ(s.Device.Fired, hull > 8 ? 1 : 0) << hull;
  }
  for (bool organic : {false, true}) {
    TDeviceShip s(1, 5);
    s.Me.CloakClass = 1;
    s.Device.IsCloak = true;
    s.Me.Organic = organic;
    s.Me.Cloaked = true;
    s.Gun.Want = true;
    s.Me.PilotMode = PILOT_EVADE;
    s.Me.EvadeFrames = 10;
    s.Fly();
    EXPECT_EQ(s.Device.Fired, organic ? 1 : 0) << organic;
  }
}

struct TShieldCase {
  bool On;
  double Energy;
  double FoeDistance;
  bool GunWants;
  int DeviceUses;
};

TEST(ShieldPilot, RaisesAtTwoThirdsOrOutOfReachAndDropsAtAThirdToFire) {
  const TShieldCase cases[] = {
      {false, 20, 200, false, 1},    // two thirds of 30
      {false, 19.9, 200, false, 0},  // the gun reaches the foe: no need
      {false, 19.9, 401, false, 1},  // out of the gun's reach: raise it
      {true, 10, 200, true, 1},      // a third, and the gun wants to fire: drop it
      {true, 10, 200, false, 0},
      {true, 10.1, 200, true, 0},
      {true, 30, 200, true, 0},
  };
  for (const TShieldCase& c : cases) {
    TDeviceShip s(1, 5);
    s.Device.IsShield = true;
    s.Foe.X = 400 + c.FoeDistance;
    s.Me.DeviceOn = c.On;
    s.Me.Energy = c.Energy;
    s.Gun.Want = c.GunWants;
    s.Fly();
    EXPECT_EQ(s.Device.Fired, c.DeviceUses) << c.On << " " << c.Energy << " " << c.FoeDistance;
    EXPECT_EQ(s.Gun.Fired, c.GunWants ? 1 : 0);
  }
}

TEST(ShieldPilot, DoesNotDropAShieldInTheFrameItWasRaised) {
  // Raising costs so much that the banks fall under a third at once.
  TDeviceShip s(2, 0);
  s.Device.IsShield = true;
  s.Device.Effect = [&] {
    s.Me.DeviceOn = !s.Me.DeviceOn;
    s.Me.Energy -= 15;
  };
  s.Me.Energy = 21;
  s.Gun.Want = true;
  s.Fly();
  EXPECT_EQ(s.Device.Fired, 1);
  EXPECT_TRUE(s.Me.DeviceOn);
  // The next frame, with the banks at 6 and a target, it comes down.
  s.Fly();
  EXPECT_EQ(s.Device.Fired, 2);
  EXPECT_FALSE(s.Me.DeviceOn);
}

TEST(ShieldPilot, RetreatsUnderASixthOfItsEnergy) {
  for (double energy : {4.9, 5.0}) {
    TDeviceShip s(1, 5);
    s.Device.IsShield = true;
    s.Me.DeviceOn = true;
    s.Me.Energy = energy;
    s.Fly();
    EXPECT_EQ(s.Me.PilotMode, energy < 5 ? PILOT_RETREAT : PILOT_ATTACK);
  }
}

TEST(CrewPilot, UsesItsDeviceBelowThreeQuartersCrewAndRetreatsBelowAThird) {
  for (bool reviver : {false, true})
    for (double crew : {30.0, 22.5, 22.4, 10.0, 9.9}) {
      TDeviceShip s(2, 5);
      (reviver ? s.Device.IsReviver : s.Device.IsRepair) = true;
      s.Me.Crew = crew;
      s.Gun.Want = true;
      s.Fly();
      EXPECT_EQ(s.Device.Fired, crew < 22.5 ? 1 : 0) << crew;
      EXPECT_EQ(s.Gun.Fired, 1);
      EXPECT_EQ(s.Me.PilotMode, crew < 10 ? PILOT_RETREAT : PILOT_ATTACK) << crew;
    }
}

TEST(CrewPilot, OverlooksEnemyShotsForTheEnemyShip) {
  TDeviceShip s(2, 5);
  s.Device.IsRepair = true;
  // An enemy shot much nearer than the enemy ship, interesting to every pilot.
  auto shot = std::make_unique<TGameObject>(KIND_WEAPON, 0, 0, 300, 390);
  shot->X = 400;
  shot->Y = 260;
  shot->Side = 2;
  shot->AIInterest = 10;
  s.Battle.AddObject("shot", std::move(shot));
  s.Me.Heading = 0;
  s.Fly();
  EXPECT_GT(s.Me.Heading, 0) << "turns right toward the ship, not up toward the shot";
}

struct TModeCase {
  const char* Name;
  uint8_t Before;
  double Energy, Hull;
  bool Organic, DamageFlee, Fighter, Drainer;
  uint8_t After;
};

TEST(GeneralPilot, AttacksOrRetreatsByEnergyHullAndWeapons) {
  const TModeCase cases[] = {
      {"energy under a twentieth", 0, 1.49, 30, false, false, false, false, 1},
      {"energy at a twentieth keeps attacking", 0, 1.5, 30, false, false, false, false, 0},
      {"between the marks a retreat goes on", 1, 10, 30, false, false, false, false, 1},
      {"over a third attacks again", 1, 10.1, 30, false, false, false, false, 0},
      {"damage flee under half the hull", 0, 30, 14.9, false, true, false, false, 1},
      {"damage flee at half the hull", 1, 30, 15, false, true, false, false, 0},
      {"a hurt ship without the trait fights on", 0, 30, 1, false, false, false, false, 0},
      {"a carrier stays back", 0, 30, 30, false, false, true, false, 1},
      {"a carrier's retreat ends an evasion", 2, 30, 30, false, false, true, false, 1},
      {"a low drainer closes in", 1, 1, 30, false, false, false, true, 0},
      {"a low drainer closes in despite its damage", 0, 14.9, 10, false, true, false, true, 0},
      {"a drainer over half its banks flees its damage", 0, 15, 10, false, true, false, true, 1},
      {"an evasion is not ended by energy", 2, 1, 30, false, false, false, false, 2},
      {"organic under two thirds of its hull", 0, 30, 19.9, true, false, false, false, 1},
      {"organic between the marks", 1, 0, 26, true, false, false, false, 1},
      {"organic over seven eighths", 1, 0, 26.3, true, false, false, false, 0},
      {"organic ships ignore their energy", 0, 0, 30, true, false, false, false, 0},
      {"an organic carrier stays back", 0, 30, 30, true, false, true, false, 1},
  };
  for (const TModeCase& c : cases) {
    TPilotBattle b;
    TGameObject& s = b.Ship("player1ship", 1, 0, 0);
    TProbe& w1 = Arm(s, b, 1);
    w1.IsFighter = c.Fighter;
    if (c.Drainer) w1.ClassWord = "DRAIN_BEAM";
    Arm(s, b, 2);
    s.PilotMode = c.Before;
    s.Energy = c.Energy;
    s.Structure = c.Hull;
    s.Organic = c.Organic;
    s.DamageFlee = c.DamageFlee;
    GeneralModeRules(s);
    EXPECT_EQ(s.PilotMode, c.After) << c.Name;
  }
}

TEST(GeneralPilot, AnEmptySlotNamedAfterADrainerIsNoDrainer) {
  TPilotBattle b;
  TGameObject& s = b.Ship("player1ship", 1, 0, 0);
  TWeaponDefinition def;
  def.ClassWord = "DRAIN_BEAM";
  s.Weapon1 = std::make_unique<TNoWeapon>(&s, "player1ship", def, &b);
  Arm(s, b, 2);
  s.PilotMode = 1;
  s.Energy = 1;
  GeneralModeRules(s);
  EXPECT_EQ(s.PilotMode, 1);
}

}  // namespace
}  // namespace sw::pilottest
