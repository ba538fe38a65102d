// Feeds arbitrary bytes to the WAVE parser and converts whatever it accepts, at two device rates.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "backend/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // A copy of exactly `size` bytes, so that ASan catches any read past the end.
  std::vector<uint8_t> image(data, data + size);
  auto sound = platform::ParseWave(image.data(), image.size());
  if (!sound) return 0;
  for (unsigned rate : {44100u, 22050u}) {
    auto pcm = platform::ConvertToStereo16(*sound, rate);
    if (pcm.size() % 2 != 0) __builtin_trap();
  }
  return 0;
}
