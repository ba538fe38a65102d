// Picture sources: lazy loading of bitmap entries into off-screen surfaces.
#include "frame/elements/picture_source.h"

#include "frame/bitmap/bitmap.h"

namespace frame {

std::unique_ptr<OffscreenSurface> SurfaceFromBitmap(HBITMAP bitmap, int width, int height) {
  auto surface = std::make_unique<OffscreenSurface>(width, height);
  HDC source = CreateCompatibleDC(surface->DeviceContext());
  HGDIOBJ original = SelectObject(source, bitmap);
  BitBlt(surface->DeviceContext(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, original);
  DeleteDC(source);
  return surface;
}

BitmapPictureSource::BitmapPictureSource(const char* entryName) : entryName_(entryName) {
  Bitmap bitmap(entryName_.c_str());
  width_ = bitmap.Width();
  height_ = bitmap.Height();
}

BitmapPictureSource::~BitmapPictureSource() = default;

DrawingSurface* BitmapPictureSource::GetSurface() {
  if (!surface_) {
    Bitmap bitmap(entryName_.c_str());
    surface_ = SurfaceFromBitmap(bitmap.Handle(), width_, height_);
  }
  return surface_.get();
}

SurfacePictureSource::SurfacePictureSource() : surface_(std::make_unique<OffscreenSurface>(0, 0)) {}

SurfacePictureSource::SurfacePictureSource(std::unique_ptr<DrawingSurface> surface)
    : surface_(std::move(surface)) {}

}  // namespace frame
