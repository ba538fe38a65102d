// Region objects and the DC's clip region (kept as the DC's own copy).
#include "gdi/blit.h"
#include "gdi/coordinates.h"
#include "gdi/objects.h"
#include "gdi/target.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

RegionObject* Rgn(HRGN h) {
  RegionObject* r = LookupRegion(h);
  if (!r) SetLastError(ERROR_INVALID_HANDLE);
  return r;
}

RECT Ordered(int l, int t, int r, int b) {
  return RECT{std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// The area a DC may draw on, in logical coordinates, before its clip region.
std::optional<Region> DrawableArea(HDC hdc) {
  DcObject* dc = LookupDc(hdc);
  if (!dc) return std::nullopt;
  const std::optional<Region> saved = dc->clip;
  dc->clip.reset();
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  dc->clip = saved;
  if (!t) return std::nullopt;
  Region area = t->clip;
  area.Offset(-t->origin.x, -t->origin.y);
  return area;
}

int ClipWith(HDC hdc, const Region& region, RegionOp op) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return ERROR;
  const std::optional<Region> area = DrawableArea(hdc);
  if (!area) return ERROR;
  dc->clip = Region::Combine(dc->clip ? *dc->clip : *area, region, op);
  return dc->clip->Intersect(*area).Complexity();
}

}  // namespace

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
  if (!CoordinatesOk({x1, y1, x2, y2})) return nullptr;
  auto region = std::make_unique<RegionObject>();
  region->region = Region(Ordered(x1, y1, x2, y2));
  return static_cast<HRGN>(Register(std::move(region)));
}

HRGN WINAPI CreateRectRgnIndirect(CONST RECT* lprect) {
  if (!lprect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreateRectRgn(lprect->left, lprect->top, lprect->right, lprect->bottom);
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  RegionObject* dst = Rgn(hrgnDst);
  RegionObject* a = Rgn(hrgnSrc1);
  if (!dst || !a) return ERROR;
  if (iMode == RGN_COPY) {
    dst->region = a->region;
    return dst->region.Complexity();
  }
  RegionObject* b = Rgn(hrgnSrc2);
  if (!b) return ERROR;
  RegionOp op;
  switch (iMode) {
    case RGN_AND:
      op = RegionOp::kAnd;
      break;
    case RGN_OR:
      op = RegionOp::kOr;
      break;
    case RGN_XOR:
      op = RegionOp::kXor;
      break;
    case RGN_DIFF:
      op = RegionOp::kDiff;
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return ERROR;
  }
  dst->region = Region::Combine(a->region, b->region, op);
  return dst->region.Complexity();
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  if (!CoordinatesOk({left, top, right, bottom})) return FALSE;
  RegionObject* r = Rgn(hrgn);
  if (!r) return FALSE;
  r->region = Region(Ordered(left, top, right, bottom));
  return TRUE;
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
  RegionObject* r = Rgn(hrgn);
  if (!r) return ERROR;
  const RECT box = r->region.Box();
  if (!CoordinatesOk({int64_t{box.left} + x, int64_t{box.top} + y, int64_t{box.right} + x,
                      int64_t{box.bottom} + y}))
    return ERROR;
  r->region.Offset(x, y);
  return r->region.Complexity();
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
  RegionObject* r = Rgn(hrgn);
  if (!r) return ERROR;
  if (!lprc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  *lprc = r->region.Box();
  return r->region.Complexity();
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
  RegionObject* r = Rgn(hrgn);
  return r && r->region.Contains(x, y);
}

BOOL WINAPI RectInRegion(HRGN hrgn, CONST RECT* lprect) {
  RegionObject* r = Rgn(hrgn);
  if (!r || !lprect) return FALSE;
  return r->region.Intersects(Ordered(lprect->left, lprect->top, lprect->right, lprect->bottom));
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  RegionObject* a = Rgn(hrgn1);
  RegionObject* b = Rgn(hrgn2);
  if (!a || !b) return ERROR;
  return a->region == b->region;
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return ERROR;
  if (!hrgn) {  // no clip region: the whole drawable area
    dc->clip.reset();
    const std::optional<Region> area = DrawableArea(hdc);
    return area ? area->Complexity() : ERROR;
  }
  RegionObject* r = Rgn(hrgn);
  if (!r) return ERROR;
  dc->clip = r->region;  // the DC keeps its own copy
  const std::optional<Region> area = DrawableArea(hdc);
  return area ? dc->clip->Intersect(*area).Complexity() : ERROR;
}

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
  DcObject* dc = LookupDc(hdc);
  RegionObject* r = Rgn(hrgn);
  if (!dc || !r) {
    SetLastError(ERROR_INVALID_HANDLE);
    return -1;
  }
  if (!dc->clip) return 0;
  r->region = *dc->clip;
  return 1;
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  std::optional<DrawTarget> t = ResolveTarget(hdc);
  if (!t) return ERROR;
  if (!lprect) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return ERROR;
  }
  Region area = t->clip;
  area.Offset(-t->origin.x, -t->origin.y);
  *lprect = area.Box();
  return area.Complexity();
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  if (!CoordinatesOk({left, top, right, bottom})) return ERROR;
  return ClipWith(hdc, Region(Ordered(left, top, right, bottom)), RegionOp::kAnd);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  if (!CoordinatesOk({left, top, right, bottom})) return ERROR;
  return ClipWith(hdc, Region(Ordered(left, top, right, bottom)), RegionOp::kDiff);
}

BOOL WINAPI ScrollDC(HDC hDC, int dx, int dy, CONST RECT* lprcScroll, CONST RECT* lprcClip,
                     HRGN hrgnUpdate, LPRECT lprcUpdate) {
  if (!CoordinatesOk({dx, dy}) || (lprcScroll && !RectOk(*lprcScroll)) ||
      (lprcClip && !RectOk(*lprcClip)))
    return FALSE;
  std::optional<DrawTarget> t = ResolveTarget(hDC);
  if (!t) return FALSE;
  RegionObject* update = nullptr;
  if (hrgnUpdate && !(update = Rgn(hrgnUpdate))) return FALSE;
  // Logical view of the drawable area.
  Region drawable = t->clip;
  drawable.Offset(-t->origin.x, -t->origin.y);
  const RECT scroll = lprcScroll ? *lprcScroll : drawable.Box();
  Region limit = lprcClip ? drawable.Intersect(*lprcClip) : drawable;

  // Pixels move from the visible part of the scroll rectangle to the same spot shifted by (dx, dy).
  Region moved = drawable.Intersect(scroll);
  moved.Offset(dx, dy);
  moved = moved.Intersect(limit);
  if (!moved.Empty()) {
    Region device = moved;
    device.Offset(t->origin.x, t->origin.y);
    DrawTarget clipped = *t;
    clipped.clip = t->clip.Intersect(device);
    BlitSource source{t->surface, t->origin, false, t->dc->bk_color};
    BlitRequest request;
    request.dest = RECT{scroll.left + dx, scroll.top + dy, scroll.right + dx, scroll.bottom + dy};
    request.src = scroll;
    request.rop = SRCCOPY;
    RunBlit(clipped, &source, request);
  }

  // What the scroll uncovered (or could not fill from visible pixels) inside the clip.
  Region shifted(RECT{scroll.left + dx, scroll.top + dy, scroll.right + dx, scroll.bottom + dy});
  Region touched = Region::Combine(Region(scroll), shifted, RegionOp::kOr);
  if (lprcClip) touched = touched.Intersect(*lprcClip);
  const Region uncovered = Region::Combine(touched, moved, RegionOp::kDiff);
  if (update) update->region = uncovered;
  if (lprcUpdate) *lprcUpdate = uncovered.Box();
  return TRUE;
}
