// BitmapFont: text drawn from one picture holding the glyphs side by side, measured by the
// ".fmc" metrics entry of the data archive that goes with the font picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "frame/elements/picture.h"
#include "frame/surface/text_renderer.h"

namespace frame {

// The metrics: first character code, count, default character and, per glyph, its x offset in
// the picture and its width (255 = absent). Entries missing from a short table are absent.
struct BitmapFontMetrics {
  struct Glyph {
    int16_t x = 0;
    uint8_t width = 255;
  };
  int16_t first = 0;
  int16_t count = 0;
  uint8_t defaultCharacter = 0;
  std::vector<Glyph> glyphs;

  // Little-endian: u16 first, u16 count, u16 default (low byte), then 4 bytes per glyph
  // (s16 x offset, u8 width, one ignored byte). Never reads past `size`.
  static BitmapFontMetrics Parse(const uint8_t* data, size_t size);
  // The glyph drawn for code c: its own when present, else the default character's; null when
  // neither exists.
  const Glyph* Lookup(uint8_t c) const;
};

// "pt_font01.bmp" -> "pt_font01.fmc": everything from the first '.' is replaced.
std::string MetricsEntryName(const char* fontEntry);

class BitmapFont : public TextRenderer {
 public:
  // Loads the glyph picture and its metrics from the data archive.
  BitmapFont(const char* entryName, int spacing);
  BitmapFont(const Picture& glyphs, BitmapFontMetrics metrics, int spacing);

  void DrawText(DrawingSurface& surface, int x, int y, const char* text, DWORD rop) override;
  // The sum of the glyph widths; spacing is not included.
  int TextWidth(const char* text) override;
  int TextHeight() override { return height_; }

  // Draws one character and returns where the next one starts.
  int DrawCharacter(DrawingSurface& surface, int x, int y, uint8_t c, DWORD rop);
  int Spacing() const { return spacing_; }

 private:
  BitmapFontMetrics metrics_;
  int height_;
  int spacing_;
  Picture glyphs_;
};

}  // namespace frame
