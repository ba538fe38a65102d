// Little-endian fields of the program's file formats (bitmaps, fonts, archives, compressed
// blocks, course walls), read and written a byte at a time whatever the host's order.
#pragma once

#include <cstdint>

namespace frame {

inline uint16_t ReadLittle16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t ReadLittle32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

inline void WriteLittle32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

}  // namespace frame
