#pragma once
// Small text helpers: case-insensitive comparison, trimming, number parsing as the data expects.
#include <optional>
#include <string>
#include <string_view>

namespace sw {

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);
std::string Trim(std::string_view s);

// Integer as the data writes it: decimal with optional sign, or hexadecimal after "0x" or "$".
// Anything else (empty, trailing junk, out of range) gives no value.
std::optional<long long> ParseInteger(std::string_view text);
// A real number in the C locale ("1.5", "-3", "2e3"); no value when the text is not a number.
std::optional<double> ParseReal(std::string_view text);

}  // namespace sw
