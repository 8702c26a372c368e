// The tutorial's story as data: every name that a trigger, an event, a dialogue answer or a
// character uses must lead somewhere, every talk a player can open must have its opening
// section, and every picture the story shows must be in the generated game root. Read with the
// game's own ADF functions, independent of the engine that runs the story.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/Adf.h"

using namespace sw;
namespace fs = std::filesystem;

namespace {

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t p = s.find(sep, start);
    parts.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
    if (p == std::string::npos) break;
    start = p + 1;
  }
  return parts;
}

bool IsNumber(const std::string& s) {
  if (s.empty()) return false;
  size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  return i < s.size() && std::all_of(s.begin() + i, s.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

bool StartsWith(const std::string& s, const std::string& p) { return s.rfind(p, 0) == 0; }

// Everything the story files name, read once.
struct TStory {
  std::string Root = std::string(STARWAKE_TEST_ROOT) + "/";
  std::string Data = Root + "data/tutorial/";
  std::string Pictures = Root + "graphics/campaigns/tutorial/";
  std::string Map = Data + "map.adf", Triggers = Data + "triggers.adf", Events = Data + "events.adf";
  std::string Chars = Data + "chars.adf";

  std::set<std::string> Locations, Fleets, Races, Classes, CharNames, EventNames;  // upper case
  std::map<std::string, std::string> LocationOwner;          // location -> race
  std::map<std::string, std::set<std::string>> Planets;      // location -> planet names
  std::map<std::string, std::string> PlanetOwner;            // planet -> owning race
  std::set<std::string> RacesWithApproachablePlanets;
  std::map<std::string, std::string> FleetRace;              // fleet name -> race
  std::map<std::string, std::string> FleetCmdr;
  std::string PlayerFleet;
  std::set<std::string> RacesWithFleets;
  std::map<std::string, std::set<std::string>> SectionWords;  // race -> every word it can take
  std::set<std::string> Devices, Vips;                        // every device and VIP the player can gain

  TStory() {
    for (int i = 1; i <= AdfReadInteger(Map, "MISC", "TOTAL_LOCATIONS", 0); ++i) {
      const std::string sec = "LOCATION" + std::to_string(i);
      const std::string name = AdfReadString(Map, sec, "LOC_NAME", "");
      Locations.insert(Upper(name));
      const std::string owner = AdfReadString(Map, sec, "RACE", "NONE");
      LocationOwner[name] = owner;
      for (int p = 1; p <= AdfReadInteger(Map, sec, "PLANETS", 0); ++p) {
        const auto f = Split(AdfReadString(Map, sec, "PLANET" + std::to_string(p), ""), ';');
        if (f.size() < 8) continue;
        Planets[Upper(name)].insert(Upper(f[0]));
        PlanetOwner[f[0]] = owner;
        if (f[4] == "1" && owner != "NONE") RacesWithApproachablePlanets.insert(owner);
        if (!f[6].empty()) Devices.insert(f[6]);
        if (!f[7].empty()) Vips.insert(f[7]);
      }
    }
    for (int i = 1; i <= AdfReadInteger(Map, "MISC", "TOTAL_FLEETS", 0); ++i) {
      const std::string sec = "FLEET" + std::to_string(i);
      const std::string name = AdfReadString(Map, sec, "NAME", "");
      if (i == 1) {
        PlayerFleet = name;
        for (int d = 1; d <= AdfReadInteger(Map, sec, "DEVICES", 0); ++d)
          Devices.insert(AdfReadString(Map, sec, "DEVICE" + std::to_string(d), ""));
      } else {
        RacesWithFleets.insert(AdfReadString(Map, sec, "RACE", "NONE"));
      }
      Fleets.insert(Upper(name));
      FleetRace[name] = AdfReadString(Map, sec, "RACE", "NONE");
      FleetCmdr[name] = AdfReadString(Map, sec, "CMDR", "Unknown");
    }
    const std::string prefix = Data + "prefixmap.adf";
    for (const auto& k : AdfReadKeys(prefix, "SHIPS")) Classes.insert(Upper(k));
    for (const auto& k : AdfReadKeys(prefix, "RACES")) Races.insert(Upper(k));
    // Races that raise patrols can be met even before any of their fleets is on the map.
    for (const auto& race : AdfReadSections(Data + "camp_race.adf"))
      if (AdfReadInteger(Data + "camp_race.adf", race, "MIN_PATROLERS", 0) > 0) RacesWithFleets.insert(race);
    for (const auto& race : AdfReadKeys(Map, "RACE_SECT")) SectionWords[race].insert(AdfReadString(Map, "RACE_SECT", race, ""));
    for (const auto& c : AdfReadSections(Chars)) CharNames.insert(Upper(c));
    for (const auto& e : AdfReadSections(Events)) {
      EventNames.insert(Upper(e));
      for (const auto& key : AdfReadKeys(Events, e)) {
        const std::string value = AdfReadString(Events, e, key, "");
        if (StartsWith(key, "RACE@")) SectionWords[key.substr(5)].insert(value);
        if (key == "GET_DEVICE") Devices.insert(value);
        if (key == "GET_VIP") Vips.insert(value);
        if (StartsWith(key, "ADD_DEVICE_TO_PLANET") && key != "ADD_DEVICE_TO_PLANETS") Devices.insert(Split(value, ';')[0]);
        if (StartsWith(key, "ADD_VIP_TO_PLANET") && key != "ADD_VIP_TO_PLANETS") Vips.insert(Split(value, ';')[0]);
      }
    }
  }

  bool HasEvent(const std::string& name) const { return EventNames.count(Upper(name)) > 0; }
  bool HasLocation(const std::string& name) const { return Locations.count(Upper(name)) > 0; }
  bool HasFleet(const std::string& name) const { return Fleets.count(Upper(name)) > 0; }
  bool HasRace(const std::string& name) const { return Races.count(Upper(name)) > 0; }
  bool HasClass(const std::string& name) const { return Classes.count(Upper(name)) > 0; }
  bool HasCharacter(const std::string& name) const { return CharNames.count(Upper(name)) > 0; }
  std::string Dialog(const std::string& file) const { return Data + "dialogs/" + file + ".adf"; }
  bool HasPicture(const std::string& rel) const { return fs::exists(Pictures + rel + ".img"); }
  // "#" + location, or X "x" Y.
  bool IsPlace(const std::string& v) const {
    if (StartsWith(v, "#")) return HasLocation(v.substr(1));
    const auto xy = Split(v, 'x');
    return xy.size() == 2 && IsNumber(xy[0]) && IsNumber(xy[1]);
  }
  // Every event each event's answers and triggers can reach, by where it is named.
  std::vector<std::pair<std::string, std::string>> AllEventKeys() const {
    std::vector<std::pair<std::string, std::string>> all;
    for (const auto& e : AdfReadSections(Events))
      for (const auto& k : AdfReadKeys(Events, e)) all.emplace_back(e, k);
    return all;
  }
};

const TStory& Story() {
  static const TStory story;
  return story;
}

// The keys an event may hold, as the event script reads them.
bool KnownEventKey(const TStory& s, const std::string& key) {
  static const std::set<std::string> plain = {
      "SHOW_EVENT_SCREEN", "IMAGE", "TEXT_LINES", "FAIL_EVENT", "PAID_EVENT", "GIVE_RU", "GIVE_CREW", "GIVE_FUEL", "GIVE_DEVICE",
      "GIVE_VIP", "GET_RU", "GIVE_ALL_RU", "GET_CREW", "GIVE_ALL_CREW", "GET_FUEL", "GIVE_ALL_FUEL", "GET_DEVICE",
      "GIVE_ALL_DEVICES", "GET_VIP", "GIVE_ALL_VIPS", "GAME_OVER", "ADD_LOGS", "MAKE_KNOWNS", "ADD_DEVICE_TO_PLANETS",
      "ADD_VIP_TO_PLANETS", "CAPTURE_SYSTEMS", "WARP_SPEED_MOD", "REMOVE_ALL_SHIPS", "FUEL_CAP_MOD", "ADD_BLUES",
      "DB_ENTRIES", "ADD_STATE", "REMOVE_STATE", "VAR_SCAN_RANGE", "VAR_COM_RANGE", "VAR_DETECT_RANGE",
      "VAR_INT_RANGE", "VAR_CAN_TRADE", "VAR_CAN_MINE", "VAR_CAN_LAND", "VAR_CAN_BUILD", "VAR_CAN_SCRAP",
      "ENVOKE_DIALOG"};
  if (plain.count(key) || s.HasRace(key)) return true;
  // Numbered keys: the word, then a number.
  for (const char* word : {"TEXT", "ADD_LOG", "MAKE_KNOWN", "ADD_DEVICE_TO_PLANET", "ADD_VIP_TO_PLANET",
                           "CAPTURE_SYSTEM", "ADD_BLUE", "DB_ENTRY"})
    if (StartsWith(key, word) && IsNumber(key.substr(std::string(word).size()))) return true;
  // Keys of a fleet, race or character: word@name, numbered ones word n @name.
  const size_t at = key.find('@');
  if (at == std::string::npos) return false;
  const std::string word = key.substr(0, at), name = key.substr(at + 1);
  if (word == "GET_SHIPS" || word == "LOOSE_SHIPS" || word == "TELEPORT" || word == "SEND" || word == "DESTROY_FLEET")
    return s.HasFleet(name);
  for (const char* numbered : {"GET_SHIP", "LOOSE_SHIP"})
    if (StartsWith(word, numbered) && IsNumber(word.substr(std::string(numbered).size()))) return s.HasFleet(name);
  if (word == "RACE") return s.HasRace(name);
  if (word == "CHARS") return s.HasCharacter(name);
  return false;
}

}  // namespace

TEST(TutorialStory, TriggersWatchRealThingsAndRunEventsThatExist) {
  const TStory& s = Story();
  const auto triggers = AdfReadSections(s.Triggers);
  std::set<std::string> kinds;
  bool opening = false;
  for (const auto& t : triggers) {
    SCOPED_TRACE("trigger " + t);
    const auto read = [&](const char* key) { return AdfReadString(s.Triggers, t, key, ""); };
    EXPECT_TRUE(s.HasEvent(read("TRIGGER_EVENT"))) << read("TRIGGER_EVENT");
    if (!read("TRIGGER_TIME").empty()) {
      const auto d = Split(read("TRIGGER_TIME"), ';');
      ASSERT_EQ(d.size(), 4u) << "day;month;year;";
      EXPECT_TRUE(IsNumber(d[0]) && IsNumber(d[1]) && IsNumber(d[2]) && d[3].empty());
      kinds.insert("date");
      opening = opening || read("TRIGGER_TIME") == AdfReadString(s.Map, "MISC", "STAR_DATE", "");
    }
    if (AdfReadInteger(s.Triggers, t, "TRIGGER_RADIUS", 0) > 0) {
      EXPECT_GE(AdfReadInteger(s.Triggers, t, "TRIGGER_X", -1), 0);
      EXPECT_GE(AdfReadInteger(s.Triggers, t, "TRIGGER_Y", -1), 0);
      kinds.insert("area");
    }
    if (!read("TRIGGER_SYSTEM").empty()) {
      EXPECT_TRUE(s.HasLocation(read("TRIGGER_SYSTEM"))) << read("TRIGGER_SYSTEM");
      kinds.insert("location");
    }
    if (!read("TRIGGER_CHAR").empty()) {
      EXPECT_TRUE(s.HasCharacter(read("TRIGGER_CHAR"))) << read("TRIGGER_CHAR");
      kinds.insert("talk");
    }
    if (!read("TRIGGER_RACE").empty()) {
      EXPECT_TRUE(s.HasRace(read("TRIGGER_RACE"))) << read("TRIGGER_RACE");
      kinds.insert("talk");
    }
    // A device or VIP trigger is only worth having if something can hand the player that name.
    for (const char* key : {"TRIGGER_GAIN_DEV", "TRIGGER_LOOSE_DEV"})
      if (!read(key).empty()) {
        EXPECT_TRUE(s.Devices.count(read(key))) << key << " " << read(key) << " is never gained";
        kinds.insert("device");
      }
    for (const char* key : {"TRIGGER_GAIN_VIP", "TRIGGER_LOOSE_VIP"})
      if (!read(key).empty()) {
        EXPECT_TRUE(s.Vips.count(read(key))) << key << " " << read(key) << " is never gained";
        kinds.insert("vip");
      }
    if (!read("TRIGGER_KILL_FLEET").empty()) {
      EXPECT_TRUE(s.HasFleet(read("TRIGGER_KILL_FLEET"))) << read("TRIGGER_KILL_FLEET");
      EXPECT_NE(Upper(read("TRIGGER_KILL_FLEET")), Upper(s.PlayerFleet));
      kinds.insert("fleet destroyed");
    }
    if (!read("TRIGGER_LOOSE_SHIP").empty()) {
      EXPECT_TRUE(s.HasClass(read("TRIGGER_LOOSE_SHIP"))) << read("TRIGGER_LOOSE_SHIP");
      kinds.insert("ship lost");
    }
    const int states = AdfReadInteger(s.Triggers, t, "TRIGGER_ON_STATE", 0);
    for (int i = 1; i <= states; ++i)
      EXPECT_FALSE(AdfReadString(s.Triggers, t, "TRIGGER_ON_STATE" + std::to_string(i), "").empty()) << i;
    EXPECT_GE(AdfReadInteger(s.Triggers, t, "TRIGGER_EXEC_TIMES", 1), 1) << "a trigger that can never fire";
  }
  EXPECT_TRUE(opening) << "a trigger on the campaign's first day opens the story";
  EXPECT_GE(triggers.size(), 8u);
  EXPECT_GE(kinds.size(), 5u);
}

TEST(TutorialStory, EventsUseOnlyKnownKeysAndNameRealThings) {
  const TStory& s = Story();
  for (const auto& [e, key] : s.AllEventKeys()) {
    SCOPED_TRACE(e + ":" + key);
    const std::string v = AdfReadString(s.Events, e, key, "");
    EXPECT_TRUE(KnownEventKey(s, key)) << "not a key of the event script, or names nothing";
    if (key == "FAIL_EVENT" || key == "PAID_EVENT") { EXPECT_TRUE(s.HasEvent(v)) << v; }
    if (StartsWith(key, "MAKE_KNOWN") && key != "MAKE_KNOWNS") { EXPECT_TRUE(s.HasLocation(v)) << v; }
    if ((StartsWith(key, "ADD_DEVICE_TO_PLANET") && key != "ADD_DEVICE_TO_PLANETS") ||
        (StartsWith(key, "ADD_VIP_TO_PLANET") && key != "ADD_VIP_TO_PLANETS")) {
      const auto f = Split(v, ';');
      ASSERT_EQ(f.size(), 3u) << "name;location;planet";
      EXPECT_TRUE(s.Planets.count(Upper(f[1])) && s.Planets.at(Upper(f[1])).count(Upper(f[2]))) << v;
    }
    if (StartsWith(key, "CAPTURE_SYSTEM") && key != "CAPTURE_SYSTEMS") {
      const auto f = Split(v, ';');
      ASSERT_EQ(f.size(), 2u) << "location;race";
      EXPECT_TRUE(s.HasLocation(f[0]) && s.HasRace(f[1])) << v;
    }
    if ((StartsWith(key, "GET_SHIP") || StartsWith(key, "LOOSE_SHIP")) && key.find("SHIPS@") == std::string::npos) {
      EXPECT_TRUE(s.HasClass(v)) << v;
    }
    if (StartsWith(key, "ADD_BLUE") && key != "ADD_BLUES") {
      const auto f = Split(v, ';');
      EXPECT_TRUE(f.size() == 2 && s.HasClass(f[0]) && IsNumber(f[1])) << v;
    }
    if (StartsWith(key, "TELEPORT@") || StartsWith(key, "SEND@")) { EXPECT_TRUE(s.IsPlace(v)) << v; }
    if (StartsWith(key, "DESTROY_FLEET@")) {
      EXPECT_NE(Upper(key.substr(14)), Upper(s.PlayerFleet)) << "the player's fleet is never destroyed by the story";
    }
    if (StartsWith(key, "ADD_LOG") && key != "ADD_LOGS") { EXPECT_EQ(Split(v, ';').size(), 2u) << "title;status"; }
    if (key == "ENVOKE_DIALOG") { EXPECT_TRUE(s.HasCharacter(v)) << "an internal talk names a character"; }
    if (key == "SHOW_EVENT_SCREEN" && v == "1") {
      const std::string image = AdfReadString(s.Events, e, "IMAGE", "");
      EXPECT_TRUE(s.HasPicture(image)) << "event picture " << image;
      const int lines = AdfReadInteger(s.Events, e, "TEXT_LINES", 0);
      for (int i = 1; i <= lines; ++i) EXPECT_TRUE(AdfKeyExists(s.Events, e, "TEXT" + std::to_string(i))) << i;
    }
    // The counted lists hold as many lines as they say.
    for (const char* list : {"ADD_LOGS", "MAKE_KNOWNS", "ADD_DEVICE_TO_PLANETS", "ADD_VIP_TO_PLANETS",
                             "CAPTURE_SYSTEMS", "ADD_BLUES"})
      if (key == list) {
        std::string one(list);
        one.pop_back();
        for (int i = 1; i <= AdfReadInteger(s.Events, e, key, 0); ++i)
          EXPECT_TRUE(AdfKeyExists(s.Events, e, one + std::to_string(i))) << one << i;
      }
    if (StartsWith(key, "DB_ENTRY") && key != "DB_ENTRIES") {
      EXPECT_TRUE(AdfSectionExists(s.Data + "desc.adf", v)) << "database article " << v;
    }
    if (key == "DB_ENTRIES") {
      for (int i = 0; i <= AdfReadInteger(s.Events, e, key, 0); ++i)
        EXPECT_TRUE(AdfKeyExists(s.Events, e, "DB_ENTRY" + std::to_string(i))) << "DB_ENTRY" << i;
    }
  }
  ASSERT_TRUE(s.HasEvent("DEATH"));
  EXPECT_EQ(AdfReadInteger(s.Events, "DEATH", "GAME_OVER", 0), 1);
  EXPECT_EQ(AdfReadInteger(s.Events, "DEATH", "SHOW_EVENT_SCREEN", 0), 1);
}

TEST(TutorialStory, EveryFamilyOfTheEventScriptIsUsed) {
  const TStory& s = Story();
  std::set<std::string> used;
  for (const auto& [e, key] : s.AllEventKeys()) {
    used.insert(key.substr(0, key.find('@') == std::string::npos ? key.size() : key.find('@') + 1));
    if (s.HasRace(key)) used.insert("a race's relation");
  }
  const auto anyOf = [&](std::initializer_list<const char*> keys) {
    return std::any_of(keys.begin(), keys.end(), [&](const char* k) { return used.count(k) > 0; });
  };
  EXPECT_TRUE(anyOf({"GET_RU"}) && anyOf({"GIVE_RU", "GIVE_ALL_RU"}));
  EXPECT_TRUE(anyOf({"GET_CREW"}) && anyOf({"GIVE_CREW", "GIVE_ALL_CREW"}));
  EXPECT_TRUE(anyOf({"GET_FUEL"}) && anyOf({"GIVE_FUEL"}) && anyOf({"FAIL_EVENT"}));
  EXPECT_TRUE(anyOf({"GET_DEVICE"}) && anyOf({"GIVE_DEVICE"}));
  EXPECT_TRUE(anyOf({"GET_VIP"}) && anyOf({"GIVE_VIP"}));
  for (const char* family :
       {"a race's relation", "ADD_LOGS", "MAKE_KNOWNS", "ADD_DEVICE_TO_PLANETS", "ADD_VIP_TO_PLANETS",
        "CAPTURE_SYSTEMS", "WARP_SPEED_MOD", "GET_SHIPS@", "LOOSE_SHIPS@", "TELEPORT@", "SEND@", "RACE@",
        "FUEL_CAP_MOD", "ADD_BLUES", "DB_ENTRIES", "ADD_STATE", "REMOVE_STATE", "DESTROY_FLEET@", "CHARS@",
        "ENVOKE_DIALOG", "GAME_OVER", "SHOW_EVENT_SCREEN"})
    EXPECT_TRUE(used.count(family)) << family;
  EXPECT_TRUE(anyOf({"VAR_SCAN_RANGE", "VAR_COM_RANGE", "VAR_DETECT_RANGE", "VAR_INT_RANGE"}));
  EXPECT_TRUE(anyOf({"VAR_CAN_TRADE", "VAR_CAN_MINE", "VAR_CAN_LAND", "VAR_CAN_BUILD", "VAR_CAN_SCRAP"}));
}

TEST(TutorialStory, EveryAnswerLeadsToASectionOfItsFileOrACommandAndNamesRealEvents) {
  const TStory& s = Story();
  int files = 0;
  for (const auto& entry : fs::directory_iterator(s.Data + "dialogs")) {
    const std::string file = entry.path().string();
    ++files;
    for (const auto& sec : AdfReadSections(file)) {
      SCOPED_TRACE(entry.path().filename().string() + ":" + sec);
      const int replies = AdfReadInteger(file, sec, "REPLY_LINES", 0);
      EXPECT_GE(replies, 1) << "the other side says something";
      for (int i = 1; i <= replies; ++i) EXPECT_TRUE(AdfKeyExists(file, sec, "REPLY" + std::to_string(i))) << i;
      const int answers = AdfReadInteger(file, sec, "RESPONDS", 0);
      EXPECT_GE(answers, 1) << "a section the player can answer";
      EXPECT_LE(answers, 3) << "the screen offers three answers";
      for (int i = 1; i <= answers; ++i) {
        const std::string key = "RESPOND" + std::to_string(i);
        const auto f = Split(AdfReadString(file, sec, key, ""), ';');
        ASSERT_EQ(f.size(), 4u) << key << ": text;next;relation change;event";
        EXPECT_FALSE(f[0].empty()) << key;
        if (StartsWith(f[1], "#")) {
          static const std::set<std::string> commands = {"#END", "#BATTLE", "#COMBAT", "#TRADE", "#JOIN"};
          EXPECT_TRUE(commands.count(f[1])) << key << " " << f[1];
          if (StartsWith(entry.path().filename().string(), "planet_") || entry.path().stem() == "heroes_internal") {
            EXPECT_EQ(f[1], "#END") << key << ": planets and the crew cannot fight, trade or join";
          }
        } else {
          EXPECT_TRUE(AdfSectionExists(file, f[1])) << key << " leads to " << f[1];
        }
        EXPECT_TRUE(IsNumber(f[2])) << key << " relation change " << f[2];
        EXPECT_TRUE(f[3] == "#NONE" || s.HasEvent(f[3])) << key << " event " << f[3];
      }
    }
  }
  EXPECT_GT(files, 0);
}

TEST(TutorialStory, EveryTalkThePlayerCanOpenHasItsOpeningSectionAndPortrait) {
  const TStory& s = Story();
  // Fleets and planets open by the owner's attitude band and its section word, whichever the
  // story has set: the generic section of every band for every word the race can take.
  const auto openings = [&](const std::string& file, const std::string& race) {
    ASSERT_TRUE(fs::exists(s.Dialog(file))) << file;
    ASSERT_TRUE(s.SectionWords.count(race)) << race << " has no section word";
    for (const auto& word : s.SectionWords.at(race))
      for (const char* band : {"HOSTILE_", "NEUTRAL_", "FRIENDLY_"}) {
        const std::string sec = std::string(band) + "GENERIC_" + word + "_000";
        EXPECT_TRUE(AdfSectionExists(s.Dialog(file), sec)) << file << ":" << sec;
      }
    EXPECT_TRUE(s.HasPicture("coms/" + race + "0")) << "portrait of " << race;
  };
  for (const auto& race : s.RacesWithFleets) openings("fleet_" + race, race);
  for (const auto& race : s.RacesWithApproachablePlanets) openings("planet_" + race, race);
  EXPECT_EQ(s.RacesWithFleets.size(), 9u);

  // A character talks from the heroes file of its planet's owner, of the race of every fleet it
  // commands, and from the internal file when an event calls it, in every section it can reach.
  std::map<std::string, std::set<std::string>> sectionsOf;
  std::set<std::string> called;
  for (const auto& [e, key] : s.AllEventKeys()) {
    if (StartsWith(key, "CHARS@")) sectionsOf[Upper(key.substr(6))].insert(AdfReadString(s.Events, e, key, ""));
    if (key == "ENVOKE_DIALOG") called.insert(Upper(AdfReadString(s.Events, e, key, "")));
  }
  for (const auto& name : AdfReadSections(s.Chars)) {
    SCOPED_TRACE("character " + name);
    std::set<std::string> files;
    const std::string planet = AdfReadString(s.Chars, name, "PLANET", "");
    if (!planet.empty()) {
      ASSERT_TRUE(s.PlanetOwner.count(planet)) << "lives on an unknown planet " << planet;
      files.insert("heroes_" + s.PlanetOwner.at(planet));
    }
    for (const auto& [fleet, cmdr] : s.FleetCmdr)
      if (cmdr == name && fleet != s.PlayerFleet) files.insert("heroes_" + s.FleetRace.at(fleet));
    if (called.count(Upper(name))) files.insert("heroes_internal");
    EXPECT_FALSE(files.empty()) << "a character no one can talk to";
    auto sections = sectionsOf[Upper(name)];
    sections.insert(AdfReadString(s.Chars, name, "CURRENT_SECTION", ""));
    const std::string dialog = AdfReadString(s.Chars, name, "DIALOG", "");
    for (const auto& file : files)
      for (const auto& current : sections)
        EXPECT_TRUE(AdfSectionExists(s.Dialog(file), dialog + "_" + current + "_000"))
            << file << ":" << dialog << "_" << current << "_000";
    EXPECT_TRUE(s.HasPicture("coms/" + AdfReadString(s.Chars, name, "IMAGE", ""))) << "portrait";
  }
  EXPECT_GE(AdfReadSections(s.Chars).size(), 3u);

  // The database shows a misc article's picture, and the portrait of a character article.
  const std::string desc = s.Data + "desc.adf";
  for (const auto& sec : AdfReadSections(desc)) {
    if (AdfKeyExists(desc, sec, "REF")) { EXPECT_TRUE(s.HasPicture(AdfReadString(desc, sec, "IMAGE", ""))) << sec; }
    if (StartsWith(Upper(sec), "CHAR@")) { EXPECT_TRUE(s.HasCharacter(sec.substr(5))) << sec; }
  }
}
