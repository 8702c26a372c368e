#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <random>

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

namespace {

// A wave in any sample format sound editors export: format tag 1 (integer) or 3 (floating
// point), plain or in the extensible header, with the signal (full scale -1..1) in every
// channel, channel c scaled by 1 / (c + 1).
std::string EncodeWave(int tag, int bits, int channels, bool extensible, const std::vector<double>& signal) {
  std::string d;
  auto u16 = [&](uint32_t v) { d += static_cast<char>(v & 0xFF); d += static_cast<char>((v >> 8) & 0xFF); };
  auto u32 = [&](uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
  std::string data;
  for (double v : signal)
    for (int c = 0; c < channels; ++c) {
      const double x = v / (c + 1);
      if (tag == 3 && bits == 32) {
        float f = static_cast<float>(x);
        data.append(reinterpret_cast<const char*>(&f), 4);
      } else if (tag == 3) {
        data.append(reinterpret_cast<const char*>(&x), 8);
      } else {
        const long long full = (1LL << (bits - 1)) - 1;
        long long n = std::llround(x * static_cast<double>(full));
        if (bits == 8) n += 128;
        for (int i = 0; i < bits / 8; ++i) data += static_cast<char>((n >> (8 * i)) & 0xFF);
      }
    }
  const int align = channels * bits / 8;
  d = "RIFF";
  u32(0);  // patched below
  d += "WAVEfmt ";
  u32(extensible ? 40 : 16);
  u16(extensible ? 0xFFFE : static_cast<uint32_t>(tag));
  u16(static_cast<uint32_t>(channels));
  u32(44100);
  u32(static_cast<uint32_t>(44100 * align));
  u16(static_cast<uint32_t>(align));
  u16(static_cast<uint32_t>(bits));
  if (extensible) {
    u16(22);
    u16(static_cast<uint32_t>(bits));  // valid bits
    u32(channels == 6 ? 0x3F : 0);     // speaker positions
    u16(static_cast<uint32_t>(tag));
    d.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }
  d += "LIST";  // a chunk the reader must step over
  u32(3);
  d += "abc";
  d += '\0';
  d += "data";
  u32(static_cast<uint32_t>(data.size()));
  d += data;
  const uint32_t riff = static_cast<uint32_t>(d.size() - 8);
  for (int i = 0; i < 4; ++i) d[4 + i] = static_cast<char>((riff >> (8 * i)) & 0xFF);
  return d;
}

}  // namespace

TEST(WaveFormats, EditorExportsLoadAsSixteenBitSamples) {
  const std::vector<double> signal = {0.0, 0.5, -0.5, 0.999, -0.999, 0.25};
  struct TCase {
    int Tag, Bits, Channels;
    bool Extensible;
  };
  const TCase cases[] = {{1, 8, 1, false},  {1, 16, 2, false}, {1, 24, 1, false}, {1, 32, 2, false},
                         {3, 32, 1, false}, {3, 64, 2, false}, {1, 24, 2, true},  {3, 32, 1, true},
                         {1, 16, 6, true}};
  TTempFolder dir;
  THeadlessAudio audio;
  TDXWaveList list(&audio);
  for (const TCase& c : cases) {
    const std::string what = "tag " + std::to_string(c.Tag) + ", " + std::to_string(c.Bits) + " bits, " +
                             std::to_string(c.Channels) + " channels" + (c.Extensible ? ", extensible" : "");
    const std::string path = dir.Path + "/w.wav";
    std::ofstream(path, std::ios::binary) << EncodeWave(c.Tag, c.Bits, c.Channels, c.Extensible, signal);
    // Loaded by name like every sound of the game, then played.
    TWaveItem& w = list.LoadWave("w", path, false);
    w.Play();
    const TWaveData& data = w.Data();
    const int kept = std::min(c.Channels, 2);
    ASSERT_EQ(data.Channels, kept) << what;
    EXPECT_EQ(data.Rate, 44100) << what;
    ASSERT_EQ(data.Samples.size(), signal.size() * static_cast<size_t>(kept)) << what;
    const double tolerance = c.Bits == 8 ? 260 : 2;
    for (size_t i = 0; i < signal.size(); ++i)
      for (int ch = 0; ch < kept; ++ch)
        EXPECT_NEAR(data.Samples[i * kept + ch], signal[i] / (ch + 1) * 32767, tolerance) << what << ", sample " << i;
  }
  EXPECT_EQ(audio.Played().size(), std::size(cases));

  // Floating point beyond full scale is held at full scale; what is not a number is silence.
  std::string loud = EncodeWave(3, 32, 1, false, {2.0, -7.0, 0.0});
  const float nan = std::nanf("");
  std::memcpy(&loud[loud.size() - 4], &nan, 4);
  TWaveData out;
  std::string why;
  ASSERT_TRUE(DecodeWave(loud, out, why)) << why;
  EXPECT_EQ(out.Samples, (std::vector<int16_t>{32767, -32767, 0}));

  // An extensible header naming a format that is not PCM or floating point is refused.
  std::string odd = EncodeWave(1, 16, 1, true, signal);
  odd[50] = 0x55;  // inside the GUID, after its two-byte format tag at 44
  EXPECT_FALSE(DecodeWave(odd, out, why));
  EXPECT_FALSE(why.empty());
}

TEST(WaveFormats, DamagedExportsNeverCrashTheReader) {
  std::mt19937 gen(19);
  const std::string samples[] = {EncodeWave(1, 24, 6, true, std::vector<double>(40, 0.3)),
                                 EncodeWave(3, 64, 2, false, std::vector<double>(40, -0.3))};
  for (int round = 0; round < 4000; ++round) {
    const std::string& good = samples[round % 2];
    std::string bytes = good.substr(0, gen() % (good.size() + 1));
    for (int i = 0; i < (round % 5) && !bytes.empty(); ++i) bytes[gen() % bytes.size()] = static_cast<char>(gen());
    TWaveData out;
    std::string why;
    if (DecodeWave(bytes, out, why)) {
      ASSERT_TRUE(out.Channels == 1 || out.Channels == 2);
      ASSERT_EQ(out.Samples.size() % static_cast<size_t>(out.Channels), 0u);
    } else {
      ASSERT_FALSE(why.empty());
    }
  }
}
