#pragma once
// A small battle for the beam and device tests: a real object list with the battle's own
// bearing and distance rules, a chosen nearest enemy, sizes per object, an optional surface to
// draw on under a camera, and records of the sounds played and rings drawn.
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "battle/GameObject.h"
#include "battle/Motion.h"
#include "weapons/BattleAccess.h"
#include "weapons/WeaponDefinition.h"

namespace sw::test {

class TBeamBattle : public IBattleAccess {
public:
  TObjectList Objects;
  int ZoomFactor = 1;
  TGameObject* Enemy = nullptr;
  std::map<const TGameObject*, int> Sizes;  // displayed width and height; 10 when not given
  std::unique_ptr<TSurface> Surface;
  TPoint CameraAt;
  std::vector<std::string> Sounds;
  struct TRing {
    double X, Y;
    TColor Color;
    int Step, Size;
  };
  std::vector<TRing> Rings;

  TGameObject& Add(const std::string& key, uint8_t kind, uint8_t side, double x, double y) {
    auto o = std::make_unique<TGameObject>(kind == KIND_ASTEROID ? KIND_SHIP : kind, 0, 0, y, x);
    o->Kind = kind;
    o->Side = side;
    o->X = x;
    o->Y = y;
    o->VX = o->VY = 0;
    o->Heading = 0;
    o->ImageName = key;
    if (kind == KIND_SHIP) {
      o->MaxStructure = o->Structure = 50;
      o->MaxCrew = o->Crew = 10;
      o->MaxEnergy = o->Energy = 40;
    } else {
      o->Structure = 5;
      o->LifeSpan = 100;
    }
    return *Objects.Add(key, std::move(o));
  }
  TGameObject& Ship(const std::string& key, uint8_t side, double x, double y) { return Add(key, KIND_SHIP, side, x, y); }
  int CountSounds(const std::string& name) const {
    int n = 0;
    for (const auto& s : Sounds) n += s == name;
    return n;
  }

  int Zoom() const override { return ZoomFactor; }
  TGameObject& AddObject(const std::string& key, std::unique_ptr<TGameObject> object) override {
    return *Objects.Add(key, std::move(object));
  }
  TGameObject* FindObject(const std::string& key) override { return Objects.Find(key); }
  int ObjectCount() const override { return Objects.Count(); }
  TGameObject* ObjectAt(int index) override { return Objects.At(index); }
  TGameObject* NearestEnemy(const TGameObject&, bool, bool) override { return Enemy; }
  double Bearing(const TGameObject& from, const TGameObject& to) override { return sw::Bearing(from, to); }
  double Distance(const TGameObject& a, const TGameObject& b) override { return ObjectDistance(a, b); }
  int DisplayWidth(const TGameObject& o) override { return SizeOf(o); }
  int DisplayHeight(const TGameObject& o) override { return SizeOf(o); }
  void PlaySound(const std::string& name) override { Sounds.push_back(name); }
  void DrawRingWave(double x, double y, TColor color, int step, int size) override {
    Rings.push_back({x, y, color, step, size});
  }
  TSurface* EffectSurface() override { return Surface.get(); }
  TPoint Camera() const override { return CameraAt; }

private:
  int SizeOf(const TGameObject& o) const {
    auto it = Sizes.find(&o);
    return it == Sizes.end() ? 10 : it->second;
  }
};

// A weapon section with the given class word and a few common keys.
inline TWeaponDefinition Def(const std::string& classWord) {
  TWeaponDefinition d;
  d.Ident = "Test" + classWord;
  d.ClassWord = classWord;
  d.FireSound = "fire";
  d.HitSound = "hit";
  return d;
}

}  // namespace sw::test
