// The font strips against what the game draws with them: every character present, cells that
// tile the strip, ink inside the cells, and metrics the game's own reader reads back the same.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "content/fonts/font_strip.h"
#include "content/fonts/windows1252.h"
#include "frame/elements/bitmap_font.h"
#include "screens/help_text.h"

namespace content {
namespace {

// The help box is 180 px wide and its text stands 2 px in from either side.
constexpr int kHelpTextWidth = 180 - 2 - 2;

struct Drawn {
  const FontRecipe* recipe;
  FontStrip strip;
  frame::BitmapFontMetrics read;  // the encoded metrics as the game reads them
};

const Drawn& Font(std::string_view picture) {
  static std::vector<Drawn> fonts = [] {
    std::vector<Drawn> all;
    for (const FontRecipe& recipe : FontRecipes()) {
      FontStrip strip = DrawFontStrip(recipe);
      const auto bytes = EncodeFontMetrics(strip.metrics);
      all.push_back(
          {&recipe, std::move(strip), frame::BitmapFontMetrics::Parse(bytes.data(), bytes.size())});
    }
    return all;
  }();
  for (const Drawn& f : fonts)
    if (f.recipe->picture == picture) return f;
  throw std::runtime_error("no such font");
}

// The glyph of c itself (not the default character's), or null.
const frame::BitmapFontMetrics::Glyph* Own(const Drawn& f, uint8_t c) {
  const frame::BitmapFontMetrics::Glyph* g = f.read.Lookup(c);
  const int index = c - f.read.first;
  return index >= 0 && index < int(f.read.glyphs.size()) && g == &f.read.glyphs[size_t(index)]
             ? g
             : nullptr;
}

int Width(const Drawn& f, std::string_view text) {
  int width = 0;
  for (char c : text) width += f.read.Lookup(uint8_t(c))->width;
  return width;
}

TEST(FontStrip, EveryCharacterTheGameDrawsHasItsOwnGlyph) {
  std::vector<std::pair<std::string_view, std::string>> drawn = {
      {"pt_font01.bmp", "0123456789"},
      {"pt_font02.bmp", "0123456789"},
      {"pt_highscores_font.bmp", "0123456789 GardenGolf clubDesertMoonMarsNo name v1.3"},
  };
  for (const char* line : screens::kHelpLines) drawn.push_back({"pt_highscores_font.bmp", line});
  for (const auto& [font, text] : drawn)
    for (char c : text) EXPECT_NE(Own(Font(font), uint8_t(c)), nullptr) << font << " '" << c << "'";
}

TEST(FontStrip, TheListFontCarriesEveryPrintableWindows1252Byte) {
  const Drawn& f = Font("pt_highscores_font.bmp");
  EXPECT_EQ(f.read.first, 0x20);
  EXPECT_EQ(f.read.count, 0xE0);
  EXPECT_EQ(f.read.defaultCharacter, '?');
  for (int c = 0x20; c < 0x100; ++c) {
    if (Windows1252ToUnicode(uint8_t(c)) != 0) {
      EXPECT_NE(Own(f, uint8_t(c)), nullptr) << std::hex << c;
    } else {  // the unassigned bytes (and DEL) show the default character
      EXPECT_EQ(f.read.Lookup(uint8_t(c)), Own(f, '?')) << std::hex << c;
    }
  }
  EXPECT_EQ(f.read.Lookup(0x0A), Own(f, '?'));
}

TEST(FontStrip, CellsTileTheStripAtItsFixedHeight) {
  for (const FontRecipe& recipe : FontRecipes()) {
    const Drawn& f = Font(recipe.picture);
    EXPECT_EQ(f.strip.picture.Height(), recipe.height) << recipe.picture;
    int x = 0;
    for (const auto& g : f.read.glyphs) {
      if (g.width == 255) continue;
      EXPECT_EQ(g.x, x) << recipe.picture;
      EXPECT_GT(g.width, 0);
      x += g.width;
    }
    EXPECT_EQ(x, f.strip.picture.Width()) << recipe.picture;
    EXPECT_GT(Own(f, ' ')->width, 1) << recipe.picture;
  }
}

// Numbers are right-aligned in columns (score card, status line, high scores): equal digit
// widths keep the columns straight.
TEST(FontStrip, DigitsShareOneWidth) {
  for (const FontRecipe& recipe : FontRecipes()) {
    const Drawn& f = Font(recipe.picture);
    std::set<int> widths;
    for (char c = '0'; c <= '9'; ++c) widths.insert(Own(f, uint8_t(c))->width);
    EXPECT_EQ(widths.size(), 1u) << recipe.picture;
  }
}

TEST(FontStrip, GlyphsAreInkOnPaperInsideTheirOwnCells) {
  for (const FontRecipe& recipe : FontRecipes()) {
    const Drawn& f = Font(recipe.picture);
    const Canvas& p = f.strip.picture;
    for (int c = recipe.first; c <= recipe.last; ++c) {
      const auto* g = Own(f, uint8_t(c));
      if (!g) continue;
      int ink = 0;
      for (int y = 0; y < p.Height(); ++y) {
        for (int x = g->x; x < g->x + g->width; ++x) {
          const Rgb px = p.Get(x, y);
          ASSERT_TRUE(px == recipe.colours.ink || px == recipe.colours.paper);
          ink += px == recipe.colours.ink;
        }
      }
      const bool blank = c == ' ' || c == 0xA0;
      EXPECT_EQ(ink > 0, !blank) << recipe.picture << " " << std::hex << c;
    }
  }
}

// Accented capitals are taller than the strip allows above the baseline; their accents must be
// tucked down, not cut off.
TEST(FontStrip, AccentedCapitalsKeepTheirAccents) {
  const Drawn& f = Font("pt_highscores_font.bmp");
  auto inkRows = [&](uint8_t c) {
    const auto* g = Own(f, c);
    int rows = 0;
    for (int y = 0; y < f.strip.picture.Height(); ++y) {
      for (int x = g->x; x < g->x + g->width; ++x) {
        if (f.strip.picture.Get(x, y) == f.recipe->colours.ink) {
          ++rows;
          break;
        }
      }
    }
    return rows;
  };
  for (uint8_t accented : {0xC0, 0xC9, 0xD6, 0x8A /* Š */, 0x9F /* Ÿ */})
    EXPECT_GT(inkRows(accented), inkRows('E')) << std::hex << int(accented);
}

TEST(FontStrip, HelpLinesFitTheHelpBox) {
  const Drawn& f = Font("pt_highscores_font.bmp");
  for (const char* line : screens::kHelpLines) EXPECT_LE(Width(f, line), kHelpTextWidth) << line;
}

}  // namespace
}  // namespace content
