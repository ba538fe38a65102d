// RadioButton: one of a group of elements of which at most one is selected; the group is an
// ElementList holding every member. Drawing and hit area come from the screens' own kinds.
#pragma once

#include <memory>

#include "frame/elements/callback.h"
#include "frame/elements/screen_element.h"

namespace frame {

// Whether a radio button starts out selected.
enum class Selection { kSelected, kNotSelected };

class RadioButton : public ScreenElement {
 public:
  RadioButton(ElementList* group, std::shared_ptr<Callback> callback, Selection selection);

  void Paint() override;
  bool OnStylusMove(int x, int y) override;
  // A selected button calls its callback on every stylus-up its screen receives.
  bool OnStylusUp(int x, int y) override;
  bool OnStylusDown(int x, int y) override;
  void Disable() override;
  void Enable() override { enabled_ = true; }
  // Calls the callback, selects this button, deselects and repaints the others.
  virtual void Select();
  // Selects this button and deselects the others without painting or calling back.
  virtual void SelectQuietly();
  virtual void Deselect() { selected_ = false; }
  virtual void OnClick();
  virtual void PaintNormal() = 0;
  virtual void PaintSelected() = 0;
  virtual void PaintDisabled() = 0;
  virtual bool HitTest(int x, int y) = 0;

  bool IsSelected() const { return selected_; }
  bool IsEnabled() const { return enabled_; }

 private:
  template <typename Action>
  void ForOtherMembers(Action action);

  ElementList* group_;
  std::shared_ptr<Callback> callback_;
  bool enabled_ = true;
  bool selected_;
  int lastX_ = 0;
  int lastY_ = 0;
};

}  // namespace frame
