#pragma once
// Windows bitmap (BMP, also stored as ".img") reading and writing; waves in WaveFile.h.
#include <cstdint>
#include <string>
#include <vector>

#include "media/WaveFile.h"

namespace sw {

// An image in 8-bit RGB, row-major from the top; pixel = 0x00RRGGBB.
struct TBitmap {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
  uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Decodes BMP bytes (1, 4, 8, 16, 24 or 32 bits, uncompressed or bit-field); false with a
// reason when the bytes are not a bitmap it can read.
bool DecodeBitmap(const std::string& bytes, TBitmap& out, std::string& why);
// Loads a bitmap file; raises the game's error when it cannot be opened or read.
TBitmap LoadBitmapFile(const std::string& path);
// What keeps a picture file from being shown: "" when it exists and decodes, else "does not
// exist" or "cannot be read: " and the reason. The data check reads every picture with it, so a
// file cut short or emptied is found before a screen needs it.
std::string PictureFault(const std::string& path);
// A 24-bit BMP of the image.
std::string EncodeBitmap24(const TBitmap& bmp);

}  // namespace sw
