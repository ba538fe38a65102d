// LZRW1-A: a copy's reference is its distance back from the current position (1 to 4095).
// The compressor's table of 4096 offsets is indexed by the hash of three bytes; the
// decompressor needs no table.
#include <cstring>

#include "storage/lzrw/algorithms.h"
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
