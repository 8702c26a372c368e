// The Controls screen's routing: opened from the options, its rows wait for a new key or pad
// button when chosen, "Defaults" restores the default bindings, and leaving it writes what the
// player changed into config.ini at once (and again, if more changed, when the game ends).
#include "core/Adf.h"
#include "core/Errors.h"
#include "media/PadButtons.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::OpenControls() {
  if (!Controls) throw EGameError("The Controls screen could not be loaded");
  Controls->Open();
  SetGameState(gsControls, false);
}

void TfmMain::RouteControls(const std::string& key) {
  if (key.empty() || !Controls) return;
  PlayClick();
  if (Controls->Capturing()) Controls->CancelCapture();
  if (key == "back") {
    Controls->Buttons.Find(key).Click();
    LeaveControls();
  } else if (key == "defaults") {
    Controls->Buttons.Find(key).Click();
    Controls->Focus.Key = key;
    Controls->RestoreDefaults();
  } else {
    Controls->StartCapture(key);
  }
}

void TfmMain::ControlsCaptureKey(int key) {
  if (Controls) Controls->CaptureKey(key);
}

void TfmMain::LeaveControls() {
  if (Controls) Controls->CancelCapture();
  SetGameState(gsOptions, false);
  SaveControls();
}

void TfmMain::WriteChangedControls(TAdfBatch& batch) {
  const TControlBindings now = ReadBindings(*DXInput, PadBindings);
  for (int pilot = 1; pilot <= 2; ++pilot) {
    const std::string section = pilot == 1 ? "PLAYER1" : "PLAYER2";
    for (int c = 0; c < ShipControlCount; ++c) {
      const TPilotControl control{pilot, static_cast<TShipControl>(c)};
      if (now.Key(control) != SavedControls.Key(control))
        batch.WriteInteger(section, ShipControlKeys[c], now.Key(control));
      if (now.PadButton(control) != SavedControls.PadButton(control))
        batch.WriteString(section, PadControlKey(control.Control), PadButtonName(now.PadButton(control)));
    }
  }
}

void TfmMain::SaveControls() {
  // Nothing of a file the game never read is replaced, and an unchanged file is not touched.
  if (!ConfigLoaded || ReadBindings(*DXInput, PadBindings) == SavedControls) return;
  TAdfBatch batch(ConfigFile());
  WriteChangedControls(batch);
  batch.Commit(true);
  SavedControls = ReadBindings(*DXInput, PadBindings);
}

}  // namespace sw
