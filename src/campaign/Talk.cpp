// Talks on the communication screen: opening a talk with a fleet, a planet or a character,
// loading a section of its dialogue file, and choosing an answer (relation change, event,
// next section or the command that ends the talk). Also the data check of the dialogue files.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "campaign/GameMain.h"
#include "campaign/SafeNames.h"
#include "core/Adf.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

// Sections and answers are numbered lists; counts beyond these are data errors, not a reason to
// read millions of missing keys.
constexpr int MaxReplyLines = 200;
constexpr int MaxResponds = 50;

// The answer offered by a section that has none of its own, so a talk can always be left.
constexpr const char* ImplicitAnswer = "End transmission";

bool IsNoEvent(const std::string& event) { return event.empty() || SameText(event, "#NONE"); }

// Splits "text;next;relation change;event" into an answer; fields that are missing stay empty.
// Returns an empty string, or what is wrong with the relation change.
std::string ParseRespond(const std::string& line, TRespond& r) {
  std::string fields[4];
  size_t start = 0;
  for (int i = 0; i < 4; ++i) {
    if (start > line.size()) break;
    const size_t semi = i < 3 ? line.find(';', start) : std::string::npos;
    fields[i] = line.substr(start, semi == std::string::npos ? std::string::npos : semi - start);
    start = semi == std::string::npos ? line.size() + 1 : semi + 1;
  }
  r.Text = Trim(fields[0]);
  r.Next = Trim(fields[1]);
  r.EventName = Trim(fields[3]);
  const std::string delta = Trim(fields[2]);
  const auto value = ParseInteger(delta);
  r.RelationDelta = value ? static_cast<int>(std::clamp<long long>(*value, -1000, 1000)) : 0;
  if (delta.empty()) return "the answer has no relation change";
  if (!value) return "the relation change \"" + delta + "\" is not a number";
  return {};
}

}  // namespace

// ---- Opening a talk --------------------------------------------------------------------------

void TGameMain::OpenTalk(int mode, const std::string& partner) {
  // Whom the talk is with: a fleet other than the player's, a planet of the selected location,
  // or a named character. Without one no talk opens.
  const TFleet* fleet = nullptr;
  const TLocation* location = nullptr;
  const TPlanet* planet = nullptr;
  if (mode == 0) {
    if (SelectedFleet <= 0 || !(fleet = Fleets.At(SelectedFleet))) return;
  } else if (mode == 1) {
    location = Locations.At(SelectedLocation);
    planet = location ? location->PlanetList.At(SelectedPlanet) : nullptr;
    if (!planet) return;
  } else if (mode == 2) {
    if (!FindCharacter(partner)) {
      DataError(WorldFile("chars.adf"), partner, "", "\"" + partner + "\" is not a character: no talk opens");
      return;
    }
  } else {
    return;
  }

  ComMode = mode;
  ++TalkCount;
  ShowScreen(csCommunication);
  if (mode == 2) SelectedFleet = 0;

  // The race, and the attitude it shows the player.
  std::string race = mode == 0 ? fleet->Race : mode == 1 ? location->Owner : PlayerFleet()->Race;
  std::string prefix;
  if (mode != 2) {
    const int r = Relation(race);
    if (r >= 0 && r <= 30) prefix = "HOSTILE_";
    else if (r >= 31 && r <= 70) prefix = "NEUTRAL_";
    else if (r >= 71 && r <= 100) prefix = "FRIENDLY_";
  }

  // The partner: the fleet's commander, the last character living on the planet, or the
  // character the story names.
  std::string who;
  if (mode == 0) {
    who = fleet->Cmdr;
  } else if (mode == 1) {
    who = "NONE";
    for (int i = 0; i < Characters.Count(); ++i)
      if (SameText(Characters.At(i)->Planet, planet->Name)) who = Characters.NameAt(i);
  } else {
    who = partner;
  }
  TalkPartner = who;
  TalkRace = race;
  ReplyLines.clear();
  Responds.Clear();
  RaceInfoLines.clear();

  // The partner's and the race's triggers may change the world (a section word among others)
  // before the talk picks its section.
  const int talk = TalkCount;
  TalkTriggers(who, race);
  // An event of those triggers that opened another talk (an internal one) keeps it.
  if (TalkCount != talk) return;

  std::string section, portrait;
  if (const TCharacter* c = FindCharacter(who)) {
    DialogFile = "heroes_" + (mode == 2 ? std::string("internal") : race);
    section = c->Dialog + "_" + c->CurrentSection + "_000";
    portrait = c->Image;
  } else {
    const TRaceInfo* info = FindRace(race);
    DialogFile = (mode == 0 ? "fleet_" : "planet_") + race;
    section = prefix + "GENERIC_" + (info ? info->RaceSect : std::string()) + "_000";
    portrait = race + "0";
  }

  LoadComPortrait(portrait);
  LoadSection(section);
  SetSpeed(0);
  if (mode != 2) FillRaceInfoLines(race);
  PlaySound("static");
}

void TGameMain::LoadComPortrait(const std::string& portrait) {
  // The portrait behind the static. One that cannot be loaded is reported and the screen goes on
  // without a picture (never with the last talk's).
  if (!Env.Images) return;
  bool loaded = false;
  if (IsSafeDataName(portrait)) {
    std::string folder = NormalizeSlashes(CampaignFolder);
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    const std::string path =
        ResolvePath(NormalizeSlashes(Env.GraphicsFolder + "campaigns/" + folder + "/coms/" + portrait + ".img"));
    try {
      Env.Images->LoadImage("com_pic", path, clBlack);
      loaded = true;
    } catch (const std::exception& e) {
      ReportOnce(RootRelative(path) + ": the portrait cannot be loaded: " + e.what());
    }
  } else {
    ReportOnce("The portrait \"" + portrait + "\" leaves the campaign's folder");
  }
  if (!loaded) Env.Images->Remove("com_pic");
}

void TGameMain::FillRaceInfoLines(const std::string& race) {
  const TRaceInfo* info = FindRace(race);
  const TRaceInfo none;
  const TRaceInfo& r = info ? *info : none;
  RaceInfoLines = {info ? r.DisplayName : race,
                   "Race homeworld : " + r.RHomeworld,
                   "Species : " + r.Species,
                   "Class : " + r.Class,
                   "Species homeworld : " + r.SHomeworld,
                   "Government : " + r.Government};
}

// ---- Sections ---------------------------------------------------------------------------------

void TGameMain::LoadSection(const std::string& section) {
  ReplyLines.clear();
  Responds.Clear();
  TalkSection = section;
  // A dialogue name that would leave the dialogue folder reads as a missing file.
  const bool safe = IsSafeDataName(DialogFile) && DialogFile.find_first_of("/\\") == std::string::npos;
  const std::string file = ResolvePath(CampaignDataFolder() + "dialogs/" + DialogFile + ".adf");
  if (safe && AdfSectionExists(file, section)) {
    const int lines = AdfReadInteger(file, section, "REPLY_LINES", 0);
    if (lines > MaxReplyLines) DataError(file, section, "REPLY_LINES", "more than 200 lines");
    for (int n = 1; n <= std::min(lines, MaxReplyLines); ++n)
      ReplyLines.push_back(AdfReadString(file, section, "REPLY" + std::to_string(n), ""));
    const int answers = AdfReadInteger(file, section, "RESPONDS", 0);
    if (answers > MaxResponds) DataError(file, section, "RESPONDS", "more than 50 answers");
    for (int n = 1; n <= std::min(answers, MaxResponds); ++n) {
      const std::string key = "RESPOND" + std::to_string(n);
      auto r = std::make_unique<TRespond>();
      const std::string problem = ParseRespond(AdfReadString(file, section, key, ""), *r);
      if (!problem.empty()) DataError(file, section, key, problem);
      if (IsNoEvent(r->EventName)) r->EventName = "#NONE";
      Responds.Add(key, std::move(r));
    }
  }
  // A section without answers (or a missing one) still lets the player end the talk.
  if (Responds.Count() == 0) {
    auto r = std::make_unique<TRespond>();
    r->Text = ImplicitAnswer;
    r->Next = "#END";
    Responds.Add("RESPOND1", std::move(r));
  }
}

// ---- Answers ----------------------------------------------------------------------------------

namespace {

// The talk is over: the map returns and the clock runs again.
void EndTalk(TGameMain& game) {
  game.ShowScreen(csMap);
  game.SetSpeed(1);
}

// The other fleet joins the player: its ship entries go to the end of the player's fleet and
// the fleet leaves the world. Joining is not a kill: no trigger of a destroyed fleet fires.
void JoinSelectedFleet(TGameMain& game) {
  TFleet* player = game.PlayerFleet();
  const TFleet* other = game.Fleets.At(game.SelectedFleet);
  for (int i = 0; i < other->Ships.Count(); ++i) {
    const TShip& s = *other->Ships.At(i);
    auto copy = std::make_unique<TShip>(s);
    int n = player->Ships.Count() + 1;
    while (player->Ships.IndexOf("SHIP" + std::to_string(n)) >= 0) ++n;
    player->Ships.Add("SHIP" + std::to_string(n), std::move(copy));
  }
  game.RemoveFleet(game.SelectedFleet);
  game.SelectedFleet = 0;
  EndTalk(game);
}

}  // namespace

void TGameMain::ChooseAnswer(int answer) {
  if (answer < 0 || answer > 2 || answer >= Responds.Count()) return;
  const TRespond chosen = *Responds.At(answer);

  // The attitude of the race the talk is with (the player's own in an internal talk).
  if (chosen.RelationDelta != 0 && !TalkRace.empty()) {
    const int relation = std::clamp(Relation(TalkRace) + chosen.RelationDelta, 0, 100);
    Relations.Set(TalkRace, std::to_string(relation));
  }
  const bool hasEvent = !IsNoEvent(chosen.EventName);

  if (!chosen.Next.empty() && chosen.Next[0] == '#') {
    // Battle and joining need another fleet to act on: in a planet or an internal talk (or once
    // the other fleet is gone) they end the talk like "#END".
    const bool withFleet = ComMode == 0 && SelectedFleet > 0 && Fleets.At(SelectedFleet);
    if (SameText(chosen.Next, "#END")) {
      EndTalk(*this);
    } else if (SameText(chosen.Next, "#BATTLE") || SameText(chosen.Next, "#COMBAT")) {
      // The combat set-up against the other fleet; when there is none, or either side cannot
      // field a flagship, the talk simply ends.
      if (!(withFleet && Attack())) EndTalk(*this);
    } else if (SameText(chosen.Next, "#TRADE")) {
      // Trade with the partner: its own post when it is a character with one, else its race's
      // (an internal talk's character only at its own), active or not. A partner without a post
      // has nothing to trade: the talk simply ends.
      if (!OpenTradeWith(TalkPartner, ComMode == 2 ? std::string() : TalkRace)) EndTalk(*this);
    } else if (SameText(chosen.Next, "#JOIN")) {
      if (withFleet) JoinSelectedFleet(*this);
      else EndTalk(*this);
    }
    // Any other command only runs the answer's event.
    if (hasEvent) RunEvent(chosen.EventName);
    return;
  }

  const int talk = TalkCount;
  const std::string file = DialogFile;
  if (hasEvent) RunEvent(chosen.EventName);
  // An event that opened another talk leaves that talk on screen; this one is over.
  if (TalkCount != talk || file != DialogFile) return;
  LoadSection(chosen.Next);
}

// ---- The data check ---------------------------------------------------------------------------

void TGameMain::CheckDialogues() {
  namespace fs = std::filesystem;
  const std::string folder = ResolvePath(CampaignDataFolder() + "dialogs");
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return;
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && SameText(entry.path().extension().string(), ".adf"))
      files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  for (const std::string& file : files) {
    const std::vector<std::string> sections = AdfReadSections(file);
    auto hasSection = [&](const std::string& name) {
      return std::any_of(sections.begin(), sections.end(), [&](const std::string& s) { return SameText(s, name); });
    };
    for (const std::string& section : sections) {
      const int answers = std::min(AdfReadInteger(file, section, "RESPONDS", 0), MaxResponds);
      for (int n = 1; n <= answers; ++n) {
        const std::string key = "RESPOND" + std::to_string(n);
        if (!AdfKeyExists(file, section, key)) {
          DataError(file, section, key, "the answer is missing");
          continue;
        }
        TRespond r;
        const std::string problem = ParseRespond(AdfReadString(file, section, key, ""), r);
        if (!problem.empty()) DataError(file, section, key, problem);
        if (r.Next.empty()) DataError(file, section, key, "the answer names no next section");
        else if (r.Next[0] != '#' && !hasSection(r.Next))
          DataError(file, section, key, "the next section \"" + r.Next + "\" is not in the file");
      }
    }
  }
}

}  // namespace sw
