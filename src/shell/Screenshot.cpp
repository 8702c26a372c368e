// F9: the picture on screen saved as a bitmap under screenshots/, named after the moment it
// was taken, with the camera-shutter sound.
#include <ctime>
#include <string>

#include "core/Errors.h"
#include "core/Paths.h"
#include "media/BitmapFile.h"
#include "shell/Screenshot.h"
#include "shell/fmMain.h"

namespace sw {

std::string ScreenshotFileName(const std::tm& t) {
  // Numbers without leading zeros or separators: 8 December 2026, 04:20:05 is
  // image_8122026_4205.bmp.
  return "image_" + std::to_string(t.tm_mday) + std::to_string(t.tm_mon + 1) + std::to_string(t.tm_year + 1900) +
         "_" + std::to_string(t.tm_hour) + std::to_string(t.tm_min) + std::to_string(t.tm_sec) + ".bmp";
}

void TfmMain::SaveScreenshot() {
  TBitmap shot;
  shot.Width = TDXDraw::ScreenWidth;
  shot.Height = TDXDraw::ScreenHeight;
  // The frame as the player saw it, brightness and fades included.
  shot.Pixels = DXDraw->Frame();
  if (shot.Pixels.size() != static_cast<size_t>(shot.Width) * shot.Height) DXDraw->Compose(shot.Pixels);

  std::time_t now = Now();
  std::tm local{};
  localtime_r(&now, &local);
  // The folder comes with the game; it is not made here.
  std::string path = ProgramFolder + "screenshots/" + ScreenshotFileName(local);
  if (!AtomicWriteFile(path, EncodeBitmap24(shot), false))
    throw EGameError(Format("Cannot create file \"%s\"", path));
  DXWaveList->Find("snapshot").Play(false);
}

}  // namespace sw
