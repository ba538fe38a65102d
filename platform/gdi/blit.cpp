// Block transfers: nearest-neighbour mapping, monochrome colour rules, the raster-operation
// table with fast paths for the common codes on 32-bit surfaces.
#include "gdi/blit.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "gdi/rop_table.h"
#include "winbase.h"

namespace platform::gdi {

namespace {

// One axis of the mapping from destination pixels to source pixels.
struct Axis {
  int destStart = 0;  // surface coordinate of the first destination pixel
  int destLen = 0;
  std::vector<int> source;  // surface coordinate of the source pixel for each destination pixel
};

// Maps dest_len destination pixels onto src_len source pixels starting at src_start, mirrored
// when the extents' signs differ. Only destination pixels inside [0, dest_limit) whose source lies
// inside [0, src_limit) are kept, so the work never exceeds the surfaces' size.
bool BuildAxis(int destPos, int destLen, int destLimit, int srcPos, int srcLen, int srcLimit,
               Axis& axis) {
  bool mirror = false;
  // A negative extent runs leftwards (upwards) from the given position, which stays included.
  if (destLen < 0) {
    destPos += destLen + 1;
    destLen = -destLen;
    mirror = !mirror;
  }
  if (srcLen < 0) {
    srcPos += srcLen + 1;
    srcLen = -srcLen;
    mirror = !mirror;
  }
  if (destLen == 0 || srcLen == 0) return false;
  axis.source.clear();
  int first = -1;
  const int begin = std::max(0, -destPos);
  const int end = static_cast<int>(std::min<int64_t>(destLen, int64_t{destLimit} - destPos));
  for (int i = begin; i < end; ++i) {
    // The source pixel under the centre of destination pixel i.
    int s = static_cast<int>((int64_t{2} * i + 1) * srcLen / (int64_t{2} * destLen));
    if (mirror) s = srcLen - 1 - s;
    s += srcPos;
    if (s < 0 || s >= srcLimit) {
      if (first >= 0) break;  // the valid part is contiguous
      continue;
    }
    if (first < 0) first = i;
    axis.source.push_back(s);
  }
  if (first < 0) return false;
  axis.destStart = destPos + first;
  axis.destLen = static_cast<int>(axis.source.size());
  return true;
}

// Source pixels as the destination sees them: monochrome bitmaps take colours from the DCs.
void MapSourceColours(const BlitSource& src, const DrawTarget& dst, uint32_t* px, int n) {
  const bool destMono = dst.bitmap && dst.bitmap->is_mono_ddb;
  if (src.mono_ddb && !destMono) {
    // 0 bits become the text colour, 1 bits the background colour of the destination DC.
    const uint32_t fore = ColorRefToPixel(dst.dc->text_color & 0xFFFFFF);
    const uint32_t back = ColorRefToPixel(dst.dc->bk_color & 0xFFFFFF);
    for (int i = 0; i < n; ++i) px[i] = px[i] ? back : fore;
  } else if (destMono && !src.mono_ddb) {
    // The source DC's background colour becomes white (1), every other colour black (0).
    const uint32_t key = ColorRefToPixel(src.bk_color & 0xFFFFFF);
    for (int i = 0; i < n; ++i) px[i] = px[i] == key ? 0xFFFFFF : 0;
  }
}

// Fast paths: whole rows on 32-bit surfaces for the codes the game draws with.
bool FastRow(uint32_t rop, uint32_t* d, const uint32_t* s, int n, uint32_t solidPattern,
             bool havePattern) {
  switch (rop) {
    case SRCCOPY:
      std::memcpy(d, s, static_cast<size_t>(n) * 4);
      return true;
    case SRCAND:
      for (int i = 0; i < n; ++i) d[i] &= s[i];
      return true;
    case SRCPAINT:
      for (int i = 0; i < n; ++i) d[i] |= s[i];
      return true;
    case SRCINVERT:
      for (int i = 0; i < n; ++i) d[i] ^= s[i];
      return true;
    case BLACKNESS:
      std::fill(d, d + n, 0u);
      return true;
    case WHITENESS:
      std::fill(d, d + n, 0xFFFFFFu);
      return true;
    case DSTINVERT:
      for (int i = 0; i < n; ++i) d[i] ^= 0xFFFFFF;
      return true;
    case PATCOPY:
      if (!havePattern) return false;
      std::fill(d, d + n, solidPattern);
      return true;
    default:
      return false;
  }
}

// The operands the raster operation combines.
struct Operands {
  uint8_t index = 0;  // the code's row in the ternary table
  bool source = false;
  bool pattern = false;
  bool dest = false;
};

// The code must be a known raster operation (a transparent copy reads the source only) and a
// source it reads must have a surface. Sets the last error and returns nothing otherwise.
std::optional<Operands> CheckBlit(const BlitSource* source, const BlitRequest& request) {
  if (!request.transparent && !IsKnownRop3(request.rop)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  Operands ops;
  ops.index = Rop3Index(request.rop);
  ops.source = request.transparent || Rop3UsesSource(ops.index);
  ops.pattern = !request.transparent && Rop3UsesPattern(ops.index);
  ops.dest = !request.transparent && Rop3UsesDest(ops.index);
  if (ops.source && (!source || !source->surface)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return std::nullopt;
  }
  return ops;
}

// Both axes of a transfer, in surface coordinates.
struct Mapping {
  Axis x;
  Axis y;
};

// Maps the destination rectangle (with the target's origin) onto the source. Without a source
// the destination is a plain rectangle between its corners. Nothing when the destination is
// empty or no part of the source lies on its surface.
std::optional<Mapping> MapAxes(const DrawTarget& target, const BlitSource* source,
                               const BlitRequest& request, bool usesSource) {
  const RECT& d = request.dest;
  const int dw = d.right - d.left, dh = d.bottom - d.top;
  if (dw == 0 || dh == 0) return std::nullopt;
  Mapping m;
  if (usesSource) {
    const RECT& s = request.src;
    if (!BuildAxis(d.left + target.origin.x, dw, target.surface->width, s.left + source->origin.x,
                   s.right - s.left, source->surface->width, m.x) ||
        !BuildAxis(d.top + target.origin.y, dh, target.surface->height, s.top + source->origin.y,
                   s.bottom - s.top, source->surface->height, m.y)) {
      return std::nullopt;
    }
  } else {
    m.x.destStart = std::min(d.left, d.right) + target.origin.x;
    m.x.destLen = dw < 0 ? -dw : dw;
    m.y.destStart = std::min(d.top, d.bottom) + target.origin.y;
    m.y.destLen = dh < 0 ? -dh : dh;
  }
  return m;
}

// The mapped destination inside the target's clip region.
Region ClipToTarget(const DrawTarget& target, const Mapping& m) {
  return target.clip.Intersect(
      RECT{m.x.destStart, m.y.destStart, m.x.destStart + m.x.destLen, m.y.destStart + m.y.destLen});
}

// Where the rows read their source pixels.
struct SourcePixels {
  std::unique_ptr<BitmapObject> snapshot;  // owns the copy when one was taken
  const Surface* surface = nullptr;        // null without a source
};

// Reading and writing the same surface: takes the source pixels first, as a plain 32-bit copy of
// just the part the axes reach, and makes the axes' source coordinates count from its corner.
SourcePixels TakeSourcePixels(const DrawTarget& target, const BlitSource* source, bool usesSource,
                              Mapping& m) {
  SourcePixels pixels;
  pixels.surface = usesSource ? source->surface : nullptr;
  if (!usesSource || pixels.surface != target.surface) return pixels;
  const auto [x_lo, x_hi] = std::minmax_element(m.x.source.begin(), m.x.source.end());
  const auto [y_lo, y_hi] = std::minmax_element(m.y.source.begin(), m.y.source.end());
  const int x0 = *x_lo, y0 = *y_lo;
  pixels.snapshot = MakeBitmap(*x_hi - x0 + 1, *y_hi - y0 + 1, 32, 4);
  Surface& copy = pixels.snapshot->surface;
  for (int y = 0; y < copy.height; ++y)
    ReadSpan(*pixels.surface, x0, y0 + y, copy.width, reinterpret_cast<uint32_t*>(copy.Row(y)));
  for (int& x : m.x.source) x -= x0;
  for (int& y : m.y.source) y -= y0;
  pixels.surface = &copy;
  return pixels;
}

// Every row of every clipped rectangle: whole rows through FastRow where the surfaces and the
// code allow it, otherwise the source, destination and pattern spans read and combined pixel by
// pixel through the raster-operation table.
class RowLoop {
 public:
  RowLoop(DrawTarget& target, const BlitSource* source, const BlitRequest& request,
          const Operands& ops, const Mapping& mapping, const Surface* srcSurface,
          const BrushSampler& brush)
      : target_(target),
        source_(source),
        request_(request),
        ops_(ops),
        mapping_(mapping),
        srcSurface_(srcSurface),
        brush_(brush),
        identityX_(ops.source && mapping.x.destLen > 0 &&
                   mapping.x.source.back() - mapping.x.source.front() == mapping.x.destLen - 1),
        fast_(!request.transparent && target.surface->IsPlain32() &&
              (!ops.source || (srcSurface->IsPlain32() && identityX_ && !source->mono_ddb)) &&
              (!ops.pattern || brush.IsSolid())),
        destIsMono_(target.bitmap && target.bitmap->is_mono_ddb),
        key_(request.transparent.value_or(0)) {}

  void Run(const Region& area) {
    for (const RECT& r : area.Rects()) {
      const int n = r.right - r.left;
      sbuf_.resize(n);
      dbuf_.resize(n);
      pbuf_.resize(n);
      for (int y = r.top; y < r.bottom; ++y) BlitRow(r.left, y, n);
    }
  }

 private:
  void BlitRow(int left, int y, int n) {
    const int sy = ops_.source ? mapping_.y.source[y - mapping_.y.destStart] : 0;
    const int first = left - mapping_.x.destStart;
    if (fast_ && FastPath(left, y, n, sy, first)) return;
    if (ops_.source) {
      ReadSourceRow(first, sy, n);
      if (request_.transparent) {
        CopyKeyedRuns(left, y, n);
        return;
      }
      MapSourceColours(*source_, target_, sbuf_.data(), n);
    }
    CombineRow(left, y, n);
  }

  // The row straight between the surfaces; false for codes without a fast path.
  bool FastPath(int left, int y, int n, int sy, int first) {
    auto* drow = reinterpret_cast<uint32_t*>(target_.surface->Row(y)) + left;
    const uint32_t* srow = ops_.source ? reinterpret_cast<const uint32_t*>(srcSurface_->Row(sy)) +
                                             mapping_.x.source[first]
                                       : nullptr;
    return FastRow(request_.rop, drow, srow, n, brush_.IsNull() ? 0 : brush_.Solid(), ops_.pattern);
  }

  void ReadSourceRow(int first, int sy, int n) {
    const std::vector<int>& xs = mapping_.x.source;
    if (identityX_) {
      ReadSpan(*srcSurface_, xs[first], sy, n, sbuf_.data());
      return;
    }
    // Stretched or mirrored: read the source row segment once, then pick pixels from it.
    const auto [lo, hi] = std::minmax_element(xs.begin() + first, xs.begin() + first + n);
    const int span = *hi - *lo + 1;
    segment_.resize(static_cast<size_t>(span));
    ReadSpan(*srcSurface_, *lo, sy, span, segment_.data());
    for (int i = 0; i < n; ++i) sbuf_[i] = segment_[static_cast<size_t>(xs[first + i] - *lo)];
  }

  // Copies the runs of source pixels that differ from the key.
  void CopyKeyedRuns(int left, int y, int n) {
    int i = 0;
    while (i < n) {
      while (i < n && sbuf_[i] == key_) ++i;
      int j = i;
      while (j < n && sbuf_[j] != key_) ++j;
      if (j > i) {
        MapSourceColours(*source_, target_, sbuf_.data() + i, j - i);
        WriteSpan(*target_.surface, left + i, y, j - i, sbuf_.data() + i);
      }
      i = j;
    }
  }

  // Reads the destination and pattern spans the code uses, combines them with the source span
  // and writes the row back.
  void CombineRow(int left, int y, int n) {
    if (ops_.dest) ReadSpan(*target_.surface, left, y, n, dbuf_.data());
    if (ops_.pattern) {
      brush_.Row(left, y, n, pbuf_.data());
      if (destIsMono_) {
        for (int i = 0; i < n; ++i)
          pbuf_[i] = target_.surface->palette[NearestIndex(*target_.surface, pbuf_[i])];
      }
    }
    if (!FastRow(request_.rop, dbuf_.data(), sbuf_.data(), n, pbuf_[0],
                 ops_.pattern && brush_.IsSolid())) {
      for (int i = 0; i < n; ++i)
        dbuf_[i] = ApplyRop3(ops_.index, pbuf_[i], sbuf_[i], dbuf_[i]) & 0xFFFFFF;
    }
    WriteSpan(*target_.surface, left, y, n, dbuf_.data());
  }

  DrawTarget& target_;
  const BlitSource* source_;
  const BlitRequest& request_;
  const Operands& ops_;
  const Mapping& mapping_;
  const Surface* srcSurface_;
  const BrushSampler& brush_;
  const bool identityX_;  // the source row is read one to one, unstretched and unmirrored
  const bool fast_;       // plain 32-bit surfaces, no colour mapping, a solid pattern
  const bool destIsMono_;
  const uint32_t key_;
  std::vector<uint32_t> sbuf_, dbuf_, pbuf_, segment_;
};

}  // namespace

std::optional<BlitSource> SourceOfDc(HDC handle) {
  std::optional<DrawTarget> t = ResolveTarget(handle);
  if (!t) return std::nullopt;
  BlitSource src;
  src.surface = t->surface;
  src.origin = t->origin;
  src.mono_ddb = t->bitmap && t->bitmap->is_mono_ddb;
  src.bk_color = t->dc->bk_color;
  return src;
}

BOOL RunBlit(DrawTarget& target, const BlitSource* source, const BlitRequest& request) {
  const std::optional<Operands> ops = CheckBlit(source, request);
  if (!ops) return FALSE;
  std::optional<Mapping> mapping = MapAxes(target, source, request, ops->source);
  if (!mapping) return TRUE;  // nothing to draw
  const Region area = ClipToTarget(target, *mapping);
  if (area.Empty()) return TRUE;
  const BrushSampler brush(target, LookupBrush(target.dc->brush));
  if (ops->pattern && brush.IsNull()) return TRUE;  // the null brush paints nothing

  const SourcePixels pixels = TakeSourcePixels(target, source, ops->source, *mapping);
  RowLoop(target, source, request, *ops, *mapping, pixels.surface, brush).Run(area);
  MarkDrawn(target);
  return TRUE;
}

}  // namespace platform::gdi
