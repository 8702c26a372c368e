// starwake: the game in its window.
#include <SDL.h>

#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>
#include <vector>

#include "core/Paths.h"
#include "media/Pads.h"
#include "media/sdl/SdlAudio.h"
#include "media/sdl/SdlKeys.h"
#include "media/sdl/SdlWindow.h"
#include "shell/CommandLine.h"
#include "shell/fmMain.h"

using namespace sw;

namespace {

int MouseButton(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // `starwake --replay FILE` opens the game playing that replay; `starwake --host [PORT]` and
  // `starwake --join HOST[:PORT]` open the dogfight set-up with a network duel under way.
  TGameCommandLine options;
  std::string error;
  if (!ParseGameCommandLine(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::cerr << "starwake: " << error << " (" << GameUsage << ")" << std::endl;
    return 2;
  }
  const std::string& replayFile = options.ReplayFile;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::cerr << "starwake: cannot start SDL: " << SDL_GetError() << std::endl;
    return 1;
  }
  SDL_InitSubSystem(SDL_INIT_AUDIO);
  SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
  const char* windowedEnv = std::getenv("STARWAKE_WINDOWED");
  bool windowed = windowedEnv && std::string(windowedEnv) == "1";
  int code = 0;
  try {
    TSdlWindow window(windowed);
    TSdlAudio audio;
    TPlatform platform;
    platform.Presenter = &window;
    platform.Audio = &audio;
    platform.Now = [] { return std::time(nullptr); };
    TfmMain main(platform, ExecutableFolder());
    main.FormCreate();
    main.DXDrawInitializeSurface();
    // The pads, once config.ini has said which pilot flies with which.
    TPads pads(main);
    main.AttachPads(&pads);
    if (!replayFile.empty()) {
      // Escape leaves the replay for the dogfight set-up's list of replays.
      if (main.Dogfight) main.Dogfight->OpenReplays(main.ProgramFolder + "replays/");
      main.SetGameState(gsDogfight, true);
      // A file that is refused has said why in one line.
      if (!main.StartReplay(replayFile, gsDogfight)) {
        code = 2;
        main.Terminate();
      }
    }
    // A duel that cannot start says why on the Network panel; the game goes on.
    if ((options.Host || !options.JoinAddress.empty()) &&
        !main.OpenNetDuel(options.Host, options.HostPort, options.JoinAddress))
      std::cerr << "starwake: " << main.NetStatusLine() << std::endl;

    Uint64 freq = SDL_GetPerformanceFrequency();
    Uint64 nextTick = SDL_GetPerformanceCounter();
    while (!main.Terminated) {
      SDL_Event e;
      while (SDL_PollEvent(&e)) {
        switch (e.type) {
          case SDL_QUIT:
            main.Terminate();
            break;
          case SDL_KEYDOWN: {
            bool alt = (e.key.keysym.mod & KMOD_ALT) != 0;
            if (alt && (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER)) {
              if (!e.key.repeat) window.ToggleFullscreen();
              break;
            }
            int key = SdlKeyToVirtualKey(e.key.keysym.sym, e.key.keysym.scancode);
            if (!key) break;
            main.DXInput->SetKeyDown(key, true);
            // A held key repeats its key-down; a command acts once, on the press.
            const bool shift = (e.key.keysym.mod & KMOD_SHIFT) != 0, ctrl = (e.key.keysym.mod & KMOD_CTRL) != 0;
            if (e.key.repeat) main.FormKeyRepeat(key, shift, ctrl, alt);
            else main.FormKeyDown(key, shift, ctrl, alt);
            break;
          }
          case SDL_KEYUP: {
            int key = SdlKeyToVirtualKey(e.key.keysym.sym, e.key.keysym.scancode);
            if (key) main.DXInput->SetKeyDown(key, false);
            break;
          }
          case SDL_MOUSEMOTION: {
            int x, y;
            window.ToPicture(e.motion.x, e.motion.y, x, y);
            main.MouseMove(x, y);
            break;
          }
          case SDL_MOUSEBUTTONDOWN: {
            int x, y;
            window.ToPicture(e.button.x, e.button.y, x, y);
            if (int b = MouseButton(e.button.button)) main.DXDrawMouseDown(b, x, y);
            break;
          }
          case SDL_MOUSEWHEEL:
            // Rolling away from the player moves a list's selection up.
            if (e.wheel.y != 0) {
              const bool flipped = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED;
              main.MouseWheel((e.wheel.y > 0) != flipped ? -1 : 1);
            }
            break;
          case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
              main.FormDeactivate();
            } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
              main.FormActivate();
              nextTick = SDL_GetPerformanceCounter();
            }
            break;
          default:
            pads.HandleEvent(e);
            break;
        }
      }
      if (!main.DXTimer.Enabled) {
        SDL_WaitEventTimeout(nullptr, 50);
        continue;
      }
      Uint64 now = SDL_GetPerformanceCounter();
      Uint64 interval = freq * static_cast<Uint64>(main.DXTimer.Interval) / 1000;
      if (now >= nextTick) {
        main.DXTimerTimer();
        nextTick += interval;
        // After a stall, start counting again from now instead of catching up in a burst.
        if (SDL_GetPerformanceCounter() > nextTick + interval) nextTick = SDL_GetPerformanceCounter() + interval;
      } else {
        Uint64 waitMs = (nextTick - now) * 1000 / freq;
        if (waitMs > 1) SDL_WaitEventTimeout(nullptr, static_cast<int>(waitMs - 1));
      }
    }
    main.AttachPads(nullptr);
  } catch (const std::exception& e) {
    std::cerr << "starwake: " << e.what() << std::endl;
    code = 1;
  }
  ShutdownFonts();
  SDL_Quit();
  return code;
}
