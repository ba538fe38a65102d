// Image: copies, stretches and transparent copies of an off-screen picture.
#include "frame/elements/image.h"

#include "frame/bitmap/bitmap.h"
#include "frame/elements/picture_source.h"

namespace frame {

Image::Image(const char* entryName) {
  Bitmap bitmap(entryName);
  surface_ = SurfaceFromBitmap(bitmap.Handle(), bitmap.Width(), bitmap.Height());
}

Image::Image(int width, int height) : surface_(std::make_unique<OffscreenSurface>(width, height)) {}

void Image::Draw(DrawingSurface& surface, int x, int y, float scaleX, float scaleY) {
  if (scaleX == 1.0f && scaleY == 1.0f) {
    surface.Blit(*surface_, 0, 0, Width(), Height(), x, y, SRCCOPY);
    return;
  }
  const int width = static_cast<int>(static_cast<float>(Width()) * scaleX);
  const int height = static_cast<int>(static_cast<float>(Height()) * scaleY);
  StretchBlt(surface.DeviceContext(), x, y, width, height, surface_->DeviceContext(), 0, 0, Width(),
             Height(), SRCCOPY);
}

void Image::DrawTransparent(DrawingSurface& surface, int x, int y, int width, int height,
                            float scaleX, float scaleY) {
  if (width == -1) {
    width = static_cast<int>(static_cast<float>(Width()) * scaleX);
    height = static_cast<int>(static_cast<float>(Height()) * scaleY);
  }
  TransparentImage(surface.DeviceContext(), x, y, width, height, surface_->DeviceContext(), 0, 0,
                   width, height, transparent_);
}

}  // namespace frame
