// PictureRadioButton: drawing and hit area.
#include "screens/controls/picture_radio_button.h"

namespace screens {

PictureRadioButton::PictureRadioButton(frame::ElementList* group,
                                       std::shared_ptr<frame::Callback> callback,
                                       frame::Selection selection, frame::DrawingSurface* screen,
                                       int x, int y, const char* entryName)
    : PictureRadioButton(group, std::move(callback), selection, screen, x, y,
                         frame::Picture(entryName)) {}

PictureRadioButton::PictureRadioButton(frame::ElementList* group,
                                       std::shared_ptr<frame::Callback> callback,
                                       frame::Selection selection, frame::DrawingSurface* screen,
                                       int x, int y, const frame::Picture& strip)
    : frame::RadioButton(group, std::move(callback), selection),
      screen_(screen),
      x_(static_cast<int16_t>(x)),
      y_(static_cast<int16_t>(y)),
      strip_(strip),
      width_(strip_.Width() / 3),
      height_(strip_.Height()),
      normal_(strip_, 0, 0, width_, height_),
      selected_(strip_, width_, 0, width_, height_),
      disabled_(strip_, 2 * width_, 0, width_, height_) {}

void PictureRadioButton::PaintNormal() {
  normal_.Draw(*screen_, x_, y_, SRCCOPY);
}

void PictureRadioButton::PaintSelected() {
  selected_.Draw(*screen_, x_, y_, SRCCOPY);
}

void PictureRadioButton::PaintDisabled() {
  disabled_.Draw(*screen_, x_, y_, SRCCOPY);
}

bool PictureRadioButton::HitTest(int x, int y) {
  return x_ <= x && x < x_ + width_ && y_ <= y && y < y_ + height_;
}

}  // namespace screens
