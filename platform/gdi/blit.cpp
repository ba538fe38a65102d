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
  const uint32_t rop = request.rop;
  if (!request.transparent && !IsKnownRop3(rop)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const uint8_t index = Rop3Index(rop);
  const bool usesSource = request.transparent || Rop3UsesSource(index);
  const bool usesPattern = !request.transparent && Rop3UsesPattern(index);
  const bool usesDest = !request.transparent && Rop3UsesDest(index);
  if (usesSource && (!source || !source->surface)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }

  const RECT& d = request.dest;
  const int dw = d.right - d.left, dh = d.bottom - d.top;
  if (dw == 0 || dh == 0) return TRUE;

  Axis ax, ay;
  if (usesSource) {
    const RECT& s = request.src;
    if (!BuildAxis(d.left + target.origin.x, dw, target.surface->width, s.left + source->origin.x,
                   s.right - s.left, source->surface->width, ax) ||
        !BuildAxis(d.top + target.origin.y, dh, target.surface->height, s.top + source->origin.y,
                   s.bottom - s.top, source->surface->height, ay)) {
      return TRUE;  // nothing of the source lies on its surface
    }
  } else {
    // Without a source the destination is a plain rectangle between its corners.
    ax.destStart = std::min(d.left, d.right) + target.origin.x;
    ax.destLen = dw < 0 ? -dw : dw;
    ay.destStart = std::min(d.top, d.bottom) + target.origin.y;
    ay.destLen = dh < 0 ? -dh : dh;
  }

  const Region area = target.clip.Intersect(
      RECT{ax.destStart, ay.destStart, ax.destStart + ax.destLen, ay.destStart + ay.destLen});
  if (area.Empty()) return TRUE;

  BrushSampler brush(target, LookupBrush(target.dc->brush));
  if (usesPattern && brush.IsNull()) {
    return TRUE;  // the null brush paints nothing
  }

  // Reading and writing the same surface: take the source pixels first, as a plain 32-bit copy
  // of just the part the axes reach (which then count from its corner).
  std::unique_ptr<BitmapObject> snapshot;
  const Surface* srcSurface = usesSource ? source->surface : nullptr;
  if (usesSource && srcSurface == target.surface) {
    const auto [x_lo, x_hi] = std::minmax_element(ax.source.begin(), ax.source.end());
    const auto [y_lo, y_hi] = std::minmax_element(ay.source.begin(), ay.source.end());
    const int x0 = *x_lo, y0 = *y_lo;
    snapshot = MakeBitmap(*x_hi - x0 + 1, *y_hi - y0 + 1, 32, 4);
    Surface& copy = snapshot->surface;
    for (int y = 0; y < copy.height; ++y)
      ReadSpan(*srcSurface, x0, y0 + y, copy.width, reinterpret_cast<uint32_t*>(copy.Row(y)));
    for (int& x : ax.source) x -= x0;
    for (int& y : ay.source) y -= y0;
    srcSurface = &copy;
  }

  const bool identityX =
      usesSource && ax.destLen > 0 && ax.source.back() - ax.source.front() == ax.destLen - 1;
  const bool fast = !request.transparent && target.surface->IsPlain32() &&
                    (!usesSource || (srcSurface->IsPlain32() && identityX && !source->mono_ddb)) &&
                    (!usesPattern || brush.IsSolid());
  const bool destIsMono = target.bitmap && target.bitmap->is_mono_ddb;

  std::vector<uint32_t> sbuf, dbuf, pbuf, segment;
  const uint32_t key = request.transparent.value_or(0);
  for (const RECT& r : area.Rects()) {
    const int n = r.right - r.left;
    sbuf.resize(n);
    dbuf.resize(n);
    pbuf.resize(n);
    for (int y = r.top; y < r.bottom; ++y) {
      const int sy = usesSource ? ay.source[y - ay.destStart] : 0;
      const int first = r.left - ax.destStart;
      if (fast) {
        auto* drow = reinterpret_cast<uint32_t*>(target.surface->Row(y)) + r.left;
        const uint32_t* srow =
            usesSource ? reinterpret_cast<const uint32_t*>(srcSurface->Row(sy)) + ax.source[first]
                       : nullptr;
        if (FastRow(rop, drow, srow, n, brush.IsNull() ? 0 : brush.Solid(), usesPattern)) continue;
      }
      if (usesSource) {
        if (identityX) {
          ReadSpan(*srcSurface, ax.source[first], sy, n, sbuf.data());
        } else {
          // Stretched or mirrored: read the source row segment once, then pick pixels from it.
          const auto [lo, hi] =
              std::minmax_element(ax.source.begin() + first, ax.source.begin() + first + n);
          const int span = *hi - *lo + 1;
          segment.resize(static_cast<size_t>(span));
          ReadSpan(*srcSurface, *lo, sy, span, segment.data());
          for (int i = 0; i < n; ++i)
            sbuf[i] = segment[static_cast<size_t>(ax.source[first + i] - *lo)];
        }
        if (request.transparent) {
          // Copy runs of pixels that differ from the key.
          int i = 0;
          while (i < n) {
            while (i < n && sbuf[i] == key) ++i;
            int j = i;
            while (j < n && sbuf[j] != key) ++j;
            if (j > i) {
              MapSourceColours(*source, target, sbuf.data() + i, j - i);
              WriteSpan(*target.surface, r.left + i, y, j - i, sbuf.data() + i);
            }
            i = j;
          }
          continue;
        }
        MapSourceColours(*source, target, sbuf.data(), n);
      }
      if (usesDest) ReadSpan(*target.surface, r.left, y, n, dbuf.data());
      if (usesPattern) {
        brush.Row(r.left, y, n, pbuf.data());
        if (destIsMono) {
          for (int i = 0; i < n; ++i)
            pbuf[i] = target.surface->palette[NearestIndex(*target.surface, pbuf[i])];
        }
      }
      if (!FastRow(rop, dbuf.data(), sbuf.data(), n, pbuf[0], usesPattern && brush.IsSolid())) {
        for (int i = 0; i < n; ++i)
          dbuf[i] = ApplyRop3(index, pbuf[i], sbuf[i], dbuf[i]) & 0xFFFFFF;
      }
      WriteSpan(*target.surface, r.left, y, n, dbuf.data());
    }
  }
  MarkDrawn(target);
  return TRUE;
}

}  // namespace platform::gdi
