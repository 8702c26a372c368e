#include "campaign/StoryCheck.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "campaign/EventScript.h"
#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "campaign/TradeLines.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/HeldNumber.h"
#include "core/Numbers.h"
#include "core/Paths.h"
#include "core/Text.h"
#include "media/BitmapFile.h"

namespace sw {

namespace {

// The number after a key's prefix ("TEXT3" -> 3), or -1 when the key is not prefix + digits.
int NumberAfter(const std::string& key, const std::string& prefix) {
  if (key.size() <= prefix.size() || key.size() > prefix.size() + 6 || !SameText(key.substr(0, prefix.size()), prefix))
    return -1;
  for (size_t i = prefix.size(); i < key.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(key[i]))) return -1;
  return std::stoi(key.substr(prefix.size()));
}

bool InList(const char* const* list, size_t n, const std::string& key) {
  for (size_t i = 0; i < n; ++i)
    if (SameText(list[i], key)) return true;
  return false;
}

const char* const TriggerKeys[] = {
    "TRIGGER_EVENT",    "TRIGGER_TIME",      "TRIGGER_X",        "TRIGGER_Y",         "TRIGGER_RADIUS",
    "TRIGGER_CHAR",     "TRIGGER_RACE",      "TRIGGER_GAIN_DEV", "TRIGGER_LOOSE_DEV", "TRIGGER_GAIN_VIP",
    "TRIGGER_LOOSE_VIP", "TRIGGER_CTYPE",    "TRIGGER_EXEC_TIMES", "TRIGGER_SYSTEM",  "TRIGGER_KILL_FLEET",
    "TRIGGER_ON_STATE", "COORD_TRIG",        "COORD_SYS",        "TRIGGER_LOOSE_SHIP"};

// Keys of an event whose value is a number (flags included).
const char* const NumberKeys[] = {
    "SHOW_EVENT_SCREEN", "TEXT_LINES",      "GIVE_RU",          "GIVE_CREW",        "GIVE_FUEL",
    "GET_RU",            "GIVE_ALL_RU",     "GET_CREW",         "GIVE_ALL_CREW",    "GET_FUEL",
    "GIVE_ALL_FUEL",     "GIVE_ALL_DEVICES", "GIVE_ALL_VIPS",   "GAME_OVER",        "WARP_SPEED_MOD",
    "REMOVE_ALL_SHIPS",  "FUEL_CAP_MOD",    "DB_ENTRIES",       "VAR_SCAN_RANGE",   "VAR_COM_RANGE",
    "VAR_DETECT_RANGE",  "VAR_INT_RANGE",   "VAR_CAN_TRADE",    "VAR_CAN_MINE",     "VAR_CAN_LAND",
    "VAR_CAN_BUILD",     "VAR_CAN_SCRAP"};
// Keys of an event whose value is a name or text.
const char* const TextKeys[] = {"IMAGE",   "FAIL_EVENT", "GIVE_DEVICE", "GIVE_VIP",     "GET_DEVICE",
                                "GET_VIP", "ADD_STATE",  "REMOVE_STATE", "ENVOKE_DIALOG", "PAID_EVENT"};

class TStoryCheck {
public:
  explicit TStoryCheck(const TGameMain& game)
      : G(game),
        Events(ResolvePath(game.CampaignDataFolder() + "events.adf")),
        TriggersFile(game.WorldFile("triggers.adf")) {
    for (int i = 0; i < G.ArtEntries.Count(); ++i) Devices.insert(G.ArtEntries.NameAt(i));
    for (int i = 0; i < G.Fleets.Count(); ++i)
      for (const auto& d : G.Fleets.At(i)->Devices) Devices.insert(d);
    for (int i = 0; i < G.Locations.Count(); ++i) {
      const TLocation& loc = *G.Locations.At(i);
      for (int k = 0; k < loc.PlanetList.Count(); ++k)
        if (!loc.PlanetList.At(k)->Artifact.empty()) Devices.insert(loc.PlanetList.At(k)->Artifact);
    }
  }

  std::vector<std::string> Run() {
    CheckPortraits();
    CheckTriggers();
    CheckTradePosts();
    for (const auto& section : AdfReadSections(Events)) CheckEvent(section);
    return Lines;
  }

private:
  const TGameMain& G;
  std::string Events, TriggersFile;
  std::set<std::string> Devices;
  std::vector<std::string> Lines;

  void Problem(const std::string& file, const std::string& section, const std::string& key, const std::string& m) {
    Lines.push_back(G.RootRelative(file) + ":" + section + ":" + key + ": " + m);
  }
  bool EventExists(const std::string& name) const { return AdfSectionExists(Events, name); }
  // A picture of the campaign's own folder of pictures, by its name there ("coms/x" and so on).
  // A picture's fault (see PictureFault), each file read once however many names use it.
  std::map<std::string, std::string> Faults;
  const std::string& Fault(const std::string& path) {
    auto it = Faults.find(path);
    if (it == Faults.end()) it = Faults.emplace(path, PictureFault(path)).first;
    return it->second;
  }

  std::string Picture(const std::string& name) const {
    std::string folder = NormalizeSlashes(G.Env.GraphicsFolder + "campaigns/" + G.CampaignFolder);
    if (folder.empty() || folder.back() != '/') folder += '/';
    return ResolvePath(folder + name + ".img");
  }

  // ---- portraits: every race and character that can come on the communication screen ----
  void CheckPortraits() {
    for (int i = 0; i < G.Races.Count(); ++i) {
      if (SameText(G.Races.NameAt(i), "NONE")) continue;  // the owner of unclaimed places, never hailed
      const std::string path = Picture("coms/" + G.Races.NameAt(i) + "0");
      const std::string fault = Fault(path);
      if (fault == "does not exist")
        Problem(G.WorldFile("map.adf"), "", "", "race " + G.Races.NameAt(i) + " has no portrait " + G.RootRelative(path));
      else if (!fault.empty())
        Problem(G.WorldFile("map.adf"), "", "", "the portrait " + G.RootRelative(path) + " " + fault);
    }
    const std::string chars = G.WorldFile("chars.adf");
    for (int i = 0; i < G.Characters.Count(); ++i) {
      const std::string& image = G.Characters.At(i)->Image;
      if (image.empty() || !IsSafeDataName(image)) {
        Problem(chars, G.Characters.NameAt(i), "IMAGE", "the character has no portrait that the game can load");
        continue;
      }
      const std::string path = Picture("coms/" + image);
      if (const std::string fault = Fault(path); !fault.empty())
        Problem(chars, G.Characters.NameAt(i), "IMAGE", "the portrait " + G.RootRelative(path) + " " + fault);
    }
  }

  // The game compares a trigger's names exactly: a name found only in another letter case is
  // one that never fires.
  void SameSpelling(const std::string& file, const std::string& section, const char* key, const std::string& name,
                    const std::string& real) {
    if (!name.empty() && !real.empty() && name != real)
      Problem(file, section, key, "\"" + name + "\" is spelled \"" + real + "\" in the campaign: the trigger never fires");
  }
  bool KnownDevice(const std::string& name) const { return Devices.count(name) > 0; }

  // ---- triggers.adf ----
  void CheckTriggers() {
    const std::string& f = TriggersFile;
    for (int i = 0; i < G.Triggers.Count(); ++i) {
      const std::string& s = G.Triggers.NameAt(i);
      const TTrigger& t = *G.Triggers.At(i);
      for (const auto& key : AdfReadKeys(f, s))
        if (!InList(TriggerKeys, std::size(TriggerKeys), key) && NumberAfter(key, "TRIGGER_ON_STATE") < 1)
          Problem(f, s, key, "the key is not one a trigger has");
      if (t.EventName.empty()) Problem(f, s, "TRIGGER_EVENT", "the trigger runs no event");
      else if (!EventExists(t.EventName)) Problem(f, s, "TRIGGER_EVENT", "event \"" + t.EventName + "\" is not in events.adf");
      if (!t.CharName.empty() && !G.FindCharacter(t.CharName))
        Problem(f, s, "TRIGGER_CHAR", "character \"" + t.CharName + "\" does not exist");
      if (!t.RaceName.empty() && !G.FindRace(t.RaceName))
        Problem(f, s, "TRIGGER_RACE", "race \"" + t.RaceName + "\" is not in the campaign");
      if (!t.SystemName.empty() && !G.FindLocation(t.SystemName))
        Problem(f, s, "TRIGGER_SYSTEM", "location \"" + t.SystemName + "\" is not on the map");
      if (!t.KillFleet.empty() && !G.FindFleet(t.KillFleet))
        Problem(f, s, "TRIGGER_KILL_FLEET", "fleet \"" + t.KillFleet + "\" does not exist");
      if (const TLocation* loc = t.SystemName.empty() ? nullptr : G.FindLocation(t.SystemName))
        SameSpelling(f, s, "TRIGGER_SYSTEM", t.SystemName, loc->LocName);
      if (const TFleet* fleet = t.KillFleet.empty() ? nullptr : G.FindFleet(t.KillFleet))
        SameSpelling(f, s, "TRIGGER_KILL_FLEET", t.KillFleet, fleet->Name);
      if (const int c = t.CharName.empty() ? -1 : G.Characters.IndexOf(t.CharName); c >= 0)
        SameSpelling(f, s, "TRIGGER_CHAR", t.CharName, G.Characters.NameAt(c));
      if (const int r = t.RaceName.empty() ? -1 : G.Races.IndexOf(t.RaceName); r >= 0)
        SameSpelling(f, s, "TRIGGER_RACE", t.RaceName, G.Races.NameAt(r));
      if (!t.LooseShip.empty() && !G.FindShipInfo(t.LooseShip))
        Problem(f, s, "TRIGGER_LOOSE_SHIP", "ship class \"" + t.LooseShip + "\" is not in the campaign");
      if (!t.GainDev.empty() && !KnownDevice(t.GainDev))
        Problem(f, s, "TRIGGER_GAIN_DEV", "device \"" + t.GainDev + "\" is not an artifact of the campaign");
      if (!t.LooseDev.empty() && !KnownDevice(t.LooseDev))
        Problem(f, s, "TRIGGER_LOOSE_DEV", "device \"" + t.LooseDev + "\" is not an artifact of the campaign");
    }
  }

  // ---- events.adf ----
  struct TEvent {
    std::string Section;
    std::vector<std::string> Keys;
  };

  std::string Value(const TEvent& e, const std::string& key) const { return Trim(AdfReadString(Events, e.Section, key, "")); }
  void Error(const TEvent& e, const std::string& key, const std::string& m) { Problem(Events, e.Section, key, m); }
  // A number key: true with its value when it is one; an error when present but not a number.
  bool Number(const TEvent& e, const std::string& key, long long& v) {
    if (!AdfKeyExists(Events, e.Section, key)) return false;
    const auto n = ParseInteger(Value(e, key));
    if (!n) {
      Error(e, key, "\"" + Value(e, key) + "\" is not a number");
      return false;
    }
    v = *n;
    if (const auto range = EventNumberRange(key)) {
      std::string problem;
      v = HoldToRange(*n, range->Lo, range->Hi, &problem);
      if (!problem.empty()) Error(e, key, problem);
    }
    return true;
  }
  void Location(const TEvent& e, const std::string& key, const std::string& name) {
    if (!G.FindLocation(name)) Error(e, key, "location \"" + name + "\" is not on the map");
  }
  void Device(const TEvent& e, const std::string& key, const std::string& name) {
    if (!name.empty() && !KnownDevice(name)) Error(e, key, "device \"" + name + "\" is not an artifact of the campaign");
  }
  void Class(const TEvent& e, const std::string& key, const std::string& name) {
    if (!G.FindShipInfo(name)) Error(e, key, "ship class \"" + name + "\" is not in the campaign");
  }
  void Character(const TEvent& e, const std::string& key, const std::string& name) {
    if (!G.FindCharacter(name)) Error(e, key, "character \"" + name + "\" does not exist");
  }

  void CheckEvent(const std::string& section) {
    TEvent e{section, AdfReadKeys(Events, section)};
    std::set<std::string> known;  // upper-case keys of this event that the game reads
    auto mark = [&](const std::string& key) { known.insert(UpperCase(key)); };

    for (const char* key : NumberKeys) {
      long long v = 0;
      Number(e, key, v);
      mark(key);
    }
    for (const char* key : TextKeys) mark(key);

    // The event screen: its lines and its picture.
    long long lines = 0;
    Number(e, "TEXT_LINES", lines);
    for (const auto& key : e.Keys) {
      const int n = NumberAfter(key, "TEXT");
      if (n < 1) continue;
      mark(key);
      if (n > lines + 1) Error(e, key, "the line is never shown (TEXT_LINES is " + std::to_string(lines) + ")");
    }
    const std::string image = Value(e, "IMAGE");
    if (!image.empty()) {
      if (!IsSafeDataName(image)) {
        Error(e, "IMAGE", "the picture \"" + image + "\" leaves the campaign's folder");
      } else {
        const std::string path = Picture(image);
        if (const std::string fault = Fault(path); !fault.empty())
          Error(e, "IMAGE", "the picture " + G.RootRelative(path) + " " + fault);
      }
    }

    const std::string fail = Value(e, "FAIL_EVENT");
    if (!fail.empty() && !EventExists(fail)) Error(e, "FAIL_EVENT", "event \"" + fail + "\" is not in events.adf");
    const std::string paid = Value(e, "PAID_EVENT");
    if (!paid.empty() && !EventExists(paid)) Error(e, "PAID_EVENT", "event \"" + paid + "\" is not in events.adf");
    Device(e, "GIVE_DEVICE", Value(e, "GIVE_DEVICE"));
    Device(e, "GET_DEVICE", Value(e, "GET_DEVICE"));
    if (AdfKeyExists(Events, section, "ENVOKE_DIALOG")) Character(e, "ENVOKE_DIALOG", Value(e, "ENVOKE_DIALOG"));

    // Relations: a key with a race's name.
    for (const auto& key : e.Keys) {
      const bool race = G.FindRace(key) && !SameText(key, "NONE");
      if (!race && !G.Relations.Find(key)) continue;
      mark(key);
      long long v = 0;
      if (Number(e, key, v) && (v < 0 || v > 100)) Error(e, key, "the relation " + std::to_string(v) + " is not 0..100");
      if (!G.Relations.Find(key)) Error(e, key, "the race has no relation in the map's RELATIONS: the event changes nothing");
    }

    CheckLists(e, mark);
    CheckNamedKeys(e, mark);

    for (const auto& key : e.Keys) {
      const int db = NumberAfter(key, "DB_ENTRY");
      if (db >= 0) {
        mark(key);
        long long n = 0;
        Number(e, "DB_ENTRIES", n);
        if (db > n) Error(e, key, "the entry is never read (DB_ENTRIES is " + std::to_string(n) + ")");
      }
      if (!known.count(UpperCase(key))) Error(e, key, "the key is not one an event has");
    }
  }

  template <typename Mark>
  void CheckLists(const TEvent& e, Mark& mark) {
    for (const TEventList& list : EventLists()) {
      mark(list.CountKey);
      long long count = 0;
      Number(e, list.CountKey, count);
      if (count < 0 || count > MaxEventList) {
        Error(e, list.CountKey, "the count " + std::to_string(count) + " is not 0.." + std::to_string(MaxEventList));
        count = 0;
      }
      for (const auto& key : e.Keys) {
        const int n = NumberAfter(key, list.ItemKey);
        if (n < 0) continue;
        mark(key);
        if (n < 1 || n > count) Error(e, key, "the line is never read (" + std::string(list.CountKey) + " is " + std::to_string(count) + ")");
      }
      for (int n = 1; n <= count; ++n) {
        const std::string key = list.ItemKey + std::to_string(n);
        auto f = SplitFields(Value(e, key));
        for (auto& x : f) x = Trim(x);
        CheckListLine(e, list.ItemKey, key, f);
      }
    }
  }

  void CheckListLine(const TEvent& e, const std::string& item, const std::string& key, const std::vector<std::string>& f) {
    auto need = [&](size_t n, const char* shape) {
      if (f.size() >= n && !f[0].empty()) return true;
      Error(e, key, std::string("the line is not ") + shape);
      return false;
    };
    if (item == "ADD_LOG") {
      need(2, "title;status");
    } else if (item == "MAKE_KNOWN") {
      if (need(1, "a location")) Location(e, key, f[0]);
    } else if (item == "ADD_DEVICE_TO_PLANET" || item == "ADD_VIP_TO_PLANET") {
      if (!need(3, item == "ADD_VIP_TO_PLANET" ? "VIP;location;planet" : "device;location;planet")) return;
      if (item == "ADD_DEVICE_TO_PLANET") Device(e, key, f[0]);
      const TLocation* loc = G.FindLocation(f[1]);
      if (!loc) Error(e, key, "location \"" + f[1] + "\" is not on the map");
      else if (!loc->PlanetList.Find(f[2])) Error(e, key, "planet \"" + f[2] + "\" is not at " + loc->LocName);
    } else if (item == "CAPTURE_SYSTEM") {
      if (!need(2, "location;race")) return;
      Location(e, key, f[0]);
      if (!G.FindRace(f[1])) Error(e, key, "race \"" + f[1] + "\" is not in the campaign");
    } else if (item == "ADD_BLUE") {
      if (!need(2, "class;cost")) return;
      Class(e, key, f[0]);
      const auto cost = ParseInteger(f[1]);
      if (!cost || *cost < 0) Error(e, key, "the cost \"" + f[1] + "\" is not a number");
    }
  }

  template <typename Mark>
  void CheckNamedKeys(const TEvent& e, Mark& mark) {
    for (const auto& key : e.Keys) {
      for (const TNamedKey& named : NamedEventKeys()) {
        int n = 0;
        const auto name = named.Numbered ? NumberedNameAfter(key, named.Prefix, n) : NameAfter(key, named.Prefix);
        if (!name) continue;
        mark(key);
        const std::string who = Trim(*name);
        const std::string value = Value(e, key);
        switch (named.Target) {
          case etFleet: CheckFleetKey(e, key, named, who, n, value); break;
          case etRace:
            if (!G.FindRace(who)) Error(e, key, "race \"" + who + "\" is not in the campaign");
            break;
          case etCharacter: Character(e, key, who); break;
          case etTradePost: CheckTradeKey(e, key, named, who, n, value); break;
        }
        break;
      }
    }
  }

  void CheckTradeKey(const TEvent& e, const std::string& key, const TNamedKey& named, const std::string& post, int n,
                     const std::string& value) {
    if (!G.TradePosts.Find(post)) {
      Error(e, key, "trade post \"" + post + "\" does not exist");
      return;
    }
    const std::string prefix = named.Prefix;
    if (named.Numbered) {
      // "TRADE_ADD_SHIP" n "@" post: a class;price line, counted by "TRADE_ADD_SHIPS@" post.
      long long count = 0;
      Number(e, prefix + "S@" + post, count);
      if (n < 1 || n > count) Error(e, key, "the line is never read (" + prefix + "S@" + post + " is " + std::to_string(count) + ")");
      const auto line = ParseTradeLine(value);
      if (!line) Error(e, key, "the line is not class;price");
      else Class(e, key, line->first);
    } else if (prefix.size() > 2 && prefix.compare(prefix.size() - 2, 2, "S@") == 0) {
      long long count = 0;
      Number(e, key, count);
      for (long long i = 1; i <= count && i <= MaxEventList; ++i) {
        const std::string item = prefix.substr(0, prefix.size() - 2) + std::to_string(i) + "@" + post;
        if (!AdfKeyExists(Events, e.Section, item)) Error(e, item, "the line is missing");
      }
    } else {
      long long v = 0;
      Number(e, key, v);
    }
  }

  // ---- trade.adf: every post is some partner's, a character's or a race's ----
  void CheckTradePosts() {
    const std::string file = G.WorldFile("trade.adf");
    for (int i = 0; i < G.TradePosts.Count(); ++i) {
      const std::string& name = G.TradePosts.NameAt(i);
      if (!G.FindCharacter(name) && !G.FindRace(name))
        Problem(file, name, "", "the post is named after no character or race: no one trades there");
    }
  }

  void CheckFleetKey(const TEvent& e, const std::string& key, const TNamedKey& named, const std::string& fleet, int n,
                     const std::string& value) {
    const int index = G.Fleets.IndexOf(fleet);
    if (index < 0) {
      Error(e, key, "fleet \"" + fleet + "\" does not exist");
      return;
    }
    const std::string prefix = named.Prefix;
    if (named.Numbered) {
      // "GET_SHIP" n "@" fleet: a ship class, counted by "GET_SHIPS@" fleet.
      long long count = 0;
      Number(e, prefix + "S@" + fleet, count);
      if (n < 1 || n > count) Error(e, key, "the ship is never read (" + prefix + "S@" + fleet + " is " + std::to_string(count) + ")");
      Class(e, key, value);
    } else if (prefix == "GET_SHIPS@" || prefix == "LOOSE_SHIPS@") {
      long long count = 0;
      Number(e, key, count);
      for (long long i = 1; i <= count && i <= MaxEventList; ++i) {
        const std::string item = prefix.substr(0, prefix.size() - 2) + std::to_string(i) + "@" + fleet;
        if (!AdfKeyExists(Events, e.Section, item)) Error(e, item, "the ship class is missing");
      }
    } else if (prefix == "TELEPORT@" || prefix == "SEND@") {
      const auto place = ParseEventPlace(value);
      if (!place) Error(e, key, "\"" + value + "\" is not # and a location, or X x Y");
      else if (!place->Location.empty()) Location(e, key, place->Location);
    } else if (prefix == "DESTROY_FLEET@") {
      long long v = 0;
      Number(e, key, v);
      if (index == 0) Error(e, key, "the player's fleet cannot be destroyed by an event");
    }
  }
};

}  // namespace

std::vector<std::string> CheckStoryFiles(const TGameMain& game) { return TStoryCheck(game).Run(); }

}  // namespace sw
