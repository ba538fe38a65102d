// RIFF WAVE files of PCM sound: the sample format the game's sounds are stored in and the
// encoder that turns synthesised samples into a file's bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace content {

struct WaveFormat {
  int channels = 1;  // 1 mono, 2 stereo (samples interleaved left, right)
  int sampleRate = 22050;
  int bitsPerSample = 8;  // 8 unsigned or 16 signed
};

// Samples in [-1, 1] (clamped), interleaved by channel; a trailing partial frame is dropped.
// 8-bit samples are centred on 128 and 16-bit ones little-endian, as PCM WAVE wants.
std::vector<uint8_t> EncodeWave(const WaveFormat& format, const std::vector<double>& samples);

}  // namespace content
