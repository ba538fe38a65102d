// LZRW1-A: a copy's reference is its distance back from the current position (1 to 4095).
// The compressor's table of 4096 offsets is indexed by the hash of three bytes; the
// decompressor needs no table.
#include <cstring>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/branch_free.h"
#include "storage/lzrw/compress_driver.h"
#include "storage/lzrw/decompress_driver.h"
#include "storage/lzrw/hash_window.h"

namespace lzrw {
namespace {

constexpr uint32_t kMaxDistance = 4095;

// The same pointer, but the compiler no longer knows it: an address computed once for two
// uses costs the item search a cycle, while a load folds the sum into its own address.
template <class T>
inline T* Opaque(T* p) {
  asm("" : "+r"(p));
  return p;
}

struct Lzrw1aCompressor {
  uint32_t* table = nullptr;
  const uint8_t* base = nullptr;
  const uint8_t* end = nullptr;
  BasicHashWindow<true> hashes;

  uint32_t Item(const uint8_t* s, uint32_t* reference) {
    const uint32_t h = hashes.At(s, end);
    const uint32_t here = uint32_t(s - base);
    const uint32_t candidate = table[h];
    Opaque(table)[h] = here;
    const uint32_t distance = here - candidate;
    // Only an earlier position at most 4095 back is a candidate; the table holds positions of
    // earlier items (or 0 from its clearing), so the candidate is always readable. The test
    // stays off the branch predictor: `reach` is the distance, or 2^32 for distance 0, and its
    // bits from 12 up, nonzero exactly for an unusable candidate, force a difference into
    // the first 3 bytes (they are below bit 21).
    const uint64_t reach = uint64_t(distance - 1u) + 1;
    const uint64_t head = (Load64(s) ^ Load64(base + candidate)) | (reach / (kMaxDistance + 1));
    if (head & 0x00FFFFFF) return 0;  // fewer than 3 equal bytes: a literal
    *reference = distance;
    if (head) return uint32_t(__builtin_ctzll(head) >> 3);
    const uint8_t* c = Opaque(base) + candidate;
    return 8 + MatchLength(s + 8, c + 8, kMaxMatch - 8);
  }
  void GroupEnd() {}

  // Every group after the first is encoded here: those after one of 40 to 200 source bytes
  // (mixed short copies and literals) in branch-free steps, the others item by item.
  MixedGroups mixed{40, 200};
  bool mixedGroup = false;
  bool pastFirst = false;
  bool EncodesGroupAt(const uint8_t* p) {
    mixedGroup = mixed.At(p);
    const bool encodes = pastFirst;
    pastFirst = true;
    return encodes;
  }

  // Item by item as the driver would, but with the simpler distance test that holds past the
  // first group (see EncodeGroup).
  uint32_t ItemByItem(const uint8_t*& p, uint8_t*& out) {
    uint32_t bits = 0;
    for (uint32_t bit = 1; bit != 1u << kGroupItems; bit <<= 1) {
      const uint32_t h = hashes.At(p, end);
      const uint32_t here = uint32_t(p - base);
      const uint32_t candidate = table[h];
      Opaque(table)[h] = here;
      const uint32_t distance = here - candidate;
      const uint64_t head = (Load64(p) ^ Load64(base + candidate)) | (distance >> 12);
      if (head & 0x00FFFFFF) {
        *out++ = *p++;
        continue;
      }
      uint32_t length;
      if (head) {
        length = uint32_t(uint64_t(__builtin_ctzll(head)) >> 3);
      } else {
        const uint8_t* c = Opaque(base) + candidate;
        length = 8 + MatchLength(p + 8, c + 8, kMaxMatch - 8);
      }
      out[0] = uint8_t(((distance >> 4) & 0xF0) | (length - kMinMatch));
      out[1] = uint8_t(distance);
      out += 2;
      p += length;
      bits |= bit;
    }
    return bits;
  }

  // A step looks up two positions at once, the second as if the first were a literal (its
  // table write comes first, so a shared slot gives the second the first's position), and
  // takes the second back when the first is a copy. A step is one item or two. Every
  // position here is past the first group, and every table entry is an earlier position or
  // 0, so a distance is never 0 and only its upper limit needs testing.
  uint32_t EncodeGroup(const uint8_t*& p, uint8_t*& out) {
    if (!mixedGroup) return ItemByItem(p, out);
    StepWriter steps(p, out);
    while (steps.PairFits()) {
      const uint16_t* w = hashes.Span(p, 2, end);
      const uint32_t h0 = w[0];
      const uint32_t h1 = w[1];
      const uint32_t here = uint32_t(p - base);
      const uint32_t c0 = table[h0];
      table[h0] = here;
      const uint32_t c1 = table[h1];
      table[h1] = here + 1;
      const uint32_t d0 = here - c0;
      const uint32_t d1 = here + 1 - c1;
      const Offer m0 = OfferAt(p, base + c0);
      const Offer m1 = OfferAt(p + 1, base + c1);
      // Literal unless the first 3 bytes are equal and the candidate is not too far back.
      const Lane lane0{(m0.head & 0x00FFFFFF) | (d0 >> 12), m0.length, d0};
      const Lane lane1{(m1.head & 0x00FFFFFF) | (d1 >> 12), m1.length, d1};
      steps.Pair(lane0, lane1);
      table[h1] = PickIfZero(lane0.literal, c1, here + 1);
    }
    if (steps.OneFits()) {
      const uint32_t h = hashes.At(p, end);
      const uint32_t here = uint32_t(p - base);
      const uint32_t candidate = table[h];
      Opaque(table)[h] = here;
      const uint32_t distance = here - candidate;
      const Offer m = OfferAt(p, Opaque(base) + candidate);
      steps.One({(m.head & 0x00FFFFFF) | (distance >> 12), m.length, distance});
    }
    return steps.Bits();
  }
};

struct Lzrw1aDecompressor {
  static constexpr bool kMayReject = true;
  const uint8_t* base;

  void Begin(const uint8_t* destination) { base = destination; }
  void ControlRead() {}
  const uint8_t* Source(uint32_t reference, const uint8_t* z) const {
    if (reference == 0 || reference > size_t(z - base)) return nullptr;
    return z - reference;
  }
  void AfterCopy(uint32_t, const uint8_t*) {}
  void AfterLiteral(const uint8_t*) {}
  void AfterLiterals(const uint8_t*, uint32_t) {}
};

}  // namespace

uint32_t Compress1A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination) {
  // Cleared so that the same input always gives the same stream; a stale entry would only be
  // tested and ignored, never trusted.
  uint32_t* table = reinterpret_cast<uint32_t*>(AlignWork(work));
  std::memset(table, 0, kTableSlots * sizeof(uint32_t));
  Lzrw1aCompressor policy{table, source, source + length, {}};
  return CompressWith(policy, source, length, destination);
}

namespace {

template <Writes kWrites>
uint32_t Expand1A(uint8_t*, const uint8_t* source, uint32_t length, uint8_t* destination,
                  size_t capacity) {
  Lzrw1aDecompressor policy{};
  return DecompressWith<kWrites>(policy, source, length, destination, capacity);
}

}  // namespace

uint32_t Decompress1A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                      size_t capacity) {
  return Expand1A<Writes::kWithinCapacity>(work, source, length, destination, capacity);
}

uint32_t Decompress1AExact(uint8_t* work, const uint8_t* source, uint32_t length,
                           uint8_t* destination, size_t bound) {
  return Expand1A<Writes::kExact>(work, source, length, destination, bound);
}

}  // namespace lzrw
