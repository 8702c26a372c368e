// Every weapon family in a battle the computer flies on both sides, through the runner: the
// fight ends with a winner, and each flagship's weapons were used on the way (their firing
// sounds were heard, or the objects they launch are in the battle).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "GameRootCopy.h"
#include "core/Adf.h"

namespace {

struct TPairing {
  const char* Family;
  const char* ClassA;
  const char* RaceA;
  const char* ClassB;
  const char* RaceB;
  const char* PrefixB = "";
};

const TPairing Pairings[] = {
    {"guns", "TFG_Lancer", "TFG", "DRN_Anvil", "DRN"},
    {"missiles and bursts", "TFG_Bastion", "TFG", "ZHA_Raider", "ZHA"},
    {"needles", "OSS_Gyre", "OSS", "QLL_Shard", "QLL"},
    // Mines are laid against incoming missiles, so the mine layers meet a missile ship.
    {"mines", "DRN_Hauler", "DRN", "TFG_Bastion", "TFG"},
    {"plasma mines", "VSK_Spore", "VSK", "TFG_Bastion", "TFG"},
    {"graviton mines", "OSS_Halo", "OSS", "MER_Seeder", "MER", "add-ons\\meridian\\"},
    {"craft", "TFG_Warden", "TFG", "VSK_Maw", "VSK"},
    {"beams", "QLL_Prism", "QLL", "ZHA_Zealot", "ZHA"},
    {"lightning", "SYL_Aria", "SYL", "KRU_Lattice", "KRU"},
    {"cloaks and shields", "SYL_Wisp", "SYL", "MER_Skiff", "MER", "add-ons\\meridian\\"},
    {"transport and mimicry", "KRU_Node", "KRU", "MER_Corsair", "MER", "add-ons\\meridian\\"},
};

std::string BattleFile(const TPairing& p) {
  std::ostringstream s;
  s << "[MISC]\nASTEROIDS=2\nTOTAL_SHIPS=2\n"
    << "[SHIP1]\nSIDE=1\nDESIG=player1ship\nCLASS=" << p.ClassA << "\nRACE=" << p.RaceA
    << "\nXPOS=200\nYPOS=300\nANGLE=90\nAI=1\n"
    << "[SHIP2]\nSIDE=2\nDESIG=player2ship\nCLASS=" << p.ClassB << "\nRACE=" << p.RaceB << "\nPREFIX=" << p.PrefixB
    << "\nXPOS=600\nYPOS=300\nANGLE=270\nAI=1\n";
  return s.str();
}

// The firing sounds of a ship class's two weapons, from its own data files.
std::set<std::string> FireSounds(const std::string& root, const std::string& prefix, const std::string& cls) {
  std::string data = root + "data/" + prefix;
  std::set<std::string> sounds;
  for (const char* slot : {"WEAPON1", "WEAPON2"}) {
    std::string weapon = sw::AdfReadString(data + "ships.adf", cls, slot, "");
    std::string sound = sw::AdfReadString(data + "weapons.adf", weapon, "FireSound", "");
    if (!sound.empty()) sounds.insert(sound);
  }
  return sounds;
}

class FamilyBattle : public ::testing::TestWithParam<TPairing> {};


TEST_P(FamilyBattle, TheComputerFightsItToAWinner) {
  const TPairing& p = GetParam();
  TGameRootCopy root;
  std::string file = root.Path + "fight.adf", json = root.Path + "state.json";
  std::ofstream(file) << BattleFile(p);
  std::ofstream(root.Path + "keys.txt") << "2 key 32\n";
  std::string cmd = std::string(STARWAKE_HEADLESS) + " --seed 3 --root " + root.Path + " --battle-file " + file +
                    " --script " + root.Path + "keys.txt --ticks 6000 --until-over --state-json " + json + " 2>/dev/null";
  int rc = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(rc) && WEXITSTATUS(rc) == 0) << p.Family;
  std::ifstream in(json);
  auto j = nlohmann::json::parse(in);
  EXPECT_EQ(j["errors"], nlohmann::json::array()) << p.Family;
  ASSERT_FALSE(j["battle"].is_null());
  EXPECT_EQ(j["battle"]["phase"], 2) << p.Family << ": no winner within 6000 frames";
  EXPECT_TRUE(j["battle"]["winning_side"] == 1 || j["battle"]["winning_side"] == 2);

  std::set<std::string> played;
  for (const auto& s : j["sounds"]["played"]) played.insert(s.get<std::string>());
  int used = 0, weapons = 0;
  for (auto [cls, prefix] : {std::pair{p.ClassA, ""}, std::pair{p.ClassB, p.PrefixB}})
    for (const std::string& sound : FireSounds(root.Path, prefix, cls)) {
      ++weapons;
      used += played.count(sound) ? 1 : 0;
    }
  ASSERT_GT(weapons, 0);
  EXPECT_GE(used * 2, weapons) << p.Family << ": most of the weapons were never used";
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, FamilyBattle, ::testing::ValuesIn(Pairings),
                         [](const ::testing::TestParamInfo<TPairing>& info) {
                           std::string name;
                           for (const char* c = info.param.Family; *c; ++c) name += std::isalnum(*c) ? *c : '_';
                           return name;
                         });

}  // namespace
