// RIFF WAVE images: parsing of PCM sound (8-bit unsigned or 16-bit signed, mono or stereo) and
// conversion to the sound device's format. The input is untrusted: nothing is read outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// A parsed WAVE image; `samples` points into the image.
struct WaveSound {
  unsigned channels = 0;       // 1 or 2
  unsigned sampleRate = 0;     // frames per second
  unsigned bitsPerSample = 0;  // 8 (unsigned) or 16 (signed little-endian)
  const uint8_t* samples = nullptr;
  size_t frames = 0;

  // Playing time, rounded up to whole milliseconds.
  uint32_t DurationMs() const;
};

// The sound in a RIFF WAVE image, or nullopt when the image is not PCM WAVE we can play.
// A data chunk that runs past the end of the image (a truncated file) is cut to what is there.
std::optional<WaveSound> ParseWave(const uint8_t* image, size_t size);

// The size a RIFF image declares for itself (8 + the RIFF chunk size), read from its first
// 8 bytes; 0 when they do not start a RIFF image.
size_t RiffImageSize(const uint8_t* header8);

// The sound as interleaved 16-bit stereo at `deviceRate` frames per second (linear resampling).
std::vector<int16_t> ConvertToStereo16(const WaveSound& sound, unsigned deviceRate);

}  // namespace platform
