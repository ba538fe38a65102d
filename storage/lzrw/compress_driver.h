// The compressor loop all four LZRW algorithms share: groups of a control word and 16 items,
// the give-up test that falls back to the stored form, and the end handling. The search and
// table bookkeeping come from a policy whose Item(position, &reference) returns the length
// of the copy to emit (0 for a literal) and whose GroupEnd() runs at every full control word.
#pragma once

#include <concepts>
#include <cstdint>
#include <cstring>

#include "storage/lzrw/stream_format.h"

namespace lzrw {

// A policy whose search gets simpler once its tables are settled (SettledItem, valid while
// Settled() holds) has whole groups run with that search from then on.
template <class Policy>
concept SettlesDown = requires(Policy& policy, const uint8_t* s, uint32_t* reference) {
  { policy.Settled() } -> std::same_as<bool>;
  policy.SettledItem(s, reference);
};

// A policy that can encode a whole group on its own, where EncodesGroupAt(p) says so for the
// group beginning at p (asked once per group, in order), returns the group's control bits and
// moves p and out past it, writing nothing beyond the 32 bytes that 16 items can take.
template <class Policy>
concept EncodesGroups = requires(Policy& policy, const uint8_t*& p, uint8_t*& out) {
  { policy.EncodesGroupAt(p) } -> std::same_as<bool>;
  { policy.EncodeGroup(p, out) } -> std::same_as<uint32_t>;
};

// One item's search, the settled one where asked for (a policy without one is never asked).
template <bool kSettled, class Policy>
inline uint32_t Search(Policy& policy, const uint8_t* p, uint32_t* reference) {
  if constexpr (kSettled) {
    return policy.SettledItem(p, reference);
  } else {
    return policy.Item(p, reference);
  }
}

// Returns the stream length; the destination holds source length + 34 bytes at the least.
template <class Policy>
uint32_t CompressWith(Policy& policy, const uint8_t* source, uint32_t length,
                      uint8_t* destination) {
  const uint8_t* p = source;
  const uint8_t* const end = source + length;
  uint8_t* const giveUp = destination + length;
  destination[0] = kFlagCompressed;
  destination[1] = destination[2] = destination[3] = 0;
  uint8_t* controlAt = destination + kHeaderSize;
  uint8_t* out = controlAt + 2;
  uint32_t control = kControlTop;

  auto item = [&]() __attribute__((always_inline)) {
    uint32_t reference;
    const uint32_t match = policy.Item(p, &reference);
    if (match >= kMinMatch) {
      out[0] = uint8_t(((reference >> 4) & 0xF0) | (match - kMinMatch));
      out[1] = uint8_t(reference);
      out += 2;
      p += match;
    } else {
      *out++ = *p++;
      control &= ~0x10000u;
    }
    control >>= 1;
  };

  for (;;) {
    if (out > giveUp) {
      destination[0] = kFlagStored;
      if (length) std::memcpy(destination + kHeaderSize, source, length);
      return length + kHeaderSize;
    }
    const size_t remaining = size_t(end - p);
    if (remaining >= kCompressRunMargin) {
      // A whole group, always begun at a group boundary (single items only come once fewer
      // than 288 bytes remain, and then to the end): a copy sets its item's control bit, a
      // literal touches nothing but the two pointers.
      auto group = [&]<bool kSettled>() __attribute__((always_inline)) {
        uint32_t bits = 0;
        for (uint32_t bit = 1; bit != 1u << kGroupItems; bit <<= 1) {
          uint32_t reference;
          const uint32_t match = Search<kSettled>(policy, p, &reference);
          if (match >= kMinMatch) {
            out[0] = uint8_t(((reference >> 4) & 0xF0) | (match - kMinMatch));
            out[1] = uint8_t(reference);
            out += 2;
            p += match;
            bits |= bit;
          } else {
            *out++ = *p++;
          }
        }
        control = bits;
      };
      auto itemByItem = [&]() __attribute__((always_inline)) {
        if constexpr (SettlesDown<Policy>) {
          if (policy.Settled()) {
            group.template operator()<true>();
            return;
          }
        }
        group.template operator()<false>();
      };
      if constexpr (EncodesGroups<Policy>) {
        if (policy.EncodesGroupAt(p)) {
          control = policy.EncodeGroup(p, out);
        } else {
          itemByItem();
        }
      } else {
        itemByItem();
      }
    } else if (remaining >= kMaxMatch) {
      item();
    } else if (remaining == 0) {
      break;
    } else {
      // Tail literal: no search, no table bookkeeping; no copy can follow it.
      *out++ = *p++;
      control = (control & ~0x10000u) >> 1;
    }
    if ((control & kControlTop) == 0) {
      Store16(controlAt, uint16_t(control));
      controlAt = out;
      out += 2;
      control = kControlTop;
      policy.GroupEnd();
    }
  }
  while (control & kControlTop) control >>= 1;
  Store16(controlAt, uint16_t(control));
  if (controlAt + 2 == out) out = controlAt;
  return uint32_t(out - destination);
}

}  // namespace lzrw
