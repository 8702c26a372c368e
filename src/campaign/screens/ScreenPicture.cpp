#include "campaign/screens/ScreenPicture.h"

namespace sw {

void DrawPicture(TGameMain& game, TSurface& surface, const std::string& name, int x, int y) {
  if (!game.Env.Images) return;
  if (const TImageItem* picture = game.Env.Images->Lookup(name)) picture->Draw(surface, x, y);
}

}  // namespace sw
