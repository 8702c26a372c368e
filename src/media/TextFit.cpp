#include "media/TextFit.h"

namespace sw {

namespace {

// Drops the last character, keeping a multi-byte character whole.
void DropLastCharacter(std::string& s) {
  while (!s.empty()) {
    unsigned char c = static_cast<unsigned char>(s.back());
    s.pop_back();
    if ((c & 0xC0) != 0x80) break;
  }
}

}  // namespace

std::string FitText(TCanvas& canvas, const std::string& text, int maxWidth) {
  if (canvas.TextWidth(text) <= maxWidth) return text;
  std::string s = text;
  while (!s.empty()) {
    DropLastCharacter(s);
    if (canvas.TextWidth(s + "...") <= maxWidth) break;
  }
  return s + "...";
}

void DrawTextCentered(TCanvas& canvas, int y, const std::string& text) {
  canvas.TextOut((800 - canvas.TextWidth(text)) / 2, y, text);
}

}  // namespace sw
