// Laying out and drawing contact sheet pages.
#include "content/sheet/sheet.h"

#include <algorithm>

#include "content/art/png.h"
#include "content/art/text.h"

namespace content {

namespace {
constexpr int kGap = 8;
constexpr int kCaption = 14;
const TextStyle kCaptionStyle{FontFace::kSans, 10, Rgb{40, 40, 40}, Smoothing::kSmooth};
const TextStyle kHeadingStyle{FontFace::kSansBold, 14, Rgb{20, 20, 60}, Smoothing::kSmooth};
}  // namespace

Sheet::Sheet(std::string title, int width) : width_(width) {
  headings_.push_back({std::move(title), kGap, 6});
}

void Sheet::NewRow() {
  if (rowHeight_ == 0) return;
  y_ += rowHeight_ + kCaption + kGap;
  x_ = kGap;
  rowHeight_ = 0;
}

void Sheet::Heading(const std::string& text) {
  NewRow();
  headings_.push_back({text, kGap, y_});
  y_ += 22;
}

void Sheet::Add(const Canvas& picture, const std::string& caption, int scale) {
  Canvas shown = scale > 1 ? Enlarge(picture, scale) : picture;
  const int w = std::max(shown.Width(), TextWidth(caption, kCaptionStyle));
  if (x_ + w > width_ - kGap && x_ > kGap) NewRow();
  items_.push_back({std::move(shown), caption, x_, y_});
  x_ += w + kGap;
  rowHeight_ = std::max(rowHeight_, items_.back().picture.Height());
}

Canvas Sheet::Render() const {
  const int height = y_ + rowHeight_ + kCaption + kGap;
  Canvas page(width_, height, Rgb{214, 214, 208});
  for (const Text& t : headings_) DrawText(page, t.x, t.y, t.text, kHeadingStyle);
  for (const Item& item : items_) {
    page.FrameRect(item.x - 1, item.y - 1, item.picture.Width() + 2, item.picture.Height() + 2,
                   Rgb{120, 120, 120});
    page.Draw(item.picture, item.x, item.y);
    DrawText(page, item.x, item.y + item.picture.Height() + 1, item.caption, kCaptionStyle);
  }
  return page;
}

}  // namespace content
