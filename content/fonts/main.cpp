// pt-gen-fonts: the glyph strips and ".fmc" metrics of the game's three bitmap fonts.
// Usage: pt-gen-fonts MANIFEST OUTDIR
#include <optional>

#include "content/art/generator.h"
#include "content/fonts/font_strip.h"

int main(int argc, char** argv) {
  return content::RunGenerator(
      argc, argv, "fonts", [](const content::ManifestEntry& e) -> std::optional<content::Bytes> {
        const content::FontRecipe* recipe = content::FindFontRecipe(e.name);
        if (!recipe) return std::nullopt;
        const content::FontStrip strip = content::DrawFontStrip(*recipe);
        if (e.name == recipe->metrics) return content::EncodeFontMetrics(strip.metrics);
        return content::PictureBytes(e, strip.picture);
      });
}
