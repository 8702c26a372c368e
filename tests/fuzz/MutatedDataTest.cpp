// Mutated data, as a careless data author would leave it: a seeded sample of mutations of the
// shipped data files (keys removed; numbers at 0, -1 and 2147483647; names emptied; pictures
// deleted or cut short), each in a game root of its own, each run through the headless game
// twice: a whole computer-flown battle, and the splash, the menu and the dogfight set-up. No
// run may crash or hang, and no error may come back frame after frame.
//
// STARWAKE_FUZZ_SEED and STARWAKE_FUZZ_COUNT choose another sample (and a longer one).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "TempFolder.h"
#include "core/Adf.h"
#include "core/Text.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

unsigned EnvNumber(const char* name, unsigned fallback) {
  const char* v = std::getenv(name);
  return v && *v ? static_cast<unsigned>(std::strtoul(v, nullptr, 10)) : fallback;
}

// A root whose data, graphics and ships folders are trees of links to the built game's files,
// so one file can be changed, cut or deleted without touching the shared root.
struct TMutableRoot {
  TTempFolder Folder;
  std::string Root = Folder.Path + "/";

  TMutableRoot() {
    const fs::path built = STARWAKE_TEST_ROOT;
    for (const char* d : {"data", "graphics", "ships"}) {
      fs::create_directories(fs::path(Root) / d);
      for (const auto& e : fs::recursive_directory_iterator(built / d)) {
        const fs::path to = fs::path(Root) / fs::relative(e.path(), built);
        if (e.is_directory()) fs::create_directories(to);
        else fs::create_symlink(e.path(), to);
      }
    }
    fs::create_directory_symlink(built / "sounds", Root + "sounds");
    fs::create_directories(Root + "saves");
    fs::create_directories(Root + "screenshots");
  }

  // Replaces a linked file by a file of its own with this text.
  void Rewrite(const std::string& relative, const std::string& text) const {
    fs::remove(Root + relative);
    WriteFile(Root + relative, text);
  }
  std::string Text(const std::string& relative) const { return ReadFile(Root + relative); }
};

// The data files whose lines are mutated, and the pictures that may be deleted or cut.
const std::vector<std::string>& DataFiles() {
  static const std::vector<std::string> files = {
      "data/ships.adf",          "data/weapons.adf",         "data/races.adf",
      "data/planets.adf",        "data/add-ons/meridian/ships.adf", "data/add-ons/meridian/weapons.adf",
      "data/add-ons/meridian/races.adf", "graphics/animations/animations.adf", "graphics/projectiles/projs.adf"};
  return files;
}

std::vector<std::string> Pictures() {
  std::vector<std::string> out;
  const fs::path built = STARWAKE_TEST_ROOT;
  for (const char* d : {"graphics", "ships"})
    for (const auto& e : fs::recursive_directory_iterator(built / d))
      if (e.is_regular_file() && e.path().extension() == ".img") {
        const std::string rel = fs::relative(e.path(), built).string();
        // The campaign's pictures are for the campaign's own tests.
        if (rel.find("campaigns/") == std::string::npos) out.push_back(rel);
      }
  std::sort(out.begin(), out.end());
  return out;
}

struct TMutation {
  std::string Describe;
  std::function<void(const TMutableRoot&)> Apply;
};

// Lines of a file holding KEY=VALUE, by index.
std::vector<size_t> KeyLines(const std::vector<std::string>& lines, bool numeric) {
  std::vector<size_t> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    const auto eq = lines[i].find('=');
    if (eq == std::string::npos || lines[i][0] == ';' || lines[i][0] == '[') continue;
    const bool isNumber = sw::ParseInteger(sw::Trim(lines[i].substr(eq + 1))).has_value();
    if (isNumber == numeric) out.push_back(i);
  }
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\n";
  return out;
}

// A line mutation of one data file: kind 0 removes a key, 1..3 set a number to 0, -1 or
// 2147483647, 4 empties a name.
TMutation LineMutation(std::mt19937& rng, const std::string& file, int kind) {
  const std::string text = ReadFile(std::string(STARWAKE_TEST_ROOT) + "/" + file);
  std::vector<std::string> lines = SplitLines(text);
  const std::vector<size_t> candidates = KeyLines(lines, kind >= 1 && kind <= 3);
  if (candidates.empty()) return {file + ": unchanged", [](const TMutableRoot&) {}};
  const size_t at = candidates[rng() % candidates.size()];
  const std::string key = lines[at].substr(0, lines[at].find('='));
  std::string what;
  switch (kind) {
    case 0: what = "removed"; lines.erase(lines.begin() + static_cast<long>(at)); break;
    case 1: what = "= 0"; lines[at] = key + "=0"; break;
    case 2: what = "= -1"; lines[at] = key + "=-1"; break;
    case 3: what = "= 2147483647"; lines[at] = key + "=2147483647"; break;
    default: what = "emptied"; lines[at] = key + "="; break;
  }
  const std::string mutated = JoinLines(lines);
  return {file + " line " + std::to_string(at + 1) + " " + key + " " + what,
          [file, mutated](const TMutableRoot& r) { r.Rewrite(file, mutated); }};
}

TMutation PictureMutation(const std::string& picture, bool deleted, size_t keep) {
  if (deleted) return {picture + " deleted", [picture](const TMutableRoot& r) { fs::remove(r.Root + picture); }};
  return {picture + " cut to " + std::to_string(keep) + " bytes", [picture, keep](const TMutableRoot& r) {
            const std::string bytes = ReadFile(std::string(STARWAKE_TEST_ROOT) + "/" + picture);
            r.Rewrite(picture, bytes.substr(0, std::min(keep, bytes.size())));
          }};
}

// The faults found by hand come first in every sample; the seeded draws follow.
std::vector<TMutation> Sample(unsigned seed, unsigned count) {
  std::vector<TMutation> out = {
      PictureMutation("graphics/builtin/m/star2.img", true, 0),
      PictureMutation("graphics/builtin/df/a_left.img", false, 40),
      PictureMutation("graphics/projectiles/bolt_kestrel.img", true, 0),
      {"graphics/animations/animations.adf: X_COUNT=100000 everywhere",
       [](const TMutableRoot& r) {
         std::string t = r.Text("graphics/animations/animations.adf");
         for (size_t p = t.find("X_COUNT="); p != std::string::npos; p = t.find("X_COUNT=", p + 1))
           t.replace(p, t.find('\n', p) - p, "X_COUNT=100000");
         r.Rewrite("graphics/animations/animations.adf", t);
       }},
  };
  std::mt19937 rng(seed);
  const std::vector<std::string> pictures = Pictures();
  while (out.size() < count) {
    const unsigned draw = rng() % 10;
    if (draw < 7) {
      const std::string& file = DataFiles()[rng() % DataFiles().size()];
      out.push_back(LineMutation(rng, file, static_cast<int>(rng() % 5)));
    } else if (!pictures.empty()) {
      const std::string& picture = pictures[rng() % pictures.size()];
      out.push_back(PictureMutation(picture, draw == 7, rng() % 200));
    }
  }
  return out;
}

// Six computer-flown ships of the base game and the add-on in mid field, close enough to fight.
std::string BattleFile(std::mt19937& rng) {
  struct TSource {
    std::string Prefix, File;
  };
  const TSource sources[] = {{"", "data/ships.adf"}, {"add-ons\\meridian\\", "data/add-ons/meridian/ships.adf"}};
  std::ostringstream out;
  out << "[MISC]\nASTEROIDS=2\nPLANET_NAME=cinder\nPLANET_X=400\nPLANET_Y=300\nPLANET_GRAV_FORCE=2\nTOTAL_SHIPS=6\n";
  const char* names[] = {"player1ship", "player2ship", "ship3", "ship4", "ship5", "ship6"};
  for (int i = 0; i < 6; ++i) {
    const TSource& s = sources[rng() % 2];
    // The file as the data author left it: a class that went missing is the game's to refuse.
    std::vector<std::string> classes = sw::AdfReadSections(std::string(STARWAKE_TEST_ROOT) + "/" + s.File);
    const std::string cls = classes.empty() ? "none" : classes[rng() % classes.size()];
    const int side = i % 2 + 1;
    out << "\n[SHIP" << i + 1 << "]\nSIDE=" << side << "\nDESIG=" << names[i] << "\nCLASS=" << cls
        << "\nRACE=" << cls.substr(0, 3) << "\nPREFIX=" << s.Prefix << "\nXPOS=" << (side == 1 ? 250 : 550)
        << "\nYPOS=" << 150 + 100 * i << "\nANGLE=" << (side == 1 ? 90 : 270) << "\nAI=1\n";
  }
  return out.str();
}

struct TRun {
  int Code = -1;
  nlohmann::json State;
  std::string Command;
};

TRun RunGame(const TMutableRoot& r, const std::string& args, const std::string& script, int ticks) {
  const std::string scriptFile = r.Folder.Path + "/script.txt", json = r.Folder.Path + "/state.json";
  WriteFile(scriptFile, script);
  fs::remove(json);
  TRun run;
  // A run that does not end within the limit has hung.
  run.Command = "timeout 120 '" + std::string(STARWAKE_HEADLESS) + "' --root '" + r.Root + "' --seed 11 --ticks " +
                std::to_string(ticks) + " --script '" + scriptFile + "' --state-json '" + json + "' " + args +
                " > '" + r.Folder.Path + "/out.txt' 2>&1";
  const int status = std::system(run.Command.c_str());
  run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (run.Code == 0 && fs::exists(json)) run.State = nlohmann::json::parse(ReadFile(json), nullptr, false);
  return run;
}

// The error most often repeated, with its count.
std::pair<std::string, int> MostRepeated(const nlohmann::json& state) {
  std::map<std::string, int> counts;
  if (state.is_object() && state.contains("errors"))
    for (const auto& e : state["errors"]) counts[e.get<std::string>()] += 1;
  std::pair<std::string, int> most{"", 0};
  for (const auto& [message, n] : counts)
    if (n > most.second) most = {message, n};
  return most;
}

}  // namespace

TEST(MutatedData, NoMutationCrashesHangsOrRepeatsAnErrorEveryFrame) {
  const unsigned seed = EnvNumber("STARWAKE_FUZZ_SEED", 19);
  const unsigned count = EnvNumber("STARWAKE_FUZZ_COUNT", 10);
  std::mt19937 rng(seed * 7919u + 1);
  // The splash left with a key, the menu's dogfight button, a few ships chosen and the
  // carousels turned, then the set-up left alone for a while.
  const std::string frontEnd =
      "1 key 32\n10 click 431 385\n20 click 551 305\n23 click 285 218\n26 click 625 342\n"
      "29 click 48 218\n32 click 265 499\n35 click 756 137\n";
  int battlesFought = 0;
  for (const TMutation& m : Sample(seed, count)) {
    SCOPED_TRACE(m.Describe);
    TMutableRoot root;
    m.Apply(root);
    sw::AdfFlushCache();
    WriteFile(root.Root + "fight.adf", BattleFile(rng));

    const TRun battle = RunGame(root, "--battle-file fight.adf --until-over", "2 key 32\n", 700);
    ASSERT_EQ(battle.Code, 0) << "crashed or hung: " << battle.Command << "\n" << ReadFile(root.Folder.Path + "/out.txt");
    ASSERT_TRUE(battle.State.is_object());
    const auto [message, times] = MostRepeated(battle.State);
    EXPECT_LE(times, 2) << "repeated in the battle: " << message;
    const bool fought = battle.State["battle"].is_object();
    if (fought) ++battlesFought;
    std::printf("  %-70s battle %s, %zu errors\n", m.Describe.c_str(), fought ? "fought" : "refused",
                battle.State["errors"].size());

    const TRun menus = RunGame(root, "", frontEnd, 90);
    ASSERT_EQ(menus.Code, 0) << "crashed or hung: " << menus.Command << "\n" << ReadFile(root.Folder.Path + "/out.txt");
    const auto [menuMessage, menuTimes] = MostRepeated(menus.State);
    EXPECT_LE(menuTimes, 2) << "repeated in the front end: " << menuMessage;
  }
  // Most mutations leave a battle that can be fought: the sample is not all refusals.
  EXPECT_GE(battlesFought, static_cast<int>(count) / 2);
}
