#include "screens/Options.h"

#include <algorithm>

#include "core/Paths.h"
#include "media/Canvas.h"
#include "media/MainWindow.h"

namespace sw {

TOptions::TOptions() : Buttons(&fmMain->DXDraw->Surface, fmMain->DXImageListMain.get()) {
  fmMain->DXImageListMain->LoadImage("options", ResolvePath(fmMain->GraphicsFolder + "options.img"), clRed);
  // The long buttons are whole actions; the short ones reset a setting and have arrows beside.
  for (int i = 1; i <= 11; ++i) {
    const std::string key = "op" + std::to_string(i);
    const bool setting = i >= 4 && i <= 8;
    Buttons.Add(key, 293, 247 + 27 * (i - 1), setting ? 163 : 243, 23, key, 2);
  }
  for (int i = 4; i <= 8; ++i) {
    const int y = 247 + 27 * (i - 1);
    Buttons.Add("ar" + std::to_string(i) + "_l", 460, y, 24, 23, "opa_l", 2);
    Buttons.Add("ar" + std::to_string(i) + "_r", 512, y, 24, 23, "opa_r", 2);
  }
  // Both pilots' keys and pad buttons, on a screen of their own; above the rest, where the
  // panel was made taller for it.
  Buttons.Add("controls", 293, 220, 243, 23, "op_controls", 2);
  const std::pair<const char*, int> padRows[] = {{"dz", PadDeadZoneY}, {"sens", PadSensitivityY}};
  for (const auto& [row, y] : padRows) {
    const std::string key = std::string("pad_") + row;
    Buttons.Add("op" + key, PadRowX, y, PadRowWidth, 23, "op" + key, 2);
    Buttons.Add("ar" + key + "_l", PadRowX + PadRowWidth + 4, y, 24, 23, "opa_l", 2);
    Buttons.Add("ar" + key + "_r", PadRowX + PadRowWidth + 56, y, 24, 23, "opa_r", 2);
  }
}

std::string TOptions::Reason(const std::string& key) const {
  const bool frontEnd = StateLeft == gsMenu || StateLeft == gsCredits;
  if (key == "op2") return frontEnd ? "Load Game on the menu loads a campaign" : "A campaign is loaded from the menu or from a campaign";
  if (key == "op3") {
    if (StateLeft == gsCampaign && CampaignBusy) return "Finish what is open on the map before saving";
    return "Only a campaign can be saved";
  }
  if (key == "op9") return "No battle is being fought";
  if (key == "op10") return "You are at the menu already";
  return "";
}

TFocusTargets TOptions::FocusTargets() const {
  TFocusTargets targets;
  for (int i = 0; i < Buttons.Count(); ++i)
    if (Buttons.At(i)->Available()) targets.push_back({Buttons.KeyAt(i), Buttons.At(i)->Rect()});
  return targets;
}

void TOptions::SetAvailability(int stateLeft, int campaignSubScreen) {
  StateLeft = stateLeft;
  CampaignBusy = false;
  auto offer = [&](const char* key, bool available) { Buttons.Find(key).Alpha = available ? AlphaNormal : AlphaDimmed; };
  switch (stateLeft) {
    case gsCampaign: {
      // No saving in the middle of a conversation, an encounter, a combat set-up, an event or
      // on a planet's surface.
      const int busy[] = {8, 9, 10, 13, 14, 15};
      const bool saving = std::find(std::begin(busy), std::end(busy), campaignSubScreen) == std::end(busy);
      CampaignBusy = !saving;
      offer("op2", true);
      offer("op3", saving);
      offer("op9", false);
      offer("op10", true);
      break;
    }
    case gsMenu:
    case gsCredits:
      offer("op2", false);
      offer("op3", false);
      offer("op9", false);
      offer("op10", false);
      break;
    case gsDogfight:
      offer("op2", false);
      offer("op3", false);
      offer("op9", false);
      offer("op10", true);
      break;
    case gsBattle:
      offer("op2", false);
      offer("op3", false);
      offer("op9", true);
      offer("op10", true);
      break;
    default:
      break;
  }
}

std::string TOptions::GammaText(int gammaOffset) { return std::to_string(gammaOffset / 1000); }

std::string TOptions::VolumeText(int volume) { return std::to_string((volume + 4000) / 400); }

void TOptions::Draw() {
  TSurface& s = fmMain->DXDraw->Surface;
  fmMain->DXImageListMain->Find("options").Draw(s, 0, 0);
  for (int i = 4; i <= 8; ++i) {
    Buttons.Find("ar" + std::to_string(i) + "_l").Draw();
    Buttons.Find("ar" + std::to_string(i) + "_r").Draw();
  }
  for (int i = 1; i <= 11; ++i) Buttons.Find("op" + std::to_string(i)).Draw();
  Buttons.Find("controls").Draw();
  for (const char* key : {"oppad_dz", "arpad_dz_l", "arpad_dz_r", "oppad_sens", "arpad_sens_l", "arpad_sens_r"})
    Buttons.Find(key).Draw();

  TCanvas canvas(s);
  canvas.Brush.Style = TBrushStyle::bsClear;
  canvas.Font.Size = 10;
  canvas.Font.Bold = true;
  canvas.Font.Color = clBlack;
  const std::pair<int, std::string> values[] = {
      {333, GammaText(fmMain->GammaOffset)},
      {359, VolumeText(fmMain->SfxVolume)},
      {386, VolumeText(fmMain->MusicVolume)},
      {413, std::to_string(fmMain->DXTimer.Interval)},
      {438, fmMain->DrawPointers ? "Yes" : "No"},
  };
  for (const auto& [y, text] : values) canvas.TextOut(481 + (34 - canvas.TextWidth(text)) / 2, y, text);
  // The pads' dead zone and sensitivity, in percent.
  const int padValueX = PadRowX + PadRowWidth + 29;
  const std::pair<int, std::string> padValues[] = {{PadDeadZoneY + 5, std::to_string(fmMain->PadDeadZone)},
                                                   {PadSensitivityY + 4, std::to_string(fmMain->PadSensitivity)}};
  for (const auto& [y, text] : padValues) canvas.TextOut(padValueX + (26 - canvas.TextWidth(text)) / 2, y, text);
  canvas.Release();
  const TFocusTargets targets = FocusTargets();
  Focus.Keep(targets, "op1");
  Focus.Draw(s, targets);
}

}  // namespace sw
