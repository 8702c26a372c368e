#pragma once
// Names that the campaign's data and saves put into file paths (campaign and save folders,
// pictures, characters, dialogues) must stay below the folder they are meant for.
#include <string>

namespace sw {

// False for a name that is absolute (a leading slash or backslash, or a drive such as "C:")
// or that has a ".." part; such a name is treated as missing.
bool IsSafeDataName(const std::string& name);

}  // namespace sw
