// The WAVE writer: a RIFF header, a 16-byte PCM "fmt " chunk and one "data" chunk (padded to
// an even length, as RIFF chunks must be).
#include "content/sounds/wave_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "content/art/byte_writer.h"

namespace content {

namespace {

void PutTag(std::vector<uint8_t>& out, std::string_view tag) {
  out.insert(out.end(), tag.begin(), tag.end());
}

}  // namespace

std::vector<uint8_t> EncodeWave(const WaveFormat& format, const std::vector<double>& samples) {
  const uint32_t bytesPerSample = uint32_t(format.bitsPerSample / 8);
  const uint32_t blockAlign = uint32_t(format.channels) * bytesPerSample;
  const size_t frames = samples.size() / size_t(format.channels);
  const uint32_t dataSize = uint32_t(frames * blockAlign);
  const uint32_t padding = dataSize & 1;

  std::vector<uint8_t> out;
  out.reserve(44 + dataSize + padding);
  PutTag(out, "RIFF");
  Put32(out, 4 + (8 + 16) + (8 + dataSize + padding));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, uint32_t(format.channels));
  Put32(out, uint32_t(format.sampleRate));
  Put32(out, uint32_t(format.sampleRate) * blockAlign);
  Put16(out, blockAlign);
  Put16(out, uint32_t(format.bitsPerSample));
  PutTag(out, "data");
  Put32(out, dataSize);
  for (size_t i = 0; i < frames * size_t(format.channels); ++i) {
    const double v = std::clamp(samples[i], -1.0, 1.0);
    if (format.bitsPerSample == 8) {
      out.push_back(uint8_t(std::lround(128.0 + 127.0 * v)));
    } else {
      Put16(out, uint16_t(int16_t(std::lround(32767.0 * v))));
    }
  }
  if (padding) out.push_back(0);
  return out;
}

}  // namespace content
