// DrawingSurface: construction, clipping, scrolling, copies and text.
#include "frame/surface/drawing_surface.h"

namespace frame {

DrawingSurface::DrawingSurface(int width, int height)
    : rect_{0, 0, width, height},
      textRenderer_(new SystemFontRenderer),
      ownsTextRenderer_(true),
      fillBrush_(static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))),
      clipRect_{0, 0, width, height} {}

DrawingSurface::~DrawingSurface() {
  if (ownsTextRenderer_) delete textRenderer_;
  DeleteObject(fillBrush_);
}

void DrawingSurface::Blit(const DrawingSurface& source, int sourceX, int sourceY, int width,
                          int height, int destX, int destY, DWORD rop) {
  BitBlt(dc_, destX, destY, width, height, source.dc_, sourceX, sourceY,
         ResolveRasterOp(rop, defaultRasterOp_));
}

void DrawingSurface::Scroll(int x, int y, int width, int height, int dx, int dy) {
  RECT area{x, y, x + width, y + height};
  if (dx != 0) ScrollDC(dc_, dx, 0, &area, &area, nullptr, nullptr);
  if (dy != 0) ScrollDC(dc_, 0, dy, &area, &area, nullptr, nullptr);
}

void DrawingSurface::SetClipRect(int x, int y, int width, int height) {
  // The context keeps its own copy of the region, so ours is deleted at once.
  HRGN region = CreateRectRgn(x, y, x + width, y + height);
  SelectClipRgn(dc_, region);
  DeleteObject(region);
  clipRect_ = Rect{x, y, width, height};
}

TextRenderer* DrawingSurface::SetTextRenderer(TextRenderer* renderer, Ownership ownership) {
  TextRenderer* previous = textRenderer_;
  if (ownsTextRenderer_) {
    delete textRenderer_;
    previous = nullptr;
  }
  textRenderer_ = renderer;
  ownsTextRenderer_ = renderer != nullptr && ownership == Ownership::kOwned;
  return previous;
}

void DrawingSurface::DrawText(int x, int y, const char* text, DWORD rop) {
  if (textRenderer_ == nullptr || text == nullptr) return;
  textRenderer_->DrawText(*this, x, y, text, ResolveRasterOp(rop, defaultRasterOp_));
}

int DrawingSurface::TextWidth(const char* text) {
  if (textRenderer_ == nullptr || text == nullptr) return 0;
  return textRenderer_->TextWidth(text);
}

}  // namespace frame
