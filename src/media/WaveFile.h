#pragma once
// RIFF WAVE reading. Sound editors export many sample formats; every one the game reads is
// turned into what the mixer plays: signed 16-bit samples, one or two channels.
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// Sound samples as signed 16-bit, interleaved when there are two channels.
struct TWaveData {
  int Rate = 22050;
  int Channels = 1;
  std::vector<int16_t> Samples;
  double Seconds() const {
    return Rate > 0 && Channels > 0 ? static_cast<double>(Samples.size()) / Channels / Rate : 0.0;
  }
};

// Decodes WAVE bytes: integer PCM of 8, 16, 24 or 32 bits, floating point of 32 or 64 bits,
// with the plain or the extensible format header. More than two channels keep the first two
// (front left and right). False with a reason when the bytes are not a sound it can read.
bool DecodeWave(const std::string& bytes, TWaveData& out, std::string& why);
// Loads a wave file; raises the game's error when it cannot be opened or read.
TWaveData LoadWaveFile(const std::string& path);

}  // namespace sw
