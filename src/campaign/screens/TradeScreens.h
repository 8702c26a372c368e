#pragma once
// The economy's screens: the trade screen of the current trade post (sub-screen 19) and the
// logistics screen of the player's fleet (sub-screen 12), and the buttons of trade, logistics
// and the fleet panel's crew and structure adjustments.
#include <string>

#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawTradeScreen(TGameMain& game, TSurface& surface);
void DrawLogisticsScreen(TGameMain& game, TSurface& surface);

// Which of the trade screen's buttons this frame offers: each action while the post deals in
// it (a price above 0, a list that is not empty); all dimmed when the post is gone.
void SetTradeAvailability(TGameMain& game);
// Manufacture and recycling follow the campaign's abilities, every frame, so an ability gained
// later in the story makes its button available.
void SetLogisticsAvailability(TGameMain& game);

// A click on a row of one of the trade screen's three lists selects that line (and makes the
// list the one the Up and Down keys move); true when the click fell on a line.
bool PickTradeRow(TGameMain& game, int x, int y);
// Up (-1) or Down (+1) on the trade screen: the selection of the list last picked moves.
void StepTradeList(TGameMain& game, int step);

// The logistics screen of the player's fleet, with its design and ship lists back on their
// first lines.
void OpenLogistics(TGameMain& game);
// The logistics lists: a click on a row of the designs or the ships selects it and makes that
// list the one the wheel and the Up and Down keys move (the ships, when the screen opens).
bool PickLogisticsRow(TGameMain& game, int x, int y);
void FocusLogisticsList(const TGameMain& game, int list);  // 0 the designs, 1 the ships
void StepLogisticsList(TGameMain& game, int step);

// A campaign button of trade, logistics or the crew and structure adjustments (each in its
// group: the free ones do nothing on the screens that hold the keys). True when the key was one
// of them.
bool RouteEconomyKey(TGameMain& game, const std::string& key);

}  // namespace sw
