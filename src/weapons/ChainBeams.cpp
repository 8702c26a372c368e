#include "weapons/ChainBeams.h"

#include <algorithm>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/Drawing.h"
#include "weapons/BattleAccess.h"

namespace sw {

std::vector<TGameObject*> TChainBeam::ChainBeamLinks() {
  std::vector<TGameObject*> links;
  if (!Owner || !Battle) return links;
  links.push_back(Owner);
  const double reach = Reach() + 1;
  for (;;) {
    const TGameObject& from = *links.back();
    TGameObject* nearest = nullptr;
    double nearestDistance = 0;
    const int count = Battle->ObjectCount();
    for (int i = 0; i < count; ++i) {
      TGameObject* o = Battle->ObjectAt(i);
      if (!o || o->Removed || o->Kind == KIND_ASTEROID || o->Kind == KIND_PLANET) continue;
      if (std::find(links.begin(), links.end(), o) != links.end()) continue;
      const double d = Battle->Distance(from, *o);
      if (d > reach) continue;
      if (!nearest || d < nearestDistance) {
        nearest = o;
        nearestDistance = d;
      }
    }
    if (!nearest) break;
    links.push_back(nearest);
  }
  return links;
}

void TChainBeam::BeamFrame() {
  LastLinks = 0;
  if (!Owner || !Battle) return;
  TGameObject& ship = *Owner;
  const std::vector<TGameObject*> links = ChainBeamLinks();
  if (links.size() < 2) return;
  TSurface* surface = Battle->EffectSurface();
  const TPoint camera = Battle->Camera();
  auto screen = [&camera](const TGameObject& o) { return TPoint{Round(o.X) - camera.X, Round(o.Y) - camera.Y}; };
  for (size_t k = 1; k < links.size(); ++k) {
    // Each leap is paid for; when the ship cannot pay the next one the chain ends there. A
    // living ship keeps the last tenth of its hull.
    if (ship.Organic ? ship.MaxStructure / 10 >= ship.Structure : ship.Energy < EnergyUsage + 1) break;
    if (surface) {
      TCanvas canvas(*surface);
      DrawLightning(canvas, screen(*links[k - 1]), screen(*links[k]), false, 30, 1, 1, BeamColor);
    }
    TGameObject& link = *links[k];
    if (link.Kind == KIND_SHIP) {
      ApplyBeamDamage(link, 0, Reach());  // every link takes the full blow
    } else {
      link.Structure -= 1;
      if (link.Structure <= 0) link.Age = link.LifeSpan;
    }
    if (ship.Organic) ship.Structure -= EnergyUsage;
    else ship.Energy -= EnergyUsage;
    LastLinks += 1;
  }
  PlaySound(FireSound);
}

void TEnergyDrainer::BeamFrame() {
  LastReached = 0;
  if (!Owner || !Battle) return;
  TGameObject& ship = *Owner;
  const double reach = Reach();
  TSurface* surface = Battle->EffectSurface();
  const TPoint camera = Battle->Camera();
  auto screen = [&camera](const TGameObject& o) { return TPoint{Round(o.X) - camera.X, Round(o.Y) - camera.Y}; };
  const int count = Battle->ObjectCount();
  for (int i = 0; i < count; ++i) {
    TGameObject* o = Battle->ObjectAt(i);
    if (!o || o == &ship || o->Kind != KIND_SHIP || o->Removed || o->Derelict) continue;
    if (Battle->Distance(ship, *o) > reach) continue;
    // Friend or foe alike; a ship's last point of energy stays with it.
    if (o->Energy > 1) {
      o->Energy -= 1;
      if (ship.Energy < ship.MaxEnergy) ship.Energy += 1;
    }
    if (surface) {
      TCanvas canvas(*surface);
      DrawLightning(canvas, screen(ship), screen(*o), false, 30, 2, 1, BeamColor);
    }
    LastReached += 1;
  }
  if (LastReached > 0) PlaySound(FireSound);
}

}  // namespace sw
