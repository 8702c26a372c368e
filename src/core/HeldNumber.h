#pragma once
// Numbers read from data files are held to the range the game can count with when they are
// read, so no sum, distance or circle taken of them later overflows.
#include <string>

namespace sw {

// The value when it lies in lo..hi, else the nearer end. When it was held, `problem` (if given)
// gets the data warning's text, "2147483647 is out of range 0..100000; 100000 is used", else
// it is cleared.
long long HoldToRange(long long value, long long lo, long long hi, std::string* problem);

}  // namespace sw
