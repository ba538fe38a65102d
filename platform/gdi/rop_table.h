// Raster operations: the ternary table (pattern, source, destination) and the binary mix modes.
// The operation index is a truth table: bit (P<<2 | S<<1 | D) of the index is the result.
#pragma once

#include <array>
#include <cstdint>

namespace platform::gdi {

struct Rop3Entry {
  uint32_t code;    // the full documented 32-bit code: index in bits 16-23, operation code below
  const char* rpn;  // the formula in reverse Polish notation
};

extern const std::array<Rop3Entry, 256> kRop3Table;

inline uint8_t Rop3Index(uint32_t rop) {
  return static_cast<uint8_t>(rop >> 16);
}

// A code is known when it is exactly one of the 256 documented codes.
inline bool IsKnownRop3(uint32_t rop) {
  return kRop3Table[Rop3Index(rop)].code == rop;
}

// Whether the result depends on each operand (comparing the truth table with itself shifted).
inline bool Rop3UsesPattern(uint8_t index) {
  return ((index >> 4) ^ index) & 0x0F;
}
inline bool Rop3UsesSource(uint8_t index) {
  return ((index >> 2) ^ index) & 0x33;
}
inline bool Rop3UsesDest(uint8_t index) {
  return ((index >> 1) ^ index) & 0x55;
}

// Bitwise evaluation of any ternary operation: the OR of the minterms set in the index.
inline uint32_t ApplyRop3(uint8_t index, uint32_t p, uint32_t s, uint32_t d) {
  uint32_t result = 0;
  for (int term = 0; term < 8; ++term) {
    if (index & (1u << term)) {
      result |= ((term & 4) ? p : ~p) & ((term & 2) ? s : ~s) & ((term & 1) ? d : ~d);
    }
  }
  return result;
}

// Binary mix modes R2_BLACK (1) to R2_WHITE (16): mode - 1 is the truth table over (P<<1 | D).
inline uint32_t ApplyRop2(int mode, uint32_t p, uint32_t d) {
  const unsigned table = static_cast<unsigned>(mode - 1) & 15u;
  uint32_t result = 0;
  for (int term = 0; term < 4; ++term) {
    if (table & (1u << term)) result |= ((term & 2) ? p : ~p) & ((term & 1) ? d : ~d);
  }
  return result;
}

}  // namespace platform::gdi
