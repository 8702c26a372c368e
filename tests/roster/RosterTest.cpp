// Ship classes, the prefix rule and adding ships to a battle.
#include <gtest/gtest.h>

#include "GameRootFixture.h"
#include "battle/ShipRoster.h"
#include "core/Errors.h"
#include "core/Numbers.h"
#include "media/ImageList.h"
#include "weapons/FakeBattle.h"
#include "weapons/Weapon.h"

namespace sw {
namespace {

class Roster : public GameRoot {
protected:
  TFakeBattle Battle;
  TDXImageList Images;
  TDataWarnings Warnings;
  TRoster R;
  void SetUp() override {
    GameRoot::SetUp();
    R.Folders = TGameFolders::FromRoot(Root);
    R.Objects = &Battle.Objects;
    R.Images = &Images;
    R.Battle = &Battle;
    R.Warnings = &Warnings;
  }
  TShipOrder Order(const std::string& cls, const std::string& desig, uint8_t side = 1) {
    TShipOrder o;
    o.Class = cls;
    o.Designation = desig;
    o.Side = side;
    o.X = 120;
    o.Y = 80;
    o.Angle = 90;
    o.Race = "TFG";
    return o;
  }
};

TEST_F(Roster, AShipTakesEveryValueOfItsClass) {
  TGameObject& s = AddShip(R, Order("Gunship", "wing"));
  EXPECT_EQ(Battle.Objects.Find("wing"), &s);
  EXPECT_EQ(s.Kind, KIND_SHIP);
  EXPECT_EQ(s.ShipClass, "Gunship");
  EXPECT_EQ(s.DisplayName, "Test Gunship");
  EXPECT_EQ(s.ImageName, "wing");
  EXPECT_EQ(s.IconImage, "wing");
  EXPECT_EQ(s.Side, 1);
  EXPECT_EQ(s.Activation, 1);
  EXPECT_EQ(s.X, 120);
  EXPECT_EQ(s.Y, 80);
  EXPECT_NEAR(s.Heading, 90 / 1.411, 1e-9);
  EXPECT_EQ(s.VX, 0);
  EXPECT_EQ(s.TurnRate, 6);
  EXPECT_DOUBLE_EQ(s.Thrust, 0.45);
  EXPECT_DOUBLE_EQ(s.MaxSpeed, 6.5);
  EXPECT_EQ(s.MaxStructure, 24);
  EXPECT_EQ(s.Structure, 24);
  EXPECT_EQ(s.MaxCrew, 12);
  EXPECT_EQ(s.Crew, 12);
  EXPECT_DOUBLE_EQ(s.MaxEnergy, 22);
  EXPECT_EQ(s.Energy, 22);
  EXPECT_DOUBLE_EQ(s.EnergyRegen, 0.14);
  EXPECT_TRUE(s.Cybernetic && s.Resiliant && s.DamageFlee && s.Rotating);
  EXPECT_FALSE(s.Organic || s.Starbase || s.GravityAffected);
  ASSERT_TRUE(s.Weapon1 && s.Weapon2);
  EXPECT_EQ(s.Weapon1->Ident, "Gun");
  EXPECT_EQ(s.Weapon1->OwnerKey, "wing");
  EXPECT_EQ(s.Weapon1->Owner, &s);
  EXPECT_EQ(s.Weapon1->ReloadCounter, 5);
  // WEAPON2 is EMPTY: the empty weapon whatever the [EMPTY] section's class says.
  EXPECT_NE(dynamic_cast<TNoWeapon*>(s.Weapon2.get()), nullptr);
  EXPECT_TRUE(Warnings.empty());
  // The sprite and its firing picture are loaded under the designation.
  EXPECT_GE(Images.IndexOf("wing"), 0);
  EXPECT_GE(Images.IndexOf("wing_fr"), 0);
}

TEST_F(Roster, ZeroHullOrCrewFromTheBattleFileMeansFull) {
  auto o = Order("Gunship", "a");
  o.Structure = 7;
  o.Crew = 3;
  TGameObject& damaged = AddShip(R, o);
  EXPECT_EQ(damaged.Structure, 7);
  EXPECT_EQ(damaged.Crew, 3);
  EXPECT_EQ(damaged.MaxStructure, 24);
  TGameObject& fresh = AddShip(R, Order("Gunship", "b"));
  EXPECT_EQ(fresh.Structure, 24);
  EXPECT_EQ(fresh.Crew, 12);
}

TEST_F(Roster, TwoShipsOfOneClassHaveTheirOwnPictures) {
  AddShip(R, Order("Gunship", "player1ship"));
  AddShip(R, Order("Gunship", "escort", 2));
  const int a = Images.IndexOf("player1ship"), b = Images.IndexOf("escort");
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_NE(Images.IndexOf("escort_fr"), Images.IndexOf("player1ship_fr"));
  // A class without a firing picture loads none.
  AddShip(R, Order("Station", "base"));
  EXPECT_EQ(Images.IndexOf("base_fr"), -1);
}

TEST_F(Roster, AStarbaseIgnoresItsPositionAndIsPlacedAtRandom) {
  RandSeed(11);
  for (int i = 0; i < 50; ++i) {
    auto o = Order("Station", "base" + std::to_string(i));
    o.LoadImages = false;
    TGameObject& s = AddShip(R, o);
    EXPECT_TRUE(s.Starbase);
    EXPECT_GE(s.X, 300);
    EXPECT_LE(s.X, 499);
    EXPECT_GE(s.Y, 100);
    EXPECT_LE(s.Y, 299);
  }
  // x is drawn before y.
  RandSeed(5);
  const int x = 300 + Random(200), y = 100 + Random(200);
  RandSeed(5);
  auto o = Order("Station", "last");
  o.LoadImages = false;
  TGameObject& s = AddShip(R, o);
  EXPECT_EQ(s.X, x);
  EXPECT_EQ(s.Y, y);
}

TEST_F(Roster, FlagshipsBringTheirRaceNameAndLogos) {
  AddShip(R, Order("Gunship", "escort"));
  EXPECT_TRUE(R.RaceName[1].empty());
  EXPECT_EQ(Images.IndexOf("race1logo"), -1);
  AddShip(R, Order("Gunship", "player2ship", 2));
  EXPECT_EQ(R.RaceName[2], "Test Guard");
  EXPECT_GE(Images.IndexOf("race2logo"), 0);
  EXPECT_GE(Images.IndexOf("race2logo_small"), 0);
  EXPECT_EQ(Images.IndexOf("race1logo"), -1);
}

TEST_F(Roster, AnAddOnShipReadsTheAddOnsOwnFiles) {
  const auto prefixes = ReadAddOnPrefixes(R.Folders.Data);
  ASSERT_EQ(prefixes, (std::vector<std::string>{"", "add-ons\\pack\\"}));
  auto o = Order("Gunship", "player1ship");
  o.Prefix = prefixes[1];
  o.Race = "PCK";
  TGameObject& s = AddShip(R, o);
  EXPECT_EQ(s.Prefix, "add-ons\\pack\\");
  EXPECT_EQ(s.DisplayName, "Pack Gunship");
  EXPECT_EQ(s.MaxStructure, 50);
  EXPECT_EQ(s.Weapon1->ReloadTime, 77);  // the add-on's gun, not the base game's
  EXPECT_EQ(s.Weapon2->ReloadTime, 77);
  EXPECT_EQ(R.RaceName[1], "Pack People");
  // Pictures are never prefixed.
  EXPECT_GE(Images.IndexOf("player1ship"), 0);
}

TEST_F(Roster, AClassWithoutASectionGivesAnEmptyHulkAndMissingPicturesFail) {
  auto o = Order("Nothing", "ghost");
  o.LoadImages = false;
  TGameObject& s = AddShip(R, o);
  EXPECT_EQ(s.MaxStructure, 0);
  EXPECT_EQ(s.Structure, 0);
  EXPECT_EQ(s.Thrust, 0);
  EXPECT_NE(dynamic_cast<TNoWeapon*>(s.Weapon1.get()), nullptr);
  EXPECT_NE(dynamic_cast<TNoWeapon*>(s.Weapon2.get()), nullptr);
  EXPECT_EQ(Warnings.size(), 2u);  // both slots name no weapon
  // With pictures asked for, the missing picture is the image loader's error.
  EXPECT_THROW(AddShip(R, Order("Nothing", "ghost2")), std::exception);
}

TEST_F(Roster, ShipFilePathsFollowThePrefixAndFindTheLetterCaseOnDisk) {
  WriteText(Root + "data/add-ons/Mixed/Ships.ADF", "[X]\nSTRUCTURE=3\n");
  const std::string f = ShipDataFile(R.Folders.Data, "add-ons\\mixed\\", "ships");
  EXPECT_EQ(ReadShipClass(f, "X").Structure, 3);
  EXPECT_EQ(ShipDataFile(R.Folders.Data, "", "weapons"), Root + "data/weapons.adf");
  // A class section reads every key's default when empty.
  const TShipClass none = ReadShipClass(f, "Y");
  EXPECT_TRUE(none.Grav);
  EXPECT_TRUE(none.DogfightInclude);
  EXPECT_EQ(none.Weapon1, "");
}

}  // namespace
}  // namespace sw
