#include "ai/Pilots.h"

#include "ai/KillSetUp.h"
#include "ai/PilotSteering.h"
#include "battle/Motion.h"
#include "weapons/BattleAccess.h"
#include "weapons/Weapon.h"

namespace sw {

namespace {

// Hull thresholds of organic ships: they retreat below two thirds and attack again above
// seven eighths, growing back in between.
void OrganicModeRules(TGameObject& s) {
  if (s.PilotMode != PILOT_EVADE) {
    if (s.Structure < s.MaxStructure / 6 * 4) s.PilotMode = PILOT_RETREAT;
    if (s.Structure > s.MaxStructure / 8 * 7) s.PilotMode = PILOT_ATTACK;
  }
  // A carrier stays back and lets its craft fight.
  if (EitherHas(s, &TWeapon::IsFighter)) s.PilotMode = PILOT_RETREAT;
}

// The cloaking ships' own mode: attack while cloaked; in the open, back off while the banks
// cannot pay for both the cloak and a shot.
void CloakModeRules(TGameObject& s, const TWeapon* device, const TWeapon* other) {
  if (s.PilotMode == PILOT_EVADE) return;
  if (s.Cloaked)
    s.PilotMode = PILOT_ATTACK;
  else
    s.PilotMode = s.Energy < EnergyUsageOf(device) + EnergyUsageOf(other) ? PILOT_RETREAT : PILOT_ATTACK;
}

// What both cloak pilots do once their cloak is switched: steer, fire only in the open, move,
// and cloak while dodging the planet.
void FlyCloaked(IBattleAccess& battle, TGameObject& ship, TGameObject& target, const TPilotSight& sight,
                TWeapon* device, TWeapon* other) {
  SteerAtTarget(ship, target, sight.Distance, sight.Zoom);
  if (!ship.Cloaked && WantsToUse(other, target, sight)) Use(other);
  TMoveOrders orders;
  orders.InRange = Reaches(other, sight.Distance, sight.Zoom);
  orders.EvadeCloak = device;
  MoveShip(battle, ship, sight, orders);
}

}  // namespace

void GeneralModeRules(TGameObject& s) {
  if (s.Organic) {
    OrganicModeRules(s);
    return;
  }
  if (s.PilotMode != PILOT_EVADE) {
    if (s.Energy < s.MaxEnergy / 20) s.PilotMode = PILOT_RETREAT;
    if (s.Energy > s.MaxEnergy / 3) s.PilotMode = PILOT_ATTACK;
  }
  if (s.DamageFlee && s.Structure < s.MaxStructure / 2) s.PilotMode = PILOT_RETREAT;
  if (EitherHas(s, &TWeapon::IsFighter)) s.PilotMode = PILOT_RETREAT;
  // A drainer refills its banks from the enemy's: it closes in when low instead of fleeing.
  if (CarriesEnergyDrainer(s) && s.Energy < s.MaxEnergy / 2) s.PilotMode = PILOT_ATTACK;
}

void FlyRammer(IBattleAccess& battle, TGameObject& ship) {
  TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (!target) return;
  TurnToward(ship, target, false);
  if (Aligned(HeadingDegrees(ship), AimedBearing(ship, battle.Bearing(ship, *target)))) ApplyThrust(ship, true, 0, 0, battle.Zoom());
}

void FlyGeneral(IBattleAccess& battle, TGameObject& ship) {
  TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (!target) return;
  const double distance = battle.Distance(ship, *target);
  GeneralModeRules(ship);
  // A stunned or engine-locked enemy is there for the taking: press home while it lasts.
  if (ship.PilotMode == PILOT_RETREAT && IsHeld(*target) && !EitherHas(ship, &TWeapon::IsFighter))
    ship.PilotMode = PILOT_ATTACK;
  // A ship whose damage goes out astern turns its back on an enemy within that weapon's cover
  // and leads it on, so the enemy follows into the fan or across the mines.
  const bool tail = ship.PilotMode == PILOT_ATTACK && SternCovers(SternWeapon(ship), distance, battle.Zoom());
  if (tail)
    TurnToward(ship, target, true);
  else
    SteerAtTarget(ship, *target, distance, battle.Zoom());
  const TPilotSight sight = LookAt(battle, ship, *target);  // after the turn
  TWeapon* w1 = ship.Weapon1.get();
  TWeapon* w2 = ship.Weapon2.get();
  if (WantsToUse(w1, *target, sight)) Use(w1);
  if (WantsToUse(w2, *target, sight)) Use(w2);
  TMoveOrders orders;
  orders.InRange = tail || CanHit(w1, sight.Distance) || CanHit(w2, sight.Distance);
  orders.RetreatJump = SlotWith(ship, &TWeapon::IsTeleporter);
  MoveShip(battle, ship, sight, orders);
  if (tail && ship.PilotMode == PILOT_ATTACK && Aligned(sight.Heading, Opposite(sight.Bearing)))
    ApplyThrust(ship, false, 0, 0, sight.Zoom);
}

void FlyCloakA(IBattleAccess& battle, TGameObject& ship, TWeapon* device) {
  TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (!target) return;
  const TPilotSight sight = LookAt(battle, ship, *target);  // before the turn
  TWeapon* other = OtherSlot(ship, device);
  const double cloakCost = EnergyUsageOf(device);
  const double bothCost = cloakCost + EnergyUsageOf(other);
  // One switch a frame: a cloak just raised is not dropped again in the same frame.
  if (ship.PilotMode != PILOT_EVADE) {
    if (!ship.Cloaked) {
      if (cloakCost <= ship.Energy && ship.Energy < bothCost) Use(device);
    } else if (ship.Energy >= ship.MaxEnergy / 5 * 4 && Wants(other, *target, sight)) {
      Use(device);
    }
  }
  CloakModeRules(ship, device, other);
  FlyCloaked(battle, ship, *target, sight, device, other);
}

void FlyCloakB(IBattleAccess& battle, TGameObject& ship, TWeapon* device) {
  TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (!target) return;
  const TPilotSight sight = LookAt(battle, ship, *target);  // before the turn
  TWeapon* other = OtherSlot(ship, device);
  // Organic ships pay the cloak from their hull and switch it whatever their mode.
  if (ship.Organic || ship.PilotMode != PILOT_EVADE) {
    const bool canPay = ship.Organic ? ship.Structure > ship.MaxStructure / 10 + EnergyUsageOf(device)
                                     : ship.Energy >= EnergyUsageOf(device);
    if (!ship.Cloaked) {
      if (canPay && !Wants(other, *target, sight)) Use(device);
    } else if (Wants(other, *target, sight)) {
      Use(device);
    }
  }
  if (ship.Organic)
    OrganicModeRules(ship);
  else
    CloakModeRules(ship, device, OtherSlot(ship, device));
  FlyCloaked(battle, ship, *target, sight, device, other);
}

void FlyShield(IBattleAccess& battle, TGameObject& ship, TWeapon* device) {
  TGameObject* target = battle.NearestEnemy(ship, false, false);
  if (!target) return;
  const TPilotSight sight = LookAt(battle, ship, *target);  // before the turn
  TWeapon* other = OtherSlot(ship, device);
  // One switch a frame, so a shield raised this frame is not dropped by the next rule.
  if (!ship.DeviceOn) {
    if (ship.Energy >= ship.MaxEnergy / 3 * 2 || !Reaches(other, sight.Distance, sight.Zoom)) Use(device);
  } else if (ship.Energy <= ship.MaxEnergy / 3 && Wants(other, *target, sight)) {
    Use(device);
  }
  if (ship.PilotMode != PILOT_EVADE) ship.PilotMode = ship.Energy < ship.MaxEnergy / 6 ? PILOT_RETREAT : PILOT_ATTACK;
  SteerAtTarget(ship, *target, sight.Distance, sight.Zoom);
  if (WantsToUse(other, *target, sight)) Use(other);
  TMoveOrders orders;
  orders.InRange = Reaches(other, sight.Distance, sight.Zoom);
  MoveShip(battle, ship, sight, orders);
}

void FlyCrewKeeper(IBattleAccess& battle, TGameObject& ship, TWeapon* device) {
  TGameObject* target = battle.NearestEnemy(ship, false, true);
  if (!target) return;
  const double distance = battle.Distance(ship, *target);
  if (ship.PilotMode != PILOT_EVADE) ship.PilotMode = ship.Crew < ship.MaxCrew / 3 ? PILOT_RETREAT : PILOT_ATTACK;
  SteerAtTarget(ship, *target, distance, battle.Zoom());
  const TPilotSight sight = LookAt(battle, ship, *target);  // after the turn
  TWeapon* other = OtherSlot(ship, device);
  if (WantsToUse(other, *target, sight)) Use(other);
  if (ship.Crew < ship.MaxCrew / 4 * 3) Use(device);
  TMoveOrders orders;
  orders.InRange = CanHit(other, sight.Distance);
  MoveShip(battle, ship, sight, orders);
}

}  // namespace sw
