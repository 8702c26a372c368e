#include "screens/Dogfight.h"

#include <algorithm>

#include "ai/PilotSkill.h"
#include "battle/ShipRoster.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/Canvas.h"
#include "media/Geometry.h"
#include "media/ImageDraw.h"
#include "media/MainWindow.h"

namespace sw {

namespace {

// Where each fleet slot's ship is pictured, and where its name is written (x 330).
const TPoint FleetPicture[6] = {{564, 258}, {638, 295}, {712, 331}, {564, 517}, {638, 480}, {712, 444}};
const int FleetNameY[6] = {272, 309, 345, 488, 451, 415};
// The "Network" button, left of "Replays".
constexpr TRect NetworkButtonRect{496, 25, 590, 48};

// The text of the set-up screen: small, dark letters on the light panels.
void UseInfoFont(TCanvas& canvas) {
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Size = 8;
  canvas.Font.Bold = false;
  canvas.Font.Color = clBlack;
}

}  // namespace

TDogfight::TDogfight() : Buttons(&fmMain->DXDraw->Surface, fmMain->DXImageListDF.get()) {
  Side1Computer = false;
  Side2Computer = true;
  LoadItems();
  TDXImageList& list = *fmMain->DXImageListDF;
  list.LoadImage("backg", ResolvePath(fmMain->GraphicsFolder + "lgui.img"), clRed);
  list.LoadImage("back_mask", ResolvePath(fmMain->GraphicsFolder + "lgui_mask.img"), clRed);
  CreateButtons();
  Carousels.ChooseSlot3(ikShip);
  Carousels.ChooseSlot3(ikRace);
  Carousels.AlignShipsToRace();
  Density = 0;
  Carousels.CentreRacesOn("TFG");
  Carousels.Centre(ikPlanet, "NOPLANET");
  Carousels.ChooseSlot3(ikPlanet);
  Carousels.AlignShipsToRace();
  RefreshInfo();
}

void TDogfight::LoadItems() {
  const std::string& data = fmMain->DataFolder;
  PlanetsFile = ResolvePath(data + "planets.adf");
  int planet = 0;
  for (const std::string& key : AdfReadSections(PlanetsFile)) {
    TScreenObject& item = Carousels.Add(ikPlanet, key);
    item.ImageName = "planet" + std::to_string(planet++);
    item.Gravity = AdfReadInteger(PlanetsFile, key, "GRAVITY", 0);
    LoadPicture(item, fmMain->GraphicsFolder + AdfReadString(PlanetsFile, key, "PLANET_BMP", "") + ".img");
  }
  int race = 0;
  for (const std::string& folder : ReadAddOnPrefixes(data)) {
    const std::string ships = ShipDataFile(data, folder, "ships");
    for (const std::string& key : AdfReadSections(ships)) {
      if (!AdfReadBool(ships, key, "DF_INCLUDE", true)) continue;
      TScreenObject& item = Carousels.Add(ikShip, key);
      item.ImageName = "ship_" + key;
      item.Race = AdfReadString(ships, key, "RACE", "");
      item.Folder = folder;
      LoadPicture(item, fmMain->ShipsFolder + AdfReadString(ships, key, "BMP_IMAGE", "") + ".img");
    }
    const std::string races = ShipDataFile(data, folder, "races");
    for (const std::string& key : AdfReadSections(races)) {
      TScreenObject& item = Carousels.Add(ikRace, key);
      item.ImageName = "race" + std::to_string(race++);
      item.Folder = folder;
      LoadPicture(item, fmMain->GraphicsFolder + AdfReadString(races, key, "FULL_BMP", "") + "_small.img");
    }
  }
  Carousels.Number();
}

void TDogfight::LoadPicture(TScreenObject& item, const std::string& path) {
  TDXImageList& list = *fmMain->DXImageListDF;
  try {
    if (list.IndexOf(item.ImageName) < 0) list.LoadImage(item.ImageName, ResolvePath(path), clBlack);
    const TImageItem& image = list.Find(item.ImageName);
    item.Width = image.Width();
    item.Height = image.Height();
    const int box = TCarousels::BoxSize(item.Kind);
    FitSize(item.Width, item.Height, box, box);
  } catch (const std::exception& e) {
    // One missing picture leaves a gap in its carousel; the rest of the screen still works.
    fmMain->ReportError(e.what());
    item.ImageName.clear();
  }
}

void TDogfight::CreateButtons() {
  struct TButtonRow {
    const char* Key;
    const char* Image;
    int X, Y, Width, Height, Flash;
  };
  const TButtonRow rows[] = {
      {"PlanetsRight", "a_right_big", 750, 85, 12, 104, 7},
      {"PlanetsLeft", "a_left_big", 322, 85, 12, 104, 7},
      {"RacesLeft", "a_left", 42, 87, 12, 54, 3},
      {"RacesRight", "a_right", 279, 87, 12, 54, 3},
      {"ShipsLeft", "a_left", 42, 191, 12, 54, 3},
      {"ShipsRight", "a_right", 279, 191, 12, 54, 3},
      {"AstLeft", "opa_l", 127, 488, 24, 23, 2},
      {"AstRight", "opa_r", 253, 488, 24, 23, 2},
      {"Plus1", "plus", 538, 300, 26, 11, 2},
      {"Minus1", "minus", 566, 300, 26, 11, 2},
      {"Plus2", "plus", 612, 337, 26, 11, 2},
      {"Minus2", "minus", 640, 337, 26, 11, 2},
      {"Plus3", "plus", 686, 373, 26, 11, 2},
      {"Minus3", "minus", 714, 373, 26, 11, 2},
      {"Plus4", "plus1", 538, 464, 26, 11, 2},
      {"Minus4", "minus1", 566, 464, 26, 11, 2},
      {"Plus5", "plus1", 612, 427, 26, 11, 2},
      {"Minus5", "minus1", 640, 427, 26, 11, 2},
      {"Plus6", "plus1", 686, 391, 26, 11, 2},
      {"Minus6", "minus1", 714, 391, 26, 11, 2},
      {"mod_sel", "mod_selector", 56, 518, 221, 23, 2},
      {"Side1AI", "noAI", 689, 257, 73, 34, 2},
      {"Side2AI", "AI", 689, 484, 73, 34, 2},
      {"Side1Skill", "", 689, 292, 73, 13, 2},
      {"Side2Skill", "", 689, 519, 73, 13, 2},
      {"Back", "bback", 35, 25, 59, 23, 2},
      {"Start", "bstart", 710, 25, 59, 23, 2},
  };
  for (const auto& r : rows) Buttons.Add(r.Key, r.X, r.Y, r.Width, r.Height, r.Image, r.Flash);
  SetComputerSides(Side1Computer, Side2Computer);
}

std::string TDogfight::DensityWord(int density) {
  if (density <= 0) return "None";
  if (density <= 4) return "Low";
  if (density <= 10) return "Medium";
  if (density <= 20) return "High";
  return "Extreme";
}

void TDogfight::TurnPlanets(int d) { Carousels.TurnPlanets(d); }

void TDogfight::TurnRaces(int d) {
  Carousels.TurnRaces(d);
  RefreshInfo();
}

void TDogfight::TurnShips(int d) {
  Carousels.TurnShips(d);
  RefreshInfo();
}

void TDogfight::ChangeDensity(int d) { Density = std::clamp(Density + d, 0, MaxAsteroidDensity); }

void TDogfight::SetComputerSides(bool side1, bool side2) {
  Side1Computer = side1;
  Side2Computer = side2;
  Buttons.Find("Side1AI").ImageName = side1 ? "AI" : "noAI";
  Buttons.Find("Side2AI").ImageName = side2 ? "AI" : "noAI";
}

void TDogfight::SetSkill(int side, int skill) {
  if (side < 1 || side > 2) return;
  SideSkill[side - 1] = ClampSkill(skill);
}

void TDogfight::NextSkill(int side) {
  if (side < 1 || side > 2) return;
  SetSkill(side, (SideSkill[side - 1] + 1) % 3);
}

void TDogfight::FillSlot(int slot) {
  if (slot < 1 || slot > 6) return;
  const int index = Carousels.IndexOf(ikShip, Carousels.Selected[ikShip]);
  if (index < 0) return;
  const TScreenObject& ship = Carousels.Items[static_cast<size_t>(index)];
  FleetSlot[slot - 1] = index;
  FleetName[slot - 1] = AdfReadString(ShipDataFile(fmMain->DataFolder, ship.Folder, "ships"), ship.Key, "DISP_NAME", "");
}

void TDogfight::EmptySlot(int slot) {
  if (slot < 1 || slot > 6) return;
  FleetSlot[slot - 1] = -1;
  FleetName[slot - 1].clear();
}

TDogfightBattle TDogfight::Battle() const {
  TDogfightBattle b;
  for (int i = 0; i < 6; ++i) {
    if (FleetSlot[i] < 0) continue;
    const TScreenObject& ship = Carousels.Items[static_cast<size_t>(FleetSlot[i])];
    b.Slots[i] = TFleetShip{ship.Key, ship.Race, ship.Folder};
  }
  b.Side1Computer = Side1Computer;
  b.Side2Computer = Side2Computer;
  b.Side1Skill = SideSkill[0];
  b.Side2Skill = SideSkill[1];
  b.Density = Density;
  const TScreenObject* planet = Carousels.Chosen(ikPlanet);
  if (planet && !SameText(planet->Key, "NOPLANET")) {
    // The battle loads the planet by its picture's name, so it shows the world chosen here.
    b.PlanetImage = AdfReadString(PlanetsFile, planet->Key, "PLANET_BMP", "");
    if (b.PlanetImage.empty()) b.PlanetImage = planet->Key;
    b.PlanetGravity = planet->Gravity;
  }
  return b;
}

bool TDogfight::Start() {
  if (!WriteDogfightBattle(fmMain->ProgramFolder + "battle.adf", Battle())) return false;
  fmMain->StartBattle(gsDogfight);
  return true;
}

bool TDogfight::OnNetworkButton(int x, int y) {
  const TRect& r = NetworkButtonRect;
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

void TDogfight::DrawNetworkButton(TSurface& s) {
  fmMain->DXImageListDF->Find("bnetwork").Draw(s, NetworkButtonRect.Left, NetworkButtonRect.Top);
}

void TDogfight::RefreshInfo() {
  const std::string& data = fmMain->DataFolder;
  if (const TScreenObject* race = Carousels.Chosen(ikRace)) {
    const std::string file = ShipDataFile(data, race->Folder, "races");
    const std::string& k = race->Key;
    RaceInfo = {AdfReadString(file, k, "DISPLAY_NAME", ""),
                "Race homeworld : " + AdfReadString(file, k, "R_HOMEWROLD", ""),
                "Species : " + AdfReadString(file, k, "SPECIES", ""),
                "Class : " + AdfReadString(file, k, "CLASS", ""),
                "Species homeworld : " + AdfReadString(file, k, "S_HOMEWROLD", ""),
                "Government : " + AdfReadString(file, k, "GOVERNMENT", "")};
    if (!SameText(FaceRace, k)) {
      FaceRace = k;
      const std::string portrait = AdfReadString(file, k, "PROF", "na");
      TDXImageList& list = *fmMain->DXImageListDF;
      try {
        list.LoadImage("race_face", ResolvePath(fmMain->GraphicsFolder + portrait + ".img"), clBlack);
      } catch (const std::exception& e) {
        // No portrait rather than the previous race's face.
        if (int i = list.IndexOf("race_face"); i >= 0) list.Delete(i);
        fmMain->ReportError(e.what());
      }
    }
  }
  if (const TScreenObject* ship = Carousels.Chosen(ikShip)) {
    const std::string ships = ShipDataFile(data, ship->Folder, "ships");
    const std::string weapons = ShipDataFile(data, ship->Folder, "weapons");
    const std::string& k = ship->Key;
    ShipInfo = {AdfReadString(ships, k, "DISP_NAME", ""),
                "Weapon 1 : " + AdfReadString(weapons, AdfReadString(ships, k, "WEAPON1", ""), "Display", ""),
                "Weapon 2 : " + AdfReadString(weapons, AdfReadString(ships, k, "WEAPON2", ""), "Display", "")};
  }
}

void TDogfight::Draw() {
  TSurface& s = fmMain->DXDraw->Surface;
  TDXImageList& list = *fmMain->DXImageListDF;
  list.Find("backg").Draw(s, 0, 0);
  Carousels.ChooseSlot3(ikRace);
  Carousels.ChooseSlot3(ikShip);
  Carousels.Animate();
  for (const auto& item : Carousels.Items) {
    if (item.ImageName.empty() || !TCarousels::Visible(item)) continue;
    DrawCentered(s, list, item.ImageName, item.DrawnX, item.Y, item.Width, item.Height, 0,
                 item.Slot == TCarousels::ChosenSlot ? 255 : 60);
  }
  list.Find("back_mask").Draw(s, 0, 0);
  for (int i = 0; i < 6; ++i) {
    if (FleetSlot[i] < 0) continue;
    const TScreenObject& ship = Carousels.Items[static_cast<size_t>(FleetSlot[i])];
    if (ship.ImageName.empty()) continue;
    DrawCentered(s, list, ship.ImageName, FleetPicture[i].X, FleetPicture[i].Y, ship.Width, ship.Height);
  }
  if (list.IndexOf("race_face") >= 0) list.Find("race_face").Draw(s, 122, 267);

  TCanvas canvas(s);
  UseInfoFont(canvas);
  for (size_t i = 0; i < RaceInfo.size(); ++i)
    canvas.TextOut(i == 0 ? 49 : 58, i == 0 ? 249 : 347 + 12 * static_cast<int>(i), RaceInfo[i]);
  for (size_t i = 0; i < ShipInfo.size(); ++i)
    canvas.TextOut(i == 0 ? 49 : 58, i == 0 ? 434 : 437 + 12 * static_cast<int>(i), ShipInfo[i]);
  canvas.TextOut(546, 475, "Flagship");
  canvas.TextOut(546, 285, "Flagship");
  canvas.TextOut(620, 438, "Support");
  canvas.TextOut(620, 322, "Support");
  canvas.TextOut(695, 402, "Support");
  canvas.TextOut(695, 358, "Support");
  for (int i = 0; i < 6; ++i)
    if (FleetSlot[i] >= 0) canvas.TextOut(330, FleetNameY[i], FleetName[i]);
  canvas.TextOut(165, 487, "Field density");
  canvas.TextOut(165, 497, DensityWord(Density) + " (" + std::to_string(Density) + ")");
  // The skill selectors under the computer switches: a small dark plate with the skill's name.
  for (int side = 1; side <= 2; ++side) {
    const TButton& b = Buttons.Find(side == 1 ? "Side1Skill" : "Side2Skill");
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = b.FlashCountdown > 0 ? 0x403020 : 0x302010;
    canvas.Pen.Color = 0x30A0D0;
    canvas.Rectangle(b.X, b.Y, b.X + b.Width, b.Y + b.Height);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Color = 0x40C0F0;
    const std::string caption = std::string("Skill: ") + SkillName(SideSkill[side - 1]);
    canvas.TextOut(b.X + 6, b.Y, caption);
  }
  canvas.Release();

  for (int i = 0; i < 8; ++i) Buttons.At(i)->Draw();
  for (int k = 1; k <= 6; ++k) {
    Buttons.Find("Plus" + std::to_string(k)).Draw();
    Buttons.Find("Minus" + std::to_string(k)).Draw();
  }
  for (const char* key : {"Side1AI", "Side2AI", "Side1Skill", "Side2Skill", "Start", "Back", "mod_sel"})
    Buttons.Find(key).Draw();
  DrawReplaysButton(s);
  DrawNetworkButton(s);
  const TFocusTargets targets = FocusTargets();
  Focus.Keep(targets, "Start");
  if (!ReplaysOpen) Focus.Draw(s, targets);
  if (ReplaysOpen) DrawReplayList(s);
}

TFocusTargets TDogfight::FocusTargets() const {
  TFocusTargets targets;
  for (int i = 0; i < Buttons.Count(); ++i)
    if (Buttons.At(i)->Available()) targets.push_back({Buttons.KeyAt(i), Buttons.At(i)->Rect()});
  targets.push_back({"Network", NetworkButtonRect});
  targets.push_back({"Replays", ReplaysButtonRect()});
  return targets;
}

}  // namespace sw
