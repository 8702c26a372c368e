#include "app/headless/Summary.h"

#include <cstdio>

#include "app/headless/CampaignSummary.h"
#include "campaign/SaveGame.h"
#include "media/Controls.h"
#include "media/PadButtons.h"
#include "media/Pads.h"
#include "media/headless/HeadlessAudio.h"
#include "shell/fmMain.h"
#include "weapons/Weapon.h"

namespace sw {

nlohmann::json BattleSummary(const TMelee& b) {
  nlohmann::json j;
  j["phase"] = b.Phase;
  j["winning_side"] = b.WinningSide;
  j["zoom"] = b.View.Zoom;
  j["camera"] = {b.View.CameraX, b.View.CameraY};
  j["salvage"] = b.Salvage;
  j["two_pilots"] = b.TwoPilots;
  j["explosions_running"] = b.ExplosionsRunning;
  j["lock1"] = b.Lock1;
  j["lock2"] = b.Lock2;
  j["race_names"] = {b.RaceName1, b.RaceName2};
  j["music"] = b.MusicTrack;
  j["warnings"] = b.Warnings;
  j["tick"] = b.Tick;
  j["seed"] = b.Seed;
  j["state_hash"] = b.StateHash();
  nlohmann::json objects = nlohmann::json::array();
  for (int i = 0; i < b.Objects.Count(); ++i) {
    const TGameObject& o = *b.Objects.At(i);
    nlohmann::json e;
    e["name"] = b.Objects.NameAt(i);
    e["kind"] = o.Kind;
    e["side"] = o.Side;
    e["class"] = o.ShipClass;
    e["image"] = o.ImageName;
    e["x"] = o.X;
    e["y"] = o.Y;
    e["vx"] = o.VX;
    e["vy"] = o.VY;
    e["heading"] = o.Heading;
    e["structure"] = o.Structure;
    e["crew"] = o.Crew;
    e["energy"] = o.Energy;
    e["ai"] = o.AIDriven;
    e["removed"] = o.Removed;
    e["derelict"] = o.Derelict;
    e["dying"] = o.Dying;
    e["explosion_frame"] = o.ExplosionFrame;
    e["age"] = o.Age;
    e["opacity"] = o.Opacity;
    e["cloaked"] = o.Cloaked;
    e["device_on"] = o.DeviceOn;
    e["stun_frames"] = o.StunFrames;
    e["boarders"] = o.Boarders;
    std::string launcher;
    if (o.Launcher)
      for (int k = 0; k < b.Objects.Count(); ++k)
        if (b.Objects.At(k) == o.Launcher) launcher = b.Objects.NameAt(k);
    e["launcher"] = launcher.empty() ? nlohmann::json(nullptr) : nlohmann::json(launcher);
    e["weapon1"] = o.Weapon1 ? nlohmann::json(o.Weapon1->Ident) : nlohmann::json(nullptr);
    e["weapon2"] = o.Weapon2 ? nlohmann::json(o.Weapon2->Ident) : nlohmann::json(nullptr);
    objects.push_back(e);
  }
  j["objects"] = objects;
  return j;
}

// One row per saved game the load list offers: its slot number (or "autosave", "autosave.1",
// "autosave.2"), title, star date, location, save version, and whether loading it is refused.
nlohmann::json SavesSummary(const TfmMain& m) {
  TSaveGame saves(m.SavesFolder);
  nlohmann::json rows = nlohmann::json::array();
  for (const TSlotInfo& row : saves.ListSlots().Slots) {
    nlohmann::json r;
    const int slot = TSaveGame::SlotNumber(row.Section);
    const int autosave = TSaveGame::AutosaveNumber(row.Section);
    if (slot > 0) r["slot"] = slot;
    else if (autosave == 0) r["slot"] = "autosave";
    else if (autosave > 0) r["slot"] = "autosave." + std::to_string(autosave);
    else r["slot"] = row.Section;
    r["title"] = row.Title;
    r["campaign"] = row.Campaign;
    r["star_date"] = row.HasPlace ? nlohmann::json(row.StarDate) : nlohmann::json(nullptr);
    r["location"] = row.HasPlace ? nlohmann::json(row.Location.empty() ? "open space" : row.Location) : nlohmann::json(nullptr);
    r["date"] = row.Date;
    r["time"] = row.Time;
    r["version"] = row.Version;
    r["listed"] = row.Listed;
    const std::string problem = saves.LoadProblem(row.Folder, row.Campaign, m.DataFolder, row.Version);
    r["damaged"] = !problem.empty();
    r["problem"] = problem;
    rows.push_back(r);
  }
  return rows;
}

// The network duel: who this game is in it, where it stands, and the battle fought in lockstep
// (the one on, or the last one as it ended).
nlohmann::json NetSummary(const TfmMain& m) {
  if (!m.Net) return m.NetStatus.empty() ? nlohmann::json(nullptr) : nlohmann::json{{"state", "ended"}, {"message", m.NetStatus}};
  const TNetSession& s = *m.Net;
  TfmMain::TNetRecord last = m.NetLast;
  if (m.NetBattle && m.Battle) {
    last.Ticks = m.Battle->Tick;
    last.Hash = m.Battle->StateHash();
  }
  if (const TLockstep* steps = s.Lockstep()) {
    last.Delay = steps->Delay();
    last.AgreedTick = steps->AgreedTick;
  }
  char hash[17];
  std::snprintf(hash, sizeof hash, "%016llX", static_cast<unsigned long long>(last.Hash));
  return {{"role", s.Role == NetHostRole ? "host" : "join"},
          {"state", s.StateName()},
          {"message", m.NetStatusLine()},
          {"peer_version", s.PeerVersion},
          {"delay", last.Delay},
          {"round_trip_ms", s.RoundTripMs},
          {"ticks", last.Ticks},
          {"last_hash", hash},
          {"agreed_tick", last.AgreedTick},
          {"dropped_packets", s.Dropped},
          {"bytes_sent", s.Transport.BytesSent()},
          {"bytes_received", s.Transport.BytesReceived()},
          {"net_us_per_tick", m.NetTicks ? m.NetMicros / static_cast<double>(m.NetTicks) : 0.0}};
}

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
  j["player1_joystick"] = m.PilotPadSlot[0] == 1;
  j["player2_joystick"] = m.PilotPadSlot[1] == 1;
  // The key bound to each ship control (turn left, turn right, thrust, weapon 1, weapon 2,
  // autopilot, fine, lock) of each player.
  for (int player = 1; player <= 2; ++player) {
    nlohmann::json keys = nlohmann::json::array();
    for (int c = 0; c < ShipControlCount; ++c)
      keys.push_back(m.DXInput->KeyAssignment(ControlState(player, static_cast<TShipControl>(c), false), 0));
    j["controls"]["player" + std::to_string(player)] = keys;
    nlohmann::json pad = nlohmann::json::array();
    for (int c = 0; c < ShipControlCount; ++c) pad.push_back(PadButtonName(m.PadBindings[player - 1][c]));
    j["pad_controls"]["player" + std::to_string(player)] = pad;
  }
  // The highlighted button of the live front-end screen (null elsewhere).
  const TMenuFocus* focus = nullptr;
  switch (m.GameState) {
    case gsMenu:
    case gsCredits: focus = m.Splash ? &m.Splash->Focus : nullptr; break;
    case gsOptions: focus = m.Options ? &m.Options->Focus : nullptr; break;
    case gsDogfight: focus = m.Dogfight ? &m.Dogfight->Focus : nullptr; break;
    case gsSelector: focus = m.Selector ? &m.Selector->Focus : nullptr; break;
    case gsControls: focus = m.Controls ? &m.Controls->Focus : nullptr; break;
    default: break;
  }
  j["menu_focus"] = focus ? nlohmann::json(focus->Key) : nlohmann::json(nullptr);
  if (m.Controls) {
    const TControlsScreen& c = *m.Controls;
    j["controls_screen"] = {
        {"waiting", c.Waiting ? nlohmann::json(TControlsScreen::RowKey(*c.Waiting)) : nlohmann::json(nullptr)},
        {"swapped", c.Swapped ? nlohmann::json(TControlsScreen::RowKey(*c.Swapped)) : nlohmann::json(nullptr)},
        {"message", c.Message}};
  }
  // The pad each pilot flies with (0 the keyboard, 1 the first pad or joystick, 2 the second),
  // and one row per pad plugged in: its slot (null for one waiting in none), its name, and the
  // pilot flying with it (null for none; the first when both share it).
  j["controls"]["pad_slots"] = {m.PilotPadSlot[0], m.PilotPadSlot[1]};
  nlohmann::json pads = nlohmann::json::array();
  if (m.Pads)
    for (const TPads::TPlugged& p : m.Pads->Plugged()) {
      nlohmann::json pilot = nullptr;
      for (int k = 2; k >= 1; --k)
        if (p.Slot > 0 && m.PilotPadSlot[k - 1] == p.Slot) pilot = k;
      pads.push_back({{"slot", p.Slot > 0 ? nlohmann::json(p.Slot) : nlohmann::json(nullptr)},
                      {"name", p.Name},
                      {"pilot", pilot},
                      {"mapped", p.Mapped}});
    }
  j["controls"]["pads"] = pads;
  j["pad_deadzone"] = m.PadDeadZone;
  j["pad_sensitivity"] = m.PadSensitivity;
  j["sounds"] = {{"playing", audio.Playing()}, {"played", audio.Played()}};
  j["errors"] = m.Errors;
  // The front-end screens: what the player has chosen and what each screen offers.
  if (m.Dogfight) {
    const TDogfight& d = *m.Dogfight;
    nlohmann::json slots = nlohmann::json::array();
    for (int i = 0; i < 6; ++i)
      slots.push_back(d.FleetSlot[i] < 0 ? nlohmann::json(nullptr)
                                         : nlohmann::json(d.Carousels.Items[static_cast<size_t>(d.FleetSlot[i])].Key));
    j["dogfight"] = {{"planet", d.Carousels.Selected[ikPlanet]}, {"race", d.Carousels.Selected[ikRace]},
                     {"ship", d.Carousels.Selected[ikShip]},     {"slots", slots},
                     {"density", d.Density},                     {"side1_ai", d.Side1Computer},
                     {"side2_ai", d.Side2Computer},              {"race_info", d.RaceInfo},
                     {"ship_info", d.ShipInfo},                  {"side1_skill", d.SideSkill[0]},
                     {"side2_skill", d.SideSkill[1]}};
  }
  if (m.Options) {
    nlohmann::json available;
    for (const char* key : {"op2", "op3", "op9", "op10"}) available[key] = m.Options->Available(key);
    j["options"] = {{"available", available}};
  }
  if (m.Selector) {
    const TSelector& s = *m.Selector;
    nlohmann::json titles = nlohmann::json::array();
    nlohmann::json sections = nlohmann::json::array(), lines = nlohmann::json::array();
    for (int i = 0; i < s.Entries.Count(); ++i) {
      titles.push_back(s.Entries.At(i)->Title);
      sections.push_back(s.Entries.NameAt(i));
      lines.push_back(s.Entries.At(i)->Line);
    }
    j["selector"] = {{"mode", s.Mode},         {"selected", s.Selected}, {"scroll_offset", s.ScrollOffset},
                     {"entries", titles},      {"sections", sections},   {"lines", lines},
                     {"notice", s.Notice}};
  }
  j["saves"] = SavesSummary(m);
  j["saves_notice"] = TSaveGame(m.SavesFolder).ListSlots().Notice;
  j["dialog"] = m.Question ? nlohmann::json{{"text", m.Question->Text}, {"buttons", {"Yes", "No"}}} : nlohmann::json(nullptr);
  j["notice"] = m.NoticeTicks > 0 ? nlohmann::json(m.Notice) : nlohmann::json(nullptr);
  j["notices"] = m.Notices;
  j["autosave"] = {{"count", m.AutosaveCount}, {"last_us", m.LastAutosaveMicros}, {"campaign_ticks", m.CampaignTicks}};
  j["battle"] = m.Battle ? BattleSummary(*m.Battle) : nlohmann::json(nullptr);
  // The notice of a battle waiting for a pilot's pad, null while it runs.
  if (m.Battle) j["battle"]["paused"] = m.PausedForPad() ? nlohmann::json(TfmMain::PadLostNotice) : nlohmann::json(nullptr);
  if (m.ReplayPlayer && m.Battle) {
    const TReplayCommands& r = *m.ReplayPlayer;
    j["replay"] = {{"file", m.ReplayFile},         {"tick", m.Battle->Tick},     {"ticks", r.Ticks()},
                   {"hashes", r.HashCount()},      {"checked", r.Checked},       {"matched", r.Matched},
                   {"first_mismatch", r.FirstMismatch ? nlohmann::json(r.FirstMismatch) : nlohmann::json(nullptr)},
                   {"paused", m.ReplayPaused},     {"speed", m.ReplaySpeed},     {"finished", m.ReplayFinished},
                   {"notice", m.ReplayNotice}};
  } else {
    j["replay"] = nullptr;
  }
  j["campaign"] = m.Campaign ? CampaignSummary(m, *m.Campaign) : nlohmann::json(nullptr);
  j["net"] = NetSummary(m);
  return j;
}

}  // namespace sw
