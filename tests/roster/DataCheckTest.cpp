// The data checker, directly and through starwake-headless --check-data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "GameRootFixture.h"
#include "battle/DataCheck.h"
#include "core/Adf.h"
#include "shell/BuiltinImages.h"

namespace sw {
namespace {

class DataCheck : public GameRoot {
protected:
  void SetUp() override {
    GameRoot::SetUp();
    // Every picture the lists hold from the start, and shots with pictures in the add-on.
    for (const auto* list : {&BuiltinImagesMain(), &BuiltinImagesDF(), &BuiltinImagesM(), &BuiltinImagesMG()}) {
      const char* folder = list == &BuiltinImagesMain() ? "main" : list == &BuiltinImagesDF() ? "df"
                           : list == &BuiltinImagesM()  ? "m" : "mg";
      for (const auto& image : *list) WritePicture(Root + "graphics/builtin/" + folder + "/" + image.Name + ".img");
    }
    WriteText(Root + "data/add-ons/pack/weapons.adf",
              "[Gun]\nClass=GENERIC_WEAPON\nReloadTime=77\nImageName=bolt\nExplName=boom_\nAnimationFrames=2\n");
    AdfFlushCache();
  }
  bool Has(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& l : lines)
      if (l.rfind(line, 0) == 0) return true;
    return false;
  }
  // Runs the real runner; returns its exit code and fills its output.
  int RunChecker(const std::string& root, std::string& output) {
    const std::string out = Root + "check.txt";
    const std::string cmd = std::string(STARWAKE_HEADLESS) + " --root '" + root + "' --check-data > '" + out + "' 2>&1";
    const int status = std::system(cmd.c_str());
    std::ifstream in(out);
    std::stringstream ss;
    ss << in.rdbuf();
    output = ss.str();
    return WEXITSTATUS(status);
  }
};

TEST_F(DataCheck, ACleanRootHasNoProblems) {
  const auto lines = CheckGameData(Root);
  EXPECT_TRUE(lines.empty()) << lines.front();
}

TEST_F(DataCheck, EveryKindOfProblemIsNamedByFileSectionAndKey) {
  WriteText(Root + "data/ships.adf",
            "[Gunship]\nBMP_IMAGE=gunship\nSTRUCTURE=24\nWEAPON1=Gun\nWEAPON2=Laser\nRACE=TFG\nSHIELDS=4\n"
            "TURN_RATE=fast\nENERGY=12.5\n"
            "[Blank]\nBMP_IMAGE=nopicture\nWEAPON1=EMPTY\nRACE=Nobody\n");
  WriteText(Root + "data/weapons.adf",
            "[Gun]\nClass=GENERIC_WEAPON\nImageName=bolt\nExplName=boom_\nAnimationFrames=3\nFireSound=zap\n"
            "HitSound=kaboom\nBeamColor=glowing\nReloadTime=5\nRange=12\n"
            "[Odd]\nClass=beam_weapon\n[Bare]\nDisplay=nothing\n[Later]\nClass=DOUBLE_GUN\n[Bay]\nClass=FIGHTER\n"
            "ImageName=NoCraft\n");
  WriteText(Root + "data/add-ons/pack/weapons.adf",
            "[Gun]\nClass=GENERIC_WEAPON\nTrailColor=puce\nImageName=bolt\nExplName=boom_\nAnimationFrames=2\n");
  AdfFlushCache();
  const auto lines = CheckGameData(Root);
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  const char* expected[] = {
      "data/ships.adf:Gunship:WEAPON2: weapon \"Laser\" does not exist",
      "data/ships.adf:Gunship:SHIELDS: no ship class reads this key",
      "data/ships.adf:Gunship:TURN_RATE: \"fast\" is not a number",
      "data/ships.adf:Gunship:ENERGY: not a whole number",
      "data/ships.adf:Blank:BMP_IMAGE: picture ships/nopicture.img does not exist",
      "data/ships.adf:Blank:WEAPON2: no weapon named",
      "data/ships.adf:Blank:RACE: race \"Nobody\" does not exist",
      "data/weapons.adf:Gun:ExplName: picture \"boom_3\" is not loaded",
      "data/weapons.adf:Gun:HitSound: sound \"kaboom\"",
      "data/weapons.adf:Gun:BeamColor: colour \"glowing\"",
      "data/weapons.adf:Gun:Range: no weapon class reads this key",
      "data/weapons.adf:Odd:Class: unknown weapon class \"beam_weapon\"",
      "data/weapons.adf:Bare:Class: the weapon has no class word",
      "data/weapons.adf:Bay:ImageName: craft class \"NoCraft\" does not exist",
      "data/add-ons/pack/weapons.adf:Gun:TrailColor: colour \"puce\"",
      // Every family is in the game: a gun without pictures is found whether a ship carries it or not.
      "data/weapons.adf:Later:ImageName: the weapon's shots have no picture",
      "data/weapons.adf:Later:ExplName: the weapon's shots have no detonation picture",
  };
  for (const char* e : expected) EXPECT_TRUE(Has(lines, e)) << e << "\n--- got:\n" << all;
  EXPECT_EQ(lines.size(), std::size(expected)) << all;
}

TEST_F(DataCheck, PicturesABattleCannotDoWithoutAreFoundFirst) {
  WriteText(Root + "data/ships.adf",
            "[Ghost]\nBMP_IMAGE=station\nSTRUCTURE=1e300\nCREW=2147483647\nWEAPON1=Veil\nWEAPON2=Bare\n"
            "RACE=TFG\n[Rock]\nBMP_IMAGE=gunship\nWEAPON1=Mask\nWEAPON2=EMPTY\nRACE=\n");
  WriteText(Root + "data/weapons.adf",
            "[Veil]\nClass=CLOAK\n[Mask]\nClass=MIMIC\n"
            "[Bare]\nClass=DOUBLE_GUN\nImageName=\nExplName=\nReloadTime=2147483647\n");
  WriteText(Root + "data/races.adf", "[TFG]\nDISPLAY_NAME=Test Guard\nFULL_BMP=race_tfg\n[NOL]\nDISPLAY_NAME=No logo\n");
  // A built-in picture deleted, a logo cut short, a sheet far smaller than its counts.
  std::filesystem::remove(Root + "graphics/builtin/m/star2.img");
  WriteText(Root + "graphics/race_tfg_small.img", "BM\x10");
  WriteText(Root + "graphics/animations/animations.adf", "[boom]\nX=4\nY=4\nX_COUNT=100000\nY_COUNT=1\n");
  AdfFlushCache();
  const auto lines = CheckGameData(Root);
  std::string all;
  for (const auto& l : lines) all += l + "\n";
  const char* expected[] = {
      "graphics/builtin/m/star2.img::: picture graphics/builtin/m/star2.img does not exist",
      "graphics/animations/animations.adf:boom:X_COUNT: 100000 columns asked, 3 fit in the sheet",
      "data/ships.adf:Ghost:STRUCTURE: 1e300 is out of range 0..100000",
      "data/ships.adf:Ghost:CREW: 2147483647 is out of range 0..100000",
      "data/ships.adf:Ghost:WEAPON1: the CLOAK device \"Veil\" needs a firing picture",
      "data/ships.adf:Rock:RACE: the class has no race",
      "data/weapons.adf:Bare:ReloadTime: 2147483647 is out of range",
      "data/weapons.adf:Bare:ImageName: the weapon's shots have no picture",
      "data/weapons.adf:Bare:ExplName: the weapon's shots have no detonation picture",
      "data/races.adf:TFG:FULL_BMP: picture graphics/race_tfg_small.img cannot be read",
      "data/races.adf:NOL:FULL_BMP: the race has no logo",
  };
  for (const char* e : expected) EXPECT_TRUE(Has(lines, e)) << e << "\n--- got:\n" << all;
  EXPECT_EQ(lines.size(), std::size(expected)) << all;
  // The mimic's ship has its firing picture.
  EXPECT_EQ(all.find(":Rock:WEAPON1:"), std::string::npos) << all;
}

TEST_F(DataCheck, TheRunnerExitsZeroOnGoodDataAndOneWithTheLinesOnBadData) {
  std::string output;
  EXPECT_EQ(RunChecker(Root, output), 0) << output;
  EXPECT_EQ(output, "");
  WriteText(Root + "data/weapons.adf", "[Gun]\nClass=LASER\n");
  EXPECT_EQ(RunChecker(Root, output), 1);
  EXPECT_NE(output.find("data/weapons.adf:Gun:Class: unknown weapon class \"LASER\""), std::string::npos) << output;
}

TEST_F(DataCheck, TheShippedDataPasses) {
  const std::string root = STARWAKE_TEST_ROOT;
  if (!std::ifstream(root + "/data/ships.adf").good())
    GTEST_SKIP() << "the game root has not been built with its content";
  std::string output;
  EXPECT_EQ(RunChecker(root, output), 0) << output;
}

}  // namespace
}  // namespace sw
