// Pictures survive the game's 16-bit conversion: no visible pixel of a
// keyed picture turns into the key colour, ship sprites are mostly opaque,
// and pictures have the sizes the screens draw them at.
#include <gtest/gtest.h>

#include "ContentFiles.h"
#include "core/Adf.h"

namespace {

using content::Root;

struct KeyStats {
  int key = 0;        // pixels exactly the key colour (transparent)
  int collapsed = 0;  // other pixels that become the key in RGB565
  int visible = 0;
};

KeyStats Count(const content::Picture& p, uint8_t kr, uint8_t kg, uint8_t kb) {
  KeyStats s;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      uint8_t r = p.R(x, y), g = p.G(x, y), b = p.B(x, y);
      if (r == kr && g == kg && b == kb) { ++s.key; continue; }
      if ((r >> 3) == (kr >> 3) && (g >> 2) == (kg >> 2) && (b >> 3) == (kb >> 3)) ++s.collapsed;
      else ++s.visible;
    }
  return s;
}

TEST(PictureKeys, ShipSpritesAreMostlyOpaqueAfterConversion) {
  int checked = 0;
  for (auto& folder : content::DataFolders(Root())) {
    const std::string ships = folder.path + "ships.adf";
    for (auto& cls : sw::AdfReadSections(ships)) {
      std::string bmp = sw::AdfReadString(ships, cls, "BMP_IMAGE", "");
      for (const std::string suffix : {"", "_fr"}) {
        auto pic = content::LoadPicture(Root() + "ships/" + bmp + suffix + ".img");
        ASSERT_TRUE(pic) << cls << suffix;
        KeyStats s = Count(*pic, 0, 0, 0);
        EXPECT_EQ(s.collapsed, 0) << cls << suffix << ": dark pixels would turn transparent";
        // The hull covers a good part of its square, with a transparent margin.
        double cover = double(s.visible) / (pic->width * pic->height);
        EXPECT_GT(cover, 0.15) << cls << suffix;
        EXPECT_GT(s.key, 0) << cls << suffix << ": no transparent background";
        EXPECT_EQ(pic->R(0, 0) | pic->G(0, 0) | pic->B(0, 0), 0) << cls << suffix;
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, 40);
}

TEST(PictureKeys, RedKeyedPicturesKeepTheirVisiblePixels) {
  std::vector<std::string> red = {"graphics/options", "graphics/controls", "graphics/selector", "graphics/lgui", "graphics/lgui_mask",
                                  "graphics/art1", "graphics/art2", "graphics/art3", "graphics/art4"};
  for (const char* n : {"start", "men_load", "dog", "credits", "men_options", "exit", "back", "op1", "op11", "opa_l",
                        "cont_but", "canc_but", "scroll_up"})
    red.push_back(std::string("graphics/builtin/main/") + n);
  for (const char* n : {"a_right", "bstart", "plus", "minus1", "AI", "noAI", "a_left_big", "mod_selector"})
    red.push_back(std::string("graphics/builtin/df/") + n);
  for (const char* n : {"speed0", "but_small", "scroll_left", "plus", "launch", "map_p1"})
    red.push_back(std::string("graphics/builtin/mg/") + n);
  for (auto& n : red) {
    auto pic = content::LoadPicture(Root() + n + ".img");
    ASSERT_TRUE(pic) << n;
    KeyStats s = Count(*pic, 255, 0, 0);
    EXPECT_EQ(s.collapsed, 0) << n;
    EXPECT_GT(s.visible, 0) << n;
  }
  // The mask over the set-up screen's browsers is mostly see-through.
  auto mask = content::LoadPicture(Root() + "graphics/lgui_mask.img");
  ASSERT_TRUE(mask);
  EXPECT_GT(Count(*mask, 255, 0, 0).key, mask->width * mask->height / 2);
}

TEST(PictureKeys, BlackKeyedBattlePicturesKeepTheirVisiblePixels) {
  std::vector<std::string> black = {"graphics/builtin/main/cursor", "graphics/kestrine", "graphics/planets"};
  for (const char* n : {"star1", "star2", "star3", "star4", "asteroid1", "asteroid5", "man_alive", "man_alive_not",
                        "man_marine", "cybernetic", "organic", "resiliant"})
    black.push_back(std::string("graphics/builtin/m/") + n);
  const std::string projs = Root() + "graphics/projectiles/projs.adf";
  for (auto& k : sw::AdfReadKeys(projs, "PROJECTILES"))
    if (sw::AdfReadString(projs, "PROJECTILES", k, "clBlack") == "clBlack") black.push_back("graphics/projectiles/" + k);
  for (auto& s : sw::AdfReadSections(Root() + "graphics/animations/animations.adf"))
    black.push_back("graphics/animations/" + s);
  for (auto& n : black) {
    auto pic = content::LoadPicture(Root() + n + ".img");
    ASSERT_TRUE(pic) << n;
    KeyStats s = Count(*pic, 0, 0, 0);
    EXPECT_EQ(s.collapsed, 0) << n;
    EXPECT_GT(s.visible, 0) << n;
  }
}

TEST(PictureKeys, PicturesHaveTheSizesTheScreensUse) {
  struct Size { const char* name; int w, h; };
  const Size sizes[] = {
      {"graphics/builtin/main/start", 113, 23}, {"graphics/builtin/main/back", 59, 23},
      {"graphics/builtin/main/op1", 243, 23},   {"graphics/builtin/main/op4", 163, 23},
      {"graphics/builtin/main/opa_l", 24, 23},  {"graphics/builtin/main/cont_but", 73, 18},
      {"graphics/builtin/main/scroll_up", 236, 12}, {"graphics/builtin/df/a_right", 12, 54},
      {"graphics/builtin/df/a_left_big", 12, 104},  {"graphics/builtin/df/plus", 26, 11},
      {"graphics/builtin/df/AI", 73, 34},           {"graphics/builtin/df/mod_selector", 221, 23},
      {"graphics/builtin/df/bstart", 59, 23},       {"graphics/builtin/m/cybernetic", 15, 15},
      {"graphics/builtin/mg/but_small", 101, 11},   {"graphics/builtin/mg/speed0", 24, 11},
      {"graphics/builtin/mg/launch", 73, 73},       {"graphics/builtin/mg/respond", 546, 11},
      {"graphics/planets", 200, 200},               {"graphics/lgamemenu", 800, 600},
      {"graphics/lgui", 800, 600},                  {"graphics/lgui_mask", 800, 600},
      {"graphics/bbattle", 800, 600},               {"graphics/abattle", 800, 600},
      {"graphics/options", 800, 600},               {"graphics/credits", 800, 600},
      {"graphics/lgamemenu_blank", 800, 1000},
  };
  for (auto& s : sizes) {
    auto pic = content::LoadPicture(Root() + s.name + ".img");
    ASSERT_TRUE(pic) << s.name;
    EXPECT_EQ(pic->width, s.w) << s.name;
    EXPECT_EQ(pic->height, s.h) << s.name;
  }
  // Race logos fit the battle screens' places; the small ones the 50 x 50 browser box.
  for (auto& folder : content::DataFolders(Root())) {
    const std::string races = folder.path + "races.adf";
    for (auto& r : sw::AdfReadSections(races)) {
      std::string full = sw::AdfReadString(races, r, "FULL_BMP", "");
      auto big = content::LoadPicture(Root() + "graphics/" + full + ".img");
      auto small = content::LoadPicture(Root() + "graphics/" + full + "_small.img");
      ASSERT_TRUE(big && small) << r;
      EXPECT_LE(big->width, 300) << r;
      EXPECT_LE(big->height, 195) << r;
      EXPECT_LE(small->width, 50) << r;
      EXPECT_LE(small->height, 50) << r;
    }
  }
}

}  // namespace
