// The database of unlocked articles, the mission log's pages and find a star.
#include "campaign/GameMain.h"

namespace sw {

void TGameMain::ShowDbCategory(int category, int index) {}
bool TGameMain::ShowVesselArticle(const std::string& shipClass) { return false; }

}  // namespace sw
