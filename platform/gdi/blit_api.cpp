// BitBlt, StretchBlt, PatBlt, TransparentImage and FillRect: argument checks in front of the
// block-transfer engine.
#include "gdi/blit.h"
#include "gdi/coordinates.h"
#include "gdi/rop_table.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

RECT Extent(int x, int y, int w, int h) {
  return RECT{x, y, x + w, y + h};
}

BOOL Transfer(HDC hdc, HDC hdcSrc, const RECT& dest, const RECT& src, DWORD rop) {
  std::optional<DrawTarget> target = ResolveTarget(hdc);
  if (!target) return FALSE;
  std::optional<BlitSource> source;
  // Operations without a source ignore the source DC, as PatBlt would.
  if (hdcSrc && !(IsKnownRop3(rop) && !Rop3UsesSource(Rop3Index(rop)))) {
    source = SourceOfDc(hdcSrc);
    if (!source) return FALSE;
  }
  BlitRequest request;
  request.dest = dest;
  request.src = src;
  request.rop = rop;
  return RunBlit(*target, source ? &*source : nullptr, request);
}

}  // namespace

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  if (!CoordinatesOk({x, y, cx, cy, x1, y1})) return FALSE;
  return Transfer(hdc, hdcSrc, Extent(x, y, cx, cy), Extent(x1, y1, cx, cy), rop);
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
  if (!CoordinatesOk({xDest, yDest, wDest, hDest, xSrc, ySrc, wSrc, hSrc})) return FALSE;
  return Transfer(hdcDest, hdcSrc, Extent(xDest, yDest, wDest, hDest),
                  Extent(xSrc, ySrc, wSrc, hSrc), rop);
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  if (!CoordinatesOk({x, y, w, h})) return FALSE;
  if (IsKnownRop3(rop) && Rop3UsesSource(Rop3Index(rop))) {  // PatBlt has no source
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return Transfer(hdc, nullptr, Extent(x, y, w, h), RECT{}, rop);
}

BOOL WINAPI TransparentImage(HDC hdcDest, int nXDest, int nYDest, int nWidthDest, int nHeightDest,
                             HANDLE hSrc, int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc,
                             COLORREF crTransparentColor) {
  if (!CoordinatesOk(
          {nXDest, nYDest, nWidthDest, nHeightDest, nXSrc, nYSrc, nWidthSrc, nHeightSrc}))
    return FALSE;
  std::optional<DrawTarget> target = ResolveTarget(hdcDest);
  if (!target) return FALSE;
  if (nWidthDest < 0 || nHeightDest < 0 || nWidthSrc < 0 || nHeightSrc < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  // The source is a DC or a bitmap.
  std::optional<BlitSource> source;
  if (LookupDc(static_cast<HDC>(hSrc))) {
    source = SourceOfDc(static_cast<HDC>(hSrc));
  } else if (BitmapObject* bitmap = LookupBitmap(hSrc)) {
    source = BlitSource{&bitmap->surface, POINT{0, 0}, bitmap->is_mono_ddb, RGB(255, 255, 255)};
  }
  if (!source) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  BlitRequest request;
  request.dest = Extent(nXDest, nYDest, nWidthDest, nHeightDest);
  request.src = Extent(nXSrc, nYSrc, nWidthSrc, nHeightSrc);
  request.transparent = ColorRefToPixel(crTransparentColor & 0xFFFFFF);
  return RunBlit(*target, &*source, request);
}

int WINAPI FillRect(HDC hDC, CONST RECT* lprc, HBRUSH hbr) {
  std::optional<DrawTarget> target = ResolveTarget(hDC);
  if (!target) return 0;
  if (!lprc || !LookupBrush(hbr)) {
    SetLastError(lprc ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (!RectOk(*lprc)) return 0;
  // The rectangle includes its left and top edges only; an inverted rectangle fills nothing.
  if (lprc->right <= lprc->left || lprc->bottom <= lprc->top) return 1;
  const HBRUSH selected = target->dc->brush;
  target->dc->brush = hbr;
  BlitRequest request;
  request.dest = *lprc;
  request.rop = PATCOPY;
  const BOOL ok = RunBlit(*target, nullptr, request);
  target->dc->brush = selected;
  return ok ? 1 : 0;
}
