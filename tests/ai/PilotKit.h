#pragma once
// A small battle for the pilot tests: the real object list with the real target, bearing and
// distance rules, a planet of a chosen size, and weapons whose wish to fire the test decides.
#include <functional>
#include <memory>
#include <string>

#include "battle/GameObject.h"
#include "battle/Motion.h"
#include "battle/Targeting.h"
#include "weapons/BattleAccess.h"
#include "weapons/Weapon.h"

namespace sw::pilottest {

class TPilotBattle : public IBattleAccess {
public:
  TObjectList Objects;
  int ZoomFactor = 1;
  int PlanetSize = 90;  // displayed width and height of the planet; everything else is 30

  int Zoom() const override { return ZoomFactor; }
  TGameObject& AddObject(const std::string& key, std::unique_ptr<TGameObject> o) override {
    return *Objects.Add(key, std::move(o));
  }
  TGameObject* FindObject(const std::string& key) override { return Objects.Find(key); }
  int ObjectCount() const override { return Objects.Count(); }
  TGameObject* ObjectAt(int i) override { return Objects.At(i); }
  TGameObject* NearestEnemy(const TGameObject& from, bool allowCloaked, bool shipsOnly) override {
    return sw::NearestEnemy(Objects, from, allowCloaked, shipsOnly);
  }
  double Bearing(const TGameObject& a, const TGameObject& b) override { return sw::Bearing(a, b); }
  double Distance(const TGameObject& a, const TGameObject& b) override { return ObjectDistance(a, b); }
  int DisplayWidth(const TGameObject& o) override { return o.Kind == KIND_PLANET ? PlanetSize : 30; }
  int DisplayHeight(const TGameObject& o) override { return o.Kind == KIND_PLANET ? PlanetSize : 30; }
  void PlaySound(const std::string&) override {}
  void DrawRingWave(double, double, TColor, int, int) override {}

  // A ship with full hull, crew and energy (30 each), turning 5 units a frame on a 0.5 engine.
  TGameObject& Ship(const std::string& key, int side, double x, double y, double headingUnits = 0) {
    auto s = std::make_unique<TGameObject>(KIND_SHIP, 0, 0, y, x);
    s->X = x;
    s->Y = y;
    s->Side = static_cast<uint8_t>(side);
    s->Heading = headingUnits;
    s->TurnRate = 5;
    s->Thrust = 0.5;
    s->MaxStructure = s->Structure = 30;
    s->MaxCrew = s->Crew = 30;
    s->MaxEnergy = s->Energy = 30;
    s->AIDriven = true;
    s->Activation = 1;
    s->Age = 1;
    return *Objects.Add(key, std::move(s));
  }
  TGameObject& Rock(double x, double y) {
    auto a = std::make_unique<TGameObject>(KIND_ASTEROID, 0, 0, y, x);
    a->X = x;
    a->Y = y;
    a->VX = a->VY = 0;
    return *Objects.Add("asteroid_" + std::to_string(Objects.Count()), std::move(a));
  }
  TGameObject& Planet(double x, double y) {
    auto p = std::make_unique<TGameObject>(KIND_PLANET, 0, 0, y, x);
    p->X = x;
    p->Y = y;
    return *Objects.Add("planet", std::move(p));
  }
};

// A weapon or device whose wish to fire the test sets, counting what the pilot asks of it.
// Its effect on the ship when used (raising a shield, cloaking) is up to the test.
class TProbe : public TWeapon {
public:
  TProbe(TGameObject& ship, IBattleAccess& battle, const TWeaponDefinition& def = TWeaponDefinition())
      : TWeapon(&ship, "probe", def, &battle) {}
  bool Want = false;
  int Asked = 0;
  int Fired = 0;
  std::function<void()> Effect;
  bool WantsToFire(TGameObject*, double, double) override {
    ++Asked;
    return Want;
  }
  void Fire(uint8_t) override {
    ++Fired;
    if (Effect) Effect();
  }
};

// A definition for a weapon whose shots cover `reach` pixels at zoom 1.
inline TWeaponDefinition Reaching(int reach, int energyUsage = 0) {
  TWeaponDefinition d;
  d.ProjectileSpeed = 1;
  d.LifeSpan = reach;
  d.EnergyUsage = energyUsage;
  return d;
}

inline TProbe& Arm(TGameObject& ship, IBattleAccess& battle, int slot, const TWeaponDefinition& def = {}) {
  auto w = std::make_unique<TProbe>(ship, battle, def);
  TProbe& ref = *w;
  (slot == 1 ? ship.Weapon1 : ship.Weapon2) = std::move(w);
  return ref;
}

inline void Empty(TGameObject& ship, IBattleAccess& battle, int slot) {
  (slot == 1 ? ship.Weapon1 : ship.Weapon2) =
      std::make_unique<TNoWeapon>(&ship, "empty", TWeaponDefinition(), &battle);
}

}  // namespace sw::pilottest
