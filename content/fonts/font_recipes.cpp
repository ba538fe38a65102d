// The three fonts. The status and score-card fonts only ever show numbers but carry all of
// printable ASCII; the list font also shows typed player names, so it carries all of
// Windows-1252.
#include "content/fonts/font_recipes.h"

#include <array>

namespace content {

namespace {

constexpr std::array kFonts{
    FontRecipe{"pt_font01.bmp", "pt_font01.fmc", FontFace::kSansBold, 12, 0x20, 0x7E,
               kStatusFontColours},
    FontRecipe{"pt_font02.bmp", "pt_font02.fmc", FontFace::kSansBold, 11, 0x20, 0x7E,
               kScoreCardFontColours},
    FontRecipe{"pt_highscores_font.bmp", "pt_highscores_font.fmc", FontFace::kSans, 11, 0x20, 0xFF,
               kListFontColours},
};

}  // namespace

std::span<const FontRecipe> FontRecipes() {
  return kFonts;
}

const FontRecipe* FindFontRecipe(std::string_view entryName) {
  for (const FontRecipe& recipe : kFonts)
    if (recipe.picture == entryName || recipe.metrics == entryName) return &recipe;
  return nullptr;
}

}  // namespace content
