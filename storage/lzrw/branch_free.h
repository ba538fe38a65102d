// Pieces of the compressors' branch-free group steps: a choice made by conditional move, the
// length of a candidate's match without branches, and the test for which groups use them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "storage/lzrw/stream_format.h"

namespace lzrw {

// x == 0 ? a : b as a conditional move. The compiler turns some plain choices back into
// branches, and the point of a branch-free step is that nothing in it can be mispredicted.
template <class T>
inline T PickIfZero(uint64_t x, T a, T b) {
#if defined(__x86_64__)
  asm("test %[x], %[x]\n\tcmovz %[a], %[b]" : [b] "+r"(b) : [a] "r"(a), [x] "r"(x) : "cc");
  return b;
#else
  return x == 0 ? a : b;
#endif
}

// The index of the lowest set bit of x; any value when x is 0 (callers then pick another).
inline uint64_t LowBit(uint64_t x) {
#if defined(__x86_64__)
  uint64_t r;
  asm("rep bsf %[x], %[r]" : [r] "=r"(r) : [x] "r"(x) : "cc");
  return r;
#else
  return x ? uint64_t(__builtin_ctzll(x)) : 64;
#endif
}

// What a candidate offers: its first 8 bytes compared with the position's (0 where equal;
// a copy needs the low 3 bytes 0) and the number of equal leading bytes up to 18, found
// without a branch. Both need 18 readable bytes.
struct Offer {
  uint64_t head;
  uint32_t length;
};
inline Offer OfferAt(const uint8_t* s, const uint8_t* c) {
  const uint64_t x0 = Load64(s) ^ Load64(c);
  const uint64_t x1 = Load64(s + 8) ^ Load64(c + 8);
  const uint32_t x2 = uint32_t(Load16(s + 16) ^ Load16(c + 16)) | 0x10000u;
  const uint32_t t0 = uint32_t(LowBit(x0));
  const uint32_t t1 = 64 + uint32_t(LowBit(x1));
  const uint32_t t2 = 128 + uint32_t(__builtin_ctz(x2));
  return {x0, PickIfZero(x0, PickIfZero(x1, t2, t1), t0) >> 3};
}

// Items one at a time follow the branch predictor well where literals run long (the next
// position is known at once) or copies run long; where short copies and literals mix, the
// mispredicted choices cost more than the searches, and branch-free steps win. How many
// source bytes the last group took tells which kind of data this is. The first group always
// goes item by item.
class MixedGroups {
 public:
  MixedGroups(size_t from, size_t to) : from_(from), to_(to) {}
  // Asked once for every whole group, in order, with the position it begins at.
  bool At(const uint8_t* p) {
    const uint8_t* const previous = start_;
    start_ = p;
    if (previous == nullptr) return false;
    const size_t used = size_t(p - previous);
    return used >= from_ && used <= to_;
  }

 private:
  size_t from_, to_;
  const uint8_t* start_ = nullptr;
};

}  // namespace lzrw
