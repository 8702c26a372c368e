#pragma once
// What two games must share to fight the same battle: the ship, weapon and race tables of the
// base game and of every add-on, the add-on list, the animation and projectile lists, and the
// sizes of the pictures the battle collides with (ships, projectiles, animations, planets and
// asteroids). Two games whose data give the same hash fight the same battles.
#include <cstdint>
#include <string>

namespace sw {

// The hash of the battle data under a game root (with a trailing slash).
uint64_t BattleDataHash(const std::string& root);

}  // namespace sw
