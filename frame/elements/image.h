// Image: a plain off-screen picture with a transparent colour, drawn whole, stretched, or
// with the transparent colour left out.
#pragma once

#include <windows.h>

#include <memory>

#include "frame/surface/offscreen_surface.h"

namespace frame {

class Image {
 public:
  // A copy of a bitmap entry of the data archive.
  explicit Image(const char* entryName);
  // An empty image of the given size.
  Image(int width, int height);

  // Scales are exactly 1.0 for a plain copy; otherwise the image is stretched to the scaled
  // size (each truncated).
  void Draw(DrawingSurface& surface, int x, int y, float scaleX, float scaleY);
  // Copies width by height pixels (width -1: the image size times the scales) from the image's
  // top-left corner, unscaled, leaving out pixels of the transparent colour.
  void DrawTransparent(DrawingSurface& surface, int x, int y, int width, int height, float scaleX,
                       float scaleY);

  void SetTransparentColor(COLORREF color) { transparent_ = color; }
  COLORREF TransparentColor() const { return transparent_; }
  OffscreenSurface& Surface() { return *surface_; }
  int Width() const { return surface_->Width(); }
  int Height() const { return surface_->Height(); }

 private:
  std::unique_ptr<OffscreenSurface> surface_;
  COLORREF transparent_ = RGB(255, 0, 255);
};

}  // namespace frame
