#pragma once
// The lightning beams.
//   TChainBeam      lightning that leaps from the ship to the nearest object, from that one to
//                   the nearest next, and so on, paying for every leap it makes
//   TEnergyDrainer  lightning to every ship in reach, siphoning a point of energy from each
#include <vector>

#include "weapons/Beams.h"

namespace sw {

class TChainBeam : public TBeamWeapon {
public:
  using TBeamWeapon::TBeamWeapon;

  // The chain as it stands: the firing ship first, then each nearest object within reach of the
  // one before that is not yet in the chain. Asteroids, planets and removed objects never link.
  std::vector<TGameObject*> ChainBeamLinks();
  // How many leaps the last frame paid for.
  int LastLinks = 0;

protected:
  void BeamFrame() override;
};

class TEnergyDrainer : public TBeamWeapon {
public:
  using TBeamWeapon::TBeamWeapon;
  // How many ships the last frame reached.
  int LastReached = 0;

protected:
  void BeamFrame() override;
};

}  // namespace sw
