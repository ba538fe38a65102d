// The ".fmc" metrics that go with a glyph strip: where each character's glyph starts in the
// strip and how wide it is, in the little-endian layout the game's font reader expects.
#pragma once

#include <cstdint>
#include <vector>

namespace content {

struct FontMetrics {
  // The width byte of a character the font lacks; the reader draws the default character.
  static constexpr uint8_t kAbsent = 255;
  struct Glyph {
    int16_t x = 0;
    uint8_t width = kAbsent;
  };
  uint16_t first = 0;
  uint8_t defaultCharacter = '?';
  std::vector<Glyph> glyphs;  // glyphs[i] is character first + i
};

// u16 first, u16 count, u16 default character, then per glyph s16 x, u8 width and a zero byte.
std::vector<uint8_t> EncodeFontMetrics(const FontMetrics& metrics);

}  // namespace content
