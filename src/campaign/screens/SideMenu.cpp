#include "campaign/screens/SideMenu.h"

#include <cstdio>
#include <string>

#include "media/Canvas.h"
#include "media/TextFit.h"

namespace sw {

namespace {

constexpr TColor GreyText = 0x9D8583;
// "Clock stopped": light orange-red on the menu's dark blue.
constexpr TColor ClockStoppedColor = 0x5A8CFF;
constexpr TColor ClockStoppedBand = 0x1A1008;

const char* ColorWord(int c) {
  static const char* words[] = {"Yellow", "Orange", "Red", "White", "Blue", "Green"};
  return c >= 0 && c < 6 ? words[c] : "";
}

const char* SizeWord(int s) {
  static const char* words[] = {"dwarf", "giant", "supergiant"};
  return s >= 0 && s < 3 ? words[s] : "";
}

const char* DensityWord(int a) {
  static const char* words[] = {"None", "Low", "Medium", "High", "Extreme"};
  return a >= 0 && a < 5 ? words[a] : "";
}

void DrawButtons(TGameMain& game, std::initializer_list<std::string> keys) {
  for (const std::string& k : keys) game.Buttons->Find(k).Draw();
}

}  // namespace

std::string SideMenuDate(const TGameMain& game) {
  const TGameMain::TDateParts d = game.StarDateParts();
  char text[32];
  std::snprintf(text, sizeof text, " %02d/%02d/%d ", d.Day, d.Month, d.Year);
  return text;
}

void DrawSideMenu(TGameMain& game, TSurface& surface) {
  if (game.Env.Images)
    if (const TImageItem* menu = game.Env.Images->Lookup("sidemenu")) menu->Draw(surface, 646, 0);
  if (!game.Buttons) return;
  // A line without a planet or a fleet on it is drawn faint and says so when clicked.
  const TLocation* shown = game.Locations.At(game.SelectedLocation);
  const int planets = shown ? shown->PlanetList.Count() : 0;
  const int fleets = shown ? static_cast<int>(shown->FleetNames.size()) : 0;
  const bool sensed = shown && game.WithinRange(shown->X, shown->Y, game.SensorRange);
  for (int n = 1; n <= 9; ++n) {
    TButton& b = game.Buttons->Find("planet" + std::to_string(n));
    if (b.FlashCountdown == 0) b.SetAvailable(n <= planets, "No planet on that line");
    b.Draw();
  }
  for (int n = 1; n <= 9; ++n) {
    TButton& b = game.Buttons->Find("fleet" + std::to_string(n));
    if (b.FlashCountdown == 0)
      b.SetAvailable(n <= fleets && sensed, n <= fleets ? "Beyond sensor range" : "No fleet on that line");
    b.Draw();
  }
  DrawButtons(game, {"system_map", "show_planets", "your_fleet", "logs", "find_a_star", "move_fleet", "database"});

  const TLocation* loc = game.Locations.At(game.SelectedLocation);
  if (loc) {
    TCanvas c(surface);
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Size = 8;
    c.Font.Bold = true;
    c.Font.Color = clBlack;
    c.TextOut(673, 22, loc->LocName);
    c.Font.Bold = false;
    c.Font.Color = GreyText;
    if (loc->LocType == ltStarSystem) {
      c.TextOut(673, 40, std::string(ColorWord(loc->LocColor)) + " " + SizeWord(loc->LocSize));
      c.TextOut(673, 52, "Spectra : " + loc->Spectra);
    }
    c.TextOut(673, 64, "X : " + std::to_string(loc->X) + " Y : " + std::to_string(loc->Y));

    c.Font.Color = clBlack;
    c.TextOut(672, 84, "Number of planets");
    c.TextOut(769, 84, std::to_string(loc->PlanetList.Count()));
    for (int k = 0; k < loc->PlanetList.Count(); ++k) c.TextOut(680, 99 + 12 * k, loc->PlanetList.NameAt(k));

    c.TextOut(673, 216, "Military data");
    c.Font.Color = GreyText;
    c.Font.Size = 7;
    if (loc->Known && loc->LocType == ltStarSystem) {
      const TRaceInfo* owner = game.FindRace(loc->Owner);
      c.TextOut(673, 232, FitText(c, owner ? owner->DisplayName : loc->Owner, 110));
      c.TextOut(673, 244, std::string("Ast density : ") + DensityWord(loc->Asteroids));
      const TShipInfo* base = loc->Starbase.empty() ? nullptr : game.FindShipInfo(loc->Starbase);
      c.TextOut(673, 256, loc->Starbase.empty() ? std::string("No starbase") : (base ? base->DispName : loc->Starbase));
    }

    c.Font.Size = 8;
    c.Font.Color = clBlack;
    c.TextOut(673, 274, "Fleets present");
    c.TextOut(769, 274, std::to_string(loc->FleetNames.size()));
    if (game.WithinRange(loc->X, loc->Y, game.SensorRange))
      for (size_t k = 0; k < loc->FleetNames.size(); ++k)
        c.TextOut(680, 289 + 12 * static_cast<int>(k), loc->FleetNames[k]);

    c.TextOut(673, 406, "Controls");
    const char* labels[] = {"Show system", "Show all planets", "Mission logs", "Show your fleet", "Move your fleet",
                            "Find a star", "Database"};
    for (int i = 0; i < 7; ++i) c.TextOut(680, 420 + 12 * i, labels[i]);
    c.TextOut(673, 515, "Stardate");
    c.Font.Color = GreyText;
    c.TextOut(693, 537, SideMenuDate(game));
    c.Release();
  }
  DrawButtons(game, {"speed0", "speed1", "speed2", "speed3"});
  if (game.Speed == 0) {
    // A stopped clock is said beside the speed buttons: nothing moves until it runs.
    // Written under the buttons, over the menu's name plate, on a dark band of its own.
    TCanvas c(surface);
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Brush.Color = ClockStoppedBand;
    c.FillRect({668, 579, 778, 595});
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Size = 8;
    c.Font.Bold = true;
    c.Font.Color = ClockStoppedColor;
    const std::string stopped = "Clock stopped";
    c.TextOut(723 - c.TextWidth(stopped) / 2, 580, stopped);
  }
}

}  // namespace sw
