#include <algorithm>

#include "Art.h"
#include "Ini.h"

namespace ag {

std::vector<std::string> ContentFolders(const std::string& gameData) {
    std::vector<std::string> folders{gameData + "/data/"};
    IniFile addOns = ReadIni(gameData + "/data/add-ons/add-ons.adf");
    for (const IniSection& s : addOns.sections) {
        std::string prefix = s.Get("PREFIX");
        if (prefix.empty()) continue;
        std::replace(prefix.begin(), prefix.end(), '\\', '/');
        if (prefix.back() != '/') {
            // A file-name prefix rather than a folder: the files sit beside it.
            folders.push_back(gameData + "/data/add-ons/" + prefix);
            continue;
        }
        folders.push_back(gameData + "/data/add-ons/" + prefix);
    }
    return folders;
}

}  // namespace ag
