#include "media/WaveFile.h"

#include <cmath>
#include <cstring>

#include "core/Errors.h"
#include "core/Paths.h"

namespace sw {

namespace {

uint32_t WaveU32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
         (static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24);
}
uint16_t WaveU16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

constexpr int FormatPcm = 1;
constexpr int FormatFloat = 3;
constexpr int FormatExtensible = 0xFFFE;
// The extensible header names its sample format by a GUID whose first two bytes are the plain
// format tag and whose other fourteen are always these.
const char GuidTail[] = "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71";

// A floating-point sample (full scale -1..1) as 16 bits; what is not a number is silence.
int16_t FromReal(double v) {
  if (!std::isfinite(v)) return 0;
  if (v > 1.0) v = 1.0;
  if (v < -1.0) v = -1.0;
  return static_cast<int16_t>(std::lround(v * 32767.0));
}

// One sample of the container size in bytes at b[at], as 16 bits. Integer samples wider than
// 16 bits keep their top 16 (the valid bits of an extensible file are the high ones).
int16_t Sample(const std::string& b, size_t at, int format, int bytes) {
  if (format == FormatFloat) {
    if (bytes == 4) {
      uint32_t raw = WaveU32(b, at);
      float f;
      std::memcpy(&f, &raw, sizeof f);
      return FromReal(f);
    }
    uint64_t raw = WaveU32(b, at) | (static_cast<uint64_t>(WaveU32(b, at + 4)) << 32);
    double d;
    std::memcpy(&d, &raw, sizeof d);
    return FromReal(d);
  }
  if (bytes == 1) return static_cast<int16_t>((static_cast<int>(static_cast<uint8_t>(b[at])) - 128) * 256);
  return static_cast<int16_t>(WaveU16(b, at + static_cast<size_t>(bytes) - 2));
}

bool Supported(int format, int bits) {
  if (format == FormatPcm) return bits == 8 || bits == 16 || bits == 24 || bits == 32;
  if (format == FormatFloat) return bits == 32 || bits == 64;
  return false;
}

}  // namespace

bool DecodeWave(const std::string& b, TWaveData& out, std::string& why) {
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
    why = "not a RIFF WAVE file";
    return false;
  }
  size_t pos = 12;
  int format = 0, channels = 0, bits = 0;
  uint32_t rate = 0;
  bool haveFormat = false;
  while (pos + 8 <= b.size()) {
    std::string id = b.substr(pos, 4);
    uint32_t size = WaveU32(b, pos + 4);
    size_t body = pos + 8;
    if (size > b.size() - body) size = static_cast<uint32_t>(b.size() - body);
    if (id == "fmt ") {
      if (size < 16) {
        why = "short format chunk";
        return false;
      }
      format = WaveU16(b, body);
      channels = WaveU16(b, body + 2);
      rate = WaveU32(b, body + 4);
      bits = WaveU16(b, body + 14);
      if (format == FormatExtensible) {
        if (size < 40 || std::memcmp(b.data() + body + 26, GuidTail, 14) != 0) {
          why = "unsupported extensible wave format";
          return false;
        }
        format = WaveU16(b, body + 24);
      }
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat) {
        why = "data before format";
        return false;
      }
      if (!Supported(format, bits) || channels < 1 || channels > 64 || rate < 1000 || rate > 192000) {
        why = "unsupported wave format";
        return false;
      }
      const int bytes = bits / 8;
      const size_t frameBytes = static_cast<size_t>(bytes) * static_cast<size_t>(channels);
      const size_t frames = size / frameBytes;
      // The mixer plays one or two channels; a surround file keeps its front pair.
      const int kept = channels > 2 ? 2 : channels;
      out.Rate = static_cast<int>(rate);
      out.Channels = kept;
      out.Samples.resize(frames * static_cast<size_t>(kept));
      size_t n = 0;
      for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < kept; ++c)
          out.Samples[n++] = Sample(b, body + f * frameBytes + static_cast<size_t>(c * bytes), format, bytes);
      return true;
    }
    pos = body + size + (size & 1);
  }
  why = "no sound data";
  return false;
}

TWaveData LoadWaveFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) throw EGameError(Format("Cannot open file \"%s\"", NormalizeSlashes(path)));
  TWaveData wave;
  std::string why;
  if (!DecodeWave(bytes, wave, why))
    throw EGameError(Format("Wave file \"%s\" cannot be read: ", NormalizeSlashes(path)) + why);
  return wave;
}

}  // namespace sw
