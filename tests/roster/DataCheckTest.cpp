// The data checker, directly and through starwake-headless --check-data.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "GameRootFixture.h"
#include "battle/DataCheck.h"
#include "core/Adf.h"

namespace sw {
namespace {

class DataCheck : public GameRoot {
protected:
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
  WriteText(Root + "data/add-ons/pack/weapons.adf", "[Gun]\nClass=GENERIC_WEAPON\nTrailColor=puce\n");
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
  };
  for (const char* e : expected) EXPECT_TRUE(Has(lines, e)) << e << "\n--- got:\n" << all;
  EXPECT_EQ(lines.size(), std::size(expected)) << all;
  // A class word of a family that is not in the game yet is good data.
  EXPECT_EQ(all.find(":Later:"), std::string::npos);
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
