// The three fonts. The status and score-card fonts only ever show numbers but carry all of
// printable ASCII; the list font also shows typed player names, so it carries all of
// Windows-1252.
#include "content/fonts/font_specs.h"

#include <array>

namespace content {

namespace {

constexpr std::array kFonts{
    FontSpec{"pt_font01.bmp", "pt_font01.fmc", FontFace::kSansBold, 12, 0x20, 0x7E,
             kStatusFontColours},
    FontSpec{"pt_font02.bmp", "pt_font02.fmc", FontFace::kSansBold, 11, 0x20, 0x7E,
             kScoreCardFontColours},
    FontSpec{"pt_highscores_font.bmp", "pt_highscores_font.fmc", FontFace::kSans, 11, 0x20, 0xFF,
             kListFontColours},
};

}  // namespace

std::span<const FontSpec> FontSpecs() {
  return kFonts;
}

const FontSpec* FindFontSpec(std::string_view entryName) {
  for (const FontSpec& spec : kFonts)
    if (spec.picture == entryName || spec.metrics == entryName) return &spec;
  return nullptr;
}

}  // namespace content
