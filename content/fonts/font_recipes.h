// The game's three bitmap fonts: which face and size they are cut from, the height of their
// glyph strip (fixed, the screen layouts space their lines by it), their codes and colours.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "content/art/text.h"
#include "content/fonts/font_palette.h"

namespace content {

struct FontRecipe {
  std::string_view picture;  // the glyph strip's entry, "pt_font01.bmp"
  std::string_view metrics;  // its metrics entry, "pt_font01.fmc"
  FontFace face;
  int height;           // rows of the strip = the font's line height
  uint8_t first, last;  // Windows-1252 codes the metrics cover, both included
  FontColours colours;
  uint8_t defaultCharacter = '?';
};

std::span<const FontRecipe> FontRecipes();
// The font a picture or metrics entry belongs to; null for any other name.
const FontRecipe* FindFontRecipe(std::string_view entryName);

}  // namespace content
