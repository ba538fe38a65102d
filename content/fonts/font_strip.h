// Drawing a font's glyph strip: every character FreeType-rendered one-bit at the largest size
// whose printable ASCII fits the strip's height, in cells side by side on one row.
#pragma once

#include "content/art/canvas.h"
#include "content/fonts/font_metrics.h"
#include "content/fonts/font_recipes.h"

namespace content {

struct FontStrip {
  Canvas picture;  // height = recipe.height; width = the sum of the glyph widths
  FontMetrics metrics;
  int pixelSize = 0;    // the em size the glyphs were rendered at
  int baselineRow = 0;  // the first strip row below the baseline
};

FontStrip DrawFontStrip(const FontRecipe& recipe);

}  // namespace content
