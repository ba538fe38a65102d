// The one block-transfer engine behind BitBlt, StretchBlt, PatBlt and TransparentImage:
// clip the destination, map each destination pixel to a source pixel, combine row by row.
#pragma once

#include <optional>

#include "gdi/target.h"

namespace platform::gdi {

struct BlitSource {
  const Surface* surface = nullptr;
  POINT origin{0, 0};  // surface position of the source DC's logical (0,0)
  bool mono_ddb = false;
  COLORREF bk_color = RGB(255, 255, 255);  // the source DC's background colour
};

struct BlitRequest {
  RECT dest{};  // logical, may have negative extents (mirroring)
  RECT src{};   // logical in the source
  uint32_t rop = SRCCOPY;
  std::optional<uint32_t> transparent;  // 0x00RRGGBB key: copy every other source pixel
};

// Runs a block transfer onto a resolved target. The source is ignored when the operation
// does not use it. Returns FALSE with the last error set on bad input.
BOOL RunBlit(DrawTarget& target, const BlitSource* source, const BlitRequest& request);

// The source description of a DC, or nothing (last error set).
std::optional<BlitSource> SourceOfDc(HDC dc);

}  // namespace platform::gdi
