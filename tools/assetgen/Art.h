// The generator's picture and sound families. Each Make* function writes
// its files into the game root through the Output.
#pragma once
#include <string>
#include <vector>

#include "Bitmap.h"
#include "Output.h"

namespace ag {

inline constexpr Rgb kKeyBlack{0, 0, 0};
inline constexpr Rgb kKeyRed{255, 0, 0};

// Data folders of the base game and of every installed add-on, each ending
// in '/': "<data>/data/", "<data>/data/add-ons/<prefix>/" ...
std::vector<std::string> ContentFolders(const std::string& gameData);

// A lit planet of the named kind (as the planet list names them) drawn into a layer.
void DrawWorld(Layer& l, float cx, float cy, float R, const std::string& kind);

void MakeBuiltins(Output& out);                               // the four built-in image lists
void MakeScreens(Output& out);                                // menu, options, selector, set-up, battle backdrops
void MakeSplash(Output& out);                                 // studio logo, splash backdrop, story panels
void MakeEffects(Output& out, const std::string& gameData);  // animation sheets and projectiles
void MakeShips(Output& out, const std::string& gameData);    // every ship class of the base game and add-ons
void MakeRaces(Output& out, const std::string& gameData);    // race logos and portraits
void MakePlanets(Output& out, const std::string& gameData);  // planets, the planet sheet
void MakeCampaign(Output& out);                               // star map, side menu, campaign screen backgrounds
void MakeStory(Output& out, const std::string& gameData);    // campaign portraits and event pictures from the story files
void MakeSchematics(Output& out, const std::string& gameData);  // vessel schematics of every class a campaign lists
// A light button face for black labels (the campaign's row and action buttons).
Layer PlateButton(int w, int h);
void MakeSounds(Output& out, const std::string& gameData);   // sound effects
void MakeMusic(Output& out, const std::string& gameData);    // menu theme, campaign loop, battle tracks

}  // namespace ag
