// Fuzz target: arbitrary bytes as a bitmap font's ".fmc" metrics, then every character looked up.
#include <cstddef>
#include <cstdint>

#include "frame/elements/bitmap_font.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const frame::BitmapFontMetrics metrics = frame::BitmapFontMetrics::Parse(data, size);
  unsigned total = 0;
  for (int c = 0; c < 256; ++c) {
    if (const frame::BitmapFontMetrics::Glyph* glyph = metrics.Lookup(static_cast<uint8_t>(c))) {
      total += glyph->width + static_cast<unsigned>(glyph->x & 1);
    }
  }
  return total == 0xFFFFFFFFu ? 1 : 0;
}
