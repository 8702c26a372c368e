// Sounds are mono 16-bit waves at 22050 Hz; effects are short and not
// silent; music loops without a jump at the seam.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "ContentFiles.h"
#include "core/Adf.h"

namespace {

using content::Root;

int Peak(const content::Wave& w) {
  int p = 0;
  for (auto s : w.samples) p = std::max(p, std::abs(int(s)));
  return p;
}

TEST(SoundFiles, EffectsAreShortAudibleMonoWaves) {
  auto keys = sw::AdfReadKeys(Root() + "sounds/sounds.adf", "SOUNDS");
  keys.push_back("builtin/snapshot");
  for (auto& k : keys) {
    auto w = content::LoadWave(Root() + "sounds/" + k + ".wav");
    ASSERT_TRUE(w) << k;
    EXPECT_EQ(w->channels, 1) << k;
    EXPECT_EQ(w->rate, 22050) << k;
    EXPECT_EQ(w->bits, 16) << k;
    EXPECT_GT(Peak(*w), 8000) << k << " is nearly silent";
    EXPECT_LT(w->samples.size(), size_t(22050 * 3)) << k << " is too long for an effect";
    // No click at the ends.
    EXPECT_LT(std::abs(int(w->samples.front())), 1000) << k;
    EXPECT_LT(std::abs(int(w->samples.back())), 1000) << k;
  }
}

TEST(SoundFiles, MusicLoopsWithoutAJumpAtTheSeam) {
  std::vector<std::string> tracks = {"intro", "loop"};
  for (auto& k : sw::AdfReadKeys(Root() + "sounds/music/music.adf", "BATTLE")) tracks.push_back(k);
  for (auto& t : tracks) {
    auto w = content::LoadWave(Root() + "sounds/music/" + t + ".wav");
    ASSERT_TRUE(w) << t;
    EXPECT_EQ(w->channels, 1) << t;
    EXPECT_EQ(w->rate, 22050) << t;
    double seconds = double(w->samples.size()) / w->rate;
    EXPECT_GE(seconds, 15.0) << t;
    EXPECT_LE(seconds, 45.0) << t;
    // The step from the last sample to the first is no bigger than the
    // largest step inside the piece, so the loop point cannot click.
    int largest = 0;
    for (size_t i = 1; i < w->samples.size(); ++i)
      largest = std::max(largest, std::abs(int(w->samples[i]) - int(w->samples[i - 1])));
    int seam = std::abs(int(w->samples.front()) - int(w->samples.back()));
    EXPECT_LE(seam, largest) << t;
    EXPECT_LT(seam, 6000) << t;
  }
}

}  // namespace
