// Writing 32-bit 0x00RRGGBB pixel buffers as RGB PNG files (libpng), for screenshots.
// Pixels are rows top to bottom, `width` pixels per row.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

// False, with a reason in `error`, when the file cannot be written.
bool WritePng(const std::filesystem::path& file, const uint32_t* pixels, int width, int height,
              std::string* error = nullptr);

}  // namespace platform
