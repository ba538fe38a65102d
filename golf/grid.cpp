// The grid's pixel geometry: keypad points, the cell of a pixel, safe truncation.
#include "golf/grid.h"

namespace golf {

int GridToPixel(Axis axis, int cell, int keypad) {
  // Offsets of the keypad points from the cell corner, indexed by keypad 1..9.
  static constexpr int kKeypadX[10] = {0, 0, 10, 20, 0, 10, 20, 0, 10, 20};
  static constexpr int kKeypadY[10] = {0, 20, 20, 20, 10, 10, 10, 0, 0, 0};
  const int x0 = kGridLeft + kCellSize * (cell % kColumns);
  const int y0 = kGridTop + kCellSize * (cell / kColumns);
  const bool known = keypad >= 1 && keypad <= 9;
  if (axis == Axis::kX) return x0 + (known ? kKeypadX[keypad] : 0);
  return y0 + (known ? kKeypadY[keypad] : 0);
}

bool CellOfPoint(int x, int y, CellPoint& out) {
  if (x < kGridLeft || y < kGridTop) return false;
  const int column = (x - kGridLeft) / kCellSize;
  const int row = (y - kGridTop) / kCellSize;
  if (column >= kColumns || row >= kRows) return false;
  out.index = row * kColumns + column;
  out.lx = x - kGridLeft - kCellSize * column;
  out.ly = y - kGridTop - kCellSize * row;
  return true;
}

int PixelOf(double v) {
  constexpr double kLimit = 16384.0;
  if (v < kLimit && v > -kLimit) return static_cast<int>(v);
  return v >= kLimit ? 16384 : -16384;  // a NaN lands here too
}

}  // namespace golf
