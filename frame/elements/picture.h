// Picture: a drawable rectangle of a shared picture source; MaskedPicture: a sprite drawn
// through a mask so that it lies over whatever the surface held.
#pragma once

#include <memory>

#include "frame/elements/picture_source.h"

namespace frame {

class Picture {
 public:
  // The whole bitmap of an archive entry.
  explicit Picture(const char* entryName);
  // The whole of a source.
  explicit Picture(std::shared_ptr<PictureSource> source);
  // Part of another picture (relative to it, clipped to it); shares its source.
  Picture(const Picture& picture, int x, int y, int width, int height);
  Picture(const Picture&) = default;
  Picture& operator=(const Picture&) = default;
  virtual ~Picture() = default;

  // Draws the part (relative to this picture, clipped to it) at (x, y).
  virtual void DrawPart(DrawingSurface& surface, int x, int y, const Rect& part, DWORD rop);
  virtual void Draw(DrawingSurface& surface, int x, int y, DWORD rop);
  virtual void Preload();

  const Rect& GetRect() const { return rect_; }
  int Width() const { return rect_.width; }
  int Height() const { return rect_.height; }
  DrawingSurface* Surface() const { return source_->GetSurface(); }
  const std::shared_ptr<PictureSource>& Source() const { return source_; }

 protected:
  // Draws `area` (in source coordinates) at (x, y).
  virtual void DrawArea(DrawingSurface& surface, int x, int y, const Rect& area, DWORD rop);
  // `part` relative to this picture, cut to it, in source coordinates.
  Rect ClipPart(const Rect& part) const;

 private:
  std::shared_ptr<PictureSource> source_;
  Rect rect_;
};

class MaskedPicture : public Picture {
 public:
  // The mask is black where the sprite is and white elsewhere; construction blackens the
  // picture outside the sprite so that AND (mask) then OR (picture) draws only the sprite.
  MaskedPicture(const char* pictureEntry, const char* maskEntry);
  MaskedPicture(std::shared_ptr<PictureSource> picture, std::shared_ptr<PictureSource> mask);
  MaskedPicture(const MaskedPicture& picture, int x, int y, int width, int height);

  void Preload() override;
  DrawingSurface* MaskSurface() const { return mask_->GetSurface(); }

 protected:
  void DrawArea(DrawingSurface& surface, int x, int y, const Rect& area, DWORD rop) override;

 private:
  void PrepareSprite();

  std::shared_ptr<PictureSource> mask_;
};

}  // namespace frame
