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

  // Groups after one of 40 to 160 source bytes (mixed short copies and literals) go in
  // branch-free steps.
  MixedGroups mixed{40, 160};
  bool EncodesGroupAt(const uint8_t* p) { return mixed.At(p); }

  const uint8_t* Source(uint32_t entry) const {
    return reinterpret_cast<const uint8_t*>(PickIfZero(uint64_t(uint32_t(entry + 1)),
                                                       reinterpret_cast<uintptr_t>(kStartString),
                                                       reinterpret_cast<uintptr_t>(base + entry)));
  }

  // A step searches two positions, the second as if the first were a literal, in the order
  // the item-by-item search would: the first position's lookup, the older pending literal's
  // write (made whatever the first item is), the second lookup, the newer pending literal's
  // write (made whatever comes: as a copy's bookkeeping or as the second literal's). Then the
  // outcome picks the rest: a copy, or a literal and a copy, enters both positions' slots as
  // far as they were searched and leaves nothing pending; two literals leave both pending.
  uint32_t EncodeGroup(const uint8_t*& p, uint8_t*& out) {
    uint32_t p1 = pending1 == kNoSlot ? kSpareSlot : pending1;
    uint32_t p2 = pending2 == kNoSlot ? kSpareSlot : pending2;
    uint32_t bits = 0;
    uint32_t count = 0;
    while (count < kGroupItems - 1) {
      const uint32_t h0 = (HashProductOf(Load32(p)) >> 4) & 0xFFF;
      const uint32_t h1 = (HashProductOf(Load32(p + 1)) >> 4) & 0xFFF;
      const uint32_t here = uint32_t(p - base);
      const uint32_t e0 = table[h0];
      table[p2] = here - 2;
      const uint32_t e1 = table[h1];
      table[p1] = here - 1;
      const Offer m0 = OfferAt(p, Source(e0));
      const Offer m1 = OfferAt(p + 1, Source(e1));
      const uint64_t literal0 = m0.head & 0x00FFFFFF;
      const uint64_t literal1 = m1.head & 0x00FFFFFF;
      const uint32_t copy0 = literal0 == 0;
      const uint32_t copy1 = uint32_t(literal1 == 0) & (copy0 ^ 1);
      const uint32_t code0 = ((h0 >> 4) & 0xF0) | (m0.length - kMinMatch);
      const uint32_t code1 = ((h1 >> 4) & 0xF0) | (m1.length - kMinMatch);
      out[0] = uint8_t(PickIfZero(literal0, code0, uint32_t(p[0])));
      out[1] = uint8_t(PickIfZero(literal0, h0, PickIfZero(literal1, code1, uint32_t(p[1]))));
      out[2] = uint8_t(h1);
      out += 2 + copy1;
      const uint64_t copied = copy0 | copy1;
      table[h0] = PickIfZero(copied, table[h0], here);
      table[h1] = PickIfZero(uint64_t(copy1), table[h1], here + 1);
      p2 = PickIfZero(copied, h0, kSpareSlot);
      p1 = PickIfZero(copied, h1, kSpareSlot);
      p += PickIfZero(literal0, uint64_t(m0.length),
                      PickIfZero(literal1, uint64_t(m1.length) + 1, uint64_t(2)));
      bits |= (copy0 | (copy1 << 1)) << count;
      count += 2 - copy0;
    }
    if (count < kGroupItems) {
      const uint32_t h = (HashProductOf(Load32(p)) >> 4) & 0xFFF;
      const uint32_t here = uint32_t(p - base);
      const uint32_t entry = table[h];
      table[p2] = here - 2;
      const Offer m = OfferAt(p, Source(entry));
      const uint64_t literal = m.head & 0x00FFFFFF;
      const uint32_t code = ((h >> 4) & 0xF0) | (m.length - kMinMatch);
      out[0] = uint8_t(PickIfZero(literal, code, uint32_t(p[0])));
      out[1] = uint8_t(h);
      out += 1 + uint32_t(literal == 0);
      table[p1] = PickIfZero(literal, here - 1, table[p1]);
      table[h] = PickIfZero(literal, here, table[h]);
      p2 = PickIfZero(literal, kSpareSlot, p1);
      p1 = PickIfZero(literal, kSpareSlot, h);
      p += PickIfZero(literal, uint64_t(m.length), uint64_t(1));
      bits |= uint32_t(literal == 0) << count;
    }
    pending1 = p1 == kSpareSlot ? kNoSlot : p1;
    pending2 = p2 == kSpareSlot ? kNoSlot : p2;
    return bits;
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
