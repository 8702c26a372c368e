#include "media/WaveList.h"

#include <cmath>

#include "core/Errors.h"
#include "core/Text.h"

namespace sw {

double VolumeToGain(int volume) { return std::pow(10.0, volume / 2000.0); }

TWaveItem::~TWaveItem() { Unprepare(); }

void TWaveItem::Unprepare() {
  if (Handle) {
    for (int v : Copies)
      if (v >= 0 && Backend->IsPlaying(v, Handle)) Backend->Stop(v);
    Backend->Release(Handle);
  }
  Handle = nullptr;
  Copies.clear();
}

void TWaveItem::LoadFromFile(const std::string& path) {
  TWaveData data = LoadWaveFile(path);
  Unprepare();
  Wave = std::move(data);
}

void TWaveItem::MakeReady() {
  if (!Handle && Backend) Handle = Backend->Prepare(Name, Wave);
}

bool TWaveItem::IsPlaying() const {
  if (!Handle) return false;
  for (int v : Copies)
    if (v >= 0 && Backend->IsPlaying(v, Handle)) return true;
  return false;
}

void TWaveItem::Play(bool) {
  MakeReady();
  if (!Handle) return;
  double gain = VolumeToGain(CurrentVolume);
  if (Looped) {
    Stop();
    if (Copies.empty()) Copies.push_back(-1);
    Copies[0] = Backend->Start(Handle, true, gain);
    return;
  }
  size_t slot = Copies.size();
  for (size_t i = 0; i < Copies.size(); ++i)
    if (Copies[i] < 0 || !Backend->IsPlaying(Copies[i], Handle)) {
      slot = i;
      break;
    }
  if (slot == Copies.size()) Copies.push_back(-1);
  Copies[slot] = Backend->Start(Handle, false, gain);
}

void TWaveItem::Stop() {
  if (!Handle) return;
  for (int& v : Copies)
    if (v >= 0 && Backend->IsPlaying(v, Handle)) Backend->Stop(v);
}

void TWaveItem::SetVolume(int volume) {
  CurrentVolume = volume;
  if (!Handle) return;
  double gain = VolumeToGain(volume);
  for (int v : Copies)
    if (v >= 0 && Backend->IsPlaying(v, Handle)) Backend->SetGain(v, gain);
}

TWaveItem& TDXWaveList::Find(const std::string& name) const {
  int i = IndexOf(name);
  if (i < 0) throw EGameError(Format("Wave '%s' not found", name));
  return *Items[static_cast<size_t>(i)];
}

int TDXWaveList::IndexOf(const std::string& name) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (SameText(Items[i]->Name, name)) return static_cast<int>(i);
  return -1;
}

TWaveItem& TDXWaveList::Add() {
  Items.push_back(std::make_unique<TWaveItem>(Backend));
  return *Items.back();
}

TWaveItem& TDXWaveList::LoadWave(const std::string& name, const std::string& path, bool looped) {
  int i = IndexOf(name);
  if (i >= 0) {
    TWaveItem& item = *Items[static_cast<size_t>(i)];
    item.LoadFromFile(path);
    item.Name = name;
    item.Looped = looped;
    item.MakeReady();
    return item;
  }
  auto item = std::make_unique<TWaveItem>(Backend);
  item->LoadFromFile(path);  // a file that cannot be read adds nothing
  item->Name = name;
  item->Looped = looped;
  item->MakeReady();
  Items.push_back(std::move(item));
  return *Items.back();
}

}  // namespace sw
