#pragma once
// Naming of screenshot files.
#include <ctime>
#include <string>

namespace sw {

// "image_" + day + month + year + "_" + hour + minute + second + ".bmp", in plain decimal.
std::string ScreenshotFileName(const std::tm& localTime);

}  // namespace sw
