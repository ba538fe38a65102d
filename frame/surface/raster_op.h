// Raster operations the frame passes to copies and text, and the placeholder for a surface's own.
// kDefaultRasterOp is a value no system raster operation uses.
#pragma once

#include <windows.h>

namespace frame {

// Passed to a copy or text primitive, selects the destination surface's default raster operation.
inline constexpr DWORD kDefaultRasterOp = 0x00330009;

// Resolves kDefaultRasterOp against a surface's default.
inline DWORD ResolveRasterOp(DWORD rop, DWORD surfaceDefault) {
  return rop == kDefaultRasterOp ? surfaceDefault : rop;
}

}  // namespace frame
