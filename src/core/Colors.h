#pragma once
// Colours are 0x00BBGGRR (red in the low byte). Data files give the twenty standard names
// ("clBlack", "clRed" ...) or a number (decimal, or hexadecimal after "$" or "0x").
#include <cstdint>
#include <optional>
#include <string>

namespace sw {

using TColor = uint32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;

constexpr uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// A colour name or number; no value when the text is neither.
std::optional<TColor> ParseColor(const std::string& text);
// The same, with the caller's fallback for text that cannot be read.
TColor StringToColor(const std::string& text, TColor fallback);
// The standard name of a colour, or its "$00BBGGRR" number.
std::string ColorToString(TColor c);

}  // namespace sw
