// The putting surface every floor block shares, and the shading that shows how a slope falls:
// heights walked down the engine's own slope functions, lit from the top left.
#pragma once

#include <array>

#include "content/art/canvas.h"
#include "content/catalogue/block_catalogue.h"

namespace content {

inline constexpr Rgb kCarpet{58, 160, 76};

// The carpet at cell pixel (x, y): a faint weave that repeats every 7 pixels, so it runs on
// seamlessly from one 21-pixel cell into the next.
Rgb FloorColour(int x, int y);

// Height above the ground the slope runs down to, per cell pixel, in slope units times pixels.
using HeightField = std::array<std::array<double, kCellPixels>, kCellPixels>;  // [y][x]
HeightField SlopeHeights(const BlockPicture& block);

// The floor of a sloped block: carpet lit by the slope's fall, lighter where higher, with a
// contour line at every step of height.
void PaintSlope(Canvas& canvas, const BlockPicture& block);

}  // namespace content
