#include "media/sdl/SdlWindow.h"

#include "core/Errors.h"

namespace sw {

TSdlWindow::TSdlWindow(bool windowed) : Fullscreen(!windowed) {
  Uint32 flags = SDL_WINDOW_RESIZABLE | (Fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  Window = SDL_CreateWindow("Starwake", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, TDXDraw::ScreenWidth,
                            TDXDraw::ScreenHeight, flags);
  if (!Window) throw EGameError(std::string("Cannot open the game window: ") + SDL_GetError());
  Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  IsAccelerated = Renderer != nullptr;
  if (!Renderer) {
    // The software renderer draws faster without the window system's framebuffer emulation.
    SDL_SetHint("SDL_FRAMEBUFFER_ACCELERATION", "0");
    Renderer = SDL_CreateRenderer(Window, -1, SDL_RENDERER_SOFTWARE);
  }
  if (!Renderer) throw EGameError(std::string("Cannot draw into the game window: ") + SDL_GetError());
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  SDL_RenderSetLogicalSize(Renderer, TDXDraw::ScreenWidth, TDXDraw::ScreenHeight);
  Texture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, TDXDraw::ScreenWidth,
                              TDXDraw::ScreenHeight);
  if (!Texture) throw EGameError(std::string("Cannot draw into the game window: ") + SDL_GetError());
  SDL_ShowCursor(SDL_DISABLE);
}

TSdlWindow::~TSdlWindow() {
  if (Texture) SDL_DestroyTexture(Texture);
  if (Renderer) SDL_DestroyRenderer(Renderer);
  if (Window) SDL_DestroyWindow(Window);
}

void TSdlWindow::Present(const uint32_t* pixels, int width, int height) {
  SDL_UpdateTexture(Texture, nullptr, pixels, width * 4);
  SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
  SDL_RenderClear(Renderer);
  SDL_RenderCopy(Renderer, Texture, nullptr, nullptr);
  SDL_RenderPresent(Renderer);
}

void TSdlWindow::ToggleFullscreen() {
  Fullscreen = !Fullscreen;
  SDL_SetWindowFullscreen(Window, Fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void TSdlWindow::ToPicture(int ex, int ey, int& x, int& y) const {
  x = ex;
  y = ey;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  if (x >= TDXDraw::ScreenWidth) x = TDXDraw::ScreenWidth - 1;
  if (y >= TDXDraw::ScreenHeight) y = TDXDraw::ScreenHeight - 1;
}

}  // namespace sw
