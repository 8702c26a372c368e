#pragma once
// The game's window: full screen on the desktop's own resolution with the 800 x 600 picture
// scaled to fit, or a plain window; frames are uploaded to one streaming texture.
#include <SDL.h>

#include <string>

#include "media/Display.h"

namespace sw {

class TSdlWindow : public IPresenter {
public:
  // Raises the game's error when no window can be opened.
  explicit TSdlWindow(bool windowed);
  ~TSdlWindow() override;
  void Present(const uint32_t* pixels, int width, int height) override;
  void ToggleFullscreen();
  // A mouse event's position to the 800 x 600 picture. The renderer's logical size has already
  // scaled the event to the picture (in a full screen or an enlarged window alike), so only the
  // black bars beside the picture are brought onto its edge.
  void ToPicture(int ex, int ey, int& x, int& y) const;
  bool Accelerated() const { return IsAccelerated; }
  SDL_Window* Handle() const { return Window; }

private:
  SDL_Window* Window = nullptr;
  SDL_Renderer* Renderer = nullptr;
  SDL_Texture* Texture = nullptr;
  bool Fullscreen = true;
  bool IsAccelerated = false;
};

}  // namespace sw
