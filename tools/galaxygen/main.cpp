// galaxygen: builds the bench galaxy, a campaign of about 500 locations and 1,000 fleets that
// measures how the campaign scales. It is the tutorial's world (its places, people, dialogues
// and pictures, so every name resolves) with its story triggers taken out, so the clock runs
// on, and with generated stars and fleets added: patrols, traders and idle fleets of every
// race. The generator draws from a fixed seed, so every build makes the same galaxy.
//
//   galaxygen --root GAME_ROOT [--locations N] [--fleets N] [--folder NAME]
//
// writes GAME_ROOT/data/bench/galaxy/ (or bench/NAME/), its pictures below
// GAME_ROOT/graphics/campaigns/bench/, and lists it in GAME_ROOT/data/bench/campaigns.adf.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

// Replaces the value of KEY= on its first line in text.
void SetKey(std::string& text, const std::string& key, const std::string& value) {
  const size_t at = text.find("\n" + key + "=");
  if (at == std::string::npos) throw std::runtime_error("the tutorial's map has no " + key);
  const size_t start = at + key.size() + 2, end = text.find('\n', start);
  text.replace(start, end - start, value);
}

struct TRace {
  const char* Key;
  std::vector<const char*> Classes;
  int X, Y;  // the middle of its space on the map
};

// The races of the tutorial with ship classes its map already uses.
const std::vector<TRace> Races = {
    {"TFG", {"TFG_Lancer", "TFG_Bastion", "TFG_Warden"}, 300, 900}, {"DRN", {"DRN_Hauler", "DRN_Anvil"}, 800, 1000},
    {"SYL", {"SYL_Aria", "SYL_Wisp"}, 750, 600},                   {"QLL", {"QLL_Prism"}, 300, 400},
    {"KRU", {"KRU_Lattice", "KRU_Node"}, 1350, 600},                {"OSS", {"OSS_Gyre", "OSS_Halo"}, 1100, 250},
    {"VSK", {"VSK_Maw", "VSK_Spore"}, 750, 150},                    {"ZHA", {"ZHA_Raider", "ZHA_Zealot"}, 1350, 1050},
};

const char* const Syllables[] = {"ka", "lor", "ven", "thi", "mar", "dus", "el", "qua", "ris", "on", "bel", "tor",
                                 "ny", "sa", "vek", "ul", "pra", "zen", "ith", "gal", "mo", "rhe", "cas", "tin"};

}  // namespace

int main(int argc, char** argv) {
  fs::path root;
  int locations = 500, fleets = 1000;
  std::string folder = "galaxy";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i], v = argv[i + 1];
    if (a == "--root") root = v;
    else if (a == "--locations") locations = std::atoi(v.c_str());
    else if (a == "--fleets") fleets = std::atoi(v.c_str());
    else if (a == "--folder") folder = v;
  }
  if (root.empty()) {
    std::cerr << "usage: galaxygen --root GAME_ROOT [--locations N] [--fleets N] [--folder NAME]\n";
    return 2;
  }
  try {
    const fs::path tutorial = root / "data" / "tutorial", out = root / "data" / "bench" / folder;
    fs::remove_all(out);
    fs::create_directories(out);
    for (const char* file : {"camp_race.adf", "chars.adf", "desc.adf", "events.adf", "prefixmap.adf",
                             "random_chars.adf", "trade.adf"})
      fs::copy_file(tutorial / file, out / file);
    fs::copy(tutorial / "dialogs", out / "dialogs", fs::copy_options::recursive);
    WriteFile(out / "triggers.adf", "; The bench galaxy has no story: nothing stops its clock.\n");
    const fs::path pictures = root / "graphics" / "campaigns";
    fs::remove_all(pictures / "bench" / folder);
    fs::create_directories(pictures / "bench");
    fs::copy(pictures / "tutorial", pictures / "bench" / folder, fs::copy_options::recursive);

    std::string map = ReadFile(tutorial / "map.adf");
    int tutorialLocations = 0, tutorialFleets = 0;
    while (map.find("[LOCATION" + std::to_string(tutorialLocations + 1) + "]") != std::string::npos) ++tutorialLocations;
    while (map.find("[FLEET" + std::to_string(tutorialFleets + 1) + "]") != std::string::npos) ++tutorialFleets;
    locations = std::max(locations, tutorialLocations);
    fleets = std::max(fleets, tutorialFleets);
    SetKey(map, "TOTAL_LOCATIONS", std::to_string(locations));
    SetKey(map, "TOTAL_FLEETS", std::to_string(fleets));

    std::mt19937 random(1754);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::set<std::string> used;
    auto starName = [&] {
      for (;;) {
        std::string name;
        for (int k = 0, n = 2 + below(2); k < n; ++k) name += Syllables[below(static_cast<int>(std::size(Syllables)))];
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        if (used.insert(name).second) return name;
      }
    };
    struct TStar {
      std::string Name;
      int X, Y;
      size_t Race;
    };
    std::vector<TStar> stars;
    std::ostringstream added;
    added << "; ---- The bench galaxy's generated stars ----\n";
    for (int n = tutorialLocations + 1; n <= locations; ++n) {
      const size_t race = static_cast<size_t>(below(static_cast<int>(Races.size())));
      // Around the race's middle, on the part of the map the side menu leaves free, and beyond a
      // trader's reach of the player's home (Halden), so no generated trader calls there and the
      // clock runs on.
      int x = 0, y = 0;
      do {
        x = std::clamp(Races[race].X + below(500) - 250, 10, 1560);
        y = std::clamp(Races[race].Y + below(400) - 200, 10, 1190);
      } while ((x - 260) * (x - 260) + (y - 900) * (y - 900) < 260 * 260);
      TStar star{starName(), x, y, race};
      added << "\n[LOCATION" << n << "]\nLOC_NAME=" << star.Name << "\nLOC_X=" << x << "\nLOC_Y=" << y
            << "\nLOC_TYPE=0\nLOC_SIZE=" << below(3) << "\nLOC_COLOR=" << below(6) << "\nRACE=" << Races[race].Key
            << "\nSPECTRA=G" << below(10) << " V\nKNOWN=" << (below(4) == 0) << "\nASTEROIDS=" << below(2)
            << "\nPLANETS=1\nPLANET1=" << star.Name << " I;" << below(3) << ";" << 50 + below(300) << ";0;1;"
            << 1 + below(25) << ";;;\n";
      stars.push_back(star);
    }
    added << "\n; ---- The bench galaxy's generated fleets: patrols, traders and idle fleets ----\n";
    for (int n = tutorialFleets + 1; n <= fleets; ++n) {
      const TStar& at = stars[static_cast<size_t>(below(static_cast<int>(stars.size())))];
      const TRace& race = Races[at.Race];
      const int kind = n % 3;  // 0 idle, 1 patrol, 2 trader
      added << "\n[FLEET" << n << "]\nNAME=" << race.Key << (kind == 1 ? " Patrol " : kind == 2 ? " Trader " : " Fleet ")
            << n << "\nX=" << at.X << "\nY=" << at.Y << "\nFUEL=0\nMAXFUEL=0\nRU=" << 50 + below(500)
            << "\nCREW=" << below(10) << "\nRACE=" << race.Key << "\nCMDR=Commander " << n << "\nSYSTEM=" << at.Name
            << "\nDX=-1\nDY=-1\nPATROL=" << (kind == 1) << "\nTRADER=" << (kind == 2) << "\nTOTAL_SHIPS=1\nSHIP1="
            << race.Classes[static_cast<size_t>(below(static_cast<int>(race.Classes.size())))] << ";"
            << 1 + below(2) << ";0;0\n";
    }
    const size_t tail = map.find("\n[DB]");
    if (tail == std::string::npos) throw std::runtime_error("the tutorial's map has no [DB]");
    map.insert(tail + 1, added.str() + "\n");
    WriteFile(out / "map.adf", map);
    WriteFile(root / "data" / "bench" / "campaigns.adf",
              "; The bench campaigns: run with starwake-headless --campaign-folder bench/" + folder +
                  "; checked by --check-data.\n[GALAXY]\nTITLE=Bench galaxy\nFOLDER=bench\\" + folder + "\\\n");
  } catch (const std::exception& e) {
    std::cerr << "galaxygen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
