#pragma once
// The images every list holds from the start, with their key colours.
#include <string>
#include <vector>

#include "core/Colors.h"

namespace sw {

struct TBuiltinImage {
  std::string Name;
  TColor Key;
};

const std::vector<TBuiltinImage>& BuiltinImagesMain();
const std::vector<TBuiltinImage>& BuiltinImagesDF();
const std::vector<TBuiltinImage>& BuiltinImagesM();
const std::vector<TBuiltinImage>& BuiltinImagesMG();

}  // namespace sw
