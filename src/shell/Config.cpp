// The settings file config.ini: read once when the display is ready, section MISC written
// back at shutdown. In the player sections only the keys and pad buttons the player changed
// on the Controls screen are written, so the rest of a hand-edited file stays as it was.
#include <algorithm>

#include "ai/PilotSkill.h"
#include "core/Adf.h"
#include "media/Controls.h"
#include "media/PadButtons.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::LoadConfig() {
  const std::string file = ConfigFile();
  DXTimer.Interval = std::clamp(AdfReadInteger(file, "MISC", "GAME_SPEED", 30), 0, TOptions::SlowestInterval);
  SfxVolume = AdfReadInteger(file, "MISC", "SFX_VOLUME", 0);
  MusicVolume = AdfReadInteger(file, "MISC", "MUSIC_VOLUME", 0);
  GammaOffset = std::clamp(AdfReadInteger(file, "MISC", "GAMMA", 0), -GammaOffsetLimit, GammaOffsetLimit);
  DrawPointers = AdfReadBool(file, "MISC", "DRAW_POINTERS", true);
  PadDeadZone = ClampPadDeadZone(AdfReadInteger(file, "MISC", "PAD_DEADZONE", PadDeadZoneDefault));
  PadSensitivity = ClampPadSensitivity(AdfReadInteger(file, "MISC", "PAD_SENSITIVITY", PadSensitivityDefault));
  if (Dogfight) {
    Dogfight->SetSkill(1, AdfReadInteger(file, "MISC", "AI_SKILL1", SKILL_ACE));
    Dogfight->SetSkill(2, AdfReadInteger(file, "MISC", "AI_SKILL2", SKILL_ACE));
  }
  // The network duel's last address joined and port hosted on.
  NetPanel.AddressText = AdfReadString(file, "MISC", "NET_ADDRESS", "").substr(0, TNetScreen::MaxAddress);
  NetPanel.PortText = std::to_string(std::clamp(AdfReadInteger(file, "MISC", "NET_PORT", NetDefaultPort), 1, 65535));
  ConfigLoaded = true;
  ApplySfxVolume();
  ApplyMusicVolume();
  SetGammaOffset(GammaOffset);

  for (int player = 1; player <= 2; ++player) {
    const std::string section = player == 1 ? "PLAYER1" : "PLAYER2";
    // Control type 1 is the first pad or joystick (which also reads the shared joystick
    // states), 2 the second pad; anything else is the keyboard.
    PilotPadSlot[player - 1] = PadSlotOfControlType(AdfReadInteger(file, section, "CON_TYPE", 0));
    for (int c = 0; c < ShipControlCount; ++c) {
      auto control = static_cast<TShipControl>(c);
      int key = AdfReadInteger(file, section, ShipControlKeys[c], DefaultControlKey(player, control));
      DXInput->SetKeyAssignment(ControlState(player, control, false), 0, key);
      // A pad button name that is not known keeps the control's default button.
      int button = PadButtonFromName(AdfReadString(file, section, PadControlKey(control), ""));
      PadBindings[player - 1][c] = button != PadButtonNone ? button : DefaultPadButton(control);
    }
  }
  SavedControls = ReadBindings(*DXInput, PadBindings);
}

void TfmMain::SaveConfig() {
  // Settings that were never read are not written: defaults must not replace a player's file.
  if (!ConfigLoaded) return;
  TAdfBatch batch(ConfigFile());
  // A network battle runs at the host's speed; the player's own is the one kept.
  batch.WriteInteger("MISC", "GAME_SPEED", NetBattle && NetSavedInterval > 0 ? NetSavedInterval : DXTimer.Interval);
  batch.WriteInteger("MISC", "SFX_VOLUME", SfxVolume);
  batch.WriteInteger("MISC", "MUSIC_VOLUME", MusicVolume);
  batch.WriteInteger("MISC", "GAMMA", GammaOffset);
  batch.WriteBool("MISC", "DRAW_POINTERS", DrawPointers);
  batch.WriteInteger("MISC", "PAD_DEADZONE", PadDeadZone);
  batch.WriteInteger("MISC", "PAD_SENSITIVITY", PadSensitivity);
  if (Dogfight) {
    batch.WriteInteger("MISC", "AI_SKILL1", Dogfight->SideSkill[0]);
    batch.WriteInteger("MISC", "AI_SKILL2", Dogfight->SideSkill[1]);
  }
  WriteChangedControls(batch);
  batch.WriteString("MISC", "NET_ADDRESS", NetPanel.AddressText);
  if (NetPanel.Port() > 0) batch.WriteInteger("MISC", "NET_PORT", NetPanel.Port());
  batch.Commit(true);
  SavedControls = ReadBindings(*DXInput, PadBindings);
}

}  // namespace sw
