// LZRW3-A: like LZRW3, but the table is 512 partitions of 8 slots filled round-robin by one
// shared cycle counter; the compressor keeps the longest of the 8 candidates and the
// reference names its slot (partition x 8 + slot).
#include <algorithm>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/compress_driver.h"
#include "storage/lzrw/decompress_driver.h"
#include "storage/lzrw/hash_window.h"
#include "storage/lzrw/waiting_literals.h"

namespace lzrw {
namespace {

constexpr uint32_t kNoPartition = 0xFFFFFFFFu;
constexpr uint32_t kSlotsPerPartition = 8;

inline const uint8_t* Resolve(const uint8_t* base, uint32_t offset) {
  return offset == kStartStringRef ? kStartString : base + offset;
}

struct PartitionTable {
  uint32_t* table = nullptr;
  uint32_t cycle = 0;

  void Insert(uint32_t partition, uint32_t position) {
    table[partition * kSlotsPerPartition + cycle] = position;
    cycle = (cycle + 1) & (kSlotsPerPartition - 1);
  }
};

struct Lzrw3aCompressor {
  PartitionTable slots;
  const uint8_t* base = nullptr;
  const uint8_t* end = nullptr;
  HashWindow hashes;
  uint32_t pending1 = kNoPartition;
  uint32_t pending2 = kNoPartition;
  uint32_t unfilled = kTableSlots;  // slots still at the start string

  uint32_t Item(const uint8_t* s, uint32_t* reference) { return Search<false>(s, reference); }
  // Once every slot holds a position, candidates need no start-string test; until then each
  // insertion counts the slots it fills for the first time.
  bool Settled() const { return unfilled == 0; }
  uint32_t SettledItem(const uint8_t* s, uint32_t* reference) { return Search<true>(s, reference); }
  void GroupEnd() {}

  template <bool kSettled>
  void Insert(uint32_t partition, uint32_t position) {
    if constexpr (!kSettled)
      unfilled -= slots.table[partition * kSlotsPerPartition + slots.cycle] == kStartStringRef;
    slots.Insert(partition, position);
  }

  template <bool kSettled>
  __attribute__((always_inline)) uint32_t Search(const uint8_t* s, uint32_t* reference) {
    const uint32_t p = hashes.At(s, end) & 0x1FF;
    const uint32_t here = uint32_t(s - base);
    const uint32_t* row = slots.table + size_t{p} * kSlotsPerPartition;
    // All eight candidates are measured; most differ within the first 8 bytes, which one XOR
    // shows. The longest wins, the lower slot on equal lengths: each candidate's key is its
    // length x 8 plus 7 - slot, and the largest key is kept.
    const uint64_t head = Load64(s);
    uint32_t bestKey = 0;
#pragma GCC unroll 8
    for (uint32_t d = 0; d < kSlotsPerPartition; ++d) {
      const uint8_t* c = kSettled ? base + row[d] : Resolve(base, row[d]);
      const uint64_t x = head ^ Load64(c);
      const uint32_t key =
          (x ? uint32_t(__builtin_ctzll(x)) & ~7u
             : (8 + MatchLength(s + 8, c + 8, kMaxMatch - 8)) * kSlotsPerPartition) +
          (kSlotsPerPartition - 1 - d);
      bestKey = key > bestKey ? key : bestKey;
    }
    const uint32_t best = bestKey / kSlotsPerPartition;
    const uint32_t bestSlot = kSlotsPerPartition - 1 - bestKey % kSlotsPerPartition;
    if (best >= kMinMatch) {
      if (pending1 != kNoPartition) {
        if (pending2 != kNoPartition) {
          Insert<kSettled>(pending2, here - 2);
          pending2 = kNoPartition;
        }
        Insert<kSettled>(pending1, here - 1);
        pending1 = kNoPartition;
      }
      Insert<kSettled>(p, here);
      *reference = p * kSlotsPerPartition + bestSlot;
      return best;
    }
    if (pending2 != kNoPartition) Insert<kSettled>(pending2, here - 2);
    pending2 = pending1;
    pending1 = p;
    return 0;
  }
};

struct Lzrw3aDecompressor : WaitingLiterals<Lzrw3aDecompressor> {
  static constexpr bool kMayReject = false;  // every slot names earlier output or the start string
  PartitionTable slots;
  const uint8_t* base = nullptr;

  void Begin(const uint8_t* destination) { base = destination; }
  void ControlRead() {}
  void Enter(const uint8_t* r) { slots.Insert(Partition(r), uint32_t(r - base)); }
  const uint8_t* Source(uint32_t reference, const uint8_t*) const {
    return Resolve(base, slots.table[reference]);
  }
  void AfterCopy(uint32_t reference, const uint8_t* z) {
    EnterWaiting(z);
    slots.Insert(reference / kSlotsPerPartition, uint32_t(z - base));
  }
};

}  // namespace

uint32_t Compress3A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination) {
  uint32_t* table = reinterpret_cast<uint32_t*>(AlignWork(work));
  std::fill_n(table, kTableSlots, kStartStringRef);
  Lzrw3aCompressor policy{{table}, source, source + length, {}};
  return CompressWith(policy, source, length, destination);
}

namespace {

template <Writes kWrites>
uint32_t Expand3A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                  size_t capacity) {
  uint32_t* table = reinterpret_cast<uint32_t*>(AlignWork(work));
  std::fill_n(table, kTableSlots, kStartStringRef);
  Lzrw3aDecompressor policy{{}, {table}};
  return DecompressWith<kWrites>(policy, source, length, destination, capacity);
}

}  // namespace

uint32_t Decompress3A(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                      size_t capacity) {
  return Expand3A<Writes::kWithinCapacity>(work, source, length, destination, capacity);
}

uint32_t Decompress3AExact(uint8_t* work, const uint8_t* source, uint32_t length,
                           uint8_t* destination, size_t bound) {
  return Expand3A<Writes::kExact>(work, source, length, destination, bound);
}

}  // namespace lzrw
