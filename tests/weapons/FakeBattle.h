#pragma once
// A small stand-in for the battle, as the weapons see it: an object list, a zoom factor, a chosen
// nearest enemy and bearing, and records of the sounds played and ring waves drawn.
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "battle/GameObject.h"
#include "weapons/BattleAccess.h"

namespace sw {

class TFakeBattle : public IBattleAccess {
public:
  TObjectList Objects;
  int ZoomFactor = 1;
  TGameObject* Enemy = nullptr;
  double EnemyBearing = 0;
  std::vector<std::string> Sounds;
  struct TRing {
    double X, Y;
    TColor Color;
    int Step, Size;
  };
  std::vector<TRing> Rings;

  // A ship added to the list under the key, side and position given.
  TGameObject& AddShip(const std::string& key, uint8_t side, double x = 400, double y = 300) {
    auto ship = std::make_unique<TGameObject>(KIND_SHIP, 0, 0, y, x);
    ship->Side = side;
    ship->MaxStructure = ship->Structure = 20;
    ship->MaxCrew = ship->Crew = 10;
    ship->MaxEnergy = ship->Energy = 30;
    return *Objects.Add(key, std::move(ship));
  }
  int CountUnder(const std::string& key) const {
    int n = 0;
    for (int i = 0; i < Objects.Count(); ++i) n += Objects.NameAt(i) == key;
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
  double Bearing(const TGameObject&, const TGameObject&) override { return EnemyBearing; }
  double Distance(const TGameObject& a, const TGameObject& b) override {
    return std::hypot(std::nearbyint(a.X) - std::nearbyint(b.X), std::nearbyint(a.Y) - std::nearbyint(b.Y));
  }
  int DisplayWidth(const TGameObject&) override { return 10; }
  int DisplayHeight(const TGameObject&) override { return 10; }
  void PlaySound(const std::string& name) override { Sounds.push_back(name); }
  void DrawRingWave(double x, double y, TColor color, int step, int size) override {
    Rings.push_back({x, y, color, step, size});
  }
};

}  // namespace sw
