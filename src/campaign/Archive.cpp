// The database of unlocked articles, the mission log's pages and find a star.
#include <algorithm>
#include <cstdio>

#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

// Key colours of the article pictures: black for races and vessels, aqua for portraits and misc
// pictures (0x00BBGGRR).
constexpr TColor KeyBlack = 0x000000;
constexpr TColor KeyAqua = 0xFFFF00;
// No article is longer than the panel can hold; a count beyond it is not read line by line.
constexpr int MaxArticleLines = 64;
// Keys of the find-a-star text entry.
constexpr int KeyBackspace = 8, KeyEnter = 13, KeySpace = 32;

bool StartsWithText(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && SameText(std::string_view(text).substr(0, prefix.size()), prefix);
}

// A real number with up to 15 significant digits and no trailing zeros.
std::string RealText(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

std::string WithSlash(std::string folder) {
  folder = NormalizeSlashes(folder);
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The names a category lists: the entries that start with its prefix, without the prefix, each
// once. "MISC@ART@x" is the misc article "ART@x", never an artifact.
std::vector<std::string> NamesWithPrefix(const std::vector<std::string>& entries, const std::string& prefix) {
  std::vector<std::string> names;
  for (const std::string& entry : entries) {
    if (entry.size() <= prefix.size() || !StartsWithText(entry, prefix)) continue;
    std::string name = entry.substr(prefix.size());
    const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& n) { return SameText(n, name); });
    if (!listed) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace

std::string TGameMain::DbPrefix(int category) {
  static const char* const prefixes[] = {"RACE@", "SHIP@", "WEAPON@", "ART@", "CHAR@", "MISC@"};
  return category >= 0 && category < 6 ? prefixes[category] : "";
}

std::string TGameMain::DbTitle(const std::string& name) const {
  std::string title;
  switch (DbCategory) {
    case 0:
      if (const TRaceInfo* race = FindRace(name)) title = race->DisplayName;
      break;
    case 1:
      if (const TShipInfo* ship = FindShipInfo(name)) title = ship->DispName;
      break;
    case 2:
      if (const TWeapInfo* weapon = FindWeapInfo(name)) title = weapon->Display;
      break;
    case 3:
      if (const TDBArtEnt* art = ArtEntries.Find(name)) title = art->Title;
      break;
    case 5:
      if (const TDBMiscEnt* misc = MiscEntries.Find(name)) title = misc->Title;
      break;
    default: break;
  }
  // An entry the campaign does not know by that name, or one without a title, shows its name.
  return title.empty() ? name : title;
}

std::string TGameMain::DbSelectedName() const {
  return DbIndex >= 0 && DbIndex < static_cast<int>(DbNames.size()) ? DbNames[static_cast<size_t>(DbIndex)] : "";
}

void TGameMain::ShowDbCategory(int category, int index) {
  if (category < 0 || category > 5) return;
  DbCategory = category;
  const std::string prefix = DbPrefix(category);
  DbNames = NamesWithPrefix(DbEntries, prefix);
  const int last = static_cast<int>(DbNames.size()) - 1;
  DbIndex = std::clamp(index, 0, std::max(0, last));
  // The list opens with its selection in sight; from then on it follows a row a frame.
  DbOffset = std::min(0, 3 - DbIndex);

  ArticleLines.clear();
  ArticlePicture = false;
  const std::string name = DbSelectedName();
  if (name.empty()) return;
  const std::string desc = ResolvePath(CampaignDataFolder() + "desc.adf");
  const std::string section = prefix + name;
  if (!AdfSectionExists(desc, section)) {
    ReportOnce("desc.adf has no article [" + section + "]");
  } else {
    const int lines = std::min(AdfReadInteger(desc, section, "LINES", 0), MaxArticleLines);
    for (int k = 1; k <= lines; ++k) ArticleLines.push_back(AdfReadString(desc, section, "LINE" + std::to_string(k), ""));
  }

  // The article's picture, loaded as "blueprint".
  std::string picture;
  TColor key = KeyBlack;
  const std::string campaignPictures = WithSlash(Env.GraphicsFolder + "campaigns/" + CampaignFolder);
  if (category == 0) {
    if (TRaceInfo* race = FindRace(name)) {
      RaceInfoLines = {"Race homeworld : " + race->RHomeworld, "Species : " + race->Species, "Class : " + race->Class,
                       "Species homeworld : " + race->SHomeworld, "Government : " + race->Government};
      if (!race->FullBmp.empty()) picture = Env.GraphicsFolder + race->FullBmp + ".img";
    } else {
      RaceInfoLines.clear();
    }
  } else if (category == 1) {
    if (const TShipInfo* ship = FindShipInfo(name); ship && !ship->BmpImage.empty())
      picture = campaignPictures + "schematics/" + ship->BmpImage + ".img";
  } else if (category == 4) {
    if (const TCharacter* character = FindCharacter(name); character && !character->Image.empty())
      picture = campaignPictures + "coms/" + character->Image + ".img";
    key = KeyAqua;
  } else if (category == 5) {
    if (const TDBMiscEnt* misc = MiscEntries.Find(name); misc && !misc->Image.empty())
      picture = campaignPictures + misc->Image + ".img";
    key = KeyAqua;
  }
  if (picture.empty() || !Env.Images) return;
  const std::string shown = RootRelative(picture);
  if (!IsSafeDataName(picture.substr(Env.GraphicsFolder.size()))) {
    ReportOnce("the picture of [" + section + "] leaves the game's folders");
    return;
  }
  const std::string path = ResolvePath(NormalizeSlashes(picture));
  if (!FileExists(path)) {
    ReportOnce("Unable to open " + shown);
    return;
  }
  try {
    Env.Images->LoadImage("blueprint", path, key);
    ArticlePicture = true;
  } catch (const std::exception& e) {
    ReportOnce(e.what());
  }
}

bool TGameMain::UnlockVessel(const std::string& shipClass) {
  const int index = ShipInfos.IndexOf(shipClass);
  if (index < 0) return false;
  const std::string entry = DbPrefix(1) + ShipInfos.NameAt(index);
  const bool listed = std::any_of(DbEntries.begin(), DbEntries.end(), [&](const std::string& e) { return SameText(e, entry); });
  if (!listed) DbEntries.push_back(entry);
  return true;
}

void TGameMain::UnlockOwnedVessels() {
  if (const TFleet* player = PlayerFleet())
    for (int i = 0; i < player->Ships.Count(); ++i) UnlockVessel(player->Ships.At(i)->ShipClass);
  for (const auto& design : Designs.Items) UnlockVessel(design.first);
}

bool TGameMain::ShowVesselArticle(const std::string& shipClass) {
  // A class the player owns a ship or a design of is always in the database (it may have come
  // from a trade post or a story event that listed no article); any other class not unlocked
  // leaves the database (and its picture) as it was.
  const TFleet* player = PlayerFleet();
  const bool owned = Designs.IndexOf(shipClass) >= 0 || (player && LastShipOfClass(*player, shipClass) >= 0);
  if (owned) UnlockVessel(shipClass);
  const std::vector<std::string> vessels = NamesWithPrefix(DbEntries, DbPrefix(1));
  for (size_t i = 0; i < vessels.size(); ++i)
    if (SameText(vessels[i], shipClass)) {
      ShowDbCategory(1, static_cast<int>(i));
      return true;
    }
  return false;
}

std::vector<TGameMain::TDbValue> TGameMain::ArticleValues() const {
  std::vector<TDbValue> values;
  const std::string name = DbSelectedName();
  if (DbCategory == 1) {
    const TShipInfo* ship = FindShipInfo(name);
    if (!ship) return values;
    values = {{0, 1, "Max speed " + RealText(ship->MaxSpeed)},
              {1, 1, "Thrusters " + RealText(ship->Thrusters)},
              {0, 2, "Structure " + std::to_string(ship->Structure)},
              {1, 2, "Crew " + std::to_string(ship->Crew)},
              {0, 3, "Energy " + std::to_string(ship->Energy)},
              {1, 3, "Energy rate " + RealText(ship->EnergyR)},
              {0, 4, "Turn rate " + std::to_string(ship->TurnRate)},
              {0, 6, "Weapons"}};
    const std::string* weapons[] = {&ship->Weapon1, &ship->Weapon2};
    for (int w = 0; w < 2; ++w) {
      if (weapons[w]->empty() || SameText(*weapons[w], "EMPTY")) continue;
      const TWeapInfo* weapon = FindWeapInfo(*weapons[w]);
      values.push_back({0, 7 + w, weapon && !weapon->Display.empty() ? weapon->Display : *weapons[w]});
    }
  } else if (DbCategory == 2) {
    const TWeapInfo* weapon = FindWeapInfo(name);
    if (!weapon) return values;
    values = {{0, 1, "Energy usage " + std::to_string(weapon->EnergyUsage)},
              {0, 2, "Reload time " + std::to_string(weapon->ReloadTime)},
              {0, 3, "Damage " + std::to_string(weapon->PrimalDamage)},
              {0, 4, "Range " + std::to_string(weapon->LifeSpan)},
              {0, 5, weapon->AIDriven ? "Guided Yes" : "Guided No"},
              {0, 6, weapon->Turret ? "Turret Yes" : "Turret No"}};
    if (weapon->Turret) values.push_back({0, 7, "Turret arc " + std::to_string(weapon->WeaponArc)});
  }
  return values;
}

void TGameMain::ScrollDb(int step) {
  const int next = DbIndex + step;
  if (next < 0 || next >= static_cast<int>(DbNames.size())) return;
  const int offset = DbOffset;
  ShowDbCategory(DbCategory, next);
  // The list keeps its place and follows the selection a row a frame.
  DbOffset = offset;
}

void TGameMain::OpenDatabase() {
  UnlockOwnedVessels();
  ShowDbCategory(0, 0);
  ShowScreen(csDatabase);
}

void TGameMain::OpenLogs() {
  LogPage = 0;
  LogPageCount = Logs.Count() / LogLinesPerPage + (Logs.Count() % LogLinesPerPage ? 1 : 0);
  ShowScreen(csLogs);
}

void TGameMain::TurnLogPage(int step) {
  if (step > 0 && LogPage < LogPageCount - 1) ++LogPage;
  if (step < 0 && LogPage > 0) --LogPage;
}

bool TGameMain::LogFinished(const std::string& status) { return Trim(status) != "0"; }

void TGameMain::OpenFindAStar() {
  SearchText.clear();
  CaretCounter = 0;
  ShowScreen(csFindAStar);
}

void TGameMain::SearchKey(int key) {
  if (key == KeyBackspace) {
    if (!SearchText.empty()) SearchText.pop_back();
  } else if (key == KeyEnter) {
    FindStar();
  } else if (SearchText.size() < SearchTextLimit &&
             (key == KeySpace || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))) {
    SearchText += static_cast<char>(key);
  }
}

bool TGameMain::FindStar() {
  for (int i = 0; i < Locations.Count(); ++i) {
    const TLocation& loc = *Locations.At(i);
    // Only what a click on the map could select: no hidden place is given away by its name.
    if (!(loc.LocType == ltStarSystem || loc.Known || loc.LocType == ltFleetLocation)) continue;
    if (!SameText(loc.LocName, SearchText)) continue;
    ShowScreen(csMap);
    CenterOn(i);
    SelectedLocation = i;
    SelectedFleet = -1;
    return true;
  }
  return false;
}

}  // namespace sw
