#pragma once
// Ring-wave devices: a ring that spreads out from the ship for as many frames as the device's
// LifeSpan allows, acting on everything it reaches on every frame it reaches it.
//   TShockGen     ends every weapon object it reaches, the ship's own included
//   TMirrorField  turns enemy weapon objects round and hands them to the ship's side
//   TIonicWave    stuns enemy ships
//   TRageDevice   holds the ship still and hurts everything around; the ship dies at the end
//   TRepulser     pushes everything away, the ship itself too
#include "weapons/Weapon.h"

namespace sw {

class TShockGen : public TWeapon {
public:
  TShockGen(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);

  // Starts a wave (paid as a shot) unless one is running. There is no reload wait.
  void Fire(uint8_t released) override;
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;

  // The ring's colour and how far it grows each frame (in EffectCounter steps).
  TColor RingColor = 0x484848;
  int Step = 2;

protected:
  // One frame of the wave, run by the battle while it is Active.
  void WaveFrame();
  // What the wave does to an object it reaches.
  virtual void Reach(TGameObject& o);
  // Before the objects are reached, each frame.
  virtual void BeforeReach() {}
  // When the wave has run its course.
  virtual void End();
  bool IsWeaponObject(const TGameObject& o) const;
  bool Idle() const { return !Active; }
  bool InRange(double n, double distance) const;
};

class TMirrorField : public TShockGen {
public:
  TMirrorField(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);

protected:
  void Reach(TGameObject& o) override;
  void End() override {}
};

class TIonicWave : public TShockGen {
public:
  TIonicWave(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;

protected:
  void Reach(TGameObject& o) override;
  void End() override {}
};

class TRageDevice : public TShockGen {
public:
  TRageDevice(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;

protected:
  void BeforeReach() override;
  void Reach(TGameObject& o) override;
  void End() override;
};

class TRepulser : public TShockGen {
public:
  TRepulser(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def, IBattleAccess* battle);
  bool WantsToFire(TGameObject* target, double distance, double bearing) override;

protected:
  void Reach(TGameObject& o) override;
  void End() override {}
};

}  // namespace sw
