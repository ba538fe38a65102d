// HelpForm: the rules of play in a scrolling text box, with a scroll bar beside it.
#pragma once

#include <memory>

#include "frame/elements/picture.h"
#include "frame/form/element_form.h"
#include "screens/help_text.h"

namespace frame {
class BitmapFont;
}  // namespace frame

namespace screens {

class ScrollBar;
class TextScroller;

class HelpForm : public frame::ElementForm {
 public:
  HelpForm(const char* name, int x, int y, int width, int height);
  ~HelpForm() override;

  void OnPaint() override;
  // Up and down scroll a line.
  int OnKey(int key, int down) override;

  TextScroller& Scroller() const { return *scroller_; }
  ScrollBar& GetScrollBar() const { return *scrollBar_; }

 private:
  void OnScroll(int position, int);
  void OnDone(int, int);

  std::unique_ptr<frame::BitmapFont> font_;
  frame::Picture background_;
  frame::Picture title_;
  TextScroller* scroller_;
  ScrollBar* scrollBar_;
};

}  // namespace screens
