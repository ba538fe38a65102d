// Where a DC's drawing lands: the surface, the device position of logical (0,0), and the
// clip in surface coordinates (bitmap or visible screen rectangles, and the selected clip region).
#pragma once

#include <algorithm>

#include "gdi/objects.h"

namespace platform::gdi {

struct DrawTarget {
  DcObject* dc = nullptr;
  Surface* surface = nullptr;
  BitmapObject* bitmap = nullptr;  // memory DCs
  POINT origin{0, 0};
  Region clip;  // surface coordinates
  bool screen = false;

  // Surface coordinates of a logical rectangle.
  RECT ToSurface(const RECT& r) const {
    return RECT{r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
  }
};

// The target of a DC, or nothing (last error set) when the handle is not a DC.
std::optional<DrawTarget> ResolveTarget(HDC dc);

// Records that the screen changed (display DCs) so the backend presents it.
void MarkDrawn(const DrawTarget& target);

// The surface colour used for a COLORREF on this target.
uint32_t TargetColour(const DrawTarget& target, COLORREF color);

// Calls fn(x0, x1, y) for each clipped span of row y covering [x0, x1) in surface coordinates.
template <typename Fn>
void ForEachClippedSpan(const DrawTarget& t, int y, int x0, int x1, Fn&& fn) {
  for (const RECT& r : t.clip.Rects()) {
    if (y < r.top || y >= r.bottom) continue;
    const int a = std::max<int>(x0, r.left);
    const int b = std::min<int>(x1, r.right);
    if (a < b) fn(a, b, y);
  }
}

// The brush colour at surface position (x, y) for this target (pattern brushes repeat from the
// DC's origin plus its brush origin).
class BrushSampler {
 public:
  BrushSampler(const DrawTarget& target, const BrushObject* brush);
  bool IsNull() const { return null_; }
  bool IsSolid() const { return solid_; }
  uint32_t Solid() const { return colour_; }
  void Row(int x, int y, int n, uint32_t* out) const;

 private:
  const BrushObject* brush_ = nullptr;
  bool null_ = true;
  bool solid_ = true;
  uint32_t colour_ = 0;
  uint32_t fore_ = 0, back_ = 0;  // monochrome patterns
  int phase_x_ = 0, phase_y_ = 0;
};

}  // namespace platform::gdi
