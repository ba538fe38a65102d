// Text for titles, labels and bitmap fonts, rendered with FreeType from the DejaVu fonts the
// machine has. Crisp (one-bit) glyphs by default, so text stays sharp on the 240x320 screen.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "content/art/canvas.h"

namespace content {

enum class FontFace { kSans, kSansBold, kCondensedBold, kSerifBold, kMono, kMonoBold };
enum class Smoothing { kCrisp, kSmooth };

struct TextStyle {
  FontFace face = FontFace::kSans;
  int pixelSize = 12;  // the em height in pixels
  Rgb colour{0, 0, 0};
  Smoothing smoothing = Smoothing::kCrisp;
};

// One glyph's coverage (0 to 255 a pixel), placed relative to the pen on the baseline.
struct Glyph {
  int width = 0, height = 0;
  int left = 0;     // from the pen to the first column
  int top = 0;      // from the baseline up to the first row
  int advance = 0;  // whole pixels to the next pen position
  std::vector<uint8_t> coverage;
};

// The glyph of a Unicode code point; an empty glyph with the font's advance for missing ones.
Glyph RenderGlyph(char32_t codePoint, FontFace face, int pixelSize, Smoothing smoothing);

// The font's ascent and descent in pixels at that size (both positive).
int Ascent(FontFace face, int pixelSize);
int Descent(FontFace face, int pixelSize);

// Width of UTF-8 text in pixels.
int TextWidth(std::string_view utf8, const TextStyle& style);
// Draws UTF-8 text with the top of its line box at y; returns the pen's x after the last glyph.
int DrawText(Canvas& canvas, int x, int y, std::string_view utf8, const TextStyle& style);
// Centred on `centreX`.
void DrawTextCentred(Canvas& canvas, int centreX, int y, std::string_view utf8,
                     const TextStyle& style);
// With a one-pixel outline (or drop shadow) in `outline` around every glyph pixel.
enum class Outline { kAround, kShadow };
void DrawTextOutlined(Canvas& canvas, int x, int y, std::string_view utf8, const TextStyle& style,
                      Rgb outline, Outline kind = Outline::kAround);

// The UTF-8 text as code points (invalid bytes become U+FFFD).
std::u32string DecodeUtf8(std::string_view utf8);

}  // namespace content
