#include "battle/Replay.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <map>

#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

const char* const GameVersion = "1.0";

namespace {

[[noreturn]] void ReplayFault(const std::string& name, const std::string& what) {
  throw EReplayError("Replay " + name + ": " + what);
}

// A whole unsigned number, decimal or hexadecimal after "0x", that fits 64 bits.
bool ReplayNumber(std::string_view s, uint64_t& out, bool hex = false) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  int base = 10;
  if (hex) {
    base = 16;
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out, base);
  return ec == std::errc() && end == s.data() + s.size();
}

bool ReplayRanged(std::string_view s, int64_t lo, int64_t hi, int64_t& out) {
  uint64_t v = 0;
  if (!ReplayNumber(s, v) || v > static_cast<uint64_t>(hi) || static_cast<int64_t>(v) < lo) return false;
  out = static_cast<int64_t>(v);
  return true;
}

std::string ReplayHashHex(uint64_t h) {
  char buf[17];
  std::snprintf(buf, sizeof buf, "%016llX", static_cast<unsigned long long>(h));
  return buf;
}

struct TReplayLine {
  std::string Key, Value;
};

// The file split into sections of key lines; section names in capitals.
std::map<std::string, std::vector<TReplayLine>> ReplaySections(const std::string& text) {
  std::map<std::string, std::vector<TReplayLine>> sections;
  std::vector<TReplayLine>* current = nullptr;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == ';') continue;
    if (trimmed.front() == '[') {
      if (trimmed.back() != ']') {
        current = nullptr;
        continue;
      }
      current = &sections[UpperCase(Trim(trimmed.substr(1, trimmed.size() - 2)))];
      continue;
    }
    const size_t eq = trimmed.find('=');
    if (!current || eq == std::string::npos) continue;
    current->push_back({UpperCase(Trim(trimmed.substr(0, eq))), Trim(trimmed.substr(eq + 1))});
  }
  return sections;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> BattleKeysOfText(const std::string& battleFileText) {
  std::vector<std::pair<std::string, std::string>> keys;
  // Kept in file order, section by section.
  std::string section;
  size_t at = 0;
  while (at < battleFileText.size()) {
    size_t end = battleFileText.find('\n', at);
    if (end == std::string::npos) end = battleFileText.size();
    const std::string line = Trim(std::string_view(battleFileText.data() + at, end - at));
    at = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = Trim(line.substr(1, line.size() - 2));
      continue;
    }
    const size_t eq = line.find('=');
    if (section.empty() || eq == std::string::npos) continue;
    keys.emplace_back(section + "." + Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
  }
  return keys;
}

std::string BattleFileText(const TReplay& replay) {
  std::string text, section;
  for (const auto& [key, value] : replay.Battle) {
    const size_t dot = key.find('.');
    const std::string s = key.substr(0, dot);
    if (!SameText(s, section)) {
      if (!text.empty()) text += "\n";
      text += "[" + s + "]\n";
      section = s;
    }
    text += key.substr(dot + 1) + "=" + value + "\n";
  }
  return text;
}

std::string ReplayText(const TReplay& r) {
  std::string t;
  t.reserve(256 + r.Battle.size() * 24 + r.Runs.size() * 16 + r.Hashes.size() * 26);
  t += "; A recorded battle: the battle file, the seed, and both pilots' commands step by step.\n";
  t += "[REPLAY]\nVERSION=" + r.Version + "\nSEED=" + std::to_string(r.Seed) +
       "\nGAME_SPEED=" + std::to_string(r.GameSpeed) + "\nTICKS=" + std::to_string(r.Ticks) + "\n\n[BATTLE]\n";
  for (const auto& [key, value] : r.Battle) t += key + "=" + value + "\n";
  t += "\n[COMMANDS]\nCOUNT=" + std::to_string(r.Runs.size()) + "\n";
  for (size_t i = 0; i < r.Runs.size(); ++i) {
    const TCommandRun& run = r.Runs[i];
    t += "R" + std::to_string(i + 1) + "=" + std::to_string(run.Pilot) + "," + std::to_string(run.Bits) + "," +
         std::to_string(run.Ticks) + "\n";
  }
  t += "\n[HASHES]\n";
  for (const auto& [tick, hash] : r.Hashes) t += "T" + std::to_string(tick) + "=" + ReplayHashHex(hash) + "\n";
  return t;
}

TReplay ParseReplay(const std::string& text, const std::string& name) {
  if (text.size() > ReplayMaxFileBytes) ReplayFault(name, "the file is too large");
  auto sections = ReplaySections(text);
  TReplay r;
  auto head = sections.find("REPLAY");
  if (head == sections.end()) ReplayFault(name, "it is not a replay (no [REPLAY] section)");
  bool haveSeed = false, haveTicks = false;
  for (const TReplayLine& l : head->second) {
    int64_t v = 0;
    if (l.Key == "VERSION") {
      r.Version = l.Value.substr(0, 64);
    } else if (l.Key == "SEED") {
      if (!ReplayNumber(l.Value, r.Seed)) ReplayFault(name, "[REPLAY] SEED is not a whole number");
      haveSeed = true;
    } else if (l.Key == "GAME_SPEED") {
      if (!ReplayRanged(l.Value, 0, 1000, v)) ReplayFault(name, "[REPLAY] GAME_SPEED must be 0 to 1000");
      r.GameSpeed = static_cast<int>(v);
    } else if (l.Key == "TICKS") {
      if (!ReplayRanged(l.Value, 1, ReplayMaxTicks, v))
        ReplayFault(name, "[REPLAY] TICKS must be 1 to " + std::to_string(ReplayMaxTicks));
      r.Ticks = v;
      haveTicks = true;
    }
  }
  if (!haveSeed) ReplayFault(name, "[REPLAY] has no SEED");
  if (!haveTicks) ReplayFault(name, "[REPLAY] has no TICKS");

  auto battle = sections.find("BATTLE");
  if (battle == sections.end() || battle->second.empty()) ReplayFault(name, "it holds no battle ([BATTLE] is missing)");
  for (const TReplayLine& l : battle->second) {
    const size_t dot = l.Key.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == l.Key.size())
      ReplayFault(name, "[BATTLE] " + l.Key.substr(0, 40) + " is not SECTION.KEY");
    if (l.Value.size() > 2047) ReplayFault(name, "[BATTLE] " + l.Key.substr(0, 40) + " is longer than 2047 characters");
    r.Battle.emplace_back(l.Key, l.Value);
  }

  auto commands = sections.find("COMMANDS");
  if (commands == sections.end()) ReplayFault(name, "[COMMANDS] is missing");
  const auto& lines = commands->second;
  int64_t count = -1;
  for (const TReplayLine& l : lines)
    if (l.Key == "COUNT" && !ReplayRanged(l.Value, 0, static_cast<int64_t>(lines.size()), count))
      ReplayFault(name, "[COMMANDS] COUNT does not match its runs");
  if (count < 0) ReplayFault(name, "[COMMANDS] has no COUNT");
  std::vector<const std::string*> runText(static_cast<size_t>(count), nullptr);
  for (const TReplayLine& l : lines) {
    if (l.Key.size() < 2 || l.Key[0] != 'R') continue;
    int64_t n = 0;
    if (!ReplayRanged(std::string_view(l.Key).substr(1), 1, count, n)) continue;
    runText[static_cast<size_t>(n - 1)] = &l.Value;
  }
  int64_t used[2] = {0, 0};
  r.Runs.reserve(runText.size());
  for (size_t i = 0; i < runText.size(); ++i) {
    const std::string key = "[COMMANDS] R" + std::to_string(i + 1);
    if (!runText[i]) ReplayFault(name, key + " is missing");
    const std::string& v = *runText[i];
    const size_t c1 = v.find(','), c2 = c1 == std::string::npos ? c1 : v.find(',', c1 + 1);
    int64_t pilot = 0, bits = 0, ticks = 0;
    if (c2 == std::string::npos || !ReplayRanged(std::string_view(v).substr(0, c1), 1, 2, pilot) ||
        !ReplayRanged(std::string_view(v).substr(c1 + 1, c2 - c1 - 1), 0, 255, bits) ||
        !ReplayRanged(std::string_view(v).substr(c2 + 1), 1, ReplayMaxTicks, ticks))
      ReplayFault(name, key + " is not pilot (1 or 2), commands (0 to 255), steps (1 or more)");
    used[pilot - 1] += ticks;
    if (used[pilot - 1] > r.Ticks) ReplayFault(name, key + " runs past the battle's " + std::to_string(r.Ticks) + " steps");
    r.Runs.push_back({static_cast<uint8_t>(pilot), static_cast<uint8_t>(bits), static_cast<int32_t>(ticks)});
  }

  auto hashes = sections.find("HASHES");
  if (hashes != sections.end()) {
    for (const TReplayLine& l : hashes->second) {
      int64_t tick = 0;
      uint64_t h = 0;
      if (l.Key.size() < 2 || l.Key[0] != 'T' || !ReplayRanged(std::string_view(l.Key).substr(1), 1, r.Ticks, tick))
        ReplayFault(name, "[HASHES] " + l.Key.substr(0, 40) + " is not a step of the battle");
      if (l.Value.empty() || l.Value.size() > 16 || !ReplayNumber(l.Value, h, true))
        ReplayFault(name, "[HASHES] " + l.Key + " is not a hexadecimal hash");
      r.Hashes.emplace_back(tick, h);
    }
    std::sort(r.Hashes.begin(), r.Hashes.end());
    for (size_t i = 1; i < r.Hashes.size(); ++i)
      if (r.Hashes[i].first == r.Hashes[i - 1].first)
        ReplayFault(name, "[HASHES] T" + std::to_string(r.Hashes[i].first) + " is given twice");
  }
  return r;
}

TReplay LoadReplay(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EReplayError("Replay " + path + ": the file cannot be read");
  std::string text(ReplayMaxFileBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  return ParseReplay(text, path);
}

bool SaveReplay(const std::string& path, const TReplay& replay) { return AtomicWriteFile(path, ReplayText(replay), false); }

// ---- recording ----

void TReplayRecorder::Step(int64_t tick, uint8_t pilot1, uint8_t pilot2) {
  const uint8_t bits[2] = {pilot1, pilot2};
  for (int p = 0; p < 2; ++p) {
    auto& runs = Runs[p];
    if (!runs.empty() && runs.back().Bits == bits[p] && runs.back().Ticks < ReplayMaxTicks)
      runs.back().Ticks += 1;
    else
      runs.push_back({static_cast<uint8_t>(p + 1), bits[p], 1});
  }
  LastTick = tick;
}

void TReplayRecorder::Hash(int64_t tick, uint64_t hash) {
  if (!Hashes.empty() && Hashes.back().first == tick) return;
  Hashes.emplace_back(tick, hash);
}

TReplay TReplayRecorder::Take(const TReplay& header) const {
  TReplay r = header;
  r.Ticks = std::max<int64_t>(LastTick, 1);
  r.Runs.clear();
  r.Runs.insert(r.Runs.end(), Runs[0].begin(), Runs[0].end());
  r.Runs.insert(r.Runs.end(), Runs[1].begin(), Runs[1].end());
  r.Hashes = Hashes;
  return r;
}

// ---- playing ----

TReplayCommands::TReplayCommands(const TReplay& replay) : Hashes(replay.Hashes), TotalTicks(replay.Ticks) {
  for (const TCommandRun& run : replay.Runs) Runs[run.Pilot == 2 ? 1 : 0].push_back(run);
  for (int p = 0; p < 2; ++p) Cursor[p].RunEnd = Runs[p].empty() ? 0 : Runs[p][0].Ticks;
}

void TReplayCommands::BeginStep(int64_t tick) {
  Tick = tick;
  for (int p = 0; p < 2; ++p) {
    TCursor& c = Cursor[p];
    while (c.Index < Runs[p].size() && c.RunEnd < tick) {
      ++c.Index;
      if (c.Index < Runs[p].size()) c.RunEnd += Runs[p][c.Index].Ticks;
    }
  }
}

uint8_t TReplayCommands::Commands(int pilot) {
  const int p = pilot == 2 ? 1 : 0;
  return Cursor[p].Index < Runs[p].size() ? Runs[p][Cursor[p].Index].Bits : 0;
}

void TReplayCommands::Checkpoint(int64_t tick, uint64_t hash) {
  // Recorded hashes of steps already passed without a checkpoint count as not matched.
  while (NextHash < Hashes.size() && Hashes[NextHash].first <= tick) {
    const auto& [at, expected] = Hashes[NextHash++];
    ++Checked;
    if (at == tick && expected == hash) {
      ++Matched;
    } else if (FirstMismatch == 0) {
      FirstMismatch = at;
    }
  }
}

void TReplayCommands::Finish() {
  for (; NextHash < Hashes.size(); ++NextHash) {
    ++Checked;
    if (FirstMismatch == 0) FirstMismatch = Hashes[NextHash].first;
  }
}

std::string ReplayMismatchMessage(int64_t tick) {
  return "This replay no longer plays the same (tick " + std::to_string(tick) + "): the data or the game changed";
}

}  // namespace sw
