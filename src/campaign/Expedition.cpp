// Planets: what the planet panel offers (hail, land, mine), and the two expeditions a party of
// spare crew makes to a planet: a landing that may bring back an artifact or a VIP hidden there,
// and a mining run that brings the planet's RUs up in ten portions. Both are timed sequences that
// run while their screen is shown, by the clock's speed.
#include <algorithm>

#include "campaign/GameMain.h"
#include "core/Numbers.h"

namespace sw {

namespace {

constexpr int MaxParty = 5;
// Landing: the casualties are counted, the finds shown, the party back (all lost / survivors).
constexpr int LandingCasualties = 80, LandingFinds = 120, LandingAllLost = 180, LandingBack = 220;
// Mining: the excavator is down and casualties counted; with no survivor the run ends.
constexpr int MiningDeployed = 40, MiningAllLost = 80;

const char* ResistanceWord(int relation) {
  if (relation >= 0 && relation <= 30) return "Hostile resistance";
  if (relation >= 31 && relation <= 70) return "Neutral population";
  if (relation >= 71 && relation <= 100) return "Friendly population";
  return "";
}

}  // namespace

TPlanet* TGameMain::CurrentPlanet() const {
  const TLocation* loc = Locations.At(SelectedLocation);
  return loc ? loc->PlanetList.At(SelectedPlanet) : nullptr;
}

namespace {

// The location within hailing range and the planet approachable: the common ground of all three.
bool PlanetInReach(const TGameMain& game) {
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  const TPlanet* planet = game.CurrentPlanet();
  return loc && planet && planet->Approachable != 0 && game.WithinRange(loc->X, loc->Y, game.ComRange);
}

int SpareCrew(const TGameMain& game) {
  const TFleet* player = game.PlayerFleet();
  return player ? player->Crew : 0;
}

}  // namespace

bool TGameMain::CanHailPlanet() const { return PlanetInReach(*this) && CurrentPlanet()->Population > 0; }

bool TGameMain::CanLandOnPlanet() const { return PlanetInReach(*this) && SpareCrew(*this) > 0 && CanLand; }

bool TGameMain::CanMinePlanet() const { return CanLandOnPlanet() && CanMine; }

void TGameMain::MeetResistance(const TPlanet& planet, const std::string& owner, int resistanceDraw, int casualtyDraw) {
  PartySize = std::clamp(SpareCrew(*this), 0, MaxParty);
  Casualties = 0;
  if (planet.Population < resistanceDraw) {
    ResistanceText = "No resistance";
  } else {
    const int relation = Relation(owner);
    ResistanceText = ResistanceWord(relation);
    if (relation < 30) Casualties = std::min(Round(casualtyDraw * 0.05), PartySize);
  }
  PendingCasualties = Casualties;
  ExpeditionTime = 1;
}

namespace {

// Starts either expedition on the selected planet: the party, what it meets, the planet kept.
TPlanet* BeginExpedition(TGameMain& game) {
  TPlanet* planet = game.CurrentPlanet();
  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  const int resistanceDraw = Random(300);
  const int casualtyDraw = Random(110);
  game.MeetResistance(*planet, loc->Owner, resistanceDraw, casualtyDraw);
  game.ExpeditionLocation = loc->LocName;
  game.ExpeditionPlanet = planet->Name;
  game.FoundArtifact.clear();
  game.FoundVip.clear();
  game.MinedPortion = game.MinedRest = game.StageInterval = 0;
  std::fill(std::begin(game.Portions), std::end(game.Portions), 0);
  game.PortionsMined = game.MinedSoFar = 0;
  return planet;
}

// The planet the running expedition went to; null when it is no longer there.
TPlanet* ExpeditionTarget(const TGameMain& game) {
  const TLocation* loc = game.FindLocation(game.ExpeditionLocation);
  return loc ? loc->PlanetList.Find(game.ExpeditionPlanet) : nullptr;
}

// The casualties fall due: taken from the spare crew once, never below none (an event may have
// emptied the crew while the party was down).
void TakeCasualties(TGameMain& game) {
  if (game.PendingCasualties <= 0) return;
  if (TFleet* player = game.PlayerFleet()) player->Crew = std::max(0, player->Crew - game.PendingCasualties);
  game.PendingCasualties = 0;
}

}  // namespace

void TGameMain::RecallExpedition() {
  // The casualties were drawn when the party went down: a party called back early (or a screen
  // opened over it) still counts them, so landing again cannot draw the resistance afresh.
  // Finds not yet brought up stay on the planet; the RUs already mined are kept.
  TakeCasualties(*this);
}

bool TGameMain::StartLanding() {
  if (!CanLandOnPlanet()) return false;
  const TPlanet* planet = BeginExpedition(*this);
  FoundArtifact = planet->Artifact;
  FoundVip = planet->Vip;
  ShowScreen(csLanding);
  return true;
}

bool TGameMain::StartMining() {
  if (!CanMinePlanet()) return false;
  const TPlanet* planet = BeginExpedition(*this);
  const int resources = std::max(0, planet->Resources);
  MinedPortion = resources / 10;
  MinedRest = resources % 10;
  std::fill(std::begin(Portions), std::end(Portions), MinedPortion);
  Portions[0] += MinedRest;
  StageInterval = 5 * MinedPortion;
  ShowScreen(csMining);
  return true;
}

void TGameMain::LandingTick() {
  ExpeditionTime += Speed;
  const int t = ExpeditionTime;
  if (t > LandingCasualties) TakeCasualties(*this);
  const bool survivors = Casualties < PartySize;
  if (t <= (survivors ? LandingBack : LandingAllLost)) return;
  // The party is back: the panel returns first, so an event that the finds set off (a gain
  // trigger showing its screen) is what the player sees next.
  ShowScreen(csPlanetPanel);
  if (!survivors) return;
  TPlanet* planet = ExpeditionTarget(*this);
  // Only what is still on the planet comes back (a story event may have moved it meanwhile).
  std::string artifact, vip;
  if (planet && !FoundArtifact.empty() && planet->Artifact == FoundArtifact) {
    planet->Artifact.clear();
    artifact = FoundArtifact;
  }
  if (planet && !FoundVip.empty() && planet->Vip == FoundVip) {
    planet->Vip.clear();
    vip = FoundVip;
  }
  if (!artifact.empty()) GainDevice(artifact);
  if (!vip.empty()) GainVip(vip);
}

void TGameMain::MiningTick() {
  ExpeditionTime += Speed;
  const int t = ExpeditionTime;
  if (t > MiningDeployed) TakeCasualties(*this);
  if (t > MiningAllLost && Casualties >= PartySize) {
    ShowScreen(csPlanetPanel);
    return;
  }
  TPlanet* planet = ExpeditionTarget(*this);
  TFleet* player = PlayerFleet();
  while (PortionsMined < 10 && t > (PortionsMined + 1) * StageInterval + MiningDeployed) {
    // Never more than the planet still holds, so the player gains exactly what it loses.
    const int amount = planet ? std::min(Portions[PortionsMined], std::max(0, planet->Resources)) : 0;
    if (planet) planet->Resources -= amount;
    if (player) player->RU += amount;
    // The portion as it came up is what the screen shows.
    Portions[PortionsMined++] = amount;
    MinedSoFar += amount;
  }
  if (t > 10 * StageInterval + 180) ShowScreen(csPlanetPanel);
}

}  // namespace sw
