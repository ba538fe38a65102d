// Glyphs for GDI text: DejaVu Sans through FreeType, rendered without anti-aliasing like the
// handheld's system font (11-pixel em, 14-pixel lines by default), cached per size and character.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "wingdi.h"

namespace platform::gdi {

struct Glyph {
  int width = 0, rows = 0;
  int left = 0, top = 0;  // bitmap offset from the pen position (top: up from the baseline)
  int advance = 0;
  std::vector<uint8_t> mask;  // rows x width, 1 where the glyph is inked
};

struct FontMetrics {
  int ascent = 0, descent = 0, height = 0;
  int average_width = 0, max_width = 0;
  int weight = FW_NORMAL;
};

// A font at one size, obtained for a LOGFONTW through FontFor.
class Font {
 public:
  virtual ~Font() = default;
  virtual const FontMetrics& Metrics() const = 0;
  virtual const Glyph& GlyphFor(uint32_t code) = 0;
};

// The font for a logical font (the stock system font has lfHeight 0). Null if the font files are
// missing; the last error is then ERROR_FILE_NOT_FOUND.
Font* FontFor(const LOGFONTW& logfont);

// The width of a run of characters (the sum of their advances).
int TextWidth(Font& font, std::u32string_view text);

}  // namespace platform::gdi
