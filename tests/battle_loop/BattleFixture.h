#pragma once
// A battle over the built game root, started from a battle file written by the test.
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "GameRootCopy.h"
#include "battle/Melee.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

namespace sw::test {

// One SHIPn section of a battle file.
struct TShipLine {
  int Side;
  std::string Designation, Class, Race;
  int X, Y, Angle = 0;
  bool AI = false;
  int Damage = 0, Crew = 0;
  std::string Prefix{};
};

inline std::string BattleFileText(const std::vector<TShipLine>& ships, int asteroids = -1) {
  std::ostringstream out;
  out << "[MISC]\nASTEROIDS=" << asteroids << "\nTOTAL_SHIPS=" << ships.size() << "\n";
  for (size_t i = 0; i < ships.size(); ++i) {
    const TShipLine& s = ships[i];
    out << "\n[SHIP" << i + 1 << "]\nSIDE=" << s.Side << "\nDESIG=" << s.Designation << "\nCLASS=" << s.Class
        << "\nRACE=" << s.Race << "\nXPOS=" << s.X << "\nYPOS=" << s.Y << "\nANGLE=" << s.Angle
        << "\nAI=" << (s.AI ? 1 : 0) << "\nDAMAGE=" << s.Damage << "\nCREW=" << s.Crew << "\nPREFIX=" << s.Prefix
        << "\n";
  }
  return out.str();
}

// Two plain hulls far apart, both flown by people.
inline std::vector<TShipLine> TwoShips() {
  return {{1, "player1ship", "TFG_Lancer", "TFG", 100, 300}, {2, "player2ship", "ZHA_Raider", "ZHA", 700, 300}};
}

class BattleTest : public ::testing::Test {
protected:
  void SetUp() override {
    TPlatform p;
    p.Audio = &Audio;
    p.Now = [] { return static_cast<std::time_t>(0); };
    Main = std::make_unique<TfmMain>(p, Root.Path);
    Main->FormCreate();
    Main->DXDrawInitializeSurface();
  }
  // Writes the battle file into this test's own root.
  void WriteBattle(const std::vector<TShipLine>& ships, int asteroids = -1) {
    std::ofstream(Root.Path + "battle.adf") << BattleFileText(ships, asteroids);
  }
  uint64_t BattleSeed = 20261210;
  // Builds a battle straight from the ships, already fighting.
  TMelee& Start(const std::vector<TShipLine>& ships, int asteroids = -1) {
    WriteBattle(ships, asteroids);
    std::string file = Root.Path + "battle.adf";
    TBattleEnvironment env;
    env.Folders = TGameFolders::FromRoot(Root.Path);
    env.Images = Main->DXImageListM.get();
    env.Waves = Main->DXWaveList.get();
    env.Input = Main->DXInput.get();
    env.Surface = &Main->DXDraw->Surface;
    // A fixed seed: the same fight on every run, so a test never rests on a lucky draw.
    env.Seed = BattleSeed;
    Battle = std::make_unique<TMelee>(env, file);
    Battle->Phase = bpFighting;
    return *Battle;
  }
  TGameObject& Ship(const std::string& name) { return *Battle->Objects.Find(name); }

  TGameRootCopy Root;
  THeadlessAudio Audio;
  std::unique_ptr<TfmMain> Main;
  std::unique_ptr<TMelee> Battle;
};

}  // namespace sw::test
