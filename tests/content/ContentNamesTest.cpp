// Every picture and sound that the data files and the game's fixed names
// refer to must exist in the generated game root.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "ContentFiles.h"
#include "core/Adf.h"

namespace {

using content::Exists;

using content::Root;

std::string Lower(std::string s) {
  for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Names of the single images and animation frames the battle list holds
// after start-up (lower case, as lookups ignore case).
std::set<std::string> BattleImageNames() {
  std::set<std::string> names;
  const std::string anims = Root() + "graphics/animations/animations.adf";
  for (const std::string& s : sw::AdfReadSections(anims)) {
    int frames = sw::AdfReadInteger(anims, s, "X_COUNT", 0) * sw::AdfReadInteger(anims, s, "Y_COUNT", 0);
    for (int n = 1; n <= frames; ++n) names.insert(Lower(s + "_" + std::to_string(n)));
  }
  const std::string projs = Root() + "graphics/projectiles/projs.adf";
  for (const std::string& k : sw::AdfReadKeys(projs, "PROJECTILES")) names.insert(Lower(k));
  for (const char* b : {"star1", "star2", "star3", "star4", "asteroid1", "asteroid2", "asteroid3", "asteroid4",
                        "asteroid5", "man_alive", "man_alive_not", "man_marine", "cybernetic", "organic", "resiliant",
                        "bbattle", "abattle"})
    names.insert(b);
  return names;
}

std::set<std::string> SoundNames() {
  std::set<std::string> names;
  for (const std::string& k : sw::AdfReadKeys(Root() + "sounds/sounds.adf", "SOUNDS")) names.insert(Lower(k));
  return names;
}

TEST(ContentNames, GameRootHoldsTheDataAndTheGeneratedFiles) {
  ASSERT_TRUE(Exists(Root() + "data/ships.adf")) << "game root not found at " << Root();
  EXPECT_TRUE(Exists(Root() + "graphics/planets.img"));
  EXPECT_TRUE(Exists(Root() + "sounds/builtin/snapshot.wav"));
}

TEST(ContentNames, BuiltInImagesOfTheFourListsExist) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> lists = {
      {"main", {"start", "men_load", "dog", "credits", "men_options", "exit", "back", "cursor", "op1", "op2", "op3", "op4",
                "op5", "op6", "op7", "op8", "op9", "op10", "op11", "op_controls", "ctl_defaults", "opa_l", "opa_r", "cont_but", "canc_but", "scroll_up",
                "scroll_down"}},
      {"df", {"a_right", "a_left", "bback", "bstart", "plus", "minus", "AI", "noAI", "a_right_big", "a_left_big", "plus1",
              "minus1", "opa_l", "opa_r", "mod_selector"}},
      {"m", {"star1", "star2", "star3", "star4", "asteroid1", "asteroid2", "asteroid3", "asteroid4", "asteroid5",
             "man_alive", "man_alive_not", "man_marine", "cybernetic", "organic", "resiliant"}},
      {"mg", {"Red_star", "White_star", "Blue_star", "Yellow_star", "Green_star", "Orange_star", "Red_big", "White_big",
              "Blue_big", "Yellow_big", "Green_big", "Orange_big", "speed0", "speed1", "speed2", "speed3", "but_small",
              "but_close", "scroll_up", "scroll_down", "scroll_left", "scroll_right", "sb_icon", "der_icon", "respond",
              "but_small_res", "plus", "minus", "launch", "debree", "bhole", "whole", "phenom", "bhole_icon", "whole_icon",
              "phenom_icon", "map_p1", "map_p2", "map_p3", "map_p4"}}};
  for (auto& [list, names] : lists)
    for (auto& n : names)
      EXPECT_TRUE(Exists(Root() + "graphics/builtin/" + list + "/" + n + ".img")) << list << "/" << n;
}

TEST(ContentNames, FrontEndScreensFindTheirPictures) {
  for (const char* n : {"kestrine", "lgamemenu_blank", "lgamemenu", "credits", "art1", "art2", "art3", "art4", "options", "controls",
                        "selector", "tit_new_camp", "tit_load", "tit_save", "tit_new_mod", "lgui", "lgui_mask", "bbattle",
                        "abattle", "na"})
    EXPECT_TRUE(Exists(Root() + "graphics/" + n + ".img")) << n;
  EXPECT_TRUE(Exists(Root() + "sounds/music/intro.wav"));
  EXPECT_TRUE(Exists(Root() + "sounds/music/loop.wav"));
}

TEST(ContentNames, StartUpListsNameExistingFiles) {
  const std::string anims = Root() + "graphics/animations/animations.adf";
  auto sheets = sw::AdfReadSections(anims);
  ASSERT_FALSE(sheets.empty());
  for (auto& s : sheets) {
    auto pic = content::LoadPicture(Root() + "graphics/animations/" + s + ".img");
    ASSERT_TRUE(pic) << s;
    EXPECT_GE(pic->width, sw::AdfReadInteger(anims, s, "X", 0) * sw::AdfReadInteger(anims, s, "X_COUNT", 0)) << s;
    EXPECT_GE(pic->height, sw::AdfReadInteger(anims, s, "Y", 0) * sw::AdfReadInteger(anims, s, "Y_COUNT", 0)) << s;
  }
  // Ship explosions run through frames 1 to 12 of "explosion6".
  EXPECT_GE(sw::AdfReadInteger(anims, "explosion6", "X_COUNT", 0) * sw::AdfReadInteger(anims, "explosion6", "Y_COUNT", 0), 12);

  const std::string projs = Root() + "graphics/projectiles/projs.adf";
  for (auto& k : sw::AdfReadKeys(projs, "PROJECTILES"))
    EXPECT_TRUE(Exists(Root() + "graphics/projectiles/" + k + ".img")) << k;
  auto battle = BattleImageNames();
  EXPECT_TRUE(battle.count("color_shield"));
  EXPECT_TRUE(battle.count("green_shield"));

  for (auto& k : sw::AdfReadKeys(Root() + "sounds/sounds.adf", "SOUNDS"))
    EXPECT_TRUE(Exists(Root() + "sounds/" + k + ".wav")) << k;
  auto tracks = sw::AdfReadKeys(Root() + "sounds/music/music.adf", "BATTLE");
  EXPECT_GE(tracks.size(), 2u);
  for (auto& k : tracks) EXPECT_TRUE(Exists(Root() + "sounds/music/" + k + ".wav")) << k;
}

TEST(ContentNames, FixedSoundNamesOfScreensAndBattleAreListed) {
  auto sounds = SoundNames();
  for (const char* n : {"click", "explosion1", "lockwarning", "fuellow", "static"}) EXPECT_TRUE(sounds.count(n)) << n;
}

TEST(ContentNames, ShipsRacesAndWeaponsNameExistingPicturesAndSounds) {
  auto battle = BattleImageNames();
  auto sounds = SoundNames();
  for (auto& folder : content::DataFolders(Root())) {
    SCOPED_TRACE(folder.label);
    const std::string ships = folder.path + "ships.adf", weapons = folder.path + "weapons.adf",
                      races = folder.path + "races.adf";
    ASSERT_TRUE(Exists(ships));
    for (auto& cls : sw::AdfReadSections(ships)) {
      std::string bmp = sw::AdfReadString(ships, cls, "BMP_IMAGE", "");
      EXPECT_FALSE(bmp.empty()) << cls;
      EXPECT_TRUE(Exists(Root() + "ships/" + bmp + ".img")) << cls;
      // Firing pictures are shown whenever a weapon sets the fire-image countdown.
      EXPECT_TRUE(Exists(Root() + "ships/" + bmp + "_fr.img")) << cls;
      for (const char* slot : {"WEAPON1", "WEAPON2"}) {
        std::string w = sw::AdfReadString(ships, cls, slot, "");
        if (w == "EMPTY") continue;
        ASSERT_TRUE(sw::AdfSectionExists(weapons, w)) << cls << " " << slot << " " << w;
        std::string word = sw::AdfReadString(weapons, w, "Class", "");
        for (const char* key : {"FireSound", "HitSound"}) {
          std::string snd = sw::AdfReadString(weapons, w, key, "");
          if (!snd.empty()) {
            EXPECT_TRUE(sounds.count(Lower(snd))) << w << " " << key << " " << snd;
          }
        }
        std::string image = sw::AdfReadString(weapons, w, "ImageName", "");
        if (word == "FIGHTER" || word == "RELEASE" || word == "SHUTTLE") {
          // Craft are ship classes of the carrier's own file.
          EXPECT_TRUE(sw::AdfSectionExists(ships, image)) << w << " launches " << image;
          EXPECT_FALSE(sw::AdfReadBool(ships, image, "DF_INCLUDE", true)) << image;
        } else if (!image.empty()) {
          EXPECT_TRUE(battle.count(Lower(image))) << w << " image " << image;
          if (sw::AdfReadBool(weapons, w, "Animated", false) || word == "MINE" || word == "PLASMA_MINE" ||
              word == "GRAV_MINE" || word == "GRAVITON_MINE") {
            int cycles = sw::AdfReadInteger(weapons, w, "MaxCycles", 0);
            std::string base = sw::AdfReadBool(weapons, w, "Animated", false) ? image + "_" : image.substr(0, image.size() - 1);
            for (int n = 1; n <= cycles; ++n) EXPECT_TRUE(battle.count(Lower(base + std::to_string(n)))) << w << " frame " << n;
          }
        }
        std::string expl = sw::AdfReadString(weapons, w, "ExplName", "");
        int frames = sw::AdfReadInteger(weapons, w, "AnimationFrames", 0);
        if (!expl.empty() && frames == 0) {
          EXPECT_TRUE(battle.count(Lower(expl))) << w;
        }
        for (int n = 1; n <= frames; ++n) EXPECT_TRUE(battle.count(Lower(expl + std::to_string(n)))) << w << " " << n;
      }
    }
    for (auto& race : sw::AdfReadSections(races)) {
      std::string full = sw::AdfReadString(races, race, "FULL_BMP", "");
      EXPECT_TRUE(Exists(Root() + "graphics/" + full + ".img")) << race;
      EXPECT_TRUE(Exists(Root() + "graphics/" + full + "_small.img")) << race;
      EXPECT_TRUE(Exists(Root() + "graphics/" + sw::AdfReadString(races, race, "PROF", "na") + ".img")) << race;
    }
  }
}

TEST(ContentNames, PlanetChoicesShowTheSamePlanetOnSetUpAndInBattle) {
  const std::string planets = Root() + "data/planets.adf";
  auto sections = sw::AdfReadSections(planets);
  ASSERT_TRUE(std::find(sections.begin(), sections.end(), "NOPLANET") != sections.end());
  ASSERT_GE(sections.size(), 4u);
  for (auto& s : sections) {
    std::string bmp = sw::AdfReadString(planets, s, "PLANET_BMP", "");
    EXPECT_TRUE(Exists(Root() + "graphics/" + bmp + ".img")) << s;
    if (s != "NOPLANET") {
      EXPECT_EQ(s, bmp) << "the battle loads the picture named by the section";
    }
  }
}

}  // namespace
