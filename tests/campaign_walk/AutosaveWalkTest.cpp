// The autosave on the live runner: the tutorial's fleet flies to Fort Calder and the campaign
// saves itself on arrival; flying home at once saves nothing (the last autosave is too young);
// after the interval an arrival saves again and shifts the one before down the rotation. The
// newest autosave loads with --load autosave as the world that was saved. Damaged copies of a
// slot are refused by --load and --check-save with their message, and nothing is touched.
#include <filesystem>

#include "Walker.h"
#include "campaign/SaveGame.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

std::string AutosaveFile(const TFrontEndRoot& game, const std::string& folder, const std::string& file) {
  return TFrontEndRoot::ReadFile(game.Root + "saves/" + folder + "/" + file);
}

}  // namespace

TEST(AutosaveWalk, ArrivalsSaveAtMostOncePerIntervalAndTheAutosaveLoadsAsSaved) {
  TFrontEndRoot game;
  std::string newest, older;
  {
    TWalker w(game);
    w.NewCampaign();
    w.Button("close_menu");
    w.Key(112, "ctrl alt");  // ghost mode: no patrol stops the flights
    ASSERT_TRUE(w.FlyTo("Fort Calder"));
    w.Run(5);
    EXPECT_EQ(w.S()["autosave"]["count"], 1) << w.Where();
    ASSERT_TRUE(fs::exists(game.Root + "saves/autosave/map.adf"));
    EXPECT_TRUE(AdfSectionExists(game.Root + "saves/saves.adf", "AUTOSAVE"));
    ASSERT_FALSE(w.S()["saves"].empty());
    EXPECT_EQ(w.S()["saves"][0]["slot"], "autosave");
    EXPECT_EQ(w.S()["saves"][0]["location"], "Fort Calder");
    EXPECT_EQ(w.S()["saves"][0]["version"], TSaveGame::SaveVersion);
    const long long first = w.S()["autosave"]["campaign_ticks"];

    ASSERT_TRUE(w.FlyTo("Halden"));
    w.Run(5);
    ASSERT_LT(w.S()["autosave"]["campaign_ticks"].get<long long>() - first, TfmMain::AutosaveInterval);
    EXPECT_EQ(w.S()["autosave"]["count"], 1) << "an arrival inside the interval saves nothing";
    EXPECT_FALSE(fs::exists(game.Root + "saves/autosave.1"));

    // Past the interval, the next arrival saves and the first autosave moves down.
    w.Run(static_cast<int>(TfmMain::AutosaveInterval));
    w.Answer();
    ASSERT_TRUE(w.FlyTo("Fort Calder"));
    w.Run(5);
    EXPECT_EQ(w.S()["autosave"]["count"], 2);
    EXPECT_TRUE(fs::exists(game.Root + "saves/autosave.1/map.adf"));
    EXPECT_FALSE(fs::exists(game.Root + "saves/autosave.2"));
    EXPECT_EQ(w.S()["errors"], nlohmann::json::array());
    newest = AutosaveFile(game, "autosave", "map.adf");
    older = AutosaveFile(game, "autosave.1", "map.adf");
  }
  EXPECT_NE(newest, older);

  // --load autosave: the world is the one the newest autosave holds.
  const auto loaded = game.Run("", 1, "--load autosave");
  EXPECT_EQ(loaded["errors"], nlohmann::json::array());
  EXPECT_EQ(loaded["campaign"]["save_folder"], "autosave\\");
  EXPECT_EQ(loaded["campaign"]["saved_world"]["map.adf"], newest);
  EXPECT_EQ(loaded["campaign"]["saved_world"]["triggers.adf"], AutosaveFile(game, "autosave", "triggers.adf"));

  // A damaged copy of the autosave as slot 5: refused by --load with one message naming the
  // file, the running game left as it was; --check-save says the same.
  fs::copy(game.Root + "saves/autosave", game.Root + "saves/save5");
  const std::string triggers = AutosaveFile(game, "save5", "triggers.adf");
  TFrontEndRoot::WriteFile(game.Root + "saves/save5/triggers.adf", triggers.substr(0, triggers.size() / 2));
  const std::string before = TFrontEndRoot::ReadFile(game.Root + "saves/saves.adf");
  const auto refused = game.Run("", 1, "--load 5");
  ASSERT_EQ(refused["errors"].size(), 1u) << refused["errors"].dump();
  EXPECT_NE(refused["errors"][0].get<std::string>().find("its triggers.adf is cut short"), std::string::npos);
  EXPECT_FALSE(refused["campaign"]["live"].get<bool>());
  EXPECT_EQ(refused["campaign"]["save_folder"], "");
  EXPECT_EQ(TFrontEndRoot::ReadFile(game.Root + "saves/saves.adf"), before);
  bool listed = false;
  for (const auto& row : refused["saves"])
    if (row["slot"] == 5) listed = row["damaged"].get<bool>();
  EXPECT_TRUE(listed) << "the list marks the slot damaged";
  const std::string check = "'" STARWAKE_HEADLESS "' --root '" + game.Root + "' --check-save 5 >/dev/null";
  EXPECT_NE(std::system(check.c_str()), 0);
  const std::string whole = "'" STARWAKE_HEADLESS "' --root '" + game.Root + "' --check-save autosave >/dev/null";
  EXPECT_EQ(std::system(whole.c_str()), 0);
}
