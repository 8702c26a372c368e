// Saved games: a campaign saved into a slot loads back as the same world (saved again, the
// files are the same bytes), the slot index names the slot chosen and keeps every other entry,
// a save that fails or is cut short at any step leaves the slot loading as before, and a slot
// that cannot be loaded is refused with the reason.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

namespace {

int SavedFuel(const TCampaignRoot& root, const std::string& folder) {
  return AdfReadInteger(root.Path + "saves/" + folder + "/map.adf", "FLEET1", "FUEL", -1);
}

}  // namespace

TEST(SaveGame, AutosavesRotateThreeDeepBesideTheSlotsAndTheListSaysWhereThePlayerWas) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 1, 0);
  const std::string index = root.Path + "saves/saves.adf";
  const std::string slotEntry = Slurp(index);
  for (int fuel : {11, 12, 13, 14}) {
    g->PlayerFleet()->Fuel = fuel;
    saves.Autosave(*g, 0);
  }
  EXPECT_EQ(SavedFuel(root, "autosave"), 14);
  EXPECT_EQ(SavedFuel(root, "autosave.1"), 13);
  EXPECT_EQ(SavedFuel(root, "autosave.2"), 12);
  EXPECT_EQ(SavesFolderNames(root),
            (std::vector<std::string>{"autosave", "autosave.1", "autosave.2", "save1", "saves.adf"}));
  // The slot's entry is the very text it was; the autosave's comes after it.
  EXPECT_EQ(Slurp(index).substr(0, slotEntry.size()), slotEntry);
  EXPECT_EQ(AdfReadSections(index), (std::vector<std::string>{"SAVE1", "AUTOSAVE"}));

  PutInOpenSpace(*g, *g->PlayerFleet(), 650, 580);
  saves.Autosave(*g, 0);
  const TSlotList list = saves.ListSlots();
  EXPECT_FALSE(list.IndexDamaged);
  ASSERT_EQ(list.Slots.size(), 4u);
  EXPECT_EQ(list.Slots[0].Section, "AUTOSAVE");
  EXPECT_EQ(list.Slots[1].Section, "AUTOSAVE1");
  EXPECT_EQ(list.Slots[2].Section, "AUTOSAVE2");
  EXPECT_EQ(list.Slots[3].Section, "SAVE1");
  const std::string day = TSaveGame::StarDateText(g->StarDateMinutes);
  for (const TSlotInfo& row : list.Slots) {
    EXPECT_EQ(row.StarDate, day) << row.Section;
    EXPECT_EQ(row.Version, TSaveGame::SaveVersion) << row.Section;
    EXPECT_EQ(row.Title, "Test Campaign");
    EXPECT_EQ(saves.LoadProblem(row.Folder, row.Campaign, root.Path + "data/", row.Version), "") << row.Section;
  }
  EXPECT_EQ(list.Slots[0].Location, "") << "the newest is in open space";
  EXPECT_FALSE(list.Slots[3].Location.empty());
  auto loaded = root.Load(TSaveGame::AutosaveFolder(0));
  EXPECT_EQ(SavedWorldFiles(*loaded)[0].Text, SavedWorldFiles(*g)[0].Text);

  // An entry of an older game has no place and is version 1; it still lists.
  std::ofstream(index, std::ios::app) << "[SAVE2]\nNAME=Old\nCNAME=testcamp\\\nDATE=1\nTIME=2\n";
  AdfFlushCache();
  const TSlotInfo old = saves.FindSlot("SAVE2");
  EXPECT_EQ(old.Title, "Old");
  EXPECT_FALSE(old.HasPlace);
  EXPECT_EQ(old.Version, 1);
}

TEST(SaveGame, ASlotKeepsItsBackupAndAFlushThatFailsIsAFailedSave) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  g->PlayerFleet()->Fuel = 21;
  saves.Save(*g, 2, 0);
  EXPECT_FALSE(fs::exists(root.Path + "saves/save2.bak")) << "a slot that held nothing has no backup";
  g->PlayerFleet()->Fuel = 22;
  saves.Save(*g, 2, 0);
  EXPECT_EQ(SavedFuel(root, "save2"), 22);
  EXPECT_EQ(SavedFuel(root, "save2.bak"), 21);

  g->PlayerFleet()->Fuel = 23;
  TSaveGame failing(root.Path + "saves/");
  failing.FailAfter = [](const std::string& step) { return step == "sync"; };
  EXPECT_THROW(failing.Save(*g, 2, 0), EGameError);
  EXPECT_EQ(SavedFuel(root, "save2.bak"), 22) << "the previous save stays loadable as the backup";
  EXPECT_EQ(saves.LoadProblem("save2.bak\\", "testcamp\\", root.Path + "data/"), "");
  g->PlayerFleet()->Fuel = 24;
  EXPECT_THROW(failing.Autosave(*g, 0), EGameError);
  EXPECT_EQ(SavesFolderNames(root), (std::vector<std::string>{"autosave", "save2", "save2.bak", "saves.adf"}));
}

TEST(SaveGame, DamagedSavesAreRefusedWithOneMessageNamingTheFile) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 1, 0);
  const std::string data = root.Path + "data/";
  int slot = 1;
  // Each damage on a fresh copy of slot 1; the message names the file and what is wrong.
  auto damaged = [&](const std::string& file, const std::function<std::string(std::string)>& change,
                     const std::string& campaign = "testcamp\\") {
    ++slot;
    const std::string folder = root.Path + "saves/save" + std::to_string(slot);
    fs::copy(root.Path + "saves/save1", folder);
    if (!file.empty()) {
      const std::string text = change(Slurp(folder + "/" + file));
      std::ofstream(folder + "/" + file, std::ios::trunc) << text;
    }
    AdfFlushCache();
    return saves.LoadProblem(TSaveGame::SlotFolder(slot), campaign, data);
  };
  auto replace = [](const std::string& from, const std::string& to) {
    return [from, to](std::string text) {
      const size_t at = text.find(from);
      EXPECT_NE(at, std::string::npos) << from;
      return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
  };
  EXPECT_NE(damaged("triggers.adf", [](std::string t) { return t.substr(0, t.size() * 2 / 3); })
                .find("its triggers.adf is cut short"),
            std::string::npos);
  // Cut between two sections, the lines left are whole: the slot's record tells.
  EXPECT_NE(damaged("triggers.adf", [](std::string t) { return t.substr(0, t.rfind("\n[") + 1); })
                .find("its triggers.adf is cut short (it was written with"),
            std::string::npos);
  EXPECT_NE(damaged("", nullptr, "add-ons\\").find("\"add-ons\\\" is not a campaign"), std::string::npos);
  EXPECT_NE(damaged("map.adf", replace("TOTAL_LOCATIONS=", "TOTAL_LOCATIONS=2147483647\nX="))
                .find("its map.adf has TOTAL_LOCATIONS=2147483647"),
            std::string::npos);
  EXPECT_NE(damaged("map.adf", replace("[FLEET1]\nNAME=Vanguard\nX=", "[FLEET1]\nNAME=Vanguard\nX=2147483647\nOLDX="))
                .find("its map.adf has X=2147483647 in [FLEET1]"),
            std::string::npos);
  EXPECT_NE(damaged("map.adf", replace("TOTAL_SHIPS=2", "TOTAL_SHIPS=5")).find("(TOTAL_SHIPS) but holds 2"),
            std::string::npos);
  EXPECT_NE(damaged("map.adf", replace("SYSTEM=Home", "SYSTEM=Nowhere")).find("\"Nowhere\", which is not on its map"),
            std::string::npos);
  EXPECT_EQ(damaged("save.adf", replace("VERSION=2", "VERSION=3")), "This save was made by a newer version of Starwake");
  EXPECT_EQ(saves.LoadProblem("save1\\", "testcamp\\", data, 3), "This save was made by a newer version of Starwake");
  EXPECT_EQ(saves.LoadProblem("save1\\", "testcamp\\", data), "") << "the slot the copies came from is whole";
}

TEST(SaveGame, IndexLeftoversGoAndADamagedIndexIsRebuiltFromTheSlotFolders) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  saves.Save(*g, 1, 0);
  saves.Save(*g, 3, 0);
  saves.Autosave(*g, 0);
  // The temporary index of a writer that was killed (its process is gone), and one of a game
  // that is still running.
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  ASSERT_GT(gone, 0);
  waitpid(gone, nullptr, 0);
  const std::string dead = root.Path + "saves/saves.adf.tmp" + std::to_string(gone);
  const std::string alive = root.Path + "saves/saves.adf.tmp1";  // the first process never ends
  std::ofstream(dead) << "[SAVE1]\nNA";
  std::ofstream(alive) << "[SAVE1]\nNA";
  EXPECT_FALSE(saves.ListSlots().IndexDamaged);
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(alive));
  fs::remove(alive);

  const std::string index = root.Path + "saves/saves.adf";
  for (const std::string& garbled : {std::string(""), std::string("\x01\x7f\x02garbage\n[SAVE1\nNAME")}) {
    std::ofstream(index, std::ios::trunc) << garbled;
    AdfFlushCache();
    const TSlotList list = saves.ListSlots();
    EXPECT_TRUE(list.IndexDamaged);
    EXPECT_TRUE(list.Rebuilt);
    EXPECT_EQ(list.Notice, "The save index saves.adf is damaged; the list was rebuilt from the slot folders");
    std::vector<std::string> sections;
    for (const auto& row : list.Slots) sections.push_back(row.Section);
    EXPECT_EQ(sections, (std::vector<std::string>{"AUTOSAVE", "SAVE1", "SAVE3"}));
  }
  // A save mends the index from the folders, keeping the damaged one beside it.
  saves.Save(*g, 2, 0);
  AdfFlushCache();
  EXPECT_EQ(AdfReadSections(index), (std::vector<std::string>{"AUTOSAVE", "SAVE1", "SAVE3", "SAVE2"}));
  EXPECT_TRUE(fs::exists(index + ".damaged"));
  EXPECT_EQ(saves.ListSlots().Notice, "");
  for (const char* folder : {"save1", "save3", "autosave"}) EXPECT_TRUE(fs::exists(root.Path + "saves/" + folder + "/map.adf"));
}

// A save or an autosave killed at any moment: the slot, and the autosave before, stay loadable.
TEST(SaveGame, AKillAtAnyMomentOfASaveLeavesThePreviousOneLoadable) {
  TCampaignRoot root;
  auto g = root.Load();
  TSaveGame saves(root.Path + "saves/");
  g->PlayerFleet()->Fuel = 1;
  saves.Save(*g, 1, 0);
  saves.Autosave(*g, 0);
  const std::string data = root.Path + "data/";
  for (int round = 0; round < 24; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      TSaveGame writer(root.Path + "saves/");
      g->PlayerFleet()->Fuel = 2 + round;
      try {
        for (int i = 0; i < 50; ++i) {
          if (round % 2 == 0) writer.Autosave(*g, 0);
          else writer.Save(*g, 1, 0);
        }
      } catch (...) {
      }
      _exit(0);
    }
    ::usleep(static_cast<useconds_t>(200 + 700 * round));
    ::kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    AdfFlushCache();
    const TSlotList list = saves.ListSlots();
    EXPECT_FALSE(list.IndexDamaged) << "round " << round;
    for (const char* section : {"AUTOSAVE", "SAVE1"}) {
      const TSlotInfo row = saves.FindSlot(section);
      ASSERT_EQ(row.Section, section) << "round " << round;
      EXPECT_EQ(saves.LoadProblem(row.Folder, row.Campaign, data, row.Version), "") << section << " round " << round;
      const int fuel = SavedFuel(root, std::string(row.Folder).substr(0, row.Folder.size() - 1));
      EXPECT_TRUE(fuel >= 1 && fuel <= 2 + round) << section << " round " << round << " fuel " << fuel;
    }
    for (const auto& name : SavesFolderNames(root))
      EXPECT_TRUE(name == "saves.adf" || name == "save1" || name == "save1.bak" || name == "autosave" ||
                  name == "autosave.1" || name == "autosave.2")
          << name << " left behind in round " << round;
  }
}
