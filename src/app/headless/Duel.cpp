#include "app/headless/Duel.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "ai/ComputerPilot.h"
#include "ai/PilotSkill.h"
#include "app/headless/Runner.h"
#include "battle/Melee.h"
#include "battle/ShipRoster.h"
#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponDefinition.h"
#include "weapons/WeaponFactory.h"

namespace sw {

namespace {

std::vector<TDuelClass> ClassesIn(const std::string& data, bool offeredOnly) {
  std::vector<TDuelClass> out;
  for (const std::string& prefix : ReadAddOnPrefixes(data)) {
    const std::string ships = ShipDataFile(data, prefix, "ships");
    for (const std::string& key : AdfReadSections(ships)) {
      if (offeredOnly && !AdfReadBool(ships, key, "DF_INCLUDE", true)) continue;
      out.push_back({key, AdfReadString(ships, key, "RACE", ""), prefix});
    }
  }
  return out;
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string ShipSection(int n, int side, const std::string& designation, const TDuelClass& c, int x, int y,
                        int angle, int skill) {
  std::ostringstream s;
  s << "[SHIP" << n << "]\nSIDE=" << side << "\nDESIG=" << designation << "\nCLASS=" << c.Class
    << "\nRACE=" << c.Race << "\nPREFIX=" << c.Prefix << "\nXPOS=" << x << "\nYPOS=" << y << "\nANGLE=" << angle
    << "\nAI=1\nAISKILL=" << skill << "\n\n";
  return s.str();
}

// Beams, ring waves, shields and cloaks do their work in the battle's draw; with nothing drawn
// the duel runs them itself, in the same place in the frame.
void RunFrameEffects(TMelee& battle) {
  for (int i = 0; i < battle.Objects.Count(); ++i) {
    TGameObject& o = *battle.Objects.At(i);
    if (o.Kind != KIND_SHIP || o.Removed) continue;
    for (TWeapon* w : {o.Weapon1.get(), o.Weapon2.get()})
      if (w && w->HasFrameEffect && w->Active && w->FrameEffect) w->FrameEffect();
  }
}

// Weapon slots of the classes whose weapon class is not in the game yet (they stay empty).
int UnbuiltSlots(const std::string& data, const std::vector<TDuelClass>& classes) {
  int unbuilt = 0;
  for (const TDuelClass& c : classes) {
    const std::string ships = ShipDataFile(data, c.Prefix, "ships");
    const std::string weapons = ShipDataFile(data, c.Prefix, "weapons");
    for (const char* key : {"WEAPON1", "WEAPON2"}) {
      const std::string ident = AdfReadString(ships, c.Class, key, EmptyWeaponIdent);
      if (ident == EmptyWeaponIdent) continue;
      const TClassWordRow* row = FindClassWord(ReadWeaponDefinition(weapons, ident, nullptr).ClassWord);
      unbuilt += !row || !row->Build;
    }
  }
  return unbuilt;
}

std::string Share(int part, int whole) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", whole ? static_cast<double>(part) / whole : 0.0);
  return buf;
}

}  // namespace

std::vector<TDuelClass> DogfightClasses(const std::string& dataFolder) { return ClassesIn(dataFolder, true); }

TDuelArena::TDuelArena(TfmMain& main) : Main(main) {}

TDuelArena::~TDuelArena() {
  std::error_code ec;
  for (const std::string& f : Files) std::filesystem::remove(f, ec);
}

TDuelRound TDuelArena::Fight(const TDuelClass& a, const TDuelClass& b, uint64_t seed, int skillA, int skillB) {
  // Starting places: side 1 on the left, side 2 on the right, each somewhere in its own third
  // of the arena, headed any way.
  std::mt19937_64 places(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(places); };
  std::string text = "[MISC]\nASTEROIDS=-1\nTOTAL_SHIPS=2\n\n";
  text += ShipSection(1, 1, "player1ship", a, pick(100, 260), pick(100, 500), pick(0, 359), skillA);
  text += ShipSection(2, 2, "player2ship", b, pick(540, 700), pick(100, 500), pick(0, 359), skillB);
  // Every battle gets a file of its own, so no read of an earlier one can be served again.
  const std::string file = (std::filesystem::temp_directory_path() /
                            ("starwake-duel-" + std::to_string(getpid()) + "-" + std::to_string(Files.size()) + ".adf"))
                               .string();
  Files.push_back(file);
  TDuelRound round;
  if (!AtomicWriteFile(file, text, false)) {
    round.Errors.push_back("cannot write " + file);
    return round;
  }

  SetFixedSeed(seed);
  TBattleEnvironment env;
  env.Folders = TGameFolders::FromRoot(Main.ProgramFolder);
  env.Images = Main.DXImageListM.get();
  // No sound, no pilots' keys and no drawing: the computer flies both ships.
  TMelee battle(env, file);
  battle.ComputerPilot = FlyComputerShip;
  battle.Phase = bpFighting;
  while (battle.Phase == bpFighting && round.Ticks < DUEL_TICK_LIMIT) {
    // As in the game, an error abandons the rest of its frame and the fight goes on.
    try {
      battle.Update();
      RunFrameEffects(battle);
    } catch (const std::exception& e) {
      if (round.Errors.size() < 5) round.Errors.push_back(e.what());
    }
    ++round.Ticks;
  }
  // The victory check that ends the battle runs at the start of a frame; one more frame lets a
  // battle decided on the last allowed frame count.
  if (battle.Phase == bpFighting) battle.VictoryCheck();
  round.Winner = battle.Phase == bpOver ? battle.WinningSide : 0;
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return round;
}

namespace {

struct TTally {
  int Wins = 0, Losses = 0, Draws = 0;
};

nlohmann::json RoundJson(const TDuelRound& r, uint64_t seed) {
  return {{"seed", seed}, {"winner", r.Winner}, {"ticks", r.Ticks}, {"errors", r.Errors}};
}

}  // namespace

int RunDuels(const TRunOptions& o, const std::string& root) {
  THeadlessAudio audio;
  TPlatform platform;
  platform.Audio = &audio;
  platform.Now = [] { return static_cast<std::time_t>(1796731200); };
  TfmMain main(platform, root);
  main.FormCreate();
  main.DXDrawInitializeSurface();
  TDuelArena arena(main);
  const uint64_t base = o.Seed ? *o.Seed : 1;
  const auto start = std::chrono::steady_clock::now();
  nlohmann::json json;
  int errors = 0;

  if (!o.Matrix) {
    const auto all = ClassesIn(main.DataFolder, false);
    const TDuelClass* chosen[2] = {nullptr, nullptr};
    for (int k = 0; k < 2; ++k) {
      for (const TDuelClass& c : all)
        if (SameName(c.Class, o.Duel[k])) chosen[k] = &c;
      if (!chosen[k]) {
        std::cerr << "starwake-headless: there is no ship class " << o.Duel[k] << std::endl;
        return 2;
      }
    }
    TTally t;
    json["a"] = chosen[0]->Class;
    json["b"] = chosen[1]->Class;
    json["rounds"] = nlohmann::json::array();
    for (int r = 0; r < o.Rounds; ++r) {
      const uint64_t seed = base + r;
      TDuelRound round = arena.Fight(*chosen[0], *chosen[1], seed, o.Skills[0], o.Skills[1]);
      for (const std::string& e : round.Errors) std::cerr << "starwake: " << e << std::endl;
      errors += static_cast<int>(round.Errors.size());
      (round.Winner == 1 ? t.Wins : round.Winner == 2 ? t.Losses : t.Draws) += 1;
      std::printf("round %d: seed=%llu winner=%s ticks=%d\n", r + 1, static_cast<unsigned long long>(seed),
                  round.Winner == 1 ? chosen[0]->Class.c_str() : round.Winner == 2 ? chosen[1]->Class.c_str() : "draw",
                  round.Ticks);
      json["rounds"].push_back(RoundJson(round, seed));
    }
    std::printf("duel: %s %s wins=%d losses=%d draws=%d errors=%d\n", chosen[0]->Class.c_str(),
                chosen[1]->Class.c_str(), t.Wins, t.Losses, t.Draws, errors);
    json["wins"] = t.Wins;
    json["losses"] = t.Losses;
    json["draws"] = t.Draws;
  } else {
    const auto classes = DogfightClasses(main.DataFolder);
    const int n = static_cast<int>(classes.size());
    // Per class, and per pairing of two classes (both orders together, seen from the first).
    std::vector<TTally> perClass(n);
    std::map<std::pair<int, int>, TTally> pairing;
    int battles = 0, draws = 0;
    json["pairs"] = nlohmann::json::array();
    // With different skills a side, each class also fights itself: the same ship, only the
    // pilots differ.
    const bool skilled = o.Skills[0] != o.Skills[1];
    TTally sameClass, allBattles;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        if (i == j && !skilled) continue;
        TTally t;
        nlohmann::json rounds = nlohmann::json::array();
        long long ticks = 0;
        const auto pairStart = std::chrono::steady_clock::now();
        for (int r = 0; r < o.Rounds; ++r) {
          TDuelRound round = arena.Fight(classes[i], classes[j], base + r, o.Skills[0], o.Skills[1]);
          for (const std::string& e : round.Errors)
            std::cerr << "starwake: " << classes[i].Class << " vs " << classes[j].Class << ": " << e << std::endl;
          errors += static_cast<int>(round.Errors.size());
          ticks += round.Ticks;
          rounds.push_back(RoundJson(round, base + r));
          ++battles;
          if (round.Winner == 0) {
            ++draws;
            ++t.Draws;
          } else {
            (round.Winner == 1 ? t.Wins : t.Losses) += 1;
          }
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - pairStart).count();
        std::printf("pair: %s %s wins=%d losses=%d draws=%d ticks=%lld ms=%.0f\n", classes[i].Class.c_str(),
                    classes[j].Class.c_str(), t.Wins, t.Losses, t.Draws, ticks, ms);
        std::fflush(stdout);
        json["pairs"].push_back({{"a", classes[i].Class}, {"b", classes[j].Class}, {"wins", t.Wins},
                                 {"losses", t.Losses}, {"draws", t.Draws}, {"rounds", rounds}});
        allBattles.Wins += t.Wins;
        allBattles.Losses += t.Losses;
        allBattles.Draws += t.Draws;
        if (i == j) {
          sameClass.Wins += t.Wins;
          sameClass.Losses += t.Losses;
          sameClass.Draws += t.Draws;
          continue;
        }
        perClass[i].Wins += t.Wins;
        perClass[i].Losses += t.Losses;
        perClass[i].Draws += t.Draws;
        perClass[j].Wins += t.Losses;
        perClass[j].Losses += t.Wins;
        perClass[j].Draws += t.Draws;
        TTally& p = pairing[{std::min(i, j), std::max(i, j)}];
        p.Wins += i < j ? t.Wins : t.Losses;
        p.Losses += i < j ? t.Losses : t.Wins;
        p.Draws += t.Draws;
      }
    json["classes"] = nlohmann::json::array();
    for (int i = 0; i < n; ++i) {
      // A pairing is won when the class took more of its battles against that class than it lost.
      int won = 0, lost = 0;
      for (const auto& [key, p] : pairing) {
        if (key.first != i && key.second != i) continue;
        const int mine = key.first == i ? p.Wins : p.Losses;
        const int theirs = key.first == i ? p.Losses : p.Wins;
        won += mine > theirs;
        lost += mine < theirs;
      }
      const TTally& c = perClass[i];
      const int fought = c.Wins + c.Losses + c.Draws;
      std::printf("class: %s wins=%d losses=%d draws=%d win_share=%s pairings=%d pairings_won=%d pairings_lost=%d\n",
                  classes[i].Class.c_str(), c.Wins, c.Losses, c.Draws, Share(c.Wins, fought).c_str(), n - 1, won,
                  lost);
      json["classes"].push_back({{"class", classes[i].Class}, {"wins", c.Wins}, {"losses", c.Losses},
                                 {"draws", c.Draws}, {"pairings", n - 1}, {"pairings_won", won},
                                 {"pairings_lost", lost}});
    }
    const int unbuilt = UnbuiltSlots(main.DataFolder, classes);
    std::printf("matrix: classes=%d rounds=%d battles=%d draws=%d draw_share=%s errors=%d unbuilt_slots=%d\n", n,
                o.Rounds, battles, draws, Share(draws, battles).c_str(), errors, unbuilt);
    if (skilled) {
      const int same = sameClass.Wins + sameClass.Losses + sameClass.Draws;
      const int all = allBattles.Wins + allBattles.Losses + allBattles.Draws;
      std::printf("skill: side1=%s side2=%s same_class=%d side1_wins=%d side2_wins=%d side1_share=%s "
                  "all_battles=%d side1_all_share=%s\n",
                  SkillName(o.Skills[0]), SkillName(o.Skills[1]), same, sameClass.Wins, sameClass.Losses,
                  Share(sameClass.Wins, same).c_str(), all, Share(allBattles.Wins, all).c_str());
      json["same_class"] = {{"wins", sameClass.Wins}, {"losses", sameClass.Losses}, {"draws", sameClass.Draws}};
    }
    json["skills"] = {o.Skills[0], o.Skills[1]};
    json["unbuilt_slots"] = unbuilt;
    json["battles"] = battles;
    json["draws"] = draws;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("time: seconds=%.1f\n", seconds);
  json["rounds_per_pair"] = o.Rounds;
  json["tick_limit"] = DUEL_TICK_LIMIT;
  json["errors"] = errors;
  // Later runs of the game in this process start from the runner's own seed again.
  SetFixedSeed(o.Seed);
  if (!o.StateJson.empty()) {
    std::ofstream out(o.StateJson);
    out << json.dump(2) << "\n";
    if (!out) {
      std::cerr << "starwake-headless: cannot write " << o.StateJson << std::endl;
      return 1;
    }
  }
  return 0;
}

}  // namespace sw
