#include "campaign/CampaignCheck.h"

#include <algorithm>
#include <map>

#include "battle/ShipRoster.h"
#include "campaign/DialogueCheck.h"
#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "campaign/StoryCheck.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/BitmapFile.h"

namespace sw {

namespace {

std::string Relative(const TGameFolders& f, const std::string& path) {
  return path.rfind(f.Root, 0) == 0 ? path.substr(f.Root.size()) : path;
}

}  // namespace

std::vector<std::string> CheckCampaignFolder(const std::string& root, const std::string& campaignFolder,
                                             const std::string& title) {
  const TGameFolders f = TGameFolders::FromRoot(root);
  TCampaignEnv env;
  env.DataFolder = f.Data;
  env.GraphicsFolder = f.Graphics;
  env.SavesFolder = f.Root + "saves/";
  env.MusicFolder = f.Music;
  std::vector<std::string> lines;
  // Each picture file read once, however many names use it.
  std::map<std::string, std::string> faults;
  auto pictureFault = [&faults](const std::string& path) -> const std::string& {
    auto it = faults.find(path);
    if (it == faults.end()) it = faults.emplace(path, PictureFault(path)).first;
    return it->second;
  };
  auto problem = [&](const std::string& file, const std::string& section, const std::string& key,
                     const std::string& message) {
    lines.push_back(Relative(f, file) + ":" + section + ":" + key + ": " + message);
  };

  std::string folder = NormalizeSlashes(f.Data + campaignFolder);
  if (folder.back() != '/') folder += '/';
  const std::string map = ResolvePath(folder + "map.adf");
  const std::string prefixMap = ResolvePath(folder + "prefixmap.adf");
  if (!FileExists(map)) problem(map, "", "", "the campaign has no map file");
  if (!FileExists(prefixMap)) problem(prefixMap, "", "", "the campaign lists no ship classes, weapons or races");

  std::unique_ptr<TGameMain> game;
  try {
    game = std::make_unique<TGameMain>(env, campaignFolder, "", title);
  } catch (const EGameError& e) {
    problem(map, "FLEET1", "", e.what());
    return lines;
  }
  game->CheckDialogues();
  lines.insert(lines.end(), game->Problems.begin(), game->Problems.end());
  // The story: triggers, events and what they name.
  for (auto& line : CheckStoryFiles(*game)) lines.push_back(std::move(line));
  // The dialogues as the talks reach them: openings, sections never reached, files never opened.
  for (auto& line : CheckDialogueReach(*game)) lines.push_back(std::move(line));

  // Patrol settings: a race of the campaign per section, and names and commanders for its patrols.
  const std::string campRace = ResolvePath(folder + "camp_race.adf");
  for (const auto& section : AdfReadSections(campRace))
    if (!game->FindRace(section)) problem(campRace, section, "", "race \"" + section + "\" is not in the campaign");
  const std::string randomChars = ResolvePath(folder + "random_chars.adf");
  for (int i = 0; i < game->Races.Count(); ++i) {
    const TRaceInfo& race = *game->Races.At(i);
    const std::string& key = game->Races.NameAt(i);
    if (race.MinPatrolers <= 0) continue;
    if (Trim(race.PatName).empty()) problem(campRace, key, "PAT_NAME", "the race spawns patrols but has no patrol name");
    const int chars = AdfReadInteger(randomChars, key, "CHARS", 0);
    if (chars <= 0) problem(randomChars, key, "CHARS", "the race spawns patrols but has no commanders for them");
    for (int n = 1; n <= chars && n <= 10000; ++n)
      if (Trim(AdfReadString(randomChars, key, "CHAR" + std::to_string(n), "")).empty())
        problem(randomChars, key, "CHAR" + std::to_string(n), "the commander is missing");
  }
  // Every picture the campaign's screens draw, read as the screens will read it: the screen
  // pictures, each race's pictures and the database's own.
  for (const std::string& name : TGameMain::ScreenPictureFiles()) {
    const std::string path = ResolvePath(f.Graphics + name);
    if (const std::string& fault = pictureFault(path); !fault.empty())
      problem(path, "", "", "the campaign screen picture " + fault);
  }
  for (int i = 0; i < game->Races.Count(); ++i) {
    const TRaceInfo& race = *game->Races.At(i);
    if (race.FullBmp.empty()) continue;
    for (const char* suffix : {"", "_small"}) {
      if (!IsSafeDataName(race.FullBmp)) break;
      const std::string path = ResolvePath(NormalizeSlashes(f.Graphics + race.FullBmp + suffix + ".img"));
      if (const std::string& fault = pictureFault(path); !fault.empty())
        problem(map, game->Races.NameAt(i), "", "the race's picture " + Relative(f, path) + " " + fault);
    }
  }
  for (int i = 0; i < game->MiscEntries.Count(); ++i) {
    const std::string& image = game->MiscEntries.At(i)->Image;
    if (image.empty() || !IsSafeDataName(image)) continue;
    std::string pictures = NormalizeSlashes(f.Graphics + "campaigns/" + campaignFolder);
    if (pictures.back() != '/') pictures += '/';
    const std::string path = ResolvePath(pictures + image + ".img");
    if (const std::string& fault = pictureFault(path); !fault.empty())
      problem(ResolvePath(folder + "desc.adf"), "", "IMAGE",
              "the picture of \"" + game->MiscEntries.NameAt(i) + "\", " + Relative(f, path) + ", " + fault);
  }

  // The database: every entry the map or an event unlocks is in a category and has its article
  // in desc.adf, and every vessel it unlocks has its schematic.
  const std::string desc = ResolvePath(folder + "desc.adf");
  const std::string events = ResolvePath(folder + "events.adf");
  auto checkEntry = [&](const std::string& file, const std::string& section, const std::string& key,
                        const std::string& entry) {
    int category = -1;
    for (int c = 0; c < 6 && category < 0; ++c) {
      const std::string prefix = TGameMain::DbPrefix(c);
      if (entry.size() > prefix.size() && SameText(entry.substr(0, prefix.size()), prefix)) category = c;
    }
    if (category < 0) {
      problem(file, section, key, "the database entry \"" + entry + "\" is in no category");
      return;
    }
    if (!AdfSectionExists(desc, entry))
      problem(file, section, key, "the database entry \"" + entry + "\" has no article in " + Relative(f, desc));
    const TShipInfo* ship = category == 1 ? game->FindShipInfo(entry.substr(5)) : nullptr;
    if (!ship || ship->BmpImage.empty()) return;
    std::string pictures = NormalizeSlashes(f.Graphics + "campaigns/" + campaignFolder);
    if (pictures.back() != '/') pictures += '/';
    const std::string schematic = ResolvePath(pictures + "schematics/" + ship->BmpImage + ".img");
    const std::string& fault = pictureFault(schematic);
    if (fault == "does not exist") problem(file, section, key, "the vessel has no schematic " + Relative(f, schematic));
    else if (!fault.empty()) problem(file, section, key, "the schematic " + Relative(f, schematic) + " " + fault);
  };
  for (const auto& entry : AdfReadKeys(map, "DB")) checkEntry(map, "DB", entry, entry);
  for (const auto& section : AdfReadSections(events)) {
    if (!AdfKeyExists(events, section, "DB_ENTRIES") && !AdfKeyExists(events, section, "DB_ENTRY0")) continue;
    const int count = std::min(AdfReadInteger(events, section, "DB_ENTRIES", 0), 1000);
    for (int n = 0; n <= count; ++n) {
      const std::string key = "DB_ENTRY" + std::to_string(n);
      const std::string entry = Trim(AdfReadString(events, section, key, ""));
      if (!entry.empty()) checkEntry(events, section, key, entry);
    }
  }
  // The player's fleet has to be able to fly.
  if (game->PlayerFleet()->Ships.Count() == 0)
    problem(map, "FLEET1", "TOTAL_SHIPS", "the player's fleet has no ships");
  return lines;
}

std::vector<std::string> CheckCampaigns(const std::string& root) {
  const TGameFolders f = TGameFolders::FromRoot(root);
  std::vector<std::string> lines;
  auto checkIndex = [&](const std::string& index) {
    for (const auto& section : AdfReadSections(index)) {
      const std::string folder = Trim(AdfReadString(index, section, "FOLDER", ""));
      if (folder.empty() || !IsSafeDataName(folder)) {
        lines.push_back(Relative(f, index) + ":" + section + ":FOLDER: \"" + folder + "\" is not a folder below data");
        continue;
      }
      for (auto& line : CheckCampaignFolder(root, folder, AdfReadString(index, section, "TITLE", "")))
        lines.push_back(std::move(line));
    }
  };
  checkIndex(ResolvePath(f.Data + "campaigns.adf"));
  // The bench campaigns, when they are there, are checked as the ones a new game offers.
  if (const std::string bench = ResolvePath(f.Data + "bench/campaigns.adf"); FileExists(bench)) checkIndex(bench);
  return lines;
}

}  // namespace sw
