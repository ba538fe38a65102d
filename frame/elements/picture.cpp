// Picture and MaskedPicture: cutting, drawing and sprite preparation.
#include "frame/elements/picture.h"

#include <algorithm>

namespace frame {

namespace {

constexpr DWORD kAnd = 0x008800C6;  // SRCAND: D & S
constexpr DWORD kOr = 0x00EE0086;   // SRCPAINT: D | S

}  // namespace

Picture::Picture(const char* entryName)
    : Picture(std::shared_ptr<PictureSource>(std::make_shared<BitmapPictureSource>(entryName))) {}

Picture::Picture(std::shared_ptr<PictureSource> source)
    : source_(std::move(source)), rect_{0, 0, source_->Width(), source_->Height()} {}

Picture::Picture(const Picture& picture, int x, int y, int width, int height)
    : source_(picture.source_), rect_(picture.ClipPart(Rect{x, y, width, height})) {}

Rect Picture::ClipPart(const Rect& part) const {
  const int left = std::clamp(part.x, 0, rect_.width);
  const int top = std::clamp(part.y, 0, rect_.height);
  const int right = std::clamp(part.x + std::max(part.width, 0), left, rect_.width);
  const int bottom = std::clamp(part.y + std::max(part.height, 0), top, rect_.height);
  return Rect{rect_.x + left, rect_.y + top, right - left, bottom - top};
}

void Picture::DrawPart(DrawingSurface& surface, int x, int y, const Rect& part, DWORD rop) {
  DrawArea(surface, x, y, ClipPart(part), rop);
}

void Picture::Draw(DrawingSurface& surface, int x, int y, DWORD rop) {
  DrawArea(surface, x, y, rect_, rop);
}

void Picture::Preload() {
  source_->Preload();
}

void Picture::DrawArea(DrawingSurface& surface, int x, int y, const Rect& area, DWORD rop) {
  surface.Blit(*source_->GetSurface(), area.x, area.y, area.width, area.height, x, y, rop);
}

MaskedPicture::MaskedPicture(const char* pictureEntry, const char* maskEntry)
    : MaskedPicture(std::make_shared<BitmapPictureSource>(pictureEntry),
                    std::make_shared<BitmapPictureSource>(maskEntry)) {}

MaskedPicture::MaskedPicture(std::shared_ptr<PictureSource> picture,
                             std::shared_ptr<PictureSource> mask)
    : Picture(std::move(picture)), mask_(std::move(mask)) {
  PrepareSprite();
}

MaskedPicture::MaskedPicture(const MaskedPicture& picture, int x, int y, int width, int height)
    : Picture(picture, x, y, width, height), mask_(picture.mask_) {}

void MaskedPicture::PrepareSprite() {
  DrawingSurface& mask = *mask_->GetSurface();
  DrawingSurface& sprite = *Surface();
  mask.InvertRect(mask.GetRect(), 0);
  sprite.Blit(mask, 0, 0, mask.Width(), mask.Height(), 0, 0, kAnd);
  mask.InvertRect(mask.GetRect(), 0);
}

void MaskedPicture::Preload() {
  Picture::Preload();
  mask_->Preload();
}

void MaskedPicture::DrawArea(DrawingSurface& surface, int x, int y, const Rect& area,
                             DWORD /*rop*/) {
  surface.Blit(*mask_->GetSurface(), area.x, area.y, area.width, area.height, x, y, kAnd);
  surface.Blit(*Surface(), area.x, area.y, area.width, area.height, x, y, kOr);
}

}  // namespace frame
