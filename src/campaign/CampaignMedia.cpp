// The campaign's pictures, buttons and music: the screen pictures loaded when a campaign is
// created, each race's small picture, the button set shared by every campaign screen, the
// speed buttons, and the campaign loop.
#include <string>

#include "campaign/GameMain.h"
#include "core/Errors.h"

namespace sw {

namespace {

// The campaign screen pictures: name in the image list, and the file where it differs.
struct TScreenPicture {
  const char* Name;
  const char* File;
};
constexpr TScreenPicture ScreenPictures[] = {
    {"map", "map"},         {"sidemenu", "sidemenu1"}, {"pmenu", "pmenu"},
    {"plmenu", "plmenu"},   {"logs", "logs"},          {"pbmenu", "pbmenu"},
    {"flmenu", "flmenu"},   {"commenu", "commenu"},    {"dse_menu", "dse_menu"},
    {"combat_menu", "combatmenu"}, {"logeng", "logeng"}, {"dbmenu", "dbmenu"},
    {"findastar", "findastar"},    {"trade", "tradescreen"},
};

}  // namespace

std::vector<std::string> TGameMain::ScreenPictureFiles() {
  std::vector<std::string> files;
  for (const TScreenPicture& p : ScreenPictures) files.push_back(std::string(p.File) + ".img");
  return files;
}

void TGameMain::LoadScreenMedia() {
  if (Env.Images) {
    for (const TScreenPicture& p : ScreenPictures) {
      try {
        Env.Images->LoadImage(p.Name, Env.GraphicsFolder + p.File + ".img", clRed);
      } catch (const std::exception& e) {
        // A picture that cannot be loaded is reported; the screen draws without it.
        if (Env.Report) Env.Report(e.what());
      }
    }
  }
  CreateButtons();
}

void TGameMain::LoadRacePicture(const std::string& raceKey, const TRaceInfo& race) {
  if (!Env.Images || race.FullBmp.empty()) return;
  try {
    Env.Images->LoadImage(raceKey + "_small", Env.GraphicsFolder + race.FullBmp + "_small.img", clBlack);
  } catch (const std::exception& e) {
    if (Env.Report) Env.Report(e.what());
  }
}

void TGameMain::LoadMusic() {
  if (!Env.Waves) return;
  try {
    Env.Waves->LoadWave("LoopMusic", Env.MusicFolder + "loop.wav", true);
  } catch (const std::exception& e) {
    if (Env.Report) Env.Report(e.what());
  }
}

void TGameMain::CreateButtons() {
  Buttons = std::make_unique<TButtonList>(Env.Surface, Env.Images);
  TButtonList& b = *Buttons;
  auto add = [&](const std::string& key, int x, int y, int w, int h, const std::string& image, int flash,
                 int panel) { b.Add(key, x, y, w, h, image, flash, AlphaNormal, panel); };
  auto small = [&](const std::string& key, int x, int y, int panel) { add(key, x, y, 101, 11, "but_small", 3, panel); };

  const char* controls[] = {"system_map", "show_planets", "logs", "your_fleet", "move_fleet", "find_a_star", "database"};
  for (int i = 0; i < 7; ++i) small(controls[i], 676, 422 + 12 * i, 0);
  const int speedX[] = {674, 700, 726, 751};
  for (int i = 0; i < 4; ++i) {
    std::string key = "speed" + std::to_string(i);
    add(key, speedX[i], 559, 24, 11, key, 0, 0);
  }
  for (int n = 1; n <= 9; ++n) small("planet" + std::to_string(n), 676, 100 + 12 * (n - 1), 0);
  for (int n = 1; n <= 9; ++n) small("fleet" + std::to_string(n), 676, 290 + 12 * (n - 1), 0);
  add("close_menu", 300, 10, 41, 8, "but_close", 3, 0);

  const char* categories[] = {"races", "vessels", "weapons", "artifacts", "chars", "misc"};
  for (int i = 0; i < 6; ++i) small(categories[i], 53, 50 + 12 * i, csDatabase);
  add("db_scroll_up", 162, 35, 236, 12, "scroll_up", 3, csDatabase);
  add("db_scroll_down", 162, 115, 236, 12, "scroll_down", 3, csDatabase);

  small("land_plan", 481, 72, csPlanetPanel);
  small("mine_plan", 481, 86, csPlanetPanel);
  small("hail_plan", 481, 100, csPlanetPanel);

  small("close_now", 275, 317, csFindAStar);
  small("find_now", 380, 317, csFindAStar);

  small("trade_blue_buy", 169, 400, csTrade);
  small("trade_ship_buy", 169, 524, csTrade);
  small("trade_ship_sell", 506, 400, csTrade);
  small("trade_sell_fuel", 502, 445, csTrade);
  small("trade_buy_fuel", 502, 458, csTrade);
  small("trade_hire_crew", 502, 506, csTrade);
  auto scrolls = [&](const std::string& up, const std::string& down, int x, int yUp, int yDown, int panel) {
    add(up, x, yUp, 236, 12, "scroll_up", 3, panel);
    add(down, x, yDown, 236, 12, "scroll_down", 3, panel);
  };
  scrolls("trade_blue_scroll_up1", "trade_blue_scroll_down1", 34, 290, 385, csTrade);
  scrolls("trade_ship_scroll_up1", "trade_ship_scroll_down1", 34, 415, 509, csTrade);
  scrolls("trade_sell_ship_scroll_up1", "trade_sell_ship_scroll_down1", 371, 290, 385, csTrade);

  scrolls("ship_scroll_up", "ship_scroll_down", 356, 33, 143, csFleetPanel);
  for (int row = 1; row <= 2; ++row) {
    const int y = row == 1 ? 185 : 198;
    const std::string r = std::to_string(row);
    add("ship_scroll_left_" + r, 446, y, 15, 11, "scroll_left", 3, csFleetPanel);
    add("ship_scroll_right_" + r, 463, y, 15, 11, "scroll_right", 3, csFleetPanel);
    add("full_scroll_left_" + r, 405, y, 39, 11, "but_small_res", 3, csFleetPanel);
    add("full_scroll_right_" + r, 480, y, 39, 11, "but_small_res", 3, csFleetPanel);
  }
  small("hail_fleet", 248, 116, csFleetPanel);
  small("trade_fleet", 248, 128, csFleetPanel);
  small("attack_fleet", 248, 140, csFleetPanel);
  small("logeng_fleet", 248, 176, csFleetPanel);

  for (int n = 1; n <= 3; ++n) add("respond_" + std::to_string(n), 41, 268 + 12 * (n - 1), 546, 11, "respond", 3, csCommunication);
  const char* encounter[] = {"hail_fleet_dse", "trade_fleet_dse", "attack_fleet_dse", "cancel_fleet_dse"};
  for (int i = 0; i < 4; ++i) small(encounter[i], 284, 261 + 12 * i, csEncounter);

  scrolls("combat_scroll_up", "combat_scroll_down", 39, 64, 159, csCombat);
  const int plusX[] = {317, 391, 465}, plusY[] = {278, 315, 351};
  for (int n = 1; n <= 3; ++n) {
    add("Plus" + std::to_string(n), plusX[n - 1], plusY[n - 1], 26, 11, "plus", 2, csCombat);
    add("Minus" + std::to_string(n), plusX[n - 1] + 28, plusY[n - 1], 26, 11, "minus", 2, csCombat);
  }
  add("launch", 527, 329, 73, 73, "launch", 3, csCombat);

  for (int n = 1; n <= 12; ++n) small("cargo" + std::to_string(n), 135, 75 + 12 * (n - 1), csLogistics);
  for (int n = 1; n <= 12; ++n) small("vip" + std::to_string(n), 135, 243 + 12 * (n - 1), csLogistics);
  small("produce", 402, 191, csLogistics);
  small("dbase1", 402, 203, csLogistics);
  small("scrap", 402, 358, csLogistics);
  small("dbase2", 402, 370, csLogistics);
  const int prodY[] = {77, 172, 244, 339};
  const char* prod[] = {"prod_scroll_up1", "prod_scroll_down1", "prod_scroll_up2", "prod_scroll_down2"};
  for (int i = 0; i < 4; ++i) add(prod[i], 267, prodY[i], 236, 12, i % 2 == 0 ? "scroll_up" : "scroll_down", 3, csLogistics);

  small("log_prior_page", 35, 275, csLogs);
  small("log_next_page", 483, 275, csLogs);

  // The clock starts at speed 1, so its button starts dimmed.
  b.Find("speed1").SetAvailable(false, "The clock already runs at this speed");
}

void TGameMain::SetSpeed(int speed) {
  Speed = speed;
  if (!Buttons) return;
  const int speeds[] = {0, 1, 5, 10};
  bool known = false;
  for (int s : speeds) known = known || s == speed;
  if (!known) return;
  for (int i = 0; i < 4; ++i) {
    TButton& button = Buttons->Find("speed" + std::to_string(i));
    button.SetAvailable(speeds[i] != speed, speed == 0 ? "The clock is already stopped"
                                                       : "The clock already runs at this speed");
  }
}

void TGameMain::ShowScreen(uint8_t subScreen) {
  // Leaving a landing or a mining run by any way recalls the party: what it has met counts.
  const uint8_t shown = SubScreen();
  if ((shown == csLanding || shown == csMining) && subScreen != shown) RecallExpedition();
  if (Env.SubScreen) *Env.SubScreen = subScreen;
  else OwnSubScreen = subScreen;
}

}  // namespace sw
