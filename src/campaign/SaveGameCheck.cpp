// Whether a saved game can be loaded, decided before the running world is touched. A save is
// refused with one message naming the file and what is wrong: a file missing or cut short, a
// count that does not match what the file holds, a fleet at a location that is not on the map,
// a coordinate or a count far outside anything a game writes, a campaign folder that is no
// campaign, or a save of a newer version of the game.
#include <filesystem>
#include <set>

#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "campaign/SaveGame.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

// Far beyond any map a campaign draws, yet far from overflowing any sum of two of them.
constexpr long long SaveCoordinateLimit = 1000000;
// More entries than any list of a saved world holds.
constexpr long long SaveCountLimit = 10000;

struct TSaveFileCheck {
  std::string Name;  // "map.adf"
  TAdfDocument Doc;
  std::string Problem;  // the first thing wrong, "" while all is well

  void Fail(const std::string& what) {
    if (Problem.empty()) Problem = "its " + Name + " " + what;
  }
  // A whole number of the key, or nullopt (and the problem) when it is missing or not a number.
  std::optional<long long> Number(const std::string& section, const std::string& key, long long low, long long high) {
    const std::string* raw = Doc.Find(section, key);
    if (!raw) {
      Fail("has no " + key + " in [" + section + "]");
      return std::nullopt;
    }
    const auto v = ParseInteger(Trim(*raw));
    if (!v) {
      Fail("has " + key + "=" + Trim(*raw) + " in [" + section + "], which is not a number");
      return std::nullopt;
    }
    if (*v < low || *v > high) {
      Fail("has " + key + "=" + std::to_string(*v) + " in [" + section + "], outside " + std::to_string(low) + ".." +
           std::to_string(high));
      return std::nullopt;
    }
    return v;
  }
  // A count key followed by that many numbered keys from 1, and no more.
  void CountedList(const std::string& section, const std::string& countKey, const std::string& itemKey,
                   bool required) {
    if (!required && !Doc.HasKey(section, countKey)) return;
    const auto n = Number(section, countKey, 0, SaveCountLimit);
    if (!n) return;
    long long present = 0;
    while (present < SaveCountLimit && Doc.HasKey(section, itemKey + std::to_string(present + 1))) ++present;
    if (present != *n)
      Fail("counts " + std::to_string(*n) + " " + itemKey + " lines in [" + section + "] (" + countKey + ") but holds " +
           std::to_string(present));
  }
};

void CheckMap(TSaveFileCheck& map) {
  const auto locations = map.Number("MISC", "TOTAL_LOCATIONS", 0, SaveCountLimit);
  const auto fleets = map.Number("MISC", "TOTAL_FLEETS", 1, SaveCountLimit);
  if (!locations || !fleets) return;
  if (const std::string* date = map.Doc.Find("MISC", "STAR_DATE"); !date || !ParseStarDate(Trim(*date)))
    map.Fail("has no star date written day;month;year; in [MISC] (STAR_DATE)");
  std::set<std::string> places;
  long long present = 0;
  while (present < SaveCountLimit && map.Doc.HasSection("LOCATION" + std::to_string(present + 1))) ++present;
  if (present != *locations)
    map.Fail("counts " + std::to_string(*locations) + " locations (TOTAL_LOCATIONS) but holds " + std::to_string(present));
  for (long long i = 1; i <= present && map.Problem.empty(); ++i) {
    const std::string s = "LOCATION" + std::to_string(i);
    map.Number(s, "LOC_X", -SaveCoordinateLimit, SaveCoordinateLimit);
    map.Number(s, "LOC_Y", -SaveCoordinateLimit, SaveCoordinateLimit);
    map.CountedList(s, "PLANETS", "PLANET", false);
    if (const std::string* name = map.Doc.Find(s, "LOC_NAME")) places.insert(UpperCase(Trim(*name)));
  }
  present = 0;
  while (present < SaveCountLimit && map.Doc.HasSection("FLEET" + std::to_string(present + 1))) ++present;
  if (map.Problem.empty() && present != *fleets)
    map.Fail("counts " + std::to_string(*fleets) + " fleets (TOTAL_FLEETS) but holds " + std::to_string(present));
  std::set<std::string> fleetNames;
  for (long long i = 1; i <= present; ++i)
    if (const std::string* name = map.Doc.Find("FLEET" + std::to_string(i), "NAME"))
      fleetNames.insert(UpperCase(Trim(*name)));
  for (long long i = 1; i <= present && map.Problem.empty(); ++i) {
    const std::string s = "FLEET" + std::to_string(i);
    map.Number(s, "X", -SaveCoordinateLimit, SaveCoordinateLimit);
    map.Number(s, "Y", -SaveCoordinateLimit, SaveCoordinateLimit);
    map.CountedList(s, "TOTAL_SHIPS", "SHIP", true);
    map.CountedList(s, "VIPS", "VIP", false);
    map.CountedList(s, "DEVICES", "DEVICE", false);
    const std::string* system = map.Doc.Find(s, "SYSTEM");
    if (system && !Trim(*system).empty() && !places.count(UpperCase(Trim(*system))))
      map.Fail("puts fleet " + std::to_string(i) + " at \"" + Trim(*system) + "\", which is not on its map");
    const std::string* target = map.Doc.Find(s, "DSYSTEM");
    if (target && !Trim(*target).empty() && !places.count(UpperCase(Trim(*target))) &&
        !fleetNames.count(UpperCase(Trim(*target))))
      map.Fail("sends fleet " + std::to_string(i) + " to \"" + Trim(*target) + "\", which is neither a location nor a fleet");
  }
}

void CheckTriggers(TSaveFileCheck& triggers) {
  // Every trigger is written with all its keys, the loss of a ship last: a section without it
  // was cut short.
  for (const std::string& s : triggers.Doc.Sections()) {
    if (!triggers.Doc.HasKey(s, "TRIGGER_EVENT") || !triggers.Doc.HasKey(s, "TRIGGER_LOOSE_SHIP")) {
      triggers.Fail("is cut short in [" + s + "]");
      return;
    }
    triggers.Number(s, "TRIGGER_EXEC_TIMES", -2147483647LL, 2147483647LL);
    triggers.Number(s, "TRIGGER_X", -SaveCoordinateLimit, SaveCoordinateLimit);
    triggers.Number(s, "TRIGGER_Y", -SaveCoordinateLimit, SaveCoordinateLimit);
    triggers.CountedList(s, "TRIGGER_ON_STATE", "TRIGGER_ON_STATE", false);
    if (!triggers.Problem.empty()) return;
  }
}

void CheckTrade(TSaveFileCheck& trade) {
  for (const std::string& s : trade.Doc.Sections()) {
    trade.CountedList(s, "BLUEPRINTS", "BLUEPRINT", true);
    trade.CountedList(s, "SHIPS", "SHIP", true);
    if (!trade.Problem.empty()) return;
  }
}

}  // namespace

std::string TSaveGame::LoadProblem(const std::string& slotFolder, const std::string& campaignFolder,
                                   const std::string& dataFolder, int version) {
  ClearLeftovers();
  std::string shown = NormalizeSlashes(slotFolder);
  while (!shown.empty() && shown.back() == '/') shown.pop_back();
  const std::string refused = "The saved game " + shown + " cannot be loaded: ";
  if (shown.empty() || !IsSafeDataName(slotFolder)) return refused + "it is not a folder below saves";
  if (version > SaveVersion) return NewerVersionMessage;
  if (Trim(campaignFolder).empty() || !IsSafeDataName(campaignFolder))
    return refused + "its index entry names no campaign folder";
  const std::string campaign = ResolvePath(NormalizeSlashes(dataFolder + campaignFolder));
  if (!std::filesystem::is_directory(campaign))
    return refused + "its campaign \"" + campaignFolder + "\" is no longer in the data folder";
  if (!FileExists(ResolvePath(campaign + "/map.adf")))
    return refused + "its campaign folder \"" + campaignFolder + "\" is not a campaign (it has no map.adf)";

  const std::string folder = Saves + shown + "/";
  // The slot's own record, when it has one, says how many sections each file was written with.
  const std::string record = ResolvePath(folder + "save.adf");
  const bool hasRecord = FileExists(record);
  if (hasRecord && AdfReadInteger(record, "SAVE", "VERSION", 1) > SaveVersion)
    return NewerVersionMessage;
  const struct {
    const char* Name;
    const char* CountKey;
    void (*Check)(TSaveFileCheck&);
  } files[] = {{"map.adf", nullptr, CheckMap},
               {"triggers.adf", "TRIGGERS", CheckTriggers},
               {"chars.adf", "CHARACTERS", nullptr},
               {"trade.adf", "TRADE_POSTS", CheckTrade}};
  for (const auto& f : files) {
    std::string text;
    if (!ReadWholeFile(folder + f.Name, text)) return refused + "its " + f.Name + " is missing or unreadable";
    TSaveFileCheck check;
    check.Name = f.Name;
    // Every line the game writes ends with a line break: a file that stops inside a line was
    // cut short.
    if (!text.empty() && text.back() != '\n') return refused + "its " + f.Name + " is cut short (its last line is unfinished)";
    if (text.find('\0') != std::string::npos) return refused + "its " + f.Name + " holds bytes that are not text";
    check.Doc.Parse(text);
    if (hasRecord && f.CountKey && AdfKeyExists(record, "SAVE", f.CountKey)) {
      const long long written = AdfReadInteger(record, "SAVE", f.CountKey, 0);
      const long long present = static_cast<long long>(check.Doc.Sections().size());
      if (written != present)
        return refused + "its " + f.Name + " is cut short (it was written with " + std::to_string(written) +
               " sections and holds " + std::to_string(present) + ")";
    }
    if (f.Check) f.Check(check);
    if (!check.Problem.empty()) return refused + check.Problem;
  }
  return "";
}

}  // namespace sw
