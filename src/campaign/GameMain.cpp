#include "campaign/GameMain.h"

#include <algorithm>
#include <cmath>

#include "campaign/SafeNames.h"
#include "campaign/WorldFiles.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

TGameMain::TGameMain(const TCampaignEnv& env, const std::string& campaignFolder, const std::string& saveFolder,
                     const std::string& title)
    : Env(env), CampaignFolder(campaignFolder), SaveFolder(saveFolder), Title(title) {
  Create();
}

TGameMain::~TGameMain() = default;

void TGameMain::Create() {
  // 1. The folders and the title.
  if (CampaignFolder.empty()) CampaignFolder = "tutorial\\";
  if (Title.empty()) Title = "Starwake : Tutorial";
  if (!IsSafeDataName(CampaignFolder))
    throw EGameError("The campaign folder \"" + CampaignFolder + "\" is not a folder below data");
  if (!IsSafeDataName(SaveFolder))
    throw EGameError("The save folder \"" + SaveFolder + "\" is not a folder below saves");
  TWorldReader reader(*this);
  // A campaign without the player's fleet cannot be played: refuse it before anything is loaded,
  // so whoever asked keeps what it had.
  if (!reader.HasPlayerFleet())
    throw EGameError("The campaign \"" + Title + "\" cannot start: " + RootRelative(reader.MapFile()) +
                     " has no player's fleet (FLEET1)");

  // 2. The screens' pictures and buttons.
  LoadScreenMedia();
  // 3. The ship classes and weapons.
  reader.ReadClasses();
  // 4. The races and their small pictures, then the race of no one.
  reader.ReadRaces();
  for (int i = 0; i < Races.Count(); ++i) LoadRacePicture(Races.NameAt(i), *Races.At(i));
  reader.AddNoneRace();
  // 5. Ranges, abilities, the star date, the story states and the locations.
  reader.ReadMisc();
  reader.ReadLocations();
  // 6. The fleets.
  reader.ReadFleets();
  if (Fleets.Count() == 0)
    throw EGameError("The campaign \"" + Title + "\" cannot start: it has no player's fleet (FLEET1)");
  // 7. The database, relations, designs and the mission log.
  reader.ReadLists();
  // 8. The triggers, the trade posts, the characters and the database texts.
  ReadTriggers();
  ReadTradePosts();
  reader.ReadCharacters();
  reader.ReadDescriptions();
  // 9. Ready on the map, the player's fleet selected and in view.
  SetSpeed(1);
  ShowScreen(csMap);
  SelectedFleet = 0;
  SelectedLocation = WhereIsFleet(PlayerFleet()->Name);
  CenterOn(SelectedLocation);
  PreviousFuel = PlayerFleet()->Fuel;
  // 10. The campaign's music.
  LoadMusic();
}

// ---- Files --------------------------------------------------------------------------------

std::string TGameMain::CampaignDataFolder() const {
  // Files below it are found through ResolvePath, which matches each part's letter case.
  std::string folder = NormalizeSlashes(Env.DataFolder + CampaignFolder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

std::string TGameMain::WorldFile(const std::string& name) const {
  if (SaveFolder.empty()) return ResolvePath(CampaignDataFolder() + name);
  return ResolvePath(NormalizeSlashes(Env.SavesFolder + SaveFolder + "/" + name));
}

std::string TGameMain::RootRelative(const std::string& path) const {
  // The root is the folder above the data folder.
  std::string root = Env.DataFolder;
  while (!root.empty() && root.back() == '/') root.pop_back();
  const size_t slash = root.rfind('/');
  root = slash == std::string::npos ? std::string() : root.substr(0, slash + 1);
  if (!root.empty() && path.rfind(root, 0) == 0) return path.substr(root.size());
  return path;
}

void TGameMain::DataError(const std::string& file, const std::string& section, const std::string& key,
                          const std::string& message) {
  const std::string line = RootRelative(file) + ":" + section + ":" + key + ": " + message;
  Problems.push_back(line);
  if (Env.Report) Env.Report(line);
}

void TGameMain::ReportOnce(const std::string& message) {
  if (!ReportedOnce.insert(message).second) return;
  Problems.push_back(message);
  if (Env.Report) Env.Report(message);
}

void TGameMain::PlaySound(const std::string& name) {
  if (!Env.Waves) return;
  if (Env.Waves->IndexOf(name) < 0) {
    ReportOnce(Format("Wave '%s' not found", name));
    return;
  }
  try {
    Env.Waves->Find(name).Play(false);
  } catch (const std::exception& e) {
    ReportOnce(e.what());
  }
}

// ---- Look-ups -----------------------------------------------------------------------------

int TGameMain::LastShipOfClass(const TFleet& fleet, const std::string& shipClass) {
  for (int i = fleet.Ships.Count() - 1; i >= 0; --i)
    if (fleet.Ships.At(i)->ShipClass == shipClass) return i;
  return -1;
}

int TGameMain::WhereIsFleet(const std::string& fleetName) const {
  for (int i = 0; i < Locations.Count(); ++i)
    for (const auto& name : Locations.At(i)->FleetNames)
      if (SameText(name, fleetName)) return i;
  return -1;
}

int TGameMain::FleetLocationOf(const std::string& fleetName) const {
  // The first location of the name is found through the index; only a location of another
  // kind that shares the fleet's name sends the search on past it.
  const int first = Locations.IndexOf(fleetName);
  if (first < 0) return -1;
  if (Locations.At(first)->LocType == ltFleetLocation) return first;
  for (int i = first + 1; i < Locations.Count(); ++i) {
    const TLocation& loc = *Locations.At(i);
    if (loc.LocType == ltFleetLocation && SameText(loc.LocName, fleetName)) return i;
  }
  return -1;
}

int TGameMain::PlayerLocation() const {
  const TFleet* player = PlayerFleet();
  if (!player) return -1;
  if (!player->System.empty()) return Locations.IndexOf(player->System);
  return FleetLocationOf(player->Name);
}

int TGameMain::FleetSpeed(const TFleet& fleet) const {
  int slowest = -1;
  for (int i = 0; i < fleet.Ships.Count(); ++i) {
    const TShipInfo* info = FindShipInfo(fleet.Ships.At(i)->ShipClass);
    if (!info) continue;
    const int speed = std::max(1, Round(info->MaxSpeed));
    if (slowest < 0 || speed < slowest) slowest = speed;
  }
  return (slowest < 0 ? 999 : slowest) + fleet.WarpMod;
}

int TGameMain::Relation(const std::string& race) const {
  const std::string* value = Relations.Find(race);
  if (!value) return 50;
  const auto v = ParseInteger(Trim(*value));
  return v ? static_cast<int>(*v) : 50;
}

bool TGameMain::WithinRange(int x, int y, int range) const {
  const TFleet* player = PlayerFleet();
  if (!player) return false;
  // Subtracted as reals: no position pair overflows. A point outside the square around the
  // fleet is farther than the range whatever the distance says, and the square costs less.
  const double dx = static_cast<double>(x) - player->X, dy = static_cast<double>(y) - player->Y;
  if (std::abs(dx) >= range || std::abs(dy) >= range) return false;
  return std::hypot(dx, dy) < range;
}

TColor TGameMain::RaceColor(const std::string& race) const {
  if (const TRaceInfo* r = FindRace(race)) return r->Color;
  if (const TRaceInfo* none = FindRace("NONE")) return none->Color;
  return RGB(128, 128, 128);
}

// ---- The map ------------------------------------------------------------------------------

void TGameMain::ClampMapOffset() {
  MapOffsetX = std::clamp(MapOffsetX, -954, 0);
  MapOffsetY = std::clamp(MapOffsetY, -600, 0);
}

void TGameMain::ScrollMap(TScrollDir dir) {
  switch (dir) {
    case sdLeft: MapOffsetX += 10; break;
    case sdRight: MapOffsetX -= 10; break;
    case sdUp: MapOffsetY += 10; break;
    case sdDown: MapOffsetY -= 10; break;
  }
  ClampMapOffset();
}

void TGameMain::CenterOn(int locationIndex) {
  const TLocation* loc = Locations.At(locationIndex);
  if (!loc) return;
  MapOffsetX = 400 - loc->X;
  MapOffsetY = 300 - loc->Y;
  ClampMapOffset();
}

int TGameMain::LocationUnderPointer(int screenX, int screenY) const {
  for (int i = 0; i < Locations.Count(); ++i) {
    const TLocation& loc = *Locations.At(i);
    if (!(loc.LocType == ltStarSystem || loc.Known || loc.LocType == ltFleetLocation)) continue;
    // A fleet in open space is found only where the map shows it: within sensor range, or the
    // player's own.
    if (loc.LocType == ltFleetLocation && !WithinRange(loc.X, loc.Y, SensorRange) &&
        !(PlayerFleet() && SameText(loc.LocName, PlayerFleet()->Name)))
      continue;
    const int x = loc.X + MapOffsetX, y = loc.Y + MapOffsetY;
    if (screenX > x - loc.IconWidth && screenX < x + loc.IconWidth && screenY > y - loc.IconHeight &&
        screenY < y + loc.IconHeight)
      return i;
  }
  return -1;
}

// ---- Fleets in open space -------------------------------------------------------------------

TLocation* TGameMain::MakeFleetLocation(TFleet& fleet) {
  auto loc = std::make_unique<TLocation>();
  loc->X = fleet.X;
  loc->Y = fleet.Y;
  loc->LocName = fleet.Name;
  loc->LocType = ltFleetLocation;
  loc->LocSize = 0;
  loc->LocColor = 0x1FFFFFFF;
  loc->Known = false;
  loc->IconWidth = loc->IconHeight = 5;
  loc->Owner = fleet.Race;
  loc->FleetNames.push_back(fleet.Name);
  return Locations.Add(fleet.Name, std::move(loc));
}

void TGameMain::RemoveLocation(int index) {
  if (index < 0 || index >= Locations.Count()) return;
  const bool wasSelected = SelectedLocation == index;
  Locations.Delete(index);
  if (wasSelected) SelectedLocation = PlayerLocation();
  else if (SelectedLocation > index) --SelectedLocation;
}

void TGameMain::RemoveFleet(int fleetIndex) {
  if (fleetIndex <= 0 || fleetIndex >= Fleets.Count()) return;
  const std::string name = Fleets.At(fleetIndex)->Name;
  // Its fleet location goes (keeping the selected location on the same object).
  const int own = FleetLocationOf(name);
  if (own >= 0) RemoveLocation(own);
  for (int i = 0; i < Locations.Count(); ++i) {
    auto& names = Locations.At(i)->FleetNames;
    for (size_t k = 0; k < names.size();)
      if (SameText(names[k], name)) names.erase(names.begin() + static_cast<long>(k));
      else ++k;
  }
  Fleets.Delete(fleetIndex);
  for (int i = 0; i < Fleets.Count(); ++i) {
    TFleet& f = *Fleets.At(i);
    if (SameText(f.DSystem, name)) f.ClearDestination();
  }
  if (SelectedFleet == fleetIndex) SelectedFleet = 0;
  else if (SelectedFleet > fleetIndex) --SelectedFleet;
}

}  // namespace sw
