#pragma once
// The 800 x 600 display: a 16-bit back buffer that every screen draws on, a gamma ramp applied
// when the frame is shown, and a palette table that screens install on entry.
#include <array>
#include <cstdint>
#include <vector>

#include "core/Colors.h"
#include "media/Surface.h"

namespace sw {

using TGammaRamp = std::array<std::array<uint16_t, 256>, 3>;  // red, green, blue

// Where finished frames go: a window, or nowhere at all in the headless runner.
class IPresenter {
public:
  virtual ~IPresenter() = default;
  // 32-bit pixels 0x00RRGGBB, row-major, width x height.
  virtual void Present(const uint32_t* pixels, int width, int height) = 0;
};

class TDXDraw {
public:
  static constexpr int ScreenWidth = 800, ScreenHeight = 600;

  TDXDraw();
  void SetPresenter(IPresenter* presenter) { Presenter = presenter; }

  bool CanDraw() const { return Initialized; }
  void Initialize() { Initialized = true; }
  // Gives up the display (the window lost activation); Initialize brings it back.
  void ReleaseDisplay() { Initialized = false; }

  void Fill(TColor c) { Surface.Fill(ColorTo565(c)); }
  // Shows the back buffer: every pixel goes through the gamma ramp into the 32-bit frame.
  void Flip();

  const TGammaRamp& GetGammaRamp() const { return Ramp; }
  void SetGammaRamp(const TGammaRamp& ramp);
  void InstallPalette(const std::array<TColor, 256>& palette) { Palette = palette; }

  // The last frame shown, as a player saw it (gamma applied).
  const std::vector<uint32_t>& Frame() const { return Presented; }
  // Converts the current back buffer through the ramp without presenting it.
  void Compose(std::vector<uint32_t>& out) const;

  TSurface Surface;
  std::array<TColor, 256> Palette{};

private:
  void RebuildTable();
  bool Initialized = false;
  TGammaRamp Ramp;
  std::vector<uint32_t> Table;  // 565 pixel -> 32-bit pixel through the ramp
  std::vector<uint32_t> Presented;
  IPresenter* Presenter = nullptr;
};

// The identity ramp: entry i is i * 257.
TGammaRamp IdentityRamp();

}  // namespace sw
