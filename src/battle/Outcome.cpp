#include "battle/Outcome.h"

#include <algorithm>
#include <cmath>

#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {
int WholeAtLeastZero(double v) {
  if (!(v > 0)) return 0;  // also NaN
  return Round(std::min(v, 2e9));
}
}  // namespace

TBattleOutcome CollectOutcome(const TObjectList& objects, int winningSide, int salvage) {
  TBattleOutcome out;
  out.WinningSide = winningSide;
  out.Salvage = salvage;
  for (int i = 0; i < objects.Count(); ++i) {
    const TGameObject* o = objects.At(i);
    if (o->Kind != KIND_SHIP) continue;
    out.Ships.push_back({objects.NameAt(i), o->Side, WholeAtLeastZero(o->Structure), WholeAtLeastZero(o->Crew),
                         o->ShipClass});
  }
  return out;
}

void WriteOutcomeFile(const std::string& path, const TBattleOutcome& outcome) {
  // The old result goes first, so a reader never mistakes it for this battle's.
  DeleteFile(path);
  TAdfBatch batch(path, true);
  batch.WriteInteger("OUTCOME", "WINNING_SIDE", outcome.WinningSide);
  batch.WriteInteger("OUTCOME", "SALVAGE", outcome.Salvage);
  for (const auto& s : outcome.Ships) {
    batch.WriteInteger(s.Designation, "SIDE", s.Side);
    batch.WriteInteger(s.Designation, "DAMAGE", s.Damage);
    batch.WriteInteger(s.Designation, "CREW", s.Crew);
    batch.WriteString(s.Designation, "CLASS", s.Class);
  }
  batch.Commit();
}

TBattleOutcome ReadOutcomeFile(const std::string& path) {
  TBattleOutcome out;
  out.WinningSide = AdfReadInteger(path, "OUTCOME", "WINNING_SIDE", 0);
  out.Salvage = AdfReadInteger(path, "OUTCOME", "SALVAGE", 0);
  for (const auto& section : AdfReadSections(path)) {
    if (SameText(section, "OUTCOME")) continue;
    out.Ships.push_back({section, AdfReadInteger(path, section, "SIDE", 0), AdfReadInteger(path, section, "DAMAGE", 0),
                         AdfReadInteger(path, section, "CREW", 0), AdfReadString(path, section, "CLASS", "")});
  }
  return out;
}

}  // namespace sw
