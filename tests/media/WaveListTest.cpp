#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "core/Errors.h"
#include "media/WaveList.h"
#include "media/headless/HeadlessAudio.h"

using namespace sw;

namespace {

// Writes a mono 16-bit wave of the given length in milliseconds.
std::string WriteWave(const std::string& path, int ms) {
  int n = 22050 * ms / 1000;
  std::string d = "RIFF";
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) d += static_cast<char>((v >> (8 * i)) & 0xFF); };
  auto u16 = [&](uint16_t v) { d += static_cast<char>(v & 0xFF); d += static_cast<char>(v >> 8); };
  u32(36 + n * 2);
  d += "WAVEfmt ";
  u32(16); u16(1); u16(1); u32(22050); u32(44100); u16(2); u16(16);
  d += "data";
  u32(n * 2);
  d.append(static_cast<size_t>(n) * 2, '\0');
  std::ofstream(path, std::ios::binary) << d;
  return path;
}

}  // namespace

TEST(WaveList, QuickRepeatsOverlapOnNewCopies) {
  TTempFolder dir;
  THeadlessAudio audio;
  TDXWaveList list(&audio);
  TWaveItem& shot = list.LoadWave("shot", WriteWave(dir.Path + "/shot.wav", 500), false);
  shot.Play();
  audio.Advance(30);
  shot.Play();
  audio.Advance(30);
  shot.Play();
  EXPECT_EQ(shot.CopyCount(), 3);
  EXPECT_EQ(audio.Played(), (std::vector<std::string>{"shot", "shot", "shot"}));
  // Once they have finished, the first idle copy is reused.
  audio.Advance(1000);
  EXPECT_FALSE(shot.IsPlaying());
  shot.Play();
  EXPECT_EQ(shot.CopyCount(), 3);
}

TEST(WaveList, LoopedWavesRestartAndStopStopsEveryCopy) {
  TTempFolder dir;
  THeadlessAudio audio;
  TDXWaveList list(&audio);
  TWaveItem& music = list.LoadWave("MenuMusic", WriteWave(dir.Path + "/m.wav", 100), true);
  music.Play();
  audio.Advance(5000);
  EXPECT_TRUE(music.IsPlaying());  // loops past its length
  music.Play();
  EXPECT_EQ(music.CopyCount(), 1);
  music.Stop();
  EXPECT_FALSE(music.IsPlaying());
  EXPECT_TRUE(audio.Playing().empty());
}

TEST(WaveList, VolumeIsHundredthsOfADecibel) {
  TTempFolder dir;
  THeadlessAudio audio;
  TDXWaveList list(&audio);
  TWaveItem& w = list.LoadWave("hum", WriteWave(dir.Path + "/h.wav", 100), true);
  w.SetVolume(-2000);
  w.Play();
  EXPECT_NEAR(audio.GainOf("hum"), 0.1, 1e-9);
  w.SetVolume(0);
  EXPECT_NEAR(audio.GainOf("hum"), 1.0, 1e-9);  // applies at once to the playing copy
  EXPECT_NEAR(VolumeToGain(-4000), 0.01, 1e-12);
}

TEST(WaveList, MissingWavesAndFilesAreErrors) {
  TTempFolder dir;
  THeadlessAudio audio;
  TDXWaveList list(&audio);
  try {
    list.Find("boom");
    FAIL();
  } catch (const EGameError& e) {
    EXPECT_STREQ(e.what(), "Wave 'boom' not found");
  }
  EXPECT_THROW(list.LoadWave("boom", dir.Path + "/none.wav", false), EGameError);
  EXPECT_EQ(list.Count(), 0);
  TWaveItem& w = list.LoadWave("Boom", WriteWave(dir.Path + "/b.wav", 10), false);
  EXPECT_EQ(&list.Find("BOOM"), &w);
}
