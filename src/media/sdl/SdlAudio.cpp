#include "media/sdl/SdlAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <iostream>

namespace sw {

TSdlAudio::TSdlAudio() {
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::cerr << "starwake: no sound device (" << Mix_GetError() << "); playing silently" << std::endl;
    return;
  }
  Opened = true;
  int freq = 0, ch = 0;
  Uint16 fmt = 0;
  Mix_QuerySpec(&freq, &fmt, &ch);
  Rate = freq;
  Channels = ch;
  Format = fmt;
  Mix_AllocateChannels(64);
}

TSdlAudio::~TSdlAudio() {
  if (Opened) Mix_CloseAudio();
}

void* TSdlAudio::Prepare(const std::string&, const TWaveData& data) {
  if (!Opened || data.Samples.empty()) return nullptr;
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, static_cast<Uint8>(data.Channels), data.Rate, Format,
                        static_cast<Uint8>(Channels), Rate) < 0)
    return nullptr;
  size_t bytes = data.Samples.size() * sizeof(int16_t);
  cvt.len = static_cast<int>(bytes);
  cvt.buf = static_cast<Uint8*>(SDL_malloc(bytes * static_cast<size_t>(cvt.len_mult)));
  if (!cvt.buf) return nullptr;
  std::memcpy(cvt.buf, data.Samples.data(), bytes);
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
    SDL_free(cvt.buf);
    return nullptr;
  }
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(cvt.buf, static_cast<Uint32>(cvt.len_cvt));
  if (!chunk) {
    SDL_free(cvt.buf);
    return nullptr;
  }
  chunk->allocated = 1;  // the mixer frees the converted samples with the chunk
  return chunk;
}

void TSdlAudio::Release(void* handle) {
  if (!handle) return;
  auto* chunk = static_cast<Mix_Chunk*>(handle);
  for (int c = 0; c < Mix_AllocateChannels(-1); ++c)
    if (Mix_Playing(c) && Mix_GetChunk(c) == chunk) Mix_HaltChannel(c);
  Mix_FreeChunk(chunk);
}

int TSdlAudio::Start(void* handle, bool loop, double gain) {
  if (!handle) return -1;
  int channel = Mix_PlayChannel(-1, static_cast<Mix_Chunk*>(handle), loop ? -1 : 0);
  if (channel < 0) {
    // Every channel is busy: make more, as a copy is never refused.
    int n = Mix_AllocateChannels(-1);
    Mix_AllocateChannels(n + 16);
    channel = Mix_PlayChannel(-1, static_cast<Mix_Chunk*>(handle), loop ? -1 : 0);
  }
  if (channel >= 0) SetGain(channel, gain);
  return channel;
}

void TSdlAudio::Stop(int voice) {
  if (voice >= 0) Mix_HaltChannel(voice);
}

bool TSdlAudio::IsPlaying(int voice, void* handle) {
  return voice >= 0 && handle && Mix_Playing(voice) && Mix_GetChunk(voice) == handle;
}

void TSdlAudio::SetGain(int voice, double gain) {
  if (voice >= 0) Mix_Volume(voice, static_cast<int>(gain * MIX_MAX_VOLUME + 0.5));
}

}  // namespace sw
