#pragma once
// Choosing the battle music: one of the tracks listed in section BATTLE of music.adf, at random.
#include <string>
#include <vector>

namespace sw {

class TDXWaveList;

// The track names (the keys of section BATTLE of musicFolder + "music.adf"), in file order.
std::vector<std::string> BattleMusicTracks(const std::string& musicFolder);
// One track drawn at random; empty when none is listed: that battle is fought without music.
std::string ChooseBattleMusic(const std::string& musicFolder);
// Loads the chosen track (musicFolder + track + ".wav") into the sound list as "MeleeMusic",
// looped, at the music volume. False, with nothing loaded, when there is no track to choose.
bool LoadBattleMusic(TDXWaveList& waves, const std::string& musicFolder, int musicVolume);

}  // namespace sw
