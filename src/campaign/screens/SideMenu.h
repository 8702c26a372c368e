#pragma once
// The side menu at the right edge of the map: the selected location's particulars, its
// planets and fleets (on their buttons), the controls, the star date and the speed buttons.
#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawSideMenu(TGameMain& game, TSurface& surface);

// The star date as the side menu shows it: " dd/mm/yyyy ".
std::string SideMenuDate(const TGameMain& game);

}  // namespace sw
