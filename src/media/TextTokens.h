#pragma once
// Splitting separated text ("27;05;1976;") one field at a time.
#include <string>
#include <string_view>

namespace sw {

// Takes the text before the first separator as the result and removes it, with the separator,
// from the text. When the separator is absent the result is the whole text but its last
// character and the text becomes empty (fields end with a terminator that is then dropped).
std::string TakeToken(std::string& text, std::string_view separator);

}  // namespace sw
