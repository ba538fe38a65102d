// Pattern brushes from eight row bytes, and the process-wide 50% halftone brush.
// The halftone brush is made at process start and deleted at process exit.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

namespace frame {

// Builds an 8x8 monochrome pattern brush, one byte per row; the caller deletes it.
HBRUSH CreatePatternBrushFromRows(const std::array<uint8_t, 8>& rows);

// The checkerboard brush (rows 0xAA, 0x55, ...), shared by the whole process.
HBRUSH HalftoneBrush();

}  // namespace frame
