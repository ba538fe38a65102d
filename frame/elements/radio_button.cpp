// RadioButton: selection within a group.
#include "frame/elements/radio_button.h"

namespace frame {

RadioButton::RadioButton(ElementList* group, std::shared_ptr<Callback> callback,
                         Selection selection)
    : group_(group), callback_(std::move(callback)), selected_(selection == Selection::kSelected) {}

template <typename Action>
void RadioButton::ForOtherMembers(Action action) {
  if (group_ == nullptr) return;
  for (const auto& element : *group_) {
    auto* member = dynamic_cast<RadioButton*>(element.get());
    if (member != nullptr && member != this) action(*member);
  }
}

void RadioButton::Paint() {
  if (!enabled_) {
    PaintDisabled();
  } else if (selected_) {
    PaintSelected();
  } else {
    PaintNormal();
  }
}

bool RadioButton::OnStylusMove(int /*x*/, int /*y*/) {
  return enabled_ && selected_;
}

bool RadioButton::OnStylusUp(int x, int y) {
  lastX_ = x;
  lastY_ = y;
  if (selected_) {
    OnClick();
    Paint();
  }
  return selected_;
}

bool RadioButton::OnStylusDown(int x, int y) {
  if (HitTest(x, y) && enabled_ && !selected_) {
    lastX_ = x;
    lastY_ = y;
    Select();
    return true;
  }
  return false;
}

void RadioButton::Disable() {
  enabled_ = false;
  selected_ = false;
}

void RadioButton::Select() {
  OnClick();
  selected_ = true;
  ForOtherMembers([](RadioButton& other) {
    other.Deselect();
    other.Paint();
  });
  Paint();
}

void RadioButton::SelectQuietly() {
  selected_ = true;
  ForOtherMembers([](RadioButton& other) { other.Deselect(); });
}

void RadioButton::OnClick() {
  if (callback_) callback_->Invoke(lastX_, lastY_);
}

}  // namespace frame
