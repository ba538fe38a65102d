// Device contexts: creation, deletion, object selection and the per-DC drawing state.
#include <cstring>
#include <type_traits>
#include <utility>

#include "backend/screen.h"
#include "gdi/coordinates.h"
#include "gdi/objects.h"
#include "windows.h"

using namespace platform::gdi;

namespace {

// Replaces one of the DC's settings with a valid `value` and returns the old one; `failed` on a
// bad handle or value.
template <typename T>
T Replace(HDC hdc, T DcObject::*setting, std::type_identity_t<T> value, bool valid,
          std::type_identity_t<T> failed) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return failed;
  if (!valid) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return failed;
  }
  return std::exchange(dc->*setting, value);
}

HDC NewDc(bool display, DisplayViewSource source) {
  auto dc = std::make_unique<DcObject>();
  dc->display = display;
  dc->source = std::move(source);
  dc->brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  dc->pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  dc->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  if (!display) {
    dc->bitmap = DefaultBitmap();
    LookupBitmap(dc->bitmap)->selections++;
  }
  for (void* h :
       {static_cast<void*>(dc->brush), static_cast<void*>(dc->pen), static_cast<void*>(dc->font)}) {
    Lookup(h)->selections++;
  }
  return static_cast<HDC>(Register(std::move(dc)));
}

void ReleaseSelections(DcObject* dc) {
  for (void* h : {static_cast<void*>(dc->brush), static_cast<void*>(dc->pen),
                  static_cast<void*>(dc->font), static_cast<void*>(dc->bitmap)}) {
    if (GdiObject* o = Lookup(h)) o->selections--;
  }
}

}  // namespace

namespace platform::gdi {

HDC CreateDisplayDC(DisplayViewSource source) {
  return NewDc(true, std::move(source));
}

void DestroyDisplayDC(HDC hdc) {
  DcObject* dc = LookupDc(hdc);
  if (!dc || !dc->display) return;
  ReleaseSelections(dc);
  Unregister(hdc);
}

}  // namespace platform::gdi

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !CheckDc(hdc)) return nullptr;
  return NewDc(false, {});
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return FALSE;
  if (dc->display) {  // window DCs are released through the window manager
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  ReleaseSelections(dc);
  Unregister(hdc);
  return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DcObject* dc = CheckDc(hdc);
  GdiObject* object = Lookup(h);
  if (!dc || !object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  void** slot = nullptr;
  switch (object->kind) {
    case ObjectKind::Brush:
      slot = reinterpret_cast<void**>(&dc->brush);
      break;
    case ObjectKind::Pen:
      slot = reinterpret_cast<void**>(&dc->pen);
      break;
    case ObjectKind::Font:
      slot = reinterpret_cast<void**>(&dc->font);
      break;
    case ObjectKind::Region: {
      const int result = SelectClipRgn(hdc, static_cast<HRGN>(h));
      return result == ERROR ? HGDI_ERROR
                             : reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(result));
    }
    case ObjectKind::Bitmap:
      // Bitmaps go into memory DCs only, and into one DC at a time.
      if (dc->display || (object->selections > 0 && !object->stock && dc->bitmap != h)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
      }
      slot = reinterpret_cast<void**>(&dc->bitmap);
      break;
    case ObjectKind::Dc:
      SetLastError(ERROR_INVALID_HANDLE);
      return nullptr;
  }
  void* previous = *slot;
  if (previous == h) return previous;
  if (GdiObject* old = Lookup(previous)) old->selections--;
  object->selections++;
  *slot = h;
  return previous;
}

BOOL WINAPI DeleteObject(HGDIOBJ h) {
  GdiObject* object = Lookup(h);
  if (!object || object->kind == ObjectKind::Dc) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (object->stock) return TRUE;  // deleting a stock object is harmless and does nothing
  if (object->selections > 0) {    // still selected into a DC
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Unregister(h);
  return TRUE;
}

DWORD WINAPI GetObjectType(HGDIOBJ h) {
  GdiObject* object = Lookup(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  switch (object->kind) {
    case ObjectKind::Bitmap:
      return OBJ_BITMAP;
    case ObjectKind::Brush:
      return OBJ_BRUSH;
    case ObjectKind::Pen:
      return OBJ_PEN;
    case ObjectKind::Font:
      return OBJ_FONT;
    case ObjectKind::Region:
      return OBJ_REGION;
    case ObjectKind::Dc:
      return static_cast<DcObject*>(object)->display ? OBJ_DC : OBJ_MEMDC;
  }
  return 0;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return nullptr;
  switch (type) {
    case OBJ_PEN:
      return dc->pen;
    case OBJ_BRUSH:
      return dc->brush;
    case OBJ_FONT:
      return dc->font;
    case OBJ_BITMAP:
      return dc->display ? nullptr : dc->bitmap;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

int WINAPI GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
  GdiObject* object = Lookup(h);
  if (!object || object->kind == ObjectKind::Dc || object->kind == ObjectKind::Region) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  const auto copyOut = [&](const void* data, int size) -> int {
    if (!pv) return size;  // size query
    if (c < size) {
      SetLastError(ERROR_INSUFFICIENT_BUFFER);
      return 0;
    }
    std::memcpy(pv, data, static_cast<size_t>(size));
    return size;
  };
  switch (object->kind) {
    case ObjectKind::Bitmap: {
      const auto* b = static_cast<BitmapObject*>(object);
      DIBSECTION ds{};
      ds.dsBm.bmType = 0;
      ds.dsBm.bmWidth = b->surface.width;
      ds.dsBm.bmHeight = b->surface.height;
      ds.dsBm.bmWidthBytes = b->surface.stride;
      ds.dsBm.bmPlanes = 1;
      ds.dsBm.bmBitsPixel = static_cast<WORD>(b->surface.bpp);
      ds.dsBm.bmBits = b->is_dib ? b->surface.bits : nullptr;
      if (b->is_dib && (c >= static_cast<int>(sizeof(DIBSECTION)) || !pv)) {
        ds.dsBmih = b->header;
        for (int i = 0; i < 3; ++i) ds.dsBitfields[i] = b->surface.masks[i];
        return copyOut(&ds, sizeof(DIBSECTION));
      }
      return copyOut(&ds.dsBm, sizeof(BITMAP));
    }
    case ObjectKind::Brush: {
      const auto* b = static_cast<BrushObject*>(object);
      LOGBRUSH lb{b->style, b->color, 0};
      return copyOut(&lb, sizeof(lb));
    }
    case ObjectKind::Pen: {
      const auto* p = static_cast<PenObject*>(object);
      LOGPEN lp{static_cast<UINT>(p->style), POINT{p->width, 0}, p->color};
      return copyOut(&lp, sizeof(lp));
    }
    case ObjectKind::Font:
      return copyOut(&static_cast<FontObject*>(object)->logfont, sizeof(LOGFONTW));
    default:
      return 0;
  }
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return 0;
  int bpp = 32;
  if (!dc->display) {
    if (BitmapObject* b = LookupBitmap(dc->bitmap)) bpp = b->surface.bpp;
  }
  switch (index) {
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case HORZRES:
      return platform::ScreenBuffer::kWidth;
    case VERTRES:
      return platform::ScreenBuffer::kHeight;
    case HORZSIZE:
      return 58;  // millimetres of a 3.5-inch portrait screen
    case VERTSIZE:
      return 77;
    case BITSPIXEL:
      return bpp;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return bpp <= 8 ? (1 << bpp) : -1;
    case LOGPIXELSX:
    case LOGPIXELSY:
      return 96;
    case RASTERCAPS:
      return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT;
    case SIZEPALETTE:  // true colour: no palette
    default:
      return 0;
  }
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return Replace(hdc, &DcObject::text_color, color, true, CLR_INVALID);
}

COLORREF WINAPI GetTextColor(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  return dc ? dc->text_color : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return Replace(hdc, &DcObject::bk_color, color, true, CLR_INVALID);
}

COLORREF WINAPI GetBkColor(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  return dc ? dc->bk_color : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  return Replace(hdc, &DcObject::bk_mode, mode, mode == OPAQUE || mode == TRANSPARENT, 0);
}

int WINAPI GetBkMode(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  return dc ? dc->bk_mode : 0;
}

int WINAPI SetROP2(HDC hdc, int rop2) {
  return Replace(hdc, &DcObject::rop2, rop2, rop2 >= R2_BLACK && rop2 <= R2_WHITE, 0);
}

int WINAPI GetROP2(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  return dc ? dc->rop2 : 0;
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
  return Replace(hdc, &DcObject::stretch_mode, mode, mode >= BLACKONWHITE && mode <= HALFTONE, 0);
}

int WINAPI GetStretchBltMode(HDC hdc) {
  DcObject* dc = CheckDc(hdc);
  return dc ? dc->stretch_mode : 0;
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  if (!CoordinatesOk({x, y})) return FALSE;
  DcObject* dc = CheckDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->brush_org;
  dc->brush_org = POINT{x, y};
  return TRUE;
}

BOOL WINAPI GetBrushOrgEx(HDC hdc, LPPOINT lppt) {
  DcObject* dc = CheckDc(hdc);
  if (!dc) return FALSE;
  if (!lppt) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lppt = dc->brush_org;
  return TRUE;
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  if (!CoordinatesOk({x, y})) return FALSE;
  DcObject* dc = CheckDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->position;
  dc->position = POINT{x, y};
  return TRUE;
}
