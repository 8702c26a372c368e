#include "campaign/screens/TradeScreens.h"

namespace sw {

void DrawTradeScreen(TGameMain& game, TSurface& surface) {}
void DrawLogisticsScreen(TGameMain& game, TSurface& surface) {}
bool RouteEconomyKey(TGameMain& game, const std::string& key) { return false; }

}  // namespace sw
