#pragma once
// A sound device with no sound: it keeps time by the frame ticks it is told about and records
// every sound started, so runs without a display can be checked.
#include <string>
#include <vector>

#include "media/Audio.h"

namespace sw {

class THeadlessAudio : public IAudioBackend {
public:
  void* Prepare(const std::string& name, const TWaveData& data) override;
  void Release(void* handle) override;
  int Start(void* handle, bool loop, double gain) override;
  void Stop(int voice) override;
  bool IsPlaying(int voice, void* handle) override;
  void SetGain(int voice, double gain) override;

  // Moves the virtual clock on (one frame tick's milliseconds).
  void Advance(double ms) { NowMs += ms; }
  // Every sound started since the run began, in order.
  const std::vector<std::string>& Played() const { return PlayedNames; }
  // The sounds playing now, each once, in the order they started.
  std::vector<std::string> Playing();
  double GainOf(const std::string& name);

private:
  struct TSound {
    std::string Name;
    double Ms = 0;
    bool Alive = true;
  };
  struct TVoice {
    TSound* Sound = nullptr;
    double StartMs = 0;
    bool Loop = false;
    bool Stopped = false;
    double Gain = 1;
  };
  bool Active(const TVoice& v) const;
  std::vector<TSound*> Sounds;
  std::vector<TVoice> Voices;
  std::vector<std::string> PlayedNames;
  double NowMs = 0;

public:
  ~THeadlessAudio() override;
};

}  // namespace sw
