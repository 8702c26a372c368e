#include "campaign/screens/PlaceDrawing.h"

#include "media/ImageDraw.h"

namespace sw {

void DrawPlaceCentred(TGameMain& game, TSurface& surface, const std::string& name, int cx, int cy, int w, int h) {
  if (game.Env.Images) DrawCentered(surface, *game.Env.Images, name, cx, cy, w, h);
}

const char* StarColorWord(int color) {
  static const char* words[] = {"Yellow", "Orange", "Red", "White", "Blue", "Green"};
  return color >= 0 && color < 6 ? words[color] : "";
}

const char* StarSizeWord(int size) {
  static const char* words[] = {"dwarf", "giant", "supergiant"};
  return size >= 0 && size < 3 ? words[size] : "";
}

const char* AsteroidWord(int density) {
  static const char* words[] = {"None", "Low", "Medium", "High", "Extreme"};
  return density >= 0 && density < 5 ? words[density] : "";
}

const char* AtmosphereWord(int atmosphere) {
  static const char* words[] = {"None", "Life S ", "Toxic"};
  return atmosphere >= 0 && atmosphere < 3 ? words[atmosphere] : "";
}

void UnderlinedText(TCanvas& canvas, int x, int y, const std::string& text) {
  canvas.TextOut(x, y, text);
  const int under = y + canvas.TextHeight(text) - 1;
  canvas.Pen.Color = canvas.Font.Color;
  canvas.MoveTo(x, under);
  canvas.LineTo(x + canvas.TextWidth(text), under);
}

void DrawPlanetFacts(TCanvas& canvas, const TPlanet& planet, bool known, int x, int y) {
  if (!known) {
    canvas.TextOut(x, y, "Atmosphere : ?");
    canvas.TextOut(x, y + 12, "Population : ?");
    canvas.TextOut(x, y + 24, "Resources : ?");
    return;
  }
  canvas.TextOut(x, y, std::string("Atmosphere : ") + AtmosphereWord(planet.Atmosphere));
  canvas.TextOut(x, y + 12, "Population : " + std::to_string(planet.Population) + "M");
  canvas.TextOut(x, y + 24, "Resources : " + std::to_string(planet.Resources) + "RU");
}

}  // namespace sw
