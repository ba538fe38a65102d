// Button: press tracking and click detection.
#include "frame/elements/button.h"

namespace frame {

Button::Button(std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling)
    : enabled_(state == ButtonState::kEnabled),
      canBeDisabled_(disabling == Disabling::kAllowed),
      callback_(std::move(callback)) {}

void Button::Paint() {
  if (!visible_) return;
  if (!enabled_) {
    PaintDisabled();
  } else if (pressed_ && inside_) {
    PaintPressed();
  } else {
    PaintNormal();
  }
}

void Button::Track(int x, int y) {
  lastX_ = x;
  lastY_ = y;
  inside_ = HitTest(x, y);
}

bool Button::OnStylusMove(int x, int y) {
  Track(x, y);
  const bool tracking = enabled_ && pressed_;
  if (tracking) Paint();
  return tracking;
}

bool Button::OnStylusUp(int x, int y) {
  Track(x, y);
  const bool wasPressed = pressed_;
  const bool click = pressed_ && inside_;
  pressed_ = false;
  if (click) {
    Paint();
    OnClick();
  }
  return wasPressed;
}

bool Button::OnStylusDown(int x, int y) {
  Track(x, y);
  pressed_ = enabled_ && inside_;
  if (pressed_) Paint();
  return pressed_;
}

void Button::Disable() {
  if (!canBeDisabled_) return;
  enabled_ = false;
  pressed_ = false;
}

void Button::OnClick() {
  if (callback_) callback_->Invoke(lastX_, lastY_);
}

}  // namespace frame
