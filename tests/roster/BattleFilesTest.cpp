// The battle set-up file, the outcome file and the choice of battle music.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "GameRootFixture.h"
#include "battle/BattleFile.h"
#include "battle/BattleMusic.h"
#include "battle/Outcome.h"
#include "battle/ShipRoster.h"
#include "core/Adf.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "media/ImageList.h"
#include "media/WaveList.h"
#include "media/headless/HeadlessAudio.h"
#include "weapons/FakeBattle.h"
#include "weapons/Weapon.h"

namespace sw {
namespace {

class BattleFiles : public GameRoot {
protected:
  TFakeBattle Battle;
  TDXImageList Images;
  TDataWarnings Warnings;
  TRoster R;
  std::string File;
  void SetUp() override {
    GameRoot::SetUp();
    R.Folders = TGameFolders::FromRoot(Root);
    R.Objects = &Battle.Objects;
    R.Images = &Images;
    R.Battle = &Battle;
    R.Warnings = &Warnings;
    File = Root + "battle.adf";
  }
  static std::string Ship(int n, const std::string& desig, int side, const std::string& extra = "") {
    return "[SHIP" + std::to_string(n) + "]\nSIDE=" + std::to_string(side) + "\nDESIG=" + desig +
           "\nRACE=TFG\nXPOS=100\nYPOS=200\nANGLE=45\nAI=1\nCLASS=Gunship\n" + extra;
  }
};

TEST_F(BattleFiles, TheFileBuildsAsteroidsThenThePlanetThenTheShipsInOrder) {
  WriteText(File, "[MISC]\nASTEROIDS=2\nPLANET_NAME=ringworld\nPLANET_X=350\nPLANET_Y=250\nPLANET_GRAV_FORCE=30\n"
                  "TOTAL_SHIPS=2\n" +
                      Ship(2, "player2ship", 7, "DAMAGE=5\nCREW=2\nAISKILL=-4\n") + Ship(1, "player1ship", 1));
  const TBattleSetup s = ReadBattleFile(File, &Warnings);
  RequireFlagships(s, File);
  BuildBattle(s, R);
  std::vector<std::string> names;
  for (int i = 0; i < Battle.Objects.Count(); ++i) names.push_back(Battle.Objects.NameAt(i));
  EXPECT_EQ(names, (std::vector<std::string>{"asteroid_0", "asteroid_1", "asteroid_2", "planet", "player1ship",
                                             "player2ship"}));
  const TGameObject& planet = *Battle.Objects.Find("planet");
  EXPECT_EQ(planet.Kind, KIND_PLANET);
  EXPECT_EQ(planet.X, 350);
  EXPECT_EQ(planet.Y, 250);
  EXPECT_EQ(planet.GravForce, 30);
  EXPECT_EQ(planet.Side, 0);
  EXPECT_EQ(planet.ImageName, "planet");
  EXPECT_GE(Images.IndexOf("planet"), 0);
  const TGameObject& p2 = *Battle.Objects.Find("player2ship");
  EXPECT_EQ(p2.Side, 2);  // any SIDE but 1 is side 2
  EXPECT_TRUE(p2.AIDriven);
  EXPECT_EQ(p2.Structure, 5);
  EXPECT_EQ(p2.Crew, 2);
  EXPECT_EQ(p2.X, 100);
  EXPECT_EQ(p2.Y, 200);
  EXPECT_EQ(p2.Activation, 1);
  EXPECT_EQ(p2.AISkill, 0) << "a skill below Cadet is held to Cadet";
  EXPECT_EQ(Battle.Objects.Find("player1ship")->AISkill, 2) << "no AISKILL: an Ace";
  EXPECT_EQ(Battle.Objects.Find("player1ship")->Structure, 24);  // DAMAGE 0: full hull
  EXPECT_EQ(R.RaceName[1], "Test Guard");
  EXPECT_TRUE(Warnings.empty());
}

TEST_F(BattleFiles, AsteroidCounts) {
  for (auto [value, count] : {std::pair{"0", 1}, {"-1", 0}, {"-7", 0}, {"", 0}, {"39", 40}}) {
    WriteText(File, std::string("[MISC]\nASTEROIDS=") + value + "\n");
    TFakeBattle b;
    TRoster r = R;
    r.Objects = &b.Objects;
    BuildBattle(ReadBattleFile(File), r);
    EXPECT_EQ(b.Objects.Count(), count) << value;
  }
  WriteText(File, "[MISC]\nASTEROIDS=2147483647\n");
  TDataWarnings w;
  EXPECT_EQ(ReadBattleFile(File, &w).Asteroids, MaxBattleAsteroids - 1);
  EXPECT_EQ(w.size(), 1u);
}

TEST_F(BattleFiles, ABattleWithoutBothFlagshipsIsRefused) {
  WriteText(File, "[MISC]\nTOTAL_SHIPS=1\n" + Ship(1, "player1ship", 1));
  try {
    RequireFlagships(ReadBattleFile(File), File);
    FAIL() << "accepted a battle without player2ship";
  } catch (const EGameError& e) {
    EXPECT_NE(std::string(e.what()).find("player2ship"), std::string::npos) << e.what();
  }
  EXPECT_THROW(RequireFlagships(ReadBattleFile(Root + "missing.adf"), File), EGameError);
  const TBattleSetup empty = ReadBattleFile(Root + "missing.adf");
  EXPECT_EQ(empty.Asteroids, -1);
  EXPECT_TRUE(empty.PlanetName.empty());
  EXPECT_TRUE(empty.Ships.empty());
}

TEST_F(BattleFiles, OnlyTheAnnouncedShipSectionsThatExistAreRead) {
  WriteText(File, "[MISC]\nTOTAL_SHIPS=2000000000\n" + Ship(1, "player1ship", 1) + Ship(3, "player2ship", 2) +
                      Ship(9, "extra", 2) + "[SHIP03]\nDESIG=padded\n[SHIPX]\nDESIG=nonsense\n");
  const TBattleSetup s = ReadBattleFile(File, &Warnings);
  ASSERT_EQ(s.Ships.size(), 3u);
  EXPECT_EQ(s.Ships[0].Designation, "player1ship");
  EXPECT_EQ(s.Ships[1].Designation, "player2ship");
  EXPECT_EQ(s.Ships[2].Designation, "extra");
  EXPECT_EQ(Warnings.size(), 1u);
  // Sections beyond TOTAL_SHIPS are not read.
  WriteText(File, "[MISC]\nTOTAL_SHIPS=1\n" + Ship(1, "player1ship", 1) + Ship(2, "player2ship", 2));
  EXPECT_EQ(ReadBattleFile(File).Ships.size(), 1u);
}

TEST_F(BattleFiles, RandomAndTruncatedFilesNeverCrash) {
  const std::string good = "[MISC]\nASTEROIDS=3\nPLANET_NAME=ringworld\nTOTAL_SHIPS=2\n" + Ship(1, "player1ship", 1) +
                           Ship(2, "player2ship", 2);
  const std::string ships = "[Gunship]\nBMP_IMAGE=gunship\nSTRUCTURE=24\nWEAPON1=Gun\nWEAPON2=EMPTY\n";
  const std::string weapons = "[Gun]\nClass=GENERIC_WEAPON\nBeamColor=clAqua\nReloadTime=5\n";
  std::mt19937 gen(1234);
  auto mangle = [&](const std::string& text) {
    std::string t = text.substr(0, gen() % (text.size() + 1));
    for (int k = gen() % 6; k > 0 && !t.empty(); --k) t[gen() % t.size()] = static_cast<char>(gen() % 256);
    if (gen() % 4 == 0) {
      t.clear();
      for (int k = gen() % 300; k > 0; --k) t += static_cast<char>(gen() % 256);
    }
    return t;
  };
  for (int i = 0; i < 150; ++i) {
    WriteText(File, mangle(good));
    WriteText(Root + "data/ships.adf", mangle(ships));
    WriteText(Root + "data/weapons.adf", mangle(weapons));
    AdfFlushCache();
    TFakeBattle b;
    TDXImageList images;
    TRoster r = R;
    r.Objects = &b.Objects;
    r.Images = &images;
    try {
      const TBattleSetup s = ReadBattleFile(File, &Warnings);
      RequireFlagships(s, File);
      BuildBattle(s, r);
      for (int k = 0; k < b.Objects.Count(); ++k) {
        TGameObject* o = b.Objects.At(k);
        if (o->Kind == KIND_SHIP) {
          ASSERT_TRUE(o->Weapon1 && o->Weapon2);
          o->Weapon1->Fire(0);
        }
      }
    } catch (const EGameError&) {
      // A refused battle or a missing picture is reported, not a crash.
    }
  }
}

TEST_F(BattleFiles, TheOutcomeListsEveryShipWithWhatIsLeft) {
  TObjectList objects;
  auto add = [&](const std::string& name, uint8_t kind, uint8_t side, double hull, double crew) -> TGameObject& {
    auto o = std::make_unique<TGameObject>(kind, 0, 0, 0, 0);
    o->Side = side;
    o->Structure = hull;
    o->Crew = crew;
    o->ShipClass = "Gunship";
    return *objects.Add(name, std::move(o));
  };
  add("asteroid_0", KIND_ASTEROID, 0, 1, 1);
  add("player1ship", KIND_SHIP, 1, 12.5, 3.5);
  TGameObject& wreck = add("player2ship", KIND_SHIP, 2, -4, -1);
  wreck.Removed = true;
  add("exploding", KIND_WEAPON, 2, 0, 0);
  add("captured", KIND_SHIP, 1, 7, 2);  // was side 2, now flies for side 1
  const TBattleOutcome out = CollectOutcome(objects, 1, 55);
  ASSERT_EQ(out.Ships.size(), 3u);
  EXPECT_EQ(out.Ships[0].Designation, "player1ship");
  EXPECT_EQ(out.Ships[0].Damage, 12);  // halves to even
  EXPECT_EQ(out.Ships[0].Crew, 4);
  EXPECT_EQ(out.Ships[1].Damage, 0);  // a destroyed ship has nothing left, never less
  EXPECT_EQ(out.Ships[1].Crew, 0);
  EXPECT_EQ(out.Ships[2].Designation, "captured");
  EXPECT_EQ(out.Ships[2].Side, 1);

  const std::string path = Root + "outcome.adf";
  WriteText(path, "[OUTCOME]\nWINNING_SIDE=2\n[oldship]\nSIDE=2\n");
  WriteOutcomeFile(path, out);
  const TBattleOutcome back = ReadOutcomeFile(path);
  EXPECT_EQ(back.WinningSide, 1);
  EXPECT_EQ(back.Salvage, 55);
  ASSERT_EQ(back.Ships.size(), 3u);  // the old file's ships are gone
  EXPECT_EQ(back.Ships[1].Designation, "player2ship");
  EXPECT_EQ(back.Ships[1].Side, 2);
  EXPECT_EQ(back.Ships[1].Damage, 0);
  EXPECT_EQ(back.Ships[0].Class, "Gunship");
  EXPECT_EQ(AdfReadInteger(path, "captured", "SIDE", 0), 1);
  // A file that cannot be written is the game's error.
  EXPECT_THROW(WriteOutcomeFile(Root + "no/such/folder/outcome.adf", out), EGameError);
}

TEST_F(BattleFiles, BattleMusicIsDrawnFromTheListAndNoListMeansSilence) {
  const std::string music = R.Folders.Music;
  EXPECT_EQ(BattleMusicTracks(music), (std::vector<std::string>{"track_a", "track_b"}));
  std::set<std::string> chosen;
  for (int i = 0; i < 40; ++i) chosen.insert(ChooseBattleMusic(music));
  EXPECT_EQ(chosen, (std::set<std::string>{"track_a", "track_b"}));

  THeadlessAudio audio;
  TDXWaveList waves(&audio);
  ASSERT_TRUE(LoadBattleMusic(waves, music, -500));
  const TWaveItem& melee = waves.Find("MeleeMusic");
  EXPECT_TRUE(melee.Looped);
  EXPECT_EQ(melee.Volume(), -500);
  ASSERT_TRUE(LoadBattleMusic(waves, music, 0));  // the second choice replaces the first
  EXPECT_EQ(waves.Count(), 1);

  for (const std::string text : {"[BATTLE]\n", "[MENU]\nx=1\n", ""}) {
    WriteText(music + "music.adf", text);
    AdfFlushCache();
    TDXWaveList none(&audio);
    EXPECT_EQ(ChooseBattleMusic(music), "");
    EXPECT_FALSE(LoadBattleMusic(none, music, 0));
    EXPECT_EQ(none.Count(), 0);
  }
}

}  // namespace
}  // namespace sw
