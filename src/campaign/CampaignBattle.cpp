// Campaign battles: the attack, the six battle slots of the combat set-up, the forces ratio and
// the enemy's choice, the battle file written at launch, and the outcome taken back into the
// world afterwards, ending with the removal of a beaten fleet.
#include <algorithm>
#include <string>
#include <vector>

#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "campaign/GameMain.h"

namespace sw {

namespace {

// The designations the campaign gives its ships in the battle file; only these come back from
// the outcome (craft launched in the battle carry other names and never join a fleet).
bool CampaignDesignation(const std::string& name) {
  for (const char* d : {"player1ship", "player2ship", "ship3", "ship4", "ship5", "ship6"})
    if (SameText(name, d)) return true;
  return false;
}

bool CanFight(const TShip& ship) { return ship.Count >= 1 && ship.Crew != 0; }

bool CanFieldShip(const TFleet& fleet) {
  for (int i = 0; i < fleet.Ships.Count(); ++i)
    if (CanFight(*fleet.Ships.At(i))) return true;
  return false;
}

void Report(TGameMain& g, const std::string& message) {
  g.Problems.push_back(message);
  if (g.Env.Report) g.Env.Report(message);
}

int* PlayerSlot(TGameMain& g, int slot) {
  switch (slot) {
    case 1: return &g.PlayerFlagship;
    case 2: return &g.PlayerSupport1;
    case 3: return &g.PlayerSupport2;
  }
  return nullptr;
}

// Puts the ship of a slot back into its entry and empties the slot.
void ReturnShip(TFleet* fleet, int& slot) {
  if (fleet && slot >= 0)
    if (TShip* ship = fleet->Ships.At(slot)) ++ship->Count;
  slot = -1;
}

// Takes one ship of the entry into the slot, giving back whatever the slot held; false (and
// nothing changes) when the entry has no ship left or no crew.
bool TakeShip(TFleet& fleet, int& slot, int entry) {
  TShip* ship = fleet.Ships.At(entry);
  if (!ship || !CanFight(*ship)) return false;
  ReturnShip(&fleet, slot);
  --ship->Count;
  slot = entry;
  return true;
}

TFleet* EnemyFleet(const TGameMain& g) { return g.SelectedFleet > 0 ? g.Fleets.At(g.SelectedFleet) : nullptr; }

// Every slotted ship goes back to its entry; the starbases brought in by the attack stay.
void ReturnSlottedShips(TGameMain& g) {
  TFleet* player = g.PlayerFleet();
  TFleet* enemy = EnemyFleet(g);
  for (int* slot : {&g.PlayerFlagship, &g.PlayerSupport1, &g.PlayerSupport2}) ReturnShip(player, *slot);
  for (int* slot : {&g.EnemyFlagship, &g.EnemySupport1, &g.EnemySupport2}) ReturnShip(enemy, *slot);
}

// The location's starbase joins the fleet as an entry of one ship at the class's full hull and
// crew; false when the class is unknown.
bool AddStarbase(TGameMain& g, TFleet& fleet, const std::string& shipClass) {
  const TShipInfo* info = g.FindShipInfo(shipClass);
  if (!info) {
    Report(g, "The starbase class \"" + shipClass + "\" is not one of the campaign's ship classes; it stays out of the fight");
    return false;
  }
  auto entry = std::make_unique<TShip>();
  entry->ShipClass = shipClass;
  entry->Count = 1;
  entry->Structure = info->Structure;
  entry->Crew = info->Crew;
  fleet.Ships.Add(fleet.FreeEntryName(), std::move(entry));
  return true;
}

// A starbase that joined the fight leaves the fleet again (the last entry of its class).
void WithdrawStarbase(TFleet* fleet, const std::string& shipClass) {
  if (!fleet || shipClass.empty()) return;
  const int at = TGameMain::LastShipOfClass(*fleet, shipClass);
  if (at >= 0) fleet->Ships.Delete(at);
}

// A starbase destroyed in the fight: a star system keeps no base, a starbase location becomes
// a debris field that belongs to no one.
void StarbaseDestroyed(TLocation* loc) {
  if (!loc) return;
  if (loc->LocType == ltStarSystem) {
    loc->Starbase.clear();
  } else if (loc->LocType == ltStarbase) {
    loc->LocType = ltDebris;
    loc->Owner = "NONE";
    loc->Starbase.clear();
  }
}

// Resources gained from a battle; the numbers of a damaged outcome file never wrap them round.
void AddResources(TFleet& fleet, long long amount) {
  fleet.RU = static_cast<int>(std::clamp(fleet.RU + amount, -2147483647LL, 2147483647LL));
}

// A starbase taken by the other side's boarders: in a star system it is broken up (the player
// gains its hull in resources), at a starbase location the base stays where it is and belongs
// to the captor's race from now on. It never travels with the captor's fleet.
void StarbaseCaptured(TLocation* loc, TFleet& captor, int entry, bool byPlayer) {
  if (loc && loc->LocType == ltStarSystem) {
    loc->Starbase.clear();
    if (byPlayer) AddResources(captor, captor.Ships.At(entry)->Structure);
  } else if (loc && loc->LocType == ltStarbase) {
    loc->Owner = captor.Race;
  }
  captor.Ships.Delete(entry);
}

// After a battle the enemy fleet survived, the starbase brought into the fight is settled as
// after a won one, and a base still standing for its owner goes back to its location instead
// of staying in the owner's fleet.
void SettleStarbases(TGameMain& g, TFleet* player, TFleet* enemy) {
  TLocation* loc = g.Locations.At(g.SelectedLocation);
  struct TSide {
    const std::string& Class;
    TFleet* Owner;
    TFleet* Other;
  };
  for (const TSide side : {TSide{g.EnemyStarbaseClass, enemy, player}, TSide{g.PlayerStarbaseClass, player, enemy}}) {
    if (side.Class.empty()) continue;
    const int captured = side.Other ? TGameMain::LastShipOfClass(*side.Other, side.Class) : -1;
    const int held = side.Owner ? TGameMain::LastShipOfClass(*side.Owner, side.Class) : -1;
    if (captured >= 0) StarbaseCaptured(loc, *side.Other, captured, side.Other == player);
    else if (held >= 0) side.Owner->Ships.Delete(held);
    else StarbaseDestroyed(loc);
  }
  g.PlayerStarbaseClass.clear();
  g.EnemyStarbaseClass.clear();
}

void RemoveEmptyEntries(TFleet* fleet) {
  if (!fleet) return;
  for (int i = fleet->Ships.Count() - 1; i >= 0; --i)
    if (fleet->Ships.At(i)->Count <= 0) fleet->Ships.Delete(i);
}

void AddSurvivor(TFleet& fleet, const std::string& shipClass, int structure, int crew) {
  auto entry = std::make_unique<TShip>();
  entry->ShipClass = shipClass;
  entry->Count = 1;
  entry->Structure = structure;
  entry->Crew = crew;
  fleet.Ships.Add(fleet.FreeEntryName(), std::move(entry));
}

// The number of asteroids minus one for the location's density 0 (none) to 4 (extreme).
int AsteroidsFor(int density) {
  switch (std::clamp(density, 0, 4)) {
    case 1: return Random(4);
    case 2: return 4 + Random(6);
    case 3: return 10 + Random(10);
    case 4: return 20 + Random(20);
  }
  return -1;
}

struct TBattleShip {
  const TShip* Entry;
  std::string Designation;
  int Side;
  bool Computer;
};

}  // namespace

// ---- Attack and the slots ---------------------------------------------------------------------

bool TGameMain::Attack(bool playerStarted) {
  TFleet* player = PlayerFleet();
  TFleet* enemy = EnemyFleet(*this);
  if (!player || !enemy) return false;
  TLocation* loc = Locations.At(SelectedLocation);
  // A starbase of the location fights for the race that owns it.
  const bool playerBase = loc && !loc->Starbase.empty() && SameText(loc->Owner, player->Race);
  const bool enemyBase = loc && !loc->Starbase.empty() && !playerBase && SameText(loc->Owner, enemy->Race);
  const TShipInfo* baseInfo = loc ? FindShipInfo(loc->Starbase) : nullptr;
  const bool baseFights = baseInfo && baseInfo->Crew != 0;
  // Either side must be able to put a flagship into the fight, or there is no battle.
  if (!(CanFieldShip(*player) || (playerBase && baseFights))) return false;
  if (!(CanFieldShip(*enemy) || (enemyBase && baseFights))) return false;

  PlayerStarbaseClass.clear();
  EnemyStarbaseClass.clear();
  AttackCancellable = playerStarted;
  if (SubScreen() != csCombat) ScreenBeforeAttack = SubScreen();
  ShowScreen(csCombat);
  SetSpeed(0);
  SelectedShip = 0;
  PlayerFlagship = PlayerSupport1 = PlayerSupport2 = -1;
  EnemyFlagship = EnemySupport1 = EnemySupport2 = -1;
  if (playerBase && AddStarbase(*this, *player, loc->Starbase)) PlayerStarbaseClass = loc->Starbase;
  if (enemyBase && AddStarbase(*this, *enemy, loc->Starbase)) EnemyStarbaseClass = loc->Starbase;
  return true;
}

bool TGameMain::CancelAttack() {
  if (SubScreen() != csCombat || !AttackCancellable) return false;
  AttackCancellable = false;
  GiveBackSlots();
  ShowScreen(ScreenBeforeAttack);
  SetSpeed(0);
  return true;
}

void TGameMain::FillSlot(int slot) {
  TFleet* player = PlayerFleet();
  int* target = PlayerSlot(*this, slot);
  if (!player || !target) return;
  // The forces ratio decides which slots the player may change.
  const int ratio = ForcesRatio();
  const int allowed = ratio < -2 ? 1 : (ratio == -2 || ratio == 2) ? 2 : 3;
  if (slot > allowed) return;
  TakeShip(*player, *target, SelectedShip);
}

void TGameMain::ClearSlot(int slot) {
  int* target = PlayerSlot(*this, slot);
  if (!target) return;
  const int ratio = ForcesRatio();
  const int allowed = ratio < -2 ? 1 : (ratio == -2 || ratio == 2) ? 2 : 3;
  if (slot > allowed) return;
  ReturnShip(PlayerFleet(), *target);
}

void TGameMain::GiveBackSlots() {
  ReturnSlottedShips(*this);
  // The starbases go back to their location: they fight only in a battle launched from here.
  WithdrawStarbase(PlayerFleet(), PlayerStarbaseClass);
  WithdrawStarbase(EnemyFleet(*this), EnemyStarbaseClass);
  PlayerStarbaseClass.clear();
  EnemyStarbaseClass.clear();
}

int TGameMain::ForcesRatio() const {
  const TFleet* player = PlayerFleet();
  const TFleet* enemy = EnemyFleet(*this);
  int a = player ? player->TotalShips() : 0, e = enemy ? enemy->TotalShips() : 0;
  for (int s : {PlayerFlagship, PlayerSupport1, PlayerSupport2}) a += s >= 0;
  for (int s : {EnemyFlagship, EnemySupport1, EnemySupport2}) e += s >= 0;
  // A side without ships gives the other the most favourable ratio the rules know: all three
  // of its slots open and one ship against it (3 to 1), or more when it really has more.
  if (e == 0) return a == 0 ? 1 : std::max(3, a);
  if (a == 0) return -std::max(3, e);
  if (e < a) return a / e;
  return -(e / a);
}

void TGameMain::SelectEnemies() {
  TFleet* enemy = EnemyFleet(*this);
  if (!enemy) return;
  const int ratio = ForcesRatio();
  int wanted;
  if (ratio <= -3) wanted = 3;
  else if (ratio == -2) wanted = 2;
  else if (ratio >= 2) wanted = 1;
  else {
    wanted = (PlayerFlagship >= 0) + (PlayerSupport1 >= 0) + (PlayerSupport2 >= 0);
    wanted = std::max(1, wanted);
  }
  const int filled = (EnemyFlagship >= 0) + (EnemySupport1 >= 0) + (EnemySupport2 >= 0);
  // Only entries that can fill a slot count as ships to pick: an entry without crew never
  // fights, and a fleet of such entries leaves the slots empty instead of searching forever.
  if (!((filled < wanted && CanFieldShip(*enemy)) || filled > wanted)) return;
  for (int* slot : {&EnemyFlagship, &EnemySupport1, &EnemySupport2}) ReturnShip(enemy, *slot);
  int* slots[] = {&EnemyFlagship, &EnemySupport1, &EnemySupport2};
  for (int n = 0; n < wanted && n < 3; ++n) {
    std::vector<int> candidates;
    for (int i = 0; i < enemy->Ships.Count(); ++i)
      if (CanFight(*enemy->Ships.At(i))) candidates.push_back(i);
    if (candidates.empty()) break;
    TakeShip(*enemy, *slots[n], candidates[Random(static_cast<int>(candidates.size()))]);
  }
}

// ---- Launch -------------------------------------------------------------------------------------

bool TGameMain::Launch() {
  const std::string battleFile = Env.ProgramFolder + "battle.adf";
  DeleteFile(battleFile);
  TFleet* player = PlayerFleet();
  TFleet* enemy = EnemyFleet(*this);
  if (!player || !enemy || !player->Ships.At(PlayerFlagship) || !enemy->Ships.At(EnemyFlagship)) return false;
  // The outcome of an earlier battle must never be taken for this one's.
  DeleteFile(Env.ProgramFolder + "outcome.adf");
  Randomize();

  // Flagships first; then the supports, first supports before second ones, the player's before
  // the enemy's.
  std::vector<TBattleShip> ships;
  ships.push_back({player->Ships.At(PlayerFlagship), "player1ship", 1, false});
  ships.push_back({enemy->Ships.At(EnemyFlagship), "player2ship", 2, true});
  const std::pair<TFleet*, int> supports[] = {
      {player, PlayerSupport1}, {enemy, EnemySupport1}, {player, PlayerSupport2}, {enemy, EnemySupport2}};
  for (const auto& [fleet, slot] : supports) {
    const TShip* entry = fleet->Ships.At(slot);
    if (!entry) continue;
    const int number = static_cast<int>(ships.size()) + 1;
    ships.push_back({entry, "ship" + std::to_string(number), fleet == player ? 1 : 2, true});
  }

  TAdfBatch file(battleFile, true);
  file.WriteInteger("MISC", "TOTAL_SHIPS", static_cast<int>(ships.size()));
  const TLocation* loc = Locations.At(SelectedLocation);
  file.WriteInteger("MISC", "ASTEROIDS", AsteroidsFor(loc ? loc->Asteroids : 0));

  // A planet of the battle planets when the location has worlds and no starbase is in the fight
  // (a starbase battle is fought in the base's own space).
  bool starbaseFights = false;
  for (const auto& s : ships)
    if (const TShipInfo* info = FindShipInfo(s.Entry->ShipClass)) starbaseFights = starbaseFights || info->Starbase;
  if (loc && loc->PlanetList.Count() > 0 && !starbaseFights) {
    const std::string planets = ResolvePath(Env.DataFolder + "planets.adf");
    std::vector<std::string> worlds;
    for (const auto& section : AdfReadSections(planets))
      if (!SameText(section, "NOPLANET")) worlds.push_back(section);
    if (!worlds.empty()) {
      const std::string& world = worlds[Random(static_cast<int>(worlds.size()))];
      file.WriteString("MISC", "PLANET_NAME", AdfReadString(planets, world, "PLANET_BMP", ""));
      file.WriteInteger("MISC", "PLANET_X", 200 + Random(400));
      file.WriteInteger("MISC", "PLANET_Y", 150 + Random(300));
      file.WriteInteger("MISC", "PLANET_GRAV_FORCE", AdfReadInteger(planets, world, "GRAVITY", 0));
    }
  }

  for (size_t i = 0; i < ships.size(); ++i) {
    const TBattleShip& s = ships[i];
    const std::string section = "SHIP" + std::to_string(i + 1);
    file.WriteString(section, "CLASS", s.Entry->ShipClass);
    file.WriteString(section, "DESIG", s.Designation);
    file.WriteInteger(section, "XPOS", s.Side == 1 ? 50 : 750);
    // Every ship starts inside the 600-pixel-high arena, between y 100 and 499.
    file.WriteInteger(section, "YPOS", 100 + Random(400));
    file.WriteInteger(section, "ANGLE", s.Side == 1 ? 90 : 270);
    file.WriteInteger(section, "SIDE", s.Side);
    file.WriteBool(section, "AI", s.Computer);
    // The enemy race's pilots fly as well as the campaign's race file says; the player's own
    // computer-flown ships always fly at their best.
    const TRaceInfo* enemyRace = s.Side == 2 ? FindRace(enemy->Race) : nullptr;
    file.WriteInteger(section, "AISKILL", enemyRace ? enemyRace->AISkill : 2);
    file.WriteInteger(section, "DAMAGE", s.Entry->Structure);
    file.WriteInteger(section, "CREW", s.Entry->Crew);
    file.WriteString(section, "RACE", s.Side == 1 ? player->Race : enemy->Race);
    // A class of an add-on is read from the add-on's own files.
    if (const TShipInfo* info = FindShipInfo(s.Entry->ShipClass); info && !info->Prefix.empty())
      file.WriteString(section, "PREFIX", info->Prefix);
  }
  file.Commit();
  return true;
}

// ---- After the battle ---------------------------------------------------------------------------

void TGameMain::ProcessOutcome() {
  const std::string path = ResolvePath(Env.ProgramFolder + "outcome.adf");
  if (!FileExists(path) || !AdfSectionExists(path, "OUTCOME")) {
    Report(*this, "The battle left no outcome in " + RootRelative(path) +
                      ": the ships that fought are back in their fleets and nothing else changed");
    GiveBackSlots();
    return;
  }
  TFleet* player = PlayerFleet();
  TFleet* enemy = EnemyFleet(*this);
  // The ships taken into the battle are not given back: the survivors return as new entries.
  SelectedShip = 0;
  PlayerFlagship = PlayerSupport1 = PlayerSupport2 = -1;
  EnemyFlagship = EnemySupport1 = EnemySupport2 = -1;

  const int salvage = AdfReadInteger(path, "OUTCOME", "SALVAGE", 0);
  const int winner = AdfReadInteger(path, "OUTCOME", "WINNING_SIDE", 0);
  std::vector<std::string> lost;  // classes of the player's ships lost, in file order
  TFleet* keeper = winner == 1 ? player : winner == 2 ? enemy : nullptr;
  if (winner == 1 && player) AddResources(*player, std::max(0, salvage));
  if (keeper) {
    for (const auto& section : AdfReadSections(path)) {
      if (!CampaignDesignation(section)) continue;
      const int side = AdfReadInteger(path, section, "SIDE", 0);
      const int damage = AdfReadInteger(path, section, "DAMAGE", 0);
      const std::string shipClass = AdfReadString(path, section, "CLASS", "NOSHIP");
      // The winner keeps every ship still holding together, whichever side it flew for.
      if (damage >= 1) AddSurvivor(*keeper, shipClass, damage, std::max(0, AdfReadInteger(path, section, "CREW", 0)));
      // The player loses the ships destroyed on side 1, and after a lost battle also every
      // surviving one (captured).
      if (side == 1 && (damage < 1 || winner == 2)) lost.push_back(shipClass);
    }
  }
  RemoveEmptyEntries(player);
  RemoveEmptyEntries(enemy);

  // The world settles first; the story follows, so a screen an event opens stays open.
  if (enemy && enemy->TotalShips() == 0) {
    RemoveEnemyFleet();
  } else {
    SettleStarbases(*this, player, enemy);
    if (enemy && enemy->TotalShips() == 0) {
      // Only the fleet's starbase was left of it: the base stays, the fleet is beaten.
      RemoveEnemyFleet();
    } else {
      // The enemy held out: the map shows with the clock stopped, and the fight can be taken
      // up again from the fleet panel.
      ShowScreen(csMap);
      SetSpeed(0);
    }
  }
  for (const auto& shipClass : lost) ShipLost(shipClass);
  if (PlayerFleet() && PlayerFleet()->TotalShips() == 0) RunEvent("DEATH");
}

void TGameMain::RemoveEnemyFleet() {
  TFleet* enemy = EnemyFleet(*this);
  if (!enemy) return;
  // Straight from the combat set-up the slotted ships first go back to their entries.
  ReturnSlottedShips(*this);
  TFleet* player = PlayerFleet();
  TLocation* loc = Locations.At(SelectedLocation);

  if (!EnemyStarbaseClass.empty()) {
    const int captured = player ? LastShipOfClass(*player, EnemyStarbaseClass) : -1;
    if (captured < 0) StarbaseDestroyed(loc);
    else StarbaseCaptured(loc, *player, captured, true);
  }
  if (!PlayerStarbaseClass.empty()) {
    const int kept = player ? LastShipOfClass(*player, PlayerStarbaseClass) : -1;
    if (kept < 0) StarbaseDestroyed(loc);
    else player->Ships.Delete(kept);  // the base stays at its location
  }
  PlayerStarbaseClass.clear();
  EnemyStarbaseClass.clear();

  const std::string name = enemy->Name;
  const bool openSpace = loc && loc->LocType == ltFleetLocation;
  // Removing the fleet takes its name off every location and its fleet location off the map.
  RemoveFleet(SelectedFleet);
  if (openSpace) SelectedLocation = PlayerLocation();
  SelectedFleet = 0;
  ShowScreen(csMap);
  SetSpeed(1);
  FleetDestroyed(name);
}

}  // namespace sw
