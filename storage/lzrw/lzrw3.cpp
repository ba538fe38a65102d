// LZRW3: a copy's reference is the hash-table slot that holds its source. The decompressor
// rebuilds the compressor's table from its own output, so literals enter the table two items
// late, once the three bytes their hash needs exist.
#include <algorithm>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/compress_driver.h"
#include "storage/lzrw/decompress_driver.h"
#include "storage/lzrw/waiting_literals.h"

namespace lzrw {
namespace {

constexpr uint32_t kNoSlot = 0xFFFFFFFFu;

inline const uint8_t* Resolve(const uint8_t* base, uint32_t offset) {
  return offset == kStartStringRef ? kStartString : base + offset;
}

struct Lzrw3Compressor {
  uint32_t* table = nullptr;
  const uint8_t* base = nullptr;
  uint32_t pending1 = kNoSlot;  // slot of the latest literal
  uint32_t pending2 = kNoSlot;  // slot of the literal before it

  uint32_t Item(const uint8_t* s, uint32_t* reference) {
    const uint32_t h = (HashProductOf(Load32(s)) >> 4) & 0xFFF;
    const uint32_t here = uint32_t(s - base);
    const uint32_t match = CopyLength(s, Resolve(base, table[h]));
    if (match >= kMinMatch) {
      if (pending1 != kNoSlot) {
        if (pending2 != kNoSlot) {
          table[pending2] = here - 2;
          pending2 = kNoSlot;
        }
        table[pending1] = here - 1;
        pending1 = kNoSlot;
      }
      table[h] = here;
      *reference = h;
      return match;
    }
    if (pending2 != kNoSlot) table[pending2] = here - 2;
    pending2 = pending1;
    pending1 = h;
    return 0;
  }
  void GroupEnd() {}
};

struct Lzrw3Decompressor : WaitingLiterals<Lzrw3Decompressor> {
  static constexpr bool kMayReject = false;  // every slot names earlier output or the start string
  uint32_t* table = nullptr;
  const uint8_t* base = nullptr;

  void Begin(const uint8_t* destination) { base = destination; }
  void ControlRead() {}
  void Enter(const uint8_t* r) { table[Hash(r)] = uint32_t(r - base); }
  const uint8_t* Source(uint32_t reference, const uint8_t*) const {
    return Resolve(base, table[reference]);
  }
  void AfterCopy(uint32_t reference, const uint8_t* z) {
    EnterWaiting(z);
    table[reference] = uint32_t(z - base);
  }
};

}  // namespace

uint32_t Compress3(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination) {
  uint32_t* table = reinterpret_cast<uint32_t*>(AlignWork(work));
  std::fill_n(table, kTableSlots, kStartStringRef);
  Lzrw3Compressor policy{table, source};
  return CompressWith(policy, source, length, destination);
}

namespace {

template <Writes kWrites>
uint32_t Expand3(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                 size_t capacity) {
  uint32_t* table = reinterpret_cast<uint32_t*>(AlignWork(work));
  std::fill_n(table, kTableSlots, kStartStringRef);
  Lzrw3Decompressor policy{{}, table};
  return DecompressWith<kWrites>(policy, source, length, destination, capacity);
}

}  // namespace

uint32_t Decompress3(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                     size_t capacity) {
  return Expand3<Writes::kWithinCapacity>(work, source, length, destination, capacity);
}

uint32_t Decompress3Exact(uint8_t* work, const uint8_t* source, uint32_t length,
                          uint8_t* destination, size_t bound) {
  return Expand3<Writes::kExact>(work, source, length, destination, bound);
}

}  // namespace lzrw
