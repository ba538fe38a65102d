// RIFF WAVE parsing and conversion. Layout: "RIFF" size "WAVE", then chunks of a 4-byte id, a
// 32-bit little-endian size and the data, padded to an even length. "fmt " holds the format tag
// (1 = PCM), channels, sample rate, byte rate, block align and bits per sample; "data" the frames.
#include "backend/wave.h"

#include <cstring>

namespace platform {
namespace {

constexpr unsigned kFormatPcm = 1;
constexpr unsigned kMinRate = 8000;
constexpr unsigned kMaxRate = 192000;

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// One sample of channel `channel` of frame `frame`, as signed 16-bit.
int Sample(const WaveSound& sound, size_t frame, unsigned channel) {
  size_t index = frame * sound.channels + channel;
  if (sound.bitsPerSample == 8) return (static_cast<int>(sound.samples[index]) - 128) * 256;
  return static_cast<int16_t>(Le16(sound.samples + index * 2));
}

}  // namespace

uint32_t WaveSound::DurationMs() const {
  if (sampleRate == 0) return 0;
  return static_cast<uint32_t>((static_cast<uint64_t>(frames) * 1000 + sampleRate - 1) /
                               sampleRate);
}

size_t RiffImageSize(const uint8_t* header8) {
  if (std::memcmp(header8, "RIFF", 4) != 0) return 0;
  return static_cast<size_t>(Le32(header8 + 4)) + 8;
}

std::optional<WaveSound> ParseWave(const uint8_t* image, size_t size) {
  if (!image || size < 12) return std::nullopt;
  if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) {
    return std::nullopt;
  }
  // The RIFF size may overstate what is there (truncated file): trust the smaller one. A size
  // too small to hold even "WAVE" (0 from a writer that never came back to fill it in) says
  // nothing: then the buffer's end is the image's end.
  size_t end = size;
  size_t declared = static_cast<size_t>(Le32(image + 4)) + 8;
  if (declared >= 12 && declared < end) end = declared;

  WaveSound sound;
  bool haveFormat = false;
  const uint8_t* data = nullptr;
  size_t dataBytes = 0;
  size_t pos = 12;
  while (end - pos >= 8) {
    const uint8_t* chunk = image + pos;
    size_t chunkSize = Le32(chunk + 4);
    size_t available = end - pos - 8;
    size_t bodySize = chunkSize < available ? chunkSize : available;
    const uint8_t* body = chunk + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && !haveFormat) {
      if (bodySize < 16) return std::nullopt;
      unsigned tag = Le16(body);
      sound.channels = Le16(body + 2);
      sound.sampleRate = Le32(body + 4);
      unsigned blockAlign = Le16(body + 12);
      sound.bitsPerSample = Le16(body + 14);
      if (tag != kFormatPcm) return std::nullopt;
      if (sound.channels != 1 && sound.channels != 2) return std::nullopt;
      if (sound.bitsPerSample != 8 && sound.bitsPerSample != 16) return std::nullopt;
      if (sound.sampleRate < kMinRate || sound.sampleRate > kMaxRate) return std::nullopt;
      if (blockAlign != sound.channels * sound.bitsPerSample / 8) return std::nullopt;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0 && !data) {
      data = body;
      dataBytes = bodySize;
    }
    if (chunkSize >= available) break;  // the chunk (or its padding) reaches the end
    pos += 8 + chunkSize + (chunkSize & 1);
  }
  if (!haveFormat || !data) return std::nullopt;
  sound.samples = data;
  sound.frames = dataBytes / (sound.channels * sound.bitsPerSample / 8);
  return sound;
}

std::vector<int16_t> ConvertToStereo16(const WaveSound& sound, unsigned deviceRate) {
  std::vector<int16_t> out;
  if (sound.frames == 0 || sound.sampleRate == 0 || deviceRate == 0) return out;
  uint64_t outFrames = static_cast<uint64_t>(sound.frames) * deviceRate / sound.sampleRate;
  if (outFrames == 0) outFrames = 1;
  out.reserve(outFrames * 2);
  for (uint64_t i = 0; i < outFrames; ++i) {
    // Position in source frames, in 1/65536ths: linear interpolation between two frames.
    uint64_t scaled = i * sound.sampleRate;
    uint64_t pos = (scaled / deviceRate) << 16 | ((scaled % deviceRate) << 16) / deviceRate;
    size_t frame = static_cast<size_t>(pos >> 16);
    int frac = static_cast<int>(pos & 0xFFFF);
    size_t next = frame + 1 < sound.frames ? frame + 1 : frame;
    for (unsigned c = 0; c < 2; ++c) {
      unsigned channel = sound.channels == 2 ? c : 0;
      int a = Sample(sound, frame, channel);
      int b = Sample(sound, next, channel);
      out.push_back(static_cast<int16_t>(a + (static_cast<int64_t>(b - a) * frac >> 16)));
    }
  }
  return out;
}

}  // namespace platform
