// PictureButton and RepeatButton.
#include "frame/elements/picture_button.h"

namespace frame {

PictureButton::PictureButton(const char* entryName, int x, int y, DrawingSurface* surface,
                             std::unique_ptr<Callback> callback, ButtonState state,
                             Disabling disabling)
    : PictureButton(Picture(entryName), x, y, surface, std::move(callback), state, disabling) {}

PictureButton::PictureButton(const Picture& strip, int x, int y, DrawingSurface* surface,
                             std::unique_ptr<Callback> callback, ButtonState state,
                             Disabling disabling)
    : Button(std::move(callback), state, disabling),
      x_(x),
      y_(y),
      surface_(surface),
      threeStates_(disabling == Disabling::kAllowed) {
  SetStrip(strip);
}

void PictureButton::SetBitmap(const char* entryName) {
  SetStrip(Picture(entryName));
}

void PictureButton::SetStrip(const Picture& strip) {
  strip_ = strip;
  const int height = strip.Height();
  if (threeStates_) {
    const int width = strip.Width() / 3;
    normal_.emplace(strip, 0, 0, width, height);
    pressed_.emplace(strip, width, 0, width, height);
    disabled_.emplace(strip, 2 * width, 0, width, height);
  } else {
    const int width = strip.Width() / 2;
    normal_.emplace(strip, 0, 0, width, height);
    pressed_.emplace(strip, width, 0, width, height);
    disabled_.emplace(strip, 0, 0, 0, 0);
  }
}

void PictureButton::PaintPressed() {
  pressed_->Draw(*surface_, x_, y_, SRCCOPY);
}
void PictureButton::PaintNormal() {
  normal_->Draw(*surface_, x_, y_, SRCCOPY);
}
void PictureButton::PaintDisabled() {
  disabled_->Draw(*surface_, x_, y_, SRCCOPY);
}

bool PictureButton::HitTest(int x, int y) {
  return x_ <= x && x <= x_ + normal_->Width() && y_ <= y && y <= y_ + normal_->Height();
}

RepeatButton::RepeatButton(const char* entryName, int x, int y, DrawingSurface* surface,
                           std::unique_ptr<Callback> callback, ButtonState state,
                           Disabling disabling, DWORD interval)
    : PictureButton(entryName, x, y, surface, std::move(callback), state, disabling),
      interval_(interval) {}

RepeatButton::RepeatButton(const Picture& strip, int x, int y, DrawingSurface* surface,
                           std::unique_ptr<Callback> callback, ButtonState state,
                           Disabling disabling, DWORD interval)
    : PictureButton(strip, x, y, surface, std::move(callback), state, disabling),
      interval_(interval) {}

bool RepeatButton::OnIdle() {
  if (!(IsPressed() && IsInside() && IsEnabled())) return false;
  const DWORD now = GetTickCount();
  // Unsigned difference: correct across the tick count's wrap.
  if (repeated_ && now - lastRepeat_ <= interval_) return true;
  lastRepeat_ = now;
  repeated_ = true;
  OnClick();
  return true;
}

bool RepeatButton::OnStylusDown(int x, int y) {
  const bool pressed = PictureButton::OnStylusDown(x, y);
  if (pressed) {
    lastRepeat_ = 0;
    repeated_ = false;
  }
  return pressed;
}

bool RepeatButton::OnStylusUp(int x, int y) {
  PictureButton::OnStylusUp(x, y);
  return true;
}

}  // namespace frame
