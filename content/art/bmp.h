// Windows bitmap files for the data archive: written bottom-up, 8-bit with a colour table when
// the picture has at most 256 colours (smaller, and packs well), 24-bit otherwise; and read back.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "content/art/canvas.h"

namespace content {

std::vector<uint8_t> EncodeBmp(const Canvas& canvas);

// Reads an uncompressed bottom-up 8- or 24-bit bitmap file; nullopt for anything else, for a
// size that does not fit the bytes, or for a picture over 4096 pixels a side.
std::optional<Canvas> DecodeBmp(std::span<const uint8_t> bytes);

}  // namespace content
