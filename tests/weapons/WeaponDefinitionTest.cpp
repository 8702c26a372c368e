// Reading weapon sections and choosing the weapon class from the class word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <set>
#include <typeinfo>

#include "FakeBattle.h"
#include "TempFolder.h"
#include "core/Adf.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponDefinition.h"
#include "weapons/WeaponFactory.h"

namespace sw {
namespace {

std::string WriteFile(const TTempFolder& folder, const std::string& name, const std::string& text) {
  std::string path = folder.Path + "/" + name;
  std::ofstream(path) << text;
  return path;
}

TEST(WeaponDefinition, MissingKeysTakeTheirDefaults) {
  TTempFolder folder;
  auto file = WriteFile(folder, "weapons.adf", "[Bare]\nDisplay=Bare gun\n");
  TDataWarnings warnings;
  for (const std::string ident : {"Bare", "NoSuchSection"}) {
    auto d = ReadWeaponDefinition(file, ident, &warnings);
    EXPECT_EQ(d.ClassWord, "");
    EXPECT_EQ(d.ReloadTime, 0);
    EXPECT_EQ(d.DefaultOpacity, 255);
    EXPECT_TRUE(d.AttackFriendly);
    EXPECT_TRUE(d.ContinuesWeapon);
    EXPECT_TRUE(d.DamagingWeapon);
    EXPECT_TRUE(d.GravityAff);
    EXPECT_EQ(d.CycleSpeed, 1);
    EXPECT_EQ(d.BeamColor, clRed);
    EXPECT_EQ(d.TrailColor, clRed);
    EXPECT_FALSE(d.Turret);
    EXPECT_EQ(d.Ident, ident);
  }
  EXPECT_TRUE(warnings.empty());
  // A missing file gives the same defaults.
  EXPECT_EQ(ReadWeaponDefinition(folder.Path + "/none.adf", "Bare").DefaultOpacity, 255);
}

TEST(WeaponDefinition, EveryKeyIsReadIntoItsField) {
  TTempFolder folder;
  auto file = WriteFile(folder, "weapons.adf",
                        "[Full]\nclass=GENERIC_WEAPON\nDisplay=Full gun\nAIDriven=1\nTurnRate=2.5\nThrusters=3\n"
                        "BurnSeq=4\nPrimalDamage=5\nSecondDamage=6\nProjectileSpeed=7\nLifeSpan=8\nEnergyUsage=9\n"
                        "Activation=10\nReloadTime=11\nWeaponArc=12\nAIFireChance=13\nHitPoints=14\nAIInterest=15\n"
                        "CreateShockwave=1\nDefaultOpacity=16\nGravityAff=0\nBeamType=258\nBeamColor=clAqua\n"
                        "Degrading=1\nVampiric=1\nEnergyDrain=1\nImpulse=1\nAttackFriendly=0\nDamagingWeapon=0\n"
                        "WeaponDir=2\nTrailColor=$00FF00\nFireSound=fs\nHitSound=hs\nImageName=img\nExplName=ex\n"
                        "FireImageCounter=17\nAnimationFrames=18\nContinuesWeapon=0\nBeacon=1\nTurret=1\n"
                        "MaxCycles=19\nCycleSpeed=20\nRotAngle=21\nAnimated=1\nRotating=1\nDetOnTarg=1\n"
                        "RemoteDetonation=1\nRandomizer=22\nTransportType=1\n");
  auto d = ReadWeaponDefinition(file, "FULL");  // section names match without regard to case
  EXPECT_EQ(d.ClassWord, "GENERIC_WEAPON");
  EXPECT_EQ(d.Display, "Full gun");
  EXPECT_TRUE(d.AIDriven);
  EXPECT_DOUBLE_EQ(d.TurnRate, 2.5);
  EXPECT_EQ(d.Thrusters, 3);
  EXPECT_EQ(d.BurnSeq, 4);
  EXPECT_EQ(d.PrimalDamage, 5);
  EXPECT_EQ(d.SecondDamage, 6);
  EXPECT_EQ(d.ProjectileSpeed, 7);
  EXPECT_EQ(d.LifeSpan, 8);
  EXPECT_EQ(d.EnergyUsage, 9);
  EXPECT_EQ(d.Activation, 10);
  EXPECT_EQ(d.ReloadTime, 11);
  EXPECT_EQ(d.WeaponArc, 12);
  EXPECT_EQ(d.AIFireChance, 13);
  EXPECT_EQ(d.HitPoints, 14);
  EXPECT_EQ(d.AIInterest, 15);
  EXPECT_TRUE(d.CreateShockwave);
  EXPECT_EQ(d.DefaultOpacity, 16);
  EXPECT_FALSE(d.GravityAff);
  EXPECT_EQ(d.BeamType, 2);  // a byte: 258 keeps its low 8 bits
  EXPECT_EQ(d.BeamColor, clAqua);
  EXPECT_TRUE(d.Degrading && d.Vampiric && d.EnergyDrain && d.Impulse);
  EXPECT_FALSE(d.AttackFriendly);
  EXPECT_FALSE(d.DamagingWeapon);
  EXPECT_EQ(d.WeaponDir, 2);
  EXPECT_EQ(d.TrailColor, 0x00FF00u);
  EXPECT_EQ(d.FireSound, "fs");
  EXPECT_EQ(d.HitSound, "hs");
  EXPECT_EQ(d.ImageName, "img");
  EXPECT_EQ(d.ExplName, "ex");
  EXPECT_EQ(d.FireImageCounter, 17);
  EXPECT_EQ(d.AnimationFrames, 18);
  EXPECT_FALSE(d.ContinuesWeapon);
  EXPECT_TRUE(d.Beacon && d.Turret);
  EXPECT_EQ(d.MaxCycles, 19);
  EXPECT_EQ(d.CycleSpeed, 20);
  EXPECT_EQ(d.RotAngle, 21);
  EXPECT_TRUE(d.Animated && d.Rotating && d.DetOnTarg && d.RemoteDetonation);
  EXPECT_EQ(d.Randomizer, 22);
  EXPECT_EQ(d.TransportType, 1);
  // The key list used by the data checker knows every key of this section.
  EXPECT_EQ(WeaponFileKeys().size(), 48u);
}

TEST(WeaponDefinition, NumbersBeyondAnyWeaponAreHeldToTheirRangeWithAWarning) {
  TTempFolder folder;
  auto file = WriteFile(folder, "weapons.adf",
                        "[Wild]\nClass=GENERIC_WEAPON\nReloadTime=2147483647\nLifeSpan=-1\n"
                        "ProjectileSpeed=2147483647\nCycleSpeed=2147483647\nAnimationFrames=100000\n"
                        "WeaponDir=2147483647\nSecondDamage=-2147483647\nTurnRate=1e300\nActivation=50\n");
  TDataWarnings warnings;
  auto d = ReadWeaponDefinition(file, "Wild", &warnings);
  EXPECT_EQ(d.ReloadTime, MaxFrames);
  EXPECT_EQ(d.LifeSpan, 0);
  EXPECT_EQ(d.ProjectileSpeed, MaxSpeed);
  EXPECT_EQ(d.CycleSpeed, 360);
  EXPECT_EQ(d.AnimationFrames, MaxAnimationFrames);
  EXPECT_EQ(d.WeaponDir, 4);
  EXPECT_EQ(d.SecondDamage, -MaxAmount);
  EXPECT_EQ(d.TurnRate, 0);
  EXPECT_EQ(d.Activation, 50) << "a number in range is kept";
  ASSERT_EQ(warnings.size(), 8u);
  EXPECT_NE(std::find(warnings.begin(), warnings.end(), file + ":Wild:LifeSpan: -1 is out of range 0..100000; 0 is used"),
            warnings.end());

  // A ship with such a weapon counts, fires and reloads without overflowing anything.
  TFakeBattle battle;
  TGameObject ship;
  ship.Energy = 100;
  TWeapon gun(&ship, "ship", d, &battle);
  gun.ReloadCounter = gun.ReloadTime;
  gun.Fire(0);
  ASSERT_EQ(battle.Objects.Count(), 1);
  EXPECT_LE(std::hypot(battle.Objects.At(0)->VX, battle.Objects.At(0)->VY), MaxSpeed * battle.Zoom() + 1);
}

TEST(WeaponDefinition, ColoursAreNamesOrNumbersAndAnythingElseIsRedWithAWarning) {
  TTempFolder folder;
  auto file = WriteFile(folder, "weapons.adf",
                        "[A]\nBeamColor=clBlue\nTrailColor=16711935\n"
                        "[B]\nBeamColor=$0000FF00\nTrailColor=clMoneyGreen\n"
                        "[C]\nBeamColor=bright green\nTrailColor=\n");
  TDataWarnings warnings;
  auto a = ReadWeaponDefinition(file, "A", &warnings);
  EXPECT_EQ(a.BeamColor, 0xFF0000u);  // blue in the high byte
  EXPECT_EQ(a.TrailColor, 0xFF00FFu);
  auto b = ReadWeaponDefinition(file, "B", &warnings);
  EXPECT_EQ(b.BeamColor, 0x00FF00u);
  EXPECT_EQ(b.TrailColor, 0xC0DCC0u);
  EXPECT_TRUE(warnings.empty());

  auto c = ReadWeaponDefinition(file, "C", &warnings);
  EXPECT_EQ(c.BeamColor, clRed);
  EXPECT_EQ(c.TrailColor, clRed);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_EQ(warnings[0].rfind(file + ":C:BeamColor: ", 0), 0u) << warnings[0];
  EXPECT_NE(warnings[0].find("bright green"), std::string::npos);
  EXPECT_EQ(warnings[1].rfind(file + ":C:TrailColor: ", 0), 0u) << warnings[1];
}

class ClassWords : public ::testing::Test {
protected:
  TTempFolder Folder;
  TFakeBattle Battle;
  TGameObject* Ship = &Battle.AddShip("player1ship", 1);
  TDataWarnings Warnings;
  std::string File = WriteFile(Folder, "weapons.adf",
                               "[Gun]\nClass=GENERIC_WEAPON\nReloadTime=4\n"
                               "[Lower]\nClass=generic_weapon\n"
                               "[Beam]\nClass=beam_weapon\n"
                               "[Grav]\nClass=GRAV_MINE\n[Graviton]\nClass=GRAVITON_MINE\n"
                               "[Twin]\nClass=DOUBLE_GUN\n"
                               "[Junk]\nClass=LASER_CANNON\n"
                               "[EMPTY]\nClass=GENERIC_WEAPON\nFireSound=zap\n");
  std::unique_ptr<TWeapon> Make(const std::string& ident) {
    return CreateWeapon(Ship, "player1ship", ident, File, &Battle, &Warnings);
  }
};

TEST_F(ClassWords, TheTableHoldsEveryWordOnceAndTwoWordsForTheGravitonMine) {
  std::set<std::string> words;
  for (const auto& row : ClassWordTable()) words.insert(row.Word);
  EXPECT_EQ(words.size(), ClassWordTable().size());
  EXPECT_EQ(ClassWordTable().size(), 41u);
  ASSERT_NE(FindClassWord("GRAV_MINE"), nullptr);
  ASSERT_NE(FindClassWord("GRAVITON_MINE"), nullptr);
  EXPECT_STREQ(FindClassWord("GRAV_MINE")->ClassName, FindClassWord("GRAVITON_MINE")->ClassName);
  EXPECT_EQ(FindClassWord("beam_weapon"), nullptr);
  EXPECT_EQ(FindClassWord(" BEAM_WEAPON"), nullptr);
  EXPECT_NE(FindClassWord("3WAY_PLASMA_NEEDLES"), nullptr);
}

TEST_F(ClassWords, GenericWeaponBuildsTheGunWithItsSection) {
  auto w = Make("Gun");
  EXPECT_EQ(dynamic_cast<TNoWeapon*>(w.get()), nullptr);
  EXPECT_EQ(w->Ident, "Gun");
  EXPECT_EQ(w->ReloadTime, 4);
  EXPECT_EQ(w->ReloadCounter, 4);  // ready at the start
  EXPECT_EQ(w->Side, 1);
  EXPECT_EQ(w->Owner, Ship);
  EXPECT_TRUE(Warnings.empty());
}

TEST_F(ClassWords, WordsAreCaseSensitiveAndUnknownWordsLeaveTheSlotEmptyWithAWarning) {
  for (const std::string ident : {"Lower", "Beam", "Junk"}) {
    Warnings.clear();
    auto w = Make(ident);
    EXPECT_NE(dynamic_cast<TNoWeapon*>(w.get()), nullptr) << ident;
    ASSERT_EQ(Warnings.size(), 1u) << ident;
    EXPECT_EQ(Warnings[0].rfind(File + ":" + ident + ":Class: ", 0), 0u) << Warnings[0];
    EXPECT_NE(Warnings[0].find("unknown weapon class"), std::string::npos);
  }
  Warnings.clear();
  auto missing = Make("NotThere");
  EXPECT_NE(dynamic_cast<TNoWeapon*>(missing.get()), nullptr);
  ASSERT_EQ(Warnings.size(), 1u);
  EXPECT_NE(Warnings[0].find("no weapon \"NotThere\""), std::string::npos);
}

TEST_F(ClassWords, TheTwoGravitonWordsBuildOneClassAndEveryWordARealWeapon) {
  auto a = Make("Grav");
  auto b = Make("Graviton");
  auto c = Make("Twin");
  for (auto* w : {a.get(), b.get(), c.get()}) EXPECT_EQ(dynamic_cast<TNoWeapon*>(w), nullptr);
  EXPECT_EQ(typeid(*a), typeid(*b));
  EXPECT_TRUE(Warnings.empty());
  // Every word of the table builds its own class: none is left to the empty weapon.
  for (const auto& row : ClassWordTable()) EXPECT_TRUE(row.Build != nullptr) << row.Word;
}

TEST_F(ClassWords, TheEmptyIdentifierOverridesItsSectionsClass) {
  auto w = Make("EMPTY");
  auto* none = dynamic_cast<TNoWeapon*>(w.get());
  ASSERT_NE(none, nullptr);
  EXPECT_TRUE(Warnings.empty());
  EXPECT_FALSE(none->ContinuesWeapon);
  EXPECT_TRUE(none->FireSound.empty());
  EXPECT_EQ(none->Side, 0);
  EXPECT_TRUE(none->OwnerKey.empty());
  // It never fires and is never chosen.
  none->ReloadCounter = 100;
  none->Fire(0);
  none->Fire(1);
  EXPECT_EQ(Battle.Objects.Count(), 1);
  EXPECT_TRUE(Battle.Sounds.empty());
  EXPECT_FALSE(none->WantsToFire(Ship, 0, 0));
  // Only the exact identifier empties a slot.
  EXPECT_EQ(dynamic_cast<TNoWeapon*>(Make("Gun").get()), nullptr);
}

}  // namespace
}  // namespace sw
