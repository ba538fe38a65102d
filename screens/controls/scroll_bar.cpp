// ScrollBar: position arithmetic, the buttons' states and drawing through a scratch surface.
#include "screens/controls/scroll_bar.h"

#include <algorithm>

#include "frame/surface/offscreen_surface.h"

namespace screens {

ScrollBar::ScrollBar(frame::DrawingSurface* screen, const frame::Picture& track, int x, int y,
                     const char* downButtonEntry, const char* upButtonEntry, const char* thumbEntry,
                     const char* draggedThumbEntry, std::unique_ptr<frame::Callback> callback)
    : ScrollBar(screen, track, x, y, frame::Picture(downButtonEntry), frame::Picture(upButtonEntry),
                frame::Picture(thumbEntry), frame::Picture(draggedThumbEntry),
                std::move(callback)) {}

ScrollBar::ScrollBar(frame::DrawingSurface* screen, const frame::Picture& track, int x, int y,
                     const frame::Picture& downButtonStrip, const frame::Picture& upButtonStrip,
                     const frame::Picture& thumb, const frame::Picture& draggedThumb,
                     std::unique_ptr<frame::Callback> callback)
    : screen_(screen),
      track_(track),
      thumb_(thumb),
      draggedThumb_(draggedThumb),
      callback_(std::move(callback)),
      x_(x),
      y_(y),
      buttonHeight_(downButtonStrip.Height()),
      upButton_(std::make_unique<frame::RepeatButton>(
          upButtonStrip, x, y, screen,
          std::make_unique<frame::MemberCallback<ScrollBar>>(this, &ScrollBar::OnUpButton),
          frame::ButtonState::kDisabled, frame::Disabling::kAllowed, kRepeatInterval)),
      downButton_(std::make_unique<frame::RepeatButton>(
          downButtonStrip, x, y + track.Height() - buttonHeight_, screen,
          std::make_unique<frame::MemberCallback<ScrollBar>>(this, &ScrollBar::OnDownButton),
          frame::ButtonState::kDisabled, frame::Disabling::kAllowed, kRepeatInterval)) {}

int ScrollBar::FreeLength() const {
  return track_.Height() - 2 * buttonHeight_ - thumb_.Height();
}

int ScrollBar::ThumbTop() const {
  const int free = FreeLength();
  // A track with no room, or no range to cover, keeps the thumb at the top.
  if (free <= 0 || range_ <= 0) return buttonHeight_;
  const int position = std::clamp(position_, 0, range_);
  return buttonHeight_ + static_cast<int>(static_cast<double>(position) * free / range_);
}

int ScrollBar::PositionAt(int py) const {
  const int free = FreeLength();
  if (free <= 0) return 0;
  const int position = (py - y_ - buttonHeight_) * range_ / free;
  return std::clamp(position, 0, std::max(range_, 0));
}

void ScrollBar::UpdateButtons() {
  if (range_ < 2 || position_ == 0) {
    upButton_->Disable();
  } else {
    upButton_->Enable();
  }
  if (range_ < 2 || position_ >= range_) {
    downButton_->Disable();
  } else {
    downButton_->Enable();
  }
}

void ScrollBar::PositionChanged() {
  if (callback_) callback_->Invoke(position_, 0);
  UpdateButtons();
  Paint();
}

void ScrollBar::SetRange(int range) {
  range_ = range;
  UpdateButtons();
}

void ScrollBar::SetPosition(int position) {
  position_ = position;
  UpdateButtons();
  Paint();
}

void ScrollBar::LineUp() {
  if (position_ > 0) --position_;
  PositionChanged();
}

void ScrollBar::LineDown() {
  if (position_ < range_) ++position_;
  PositionChanged();
}

bool ScrollBar::OnIdle() {
  const bool up = upButton_->OnIdle();
  const bool down = downButton_->OnIdle();
  return up || down;
}

void ScrollBar::Paint() {
  upButton_->Paint();
  downButton_->Paint();
  const int width = track_.Width();
  const int height = track_.Height();
  frame::OffscreenSurface scratch(width, height);
  track_.Draw(scratch, 0, 0, SRCCOPY);
  (dragging_ ? draggedThumb_ : thumb_).Draw(scratch, 0, ThumbTop(), SRCCOPY);
  // Only the part between the buttons: they draw themselves.
  screen_->Blit(scratch, 0, buttonHeight_, width, height - 2 * buttonHeight_, x_,
                y_ + buttonHeight_, SRCCOPY);
}

bool ScrollBar::OnStylusDown(int px, int py) {
  const bool up = upButton_->OnStylusDown(px, py);
  const bool down = downButton_->OnStylusDown(px, py);
  const int thumbTop = ThumbTop();
  const int row = py - y_;
  if (x_ <= px && px <= x_ + thumb_.Width() && thumbTop <= row &&
      row <= thumbTop + thumb_.Height()) {
    dragging_ = true;
    Paint();
  } else if (y_ + buttonHeight_ < py && py < y_ - buttonHeight_ + track_.Height() && x_ < px &&
             px < x_ + thumb_.Width() - 1) {
    position_ = PositionAt(py);
    PositionChanged();
  }
  return up || down;
}

bool ScrollBar::OnStylusMove(int px, int py) {
  const bool up = upButton_->OnStylusMove(px, py);
  const bool down = downButton_->OnStylusMove(px, py);
  if (dragging_) {
    position_ = PositionAt(py);
    PositionChanged();
  }
  return up || down || dragging_;
}

bool ScrollBar::OnStylusUp(int px, int py) {
  const bool up = upButton_->OnStylusUp(px, py);
  const bool down = downButton_->OnStylusUp(px, py);
  const bool wasDragging = dragging_;
  if (dragging_) {
    // The thumb is drawn idle again once dragging ends.
    dragging_ = false;
    PositionChanged();
  }
  return up || down || wasDragging;
}

}  // namespace screens
