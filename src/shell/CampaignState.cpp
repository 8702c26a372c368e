// The main window's side of the campaign: drawing the campaign state every frame, and handing
// it the clicks and keys that arrive while it is live.
#include <chrono>

#include "campaign/screens/ArchiveScreens.h"
#include "campaign/screens/CampaignRouting.h"
#include "campaign/screens/CombatScreen.h"
#include "campaign/screens/FleetPanel.h"
#include "campaign/screens/LocationScreens.h"
#include "campaign/screens/MapView.h"
#include "campaign/screens/SideMenu.h"
#include "campaign/screens/TalkScreens.h"
#include "campaign/screens/TradeScreens.h"
#include "shell/fmMain.h"

namespace sw {

void TfmMain::DrawCampaignState() {
  if (!Campaign) return;
  auto start = std::chrono::steady_clock::now();
  TGameMain& game = *Campaign;
  TSurface& surface = DXDraw->Surface;
  EdgeScroll(game, MouseX, MouseY);
  DrawStarMap(game, surface, GhostMode);
  if (InterceptRangesShown) DrawInterceptRanges(game, surface);
  if (SensorRangesShown) DrawSensorRanges(game, surface);
  if (FuelRangeShown) DrawFuelRange(game, surface);
  if (CampaignSubScreen == csMoveOrder) DrawMoveLine(game, surface, MouseX, MouseY);
  DrawSideMenu(game, surface);
  KeepSlotsWithCombatScreen(game);
  switch (CampaignSubScreen) {
    case csFleetPanel: DrawFleetPanel(game, surface); break;
    case csCombat: DrawCombatScreen(game, surface); break;
    case csEncounter: DrawEncounterMenu(game, surface); break;
    case csCommunication: DrawCommunication(game, surface); break;
    case csEvent: DrawEventScreen(game, surface); break;
    case csSystem: DrawSystemView(game, surface); break;
    case csPlanets: DrawPlanetList(game, surface); break;
    case csFleets: DrawFleetList(game, surface); break;
    case csPlanetPanel: DrawPlanetPanel(game, surface); break;
    case csLanding: DrawLanding(game, surface); break;
    case csMining: DrawMining(game, surface); break;
    case csLogs: DrawLogs(game, surface); break;
    case csLogistics: DrawLogisticsScreen(game, surface); break;
    case csDatabase: DrawDatabase(game, surface); break;
    case csFindAStar: DrawFindAStar(game, surface); break;
    case csTrade: DrawTradeScreen(game, surface); break;
    default: break;
  }
  DrawMapOverlays(game, surface, GhostMode);
  DrawMicros += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

bool TfmMain::CampaignKeyDown(int key, bool shift, bool ctrl, bool alt) {
  return Campaign && sw::CampaignKeyDown(*Campaign, *this, key, shift, ctrl, alt);
}

}  // namespace sw
