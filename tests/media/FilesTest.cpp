#include <gtest/gtest.h>

#include <random>

#include "media/BitmapFile.h"

using namespace sw;

TEST(BitmapFile, EncodesAndDecodesTheSamePicture) {
  TBitmap b;
  b.Width = 5;
  b.Height = 3;
  for (int i = 0; i < 15; ++i) b.Pixels.push_back(static_cast<uint32_t>(i * 0x0A0B0C));
  TBitmap back;
  std::string why;
  ASSERT_TRUE(DecodeBitmap(EncodeBitmap24(b), back, why)) << why;
  EXPECT_EQ(back.Width, 5);
  EXPECT_EQ(back.Height, 3);
  EXPECT_EQ(back.Pixels, b.Pixels);
}

TEST(BitmapFile, RandomAndTruncatedBytesAreRefusedWithoutCrashing) {
  TBitmap b;
  b.Width = 7;
  b.Height = 4;
  b.Pixels.assign(28, 0x336699);
  const std::string good = EncodeBitmap24(b);
  std::mt19937 gen(42);
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = good.substr(0, gen() % (good.size() + 1));
    if (round % 3 == 0)
      for (int i = 0; i < 4 && !bytes.empty(); ++i) bytes[gen() % bytes.size()] = static_cast<char>(gen());
    if (round % 5 == 0) {
      bytes.assign(gen() % 200, '\0');
      for (char& c : bytes) c = static_cast<char>(gen());
      if (bytes.size() > 2) bytes[0] = 'B', bytes[1] = 'M';
    }
    TBitmap out;
    std::string why;
    if (!DecodeBitmap(bytes, out, why)) {
      ++refused;
      EXPECT_FALSE(why.empty());
    } else {
      ASSERT_EQ(out.Pixels.size(), static_cast<size_t>(out.Width) * out.Height);
    }
  }
  EXPECT_GT(refused, 1000);
}

namespace {
std::string Wave16(int rate, int channels, const std::vector<int16_t>& samples) {
  std::string d;
  auto u32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) d += static_cast<char>((v >> (8 * i)) & 0xFF); };
  auto u16 = [&](uint16_t v) { d += static_cast<char>(v & 0xFF); d += static_cast<char>(v >> 8); };
  d += "RIFF";
  u32(36 + static_cast<uint32_t>(samples.size() * 2));
  d += "WAVEfmt ";
  u32(16);
  u16(1);
  u16(static_cast<uint16_t>(channels));
  u32(static_cast<uint32_t>(rate));
  u32(static_cast<uint32_t>(rate * channels * 2));
  u16(static_cast<uint16_t>(channels * 2));
  u16(16);
  d += "data";
  u32(static_cast<uint32_t>(samples.size() * 2));
  for (int16_t s : samples) u16(static_cast<uint16_t>(s));
  return d;
}
}  // namespace

TEST(WaveFile, ReadsPcmAndRefusesDamagedFiles) {
  std::vector<int16_t> samples = {0, 1000, -1000, 32767, -32768, 5};
  TWaveData w;
  std::string why;
  ASSERT_TRUE(DecodeWave(Wave16(22050, 1, samples), w, why)) << why;
  EXPECT_EQ(w.Rate, 22050);
  EXPECT_EQ(w.Samples, samples);
  EXPECT_NEAR(w.Seconds(), 6.0 / 22050, 1e-9);

  const std::string good = Wave16(11025, 2, std::vector<int16_t>(64, 300));
  std::mt19937 gen(7);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes = good.substr(0, gen() % (good.size() + 1));
    for (int i = 0; i < (round % 4) && !bytes.empty(); ++i) bytes[gen() % bytes.size()] = static_cast<char>(gen());
    TWaveData out;
    std::string reason;
    if (DecodeWave(bytes, out, reason)) {
      ASSERT_EQ(out.Samples.size() % static_cast<size_t>(out.Channels), 0u);
    } else {
      EXPECT_FALSE(reason.empty());
    }
  }
}
