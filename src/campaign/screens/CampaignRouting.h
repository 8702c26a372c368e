#pragma once
// The clicks and keys of the campaign: the move order, choosing a location on the map, the one
// hit test over the campaign's buttons and the actions of those buttons, the campaign's own
// keys (the map overlays, the cheats, the letter hotkeys).
#include "campaign/GameMain.h"
#include "media/MainWindow.h"

namespace sw {

// A mouse button pressed over the campaign (1 left, 2 right, 3 middle).
void CampaignMouseDown(TGameMain& game, TMainWindow& main, int button, int x, int y);

// The campaign's keys, before the keys every state shares. True when the key was used up and
// nothing else may be done with it.
bool CampaignKeyDown(TGameMain& game, TMainWindow& main, int key, bool shift, bool ctrl, bool alt);

// The mouse wheel over the campaign: a notch down (+1) or up (-1) moves the selection of the
// list on the screen, as the Down and Up keys do.
void CampaignWheel(TGameMain& game, int step);

// The frame tick's edge scrolling: the pointer within 10 pixels of an edge moves the map.
void EdgeScroll(TGameMain& game, int mouseX, int mouseY);

// The side menu starts at x 646; left of it lies the map, where clicks pick places.
constexpr int SideMenuLeft = 646;
bool OnMapArea(int x);
// True where a panel of that sub-screen lies over side-menu buttons (which then take no click).
bool CoveredByPanel(uint8_t subScreen, int x, int y);

// True on the screens that can be left only through their own buttons (communication,
// encounter, combat set-up, event): the navigation keys and buttons do nothing there.
bool ScreenHoldsKeys(uint8_t subScreen);

}  // namespace sw
