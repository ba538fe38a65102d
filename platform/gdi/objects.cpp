// The process-wide handle table and the stock objects.
#include "gdi/objects.h"

#include <mutex>
#include <unordered_map>

#include "winbase.h"

namespace platform::gdi {

namespace {

// Never destroyed: objects may be deleted by other static objects' destructors at exit.
std::unordered_map<const void*, std::unique_ptr<GdiObject>>& Table() {
  static auto* table = new std::unordered_map<const void*, std::unique_ptr<GdiObject>>();
  return *table;
}

void* RegisterStock(std::unique_ptr<GdiObject> object) {
  object->stock = true;
  return Register(std::move(object));
}

std::unique_ptr<BrushObject> SolidBrush(UINT style, COLORREF color) {
  auto brush = std::make_unique<BrushObject>();
  brush->style = style;
  brush->color = color;
  return brush;
}

std::unique_ptr<PenObject> Pen(int style, COLORREF color) {
  auto pen = std::make_unique<PenObject>();
  pen->style = style;
  pen->color = color;
  return pen;
}

struct StockObjects {
  void* objects[DEFAULT_PALETTE + 1] = {};
  HBITMAP defaultBitmap = nullptr;

  StockObjects() {
    objects[WHITE_BRUSH] = RegisterStock(SolidBrush(BS_SOLID, RGB(255, 255, 255)));
    objects[LTGRAY_BRUSH] = RegisterStock(SolidBrush(BS_SOLID, RGB(192, 192, 192)));
    objects[GRAY_BRUSH] = RegisterStock(SolidBrush(BS_SOLID, RGB(128, 128, 128)));
    objects[DKGRAY_BRUSH] = RegisterStock(SolidBrush(BS_SOLID, RGB(64, 64, 64)));
    objects[BLACK_BRUSH] = RegisterStock(SolidBrush(BS_SOLID, RGB(0, 0, 0)));
    objects[NULL_BRUSH] = RegisterStock(SolidBrush(BS_NULL, 0));
    objects[WHITE_PEN] = RegisterStock(Pen(PS_SOLID, RGB(255, 255, 255)));
    objects[BLACK_PEN] = RegisterStock(Pen(PS_SOLID, RGB(0, 0, 0)));
    objects[NULL_PEN] = RegisterStock(Pen(PS_NULL, 0));
    auto font = std::make_unique<FontObject>();
    font->logfont.lfWeight = FW_NORMAL;
    objects[SYSTEM_FONT] = RegisterStock(std::move(font));
    auto bitmap = MakeBitmap(1, 1, 1, 2);
    bitmap->is_mono_ddb = true;
    defaultBitmap = static_cast<HBITMAP>(RegisterStock(std::move(bitmap)));
  }
};

StockObjects& Stock() {
  static StockObjects stock;
  return stock;
}

}  // namespace

void* Register(std::unique_ptr<GdiObject> object) {
  void* handle = object.get();
  Table().emplace(handle, std::move(object));
  return handle;
}

GdiObject* Lookup(const void* handle) {
  if (!handle) return nullptr;
  Stock();  // stock objects exist before any handle is judged
  auto it = Table().find(handle);
  return it == Table().end() ? nullptr : it->second.get();
}

void Unregister(const void* handle) {
  Table().erase(handle);
}

DcObject* CheckDc(HDC dc) {
  DcObject* object = LookupDc(dc);
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

HBITMAP DefaultBitmap() {
  return Stock().defaultBitmap;
}

std::unique_ptr<BitmapObject> MakeBitmap(int width, int height, int bpp, int align) {
  auto bitmap = std::make_unique<BitmapObject>();
  Surface& s = bitmap->surface;
  s.width = width;
  s.height = height;
  s.bpp = bpp;
  s.stride = RowBytes(width, bpp, align);
  const size_t bytes = static_cast<size_t>(s.stride) * static_cast<size_t>(height);
  bitmap->storage.assign((bytes + 3) / 4, 0);
  s.bits = reinterpret_cast<uint8_t*>(bitmap->storage.data());
  if (bpp == 1) s.palette = {0x000000, 0xFFFFFF};
  if (bpp == 16) {
    s.masks[0] = 0x7C00;
    s.masks[1] = 0x03E0;
    s.masks[2] = 0x001F;
  } else if (bpp == 32) {
    s.masks[0] = 0xFF0000;
    s.masks[1] = 0x00FF00;
    s.masks[2] = 0x0000FF;
  }
  return bitmap;
}

}  // namespace platform::gdi

HGDIOBJ WINAPI GetStockObject(int i) {
  using namespace platform::gdi;
  if (i < 0 || i > DEFAULT_PALETTE || !Stock().objects[i]) return nullptr;
  return Stock().objects[i];
}
