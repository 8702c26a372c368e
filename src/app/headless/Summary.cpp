#include "app/headless/Summary.h"

#include "media/Controls.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"

namespace sw {

nlohmann::json MakeSummary(const TfmMain& m, THeadlessAudio& audio) {
  nlohmann::json j;
  j["tick"] = m.TickCount;
  j["game_state"] = m.GameState;
  j["campaign_subscreen"] = m.CampaignSubScreen;
  j["fade_out_step"] = m.FadeOutStep;
  j["fade_in_step"] = m.FadeInStep;
  j["gamma_offset"] = m.GammaOffset;
  j["sfx_volume"] = m.SfxVolume;
  j["music_volume"] = m.MusicVolume;
  j["timer_interval"] = m.DXTimer.Interval;
  j["draw_pointers"] = m.DrawPointers;
  j["cursor_visible"] = m.CursorVisible;
  j["pending_state"] = m.PendingState;
  j["battle_return_state"] = m.BattleReturnState;
  j["options_return_state"] = m.OptionsReturnState;
  const auto& ramp = m.DXDraw->GetGammaRamp();
  j["gamma_ramp_sample"] = {ramp[0][0], ramp[0][128], ramp[0][255]};
  j["player1_joystick"] = m.Player1Joystick;
  j["player2_joystick"] = m.Player2Joystick;
  // The key bound to each ship control (turn left, turn right, thrust, weapon 1, weapon 2,
  // autopilot, fine, lock) of each player.
  for (int player = 1; player <= 2; ++player) {
    nlohmann::json keys = nlohmann::json::array();
    for (int c = 0; c < ShipControlCount; ++c)
      keys.push_back(m.DXInput->KeyAssignment(ControlState(player, static_cast<TShipControl>(c), false), 0));
    j["controls"]["player" + std::to_string(player)] = keys;
  }
  j["sounds"] = {{"playing", audio.Playing()}, {"played", audio.Played()}};
  j["errors"] = m.Errors;
  j["battle"] = nullptr;
  j["campaign"] = nullptr;
  return j;
}

}  // namespace sw
