#pragma once
// Helpers for the content tests: finding the generated game root, resolving
// data paths as the game does, and reading generated pictures and sounds.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace content {

// The generated game root (with a trailing slash): STARWAKE_ROOT, else the
// folder "game" beside the test executable's folder, else the build's root.
std::string GameRoot();
inline std::string Root() { return GameRoot(); }

// Every data folder of the game root: "data/" first, then each add-on's.
struct DataFolder {
  std::string path;   // absolute, ending in '/'
  std::string label;  // "base" or the add-on section name
};
std::vector<DataFolder> DataFolders(const std::string& root);

// True when the file exists under its exact name or without regard to case.
bool Exists(const std::string& path);

struct Picture {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // row 0 at the top, 3 bytes per pixel
  uint8_t R(int x, int y) const { return rgb[(size_t(y) * width + x) * 3]; }
  uint8_t G(int x, int y) const { return rgb[(size_t(y) * width + x) * 3 + 1]; }
  uint8_t B(int x, int y) const { return rgb[(size_t(y) * width + x) * 3 + 2]; }
};
// Reads an uncompressed 24-bit Windows bitmap; nothing for other files.
std::optional<Picture> LoadPicture(const std::string& path);

struct Wave {
  int channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;
};
std::optional<Wave> LoadWave(const std::string& path);

}  // namespace content
