// The event pictures' scenes and the pieces they share. Each scene paints a whole
// kEventW x kEventH layer; r is seeded from the picture's name, n is the name in lower case
// (a scene may vary with further words of it, e.g. a lattice of crystals or a single shard).
#pragma once
#include <string>
#include <vector>

#include "Bitmap.h"
#include "Noise.h"
#include "Shapes.h"

namespace ag::scene {

// Does the picture's name contain the word?
bool Has(const std::string& n, const char* word);

// Colours the scenes share with the ships and portraits of the same races.
inline const Col kGuardHull = Hex(0x5a7ab8);
inline const Col kKruHull = Hex(0x6a6e76);
inline const Col kKruRed = Hex(0xff3a2a);
inline const Col kKruGold = Hex(0xd8b04a);
inline const Col kGateRim = Hex(0xb08aff);

// Deep space with soft nebula clouds in two tints.
void Starfield(Layer& l, uint32_t seed, Col a, Col b);
// A small warship seen from above, nose toward angle a (radians, 0 = right).
void Hull(Layer& l, float x, float y, float s, float a, Col c, bool barbed = false);
// The outline of such a hull.
std::vector<Pt> HullOutline(float x, float y, float s, float a, bool barbed);
// A Guard warship drawn to be read at a glance: a hull with a light edge that keeps its
// nose clear against dark space.
void Warship(Layer& l, float x, float y, float s, float a, Col c);
// A machine ship: a blunt plated wedge with a red sensor eye at its nose.
void KruHull(Layer& l, float x, float y, float s, float a);
// Points along an ellipse rotated by rot, from angle a0 to a1.
std::vector<Pt> EllipseArc(float cx, float cy, float rx, float ry, float rot, float a0, float a1, int steps = 40);
// A gate ring seen at a slant: a violet halo and rim around a dark middle.
void GateRing(Layer& l, float cx, float cy, float rx, float ry);

// The story's turning points.
void Council(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Relay(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void RelayBroken(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Crossing(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Keystone(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Sealed(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void EndingWar(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void EndingPeace(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Invasion(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Warning(Layer& l, Rng& r, uint32_t seed, const std::string& n);

// Places, people and battles along the way.
void Vanguard(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Survey(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Core(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Gate(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Crystal(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Song(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Raid(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Wreck(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Spores(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Dorn(Layer& l, Rng& r, uint32_t seed, const std::string& n);
void Lanes(Layer& l, Rng& r, uint32_t seed, const std::string& n);

}  // namespace ag::scene
