// LZRW3: a copy's reference is the hash-table slot that holds its source. The decompressor
// rebuilds the compressor's table from its own output, so literals enter the table two items
// late, once the three bytes their hash needs exist.
#include <algorithm>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/branch_free.h"
#include "storage/lzrw/compress_driver.h"
#include "storage/lzrw/decompress_driver.h"
#include "storage/lzrw/waiting_literals.h"

namespace lzrw {
namespace {

constexpr uint32_t kNoSlot = 0xFFFFFFFFu;
// One slot past the table, inside the work memory's 16 bytes of slack: the branch-free steps
// send the table writes of a pending slot that is not set there.
constexpr uint32_t kSpareSlot = kTableSlots;

inline const uint8_t* Resolve(const uint8_t* base, uint32_t offset) {
  return offset == kStartStringRef ? kStartString : base + offset;
}

// The hash of the position, from its first 4 bytes loaded at once.
inline uint32_t SlotOf(const uint8_t* s) {
  return (HashProductOf(Load32(s)) >> 4) & 0xFFF;
}

struct Lzrw3Compressor {
  uint32_t* table = nullptr;
  const uint8_t* base = nullptr;
  uint32_t pending1 = kNoSlot;  // slot of the latest literal
  uint32_t pending2 = kNoSlot;  // slot of the literal before it

  uint32_t Item(const uint8_t* s, uint32_t* reference) {
    const uint32_t h = SlotOf(s);
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

  // Groups after one of 40 to 160 source bytes (mixed short copies and literals) go in
  // branch-free steps.
  MixedGroups mixed{40, 160};
  bool EncodesGroupAt(const uint8_t* p) { return mixed.At(p); }

  // A step searches two positions, the second as if the first were a literal, in the order
  // the item-by-item search would: the first position's lookup, the older pending literal's
  // write (made whatever the first item is), the second lookup, the newer pending literal's
  // write (made whatever comes: as a copy's bookkeeping or as the second literal's). Then the
  // outcome picks the rest: a copy, or a literal and a copy, enters both positions' slots as
  // far as they were searched and leaves nothing pending; two literals leave both pending.
  uint32_t EncodeGroup(const uint8_t*& p, uint8_t*& out) {
    uint32_t p1 = pending1 == kNoSlot ? kSpareSlot : pending1;
    uint32_t p2 = pending2 == kNoSlot ? kSpareSlot : pending2;
    StepWriter steps(p, out);
    while (steps.PairFits()) {
      const uint32_t h0 = SlotOf(p);
      const uint32_t h1 = SlotOf(p + 1);
      const uint32_t here = uint32_t(p - base);
      const uint32_t e0 = table[h0];
      table[p2] = here - 2;
      const uint32_t e1 = table[h1];
      table[p1] = here - 1;
      const Offer m0 = OfferAt(p, SourceOf(base, e0));
      const Offer m1 = OfferAt(p + 1, SourceOf(base, e1));
      const StepWriter::Copies copies =
          steps.Pair({m0.head & 0x00FFFFFF, m0.length, h0}, {m1.head & 0x00FFFFFF, m1.length, h1});
      const uint64_t copied = copies.first | copies.second;
      table[h0] = PickIfZero(copied, table[h0], here);
      table[h1] = PickIfZero(uint64_t(copies.second), table[h1], here + 1);
      p2 = PickIfZero(copied, h0, kSpareSlot);
      p1 = PickIfZero(copied, h1, kSpareSlot);
    }
    if (steps.OneFits()) {
      const uint32_t h = SlotOf(p);
      const uint32_t here = uint32_t(p - base);
      const uint32_t entry = table[h];
      table[p2] = here - 2;
      const Offer m = OfferAt(p, SourceOf(base, entry));
      const uint64_t copy = steps.One({m.head & 0x00FFFFFF, m.length, h});
      table[p1] = PickIfZero(copy, table[p1], here - 1);
      table[h] = PickIfZero(copy, table[h], here);
      p2 = PickIfZero(copy, p1, kSpareSlot);
      p1 = PickIfZero(copy, h, kSpareSlot);
    }
    pending1 = p1 == kSpareSlot ? kNoSlot : p1;
    pending2 = p2 == kSpareSlot ? kNoSlot : p2;
    return steps.Bits();
  }
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
