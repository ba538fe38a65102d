// The coordinate range the GDI accepts: within 2^27 of the origin, as Windows limits it, so that
// sums of positions, extents and DC origins never overflow 32 bits.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "winbase.h"
#include "windef.h"

namespace platform::gdi {

constexpr int64_t kMaxCoordinate = int64_t{1} << 27;

// True when every value is in range; otherwise sets ERROR_INVALID_PARAMETER.
inline bool CoordinatesOk(std::initializer_list<int64_t> values) {
  for (int64_t v : values) {
    if (v < -kMaxCoordinate || v > kMaxCoordinate) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return false;
    }
  }
  return true;
}

inline bool RectOk(const RECT& r) {
  return CoordinatesOk({r.left, r.top, r.right, r.bottom});
}

}  // namespace platform::gdi
