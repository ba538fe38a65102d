// Pieces every LZRW stream shares: header and item layout, the hash, the start string,
// unaligned loads and the copy of a match.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lzrw {

inline constexpr uint8_t kFlagCompressed = 0;
inline constexpr uint8_t kFlagStored = 1;
inline constexpr uint32_t kHeaderSize = 4;
inline constexpr uint32_t kMinMatch = 3;
inline constexpr uint32_t kMaxMatch = 18;
inline constexpr uint32_t kGroupItems = 16;
// A 16-item group consumes at most 16 x 18 source bytes when compressing and occupies at most
// 16 x 2 stream bytes when decompressing: inside these margins no end checks are needed.
inline constexpr uint32_t kCompressRunMargin = kGroupItems * kMaxMatch;  // 288
inline constexpr uint32_t kDecompressRunMargin = kGroupItems * 2;        // 32
inline constexpr uint32_t kControlTop = 0xFFFF0000u;
inline constexpr uint32_t kTableSlots = 4096;

// Tables hold 32-bit offsets from the start of the source (compression) or of the
// destination (decompression), so they fit the published work-memory sizes on any machine.
// This value stands for the start string; no buffer position can take it.
inline constexpr uint32_t kStartStringRef = 0xFFFFFFFFu;

// Every table starts out pointing here, so each entry addresses at least 18 readable bytes.
// Zeros pad it to 32 bytes, so a copy from it may move 32 bytes as one from the output does.
inline constexpr size_t kStartStringRoom = 32;
extern const uint8_t kStartString[kStartStringRoom];

inline uint16_t Load16(const uint8_t* p) {
  uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}
inline uint32_t Load32(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
inline uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}
inline void Store16(uint8_t* p, uint16_t v) {
  std::memcpy(p, &v, 2);
}
inline void Store32(uint8_t* p, uint32_t v) {
  std::memcpy(p, &v, 4);
}
inline void Store64(uint8_t* p, uint64_t v) {
  std::memcpy(p, &v, 8);
}

// 40543 x ((b0 << 8) ^ (b1 << 4) ^ b2); the key stays below 2^16, the product below 2^32.
inline uint32_t HashProduct(const uint8_t* p) {
  return 40543u * ((uint32_t(p[0]) << 8) ^ (uint32_t(p[1]) << 4) ^ p[2]);
}
// The same in its low 16 bits, which are all the hashes use, from the first 4 bytes at a
// position loaded little-endian (needs 4 readable bytes). Bits of the key above 15 only
// change bits of the product above 15, so b0 is shifted up without masking off b1 and b2.
inline uint32_t HashProductOf(uint32_t v) {
  return 40543u * ((v << 8) ^ ((v >> 4) & 0xFF0) ^ ((v >> 16) & 0xFF));
}
inline uint32_t Hash(const uint8_t* p) {
  return (HashProduct(p) >> 4) & 0xFFF;
}
inline uint32_t Partition(const uint8_t* p) {
  return (HashProduct(p) >> 4) & 0x1FF;
}

inline bool SameFirst3(const uint8_t* a, const uint8_t* b) {
  return ((Load32(a) ^ Load32(b)) & 0x00FFFFFFu) == 0;  // little-endian: the first 3 bytes
}

// Equal leading bytes of a and b, at most 18; both must have 18 readable bytes.
inline uint32_t MatchLength(const uint8_t* a, const uint8_t* b) {
  uint64_t x = Load64(a) ^ Load64(b);
  if (x) return uint32_t(__builtin_ctzll(x) >> 3);
  x = Load64(a + 8) ^ Load64(b + 8);
  if (x) return 8 + uint32_t(__builtin_ctzll(x) >> 3);
  uint32_t y = Load16(a + 16) ^ Load16(b + 16);
  if (y) return 16 + uint32_t(__builtin_ctz(y) >> 3);
  return kMaxMatch;
}

// The same, but 0 when fewer than 3 bytes are equal: the common literal answer comes from one
// XOR and one test.
inline uint32_t CopyLength(const uint8_t* a, const uint8_t* b) {
  const uint64_t x = Load64(a) ^ Load64(b);
  if (x & 0x00FFFFFF) return 0;
  if (x) return uint32_t(__builtin_ctzll(x) >> 3);
  uint64_t y = Load64(a + 8) ^ Load64(b + 8);
  if (y) return 8 + uint32_t(__builtin_ctzll(y) >> 3);
  uint32_t z = Load16(a + 16) ^ Load16(b + 16);
  if (z) return 16 + uint32_t(__builtin_ctz(z) >> 3);
  return kMaxMatch;
}

// Equal leading bytes of a and b, at most `limit` (8 to 10 bytes readable at both).
inline uint32_t MatchLength(const uint8_t* a, const uint8_t* b, uint32_t limit) {
  uint64_t x = Load64(a) ^ Load64(b);
  if (x) return uint32_t(__builtin_ctzll(x) >> 3);
  if (limit <= 8) return 8;
  uint32_t y = Load16(a + 8) ^ Load16(b + 8);
  if (y) return 8 + uint32_t(__builtin_ctz(y) >> 3);
  return 10;
}

// Copies a match of 3 to 18 bytes from `from` to `to`, exactly as the byte-by-byte forward
// copy would: when the source runs into the bytes being written, those bytes repeat.
inline void CopyMatch(uint8_t* to, const uint8_t* from, uint32_t length) {
  const uintptr_t distance = uintptr_t(to) - uintptr_t(from);
  if (distance >= length) {
    // No overlap: every byte is read before any is written, so wide moves give the same bytes.
    if (length <= 8) {
      if (length >= 4) {
        const uint32_t a = Load32(from), b = Load32(from + length - 4);
        Store32(to, a);
        Store32(to + length - 4, b);
      } else {
        const uint16_t a = Load16(from), b = Load16(from + 1);
        Store16(to, a);
        Store16(to + 1, b);
      }
    } else if (length <= 16) {
      const uint64_t a = Load64(from), b = Load64(from + length - 8);
      Store64(to, a);
      Store64(to + length - 8, b);
    } else {
      const uint64_t a = Load64(from), b = Load64(from + 8), c = Load64(from + length - 8);
      Store64(to, a);
      Store64(to + 8, b);
      Store64(to + length - 8, c);
    }
  } else if (distance == 1) {
    std::memset(to, from[0], length);
  } else {
    for (uint32_t i = 0; i < length; ++i) to[i] = from[i];
  }
}

}  // namespace lzrw
