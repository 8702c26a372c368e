// Saved games: a campaign saved into a slot loads back as the same world (saved again, the
// files are the same bytes), the slot index names the slot chosen and keeps every other entry,
// a save that fails or is cut short at any step leaves the slot loading as before, and a slot
// that cannot be loaded is refused with the reason.
#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "CampaignKit.h"
#include "campaign/SaveGame.h"
#include "campaign/SavedWorld.h"
#include "core/Errors.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

const char* const WorldFiles[] = {"map.adf", "triggers.adf", "chars.adf", "trade.adf"};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The four files of a slot folder, joined, and the index, as they lie on disk.
std::string SlotBytes(const TCampaignRoot& root, int slot) {
  std::string all;
  for (const char* f : WorldFiles) all += std::string("--") + f + "\n" + Slurp(root.Path + "saves/save" + std::to_string(slot) + "/" + f);
  return all;
}

std::vector<std::string> SavesFolderNames(const TCampaignRoot& root) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(root.Path + "saves")) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(SaveGame, ASavedWorldLoadsBackTheSameAndSavesAgainToTheSameBytes) {
  TCampaignRoot root;
  fs::remove_all(root.Path + "saves");  // a missing saves folder is made
  auto g = root.Load();
  ASSERT_TRUE(g->Problems.empty()) << g->Problems.front();
  // The world moves on: the player flies into open space and pays, a derelict and an uncrewed
  // ship, the story and the trade terms change, a trigger has fired for this stay.
  TFleet& player = *g->PlayerFleet();
  PutInOpenSpace(*g, player, 650, 580);
  player.Fuel = 17;
  player.RU = 345;
  player.Crew = 6;
  player.DSystem = "Far";
  player.Ships.At(0)->Structure = 0;
  player.Ships.At(1)->Crew = 0;
  player.Devices.clear();
  g->States.push_back("RELIC_FOUND");
  g->Relations.Set("VSK", "3");
  g->Logs.Set("Find the relic", "1");
  g->DbEntries.push_back("SHIP@Scout");
  g->Designs.Set("Barge", "75");
  g->Triggers.At(0)->ExecTimes = 0;
  g->Triggers.At(0)->InArea = true;
  g->FindCharacter("Admiral Rhee")->CurrentSection = "LATER";
  ASSERT_NE(g->TradePosts.Find("VSK"), nullptr);
  g->TradePosts.Find("VSK")->Active = true;
  g->TradePosts.Find("QLL")->ShipsForSale.Set("Cruiser", "175");
  const long long midnight = g->StarDateMinutes + 3 * 1440;
  g->StarDateMinutes = midnight + 18 * 60;  // 18:00
  g->Speed = 10;
  const auto before = SavedWorldFiles(*g);

  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 1, 0);
  EXPECT_EQ(SavedWorldFiles(*g)[0].Text, before[0].Text) << "saving does not change the running campaign";
  const std::string index = root.Path + "saves/saves.adf";
  EXPECT_EQ(AdfReadString(index, "SAVE1", "NAME", ""), "Test Campaign");
  EXPECT_EQ(AdfReadString(index, "SAVE1", "CNAME", ""), "testcamp\\");
  EXPECT_FALSE(AdfReadString(index, "SAVE1", "DATE", "").empty());
  EXPECT_FALSE(AdfReadString(index, "SAVE1", "TIME", "").empty());
  EXPECT_EQ(saves.LoadProblem(TSaveGame::SlotFolder(1), "testcamp\\", root.Path + "data/"), "");
  // The player's fleet is always the first fleet of the file.
  EXPECT_EQ(AdfReadString(root.Path + "saves/save1/map.adf", "FLEET1", "NAME", ""), "Vanguard");

  auto loaded = root.Load(TSaveGame::SlotFolder(1));
  EXPECT_TRUE(loaded->Problems.empty()) << loaded->Problems.front();
  const TFleet& p = *loaded->PlayerFleet();
  EXPECT_EQ(p.Name, "Vanguard");
  EXPECT_EQ(p.System, "");
  EXPECT_EQ(p.X, 650);
  EXPECT_EQ(p.Y, 580);
  EXPECT_TRUE(WorldConsistent(*loaded)) << "the fleet in open space is on a fleet location of its own again";
  EXPECT_EQ(p.Fuel, 17);
  EXPECT_EQ(p.RU, 345);
  EXPECT_EQ(p.Crew, 6);
  EXPECT_EQ(p.DSystem, "Far");
  EXPECT_TRUE(p.Devices.empty());
  EXPECT_EQ(p.Vips, std::vector<std::string>{"Envoy"});
  ASSERT_EQ(p.Ships.Count(), 2);
  EXPECT_EQ(p.Ships.At(0)->Structure, 0) << "a derelict stays a derelict";
  EXPECT_EQ(p.Ships.At(0)->Crew, 20);
  EXPECT_EQ(p.Ships.At(1)->Crew, 0) << "an uncrewed ship stays uncrewed";
  EXPECT_EQ(p.Ships.At(1)->Structure, 7);
  EXPECT_EQ(loaded->Fleets.Count(), g->Fleets.Count());
  EXPECT_EQ(loaded->FindFleet("Drifter")->System, "");
  EXPECT_EQ(loaded->FindFleet("Raider 101")->System, "Far");
  EXPECT_EQ(loaded->States, g->States);
  EXPECT_EQ(loaded->Relation("VSK"), 3);
  EXPECT_EQ(*loaded->Logs.Find("Find the relic"), "1");
  EXPECT_EQ(loaded->DbEntries, g->DbEntries);
  EXPECT_EQ(*loaded->Designs.Find("Barge"), "75");
  EXPECT_EQ(loaded->Triggers.At(0)->ExecTimes, 0);
  EXPECT_TRUE(loaded->Triggers.At(0)->InArea);
  EXPECT_EQ(loaded->Triggers.Count(), g->Triggers.Count());
  EXPECT_EQ(loaded->FindCharacter("Admiral Rhee")->CurrentSection, "LATER");
  EXPECT_EQ(loaded->FindCharacter("Admiral Rhee")->Planet, "Home I");
  ASSERT_EQ(loaded->TradePosts.Count(), g->TradePosts.Count());
  EXPECT_TRUE(loaded->TradePosts.Find("VSK")->Active);
  EXPECT_EQ(loaded->TradePosts.Find("QLL")->SellFuel, 200);
  EXPECT_EQ(loaded->TradePosts.Find("QLL")->ShipsForSale.Items, g->TradePosts.Find("QLL")->ShipsForSale.Items);
  EXPECT_EQ(loaded->FindRace("VSK")->RaceSect, "RAIDER");
  // What is not saved starts afresh: midnight of the saved day, speed 1, the map on the player.
  EXPECT_EQ(loaded->StarDateMinutes, midnight);
  EXPECT_EQ(loaded->LastStepMinutes, midnight);
  EXPECT_EQ(loaded->Speed, 1);
  EXPECT_EQ(loaded->SelectedFleet, 0);
  EXPECT_EQ(loaded->SelectedLocation, loaded->PlayerLocation());
  EXPECT_TRUE(loaded->EventText.empty());

  // Saved again, the loaded world writes the very same files.
  saves.Save(*loaded, 2, 0);
  EXPECT_EQ(SlotBytes(root, 2), SlotBytes(root, 1));
  for (const auto& file : SavedWorldFiles(*loaded))
    EXPECT_EQ(file.Text, Slurp(root.Path + "saves/save1/" + file.Name)) << file.Name;
  // A slot saved over keeps no stale keys: the player's devices are gone from the file.
  root.Edit("saves/save1/map.adf", "[FLEET1]", "[FLEET1]\nDEVICES=1\nDEVICE1=Stale");
  saves.Save(*loaded, 1, 0);
  EXPECT_EQ(SlotBytes(root, 1), SlotBytes(root, 2));
}

TEST(SaveGame, TheSlotIsTheOneChosenAndTheOtherEntriesStay) {
  TCampaignRoot root;
  auto g = root.Load();
  // A hand-ordered index with a gap and an entry that is no slot.
  fs::create_directories(root.Path + "saves");
  const std::string index = root.Path + "saves/saves.adf";
  const std::string other = "; my saves\n[SAVE4]\nNAME=Fourth\nCNAME=testcamp\\\nDATE=1\nTIME=2\n\n[SAVE1]\nNAME=First\n\n[Notes]\nA=b\n";
  std::ofstream(index) << other;
  AdfFlushCache();
  EXPECT_EQ(TSaveGame::SlotNumber("SAVE3"), 3);
  EXPECT_EQ(TSaveGame::SlotNumber("save12"), 12);
  for (const char* notSlot : {"SAVE", "SAVE03", "SAVE0", "SAVE3a", "SLOT3", "Notes", "SAVE12345678901"})
    EXPECT_EQ(TSaveGame::SlotNumber(notSlot), 0) << notSlot;

  TSaveGame(root.Path + "saves/").Save(*g, TSaveGame::SlotNumber("SAVE3"), 0);
  EXPECT_TRUE(fs::exists(root.Path + "saves/save3/map.adf"));
  EXPECT_EQ(AdfReadString(index, "SAVE3", "NAME", ""), "Test Campaign");
  // The other entries are the very lines they were, the new one comes after them.
  const std::string after = Slurp(index);
  EXPECT_EQ(after.substr(0, other.size()), other);
  EXPECT_EQ(AdfReadSections(index), (std::vector<std::string>{"SAVE4", "SAVE1", "Notes", "SAVE3"}));
}

TEST(SaveGame, AFailedOrInterruptedSaveLeavesTheSlotLoadingAsBefore) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 1, 0);
  const std::string old = SlotBytes(root, 1), oldIndex = Slurp(root.Path + "saves/saves.adf");
  const std::vector<std::string> clean = {"save1", "saves.adf"};
  g->PlayerFleet()->Fuel = 3;
  g->Title = "Renamed";

  // A failure after each step, with the folders exchanged at once and with two renames.
  for (bool exchange : {true, false})
    for (const char* step : {"map.adf", "triggers.adf", "chars.adf", "trade.adf", "aside", "slot"}) {
      if (exchange && std::string(step) == "aside") continue;
      TSaveGame failing(root.Path + "saves/");
      failing.ExchangeFolders = exchange;
      failing.FailAfter = [&](const std::string& s) { return s == step; };
      try {
        failing.Save(*g, 1, 0);
        ADD_FAILURE() << "a save failing after " << step << " reported success";
      } catch (const EGameError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Unable to write to ", 0), 0u) << e.what();
      }
      EXPECT_EQ(SlotBytes(root, 1), old) << step << (exchange ? " (exchange)" : " (renames)");
      EXPECT_EQ(Slurp(root.Path + "saves/saves.adf"), oldIndex) << step;
      EXPECT_EQ(SavesFolderNames(root), clean) << "nothing is left behind after " << step;
    }
  // A real failure: the index cannot be replaced, so the new folder gives the slot back.
  ::chmod((root.Path + "saves/saves.adf").c_str(), 0444);
  EXPECT_THROW(saves.Save(*g, 1, 0), EGameError);
  EXPECT_EQ(SlotBytes(root, 1), old);
  EXPECT_EQ(SavesFolderNames(root), clean);
  ::chmod((root.Path + "saves/saves.adf").c_str(), 0644);
  AdfFlushCache();
  EXPECT_EQ(root.Load(TSaveGame::SlotFolder(1))->PlayerFleet()->Fuel, 40) << "the slot loads as it did";

  // Crashes: a half-written new folder beside slot 1 is dropped; slot 2 was moved aside after its
  // new folder was whole, so the new folder takes its place. Neither is ever a slot of the list.
  fs::create_directories(root.Path + "saves/save1.new");
  std::ofstream(root.Path + "saves/save1.new/map.adf") << "[MISC]\nTOTAL_FL";
  fs::copy(root.Path + "saves/save1", root.Path + "saves/save2.new");
  fs::create_directories(root.Path + "saves/save2.old");
  std::ofstream(root.Path + "saves/save2.old/map.adf") << "[MISC]\n";
  saves.Save(*g, 3, 0);
  EXPECT_EQ(SlotBytes(root, 1), old);
  EXPECT_EQ(SlotBytes(root, 2), old);
  EXPECT_EQ(SavesFolderNames(root), (std::vector<std::string>{"save1", "save2", "save3", "saves.adf"}));
  EXPECT_EQ(root.Load(TSaveGame::SlotFolder(3))->PlayerFleet()->Fuel, 3);
}

TEST(SaveGame, ASlotThatCannotBeLoadedIsRefusedWithTheReason) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 2, 0);
  const std::string data = root.Path + "data/";
  EXPECT_EQ(saves.LoadProblem("save2\\", "testcamp\\", data), "");
  EXPECT_NE(saves.LoadProblem("save2\\", "gone\\", data).find("\"gone\\\" is no longer in the data folder"),
            std::string::npos);
  EXPECT_NE(saves.LoadProblem("save2\\", "", data).find("names no campaign"), std::string::npos);
  EXPECT_NE(saves.LoadProblem("save7\\", "testcamp\\", data).find("map.adf is missing"), std::string::npos);
  EXPECT_NE(saves.LoadProblem("..\\etc\\", "testcamp\\", data).find("not a folder below saves"), std::string::npos);
  fs::remove(root.Path + "saves/save2/triggers.adf");
  EXPECT_EQ(saves.LoadProblem("save2\\", "testcamp\\", data),
            "The saved game save2 cannot be loaded: its triggers.adf is missing or unreadable");
}
