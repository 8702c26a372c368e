#include "media/BitmapFile.h"

#include <cstring>

#include "core/Errors.h"
#include "core/Paths.h"

namespace sw {

namespace {

uint32_t U32(const std::string& b, size_t at) {
  return static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8) |
         (static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24);
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | (static_cast<uint8_t>(b[at + 1]) << 8));
}

// Extracts a channel through a bit mask, scaled to 0..255.
int MaskChannel(uint32_t v, uint32_t mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  uint32_t m = mask >> shift;
  uint32_t c = (v >> shift) & m;
  return static_cast<int>(m ? (c * 255 + m / 2) / m : 0);
}

}  // namespace

bool DecodeBitmap(const std::string& b, TBitmap& out, std::string& why) {
  if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') {
    why = "not a bitmap";
    return false;
  }
  uint32_t dataOffset = U32(b, 10);
  uint32_t headerSize = U32(b, 14);
  int64_t width, height;
  int bits;
  uint32_t compression = 0, colorsUsed = 0;
  uint32_t rMask = 0, gMask = 0, bMask = 0;
  size_t paletteAt;
  int paletteEntrySize;
  if (headerSize == 12) {
    width = U16(b, 18);
    height = static_cast<int16_t>(U16(b, 20));
    bits = U16(b, 24);
    paletteAt = 26;
    paletteEntrySize = 3;
  } else if (headerSize >= 40 && b.size() >= 14 + 40) {
    width = static_cast<int32_t>(U32(b, 18));
    height = static_cast<int32_t>(U32(b, 22));
    bits = U16(b, 28);
    compression = U32(b, 30);
    colorsUsed = U32(b, 46);
    paletteAt = 14 + headerSize;
    paletteEntrySize = 4;
    if (compression == 3) {
      if (headerSize >= 52 && b.size() >= 14 + 52) {
        rMask = U32(b, 54);
        gMask = U32(b, 58);
        bMask = U32(b, 62);
      } else if (b.size() >= 14 + 40 + 12) {
        rMask = U32(b, 54);
        gMask = U32(b, 58);
        bMask = U32(b, 62);
        paletteAt += 12;
      } else {
        why = "truncated bit masks";
        return false;
      }
    }
  } else {
    why = "unknown bitmap header";
    return false;
  }
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
    why = "bad bitmap size";
    return false;
  }
  if (compression != 0 && compression != 3) {
    why = "compressed bitmaps are not supported";
    return false;
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
    why = "unsupported bit depth";
    return false;
  }
  if (compression == 0 && bits == 16) {
    rMask = 0x7C00;
    gMask = 0x03E0;
    bMask = 0x001F;
  }
  std::vector<uint32_t> palette;
  if (bits <= 8) {
    uint32_t n = colorsUsed ? colorsUsed : (1u << bits);
    if (n > 256) n = 256;
    for (uint32_t i = 0; i < n; ++i) {
      size_t at = paletteAt + static_cast<size_t>(i) * paletteEntrySize;
      if (at + 3 > b.size()) break;
      palette.push_back((static_cast<uint8_t>(b[at + 2]) << 16) | (static_cast<uint8_t>(b[at + 1]) << 8) |
                        static_cast<uint8_t>(b[at]));
    }
  }
  size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  if (dataOffset > b.size() || stride * static_cast<size_t>(height) > b.size() - dataOffset) {
    why = "truncated pixel data";
    return false;
  }
  out.Width = static_cast<int>(width);
  out.Height = static_cast<int>(height);
  out.Pixels.assign(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < out.Height; ++y) {
    size_t row = dataOffset + stride * static_cast<size_t>(topDown ? y : out.Height - 1 - y);
    const uint8_t* p = reinterpret_cast<const uint8_t*>(b.data()) + row;
    uint32_t* dst = out.Pixels.data() + static_cast<size_t>(y) * out.Width;
    for (int x = 0; x < out.Width; ++x) {
      uint32_t px = 0;
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          int perByte = 8 / bits;
          int idx = (p[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1 << bits) - 1);
          px = static_cast<size_t>(idx) < palette.size() ? palette[idx] : 0;
          break;
        }
        case 16: {
          uint32_t v = p[x * 2] | (p[x * 2 + 1] << 8);
          px = (MaskChannel(v, rMask) << 16) | (MaskChannel(v, gMask) << 8) | MaskChannel(v, bMask);
          break;
        }
        case 24:
          px = (p[x * 3 + 2] << 16) | (p[x * 3 + 1] << 8) | p[x * 3];
          break;
        case 32: {
          uint32_t v = p[x * 4] | (p[x * 4 + 1] << 8) | (p[x * 4 + 2] << 16) | (static_cast<uint32_t>(p[x * 4 + 3]) << 24);
          if (compression == 3)
            px = (MaskChannel(v, rMask) << 16) | (MaskChannel(v, gMask) << 8) | MaskChannel(v, bMask);
          else
            px = v & 0xFFFFFF;
          break;
        }
      }
      dst[x] = px;
    }
  }
  return true;
}

TBitmap LoadBitmapFile(const std::string& path) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) throw EGameError(Format("Cannot open file \"%s\"", NormalizeSlashes(path)));
  TBitmap bmp;
  std::string why;
  if (!DecodeBitmap(bytes, bmp, why))
    throw EGameError(Format("Bitmap \"%s\" cannot be read: ", NormalizeSlashes(path)) + why);
  return bmp;
}

std::string PictureFault(const std::string& path) {
  std::string bytes;
  if (!FileExists(path) || !ReadWholeFile(path, bytes)) return "does not exist";
  TBitmap bmp;
  std::string why;
  if (!DecodeBitmap(bytes, bmp, why)) return "cannot be read: " + why;
  if (bmp.Width <= 0 || bmp.Height <= 0) return "cannot be read: it holds no pixels";
  return "";
}

std::string EncodeBitmap24(const TBitmap& bmp) {
  size_t stride = (static_cast<size_t>(bmp.Width) * 3 + 3) & ~static_cast<size_t>(3);
  size_t dataSize = stride * bmp.Height;
  std::string out(54 + dataSize, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto put16 = [&](size_t at, uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(bmp.Width));
  put32(22, static_cast<uint32_t>(bmp.Height));
  put16(26, 1);
  put16(28, 24);
  put32(34, static_cast<uint32_t>(dataSize));
  put32(38, 2835);
  put32(42, 2835);
  for (int y = 0; y < bmp.Height; ++y) {
    size_t row = 54 + stride * static_cast<size_t>(bmp.Height - 1 - y);
    for (int x = 0; x < bmp.Width; ++x) {
      uint32_t px = bmp.At(x, y);
      out[row + x * 3] = static_cast<char>(px & 0xFF);
      out[row + x * 3 + 1] = static_cast<char>((px >> 8) & 0xFF);
      out[row + x * 3 + 2] = static_cast<char>((px >> 16) & 0xFF);
    }
  }
  return out;
}

}  // namespace sw
