// Regions as sets of pixels: non-overlapping rectangles in canonical bands, so that equal
// areas have equal rectangle lists and a region of one rectangle is recognisably simple.
#pragma once

#include <vector>

#include "windef.h"

namespace platform::gdi {

enum class RegionOp { kAnd, kOr, kXor, kDiff };

class Region {
 public:
  Region() = default;
  explicit Region(const RECT& r);
  static Region FromRects(const std::vector<RECT>& rects);  // any rectangles, overlapping or not

  const std::vector<RECT>& Rects() const { return rects_; }
  bool Empty() const { return rects_.empty(); }
  RECT Box() const;
  int Complexity() const;  // NULLREGION, SIMPLEREGION or COMPLEXREGION
  bool Contains(int x, int y) const;
  bool Intersects(const RECT& r) const;
  void Offset(int dx, int dy);

  static Region Combine(const Region& a, const Region& b, RegionOp op);
  Region Intersect(const Region& other) const { return Combine(*this, other, RegionOp::kAnd); }
  Region Intersect(const RECT& r) const { return Combine(*this, Region(r), RegionOp::kAnd); }

  friend bool operator==(const Region& a, const Region& b);

 private:
  std::vector<RECT> rects_;  // sorted by top then left; bands never overlap
};

bool RectEmpty(const RECT& r);
RECT IntersectRects(const RECT& a, const RECT& b);

}  // namespace platform::gdi
