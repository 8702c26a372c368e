#include "Text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <utility>

namespace ag {

namespace {
const char* kRegular = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const char* kBold = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
std::map<std::pair<int, bool>, TTF_Font*> g_fonts;
bool g_ready = false;

TTF_Font* Font(int px, bool bold) {
    auto key = std::make_pair(px, bold);
    auto it = g_fonts.find(key);
    if (it != g_fonts.end()) return it->second;
    TTF_Font* f = TTF_OpenFont(bold ? kBold : kRegular, px);
    g_fonts[key] = f;
    return f;
}
}  // namespace

bool TextInit() {
    if (TTF_Init() != 0) return false;
    g_ready = Font(12, false) != nullptr && Font(12, true) != nullptr;
    return g_ready;
}

void TextShutdown() {
    for (auto& [k, f] : g_fonts)
        if (f) TTF_CloseFont(f);
    g_fonts.clear();
    if (TTF_WasInit()) TTF_Quit();
    g_ready = false;
}

int TextWidth(const std::string& s, int px, bool bold) {
    TTF_Font* f = g_ready ? Font(px, bold) : nullptr;
    int w = 0, h = 0;
    if (!f || s.empty() || TTF_SizeUTF8(f, s.c_str(), &w, &h) != 0) return int(s.size()) * px / 2;
    return w;
}

int TextHeight(int px, bool bold) {
    TTF_Font* f = g_ready ? Font(px, bold) : nullptr;
    return f ? TTF_FontHeight(f) : px;
}

void DrawText(Layer& l, int x, int y, const std::string& s, int px, bool bold, const Col& c, float alpha) {
    TTF_Font* f = g_ready ? Font(px, bold) : nullptr;
    if (!f || s.empty()) return;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* surf = TTF_RenderUTF8_Blended(f, s.c_str(), white);
    if (!surf) return;
    SDL_Surface* conv = SDL_ConvertSurfaceFormat(surf, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(surf);
    if (!conv) return;
    SDL_LockSurface(conv);
    for (int yy = 0; yy < conv->h; ++yy) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(conv->pixels) + yy * conv->pitch);
        for (int xx = 0; xx < conv->w; ++xx) {
            float a = ((row[xx] >> 24) & 255) / 255.0f;
            if (a > 0) l.Over(x + xx, y + yy, c, a * alpha);
        }
    }
    SDL_UnlockSurface(conv);
    SDL_FreeSurface(conv);
}

void DrawTextCentred(Layer& l, int cx, int cy, const std::string& s, int px, bool bold, const Col& c, float alpha) {
    DrawText(l, cx - TextWidth(s, px, bold) / 2, cy - TextHeight(px, bold) / 2, s, px, bold, c, alpha);
}

void DrawTextShadowed(Layer& l, int cx, int cy, const std::string& s, int px, bool bold, const Col& c) {
    DrawTextCentred(l, cx + 1, cy + 1, s, px, bold, Col{0.02f, 0.03f, 0.06f}, 0.85f);
    DrawTextCentred(l, cx, cy, s, px, bold, c);
}

}  // namespace ag
