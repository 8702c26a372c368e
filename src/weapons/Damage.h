#pragma once
// The crew-loss rule: how a hull hit turns into crew losses. Weapons apply it after every hull
// hit, and the battle after a ship strikes the planet.
namespace sw {

class TGameObject;

// Run after `damage` hull points were taken off the ship (its Structure is already lowered).
void ApplyCrewLoss(TGameObject& ship, double damage);

}  // namespace sw
