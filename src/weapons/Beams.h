#pragma once
// Beam weapons: no weapon objects, only a beam that runs while the fire key is held. Each frame
// the beam is on the battle runs its frame effect, which pays the running cost, finds what the
// beam touches, applies the effect and draws the beam beneath the sprites.
//   TBeamWeapon       the plain beam: straight ahead, or a turret on the nearest enemy
//   TTeslaTurret      the plain beam that the computer pilot only turns on ships
//   TAssimilatorBeam  the plain beam, but it turns enemy crew into boarders instead of hurting
//   TDualBeam         two beams from the flanks that meet ahead of the ship
//   TDoubleBeam       two close parallel beams
// The lightning beams (chain and drain) are in ChainBeams.h.
#include "media/Surface.h"
#include "weapons/Weapon.h"

namespace sw {

// A point in world coordinates (the battle's own, before the camera).
struct TBeamPoint {
  double X = 0, Y = 0;
};

// The object whose box (centre +/- half its displayed size) the segment from `from` to `to`
// crosses, nearest to the firing ship's centre; nullptr when it crosses nothing. The firing
// ship and removed objects are never in the way.
TGameObject* FirstObjectOnLine(IBattleAccess& battle, const TGameObject& ship, TBeamPoint from, TBeamPoint to);

// The point of the line through a and b that lies closest to p, rounded to whole pixels.
TBeamPoint FootOfPerpendicular(TBeamPoint a, TBeamPoint b, TBeamPoint p);

class TBeamWeapon : public TWeapon {
public:
  TBeamWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);

  // Key down switches the beam on once it is reloaded; key up switches it off.
  void Fire(uint8_t released) override;

  // What one frame of beam does to an object it touches `distance` pixels from the ship, on a
  // beam `length` pixels long: hull damage (less further out when degrading), shields, the
  // vampire's gain and the energy drain; weapon objects lose structure.
  void ApplyBeamDamage(TGameObject& target, double distance, double length);

  // Where this frame's beam ended (world coordinates), for the tests and the pilot.
  TBeamPoint LastEnd;

protected:
  // One frame of the beam, run by the battle while the beam is on.
  virtual void BeamFrame();
  // The beam reached an object: plain beams damage it.
  virtual void Touch(TGameObject& target, double distance, double length);
  // The beam's reach at the current zoom.
  double Reach() const;
  TBeamPoint ShipCentre() const;
  // Draws a line of beam in the weapon's style (glow line, lightning or both).
  void DrawBeam(TBeamPoint from, TBeamPoint to);
  // World point to the screen.
  TPoint Screen(TBeamPoint p) const;
};

class TTeslaTurret : public TBeamWeapon {
public:
  using TBeamWeapon::TBeamWeapon;
  // Only ever turned on ships.
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;
};

class TAssimilatorBeam : public TBeamWeapon {
public:
  using TBeamWeapon::TBeamWeapon;

protected:
  // With PrimalDamage percent chance, one enemy crew member turns against the ship: crew - 1,
  // boarders + 1. Nothing is damaged.
  void Touch(TGameObject& target, double distance, double length) override;
};

class TDualBeam : public TBeamWeapon {
public:
  using TBeamWeapon::TBeamWeapon;
  // Where the second beam of this frame ended.
  TBeamPoint LastEnd2;

protected:
  void BeamFrame() override;
  // The two emitters and the two far ends of the beams this frame.
  virtual void Emitters(TBeamPoint& left, TBeamPoint& right, TBeamPoint& leftEnd, TBeamPoint& rightEnd);
};

class TDoubleBeam : public TDualBeam {
public:
  using TDualBeam::TDualBeam;

protected:
  void Emitters(TBeamPoint& left, TBeamPoint& right, TBeamPoint& leftEnd, TBeamPoint& rightEnd) override;
};

}  // namespace sw
