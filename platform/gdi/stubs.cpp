// Entry points of the GDI not yet drawn for real: each fails as documented, so callers link.
#include <windows.h>

#include "gdi/display_dc.h"

#pragma GCC diagnostic ignored "-Wunused-parameter"

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

BOOL WINAPI DeleteDC(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

HGDIOBJ WINAPI GetStockObject(int i) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

int WINAPI GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount,
                            CONST VOID* lpBits) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, CONST BITMAPINFO* pbmi, UINT usage, VOID** ppvBits,
                                HANDLE hSection, DWORD offset) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

UINT WINAPI GetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, RGBQUAD* prgbq) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

UINT WINAPI SetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, CONST RGBQUAD* prgbq) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HPEN WINAPI CreatePenIndirect(CONST LOGPEN* plpen) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc,
                       int xSrc, int ySrc, int wSrc, int hSrc, DWORD rop) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetStretchBltMode(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

BOOL WINAPI TransparentImage(HDC hdcDest, int nXDest, int nYDest, int nWidthDest, int nHeightDest,
                             HANDLE hSrc, int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc,
                             COLORREF crTransparentColor) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI Polyline(HDC hdc, CONST POINT* apt, int cpt) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI Polygon(HDC hdc, CONST POINT* apt, int cpt) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

int WINAPI SetROP2(HDC hdc, int rop2) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetROP2(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

int WINAPI FillRect(HDC hDC, CONST RECT* lprc, HBRUSH hbr) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

HRGN WINAPI CreateRectRgn(int x1, int y1, int x2, int y2) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

HRGN WINAPI CreateRectRgnIndirect(CONST RECT* lprect) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

int WINAPI CombineRgn(HRGN hrgnDst, HRGN hrgnSrc1, HRGN hrgnSrc2, int iMode) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

int WINAPI OffsetRgn(HRGN hrgn, int x, int y) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT lprc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI RectInRegion(HRGN hrgn, CONST RECT* lprect) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI EqualRgn(HRGN hrgn1, HRGN hrgn2) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetClipBox(HDC hdc, LPRECT lprect) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

BOOL WINAPI ScrollDC(HDC hDC, int dx, int dy, CONST RECT* lprcScroll, CONST RECT* lprcClip,
                     HRGN hrgnUpdate, LPRECT lprcUpdate) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

COLORREF WINAPI GetTextColor(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

COLORREF WINAPI GetBkColor(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

int WINAPI GetBkMode(HDC hdc) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}

HFONT WINAPI CreateFontIndirectW(CONST LOGFONTW* lplf) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return NULL;
}

BOOL WINAPI GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI GetTextExtentExPointW(HDC hdc, LPCWSTR lpszString, int cchString, int nMaxExtent,
                                  LPINT lpnFit, LPINT lpnDx, LPSIZE lpSize) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, CONST RECT* lprect, LPCWSTR lpString,
                        UINT c, CONST INT* lpDx) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

int WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return 0;
}
namespace platform::gdi {
HDC CreateDisplayDC(DisplayViewSource) {
  return NULL;
}
void DestroyDisplayDC(HDC) {}
}  // namespace platform::gdi
