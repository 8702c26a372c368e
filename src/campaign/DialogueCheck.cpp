#include "campaign/DialogueCheck.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "campaign/EventScript.h"
#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "campaign/WorldFiles.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

// The communication screen offers a section's first three answers; the answer check reads no
// more than this many.
constexpr int OfferedAnswers = 3;
constexpr int MaxAnswers = 50;
// Patrol commanders of random_chars.adf read at most.
constexpr int MaxCommanders = 1000;

// A value the world or the story can give (a section word, a current section, an owner) and
// where it comes from, for the report.
struct TSource {
  std::string Value, From;
};

class TDialogueCheck {
public:
  explicit TDialogueCheck(const TGameMain& game)
      : G(game),
        Folder(ResolvePath(game.CampaignDataFolder() + "dialogs")),
        Events(ResolvePath(game.CampaignDataFolder() + "events.adf")),
        RandomChars(ResolvePath(game.CampaignDataFolder() + "random_chars.adf")) {}

  std::vector<std::string> Run() {
    ReadStory();
    FleetTalks();
    PatrolTalks();
    PlanetTalks();
    InternalTalks();
    CheckFiles();
    std::vector<std::string> lines;
    for (auto& [path, found] : Lines)
      for (auto& line : found) lines.push_back(std::move(line));
    return lines;
  }

private:
  const TGameMain& G;
  std::string Folder, Events, RandomChars;

  // What the story can change, by upper-case race, character and location name.
  std::map<std::string, std::vector<TSource>> RaceWords, CharSections, Captured;
  // The events that open an internal talk with a character, by upper-case character name.
  std::map<std::string, std::vector<std::string>> Called;
  // The current section each event gives a character: by upper-case event, then character.
  std::map<std::string, std::map<std::string, std::string>> EventSets;
  // Why a race's relation can leave 0..100 (a talk then opens with no attitude), by race.
  std::map<std::string, std::string> OutOfRange;

  // The openings of one dialogue file, in the order the talks were found, each with the first
  // way a talk reaches it.
  struct TOpenings {
    std::string Name;
    std::vector<TSource> Sections;  // Value: the section
    std::set<std::string> Seen;     // upper-case sections
  };
  std::map<std::string, TOpenings> Files;  // by upper-case file name
  std::map<std::string, std::vector<std::string>> Lines;  // by file, so the report goes file by file

  void Problem(const std::string& path, const std::string& section, const std::string& key, const std::string& m) {
    const std::string file = G.RootRelative(path);
    Lines[file].push_back(file + ":" + section + ":" + key + ": " + m);
  }

  // ---- What the story changes ----
  void ReadStory() {
    for (const auto& section : AdfReadSections(Events)) {
      const std::string by = "set by event " + section;
      for (const auto& key : AdfReadKeys(Events, section)) {
        const std::string value = Trim(AdfReadString(Events, section, key, ""));
        if (const auto race = NameAfter(key, "RACE@")) {
          RaceWords[UpperCase(Trim(*race))].push_back({value, by});
        } else if (const auto who = NameAfter(key, "CHARS@")) {
          CharSections[UpperCase(Trim(*who))].push_back({value, by});
          EventSets[UpperCase(section)].emplace(UpperCase(Trim(*who)), value);
        } else if (SameText(key, "ENVOKE_DIALOG")) {
          Called[UpperCase(value)].push_back(section);
        } else if (G.FindRace(key)) {
          const auto v = ParseInteger(value);
          if (v && (*v < 0 || *v > 100) && !OutOfRange.count(UpperCase(key)))
            OutOfRange[UpperCase(key)] = "relation " + std::to_string(*v) + " " + by;
        }
      }
      const int captures = std::clamp(AdfReadInteger(Events, section, "CAPTURE_SYSTEMS", 0), 0, MaxEventList);
      for (int n = 1; n <= captures; ++n) {
        auto f = SplitFields(AdfReadString(Events, section, "CAPTURE_SYSTEM" + std::to_string(n), ""));
        if (f.size() >= 2 && !Trim(f[0]).empty())
          Captured[UpperCase(Trim(f[0]))].push_back({Trim(f[1]), "captured by event " + section});
      }
    }
    for (const auto& [race, value] : G.Relations.Items) {
      const auto v = ParseInteger(Trim(value));
      if (v && (*v < 0 || *v > 100)) OutOfRange[UpperCase(race)] = "relation " + std::to_string(*v) + " of the map";
    }
  }

  // The section words a race can have: the map's, then every one an event sets.
  std::vector<TSource> WordsOf(const std::string& race) const {
    const TRaceInfo* info = G.FindRace(race);
    std::vector<TSource> words;
    const std::string w = info ? info->RaceSect : std::string();
    words.push_back({w, w.empty() ? "no section word in the map's RACE_SECT" : "section word \"" + w + "\" of the map's RACE_SECT"});
    const auto set = RaceWords.find(UpperCase(race));
    if (set != RaceWords.end())
      for (const auto& s : set->second) words.push_back({s.Value, "section word \"" + s.Value + "\" " + s.From});
    return words;
  }

  // The current sections a character can have: chars.adf's, then every one an event sets.
  std::vector<TSource> SectionsOf(const std::string& name, const TCharacter& c) const {
    std::vector<TSource> sections{{c.CurrentSection, "current section \"" + c.CurrentSection + "\" of chars.adf"}};
    const auto set = CharSections.find(UpperCase(name));
    if (set != CharSections.end())
      for (const auto& s : set->second) sections.push_back({s.Value, "current section \"" + s.Value + "\" " + s.From});
    return sections;
  }

  void Open(const std::string& file, const std::string& section, const std::string& why) {
    TOpenings& f = Files[UpperCase(file)];
    if (f.Name.empty()) f.Name = file;
    if (f.Seen.insert(UpperCase(section)).second) f.Sections.push_back({section, why});
  }

  // A talk in mode 0 (a fleet), 1 (a planet) or 2 (internal) with a partner of a race: the
  // character's opening in the heroes file, or the race's generic openings for every attitude
  // (answers move the relation anywhere in 0..100) and every section word.
  void Talk(int mode, const std::string& race, const std::string& partner, const std::string& how) {
    if (const TCharacter* c = G.FindCharacter(partner)) {
      if (mode != 2 && !G.FindRace(race)) return;  // loading reports the race
      const std::string file = "heroes_" + (mode == 2 ? std::string("internal") : race);
      for (const auto& s : SectionsOf(partner, *c)) Open(file, c->Dialog + "_" + s.Value + "_000", how + "; " + s.From);
      return;
    }
    // An internal talk with no character opens nothing (the story check reports the event); a
    // race the campaign lacks is reported by loading.
    if (mode == 2 || !G.FindRace(race)) return;
    const std::string file = (mode == 0 ? "fleet_" : "planet_") + race;
    std::vector<TSource> attitudes{{"HOSTILE_", ""}, {"NEUTRAL_", ""}, {"FRIENDLY_", ""}};
    const auto outside = OutOfRange.find(UpperCase(race));
    if (outside != OutOfRange.end()) attitudes.push_back({"", "; no attitude: " + outside->second});
    for (const auto& w : WordsOf(race))
      for (const auto& a : attitudes) Open(file, a.Value + "GENERIC_" + w.Value + "_000", how + "; " + w.From + a.From);
  }

  // ---- Who can be hailed ----
  void FleetTalks() {
    for (int i = 1; i < G.Fleets.Count(); ++i) {
      const TFleet& f = *G.Fleets.At(i);
      Talk(0, f.Race, f.Cmdr, "hailing the fleet " + f.Name);
    }
  }

  // The locations a race can hold: those the map gives it and those an event captures for it.
  bool HoldsALocation(const std::string& race) const {
    for (int i = 0; i < G.Locations.Count(); ++i) {
      const TLocation& loc = *G.Locations.At(i);
      if (loc.LocType == ltFleetLocation) continue;
      if (SameText(loc.Owner, race)) return true;
      const auto c = Captured.find(UpperCase(loc.LocName));
      if (c != Captured.end())
        for (const auto& s : c->second)
          if (SameText(s.Value, race)) return true;
    }
    return false;
  }

  // Patrols appear at a race's locations under a commander of random_chars.adf ("Unknown" when
  // it lists none).
  void PatrolTalks() {
    for (int r = 0; r < G.Races.Count(); ++r) {
      const std::string& race = G.Races.NameAt(r);
      const TRaceInfo& info = *G.Races.At(r);
      if (info.MinPatrolers <= 0 || !G.FindShipInfo(info.MajorPatCraft) || !HoldsALocation(race)) continue;
      const int count = std::min(AdfReadInteger(RandomChars, race, "CHARS", 0), MaxCommanders);
      if (count <= 0) Talk(0, race, "Unknown", "hailing a patrol of " + race);
      for (int n = 1; n <= count; ++n) {
        const std::string cmdr = AdfReadString(RandomChars, race, "CHAR" + std::to_string(n), "Unknown");
        Talk(0, race, cmdr, "hailing a patrol of " + race + (G.FindCharacter(cmdr) ? " under " + cmdr : std::string()));
      }
    }
  }

  // A populated planet can be hailed; the talk is with the last character living there, else
  // with the owner of its location, whoever that is when an event has captured it.
  void PlanetTalks() {
    for (int i = 0; i < G.Locations.Count(); ++i) {
      const TLocation& loc = *G.Locations.At(i);
      if (loc.LocType == ltFleetLocation) continue;
      std::vector<TSource> owners{{loc.Owner, ""}};
      const auto c = Captured.find(UpperCase(loc.LocName));
      if (c != Captured.end())
        for (const auto& s : c->second) owners.push_back({s.Value, ", " + s.From + " for " + s.Value});
      for (int k = 0; k < loc.PlanetList.Count(); ++k) {
        const TPlanet& planet = *loc.PlanetList.At(k);
        if (planet.Population <= 0) continue;
        std::string partner = "NONE";
        for (int n = 0; n < G.Characters.Count(); ++n)
          if (SameText(G.Characters.At(n)->Planet, planet.Name)) partner = G.Characters.NameAt(n);
        for (const auto& owner : owners)
          Talk(1, owner.Value, partner, "hailing the planet " + planet.Name + " at " + loc.LocName + owner.From);
      }
    }
  }

  // The current section an event gives the character, or nullptr.
  const std::string* SetBy(const std::string& event, const std::string& character) const {
    const auto e = EventSets.find(UpperCase(event));
    if (e == EventSets.end()) return nullptr;
    const auto c = e->second.find(UpperCase(character));
    return c == e->second.end() ? nullptr : &c->second;
  }

  // An event that calls a character may have any of its current sections by then; but one that
  // moves the character on itself (its "CHARS@" runs before its "ENVOKE_DIALOG") opens the talk
  // in that section, or in one the character's own triggers set as the talk opens.
  void InternalTalks() {
    for (const auto& [name, events] : Called) {
      const int index = G.Characters.IndexOf(name);
      if (index < 0) continue;
      const std::string& who = G.Characters.NameAt(index);
      const TCharacter& c = *G.Characters.At(index);
      for (const auto& event : events) {
        const std::string how = "event " + event + " calls " + who;
        const std::string* own = SetBy(event, who);
        if (!own) {
          Talk(2, "", who, how);
          continue;
        }
        Open("heroes_internal", c.Dialog + "_" + *own + "_000", how + "; current section \"" + *own + "\" set by the same event");
        for (int t = 0; t < G.Triggers.Count(); ++t) {
          const TTrigger& trigger = *G.Triggers.At(t);
          const std::string* set = SameText(trigger.CharName, who) ? SetBy(trigger.EventName, who) : nullptr;
          if (set)
            Open("heroes_internal", c.Dialog + "_" + *set + "_000",
                 how + "; current section \"" + *set + "\" set by event " + trigger.EventName + " of trigger " +
                     G.Triggers.NameAt(t));
        }
      }
    }
  }

  // ---- The files ----
  void CheckFiles() {
    namespace fs = std::filesystem;
    std::vector<std::string> onDisk;
    std::error_code ec;
    if (fs::is_directory(Folder, ec))
      for (const auto& entry : fs::directory_iterator(Folder, ec))
        if (entry.is_regular_file(ec) && SameText(entry.path().extension().string(), ".adf"))
          onDisk.push_back(entry.path().string());
    std::map<std::string, const TOpenings*> opened;  // by path
    for (const auto& [key, f] : Files) {
      // A file name that would leave the dialogue folder reads as a missing file.
      const bool safe = IsSafeDataName(f.Name) && f.Name.find_first_of("/\\") == std::string::npos;
      const std::string path = ResolvePath(Folder + "/" + f.Name + ".adf");
      if (safe && FileExists(path)) {
        opened[path] = &f;
        continue;
      }
      for (const auto& s : f.Sections)
        Problem(path, s.Value, "", "the opening is missing: the file does not exist (" + s.From + ")");
    }
    for (const auto& path : onDisk) {
      const auto it = opened.find(path);
      if (it == opened.end()) Problem(path, "", "", "no talk ever opens the file");
      else CheckFile(path, *it->second);
    }
  }

  // The next section of an answer, or empty for a command ("#END" ...) or none.
  static std::string NextOf(const std::string& line) {
    const auto f = SplitFields(line);
    const std::string next = f.size() >= 2 ? Trim(f[1]) : std::string();
    return next.empty() || next[0] == '#' ? std::string() : next;
  }

  void CheckFile(const std::string& path, const TOpenings& openings) {
    const std::vector<std::string> sections = AdfReadSections(path);
    std::map<std::string, size_t> index;
    for (size_t i = 0; i < sections.size(); ++i) index.emplace(UpperCase(sections[i]), i);
    std::vector<bool> reached(sections.size(), false);
    std::vector<size_t> todo;
    auto reach = [&](const std::string& section) {
      const auto it = index.find(UpperCase(section));
      if (it == index.end()) return false;
      if (!reached[it->second]) {
        reached[it->second] = true;
        todo.push_back(it->second);
      }
      return true;
    };
    for (const auto& s : openings.Sections)
      if (!reach(s.Value)) Problem(path, s.Value, "", "the opening is missing (" + s.From + ")");
    while (!todo.empty()) {
      const std::string& section = sections[todo.back()];
      todo.pop_back();
      const int answers = std::min(AdfReadInteger(path, section, "RESPONDS", 0), OfferedAnswers);
      for (int n = 1; n <= answers; ++n) reach(NextOf(AdfReadString(path, section, "RESPOND" + std::to_string(n), "")));
    }
    for (size_t i = 0; i < sections.size(); ++i) {
      if (!reached[i]) Problem(path, sections[i], "", "the section is never reached from an opening or an answer");
      const int answers = std::min(AdfReadInteger(path, sections[i], "RESPONDS", 0), MaxAnswers);
      for (int n = OfferedAnswers + 1; n <= answers; ++n) {
        const std::string key = "RESPOND" + std::to_string(n);
        if (AdfKeyExists(path, sections[i], key))
          Problem(path, sections[i], key, "the answer is never offered: the communication screen shows the first three");
      }
    }
  }
};

}  // namespace

std::vector<std::string> CheckDialogueReach(const TGameMain& game) { return TDialogueCheck(game).Run(); }

}  // namespace sw
