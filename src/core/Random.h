#pragma once
// The game's random generators.
//
// There are two streams, and which code may draw from which is a rule of the game:
//
//  * The battle's generator (one per battle, owned by TMelee, seeded from the battle's seed)
//    decides everything that changes how a battle plays: the placement of asteroids and
//    starbases when the battle is built, and, during the battle's step, the weapons' spreads,
//    damage rolls and fire chances, boarding, crew loss, salvage, asteroid drift and the
//    computer pilot's choices. Only TMelee's set-up (BuildBattle) and TMelee::Update, with
//    everything they call, may draw from it. They do so through the plain Random() and
//    RandomReal() below: while a TBattleRandomScope is open, those draw from the battle's
//    generator. A battle is therefore a pure function of its battle file, its seed and the
//    pilots' commands, which is what lets a recorded battle play back bit for bit.
//
//  * The shared generator serves everything else: the pictures (star fields, static, lightning
//    bolts, sparks), the music choice, the screens and the campaign. Code that draws pictures
//    while a battle step is running (a beam's bolt drawn as it fires) must take PictureRandom(),
//    never Random(), so that drawing a frame or not never changes the battle.
#include <cstdint>
#include <random>

namespace sw {

class TRandom {
public:
  explicit TRandom(uint64_t seed = 0x5EED5EEDULL) { Seed(seed); }
  void Seed(uint64_t seed);
  // A uniform integer 0..n-1; 0 when n <= 0 (and then nothing is drawn).
  int Next(int n);
  // A uniform real in [0, 1).
  double NextReal();
  // Draws and forgets n numbers.
  void Discard(uint64_t n);
  // The seed it was last given and the numbers drawn since: together they are its whole state.
  uint64_t SeedValue() const { return SeedUsed; }
  uint64_t Draws() const { return DrawCount; }

private:
  std::mt19937_64 Engine;
  uint64_t SeedUsed = 0;
  uint64_t DrawCount = 0;
};

// The shared generator (pictures, sound, screens, campaign).
TRandom& SharedRandom();
// A uniform integer 0..n-1 from the shared generator, whatever battle step is running.
int PictureRandom(int n);

// While one is open, Random() and RandomReal() draw from the given battle generator. Scopes
// nest; closing one restores the generator that was in use before.
class TBattleRandomScope {
public:
  explicit TBattleRandomScope(TRandom& battle);
  ~TBattleRandomScope();
  TBattleRandomScope(const TBattleRandomScope&) = delete;
  TBattleRandomScope& operator=(const TBattleRandomScope&) = delete;

private:
  TRandom* Previous;
};

// The generator Random() draws from now: the open battle's, or the shared one.
TRandom& CurrentRandom();

}  // namespace sw
