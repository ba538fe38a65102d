// The decompressor loop all four LZRW algorithms share. The policy resolves a copy's
// reference (Source returns null, where kMayReject, for a reference that names nothing written yet)
// and keeps its table in step through AfterCopy, AfterLiteral and ControlRead. Every reference and
// length is checked against the destination's capacity: a damaged stream ends the expansion at its
// first bad item, never a read or write outside the buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "storage/lzrw/stream_format.h"

namespace lzrw {

// Room the fast path needs: a whole group's output plus the widest move past an item's end.
inline constexpr size_t kFastRoom = kCompressRunMargin + 16;

// kWithinCapacity: the capacity is the real size of the destination, so whole groups may
// write a few bytes past an item's end (later items overwrite them). kExact: bytes past the
// expanded data are never touched (for callers whose buffer size is not known).
enum class Writes { kWithinCapacity, kExact };

// A copy inside a whole group, where 32 bytes from `to` may be written and 32 bytes from
// `from` read (earlier output, or the padded start string). When the source ends
// before `to`, two 16-byte moves carry the match (dragging harmless bytes behind it that later
// items overwrite); when it runs into the bytes being written, the result is what the
// byte-by-byte forward copy gives: the bytes between `from` and `to` repeated.
inline void CopyMatchWide(uint8_t* to, const uint8_t* from, uint32_t length) {
  const uintptr_t distance = uintptr_t(to) - uintptr_t(from);
  uint8_t a[16], b[16];
  if (distance >= length) {
    // 32 bytes whatever the length: both pieces are read before either is written, and the
    // match's own bytes all lie before `to`.
    std::memcpy(a, from, 16);
    std::memcpy(b, from + 16, 16);
    std::memcpy(to, a, 16);
    std::memcpy(to + 16, b, 16);
  } else if (distance >= 8) {
    for (uint32_t done = 0; done < length; done += 8) {
      uint64_t chunk;
      std::memcpy(&chunk, from + done, 8);
      std::memcpy(to + done, &chunk, 8);
    }
  } else {
    // A period of 1 to 7 bytes: the run is its first `distance` bytes over and over. They are
    // spread over 8 bytes by one multiply (the copies occupy separate bytes, so no carries),
    // and that word is stored at steps of the largest multiple of the period up to 8.
    static constexpr uint64_t kSpread[8] = {0,
                                            0x0101010101010101ull,
                                            0x0001000100010001ull,
                                            0x0001000001000001ull,
                                            0x0000000100000001ull,
                                            0x0000010000000001ull,
                                            0x0001000000000001ull,
                                            0x0100000000000001ull};
    static constexpr uint8_t kStep[8] = {8, 8, 8, 6, 8, 5, 6, 7};
    uint64_t period;
    std::memcpy(&period, from, 8);
    period &= (uint64_t(1) << (8 * distance)) - 1;  // the bytes before `to` only
    const uint64_t word = period * kSpread[distance];
    const uint32_t step = kStep[distance];
    for (uint32_t done = 0; done < length; done += step) std::memcpy(to + done, &word, 8);
  }
}

// A policy may keep a whole group's table updates aside (BeginGroup, SourceInGroup,
// LiteralsInGroup, EndGroup) where that lets it write them in fixed-size pieces.
template <class Policy>
concept StagesGroups = requires(Policy& policy, const uint8_t* z) {
  policy.BeginGroup();
  policy.SourceInGroup(0u, z);
  policy.LiteralsInGroup(z, 0u);
  policy.EndGroup();
};

// A copy's source inside a whole group, through the staging hooks where the policy has them.
template <bool kSettled, class Policy>
inline const uint8_t* GroupSource(Policy& policy, uint32_t reference, const uint8_t* z) {
  if constexpr (StagesGroups<Policy>) {
    return policy.template SourceInGroup<kSettled>(reference, z);
  } else {
    return policy.Source(reference, z);
  }
}

template <Writes kWrites, class Policy>
uint32_t DecompressWith(Policy& policy, const uint8_t* source, uint32_t length,
                        uint8_t* destination, size_t capacity) {
  if (length < kHeaderSize) return 0;
  if (source[0] == kFlagStored) {
    size_t n = length - kHeaderSize;
    if (n > capacity) n = capacity;
    if (n) std::memcpy(destination, source + kHeaderSize, n);
    return uint32_t(n);
  }
  const uint8_t* p = source + kHeaderSize;
  const uint8_t* const end = source + length;
  uint8_t* z = destination;
  uint8_t* const outEnd = destination + capacity;
  uint32_t control = 1;  // only the sentinel bit: the next item needs a control word
  policy.Begin(destination);

  while (p < end) {
    if (control == 1) {
      if (end - p < 2) break;  // a control word cut short
      control = Load16(p) | 0x10000u;
      p += 2;
      policy.ControlRead();
      if (p == end) break;  // a control word with no item after it
    }
    if (end - p >= kDecompressRunMargin && size_t(outEnd - z) >= kFastRoom && control >= 0x10000u) {
      // A whole group: its items lie inside the stream and expand to at most 288 bytes, and
      // the destination has 16 bytes more for wide literal moves.
      // A policy whose tables are settled (Settled(), for the rest of the stream) resolves
      // references without the start-string test.
      auto group = [&]<bool kSettled>() __attribute__((always_inline)) {
        uint32_t bits = control;  // the sentinel at bit 16 ends the last literal run
        uint32_t left = kGroupItems;
        if constexpr (StagesGroups<Policy>) policy.BeginGroup();
        while (left) {
          if (bits & 1) {
            const uint32_t reference = (uint32_t(p[0] & 0xF0) << 4) | p[1];
            const uint32_t match = (p[0] & 0x0F) + kMinMatch;
            p += 2;
            const uint8_t* from = GroupSource<kSettled>(policy, reference, z);
            if (Policy::kMayReject && !from) return false;
            if (kWrites == Writes::kWithinCapacity) {
              CopyMatchWide(z, from, match);
            } else {
              CopyMatch(z, from, match);
            }
            policy.AfterCopy(reference, z);
            z += match;
            bits >>= 1;
            --left;
          } else {
            // A run of literals up to the next copy (or the group's end) moves at once.
            uint32_t run = uint32_t(__builtin_ctz(bits));
            if (run > left) run = left;
            if (kWrites == Writes::kWithinCapacity && end - p >= 16) {
              std::memcpy(z, p, 16);
            } else if (run >= 8 && end - p >= 8) {
              uint64_t a, b;
              std::memcpy(&a, p, 8);
              std::memcpy(&b, p + run - 8, 8);
              std::memcpy(z, &a, 8);
              std::memcpy(z + run - 8, &b, 8);
            } else {
              for (uint32_t i = 0; i < run; ++i) z[i] = p[i];
            }
            if constexpr (StagesGroups<Policy>) {
              policy.LiteralsInGroup(z, run);
            } else {
              policy.AfterLiterals(z, run);
            }
            z += run;
            p += run;
            bits >>= run;
            left -= run;
          }
        }
        return true;
      };
      bool whole;
      if constexpr (requires { policy.Settled(); }) {
        whole = policy.Settled() ? group.template operator()<true>()
                                 : group.template operator()<false>();
      } else {
        whole = group.template operator()<false>();
      }
      if (!whole) return uint32_t(z - destination);
      if constexpr (StagesGroups<Policy>) policy.EndGroup();
      control = 1;
      continue;
    }
    if (control & 1) {
      if (end - p < 2) break;  // a copy item cut short
      const uint32_t reference = (uint32_t(p[0] & 0xF0) << 4) | p[1];
      const uint32_t match = (p[0] & 0x0F) + kMinMatch;
      p += 2;
      const uint8_t* from = policy.Source(reference, z);
      if (Policy::kMayReject && !from) break;
      if (size_t(outEnd - z) < match) {
        // The copy runs past the destination: keep the part that fits, then stop.
        const size_t room = size_t(outEnd - z);
        for (size_t i = 0; i < room; ++i) z[i] = from[i];
        z += room;
        break;
      }
      CopyMatch(z, from, match);
      policy.AfterCopy(reference, z);
      z += match;
    } else {
      if (z == outEnd) break;
      *z++ = *p++;
      policy.AfterLiteral(z);
    }
    control >>= 1;
  }
  return uint32_t(z - destination);
}

}  // namespace lzrw
