// PNG writing through libpng's simplified API.
#include "backend/png_file.h"

#include <png.h>

#include <vector>

namespace platform {

bool WritePng(const std::filesystem::path& file, const uint32_t* pixels, int width, int height,
              std::string* error) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    rgb[i * 3 + 0] = static_cast<uint8_t>(pixels[i] >> 16);
    rgb[i * 3 + 1] = static_cast<uint8_t>(pixels[i] >> 8);
    rgb[i * 3 + 2] = static_cast<uint8_t>(pixels[i]);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), width * 3, nullptr)) {
    if (error) *error = file.string() + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

bool ReadPng(const std::filesystem::path& file, std::vector<uint32_t>& pixels, int& width,
             int& height, std::string* error) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) {
    if (error) *error = file.string() + ": " + image.message;
    return false;
  }
  image.format = PNG_FORMAT_BGRA;  // in memory B, G, R, A: a little-endian 0xAARRGGBB word
  std::vector<uint32_t> read(static_cast<size_t>(image.width) * image.height);
  if (!png_image_finish_read(&image, nullptr, read.data(), 0, nullptr)) {
    if (error) *error = file.string() + ": " + image.message;
    png_image_free(&image);
    return false;
  }
  for (uint32_t& pixel : read) pixel &= 0x00FFFFFF;
  pixels = std::move(read);
  width = static_cast<int>(image.width);
  height = static_cast<int>(image.height);
  return true;
}

}  // namespace platform
