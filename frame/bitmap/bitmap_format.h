// The bitmap file layout as the game reads it: a 14-byte file header (only the bits offset is
// used), the 40-byte information header, a colour table of exactly 2^bpp entries for depths of
// 8 bits or less, and the pixel rows. Parsing checks every size against the entry.
#pragma once

#include <cstdint>
#include <vector>

namespace frame {

enum class BitmapProblem {
  kNone,
  kTooShort,  // fewer than 54 bytes
  kPalette,   // the colour table runs past the end
  kBits,      // the pixel rows run past the end
};

struct BitmapLayout {
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top-down
  uint32_t bitsPerPixel = 0;
  uint32_t rowStride = 0;  // ((width x bpp + 31) / 32) x 4
  uint64_t imageSize = 0;  // row stride x number of rows
  uint32_t bitsOffset = 0;
  // The 40-byte information header (its size field set to 40), then the 2^bpp colours, or
  // above 8 bits per pixel 12 bytes for bit-field masks.
  std::vector<uint8_t> info;
};

inline constexpr uint32_t kBitmapHeadersSize = 54;

// Fills `layout` as far as the bytes allow and says what is missing, in the order the loader
// reports it: too short, colour table, pixel rows.
BitmapProblem ParseBitmap(const uint8_t* data, uint32_t size, BitmapLayout& layout);

}  // namespace frame
