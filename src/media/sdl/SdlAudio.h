#pragma once
// Sound through SDL2_mixer: every copy of a wave plays on a mixer channel of its own.
#include "media/Audio.h"

namespace sw {

class TSdlAudio : public IAudioBackend {
public:
  TSdlAudio();
  ~TSdlAudio() override;
  bool Open() const { return Opened; }
  void* Prepare(const std::string& name, const TWaveData& data) override;
  void Release(void* handle) override;
  int Start(void* handle, bool loop, double gain) override;
  void Stop(int voice) override;
  bool IsPlaying(int voice, void* handle) override;
  void SetGain(int voice, double gain) override;

private:
  bool Opened = false;
  int Rate = 44100;
  int Channels = 2;
  unsigned short Format = 0;
};

}  // namespace sw
