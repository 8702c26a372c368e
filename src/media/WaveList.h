#pragma once
// The named sound list. A one-shot wave plays on the first of its copies that is idle, or on a
// new copy, so quick repeats overlap; a looped wave restarts from the beginning.
#include <memory>
#include <string>
#include <vector>

#include "media/Audio.h"
#include "media/BitmapFile.h"

namespace sw {

class TWaveItem {
public:
  explicit TWaveItem(IAudioBackend* backend) : Backend(backend) {}
  ~TWaveItem();
  TWaveItem(const TWaveItem&) = delete;
  TWaveItem& operator=(const TWaveItem&) = delete;

  std::string Name;
  bool Looped = false;

  void LoadFromFile(const std::string& path);
  void MakeReady();
  void Play(bool wait = false);
  void Stop();
  void SetVolume(int volume);
  int Volume() const { return CurrentVolume; }
  bool IsPlaying() const;
  int CopyCount() const { return static_cast<int>(Copies.size()); }
  const TWaveData& Data() const { return Wave; }

private:
  void Unprepare();
  IAudioBackend* Backend;
  TWaveData Wave;
  void* Handle = nullptr;
  int CurrentVolume = 0;
  std::vector<int> Copies;  // the voice of each copy, -1 when it never played
};

class TDXWaveList {
public:
  explicit TDXWaveList(IAudioBackend* backend) : Backend(backend) {}
  int Count() const { return static_cast<int>(Items.size()); }
  TWaveItem* At(int i) const { return Items[static_cast<size_t>(i)].get(); }
  // Raises "Wave '%s' not found".
  TWaveItem& Find(const std::string& name) const;
  int IndexOf(const std::string& name) const;
  TWaveItem& Add();
  // Loads a sound by name: reloads the wave of that name in place, or appends one.
  TWaveItem& LoadWave(const std::string& name, const std::string& path, bool looped);

private:
  IAudioBackend* Backend;
  std::vector<std::unique_ptr<TWaveItem>> Items;
};

}  // namespace sw
