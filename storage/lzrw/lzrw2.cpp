// LZRW2: every item starts a phrase, and a copy's reference is the number of the phrase it
// repeats. Tables: 4096 16-bit phrase numbers indexed by hash, then 4096 phrase offsets.
#include <algorithm>
#include <cstring>

#include "storage/lzrw/algorithms.h"
#include "storage/lzrw/branch_free.h"
#include "storage/lzrw/compress_driver.h"
#include "storage/lzrw/decompress_driver.h"
#include "storage/lzrw/hash_window.h"

namespace lzrw {
namespace {

constexpr uint32_t kPhraseMask = kTableSlots - 1;

inline const uint8_t* Resolve(const uint8_t* base, uint32_t offset) {
  return offset == kStartStringRef ? kStartString : base + offset;
}

struct Lzrw2Compressor {
  uint16_t* hash = nullptr;
  uint32_t* phrase = nullptr;
  const uint8_t* base = nullptr;
  const uint8_t* end = nullptr;
  HashWindow hashes;
  uint32_t counter = 0;

  uint32_t Item(const uint8_t* s, uint32_t* reference) {
    const uint32_t h = hashes.At(s, end);
    const uint32_t n = hash[h];
    const uint8_t* c = Resolve(base, phrase[n]);
    // Read before written: n may be the counter's own value, the phrase 4096 items back.
    hash[h] = uint16_t(counter);
    phrase[counter] = uint32_t(s - base);
    ++counter;
    *reference = n;
    return CopyLength(s, c);  // 0: a literal
  }
  // Only phrase 0 starts out at the start string (the hash table names no other phrase
  // before it is written), and item 4096 replaces it after reading it. From the group after
  // that one on, every phrase is a position in the source.
  bool Settled() const { return groups > kTableSlots / kGroupItems; }
  uint32_t SettledItem(const uint8_t* s, uint32_t* reference) {
    const uint32_t h = hashes.At(s, end);
    const uint32_t n = hash[h];
    const uint8_t* c = base + phrase[n];
    hash[h] = uint16_t(counter);
    phrase[counter] = uint32_t(s - base);
    ++counter;
    *reference = n;
    return CopyLength(s, c);
  }
  // Groups hold 16 items and the counter starts at 0, so it wraps exactly at group ends.
  void GroupEnd() {
    counter &= kPhraseMask;
    ++groups;
  }
  uint32_t groups = 0;  // whole or not; a group counts once its control word is written

  // Groups after one of 40 to 160 source bytes (mixed short copies and literals) go in
  // branch-free steps.
  MixedGroups mixed{40, 160};
  bool EncodesGroupAt(const uint8_t* p) { return mixed.At(p); }

  // A step searches two positions, the second as if the first were a literal: both enter
  // their phrases in item order (so the second sees the first's), and a copy at the first
  // takes the second's hash entry and phrase back, newest first. Inside a group the counter
  // stays below 4096 (it is a multiple of 16 when the group begins), so the second phrase
  // number needs no wrap.
  uint32_t EncodeGroup(const uint8_t*& p, uint8_t*& out) {
    StepWriter steps(p, out);
    while (steps.PairFits()) {
      const uint16_t* w = hashes.Span(p, 2, end);
      const uint32_t h0 = w[0];
      const uint32_t h1 = w[1];
      const uint32_t here = uint32_t(p - base);
      const uint32_t n0 = hash[h0];
      const uint32_t e0 = phrase[n0];
      hash[h0] = uint16_t(counter);
      phrase[counter] = here;
      const uint32_t n1 = hash[h1];
      const uint32_t e1 = phrase[n1];
      const uint32_t replaced = phrase[counter + 1];
      hash[h1] = uint16_t(counter + 1);
      phrase[counter + 1] = here + 1;
      const Offer m0 = OfferAt(p, SourceOf(base, e0));
      const Offer m1 = OfferAt(p + 1, SourceOf(base, e1));
      const Lane lane0{m0.head & 0x00FFFFFF, m0.length, n0};
      const Lane lane1{m1.head & 0x00FFFFFF, m1.length, n1};
      const uint32_t items = 2 - steps.Pair(lane0, lane1).first;
      phrase[counter + 1] = PickIfZero(lane0.literal, replaced, here + 1);
      hash[h1] = uint16_t(PickIfZero(lane0.literal, n1, uint32_t(hash[h1])));
      counter += items;
    }
    if (steps.OneFits()) {
      const uint32_t h = hashes.At(p, end);
      const uint32_t n = hash[h];
      const uint32_t entry = phrase[n];
      hash[h] = uint16_t(counter);
      phrase[counter] = uint32_t(p - base);
      ++counter;
      const Offer m = OfferAt(p, SourceOf(base, entry));
      steps.One({m.head & 0x00FFFFFF, m.length, n});
    }
    return steps.Bits();
  }
};

// A control word announces at most 16 items and the counter is wrapped as each one is read,
// so between control words it stays below 4096 without a mask.
struct Lzrw2Decompressor {
  static constexpr bool kMayReject =
      false;  // every phrase names earlier output or the start string
  uint32_t* phrase = nullptr;
  const uint8_t* base = nullptr;
  uint32_t counter = 0;
  uint32_t controlWords = 0;

  void Begin(const uint8_t* destination) { base = destination; }
  void ControlRead() {
    counter &= kPhraseMask;
    ++controlWords;
  }
  const uint8_t* Source(uint32_t reference, const uint8_t* z) {
    const uint8_t* c = Resolve(base, phrase[reference]);
    phrase[counter++] = uint32_t(z - base);
    return c;
  }
  void AfterCopy(uint32_t, const uint8_t*) {}
  void AfterLiteral(const uint8_t* z) { phrase[counter++] = uint32_t(z - 1 - base); }
  void AfterLiterals(const uint8_t* first, uint32_t n) {
    const uint32_t at = uint32_t(first - base);
    uint32_t* const to = phrase + counter;
    for (uint32_t i = 0; i < n; ++i) to[i] = at + i;
    counter += n;
  }

  // Inside a whole group the group's 16 phrase offsets collect in `staged` and reach the table
  // at its end; a copy that names one of the group's earlier items reads it from there. That
  // lets a literal run write 16 offsets whatever its length, the excess landing in slots
  // that later items overwrite or that never reach the table.
  uint32_t group = 0;
  uint32_t* staged = nullptr;  // 32 entries

  void BeginGroup() { group = counter; }
  template <bool kSettled = false>
  const uint8_t* SourceInGroup(uint32_t reference, const uint8_t* z) {
    const uint32_t done = counter - group;
    const uint32_t back = reference - group;
    const uint32_t offset = back < done ? staged[back] : phrase[reference];
    staged[done] = uint32_t(z - base);
    ++counter;
    return kSettled ? base + offset : Resolve(base, offset);
  }
  // Once 4096 items have been expanded every phrase holds a position in the output.
  bool Settled() const { return controlWords > kTableSlots / kGroupItems; }
  void LiteralsInGroup(const uint8_t* first, uint32_t n) {
    const uint32_t at = uint32_t(first - base);
    uint8_t* const to = reinterpret_cast<uint8_t*>(staged + (counter - group));
    // Four 4-wide vectors of consecutive offsets.
    typedef uint32_t Four __attribute__((vector_size(16)));
    Four offsets = Four{0, 1, 2, 3} + at;
    for (uint32_t i = 0; i < kGroupItems / 4; ++i) {
      std::memcpy(to + size_t{16} * i, &offsets, 16);
      offsets += 4;
    }
    counter += n;
  }
  void EndGroup() { std::memcpy(phrase + group, staged, kGroupItems * sizeof(uint32_t)); }
};

}  // namespace

uint32_t Compress2(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination) {
  uint8_t* aligned = AlignWork(work);
  uint16_t* hash = reinterpret_cast<uint16_t*>(aligned);
  uint32_t* phrase = reinterpret_cast<uint32_t*>(aligned + kTableSlots * sizeof(uint16_t));
  std::memset(hash, 0, kTableSlots * sizeof(uint16_t));
  phrase[0] = kStartStringRef;
  Lzrw2Compressor policy{hash, phrase, source, source + length, {}};
  return CompressWith(policy, source, length, destination);
}

namespace {

template <Writes kWrites>
uint32_t Expand2(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                 size_t capacity) {
  // The phrase table sits where the compressor keeps it; the decoder has no hash table, so the
  // group's staged offsets use the start of that space.
  uint8_t* aligned = AlignWork(work);
  uint32_t* staged = reinterpret_cast<uint32_t*>(aligned);
  uint32_t* phrase = reinterpret_cast<uint32_t*>(aligned + kTableSlots * sizeof(uint16_t));
  // Every phrase a damaged stream could name starts at the start string.
  std::fill_n(phrase, kTableSlots, kStartStringRef);
  Lzrw2Decompressor policy{phrase};
  policy.staged = staged;
  return DecompressWith<kWrites>(policy, source, length, destination, capacity);
}

}  // namespace

uint32_t Decompress2(uint8_t* work, const uint8_t* source, uint32_t length, uint8_t* destination,
                     size_t capacity) {
  return Expand2<Writes::kWithinCapacity>(work, source, length, destination, capacity);
}

uint32_t Decompress2Exact(uint8_t* work, const uint8_t* source, uint32_t length,
                          uint8_t* destination, size_t bound) {
  return Expand2<Writes::kExact>(work, source, length, destination, bound);
}

}  // namespace lzrw
