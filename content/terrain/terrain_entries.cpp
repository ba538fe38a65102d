// Mapping entry names to the painters.
#include "content/terrain/terrain_entries.h"

#include <string>

#include "content/catalogue/block_catalogue.h"
#include "content/terrain/backgrounds.h"
#include "content/terrain/block_painter.h"
#include "content/terrain/colour_limit.h"
#include "content/terrain/hazards.h"
#include "content/terrain/pushers.h"

namespace content {
namespace {

const BlockPicture* RowNamed(std::string_view name) {
  for (int id = 0; id < kCatalogueSize; ++id)
    if (name == BlockCatalogue(id).name) return &BlockCatalogue(id);
  return nullptr;
}

std::optional<Canvas> Background(std::string_view stem) {
  // pt_background_SET_NN
  constexpr std::string_view kPrefix = "pt_background_";
  if (!stem.starts_with(kPrefix)) return std::nullopt;
  stem.remove_prefix(kPrefix.size());
  const size_t underscore = stem.rfind('_');
  if (underscore == std::string_view::npos || stem.size() - underscore != 3) return std::nullopt;
  const std::string_view digits = stem.substr(underscore + 1);
  if (digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9') return std::nullopt;
  return PaintBackground(stem.substr(0, underscore), (digits[0] - '0') * 10 + (digits[1] - '0'));
}

std::optional<Canvas> Frame(const BlockPicture& row, int frame) {
  if (frame < 0 || frame >= row.frames) return std::nullopt;
  switch (row.kind) {
    case BlockKind::kHazard:
      return PaintHazard(row, frame);
    case BlockKind::kFan:
      return PaintFan(row.facing, frame);
    case BlockKind::kMagnet:
      return PaintMagnet(row.facing, frame);
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<Canvas> PaintTerrainEntry(std::string_view name) {
  if (!name.ends_with(".bmp")) return std::nullopt;
  const std::string_view stem = name.substr(0, name.size() - 4);
  std::optional<Canvas> picture = Background(stem);
  if (!picture) {
    if (const BlockPicture* row = RowNamed(stem); row && row->frames == 1) {
      picture = PaintBlock(*row);
    } else if (stem.size() > 2 && stem[stem.size() - 2] == '_') {
      // An animation frame: "%s_%c" with the letters a, b, c, ...
      if (const BlockPicture* animated = RowNamed(stem.substr(0, stem.size() - 2)))
        picture = Frame(*animated, stem.back() - 'a');
    }
  }
  if (picture) LimitColours(*picture);
  return picture;
}

}  // namespace content
