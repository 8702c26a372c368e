// The database, find a star and the mission logs through the headless runner, on the tutorial
// without its story and with a longer log: D, "vessels" and the list's scroll show the
// Bastion with its schematic and figures; F, a known star's name typed letter by letter
// (letters that are hotkeys elsewhere only type) and Enter centre the map on it and select it;
// L opens the logs and Page Down and Page Up turn their pages within their ends.
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "OpenTutorial.h"
#include "frontend/FrontEndRoot.h"
#include "media/BitmapFile.h"

using namespace sw;

namespace {

// The tutorial without its triggers, and with twenty more missions in its log than it starts
// with, so the log has pages to turn.
void TutorialWithLongLog(const TFrontEndRoot& game) {
  namespace fs = std::filesystem;
  game.OwnData();
  const fs::path tutorial = fs::path(game.Root) / "data" / "tutorial";
  const fs::path built = fs::path(STARWAKE_TEST_ROOT) / "data" / "tutorial";
  fs::remove(tutorial);
  fs::create_directory(tutorial);
  for (const auto& entry : fs::directory_iterator(built)) {
    const std::string name = entry.path().filename().string();
    if (name != "triggers.adf" && name != "map.adf") fs::create_symlink(entry.path(), tutorial / name);
  }
  std::string map = TFrontEndRoot::ReadFile((built / "map.adf").string());
  std::string missions;
  for (int i = 1; i <= 20; ++i) missions += "Old patrol report " + std::to_string(i) + "=1\n";
  const size_t log = map.find("[LOG]\n");
  ASSERT_NE(log, std::string::npos);
  map.insert(log + 6, missions);
  TFrontEndRoot::WriteFile((tutorial / "map.adf").string(), map);
}

std::string Key(int tick, int vk) { return std::to_string(tick) + " key " + std::to_string(vk) + "\n"; }

}  // namespace

TEST(ArchiveWalk, TheDatabaseFindAStarAndTheLogsFromTheKeyboard) {
  TFrontEndRoot game;
  TutorialWithLongLog(game);
  const std::string shots = game.Folder.Path + "/";

  // D, then "vessels" and one step down the list.
  const std::string database = OpenTutorial + Key(30, 'D') +
                               "33 click 100 67\n"    // "vessels"
                               "36 click 280 121\n";  // "db_scroll_down"
  const auto vessels = game.Run(database, 40, "--shot 40:" + shots + "db.bmp");
  EXPECT_EQ(vessels["errors"], nlohmann::json::array());
  const auto& db = vessels["campaign"]["database"];
  ASSERT_TRUE(db.is_object());
  EXPECT_EQ(db["category"], 1);
  EXPECT_EQ(db["index"], 1);
  EXPECT_EQ(db["selected"], "TFG_Bastion");
  EXPECT_EQ(db["titles"][1], "Bastion Cruiser");
  EXPECT_FALSE(db["lines"].empty());
  EXPECT_TRUE(db["picture"].get<bool>()) << "the Bastion's schematic";
  const auto& values = db["values"];
  EXPECT_NE(std::find(values.begin(), values.end(), "Weapons"), values.end());
  EXPECT_NE(std::find(values.begin(), values.end(), "Hornet Salvo"), values.end());
  // The schematic is drawn on its blueprint paper at (50, 228): blue, not the panel's dark well.
  const TBitmap shot = LoadBitmapFile(shots + "db.bmp");
  ASSERT_EQ(shot.Pixels.size(), 800u * 600u);
  const uint32_t paper = shot.At(62, 300);
  EXPECT_GT(paper & 255, 40u) << "blue";
  EXPECT_GT(paper & 255, ((paper >> 16) & 255) + 20) << "more blue than red";

  // F and a known star's name, typed as key presses, then Enter.
  const auto& c = vessels["campaign"];
  const std::string home = c["player"]["system"];
  std::string star;
  int starX = 0, starY = 0;
  for (const auto& l : c["locations"]) {
    const std::string name = l["name"];
    const bool typeable = std::all_of(name.begin(), name.end(), [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == ' '; });
    if (l["type"] != 0 || !l["known"].get<bool>() || name == home || !typeable || name.size() > 41) continue;
    // A name with the letters of other screens' hotkeys shows they only type here.
    if (star.empty() || name.find_first_of("SPAMIDLF") != std::string::npos) {
      star = name, starX = l["x"], starY = l["y"];
      if (name.find_first_of("SPAMIDLF") != std::string::npos) break;
    }
  }
  ASSERT_FALSE(star.empty()) << "the tutorial starts with another known star";
  std::string find = database + Key(42, 'F');
  int tick = 44;
  for (char ch : star) find += Key(tick++, std::toupper(static_cast<unsigned char>(ch)));
  std::string upper = star;
  for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  find += Key(tick, 13);

  // L, then Page Down twice (two pages: the second stays), Page Up and L again.
  const int l = tick + 2;
  const std::string logs = find + Key(l, 'L') + Key(l + 2, 34) + Key(l + 4, 34) + Key(l + 6, 33) + Key(l + 8, 'L');
  const auto first = game.Run(logs, l + 1, "--shot " + std::to_string(tick - 1) + ":" + shots + "find.bmp --shot " +
                                               std::to_string(l + 1) + ":" + shots + "logs.bmp");
  const auto& f = first["campaign"];
  EXPECT_EQ(f["search_text"], upper) << "every letter typed, none taken as a hotkey";
  EXPECT_EQ(f["selected"]["location"], star);
  EXPECT_EQ(f["selected"]["fleet"], "");
  EXPECT_EQ(f["map_offset"], nlohmann::json::array({std::clamp(400 - starX, -954, 0), std::clamp(300 - starY, -600, 0)}));
  const int logLines = static_cast<int>(f["logs"].size());
  EXPECT_GT(logLines, 14);
  EXPECT_LE(logLines, 28);
  EXPECT_EQ(f["subscreen"], 11);
  EXPECT_EQ(f["log_page"], 0);
  EXPECT_EQ(f["log_page_count"], 2);
  const auto second = game.Run(logs, l + 5);
  EXPECT_EQ(second["campaign"]["log_page"], 1);
  const auto closed = game.Run(logs, l + 9);
  EXPECT_EQ(closed["campaign"]["log_page"], 0);
  EXPECT_EQ(closed["campaign"]["subscreen"], 1) << "L closes the logs";
  EXPECT_EQ(closed["errors"], nlohmann::json::array());
}
