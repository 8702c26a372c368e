#include "campaign/EventScript.h"

#include <cctype>

#include "campaign/WorldFiles.h"
#include "core/Text.h"

namespace sw {

const std::vector<TEventList>& EventLists() {
  static const std::vector<TEventList> lists = {
      {"ADD_LOGS", "ADD_LOG"},
      {"MAKE_KNOWNS", "MAKE_KNOWN"},
      {"ADD_DEVICE_TO_PLANETS", "ADD_DEVICE_TO_PLANET"},
      {"ADD_VIP_TO_PLANETS", "ADD_VIP_TO_PLANET"},
      {"CAPTURE_SYSTEMS", "CAPTURE_SYSTEM"},
      {"ADD_BLUES", "ADD_BLUE"},
  };
  return lists;
}

const std::vector<TNamedKey>& NamedEventKeys() {
  static const std::vector<TNamedKey> keys = {
      {"GET_SHIPS@", etFleet, false},          {"GET_SHIP", etFleet, true},
      {"LOOSE_SHIPS@", etFleet, false},        {"LOOSE_SHIP", etFleet, true},
      {"TELEPORT@", etFleet, false},           {"SEND@", etFleet, false},
      {"RACE@", etRace, false},                {"TRADE_ACTIVE@", etTradePost, false},
      {"TRADE_SELL_CREW@", etTradePost, false}, {"TRADE_SELL_FUEL@", etTradePost, false},
      {"TRADE_BUY_FUEL@", etTradePost, false}, {"TRADE_ADD_VALUE@", etTradePost, false},
      {"TRADE_REMOVE_SHIPS@", etTradePost, false}, {"TRADE_REMOVE_SHIP", etTradePost, true},
      {"TRADE_REMOVE_BLUES@", etTradePost, false}, {"TRADE_REMOVE_BLUE", etTradePost, true},
      {"TRADE_ADD_SHIPS@", etTradePost, false},    {"TRADE_ADD_SHIP", etTradePost, true},
      {"TRADE_ADD_BLUES@", etTradePost, false},    {"TRADE_ADD_BLUE", etTradePost, true},
      {"DESTROY_FLEET@", etFleet, false},      {"CHARS@", etCharacter, false},
  };
  return keys;
}

std::optional<TEventPlace> ParseEventPlace(const std::string& value) {
  const std::string text = Trim(value);
  TEventPlace place;
  if (!text.empty() && text[0] == '#') {
    place.Location = Trim(text.substr(1));
    if (place.Location.empty()) return std::nullopt;
    return place;
  }
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto px = ParseInteger(Trim(text.substr(0, x))), py = ParseInteger(Trim(text.substr(x + 1)));
  if (!px || !py || *px < -1000000 || *px > 1000000 || *py < -1000000 || *py > 1000000) return std::nullopt;
  place.X = static_cast<int>(*px);
  place.Y = static_cast<int>(*py);
  return place;
}

std::optional<TEventNumberRange> EventNumberRange(const std::string& key) {
  const TEventNumberRange range{0, CampaignLimits::Range}, amount{-CampaignLimits::Amount, CampaignLimits::Amount},
      warp{-CampaignLimits::WarpMod, CampaignLimits::WarpMod};
  for (const char* k : {"VAR_SCAN_RANGE", "VAR_COM_RANGE", "VAR_DETECT_RANGE", "VAR_INT_RANGE"})
    if (SameText(key, k)) return range;
  for (const char* k : {"GET_RU", "GIVE_RU", "GET_CREW", "GIVE_CREW", "GET_FUEL", "GIVE_FUEL", "FUEL_CAP_MOD"})
    if (SameText(key, k)) return amount;
  if (SameText(key, "WARP_SPEED_MOD")) return warp;
  for (const char* prefix : {"TRADE_SELL_CREW@", "TRADE_SELL_FUEL@", "TRADE_BUY_FUEL@", "TRADE_ADD_VALUE@"})
    if (NameAfter(key, prefix)) return amount;
  return std::nullopt;
}

std::optional<std::string> NameAfter(const std::string& key, const std::string& prefix) {
  if (key.size() < prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) return std::nullopt;
  return key.substr(prefix.size());
}

std::optional<std::string> NumberedNameAfter(const std::string& key, const std::string& prefix, int& number) {
  if (key.size() < prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) return std::nullopt;
  size_t i = prefix.size();
  const size_t digits = i;
  while (i < key.size() && std::isdigit(static_cast<unsigned char>(key[i]))) ++i;
  if (i == digits || i - digits > 6 || i >= key.size() || key[i] != '@') return std::nullopt;
  number = std::stoi(key.substr(digits, i - digits));
  return key.substr(i + 1);
}

}  // namespace sw
