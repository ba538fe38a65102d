// PictureRadioButton: a radio button drawn from a strip of three equal pictures side by side
// (normal, selected, disabled).
#pragma once

#include <memory>

#include "frame/elements/picture.h"
#include "frame/elements/radio_button.h"

namespace screens {

class PictureRadioButton : public frame::RadioButton {
 public:
  PictureRadioButton(frame::ElementList* group, std::shared_ptr<frame::Callback> callback,
                     frame::Selection selection, frame::DrawingSurface* screen, int x, int y,
                     const char* entryName);
  PictureRadioButton(frame::ElementList* group, std::shared_ptr<frame::Callback> callback,
                     frame::Selection selection, frame::DrawingSurface* screen, int x, int y,
                     const frame::Picture& strip);

  void PaintNormal() override;
  void PaintSelected() override;
  void PaintDisabled() override;
  // Right and bottom edges excluded: a 30-pixel button takes x through x + 29.
  bool HitTest(int x, int y) override;

 private:
  frame::DrawingSurface* screen_;
  int16_t x_;
  int16_t y_;
  frame::Picture strip_;
  int width_;
  int height_;
  frame::Picture normal_;
  frame::Picture selected_;
  frame::Picture disabled_;
};

}  // namespace screens
