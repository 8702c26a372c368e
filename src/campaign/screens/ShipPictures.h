#pragma once
// Pictures of ship classes for the campaign's screens: the ship's own battle picture, loaded
// into the campaign's image list the first time a screen asks for it, and the vessel article
// (schematic and description) of the class selected in a ship list.
#include <string>
#include <vector>

#include "campaign/GameMain.h"
#include "media/ImageList.h"

namespace sw {

// The picture of a ship class, "ship_" + its BMP_IMAGE in the campaign's image list, loaded from
// ships/<BMP_IMAGE>.img (as the battle loads it) on first use, so every class can be drawn,
// starbases included. Null when the class is unknown, has no picture, or its file cannot be
// read; such a failure is reported once and not tried again.
const TImageItem* CampaignShipPicture(TGameMain& game, const std::string& shipClass);

// The vessel article of the class shown beside a ship list: the description lines of
// desc.adf ("SHIP@" + class) and the picture "blueprint", the class's schematic from the
// campaign's pictures (schematics/<BMP_IMAGE>.img) or, when it has none, the plain blueprint
// sheet. Loaded again only when the class changes.
class TShipArticle {
public:
  const std::string& ShipClass() const { return Shown; }
  const std::vector<std::string>& Lines() const { return DescLines; }
  // True when "blueprint" holds the class's own schematic, false for the plain sheet.
  bool OwnSchematic() const { return Schematic; }
  // Shows the article of that class (nothing when it is already shown).
  void Show(TGameMain& game, const std::string& shipClass);

private:
  const TGameMain* Game = nullptr;
  std::string Shown;
  bool Loaded = false;
  bool Schematic = false;
  std::vector<std::string> DescLines;
};

// A real number as the game writes values: up to 15 significant digits, no trailing zeros.
std::string GeneralNumber(double value);

// Draws a ship class's values under its description, as the database's vessel article does:
// speed and thrusters, structure and crew, energy and its rate, turn rate, then "Weapons" and the
// weapons that are not "EMPTY" on their own rows; y is where the rows count from (each row is
// 12 below y times its number).
class TCanvas;
void DrawShipValues(TCanvas& canvas, const TGameMain& game, const std::string& shipClass, int x1, int x2, int y);

}  // namespace sw
