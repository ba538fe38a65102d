// ClickButton: the push button of every game screen, a three-state picture strip (normal,
// pressed, disabled) that plays the click sound before running its screen's operation.
#pragma once

#include <memory>

#include "frame/elements/callback.h"
#include "frame/elements/picture_button.h"

namespace screens {

class ClickButton : public frame::PictureButton {
 public:
  enum State : int { kNormal = 0, kPressed = 1, kDisabled = 2 };

  ClickButton(const char* entryName, int x, int y, frame::DrawingSurface* screen,
              std::unique_ptr<frame::Callback> callback, frame::ButtonState state);
  ClickButton(const frame::Picture& strip, int x, int y, frame::DrawingSurface* screen,
              std::unique_ptr<frame::Callback> callback, frame::ButtonState state);

  void Paint() override;
  // While the stylus is held: leaving shows the button normal, coming back shows it pressed.
  bool OnStylusMove(int x, int y) override;
  // Lifting while pressed (the stylus inside) clicks.
  bool OnStylusUp(int x, int y) override;
  bool OnStylusDown(int x, int y) override;
  // The state changes without a repaint; callers repaint when it must show at once.
  void Disable() override { state_ = kDisabled; }
  void OnClick() override { Click(); }

  // Plays the click sound when the click-sound switch is on, then runs the callback.
  virtual void Click();
  virtual bool IsDisabled() const { return state_ == kDisabled; }
  virtual bool IsPressed() const { return state_ == kPressed; }
  virtual void SetPressed() { state_ = kPressed; }
  // Enables the button again.
  virtual void SetNormal() { state_ = kNormal; }

  State GetState() const { return state_; }
  bool IsTracking() const { return tracking_; }

 private:
  State state_;
  bool tracking_ = false;
  std::unique_ptr<frame::Callback> callback_;
  int lastX_ = 0;  // where the stylus was lifted, handed to the callback
  int lastY_ = 0;
};

}  // namespace screens
