#include "net/BattleDataHash.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "battle/ShipRoster.h"
#include "core/Paths.h"
#include "core/Text.h"

namespace sw {

namespace {

namespace fs = std::filesystem;

struct TDataHasher {
  uint64_t H = 0xCBF29CE484222325ULL;
  void Bytes(const std::string& s) {
    for (unsigned char c : s) {
      H ^= c;
      H *= 0x100000001B3ULL;
    }
    Word(s.size());
  }
  void Word(uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      H ^= (v >> (8 * i)) & 0xFF;
      H *= 0x100000001B3ULL;
    }
  }
};

// A file's whole text; a missing file counts as empty, under its name.
void HashFile(TDataHasher& h, const std::string& root, const std::string& relative) {
  std::string text;
  if (!ReadWholeFile(ResolvePath(root + relative), text)) text.clear();
  h.Bytes(LowerCase(relative));
  h.Bytes(text);
}

// The width and height a picture file declares (its bitmap header), 0 x 0 when unreadable.
void PictureSize(const fs::path& path, int32_t& width, int32_t& height) {
  width = height = 0;
  std::ifstream in(path, std::ios::binary);
  unsigned char header[26] = {};
  if (!in.read(reinterpret_cast<char*>(header), sizeof header) || header[0] != 'B' || header[1] != 'M') return;
  auto at = [&](int i) {
    return static_cast<int32_t>(static_cast<uint32_t>(header[i]) | static_cast<uint32_t>(header[i + 1]) << 8 |
                                static_cast<uint32_t>(header[i + 2]) << 16 | static_cast<uint32_t>(header[i + 3]) << 24);
  };
  width = at(18);
  height = at(22);
}

// Every picture of a folder (and, when asked, its subfolders), by path relative to the root.
void CollectPictures(const std::string& root, const std::string& folder, bool deep, std::vector<std::string>& out) {
  std::error_code ec;
  const fs::path base = fs::path(root) / folder;
  auto take = [&](const fs::directory_entry& entry) {
    if (!entry.is_regular_file(ec)) return;
    const std::string ext = LowerCase(entry.path().extension().string());
    // Named from the root as written, whatever links the folders go through.
    if (ext == ".img") out.push_back((fs::path(folder) / entry.path().lexically_relative(base)).generic_string());
  };
  if (deep) {
    for (const auto& entry : fs::recursive_directory_iterator(base, ec)) take(entry);
  } else {
    for (const auto& entry : fs::directory_iterator(base, ec)) take(entry);
  }
}

}  // namespace

uint64_t BattleDataHash(const std::string& root) {
  TDataHasher h;
  const std::string data = root + "data/";
  HashFile(h, root, "data/add-ons/add-ons.adf");
  for (const std::string& prefix : ReadAddOnPrefixes(data))
    for (const char* table : {"ships", "weapons", "races"}) {
      const std::string file = ShipDataFile(data, prefix, table);
      HashFile(h, root, file.size() > root.size() ? file.substr(root.size()) : file);
    }
  HashFile(h, root, "graphics/animations/animations.adf");
  HashFile(h, root, "graphics/projectiles/projs.adf");
  std::vector<std::string> pictures;
  CollectPictures(root, "ships", true, pictures);
  CollectPictures(root, "graphics/animations", true, pictures);
  CollectPictures(root, "graphics/projectiles", true, pictures);
  CollectPictures(root, "graphics/builtin/m", true, pictures);
  CollectPictures(root, "graphics", false, pictures);
  // In the order of their names without regard to case: the same on every file system.
  std::vector<std::pair<std::string, std::string>> named;
  for (const std::string& p : pictures) named.emplace_back(LowerCase(p), p);
  std::sort(named.begin(), named.end());
  for (const auto& [name, p] : named) {
    int32_t width = 0, height = 0;
    PictureSize(fs::path(root) / p, width, height);
    h.Bytes(name);
    h.Word(static_cast<uint32_t>(width));
    h.Word(static_cast<uint32_t>(height));
  }
  return h.H;
}

}  // namespace sw
