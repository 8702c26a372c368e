#include "campaign/screens/CampaignRouting.h"

#include <string>

#include "campaign/screens/ArchiveScreens.h"
#include "campaign/screens/CombatScreen.h"
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/LocationScreens.h"
#include "campaign/screens/TradeScreens.h"
#include "media/Input.h"

namespace sw {

namespace {

constexpr int LeftButton = 1, RightButton = 2;

void CampaignClick(TGameMain& game, TMainWindow& main, int x, int y);

// The player's fleet is sent to the location under the pointer, or else to the map point. The
// side menu is not map: its buttons act as buttons (a speed button sets the speed and the order
// stays open), and its background takes no order.
void MoveOrderClick(TGameMain& game, TMainWindow& main, int button, int x, int y) {
  if (button == RightButton) {
    game.ShowScreen(csMap);
    return;
  }
  if (button != LeftButton) return;
  if (!OnMapArea(x)) {
    CampaignClick(game, main, x, y);
    return;
  }
  TFleet* player = game.PlayerFleet();
  const int under = game.LocationUnderPointer(x, y);
  if (player) {
    if (under >= 0) {
      game.SelectedLocation = under;
      player->DSystem = game.Locations.At(under)->LocName;
      player->DX = player->DY = -1;
    } else {
      player->DSystem.clear();
      player->DX = x - game.MapOffsetX;
      player->DY = y - game.MapOffsetY;
    }
  }
  game.ShowScreen(csMap);
}

// The buttons that act on every screen but the four that hold the keys.
void RouteFreeKey(TGameMain& game, const std::string& key) {
  if (key == "close_menu") {
    game.ShowScreen(csMap);
  } else if (key == "move_fleet") {
    game.ShowScreen(csMoveOrder);
  } else if (key == "speed0") {
    game.SetSpeed(0);
  } else if (key == "speed1") {
    game.SetSpeed(1);
  } else if (key == "speed2") {
    game.SetSpeed(5);
  } else if (key == "speed3") {
    game.SetSpeed(10);
  } else if (key == "your_fleet") {
    OpenOwnFleet(game);
  } else if (key == "ship_scroll_down" || key == "ship_scroll_up") {
    ScrollFleetShips(game, key == "ship_scroll_down" ? 1 : -1);
  } else if (key.size() == 6 && key.compare(0, 5, "fleet") == 0 && key[5] >= '1' && key[5] <= '9') {
    OpenLocationFleet(game, key[5] - '0');
  }
}

// The buttons that act on every sub-screen: the talk, the encounter menu and the event screen's
// own way out. True when the key was one of them.
bool RouteAlwaysKey(TGameMain& game, TMainWindow& main, const std::string& key) {
  if (key == "hail_fleet" || key == "hail_fleet_dse") {
    game.OpenTalk(0);
  } else if (key == "respond_1" || key == "respond_2" || key == "respond_3") {
    game.ChooseAnswer(key.back() - '1');
  } else if (key == "close_menu" && game.SubScreen() == csEvent) {
    // After the end of the game the campaign is left for the main menu, as quitting does.
    if (game.CloseEventScreen()) {
      main.SetGameState(gsMenu, false);
      if (main.DXWaveList) {
        if (main.DXWaveList->IndexOf("LoopMusic") >= 0) main.DXWaveList->Find("LoopMusic").Stop();
        if (main.DXWaveList->IndexOf("MenuMusic") >= 0) main.DXWaveList->Find("MenuMusic").Play(false);
      }
    }
  } else if (key == "cancel_fleet_dse") {
    // The encounter is put off: the map returns and the clock stays stopped until the player
    // starts it.
    game.ShowScreen(csMap);
  } else {
    return false;
  }
  return true;
}

// The buttons of campaign battles, on every sub-screen: attack from the fleet panel or the
// encounter menu, the combat set-up's slots, list and launch. True when the key was one of them.
bool RouteBattleKey(TGameMain& game, TMainWindow& main, const std::string& key) {
  if (key == "attack_fleet" || key == "attack_fleet_dse") {
    if (!game.Attack(true)) game.ShowReason("No battle: a side has no ship that can fight");
  } else if (key == "close_menu" && game.SubScreen() == csCombat) {
    // Only an attack the player chose can be called off; a forced battle keeps no way out.
    game.CancelAttack();
  } else if (key.size() == 5 && key.compare(0, 4, "Plus") == 0 && key[4] >= '1' && key[4] <= '3') {
    game.FillSlot(key[4] - '0');
  } else if (key.size() == 6 && key.compare(0, 5, "Minus") == 0 && key[5] >= '1' && key[5] <= '3') {
    game.ClearSlot(key[5] - '0');
  } else if (key == "combat_scroll_down" || key == "combat_scroll_up") {
    ScrollCombatShips(game, key == "combat_scroll_down" ? 1 : -1);
  } else if (key == "launch") {
    // The battle returns to the campaign, which then takes its outcome in.
    if (game.Launch()) main.StartBattle(gsCampaign);
  } else {
    return false;
  }
  return true;
}

// A click on a dimmed button of the screen shown does not act: the screen says why, in one line.
// True when the click fell on one.
bool ShowDimmedReason(TGameMain& game, int x, int y) {
  if (!game.Buttons) return false;
  const std::string dimmed = game.Buttons->HitTestDimmed(x, y, game.SubScreen());
  if (dimmed.empty()) return false;
  const TButton& b = game.Buttons->Find(dimmed);
  game.ShowReason(b.Reason.empty() ? std::string("Not available now") : b.Reason);
  return true;
}

void CampaignClick(TGameMain& game, TMainWindow& main, int x, int y) {
  std::string key = game.Buttons ? game.Buttons->HitTestPanel(x, y, game.SubScreen()) : std::string();
  // Under a panel that reaches over the side menu only the panel's own buttons are there.
  if (!key.empty() && CoveredByPanel(game.SubScreen(), x, y) && key != "close_menu" &&
      game.Buttons->Find(key).Panel != game.SubScreen())
    key.clear();
  if (!key.empty()) {
    game.Buttons->Find(key).Click();
    game.PlaySound("click");
  } else if (!CoveredByPanel(game.SubScreen(), x, y) && ShowDimmedReason(game, x, y)) {
    return;
  }
  // A click on a row of a list selects it.
  if (key.empty() && game.SubScreen() == csFleetPanel && PickFleetShipRow(game, x, y)) return;
  if (key.empty() && game.SubScreen() == csTrade && PickTradeRow(game, x, y)) return;
  if (key.empty() && game.SubScreen() == csLogistics && PickLogisticsRow(game, x, y)) return;
  if (key.empty() && game.SubScreen() == csCombat && PickCombatShipRow(game, x, y)) return;
  if (key.empty() && game.SubScreen() == csDatabase && PickDbRow(game, x, y)) return;
  // On the map alone a click on a location selects it; a click on a button acts as the button
  // (a star hidden under the side menu never takes a click meant for a button).
  if (game.SubScreen() == csMap && key.empty()) {
    const int under = OnMapArea(x) ? game.LocationUnderPointer(x, y) : -1;
    if (under >= 0) {
      // Another location's planets are not this one's: its planet selection starts afresh.
      if (under != game.SelectedLocation) game.SelectedPlanet = -1;
      game.SelectedLocation = under;
      game.SelectedFleet = -1;
    }
    return;
  }
  // The system view's planets take a click as the side menu's planet buttons do.
  if (game.SubScreen() == csSystem && key.empty()) {
    SystemViewClick(game, x, y);
    return;
  }
  if (key.empty()) return;
  if (RouteBattleKey(game, main, key)) return;
  if (RouteAlwaysKey(game, main, key)) return;
  if (RouteEconomyKey(game, key)) return;
  if (RoutePlaceKey(game, key)) return;
  if (RouteArchiveKey(game, key)) return;
  if (!ScreenHoldsKeys(game.SubScreen())) RouteFreeKey(game, key);
}

}  // namespace

bool OnMapArea(int x) { return x < SideMenuLeft; }

bool CoveredByPanel(uint8_t subScreen, int x, int y) {
  // The survey's lists (the planets and the fleets of a location) are 750 x 300 from (10, 10).
  if (subScreen != csPlanets && subScreen != csFleets) return false;
  return x >= 10 && x < 760 && y >= 10 && y < 310;
}

bool ScreenHoldsKeys(uint8_t subScreen) {
  return subScreen == csCommunication || subScreen == csEncounter || subScreen == csCombat || subScreen == csEvent;
}

void CampaignMouseDown(TGameMain& game, TMainWindow& main, int button, int x, int y) {
  if (game.SubScreen() == csMoveOrder) {
    MoveOrderClick(game, main, button, x, y);
    return;
  }
  if (button == LeftButton) CampaignClick(game, main, x, y);
}

bool CampaignKeyDown(TGameMain& game, TMainWindow& main, int key, bool shift, bool ctrl, bool alt) {
  const int F3 = vk::F1 + 2, F4 = vk::F1 + 3;
  if (ctrl && alt && key == F3) {
    if (TFleet* player = game.PlayerFleet()) player->Fuel = player->MaxFuel;
    return true;
  }
  if (ctrl && alt && key == vk::F1) {
    main.GhostMode = !main.GhostMode;
    return true;
  }
  if (ctrl && alt && key == vk::F2 && game.SubScreen() == csCombat) {
    // The fleet being attacked is beaten at once, as after a won battle.
    game.RemoveEnemyFleet();
    return true;
  }
  if (key == vk::F2) main.InterceptRangesShown = !main.InterceptRangesShown;
  if (key == F3) main.SensorRangesShown = !main.SensorRangesShown;
  if (key == F4) main.FuelRangeShown = !main.FuelRangeShown;
  if (game.SubScreen() == csEvent && !ctrl && !alt && (key == vk::Return || key == vk::Space)) {
    // Enter and Space close the event screen as its close button does.
    if (game.Buttons) game.Buttons->Find("close_menu").Click();
    game.PlaySound("click");
    RouteAlwaysKey(game, main, "close_menu");
    return true;
  }
  // The arrows move the selection of the list on the screen (the combat set-up's fleet list too,
  // though that screen keeps its other keys).
  const uint8_t shown = game.SubScreen();
  if ((key == vk::Up || key == vk::Down) && !ctrl && !alt &&
      (shown == csFleetPanel || shown == csTrade || shown == csDatabase || shown == csLogistics || shown == csCombat)) {
    CampaignWheel(game, key == vk::Down ? 1 : -1);
    return true;
  }
  if (ScreenHoldsKeys(game.SubScreen())) return false;
  if (ArchiveKeyDown(game, key, shift, ctrl, alt)) return true;
  if (!ctrl && !alt && PlaceHotkey(game, key)) return false;
  if (key == 'M' && !ctrl && !alt) game.ShowScreen(csMoveOrder);
  if (key == 'I' && !ctrl && !alt) OpenOwnFleet(game);
  return false;
}

void CampaignWheel(TGameMain& game, int step) {
  switch (game.SubScreen()) {
    case csFleetPanel: ScrollFleetShips(game, step); break;
    case csTrade: StepTradeList(game, step); break;
    case csCombat: ScrollCombatShips(game, step); break;
    case csDatabase: game.ScrollDb(step); break;
    case csLogistics: StepLogisticsList(game, step); break;
    default: break;
  }
}

void EdgeScroll(TGameMain& game, int mouseX, int mouseY) {
  if (mouseX < 10) game.ScrollMap(sdLeft);
  if (mouseX > 790) game.ScrollMap(sdRight);
  if (mouseY < 10) game.ScrollMap(sdUp);
  if (mouseY > 590) game.ScrollMap(sdDown);
}

}  // namespace sw
