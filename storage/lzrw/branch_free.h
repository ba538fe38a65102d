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

// Where a table entry points: kStartStringRef names the start string, anything else is an
// offset into the source; chosen without a branch.
inline const uint8_t* SourceOf(const uint8_t* base, uint32_t entry) {
  return reinterpret_cast<const uint8_t*>(PickIfZero(uint64_t(uint32_t(entry + 1)),
                                                     reinterpret_cast<uintptr_t>(kStartString),
                                                     reinterpret_cast<uintptr_t>(base + entry)));
}

// One position a step searched: `literal` is 0 for a copy of `length` bytes whose reference
// (a distance, a slot or a phrase number) is `reference`, anything else for a literal.
struct Lane {
  uint64_t literal;
  uint32_t length;
  uint32_t reference;
};

// Writes the items of a group that branch-free steps encode, moving the caller's source and
// stream positions, and keeps the group's control bits.
class StepWriter {
 public:
  StepWriter(const uint8_t*& p, uint8_t*& out) : p_(p), out_(out) {}
  bool PairFits() const { return count_ < kGroupItems - 1; }
  bool OneFits() const { return count_ < kGroupItems; }
  uint32_t Bits() const { return bits_; }

  // Which lanes of a pair became copies; the second only counts after a literal.
  struct Copies {
    uint32_t first;
    uint32_t second;
  };
  // Two positions searched at p and p + 1, the second as if the first were a literal: a
  // copy, a literal and a copy, or two literals. Writes up to one byte past the items.
  Copies Pair(const Lane& a, const Lane& b) {
    const uint32_t copy0 = a.literal == 0;
    const uint32_t copy1 = uint32_t(b.literal == 0) & (copy0 ^ 1);
    const uint8_t* const p = p_;
    uint8_t* const out = out_;
    out[0] = uint8_t(PickIfZero(a.literal, Code(a), uint32_t(p[0])));
    out[1] =
        uint8_t(PickIfZero(a.literal, a.reference, PickIfZero(b.literal, Code(b), uint32_t(p[1]))));
    out[2] = uint8_t(b.reference);
    out_ = out + 2 + copy1;
    p_ = p + PickIfZero(a.literal, uint64_t(a.length),
                        PickIfZero(b.literal, uint64_t(b.length) + 1, uint64_t(2)));
    bits_ |= (copy0 | (copy1 << 1)) << count_;
    count_ += 2 - copy0;
    return {copy0, copy1};
  }
  // One position searched at p; returns 1 for a copy. Writes up to one byte past the item.
  uint32_t One(const Lane& a) {
    const uint32_t copy = a.literal == 0;
    out_[0] = uint8_t(PickIfZero(a.literal, Code(a), uint32_t(p_[0])));
    out_[1] = uint8_t(a.reference);
    out_ += 1 + copy;
    p_ += PickIfZero(a.literal, uint64_t(a.length), uint64_t(1));
    bits_ |= copy << count_;
    ++count_;
    return copy;
  }

 private:
  static uint32_t Code(const Lane& lane) {
    return ((lane.reference >> 4) & 0xF0) | (lane.length - kMinMatch);
  }

  const uint8_t*& p_;
  uint8_t*& out_;
  uint32_t bits_ = 0;
  uint32_t count_ = 0;
};

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
