#include "core/Colors.h"

#include <cstdio>

#include "core/Text.h"

namespace sw {

namespace {
struct TColorName {
  const char* Name;
  TColor Value;
};
constexpr TColorName ColorNames[] = {
    {"clBlack", clBlack},     {"clMaroon", clMaroon},   {"clGreen", clGreen},
    {"clOlive", clOlive},     {"clNavy", clNavy},       {"clPurple", clPurple},
    {"clTeal", clTeal},       {"clGray", clGray},       {"clSilver", clSilver},
    {"clRed", clRed},         {"clLime", clLime},       {"clYellow", clYellow},
    {"clBlue", clBlue},       {"clFuchsia", clFuchsia}, {"clAqua", clAqua},
    {"clWhite", clWhite},     {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},     {"clMedGray", clMedGray},
};
}  // namespace

std::optional<TColor> ParseColor(const std::string& raw) {
  std::string text = Trim(raw);
  for (const auto& entry : ColorNames)
    if (SameText(entry.Name, text)) return entry.Value;
  if (auto n = ParseInteger(text)) return static_cast<TColor>(static_cast<uint32_t>(*n));
  return std::nullopt;
}

TColor StringToColor(const std::string& text, TColor fallback) {
  auto c = ParseColor(text);
  return c ? *c : fallback;
}

std::string ColorToString(TColor c) {
  for (const auto& entry : ColorNames)
    if (entry.Value == c) return entry.Name;
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", c);
  return buf;
}

}  // namespace sw
