// Writing 32-bit 0x00RRGGBB pixel buffers as RGB PNG files (libpng), for screenshots, and
// reading PNG files back into such buffers, for tests that compare them.
// Pixels are rows top to bottom, `width` pixels per row.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// False, with a reason in `error`, when the file cannot be written.
bool WritePng(const std::filesystem::path& file, const uint32_t* pixels, int width, int height,
              std::string* error = nullptr);

// Any PNG file as 0x00RRGGBB pixels (alpha dropped); false, with a reason, when unreadable.
bool ReadPng(const std::filesystem::path& file, std::vector<uint32_t>& pixels, int& width,
             int& height, std::string* error = nullptr);

}  // namespace platform
