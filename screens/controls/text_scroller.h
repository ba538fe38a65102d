// TextScroller: a box showing a window of lines of text in a bitmap font, moved a line at a
// time or to a given first line.
#pragma once

#include <vector>

#include "frame/elements/picture.h"
#include "frame/elements/screen_element.h"
#include "frame/surface/text_renderer.h"

namespace screens {

class TextScroller : public frame::ScreenElement {
 public:
  // The font is not owned; the box picture fixes the size and how many lines fit.
  TextScroller(frame::DrawingSurface* screen, const frame::Picture& box, int x, int y,
               frame::TextRenderer* font);

  void Paint() override;

  // The lines are not copied: they must outlive the scroller.
  void SetLines(const char* const* lines, int count);
  // Ignored beyond MaxFirstLine.
  void SetFirstLine(int first);
  void LineUp();
  void LineDown();
  // The first line that still fills the box; 0 when every line fits.
  int MaxFirstLine() const;

  int FirstLine() const { return first_; }
  int VisibleLines() const { return visibleLines_; }
  int LineCount() const { return static_cast<int>(lines_.size()); }

 private:
  std::vector<const char*> lines_;
  int first_ = 0;
  frame::Picture box_;
  frame::DrawingSurface* screen_;
  frame::TextRenderer* font_;
  int x_;
  int y_;
  int lineHeight_;
  int visibleLines_;
};

}  // namespace screens
