// Drawing a still block picture from its catalogue row.
#include "content/terrain/block_painter.h"

#include <cmath>

#include "content/terrain/floor.h"
#include "content/terrain/markings.h"

namespace content {
namespace {

constexpr Rgb kWallDark{12, 20, 12};

// Diagonal and arc walls: a dark line as solid as the game's straight walls, lit by a pale
// line on the floor side.
void PaintWall(Canvas& canvas, const BlockPicture& block) {
  const double core = block.wall == WallShape::kDiagonal ? 0.75 : 0.72;
  for (int y = 0; y < kCellPixels; ++y) {
    for (int x = 0; x < kCellPixels; ++x) {
      const double d = WallDistance(block, x, y);
      if (d < core) {
        canvas.Set(x, y, kWallDark);
      } else if (d < core + 0.9 && !IsOutside(block, x, y)) {
        canvas.Set(x, y, Shade(canvas.Get(x, y), 0.38));
      }
    }
  }
}

}  // namespace

Canvas PaintBlock(const BlockPicture& block) {
  Canvas canvas(kCellPixels, kCellPixels);
  if (block.kind == BlockKind::kSlope) {
    PaintSlope(canvas, block);
  } else {
    for (int y = 0; y < kCellPixels; ++y)
      for (int x = 0; x < kCellPixels; ++x) canvas.Set(x, y, FloorColour(x, y));
  }
  PaintMarking(canvas, block);
  if (block.wall != WallShape::kNone) {
    for (int y = 0; y < kCellPixels; ++y) {
      for (int x = 0; x < kCellPixels; ++x)
        if (IsOutside(block, x, y)) canvas.Set(x, y, kMagenta);
    }
    PaintWall(canvas, block);
  }
  return canvas;
}

}  // namespace content
