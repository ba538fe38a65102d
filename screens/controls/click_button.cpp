// ClickButton: its own three-state press tracking over the picture button's drawing.
#include "screens/controls/click_button.h"

#include "screens/game_settings.h"

namespace screens {

ClickButton::ClickButton(const char* entryName, int x, int y, frame::DrawingSurface* screen,
                         std::unique_ptr<frame::Callback> callback, frame::ButtonState state)
    : ClickButton(frame::Picture(entryName), x, y, screen, std::move(callback), state) {}

ClickButton::ClickButton(const frame::Picture& strip, int x, int y, frame::DrawingSurface* screen,
                         std::unique_ptr<frame::Callback> callback, frame::ButtonState state)
    : frame::PictureButton(strip, x, y, screen, nullptr, frame::ButtonState::kEnabled,
                           frame::Disabling::kAllowed),
      state_(state == frame::ButtonState::kEnabled ? kNormal : kDisabled),
      callback_(std::move(callback)) {}

void ClickButton::Paint() {
  switch (state_) {
    case kNormal:
      PaintNormal();
      break;
    case kPressed:
      PaintPressed();
      break;
    case kDisabled:
      PaintDisabled();
      break;
  }
}

bool ClickButton::OnStylusMove(int x, int y) {
  if (!tracking_) return false;
  const bool inside = HitTest(x, y);
  if (state_ == kPressed && !inside) {
    state_ = kNormal;
  } else if (state_ == kNormal && inside) {
    state_ = kPressed;
  } else {
    return false;
  }
  Paint();
  return true;
}

bool ClickButton::OnStylusUp(int x, int y) {
  tracking_ = false;
  if (state_ != kPressed) return false;
  state_ = kNormal;
  Paint();
  lastX_ = x;
  lastY_ = y;
  Click();
  return true;
}

bool ClickButton::OnStylusDown(int x, int y) {
  if (!HitTest(x, y) || state_ == kDisabled) return false;
  state_ = kPressed;
  tracking_ = true;
  Paint();
  return true;
}

void ClickButton::Click() {
  if (ClickSoundOn()) PlaySoundResource(ClickSoundId());
  if (callback_) callback_->Invoke(lastX_, lastY_);
}

}  // namespace screens
