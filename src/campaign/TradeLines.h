#pragma once
// The lines of a trade post's lists: "class;price" in the files, "class=price" in the lists.
#include <optional>
#include <string>
#include <utility>

namespace sw {

// The class and price of a line written class;price or class=price; no value when the class is
// missing or the price is not a whole number.
std::optional<std::pair<std::string, int>> ParseTradeLine(const std::string& line);

}  // namespace sw
