#include "Ini.h"

#include <cctype>
#include <cstdlib>
#include <fstream>

namespace ag {

std::string Lower(std::string s) {
    for (auto& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool SameText(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

static std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

static int ToInt(const std::string& v, int def) {
    if (v.empty()) return def;
    char* end = nullptr;
    long n;
    if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) n = std::strtol(v.c_str() + 2, &end, 16);
    else if (v[0] == '$') n = std::strtol(v.c_str() + 1, &end, 16);
    else n = std::strtol(v.c_str(), &end, 10);
    return (end && *end == '\0') ? int(n) : def;
}

std::string IniSection::Get(const std::string& key, const std::string& def) const {
    for (auto& [k, v] : keys)
        if (SameText(k, key)) return v;
    return def;
}
int IniSection::GetInt(const std::string& key, int def) const { return ToInt(Get(key), def); }

const IniSection* IniFile::Find(const std::string& name) const {
    for (auto& s : sections)
        if (SameText(s.name, name)) return &s;
    return nullptr;
}
std::string IniFile::Get(const std::string& sec, const std::string& key, const std::string& def) const {
    const IniSection* s = Find(sec);
    return s ? s->Get(key, def) : def;
}
int IniFile::GetInt(const std::string& sec, const std::string& key, int def) const {
    return ToInt(Get(sec, key), def);
}

IniFile ReadIni(const std::string& path) {
    IniFile f;
    std::ifstream in(path);
    if (!in) return f;
    f.loaded = true;
    std::string line;
    IniSection* cur = nullptr;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            std::string name = Trim(line.substr(1, line.size() - 2));
            IniSection* existing = nullptr;
            for (auto& s : f.sections)
                if (SameText(s.name, name)) existing = &s;
            if (!existing) {
                f.sections.push_back({name, {}});
                existing = &f.sections.back();
            }
            cur = existing;
            continue;
        }
        size_t eq = line.find('=');
        if (!cur || eq == std::string::npos) continue;
        std::string k = Trim(line.substr(0, eq)), v = Trim(line.substr(eq + 1));
        bool found = false;
        for (auto& kv : cur->keys)
            if (SameText(kv.first, k)) found = true;  // the first value of a key wins
        if (!found) cur->keys.push_back({k, v});
    }
    return f;
}

}  // namespace ag
