// The terrain generator: hole backgrounds, block pictures and the frames of hazard, fan and
// magnet cells, written for every manifest entry of the "terrain" group.
#include "content/art/generator.h"
#include "content/terrain/terrain_entries.h"

int main(int argc, char** argv) {
  return content::RunGenerator(
      argc, argv, "terrain", [](const content::ManifestEntry& e) -> std::optional<content::Bytes> {
        std::optional<content::Canvas> picture = content::PaintTerrainEntry(e.name);
        if (!picture) return std::nullopt;
        return content::PictureBytes(e, *picture);
      });
}
