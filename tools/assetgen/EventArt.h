// The event screen's pictures: 300 x 230, drawn at (170, 50) on the event screen above its
// text. A scene is chosen by the words of the picture's name, so a new event picture in a
// campaign's files gets a fitting scene without a change here.
#pragma once
#include <string>

#include "Bitmap.h"

namespace ag {

inline constexpr int kEventW = 300, kEventH = 230;

// The scene for one event picture name (case does not matter); names that match no scene
// show the lanes: a lone ship and its fuel circle in the dark.
Layer EventScene(const std::string& name);

}  // namespace ag
