// Rect: the frame's rectangle as x, y, width and height (not left, top, right, bottom).
// Converting to the system's RECT adds the width and height to x and y.
#pragma once

#include <windows.h>

#include <cstdint>

namespace frame {

struct Rect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;

  RECT ToRECT() const { return RECT{x, y, x + width, y + height}; }
  static Rect FromRECT(const RECT& r) {
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace frame
