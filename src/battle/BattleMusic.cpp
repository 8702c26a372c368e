#include "battle/BattleMusic.h"

#include "core/Adf.h"
#include "core/Numbers.h"
#include "core/Random.h"
#include "core/Paths.h"
#include "media/WaveList.h"

namespace sw {

std::vector<std::string> BattleMusicTracks(const std::string& musicFolder) {
  return AdfReadKeys(ResolvePath(musicFolder + "music.adf"), "BATTLE");
}

std::string ChooseBattleMusic(const std::string& musicFolder) {
  const auto tracks = BattleMusicTracks(musicFolder);
  if (tracks.empty()) return "";
  return tracks[static_cast<size_t>(PictureRandom(static_cast<int>(tracks.size())))];
}

bool LoadBattleMusic(TDXWaveList& waves, const std::string& musicFolder, int musicVolume) {
  const std::string track = ChooseBattleMusic(musicFolder);
  if (track.empty()) return false;
  TWaveItem& wave = waves.LoadWave("MeleeMusic", ResolvePath(NormalizeSlashes(musicFolder + track + ".wav")), true);
  wave.SetVolume(musicVolume);
  return true;
}

}  // namespace sw
