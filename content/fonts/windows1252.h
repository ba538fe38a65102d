// The Windows-1252 code page the game's narrow strings use: which byte stands for which Unicode
// character, so a font strip can be drawn for the bytes the game will look up.
#pragma once

#include <cstdint>

namespace content {

// The character of a Windows-1252 byte, or 0 for control codes and the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char32_t Windows1252ToUnicode(uint8_t byte);

}  // namespace content
