// The shared look of the game: deep-space backdrops, blue-steel panels with
// cyan and amber trim, and labelled buttons.
#pragma once
#include <string>

#include "Bitmap.h"
#include "Shapes.h"

namespace ag {

namespace pal {
inline const Col kSteelDark = Hex(0x141c2a);
inline const Col kSteel = Hex(0x24324a);
inline const Col kSteelLight = Hex(0x3c5272);
inline const Col kCyan = Hex(0x4fe0ff);
inline const Col kAmber = Hex(0xffb23c);
inline const Col kText = Hex(0xf2f6ff);
inline const Col kInk = Hex(0x101418);
}  // namespace pal

// Star field with soft nebula clouds over the whole layer (opaque).
void SpaceBackground(Layer& l, uint32_t seed, float nebula, Col tintA, Col tintB);
// A blue-steel panel with a cyan edge and amber corner ticks.
void Panel(Layer& l, float x0, float y0, float x1, float y1, float alpha = 0.92f);
// A framed window into space (panel with a dark inset).
void Inset(Layer& l, float x0, float y0, float x1, float y1);
// A button face of w x h with a centred label.
enum class ButtonLook { Normal, Accent, Danger, Small };
Layer Button(int w, int h, const std::string& label, ButtonLook look = ButtonLook::Normal, int textPx = 0);
// Arrow button (direction: 0 up, 1 right, 2 down, 3 left).
Layer ArrowButton(int w, int h, int direction, bool framed = true);

}  // namespace ag
