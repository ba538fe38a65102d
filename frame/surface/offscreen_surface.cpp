// OffscreenSurface: memory context and bitmap, made compatible with the screen.
#include "frame/surface/offscreen_surface.h"

namespace frame {

OffscreenSurface::OffscreenSurface(int width, int height) : DrawingSurface(width, height) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  originalBitmap_ = SelectObject(dc, bitmap_);
  AttachDeviceContext(dc);
}

OffscreenSurface::~OffscreenSurface() {
  // Select the original bitmap back so ours is free to be deleted.
  SelectObject(DeviceContext(), originalBitmap_);
  DeleteDC(DeviceContext());
  DeleteObject(bitmap_);
}

}  // namespace frame
