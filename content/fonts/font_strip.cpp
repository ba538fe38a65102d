// Glyph strips. A cell is the glyph's advance wide (widened for ink that hangs over either
// side) and the strip's height tall, filled with the paper colour so the game can copy it opaque.
#include "content/fonts/font_strip.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "content/art/text.h"
#include "content/fonts/windows1252.h"

namespace content {

namespace {

struct Fit {
  int pixelSize;
  int baselineRow;
};

// The largest em size at which every printable ASCII glyph fits between the strip's top and
// bottom rows; a spare row goes above the text, so lines drawn 1 px apart keep a 2 px gap.
Fit FitSize(const FontRecipe& recipe) {
  for (int size = recipe.height + 4; size >= 6; --size) {
    int above = 0, below = 0;
    for (char32_t c = 0x21; c < 0x7F; ++c) {
      const Glyph g = RenderGlyph(c, recipe.face, size, Smoothing::kCrisp);
      if (g.height == 0) continue;
      above = std::max(above, g.top);
      below = std::max(below, g.height - g.top);
    }
    if (above + below <= recipe.height) {
      const int spare = recipe.height - above - below;
      return {size, (spare + 1) / 2 + above};
    }
  }
  throw std::runtime_error("no size of the face fits " + std::to_string(recipe.height) + " rows");
}

bool BlankRow(const Glyph& g, int row) {
  const auto* p = &g.coverage[size_t(row) * size_t(g.width)];
  return std::all_of(p, p + g.width, [](uint8_t a) { return a == 0; });
}

// Accented capitals reach higher than any ASCII glyph. Rather than cut off the accent, drop
// blank rows between the accent and the letter (from the top down) until the glyph fits; only
// what still overhangs after that is clipped.
Glyph TuckUnder(Glyph g, int rowsAvailable) {
  int excess = g.top - rowsAvailable;
  for (int row = 1; excess > 0 && row < g.height && row < g.top;) {
    if (!BlankRow(g, row)) {
      ++row;
      continue;
    }
    g.coverage.erase(g.coverage.begin() + ptrdiff_t(row) * g.width,
                     g.coverage.begin() + ptrdiff_t(row + 1) * g.width);
    --g.height;
    --g.top;
    --excess;
  }
  return g;
}

}  // namespace

FontStrip DrawFontStrip(const FontRecipe& recipe) {
  const Fit fit = FitSize(recipe);
  struct Cell {
    Glyph glyph;
    int offset;  // from the cell's left edge to the pen
    int width;
  };
  std::vector<Cell> cells;
  FontStrip strip;
  strip.pixelSize = fit.pixelSize;
  strip.baselineRow = fit.baselineRow;
  strip.metrics.first = recipe.first;
  strip.metrics.defaultCharacter = recipe.defaultCharacter;

  int x = 0;
  for (int code = recipe.first; code <= recipe.last; ++code) {
    const char32_t c = Windows1252ToUnicode(uint8_t(code));
    FontMetrics::Glyph entry{int16_t(x), FontMetrics::kAbsent};
    if (c != 0) {
      const Glyph g =
          TuckUnder(RenderGlyph(c, recipe.face, fit.pixelSize, Smoothing::kCrisp), fit.baselineRow);
      const int left = std::min(0, g.left);
      const int right = std::max(g.advance, g.left + g.width);
      const int width = std::max(1, right - left);
      if (width >= FontMetrics::kAbsent) throw std::runtime_error("glyph too wide");
      entry.width = uint8_t(width);
      cells.push_back({g, -left, width});
      x += width;
    }
    strip.metrics.glyphs.push_back(entry);
  }
  if (x > 0x7FFF) throw std::runtime_error("strip too wide for 16-bit offsets");

  strip.picture = Canvas(x, recipe.height, recipe.colours.paper);
  int cellX = 0;
  for (const Cell& cell : cells) {
    const Glyph& g = cell.glyph;
    for (int j = 0; j < g.height; ++j) {
      const int row = fit.baselineRow - g.top + j;
      if (row < 0 || row >= recipe.height) continue;
      for (int i = 0; i < g.width; ++i) {
        if (g.coverage[size_t(j) * size_t(g.width) + size_t(i)] >= 128)
          strip.picture.Set(cellX + cell.offset + g.left + i, row, recipe.colours.ink);
      }
    }
    cellX += cell.width;
  }
  return strip;
}

}  // namespace content
