// The GDI's objects behind their handles: bitmaps, brushes, pens, fonts, regions and device
// contexts, kept in one process-wide table so that every handle is checked before use.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "gdi/display_dc.h"
#include "gdi/region.h"
#include "gdi/surface.h"
#include "wingdi.h"

namespace platform::gdi {

enum class ObjectKind { Bitmap, Brush, Pen, Font, Region, Dc };

struct GdiObject {
  explicit GdiObject(ObjectKind k) : kind(k) {}
  virtual ~GdiObject() = default;
  ObjectKind kind;
  bool stock = false;
  int selections = 0;  // device contexts this object is selected into
};

struct BitmapObject : GdiObject {
  BitmapObject() : GdiObject(ObjectKind::Bitmap) {}
  Surface surface;
  std::vector<uint32_t> storage;  // owns the pixel memory (32-bit words keep rows aligned)
  bool is_dib = false;
  bool is_mono_ddb =
      false;  // a 1-bit device bitmap: drawn with the DC's text and background colours
  BITMAPINFOHEADER header{};
};

struct BrushObject : GdiObject {
  BrushObject() : GdiObject(ObjectKind::Brush) {}
  UINT style = BS_SOLID;
  COLORREF color = 0;
  // Pattern brushes keep their own copy of the bitmap's pixels.
  int pattern_width = 0;
  int pattern_height = 0;
  std::vector<uint32_t> pattern;  // 0x00RRGGBB, or 0/1 bits for a monochrome pattern
  bool mono_pattern = false;
};

struct PenObject : GdiObject {
  PenObject() : GdiObject(ObjectKind::Pen) {}
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};

struct FontObject : GdiObject {
  FontObject() : GdiObject(ObjectKind::Font) {}
  LOGFONTW logfont{};
};

struct RegionObject : GdiObject {
  RegionObject() : GdiObject(ObjectKind::Region) {}
  Region region;
};

struct DcObject : GdiObject {
  DcObject() : GdiObject(ObjectKind::Dc) {}
  bool display = false;
  DisplayViewSource source;  // display DCs: asked for origin and visible rectangles
  HBITMAP bitmap = nullptr;  // memory DCs: the selected bitmap
  HBRUSH brush = nullptr;
  HPEN pen = nullptr;
  HFONT font = nullptr;
  COLORREF text_color = RGB(0, 0, 0);
  COLORREF bk_color = RGB(255, 255, 255);
  int bk_mode = OPAQUE;
  int rop2 = R2_COPYPEN;
  int stretch_mode = BLACKONWHITE;
  POINT brush_org{0, 0};
  POINT position{0, 0};
  std::optional<Region> clip;  // the selected clip region, in logical coordinates
};

// Registers an object and returns its handle.
void* Register(std::unique_ptr<GdiObject> object);
// The live object behind a handle, or null.
GdiObject* Lookup(const void* handle);
// Removes and destroys an object.
void Unregister(const void* handle);

template <typename T>
T* LookupAs(const void* handle, ObjectKind kind) {
  GdiObject* object = Lookup(handle);
  return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}

inline DcObject* LookupDc(HDC dc) {
  return LookupAs<DcObject>(dc, ObjectKind::Dc);
}
// As LookupDc, and a handle that is not a DC sets ERROR_INVALID_HANDLE.
DcObject* CheckDc(HDC dc);
inline BitmapObject* LookupBitmap(const void* h) {
  return LookupAs<BitmapObject>(h, ObjectKind::Bitmap);
}
inline BrushObject* LookupBrush(const void* h) {
  return LookupAs<BrushObject>(h, ObjectKind::Brush);
}
inline PenObject* LookupPen(const void* h) {
  return LookupAs<PenObject>(h, ObjectKind::Pen);
}
inline FontObject* LookupFont(const void* h) {
  return LookupAs<FontObject>(h, ObjectKind::Font);
}
inline RegionObject* LookupRegion(const void* h) {
  return LookupAs<RegionObject>(h, ObjectKind::Region);
}

// The stock 1x1 monochrome bitmap every new memory DC starts with.
HBITMAP DefaultBitmap();

// Makes a bitmap object of the given depth with zeroed pixels (rows aligned to `align` bytes).
std::unique_ptr<BitmapObject> MakeBitmap(int width, int height, int bpp, int align);

}  // namespace platform::gdi
