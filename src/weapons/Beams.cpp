#include "weapons/Beams.h"

#include <algorithm>
#include <cmath>

#include "battle/GameObject.h"
#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/Drawing.h"
#include "weapons/BattleAccess.h"
#include "weapons/Damage.h"

namespace sw {

namespace {

constexpr double PI = 3.14159265358979323846;
// Objects further than this from the firing ship are never the first thing a beam meets.
constexpr double FARTHEST_CANDIDATE = 9999;

double Rad(double degrees) { return degrees * PI / 180.0; }

// True when the segment p1-p2 crosses the axis-aligned edge from (ex0, ey0) to (ex1, ey1) at a
// point strictly inside both. Only one of the edge's coordinates varies.
bool CrossesEdge(double x1, double y1, double x2, double y2, double ex0, double ey0, double ex1, double ey1) {
  if (ey0 == ey1) {  // horizontal edge
    const double t = (ey0 - y1) / (y2 - y1);
    if (!(t > 0 && t < 1)) return false;
    const double x = x1 + t * (x2 - x1);
    return x > std::min(ex0, ex1) && x < std::max(ex0, ex1);
  }
  const double t = (ex0 - x1) / (x2 - x1);  // vertical edge
  if (!(t > 0 && t < 1)) return false;
  const double y = y1 + t * (y2 - y1);
  return y > std::min(ey0, ey1) && y < std::max(ey0, ey1);
}

}  // namespace

TGameObject* FirstObjectOnLine(IBattleAccess& battle, const TGameObject& ship, TBeamPoint from, TBeamPoint to) {
  double x1 = Round(from.X), y1 = Round(from.Y), x2 = Round(to.X), y2 = Round(to.Y);
  // A beam straight along an axis is tilted by a pixel, so it cannot run along a box edge.
  if (x1 == x2) x2 += 1;
  if (y1 == y2) y2 += 1;

  TGameObject* best = nullptr;
  double bestDistance = FARTHEST_CANDIDATE;
  const int count = battle.ObjectCount();
  for (int i = 0; i < count; ++i) {
    TGameObject* o = battle.ObjectAt(i);
    if (!o || o == &ship || o->Removed) continue;
    const double cx = Round(o->X), cy = Round(o->Y);
    const double hw = battle.DisplayWidth(*o) / 2.0, hh = battle.DisplayHeight(*o) / 2.0;
    const double l = cx - hw, r = cx + hw, t = cy - hh, b = cy + hh;
    const bool crosses = CrossesEdge(x1, y1, x2, y2, l, t, r, t) || CrossesEdge(x1, y1, x2, y2, l, b, r, b) ||
                         CrossesEdge(x1, y1, x2, y2, l, t, l, b) || CrossesEdge(x1, y1, x2, y2, r, t, r, b);
    if (!crosses) continue;
    const double d = battle.Distance(ship, *o);
    if (d < bestDistance) {  // of two as near, the first found stays
      best = o;
      bestDistance = d;
    }
  }
  return best;
}

TBeamPoint FootOfPerpendicular(TBeamPoint a, TBeamPoint b, TBeamPoint p) {
  if (a.Y == b.Y) return {p.X, a.Y};
  if (a.X == b.X) return {a.X, p.Y};
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double t = ((p.X - a.X) * dx + (p.Y - a.Y) * dy) / (dx * dx + dy * dy);
  return {static_cast<double>(Round(a.X + t * dx)), static_cast<double>(Round(a.Y + t * dy))};
}

// ---- the plain beam ----

TBeamWeapon::TBeamWeapon(TGameObject* owner, const std::string& ownerKey, const TWeaponDefinition& def,
                         IBattleAccess* battle)
    : TWeapon(owner, ownerKey, def, battle) {
  WantsRelease = true;
  HasFrameEffect = true;
  FrameEffect = [this] { BeamFrame(); };
}

void TBeamWeapon::Fire(uint8_t released) {
  if (Active) {
    if (released == 1) Active = false;
    return;
  }
  // Nothing is paid here: the beam pays for every frame it is on.
  if (released == 0 && ReloadCounter >= ReloadTime) {
    ReloadCounter = 0;
    Active = true;
  }
}

double TBeamWeapon::Reach() const { return static_cast<double>(Zoom()) * ProjectileSpeed; }

TBeamPoint TBeamWeapon::ShipCentre() const { return {Owner->X, Owner->Y}; }

TPoint TBeamWeapon::Screen(TBeamPoint p) const {
  const TPoint camera = Battle ? Battle->Camera() : TPoint{};
  return {Round(p.X) - camera.X, Round(p.Y) - camera.Y};
}

void TBeamWeapon::ApplyBeamDamage(TGameObject& t, double a, double b) {
  double v = PrimalDamage;
  // Full strength at the emitter, nothing at the end of the beam.
  if (Degrading) v = b > 0 ? PrimalDamage - a / (b / 100) * (PrimalDamage / 100.0) : 0;
  if (t.Resiliant) v -= Random(100) * v / 100;
  if (v < 0.1) v = 0.1;

  if (t.Kind == KIND_SHIP) {
    if (t.DeviceOn && t.ShieldKind == 1) {
      t.Energy -= v;
      if (t.Energy < 0) {
        t.Structure += t.Energy;
        t.Energy = 0;
      }
      return;
    }
    if (t.DeviceOn && t.ShieldKind == 2) {
      t.Energy = std::min(t.Energy + v, t.MaxEnergy);
      return;
    }
    if (Vampiric && Owner) {
      // The firer drinks what the beam takes, but no more hull than the target has left.
      const double gain = t.Structure > PrimalDamage ? v : std::max(t.Structure, 0.0);
      Owner->Structure = std::min(Owner->Structure + gain, Owner->MaxStructure);
      Owner->Crew = std::min(Owner->Crew, Owner->MaxCrew);
    }
    t.Structure -= v;
    ApplyCrewLoss(t, v);
    if (EnergyDrain) t.Energy -= SecondDamage;
    return;
  }
  if (t.Kind == KIND_WEAPON && !t.CreateShockwave) {
    t.Structure -= v;
    if (t.Structure <= 0) t.Age = t.LifeSpan;
  }
}

void TBeamWeapon::Touch(TGameObject& target, double distance, double length) {
  ApplyBeamDamage(target, distance, length);
}

void TBeamWeapon::BeamFrame() {
  if (!Owner || !Battle) return;
  if (!PayCost(true)) return;  // switches the beam off
  TGameObject& ship = *Owner;
  const double reach = Reach();
  const TBeamPoint centre = ShipCentre();
  TBeamPoint end;
  bool aimed = false;

  if (Turret) {
    TGameObject* target = Battle->NearestEnemy(ship, false, false);
    if (target && !InArc(ship.Heading, Battle->Bearing(ship, *target), WeaponArc, WeaponDir)) target = nullptr;
    if (target) {
      aimed = true;
      const double d = Battle->Distance(ship, *target);
      if (d > reach) {
        // Out of reach: the beam stretches toward it and touches nothing.
        const double dx = target->X - centre.X, dy = target->Y - centre.Y;
        const double len = std::hypot(dx, dy);
        end = len > 0 ? TBeamPoint{centre.X + dx / len * reach, centre.Y + dy / len * reach} : centre;
      } else {
        end = {target->X, target->Y};
        Touch(*target, d, reach);
      }
    }
  }
  if (!aimed) {
    const double h = Rad(ship.Heading * DEGREES_PER_UNIT);
    const TBeamPoint far{centre.X + reach * std::sin(h), centre.Y - reach * std::cos(h)};
    end = far;
    if (TGameObject* o = FirstObjectOnLine(*Battle, ship, centre, far)) {
      end = FootOfPerpendicular(centre, far, {static_cast<double>(Round(o->X)), static_cast<double>(Round(o->Y))});
      Touch(*o, Battle->Distance(ship, *o), reach);
    }
  }
  EffectCounter += 1;
  LastEnd = end;
  DrawBeam(centre, end);
  PlaySound(FireSound);
}

void TBeamWeapon::DrawBeam(TBeamPoint from, TBeamPoint to) {
  TSurface* surface = Battle ? Battle->EffectSurface() : nullptr;
  if (!surface) return;
  TCanvas canvas(*surface);
  const int zoom = Zoom();
  const bool close = zoom == 3;
  const TPoint a = Screen(from), b = Screen(to);
  switch (BeamType) {
    case 1:
      DrawGlowLine(canvas, a, b, zoom, BeamColor);
      break;
    case 2:
      DrawLightning(canvas, a, b, false, 30, close ? 6 : 1, zoom, BeamColor);
      break;
    case 3:
      DrawGlowLine(canvas, a, b, zoom, BeamColor);
      DrawLightning(canvas, a, b, false, 30, close ? 2 : 1, 1, BeamColor);
      break;
    case 4:
      DrawLightning(canvas, a, b, true, 30, close ? 6 : 1, 1, BeamColor);
      break;
    default:
      break;  // an invisible beam still works
  }
}

bool TTeslaTurret::WantsToFire(TGameObject* target, double distance, double bearing) {
  if (!target || target->Kind != KIND_SHIP) return false;
  return TBeamWeapon::WantsToFire(target, distance, bearing);
}

void TAssimilatorBeam::Touch(TGameObject& target, double, double) {
  if (Random(100) >= PrimalDamage) return;
  if (target.Kind != KIND_SHIP || !Owner || target.Side == Owner->Side) return;
  target.Crew -= 1;
  target.Boarders += 1;
}

// ---- two beams ----

void TDualBeam::Emitters(TBeamPoint& left, TBeamPoint& right, TBeamPoint& leftEnd, TBeamPoint& rightEnd) {
  const TGameObject& ship = *Owner;
  const double h = Rad(ship.Heading * DEGREES_PER_UNIT);
  const double r = Battle->DisplayWidth(ship) / 2;  // whole pixels
  left = {ship.X - std::cos(h) * r, ship.Y - std::sin(h) * r};
  right = {ship.X + std::cos(h) * r, ship.Y + std::sin(h) * r};
  const double reach = Reach();
  // Both beams converge on the point straight ahead at full reach.
  leftEnd = rightEnd = {ship.X + reach * std::sin(h), ship.Y - reach * std::cos(h)};
}

void TDoubleBeam::Emitters(TBeamPoint& left, TBeamPoint& right, TBeamPoint& leftEnd, TBeamPoint& rightEnd) {
  const TGameObject& ship = *Owner;
  const double h = Rad(ship.Heading * DEGREES_PER_UNIT);
  const double r = 2.0 * Zoom();
  left = {ship.X - std::cos(h) * r, ship.Y - std::sin(h) * r};
  right = {ship.X + std::cos(h) * r, ship.Y + std::sin(h) * r};
  const double reach = Reach();
  leftEnd = {left.X + reach * std::sin(h), left.Y - reach * std::cos(h)};
  rightEnd = {right.X + reach * std::sin(h), right.Y - reach * std::cos(h)};
}

void TDualBeam::BeamFrame() {
  if (!Owner || !Battle) return;
  if (!PayCost(true)) return;
  EffectCounter += 1;
  TGameObject& ship = *Owner;
  const TBeamPoint centre = ShipCentre();
  TBeamPoint from[2], to[2];
  Emitters(from[0], from[1], to[0], to[1]);
  TBeamPoint end[2];
  for (int i = 0; i < 2; ++i) {
    end[i] = to[i];
    if (TGameObject* o = FirstObjectOnLine(*Battle, ship, from[i], to[i])) {
      end[i] = FootOfPerpendicular(from[i], to[i], {static_cast<double>(Round(o->X)), static_cast<double>(Round(o->Y))});
      const double length = std::hypot(to[i].X - centre.X, to[i].Y - centre.Y);
      Touch(*o, Battle->Distance(ship, *o), length);
    }
  }
  LastEnd = end[0];
  LastEnd2 = end[1];
  if (TSurface* surface = Battle->EffectSurface()) {
    TCanvas canvas(*surface);
    DrawGlowLinePair(canvas, Screen(from[0]), Screen(end[0]), Screen(from[1]), Screen(end[1]), Zoom(), BeamColor);
  }
  PlaySound(FireSound);
}

}  // namespace sw
