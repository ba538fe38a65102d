// PictureButton: a button drawn from one strip holding its states side by side (normal,
// pressed and, for buttons that can be disabled, disabled); RepeatButton clicks while held.
#pragma once

#include <optional>

#include "frame/elements/button.h"
#include "frame/elements/picture.h"

namespace frame {

class PictureButton : public Button {
 public:
  PictureButton(const char* entryName, int x, int y, DrawingSurface* surface,
                std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling);
  PictureButton(const Picture& strip, int x, int y, DrawingSurface* surface,
                std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling);

  void PaintPressed() override;
  void PaintNormal() override;
  void PaintDisabled() override;
  // Both edges count: a 30-pixel picture gives a 31-pixel hit area.
  bool HitTest(int x, int y) override;

  // Replaces the strip and cuts it again.
  void SetBitmap(const char* entryName);
  void SetStrip(const Picture& strip);

  int X() const { return x_; }
  int Y() const { return y_; }
  const Picture& NormalPicture() const { return *normal_; }
  const Picture& PressedPicture() const { return *pressed_; }
  const Picture& DisabledPicture() const { return *disabled_; }

 protected:
  DrawingSurface* Surface() const { return surface_; }

 private:
  int x_;
  int y_;
  DrawingSurface* surface_;
  bool threeStates_;
  std::optional<Picture> strip_;
  std::optional<Picture> normal_;
  std::optional<Picture> pressed_;
  std::optional<Picture> disabled_;
};

// A held button clicks at once, then at every idle call more than the interval after the
// previous repeat while the stylus stays inside, and once more when lifted inside.
class RepeatButton : public PictureButton {
 public:
  RepeatButton(const char* entryName, int x, int y, DrawingSurface* surface,
               std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling,
               DWORD interval);
  RepeatButton(const Picture& strip, int x, int y, DrawingSurface* surface,
               std::unique_ptr<Callback> callback, ButtonState state, Disabling disabling,
               DWORD interval);

  // Keeps the message loop spinning while the button is held inside.
  bool OnIdle() override;
  bool OnStylusDown(int x, int y) override;
  bool OnStylusUp(int x, int y) override;

 private:
  DWORD interval_;
  DWORD lastRepeat_ = 0;
  bool repeated_ = false;  // lastRepeat_ holds a time (a tick count of 0 is a valid time)
};

}  // namespace frame
