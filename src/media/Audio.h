#pragma once
// What the sound list needs of a sound device: voices that play prepared sounds.
#include <string>

#include "media/BitmapFile.h"

namespace sw {

class IAudioBackend {
public:
  virtual ~IAudioBackend() = default;
  // Prepares a sound for playing; the handle stays valid until Release.
  virtual void* Prepare(const std::string& name, const TWaveData& data) = 0;
  virtual void Release(void* handle) = 0;
  // Starts the sound once (or looping) at a linear gain; returns a voice, or -1 when none is free.
  virtual int Start(void* handle, bool loop, double gain) = 0;
  virtual void Stop(int voice) = 0;
  // True while that voice still plays that sound.
  virtual bool IsPlaying(int voice, void* handle) = 0;
  virtual void SetGain(int voice, double gain) = 0;
};

// Volume in hundredths of a decibel (0 = full, -4000 = quiet) as a linear gain 10^(v/2000).
double VolumeToGain(int volume);

}  // namespace sw
