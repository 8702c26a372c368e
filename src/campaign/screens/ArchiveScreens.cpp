#include "campaign/screens/ArchiveScreens.h"

#include "campaign/screens/CampaignRouting.h"
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/ScreenPicture.h"
#include "media/Canvas.h"
#include "media/Input.h"

namespace sw {

namespace {

constexpr TColor ListText = 0x9D8583;
constexpr TColor ArticleText = 0x819578;
constexpr TColor UnfinishedText = 0x8774AD;
constexpr int DbRows = 4;

void DrawButtons(TGameMain& game, std::initializer_list<const char*> keys) {
  if (!game.Buttons) return;
  for (const char* key : keys) game.Buttons->Find(key).Draw();
}

// Where an article's text starts, by category: races, vessels, weapons, artifacts, characters,
// misc.
int ArticleX(int category) {
  static const int xs[] = {300, 360, 70, 70, 315, 260};
  return category >= 0 && category < 6 ? xs[category] : 70;
}

}  // namespace

bool PickDbRow(TGameMain& game, int x, int y) {
  const int entry = ListEntryAt(x, y, 170, 393, 52, DbRows, game.DbOffset, static_cast<int>(game.DbNames.size()));
  if (entry < 0) return false;
  if (entry != game.DbIndex) game.ScrollDb(entry - game.DbIndex);
  return true;
}

void DrawDatabase(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "dbmenu", 10, 10);
  DrawButtons(game, {"races", "vessels", "weapons", "artifacts", "chars", "misc"});

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 8;
  c.Font.Color = clBlack;
  const char* labels[] = {"Races", "Vessels", "Weapons", "Artifacts", "Characters", "Misc"};
  for (int i = 0; i < 6; ++i) c.TextOut(58, 49 + 12 * i, labels[i]);

  // The list keeps its selection in sight, following it a row a frame.
  if (game.DbIndex + game.DbOffset > DbRows - 1) --game.DbOffset;
  else if (game.DbIndex + game.DbOffset < 0) ++game.DbOffset;
  c.Font.Color = ListText;
  for (int i = 0; i < static_cast<int>(game.DbNames.size()); ++i) {
    const int row = i + game.DbOffset;
    if (row < 0 || row >= DbRows) continue;
    c.TextOut(180, 52 + 14 * row, game.DbTitle(game.DbNames[static_cast<size_t>(i)]));
  }
  const int s = game.DbIndex + game.DbOffset;
  if (!game.DbNames.empty() && s >= 0 && s < DbRows) {
    c.Pen.Color = ListText;
    c.Pen.Width = 1;
    c.Rectangle(170, 52 + 14 * s, 393, 67 + 14 * s);
  }

  // The article, its values below it.
  c.Font.Size = 7;
  c.Font.Color = ArticleText;
  const int x = ArticleX(game.DbCategory);
  const int lines = static_cast<int>(game.ArticleLines.size());
  for (int k = 0; k < lines; ++k) c.TextOut(x, 225 + 12 * k, game.ArticleLines[static_cast<size_t>(k)]);
  const int below = 225 + 12 * lines;
  for (const TGameMain::TDbValue& v : game.ArticleValues())
    c.TextOut(v.Column == 0 ? x : x + 80, below + 12 * v.Row, v.Text);
  if (game.DbCategory == 0 && !game.DbSelectedName().empty())
    for (size_t k = 0; k < game.RaceInfoLines.size(); ++k)
      c.TextOut(x, below + 12 * (static_cast<int>(k) + 1), game.RaceInfoLines[k]);
  c.Release();

  const int category = game.DbCategory;
  if (game.ArticlePicture && (category == 0 || category == 1 || category == 4 || category == 5))
    DrawPicture(game, surface, "blueprint", 50, 228);
  DrawButtons(game, {"close_menu", "db_scroll_up", "db_scroll_down"});
}

void DrawLogs(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "logs", 10, 10);
  DrawButtons(game, {"log_next_page", "log_prior_page"});
  if (game.Buttons) {
    game.Buttons->Find("log_prior_page").Alpha = game.LogPage > 0 ? AlphaNormal : AlphaDimmed;
    game.Buttons->Find("log_next_page").Alpha = game.LogPage < game.LogPageCount - 1 ? AlphaNormal : AlphaDimmed;
  }

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 8;
  c.Font.Color = clBlack;
  c.TextOut(40, 274, "Previous page");
  c.TextOut(488, 274, "Next page");

  const int first = game.LogPage * TGameMain::LogLinesPerPage;
  for (int i = 0; i < TGameMain::LogLinesPerPage; ++i) {
    if (first + i < 0 || first + i >= game.Logs.Count()) break;
    const auto& [title, status] = game.Logs.Items[static_cast<size_t>(first + i)];
    const bool finished = TGameMain::LogFinished(status);
    c.Font.Color = finished ? ListText : UnfinishedText;
    c.TextOut(40, 63 + 14 * i, title);
    c.TextOut(493, 63 + 14 * i, finished ? "Finished" : "Unfinished");
  }
  c.Release();
  DrawButtons(game, {"close_menu"});
}

void DrawFindAStar(TGameMain& game, TSurface& surface) {
  DrawPicture(game, surface, "findastar", 200, 250);
  DrawButtons(game, {"find_now", "close_now"});

  TCanvas c(surface);
  c.Brush.Style = TBrushStyle::bsClear;
  c.Font.Bold = false;
  c.Font.Size = 8;
  c.Font.Color = clBlack;
  c.TextOut(280, 315, "Close");
  c.TextOut(385, 315, "Find");
  c.Font.Color = ListText;
  c.TextOut(225, 296, game.SearchText);
  // The caret blinks: shown for 11 frames of every 21.
  if (game.CaretCounter <= 10) {
    const int x = 227 + c.TextWidth(game.SearchText);
    c.Pen.Color = ListText;
    c.Pen.Width = 1;
    c.MoveTo(x, 298);
    c.LineTo(x, 308);
  }
  game.CaretCounter = game.CaretCounter >= 20 ? 0 : game.CaretCounter + 1;
  c.Release();
}

bool RouteArchiveKey(TGameMain& game, const std::string& key) {
  // Moving through the database list acts on every screen.
  if (key == "db_scroll_down" || key == "db_scroll_up") {
    game.ScrollDb(key == "db_scroll_down" ? 1 : -1);
    return true;
  }
  static const char* const categories[] = {"races", "vessels", "weapons", "artifacts", "chars", "misc"};
  int category = -1;
  for (int i = 0; i < 6; ++i)
    if (key == categories[i]) category = i;
  const bool archiveKey = category >= 0 || key == "find_a_star" || key == "database" || key == "log_next_page" ||
                          key == "log_prior_page" || key == "logs" || key == "find_now" || key == "close_now" ||
                          key == "dbase1" || key == "dbase2";
  if (!archiveKey) return false;
  // The rest wait while a talk, an encounter, a combat set-up or an event holds the screen.
  if (ScreenHoldsKeys(game.SubScreen())) return true;
  if (category >= 0) {
    game.ShowDbCategory(category, 0);
  } else if (key == "find_a_star") {
    game.OpenFindAStar();
  } else if (key == "database") {
    if (game.SubScreen() == csDatabase) game.ShowScreen(csMap);
    else game.OpenDatabase();
  } else if (key == "log_next_page" || key == "log_prior_page") {
    game.TurnLogPage(key == "log_next_page" ? 1 : -1);
  } else if (key == "logs") {
    if (game.SubScreen() == csLogs) game.ShowScreen(csMap);
    else game.OpenLogs();
  } else if (key == "find_now") {
    game.FindStar();
  } else if (key == "close_now") {
    // Find a star's own way out: the search is dropped and the map alone shows.
    if (game.SubScreen() == csFindAStar) game.ShowScreen(csMap);
  } else if (key == "dbase1") {
    if (const auto* design = game.SelectedDesign >= 0 && game.SelectedDesign < game.Designs.Count()
                                 ? &game.Designs.Items[static_cast<size_t>(game.SelectedDesign)]
                                 : nullptr;
        design && game.ShowVesselArticle(design->first))
      game.ShowScreen(csDatabase);
  } else if (key == "dbase2") {
    const TFleet* player = game.PlayerFleet();
    const TShip* entry = player ? player->Ships.At(game.SelectedShip) : nullptr;
    if (entry && game.ShowVesselArticle(entry->ShipClass)) game.ShowScreen(csDatabase);
  }
  return true;
}

bool ArchiveKeyDown(TGameMain& game, int key, bool shift, bool ctrl, bool alt) {
  (void)shift;
  const uint8_t screen = game.SubScreen();
  if (screen == csFindAStar) {
    // The screen's own and the window's keys (F9 to F12, Escape) still reach the window.
    if (key == vk::Escape || (key >= vk::F9 && key <= vk::F12)) return false;
    game.SearchKey(key);
    return true;
  }
  if (screen == csLogs && (key == vk::Next || key == vk::Prior)) {
    game.TurnLogPage(key == vk::Next ? 1 : -1);
    return true;
  }
  if (ctrl || alt) return false;
  if (key == 'D') {
    if (screen != csDatabase) game.OpenDatabase();
    return true;
  }
  if (key == 'F') {
    game.OpenFindAStar();
    return true;
  }
  if (key == 'L') {
    if (screen == csLogs) game.ShowScreen(csMap);
    else game.OpenLogs();
    return true;
  }
  return false;
}

}  // namespace sw
