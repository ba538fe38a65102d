// A pixel buffer of any bitmap depth (1, 4, 8, 16, 24, 32 bits), read and written in rows of
// 32-bit 0x00RRGGBB values so every drawing routine works on one format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::gdi {

struct Surface {
  int width = 0;
  int height = 0;
  int bpp = 32;
  int stride = 0;  // bytes per row, a multiple of 4 (of 2 for monochrome device bitmaps)
  uint8_t* bits = nullptr;
  bool bottom_up = false;         // row 0 is the last row in memory (bottom-up DIBs)
  std::vector<uint32_t> palette;  // 0x00RRGGBB entries, for 1, 4 and 8 bits per pixel
  uint32_t masks[3] = {0, 0, 0};  // red, green, blue masks for 16 and 32 bits
  mutable int last_index_ = -1;   // palette lookup cache for writes
  mutable uint32_t last_colour_ = 0;

  uint8_t* Row(int y) const {
    return bits + static_cast<ptrdiff_t>(bottom_up ? height - 1 - y : y) * stride;
  }
  bool IsPlain32() const {
    return bpp == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
  }
};

// Bytes per row for a width and depth, rounded up to `align` bytes.
int RowBytes(int width, int bpp, int align);

// Reads n pixels of row y starting at x (all inside the surface) as 0x00RRGGBB.
void ReadSpan(const Surface& s, int x, int y, int n, uint32_t* out);
// Writes n 0x00RRGGBB pixels to row y from x; palettised surfaces take the nearest entry.
void WriteSpan(Surface& s, int x, int y, int n, const uint32_t* in);

uint32_t ReadPixel(const Surface& s, int x, int y);
void WritePixel(Surface& s, int x, int y, uint32_t rgb);

// The palette index whose colour is closest to rgb.
int NearestIndex(const Surface& s, uint32_t rgb);

// COLORREF (0x00BBGGRR) and surface pixels (0x00RRGGBB) swap red and blue.
inline uint32_t ColorRefToPixel(uint32_t c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline uint32_t PixelToColorRef(uint32_t p) {
  return ColorRefToPixel(p);
}

}  // namespace platform::gdi
