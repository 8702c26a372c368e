#include "weapons/Transport.h"

#include <algorithm>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "weapons/BattleAccess.h"

namespace sw {

void TTransport::Fire(uint8_t) {
  if (!Owner || !Battle) return;
  TGameObject& ship = *Owner;
  if (ReloadCounter < ReloadTime) return;
  // Three stay aboard to keep the ship flying.
  if (ship.Crew < PrimalDamage + 3) return;
  TGameObject* target = Battle->NearestEnemy(ship, false, true);
  if (!target) return;
  if (Battle->Distance(ship, *target) > Zoom() * ProjectileSpeed) return;
  if (!PayCost()) return;

  target->Boarders += PrimalDamage;
  ship.Crew -= PrimalDamage;
  if (TransportType == 1) {
    // The beam brings back as many of the enemy's crew as it sent, if it finds them.
    const int taken = std::max(0, std::min(PrimalDamage, Round(target->Crew)));
    target->Crew -= taken;
    ship.Boarders += taken;
  }
  target->ShieldFlash = 20;
  ReloadCounter = 0;
  PlaySound(FireSound);
}

}  // namespace sw
