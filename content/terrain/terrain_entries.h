// Which terrain picture an entry name asks for: a background, a still block picture or a frame
// of an animated cell; and drawing it.
#pragma once

#include <optional>
#include <string_view>

#include "content/art/canvas.h"

namespace content {

// The picture of a terrain entry such as "pt_background_moon_03.bmp", "block02_090.bmp",
// "block15_180_b.bmp" or "fan_left_h.bmp"; nothing for a name it does not know.
std::optional<Canvas> PaintTerrainEntry(std::string_view name);

}  // namespace content
