// Trade posts and the fleet economy: buying and selling at a post, manufacture, recycling, and
// the crew and structure of the player's ship entries.
#include "campaign/GameMain.h"

namespace sw {

void TGameMain::ReadTradePosts() {}
TTradeInfo* TGameMain::PostOf(const TFleet& fleet, std::string* postName) const { return nullptr; }
TTradeInfo* TGameMain::ActivePostOf(const TFleet& fleet) const { return nullptr; }
bool TGameMain::OpenTrade() { return false; }
bool TGameMain::OpenTradeWith(const std::string& partner, const std::string& race) { return false; }
void TGameMain::BuyFuel() {}
void TGameMain::SellFuel() {}
void TGameMain::HireCrew() {}
void TGameMain::BuyShip() {}
void TGameMain::SellShip() {}
void TGameMain::BuyBlueprint() {}
void TGameMain::Manufacture() {}
void TGameMain::Recycle() {}
void TGameMain::CrewOneMore() {}
void TGameMain::CrewOneLess() {}
void TGameMain::CrewFull() {}
void TGameMain::CrewToOne() {}
void TGameMain::RepairOne() {}
void TGameMain::StripOne() {}
void TGameMain::RepairFull() {}
void TGameMain::StripToOne() {}
int TGameMain::SalePrice(const TShip& entry) const { return 0; }

}  // namespace sw
