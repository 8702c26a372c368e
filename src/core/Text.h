#pragma once
// Small text helpers: case-insensitive comparison, trimming, number parsing as the data expects.
#include <optional>
#include <string>
#include <string_view>

namespace sw {

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
// A hash of the text with letter case folded: texts SameText calls equal hash alike.
size_t FoldedHash(std::string_view s);
// Hashing and comparing names without regard to letter case, for unordered maps of names.
struct TFoldedHash {
  size_t operator()(std::string_view s) const { return FoldedHash(s); }
};
struct TFoldedEqual {
  bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
};
std::string Trim(std::string_view s);

// Integer as the data writes it: decimal with optional sign, or hexadecimal after "0x" or "$".
// Anything else (empty, trailing junk, out of range) gives no value.
std::optional<long long> ParseInteger(std::string_view text);
// A real number in the C locale ("1.5", "-3", "2e3"); no value when the text is not a number.
std::optional<double> ParseReal(std::string_view text);

}  // namespace sw
