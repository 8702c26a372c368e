#include "campaign/screens/ShipPictures.h"

#include <cstdio>
#include <set>

#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/Canvas.h"

namespace sw {

namespace {

// Picture files that could not be read: tried once, reported once, then drawn as nothing.
std::set<std::string>& FailedPictures() {
  static std::set<std::string> failed;
  return failed;
}

// Loads a picture under that name unless its file failed before; false when there is none.
bool LoadOnce(TGameMain& game, const std::string& name, const std::string& path, TColor key, bool reportMissing) {
  if (FailedPictures().count(path)) return false;
  if (!FileExists(path)) {
    FailedPictures().insert(path);
    if (reportMissing && game.Env.Report) game.Env.Report("Unable to open " + game.RootRelative(path));
    return false;
  }
  try {
    game.Env.Images->LoadImage(name, path, key);
    return true;
  } catch (const std::exception& e) {
    game.Env.Images->Remove(name);
    FailedPictures().insert(path);
    if (game.Env.Report) game.Env.Report(e.what());
    return false;
  }
}

std::string ProgramFolderOf(const TGameMain& game) {
  std::string folder = game.Env.ProgramFolder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

const TImageItem* CampaignShipPicture(TGameMain& game, const std::string& shipClass) {
  if (!game.Env.Images) return nullptr;
  const TShipInfo* info = game.FindShipInfo(shipClass);
  if (!info || info->BmpImage.empty()) return nullptr;
  const std::string name = "ship_" + info->BmpImage;
  const int index = game.Env.Images->IndexOf(name);
  if (index >= 0) return game.Env.Images->At(index);
  const std::string path = ResolvePath(NormalizeSlashes(ProgramFolderOf(game) + "ships/" + info->BmpImage + ".img"));
  if (!LoadOnce(game, name, path, clBlack, true)) return nullptr;
  return game.Env.Images->At(game.Env.Images->IndexOf(name));
}

void TShipArticle::Show(TGameMain& game, const std::string& shipClass) {
  if (Game == &game && Loaded && shipClass == Shown) return;
  Game = &game;
  Shown = shipClass;
  Loaded = true;
  Schematic = false;
  DescLines.clear();
  if (shipClass.empty()) return;
  const std::string desc = ResolvePath(game.CampaignDataFolder() + "desc.adf");
  const std::string section = "SHIP@" + shipClass;
  const int lines = AdfReadInteger(desc, section, "LINES", 0);
  for (int k = 1; k <= lines && k <= 64; ++k) DescLines.push_back(AdfReadString(desc, section, "LINE" + std::to_string(k), ""));

  if (!game.Env.Images) return;
  // The class's own schematic where the campaign drew one, else the plain blueprint sheet.
  const TShipInfo* info = game.FindShipInfo(shipClass);
  if (info && !info->BmpImage.empty()) {
    std::string folder = NormalizeSlashes(game.CampaignFolder);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::string schematic =
        ResolvePath(NormalizeSlashes(game.Env.GraphicsFolder + "campaigns/" + folder + "schematics/" + info->BmpImage + ".img"));
    if (FileExists(schematic) && LoadOnce(game, "blueprint", schematic, clBlack, false)) {
      Schematic = true;
      return;
    }
  }
  LoadOnce(game, "blueprint", ResolvePath(game.Env.GraphicsFolder + "blueprint.img"), clBlack, true);
}

std::string GeneralNumber(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.15g", value);
  return text;
}

void DrawShipValues(TCanvas& c, const TGameMain& game, const std::string& shipClass, int x1, int x2, int y) {
  const TShipInfo* info = game.FindShipInfo(shipClass);
  if (!info) return;
  c.TextOut(x1, y + 12, "Max speed " + GeneralNumber(info->MaxSpeed));
  c.TextOut(x2, y + 12, "Thrusters " + GeneralNumber(info->Thrusters));
  c.TextOut(x1, y + 24, "Structure " + std::to_string(info->Structure));
  c.TextOut(x2, y + 24, "Crew " + std::to_string(info->Crew));
  c.TextOut(x1, y + 36, "Energy " + std::to_string(info->Energy));
  c.TextOut(x2, y + 36, "Energy rate " + GeneralNumber(info->EnergyR));
  c.TextOut(x1, y + 48, "Turn rate " + std::to_string(info->TurnRate));
  c.TextOut(x1, y + 72, "Weapons");
  const std::string* weapons[] = {&info->Weapon1, &info->Weapon2};
  for (int w = 0; w < 2; ++w) {
    if (weapons[w]->empty() || SameText(*weapons[w], "EMPTY")) continue;
    const TWeapInfo* weapon = game.FindWeapInfo(*weapons[w]);
    c.TextOut(x1, y + 84 + 12 * w, weapon ? weapon->Display : *weapons[w]);
  }
}

}  // namespace sw
