// A plain PNG writer (stored, uncompressed deflate) for preview sheets, enlarged by a whole
// factor with nearest-neighbour pixels.
#pragma once

#include <string>

#include "content/art/canvas.h"

namespace content {

bool WritePng(const std::string& path, const Canvas& canvas, int scale = 1);

}  // namespace content
