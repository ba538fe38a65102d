// Windows-1252 to Unicode: Latin-1 everywhere except 0x80-0x9F, where the code page puts
// typographic punctuation and a few letters instead of C1 control codes.
#include "content/fonts/windows1252.h"

namespace content {

namespace {

// 0x80 to 0x9F; zero where the code page assigns nothing.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // € ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // ˆ ‰ Š ‹ Œ Ž
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // ˜ ™ š › œ ž Ÿ
};

}  // namespace

char32_t Windows1252ToUnicode(uint8_t byte) {
  if (byte < 0x20 || byte == 0x7F) return 0;
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

}  // namespace content
