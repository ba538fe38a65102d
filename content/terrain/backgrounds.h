// The scenery around the course, one 210 x 189 picture per background number of four sets:
// grass (lawns of the garden and the golf club), ground (desert), moon and mars.
#pragma once

#include <optional>
#include <string_view>

#include "content/art/canvas.h"

namespace content {

inline constexpr int kBackgroundWidth = 210;
inline constexpr int kBackgroundHeight = 189;

// Nothing for a set this generator does not know.
std::optional<Canvas> PaintBackground(std::string_view set, int number);

Canvas PaintGrassBackground(int number);
Canvas PaintDesertBackground(int number);
Canvas PaintMoonBackground(int number);
Canvas PaintMarsBackground(int number);

// Ordered 4 x 4 dither threshold in [0, 1): structured texture that packs well.
double Bayer(int x, int y);

}  // namespace content
