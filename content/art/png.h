// PNG files of canvases, for the desktop icon and the contact sheets (libpng).
#pragma once

#include <filesystem>
#include <string>

#include "content/art/canvas.h"

namespace content {

// False, with a reason in `error`, when the file cannot be written.
bool WritePng(const std::filesystem::path& file, const Canvas& canvas, std::string& error);

// The canvas enlarged `factor` times, each pixel a square (no smoothing).
Canvas Enlarge(const Canvas& canvas, int factor);

}  // namespace content
