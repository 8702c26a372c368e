// The pointer in a window larger than the picture (full screen on a large desktop, or an
// enlarged window): a click lands on the picture where the player sees the pointer.
#include <SDL.h>

#include <array>
#include <cstdlib>

#include <gtest/gtest.h>

#include "media/sdl/SdlWindow.h"

using namespace sw;

TEST(WindowPointer, AClickInAnEnlargedWindowLandsWhereThePointerIsOnThePicture) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  {
    TSdlWindow window(true);
    // Twice the picture's size: the picture fills the window at a scale of 2.
    SDL_SetWindowSize(window.Handle(), 1600, 1200);
    SDL_PumpEvents();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    for (const auto& [wx, wy, px, py] : {std::array{800, 600, 400, 300}, std::array{1598, 2, 799, 1},
                                         std::array{200, 1100, 100, 550}}) {
      SDL_Event click{};
      click.type = SDL_MOUSEBUTTONDOWN;
      click.button.windowID = SDL_GetWindowID(window.Handle());
      click.button.button = SDL_BUTTON_LEFT;
      click.button.state = SDL_PRESSED;
      click.button.x = wx;
      click.button.y = wy;
      ASSERT_EQ(SDL_PushEvent(&click), 1);
      bool seen = false;
      while (SDL_PollEvent(&e))
        if (e.type == SDL_MOUSEBUTTONDOWN) {
          int x = -1, y = -1;
          window.ToPicture(e.button.x, e.button.y, x, y);
          EXPECT_EQ(x, px) << "window " << wx << "," << wy;
          EXPECT_EQ(y, py) << "window " << wx << "," << wy;
          seen = true;
        }
      EXPECT_TRUE(seen);
    }
  }
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
