#include "campaign/screens/TalkScreens.h"
#include "campaign/screens/ScreenPicture.h"

#include <string>
#include <vector>

#include "core/Numbers.h"
#include "media/Canvas.h"
#include "media/TextFit.h"

namespace sw {

namespace {

constexpr TColor PanelText = 0x9D8583;
constexpr TColor EventTextColor = 0x828282;
constexpr TColor MetColor = 0xD8D0C8;  // the race of the fleet met, light on the dark panel
// The portrait's frame on the communication screen, where the static falls.
constexpr int PortraitLeft = 45, PortraitRight = 295, PortraitTop = 45, PortraitBottom = 236;

void SetAlpha(TGameMain& game, const char* key, bool available, const std::string& reason) {
  game.Buttons->Find(key).SetAvailable(available, reason);
}

// A button's caption, greyed while the button is dimmed.
void TalkLabel(TCanvas& c, const TGameMain& game, const char* key, int x, int y, const std::string& text) {
  c.Font.Color = game.Buttons && !game.Buttons->Find(key).Available() ? DimmedLabelColor : clBlack;
  c.TextOut(x, y, text);
}

}  // namespace

// ---- The encounter menu -------------------------------------------------------------------------

void SetEncounterAvailability(TGameMain& game) {
  if (!game.Buttons) return;
  const TFleet* fleet = game.Fleets.At(game.SelectedFleet);
  const int r = game.Relation(fleet ? fleet->Race : std::string());
  SetAlpha(game, "attack_fleet_dse", r <= 70, "They are friendly: you will not attack them");
  // Trade is offered only where the fleet has an active post to trade at.
  const char* noTrade = r <= 30 ? "They will not trade with you"
                        : !game.CanTrade ? "Your fleet cannot trade yet"
                                         : "They have nothing to trade";
  SetAlpha(game, "trade_fleet_dse", r > 30 && game.CanTrade && fleet && game.ActivePostOf(*fleet), noTrade);
  SetAlpha(game, "cancel_fleet_dse", r > 30, "They will not let you go");
}

void DrawEncounterMenu(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "dse_menu", 180, 130);
  if (!game.Buttons) return;
  for (const char* key : {"hail_fleet_dse", "trade_fleet_dse", "attack_fleet_dse", "cancel_fleet_dse"})
    game.Buttons->Find(key).Draw();
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Size = 8;
  c.Font.Bold = false;
  SetEncounterAvailability(game);
  // Who was met: the fleet's name and its race, above the choices.
  if (const TFleet* fleet = game.Fleets.At(game.SelectedFleet)) {
    const TRaceInfo* race = game.FindRace(fleet->Race);
    c.Font.Color = clWhite;
    c.Font.Bold = true;
    c.TextOut(290, 226, FitText(c, fleet->Name, 120));
    c.Font.Bold = false;
    c.Font.Color = MetColor;
    c.TextOut(290, 239, FitText(c, race && !race->DisplayName.empty() ? race->DisplayName : fleet->Race, 120));
  }
  TalkLabel(c, game, "hail_fleet_dse", 290, 260, "Hail");
  TalkLabel(c, game, "trade_fleet_dse", 290, 272, "Trade");
  TalkLabel(c, game, "attack_fleet_dse", 290, 284, "Attack");
  TalkLabel(c, game, "cancel_fleet_dse", 290, 296, "Cancel");
  c.Release();
}

// ---- The communication screen -------------------------------------------------------------------

void SetRespondAvailability(TGameMain& game) {
  if (!game.Buttons) return;
  const int answers = game.Responds.Count();
  SetAlpha(game, "respond_1", answers >= 1, "No answer on that line");
  SetAlpha(game, "respond_2", answers >= 2, "No answer on that line");
  SetAlpha(game, "respond_3", answers >= 3, "No answer on that line");
}

void StepPortraitNoise(TGameMain& game) {
  if (game.NoiseLevel == game.NoiseTarget) game.NoiseTarget = 93 + Random(7);
  // A new target equal to the level leaves it where it is, so the level stays in 93..99.
  if (game.NoiseLevel < game.NoiseTarget) ++game.NoiseLevel;
  else if (game.NoiseLevel > game.NoiseTarget) --game.NoiseLevel;
}

int DrawPortraitNoise(TGameMain& game, TSurface& surface) {
  const uint16_t black = ColorTo565(clBlack), white = ColorTo565(clWhite);
  int taken = 0;
  for (int y = PortraitTop; y <= PortraitBottom; ++y) {
    const int w = Random(100);
    if (game.NoiseLevel >= w + 1) continue;
    ++taken;
    for (int x = PortraitLeft; x <= PortraitRight; ++x) surface.Put(x, y, Random(2) == 0 ? black : white);
  }
  return taken;
}

void DrawCommunication(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "commenu", 10, 10);
  // A portrait that could not be loaded was reported when the talk opened.
  if (game.Env.Images && game.Env.Images->Has("com_pic")) DrawPicture(game, surface, "com_pic", 45, 45);
  if (!game.TalkRace.empty()) DrawPicture(game, surface, game.TalkRace + "_small", 39, 330);
  if (game.Buttons)
    for (const char* key : {"respond_1", "respond_2", "respond_3"}) game.Buttons->Find(key).Draw();

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Color = PanelText;
  c.Font.Size = 10;
  c.Font.Bold = true;
  // Each text kept in its own frame: the reply beside the portrait, the race's lines left of
  // the relations scale, the answers on their buttons.
  DrawTextBox(c, {325, 40, 585, 236}, 13, game.ReplyLines);
  c.Font.Size = 8;
  c.Font.Bold = false;
  if (game.RaceInfoLines.size() > 1)
    DrawTextBox(c, {100, 327, 352, 377}, 10,
                std::vector<std::string>(game.RaceInfoLines.begin() + 1, game.RaceInfoLines.end()));
  if (!game.RaceInfoLines.empty()) c.TextOut(360, 327, FitText(c, game.RaceInfoLines[0], 228));
  c.TextOut(360, 340, "Diplomatic relations :");
  c.Font.Color = clBlack;
  for (int k = 0; k < game.Responds.Count() && k < 3; ++k)
    c.TextOut(47, 267 + 12 * k, FitText(c, game.Responds.At(k)->Text, 536));
  c.TextOut(37, 252, "Respond");
  c.TextOut(37, 312, "Racial info");
  c.Release();

  SetRespondAvailability(game);
  StepPortraitNoise(game);
  DrawPortraitNoise(game, surface);

  // Where the race stands with the player, on the relations scale.
  if (game.ComMode == 0 || game.ComMode == 1) {
    const int x = 2 * game.Relation(game.TalkRace) + 363;
    c.Pen.Width = 3;
    c.Pen.Color = PanelText;
    c.MoveTo(x, 365);
    c.LineTo(x, 378);
    c.Pen.Width = 1;
    c.Pen.Color = clBlack;
    c.MoveTo(x, 365);
    c.LineTo(x, 378);
    c.Release();
  }
}

// ---- The event screen ---------------------------------------------------------------------------

void DrawEventScreen(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "plmenu", 10, 10);
  // The event's picture is reported when it cannot be loaded; the screen shows none then.
  if (game.Env.Images && game.Env.Images->Has("event_pic")) DrawPicture(game, surface, "event_pic", 170, 50);
  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Color = EventTextColor;
  c.Font.Size = 8;
  c.Font.Bold = false;
  DrawTextBox(c, {70, 300, 590, 400}, 12, game.EventText);
  c.Release();
  if (game.Buttons) game.Buttons->Find("close_menu").Draw();
}

}  // namespace sw
