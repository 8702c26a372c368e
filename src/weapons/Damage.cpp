#include "weapons/Damage.h"

#include <algorithm>
#include <cmath>

#include "battle/GameObject.h"
#include "core/Numbers.h"

namespace sw {

namespace {
// value as a whole percentage of max. A class without hull or crew (a section that does not
// exist gives zero maxima) counts as 0 percent instead of dividing by zero.
int Percent(double value, double max) {
  if (max <= 0 || !std::isfinite(value)) return 0;
  double p = value / (max / 100);
  p = std::clamp(p, -1e6, 1e6);  // far outside any real ship; keeps the rounding defined
  return Round(p);
}
}  // namespace

void ApplyCrewLoss(TGameObject& ship, double damage) {
  const double e = std::max(damage, 1.0);
  // Percent of hull missing, with the hull as it is after the hit.
  const int lost = 100 - Percent(ship.Structure, ship.MaxStructure);
  const int score = (Percent(ship.Crew, ship.MaxCrew) + Percent(e, ship.MaxStructure) + lost) / 2;
  if (lost <= 50) return;  // a ship that keeps half its hull keeps its crew
  if (ship.Crew != 1) {
    int k = Round(std::clamp(ship.Crew / 250 * std::min(score, 100), -1e9, 1e9));
    k = std::min(k, Round(std::min(e, 1e9)));
    ship.Crew -= k;
  } else {
    // The last crew member survives most hits.
    const int r = Random(lost);
    if (r > 70) ship.Crew = 0;
  }
}

}  // namespace sw
