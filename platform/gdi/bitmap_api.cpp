// Creating bitmaps (device-compatible, monochrome, DIB sections), brushes and pens.
#include <cstring>
#include <limits>

#include "gdi/objects.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

// Largest bitmap we agree to allocate: 64 MB of pixels guards against absurd sizes.
constexpr int64_t kMaxBitmapBytes = int64_t{64} << 20;

bool SizeAcceptable(int width, int height, int bpp) {
  if (width <= 0 || height <= 0) return false;
  return int64_t{RowBytes(width, bpp, 4)} * height <= kMaxBitmapBytes;
}

// The DIB section with a colour table selected into memory DC `hdc`, for reading or writing
// `table`; null, with the last error set, when there is none or no table was given.
BitmapObject* PalettedDib(HDC hdc, const RGBQUAD* table) {
  DcObject* dc = LookupDc(hdc);
  BitmapObject* b = dc && !dc->display ? LookupBitmap(dc->bitmap) : nullptr;
  if (!b || !b->is_dib || b->surface.bpp > 8 || !table) {
    SetLastError(dc ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return b;
}

}  // namespace

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  if (cx == 0 || cy == 0) return DefaultBitmap();  // the stock 1x1 monochrome bitmap
  DcObject* dc = CheckDc(hdc);
  if (!dc) return nullptr;
  // A memory DC gives the format of the bitmap selected into it: monochrome at first, a DIB
  // section of the same layout when one is selected; other DCs give the screen's 32 bits.
  const BitmapObject* selected = dc->display ? nullptr : LookupBitmap(dc->bitmap);
  const int bpp = selected ? selected->surface.bpp : 32;
  if (cx < 0 || cy < 0 || !SizeAcceptable(cx, cy, bpp)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto bitmap = MakeBitmap(cx, cy, bpp, selected && selected->is_mono_ddb ? 2 : 4);
  if (selected && selected->is_dib) {
    bitmap->is_dib = true;
    bitmap->header = selected->header;
    bitmap->header.biWidth = cx;
    bitmap->header.biHeight = selected->surface.bottom_up ? cy : -cy;
    bitmap->header.biSizeImage =
        static_cast<DWORD>(bitmap->surface.stride) * static_cast<DWORD>(cy);
    bitmap->surface.bottom_up = selected->surface.bottom_up;
    bitmap->surface.palette = selected->surface.palette;
    std::memcpy(bitmap->surface.masks, selected->surface.masks, sizeof(bitmap->surface.masks));
  } else {
    bitmap->is_mono_ddb = bpp == 1;
  }
  return static_cast<HBITMAP>(Register(std::move(bitmap)));
}

HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount,
                            CONST VOID* lpBits) {
  if (nWidth == 0 || nHeight == 0) return DefaultBitmap();
  if (nWidth < 0 || nHeight < 0 || nPlanes != 1 || (nBitCount != 1 && nBitCount != 32) ||
      !SizeAcceptable(nWidth, nHeight, static_cast<int>(nBitCount))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int bpp = static_cast<int>(nBitCount);
  // Device bitmaps take their initial bits in rows aligned to 16 bits.
  auto bitmap = MakeBitmap(nWidth, nHeight, bpp, 2);
  bitmap->is_mono_ddb = bpp == 1;
  if (lpBits) {
    std::memcpy(bitmap->surface.bits, lpBits,
                static_cast<size_t>(bitmap->surface.stride) * static_cast<size_t>(nHeight));
  }
  return static_cast<HBITMAP>(Register(std::move(bitmap)));
}

HBITMAP WINAPI CreateDIBSection(HDC hdc, CONST BITMAPINFO* pbmi, UINT usage, VOID** ppvBits,
                                HANDLE hSection, DWORD offset) {
  if (ppvBits) *ppvBits = nullptr;
  if (hdc && !CheckDc(hdc)) return nullptr;
  if (!pbmi || usage != DIB_RGB_COLORS || hSection || offset) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const BITMAPINFOHEADER& h = pbmi->bmiHeader;
  const int bpp = h.biBitCount;
  const bool depthOk = bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
  const bool compressionOk =
      h.biCompression == BI_RGB || (h.biCompression == BI_BITFIELDS && (bpp == 16 || bpp == 32));
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || !depthOk || !compressionOk ||
      h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<LONG>::min()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int width = h.biWidth;
  const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  if (!SizeAcceptable(width, height, bpp)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  auto bitmap = MakeBitmap(width, height, bpp, 4);
  Surface& s = bitmap->surface;
  s.bottom_up = h.biHeight > 0;
  const auto* afterHeader = reinterpret_cast<const uint8_t*>(pbmi) + h.biSize;
  if (bpp <= 8) {
    // biClrUsed 0 means the full 2^bpp entries; missing entries stay black.
    const DWORD maxColours = 1u << bpp;
    const DWORD used = h.biClrUsed == 0 ? maxColours : std::min(h.biClrUsed, maxColours);
    s.palette.assign(maxColours, 0);
    const auto* table = reinterpret_cast<const RGBQUAD*>(afterHeader);
    for (DWORD i = 0; i < used; ++i) {
      s.palette[i] =
          (uint32_t{table[i].rgbRed} << 16) | (uint32_t{table[i].rgbGreen} << 8) | table[i].rgbBlue;
    }
  } else if (h.biCompression == BI_BITFIELDS) {
    // The three masks follow the 40-byte header (larger headers hold them at the same place).
    std::memcpy(s.masks, reinterpret_cast<const uint8_t*>(pbmi) + sizeof(BITMAPINFOHEADER),
                sizeof(s.masks));
    if (s.masks[0] == 0 || s.masks[1] == 0 || s.masks[2] == 0) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
    }
  }
  bitmap->is_dib = true;
  bitmap->header = h;
  bitmap->header.biSize = sizeof(BITMAPINFOHEADER);
  bitmap->header.biSizeImage = static_cast<DWORD>(s.stride) * static_cast<DWORD>(height);
  if (ppvBits) *ppvBits = s.bits;
  return static_cast<HBITMAP>(Register(std::move(bitmap)));
}

UINT WINAPI GetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, RGBQUAD* prgbq) {
  BitmapObject* b = PalettedDib(hdc, prgbq);
  if (!b) return 0;
  UINT n = 0;
  for (UINT i = iStart; i < b->surface.palette.size() && n < cEntries; ++i, ++n) {
    const uint32_t c = b->surface.palette[i];
    prgbq[n] =
        RGBQUAD{static_cast<BYTE>(c), static_cast<BYTE>(c >> 8), static_cast<BYTE>(c >> 16), 0};
  }
  return n;
}

UINT WINAPI SetDIBColorTable(HDC hdc, UINT iStart, UINT cEntries, CONST RGBQUAD* prgbq) {
  BitmapObject* b = PalettedDib(hdc, prgbq);
  if (!b) return 0;
  UINT n = 0;
  for (UINT i = iStart; i < b->surface.palette.size() && n < cEntries; ++i, ++n) {
    b->surface.palette[i] =
        (uint32_t{prgbq[n].rgbRed} << 16) | (uint32_t{prgbq[n].rgbGreen} << 8) | prgbq[n].rgbBlue;
  }
  b->surface.last_index_ = -1;
  return n;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
  auto brush = std::make_unique<BrushObject>();
  brush->style = BS_SOLID;
  brush->color = color & 0xFFFFFF;
  return static_cast<HBRUSH>(Register(std::move(brush)));
}

HBRUSH WINAPI CreatePatternBrush(HBITMAP hbm) {
  BitmapObject* bitmap = LookupBitmap(hbm);
  if (!bitmap) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // The brush keeps its own copy: the bitmap may be deleted at once.
  auto brush = std::make_unique<BrushObject>();
  brush->style = BS_PATTERN;
  brush->color = 0;
  const Surface& s = bitmap->surface;
  brush->pattern_width = s.width;
  brush->pattern_height = s.height;
  brush->mono_pattern = bitmap->is_mono_ddb;
  brush->pattern.resize(static_cast<size_t>(s.width) * s.height);
  for (int y = 0; y < s.height; ++y) {
    uint32_t* row = brush->pattern.data() + static_cast<size_t>(y) * s.width;
    ReadSpan(s, 0, y, s.width, row);
    if (brush->mono_pattern) {
      for (int x = 0; x < s.width; ++x) row[x] = row[x] ? 1 : 0;
    }
  }
  return static_cast<HBRUSH>(Register(std::move(brush)));
}

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
  if (iStyle != PS_SOLID && iStyle != PS_NULL) {  // dashed pens are not offered
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto pen = std::make_unique<PenObject>();
  pen->style = iStyle;
  pen->width = cWidth < 1 ? 1 : cWidth;
  pen->color = color & 0xFFFFFF;
  return static_cast<HPEN>(Register(std::move(pen)));
}

HPEN WINAPI CreatePenIndirect(CONST LOGPEN* plpen) {
  if (!plpen) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}

HFONT WINAPI CreateFontIndirectW(CONST LOGFONTW* lplf) {
  if (!lplf) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto font = std::make_unique<FontObject>();
  font->logfont = *lplf;
  return static_cast<HFONT>(Register(std::move(font)));
}
