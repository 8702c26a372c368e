#pragma once
// The campaign's reference screens: the database (sub-screen 17), the mission logs (11) and
// find a star (18), their buttons, and their keys (D, F, L, Page Up and Page Down, and the
// typing of a star's name).
#include <string>

#include "campaign/GameMain.h"
#include "media/Surface.h"

namespace sw {

void DrawDatabase(TGameMain& game, TSurface& surface);
void DrawLogs(TGameMain& game, TSurface& surface);
void DrawFindAStar(TGameMain& game, TSurface& surface);

// A campaign button of the database, the logs or find a star. True when the key was one of them.
bool RouteArchiveKey(TGameMain& game, const std::string& key);
// A click on a row of the database's list shows that entry; true when it fell on one.
bool PickDbRow(TGameMain& game, int x, int y);

// The keys of these screens, called before the letter hotkeys on every screen that does not
// hold the keys: Page Up and Page Down on the logs, the text entry on find a star (which takes
// every key but the window's own, Escape and F9 to F12, so no hotkey acts while a name is
// typed), and D, F and L elsewhere. True when the key was used up.
bool ArchiveKeyDown(TGameMain& game, int key, bool shift, bool ctrl, bool alt);

}  // namespace sw
