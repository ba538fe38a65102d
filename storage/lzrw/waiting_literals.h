// The literals an LZRW3-family decoder holds back: a literal's position enters the decoder's
// table only once the two bytes after it are known, so the last two literals wait.
#pragma once

#include <cstdint>

namespace lzrw {

// Decoder derives from WaitingLiterals<Decoder> and offers Enter(position).
template <class Decoder>
struct WaitingLiterals {
  uint32_t literals = 0;  // literals not yet in the table (at most two)

  // A copy starts at z: the literals still waiting before it enter the table now.
  void EnterWaiting(const uint8_t* z) {
    if (literals > 0) {
      const uint8_t* r = z - literals;
      Self().Enter(r);
      if (literals == 2) Self().Enter(r + 1);
      literals = 0;
    }
  }
  void AfterLiteral(const uint8_t* z) {
    if (++literals == 3) {
      Self().Enter(z - 3);
      literals = 2;
    }
  }
  // The same for n literals at once: every position from the oldest one still waiting up to
  // the third-last literal enters the table, in order; at most two stay waiting.
  void AfterLiterals(const uint8_t* first, uint32_t n) {
    for (const uint8_t* r = first - literals; r + 2 < first + n; ++r) Self().Enter(r);
    literals = literals + n < 2 ? literals + n : 2;
  }

 private:
  Decoder& Self() { return static_cast<Decoder&>(*this); }
};

}  // namespace lzrw
