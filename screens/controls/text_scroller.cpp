// TextScroller: line bounds and drawing through a scratch surface.
#include "screens/controls/text_scroller.h"

#include <algorithm>

#include "frame/surface/offscreen_surface.h"
#include "frame/surface/raster_op.h"

namespace screens {

TextScroller::TextScroller(frame::DrawingSurface* screen, const frame::Picture& box, int x, int y,
                           frame::TextRenderer* font)
    : box_(box),
      screen_(screen),
      font_(font),
      x_(x),
      y_(y),
      lineHeight_(font->TextHeight()),
      // A one-pixel border above the first line, one blank row under every line.
      visibleLines_((box.Height() - 2) / (lineHeight_ + 1)) {}

void TextScroller::SetLines(const char* const* lines, int count) {
  lines_.assign(lines, lines + std::max(count, 0));
  first_ = 0;
}

int TextScroller::MaxFirstLine() const {
  return std::max(LineCount() - visibleLines_, 0);
}

void TextScroller::SetFirstLine(int first) {
  if (first < 0 || first > MaxFirstLine()) return;
  first_ = first;
  Paint();
}

void TextScroller::LineUp() {
  if (first_ <= 0) return;
  --first_;
  Paint();
}

void TextScroller::LineDown() {
  if (LineCount() - first_ <= visibleLines_) return;
  ++first_;
  Paint();
}

void TextScroller::Paint() {
  frame::OffscreenSurface scratch(box_.Width(), box_.Height());
  scratch.SetTextRenderer(font_, frame::Ownership::kBorrowed);
  box_.Draw(scratch, 0, 0, SRCCOPY);
  for (int k = 0; k < visibleLines_ && first_ + k < LineCount(); ++k) {
    scratch.DrawText(2, 2 + k * (lineHeight_ + 1), lines_[first_ + k], frame::kDefaultRasterOp);
  }
  screen_->Blit(scratch, 0, 0, box_.Width(), box_.Height(), x_, y_, SRCCOPY);
}

}  // namespace screens
