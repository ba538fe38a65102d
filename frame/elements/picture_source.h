// Picture sources: the surfaces that pictures are cut from, shared by every picture of one
// bitmap. A bitmap source loads its surface on first use; a surface source holds a given one.
#pragma once

#include <memory>
#include <string>

#include "frame/surface/drawing_surface.h"
#include "frame/surface/offscreen_surface.h"

namespace frame {

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The surface holding the pixels, loaded now if it was not yet.
  virtual DrawingSurface* GetSurface() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  virtual void Preload() = 0;
};

// A bitmap entry of the data archive. Its size is learnt at construction (the bitmap is read
// once and freed); the pixels are read again into an off-screen surface on first use.
class BitmapPictureSource : public PictureSource {
 public:
  explicit BitmapPictureSource(const char* entryName);
  ~BitmapPictureSource() override;

  DrawingSurface* GetSurface() override;
  int Width() override { return width_; }
  int Height() override { return height_; }
  void Preload() override { GetSurface(); }

 private:
  std::string entryName_;
  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<DrawingSurface> surface_;
};

// Holds a surface made elsewhere (an empty 0 by 0 surface until one is given).
class SurfacePictureSource : public PictureSource {
 public:
  SurfacePictureSource();
  explicit SurfacePictureSource(std::unique_ptr<DrawingSurface> surface);

  void SetSurface(std::unique_ptr<DrawingSurface> surface) { surface_ = std::move(surface); }
  DrawingSurface* GetSurface() override { return surface_.get(); }
  int Width() override { return surface_->Width(); }
  int Height() override { return surface_->Height(); }
  void Preload() override {}

 private:
  std::unique_ptr<DrawingSurface> surface_;
};

// Copies a loaded bitmap's pixels into a new off-screen surface of the same size.
std::unique_ptr<OffscreenSurface> SurfaceFromBitmap(HBITMAP bitmap, int width, int height);

}  // namespace frame
