// Region arithmetic by sweeping horizontal bands: every operation splits both operands at all
// of their top and bottom edges, combines the x intervals of each band, then merges equal bands.
#include "gdi/region.h"

#include <algorithm>

#include "wingdi.h"

namespace platform::gdi {

namespace {

struct Interval {
  LONG left, right;
};

// The x intervals of a rectangle list covering row band [top, bottom), sorted and merged.
std::vector<Interval> BandIntervals(const std::vector<RECT>& rects, LONG top, LONG bottom) {
  std::vector<Interval> out;
  for (const RECT& r : rects) {
    if (r.top <= top && r.bottom >= bottom) out.push_back({r.left, r.right});
  }
  std::sort(out.begin(), out.end(),
            [](const Interval& a, const Interval& b) { return a.left < b.left; });
  std::vector<Interval> merged;
  for (const Interval& i : out) {
    if (!merged.empty() && i.left <= merged.back().right) {
      merged.back().right = std::max(merged.back().right, i.right);
    } else {
      merged.push_back(i);
    }
  }
  return merged;
}

bool Inside(const std::vector<Interval>& set, LONG x) {
  for (const Interval& i : set) {
    if (x >= i.left && x < i.right) return true;
  }
  return false;
}

bool Apply(RegionOp op, bool a, bool b) {
  switch (op) {
    case RegionOp::kAnd:
      return a && b;
    case RegionOp::kOr:
      return a || b;
    case RegionOp::kXor:
      return a != b;
    case RegionOp::kDiff:
      return a && !b;
  }
  return false;
}

std::vector<Interval> CombineIntervals(const std::vector<Interval>& a,
                                       const std::vector<Interval>& b, RegionOp op) {
  std::vector<LONG> xs;
  for (const Interval& i : a) xs.insert(xs.end(), {i.left, i.right});
  for (const Interval& i : b) xs.insert(xs.end(), {i.left, i.right});
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::vector<Interval> out;
  for (size_t k = 0; k + 1 < xs.size(); ++k) {
    if (!Apply(op, Inside(a, xs[k]), Inside(b, xs[k]))) continue;
    if (!out.empty() && out.back().right == xs[k]) {
      out.back().right = xs[k + 1];
    } else {
      out.push_back({xs[k], xs[k + 1]});
    }
  }
  return out;
}

std::vector<RECT> Sweep(const std::vector<RECT>& a, const std::vector<RECT>& b, RegionOp op) {
  std::vector<LONG> ys;
  for (const RECT& r : a) ys.insert(ys.end(), {r.top, r.bottom});
  for (const RECT& r : b) ys.insert(ys.end(), {r.top, r.bottom});
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  std::vector<RECT> out;
  std::vector<Interval> previous;
  size_t previousStart = 0;  // first rectangle of the previous band in `out`
  LONG previousBottom = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const LONG top = ys[k], bottom = ys[k + 1];
    std::vector<Interval> band =
        CombineIntervals(BandIntervals(a, top, bottom), BandIntervals(b, top, bottom), op);
    if (band.empty()) {
      previous.clear();
      continue;
    }
    const bool same = !previous.empty() && previousBottom == top &&
                      band.size() == previous.size() &&
                      std::equal(band.begin(), band.end(), previous.begin(),
                                 [](const Interval& x, const Interval& y) {
                                   return x.left == y.left && x.right == y.right;
                                 });
    if (same) {
      for (size_t i = previousStart; i < out.size(); ++i) out[i].bottom = bottom;
    } else {
      previousStart = out.size();
      for (const Interval& i : band) out.push_back({i.left, top, i.right, bottom});
      previous = band;
    }
    previousBottom = bottom;
  }
  return out;
}

}  // namespace

bool RectEmpty(const RECT& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

RECT IntersectRects(const RECT& a, const RECT& b) {
  RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
         std::min(a.bottom, b.bottom)};
  if (RectEmpty(r)) r = RECT{0, 0, 0, 0};
  return r;
}

Region::Region(const RECT& r) {
  if (!RectEmpty(r)) rects_.push_back(r);
}

Region Region::FromRects(const std::vector<RECT>& rects) {
  std::vector<RECT> valid;
  for (const RECT& r : rects) {
    if (!RectEmpty(r)) valid.push_back(r);
  }
  Region out;
  if (valid.size() == 1) {
    out.rects_ = valid;
    return out;
  }
  out.rects_ = Sweep(valid, {}, RegionOp::kOr);
  return out;
}

RECT Region::Box() const {
  if (rects_.empty()) return RECT{0, 0, 0, 0};
  RECT box = rects_.front();
  for (const RECT& r : rects_) {
    box.left = std::min(box.left, r.left);
    box.top = std::min(box.top, r.top);
    box.right = std::max(box.right, r.right);
    box.bottom = std::max(box.bottom, r.bottom);
  }
  return box;
}

int Region::Complexity() const {
  if (rects_.empty()) return NULLREGION;
  return rects_.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Contains(int x, int y) const {
  for (const RECT& r : rects_) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

bool Region::Intersects(const RECT& rect) const {
  for (const RECT& r : rects_) {
    if (!RectEmpty(IntersectRects(r, rect))) return true;
  }
  return false;
}

void Region::Offset(int dx, int dy) {
  for (RECT& r : rects_) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
  }
}

Region Region::Combine(const Region& a, const Region& b, RegionOp op) {
  Region out;
  // Two rectangles intersect into one: the common case of every clipped drawing call.
  if (op == RegionOp::kAnd && a.rects_.size() == 1 && b.rects_.size() == 1) {
    const RECT r = IntersectRects(a.rects_[0], b.rects_[0]);
    if (!RectEmpty(r)) out.rects_.push_back(r);
    return out;
  }
  out.rects_ = Sweep(a.rects_, b.rects_, op);
  return out;
}

bool operator==(const Region& a, const Region& b) {
  if (a.rects_.size() != b.rects_.size()) return false;
  for (size_t i = 0; i < a.rects_.size(); ++i) {
    const RECT& x = a.rects_[i];
    const RECT& y = b.rects_[i];
    if (x.left != y.left || x.top != y.top || x.right != y.right || x.bottom != y.bottom)
      return false;
  }
  return true;
}

}  // namespace platform::gdi
