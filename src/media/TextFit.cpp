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

// The words of a line: runs of characters between spaces.
std::vector<std::string> WordsOfText(const std::string& text) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < text.size()) {
    while (start < text.size() && text[start] == ' ') ++start;
    if (start >= text.size()) break;
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    words.push_back(text.substr(start, end - start));
    start = end;
  }
  return words;
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

std::vector<std::string> WrapText(TCanvas& canvas, const std::string& text, int maxWidth) {
  // Most lines fit as they are: one measurement, and the spacing the data gave is kept.
  if (canvas.TextWidth(text) <= maxWidth) return {text};
  std::vector<std::string> lines;
  std::string line;
  for (const std::string& word : WordsOfText(text)) {
    const std::string joined = line.empty() ? word : line + " " + word;
    if (canvas.TextWidth(joined) <= maxWidth) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(line);
    line = canvas.TextWidth(word) <= maxWidth ? word : FitText(canvas, word, maxWidth);
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

int DrawTextBox(TCanvas& canvas, const TRect& box, int lineHeight, const std::vector<std::string>& texts) {
  if (lineHeight <= 0 || box.Width() <= 0) return 0;
  // Rows whose top lies inside the box; at least one when the box has any height.
  const int rows = box.Height() <= 0 ? 0 : (box.Height() + lineHeight - 1) / lineHeight;
  int row = 0;
  for (size_t t = 0; t < texts.size(); ++t) {
    const std::vector<std::string> lines = WrapText(canvas, texts[t], box.Width());
    for (size_t k = 0; k < lines.size(); ++k) {
      if (row >= rows) return row;
      const bool more = k + 1 < lines.size() || t + 1 < texts.size();
      const bool lastRow = row + 1 == rows;
      // The last row says that something was left out below it.
      const std::string shown = lastRow && more ? FitText(canvas, lines[k] + " ...", box.Width()) : lines[k];
      canvas.TextOut(box.Left, box.Top + row * lineHeight, shown);
      ++row;
    }
  }
  return row;
}

void DrawTextCentered(TCanvas& canvas, int y, const std::string& text) {
  canvas.TextOut((800 - canvas.TextWidth(text)) / 2, y, text);
}

}  // namespace sw
