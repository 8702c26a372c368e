// The hand-written roster: every class word of the weapon table is fitted
// somewhere, ship classes refer to weapons, races and craft that exist, and
// the roster has the breadth the dogfight set-up needs.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "ContentFiles.h"
#include "core/Adf.h"

namespace {

using content::Root;

const std::vector<std::string> kClassWords = {
    "BEAM_WEAPON", "GENERIC_WEAPON", "DOUBLE_GUN", "GENERIC_DOUBLE", "FIGHTER", "INHIBITOR_MISSILE", "DISABLER",
    "DEENERGIZER", "SALVO", "MULTI_PLASMA_NEEDLES", "3WAY_PLASMA_NEEDLES", "DUAL_BEAM", "DOUBLE_BEAM", "MINE",
    "GRAV_MINE", "PLASMA_MINE", "GRAVITON_MINE", "MULTI_BIRST", "MULTI_BIRST_AFT", "ASSIMILATOR", "CHAIN_RAY",
    "DRAIN_BEAM", "MIMIC", "TELEPORTER", "BOOSTER", "GREEN_SHIELD", "SHOCKWAVE", "MIRROR", "IONIC_WAVE", "RAGE",
    "REPULSER", "REVIVER", "REPAIR", "RECYCLE", "STOPER", "RELEASE", "SHUTTLE", "CLOAK", "TRANSPORTER",
    "VELOR_SHIELD", "TESLA_TURRET"};

struct Ship {
  std::string cls, folder, race;
  bool pickable;
};

std::vector<Ship> AllShips() {
  std::vector<Ship> out;
  for (auto& f : content::DataFolders(Root())) {
    const std::string ships = f.path + "ships.adf";
    for (auto& cls : sw::AdfReadSections(ships))
      out.push_back({cls, f.label, sw::AdfReadString(ships, cls, "RACE", ""), sw::AdfReadBool(ships, cls, "DF_INCLUDE", true)});
  }
  return out;
}

TEST(RosterData, EveryClassWordIsFittedToSomeShip) {
  std::set<std::string> used;
  bool emptyUsed = false;
  for (auto& f : content::DataFolders(Root())) {
    const std::string ships = f.path + "ships.adf", weapons = f.path + "weapons.adf";
    for (auto& cls : sw::AdfReadSections(ships))
      for (const char* slot : {"WEAPON1", "WEAPON2"}) {
        std::string w = sw::AdfReadString(ships, cls, slot, "");
        if (w == "EMPTY") { emptyUsed = true; continue; }
        used.insert(sw::AdfReadString(weapons, w, "Class", ""));
      }
    EXPECT_TRUE(sw::AdfSectionExists(weapons, "EMPTY")) << f.label;
  }
  for (auto& word : kClassWords) EXPECT_TRUE(used.count(word)) << "no ship fits a " << word;
  EXPECT_TRUE(emptyUsed);
}

TEST(RosterData, EveryWeaponSectionUsesAKnownClassWord) {
  std::set<std::string> known(kClassWords.begin(), kClassWords.end());
  for (auto& f : content::DataFolders(Root())) {
    const std::string weapons = f.path + "weapons.adf";
    for (auto& w : sw::AdfReadSections(weapons)) {
      if (w == "EMPTY") continue;
      std::string word = sw::AdfReadString(weapons, w, "Class", "");
      EXPECT_TRUE(known.count(word)) << f.label << " " << w << " has class word '" << word << "'";
      EXPECT_FALSE(sw::AdfReadString(weapons, w, "Display", "").empty()) << w;
      EXPECT_GT(sw::AdfReadInteger(weapons, w, "AIFireChance", 0), 0) << w << " would never be used by the computer";
    }
  }
}

TEST(RosterData, BaseGameHasEightRacesWithTwoPickableShipsEach) {
  const std::string races = Root() + "data/races.adf";
  auto raceKeys = sw::AdfReadSections(races);
  EXPECT_GE(raceKeys.size(), 8u);
  EXPECT_TRUE(sw::AdfSectionExists(races, "TFG")) << "the set-up screen centres on TFG";
  std::map<std::string, int> pickable;
  int basePickable = 0;
  for (auto& s : AllShips()) {
    if (s.folder != "base" || !s.pickable) continue;
    ++basePickable;
    ++pickable[s.race];
    EXPECT_TRUE(sw::AdfSectionExists(races, s.race)) << s.cls << " race " << s.race;
  }
  EXPECT_GE(basePickable, 16);
  for (auto& r : raceKeys) EXPECT_GE(pickable[r], 2) << r;
  for (auto& r : raceKeys)
    for (const char* key : {"DISPLAY_NAME", "FULL_BMP", "SHORT_NAME", "COLOR", "PROF", "S_HOMEWROLD", "SPECIES", "CLASS",
                            "R_HOMEWROLD", "GOVERNMENT"})
      EXPECT_FALSE(sw::AdfReadString(races, r, key, "").empty()) << r << " " << key;
}

TEST(RosterData, TraitsStarbaseAndCraftArePresent) {
  const std::string ships = Root() + "data/ships.adf";
  std::map<std::string, int> traits;
  int starbases = 0;
  for (auto& cls : sw::AdfReadSections(ships)) {
    for (const char* t : {"CYBERNETIC", "ORGANIC", "RESILIANT", "DAMAGE_FLEE", "ROTATING"})
      if (sw::AdfReadBool(ships, cls, t, false)) ++traits[t];
    if (sw::AdfReadBool(ships, cls, "STARBASE", false)) {
      ++starbases;
      EXPECT_FALSE(sw::AdfReadBool(ships, cls, "DF_INCLUDE", true)) << cls;
    }
  }
  for (const char* t : {"CYBERNETIC", "ORGANIC", "RESILIANT", "DAMAGE_FLEE", "ROTATING"}) EXPECT_GT(traits[t], 0) << t;
  EXPECT_GE(starbases, 1);
}

TEST(RosterData, PickableShipsHaveDistinctHandlingAndEveryKey) {
  std::set<std::string> handling;
  for (auto& f : content::DataFolders(Root())) {
    const std::string ships = f.path + "ships.adf";
    for (auto& cls : sw::AdfReadSections(ships)) {
      if (!sw::AdfReadBool(ships, cls, "DF_INCLUDE", true)) continue;
      for (const char* key : {"BMP_IMAGE", "TURN_RATE", "THRUSTERS", "STRUCTURE", "CREW", "ENERGY", "ENERGY_R", "MAX_SPEED",
                              "DISP_NAME", "WEAPON1", "WEAPON2", "RACE"})
        EXPECT_TRUE(sw::AdfKeyExists(ships, cls, key)) << cls << " " << key;
      EXPECT_GT(sw::AdfReadInteger(ships, cls, "TURN_RATE", 0), 0) << cls;
      EXPECT_GT(sw::AdfReadInteger(ships, cls, "THRUSTERS", 0), 0) << cls;
      EXPECT_GT(sw::AdfReadReal(ships, cls, "STRUCTURE", 0), 0) << cls;
      EXPECT_GT(sw::AdfReadReal(ships, cls, "CREW", 0), 0) << cls;
      // The status panel draws a pixel per hull and energy point and 7 pixels per crew member.
      EXPECT_LE(sw::AdfReadReal(ships, cls, "STRUCTURE", 0), 290) << cls;
      EXPECT_LE(sw::AdfReadReal(ships, cls, "ENERGY", 0), 290) << cls;
      EXPECT_LE(sw::AdfReadReal(ships, cls, "CREW", 0), 40) << cls;
      std::string key = sw::AdfReadString(ships, cls, "TURN_RATE", "") + "/" + sw::AdfReadString(ships, cls, "THRUSTERS", "") +
                        "/" + sw::AdfReadString(ships, cls, "MAX_SPEED", "") + "/" + sw::AdfReadString(ships, cls, "STRUCTURE", "") +
                        "/" + sw::AdfReadString(ships, cls, "ENERGY", "") + "/" + sw::AdfReadString(ships, cls, "CREW", "");
      EXPECT_TRUE(handling.insert(key).second) << cls << " handles exactly like another class";
    }
  }
}

TEST(RosterData, AddOnBringsItsOwnRaceWithFourShips) {
  auto folders = content::DataFolders(Root());
  ASSERT_GE(folders.size(), 2u);
  const std::string baseRaces = Root() + "data/races.adf";
  for (size_t i = 1; i < folders.size(); ++i) {
    SCOPED_TRACE(folders[i].label);
    EXPECT_TRUE(content::Exists(folders[i].path + "weapons.adf"));
    const std::string races = folders[i].path + "races.adf";
    auto own = sw::AdfReadSections(races);
    ASSERT_FALSE(own.empty());
    std::map<std::string, int> perRace;
    for (auto& s : AllShips())
      if (s.folder == folders[i].label && s.pickable) ++perRace[s.race];
    for (auto& r : own) {
      EXPECT_FALSE(sw::AdfSectionExists(baseRaces, r)) << r << " should be new";
      EXPECT_GE(perRace[r], 4) << r;
    }
  }
}

TEST(RosterData, IntroTellsFourParts) {
  const std::string intro = Root() + "data/intro.adf";
  for (int part = 1; part <= 4; ++part) {
    std::string sec = "INTRO" + std::to_string(part);
    int lines = sw::AdfReadInteger(intro, sec, "LINES", 0);
    EXPECT_GT(lines, 3) << sec;
    // Lines are drawn 15 pixels apart from y = 150, above the letterbox at 500.
    EXPECT_LE(150 + 15 * lines, 500) << sec;
    int filled = 0;
    for (int i = 1; i <= lines; ++i) filled += !sw::AdfReadString(intro, sec, "L" + std::to_string(i), "").empty();
    EXPECT_GE(filled, lines / 2) << sec;
  }
}

}  // namespace
