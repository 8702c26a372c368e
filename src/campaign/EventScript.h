#pragma once
// What the event runner and the data check of the story share about events.adf: the lists an
// event carries (a count key and numbered keys), the keys that name a fleet, race, character
// or trade post after an "@", and the places "TELEPORT@" and "SEND@" name.
#include <optional>
#include <string>
#include <vector>

namespace sw {

// Events run inside one another (fail events, triggers fired by gained or lost devices) at
// most this deep; a deeper event is a data error and is not run.
constexpr int MaxEventDepth = 32;
// No list of an event is longer than this; a larger count is a data error.
constexpr int MaxEventList = 1000;

// A numbered list of an event: the count key, and the item key followed by 1..count.
struct TEventList {
  const char* CountKey;
  const char* ItemKey;
};
// "ADD_LOGS"/"ADD_LOG", "MAKE_KNOWNS"/"MAKE_KNOWN", the planets' devices and VIPs, the captured
// systems and the blueprints.
const std::vector<TEventList>& EventLists();

// The prefixes of keys followed by "@" and a name, and what the name is.
enum TEventTarget { etFleet, etRace, etCharacter, etTradePost };
struct TNamedKey {
  const char* Prefix;  // "TELEPORT@" ... ; a numbered one is written prefix + n + "@" + name
  TEventTarget Target;
  bool Numbered;       // "GET_SHIP" n "@" fleet, counted by the key of the row before it
};
const std::vector<TNamedKey>& NamedEventKeys();

// A place an event sends or teleports a fleet to: "#" + a location, or X "x" Y ("120x340").
struct TEventPlace {
  std::string Location;  // empty for a point
  int X = -1, Y = -1;
};
std::optional<TEventPlace> ParseEventPlace(const std::string& value);

// The range a number key of an event is held to when the event runs (a value outside is a data
// error and the nearer end is used): the ranges, the amounts given and paid, the warp and tank
// changes and the trade terms. No value for keys without one.
struct TEventNumberRange {
  long long Lo, Hi;
};
std::optional<TEventNumberRange> EventNumberRange(const std::string& key);

// The name after the "@" of a key that starts with the prefix (letter case ignored), or no
// value when the key is not of that kind.
std::optional<std::string> NameAfter(const std::string& key, const std::string& prefix);
// The same for a numbered key: prefix, a number n, "@", name ("GET_SHIP2@Vanguard").
std::optional<std::string> NumberedNameAfter(const std::string& key, const std::string& prefix, int& number);

}  // namespace sw
