// The playing field's grid: 10 columns by 9 rows of 21-pixel cells at (15, 64), and the
// conversion of course-file locations (cell index, keypad position) into pixels.
#pragma once

#include <cstdint>

namespace golf {

inline constexpr int kGridLeft = 15;
inline constexpr int kGridTop = 64;
inline constexpr int kCellSize = 21;
inline constexpr int kColumns = 10;
inline constexpr int kRows = 9;
inline constexpr int kCellCount = kColumns * kRows;

enum class Axis { kX, kY };

// The pixel coordinate on one axis of a keypad point of a cell: the keypad picks one of
// nine points 10 pixels apart laid out like a telephone keypad (7 8 9 on top, 1 2 3 at
// the bottom); any other keypad value gives the cell's top-left corner. Cell indexes
// beyond 89 are not rejected: they continue the rows downwards.
int GridToPixel(Axis axis, int cell, int keypad);

// A pixel point's cell, or false when the point lies outside the 90 cells.
struct CellPoint {
  int index = 0;  // row * 10 + column
  int lx = 0;     // local coordinates in the cell, 0..20
  int ly = 0;
};
bool CellOfPoint(int x, int y, CellPoint& out);

// A position truncated toward zero, as the engine turns ball positions into pixels.
// Values far outside the screen (or not a number, from a damaged saved ball) are pinned
// to -16384 or 16384 so that later integer arithmetic stays in range.
int PixelOf(double v);

}  // namespace golf
