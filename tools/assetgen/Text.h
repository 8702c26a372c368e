// Labels in Liberation Sans, rendered through SDL2_ttf onto a Layer.
#pragma once
#include <string>

#include "Bitmap.h"

namespace ag {

bool TextInit();      // false when the fonts cannot be opened
void TextShutdown();
// Pixel height of the em; bold chooses the bold face.
int TextWidth(const std::string& s, int px, bool bold);
int TextHeight(int px, bool bold);
// Draws with the top-left of the text box at (x, y).
void DrawText(Layer& l, int x, int y, const std::string& s, int px, bool bold, const Col& c, float alpha = 1.0f);
void DrawTextCentred(Layer& l, int cx, int cy, const std::string& s, int px, bool bold, const Col& c,
                     float alpha = 1.0f);
// Text with a soft dark shadow beneath, for labels on busy art.
void DrawTextShadowed(Layer& l, int cx, int cy, const std::string& s, int px, bool bold, const Col& c);

}  // namespace ag
