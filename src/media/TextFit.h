#pragma once
// Fitting text to its box: cutting a line short, wrapping lines between words, and centring
// on the 800-pixel-wide screen. Every panel that writes text of the data into a box of its
// own (race information beside an emblem, replies, event texts, notices) goes through here,
// so no text runs out of its box into a picture or past a frame.
#include <string>
#include <vector>

#include "media/Canvas.h"

namespace sw {

// The text itself when it fits the width in the canvas's font; otherwise it is cut short
// and ends in "...", as long as fits. When not even "..." fits, "..." is given.
std::string FitText(TCanvas& canvas, const std::string& text, int maxWidth);

// The text broken into lines no wider than the width, between words (spaces); a single word
// wider than the width is cut short with "..." on its own line. Empty text gives one empty line.
std::vector<std::string> WrapText(TCanvas& canvas, const std::string& text, int maxWidth);

// Writes the texts one under another into the box, each wrapped to the box's width, lineHeight
// apart from the box's top. Rows that would fall below the box are not drawn: the last row that
// fits ends in "..." when text was left out. Returns the number of rows drawn.
int DrawTextBox(TCanvas& canvas, const TRect& box, int lineHeight, const std::vector<std::string>& texts);

// Writes the text centred across the screen on row y.
void DrawTextCentered(TCanvas& canvas, int y, const std::string& text);

}  // namespace sw
