// ScrollBar: a vertical bar with auto-repeating up and down buttons at its ends and a thumb
// that can be dragged or jumped to by a tap on the track; it tells its screen the new position.
#pragma once

#include <memory>
#include <optional>

#include "frame/elements/callback.h"
#include "frame/elements/picture.h"
#include "frame/elements/picture_button.h"
#include "frame/elements/screen_element.h"

namespace screens {

class ScrollBar : public frame::ScreenElement {
 public:
  // The buttons repeat every 200 ms while held.
  static constexpr DWORD kRepeatInterval = 200;

  // The up button sits at the top of the track, the down button at its bottom. The callback
  // runs on every position change with (position, 0); both buttons start disabled.
  ScrollBar(frame::DrawingSurface* screen, const frame::Picture& track, int x, int y,
            const char* downButtonEntry, const char* upButtonEntry, const char* thumbEntry,
            const char* draggedThumbEntry, std::unique_ptr<frame::Callback> callback);
  ScrollBar(frame::DrawingSurface* screen, const frame::Picture& track, int x, int y,
            const frame::Picture& downButtonStrip, const frame::Picture& upButtonStrip,
            const frame::Picture& thumb, const frame::Picture& draggedThumb,
            std::unique_ptr<frame::Callback> callback);

  bool OnIdle() override;
  void Paint() override;
  bool OnStylusMove(int x, int y) override;
  bool OnStylusUp(int x, int y) override;
  bool OnStylusDown(int x, int y) override;

  // The largest position; the buttons follow, nothing is repainted.
  void SetRange(int range);
  // Moves without running the callback, and repaints.
  void SetPosition(int position);
  void LineUp();
  void LineDown();

  int Position() const { return position_; }
  int Range() const { return range_; }
  bool IsDragging() const { return dragging_; }
  // Top of the thumb relative to the bar: between the button height and the button height
  // plus the free length, proportional to the position.
  int ThumbTop() const;
  // Track height less both buttons and the thumb: how far the thumb can travel.
  int FreeLength() const;
  frame::PictureButton& UpButton() { return *upButton_; }
  frame::PictureButton& DownButton() { return *downButton_; }

 private:
  void OnUpButton(int, int) { LineUp(); }
  void OnDownButton(int, int) { LineDown(); }
  // The position under a stylus at screen row py, clamped to 0..range.
  int PositionAt(int py) const;
  // Runs the callback, updates the buttons and repaints.
  void PositionChanged();
  void UpdateButtons();

  frame::DrawingSurface* screen_;
  frame::Picture track_;
  frame::Picture thumb_;
  frame::Picture draggedThumb_;
  std::unique_ptr<frame::Callback> callback_;
  int x_;
  int y_;
  int buttonHeight_;
  std::unique_ptr<frame::RepeatButton> upButton_;
  std::unique_ptr<frame::RepeatButton> downButton_;
  int position_ = 0;
  int range_ = 1;
  bool dragging_ = false;
};

}  // namespace screens
