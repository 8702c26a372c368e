// A small reader for the game's data files: "[SECTION]" headers and
// "KEY=VALUE" lines. Sections and keys keep file order; lookups ignore case.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace ag {

struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
    std::string Get(const std::string& key, const std::string& def = "") const;
    int GetInt(const std::string& key, int def = 0) const;
};

struct IniFile {
    std::vector<IniSection> sections;
    bool loaded = false;
    const IniSection* Find(const std::string& name) const;
    std::string Get(const std::string& sec, const std::string& key, const std::string& def = "") const;
    int GetInt(const std::string& sec, const std::string& key, int def = 0) const;
};

IniFile ReadIni(const std::string& path);
bool SameText(const std::string& a, const std::string& b);
std::string Lower(std::string s);

}  // namespace ag
