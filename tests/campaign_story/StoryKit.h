#pragma once
// The small test world of the campaign model tests with the story of
// tests/campaign_story/data/testcamp laid over it (triggers, events, the internal talk), and an
// event picture "welcome" in the campaign's graphics folder.
#include <filesystem>
#include <fstream>
#include <string>

#include "campaign/CampaignKit.h"

struct TStoryRoot : TCampaignRoot {
  TStoryRoot() {
    namespace fs = std::filesystem;
    fs::copy(fs::path(STARWAKE_SOURCE_DIR) / "tests/campaign_story/data/testcamp", Campaign(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::create_directories(Path + "graphics/campaigns/testcamp");
    WriteBmp(Path + "graphics/campaigns/testcamp/welcome.img", 4, 3);
    sw::AdfFlushCache();
  }
  // A 24-bit bitmap of w x h grey pixels.
  static void WriteBmp(const std::string& path, int w, int h) {
    const int row = (w * 3 + 3) & ~3;
    const int size = 54 + row * h;
    std::string b(static_cast<size_t>(size), '\0');
    auto put = [&](int at, uint32_t v, int n) {
      for (int i = 0; i < n; ++i) b[static_cast<size_t>(at + i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put(2, static_cast<uint32_t>(size), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<uint32_t>(w), 4);
    put(22, static_cast<uint32_t>(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w * 3; ++x) b[static_cast<size_t>(54 + y * row + x)] = static_cast<char>(0x80);
    std::ofstream(path, std::ios::binary) << b;
  }
};
