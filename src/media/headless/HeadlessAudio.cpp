#include "media/headless/HeadlessAudio.h"

#include <algorithm>

#include "core/Text.h"

namespace sw {

THeadlessAudio::~THeadlessAudio() {
  for (TSound* s : Sounds) delete s;
}

void* THeadlessAudio::Prepare(const std::string& name, const TWaveData& data) {
  auto* s = new TSound{name, data.Seconds() * 1000.0, true};
  Sounds.push_back(s);
  return s;
}

void THeadlessAudio::Release(void* handle) {
  auto* s = static_cast<TSound*>(handle);
  for (auto& v : Voices)
    if (v.Sound == s) v.Stopped = true, v.Sound = nullptr;
  Sounds.erase(std::remove(Sounds.begin(), Sounds.end(), s), Sounds.end());
  delete s;
}

bool THeadlessAudio::Active(const TVoice& v) const {
  if (!v.Sound || v.Stopped) return false;
  return v.Loop || NowMs - v.StartMs < v.Sound->Ms;
}

int THeadlessAudio::Start(void* handle, bool loop, double gain) {
  auto* s = static_cast<TSound*>(handle);
  PlayedNames.push_back(s->Name);
  // Reuse a finished voice, as a mixer reuses its channels.
  for (size_t i = 0; i < Voices.size(); ++i)
    if (!Active(Voices[i])) {
      Voices[i] = {s, NowMs, loop, false, gain};
      return static_cast<int>(i);
    }
  Voices.push_back({s, NowMs, loop, false, gain});
  return static_cast<int>(Voices.size() - 1);
}

void THeadlessAudio::Stop(int voice) {
  if (voice >= 0 && static_cast<size_t>(voice) < Voices.size()) Voices[voice].Stopped = true;
}

bool THeadlessAudio::IsPlaying(int voice, void* handle) {
  if (voice < 0 || static_cast<size_t>(voice) >= Voices.size()) return false;
  const TVoice& v = Voices[voice];
  return v.Sound == handle && Active(v);
}

void THeadlessAudio::SetGain(int voice, double gain) {
  if (voice >= 0 && static_cast<size_t>(voice) < Voices.size()) Voices[voice].Gain = gain;
}

std::vector<std::string> THeadlessAudio::Playing() {
  std::vector<std::pair<double, std::string>> live;
  for (const auto& v : Voices)
    if (Active(v)) live.emplace_back(v.StartMs, v.Sound->Name);
  std::stable_sort(live.begin(), live.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (auto& [t, n] : live)
    if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(n);
  return names;
}

double THeadlessAudio::GainOf(const std::string& name) {
  for (const auto& v : Voices)
    if (Active(v) && SameText(v.Sound->Name, name)) return v.Gain;
  return 0;
}

}  // namespace sw
