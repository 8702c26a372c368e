#include "ai/PilotSteering.h"

#include "battle/Motion.h"
#include "core/Numbers.h"
#include "media/Geometry.h"
#include "weapons/BattleAccess.h"
#include "weapons/Weapon.h"

namespace sw {

namespace {
constexpr double CLOSE_QUARTERS = 100;   // a retreating ship turns its back only this close
constexpr double RETREAT_RANGE = 300;    // and flies away only within this
constexpr int PLANET_MARGIN = 40;        // room kept around the planet's picture
constexpr double LOOK_AHEAD = 175;       // frames looked ahead, times ten over the thrust
constexpr double EVADE_LENGTH = 220;     // evasion frames, times ten over the thrust
constexpr double EVADE_TURN = 80;        // heading units turned aside

void EngineThrust(TGameObject& ship, int zoom) { ApplyThrust(ship, false, 0, 0, zoom); }
}  // namespace

void SteerAtTarget(TGameObject& ship, const TGameObject& target, double distance, int zoom) {
  if (ship.PilotMode == PILOT_EVADE) return;
  const bool away = ship.PilotMode == PILOT_RETREAT && distance / zoom < CLOSE_QUARTERS;
  TurnToward(ship, &target, away);
}

bool CheckPlanet(IBattleAccess& battle, TGameObject& ship) {
  TGameObject* planet = battle.FindObject("planet");
  // Without engine power the look-ahead and the evasion length have no meaning.
  if (!planet || ship.Thrust <= 0) return false;
  const int zoom = battle.Zoom();
  const double margin = PLANET_MARGIN * zoom;
  const double halfW = battle.DisplayWidth(*planet) / 2 + margin;
  const double halfH = battle.DisplayHeight(*planet) / 2 + margin;
  const int steps = Round(LOOK_AHEAD / (ship.Thrust * 10));
  bool collision = false;
  for (int i = 1; i <= steps && !collision; ++i) {
    const double x = ship.X + i * ship.VX;
    const double y = ship.Y + i * ship.VY;
    collision = IsBetween(planet->X - halfW, planet->X + halfW, x) && IsBetween(planet->Y - halfH, planet->Y + halfH, y);
  }
  if (!collision) return false;

  if (TWeapon* jump = SlotWith(ship, &TWeapon::IsTeleporter)) {
    Use(jump);
    return true;
  }
  ship.EvadeFrames = Round(EVADE_LENGTH / (ship.Thrust * 10));
  double heading = ship.Heading + (Random(2) == 0 ? -EVADE_TURN : EVADE_TURN);
  if (heading > HEADING_TURN) heading -= HEADING_TURN;
  if (heading < 0) heading += HEADING_TURN;
  ship.EvadeHeading = heading;
  ship.PilotMode = PILOT_EVADE;
  return true;
}

void MoveShip(IBattleAccess& battle, TGameObject& ship, const TPilotSight& sight, const TMoveOrders& orders) {
  if (ship.EvadeFrames == 0) {
    CheckPlanet(battle, ship);
    if (ship.PilotMode == PILOT_EVADE && ship.EvadeFrames == 0) ship.PilotMode = PILOT_ATTACK;
  }
  const double z = sight.Zoom;
  switch (ship.PilotMode) {
    case PILOT_EVADE:
      // The turn reads the evasion heading as a bearing in degrees.
      TurnToward(ship, nullptr, false);
      if (Aligned(ship.EvadeHeading, sight.Heading)) EngineThrust(ship, sight.Zoom);
      if (orders.EvadeCloak && !ship.Cloaked) Use(orders.EvadeCloak);
      break;
    case PILOT_RETREAT:
      if (orders.RetreatJump) {
        if (sight.Distance / z < RETREAT_RANGE) Use(orders.RetreatJump);
      } else if (Aligned(sight.Heading, Opposite(sight.Bearing)) && sight.Distance / z < RETREAT_RANGE) {
        EngineThrust(ship, sight.Zoom);
      }
      break;
    default:
      if (Aligned(sight.Heading, sight.Bearing) && !orders.InRange) EngineThrust(ship, sight.Zoom);
      break;
  }
}

}  // namespace sw
