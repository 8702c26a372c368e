#pragma once
// The main window: owns the display, the image and sound lists, the input device, the frame
// timer and every screen; holds the game state and runs the frame tick.
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "media/Audio.h"
#include "media/MainWindow.h"

namespace sw {

// What the main window needs from the platform it runs on.
struct TPlatform {
  IPresenter* Presenter = nullptr;
  IAudioBackend* Audio = nullptr;
  // The wall clock, used to name screenshots; tests inject a fixed one.
  std::function<std::time_t()> Now;
};

class TfmMain : public TMainWindow {
public:
  TfmMain(const TPlatform& platform, const std::string& programFolder);
  ~TfmMain() override;

  // Start-up loading: folders, shared images and sounds.
  void FormCreate();
  // The display is ready: create the screens and enter the splash.
  void DXDrawInitializeSurface();
  // Writes the settings and frees the screens.
  void FormDestroy();
  // The window lost activation: the frame timer stops and the display is released.
  void FormDeactivate();
  // The window is active again: the display is restored and the frame timer runs again.
  void FormActivate();

  // The frame tick.
  void DXTimerTimer();
  void FormKeyDown(int key, bool shift, bool ctrl, bool alt);
  void DXDrawMouseDown(int button, int x, int y);
  void MouseMove(int x, int y);

  void SetGameState(uint8_t state, bool immediate) override;
  void SimulateKey(int key, bool shift, bool ctrl, bool alt) override;
  void SetGammaOffset(int offset) override;
  void ApplySfxVolume() override;
  void ApplyMusicVolume() override;
  void ReportError(const std::string& message) override;
  void Terminate() override { Terminated = true; }

  bool Terminated = false;
  // Every error reported since start, in order.
  std::vector<std::string> Errors;
  // Frame ticks run so far.
  long long TickCount = 0;
  // Time spent in simulation and in drawing, summed over all ticks (microseconds).
  double UpdateMicros = 0, DrawMicros = 0;

private:
  void LoadBuiltinImages();
  void LoadStartupLists();
  void RunFade();
  void SetStateNow(uint8_t state);
  void DrawLiveScreen();
  void DrawErrorLine();
  void PlayMusic(const std::string& name);
  void StopMusic(const std::string& name);
  TGammaRamp RampPlus(int amount) const;
  // Runs a handler, reporting any game error it raises.
  void Guarded(const std::function<void()>& work);

  TPlatform Platform;
  std::string ErrorLine;
  int ErrorTicks = 0;
  bool Destroyed = false;
};

}  // namespace sw
