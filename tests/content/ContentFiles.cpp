#include "ContentFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "core/Adf.h"
#include "core/Paths.h"

namespace content {

std::string GameRoot() {
  auto withSlash = [](std::string p) {
    if (!p.empty() && p.back() != '/') p += '/';
    return p;
  };
  if (const char* env = std::getenv("STARWAKE_ROOT"); env && *env) return withSlash(env);
#ifdef STARWAKE_TEST_ROOT
  return withSlash(STARWAKE_TEST_ROOT);
#else
  return sw::ExecutableFolder() + "../game/";
#endif
}

std::vector<DataFolder> DataFolders(const std::string& root) {
  std::vector<DataFolder> folders{{root + "data/", "base"}};
  const std::string index = root + "data/add-ons/add-ons.adf";
  for (const std::string& section : sw::AdfReadSections(index)) {
    std::string prefix = sw::NormalizeSlashes(sw::AdfReadString(index, section, "PREFIX", ""));
    if (prefix.empty()) continue;
    folders.push_back({root + "data/add-ons/" + prefix, section});
  }
  return folders;
}

bool Exists(const std::string& path) { return sw::FileExists(sw::ResolvePath(path)); }

static uint32_t U32(const std::string& d, size_t o) {
  return uint32_t(uint8_t(d[o])) | uint32_t(uint8_t(d[o + 1])) << 8 | uint32_t(uint8_t(d[o + 2])) << 16 |
         uint32_t(uint8_t(d[o + 3])) << 24;
}
static uint16_t U16(const std::string& d, size_t o) { return uint16_t(uint8_t(d[o]) | uint8_t(d[o + 1]) << 8); }

std::optional<Picture> LoadPicture(const std::string& path) {
  std::string d;
  if (!sw::ReadWholeFile(sw::ResolvePath(path), d) || d.size() < 54 || d[0] != 'B' || d[1] != 'M') return std::nullopt;
  uint32_t offset = U32(d, 10);
  int32_t w = int32_t(U32(d, 18)), h = int32_t(U32(d, 22));
  if (U16(d, 28) != 24 || U32(d, 30) != 0 || w <= 0 || h == 0) return std::nullopt;
  bool bottomUp = h > 0;
  if (h < 0) h = -h;
  size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
  if (offset + stride * size_t(h) > d.size()) return std::nullopt;
  Picture p;
  p.width = w;
  p.height = h;
  p.rgb.resize(size_t(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    size_t row = offset + stride * size_t(bottomUp ? h - 1 - y : y);
    for (int x = 0; x < w; ++x) {
      size_t o = (size_t(y) * w + x) * 3;
      p.rgb[o] = uint8_t(d[row + x * 3 + 2]);
      p.rgb[o + 1] = uint8_t(d[row + x * 3 + 1]);
      p.rgb[o + 2] = uint8_t(d[row + x * 3]);
    }
  }
  return p;
}

std::optional<Wave> LoadWave(const std::string& path) {
  std::string d;
  if (!sw::ReadWholeFile(sw::ResolvePath(path), d) || d.size() < 12 || d.compare(0, 4, "RIFF") || d.compare(8, 4, "WAVE"))
    return std::nullopt;
  Wave w;
  size_t o = 12;
  bool haveFormat = false;
  while (o + 8 <= d.size()) {
    std::string id = d.substr(o, 4);
    uint32_t size = U32(d, o + 4);
    size_t body = o + 8;
    if (body + size > d.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      if (U16(d, body) != 1) return std::nullopt;
      w.channels = U16(d, body + 2);
      w.rate = int(U32(d, body + 4));
      w.bits = U16(d, body + 14);
      haveFormat = true;
    } else if (id == "data" && haveFormat && w.bits == 16) {
      w.samples.resize(size / 2);
      for (size_t i = 0; i < w.samples.size(); ++i) w.samples[i] = int16_t(U16(d, body + i * 2));
      return w;
    }
    o = body + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace content
