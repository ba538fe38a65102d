// The compressors' hash of every position, computed ahead for a window of positions at once
// (a loop the compiler turns into vector code), so that an item finds its hash with one load.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lzrw {

// kInlineRefill puts the refill into the caller's loop: more code there, but the window then
// stays out of memory the caller's byte stores might alias, so its bounds live in registers.
template <bool kInlineRefill = false>
class BasicHashWindow {
 public:
  // ((40543 x key) >> 4) & 0xFFF of the three bytes at s, where s lies at or after every
  // earlier position asked for and at least 3 bytes before `end`.
  uint32_t At(const uint8_t* s, const uint8_t* end) {
    if (s >= to_) Fill(s, end);
    return hashes_[s - from_];
  }
  // The hashes of the n positions from s on, under the same conditions for s + n - 1.
  const uint16_t* Span(const uint8_t* s, size_t n, const uint8_t* end) {
    if (s + n > to_) Fill(s, end);
    return hashes_ + (s - from_);
  }

 private:
  static constexpr size_t kWindow = 256;

  // Bits 4 to 15 of the product depend only on its low 16 bits, so 16-bit arithmetic gives them.
  static uint16_t HashAt(const uint8_t* p) {
    const uint16_t key = uint16_t((p[0] << 8) ^ (p[1] << 4) ^ p[2]);
    return uint16_t(uint16_t(key * 40543u) >> 4);
  }

  void Fill(const uint8_t* s, const uint8_t* end) {
    if constexpr (kInlineRefill) {
      Refill(s, end);
    } else {
      RefillOutOfLine(s, end);
    }
  }
  __attribute__((noinline)) void RefillOutOfLine(const uint8_t* s, const uint8_t* end) {
    Refill(s, end);
  }
  __attribute__((always_inline)) void Refill(const uint8_t* s, const uint8_t* end) {
    from_ = s;
    const size_t room = size_t(end - s) - 2;
    if (room >= kWindow) {
      for (size_t i = 0; i < kWindow; ++i) hashes_[i] = HashAt(s + i);
      to_ = s + kWindow;
    } else {
      for (size_t i = 0; i < room; ++i) hashes_[i] = HashAt(s + i);
      to_ = s + room;
    }
  }

  uint16_t hashes_[kWindow]{};
  const uint8_t* from_ = nullptr;
  const uint8_t* to_ = nullptr;
};

using HashWindow = BasicHashWindow<>;

}  // namespace lzrw
