// Button: the press, drag and click rules shared by every button; drawing and the hit area
// come from the concrete kinds.
#pragma once

#include <memory>

#include "frame/elements/callback.h"
#include "frame/elements/screen_element.h"

namespace frame {

// Whether a button starts out enabled.
enum class ButtonState { kEnabled, kDisabled };
// Whether a button can be disabled (a picture button's strip then holds a third, disabled picture).
enum class Disabling { kAllowed, kNotAllowed };

// A click needs a stylus-down inside an enabled button and a stylus-up inside it; moving out
// while pressed shows it normal, moving back in shows it pressed, lifting outside cancels.
class Button : public ScreenElement {
 public:
  Button(std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling);

  bool OnIdle() override { return false; }
  void Paint() override;
  bool OnStylusMove(int x, int y) override;
  bool OnStylusUp(int x, int y) override;
  bool OnStylusDown(int x, int y) override;
  void Disable() override;
  void Enable() override { enabled_ = true; }
  virtual void OnClick();
  virtual void PaintPressed() = 0;
  virtual void PaintNormal() = 0;
  virtual void PaintDisabled() = 0;
  virtual bool HitTest(int x, int y) = 0;

  bool IsVisible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool IsEnabled() const { return enabled_; }
  bool IsPressed() const { return pressed_; }
  bool IsInside() const { return inside_; }

 private:
  void Track(int x, int y);

  bool visible_ = true;
  bool inside_ = false;
  bool pressed_ = false;
  bool enabled_;
  bool canBeDisabled_;
  std::unique_ptr<Callback> callback_;
  int lastX_ = 0;  // the last stylus position, handed to the callback
  int lastY_ = 0;
};

}  // namespace frame
