// OffscreenSurface: a surface over a memory device context with its own screen-compatible
// bitmap; back buffers and the storage of pictures.
#pragma once

#include "frame/surface/drawing_surface.h"

namespace frame {

class OffscreenSurface : public DrawingSurface {
 public:
  OffscreenSurface(int width, int height);
  ~OffscreenSurface() override;

  HBITMAP Bitmap() const { return bitmap_; }

 private:
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ originalBitmap_ = nullptr;
};

}  // namespace frame
